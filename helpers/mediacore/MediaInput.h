#pragma once

#include <QDeadlineTimer>
#include <QFile>
#include <QString>

#include <cstdint>

struct AVFormatContext;
struct AVIOContext;
struct AVStream;

// One media file opened for reading with FFmpeg, with bounded cost: only a regular
// file is opened (a FIFO named like a video would block), FFmpeg reads it through our
// own descriptor, and every read stops once the deadline has passed.
class MediaInput
{
public:
    MediaInput(const QString& path, const QDeadlineTimer& deadline);
    ~MediaInput();
    MediaInput(const MediaInput&) = delete;
    MediaInput& operator=(const MediaInput&) = delete;

    // Opens the file and reads what streams it holds; false when it is no media file
    // FFmpeg can read, with the reason in errorString().
    bool open();

    AVFormatContext* format() const { return context; }
    AVStream* stream(int index) const;
    bool expired() const { return deadline.hasExpired(); }
    QString errorString() const { return error; }

    // Length in seconds, rounded; 0 when the file does not say.
    int lengthSeconds() const;

private:
    bool findStreamInfo();
    static int readPacket(void* opaque, unsigned char* buffer, int size);
    static int64_t seek(void* opaque, int64_t offset, int whence);
    static int interrupted(void* opaque);

    const QString path;
    const QDeadlineTimer deadline;
    QFile file;
    AVIOContext* io = nullptr;
    AVFormatContext* context = nullptr;
    QString error;
};
