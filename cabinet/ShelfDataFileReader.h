#pragma once

#include "ShelfDataFileWalk.h"

#include <QThreadPool>
#include <QXmlStreamReader>

#include <atomic>
#include <condition_variable>
#include <deque>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

class QIODevice;

// Reads a data file on a thread of its own while the GUI thread builds what was read;
// the item records are completed (the names of their pictures, whether the files are
// there) on further threads. The parts come out in the file's order. A Settings
// element is read by the consumer itself, with the reader handed over, since settings
// shape what follows.
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
    // Stops reading and waits for the threads.
    ~ShelfDataFileReader();
    ShelfDataFileReader(const ShelfDataFileReader&) = delete;
    ShelfDataFileReader& operator=(const ShelfDataFileReader&) = delete;

    // Waits for the next part; false once the walk is over, when end() holds.
    bool next(Part& part);
    // After a Settings part: the reader standing on that element, for the consumer to
    // read it; resume() hands the reader back.
    QXmlStreamReader& xml() { return reader; }
    void resume();
    // Leaves the rest unread and waits for the threads.
    void stop();
    ShelfDataWalkEnd end() const { return walkEnd; }

private:
    class QueueSink;
    struct Batch
    {
        std::vector<Part> parts;
        bool complete = false;
    };

    void run();
    // Hands the parts read so far on, to be completed and then taken by the consumer;
    // waits while the consumer is far behind. With handOver, the reader goes to the
    // consumer with the last part, and the thread waits until resume().
    void flush(std::vector<Part>& parts, bool handOver = false);
    void complete(const std::shared_ptr<Batch>& batch);

    QXmlStreamReader reader;
    ShelfDataWalkEnd walkEnd;

    std::mutex mutex;
    std::condition_variable changed;
    std::deque<std::shared_ptr<Batch>> batches;
    std::shared_ptr<Batch> current;
    size_t currentIndex = 0;
    bool finished = false;
    std::atomic<bool> stopping{false};
    bool handedOver = false;
    QThreadPool completers;
    std::thread thread;
};
