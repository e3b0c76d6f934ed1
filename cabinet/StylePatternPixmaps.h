#pragma once

#include <QPixmap>
#include <QString>

// The pictures of style patterns, decoded once for each version of their file: a
// style reaches the cabinet's painters and every category header, and a user's
// pattern file may be anything, so it is read through the bounded image reader.
class StylePatternPixmaps
{
public:
    // The pattern at `path`; null for no path, or a file that is no readable picture
    // (logged once for each version of the file).
    static QPixmap pixmap(const QString& path);
};
