// The sound track the build wrote: a wave file with the start-up sound before
// 19238 ms, silence up to 19260 ms and the exit sound after it.
#include <sndfile.h>

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <vector>

namespace {

constexpr int kRate = 22050;
// Positions the program plays to and from, in ms; frame = ms x rate / 1000.
constexpr std::int64_t frameAt(std::int64_t ms) { return ms * kRate / 1000; }

class SoundTrack : public ::testing::Test {
protected:
    void SetUp() override {
        SF_INFO info{};
        SNDFILE* f = sf_open(TERVOX_SOUNDTRACK, SFM_READ, &info);
        ASSERT_NE(f, nullptr) << TERVOX_SOUNDTRACK << ": " << sf_strerror(nullptr);
        m_info = info;
        m_samples.resize(static_cast<std::size_t>(info.frames * info.channels));
        const sf_count_t got = sf_read_short(f, m_samples.data(), info.frames * info.channels);
        sf_close(f);
        ASSERT_EQ(got, info.frames * info.channels);
    }
    // Root mean square of frames [from, to), 1.0 = full scale.
    double rms(std::int64_t from, std::int64_t to) const {
        double sum = 0;
        for (std::int64_t i = from; i < to; ++i)
            sum += double(m_samples[i]) * m_samples[i];
        return std::sqrt(sum / double(to - from)) / 32768.0;
    }
    SF_INFO m_info{};
    std::vector<std::int16_t> m_samples;
};

TEST_F(SoundTrack, IsSixteenBitMonoWaveAt22050) {
    EXPECT_EQ(m_info.format & SF_FORMAT_TYPEMASK, SF_FORMAT_WAV);
    EXPECT_EQ(m_info.format & SF_FORMAT_SUBMASK, SF_FORMAT_PCM_16);
    EXPECT_EQ(m_info.channels, 1);
    EXPECT_EQ(m_info.samplerate, kRate);
}

TEST_F(SoundTrack, ExitSoundLastsTwoToFourSeconds) {
    ASSERT_GT(m_info.frames, frameAt(19260));
    const double exitSeconds = double(m_info.frames - frameAt(19260)) / kRate;
    EXPECT_GE(exitSeconds, 2.0);
    EXPECT_LE(exitSeconds, 4.0);
}

TEST_F(SoundTrack, GapBetweenTheSoundsIsSilent) {
    ASSERT_GT(m_info.frames, frameAt(19260));
    for (std::int64_t i = frameAt(19238); i < frameAt(19260); ++i)
        ASSERT_EQ(m_samples[i], 0) << "frame " << i;
}

TEST_F(SoundTrack, BothPartsCarrySound) {
    ASSERT_GT(m_info.frames, frameAt(19260) + kRate);
    // Thresholds well above dither-level noise (1/32768) yet below a quiet idle.
    EXPECT_GT(rms(0, frameAt(19238)), 0.03);
    EXPECT_GT(rms(frameAt(19260), m_info.frames), 0.02);
    // The engine is still heard in the start-up's last seconds and at the
    // start of the exit sound.
    EXPECT_GT(rms(frameAt(15000), frameAt(17000)), 0.02);
    EXPECT_GT(rms(frameAt(19260), frameAt(20260)), 0.03);
    // The start-up sound has died away by its end position.
    EXPECT_LT(rms(frameAt(19138), frameAt(19238)), 0.002);
}

TEST_F(SoundTrack, ExitSoundStartsWithoutAClick) {
    ASSERT_GT(m_info.frames, frameAt(19260) + 10);
    // The first samples after the jump to 19260 ms rise from silence.
    EXPECT_LT(std::abs(m_samples[frameAt(19260)]), 200);
}

}  // namespace
