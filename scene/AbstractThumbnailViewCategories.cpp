// The category tree of AbstractThumbnailView.
#include "AbstractThumbnailView.h"

#include "AbstractThumbnailItem.h"
#include "CategoryHeaderItem.h"

#include <QGraphicsScene>
#include <QVector>

bool AbstractThumbnailView::isInSubtree(int key, int ancestorKey) const
{
    // Bounded by the number of categories, so a damaged tree cannot loop forever.
    int steps = categories.size() + 1;
    while (key != -1 && steps-- > 0) {
        if (key == ancestorKey)
            return true;
        const CategoryItem* entry = categories.value(key);
        if (!entry)
            return false;
        key = entry->parentKey;
    }
    return false;
}

void AbstractThumbnailView::detachCategory(CategoryItem* entry)
{
    if (CategoryItem* parent = entry->parentKey == -1 ? nullptr : categories.value(entry->parentKey))
        parent->children.removeAll(entry);
    rootCategories.removeAll(entry);
}

void AbstractThumbnailView::insertCategory(QList<CategoryItem*>& list, CategoryItem* entry, int pos)
{
    if (list.contains(entry))
        return;
    if (pos < 0 || pos >= list.count())
        list.append(entry);
    else
        list.insert(pos, entry);
}

void AbstractThumbnailView::insertNewCategory(QList<CategoryItem*>& list, CategoryItem* entry, int pos)
{
    if (pos < 0 || pos >= list.count())
        list.append(entry);
    else
        list.insert(pos, entry);
}

bool AbstractThumbnailView::setCategoryHeader(int key, CategoryHeaderItem* header, int parentKey, int pos,
                                              bool update)
{
    if (key < 0) {
        qWarning("AbstractThumbnailView: category key %d refused", key);
        return false;
    }
    // A key not yet in the tree has no descendants, so it can only be its own parent;
    // only a known one is looked for among the parent's ancestors, which would cost a
    // long chain of categories, added one by one, the square of its length.
    if (parentKey != -1 && (parentKey == key || (categories.contains(key) && isInSubtree(parentKey, key)))) {
        qWarning("AbstractThumbnailView: category %d cannot be placed under %d, its own descendant", key,
                 parentKey);
        return false;
    }

    lastCategoryKey = qMax(lastCategoryKey, key);
    if (header) {
        header->view = this;
        header->key = key;
    }
    // While categories are hidden the tree is still kept, so that it is neither
    // lost nor leaks its headers; the layout just does not show it.
    if (showCategories)
        selectedCategoryKey = key;

    CategoryItem*& slot = categories[key];
    // A new category changes no path that is known; one placed again may change those below it.
    // A new one stands in no list yet: none is searched, which would cost thousands of
    // categories added one by one the square of their number.
    const bool fresh = !slot;
    if (slot)
        categoryPaths.clear();
    else
        slot = new CategoryItem(key);
    CategoryItem* entry = slot;
    if (entry->header != header) {
        delete entry->header;
        entry->header = header;
    }
    if (entry->header)
        entry->header->setVisible(false);
    itemOrderValid = false;

    CategoryItem* parent = parentKey == -1 ? nullptr : categories.value(parentKey);
    if (parent) {
        if (fresh) {
            insertNewCategory(parent->children, entry, pos);
            entry->parentKey = parentKey;
        } else if (!parent->children.contains(entry)) {
            detachCategory(entry);
            insertCategory(parent->children, entry, pos);
            entry->parentKey = parentKey;
        }
        if (entry->header)
            entry->header->updateText();
        if (update) {
            resetModel();
            // Expanding a collapsed parent lays the view out; otherwise it is done here.
            CategoryHeaderItem* parentHeader = parent->header;
            bool laidOut = false;
            if (parentHeader && !parentHeader->isExpanded()) {
                parentHeader->setExpanded(true);
                laidOut = parentHeader->isExpanded() && parentHeader->getView() == this;
            }
            if (!laidOut)
                updateLayout();
            if (entry->header)
                ensureVisible(entry->header, 0, 0);
        }
        return true;
    }

    const bool placed = !fresh && (entry->parentKey != -1 || rootCategories.contains(entry));
    if (fresh) {
        entry->parentKey = -1;
        insertNewCategory(rootCategories, entry, pos);
    } else if (parentKey == -1 || !placed) {
        // An unknown parent makes a new category a root one; a placed one stays where it is.
        detachCategory(entry);
        entry->parentKey = -1;
        insertCategory(rootCategories, entry, pos);
    } else {
        qWarning("AbstractThumbnailView: unknown parent category %d, category %d stays in place", parentKey, key);
    }
    if (entry->header)
        entry->header->updateText();
    if (update) {
        resetModel();
        updateLayout();
        if (entry->header)
            ensureVisible(entry->header, 0, 0);
    }
    return true;
}

