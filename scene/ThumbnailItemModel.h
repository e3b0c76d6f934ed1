#pragma once

#include <QAbstractTableModel>

class AbstractThumbnailView;

// A view's items as a table for Qt's model/view classes, one row per item in display order.
class ThumbnailItemModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    // Date cells as the same moment as their display value, but in UTC: made without
    // the local time zone, which the C library looks up again for every conversion.
    // Cells that are no dates have no value in this role.
    static constexpr int UtcDateRole = 34;

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
