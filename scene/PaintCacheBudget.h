#pragma once

#include <QHash>

#include <list>

// Bounds the memory that items spend on cached paint results. Items report the bytes
// they hold each time they paint; when the total passes the limit, the items painted
// longest ago drop their caches. So visible items paint from their caches while a
// cabinet of tens of thousands of items never holds them all.
class PaintCacheBudget
{
public:
    class Client
    {
    public:
        // Frees every cached paint result; the next paint rebuilds them.
        virtual void releasePaintCache() = 0;

    protected:
        ~Client() = default;
    };

    static PaintCacheBudget& instance();

    // Marks `client` as painted just now, holding `bytes`; evicts others while over the limit.
    void touch(Client* client, qint64 bytes);
    // The client dropped its caches or is going away.
    void remove(Client* client);

    void setLimit(qint64 bytes);
    qint64 limit() const { return limitBytes; }
    qint64 used() const { return usedBytes; }
    int count() const { return entries.size(); }

private:
    struct Entry
    {
        std::list<Client*>::iterator position;
        qint64 bytes = 0;
    };

    void evict(const Client* keep);

    std::list<Client*> order; // least recently painted first
    QHash<Client*, Entry> entries;
    qint64 usedBytes = 0;
    qint64 limitBytes = 64 * 1024 * 1024;
};
