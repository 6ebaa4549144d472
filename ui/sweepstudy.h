#pragma once

#include "engineinput.h"
#include "fieldtexts.h"
#include "indicatordiagram.h"
#include "regionalsettings.h"

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tervox::ui {

// The four figures a design study follows, in this order.
struct SweepQuantity {
    int entry;             // its entry number in a run's results
    std::string_view name; // its shared name, as tervox-calc's tables write it
    std::string_view unit; // empty for none
};
inline constexpr std::size_t kSweepQuantityCount = 4;
extern const std::array<SweepQuantity, kSweepQuantityCount> kSweepQuantities;

// One point of a study: the input's value and the four figures, when the point
// completed; otherwise the message that stopped it.
struct SweepPoint {
    long double x = 0;
    std::array<long double, kSweepQuantityCount> y{};
    std::string status; // "ok" or the message that stopped the point
    bool ok() const { return status == "ok"; }
};

// A study of one input over a range, every other input as the completed run read
// it: each point is a run of its own, with the run's order, faults and messages.
struct SweepStudy {
    // Empty when the study was made; otherwise why not (a range that does not read,
    // too many points, no run), and nothing else below is meaningful.
    std::string failure;

    calc::FieldId field = calc::FieldId::StSzhatia;
    calc::EngineType type = calc::EngineType::Diesel;
    std::vector<SweepPoint> points;
    // The completed run itself: its value of the input and its four figures.
    long double runX = 0;
    std::array<long double, kSweepQuantityCount> runY{};

    bool ok() const { return failure.empty(); }
    std::size_t stoppedCount() const;
};

// A study draws and lists every point: beyond this many it asks for a larger step.
inline constexpr std::size_t kMaxSweepPoints = 2000;

// The value of one input as a run's state holds it.
long double InputValueOf(const calc::EngineInput& input, calc::FieldId field);

// The field texts that read back as exactly the inputs of the run (every digit an
// extended value needs, the decimal separator given; DeltT as its whole number),
// so a study's points differ from the run only in the input studied.
calc::FieldTexts RunFieldTexts(const calc::EngineInput& input, std::string_view decimalSeparator);

// The study of field from `from` to `to` by `step` (field texts, read with the
// settings' decimal separator; a negative step runs downwards). Never throws: a
// range that does not read or has more than kMaxSweepPoints points gives a study
// whose failure says so in a sentence.
SweepStudy RunSweepStudy(const calc::CompletedRun& run, calc::FieldId field, std::string_view from,
                         std::string_view to, std::string_view step,
                         const report::RegionalSettings& settings);

// The study as a table: a header line (the input's name, Pe, eta_e, ge, D, status),
// then a line per point. Numbers carry every digit needed to read back the same
// extended value, with the decimal separator given; the fields are separated by ";"
// when that separator is a comma and by "," otherwise; a point that stopped has empty
// figures and its message, quoted where needed. Lines end in "\n".
std::string SweepStudyCsv(const SweepStudy& study, std::string_view decimalSeparator);

// value as the fewest digits that read back as the same extended value, with the
// decimal separator given ("16", "0,0135", "1,5e-05").
std::string ExactText(long double value, std::string_view decimalSeparator);

} // namespace tervox::ui
