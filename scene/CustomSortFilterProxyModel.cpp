#include "CustomSortFilterProxyModel.h"

#include <QRegExp>

CustomSortFilterProxyModel::CustomSortFilterProxyModel(QObject* parent)
    : QSortFilterProxyModel(parent)
{
}

void CustomSortFilterProxyModel::setDateTimeFilter(const QDateTime& from, const QDateTime& to, bool invalidate)
{
    dateTimeFrom = from;
    dateTimeTo = to;
    if (invalidate)
        invalidateFilter();
}

void CustomSortFilterProxyModel::setFilterKeyColumns(const QBitArray& columns, bool invalidate)
{
    filterKeyColumns = columns;
    if (invalidate)
        invalidateFilter();
}

void CustomSortFilterProxyModel::setEmailColumns(const QBitArray& columns, bool invalidate)
{
    emailColumns = columns;
    if (invalidate)
        invalidateFilter();
}

bool CustomSortFilterProxyModel::dateTimeInRange(const QDateTime& value) const
{
    if (!value.isValid())
        return false;
    if (dateTimeFrom.isValid() && value < dateTimeFrom)
        return false;
    if (dateTimeTo.isValid() && dateTimeTo < value)
        return false;
    return true;
}

bool CustomSortFilterProxyModel::filterAcceptsRow(int sourceRow, const QModelIndex& sourceParent) const
{
    const QAbstractItemModel* source = sourceModel();
    if (!source)
        return false;
    const QRegExp pattern = filterRegExp();
    const bool emptyPattern = pattern.isEmpty();
    const int keyColumn = filterKeyColumn();

    if (keyColumn != -1) {
        const QVariant value = source->data(source->index(sourceRow, keyColumn, sourceParent), filterRole());
        if (value.type() == QVariant::DateTime && emptyPattern)
            return dateTimeInRange(value.toDateTime());
        // One column: an empty cell never matches, not even an empty pattern.
        const QString text = value.toString();
        return !text.isEmpty() && pattern.indexIn(text) != -1;
    }

    const int columns = source->columnCount(sourceParent);
    for (int column = 0; column < columns; ++column) {
        if (!filterKeyColumns.isEmpty()
            && (column >= filterKeyColumns.size() || !filterKeyColumns.testBit(column)))
            continue;
        const QVariant value = source->data(source->index(sourceRow, column, sourceParent), filterRole());
        if (value.type() == QVariant::DateTime && emptyPattern) {
            if (dateTimeInRange(value.toDateTime()))
                return true;
            continue;
        }
        if (pattern.indexIn(value.toString()) != -1)
            return true;
    }
    return false;
}

bool CustomSortFilterProxyModel::isEmailColumn(int column) const
{
    return column >= 0 && column < emailColumns.size() && emailColumns.testBit(column);
}

bool CustomSortFilterProxyModel::lessThan(const QModelIndex& left, const QModelIndex& right) const
{
    const QVariant leftValue = left.data(sortRole());
    const QVariant rightValue = right.data(sortRole());
    if (leftValue.type() == QVariant::DateTime)
        return leftValue.toDateTime() < rightValue.toDateTime();

    QRegExp address(QStringLiteral("([\\w\\.]*@[\\w\\.]*)"), sortCaseSensitivity(), QRegExp::RegExp);
    QString leftText = leftValue.toString();
    QString rightText = rightValue.toString();
    if (isEmailColumn(left.column()) && address.indexIn(leftText) != -1)
        leftText = address.cap(1);
    if (isEmailColumn(right.column()) && address.indexIn(rightText) != -1)
        rightText = address.cap(1);
    return QString::localeAwareCompare(leftText, rightText) < 0;
}
