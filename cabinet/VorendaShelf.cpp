#include "VorendaShelf.h"

#include "CabinetPanels.h"
#include "CategoryHeaderItem.h"
#include "CustomSortFilterProxyModel.h"
#include "DockableWidget.h"
#include "FileInfoProvider.h"
#include "HelpWidget.h"
#include "ListIteratorThread.h"
#include "MyCustomStyle.h"
#include "MyThumbnailView.h"
#include "ObjectEventFilter.h"
#include "PreferencesWidget.h"
#include "QuickStartLink.h"
#include "RecurseDirThread.h"
#include "SafariBookmarksParser.h"
#include "ShelfActions.h"
#include "ShelfFormSetup.h"
#include "ShelfLog.h"
#include "ShelfParts.h"
#include "ShelfSkin.h"
#include "SkinWidget.h"
#include "SkinWindow.h"
#include "SkinWindowResizeHandler.h"
#include "VorendaGlobal.h"
#include "VorendaShelfLink.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QDateTime>
#include <QDesktopServices>
#include <QGraphicsSceneContextMenuEvent>
#include <QMimeData>
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
    ShelfFormSetup::proxyModel(*this);
    textfont = font().family();

    ShelfFormSetup::searchBox(*this);
    ShelfFormSetup::navigator(*this);
    ShelfFormSetup::view(*this);

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
    ShelfFormSetup::thumbSizeSlider(*this);
    parts->items.setUp();
    parts->jobs.setUp();
    connect(thumbSizeSlider, &QAbstractSlider::valueChanged, this, &VorendaShelf::onThumbSizeChanged);
    parts->dataFile.setUp();

    const BackgroundPainter dark(QColor(0, 0, 0, 80));
    menuButtonBackground = BackgroundProperty(BackgroundPainter(), dark, dark, BackgroundPainter(), BackgroundPainter());
    ShelfSkin(*this).skinBars();

    skin = new SkinWindow(this, this);
    const bool alphaBlend = false;
    const bool fixedSize = false;
    const bool noDragMove = false;
    const bool translucent = false;
    skin->start(BackgroundPainter(), MarginProperty(0.0), alphaBlend, fixedSize, noDragMove, translucent);

    matchesLabel->clear();
    onApplySettings();

    connect(view, &AbstractThumbnailView::showContextMenu, this, &VorendaShelf::onShowContextMenu);
    connect(view, &AbstractThumbnailView::showItemContextMenu, this, &VorendaShelf::onShowItemContextMenu);
    connect(view, &AbstractThumbnailView::showCategoryContextMenu, this, &VorendaShelf::onShowCategoryContextMenu);
    connect(view, &AbstractThumbnailView::setMimeData, this, &VorendaShelf::onSetMimeData);
    connect(cabinetMenuButtonSkin, &SkinWidget::clicked, this, &VorendaShelf::onCabinetMenu);
    connect(categoriesMenuButtonSkin, &SkinWidget::clicked, this, &VorendaShelf::onCategoriesMenu);
    connect(itemsMenuButtonSkin, &SkinWidget::clicked, this, &VorendaShelf::onItemsMenu);
    connect(viewMenuButtonSkin, &SkinWidget::clicked, this, &VorendaShelf::onViewMenu);
    connect(personalizeMenuButtonSkin, &SkinWidget::clicked, this, &VorendaShelf::onPersonalizeMenu);
    connect(helpMenuButtonSkin, &SkinWidget::clicked, this, &VorendaShelf::onHelpMenu);
    connect(QApplication::clipboard(), &QClipboard::changed, this, &VorendaShelf::onClipboardChanged);
    onClipboardChanged(QClipboard::Clipboard);
}

VorendaShelf::~VorendaShelf()
{
    parts->walks.stop();
}

void VorendaShelf::initialize()
{
    load(ShelfDataFile::path(*this));
    committedStyle = style;
    // The session ends: a cabinet read only in part is never shown, nor styled.
    if (parts->dataFile.wasCutShort())
        return;
    onApplyStyle(style, AllElements, true);
    onApplySettings();
    committedStyle = style;
}

void VorendaShelf::show()
{
    frame->show();
}

void VorendaShelf::quit()
{
    ShelfLog::write(*this, QStringLiteral("About to quit"));
    // The helpers' work is dropped before the save: nothing arrives half-way through it.
    parts->jobs.abort();
    // Cabinets live until the process ends: their picture workers must end now.
    parts->dataFile.stopPictures();
    save();
    ShelfLog::write(*this, QStringLiteral("Ready to quit"));
}

void VorendaShelf::endSession()
{
    ShelfLog::write(*this, QStringLiteral("About to end session"));
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
    ShelfLog::write(*this, QStringLiteral("Close event because of ending session? %1")
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
