#include "soundtrack.h"

#include "dsp.h"
#include "enginevoice.h"
#include "startervoice.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace tervox::assets::sound {
namespace {

constexpr double kRate = kSampleRate;

// A small room: four combs and two all-passes, so the engine sounds like it is
// running in a workshop rather than inside the loudspeaker.
class Room {
public:
    Room() {
        const std::array<double, 4> combMs{29.7, 37.1, 41.1, 43.7};
        for (std::size_t i = 0; i < combMs.size(); ++i)
            m_comb[i].assign(static_cast<std::size_t>(combMs[i] * kRate / 1000), 0.0);
        m_all[0].assign(static_cast<std::size_t>(5.0 * kRate / 1000), 0.0);
        m_all[1].assign(static_cast<std::size_t>(1.7 * kRate / 1000), 0.0);
    }
    double operator()(double x) {
        double wet = 0;
        for (std::size_t i = 0; i < m_comb.size(); ++i) {
            auto& line = m_comb[i];
            const double out = line[m_combPos[i]];
            line[m_combPos[i]] = x + 0.72 * out;
            m_combPos[i] = (m_combPos[i] + 1) % line.size();
            wet += out;
        }
        wet *= 0.25;
        for (std::size_t i = 0; i < m_all.size(); ++i) {
            auto& line = m_all[i];
            const double delayed = line[m_allPos[i]];
            const double in = wet + 0.5 * delayed;
            line[m_allPos[i]] = in;
            m_allPos[i] = (m_allPos[i] + 1) % line.size();
            wet = delayed - 0.5 * in;
        }
        return x + 0.22 * wet;
    }

private:
    std::array<std::vector<double>, 4> m_comb;
    std::array<std::size_t, 4> m_combPos{};
    std::array<std::vector<double>, 2> m_all;
    std::array<std::size_t, 2> m_allPos{};
};

// A throttle blip: quick rise over `rise` seconds, then an exponential fall.
double blip(double t, double start, double rise, double height) {
    if (t < start)
        return 0;
    if (t < start + rise)
        return height * smoothStep(t, start, start + rise);
    return height * std::exp(-(t - start - rise) / 0.45);
}
bool rising(double t, double start, double rise) { return t >= start && t < start + rise; }

// Start-up, seconds from the start of the track. The key is turned at 0.25 s,
// the lift pump primes, the starter engages at 1.5 s and cranks; the first
// strokes fire from 2.5 s, the engine catches at 3.6 s, flares and settles to a
// warm idle, with two blips of the throttle while the designer listens.
EngineState startupState(double t) {
    EngineState s;
    if (t < 1.5)
        return s;
    if (t < 3.6) {
        s.rpm = 210 * smoothStep(t, 1.5, 1.75) + 20 * smoothStep(t, 2.6, 3.6);
        s.load = 0.3;
        s.dragging = 1.0;
    } else if (t < 4.3) {
        s.rpm = 230 + 1420 * smoothStep(t, 3.6, 4.3);
        s.load = 0.9;
        s.dragging = 1.0 - smoothStep(t, 3.6, 4.0);
    } else if (t < 6.2) {
        s.rpm = 1050 + 600 * std::exp(-(t - 4.3) / 0.6);
        s.load = 0.2;
    } else {
        s.rpm = 1050 + 600 * std::exp(-1.9 / 0.6);
        s.rpm = 820 + (s.rpm - 820) * std::exp(-(t - 6.2) / 3.5);
        s.load = 0.12;
    }
    if (t >= 4.3) {
        // Idle governor hunting a little around its set speed.
        s.rpm += 16 * std::sin(kTwoPi * 0.55 * t) * smoothStep(t, 4.3, 6.0);
        s.rpm += blip(t, 9.4, 0.3, 1100) + blip(t, 12.6, 0.35, 1700);
        if (rising(t, 9.4, 0.3) || rising(t, 12.6, 0.35))
            s.load = 0.85;
        else if ((t > 9.7 && t < 10.6) || (t > 12.95 && t < 14.0))
            s.load = 0.0;  // overrun after the blip
    }
    s.fuel = t >= 2.5;
    if (t < 3.6)
        s.misfire = 0.85 - 0.35 * smoothStep(t, 2.5, 3.6);
    else
        s.misfire = 0.02 + 0.25 * std::exp(-(t - 3.6) / 0.5);
    return s;
}

bool starterEngaged(double t) { return t >= 1.5 && t < 3.75; }

void renderStartup(std::vector<double>& out) {
    EngineVoice engine(kRate, 0x7e7f0c5a11ull);
    StarterVoice starter(kRate, 0x5ca7e5a11ull);
    Rng rng(0x0b1cdull);
    Room room;
    Ring keyClick, keyClick2, solenoid, solenoidClick, release;
    BandPass pumpBody(kRate, 380, 3.0);
    const double endSeconds = 19.15;  // fully faded before 19238 ms
    const auto frames = static_cast<std::size_t>(endSeconds * kRate);
    double pumpPhase = 0;
    for (std::size_t i = 0; i < frames; ++i) {
        const double t = static_cast<double>(i) / kRate;
        if (i == static_cast<std::size_t>(0.25 * kRate))
            keyClick.strike(0.22, 2300, 0.006, kRate);
        if (i == static_cast<std::size_t>(0.31 * kRate))
            keyClick2.strike(0.16, 1800, 0.005, kRate);
        if (i == static_cast<std::size_t>(1.5 * kRate)) {
            solenoid.strike(0.7, 118, 0.05, kRate);
            solenoidClick.strike(0.35, 1450, 0.008, kRate);
        }
        if (i == static_cast<std::size_t>(3.75 * kRate))
            release.strike(0.25, 900, 0.012, kRate);

        const EngineState s = startupState(t);
        double y = 2.2 * engine.next(s);
        y += 0.55 * starter.next(engine.instantRpm(), starterEngaged(t));
        // Electric lift pump priming the injection pump: a low buzz.
        const double pump = smoothStep(t, 0.35, 0.45) * (1.0 - smoothStep(t, 1.3, 1.45));
        if (pump > 0) {
            pumpPhase += 190.0 / kRate;
            pumpPhase -= std::floor(pumpPhase);
            y += pump * (0.05 * std::sin(kTwoPi * pumpPhase) +
                         0.06 * pumpBody(std::sin(kTwoPi * 2 * pumpPhase) + 0.3 * rng.bipolar()));
        }
        y += keyClick() + keyClick2() + solenoid() + solenoidClick() + release();
        y = room(y);
        // Fade away towards the end of the start-up part.
        y *= 1.0 - smoothStep(t, 17.6, endSeconds);
        out[i] = y;
    }
}

// Exit, seconds from 19260 ms: a last rev, the throttle shut, the fuel cut at
// 1.0 s, the crank coasting through its final compressions, rocking back when
// it stops, and the exhaust ticking as it cools.
void renderExit(std::vector<double>& out, std::size_t first) {
    EngineVoice engine(kRate, 0xe417e4d5ull);
    Room room;
    Ring stopSolenoid, rockBack, rockBody, tink1, tink2;
    const auto frames = static_cast<std::size_t>(kExitSeconds * kRate);
    const double rpmAtCut = 1000 + 1300 * std::exp(-(1.0 - 0.45) / 0.3);
    const double coastSeconds = 1.35;
    for (std::size_t i = 0; i < frames && first + i < out.size(); ++i) {
        const double u = static_cast<double>(i) / kRate;
        EngineState s;
        if (u < 0.45) {
            s.rpm = 820 + 1480 * smoothStep(u, 0.0, 0.45);
            s.load = 0.9;
            s.fuel = true;
        } else if (u < 1.0) {
            s.rpm = 1000 + 1300 * std::exp(-(u - 0.45) / 0.3);
            s.load = 0.0;
            s.fuel = true;
            s.misfire = 0.3;  // overrun: the governor cuts most injections
        } else {
            const double left = std::max(0.0, 1.0 - (u - 1.0) / coastSeconds);
            s.rpm = rpmAtCut * std::pow(left, 1.3);
        }
        s.dragging = std::clamp(1.0 - s.rpm / 500.0, 0.0, 1.0);
        if (i == static_cast<std::size_t>(1.0 * kRate))
            stopSolenoid.strike(0.18, 900, 0.01, kRate);
        if (i == static_cast<std::size_t>((1.0 + coastSeconds) * kRate)) {
            rockBack.strike(0.3, 95, 0.08, kRate);
            rockBody.strike(0.2, 210, 0.04, kRate);
        }
        if (i == static_cast<std::size_t>(2.75 * kRate))
            tink1.strike(0.05, 4300, 0.03, kRate);
        if (i == static_cast<std::size_t>(3.02 * kRate))
            tink2.strike(0.035, 5100, 0.025, kRate);

        double y = 2.2 * engine.next(s);
        y += stopSolenoid() + rockBack() + rockBody() + tink1() + tink2();
        y = room(y);
        // Ease in over 10 ms so the jump to this position does not click, and out
        // at the very end of the track.
        y *= smoothStep(u, 0.0, 0.01) * (1.0 - smoothStep(u, kExitSeconds - 0.12, kExitSeconds));
        out[first + i] = y;
    }
}

}  // namespace

