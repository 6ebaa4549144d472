#pragma once

#include "calcstate.h"
#include "entrywriter.h"
#include "enginetype.h"
#include "fieldtexts.h"

#include "dateformat.h"
#include "regionalsettings.h"
#include "resultsink.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace tervox::calc {

// Reads the field texts into state.input in the fixed reading order, selecting the
// fuel properties after Toe and forming delta after phii. Throws ConversionError
// naming the first rejected text, or FloatingPointError from delta; the fields
// read before the failure stay updated.
EngineType ReadEngineInput(const FieldTexts& texts, bool radioButton1Checked,
                           const report::RegionalSettings& settings, CalcState& state);

// A field's text with its value already converted (nothing when it does not convert).
struct ParsedField {
    std::string text;
    std::optional<long double> value;
};
// One converted field per input field, in the order of kFieldNames.
using ParsedFieldRefs = std::array<const ParsedField*, kFieldCount>;

// Converts one field's text as a run would (the integer read for DeltT).
ParsedField ParseField(FieldId id, const std::string& text, std::string_view separator);

// ReadEngineInput on texts converted beforehand: the same order, the same errors
// (ConversionError naming the first unconverted text, FloatingPointError from delta).
EngineType ReadParsedInput(const ParsedFieldRefs& fields, bool radioButton1Checked,
                           CalcState& state);

// The run after its inputs are read: the header (dated dateText), the inputs and the
// four stages, each quantity handed to the writer as soon as it exists.
void ComputeRun(EngineType type, CalcState& state, std::string_view dateText, EntryWriter& out);

// One calculation run: reads the inputs, writes the header and the inputs, then
// runs the four stages, handing every quantity to the sink as soon as it exists.
// Returns normally when the run completes; otherwise throws the error that stopped
// it (ConversionError, FloatingPointError or the sink's write error) with the
// entries written so far left in the sink.
// With `values` (kReportEntryCount + 1 of them), every number written is also kept
// there under its entry number.
void RunCalculation(const FieldTexts& texts, bool radioButton1Checked,
                    const report::RegionalSettings& settings, report::ResultSink& report,
                    CalcState& state, const report::CalendarDate& today,
                    long double* values = nullptr);

// The same run writing the report file at reportPath, dated today.
void RunCalculation(const FieldTexts& texts, bool radioButton1Checked,
                    const report::RegionalSettings& settings, const std::string& reportPath,
                    CalcState& state);

// The message that ends a completed run: Your results saved in "PATH"
std::string SavedResultsMessage(const std::string& reportPath);

// The text an error box shows for an error message: a full stop is appended unless
// the message is empty or already ends in "." or a character that sorts below it
// (a blank, "!", ")", ",", "-" and the like).
std::string ErrorDisplayText(const std::string& message);

} // namespace tervox::calc
