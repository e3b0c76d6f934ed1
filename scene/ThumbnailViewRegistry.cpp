#include "ThumbnailViewRegistry.h"

#include <QHash>

namespace {
QHash<qint64, AbstractThumbnailView*>& liveViews()
{
    static QHash<qint64, AbstractThumbnailView*> views;
    return views;
}
}

void ThumbnailViewRegistry::add(AbstractThumbnailView* view)
{
    if (view)
        liveViews().insert(identity(view), view);
}

void ThumbnailViewRegistry::remove(AbstractThumbnailView* view)
{
    liveViews().remove(identity(view));
}

qint64 ThumbnailViewRegistry::identity(const AbstractThumbnailView* view)
{
    return qint64(reinterpret_cast<quintptr>(view));
}

AbstractThumbnailView* ThumbnailViewRegistry::find(qint64 identity)
{
    if (identity == 0)
        return nullptr;
    return liveViews().value(identity, nullptr);
}

QList<AbstractThumbnailView*> ThumbnailViewRegistry::all()
{
    return liveViews().values();
}
