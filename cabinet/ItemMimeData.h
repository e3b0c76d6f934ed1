#pragma once

#include <QList>

class AbstractThumbnailItem;
class QMimeData;

// What other programs understand of items dragged or copied out of a cabinet: file
// URLs for items whose file exists, and for the others (web links, files gone) the web
// address formats, the X11 link formats and their targets as plain text.
class ItemMimeData {
public:
    // Adds those formats to `mimeData`, which already holds the view's own; items that
    // are no cabinet items are skipped.
    static void addOutsideFormats(const QList<AbstractThumbnailItem*>& items, QMimeData* mimeData);
};
