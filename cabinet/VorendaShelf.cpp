#include "VorendaShelf.h"

#include "AddProgressWidget.h"
#include "CabinetPanels.h"
#include "ShelfParts.h"
#include "CustomSortFilterProxyModel.h"
#include "DockableWidget.h"
#include "DovalinnailClient.h"
#include "FileInfoProvider.h"
#include "HelpWidget.h"
#include "KestrimnailClient.h"
#include "ListIteratorThread.h"
#include "MyCustomStyle.h"
#include "ObjectEventFilter.h"
#include "PersonalizationLink.h"
#include "QuickStartLink.h"
#include "PreferencesWidget.h"
#include "RecurseDirThread.h"
#include "SafariBookmarksParser.h"
#include "ShelfActions.h"
#include "SkinWidget.h"
#include "SkinWindow.h"
#include "SkinWindowResizeHandler.h"
#include "ThumbnailItemModel.h"
#include "VorendaGlobal.h"
#include "VorendaShelfLink.h"

#include <QAction>
#include <QCloseEvent>
#include <QDateTime>
#include <QDesktopServices>
#include <QDir>
#include <QScrollBar>
#include <QUrl>

VorendaShelf::VorendaShelf(QWidget* parent)
    : QWidget(parent)
{
    VorendaShelfLink::ensureInstalled();
    setupUi(this);
    parts = std::make_unique<ShelfParts>(*this);
    date = uint(QDateTime::currentSecsSinceEpoch());

    customStyle = std::make_unique<MyCustomStyle>();
    fileInfoProvider = std::make_unique<FileInfoProvider>();
    proxyModel = std::make_unique<CustomSortFilterProxyModel>();
    setUpProxyModel();
    textfont = font().family();

    setUpSearchBox();
    setUpNavigator();
    setUpView();

    frame = new DockableWidget(this, 0);
    connect(frame, &DockableWidget::shown, this, &VorendaShelf::onWindowShown);
    connect(frame, &DockableWidget::autoHideRequest, this, &VorendaShelf::onAutoHideRequest);
    frame->resizeOnScreen(40, 80);

    recurseDirThread = new RecurseDirThread(this);
    listIteratorThread = new ListIteratorThread(this);
    // One client of each thumbnail kind: web pages, videos, images, audio files.
    kestrimClient = new KestrimnailClient(this);
    tulmarClient = new TulmarnailClient(this);
    dovalinClient = new DovalinnailClient(this);
    sarnekClient = new SarneknailClient(this);
    bookmarksParser = new SafariBookmarksParser(this);
    weblocParser = new WeblocParser(this);
    parts->walks.setUp();

    ShelfActions::create(*this);
    parts->search.setUp();
    connect(view, &AbstractThumbnailView::itemSelected, this, &VorendaShelf::onItemSelected);
    connect(view, &AbstractThumbnailView::itemClicked, this, &VorendaShelf::onItemClicked);
    connect(view, &AbstractThumbnailView::itemDoubleClicked, this, &VorendaShelf::onItemDoubleClicked);
    connect(view, &AbstractThumbnailView::moveItem, this, &VorendaShelf::onMoveItem);
    setUpThumbSizeSlider();
    parts->items.setUp();
    parts->jobs.setUp();
    connect(thumbSizeSlider, &QAbstractSlider::valueChanged, this, &VorendaShelf::onThumbSizeChanged);
    parts->dataFile.setUp();

    const BackgroundPainter dark(QColor(0, 0, 0, 80));
    menuButtonBackground = BackgroundProperty(BackgroundPainter(), dark, dark, BackgroundPainter(), BackgroundPainter());
    skinBars();

    skin = new SkinWindow(this, this);
    skin->start(BackgroundPainter(), MarginProperty(0.0), false, false, false, false);

    matchesLabel->clear();
    onApplySettings();
    setUpMenus();
}

VorendaShelf::~VorendaShelf()
{
    parts->walks.stop();
}

void VorendaShelf::setUpProxyModel()
{
    proxyModel->setDynamicSortFilter(true);
    proxyModel->setSourceModel(view->model());
    proxyModel->setFilterKeyColumn(0);
    proxyModel->setFilterKeyColumns(QBitArray(), false);
    proxyModel->setSortCaseSensitivity(Qt::CaseInsensitive);
    // The expression carries the filter's case sensitivity, so it is set with it.
    proxyModel->setFilterRegExp(QRegExp(QString(), Qt::CaseInsensitive));
    proxyModel->setFilterRole(Qt::DisplayRole);
    proxyModel->setSortRole(Qt::DisplayRole);
    proxyModel->setDateTimeFilter(QDateTime(), QDateTime(), false);
}

void VorendaShelf::setUpSearchBox()
{
    searchBox->setAttribute(Qt::WA_MacShowFocusRect, false);
    searchBox->setSearchIcon(QPixmap(QStringLiteral(":/Resources/QuickSearch/searchMenu.png")));
    // The cabinet search answers the focus-out; the event goes on to the box.
    searchBoxFocusFilter = std::make_unique<ObjectEventFilter>(QEvent::FocusOut, false);
    searchBox->installEventFilter(searchBoxFocusFilter.get());
}

void VorendaShelf::setUpNavigator()
{
    navigator->hide();
    navigator->setEnabled(false);
    navigator->setLineWidth(3);
    navigator->setMidLineWidth(3);
    navigator->setMargin(MarginProperty(8.0), false);
    navigator->setSpacing(3, 3, false);
    connect(navigator, &AbstractThumbnailView::itemClicked, this, &VorendaShelf::onNavigatorItemClicked);
    connect(navigator, &AbstractThumbnailView::itemDoubleClicked, this, &VorendaShelf::onNavigatorItemDoubleClicked);
}

