#include "sweepstudy.h"

#include "parsereal.h"
#include "resultrow.h"
#include "sweep.h"

#include <charconv>
#include <cmath>
#include <limits>

namespace tervox::ui {

const std::array<SweepQuantity, kSweepQuantityCount> kSweepQuantities = {{
    {calc::entry::Pe, "Pe", "MPa"},
    {calc::entry::eta_e, "eta_e", ""},
    {calc::entry::ge, "ge", "g/(kW\u00B7h)"},
    {calc::entry::D, "D", "mm"},
}};

namespace {

std::string Trimmed(std::string_view text) {
    const auto first = text.find_first_not_of(' ');
    if (first == std::string_view::npos)
        return {};
    const auto last = text.find_last_not_of(' ');
    return std::string(text.substr(first, last - first + 1));
}

SweepStudy Failed(std::string why) {
    SweepStudy study;
    study.failure = std::move(why);
    return study;
}

bool Whole(long double v) {
    return std::floor(v) == v && std::fabs(v) <= std::numeric_limits<int>::max();
}

} // namespace

long double InputValueOf(const calc::EngineInput& in, calc::FieldId field) {
    using calc::FieldId;
    switch (field) {
    case FieldId::Chislocilind:
        return in.Chislocilind.value();
    case FieldId::Chastota:
        return in.Chastota.value();
    case FieldId::Izbytokvoz:
        return in.Izbytokvoz.value();
    case FieldId::Nmosnost:
        return in.Nmosnost.value();
    case FieldId::StSzhatia:
        return in.StSzhatia.value();
    case FieldId::Toe:
        return in.Toe.value();
    case FieldId::Poe:
        return in.Poe.value();
    case FieldId::poctkoeff:
        return in.poctkoeff.value();
    case FieldId::totrab:
        return in.totrab.value();
    case FieldId::DeltT:
        return in.DeltT.value();
    case FieldId::betaplusksi:
        return in.betaplusksi.value();
    case FieldId::Dublw:
        return in.Dublw.value();
    case FieldId::fii:
        return in.fii.value();
    case FieldId::fi1:
        return in.fi1.value();
    case FieldId::nodin:
        return in.nodin.value();
    case FieldId::ksizet:
        return in.ksizet.value();
    case FieldId::ndva:
        return in.ndva.value();
    case FieldId::tzet:
        return in.tzet.value();
    case FieldId::Pzet:
        return in.Pzet.value();
    case FieldId::lambd:
        return in.lambd.value();
    case FieldId::roh:
        return in.roh.value();
    case FieldId::phii:
        return in.phii.value();
    case FieldId::koefa:
        return in.koefa.value();
    case FieldId::koefb:
        return in.koefb.value();
    case FieldId::skpor:
        return in.skpor.value();
    case FieldId::k_tk:
        return in.k_tk.value();
    }
    return 0;
}

std::size_t SweepStudy::stoppedCount() const {
    std::size_t n = 0;
    for (const SweepPoint& p : points)
        n += !p.ok();
    return n;
}

std::string ExactText(long double value, std::string_view decimalSeparator) {
    char buf[64];
    const auto res = std::to_chars(buf, buf + sizeof buf, value);
    std::string text(buf, res.ptr);
    if (const auto dot = text.find('.'); dot != std::string::npos)
        text.replace(dot, 1, decimalSeparator);
    return text;
}

calc::FieldTexts RunFieldTexts(const calc::EngineInput& input, std::string_view decimalSeparator) {
    calc::FieldTexts texts;
    for (std::size_t i = 0; i < calc::kFieldCount; ++i) {
        const auto id = static_cast<calc::FieldId>(i);
        const long double v = InputValueOf(input, id);
        // The spin field's text is read as an integer: "27", never "27.0" or "2.7e1".
        texts.text(id) = id == calc::FieldId::DeltT && Whole(v)
                             ? std::to_string(static_cast<long long>(v))
                             : ExactText(v, decimalSeparator);
    }
    return texts;
}

SweepStudy RunSweepStudy(const calc::CompletedRun& run, calc::FieldId field, std::string_view from,
                         std::string_view to, std::string_view step,
                         const report::RegionalSettings& settings) {
    const std::string& sep = settings.decimalSeparator;
    const std::string texts[3] = {Trimmed(from), Trimmed(to), Trimmed(step)};
    const char* const names[3] = {"From", "To", "Step"};
    long double values[3];
    for (int i = 0; i < 3; ++i) {
        const auto v = calc::TryParseReal(texts[i], sep);
        if (!v)
            return Failed(std::string(names[i]) + ": '" + texts[i] +
                          "' is not a number (the decimal separator is '" + sep + "').");
        values[i] = *v;
    }
    const auto [a, b, s] = values;
    if (field == calc::FieldId::DeltT && !(Whole(a) && Whole(b) && Whole(s)))
        return Failed("\u0394T (DeltT) is a whole number of kelvins: From, To and Step must be "
                      "whole numbers.");
    if (s == 0)
        return Failed("The step is zero.");
    const long double span = (b - a) / s;
    if (std::isfinite(span) && span < 0)
        return Failed(
            "A step of " + texts[2] + " does not lead from " + texts[0] + " to " + texts[1] +
            (s > 0 ? "; downwards the step is negative." : "; upwards the step is positive."));
    const std::string tooMany = " points; a study takes at most " +
                                std::to_string(kMaxSweepPoints) + ". Take a larger step.";
    if (!std::isfinite(span) || span >= 1e8L)
        return Failed("From " + texts[0] + " to " + texts[1] + " by " + texts[2] +
                      " gives too many" + tooMany);

    calc::SweepAxis axis;
    try {
        axis = calc::ExpandSweepAxis(field, texts[0] + ":" + texts[1] + ":" + texts[2], sep);
    } catch (const calc::SweepSpecError& e) {
        return Failed(std::string("The range does not work: ") + e.what() + ".");
    }
    if (axis.size() > kMaxSweepPoints)
        return Failed("From " + texts[0] + " to " + texts[1] + " by " + texts[2] + " gives " +
                      std::to_string(axis.size()) + tooMany);

    SweepStudy study;
    study.field = field;
    study.type = run.type;
    study.runX = InputValueOf(run.state.input, field);
    const calc::CycleResults& r = run.state.results;
    study.runY = {r.Pe.value(), r.eta_e.value(), r.ge.value(), r.D.value()};

    try {
        const calc::SweepGrid grid(RunFieldTexts(run.state.input, sep),
                                   run.type == calc::EngineType::Gasoline, {axis}, settings);
        calc::ResultRow row;
        study.points.reserve(grid.size());
        for (std::size_t i = 0; i < grid.size(); ++i) {
            grid.compute(i, row);
            SweepPoint point;
            const auto x = row.inputs[static_cast<std::size_t>(field)];
            point.x = x ? *x : axis.from + static_cast<long double>(i) * axis.step;
            point.status = row.status;
            for (std::size_t q = 0; q < kSweepQuantityCount; ++q)
                point.y[q] = row.value(kSweepQuantities[q].entry)
                                 .value_or(std::numeric_limits<long double>::quiet_NaN());
            study.points.push_back(std::move(point));
        }
    } catch (const std::exception& e) {
        return Failed(std::string("The study could not be made: ") + e.what() + ".");
    }
    return study;
}

std::string SweepStudyCsv(const SweepStudy& study, std::string_view decimalSeparator) {
    const std::string_view sep = decimalSeparator == "," ? ";" : ",";
    const auto quoted = [sep](const std::string& text) {
        if (text.find_first_of(std::string(sep) + "\"\r\n") == std::string::npos)
            return text;
        std::string out = "\"";
        for (char c : text) {
            if (c == '"')
                out += '"';
            out += c;
        }
        return out + "\"";
    };
    std::string out(calc::kFieldNames[static_cast<std::size_t>(study.field)]);
    for (const SweepQuantity& q : kSweepQuantities)
        out.append(sep).append(q.name);
    out.append(sep).append("status\n");
    for (const SweepPoint& p : study.points) {
        out += ExactText(p.x, decimalSeparator);
        for (std::size_t q = 0; q < kSweepQuantityCount; ++q) {
            out += sep;
            if (p.ok() && !std::isnan(p.y[q]))
                out += ExactText(p.y[q], decimalSeparator);
        }
        out.append(sep).append(quoted(p.status)).append("\n");
    }
    return out;
}

} // namespace tervox::ui
