#include "TestEnvironment.h"

#include "CustomSortFilterProxyModel.h"
#include "FilterScan.h"
#include "MyThumbnailItem.h"
#include "MyThumbnailView.h"
#include "ThumbnailItemModel.h"

#include <QBitArray>
#include <QRegExp>

// The search model over a real cabinet view's item model.
class TestCustomSortFilterProxyModel : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void filter_data();
    void filter();
    void dateTimeInRange();
    void sortsDatesByTime();
    void sortsEmailColumnsByAddress();

private:
    MyThumbnailItem* add(const QString& name, const QString& notes, quint32 date, quint32 accessed);
    QStringList acceptedNames() const;

    MyThumbnailView* view = nullptr;
    CustomSortFilterProxyModel* proxy = nullptr;
};

namespace {
const quint32 Early = 1500000000;
const quint32 Late = 1600000000;

QBitArray bits(int size, const QList<int>& set)
{
    QBitArray array(size);
    for (const int bit : set)
        array.setBit(bit);
    return array;
}
}

void TestCustomSortFilterProxyModel::initTestCase()
{
    TestEnvironment::instance()->initializeGlobals();
}

void TestCustomSortFilterProxyModel::init()
{
    view = new MyThumbnailView;
    proxy = new CustomSortFilterProxyModel(view);
    proxy->setSourceModel(view->model());
    add(QStringLiteral("abc"), QString(), 2000000000, 0);
    add(QStringLiteral("xyz"), QStringLiteral("has a.c inside"), 300000000, Early);
    add(QStringLiteral("Alpha"), QString(), 1000000000, Late);
    view->resetModel();
}

void TestCustomSortFilterProxyModel::cleanup()
{
    delete view;
    view = nullptr;
    proxy = nullptr;
}

MyThumbnailItem* TestCustomSortFilterProxyModel::add(const QString& name, const QString& notes, quint32 date,
                                                     quint32 accessed)
{
    auto* item = new MyThumbnailItem;
    item->properties.name = name;
    item->properties.notes = notes;
    item->properties.date = date;
    item->properties.accessed = accessed;
    item->setText(name);
    view->addItem(item, false);
    return item;
}

QStringList TestCustomSortFilterProxyModel::acceptedNames() const
{
    QStringList names;
    for (int row = 0; row < proxy->rowCount(); ++row)
        names << proxy->index(row, 0).data().toString();
    return names;
}

void TestCustomSortFilterProxyModel::filter_data()
{
    QTest::addColumn<int>("column");
    QTest::addColumn<QString>("pattern");
    QTest::addColumn<QBitArray>("columns");
    QTest::addColumn<QDateTime>("from");
    QTest::addColumn<QDateTime>("to");
    QTest::addColumn<QStringList>("expected");
    const QDateTime open;
    const QDateTime early = QDateTime::fromSecsSinceEpoch(Early);
    const QDateTime late = QDateTime::fromSecsSinceEpoch(Late);
    const QBitArray all;
    const QString abc = QStringLiteral("abc");
    const QString xyz = QStringLiteral("xyz");
    const QString alpha = QStringLiteral("Alpha");

    QTest::newRow("any character") << 0 << QStringLiteral("a.c") << all << open << open << QStringList{abc};
    QTest::newRow("case ignored") << 0 << QStringLiteral("ALPHA") << all << open << open << QStringList{alpha};
    QTest::newRow("one column rejects empty cells") << 13 << QString() << all << open << open << QStringList{xyz};
    QTest::newRow("all columns accept empty pattern") << -1 << QString() << all << open << open
                                                      << QStringList{abc, xyz, alpha};
    QTest::newRow("popularity 0 is an empty cell") << 5 << QString() << all << open << open << QStringList();
    QTest::newRow("dates without a window") << 6 << QString() << all << open << open << QStringList{xyz, alpha};
    QTest::newRow("window start inclusive") << 6 << QString() << all << late << open << QStringList{alpha};
    QTest::newRow("window end inclusive") << 6 << QString() << all << open << early << QStringList{xyz};
    QTest::newRow("window of one instant") << 6 << QString() << all << early << early << QStringList{xyz};
    QTest::newRow("window between") << 6 << QString() << all << early.addSecs(1) << late.addSecs(-1)
                                    << QStringList();
    QTest::newRow("set of columns") << -1 << QStringLiteral("a.c") << bits(14, {13}) << open << open
                                    << QStringList{xyz};
    QTest::newRow("columns beyond the set are skipped")
        << -1 << QStringLiteral("inside") << bits(2, {0, 1}) << open << open << QStringList();
    QTest::newRow("date window over a set of columns")
        << -1 << QString() << bits(14, {6}) << late << open << QStringList{alpha};
}

