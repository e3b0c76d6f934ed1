#include "ImageWriterPreparation.h"

#include <QBuffer>
#include <QImageWriter>

ImageWriterPreparation::~ImageWriterPreparation()
{
    wait();
}

void ImageWriterPreparation::start(const QList<QByteArray>& formats)
{
    if (thread.joinable())
        return;
    thread = std::thread([formats] {
        for (const QByteArray& format : formats) {
            QBuffer sink;
            sink.open(QIODevice::WriteOnly);
            // Finding the handler loads the plug-ins; nothing is written.
            QImageWriter writer(&sink, format);
            writer.canWrite();
        }
    });
}

void ImageWriterPreparation::wait()
{
    if (thread.joinable())
        thread.join();
}
