#pragma once

#include "PatternMatcher.h"

#include <QBitArray>
#include <QDateTime>
#include <QVariant>
#include <QVector>

class CustomSortFilterProxyModel;
class QAbstractItemModel;
class QModelIndex;

// The rule of a CustomSortFilterProxyModel at one moment, taken out of the proxy so
// that rows can be tested without it, on any thread (each thread its own copy): the
// key column or the set of columns, the pattern and the date window.
class RowFilter
{
public:
    // The rule for the rows under `parent` of the proxy's source model.
    explicit RowFilter(const CustomSortFilterProxyModel& proxy, const QModelIndex& parent);

    // Whether the proxy's rule for the rows under `parent` is still this one.
    bool isRuleOf(const CustomSortFilterProxyModel& proxy, const QModelIndex& parent) const;
    // The source columns a row is tested on, in the order they are tried.
    const QVector<int>& columns() const { return testedColumns; }
    int role() const { return filterRole; }
    // The value of a cell that the rule tests: in the date role where a date window is
    // tested and the cell has a date there, else in the filter role.
    QVariant cellValue(const QAbstractItemModel* source, const QModelIndex& index) const;
    const QRegExp& pattern() const { return matcher.pattern(); }
    // Whether the row passes, its cells read from `source` as far as needed.
    bool acceptsRow(const QAbstractItemModel* source, int row, const QModelIndex& parent);
    // Whether a tested column's value passes on its own; a row passes when one of its
    // tested columns does.
    bool acceptsValue(const QVariant& value);
    // With a pattern that is not empty a value passes by its text alone.
    bool hasPattern() const { return !emptyPattern; }
    bool acceptsText(const QString& text);

private:
    int keyColumn = -1;
    QBitArray keyColumns;
    int columnCount = 0;
    QVector<int> testedColumns;
    bool oneColumn = true;
    int filterRole = 0;
    int dateRole = -1;
    bool emptyPattern = true;
    QDateTime from;
    QDateTime to;
    PatternMatcher matcher;
};
