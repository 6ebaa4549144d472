#pragma once

#include "resultrow.h"

#include <string>

namespace tervox::cli {

// Rows of results for spreadsheets and scripts. Numbers are written with a point
// and the fewest digits that read back as the same extended value; a quantity the
// run did not write is empty (CSV) or null (JSON).

// The CSV header line: engine, the 26 inputs, the quantities, status.
std::string CsvHeader();
// One CSV line (with its line end) for a row.
std::string CsvRow(const calc::ResultRow& row);
// One JSON object, with the same names as the CSV columns.
std::string JsonObject(const calc::ResultRow& row);
// A number in the shortest form that reads back as the same extended value, with
// a point and, where shorter, an exponent ("0.1", "2300", "1.5e-05").
std::string ExactNumber(long double value);

} // namespace tervox::cli
