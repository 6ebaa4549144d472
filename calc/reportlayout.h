#pragma once

#include <array>
#include <string_view>

namespace tervox::calc {

enum class EntryType { Both, Gasoline, Diesel };

// One write of a run: its number in the run's order, which engine types make it,
// the section and key of the report, and the shared name of the value.
struct ReportEntry {
    int no;
    EntryType type;
    std::string_view section;
    std::string_view key;
    std::string_view name;
};

inline constexpr int kReportEntryCount = 81;

// All writes of a run in their order; entry n is kReportEntries[n - 1].
extern const std::array<ReportEntry, kReportEntryCount> kReportEntries;

// The number of each write, named after the value it carries.
namespace entry {
inline constexpr int generatedBy = 1;
inline constexpr int author = 2;
inline constexpr int version = 3;
inline constexpr int calculationDate = 4;
inline constexpr int Chislocilind = 5;
inline constexpr int Chastota = 6;
inline constexpr int Nmosnost = 7;
inline constexpr int Izbytokvoz = 8;
inline constexpr int StSzhatia = 9;
inline constexpr int Toe = 10;
inline constexpr int Poe = 11;
inline constexpr int gc = 12;
inline constexpr int gh = 13;
inline constexpr int Hu = 14;
inline constexpr int Lo = 15;
inline constexpr int poctkoeff = 16;
inline constexpr int totrab = 17;
inline constexpr int DeltT = 18;
inline constexpr int betaplusksi = 19;
inline constexpr int Dublw = 20;
inline constexpr int fii = 21;
inline constexpr int fi1 = 22;
inline constexpr int nodin = 23;
inline constexpr int lambd = 24;
inline constexpr int delta = 25;
inline constexpr int phii = 26;
inline constexpr int koefa = 27;
inline constexpr int koefb = 28;
inline constexpr int skpor = 29;
inline constexpr int k_tk = 30;
inline constexpr int aLo = 31;
inline constexpr int r_CO = 32;
inline constexpr int r_CO2_G = 33;
inline constexpr int r_H2 = 34;
inline constexpr int r_H2O_G = 35;
inline constexpr int r_N2_G = 36;
inline constexpr int r_total_G = 37;
inline constexpr int M_CO = 38;
inline constexpr int r_O2 = 39;
inline constexpr int r_CO2_D = 40;
inline constexpr int r_H2O_D = 41;
inline constexpr int r_N2_D = 42;
inline constexpr int r_total_D = 43;
inline constexpr int M_O2 = 44;
inline constexpr int M1 = 45;
inline constexpr int M_H2O = 46;
inline constexpr int M_N2 = 47;
inline constexpr int M_CO2 = 48;
inline constexpr int M2 = 49;
inline constexpr int mu0 = 50;
inline constexpr int ro0 = 51;
inline constexpr int Pr = 52;
inline constexpr int dPa = 53;
inline constexpr int Pa = 54;
inline constexpr int gamma_r = 55;
inline constexpr int Ta = 56;
inline constexpr int nv = 57;
inline constexpr int Pc = 58;
inline constexpr int Tc = 59;
inline constexpr int dHu = 60;
inline constexpr int Hwm = 61;
inline constexpr int mu = 62;
inline constexpr int tzet = 63;
inline constexpr int Pzet = 64;
inline constexpr int Pb = 65;
inline constexpr int Tb = 66;
inline constexpr int Tr_check = 67;
inline constexpr int Pip = 68;
inline constexpr int Pi = 69;
inline constexpr int eta_i = 70;
inline constexpr int gi = 71;
inline constexpr int Pm = 72;
inline constexpr int Pe = 73;
inline constexpr int eta_m = 74;
inline constexpr int eta_e = 75;
inline constexpr int ge = 76;
inline constexpr int Gt = 77;
inline constexpr int Vh = 78;
inline constexpr int D = 79;
inline constexpr int S = 80;
inline constexpr int Cp_real = 81;
} // namespace entry

} // namespace tervox::calc
