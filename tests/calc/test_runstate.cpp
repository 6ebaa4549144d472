// The state a run leaves: in the program-wide records and in the report file.
#include "fixture.h"
#include "recordingsink.h"
#include "parsereal.h"
#include "reportlayout.h"
#include "runcalculation.h"

#include "codepage.h"
#include "reportwriteerror.h"
#include "resultreport.h"

#include <gtest/gtest.h>

namespace {

namespace fs = std::filesystem;
using namespace tervox;

const report::RegionalSettings kComma{",", "dd.MM.yyyy"};
constexpr report::CalendarDate kDate{2026, 3, 5};

// The section names and keys of a report, in file order, in UTF-8.
std::vector<std::string> Lines(const fs::path& p) {
    const std::string text = report::FromCp1251(test::ReadFileBytes(p));
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t end = text.find("\r\n", start);
        const std::string line = text.substr(start, end - start);
        lines.push_back(line.substr(0, line.find('=')));
        start = end + 2;
    }
    return lines;
}

class ReportFileTest : public ::testing::Test {
protected:
    void SetUp() override {
        m_dir = fs::temp_directory_path() /
                ("tervox_runstate_" + std::to_string(::getpid()) + "_" +
                 ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(m_dir);
        m_path = m_dir / "result.txt";
    }
    void TearDown() override { fs::remove_all(m_dir); }

    void run(const calc::FieldTexts& texts, bool gasoline) {
        report::ResultReport report(m_path.string(), kComma);
        calc::RunCalculation(texts, gasoline, kComma, report, m_state, kDate);
    }

    fs::path m_dir, m_path;
    calc::CalcState m_state;
};

TEST(RunCounts, GasolineWritesSeventyFiveEntriesAndDieselSeventyThree) {
    for (const bool gasoline : {true, false}) {
        test::RecordingSink sink;
        calc::CalcState state;
        calc::RunCalculation({}, gasoline, kComma, sink, state, kDate);
        ASSERT_EQ(sink.entries.size(), gasoline ? 75u : 73u);
        // In table order, each write the one its engine type makes.
        std::size_t i = 0;
        for (const calc::ReportEntry& e : calc::kReportEntries) {
            if (e.type == (gasoline ? calc::EntryType::Diesel : calc::EntryType::Gasoline))
                continue;
            EXPECT_EQ(sink.entries[i].section, e.section);
            EXPECT_EQ(sink.entries[i].key, e.key);
            ++i;
        }
    }
}

TEST_F(ReportFileTest, FirstRunHasTenSectionsAndOneMain) {
    run({}, false);
    std::vector<std::string> sections;
    for (const std::string& l : Lines(m_path))
        if (l.front() == '[')
            sections.push_back(l);
    EXPECT_EQ(sections,
              (std::vector<std::string>{"[Resultats]", "[INData]", "[Main]", "[Газообмен]",
                                        "[Сжатие]", "[Сгорание]", "[Расширение]",
                                        "[Индикаторные показатели]", "[Механические потери]",
                                        "[Размеры цилиндра]"}));
}

TEST_F(ReportFileTest, SecondRunOfTheSameTypeKeepsTheLayout) {
    run({}, true);
    const std::vector<std::string> first = Lines(m_path);
    calc::FieldTexts texts;
    texts.Chastota = "5600";
    run(texts, true);
    EXPECT_EQ(Lines(m_path), first);
    EXPECT_NE(test::ReadFileBytes(m_path).find("\r\n\xCD\xEE\xEC\xE8\xED\xE0\xEB\xFC\xED\xE0\xFF"
                                                  " \xF7\xE0\xF1\xF2\xEE\xF2\xE0 \xE2\xF0\xE0\xF9"
                                                  "\xE5\xED\xE8\xFF n=5600\r\n"),
              std::string::npos);
}

// Main section's keys from its header to the next header.
std::vector<std::string> SectionKeys(const std::vector<std::string>& lines, const std::string& header) {
    std::vector<std::string> keys;
    bool in = false;
    for (const std::string& l : lines) {
        if (l.front() == '[') {
            in = l == header;
            continue;
        }
        if (in)
            keys.push_back(l);
    }
    return keys;
}

TEST_F(ReportFileTest, GasolineThenDieselKeepsTheGasolineOnlyEntries) {
    run({}, true);
    const std::string gasolineText = report::FromCp1251(test::ReadFileBytes(m_path));
    run({}, false);
    const std::vector<std::string> lines = Lines(m_path);
    EXPECT_EQ(SectionKeys(lines, "[Main]"),
              (std::vector<std::string>{
                  "Действит. кол-во воздуха", "Доля CO", "Доля CO2", "Доля H2", "Доля H2O",
                  "Доля N2", "ИТОГО", "Кол-во CO", "Кол-во свежей смеси M1", "Кол-во H2O",
                  "Кол-во N2", "Кол-во CO2", "Суммарное число продуктов сгорания M2",
                  "Теоретич. к-нт молек. изменения", "Доля O2", "Кол-во O2"}));
    EXPECT_EQ(SectionKeys(lines, "[Сгорание]").front(), "Потери вследствие неполноты сгорания");
    // The stale entries still hold the gasoline run's values.
    const std::string text = report::FromCp1251(test::ReadFileBytes(m_path));
    for (const char* key : {"Доля CO=", "Доля H2=", "Кол-во CO=", "Потери вследствие неполноты сгорания="}) {
        const auto line = [&](const std::string& t) {
            const std::size_t at = t.find(std::string("\r\n") + key);
            return t.substr(at, t.find("\r\n", at + 2) - at);
        };
        EXPECT_EQ(line(text), line(gasolineText)) << key;
    }
}

TEST_F(ReportFileTest, DieselThenGasolineAddsTheGasolineEntriesAtTheEnds) {
    run({}, false);
    run({}, true);
    const std::vector<std::string> lines = Lines(m_path);
    EXPECT_EQ(SectionKeys(lines, "[Main]"),
              (std::vector<std::string>{
                  "Действит. кол-во воздуха", "Доля O2", "Доля CO2", "Доля H2O", "Доля N2",
                  "ИТОГО", "Кол-во O2", "Кол-во свежей смеси M1", "Кол-во H2O", "Кол-во N2",
                  "Кол-во CO2", "Суммарное число продуктов сгорания M2",
                  "Теоретич. к-нт молек. изменения", "Доля CO", "Доля H2", "Кол-во CO"}));
    EXPECT_EQ(SectionKeys(lines, "[Сгорание]"),
              (std::vector<std::string>{"Теплота сгорания р. смеси",
                                        "Действ. к-нт молекулярного изменения", "Tz", "Pz",
                                        "Потери вследствие неполноты сгорания"}));
}

TEST_F(ReportFileTest, BadFieldLeavesTheReportUntouched) {
    run({}, false);
    const std::string before = test::ReadFileBytes(m_path);
    calc::FieldTexts texts;
    texts.k_tk = "1,2x";
    EXPECT_THROW(run(texts, true), calc::ConversionError);
    EXPECT_EQ(test::ReadFileBytes(m_path), before);
}

TEST_F(ReportFileTest, BadFieldOnAFirstRunCreatesNoReport) {
    calc::FieldTexts texts;
    texts.Poe = "abc";
    EXPECT_THROW(run(texts, false), calc::ConversionError);
    EXPECT_FALSE(fs::exists(m_path));
}

TEST_F(ReportFileTest, FaultKeepsTheEarlierRunsLaterEntries) {
    run({}, false);
    const std::string before = report::FromCp1251(test::ReadFileBytes(m_path));
    calc::FieldTexts texts;
    texts.poctkoeff = "0";
    EXPECT_THROW(run(texts, false), calc::FloatingPointError);
    const std::string after = report::FromCp1251(test::ReadFileBytes(m_path));
    EXPECT_NE(after.find("Давление ост. газов Pr=0\r\n"), std::string::npos);
    for (const char* key : {"Tr*=", "Pip=", "Диаметр D="}) {
        const std::size_t a = after.find(key), b = before.find(key);
        EXPECT_EQ(after.substr(a, after.find("\r\n", a) - a),
                  before.substr(b, before.find("\r\n", b) - b)) << key;
    }
}

TEST_F(ReportFileTest, UnwritableReportStopsAtTheFirstWrite) {
    fs::create_directories(m_dir);
    std::ofstream(m_dir / "file") << "x";
    const std::string path = (m_dir / "file" / "result.txt").string();
    report::ResultReport report(path, kComma);
    try {
        calc::RunCalculation({}, false, kComma, report, m_state, kDate);
        FAIL() << "the run completed";
    } catch (const report::ReportWriteError& e) {
        EXPECT_EQ(std::string(e.what()), "Unable to write to " + path);
    }
    EXPECT_EQ(m_state.results.aLo.value(), 0.0L) << "nothing after the failed write is computed";
}

TEST(RunState, StoppedReadLeavesEarlierFieldsUpdatedAndLaterOnesAsTheyWere) {
    calc::CalcState state;
    calc::FieldTexts texts;
    texts.Chastota = "3000";
    texts.Poe = "bad";
    test::RecordingSink sink;
    EXPECT_THROW(calc::RunCalculation(texts, false, kComma, sink, state, kDate),
                 calc::ConversionError);
    EXPECT_EQ(state.input.Chastota.value(), 3000.0L);
    EXPECT_EQ(state.input.Toe.value(), 298.0L);
    EXPECT_EQ(state.fuel.Hu.value(), 42.6L) << "fuel selected after Toe";
    EXPECT_EQ(state.input.Poe.value(), 0.0L);
    EXPECT_EQ(state.input.k_tk.value(), 0.0L);
}

TEST(RunState, DieselAfterGasolineMatchesAFreshDieselRun) {
    calc::CalcState fresh, reused;
    test::RecordingSink freshSink, gasolineSink, reusedSink;
    calc::RunCalculation({}, false, kComma, freshSink, fresh, kDate);
    calc::FieldTexts rich;
    rich.Izbytokvoz = "0,9";
    calc::RunCalculation(rich, true, kComma, gasolineSink, reused, kDate);
    const calc::CycleResults gasoline = reused.results;
    calc::RunCalculation({}, false, kComma, reusedSink, reused, kDate);

    ASSERT_EQ(freshSink.entries.size(), reusedSink.entries.size());
    for (std::size_t i = 0; i < freshSink.entries.size(); ++i)
        EXPECT_EQ(freshSink.entries[i].text, reusedSink.entries[i].text) << freshSink.entries[i].key;
    // The gasoline-only quantities keep the gasoline run's values.
    EXPECT_EQ(reused.results.M_CO, gasoline.M_CO);
    EXPECT_EQ(reused.results.M_H2, gasoline.M_H2);
    EXPECT_EQ(reused.results.r_CO, gasoline.r_CO);
    EXPECT_EQ(reused.results.r_H2, gasoline.r_H2);
    EXPECT_GT(reused.results.M_CO.value(), 0.0L);
    EXPECT_EQ(reused.results.dHu.value(), 0.0L);
}

TEST(RunState, TwoRunsWithTheSameInputsGiveTheSameQuantities) {
    calc::CalcState state;
    test::RecordingSink a, b;
    calc::RunCalculation({}, true, kComma, a, state, kDate);
    calc::RunCalculation({}, true, kComma, b, state, kDate);
    ASSERT_EQ(a.entries.size(), b.entries.size());
    for (std::size_t i = 0; i < a.entries.size(); ++i)
        EXPECT_EQ(a.entries[i].value, b.entries[i].value);
}

TEST(RunState, DefaultDieselQuantitiesBehaveAsTheTheoryExpects) {
    calc::CalcState s;
    test::RecordingSink sink;
    calc::RunCalculation({}, false, kComma, sink, s, kDate);
    const calc::CycleResults& r = s.results;
    EXPECT_EQ(r.M1, r.aLo);
    EXPECT_GT(r.M_O2.value(), 0.0L);
    EXPECT_NEAR(sink.find("ИТОГО")->value, 1.0L, 1e-18L);
    EXPECT_LT(r.Pa.value(), 0.1L);
    EXPECT_GT(r.gamma_r.value(), 0.0L);
    EXPECT_LT(r.nv.value(), 1.0L);
    EXPECT_GT(r.Tc.value(), r.Ta.value());
    EXPECT_GT(r.mu.value(), 1.0L);
    EXPECT_LT(r.mu.value(), r.mu0.value());
    EXPECT_GT(r.eta_m.value(), 0.0L);
    EXPECT_LT(r.eta_m.value(), 1.0L);
    EXPECT_EQ(r.eta_e, r.eta_i * r.eta_m);
    EXPECT_EQ(r.S, r.D * s.input.k_tk);
    EXPECT_EQ(sink.find("Delta")->text, "10,8843537414966");
    EXPECT_EQ(sink.find("Потери вследствие неполноты сгорания"), nullptr);
}

TEST(RunState, DefaultGasolineExpandsOverTheFullStroke) {
    calc::CalcState s;
    test::RecordingSink sink;
    calc::RunCalculation({}, true, kComma, sink, s, kDate);
    // 16^1.25 = 32 and 16^0.25 = 2, up to the last bits of exp(y ln x).
    EXPECT_NEAR(s.results.Pb.value(), 7.1784L / 32, 1e-17L);
    EXPECT_NEAR(s.results.Tb.value(), 2098.0L / 2, 1e-14L);
    EXPECT_LT(s.results.dHu.value(), 0.0L);
    EXPECT_GT(s.results.Hwm.value(), (s.fuel.Hu / ((s.results.gamma_r + 1) * s.results.M1)).value());
    EXPECT_LT(s.results.M_CO.value(), 0.0L);
    EXPECT_LT(s.results.mu0.value(), 1.0L);
}

TEST(RunState, GasolineAtStoichiometryHasNoCarbonMonoxide) {
    calc::CalcState s;
    calc::FieldTexts texts;
    texts.Izbytokvoz = "1";
    test::RecordingSink sink;
    calc::RunCalculation(texts, true, kComma, sink, s, kDate);
    EXPECT_EQ(s.results.M_CO.value(), 0.0L);
    EXPECT_EQ(s.results.M_H2.value(), 0.0L);
    EXPECT_EQ(s.results.r_CO.value(), 0.0L);
    EXPECT_EQ(sink.find("Потери вследствие неполноты сгорания")->text, "0");
}

TEST(RunState, CylinderCountIsAnOrdinaryReal) {
    calc::CalcState s;
    calc::FieldTexts texts;
    texts.Chislocilind = "4,5";
    texts.DeltT = "2,5"; // not a whole number: read as 0
    test::RecordingSink sink;
    calc::RunCalculation(texts, false, kComma, sink, s, kDate);
    EXPECT_EQ(s.input.Chislocilind.value(), 4.5L);
    EXPECT_EQ(sink.find("Число цилиндров i")->text, "4,5");
    EXPECT_EQ(sink.find("Дельта Т")->text, "0");
}

} // namespace
