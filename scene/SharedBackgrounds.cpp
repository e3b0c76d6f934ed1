#include "SharedBackgrounds.h"

#include <QCoreApplication>
#include <QPainter>

std::deque<SharedBackgrounds::Entry>& SharedBackgrounds::entries()
{
    static std::deque<Entry> table;
    // Pictures go before the application object does, not after it.
    static const bool cleared = [] {
        qAddPostRoutine([] { entries().clear(); });
        return true;
    }();
    Q_UNUSED(cleared);
    return table;
}

QPixmap SharedBackgrounds::rendered(const BackgroundPainter& painter, const QSize& size)
{
    if (size.isEmpty())
        return QPixmap();
    std::deque<Entry>& table = entries();
    for (auto it = table.begin(); it != table.end(); ++it) {
        if (it->size == size && it->painter == painter) {
            // The latest used stays longest.
            Entry found = std::move(*it);
            table.erase(it);
            table.push_front(std::move(found));
            return table.front().pixmap;
        }
    }
    QPixmap pixmap(size);
    if (pixmap.isNull())
        return pixmap;
    pixmap.fill(Qt::transparent);
    QPainter pixmapPainter(&pixmap);
    painter.paint(&pixmapPainter, QRectF(QPointF(0.0, 0.0), QSizeF(size)));
    pixmapPainter.end();
    table.push_front(Entry{painter, size, pixmap});
    if (table.size() > kept)
        table.pop_back();
    return pixmap;
}
