#include "runcalculation.h"

#include "entrywriter.h"
#include "parsereal.h"
#include "reportlayout.h"
#include "stages.h"

#include "resultreport.h"

namespace tervox::calc {

EngineType ReadEngineInput(const FieldTexts& t, bool radioButton1Checked,
                           const report::RegionalSettings& settings, CalcState& state) {
    EngineInput& in = state.input;
    const std::string_view sep = settings.decimalSeparator;
    // Each field is stored as soon as it converts: a run that stops at a bad text
    // leaves the fields before it updated and the rest as they were.
    const auto read = [sep](Ext& field, const std::string& text) {
        field = Ext(ParseReal(text, sep));
    };

    read(in.Chislocilind, t.Chislocilind);
    read(in.Chastota, t.Chastota);
    read(in.Izbytokvoz, t.Izbytokvoz);
    read(in.Nmosnost, t.Nmosnost);
    read(in.StSzhatia, t.StSzhatia);
    read(in.Toe, t.Toe);

    const EngineType type = radioButton1Checked ? EngineType::Gasoline : EngineType::Diesel;
    SelectFuelProperties(type, state.fuel);

    read(in.Poe, t.Poe);
    read(in.poctkoeff, t.poctkoeff);
    read(in.totrab, t.totrab);
    in.DeltT = Ext(ReadIntegerField(t.DeltT)); // a spin field: never fails
    read(in.betaplusksi, t.betaplusksi);
    read(in.Dublw, t.Dublw);
    read(in.fii, t.fii);
    read(in.fi1, t.fi1);
    read(in.nodin, t.nodin);
    read(in.ksizet, t.ksizet);
    read(in.ndva, t.ndva);
    read(in.tzet, t.tzet);
    read(in.Pzet, t.Pzet);
    read(in.lambd, t.lambd);
    read(in.roh, t.roh);
    read(in.phii, t.phii);

    in.delta = in.StSzhatia / in.roh; // subsequent expansion ratio; the run's first division

    read(in.koefa, t.koefa);
    read(in.koefb, t.koefb);
    read(in.skpor, t.skpor);
    read(in.k_tk, t.k_tk);
    return type;
}

namespace {

void WriteHeaderAndInputs(const CalcState& s, const report::RegionalSettings& settings,
                          const report::CalendarDate& today, EntryWriter& out) {
    const EngineInput& in = s.input;
    const FuelProperties& fuel = s.fuel;
    out.text(entry::generatedBy, "Tervox Engine Calc");
    out.text(entry::author, "Velmaro");
    out.text(entry::version, "0.85");
    out.text(entry::calculationDate, report::FormatDate(today, settings.shortDateFormat));

    out.number(entry::Chislocilind, in.Chislocilind);
    out.number(entry::Chastota, in.Chastota);
    out.number(entry::Nmosnost, in.Nmosnost);
    out.number(entry::Izbytokvoz, in.Izbytokvoz);
    out.number(entry::StSzhatia, in.StSzhatia);
    out.number(entry::Toe, in.Toe);
    out.number(entry::Poe, in.Poe);
    out.number(entry::gc, fuel.gc);
    out.number(entry::gh, fuel.gh);
    out.number(entry::Hu, fuel.Hu);
    out.number(entry::Lo, fuel.Lo);
    out.number(entry::poctkoeff, in.poctkoeff);
    out.number(entry::totrab, in.totrab);
    out.number(entry::DeltT, in.DeltT);
    out.number(entry::betaplusksi, in.betaplusksi);
    out.number(entry::Dublw, in.Dublw);
    out.number(entry::fii, in.fii);
    out.number(entry::fi1, in.fi1);
    out.number(entry::nodin, in.nodin);
    out.number(entry::lambd, in.lambd);
    out.number(entry::delta, in.delta);
    out.number(entry::phii, in.phii);
    out.number(entry::koefa, in.koefa);
    out.number(entry::koefb, in.koefb);
    out.number(entry::skpor, in.skpor);
    out.number(entry::k_tk, in.k_tk);
}

} // namespace

void RunCalculation(const FieldTexts& texts, bool radioButton1Checked,
                    const report::RegionalSettings& settings, report::ResultSink& report,
                    CalcState& state, const report::CalendarDate& today) {
    const EngineType type = ReadEngineInput(texts, radioButton1Checked, settings, state);

    EntryWriter out(report);
    WriteHeaderAndInputs(state, settings, today, out);
    ComputeChargeAndProducts(type, state.input, state.fuel, state.results, out);
    ComputeGasExchange(state.input, state.results, out);
    ComputeCombustionAndExpansion(type, state.input, state.fuel, state.results, out);
    ComputePerformanceAndSizing(type, state.input, state.fuel, state.results, out);
}

void RunCalculation(const FieldTexts& texts, bool radioButton1Checked,
                    const report::RegionalSettings& settings, const std::string& reportPath,
                    CalcState& state) {
    report::ResultReport report(reportPath, settings);
    RunCalculation(texts, radioButton1Checked, settings, report, state, report::Today());
}

std::string SavedResultsMessage(const std::string& reportPath) {
    return "Your results saved in \"" + reportPath + "\"";
}

std::string ErrorDisplayText(const std::string& message) {
    // A message that ends in "." or in anything that sorts below it (a blank, "!",
    // ")", ",", "-" ...) is shown as it is; any other gets a full stop.
    if (!message.empty() && static_cast<unsigned char>(message.back()) > '.')
        return message + ".";
    return message;
}

} // namespace tervox::calc
