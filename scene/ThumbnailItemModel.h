#pragma once

#include <QAbstractTableModel>

class AbstractThumbnailView;

// A view's items as a table for Qt's model/view classes, one row per item in display order.
class ThumbnailItemModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    explicit ThumbnailItemModel(AbstractThumbnailView* view);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

    // Everything attached re-reads the whole model; the view has no finer change signals.
    void reset();

private:
    AbstractThumbnailView* view;
};