bool AbstractThumbnailView::moveCategoryHeader(int key, int newParentKey, int pos, bool update)
{
    CategoryItem* entry = key == -1 ? nullptr : categories.value(key);
    if (!entry)
        return false;
    CategoryItem* newParent = newParentKey == -1 ? nullptr : categories.value(newParentKey);
    if (newParentKey != -1 && !newParent)
        return false;
    if (newParentKey != -1 && isInSubtree(newParentKey, key)) {
        qWarning("AbstractThumbnailView: category %d cannot move under %d, its own descendant", key, newParentKey);
        return false;
    }
    if (entry->parentKey == newParentKey && pos == -1)
        return true;

    categoryPaths.clear();
    const int oldParentKey = entry->parentKey;
    CategoryItem* oldParent = oldParentKey == -1 ? nullptr : categories.value(oldParentKey);
    int oldIndex;
    if (oldParent) {
        oldIndex = oldParent->children.indexOf(entry);
        oldParent->children.removeAll(entry);
    } else {
        oldIndex = rootCategories.indexOf(entry);
    }
    rootCategories.removeAll(entry);

    if (oldParentKey == newParentKey && oldIndex >= 0 && oldIndex < pos)
        --pos;
    entry->parentKey = newParentKey;
    if (!newParent) {
        insertCategory(rootCategories, entry, pos);
    } else {
        insertCategory(newParent->children, entry, pos);
        if (update && newParent->header && !newParent->header->isExpanded())
            newParent->header->setExpanded(true);
    }
    itemOrderValid = false;
    // The path shown in the header and those below it has changed.
    if (entry->header)
        entry->header->updateText();
    if (update) {
        resetModel();
        updateLayout();
        if (entry->header)
            ensureVisible(entry->header, 0, 0);
    }
    return true;
}

void AbstractThumbnailView::removeCategory(int key, bool childrenOnly, bool recursive, bool update)
{
    CategoryItem* entry = key == -1 ? nullptr : categories.value(key);
    if (!entry)
        return;
    CategoryHeaderItem* parentHeader = getCategoryParentHeader(key);
    if (childrenOnly) {
        const QList<CategoryItem*> children = entry->children;
        for (CategoryItem* child : children)
            removeCategoryItem(child, recursive);
    } else {
        removeCategoryItem(entry, recursive);
    }
    itemOrderValid = false;
    if (!update)
        return;
    resetModel();
    updateLayout();
    if (!childrenOnly && parentHeader)
        ensureVisible(parentHeader, 0, 0);
}

void AbstractThumbnailView::removeCategoryItem(CategoryItem* entry, bool recursive)
{
    categoryPaths.clear();
    for (AbstractThumbnailItem* item : qAsConst(entry->items)) {
        if (!item)
            continue;
        releaseItem(item);
        delete item;
    }
    entry->items.clear();

    int index = rootCategories.indexOf(entry);
    categories.remove(entry->key);
    rootCategories.removeAll(entry);
    CategoryItem* parent = entry->parentKey == -1 ? nullptr : categories.value(entry->parentKey);
    QList<CategoryItem*>& siblings = parent ? parent->children : rootCategories;
    if (parent) {
        index = parent->children.indexOf(entry);
        parent->children.removeAll(entry);
    }
    if (index < 0 || index > siblings.count())
        index = siblings.count();

    const QList<CategoryItem*> children = entry->children;
    entry->children.clear();
    for (CategoryItem* child : children) {
        if (recursive) {
            child->parentKey = -1;
            removeCategoryItem(child, true);
            continue;
        }
        child->parentKey = parent ? parent->key : -1;
        if (!siblings.contains(child))
            siblings.insert(index++, child);
        if (child->header)
            child->header->updateText();
    }

    if (lastLaidOutCategory == entry)
        lastLaidOutCategory = nullptr;
    delete entry;
}

void AbstractThumbnailView::headerDestroyed(CategoryHeaderItem* header)
{
    CategoryItem* entry = categories.value(header->key);
    if (entry && entry->header == header) {
        entry->header = nullptr;
        categoryPaths.clear();
    }
}

AbstractThumbnailView::CategoryItem* AbstractThumbnailView::getCategoryItem(int key) const
{
    return key == -1 ? nullptr : categories.value(key);
}

CategoryHeaderItem* AbstractThumbnailView::getCategoryHeader(int key) const
{
    const CategoryItem* entry = getCategoryItem(key);
    return entry ? entry->header : nullptr;
}

int AbstractThumbnailView::getCategoryParent(int key) const
{
    const CategoryItem* entry = getCategoryItem(key);
    return entry ? entry->parentKey : -1;
}

