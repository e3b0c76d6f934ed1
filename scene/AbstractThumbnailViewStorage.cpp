// Item storage, listing, sorting and filtering of AbstractThumbnailView.
#include "AbstractThumbnailView.h"

#include "AbstractThumbnailItem.h"
#include "CategoryHeaderItem.h"
#include "PaintCulling.h"

#include <QGraphicsScene>
#include <QHash>
#include <QPair>
#include <QVector>
#include <QSet>

#include <algorithm>
#include <utility>
#include <vector>

AbstractThumbnailView::CategoryItem* AbstractThumbnailView::entryFor(int key)
{
    if (!showCategories)
        key = -1;
    CategoryItem*& entry = categories[key];
    if (!entry)
        entry = new CategoryItem(key);
    return entry;
}

AbstractThumbnailView::CategoryItem* AbstractThumbnailView::entryHolding(AbstractThumbnailItem* item)
{
    CategoryItem* entry = categories.value(showCategories ? item->getCategoryKey() : -1);
    if (entry && entry->items.contains(item))
        return entry;
    // The key may have changed since the item was filed.
    for (CategoryItem* candidate : qAsConst(categories)) {
        if (candidate && candidate->items.contains(item))
            return candidate;
    }
    return nullptr;
}

const QList<AbstractThumbnailItem*>& AbstractThumbnailView::getList(int key)
{
    return entryFor(key)->items;
}

void AbstractThumbnailView::finishChange(bool update)
{
    itemOrderValid = false;
    if (update) {
        resetModel();
        updateLayout();
    }
}

bool AbstractThumbnailView::addItem(AbstractThumbnailItem* item, bool update)
{
    return insertItem(-1, item, update);
}

bool AbstractThumbnailView::insertItem(int index, AbstractThumbnailItem* item, bool update)
{
    if (!item)
        return false;
    if (item->view == this) {
        qWarning("AbstractThumbnailView: item is already in this view");
        return false;
    }
    CategoryItem* entry = entryFor(item->getCategoryKey());
    if (index == -1)
        index = entry->items.count();
    if (index < 0 || index > entry->items.count())
        return false;
    item->view = this;
    if (item->scene() != scene())
        scene()->addItem(item);
    if (paintCulling)
        paintCulling->adopt(item);
    entry->items.insert(index, item);
    finishChange(update);
    return true;
}

void AbstractThumbnailView::releaseItem(AbstractThumbnailItem* item)
{
    if (item->scene())
        item->scene()->removeItem(item);
    item->view = nullptr;
    forgetItem(item);
    if (paintCulling)
        paintCulling->release(item);
}

void AbstractThumbnailView::releaseItems(QList<AbstractThumbnailItem*> items)
{
    // The scene's list of items is ordered by address: leaving in that order, each
    // item is found and taken off its front, instead of in the middle.
    std::sort(items.begin(), items.end(), std::less<AbstractThumbnailItem*>());
    for (AbstractThumbnailItem* item : qAsConst(items))
        releaseItem(item);
}

void AbstractThumbnailView::forgetItem(AbstractThumbnailItem* item)
{
    if (currentItem == item)
        currentItem = nullptr;
    if (filterSet.remove(item))
        filterListStale = true;
    if (paintCulling)
        paintCulling->forget(item);
}

void AbstractThumbnailView::itemDestroyed(AbstractThumbnailItem* item)
{
    if (CategoryItem* entry = entryHolding(item))
        entry->items.removeAll(item);
    forgetItem(item);
    itemOrderValid = false;
}

const QList<AbstractThumbnailItem*>& AbstractThumbnailView::filterList() const
{
    if (filterListStale) {
        filterListStale = false;
        QList<AbstractThumbnailItem*> kept;
        kept.reserve(filterItemList.size());
        for (AbstractThumbnailItem* item : qAsConst(filterItemList)) {
            if (!item || filterSet.contains(item))
                kept.append(item);
        }
        if (kept.isEmpty() && !filterItemList.isEmpty())
            kept.append(nullptr);
        filterItemList = kept;
    }
    return filterItemList;
}

QList<AbstractThumbnailItem*> AbstractThumbnailView::getFilter() const
{
    return filterList();
}

AbstractThumbnailItem* AbstractThumbnailView::takeAt(int key, int index, bool update)
{
    CategoryItem* entry = entryFor(key);
    if (index < 0 || index >= entry->items.count())
        return nullptr;
    AbstractThumbnailItem* item = entry->items.takeAt(index);
    if (item)
        releaseItem(item);
    finishChange(update);
    return item;
}

void AbstractThumbnailView::removeAt(int key, int index, bool update)
{
    delete takeAt(key, index, update);
}

