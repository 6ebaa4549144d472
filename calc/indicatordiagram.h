#pragma once

#include "calcstate.h"
#include "enginetype.h"

#include <string>
#include <string_view>
#include <vector>

namespace tervox::calc {

// A run that completed, with the engine type it ran for: the calculation state does
// not keep the type, and a later run that stops must not change what was completed.
struct CompletedRun {
    EngineType type = EngineType::Diesel;
    CalcState state;
};

// One state of the working fluid on the diagram: volume in litres, pressure in MPa.
struct DiagramSample {
    long double V = 0;
    long double p = 0;
};

// A line of the diagram, sampled in the direction the cycle runs along it.
struct DiagramCurve {
    std::string name; // "compression", "combustion", "expansion", "release", "exhaust", "intake"
    std::vector<DiagramSample> samples;
};

// A characteristic point of the textbook's diagram: a, c, z' (Diesel only), z, b, r.
struct DiagramPoint {
    std::string name;
    DiagramSample at;
};

// The theoretical indicator diagram of one cylinder, built from a run's own
// quantities as the textbook constructs it:
//   Vc = Vh / (eps - 1), Va = eps * Vc, Vz = rho * Vc for Diesel (Vc for Gasoline);
//   compression along p = Pc * (Vc / V)^n1 from Va to c. The run's Pc includes the
//   additional-charging factor phi1, so this polytrope leaves Va at phi1 * Pa, on
//   the release line just above a; the step from a to it encloses no area;
//   combustion at Vc from Pc to Pz (Gasoline: z; Diesel: z'), for Diesel then at
//   constant pressure to Vz (z);
//   expansion along p = Pz * (Vz / V)^n2 from z to b at Va;
//   release at Va from b down to a; exhaust at Pr from Va to r at Vc; intake at Pa
//   from Vc back to a.
// Polytropes are sampled evenly in log V, which puts the samples close together
// where the curve bends most (near the top dead centre); lines need only their ends.
struct IndicatorDiagram {
    // Empty when the diagram exists; otherwise why it cannot be drawn, and nothing else
    // below is meaningful.
    std::string failure;

    EngineType type = EngineType::Diesel;
    long double Vh = 0, Vc = 0, Va = 0, Vz = 0; // litres
    long double eps = 0, n1 = 0, n2 = 0;        // the run's ratio and exponents
    long double P0 = 0;                          // ambient pressure, MPa, for reference

    std::vector<DiagramCurve> curves;
    std::vector<DiagramPoint> points;

    // Work of the closed loop a-c-z-b-a divided by Vh, in MPa: the diagram's own
    // theoretical mean indicated pressure, integrated from its samples. It equals the
    // run's Pip when Pz = lambda * Pc (the assumption of the Pip formula).
    long double meanIndicatedPressure = 0;
    long double Pip = 0; // the run's, for comparison

    bool ok() const { return failure.empty(); }
    // The point of that name, or nullptr.
    const DiagramPoint* point(std::string_view name) const;
    const DiagramCurve* curve(std::string_view name) const;
};

// Samples per polytrope: with eps = 16 neighbouring samples are 1.8 % apart in V.
inline constexpr int kPolytropeSamples = 161;

// The diagram of a completed run. Never throws for any state: a state that gives no
// drawable diagram (Vh not positive, eps not above 1, a pressure not positive, rho
// outside 1..eps for Diesel, anything not finite) gives a diagram with a failure text.
IndicatorDiagram BuildIndicatorDiagram(EngineType type, const CalcState& state);

// The curves and points as a table: a header line, then one line per sample
// ("curve", its name, V, p) and one per characteristic point ("point", its name, V,
// p). Numbers are written with the decimal separator given; the fields are
// separated by ";" when that separator is a comma and by "," otherwise. Lines end in
// "\n".
std::string DiagramCsv(const IndicatorDiagram& diagram, std::string_view decimalSeparator);

} // namespace tervox::calc
