#include "RowFilter.h"

#include "CustomSortFilterProxyModel.h"

RowFilter::RowFilter(const CustomSortFilterProxyModel& proxy, const QModelIndex& parent)
    : filterRole(proxy.filterRole())
    , emptyPattern(proxy.filterRegExp().isEmpty())
    , from(proxy.getDateTimeFrom())
    , to(proxy.getDateTimeTo())
    , matcher(proxy.filterRegExp())
{
    const QAbstractItemModel* source = proxy.sourceModel();
    oneColumn = proxy.filterKeyColumn() != -1;
    if (oneColumn) {
        testedColumns.append(proxy.filterKeyColumn());
        return;
    }
    const QBitArray set = proxy.getFilterKeyColumns();
    const int count = source ? source->columnCount(parent) : 0;
    for (int column = 0; column < count; ++column) {
        if (set.isEmpty() || (column < set.size() && set.testBit(column)))
            testedColumns.append(column);
    }
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
        if (acceptsValue(source->data(source->index(row, column, parent), filterRole)))
            return true;
    }
    return false;
}
