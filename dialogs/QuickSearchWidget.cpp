#include "QuickSearchWidget.h"

#include "AbstractThumbnailView.h"
#include "CabinetLink.h"
#include "DynamicAction.h"
#include "ImageResource.h"
#include "QuickSearchProvider.h"
#include "ScreenFunctions.h"
#include "SkinWidget.h"
#include "SkinWindow.h"
#include "VorendaGlobal.h"

#include <QCloseEvent>
#include <QDesktopServices>
#include <QFontMetrics>
#include <QIcon>
#include <QKeyEvent>
#include <QMenu>
#include <QTimer>
#include <QUrl>

QuickSearchWidget* QuickSearchWidget::widgetInstance = nullptr;

namespace {

// The arguments every show and hide of the window passes.
constexpr int effectDuration = 300;
constexpr int effectInterval = 10;

} // namespace

QuickSearchWidget::QuickSearchWidget(QWidget* parent)
    : QWidget(parent)
{
    settings.beginGroup(QStringLiteral("QuickSearch"));
    setupUi(this);

    searchTimer = new QTimer(this);
    searchTimer->setSingleShot(true);
    searchTimer->setInterval(searchDelay);
    connect(searchTimer, &QTimer::timeout, this, &QuickSearchWidget::searchEdited);

    createProviders();
    createProviderMenu();

    setWindowIcon(QIcon());
    skinWindow = VorendaGlobal::skinWindow(this, true);
    titleSkin = VorendaGlobal::skinTitle(title, false);
    VorendaGlobal::skinFrame(titleFrame);
    VorendaGlobal::skinCloseButton(closeButton);
    VorendaGlobal::skinLabel(matchesLabel, 8, Qt::AlignCenter, false);
    searchBox->setAttribute(Qt::WA_MacShowFocusRect, false);
    searchBox->setSearchIcon(QPixmap(QStringLiteral(":/Resources/QuickSearch/searchMenu.png")));
    fitWidth();

    connect(closeButton, &QPushButton::clicked, this, &QWidget::close);
    connect(searchBox, &QLineEdit::textEdited, this, qOverload<const QString&>(&QuickSearchWidget::textEdited));
    connect(searchBox, &SearchBox::textCleared, this, qOverload<>(&QuickSearchWidget::textEdited));
    connect(searchBox, &QLineEdit::returnPressed, this, &QuickSearchWidget::returnPressed);
    connect(searchBox, &SearchBox::searchButtonClicked, this, &QuickSearchWidget::searchButtonClicked);

    searchType = settings.value(QStringLiteral("SearchProvider"), 0).toInt();
    searchTypeChanged(searchType);
    placeWindow();
    windowRect = geometry();
}

QuickSearchWidget::~QuickSearchWidget()
{
    if (widgetInstance == this)
        widgetInstance = nullptr;
    delete menu;
    qDeleteAll(providers);
    providers.clear();
    delete skinWindow;
}

QuickSearchWidget* QuickSearchWidget::instance()
{
    if (!widgetInstance)
        widgetInstance = new QuickSearchWidget();
    return widgetInstance;
}

bool QuickSearchWidget::visible()
{
    return instance()->isVisible();
}

bool QuickSearchWidget::searchPending() const
{
    return searchTimer->isActive();
}

void QuickSearchWidget::fitWidth()
{
    // The label keeps room for its longest text, so the window's width does not change
    // with the provider; the form's width is the least.
    const QFontMetrics metrics(VorendaGlobal::getNormalFont(false, QString()));
    matchesLabel->setMinimumWidth(metrics.horizontalAdvance(tr("Results will be shown in your web browser")) + 4);
    setFixedHeight(formHeight);
    layout()->activate();
    resize(qMax(width(), minimumSizeHint().width()), formHeight);
}

