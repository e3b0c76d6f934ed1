#pragma once

#include "SceneFixtures.h"
#include "TextItem.h"

#include <QApplication>
#include <QDragEnterEvent>
#include <QGraphicsScene>
#include <QMimeData>
#include <QtTest>

// A header tall enough to be hit: it carries a text item.
inline CategoryHeaderItem* makeTextHeader(const QString& name)
{
    CategoryHeaderItem* header = makeHeader(name);
    header->setTextItem(new TextItem(true, true), MarginProperty(0.0));
    return header;
}

// Shows a view 210 wide, so items 40 wide with spacings of 10 go four to a row at
// x = 5, 55, 105, 155, and makes its scene active so that items can take the focus.
inline bool showGrid(AbstractThumbnailView& view, int height = 400)
{
    view.setSpacing(10.0, 10.0, false);
    view.resize(210, height);
    view.show();
    if (!QTest::qWaitForWindowExposed(&view))
        return false;
    view.activateWindow();
    const bool active = QTest::qWaitForWindowActive(&view, 1000);
    Q_UNUSED(active)
    if (!view.scene()->isActive()) {
        QEvent activate(QEvent::WindowActivate);
        QApplication::sendEvent(view.scene(), &activate);
    }
    // The view holds the focus before any item exists, so no click brings a focus-in.
    view.setFocus(Qt::OtherFocusReason);
    QApplication::processEvents();
    view.updateLayout();
    return view.scene()->isActive();
}

inline QList<ThumbnailItem*> addItems(AbstractThumbnailView& view, int count, int key = -1)
{
    QList<ThumbnailItem*> items;
    for (int i = 0; i < count; ++i) {
        items << makeItem(40, 40, key, QString());
        items.last()->setData(0, i);
        view.addItem(items.last(), false);
    }
    view.resetModel();
    view.updateLayout();
    return items;
}

// The centre of an item in viewport coordinates.
inline QPoint centreOf(const AbstractThumbnailView& view, const QGraphicsItem* item)
{
    return view.mapFromScene(item->sceneBoundingRect().center());
}

// Answers a view's questions the way a lenient owner would.
struct ViewOwner
{
    bool acceptUrls = true;
    bool allowMoves = true;
    bool allowDelete = true;
    int deleteRequests = 0;
    int moveRequests = 0;
    int urlQuestions = 0;
    int itemBlocks = 0;
    QList<QUrl> createdUrls;
    QStringList createdNames;

    void attach(AbstractThumbnailView* view)
    {
        QObject::connect(view, &AbstractThumbnailView::acceptDropUrl, view, [this](QUrl, QString, bool* ok) {
            ++urlQuestions;
            *ok = acceptUrls;
        });
        QObject::connect(view, QOverload<QUrl, QString, int, AbstractThumbnailItem**>::of(&AbstractThumbnailView::createItem),
                         view, [this](QUrl url, QString name, int key, AbstractThumbnailItem** item) {
                             ThumbnailItem* made = makeItem(40, 40, key, QString());
                             made->setToolTip(url.toString());
                             createdUrls << url;
                             made->setData(0, 1000 + createdUrls.count());
                             createdNames << name;
                             *item = made;
                         });
        QObject::connect(view, QOverload<QByteArray, int, AbstractThumbnailItem**>::of(&AbstractThumbnailView::createItem),
                         view, [this, view](QByteArray data, int key, AbstractThumbnailItem** item) {
                             ++itemBlocks;
                             *item = view->createItem(data, key);
                         });
        QObject::connect(view, &AbstractThumbnailView::moveItem, view,
                         [this](AbstractThumbnailItem*, int, AbstractThumbnailView*, bool* ok) {
                             ++moveRequests;
                             *ok = allowMoves;
                         });
        QObject::connect(view, &AbstractThumbnailView::deleteRequest, view,
                         [this](QList<AbstractThumbnailItem*>, bool* ok) {
                             ++deleteRequests;
                             *ok = allowDelete;
                         });
    }
};

// Drags data over a view and drops it at a viewport point; true when the drop was taken.
inline bool dropAt(AbstractThumbnailView& view, const QPoint& pos, const QMimeData* data,
                   bool* enterAccepted = nullptr)
{
    QDragEnterEvent enter(pos, Qt::CopyAction, data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(view.viewport(), &enter);
    if (enterAccepted)
        *enterAccepted = enter.isAccepted();
    QDragMoveEvent move(pos, Qt::CopyAction, data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(view.viewport(), &move);
    QDropEvent drop(pos, Qt::CopyAction, data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(view.viewport(), &drop);
    return drop.isAccepted();
}

// The items of a category list by the numbers they were made with.
inline QList<int> numbers(const QList<AbstractThumbnailItem*>& items)
{
    QList<int> result;
    for (const AbstractThumbnailItem* item : items)
        result << (item ? item->data(0).toInt() : -1);
    return result;
}
