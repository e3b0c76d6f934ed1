#include "ShelfSearch.h"

#include "AddProgressWidget.h"
#include "CustomSortFilterProxyModel.h"
#include "DockableWidget.h"
#include "FilterScan.h"
#include "ListIteratorThread.h"
#include "MyThumbnailView.h"
#include "ObjectEventFilter.h"
#include "PatternMatcher.h"
#include "QuickSearchWidget.h"
#include "SearchBox.h"
#include "SearchCommands.h"
#include "ShelfParts.h"
#include "ThumbnailItemModel.h"
#include "VorendaShelf.h"

#include <QMenu>
#include <QRegExp>
#include <QVector>

namespace {

// Model columns the search reads.
constexpr int nameColumn = 0;
constexpr int popularityColumn = 5;
constexpr int accessedColumn = 6;
constexpr int addedColumn = 7;
constexpr int tagsColumn = 12;
constexpr int notesColumn = 13;
constexpr int columnSetSize = 20;

} // namespace

ShelfSearch::ShelfSearch(VorendaShelf& shelf)
    : shelf(shelf)
{
}

ShelfSearch::~ShelfSearch() = default;

void ShelfSearch::setUp()
{
    SearchBox* box = shelf.searchBox;
    QObject::connect(box, &QLineEdit::textChanged, &shelf, &VorendaShelf::onSearchBoxTextChanged);
    QObject::connect(box, &SearchBox::searchButtonClicked, &shelf, &VorendaShelf::onSearchButtonClicked);
    QObject::connect(shelf.searchBoxFocusFilter.get(), &ObjectEventFilter::filterEvent, &shelf,
                     &VorendaShelf::onFocusOutSearchBox);
    // A search box taken out of reach would leave its filter on with no way to clear it.
    hideFilter = std::make_unique<ObjectEventFilter>(QEvent::HideToParent, false);
    box->installEventFilter(hideFilter.get());
    shelf.topFrame->installEventFilter(hideFilter.get());
    QObject::connect(hideFilter.get(), &ObjectEventFilter::filterEvent, hideFilter.get(),
                     [this](QEvent*) { dropWhenUnreachable(); });
    QObject::connect(shelf.view->model(), &QAbstractItemModel::modelReset, &shelf, &VorendaShelf::onViewModelReset);
    // The lists of recent items test dates only; made in UTC they cost a fraction.
    shelf.proxyModel->setDateRole(ThumbnailItemModel::UtcDateRole, false);
    scan = new FilterScan(&shelf);
    scan->setObjectName(QStringLiteral("cabinetSearch"));
    QObject::connect(scan, &FilterScan::finished, &shelf, [this] { showFoundRows(); });
    QObject::connect(shelf.listIteratorThread, &ListIteratorThread::itemFound, &shelf, &VorendaShelf::onItemFound);
}

bool ShelfSearch::unreachable() const
{
    return shelf.hidesearchbox || shelf.hidetopbar;
}

void ShelfSearch::search(const QString& text)
{
    if (unreachable())
        return;
    shelf.searchBox->setText(text);
    showForSearch(text);
}

void ShelfSearch::showForSearch(const QString& text)
{
    if (shelf.isVisible() || text.isEmpty())
        return;
    shelf.frame->show();
    // Showing the cabinet may clear its search box (the global show option); the
    // search that brought the cabinet up stays in force.
    if (shelf.searchBox->text() != text)
        shelf.searchBox->setText(text);
    if (QuickSearchWidget* panel = QuickSearchWidget::instance()) {
        panel->raise();
        panel->activateWindow();
    }
}

void ShelfSearch::boxTextChanged(const QString& text)
{
    if (unreachable())
        return;
    run();
    selectFirstFound();
    showForSearch(text);
}

void ShelfSearch::selectFirstFound()
{
    if (scan->isRunning())
        selectFirstWhenFound = true;
    else
        shelf.view->selectFirstVisibleItem();
}

