#include "ImagePluginPreloader.h"

#include <QImageReader>
#include <QImageWriter>

ImagePluginPreloader::~ImagePluginPreloader()
{
    wait();
}

void ImagePluginPreloader::start()
{
    if (thread.joinable())
        return;
    thread = std::thread([] {
        // Asking each plug-in what it can do loads them all, and they stay loaded.
        QImageReader::supportedImageFormats();
        QImageWriter::supportedImageFormats();
    });
}

void ImagePluginPreloader::wait()
{
    if (thread.joinable())
        thread.join();
}
