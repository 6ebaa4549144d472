#pragma once

#include <cstdint>
#include <vector>

namespace tervox::assets::sound {

// The layout of "ovix.dat": the start-up sound plays from the start of the track
// up to 19238 ms, the exit sound from 19260 ms to the end; the program never
// plays the 22 ms between, which are left silent.
inline constexpr int kSampleRate = 22050;
inline constexpr int kStartupEndMs = 19238;
inline constexpr int kExitStartMs = 19260;
// Frame of a position: frame = ms x rate / 1000, rounded down, as the player maps it.
constexpr std::int64_t frameAt(std::int64_t ms) { return ms * kSampleRate / 1000; }

// Length of the exit sound: the engine revved once, run down and stopped.
inline constexpr double kExitSeconds = 3.2;

// The whole track as 16-bit samples, mono at kSampleRate: the start-up sound (a
// starter motor turning the engine over until it catches, the engine settling to
// idle), silence, then the exit sound (a last rev, running down, stopping).
// The same build gives the same samples every time.
std::vector<std::int16_t> RenderSoundTrack();

}  // namespace tervox::assets::sound
