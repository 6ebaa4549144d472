#include "resultrow.h"

#include <cmath>
#include <cstring>
#include <limits>

namespace tervox::calc {

namespace {
// Copied bytewise: loading and storing NaNs through the x87 unit costs a
// microcode assist per value, several times the price of a whole stage.
const std::array<long double, kReportEntryCount + 1> kNothingWritten = [] {
    std::array<long double, kReportEntryCount + 1> a;
    a.fill(std::numeric_limits<long double>::quiet_NaN());
    return a;
}();
} // namespace

ResultRow::ResultRow() { clearValues(); }

void ResultRow::clearValues() { std::memcpy(values.data(), kNothingWritten.data(), sizeof values); }

std::optional<long double> ResultRow::value(int entryNo) const {
    const long double v = values[static_cast<std::size_t>(entryNo)];
    if (std::isnan(v))
        return std::nullopt;
    return v;
}

const std::vector<QuantityColumn>& QuantityColumns() {
    static const std::vector<QuantityColumn> columns = [] {
        std::vector<QuantityColumn> out;
        for (const ReportEntry& e : kReportEntries) {
            if (e.no <= entry::calculationDate || FieldIdOf(e.name))
                continue;
            bool merged = false;
            for (QuantityColumn& c : out)
                if (c.name == e.name) {
                    c.entries.push_back(e.no);
                    merged = true;
                }
            if (!merged)
                out.push_back({e.name, {e.no}});
        }
        return out;
    }();
    return columns;
}

} // namespace tervox::calc
