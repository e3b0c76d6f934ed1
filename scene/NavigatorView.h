#pragma once

#include "BackgroundPainter.h"
#include "ThumbnailView.h"

#include <QPixmap>
#include <QPointer>

// The cabinet's side strip: a scene view of one-line entries over a background that
// stays in place while they scroll. Of the keys it only takes Space, which asks for the
// information of the selected entry, or of the one under the pointer.
class NavigatorView : public ThumbnailView
{
    Q_OBJECT

public:
    explicit NavigatorView(QWidget* parent = nullptr);

    void setBackgroundPainter(const BackgroundPainter& painter);
    BackgroundPainter getBackgroundPainter() const { return backgroundPainter; }
    QPixmap getBackgroundPixmap() const { return stripPixmap; }

    void hoverEnterEvent(AbstractThumbnailItem* item, QGraphicsSceneHoverEvent* event) override;
    void hoverLeaveEvent(AbstractThumbnailItem* item, QGraphicsSceneHoverEvent* event) override;
    using AbstractThumbnailView::hoverEnterEvent;
    using AbstractThumbnailView::hoverLeaveEvent;

signals:
    void showItemInfo(AbstractThumbnailItem* item);

public slots:
    void updateLayout() override;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void drawBackground(QPainter* painter, const QRectF& rect) override;

private:
    void adjustBackground(bool force);

    BackgroundPainter backgroundPainter;
    QPixmap stripPixmap;
    // The entry under the pointer, as the hover events tell it.
    QPointer<AbstractThumbnailItem> pointedItem;
};