void QuickSearchWidget::createProviders()
{
    struct Entry
    {
        QString name;
        QString icon;
        QString urlTemplate;
        const char* completerKey;
        QString shortcut;
    };
    const QString badges = QStringLiteral(":/Resources/QuickSearch/");
    const Entry entries[] = {
        {tr("Vorenda"), QStringLiteral(":/Resources/Images/mac/Vorenda16.png"), QString(), "VorendaCompleter",
         tr("Alt+K")},
        {tr("Google"), badges + QStringLiteral("google.png"), QStringLiteral("https://www.google.com/search?q=%1"),
         "GoogleCompleter", tr("Alt+G")},
        {tr("Yahoo!"), badges + QStringLiteral("yahoo.png"), QStringLiteral("https://search.yahoo.com/search?&p=%1"),
         "YahooCompleter", tr("Alt+Y")},
        {tr("Bing"), badges + QStringLiteral("bing.png"), QStringLiteral("https://www.bing.com/search?q=%1"),
         "BingCompleter", tr("Alt+B")},
        {tr("YubNub"), badges + QStringLiteral("yubnub.png"),
         QStringLiteral("https://yubnub.org/parser/parse?command=%1"), "YubNubCompleter", tr("Alt+N")},
        {tr("Flickr"), badges + QStringLiteral("flickr.png"),
         QStringLiteral("https://www.flickr.com/photos/search/text:%1"), "FlickrCompleter", tr("Alt+F")},
        {tr("YouTube"), badges + QStringLiteral("youtube.png"),
         QStringLiteral("https://www.youtube.com/results?search_type=search_videos&search_sort=relevance"
                        "&search_query=%1&search=Search"),
         "YouTubeCompleter", tr("Alt+T")},
        // A translation may point this at the encyclopaedia in its own language.
        {tr("Wikipedia"), badges + QStringLiteral("wikipedia.png"), tr("https://en.wikipedia.org/?search=%1"),
         "WikipediaCompleter", tr("Alt+W")},
        {tr("Delicious"), badges + QStringLiteral("delicious.png"), QStringLiteral("https://del.icio.us/search?p=%1"),
         "DeliciousCompleter", tr("Alt+D")},
        {tr("Amazon"), badges + QStringLiteral("amazon.png"),
         QStringLiteral("https://www.amazon.com/exec/obidos/external-search?mode=blended&keyword=%1"),
         "AmazonCompleter", tr("Alt+A")},
        {tr("Technorati"), badges + QStringLiteral("technorati.png"),
         QStringLiteral("https://technorati.com/search/%1?sub=yubnub"), "TechnoratiCompleter", tr("Alt+I")},
        {tr("eBay"), badges + QStringLiteral("ebay.png"), QStringLiteral("https://shop.ebay.com/%1"), "eBayCompleter",
         tr("Alt+E")},
    };
    SearchType key = 0;
    for (const Entry& entry : entries) {
        providers.insert(key++, new SearchProvider(this, QPixmap(entry.icon), entry.name, entry.urlTemplate,
                                                   QLatin1String(entry.completerKey),
                                                   QKeySequence::fromString(entry.shortcut, QKeySequence::PortableText),
                                                   settings));
    }
}

void QuickSearchWidget::createProviderMenu()
{
    menu = new QMenu();
    menu->addAction(createSearchTypeAction(0));
    menu->addSeparator();
    for (SearchType key = 1; key <= 4; ++key)
        menu->addAction(createSearchTypeAction(key));
    menu->addSeparator();
    for (SearchType key = 5; key <= 11; ++key)
        menu->addAction(createSearchTypeAction(key));
}

DynamicAction* QuickSearchWidget::createSearchTypeAction(SearchType type)
{
    SearchProvider* entry = provider(type);
    if (!entry)
        return nullptr;
    auto* action = new DynamicAction(this);
    action->setShortcut(entry->shortcut);
    action->setShortcutContext(Qt::WindowShortcut);
    action->setIcon(QIcon(entry->icon));
    action->setText(entry->name);
    action->setData(type);
    action->setDelayed(false, 0);
    connect(action, &DynamicAction::triggered, this, &QuickSearchWidget::searchTypeChanged);
    // Among the window's own actions, the shortcut works while the window is active.
    addAction(action);
    return action;
}

void QuickSearchWidget::placeWindow()
{
    centerOnScreen(this);
    const QRect stored = settings.value(QStringLiteral("Rect"), geometry()).toRect();
    // Only the place is kept; a place that no screen shows whole is left alone.
    const QRect wanted(stored.topLeft(), size());
    if (isVisibleRect(wanted, false))
        move(wanted.topLeft());
}

void QuickSearchWidget::searchTypeChanged(const QVariant& data)
{
    if (!data.isValid())
        return;
    // What was typed for the own items is searched before the provider changes.
    flushSearch();
    searchType = data.toInt();
    searchBox->setFocus(Qt::OtherFocusReason);
    updateUI();
    if (searchType == 0) {
        textEdited(searchBox->text());
        flushSearch();
    }
    if (SearchProvider* entry = provider(searchType))
        searchBox->setCompleter(entry->completer);
}

