#include "ThumbnailBatch.h"

#include "ThumbnailMaker.h"
#include "UsableCores.h"

#include <QFileInfo>
#include <QPair>
#include <QVector>

#include <algorithm>

namespace {

// More threads than this gain little: the disk and the memory bus are shared, and the
// user's own programs want the cores too.
constexpr int maxThreads = 8;
// Decodes at the same time may hold this much per thread between them. A JPEG photo
// decoded at an eighth of its size takes a few megabytes; a large PNG is counted at
// its full decoded size, so only a few of those run at once.
constexpr qint64 budgetPerThread = 48LL * 1024 * 1024;

// One thread per core the process may use, at most one per item.
int threadsFor(int items)
{
    return qBound(1, qMin(usableCores(), items), maxThreads);
}

// The largest files take longest: started first, none of them is left to hold up the
// end of the batch while the other threads have nothing to do.
QList<DovalinnailCreator::Data*> largestFirst(const QList<DovalinnailCreator::Data*>& items)
{
    QVector<QPair<qint64, DovalinnailCreator::Data*>> bySize;
    bySize.reserve(items.size());
    for (DovalinnailCreator::Data* item : items)
        bySize.append({QFileInfo(item->filePath).size(), item});
    std::stable_sort(bySize.begin(), bySize.end(), [](const auto& a, const auto& b) { return a.first > b.first; });
    QList<DovalinnailCreator::Data*> sorted;
    sorted.reserve(bySize.size());
    for (const auto& sized : qAsConst(bySize))
        sorted.append(sized.second);
    return sorted;
}

} // namespace

ThumbnailBatch::ThumbnailBatch(QList<DovalinnailCreator::Data*> items, const QString& outputFolder,
                               const EighthScaleDecoding& decoding)
    : outputFolder(outputFolder)
    , decoding(decoding)
    , budget(threadsFor(items.size()) * budgetPerThread)
    , remaining(items.size())
{
    const int count = threadsFor(items.size());
    usedThreads = count;
    if (count == 1) {
        waiting.append(items);
        return;
    }
    waiting.append(largestFirst(items));
    threads.reserve(count);
    for (int i = 0; i < count; ++i)
        threads.emplace_back(&ThumbnailBatch::work, this);
}

ThumbnailBatch::~ThumbnailBatch()
{
    {
        std::lock_guard<std::mutex> lock(mutex);
        qDeleteAll(waiting);
        waiting.clear();
    }
    for (std::thread& thread : threads)
        thread.join();
    for (const Done& item : qAsConst(done))
        delete item.item;
}

void ThumbnailBatch::work()
{
    for (;;) {
        Done result;
        {
            std::lock_guard<std::mutex> lock(mutex);
            if (waiting.isEmpty())
                return;
            result.item = waiting.dequeue();
        }
        result.made = makeThumbnail(result.item, outputFolder, &budget, decoding, &result.error);
        {
            std::lock_guard<std::mutex> lock(mutex);
            done.enqueue(result);
        }
        finished.notify_one();
    }
}

ThumbnailBatch::Done ThumbnailBatch::next()
{
    if (remaining == 0)
        return Done();
    --remaining;
    if (threads.empty()) {
        Done result;
        result.item = waiting.dequeue();
        result.made = makeThumbnail(result.item, outputFolder, nullptr, decoding, &result.error);
        return result;
    }
    std::unique_lock<std::mutex> lock(mutex);
    finished.wait(lock, [this] { return !done.isEmpty(); });
    return done.dequeue();
}
