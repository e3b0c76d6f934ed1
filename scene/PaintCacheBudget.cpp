#include "PaintCacheBudget.h"

PaintCacheBudget& PaintCacheBudget::instance()
{
    static PaintCacheBudget budget;
    return budget;
}

void PaintCacheBudget::touch(Client* client, qint64 bytes)
{
    if (!client)
        return;
    auto found = entries.find(client);
    if (found == entries.end()) {
        order.push_back(client);
        found = entries.insert(client, Entry{std::prev(order.end()), 0});
    } else {
        order.splice(order.end(), order, found->position);
    }
    usedBytes += bytes - found->bytes;
    found->bytes = bytes;
    evict(client);
}

void PaintCacheBudget::remove(Client* client)
{
    const auto found = entries.find(client);
    if (found == entries.end())
        return;
    usedBytes -= found->bytes;
    order.erase(found->position);
    entries.erase(found);
}

void PaintCacheBudget::setLimit(qint64 bytes)
{
    limitBytes = qMax<qint64>(0, bytes);
    evict(nullptr);
}

void PaintCacheBudget::evict(const Client* keep)
{
    while (usedBytes > limitBytes && !order.empty() && order.front() != keep) {
        Client* oldest = order.front();
        remove(oldest);
        oldest->releasePaintCache();
    }
}
