#pragma once

#include <QPixmap>
#include <QSize>

// The last scaled copy of one pixmap, so that painting the same size again skips
// the smooth scaling.
class ScaledPixmapCache
{
public:
    bool holds(const QSize& size) const { return !m_pixmap.isNull() && m_size == size; }
    const QPixmap& pixmap() const { return m_pixmap; }
    void store(const QSize& size, const QPixmap& pixmap)
    {
        m_size = size;
        m_pixmap = pixmap;
    }

private:
    QSize m_size;
    QPixmap m_pixmap;
};
