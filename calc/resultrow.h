#pragma once

#include "fieldtexts.h"
#include "reportlayout.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tervox::calc {

// One run as a row of a table: the engine type, the inputs as converted, every
// number the run wrote (by entry number; NaN where the run wrote none) and its
// status, "ok" or the message that stopped it.
struct ResultRow {
    bool gasoline = false;
    std::array<std::optional<long double>, kFieldCount> inputs;
    std::array<long double, kReportEntryCount + 1> values;
    std::string status;

    ResultRow();
    void clearValues(); // every entry back to "not written"
    bool completed() const { return status == "ok"; }
    std::optional<long double> value(int entryNo) const;
};

// The quantity columns of a row after the inputs: every number of the report that
// is not an input field's, once under its shared name (gc, gh, Hu, Lo, delta, aLo,
// r_CO ... Cp_real), with the entry number to read it from.
struct QuantityColumn {
    std::string_view name;
    std::vector<int> entries; // the entries that carry it (two for the shared fractions)
};
const std::vector<QuantityColumn>& QuantityColumns();

} // namespace tervox::calc