void ShelfSearch::run()
{
    scan->cancel();
    const QString text = shelf.searchBox->text();
    if (text.isEmpty()) {
        showResult({}, false);
        return;
    }

    const QDateTime none;
    int keyColumn = shelf.proxyModel->filterKeyColumn();
    QBitArray keyColumns = shelf.proxyModel->getFilterKeyColumns();
    QDateTime from;
    QRegExp pattern(QString(), Qt::CaseInsensitive, QRegExp::RegExp);
    if (text.compare(QLatin1String(RECENTLYOPENED_COMMAND), Qt::CaseInsensitive) == 0) {
        keyColumns = QBitArray();
        keyColumn = accessedColumn;
    } else if (text.compare(QLatin1String(RECENTLYADDED_COMMAND), Qt::CaseInsensitive) == 0) {
        keyColumns = QBitArray();
        keyColumn = addedColumn;
        from = QDateTime(QDate::currentDate(), QTime(0, 0));
    } else if (text.compare(QLatin1String(MOSTPOPULAR_COMMAND), Qt::CaseInsensitive) == 0) {
        keyColumns = QBitArray();
        keyColumn = popularityColumn;
    } else {
        pattern.setPattern(text);
        if (!PatternMatcher::isUsable(pattern)) {
            showResult({}, true);
            return;
        }
        switch (shelf.filtertype) {
        case 0: keyColumns = QBitArray(); keyColumn = nameColumn; break;
        case 1: keyColumns = QBitArray(); keyColumn = tagsColumn; break;
        case 2: keyColumns = QBitArray(); keyColumn = notesColumn; break;
        case 3:
            keyColumns = QBitArray(columnSetSize);
            keyColumns.setBit(nameColumn);
            keyColumns.setBit(tagsColumn);
            keyColumns.setBit(notesColumn);
            keyColumn = -1;
            break;
        default:
            // An unknown mode from a data file keeps the columns of the last run.
            break;
        }
    }

    // The scan reads the rows by the proxy's rule, so the proxy need not evaluate them.
    shelf.proxyModel->setFilterRule(keyColumns, keyColumn, from, none, pattern);
    if (scan->start(*shelf.proxyModel))
        showFoundRows();
}

void ShelfSearch::showFoundRows()
{
    // Items changed while the scan went on: its rows no longer name the same items.
    if (scan->scannedRows() != shelf.view->modelRowCount()) {
        run();
        return;
    }
    QList<AbstractThumbnailItem*> found;
    const QVector<int>& rows = scan->acceptedRows();
    found.reserve(rows.size());
    for (const int row : rows) {
        if (AbstractThumbnailItem* item = shelf.view->itemAt(row))
            found.append(item);
    }
    showResult(found, true);
}

void ShelfSearch::showResult(QList<AbstractThumbnailItem*> found, bool searched)
{
    shelf.matchesLabel->clear();
    if (searched) {
        if (found.isEmpty()) {
            found.append(nullptr);
            shelf.matchesLabel->setText(VorendaShelf::tr("Not found"));
        } else if (found.size() == 1) {
            shelf.matchesLabel->setText(VorendaShelf::tr("1 match"));
        } else {
            shelf.matchesLabel->setText(VorendaShelf::tr("%1 matches").arg(found.size()));
        }
    }
    shelf.view->hideFloatingLabel();
    shelf.view->filterItems(found);
    shelf.updateStatusLabel();
    if (selectFirstWhenFound) {
        selectFirstWhenFound = false;
        shelf.view->selectFirstVisibleItem();
    }
}

void ShelfSearch::dropWhenUnreachable()
{
    if (!unreachable() || shelf.searchBox->text().isEmpty())
        return;
    // The box ignores its own change while out of reach, so the run is made here.
    shelf.searchBox->clear();
    run();
}

void ShelfSearch::clear()
{
    search(QString());
}

void ShelfSearch::repeatLast()
{
    search(shelf.lastSearch);
}

void ShelfSearch::showRecentlyOpened()
{
    if (unreachable())
        return;
    search(QLatin1String(RECENTLYOPENED_COMMAND));
    shelf.showStatusMessage(VorendaShelf::tr("Showing Recently Opened Items!"));
}

void ShelfSearch::showRecentlyAdded()
{
    if (unreachable())
        return;
    search(QLatin1String(RECENTLYADDED_COMMAND));
    shelf.showStatusMessage(VorendaShelf::tr("Showing Recently Added Items!"));
}

void ShelfSearch::showMostPopular()
{
    if (unreachable())
        return;
    search(QLatin1String(MOSTPOPULAR_COMMAND));
    shelf.showStatusMessage(VorendaShelf::tr("Showing Most Popular Items!"));
}

