#include "sweep.h"

#include "dateformat.h"
#include "numberformat.h"
#include "parsereal.h"

#include <cmath>
#include <limits>

namespace tervox::calc {
namespace {

constexpr std::size_t kMaxAxisValues = 100'000'000;

long double NumberOf(std::string_view part, std::string_view separator, std::string_view range,
                     const char* what) {
    if (const auto v = TryParseReal(part, separator))
        return *v;
    throw SweepSpecError("the " + std::string(what) + " of " + std::string(range) +
                         " is not a number");
}

} // namespace

std::string SweepAxis::text(std::size_t k) const {
    if (!list.empty())
        return list[k];
    return report::FormatNumber(from + static_cast<long double>(k) * step, separator);
}

SweepAxis ExpandSweepAxis(FieldId field, std::string_view text, std::string_view separator) {
    SweepAxis axis;
    axis.field = field;
    if (text.find(';') != std::string_view::npos || text.find(':') == std::string_view::npos) {
        // A list of field texts, taken as they stand (a text that does not convert
        // is a point that stops, as it would in the window).
        std::size_t start = 0;
        for (;;) {
            const std::size_t end = text.find(';', start);
            axis.list.emplace_back(text.substr(start, end - start));
            if (end == std::string_view::npos)
                break;
            start = end + 1;
        }
        if (axis.list.size() > 1 && axis.list.back().empty())
            axis.list.pop_back(); // "a;b;" ends the list
        return axis;
    }

    const std::size_t c1 = text.find(':');
    const std::size_t c2 = text.find(':', c1 + 1);
    if (c2 == std::string_view::npos || text.find(':', c2 + 1) != std::string_view::npos)
        throw SweepSpecError(std::string(text) + " is not FROM:TO:STEP");
    const long double from = NumberOf(text.substr(0, c1), separator, text, "start");
    const long double to = NumberOf(text.substr(c1 + 1, c2 - c1 - 1), separator, text, "end");
    const long double step = NumberOf(text.substr(c2 + 1), separator, text, "step");
    if (step == 0)
        throw SweepSpecError("the step of " + std::string(text) + " is zero");
    const long double span = (to - from) / step;
    if (!std::isfinite(span) || span < 0)
        throw SweepSpecError("the step of " + std::string(text) + " does not lead from " +
                             "start to end");
    // A step that lands on TO up to rounding still reaches it.
    const long double count = std::floor(span * (1 + 64 * std::numeric_limits<long double>::epsilon())) + 1;
    if (count > kMaxAxisValues)
        throw SweepSpecError(std::string(text) + " has too many values");
    axis.from = from;
    axis.step = step;
    axis.rangeSize = static_cast<std::size_t>(count);
    axis.separator = separator;
    return axis;
}

SweepGrid::SweepGrid(const FieldTexts& base, bool gasoline, std::vector<SweepAxis> axes,
                     const report::RegionalSettings& settings)
    : m_gasoline(gasoline), m_base(base), m_axes(std::move(axes)),
      m_separator(settings.decimalSeparator),
      m_dateText(report::FormatDate(report::Today(), settings.shortDateFormat)) {
    for (std::size_t i = 0; i < kFieldCount; ++i) {
        const auto id = static_cast<FieldId>(i);
        m_baseParsed[i] = ParseField(id, base.text(id), settings.decimalSeparator);
    }
    if (m_axes.size() > kMaxAxes)
        throw SweepSpecError("a grid has at most " + std::to_string(kMaxAxes) + " axes");
    for (const SweepAxis& axis : m_axes) {
        const std::size_t n = axis.size();
        if (n == 0)
            throw SweepSpecError("a sweep of " +
                                 std::string(kFieldNames[static_cast<std::size_t>(axis.field)]) +
                                 " has no values");
        std::vector<ParsedField> parsed;
        if (n <= kConvertedAxisValues) {
            parsed.reserve(n);
            for (std::size_t k = 0; k < n; ++k)
                parsed.push_back(ParseField(axis.field, axis.text(k), m_separator));
        }
        m_axisParsed.push_back(std::move(parsed));
        if (m_size > std::numeric_limits<std::size_t>::max() / n)
            throw SweepSpecError("the grid has too many points");
        m_size *= n;
    }
}

ParsedFieldRefs SweepGrid::fieldsOf(std::size_t index, Scratch& scratch) const {
    ParsedFieldRefs refs;
    for (std::size_t i = 0; i < kFieldCount; ++i)
        refs[i] = &m_baseParsed[i];
    // Mixed radix, the last axis fastest.
    std::array<std::size_t, kMaxAxes> digit{};
    for (std::size_t a = m_axes.size(); a-- > 0;) {
        const std::size_t n = m_axes[a].size();
        digit[a] = index % n;
        index /= n;
    }
    // A field swept on two axes takes its value from the later one.
    for (std::size_t a = 0; a < m_axes.size(); ++a) {
        const SweepAxis& axis = m_axes[a];
        const ParsedField* f;
        if (!m_axisParsed[a].empty()) {
            f = &m_axisParsed[a][digit[a]];
        } else {
            scratch[a] = ParseField(axis.field, axis.text(digit[a]), m_separator);
            f = &scratch[a];
        }
        refs[static_cast<std::size_t>(axis.field)] = f;
    }
    return refs;
}

FieldTexts SweepGrid::texts(std::size_t index) const {
    FieldTexts t = m_base;
    Scratch scratch;
    const ParsedFieldRefs refs = fieldsOf(index, scratch);
    for (std::size_t i = 0; i < kFieldCount; ++i)
        t.text(static_cast<FieldId>(i)) = refs[i]->text;
    return t;
}

void SweepGrid::compute(std::size_t index, ResultRow& row) const {
    Scratch scratch;
    const ParsedFieldRefs refs = fieldsOf(index, scratch);
    row.gasoline = m_gasoline;
    row.clearValues();
    for (std::size_t i = 0; i < kFieldCount; ++i)
        row.inputs[i] = refs[i]->value;

    // A point has no report of its own: the writer only keeps the values.
    CalcState state;
    EntryWriter out(row.values.data());
    try {
        const EngineType type = ReadParsedInput(refs, m_gasoline, state);
        ComputeRun(type, state, m_dateText, out);
        row.status = "ok";
    } catch (const std::exception& e) {
        row.status = e.what();
    }
}

} // namespace tervox::calc
