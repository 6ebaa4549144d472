#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>

#include <cstdint>

// The bytes of an embedded file; empty when it is missing.
inline QByteArray resourceBytes(const QString& name) {
    QFile file(name);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

inline const std::uint8_t* bytesOf(const QByteArray& b) {
    return reinterpret_cast<const std::uint8_t*>(b.constData());
}
