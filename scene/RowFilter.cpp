#include "RowFilter.h"

#include "CustomSortFilterProxyModel.h"

RowFilter::RowFilter(const CustomSortFilterProxyModel& proxy, const QModelIndex& parent)
    : filterRole(proxy.filterRole())
    , dateRole(proxy.dateRole())
    , emptyPattern(proxy.filterRegExp().isEmpty())
    , from(proxy.getDateTimeFrom())
    , to(proxy.getDateTimeTo())
    , matcher(proxy.filterRegExp())
{
    const QAbstractItemModel* source = proxy.sourceModel();
    keyColumn = proxy.filterKeyColumn();
    oneColumn = keyColumn != -1;
    if (oneColumn) {
        testedColumns.append(keyColumn);
        return;
    }
    keyColumns = proxy.getFilterKeyColumns();
    columnCount = source ? source->columnCount(parent) : 0;
    for (int column = 0; column < columnCount; ++column) {
        if (keyColumns.isEmpty() || (column < keyColumns.size() && keyColumns.testBit(column)))
            testedColumns.append(column);
    }
}

bool RowFilter::isRuleOf(const CustomSortFilterProxyModel& proxy, const QModelIndex& parent) const
{
    // The cheap settings first; the pattern is asked for only when they all agree.
    if (proxy.filterKeyColumn() != keyColumn || proxy.filterRole() != filterRole || proxy.dateRole() != dateRole)
        return false;
    if (!oneColumn) {
        const QAbstractItemModel* source = proxy.sourceModel();
        if (proxy.getFilterKeyColumns() != keyColumns || (source ? source->columnCount(parent) : 0) != columnCount)
            return false;
    }
    const QRegExp current = proxy.filterRegExp();
    const QRegExp& own = matcher.pattern();
    return current == own && proxy.getDateTimeFrom() == from
        && proxy.getDateTimeTo() == to;
}

QVariant RowFilter::cellValue(const QAbstractItemModel* source, const QModelIndex& index) const
{
    // Only a date window compares moments; a pattern reads the display text.
    if (emptyPattern && dateRole >= 0) {
        QVariant date = source->data(index, dateRole);
        if (date.type() == QVariant::DateTime)
            return date;
    }
    return source->data(index, filterRole);
}

bool RowFilter::acceptsValue(const QVariant& value)
{
    if (value.type() == QVariant::DateTime && emptyPattern)
        return CustomSortFilterProxyModel::dateTimeInRange(value.toDateTime(), from, to);
    return acceptsText(value.toString());
}

bool RowFilter::acceptsText(const QString& text)
{
    // One column: an empty cell never matches, not even an empty pattern.
    if (oneColumn && text.isEmpty())
        return false;
    return matcher.found(text);
}

bool RowFilter::acceptsRow(const QAbstractItemModel* source, int row, const QModelIndex& parent)
{
    if (!source)
        return false;
    for (const int column : qAsConst(testedColumns)) {
        if (acceptsValue(cellValue(source, source->index(row, column, parent))))
            return true;
    }
    return false;
}