std::vector<std::int16_t> RenderSoundTrack() {
    const std::size_t exitFirst = static_cast<std::size_t>(frameAt(kExitStartMs));
    const std::size_t total = exitFirst + static_cast<std::size_t>(kExitSeconds * kRate);
    std::vector<double> track(total, 0.0);
    renderStartup(track);
    renderExit(track, exitFirst);

    // Scale to the loudest sample, round the peaks off softly so the quieter idle
    // is not lost behind the loudest strokes, and end at -1 dBFS. Silence stays 0.
    double peak = 0;
    for (double v : track)
        peak = std::max(peak, std::abs(v));
    constexpr double kDrive = 2.5;
    const double gain = peak > 0 ? kDrive / peak : 0.0;
    const double outGain = 0.89 / std::tanh(kDrive);
    std::vector<std::int16_t> samples(total);
    for (std::size_t i = 0; i < total; ++i) {
        const double v = std::clamp(outGain * std::tanh(track[i] * gain), -1.0, 1.0);
        samples[i] = static_cast<std::int16_t>(std::lrint(v * 32767.0));
    }
    // The gap the program never plays stays exactly silent.
    for (auto f = frameAt(kStartupEndMs); f < frameAt(kExitStartMs); ++f)
        samples[static_cast<std::size_t>(f)] = 0;
    return samples;
}

}  // namespace tervox::assets::sound