void QuickSearchWidget::updateUI()
{
    searchBox->setEmptyText(QString());
    if (SearchProvider* entry = provider(searchType)) {
        titleSkin->setIcon(ImageResource(entry->icon));
        title->setText(tr("Quick Search - %1").arg(entry->name));
    }
    if (searchType == 0)
        matchesLabel->clear();
    else
        matchesLabel->setText(tr("Results will be shown in your web browser"));
}

void QuickSearchWidget::show()
{
    if (searchType == 0) {
        cancelSearch();
        emit search(QString());
    }
    skinWindow->show(SkinWindow::NoEffect, QRect(), effectDuration, effectInterval, QTimeLine::EaseInOutCurve);
}

void QuickSearchWidget::textEdited(const QString& text)
{
    if (searchType != 0)
        return;
    matchesLabel->clear();
    editedText = text;
    searchTimer->start();
}

void QuickSearchWidget::textEdited()
{
    textEdited(QString());
}

void QuickSearchWidget::searchEdited()
{
    searchTimer->stop();
    if (searchType != 0)
        return;
    const QString text = editedText;
    // The cabinets filter before the signal returns, so the count below sees the new filters.
    emit search(text);
    if (text.isEmpty())
        return;
    matchesLabel->setText(matchesText(countMatches()));
    VorendaGlobal::addToLog(QStringLiteral("QuickSearchWidget: Searched the cabinets: %1").arg(matchesLabel->text()));
}

void QuickSearchWidget::flushSearch()
{
    if (searchTimer->isActive())
        searchEdited();
}

void QuickSearchWidget::cancelSearch()
{
    searchTimer->stop();
}

int QuickSearchWidget::countMatches()
{
    CabinetLink* link = CabinetLink::installed();
    if (!link)
        return 0;
    int matches = 0;
    for (VorendaShelf* shelf : qAsConst(VorendaGlobal::shelves)) {
        AbstractThumbnailView* view = shelf ? link->itemView(shelf) : nullptr;
        if (!view)
            continue;
        const QList<AbstractThumbnailItem*> filter = view->getFilter();
        // A filter of one null entry is the view's way of saying that nothing matched.
        if (filter.size() == 1 && !filter.first())
            continue;
        matches += filter.size();
    }
    return matches;
}

QString QuickSearchWidget::matchesText(int matches)
{
    if (matches == 0)
        return tr("Results: Not found");
    if (matches == 1)
        return tr("Results: 1 match");
    return tr("Results: %1 matches").arg(matches);
}

void QuickSearchWidget::returnPressed()
{
    const QString text = searchBox->text();
    cancelSearch();
    close();
    if (SearchProvider* entry = provider(searchType)) {
        if (entry->urlTemplate.isEmpty()) {
            // The cabinets keep this filter after the window has gone.
            emit search(text);
        } else {
            const QUrl url = entry->searchUrl(text);
            if (!url.isValid() || !QDesktopServices::openUrl(url))
                VorendaGlobal::addToLog(
                    QStringLiteral("QuickSearchWidget: Could not open the search page of %1").arg(entry->name));
        }
    }
    saveCompleter(text);
}

void QuickSearchWidget::saveCompleter(const QString& text)
{
    if (SearchProvider* entry = provider(searchType))
        entry->remember(text, settings);
}

void QuickSearchWidget::searchButtonClicked()
{
    menu->popup(searchBox->mapToGlobal(searchBox->rect().bottomLeft()));
}

bool QuickSearchWidget::event(QEvent* event)
{
    if (event->type() == QEvent::WindowActivate)
        searchBox->setFocus(Qt::OtherFocusReason);
    return QWidget::event(event);
}

void QuickSearchWidget::keyPressEvent(QKeyEvent* event)
{
    if (event->key() != Qt::Key_Escape) {
        QWidget::keyPressEvent(event);
        return;
    }
    close();
    if (searchType == 0)
        emit search(QString());
    event->accept();
}

void QuickSearchWidget::closeEvent(QCloseEvent* event)
{
    // Closing searches nothing: a waiting edit is dropped with the text.
    cancelSearch();
    quit();
    searchBox->clear();
    if (searchType == 0)
        matchesLabel->clear();
    skinWindow->hide(SkinWindow::NoEffect, QRect(), effectDuration, effectInterval, QTimeLine::EaseInOutCurve);
    event->ignore();
}

void QuickSearchWidget::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
}

void QuickSearchWidget::quit()
{
    if (!skinWindow->isEffectRunning())
        windowRect = geometry();
    settings.setValue(QStringLiteral("SearchProvider"), searchType);
    settings.setValue(QStringLiteral("Rect"), windowRect);
}
