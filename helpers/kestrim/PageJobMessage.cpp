#include "PageJobMessage.h"

#include <QDataStream>

static const quint32 MESSAGE_MAGIC = 0x4b4a4f42; // "KJOB"

QByteArray PageJobMessage::encode() const
{
    QByteArray bytes;
    QDataStream stream(&bytes, QIODevice::WriteOnly);
    stream.setVersion(QDataStream::Qt_5_15);
    stream << MESSAGE_MAGIC << url.toEncoded() << pageSize << thumbSize << qint32(delay) << qint32(timeout);
    return bytes;
}

bool PageJobMessage::decode(const QByteArray& bytes)
{
    if (bytes.size() > MAX_BYTES)
        return false;
    QDataStream stream(bytes);
    stream.setVersion(QDataStream::Qt_5_15);
    quint32 magic = 0;
    QByteArray encodedUrl;
    QSize page;
    QSize thumb;
    qint32 delayMs = 0;
    qint32 timeoutMs = 0;
    stream >> magic;
    if (magic != MESSAGE_MAGIC)
        return false;
    stream >> encodedUrl >> page >> thumb >> delayMs >> timeoutMs;
    if (stream.status() != QDataStream::Ok || !stream.atEnd())
        return false;
    url = QUrl::fromEncoded(encodedUrl, QUrl::StrictMode);
    pageSize = page;
    thumbSize = thumb;
    delay = delayMs;
    timeout = timeoutMs;
    return url.isValid();
}
