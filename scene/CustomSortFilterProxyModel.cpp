#include "CustomSortFilterProxyModel.h"

#include "RowFilter.h"

#include <QRegExp>

CustomSortFilterProxyModel::CustomSortFilterProxyModel(QObject* parent)
    : QSortFilterProxyModel(parent)
{
}

CustomSortFilterProxyModel::~CustomSortFilterProxyModel() = default;

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

void CustomSortFilterProxyModel::setDateRole(int role, bool invalidate)
{
    dateCellRole = role;
    if (invalidate)
        invalidateFilter();
}

void CustomSortFilterProxyModel::setFilterRule(const QBitArray& keyColumns, int keyColumn, const QDateTime& from,
                                               const QDateTime& to, const QRegExp& pattern)
{
    // The base class evaluates every row with the old rule before a new pattern or key
    // column takes over, and again after it; with the source set aside the rows are
    // evaluated once, when someone asks for them.
    QAbstractItemModel* source = sourceModel();
    setSourceModel(nullptr);
    setFilterKeyColumns(keyColumns, false);
    setFilterKeyColumn(keyColumn);
    setDateTimeFilter(from, to, false);
    setFilterRegExp(pattern);
    setSourceModel(source);
}

bool CustomSortFilterProxyModel::dateTimeInRange(const QDateTime& value) const
{
    return dateTimeInRange(value, dateTimeFrom, dateTimeTo);
}

bool CustomSortFilterProxyModel::dateTimeInRange(const QDateTime& value, const QDateTime& from, const QDateTime& to)
{
    if (!value.isValid())
        return false;
    if (from.isValid() && value < from)
        return false;
    if (to.isValid() && to < value)
        return false;
    return true;
}

bool CustomSortFilterProxyModel::filterAcceptsRow(int sourceRow, const QModelIndex& sourceParent) const
{
    // The same rule as the cabinet's scans on other threads, so both always agree.
    return currentRule(sourceParent).acceptsRow(sourceModel(), sourceRow, sourceParent);
}

RowFilter& CustomSortFilterProxyModel::currentRule(const QModelIndex& sourceParent) const
{
    if (!rule || !rule->isRuleOf(*this, sourceParent))
        rule = std::make_unique<RowFilter>(*this, sourceParent);
    return *rule;
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
