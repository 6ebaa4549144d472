#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>
#include <QtEndian>

namespace tervox::ui::testing {

// Writes a 16-bit PCM wave file whose samples count up from 0 (frame f, channel c
// holds (f * channels + c) mod 32768), so a test can tell exactly which frames arrive.
inline bool WriteCountingWave(const QString& path, int sampleRate, int channels, qint64 frames) {
    const quint32 dataBytes = quint32(frames * channels * 2);
    QByteArray bytes;
    auto u32 = [&bytes](quint32 v) { bytes.append(reinterpret_cast<const char*>(&(v = qToLittleEndian(v))), 4); };
    auto u16 = [&bytes](quint16 v) { bytes.append(reinterpret_cast<const char*>(&(v = qToLittleEndian(v))), 2); };
    bytes.append("RIFF");
    u32(36 + dataBytes);
    bytes.append("WAVEfmt ");
    u32(16);
    u16(1); // PCM
    u16(quint16(channels));
    u32(quint32(sampleRate));
    u32(quint32(sampleRate * channels * 2));
    u16(quint16(channels * 2));
    u16(16);
    bytes.append("data");
    u32(dataBytes);
    for (qint64 i = 0; i < frames * channels; ++i)
        u16(quint16(i % 32768));
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

} // namespace tervox::ui::testing
