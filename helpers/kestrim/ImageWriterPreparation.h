#pragma once

#include <QByteArray>
#include <QList>

#include <thread>

// Qt opens every image plug-in the first time it writes a picture, in any format,
// which takes tens of milliseconds. This does that once on a thread of its own
// while the first pages load, so the first thumbnail need not wait for it.
class ImageWriterPreparation
{
public:
    ImageWriterPreparation() = default;
    ~ImageWriterPreparation();
    ImageWriterPreparation(const ImageWriterPreparation&) = delete;
    ImageWriterPreparation& operator=(const ImageWriterPreparation&) = delete;

    // Starts preparing writers for these formats (lower case); does nothing while one runs.
    void start(const QList<QByteArray>& formats);
    // Returns once the preparation has ended; call before writing a picture.
    void wait();

private:
    std::thread thread;
};
