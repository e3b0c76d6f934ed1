#pragma once

#include "ShelfDataFileWalk.h"

#include <QXmlStreamReader>

#include <atomic>
#include <condition_variable>
#include <deque>
#include <mutex>
#include <thread>
#include <vector>

class QIODevice;

// Reads a data file on a thread of its own while the GUI thread builds what was read:
// the XML, the names of the pictures and whether their files are there are worked out
// ahead. The parts come out in the file's order. A Settings element is read by the
// consumer itself, with the reader handed over, since settings shape what follows.
class ShelfDataFileReader
{
public:
    struct Part
    {
        enum Kind { Settings, Category, Item } kind = Item;
        CategoryRecord category;
        ItemRecord item;
    };

    // Starts reading the open device, which must outlive this object.
    explicit ShelfDataFileReader(QIODevice* device);
    // Stops reading and waits for the thread.
    ~ShelfDataFileReader();
    ShelfDataFileReader(const ShelfDataFileReader&) = delete;
    ShelfDataFileReader& operator=(const ShelfDataFileReader&) = delete;

    // Waits for the next part; false once the walk is over, when end() holds.
    bool next(Part& part);
    // After a Settings part: the reader standing on that element, for the consumer to
    // read it; resume() hands the reader back.
    QXmlStreamReader& xml() { return reader; }
    void resume();
    // Leaves the rest unread and waits for the thread.
    void stop();
    ShelfDataWalkEnd end() const { return walkEnd; }

private:
    class QueueSink;

    void run();
    // Hands the parts read so far to the consumer; waits while it is far behind.
    // With handOver, the reader goes to the consumer with the last part, and the
    // thread waits until resume().
    void flush(std::vector<Part>& parts, bool handOver = false);

    QXmlStreamReader reader;
    ShelfDataWalkEnd walkEnd;

    std::mutex mutex;
    std::condition_variable changed;
    std::deque<std::vector<Part>> batches;
    std::vector<Part> current;
    size_t currentIndex = 0;
    bool finished = false;
    std::atomic<bool> stopping{false};
    bool handedOver = false;
    std::thread thread;
};