CategoryHeaderItem* AbstractThumbnailView::getCategoryParentHeader(int key) const
{
    return getCategoryHeader(getCategoryParent(key));
}

int AbstractThumbnailView::getCategoryPos(int key) const
{
    CategoryItem* entry = getCategoryItem(key);
    if (!entry)
        return 0;
    if (entry->parentKey == -1)
        return qMax(0, rootCategories.indexOf(entry));
    const CategoryItem* parent = categories.value(entry->parentKey);
    return parent ? qMax(0, parent->children.indexOf(entry)) : 0;
}

QString AbstractThumbnailView::getCategoryPath(int key) const
{
    // Names from the top down to the category, below the first ancestor without a
    // header; built on the nearest ancestor whose path is known, and kept for each
    // category on the way.
    const QString separator = categoryPathSeparator();
    QVector<const CategoryItem*> unknown;
    CategoryPathNames path(separator.size());
    int steps = categories.size() + 1;
    while (key != -1 && steps-- > 0) {
        const auto known = categoryPaths.constFind(key);
        if (known != categoryPaths.cend()) {
            path = *known;
            break;
        }
        const CategoryItem* entry = categories.value(key);
        if (!entry || !entry->header)
            break;
        unknown.append(entry);
        key = entry->parentKey;
    }
    for (int i = unknown.size() - 1; i >= 0; --i) {
        path.append(unknown.at(i)->header->getText());
        categoryPaths.insert(unknown.at(i)->key, path);
    }
    return path.joined(separator);
}

QList<CategoryHeaderItem*> AbstractThumbnailView::getRootCategoryHeaderList() const
{
    QList<CategoryHeaderItem*> result;
    for (const CategoryItem* root : rootCategories) {
        if (root->header)
            result.append(root->header);
    }
    return result;
}

void AbstractThumbnailView::appendHeaders(const CategoryItem* entry, bool recursive,
                                          QList<CategoryHeaderItem*>& result) const
{
    for (const CategoryItem* child : entry->children) {
        if (child->header)
            result.append(child->header);
        if (recursive)
            appendHeaders(child, true, result);
    }
}

QList<CategoryHeaderItem*> AbstractThumbnailView::getCategoryHeaderList(int key, bool recursive) const
{
    QList<CategoryHeaderItem*> result;
    if (key != -1) {
        if (const CategoryItem* entry = categories.value(key))
            appendHeaders(entry, recursive, result);
        return result;
    }
    for (const CategoryItem* root : rootCategories) {
        if (root->header)
            result.append(root->header);
        if (recursive)
            appendHeaders(root, true, result);
    }
    return result;
}

AbstractThumbnailView::CategoryTreeItem* AbstractThumbnailView::makeTreeNode(const CategoryItem* entry) const
{
    auto* node = new CategoryTreeItem;
    node->header = entry->header;
    node->key = entry->key;
    node->parentKey = entry->parentKey;
    for (const CategoryItem* child : entry->children)
        node->children.append(makeTreeNode(child));
    return node;
}

QList<AbstractThumbnailView::CategoryTreeItem*> AbstractThumbnailView::getCategoryTree(int key) const
{
    QList<CategoryTreeItem*> result;
    const QList<CategoryItem*>* list = &rootCategories;
    if (key != -1) {
        const CategoryItem* entry = categories.value(key);
        if (!entry)
            return result;
        list = &entry->children;
    }
    for (const CategoryItem* entry : *list)
        result.append(makeTreeNode(entry));
    return result;
}

QList<CategoryHeaderItem*> AbstractThumbnailView::getFilteredCategoryHeaderList() const
{
    QList<CategoryHeaderItem*> result;
    const QList<AbstractThumbnailItem*>& filter = filterList();
    if (filter.isEmpty() || !filter.first())
        return result;
    QSet<CategoryHeaderItem*> seen;
    for (const AbstractThumbnailItem* item : filter) {
        if (!item)
            continue;
        CategoryHeaderItem* header = getCategoryHeader(item->getCategoryKey());
        if (header && !seen.contains(header)) {
            seen.insert(header);
            result.append(header);
        }
    }
    return result;
}

void AbstractThumbnailView::updateChildrenText(int key)
{
    const CategoryItem* entry = getCategoryItem(key);
    if (!entry)
        return;
    const QList<CategoryItem*> children = entry->children;
    for (const CategoryItem* child : children) {
        if (child->header)
            child->header->updateText();
    }
}

CategoryHeaderItem* AbstractThumbnailView::locateCategoryHeaderAt(const QPoint& viewportPoint) const
{
    const QList<QGraphicsItem*> found = items(viewportPoint);
    for (QGraphicsItem* item : found) {
        if (item->type() == CategoryHeaderItem::Type)
            return static_cast<CategoryHeaderItem*>(item);
    }
    return nullptr;
}
