#include "ThumbnailBatch.h"

#include "ThumbnailMaker.h"

#include <QFileInfo>
#include <QPair>
#include <QThread>
#include <QVector>

#include <algorithm>

namespace {

// More threads than this gain little: the disk and the memory bus are shared, and the
// user's own programs want the cores too.
constexpr int maxThreads = 8;
// Decodes at the same time may hold this much per thread between them. A JPEG photo
// decoded at an eighth of its size takes a few megabytes with its file's bytes; a
// large PNG is decoded whole and takes its full size, so only a few run at once.
constexpr qint64 budgetPerThread = 48LL * 1024 * 1024;

// One thread per core, at most one per item.
int threadsFor(int items)
{
    return qBound(1, qMin(QThread::idealThreadCount(), items), maxThreads);
}

} // namespace

ThumbnailBatch::ThumbnailBatch(QList<DovalinnailCreator::Data*> items, const QString& outputFolder)
    : outputFolder(outputFolder)
    , threads(threadsFor(items.size()))
    , budget(threads * budgetPerThread)
    , remaining(items.size())
{
    if (threads == 1) {
        waiting = std::move(items);
        return;
    }
    // The largest files take longest: started first, none of them is left to hold up
    // the end of the batch while the other threads have nothing to do.
    QVector<QPair<qint64, DovalinnailCreator::Data*>> bySize;
    bySize.reserve(items.size());
    for (DovalinnailCreator::Data* item : qAsConst(items))
        bySize.append({QFileInfo(item->filePath).size(), item});
    std::stable_sort(bySize.begin(), bySize.end(),
                     [](const auto& a, const auto& b) { return a.first > b.first; });
    pool.setMaxThreadCount(threads);
    for (const auto& sized : qAsConst(bySize)) {
        DovalinnailCreator::Data* item = sized.second;
        pool.start([this, item] { make(item); });
    }
}

ThumbnailBatch::~ThumbnailBatch()
{
    pool.waitForDone();
    qDeleteAll(waiting);
    for (const Done& item : qAsConst(done))
        delete item.item;
}

void ThumbnailBatch::make(DovalinnailCreator::Data* item)
{
    Done result;
    result.item = item;
    result.made = makeThumbnail(item, outputFolder, &budget, &result.error);
    QMutexLocker lock(&mutex);
    done.enqueue(result);
    finished.wakeOne();
}

ThumbnailBatch::Done ThumbnailBatch::next()
{
    if (remaining == 0)
        return Done();
    --remaining;
    if (threads == 1) {
        Done result;
        result.item = waiting.takeFirst();
        result.made = makeThumbnail(result.item, outputFolder, nullptr, &result.error);
        return result;
    }
    QMutexLocker lock(&mutex);
    while (done.isEmpty())
        finished.wait(&mutex);
    return done.dequeue();
}
