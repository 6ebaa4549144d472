#pragma once

#include "resultrow.h"
#include "runcalculation.h"

#include <cstddef>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace tervox::calc {

// A sweep argument that cannot be expanded; the message says why.
class SweepSpecError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The values one input takes in a design study, as field texts: a list of texts,
// or a range whose k-th value (FROM + k * STEP, so no error accumulates) is
// written out only when asked for, so that a long range costs no memory.
struct SweepAxis {
    FieldId field;
    std::vector<std::string> list;
    long double from = 0, step = 0;
    std::size_t rangeSize = 0;
    std::string separator;

    std::size_t size() const { return list.empty() ? rangeSize : list.size(); }
    std::string text(std::size_t k) const;
};

// Reads "FROM:TO:STEP" (FROM, FROM + STEP, ... up to TO) or "v1;v2;v3" (the texts
// as they stand). Numbers are read and written with the separator given.
SweepAxis ExpandSweepAxis(FieldId field, std::string_view text, std::string_view separator);

// A grid of runs: the base field texts with every combination of the axes' values
// (the last axis varies fastest). Each point is a run of its own from a fresh
// state, with the run's reading order, faults and messages; the texts are
// converted once per distinct value, so a point costs only its arithmetic.
class SweepGrid {
public:
    static constexpr std::size_t kMaxAxes = 32;

    SweepGrid(const FieldTexts& base, bool gasoline, std::vector<SweepAxis> axes,
              const report::RegionalSettings& settings);

    // Number of points; throws SweepSpecError when the grid is beyond counting.
    std::size_t size() const { return m_size; }
    const std::vector<SweepAxis>& axes() const { return m_axes; }

    // The field texts of a point, as a run in the window would have them.
    FieldTexts texts(std::size_t index) const;

    // Computes one point. Safe to call from several threads at once.
    void compute(std::size_t index, ResultRow& row) const;

private:
    using Scratch = std::array<ParsedField, kMaxAxes>;
    ParsedFieldRefs fieldsOf(std::size_t index, Scratch& scratch) const;

    bool m_gasoline;
    FieldTexts m_base;
    std::vector<SweepAxis> m_axes;
    // Axes up to this many values are converted once; longer ones point by point.
    static constexpr std::size_t kConvertedAxisValues = 4096;

    std::array<ParsedField, kFieldCount> m_baseParsed;
    std::vector<std::vector<ParsedField>> m_axisParsed; // empty for a long range
    std::string m_separator;
    std::string m_dateText;
    std::size_t m_size = 1;
};

} // namespace tervox::calc
