#include "startervoice.h"

#include <algorithm>

namespace tervox::assets::sound {

namespace {
constexpr double kGearRatio = 11.0;        // armature turns per crank turn
constexpr double kCommutatorSegments = 8;  // whine = segments x armature speed
constexpr double kFreeRunDecaySeconds = 0.45;
}  // namespace

StarterVoice::StarterVoice(double rate, std::uint64_t seed)
    : m_rate(rate), m_rng(seed), m_hissBand(rate, 4200, 1.2), m_body(rate, 180, 2.0) {}

double StarterVoice::next(double crankRpm, bool engaged) {
    if (engaged) {
        // Geared to the crank: the armature follows it closely.
        const double target = crankRpm / 60.0 * kGearRatio;
        m_motorRps += (target - m_motorRps) * 0.02;
        m_level += (1.0 - m_level) * 0.002;
    } else {
        // Thrown out of mesh: the armature runs down freely and fades.
        m_motorRps *= std::exp(-1.0 / (kFreeRunDecaySeconds * m_rate));
        m_level *= std::exp(-1.0 / (0.5 * m_rate));
    }
    if (m_level < 1e-5)
        return 0;
    const double whineHz = m_motorRps * kCommutatorSegments;
    m_phase += whineHz / m_rate;
    m_phase -= std::floor(m_phase);
    const double p = kTwoPi * m_phase;
    // A buzzy tone: odd and even harmonics of the commutator frequency.
    double tone = std::sin(p) + 0.55 * std::sin(2 * p + 0.3) + 0.35 * std::sin(3 * p + 1.1) +
                  0.2 * std::sin(5 * p + 0.7);
    // The motor labours at low speed: the tone grows rougher and the housing hums.
    const double noise = m_rng.bipolar();
    const double hiss = m_hissBand(noise);
    const double hum = m_body(tone + 0.5 * noise);
    return m_level * (0.16 * tone + 0.25 * hum + 0.12 * hiss);
}

}  // namespace tervox::assets::sound
