#include "ShelfFormSetup.h"

#include "CustomSortFilterProxyModel.h"
#include "MyCustomStyle.h"
#include "MyThumbnailView.h"
#include "NavigatorView.h"
#include "ObjectEventFilter.h"
#include "SearchBox.h"
#include "ShelfStatusBar.h"
#include "ThumbnailItemModel.h"
#include "VorendaGlobal.h"
#include "VorendaShelf.h"

#include <QDateTime>
#include <QScrollBar>

void ShelfFormSetup::proxyModel(VorendaShelf& shelf)
{
    CustomSortFilterProxyModel* proxy = shelf.proxyModel.get();
    proxy->setDynamicSortFilter(true);
    proxy->setSourceModel(shelf.view->model());
    proxy->setFilterKeyColumn(0);
    proxy->setFilterKeyColumns(QBitArray(), false);
    proxy->setSortCaseSensitivity(Qt::CaseInsensitive);
    // The expression carries the filter's case sensitivity, so it is set with it.
    proxy->setFilterRegExp(QRegExp(QString(), Qt::CaseInsensitive));
    proxy->setFilterRole(Qt::DisplayRole);
    proxy->setSortRole(Qt::DisplayRole);
    proxy->setDateTimeFilter(QDateTime(), QDateTime(), false);
}

void ShelfFormSetup::searchBox(VorendaShelf& shelf)
{
    SearchBox* box = shelf.searchBox;
    box->setAttribute(Qt::WA_MacShowFocusRect, false);
    box->setSearchIcon(QPixmap(QStringLiteral(":/Resources/QuickSearch/searchMenu.png")));
    // The cabinet search answers the focus-out; the event goes on to the box.
    shelf.searchBoxFocusFilter = std::make_unique<ObjectEventFilter>(QEvent::FocusOut, false);
    box->installEventFilter(shelf.searchBoxFocusFilter.get());
}

void ShelfFormSetup::navigator(VorendaShelf& shelf)
{
    NavigatorView* navigator = shelf.navigator;
    navigator->hide();
    navigator->setEnabled(false);
    navigator->setLineWidth(3);
    navigator->setMidLineWidth(3);
    navigator->setMargin(MarginProperty(8.0), false);
    navigator->setSpacing(3, 3, false);
    QObject::connect(navigator, &AbstractThumbnailView::itemClicked, &shelf, &VorendaShelf::onNavigatorItemClicked);
    QObject::connect(navigator, &AbstractThumbnailView::itemDoubleClicked, &shelf,
                     &VorendaShelf::onNavigatorItemDoubleClicked);
}

void ShelfFormSetup::view(VorendaShelf& shelf)
{
    MyThumbnailView* view = shelf.view;
    view->scene()->setItemIndexMethod(QGraphicsScene::NoIndex);
    view->setLineWidth(3);
    view->setMidLineWidth(3);
    const double side = qMax(VorendaGlobal::SHELF_ANGLE - 5, 5);
    view->setMargin(MarginProperty(0.0, side, 10.0, side), false);
    view->setSpacing(0, 10, false);
    view->setCategorySpacing(0.0);
    view->setShowCategories(true);
    view->setShelfHeight(VorendaGlobal::SHELF_HEIGHT, true);
    view->setShelfMargin(VorendaGlobal::SHELF_MARGIN, true);
    view->setShelfAngle(VorendaGlobal::SHELF_ANGLE, true);
    view->setShelfThickness(VorendaGlobal::SHELF_THICKNESS, true);
    view->setDragMode(QGraphicsView::NoDrag);
    view->setAutoExpandCategories(false);
    view->verticalScrollBar()->setSingleStep(1);
    view->verticalScrollBar()->setStyle(shelf.customStyle.get());
    QObject::connect(view, &AbstractThumbnailView::deleteRequest, &shelf, &VorendaShelf::onDeleteItemsRequest);
}

void ShelfFormSetup::thumbSizeSlider(VorendaShelf& shelf)
{
    QSlider* slider = shelf.thumbSizeSlider;
    slider->setMinimum(32);
    slider->setMaximum(VorendaGlobal::SHELF_MAXTHUMBSIZE);
    slider->setSingleStep(1);
    // The slider's focus-out is swallowed once the cabinet has answered it.
    shelf.thumbSizeSliderFocusFilter = std::make_unique<ObjectEventFilter>(QEvent::FocusOut, true);
    QObject::connect(shelf.thumbSizeSliderFocusFilter.get(), &ObjectEventFilter::filterEvent, &shelf,
                     &VorendaShelf::onFocusOutThumbSizeSlider);
    slider->installEventFilter(shelf.thumbSizeSliderFocusFilter.get());
    // Each move of the user's passes here before the value changes.
    QObject::connect(slider, &QAbstractSlider::actionTriggered, &shelf,
                     [&shelf](int) { ShelfStatusBar(shelf).refuseMoveWhileLocked(); });
    slider->setValue(qBound(slider->minimum(), VorendaGlobal::SHELF_THUMBSIZE / 2, slider->maximum()));
    slider->setStyle(shelf.customStyle.get());
    const bool resizable = VorendaGlobal::SHELF_MAXTHUMBSIZE > 32;
    slider->setEnabled(resizable);
    shelf.thumbSizeFrame->setVisible(resizable);
}
