#pragma once

#include <thread>

// Qt opens every image plug-in the first time anything asks which formats it can
// read or write, or writes a picture in any format; with many plug-ins installed
// that takes tens of milliseconds of loading and linking. This does it on a thread
// of its own while the process does other work, so the first page or thumbnail
// need not wait for it.
class ImagePluginPreloader
{
public:
    ImagePluginPreloader() = default;
    ~ImagePluginPreloader();
    ImagePluginPreloader(const ImagePluginPreloader&) = delete;
    ImagePluginPreloader& operator=(const ImagePluginPreloader&) = delete;

    // Starts loading; does nothing while a load runs. Call once the application object exists.
    void start();
    // Returns once the plug-ins are loaded (or no load was started).
    void wait();

private:
    std::thread thread;
};
