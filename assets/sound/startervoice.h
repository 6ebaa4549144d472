#pragma once

#include "dsp.h"

namespace tervox::assets::sound {

// The electric starter motor: the whine of its commutator and pinion, which
// follows the crank through the reduction gear while engaged and runs down on
// its own once the pinion is thrown out, plus the brushes' hiss.
class StarterVoice {
public:
    StarterVoice(double rate, std::uint64_t seed);
    // crankRpm: the crank's speed this instant; engaged: pinion in mesh.
    double next(double crankRpm, bool engaged);

private:
    double m_rate;
    Rng m_rng;
    double m_motorRps = 0;  // armature revolutions per second
    double m_phase = 0;
    double m_level = 0;
    BandPass m_hissBand, m_body;
};

}  // namespace tervox::assets::sound
