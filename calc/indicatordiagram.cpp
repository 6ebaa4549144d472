#include "indicatordiagram.h"

#include "numberformat.h"

#include <cmath>
#include <initializer_list>

namespace tervox::calc {

namespace {

bool AllFinite(std::initializer_list<long double> values) {
    for (const long double v : values)
        if (!std::isfinite(v))
            return false;
    return true;
}

// The polytrope p = p0 * (V0 / V)^n from (V0, p0) to (V1, p1), both ends exact: the
// end pressure is the run's own value, not the polytrope's rounding of it.
std::vector<DiagramSample> Polytrope(DiagramSample from, DiagramSample to, long double n) {
    std::vector<DiagramSample> out;
    out.reserve(kPolytropeSamples);
    out.push_back(from);
    const long double logRatio = std::log(to.V / from.V);
    for (int i = 1; i + 1 < kPolytropeSamples; ++i) {
        const long double V = from.V * std::exp(logRatio * i / (kPolytropeSamples - 1));
        out.push_back({V, from.p * std::pow(from.V / V, n)});
    }
    out.push_back(to);
    return out;
}

// Integral of p dV along the samples, by trapezoids (MPa * litres).
long double Work(const std::vector<DiagramSample>& samples) {
    long double w = 0;
    for (std::size_t i = 1; i < samples.size(); ++i)
        w += (samples[i].p + samples[i - 1].p) * 0.5L * (samples[i].V - samples[i - 1].V);
    return w;
}

} // namespace

const DiagramPoint* IndicatorDiagram::point(std::string_view name) const {
    for (const DiagramPoint& p : points)
        if (p.name == name)
            return &p;
    return nullptr;
}

const DiagramCurve* IndicatorDiagram::curve(std::string_view name) const {
    for (const DiagramCurve& c : curves)
        if (c.name == name)
            return &c;
    return nullptr;
}

IndicatorDiagram BuildIndicatorDiagram(EngineType type, const CalcState& state) {
    const EngineInput& in = state.input;
    const CycleResults& r = state.results;
    IndicatorDiagram d;
    d.type = type;
    d.Pip = r.Pip.value();

    const long double eps = in.StSzhatia.value();
    const long double n1 = in.nodin.value();
    const long double n2 = in.ndva.value();
    const long double rho = type == EngineType::Diesel ? in.roh.value() : 1.0L;
    const long double Pa = r.Pa.value();
    const long double Pc = r.Pc.value();
    const long double Pz = in.Pzet.value();
    const long double Pb = r.Pb.value();
    const long double Pr = r.Pr.value();
    d.Vh = r.Vh.value();
    d.eps = eps;
    d.n1 = n1;
    d.n2 = n2;
    d.P0 = in.Poe.value();

    if (!AllFinite({eps, n1, n2, rho, Pa, Pc, Pz, Pb, Pr, d.Vh, d.Pip})) {
        d.failure = "No diagram: a quantity of the run is not a finite number.";
        return d;
    }
    if (!(d.Vh > 0)) {
        d.failure = "No diagram: the displacement Vh of the run is not positive.";
        return d;
    }
    if (!(eps > 1)) {
        d.failure = "No diagram: the compression ratio is not above 1.";
        return d;
    }
    if (!(Pa > 0 && Pc > 0 && Pz > 0 && Pb > 0 && Pr > 0)) {
        d.failure = "No diagram: the pressures Pa, Pc, Pz, Pb and Pr must all be positive.";
        return d;
    }
    if (type == EngineType::Diesel && !(rho >= 1 && rho < eps)) {
        d.failure = "No diagram: the pre-expansion ratio ro must lie between 1 and the "
                    "compression ratio.";
        return d;
    }

    d.Vc = d.Vh / (eps - 1);
    d.Va = eps * d.Vc;
    d.Vz = rho * d.Vc;
    if (!AllFinite({d.Vc, d.Va, d.Vz}) || !(d.Vc > 0)) {
        d.failure = "No diagram: the volumes are out of range.";
        return d;
    }

    const DiagramSample a{d.Va, Pa};
    const DiagramSample c{d.Vc, Pc};
    const DiagramSample zPrime{d.Vc, Pz};
    const DiagramSample z{d.Vz, Pz};
    const DiagramSample b{d.Va, Pb};
    const DiagramSample r_{d.Vc, Pr};

    // The compression polytrope through c meets Va at Pc / eps^n1 = phi1 * Pa.
    const DiagramSample compressionStart{d.Va, Pc * std::pow(d.Vc / d.Va, n1)};
    DiagramCurve compression{"compression", {a}};
    for (const DiagramSample& s : Polytrope(compressionStart, c, n1))
        compression.samples.push_back(s);

    DiagramCurve combustion{"combustion", {c, zPrime}};
    if (type == EngineType::Diesel)
        combustion.samples.push_back(z);

    const DiagramCurve expansion{"expansion", Polytrope(z, b, n2)};
    const DiagramCurve release{"release", {b, a}};
    const DiagramCurve exhaust{"exhaust", {{d.Va, Pr}, r_}};
    const DiagramCurve intake{"intake", {r_, {d.Vc, Pa}, a}};

    for (const DiagramCurve* curve :
         std::initializer_list<const DiagramCurve*>{&compression, &combustion, &expansion})
        for (const DiagramSample& s : curve->samples)
            if (!AllFinite({s.V, s.p})) {
                d.failure = "No diagram: a pressure along the polytropes is out of range.";
                return d;
            }

    // Work of the closed loop: compression and expansion along their samples, the
    // lines at constant volume add nothing, the constant-pressure line its rectangle.
    const long double loopWork = Work(compression.samples) + Work(combustion.samples) +
                                 Work(expansion.samples) + Work(release.samples);
    d.meanIndicatedPressure = loopWork / d.Vh;
    if (!std::isfinite(d.meanIndicatedPressure)) {
        d.failure = "No diagram: the work of the loop is out of range.";
        return d;
    }

    d.curves = {compression, combustion, expansion, release, exhaust, intake};
    d.points.push_back({"a", a});
    d.points.push_back({"c", c});
    if (type == EngineType::Diesel)
        d.points.push_back({"z'", zPrime});
    d.points.push_back({"z", z});
    d.points.push_back({"b", b});
    d.points.push_back({"r", r_});
    return d;
}

std::string DiagramCsv(const IndicatorDiagram& diagram, std::string_view decimalSeparator) {
    const std::string_view sep = decimalSeparator == "," ? ";" : ",";
    std::string out;
    const auto line = [&](std::string_view kind, std::string_view name, DiagramSample s) {
        out.append(kind).append(sep).append(name).append(sep);
        out.append(report::FormatNumber(s.V, decimalSeparator)).append(sep);
        out.append(report::FormatNumber(s.p, decimalSeparator)).append("\n");
    };
    out.append("kind").append(sep).append("name").append(sep).append("V_l").append(sep);
    out.append("p_MPa\n");
    for (const DiagramCurve& c : diagram.curves)
        for (const DiagramSample& s : c.samples)
            line("curve", c.name, s);
    for (const DiagramPoint& p : diagram.points)
        line("point", p.name, p.at);
    return out;
}

} // namespace tervox::calc
