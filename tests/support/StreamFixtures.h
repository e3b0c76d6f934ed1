#pragma once

#include <QByteArray>
#include <QDataStream>

#include <functional>

// What `write` puts on a data stream of `version`, as the settings and the clipboard keep it.
inline QByteArray streamBytes(const std::function<void(QDataStream&)>& write,
                              QDataStream::Version version = QDataStream::Qt_5_15)
{
    QByteArray bytes;
    QDataStream stream(&bytes, QIODevice::WriteOnly);
    stream.setVersion(version);
    write(stream);
    return bytes;
}

// A value as its stream operator writes it.
template <typename T>
QByteArray written(const T& value, QDataStream::Version version = QDataStream::Qt_5_15)
{
    return streamBytes([&](QDataStream& stream) { stream << value; }, version);
}
