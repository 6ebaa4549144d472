#pragma once

#include "dsp.h"

namespace tervox::assets::sound {

// What the engine is doing at one instant.
struct EngineState {
    double rpm = 0;          // mean crankshaft speed
    double load = 0;         // 0 closed throttle (overrun) .. 1 full load
    bool fuel = false;       // injection on: strokes fire
    double misfire = 0;      // chance that a stroke with fuel does not fire
    double dragging = 0;     // 0..1: how much each compression slows the crank
                             // (cranking and coasting to a stop)
};

// A four-cylinder four-stroke diesel heard from a metre away: one exhaust pulse
// per half revolution, shaped by the exhaust system's resonances, with the sharp
// knock of diesel combustion and the tick of the valve train.
class EngineVoice {
public:
    explicit EngineVoice(double rate, std::uint64_t seed);
    double next(const EngineState& s);
    // The crank speed this instant, after the compression drag: the starter motor
    // is tied to it.
    double instantRpm() const { return m_instantRpm; }

private:
    void stroke(const EngineState& s);

    double m_rate;
    Rng m_rng;
    double m_phase = 0;  // position within the current half revolution, 0..1
    double m_instantRpm = 0;
    double m_pulse = 0, m_pulseDecay = 0;    // exhaust excitation
    double m_knock = 0, m_knockDecay = 0;    // combustion knock
    double m_puff = 0, m_puffDecay = 0;      // compression released without firing
    BandPass m_pipe1, m_pipe2, m_pipe3, m_pipe4, m_knockBand, m_valveBand;
    LowPass m_thump, m_roar, m_roar2;
    HighPass m_cut1, m_cut2;
    double m_tick = 0;
};

}  // namespace tervox::assets::sound
