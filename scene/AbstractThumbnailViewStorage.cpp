// Item storage, listing, sorting and filtering of AbstractThumbnailView.
#include "AbstractThumbnailView.h"

#include "AbstractThumbnailItem.h"
#include "CategoryHeaderItem.h"

#include <QGraphicsScene>

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
}

void AbstractThumbnailView::forgetItem(AbstractThumbnailItem* item)
{
    if (currentItem == item)
        currentItem = nullptr;
    if (filterSet.remove(item))
        filterListStale = true;
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
            if (!item)
                continue;
            releaseItem(item);
            taken.append(item);
        }
        entry->items.clear();
    }
    finishChange(update);
    return taken;
}

void AbstractThumbnailView::removeItems(int key, bool childrenOnly, bool recursive, bool update)
{
    qDeleteAll(takeItems(key, childrenOnly, recursive, update));
}

QList<AbstractThumbnailItem*> AbstractThumbnailView::takeAll(bool removeCategories)
{
    QList<AbstractThumbnailItem*> taken;
    for (CategoryItem* entry : qAsConst(categories)) {
        if (!entry)
            continue;
        for (AbstractThumbnailItem* item : qAsConst(entry->items)) {
            if (!item)
                continue;
            releaseItem(item);
            taken.append(item);
        }
        entry->items.clear();
    }
    if (removeCategories) {
        const QList<CategoryItem*> entries = categories.values();
        categories.clear();
        rootCategories.clear();
        lastLaidOutCategory = nullptr;
        qDeleteAll(entries);
    }
    finishChange(true);
    return taken;
}

void AbstractThumbnailView::removeAll(bool removeCategories)
{
    qDeleteAll(takeAll(removeCategories));
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

    for (CategoryItem* entry : qAsConst(categories)) {
        if (!entry || !entry->header)
            continue;
        const QList<AbstractThumbnailItem*> all = entry->getItems();
        entry->header->setItems(all.count());
        entry->header->setMatches(items.isEmpty() ? -1 : getFilteredListSize(all));
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
