#pragma once

#include "AbstractThumbnailView.h"

// The concrete view of plain thumbnail items, used by panels and dialogs and as a base.
class ThumbnailView : public AbstractThumbnailView
{
    Q_OBJECT

public:
    explicit ThumbnailView(QWidget* parent = nullptr);

    int modelColumnCount() const override;
    using AbstractThumbnailView::createItem;
    // Reads one item block (kind name, then the item stream); null for any other kind.
    AbstractThumbnailItem* createItem(QByteArray& data, int categoryKey) override;
};
