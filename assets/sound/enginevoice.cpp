#include "enginevoice.h"

#include <algorithm>

namespace tervox::assets::sound {

EngineVoice::EngineVoice(double rate, std::uint64_t seed)
    : m_rate(rate),
      m_rng(seed),
      // Exhaust pipe and silencer resonances, lowest strongest.
      m_pipe1(rate, 62, 1.6),
      m_pipe2(rate, 128, 2.5),
      m_pipe3(rate, 310, 3.0),
      m_pipe4(rate, 820, 2.0),
      m_knockBand(rate, 2900, 1.6),
      m_valveBand(rate, 1900, 5.0),
      m_thump(rate, 90),
      m_roar(rate, 450),
      m_roar2(rate, 450),
      m_cut1(rate, 110),
      m_cut2(rate, 110) {}

void EngineVoice::stroke(const EngineState& s) {
    const double jitter = 1.0 + 0.12 * m_rng.bipolar();
    const bool fires = s.fuel && s.rpm > 120 && m_rng.uniform() >= s.misfire;
    if (fires) {
        // Idle strokes are soft; load makes them louder and sharper.
        m_pulse = (0.45 + 0.55 * s.load) * jitter;
        m_pulseDecay = std::exp(-1.0 / (0.0028 * m_rate));
        m_knock = (0.55 - 0.25 * s.load) * jitter;
        m_knockDecay = std::exp(-1.0 / (0.0009 * m_rate));
    } else {
        m_puff = 0.22 * jitter * std::min(1.0, s.rpm / 200.0 + 0.25);
        m_puffDecay = std::exp(-1.0 / (0.012 * m_rate));
    }
    m_tick = 0.5 + 0.5 * m_rng.uniform();
}

double EngineVoice::next(const EngineState& s) {
    // Compression slows the crank in the first part of each half turn and the gas
    // spring gives the speed back after it: the rhythm of a cranking engine.
    const double drag = s.dragging * std::max(0.0, std::sin(kTwoPi * m_phase));
    m_instantRpm = std::max(0.0, s.rpm * (1.0 - 0.45 * drag) + s.rpm * 0.15 * s.dragging);
    const double halfTurnsPerSecond = m_instantRpm / 30.0;
    m_phase += halfTurnsPerSecond / m_rate;
    if (m_phase >= 1.0) {
        m_phase -= 1.0;
        stroke(s);
    }

    const double noise = m_rng.bipolar();
    // Exhaust: a noisy pressure pulse through the pipe's resonances.
    const double excite = m_pulse * (0.3 * noise + 0.7) + m_puff * (0.6 * noise + 0.4);
    m_pulse *= m_pulseDecay;
    m_puff *= m_puffDecay;
    double y = 0.6 * m_pipe1(excite) + 1.0 * m_pipe2(excite) + 1.3 * m_pipe3(excite) +
               0.9 * m_pipe4(excite);
    y += 0.3 * m_thump(m_pulse + 0.5 * m_puff);
    // Diesel knock: a short bright rattle at each firing.
    y += 0.8 * m_knockBand(m_knock * noise);
    m_knock *= m_knockDecay;
    // Valve train: faint ticks that grow with speed.
    const double speed = std::min(1.0, m_instantRpm / 2500.0);
    y += 0.08 * (0.3 + speed) * m_valveBand(m_tick * noise);
    m_tick *= 0.995;
    // The running engine's low roar, mostly at speed and load, loudest around
    // each exhaust pulse.
    const double roar = m_roar2(m_roar(noise));
    y += (0.04 + 0.3 * speed * (0.4 + s.load)) * (0.3 + m_pulse) * roar * (s.rpm > 50 ? 1.0 : 0.0);
    // Heard through a small loudspeaker the deepest rumble is lost anyway; taking
    // it out leaves room for the pulses' character.
    return m_cut2(m_cut1(y));
}

}  // namespace tervox::assets::sound
