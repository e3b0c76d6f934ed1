#include "ThumbnailView.h"

#include "ThumbnailItem.h"

#include <QDataStream>

ThumbnailView::ThumbnailView(QWidget* parent)
    : AbstractThumbnailView(parent)
{
    setObjectName(QStringLiteral("thumbnailview"));
}

int ThumbnailView::modelColumnCount() const
{
    return 1;
}

AbstractThumbnailItem* ThumbnailView::createItem(QByteArray& data, int)
{
    QDataStream stream(&data, QIODevice::ReadOnly);
    stream.setVersion(QDataStream::Qt_5_15);
    QString kind;
    stream >> kind;
    auto* item = new ThumbnailItem;
    if (stream.status() != QDataStream::Ok || kind != item->getMimeType()) {
        delete item;
        return nullptr;
    }
    item->read(stream);
    if (stream.status() != QDataStream::Ok) {
        qWarning("ThumbnailView: damaged item data skipped");
        delete item;
        return nullptr;
    }
    return item;
}
