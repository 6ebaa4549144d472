#include "runcalculation.h"

#include "entrywriter.h"
#include "parsereal.h"
#include "reportlayout.h"
#include "stages.h"

#include "resultreport.h"

namespace tervox::calc {

namespace {

// The run's reading order. `read(field, name)` fills one field or throws; the fuel
// properties are selected after Toe and delta formed after phii, so which error a
// run reports, and which fields it leaves updated, follows from this order alone.
template <typename Read>
EngineType ReadInputInOrder(Read&& read, bool radioButton1Checked, CalcState& state) {
    EngineInput& in = state.input;
    read(in.Chislocilind, FieldId::Chislocilind);
    read(in.Chastota, FieldId::Chastota);
    read(in.Izbytokvoz, FieldId::Izbytokvoz);
    read(in.Nmosnost, FieldId::Nmosnost);
    read(in.StSzhatia, FieldId::StSzhatia);
    read(in.Toe, FieldId::Toe);

    const EngineType type = radioButton1Checked ? EngineType::Gasoline : EngineType::Diesel;
    SelectFuelProperties(type, state.fuel);

    read(in.Poe, FieldId::Poe);
    read(in.poctkoeff, FieldId::poctkoeff);
    read(in.totrab, FieldId::totrab);
    read(in.DeltT, FieldId::DeltT);
    read(in.betaplusksi, FieldId::betaplusksi);
    read(in.Dublw, FieldId::Dublw);
    read(in.fii, FieldId::fii);
    read(in.fi1, FieldId::fi1);
    read(in.nodin, FieldId::nodin);
    read(in.ksizet, FieldId::ksizet);
    read(in.ndva, FieldId::ndva);
    read(in.tzet, FieldId::tzet);
    read(in.Pzet, FieldId::Pzet);
    read(in.lambd, FieldId::lambd);
    read(in.roh, FieldId::roh);
    read(in.phii, FieldId::phii);

    in.delta = in.StSzhatia / in.roh; // subsequent expansion ratio; the run's first division

    read(in.koefa, FieldId::koefa);
    read(in.koefb, FieldId::koefb);
    read(in.skpor, FieldId::skpor);
    read(in.k_tk, FieldId::k_tk);
    return type;
}

} // namespace

EngineType ReadEngineInput(const FieldTexts& t, bool radioButton1Checked,
                           const report::RegionalSettings& settings, CalcState& state) {
    const std::string_view sep = settings.decimalSeparator;
    // Each field is stored as soon as it converts: a run that stops at a bad text
    // leaves the fields before it updated and the rest as they were.
    const auto read = [&t, sep](Ext& field, FieldId id) {
        const std::string& text = t.text(id);
        if (id == FieldId::DeltT)
            field = Ext(ReadIntegerField(text)); // a spin field: never fails
        else
            field = Ext(ParseReal(text, sep));
    };
    return ReadInputInOrder(read, radioButton1Checked, state);
}

EngineType ReadParsedInput(const ParsedFieldRefs& fields, bool radioButton1Checked,
                           CalcState& state) {
    const auto read = [&fields](Ext& field, FieldId id) {
        const ParsedField& f = *fields[static_cast<std::size_t>(id)];
        if (!f.value)
            throw ConversionError(f.text);
        field = Ext(*f.value);
    };
    return ReadInputInOrder(read, radioButton1Checked, state);
}

ParsedField ParseField(FieldId id, const std::string& text, std::string_view separator) {
    if (id == FieldId::DeltT)
        return {text, ReadIntegerField(text)};
    return {text, TryParseReal(text, separator)};
}

namespace {

void WriteHeaderAndInputs(const CalcState& s, std::string_view dateText, EntryWriter& out) {
    const EngineInput& in = s.input;
    const FuelProperties& fuel = s.fuel;
    out.text(entry::generatedBy, "Tervox Engine Calc");
    out.text(entry::author, "Velmaro");
    out.text(entry::version, "0.85");
    out.text(entry::calculationDate, dateText);

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

void ComputeRun(EngineType type, CalcState& state, std::string_view dateText, EntryWriter& out) {
    WriteHeaderAndInputs(state, dateText, out);
    ComputeChargeAndProducts(type, state.input, state.fuel, state.results, out);
    ComputeGasExchange(state.input, state.results, out);
    ComputeCombustionAndExpansion(type, state.input, state.fuel, state.results, out);
    ComputePerformanceAndSizing(type, state.input, state.fuel, state.results, out);
}

void RunCalculation(const FieldTexts& texts, bool radioButton1Checked,
                    const report::RegionalSettings& settings, report::ResultSink& report,
                    CalcState& state, const report::CalendarDate& today, long double* values) {
    const EngineType type = ReadEngineInput(texts, radioButton1Checked, settings, state);
    EntryWriter out(report, values);
    ComputeRun(type, state, report::FormatDate(today, settings.shortDateFormat), out);
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
