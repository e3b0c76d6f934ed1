#include "VorendaShelf.h"

#include "AddProgressWidget.h"
#include "CustomSortFilterProxyModel.h"
#include "DockableWidget.h"
#include "FilterScan.h"
#include "ListIteratorThread.h"
#include "PatternMatcher.h"
#include "QuickSearchWidget.h"
#include "SearchBox.h"
#include "SearchCommands.h"

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

void VorendaShelf::search(const QString& text)
{
    if (searchUnreachable())
        return;
    searchBox->setText(text);
    showForSearch(text);
}

void VorendaShelf::showForSearch(const QString& text)
{
    if (isVisible() || text.isEmpty())
        return;
    frame->show();
    // Showing the cabinet may clear its search box (the global show option); the
    // search that brought the cabinet up stays in force.
    if (searchBox->text() != text)
        searchBox->setText(text);
    if (QuickSearchWidget* panel = QuickSearchWidget::instance()) {
        panel->raise();
        panel->activateWindow();
    }
}

void VorendaShelf::onSearchBoxTextChanged(const QString& text)
{
    if (searchUnreachable())
        return;
    onViewModelReset();
    selectFirstFound();
    showForSearch(text);
}

void VorendaShelf::selectFirstFound()
{
    if (filterScan->isRunning())
        selectFirstWhenFound = true;
    else
        view->selectFirstVisibleItem();
}

void VorendaShelf::onViewModelReset()
{
    filterScan->cancel();
    const QString text = searchBox->text();
    if (text.isEmpty()) {
        showSearchResult({}, false);
        return;
    }

    const QDateTime none;
    int keyColumn = proxyModel->filterKeyColumn();
    QBitArray keyColumns = proxyModel->getFilterKeyColumns();
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
            showSearchResult({}, true);
            return;
        }
        switch (filtertype) {
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
    proxyModel->setFilterRule(keyColumns, keyColumn, from, none, pattern);
    if (filterScan->start(*proxyModel))
        showFoundRows();
}

void VorendaShelf::showFoundRows()
{
    // Items changed while the scan went on: its rows no longer name the same items.
    if (filterScan->scannedRows() != view->modelRowCount()) {
        onViewModelReset();
        return;
    }
    QList<AbstractThumbnailItem*> found;
    const QVector<int>& rows = filterScan->acceptedRows();
    found.reserve(rows.size());
    for (const int row : rows) {
        if (AbstractThumbnailItem* item = view->itemAt(row))
            found.append(item);
    }
    showSearchResult(found, true);
}

void VorendaShelf::showSearchResult(QList<AbstractThumbnailItem*> found, bool searched)
{
    matchesLabel->clear();
    if (searched) {
        if (found.isEmpty()) {
            found.append(nullptr);
            matchesLabel->setText(tr("Not found"));
        } else if (found.size() == 1) {
            matchesLabel->setText(tr("1 match"));
        } else {
            matchesLabel->setText(tr("%1 matches").arg(found.size()));
        }
    }
    view->hideFloatingLabel();
    view->filterItems(found);
    updateStatusLabel();
    if (selectFirstWhenFound) {
        selectFirstWhenFound = false;
        view->selectFirstVisibleItem();
    }
}

void VorendaShelf::dropSearchWhenUnreachable()
{
    if (!searchUnreachable() || searchBox->text().isEmpty())
        return;
    // The box ignores its own change while out of reach, so the run is made here.
    searchBox->clear();
    onViewModelReset();
}

void VorendaShelf::onClearSearch()
{
    search(QString());
}

void VorendaShelf::onRepeatLastSearch()
{
    search(lastSearch);
}

void VorendaShelf::onShowRecentlyOpened()
{
    if (searchUnreachable())
        return;
    search(QLatin1String(RECENTLYOPENED_COMMAND));
    showStatusMessage(tr("Showing Recently Opened Items!"));
}

void VorendaShelf::onShowRecentlyAdded()
{
    if (searchUnreachable())
        return;
    search(QLatin1String(RECENTLYADDED_COMMAND));
    showStatusMessage(tr("Showing Recently Added Items!"));
}

void VorendaShelf::onShowMostPopular()
{
    if (searchUnreachable())
        return;
    search(QLatin1String(MOSTPOPULAR_COMMAND));
    showStatusMessage(tr("Showing Most Popular Items!"));
}

void VorendaShelf::setSearchType(int type)
{
    filtertype = type;
    searchNamesOnlyAction->setChecked(type == 0);
    searchTagsOnlyAction->setChecked(type == 1);
    searchDescriptionsOnlyAction->setChecked(type == 2);
    searchAllAction->setChecked(type == 3);
    if (isReservedSearch(searchBox->text()))
        onClearSearch();
    else
        view->resetModel();
    selectFirstFound();
}

void VorendaShelf::onSearchNamesOnly()
{
    setSearchType(0);
    showStatusMessage(tr("Searching Names Only!"));
}

void VorendaShelf::onSearchTagsOnly()
{
    setSearchType(1);
    showStatusMessage(tr("Searching Tags Only!"));
}

void VorendaShelf::onSearchDescriptionsOnly()
{
    setSearchType(2);
    showStatusMessage(tr("Searching Descriptions Only!"));
}

void VorendaShelf::onSearchAll()
{
    setSearchType(3);
    showStatusMessage(tr("Searching All Fields!"));
}

void VorendaShelf::onFocusOutSearchBox(QEvent*)
{
    const QString text = searchBox->text();
    if (text.isEmpty() || text.contains(QLatin1String(RECENTLYOPENED_COMMAND))
        || text.contains(QLatin1String(RECENTLYADDED_COMMAND)) || text.contains(QLatin1String(MOSTPOPULAR_COMMAND)))
        return;
    lastSearch = text;
}

void VorendaShelf::onSearchButtonClicked()
{
    menuOpen = true;
    auto* menu = new QMenu(this);
    menu->addAction(repeatLastSearchAction);
    menu->addAction(recentlyOpenedAction);
    menu->addAction(recentlyAddedAction);
    menu->addSeparator();
    menu->addAction(searchNamesOnlyAction);
    menu->addAction(searchDescriptionsOnlyAction);
    menu->addAction(searchTagsOnlyAction);
    menu->addAction(searchAllAction);
    menu->addSeparator();
    menu->addAction(clearSearchAction);
    menu->exec(searchBox->mapToGlobal(searchBox->rect().bottomLeft()));
    menuOpen = false;
    delete menu;
}

void VorendaShelf::onItemFound(void* item, QVariant)
{
    if (listIteratorThread->aborted() || !item)
        return;
    AddProgressWidget* panel = AddProgressWidget::instance();
    if (panel && (!panel->shelf || panel->shelf == this) && panel->paused)
        return;
    listIteratorThread->next();
}
