#include "TestEnvironment.h"

#include "CommandTable.h"

#include <QSet>

#include <climits>

namespace {

QSet<int> numbers(std::initializer_list<int> list)
{
    return QSet<int>(list.begin(), list.end());
}

QSet<int> range(int first, int last)
{
    QSet<int> set;
    for (int number = first; number <= last; ++number)
        set.insert(number);
    return set;
}

} // namespace

// Every command number has one row, and its columns say what the cabinet has always
// done with that number: where it runs, whether it runs in kiosk mode, whether it
// clears the search, and whether it needs items to work on.
class TestCommandTable : public QObject
{
    Q_OBJECT

private slots:
    void rows_data();
    void rows();
    void numbersOutsideTheTable();
};

void TestCommandTable::rows_data()
{
    QTest::addColumn<int>("number");
    QTest::addColumn<bool>("command");
    QTest::addColumn<unsigned>("routes");
    QTest::addColumn<bool>("kiosk");
    QTest::addColumn<bool>("clearsSearch");
    QTest::addColumn<bool>("needsSelection");
    QTest::addColumn<bool>("addsFromFileSystem");

    // The numbers no command has on this platform, among them the other platforms' places.
    const QSet<int> none = numbers({22, 27, 73, 94}) + range(65, 71) + range(75, 77) + range(84, 87) + range(89, 92);
    const QSet<int> plainEntries = numbers({0, 1, 2, 3, 10, 11, 12, 56, 57, 58});
    const QSet<int> itemMenu = numbers({4, 13, 15, 40, 42, 49, 51});
    const QSet<int> keys = numbers({2, 50, 52});
    // Set Custom Thumbnail is in the item menu and in the Items menu alike.
    const QSet<int> dispatcherAndItemMenu = numbers({15});
    // Unfolding and selecting, opening, and making a new cabinet leave the locked one as it is.
    const QSet<int> kiosk = numbers({1, 32, 33, 34, 47, 48, 49, 50});
    const QSet<int> selection = numbers({4, 5, 13, 14, 15, 23, 24, 40, 41, 42, 46, 49, 50, 51, 52});
    const QSet<int> adding = numbers({54, 55}) + range(59, 101) - none;

    for (int number = 0; number <= 101; ++number) {
        unsigned routes = CommandRow::NoRoute;
        if (!none.contains(number)) {
            if (plainEntries.contains(number))
                routes |= CommandRow::PlainEntry;
            if (itemMenu.contains(number))
                routes |= CommandRow::ItemMenu;
            if (keys.contains(number))
                routes |= CommandRow::Keys;
            if ((!plainEntries.contains(number) && !itemMenu.contains(number))
                || dispatcherAndItemMenu.contains(number))
                routes |= CommandRow::Dispatcher;
        }
        QTest::addRow("%d", number) << number << !none.contains(number) << routes << kiosk.contains(number)
                                    << (number > 52) << selection.contains(number) << adding.contains(number);
    }
}

void TestCommandTable::rows()
{
    QFETCH(int, number);
    QFETCH(bool, command);
    QFETCH(unsigned, routes);
    QFETCH(bool, kiosk);
    QFETCH(bool, clearsSearch);
    QFETCH(bool, needsSelection);
    QFETCH(bool, addsFromFileSystem);

    const CommandRow* row = CommandTable::find(number);
    QVERIFY(row);
    QCOMPARE(int(row->type), number);
    QCOMPARE(row->run != nullptr, command);
    QCOMPARE(row->routes, routes);
    QCOMPARE(row->allowedInKiosk(), kiosk);
    QCOMPARE(row->clearsSearch(), clearsSearch);
    QCOMPARE(row->needsSelection(), needsSelection);
    QCOMPARE(row->addsFromFileSystem(), addsFromFileSystem);
    // A self-triggering entry that its menu's caller hands on as well must not run twice.
    QVERIFY(!(row->routes & CommandRow::Dispatcher) || !(row->routes & CommandRow::PlainEntry));
}

void TestCommandTable::numbersOutsideTheTable()
{
    QCOMPARE(CommandTable::size(), 102);
    for (int number : {-1, 102, INT_MAX, INT_MIN})
        QVERIFY2(!CommandTable::find(number), qPrintable(QString::number(number)));
}

VORENDA_TEST_MAIN(TestCommandTable)
#include "tst_commandtable.moc"
