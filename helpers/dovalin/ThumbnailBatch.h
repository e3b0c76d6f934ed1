#pragma once

#include "DecodeBudget.h"
#include "DovalinnailCreator.h"

#include <QList>
#include <QMutex>
#include <QQueue>
#include <QString>
#include <QThreadPool>
#include <QWaitCondition>

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

    // Takes ownership of `items` and starts on them.
    ThumbnailBatch(QList<DovalinnailCreator::Data*> items, const QString& outputFolder);
    // Waits for the threads; records not handed back are deleted.
    ~ThumbnailBatch();
    ThumbnailBatch(const ThumbnailBatch&) = delete;
    ThumbnailBatch& operator=(const ThumbnailBatch&) = delete;

    // The next finished record, which the caller then owns; waits for it.
    Done next();

private:
    void make(DovalinnailCreator::Data* item);

    const QString outputFolder;
    const int threads;
    DecodeBudget budget;
    // Used when the job runs on the caller's thread.
    QList<DovalinnailCreator::Data*> waiting;
    int remaining = 0;

    QMutex mutex;
    QWaitCondition finished;
    QQueue<Done> done;
    QThreadPool pool;
};
