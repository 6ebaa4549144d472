#pragma once

#include "calcstate.h"
#include "cliarguments.h"
#include "regionalsettings.h"

#include <optional>
#include <ostream>
#include <string>

namespace tervox::cli {

// Why --diagram or --estimate cannot be honoured, known before any run: a diagram
// file whose name does not end in .svg, .png or .csv, or either option together with
// --sweep (they describe one run). Nothing when they can.
std::optional<std::string> DiagramUsageProblem(const CliArguments& arguments);

// After a completed run: prints the estimated combustion state as one line of
// NAME=VALUE arguments (tzet, Pzet and, for Diesel, roh, with the decimal separator in
// force) to out, and writes the diagram file. Notes and failures go to err, one line
// each. Returns 0, or 1 when the estimate or the diagram could not be made or written.
int WriteDiagramOutputs(const CliArguments& arguments, const calc::CalcState& state,
                        const report::RegionalSettings& settings, std::ostream& out,
                        std::ostream& err);

} // namespace tervox::cli