void VorendaShelf::setUpView()
{
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
    view->verticalScrollBar()->setStyle(customStyle.get());
    connect(view, &AbstractThumbnailView::deleteRequest, this, &VorendaShelf::onDeleteItemsRequest);
}

void VorendaShelf::setUpThumbSizeSlider()
{
    thumbSizeSlider->setMinimum(32);
    thumbSizeSlider->setMaximum(VorendaGlobal::SHELF_MAXTHUMBSIZE);
    thumbSizeSlider->setSingleStep(1);
    thumbSizeSliderFocusFilter = std::make_unique<ObjectEventFilter>(
        QEvent::FocusOut, this, SLOT(onFocusOutThumbSizeSlider(QEvent*)), true);
    thumbSizeSlider->installEventFilter(thumbSizeSliderFocusFilter.get());
    thumbSizeSlider->setValue(
        qBound(thumbSizeSlider->minimum(), VorendaGlobal::SHELF_THUMBSIZE / 2, thumbSizeSlider->maximum()));
    thumbSizeSlider->setStyle(customStyle.get());
    // Connected to the slider's valueChanged only after the starting value is set,
    // so that building the window resizes nothing.
    const bool resizable = VorendaGlobal::SHELF_MAXTHUMBSIZE > 32;
    thumbSizeSlider->setEnabled(resizable);
    thumbSizeFrame->setVisible(resizable);
}

void VorendaShelf::initialize()
{
    load(ShelfDataFile::path(*this));
    onApplyStyle(style, AllElements, true);
    onApplySettings();
    committedStyle = style;
}

void VorendaShelf::show()
{
    frame->show();
}

QString VorendaShelf::logPrefix() const
{
    return QStringLiteral("VorendaShelf (%1): ").arg(name);
}

void VorendaShelf::quit()
{
    VorendaGlobal::addToLog(logPrefix() + QStringLiteral("About to quit"));
    // The helpers' work is dropped before the save: nothing arrives half-way through it.
    parts->jobs.abort();
    // Cabinets live until the process ends: their picture workers must end now.
    parts->dataFile.stopPictures();
    save();
    VorendaGlobal::addToLog(logPrefix() + QStringLiteral("Ready to quit"));
}

void VorendaShelf::endSession()
{
    VorendaGlobal::addToLog(logPrefix() + QStringLiteral("About to end session"));
    sessionEnding = true;
}

void VorendaShelf::onWindowShown()
{
    BackgroundPainter painter = skin->getSkin();
    BorderPainter border = painter.borderPainter();
    SkinWindowResizeHandler* handler = skin->getResizeHandler();
    if (!frame->isMaximized()) {
        border.setRadius(10.0);
        painter.setBorderPainter(border);
        skin->setSkin(painter, true);
        if (handler) {
            handler->setResizeEnabled(!kiosk, 0);
            handler->setMovingEnabled(!kiosk);
        }
    } else {
        border.setRadius(0.0);
        painter.setBorderPainter(border);
        skin->setSkin(painter, true);
        if (handler) {
            handler->setResizeEnabled(false, 0);
            handler->setMovingEnabled(false);
        }
    }
    fullScreenAction->setText(frame->isMaximized() ? tr("Show Normal") : tr("Show Full Screen"));
    const bool bottomBar = !hidebottombar && !(hidecabinetinfo && hidethumbsizeslider);
    bottomFrame->setEnabled(bottomBar);
    bottomFrame->setVisible(bottomBar);
    emit shelfShown(this);
}

bool VorendaShelf::event(QEvent* event)
{
    if (event->type() != QEvent::WindowActivate)
        return QWidget::event(event);
    // The view's scene is activated first, so that the focus given to the view reaches
    // the item that asked for it meanwhile, such as a category name being edited.
    const bool handled = QWidget::event(event);
    // The panels that work on a cabinet stay above the cabinets.
    CabinetPanels::raise();
    view->setFocus(Qt::ActiveWindowFocusReason);
    if (statusMessageShown)
        updateStatusLabel();
    return handled;
}

void VorendaShelf::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    switch (VorendaGlobal::searchBoxOption) {
    case 0: {
        onShowRecentlyOpened();
        const QList<AbstractThumbnailItem*> filter = view->getFilter();
        if (filter.isEmpty() || !filter.first())
            onClearSearch();
        view->selectFirstVisibleItem();
        break;
    }
    case 1:
        onClearSearch();
        view->selectFirstVisibleItem();
        break;
    default:
        break;
    }
}

void VorendaShelf::hideEvent(QHideEvent* event)
{
    event->accept();
}

void VorendaShelf::closeEvent(QCloseEvent* event)
{
    if (!kiosk)
        frame->hide();
    VorendaGlobal::addToLog(logPrefix() + QStringLiteral("Close event because of ending session? %1")
                                              .arg(sessionEnding ? QStringLiteral("Yes") : QStringLiteral("No")));
    if (sessionEnding)
        event->accept();
    else
        event->ignore();
}

void VorendaShelf::onHomePage()
{
    QDesktopServices::openUrl(QUrl(VorendaGlobal::homepageUrl));
}

void VorendaShelf::onHelp()
{
    if (HelpWidget* help = HelpWidget::instance())
        help->show();
}

void VorendaShelf::onQuickStart()
{
    QuickStartLink* quickStart = QuickStartLink::installed();
    if (!kiosk && quickStart)
        quickStart->show(this);
}

void VorendaShelf::onPreferences()
{
    if (PreferencesWidget* preferences = PreferencesWidget::instance())
        preferences->show(VorendaGlobal::main, 0);
}

void VorendaShelf::onSendFeedback()
{
    QDesktopServices::openUrl(
        QUrl(tr("mailto:support@vorenda.org?Subject=Customer Feedback&Message=' '")));
}
