#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace tervox::calc {

inline constexpr std::size_t kFieldCount = 26;

// The fields in the order of the input table (and of kFieldNames).
enum class FieldId {
    Chislocilind, Chastota, Izbytokvoz, Nmosnost, StSzhatia, Toe, Poe, poctkoeff, totrab,
    DeltT, betaplusksi, Dublw, fii, fi1, nodin, ksizet, ndva, tzet, Pzet, lambd, roh, phii,
    koefa, koefb, skpor, k_tk
};

// The texts of the calculator window's twenty-six fields, as typed. The defaults
// are the window's own texts, written with a comma.
struct FieldTexts {
    std::string Chislocilind = "4";
    std::string Chastota = "2300";
    std::string Izbytokvoz = "1,5";
    std::string Nmosnost = "45";
    std::string StSzhatia = "16";
    std::string Toe = "298";
    std::string Poe = "0,1";
    std::string poctkoeff = "1,15";
    std::string totrab = "750";
    std::string DeltT = "27";
    std::string betaplusksi = "3,2";
    std::string Dublw = "80";
    std::string fii = "1,01";
    std::string fi1 = "1,02";
    std::string nodin = "1,37";
    std::string ksizet = "0,75";
    std::string ndva = "1,25";
    std::string tzet = "2098";
    std::string Pzet = "7,1784";
    std::string lambd = "1,8";
    std::string roh = "1,47";
    std::string phii = "0,93";
    std::string koefa = "0,089";
    std::string koefb = "0,0135";
    std::string skpor = "9,2";
    std::string k_tk = "1,2";

    // The text of a field by its position in kFieldNames.
    std::string& text(FieldId id);
    const std::string& text(FieldId id) const;

    // The field of that exact (case-sensitive) name, or nullptr.
    std::string* field(std::string_view name);
    const std::string* field(std::string_view name) const;
};

// The twenty-six field names in the order of the input table (not the order of
// reading, which RunCalculation fixes).
inline constexpr std::array<std::string_view, kFieldCount> kFieldNames = {
    "Chislocilind", "Chastota", "Izbytokvoz", "Nmosnost",    "StSzhatia", "Toe",
    "Poe",          "poctkoeff", "totrab",    "DeltT",       "betaplusksi", "Dublw",
    "fii",          "fi1",      "nodin",      "ksizet",      "ndva",      "tzet",
    "Pzet",         "lambd",    "roh",        "phii",        "koefa",     "koefb",
    "skpor",        "k_tk"};

// The field of that exact (case-sensitive) name.
std::optional<FieldId> FieldIdOf(std::string_view name);

} // namespace tervox::calc
