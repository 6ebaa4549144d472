// Runs that stop: at a field that does not convert, or at the first operation that
// faults. Each row names the first faulting step through the last entry written
// before it; nothing after that entry may be written.
#include "recordingsink.h"
#include "reportlayout.h"
#include "runcalculation.h"

#include "parsereal.h"

#include <cstdio>
#include <gtest/gtest.h>
#include <utility>
#include <vector>

namespace {

using namespace tervox;
namespace entry = tervox::calc::entry;

constexpr const char* kDivZero = "Floating point division by zero";
constexpr const char* kInvalid = "Invalid floating point operation";
constexpr const char* kOverflow = "Floating point overflow";

struct FaultCase {
    const char* name;
    bool gasoline;
    std::vector<std::pair<const char*, const char*>> fields;
    const char* message;
    int lastEntry; // number of the last entry written; 0 for none
};

const FaultCase kFaultCases[] = {
    // Reading the inputs: nothing is written.
    {"TextInPoe", false, {{"Poe", "abc"}}, "'abc' is not a valid floating point value", 0},
    {"EmptyNodin", false, {{"nodin", ""}}, "'' is not a valid floating point value", 0},
    {"FirstBadFieldInReadingOrder", false, {{"Poe", "y"}, {"Izbytokvoz", "x"}},
     "'x' is not a valid floating point value", 0},
    {"UnusedKsizetIsStillRead", false, {{"ksizet", "x"}}, "'x' is not a valid floating point value", 0},
    {"ZeroRoh", false, {{"roh", "0"}}, kDivZero, 0},
    {"ZeroRohAndEpsilon", false, {{"roh", "0"}, {"StSzhatia", "0"}}, kInvalid, 0},
    {"DeltaBeforeKoefa", false, {{"roh", "0"}, {"koefa", "abc"}}, kDivZero, 0},
    // Fresh charge and products.
    {"DieselWithoutAir", false, {{"Izbytokvoz", "0"}}, kDivZero, entry::M2},
    // Gas exchange and compression.
    {"ZeroAmbientTemperature", false, {{"Toe", "0"}}, kDivZero, entry::mu0},
    {"ZeroAmbientState", true, {{"Toe", "0"}, {"Poe", "0"}}, kInvalid, entry::mu0},
    {"ZeroResidualTemperature", false, {{"totrab", "0"}}, kDivZero, entry::Pa},
    {"ZeroAmbientPressure", false, {{"Poe", "0"}}, kInvalid, entry::Pa},
    {"CompressionRatioOne", false, {{"StSzhatia", "1"}}, kDivZero, entry::Ta},
    {"NegativeCompressionRatio", false, {{"StSzhatia", "-16"}}, kInvalid, entry::nv},
    {"OverflowingIntakeLoss", false, {{"Dublw", "1e3000"}}, kOverflow, entry::Pr},
    // Combustion and expansion.
    {"GasolineZeroCompressionRatio", true, {{"StSzhatia", "0"}}, kDivZero, entry::Pzet},
    {"ZeroResidualPressure", false, {{"poctkoeff", "0"}}, kDivZero, entry::Tb},
    {"GasolineZeroResidualPressure", true, {{"poctkoeff", "0"}}, kDivZero, entry::Tb},
    {"NegativeCombustionPressure", false, {{"Pzet", "-7"}}, kInvalid, entry::Tb},
    {"ZeroCombustionPressure", false, {{"Pzet", "0"}}, kDivZero, entry::Tb},
    {"ZeroCombustionState", false, {{"Pzet", "0"}, {"tzet", "0"}}, kInvalid, entry::Tb},
    {"NegativeRohExpansionBase", false, {{"roh", "-1,47"}}, kInvalid, entry::Pzet},
    // Indicated and effective performance, sizing.
    {"ExpansionExponentOne", false, {{"ndva", "1"}}, kDivZero, entry::Tr_check},
    {"ExpansionExponentOneWithoutPressureRise", true, {{"ndva", "1"}, {"lambd", "0"}}, kInvalid,
     entry::Tr_check},
    {"CompressionExponentOne", false, {{"nodin", "1"}}, kDivZero, entry::Tr_check},
    {"NoAdditionalCharging", false, {{"fi1", "0"}}, kInvalid, entry::Pi},
    {"ZeroFullness", false, {{"phii", "0"}}, kDivZero, entry::eta_i},
    {"GasolineWithoutAir", true, {{"Izbytokvoz", "0"}}, kDivZero, entry::eta_i},
    {"LossesAboveIndicatedPressure", false, {{"koefb", "1"}}, kInvalid, entry::Vh},
    {"NoCylinders", false, {{"Chislocilind", "0"}}, kDivZero, entry::Gt},
    {"NoSpeed", true, {{"Chastota", "0"}}, kDivZero, entry::Gt},
    {"NoSpeedNoPower", false, {{"Chastota", "0"}, {"Nmosnost", "0"}}, kInvalid, entry::Gt},
    {"ZeroStrokeRatio", false, {{"k_tk", "0"}}, kDivZero, entry::Vh},
    {"NegativeStrokeRatio", false, {{"k_tk", "-1,2"}}, kInvalid, entry::Vh},
};

class RunFaultTable : public ::testing::TestWithParam<FaultCase> {};

TEST_P(RunFaultTable, StopsAtTheFirstFaultWithEverythingBeforeItWritten) {
    const FaultCase& c = GetParam();
    calc::FieldTexts texts;
    for (const auto& [name, text] : c.fields)
        *texts.field(name) = text;
    test::RecordingSink sink;
    calc::CalcState state;
    try {
        calc::RunCalculation(texts, c.gasoline, {",", "dd.MM.yyyy"}, sink, state, {2026, 3, 5});
        FAIL() << "the run completed";
    } catch (const std::exception& e) {
        EXPECT_EQ(std::string(e.what()), c.message);
    }
    if (c.lastEntry == 0) {
        EXPECT_TRUE(sink.entries.empty());
    } else {
        ASSERT_FALSE(sink.entries.empty());
        EXPECT_EQ(sink.entries.back().key, calc::kReportEntries[c.lastEntry - 1].key);
    }
}

INSTANTIATE_TEST_SUITE_P(Cases, RunFaultTable, ::testing::ValuesIn(kFaultCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(RunFaults, PointSeparatorStopsAtTheFirstCommaText) {
    // Chislocilind "4" and Chastota "2300" convert; Izbytokvoz "1,5" does not.
    test::RecordingSink sink;
    calc::CalcState state;
    try {
        calc::RunCalculation({}, false, {".", "M/d/yy"}, sink, state, {2026, 3, 5});
        FAIL() << "the run completed";
    } catch (const calc::ConversionError& e) {
        EXPECT_EQ(std::string(e.what()), "'1,5' is not a valid floating point value");
    }
    EXPECT_EQ(state.input.Chislocilind.value(), 4.0L);
    EXPECT_EQ(state.input.Chastota.value(), 2300.0L);
    EXPECT_TRUE(sink.entries.empty());
}

TEST(RunFaults, LossesEqualToIndicatedPressureStopAtFuelConsumption) {
    // First find the default run's Pi, then make the losses exactly that value:
    // Pe = 0, eta_m = 0 and eta_e = 0 are written, then ge divides by zero.
    calc::CalcState state;
    test::RecordingSink first;
    calc::RunCalculation({}, false, {",", "dd.MM.yyyy"}, first, state, {2026, 3, 5});
    char text[64];
    std::snprintf(text, sizeof text, "%.21Le", state.results.Pi.value()); // round-trips extended
    std::string pi = text;
    for (char& ch : pi)
        if (ch == '.')
            ch = ',';

    calc::FieldTexts texts;
    texts.koefa = pi;
    texts.koefb = "0";
    test::RecordingSink sink;
    try {
        calc::RunCalculation(texts, false, {",", "dd.MM.yyyy"}, sink, state, {2026, 3, 5});
        FAIL() << "the run completed";
    } catch (const calc::FloatingPointError& e) {
        EXPECT_EQ(std::string(e.what()), kDivZero);
    }
    EXPECT_EQ(sink.entries.back().key, calc::kReportEntries[calc::entry::eta_e - 1].key);
    EXPECT_EQ(sink.find("Эффективное давление Pe")->text, "0");
    EXPECT_EQ(sink.find("Механический КПД eta m")->text, "0");
}

TEST(RunFaults, ZeroPowerCompletesWithZeroCylinderSize) {
    calc::FieldTexts texts;
    texts.Nmosnost = "0";
    test::RecordingSink sink;
    calc::CalcState state;
    calc::RunCalculation(texts, true, {",", "dd.MM.yyyy"}, sink, state, {2026, 3, 5});
    EXPECT_EQ(sink.entries.size(), 75u);
    for (const char* key : {"Часовой расход топлива Gt", "Рабочий объем 1 цилиндра", "Диаметр D",
                            "Ход поршня S", "Действит. скорость поршня"})
        EXPECT_EQ(sink.find(key)->text, "0") << key;
}

TEST(RunFaults, ErrorDisplayAddsAFullStopOnlyWhereNeeded) {
    EXPECT_EQ(calc::ErrorDisplayText("Floating point overflow"), "Floating point overflow.");
    EXPECT_EQ(calc::ErrorDisplayText("'' is not a valid floating point value"),
              "'' is not a valid floating point value.");
    EXPECT_EQ(calc::ErrorDisplayText("Unable to write to /tmp/r.txt"),
              "Unable to write to /tmp/r.txt.");
    EXPECT_EQ(calc::ErrorDisplayText("Done."), "Done.");
    EXPECT_EQ(calc::ErrorDisplayText("Stop!"), "Stop!");
    EXPECT_EQ(calc::ErrorDisplayText("a -"), "a -");
    EXPECT_EQ(calc::ErrorDisplayText("(x)"), "(x)");
    EXPECT_EQ(calc::ErrorDisplayText("x/"), "x/."); // "/" sorts above "."
    EXPECT_EQ(calc::ErrorDisplayText("Путь Ж"), "Путь Ж.");
    EXPECT_EQ(calc::ErrorDisplayText(""), "");
}

} // namespace