void ShelfSearch::setFilterType(int type)
{
    shelf.filtertype = type;
    shelf.searchNamesOnlyAction->setChecked(type == 0);
    shelf.searchTagsOnlyAction->setChecked(type == 1);
    shelf.searchDescriptionsOnlyAction->setChecked(type == 2);
    shelf.searchAllAction->setChecked(type == 3);
    if (isReservedSearch(shelf.searchBox->text()))
        clear();
    else
        shelf.view->resetModel();
    selectFirstFound();
}

void ShelfSearch::searchNamesOnly()
{
    setFilterType(0);
    shelf.showStatusMessage(VorendaShelf::tr("Searching Names Only!"));
}

void ShelfSearch::searchTagsOnly()
{
    setFilterType(1);
    shelf.showStatusMessage(VorendaShelf::tr("Searching Tags Only!"));
}

void ShelfSearch::searchDescriptionsOnly()
{
    setFilterType(2);
    shelf.showStatusMessage(VorendaShelf::tr("Searching Descriptions Only!"));
}

void ShelfSearch::searchAll()
{
    setFilterType(3);
    shelf.showStatusMessage(VorendaShelf::tr("Searching All Fields!"));
}

void ShelfSearch::boxLeft()
{
    const QString text = shelf.searchBox->text();
    if (text.isEmpty() || text.contains(QLatin1String(RECENTLYOPENED_COMMAND))
        || text.contains(QLatin1String(RECENTLYADDED_COMMAND)) || text.contains(QLatin1String(MOSTPOPULAR_COMMAND)))
        return;
    shelf.lastSearch = text;
}

void ShelfSearch::showMenu()
{
    shelf.menuOpen = true;
    auto* menu = new QMenu(&shelf);
    menu->addAction(shelf.repeatLastSearchAction);
    menu->addAction(shelf.recentlyOpenedAction);
    menu->addAction(shelf.recentlyAddedAction);
    menu->addSeparator();
    menu->addAction(shelf.searchNamesOnlyAction);
    menu->addAction(shelf.searchDescriptionsOnlyAction);
    menu->addAction(shelf.searchTagsOnlyAction);
    menu->addAction(shelf.searchAllAction);
    menu->addSeparator();
    menu->addAction(shelf.clearSearchAction);
    menu->exec(shelf.searchBox->mapToGlobal(shelf.searchBox->rect().bottomLeft()));
    shelf.menuOpen = false;
    delete menu;
}

void ShelfSearch::listEntryFound(const void* item)
{
    if (shelf.listIteratorThread->aborted() || !item)
        return;
    AddProgressWidget* panel = AddProgressWidget::instance();
    if (panel && (!panel->shelf || panel->shelf == &shelf) && panel->paused)
        return;
    shelf.listIteratorThread->next();
}

// ---- The cabinet's entry points

void VorendaShelf::search(const QString& text)
{
    ShelfParts::of(*this).search.search(text);
}

void VorendaShelf::onClearSearch()
{
    ShelfParts::of(*this).search.clear();
}

void VorendaShelf::onRepeatLastSearch()
{
    ShelfParts::of(*this).search.repeatLast();
}

void VorendaShelf::onShowRecentlyOpened()
{
    ShelfParts::of(*this).search.showRecentlyOpened();
}

void VorendaShelf::onShowRecentlyAdded()
{
    ShelfParts::of(*this).search.showRecentlyAdded();
}

void VorendaShelf::onShowMostPopular()
{
    ShelfParts::of(*this).search.showMostPopular();
}

void VorendaShelf::onSearchNamesOnly()
{
    ShelfParts::of(*this).search.searchNamesOnly();
}

void VorendaShelf::onSearchDescriptionsOnly()
{
    ShelfParts::of(*this).search.searchDescriptionsOnly();
}

void VorendaShelf::onSearchTagsOnly()
{
    ShelfParts::of(*this).search.searchTagsOnly();
}

void VorendaShelf::onSearchAll()
{
    ShelfParts::of(*this).search.searchAll();
}

void VorendaShelf::onSearchBoxTextChanged(const QString& text)
{
    ShelfParts::of(*this).search.boxTextChanged(text);
}

void VorendaShelf::onSearchButtonClicked()
{
    ShelfParts::of(*this).search.showMenu();
}

void VorendaShelf::onFocusOutSearchBox(QEvent*)
{
    ShelfParts::of(*this).search.boxLeft();
}

void VorendaShelf::onViewModelReset()
{
    ShelfParts::of(*this).search.run();
}

void VorendaShelf::onItemFound(void* item, QVariant)
{
    ShelfParts::of(*this).search.listEntryFound(item);
}
