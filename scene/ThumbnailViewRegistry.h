#pragma once

#include <QList>
#include <QtGlobal>

class AbstractThumbnailView;

// The views alive in this process. Drag and clipboard data name their source view by
// its address; only an address found here may be used as a view.
class ThumbnailViewRegistry
{
public:
    static void add(AbstractThumbnailView* view);
    static void remove(AbstractThumbnailView* view);
    // The identity written into drag and clipboard data.
    static qint64 identity(const AbstractThumbnailView* view);
    // The live view with that identity; null for 0 or an unknown one.
    static AbstractThumbnailView* find(qint64 identity);
    // Every live view, in no particular order.
    static QList<AbstractThumbnailView*> all();
};
