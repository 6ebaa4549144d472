#pragma once

// Small signal-processing parts of the sound-track synthesiser. Everything is
// deterministic: the noise comes from a seeded generator, never from the clock.
#include <cmath>
#include <cstdint>
#include <numbers>

namespace tervox::assets::sound {

inline constexpr double kTwoPi = 2.0 * std::numbers::pi;

// SplitMix64: a fixed seed gives the same noise on every machine and build.
class Rng {
public:
    explicit Rng(std::uint64_t seed) : m_state(seed) {}
    std::uint64_t next() {
        std::uint64_t z = (m_state += 0x9e3779b97f4a7c15ull);
        z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ull;
        z = (z ^ (z >> 27)) * 0x94d049bb133111ebull;
        return z ^ (z >> 31);
    }
    // Uniform in [0, 1).
    double uniform() { return static_cast<double>(next() >> 11) * 0x1.0p-53; }
    // Uniform in [-1, 1).
    double bipolar() { return 2.0 * uniform() - 1.0; }

private:
    std::uint64_t m_state;
};

// Second-order band-pass with unit gain at its centre (the audio cookbook's form).
class BandPass {
public:
    BandPass(double rate, double centreHz, double q) { tune(rate, centreHz, q); }
    void tune(double rate, double centreHz, double q) {
        const double w = kTwoPi * centreHz / rate;
        const double alpha = std::sin(w) / (2.0 * q);
        const double a0 = 1.0 + alpha;
        m_b0 = alpha / a0;
        m_a1 = -2.0 * std::cos(w) / a0;
        m_a2 = (1.0 - alpha) / a0;
    }
    double operator()(double x) {
        const double y = m_b0 * (x - m_x2) - m_a1 * m_y1 - m_a2 * m_y2;
        m_x2 = m_x1;
        m_x1 = x;
        m_y2 = m_y1;
        m_y1 = y;
        return y;
    }

private:
    double m_b0 = 0, m_a1 = 0, m_a2 = 0;
    double m_x1 = 0, m_x2 = 0, m_y1 = 0, m_y2 = 0;
};

// First-order low-pass.
class LowPass {
public:
    LowPass(double rate, double cutoffHz) : m_k(1.0 - std::exp(-kTwoPi * cutoffHz / rate)) {}
    double operator()(double x) { return m_y += m_k * (x - m_y); }

private:
    double m_k;
    double m_y = 0;
};

// First-order high-pass.
class HighPass {
public:
    HighPass(double rate, double cutoffHz) : m_low(rate, cutoffHz) {}
    double operator()(double x) { return x - m_low(x); }

private:
    LowPass m_low;
};

// A decaying sine: the ring of a struck part (a solenoid's clunk, cooling metal).
class Ring {
public:
    void strike(double amplitude, double hz, double decaySeconds, double rate) {
        m_amp = amplitude;
        m_step = kTwoPi * hz / rate;
        m_decay = std::exp(-1.0 / (decaySeconds * rate));
        m_phase = 0;
    }
    double operator()() {
        if (m_amp < 1e-6)
            return 0;
        const double y = m_amp * std::sin(m_phase);
        m_phase += m_step;
        m_amp *= m_decay;
        return y;
    }

private:
    double m_amp = 0, m_step = 0, m_decay = 0, m_phase = 0;
};

// Raised-cosine ramp from 0 at t = a to 1 at t = b.
inline double smoothStep(double t, double a, double b) {
    if (t <= a)
        return 0;
    if (t >= b)
        return 1;
    return 0.5 - 0.5 * std::cos(std::numbers::pi * (t - a) / (b - a));
}

}  // namespace tervox::assets::sound