void AbstractThumbnailView::removeItem(AbstractThumbnailItem* item, bool update)
{
    if (!item)
        return;
    CategoryItem* entry = entryHolding(item);
    if (!entry)
        return;
    const int index = entry->items.indexOf(item);
    delete takeAt(entry->key, index, update);
}

void AbstractThumbnailView::deleteItems(const QList<AbstractThumbnailItem*>& items, bool update)
{
    QSet<AbstractThumbnailItem*> going;
    going.reserve(items.size());
    for (AbstractThumbnailItem* item : items) {
        if (item && item->view == this)
            going.insert(item);
    }
    if (going.isEmpty())
        return;
    for (CategoryItem* entry : qAsConst(categories)) {
        if (!entry)
            continue;
        auto kept = std::remove_if(entry->items.begin(), entry->items.end(),
                                   [&going](AbstractThumbnailItem* item) { return going.contains(item); });
        entry->items.erase(kept, entry->items.end());
    }
    const QList<AbstractThumbnailItem*> gone = going.values();
    for (AbstractThumbnailItem* item : gone) {
        item->view = nullptr;
        forgetItem(item);
    }
    deleteReleased(gone);
    finishChange(update);
}

void AbstractThumbnailView::deleteReleased(QList<AbstractThumbnailItem*> items)
{
    // One by one, the scene looks every item up in two lists, one ordered by address
    // and one by arrival: whatever the order, that costs the square of the count. When
    // most of the scene goes, the few items that stay step out, the scene is cleared
    // at once and they come back, in their stacking order.
    QGraphicsScene* own = scene();
    if (own && items.size() >= bulkDeletion) {
        QSet<const QGraphicsItem*> going;
        going.reserve(items.size());
        // A child item goes with its parent, not with the clear.
        for (const AbstractThumbnailItem* item : qAsConst(items)) {
            if (item->scene() == own && !item->parentItem())
                going.insert(item);
        }
        QList<QGraphicsItem*> staying;
        const QList<QGraphicsItem*> all = own->items(Qt::AscendingOrder);
        for (QGraphicsItem* item : all) {
            if (!item->parentItem() && !going.contains(item))
                staying.append(item);
        }
        if (staying.size() * 8 <= going.size()) {
            for (AbstractThumbnailItem* item : qAsConst(items)) {
                if (!going.contains(item))
                    delete item;
            }
            for (QGraphicsItem* item : qAsConst(staying))
                own->removeItem(item);
            own->clear();
            for (QGraphicsItem* item : qAsConst(staying))
                own->addItem(item);
            return;
        }
    }
    // By address: the one list the scene searches by position loses its front each time.
    std::sort(items.begin(), items.end(), std::less<AbstractThumbnailItem*>());
    qDeleteAll(items);
}

void AbstractThumbnailView::collectCategories(CategoryItem* entry, bool recursive,
                                              QList<CategoryItem*>& result) const
{
    result.append(entry);
    if (!recursive)
        return;
    for (CategoryItem* child : qAsConst(entry->children))
        collectCategories(child, true, result);
}

QList<AbstractThumbnailView::CategoryItem*> AbstractThumbnailView::categoriesOf(int key, bool childrenOnly,
                                                                               bool recursive) const
{
    QList<CategoryItem*> result;
    CategoryItem* entry = key == -1 ? nullptr : categories.value(key);
    if (!entry)
        return result;
    if (!childrenOnly) {
        collectCategories(entry, recursive, result);
        return result;
    }
    for (CategoryItem* child : qAsConst(entry->children))
        collectCategories(child, recursive, result);
    return result;
}

QList<AbstractThumbnailItem*> AbstractThumbnailView::takeItems(int key, bool childrenOnly, bool recursive,
                                                               bool update)
{
    QList<AbstractThumbnailItem*> taken;
    const QList<CategoryItem*> entries = categoriesOf(key, childrenOnly, recursive);
    if (entries.isEmpty())
        return taken;
    for (CategoryItem* entry : entries) {
        for (AbstractThumbnailItem* item : qAsConst(entry->items)) {
            if (item)
                taken.append(item);
        }
        entry->items.clear();
    }
    releaseItems(taken);
    finishChange(update);
    return taken;
}

void AbstractThumbnailView::removeItems(int key, bool childrenOnly, bool recursive, bool update)
{
    QList<AbstractThumbnailItem*> taken = takeItems(key, childrenOnly, recursive, update);
    std::sort(taken.begin(), taken.end(), std::less<AbstractThumbnailItem*>());
    qDeleteAll(taken);
}

