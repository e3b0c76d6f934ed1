#pragma once

#include "ThumbnailClient.h"

#include <QtGlobal>

// Gives a thumbnail client a short silence watchdog for the helper it starts next, and
// for that one only: the watchdog's own log line, written before it ends the helper,
// restores the full period, so a batch that follows is never raced against the short
// one however slow the machine. One at a time; header-only, for tests that link the
// thumbnail clients.
class ShortSilenceWatch
{
public:
    ShortSilenceWatch(ThumbnailClient& client, int shortMs)
    {
        Q_ASSERT(!watched);
        client.setSilenceTimeout(shortMs);
        watched = &client;
        hasFired = false;
        previous = qInstallMessageHandler(&ShortSilenceWatch::handle);
    }
    ~ShortSilenceWatch()
    {
        qInstallMessageHandler(previous);
        watched = nullptr;
    }
    ShortSilenceWatch(const ShortSilenceWatch&) = delete;
    ShortSilenceWatch& operator=(const ShortSilenceWatch&) = delete;

    // Whether the watchdog ended a helper.
    bool fired() const { return hasFired; }

private:
    static void handle(QtMsgType type, const QMessageLogContext& context, const QString& message)
    {
        if (watched && !hasFired && message.contains(QLatin1String("Thumbnail helper silent"))) {
            watched->setSilenceTimeout(ThumbnailClient::DEFAULT_SILENCE_TIMEOUT);
            hasFired = true;
        }
        previous(type, context, message);
    }

    static inline ThumbnailClient* watched = nullptr;
    static inline QtMessageHandler previous = nullptr;
    static inline bool hasFired = false;
};
