#include "NineSlice.h"

namespace NineSlice {

QVector<QImage> cut(const QImage& frame, int corner)
{
    const int w = frame.width();
    const int h = frame.height();
    const int midX = w / 2;
    const int midY = h / 2;
    return {
        frame.copy(0, 0, corner, corner),                 // top-left
        frame.copy(midX, 0, 1, corner),                   // top
        frame.copy(w - corner, 0, corner, corner),        // top-right
        frame.copy(w - corner, midY, corner, 1),          // right
        frame.copy(w - corner, h - corner, corner, corner), // bottom-right
        frame.copy(midX, h - corner, 1, corner),          // bottom
        frame.copy(0, h - corner, corner, corner),        // bottom-left
        frame.copy(0, midY, corner, 1),                   // left
    };
}

const QVector<const char*>& pieceNames()
{
    static const QVector<const char*> names = {"TopLeft",     "Top",    "TopRight",   "Right",
                                               "BottomRight", "Bottom", "BottomLeft", "Left"};
    return names;
}

} // namespace NineSlice