QList<AbstractThumbnailItem*> AbstractThumbnailView::takeAll(bool removeCategories)
{
    QList<AbstractThumbnailItem*> taken;
    for (CategoryItem* entry : qAsConst(categories)) {
        if (!entry)
            continue;
        for (AbstractThumbnailItem* item : qAsConst(entry->items)) {
            if (item)
                taken.append(item);
        }
        entry->items.clear();
    }
    releaseItems(taken);
    if (removeCategories)
        deleteCategories();
    finishChange(true);
    return taken;
}

void AbstractThumbnailView::deleteCategories()
{
    const QList<CategoryItem*> entries = categories.values();
    categories.clear();
    rootCategories.clear();
    categoryPaths.clear();
    lastLaidOutCategory = nullptr;
    qDeleteAll(entries);
}

void AbstractThumbnailView::removeAll(bool removeCategories)
{
    QList<AbstractThumbnailItem*> all;
    for (const CategoryItem* entry : qAsConst(categories)) {
        if (entry)
            all.append(entry->items);
    }
    deleteItems(all, false);
    if (removeCategories)
        deleteCategories();
    finishChange(true);
}

void AbstractThumbnailView::moveNext(AbstractThumbnailItem* item)
{
    if (!item)
        return;
    CategoryItem* entry = entryHolding(item);
    if (!entry)
        return;
    const int index = entry->items.indexOf(item);
    if (index + 1 >= entry->items.count())
        return;
    entry->items.swapItemsAt(index, index + 1);
    itemOrderValid = false;
    emit itemMoved(item, entry->key, this, index, entry->key, this, index + 1);
}

void AbstractThumbnailView::movePrevious(AbstractThumbnailItem* item)
{
    if (!item)
        return;
    CategoryItem* entry = entryHolding(item);
    if (!entry)
        return;
    const int index = entry->items.indexOf(item);
    if (index <= 0)
        return;
    entry->items.swapItemsAt(index, index - 1);
    itemOrderValid = false;
    emit itemMoved(item, entry->key, this, index, entry->key, this, index - 1);
}

QList<AbstractThumbnailItem*> AbstractThumbnailView::getItems(int key, bool childrenOnly, bool recursive) const
{
    if (!showCategories)
        key = -1;
    const CategoryItem* entry = categories.value(key);
    if (!entry)
        return {};
    if (childrenOnly) {
        QList<AbstractThumbnailItem*> result;
        for (const CategoryItem* child : entry->children)
            result.append(child->getItems());
        return result;
    }
    return recursive ? entry->getItems() : entry->items;
}

QList<AbstractThumbnailItem*> AbstractThumbnailView::getItems(int key, bool recursive) const
{
    return getItems(key, false, recursive);
}

QList<AbstractThumbnailItem*> AbstractThumbnailView::getAllItems() const
{
    if (itemOrderValid)
        return itemOrder;
    itemOrder.clear();
    if (!showCategories && rootCategories.isEmpty()) {
        for (const CategoryItem* entry : categories) {
            if (entry)
                itemOrder.append(entry->items);
        }
    } else {
        if (const CategoryItem* loose = categories.value(-1))
            itemOrder.append(loose->items);
        for (const CategoryItem* root : rootCategories)
            itemOrder.append(root->getItems());
    }
    itemOrderValid = true;
    return itemOrder;
}

AbstractThumbnailItem* AbstractThumbnailView::itemAt(int row) const
{
    if (!itemOrderValid)
        getAllItems();
    return row >= 0 && row < itemOrder.count() ? itemOrder.at(row) : nullptr;
}

bool AbstractThumbnailView::passesFilter(const AbstractThumbnailItem* item) const
{
    return item && (!filterActive() || filterSet.contains(item));
}

bool AbstractThumbnailView::isFilteredListEmpty(const QList<AbstractThumbnailItem*>& items) const
{
    return getFirstFilteredItem(items) == nullptr;
}

int AbstractThumbnailView::getFilteredListSize(const QList<AbstractThumbnailItem*>& items) const
{
    return int(std::count_if(items.cbegin(), items.cend(),
                             [this](const AbstractThumbnailItem* item) { return passesFilter(item); }));
}

AbstractThumbnailItem* AbstractThumbnailView::getFirstFilteredItem(const QList<AbstractThumbnailItem*>& items) const
{
    for (AbstractThumbnailItem* item : items) {
        if (passesFilter(item))
            return item;
    }
    return nullptr;
}

void AbstractThumbnailView::recurseItems(bool recursive, const QVariant& userData)
{
    visitCategories(recursive, [this, &userData](CategoryHeaderItem* header, int parentKey,
                                                 const QList<AbstractThumbnailItem*>& items) {
        emit itemsFound(header, parentKey, items, userData);
    });
}

void AbstractThumbnailView::visitCategories(bool recursive, const CategoryVisitor& visit) const
{
    if (!showCategories && rootCategories.isEmpty()) {
        visit(nullptr, -1, getAllItems());
        return;
    }
    visit(nullptr, -1, getItems(-1));
    const QList<CategoryItem*> roots = rootCategories;
    for (const CategoryItem* root : roots)
        visitCategories(root, recursive, visit);
}