void TestCustomSortFilterProxyModel::filter()
{
    QFETCH(int, column);
    QFETCH(QString, pattern);
    QFETCH(QBitArray, columns);
    QFETCH(QDateTime, from);
    QFETCH(QDateTime, to);
    QFETCH(QStringList, expected);
    // As the cabinet does it: settings without refiltering, then column and pattern.
    proxy->setFilterKeyColumns(columns, false);
    proxy->setDateTimeFilter(from, to, false);
    proxy->setFilterKeyColumn(column);
    proxy->setFilterRegExp(QRegExp(pattern, Qt::CaseInsensitive, QRegExp::RegExp));
    QCOMPARE(acceptedNames(), expected);

    // The whole rule set at once over a proxy that had another search, and a scan by
    // the proxy's rule, find the same rows.
    CustomSortFilterProxyModel ruled;
    ruled.setSourceModel(view->model());
    ruled.setFilterKeyColumn(13);
    ruled.setFilterRegExp(QRegExp(QStringLiteral("inside"), Qt::CaseInsensitive));
    ruled.setFilterRule(columns, column, from, to, QRegExp(pattern, Qt::CaseInsensitive, QRegExp::RegExp));
    QCOMPARE(ruled.filterKeyColumn(), column);
    QCOMPARE(ruled.getFilterKeyColumns(), columns);
    QCOMPARE(ruled.filterRegExp().pattern(), pattern);
    QCOMPARE(ruled.getDateTimeFrom(), from);
    QCOMPARE(ruled.getDateTimeTo(), to);
    QCOMPARE(ruled.sourceModel(), static_cast<QAbstractItemModel*>(view->model()));
    QStringList ruledNames;
    for (int row = 0; row < ruled.rowCount(); ++row)
        ruledNames << ruled.index(row, 0).data().toString();
    QCOMPARE(ruledNames, expected);
    FilterScan scan;
    // Long enough for any machine: the whole scan runs in start().
    scan.setTimeBudget(600000);
    QVERIFY(scan.start(ruled));
    QStringList scanned;
    for (const int row : scan.acceptedRows())
        scanned << view->model()->index(row, 0).data().toString();
    QCOMPARE(scanned, expected);
}

void TestCustomSortFilterProxyModel::dateTimeInRange()
{
    const QDateTime t = QDateTime::fromSecsSinceEpoch(Early);
    QVERIFY(!proxy->dateTimeInRange(QDateTime()));
    QVERIFY(proxy->dateTimeInRange(t));
    proxy->setDateTimeFilter(t, t, true);
    QVERIFY(proxy->dateTimeInRange(t));
    QVERIFY(!proxy->dateTimeInRange(t.addSecs(1)));
    QVERIFY(!proxy->dateTimeInRange(t.addSecs(-1)));
}

void TestCustomSortFilterProxyModel::sortsDatesByTime()
{
    proxy->sort(3, Qt::AscendingOrder);
    QCOMPARE(acceptedNames(), QStringList({QStringLiteral("xyz"), QStringLiteral("Alpha"), QStringLiteral("abc")}));
}

void TestCustomSortFilterProxyModel::sortsEmailColumnsByAddress()
{
    view->removeAll(true);
    add(QStringLiteral("one"), QStringLiteral("Zed Zorn <aaa@mail.org>"), 0, 0);
    add(QStringLiteral("two"), QStringLiteral("Amy Ames <zzz@mail.org>"), 0, 0);
    view->resetModel();
    proxy->sort(13, Qt::AscendingOrder);
    QCOMPARE(acceptedNames(), QStringList({QStringLiteral("two"), QStringLiteral("one")}));
    proxy->setEmailColumns(bits(14, {13}), true);
    proxy->invalidate();
    QCOMPARE(acceptedNames(), QStringList({QStringLiteral("one"), QStringLiteral("two")}));
}

VORENDA_TEST_MAIN(TestCustomSortFilterProxyModel)
#include "tst_customsortfilterproxymodel.moc"
