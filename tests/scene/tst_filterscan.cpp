#include "TestEnvironment.h"

#include "CustomSortFilterProxyModel.h"
#include "FilterScan.h"
#include "MyThumbnailItem.h"
#include "MyThumbnailView.h"
#include "ThumbnailItemModel.h"

#include <QBitArray>
#include <QDateTime>
#include <QRegExp>
#include <QSignalSpy>

#include <ctime>

// Scans of a cabinet view's rows on several threads: the same rows as the proxy's own
// evaluation, narrowing a search down without missing changed items, and the rows
// left after the time budget tested in the background from copies.
class TestFilterScan : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void agreesWithTheProxy_data();
    void agreesWithTheProxy();
    void narrowingRetestsChangedItems();
    void restGoesToTheBackground();
    void newScanDropsTheOneInTheBackground();
    void backgroundScanOutlivesTheItems();
    void dateRoleFindsTheSameRows_data();
    void dateRoleFindsTheSameRows();

private:
    void setRule(int column, const QString& pattern, const QBitArray& columns = QBitArray(),
                 const QDateTime& from = QDateTime());
    // The proxy's own rows, mapped to source rows.
    QVector<int> proxyRows() const;

    MyThumbnailView* view = nullptr;
    CustomSortFilterProxyModel* proxy = nullptr;
    QList<MyThumbnailItem*> items;
};

namespace {

// Enough rows for every worker thread to take chunks.
constexpr int itemCount = 1500;

// A budget no loaded machine runs out of: the whole scan runs in start().
constexpr int unbounded = 600000;

QBitArray searchedColumns()
{
    QBitArray columns(20);
    columns.setBit(0);
    columns.setBit(12);
    columns.setBit(13);
    return columns;
}

} // namespace

void TestFilterScan::initTestCase()
{
    TestEnvironment::instance()->initializeGlobals();
}

void TestFilterScan::init()
{
    view = new MyThumbnailView;
    proxy = new CustomSortFilterProxyModel(view);
    proxy->setSourceModel(view->model());
    items.clear();
    for (int i = 0; i < itemCount; ++i) {
        auto* item = new MyThumbnailItem;
        item->properties.name = QStringLiteral("Item %1").arg(i);
        item->properties.tags = QStringList{QStringLiteral("tag%1").arg(i % 40)};
        // Long descriptions, one in 97 ending in a z.
        item->properties.notes = QString(300 + i % 50, QLatin1Char('e')) + (i % 97 == 0 ? QStringLiteral("z") : QString());
        item->properties.accessed = i % 7 == 0 ? 1600000000u + i : 0u;
        item->setText(item->properties.name);
        view->addItem(item, false);
        items << item;
    }
    view->resetModel();
}

void TestFilterScan::cleanup()
{
    delete view;
    view = nullptr;
    proxy = nullptr;
}

void TestFilterScan::setRule(int column, const QString& pattern, const QBitArray& columns, const QDateTime& from)
{
    proxy->setFilterRule(columns, column, from, QDateTime(), QRegExp(pattern, Qt::CaseInsensitive, QRegExp::RegExp));
}

QVector<int> TestFilterScan::proxyRows() const
{
    QVector<int> rows;
    for (int row = 0; row < proxy->rowCount(); ++row)
        rows << proxy->mapToSource(proxy->index(row, 0)).row();
    return rows;
}

void TestFilterScan::agreesWithTheProxy_data()
{
    QTest::addColumn<int>("column");
    QTest::addColumn<QString>("pattern");
    QTest::addColumn<QBitArray>("columns");
    QTest::addColumn<int>("expected");
    QTest::newRow("plain name") << 0 << "item 1" << QBitArray() << 611;
    QTest::newRow("expression") << 0 << "it.m 1[0-3]$" << QBitArray() << 4;
    QTest::newRow("all fields") << -1 << "tag3" << searchedColumns() << 408;
    QTest::newRow("long descriptions") << 13 << ".*z" << QBitArray() << 16;
    QTest::newRow("dates") << 6 << QString() << QBitArray() << 215;
    QTest::newRow("nothing") << 0 << "missing" << QBitArray() << 0;
}

void TestFilterScan::agreesWithTheProxy()
{
    QFETCH(int, column);
    QFETCH(QString, pattern);
    QFETCH(QBitArray, columns);
    QFETCH(int, expected);
    setRule(column, pattern, columns);
    FilterScan scan;
    scan.setTimeBudget(unbounded);
    QVERIFY(scan.start(*proxy));
    QCOMPARE(scan.acceptedRows().size(), expected);
    QCOMPARE(scan.acceptedRows(), proxyRows());
    QCOMPARE(scan.scannedRows(), itemCount);
}

void TestFilterScan::narrowingRetestsChangedItems()
{
    FilterScan scan;
    scan.setTimeBudget(unbounded);
    setRule(-1, QStringLiteral("item 1"), searchedColumns());
    QVERIFY(scan.start(*proxy));
    // Changed without a model reset: one item now holds the longer text in a tag,
    // another lost it from its name.
    items.at(5)->properties.tags = QStringList{QStringLiteral("item 10 copy")};
    items.at(100)->properties.name = QStringLiteral("Renamed");
    setRule(-1, QStringLiteral("item 10"), searchedColumns());
    QVERIFY(scan.start(*proxy));
    const QVector<int> rows = scan.acceptedRows();
    QVERIFY(rows.contains(5));
    QVERIFY(!rows.contains(100));
    QCOMPARE(rows, proxyRows());
    // Back to the shorter text: every row is tested again.
    setRule(-1, QStringLiteral("item 1"), searchedColumns());
    QVERIFY(scan.start(*proxy));
    QCOMPARE(scan.acceptedRows(), proxyRows());
}

