#pragma once

#include "audiooutput.h"

#include <QStringList>
#include <QVector>

#include <thread>

namespace tervox::ui::testing {

// An output device without a device: it records what the player asks of it, plays
// nothing, and reports progress and ends when the test says so. A waiting play
// "plays" the whole segment at once and reports its end from another thread, as the
// real device does from its audio thread.
class FakeAudioOutput : public AudioOutput {
public:
    struct Segment {
        qint64 firstFrame = 0;
        qint64 endFrame = 0;
        quint64 id = 0;
    };

    bool openSucceeds = true;
    int openedRate = 0;
    int openedChannels = 0;
    QStringList calls;
    QVector<Segment> segments;
    qint64 played = 0;

    bool open(int sampleRate, int channels) override {
        calls << QStringLiteral("open %1 %2").arg(sampleRate).arg(channels);
        if (!openSucceeds)
            return false;
        openedRate = sampleRate;
        openedChannels = channels;
        return true;
    }
    void close() override { calls << QStringLiteral("close"); }
    void start(std::shared_ptr<const AudioTrack>, qint64 firstFrame, qint64 endFrame,
               quint64 segmentId) override {
        calls << QStringLiteral("start %1 %2").arg(firstFrame).arg(endFrame);
        segments.push_back({firstFrame, endFrame, segmentId});
        played = 0;
    }
    void pause() override { calls << QStringLiteral("pause"); }
    void resume() override { calls << QStringLiteral("resume"); }
    void stop() override { calls << QStringLiteral("stop"); }
    qint64 framesPlayed() const override { return played; }
    void waitUntilFinished() override {
        calls << QStringLiteral("wait");
        const Segment last = segments.back();
        played = last.endFrame - last.firstFrame;
        std::thread device([this, id = last.id] { reportFinished(id); });
        device.join();
    }

    // The device has played the segment with this id to its end.
    void finish(quint64 segmentId) { reportFinished(segmentId); }
    // The calls that started, stopped or waited for sound, without the others.
    QStringList playbackCalls() const {
        QStringList out;
        for (const QString& c : calls)
            if (c.startsWith(QLatin1String("start")) || c == QLatin1String("stop") || c == QLatin1String("wait"))
                out << c;
        return out;
    }
};

} // namespace tervox::ui::testing
