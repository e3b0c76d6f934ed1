#pragma once

#include "DecodeBudget.h"
#include "DovalinnailCreator.h"
#include "EighthScaleDecoding.h"

#include <QList>
#include <QQueue>
#include <QString>

#include <condition_variable>
#include <mutex>
#include <thread>
#include <vector>

// Makes the thumbnails of a job on several threads at once and hands the records back
// one by one as they are done, in the order they finish. Pictures decoded at the same
// time share a memory budget. A job of one item is made on the caller's thread.
class ThumbnailBatch
{
public:
    struct Done
    {
        DovalinnailCreator::Data* item = nullptr; // null once every item was handed back
        bool made = false;
        QString error; // why nothing was made; empty when there is nothing to say
    };

    // Takes ownership of `items` and starts on them; a JPEG made alone goes through `decoding`.
    ThumbnailBatch(QList<DovalinnailCreator::Data*> items, const QString& outputFolder,
                   const EighthScaleDecoding& decoding);
    // Lets the threads finish the items they are on; records not handed back are deleted.
    ~ThumbnailBatch();
    ThumbnailBatch(const ThumbnailBatch&) = delete;
    ThumbnailBatch& operator=(const ThumbnailBatch&) = delete;

    // The next finished record, which the caller then owns; waits for it.
    Done next();

    // The threads the batch makes its thumbnails on (1: on the caller's thread).
    int threadCount() const { return usedThreads; }

private:
    void work();

    const QString outputFolder;
    const EighthScaleDecoding decoding;
    DecodeBudget budget;
    int remaining = 0;
    int usedThreads = 1;

    // Standard primitives rather than Qt's, so a thread sanitizer sees every hand-over.
    std::mutex mutex;
    std::condition_variable finished;
    QQueue<DovalinnailCreator::Data*> waiting;
    QQueue<Done> done;
    std::vector<std::thread> threads;
};
