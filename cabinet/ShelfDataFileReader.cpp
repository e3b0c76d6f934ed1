#include "ShelfDataFileReader.h"

namespace {
// Parts handed on at a time, and batches read ahead before the reader waits: enough
// to keep the threads busy, little enough to keep the records' memory small.
constexpr size_t batchSize = 128;
constexpr size_t batchesAhead = 32;
// Completing a record costs about half of reading it.
constexpr int completingThreads = 2;
} // namespace

class ShelfDataFileReader::QueueSink : public ShelfDataSink
{
public:
    explicit QueueSink(ShelfDataFileReader& owner)
        : owner(owner)
    {
    }

    bool stopped() override { return owner.stopping; }

    void settings(QXmlStreamReader&) override
    {
        parts.emplace_back();
        parts.back().kind = Part::Settings;
        owner.flush(parts, true);
    }

    void category(CategoryRecord record) override
    {
        parts.emplace_back();
        parts.back().kind = Part::Category;
        parts.back().category = std::move(record);
        flushWhenFull();
    }

    void item(ItemRecord record) override
    {
        parts.emplace_back();
        parts.back().kind = Part::Item;
        parts.back().item = std::move(record);
        flushWhenFull();
    }

    void flushWhenFull()
    {
        if (parts.size() >= batchSize)
            owner.flush(parts);
    }

    ShelfDataFileReader& owner;
    std::vector<Part> parts;
};

ShelfDataFileReader::ShelfDataFileReader(QIODevice* device)
    : reader(device)
{
    completers.setMaxThreadCount(completingThreads);
    thread = std::thread(&ShelfDataFileReader::run, this);
}

ShelfDataFileReader::~ShelfDataFileReader()
{
    stop();
}

void ShelfDataFileReader::run()
{
    QueueSink sink(*this);
    const ShelfDataWalkEnd end = walkDataFile(reader, sink);
    flush(sink.parts);
    std::lock_guard<std::mutex> lock(mutex);
    walkEnd = end;
    finished = true;
    changed.notify_all();
}

void ShelfDataFileReader::flush(std::vector<Part>& parts, bool handOver)
{
    std::unique_lock<std::mutex> lock(mutex);
    changed.wait(lock, [this] { return stopping || batches.size() < batchesAhead; });
    if (!parts.empty() && !stopping) {
        auto batch = std::make_shared<Batch>();
        batch->parts = std::move(parts);
        batches.push_back(batch);
        completers.start([this, batch] { complete(batch); });
    }
    parts.clear();
    changed.notify_all();
    if (!handOver)
        return;
    // Set together with the batch: the consumer cannot resume before this.
    handedOver = true;
    changed.wait(lock, [this] { return stopping || !handedOver; });
}

void ShelfDataFileReader::complete(const std::shared_ptr<Batch>& batch)
{
    if (!stopping) {
        for (Part& part : batch->parts) {
            if (part.kind == Part::Item)
                completeItemRecord(part.item);
        }
    }
    std::lock_guard<std::mutex> lock(mutex);
    batch->complete = true;
    changed.notify_all();
}

void ShelfDataFileReader::resume()
{
    std::lock_guard<std::mutex> lock(mutex);
    handedOver = false;
    changed.notify_all();
}

bool ShelfDataFileReader::next(Part& part)
{
    if (!current || currentIndex >= current->parts.size()) {
        std::unique_lock<std::mutex> lock(mutex);
        // The head batch, once completed, or the end.
        changed.wait(lock, [this] {
            return batches.empty() ? finished : batches.front()->complete;
        });
        if (batches.empty())
            return false;
        current = std::move(batches.front());
        batches.pop_front();
        currentIndex = 0;
        changed.notify_all();
    }
    part = std::move(current->parts[currentIndex++]);
    return true;
}

void ShelfDataFileReader::stop()
{
    {
        std::lock_guard<std::mutex> lock(mutex);
        stopping = true;
        changed.notify_all();
    }
    if (thread.joinable())
        thread.join();
    completers.waitForDone();
}
