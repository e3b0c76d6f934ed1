#pragma once

#include <QHash>
#include <QList>
#include <QMultiHash>
#include <QString>

// The job records of a thumbnail client: the batch in the helper's hands and the
// records waiting for the next one. Both may hold a key more than once. The tables
// own their records.
template <typename Data>
class ThumbnailJobTables
{
public:
    ThumbnailJobTables() = default;
    ThumbnailJobTables(const ThumbnailJobTables&) = delete;
    ThumbnailJobTables& operator=(const ThumbnailJobTables&) = delete;
    ~ThumbnailJobTables() { deleteAll(); }

    // A key that already waits gets the new record beside the old one. Null records are dropped.
    void addWaiting(const QHash<QString, Data*>& items)
    {
        for (auto it = items.cbegin(); it != items.cend(); ++it)
            if (it.value())
                waiting.insert(it.key(), it.value());
    }

    void deleteRunning()
    {
        qDeleteAll(running);
        running.clear();
    }

    void deleteAll()
    {
        deleteRunning();
        qDeleteAll(waiting);
        waiting.clear();
    }

    // The waiting records become the running batch; true when it holds any.
    bool takeWaiting()
    {
        deleteRunning();
        running.swap(waiting);
        return !running.isEmpty();
    }

    const QMultiHash<QString, Data*>& runningRecords() const { return running; }

    // The record that a line for `key` delivers, removed from the batch: of several
    // records under the key the one added last; the others are deleted. Null when the
    // batch has no such key.
    Data* takeRunning(const QString& key)
    {
        QList<Data*> records = running.values(key); // newest first
        if (records.isEmpty())
            return nullptr;
        running.remove(key);
        Data* record = records.takeFirst();
        qDeleteAll(records);
        return record;
    }

private:
    QMultiHash<QString, Data*> running;
    QMultiHash<QString, Data*> waiting;
};
