#pragma once

#include <QBitArray>
#include <QDateTime>
#include <QSortFilterProxyModel>

#include <memory>

class RowFilter;

// The filter model of a cabinet's search. Beyond QSortFilterProxyModel it searches a
// set of columns, tests date cells against a date window when the pattern is empty,
// and sorts dates as dates and text in the locale's order, optionally by the e-mail
// address a cell holds. Patterns are QRegExp patterns, as the search box makes them.
class CustomSortFilterProxyModel : public QSortFilterProxyModel
{
    Q_OBJECT

public:
    explicit CustomSortFilterProxyModel(QObject* parent = nullptr);
    ~CustomSortFilterProxyModel() override;

    // Both ends are inclusive; an invalid end leaves that side open.
    void setDateTimeFilter(const QDateTime& from, const QDateTime& to, bool invalidate);
    // Searched when the filter key column is -1; empty means every column.
    void setFilterKeyColumns(const QBitArray& columns, bool invalidate);
    void setEmailColumns(const QBitArray& columns, bool invalidate);
    // A role in which the source gives its date cells as the same moments as in the
    // filter role, but at less cost; a date window is tested on it first and on the
    // filter role where it has no date. -1 (the default): the filter role only.
    void setDateRole(int role, bool invalidate);
    int dateRole() const { return dateCellRole; }
    // Sets the key column set, the key column, the date window and the pattern, in that
    // order, as their own setters do, but re-evaluates the rows only when they are next
    // asked for: one pass for the whole change instead of one or two per setting.
    void setFilterRule(const QBitArray& keyColumns, int keyColumn, const QDateTime& from, const QDateTime& to,
                       const QRegExp& pattern);

    bool dateTimeInRange(const QDateTime& value) const;
    // Both ends inclusive, an invalid end open; an invalid value is never inside.
    static bool dateTimeInRange(const QDateTime& value, const QDateTime& from, const QDateTime& to);

    QDateTime getDateTimeFrom() const { return dateTimeFrom; }
    QDateTime getDateTimeTo() const { return dateTimeTo; }
    QBitArray getFilterKeyColumns() const { return filterKeyColumns; }
    QBitArray getEmailColumns() const { return emailColumns; }

protected:
    bool filterAcceptsRow(int sourceRow, const QModelIndex& sourceParent) const override;
    bool lessThan(const QModelIndex& left, const QModelIndex& right) const override;

private:
    bool isEmailColumn(int column) const;
    // The rule as a RowFilter, made again only when a setting changed: a refilter tests
    // every row with the same one.
    RowFilter& currentRule(const QModelIndex& sourceParent) const;

    mutable std::unique_ptr<RowFilter> rule;

    QDateTime dateTimeFrom;
    QDateTime dateTimeTo;
    QBitArray emailColumns;
    QBitArray filterKeyColumns;
    int dateCellRole = -1;
};