void AbstractThumbnailView::visitCategories(const CategoryItem* entry, bool recursive, const CategoryVisitor& visit) const
{
    visit(entry->header, entry->parentKey, entry->items);
    if (!recursive)
        return;
    const QList<CategoryItem*> children = entry->children;
    for (const CategoryItem* child : children)
        visitCategories(child, true, visit);
}

void AbstractThumbnailView::sortItems(int key, bool recursive, Qt::SortOrder order, bool update)
{
    if (key != -1) {
        CategoryItem* entry = categories.value(key);
        if (!entry)
            return;
        sortCategory(entry, recursive, order);
    } else {
        if (CategoryItem* loose = categories.value(-1))
            sortCategory(loose, false, order);
        if (recursive) {
            const QList<CategoryItem*> roots = rootCategories;
            for (CategoryItem* root : roots)
                sortCategory(root, true, order);
        }
    }
    finishChange(update);
}

void AbstractThumbnailView::sortCategory(CategoryItem* entry, bool recursive, Qt::SortOrder order)
{
    // Items stay in the scene while they are reordered, so selection and focus survive.
    std::vector<std::pair<QString, AbstractThumbnailItem*>> keyed;
    keyed.reserve(size_t(entry->items.size()));
    for (AbstractThumbnailItem* item : qAsConst(entry->items)) {
        if (item)
            keyed.emplace_back(item->getData(0, 33).toString(), item);
    }
    std::stable_sort(keyed.begin(), keyed.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    if (order != Qt::AscendingOrder)
        std::reverse(keyed.begin(), keyed.end());
    entry->items.clear();
    for (const auto& pair : keyed) {
        // An item returns to the list of its own key, as when it was added.
        CategoryItem* target = entryFor(pair.second->getCategoryKey());
        target->items.append(pair.second);
    }
    itemOrderValid = false;
    if (!recursive)
        return;
    const QList<CategoryItem*> children = entry->children;
    for (CategoryItem* child : children)
        sortCategory(child, true, order);
}

void AbstractThumbnailView::filterItems(const QList<AbstractThumbnailItem*>& items)
{
    const bool changed = filterActive() || !items.isEmpty();
    if (changed) {
        filterItemList = items;
        filterListStale = false;
        filterSet.clear();
        filterSet.reserve(items.size());
        for (const AbstractThumbnailItem* item : items) {
            if (item)
                filterSet.insert(item);
        }
    }

    // Each header counts the items of its category and of all below it: counted once,
    // from the leaves up, rather than gathered again for every category of a chain.
    struct Count
    {
        int items = 0;
        int matches = 0;
    };
    const bool matching = !items.isEmpty();
    QHash<const CategoryItem*, Count> counts;
    counts.reserve(categories.size());
    QVector<QPair<const CategoryItem*, int>> path; // entries being counted, and their next child
    for (const CategoryItem* start : qAsConst(categories)) {
        if (!start || counts.contains(start))
            continue;
        counts.insert(start, Count()); // begun: a damaged tree cannot loop
        path.append({start, 0});
        while (!path.isEmpty()) {
            const CategoryItem* entry = path.last().first;
            const int next = path.last().second++;
            if (next < entry->children.size()) {
                const CategoryItem* child = entry->children.at(next);
                if (child && !counts.contains(child)) {
                    counts.insert(child, Count());
                    path.append({child, 0});
                }
                continue;
            }
            path.removeLast();
            Count total{entry->items.size(), matching ? getFilteredListSize(entry->items) : 0};
            for (const CategoryItem* child : entry->children) {
                const Count below = child && child != entry ? counts.value(child) : Count();
                total.items += below.items;
                total.matches += below.matches;
            }
            counts.insert(entry, total);
        }
    }
    for (CategoryItem* entry : qAsConst(categories)) {
        if (!entry || !entry->header)
            continue;
        const Count count = counts.value(entry);
        entry->header->setItems(count.items);
        entry->header->setMatches(matching ? count.matches : -1);
    }

    if (!changed)
        return;
    if (!autoExpandCategories || items.isEmpty() || !items.first()) {
        updateLayout();
        return;
    }
    // Each expansion would lay the view out again; one layout at the end does for all.
    ++layoutHold;
    for (const AbstractThumbnailItem* item : items) {
        if (!item)
            continue;
        CategoryHeaderItem* header = getCategoryHeader(item->getCategoryKey());
        if (header && !header->isExpanded())
            header->setExpanded(true);
    }
    --layoutHold;
    layoutPending = false;
    updateLayout();
}