void TestFilterScan::restGoesToTheBackground()
{
    FilterScan scan;
    QSignalSpy finished(&scan, &FilterScan::finished);
    scan.setTimeBudget(0);
    setRule(13, QStringLiteral(".*z"));
    QVERIFY(!scan.start(*proxy));
    QVERIFY(scan.isRunning());
    QVERIFY(finished.wait(30000));
    QVERIFY(!scan.isRunning());
    QCOMPARE(finished.count(), 1);
    QCOMPARE(scan.acceptedRows(), proxyRows());
}

void TestFilterScan::newScanDropsTheOneInTheBackground()
{
    FilterScan scan;
    QSignalSpy finished(&scan, &FilterScan::finished);
    scan.setTimeBudget(0);
    setRule(13, QStringLiteral(".*z"));
    QVERIFY(!scan.start(*proxy));
    setRule(0, QStringLiteral("item 2"));
    QVERIFY(!scan.start(*proxy));
    QVERIFY(finished.wait(30000));
    QCOMPARE(scan.acceptedRows(), proxyRows());
    QTest::qWait(100);
    QCOMPARE(finished.count(), 1);

    // A dropped scan reports nothing.
    setRule(13, QStringLiteral(".*z"));
    QVERIFY(!scan.start(*proxy));
    scan.cancel();
    QVERIFY(!scan.isRunning());
    QTest::qWait(200);
    QCOMPARE(finished.count(), 1);
}

void TestFilterScan::backgroundScanOutlivesTheItems()
{
    auto* scan = new FilterScan;
    QSignalSpy finished(scan, &FilterScan::finished);
    scan->setTimeBudget(0);
    setRule(-1, QStringLiteral("e.*e.*q"), searchedColumns());
    QVERIFY(!scan->start(*proxy));
    // The background works on copies of the values: the items may go meanwhile.
    cleanup();
    QVERIFY(finished.wait(30000));
    QVERIFY(scan->acceptedRows().isEmpty());
    delete scan;
}

void TestFilterScan::dateRoleFindsTheSameRows_data()
{
    QTest::addColumn<int>("column");
    QTest::addColumn<QString>("pattern");
    QTest::addColumn<QDateTime>("from");
    QTest::addColumn<QBitArray>("columns");
    // An item's own moment as a window's end: the end is inclusive.
    const QDateTime edge = QDateTime::fromSecsSinceEpoch(1600000000 + 1000 * 700);
    QTest::newRow("recently opened") << 6 << QString() << QDateTime() << QBitArray();
    QTest::newRow("added since a moment") << 7 << QString() << edge << QBitArray();
    QTest::newRow("dated since a moment") << 3 << QString() << edge << QBitArray();
    QBitArray recentColumns(20);
    recentColumns.setBit(6);
    recentColumns.setBit(7);
    QTest::newRow("opened or added since a moment") << -1 << QString() << edge << recentColumns;
    QTest::newRow("date as text") << 7 << "2020" << QDateTime() << QBitArray();
}

// A date window tested in the UTC date role takes the same rows as on the display
// role's local dates, in the foreground and in the background; a pattern still reads
// the local date's text. The local zone is not UTC here, so a wall-clock comparison
// would show.
void TestFilterScan::dateRoleFindsTheSameRows()
{
    QFETCH(int, column);
    QFETCH(QString, pattern);
    QFETCH(QDateTime, from);
    QFETCH(QBitArray, columns);
    const QByteArray zone = qgetenv("TZ");
    qputenv("TZ", "America/New_York");
    tzset();
    for (int i = 0; i < itemCount; ++i) {
        items.at(i)->properties.added = i % 3 == 0 ? 0u : 1600000000u + 1000u * quint32(i);
        items.at(i)->properties.date = 1600000000u + 1000u * quint32(itemCount - i);
    }
    view->resetModel();

    setRule(column, pattern, columns, from);
    const QVector<int> expected = proxyRows();
    proxy->setDateRole(ThumbnailItemModel::UtcDateRole, true);
    const QVector<int> rows = proxyRows();
    FilterScan scan;
    scan.setTimeBudget(unbounded);
    const bool whole = scan.start(*proxy);
    const QVector<int> scanned = scan.acceptedRows();
    FilterScan background;
    QSignalSpy finished(&background, &FilterScan::finished);
    background.setTimeBudget(0);
    const bool started = !background.start(*proxy);
    const bool done = finished.wait(30000);

    if (zone.isNull())
        qunsetenv("TZ");
    else
        qputenv("TZ", zone);
    tzset();
    QVERIFY(!expected.isEmpty() && expected.size() < itemCount);
    QCOMPARE(rows, expected);
    QVERIFY(whole);
    QCOMPARE(scanned, expected);
    QVERIFY(started && done);
    QCOMPARE(background.acceptedRows(), expected);
}

VORENDA_TEST_MAIN(TestFilterScan)
#include "tst_filterscan.moc"
