// Design-study grids: every point must be exactly the run the window would make
// with the same texts.
#include "recordingsink.h"
#include "runcalculation.h"
#include "sweep.h"

#include <cmath>
#include <gtest/gtest.h>
#include <limits>

namespace {

using namespace tervox;
using calc::FieldId;

const report::RegionalSettings kComma{",", "dd.MM.yyyy"};

// The row a run in the window gives for these texts.
calc::ResultRow RunRow(const calc::FieldTexts& texts, bool gasoline) {
    calc::ResultRow row;
    test::RecordingSink sink;
    calc::CalcState state;
    try {
        calc::RunCalculation(texts, gasoline, kComma, sink, state, report::Today(),
                             row.values.data());
        row.status = "ok";
    } catch (const std::exception& e) {
        row.status = e.what();
    }
    return row;
}

void ExpectSameValues(const calc::ResultRow& a, const calc::ResultRow& b) {
    EXPECT_EQ(a.status, b.status);
    for (int no = 1; no <= calc::kReportEntryCount; ++no) {
        const long double x = a.values[static_cast<std::size_t>(no)];
        const long double y = b.values[static_cast<std::size_t>(no)];
        if (std::isnan(x) || std::isnan(y))
            EXPECT_EQ(std::isnan(x), std::isnan(y)) << "entry " << no;
        else
            EXPECT_EQ(x, y) << "entry " << no; // bit for bit, not nearly
    }
}

TEST(Sweep, OnePointIsExactlyTheRun) {
    for (const bool gasoline : {false, true}) {
        const calc::SweepGrid grid({}, gasoline, {}, kComma);
        ASSERT_EQ(grid.size(), 1u);
        calc::ResultRow row;
        grid.compute(0, row);
        ExpectSameValues(row, RunRow({}, gasoline));
        EXPECT_EQ(row.status, "ok");
        EXPECT_EQ(*row.inputs[static_cast<std::size_t>(FieldId::Izbytokvoz)], 1.5L);
    }
}

TEST(Sweep, FailingMiddlePointsKeepTheirMessagesAndTheOthersGoOn) {
    std::vector<calc::SweepAxis> axes{
        calc::ExpandSweepAxis(FieldId::StSzhatia, "18;1;16", ","),
        calc::ExpandSweepAxis(FieldId::Izbytokvoz, "1,3:1,7:0,2", ","),
    };
    const calc::SweepGrid grid({}, false, axes, kComma);
    ASSERT_EQ(grid.size(), 9u);
    for (std::size_t i = 0; i < grid.size(); ++i) {
        calc::ResultRow row;
        grid.compute(i, row);
        const calc::FieldTexts texts = grid.texts(i);
        ExpectSameValues(row, RunRow(texts, false));
        if (texts.StSzhatia == "1")
            EXPECT_EQ(row.status, "Floating point division by zero") << i;
        else
            EXPECT_EQ(row.status, "ok") << i;
    }
    EXPECT_EQ(grid.texts(4).StSzhatia, "1");
    EXPECT_EQ(grid.texts(4).Izbytokvoz, "1,5"); // the last axis varies fastest
}

TEST(Sweep, StopsWhereTheRunWouldAndNamesTheSameField) {
    // A text that does not convert against a zero roh: the run's reading order
    // decides (Izbytokvoz is read before delta is formed, koefa after).
    std::vector<calc::SweepAxis> axes{
        calc::ExpandSweepAxis(FieldId::roh, "0;1,47", ","),
        calc::ExpandSweepAxis(FieldId::Izbytokvoz, "x;1,5", ","),
        calc::ExpandSweepAxis(FieldId::koefa, "y;0,089", ","),
    };
    const calc::SweepGrid grid({}, true, axes, kComma);
    for (std::size_t i = 0; i < grid.size(); ++i) {
        calc::ResultRow row;
        grid.compute(i, row);
        ExpectSameValues(row, RunRow(grid.texts(i), true));
    }
    calc::ResultRow row;
    grid.compute(2, row); // roh 0, Izbytokvoz 1,5, koefa y
    EXPECT_EQ(row.status, "Floating point division by zero");
    grid.compute(5, row); // roh 1,47, Izbytokvoz x, koefa 0,089
    EXPECT_EQ(row.status, "'x' is not a valid floating point value");
    EXPECT_FALSE(row.inputs[static_cast<std::size_t>(FieldId::Izbytokvoz)].has_value());
}

struct AxisCase {
    const char* text;
    std::vector<std::string> texts;
};

const AxisCase kAxisCases[] = {
    {"14:18:1", {"14", "15", "16", "17", "18"}},
    {"0,1:0,3:0,1", {"0,1", "0,2", "0,3"}}, // no drift: each value is FROM + k * STEP
    {"1,8:1,2:-0,2", {"1,8", "1,6", "1,4", "1,2"}},
    {"5:5:1", {"5"}},
    {"1:2:0,3", {"1", "1,3", "1,6", "1,9"}},
    {"16;1;18", {"16", "1", "18"}},
    {"abc;1,5", {"abc", "1,5"}}, // a list keeps its texts as typed
    {"7", {"7"}},
};

class SweepAxisTable : public ::testing::TestWithParam<AxisCase> {};

std::vector<std::string> Texts(const calc::SweepAxis& axis) {
    std::vector<std::string> out;
    for (std::size_t k = 0; k < axis.size(); ++k)
        out.push_back(axis.text(k));
    return out;
}

TEST_P(SweepAxisTable, ExpandsIntoFieldTexts) {
    EXPECT_EQ(Texts(calc::ExpandSweepAxis(FieldId::StSzhatia, GetParam().text, ",")),
              GetParam().texts);
}

INSTANTIATE_TEST_SUITE_P(Specs, SweepAxisTable, ::testing::ValuesIn(kAxisCases));

TEST(Sweep, MalformedRangesAreRejectedWithAReason) {
    for (const char* text : {"1:2", "a:2:1", "1:b:1", "1:2:c", "1:2:0", "2:1:1", "1:2:3:4",
                             "0:1e4000:1e-4000", "0:100000000000:1"}) {
        EXPECT_THROW(calc::ExpandSweepAxis(FieldId::StSzhatia, text, ","), calc::SweepSpecError)
            << text;
    }
    EXPECT_THROW(calc::ExpandSweepAxis(FieldId::StSzhatia, "1.5:2:1", ","), calc::SweepSpecError);
    EXPECT_EQ(Texts(calc::ExpandSweepAxis(FieldId::StSzhatia, "1.5:2.5:1", ".")),
              (std::vector<std::string>{"1.5", "2.5"}));
}

TEST(Sweep, LongRangesAreConvertedPointByPointWithTheSameResults) {
    // 5001 values: beyond what the grid converts up front.
    const calc::SweepGrid grid({}, false, {calc::ExpandSweepAxis(FieldId::Chastota, "1000:6000:1", ",")},
                               kComma);
    ASSERT_EQ(grid.size(), 5001u);
    for (const std::size_t i : {0u, 1300u, 5000u}) {
        calc::ResultRow row;
        grid.compute(i, row);
        ExpectSameValues(row, RunRow(grid.texts(i), false));
        EXPECT_EQ(*row.inputs[static_cast<std::size_t>(FieldId::Chastota)], 1000.0L + i);
    }
}

TEST(Sweep, GridSizeIsTheProductOfTheAxes) {
    std::vector<calc::SweepAxis> axes{calc::ExpandSweepAxis(FieldId::Chastota, "1000:5000:100", ","),
                                      calc::ExpandSweepAxis(FieldId::StSzhatia, "14:22:1", ",")};
    const calc::SweepGrid grid({}, false, axes, kComma);
    EXPECT_EQ(grid.size(), 41u * 9u);
}

} // namespace
