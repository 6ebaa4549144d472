#include "tableoutput.h"

#include <charconv>
#include <cmath>
#include <nlohmann/json.hpp>

namespace tervox::cli {
namespace {

// A JSON string with the library's escaping.
std::string JsonString(std::string_view text) { return nlohmann::json(std::string(text)).dump(); }

std::optional<long double> ColumnValue(const calc::ResultRow& row, const calc::QuantityColumn& c) {
    for (const int no : c.entries)
        if (const auto v = row.value(no))
            return v;
    return std::nullopt;
}

void AppendCsvText(std::string& out, std::string_view text) {
    if (text.find_first_of(",\"\r\n") == std::string_view::npos) {
        out += text;
        return;
    }
    out += '"';
    for (const char c : text) {
        if (c == '"')
            out += '"';
        out += c;
    }
    out += '"';
}

const char* EngineName(const calc::ResultRow& row) { return row.gasoline ? "Gasoline" : "Diesel"; }

// Appends the number in its shortest round-trip form. Whole numbers below 10^15
// (most inputs: 4, 2300, 298 ...) go through the integer conversion, which gives
// the same digits as the floating-point one at a tenth of its cost.
void AppendNumber(std::string& out, long double v) {
    char buf[64];
    const long double m = v < 0 ? -v : v;
    if (m < 1e15L && (m + 0x1p63L) - 0x1p63L == m && !(v == 0 && std::signbit(v))) {
        const auto res = std::to_chars(buf, buf + sizeof buf, static_cast<long long>(v));
        out.append(buf, res.ptr);
        return;
    }
    const auto res = std::to_chars(buf, buf + sizeof buf, v);
    out.append(buf, res.ptr);
}

} // namespace

std::string ExactNumber(long double value) {
    std::string out;
    AppendNumber(out, value);
    return out;
}

std::string CsvHeader() {
    std::string out = "engine";
    for (std::string_view name : calc::kFieldNames) {
        out += ',';
        out += name;
    }
    for (const calc::QuantityColumn& c : calc::QuantityColumns()) {
        out += ',';
        out += c.name;
    }
    out += ",status\n";
    return out;
}

std::string CsvRow(const calc::ResultRow& row) {
    std::string out;
    out.reserve(2048);
    out += EngineName(row);
    const auto number = [&](std::optional<long double> v) {
        out += ',';
        if (v)
            AppendNumber(out, *v);
    };
    for (const auto& input : row.inputs)
        number(input);
    for (const calc::QuantityColumn& c : calc::QuantityColumns())
        number(ColumnValue(row, c));
    out += ',';
    AppendCsvText(out, row.status);
    out += '\n';
    return out;
}

std::string JsonObject(const calc::ResultRow& row) {
    // The object is assembled here rather than through the library's document
    // type: its writer prints floating-point numbers as doubles (17 digits), and an
    // extended real needs up to 21. Strings still go through the library.
    std::string out;
    out.reserve(3072);
    const auto member = [&](std::string_view name, std::optional<long double> v) {
        out += ",\"";
        out += name;
        out += "\":";
        if (v)
            AppendNumber(out, *v);
        else
            out += "null";
    };
    out += "{\"engine\":";
    out += JsonString(EngineName(row));
    for (std::size_t i = 0; i < calc::kFieldCount; ++i)
        member(calc::kFieldNames[i], row.inputs[i]);
    for (const calc::QuantityColumn& c : calc::QuantityColumns())
        member(c.name, ColumnValue(row, c));
    out += ",\"status\":";
    out += JsonString(row.status);
    out += '}';
    return out;
}

} // namespace tervox::cli
