#pragma once

#include <QList>
#include <QSet>
#include <QString>

class AbstractThumbnailItem;
class QMimeData;

// Items cut or copied out of a cabinet live on in the clipboard's data, and a paste
// brings them back with their cached pictures: while the clipboard holds them, they
// are users of those pictures like the items of any cabinet.
class ClipboardPictures
{
public:
    // Notes in `data` the cached pictures that `items` show.
    static void note(const QList<AbstractThumbnailItem*>& items, QMimeData* data);
    // The cache files that the items of ours on the clipboard show.
    static QSet<QString> held();
};
