#pragma once

#include <QByteArray>
#include <QSize>
#include <QUrl>

// One page job as the supervisor hands it to a page process on its standard input.
struct PageJobMessage
{
    // Upper bound of an encoded message; long data: URLs fit, anything larger is refused.
    static constexpr int MAX_BYTES = 8 * 1024 * 1024;

    QUrl url;
    QSize pageSize;
    QSize thumbSize;
    int delay = 0;    // ms between the page's load and its snapshot
    int timeout = 0;  // ms from the job's start until it gives up

    QByteArray encode() const;
    // False for bytes that are not one whole, well-formed message.
    bool decode(const QByteArray& bytes);
};
