#include "ThumbnailItemModel.h"

#include "AbstractThumbnailItem.h"
#include "AbstractThumbnailView.h"

ThumbnailItemModel::ThumbnailItemModel(AbstractThumbnailView* view)
    : QAbstractTableModel(view)
    , view(view)
{
}

int ThumbnailItemModel::rowCount(const QModelIndex&) const
{
    return view ? view->modelRowCount() : 0;
}

int ThumbnailItemModel::columnCount(const QModelIndex&) const
{
    return view ? view->modelColumnCount() : 0;
}

QVariant ThumbnailItemModel::data(const QModelIndex& index, int role) const
{
    if (!view || !index.isValid() || index.row() < 0 || index.column() < 0)
        return QVariant();
    const AbstractThumbnailItem* item = view->itemAt(index.row());
    return item ? item->getData(index.column(), role) : QVariant();
}

QVariant ThumbnailItemModel::headerData(int, Qt::Orientation, int) const
{
    return QVariant();
}

void ThumbnailItemModel::reset()
{
    beginResetModel();
    endResetModel();
}
