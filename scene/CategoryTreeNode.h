#pragma once

#include <QList>

class CategoryHeaderItem;

// A copy of a view's category tree handed to the owner; deleting a node deletes its subtree.
struct CategoryTreeNode
{
    CategoryTreeNode() = default;
    ~CategoryTreeNode() { qDeleteAll(children); }

    CategoryTreeNode(const CategoryTreeNode&) = delete;
    CategoryTreeNode& operator=(const CategoryTreeNode&) = delete;

    QList<CategoryTreeNode*> children;
    CategoryHeaderItem* header = nullptr;
    int key = -1;
    int parentKey = -1;
};
