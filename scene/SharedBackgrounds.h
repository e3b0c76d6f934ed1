#pragma once

#include "BackgroundPainter.h"

#include <QPixmap>
#include <QSize>

#include <deque>

// Pictures of backgrounds as painted at one size, shared by every item that paints
// the same background at that size: thousands of category headers of one cabinet
// are as wide as each other and keep one picture per look instead of one each.
// A short table of the latest pictures; GUI thread only.
class SharedBackgrounds
{
public:
    // `painter` painted into a transparent pixmap of `size`; null for an empty size.
    static QPixmap rendered(const BackgroundPainter& painter, const QSize& size);

private:
    struct Entry
    {
        BackgroundPainter painter;
        QSize size;
        QPixmap pixmap;
    };
    // Enough for the looks and widths the cabinets show at a time.
    static constexpr size_t kept = 64;
    static std::deque<Entry>& entries();
};
