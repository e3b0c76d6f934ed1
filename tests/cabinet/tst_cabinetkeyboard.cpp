#include "TestEnvironment.h"

#include "CabinetTestFixtures.h"
#include "DockableWidget.h"
#include "SearchBox.h"

#include <QFile>
#include <QKeyEvent>

// Keys that reach the cabinet window itself: typing searches, Escape hides, Return
// opens the selection, everything else travels on.
class TestCabinetKeyboard : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void typingStartsASearch_data();
    void typingStartsASearch();
    void escapeHides_data();
    void escapeHides();
    void returnOpensTheSelection_data();
    void returnOpensTheSelection();
    void returnWithoutSelection();
    void otherKeysTravelOn();

private:
    QStringList opened() const;
    static bool press(VorendaShelf& shelf, int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier,
                      const QString& text = QString());

    QString record;
};

void TestCabinetKeyboard::initTestCase()
{
    TestEnvironment::instance()->initializeGlobals();
    VorendaGlobal::load();
    record = TestEnvironment::instance()->root() + QStringLiteral("/opened.txt");
    TestEnvironment::instance()->installStub(
        QStringLiteral("xdg-open"), "printf '%s %s\\n' \"$$\" \"$*\" >> \"" + QFile::encodeName(record) + "\"\n");
}

void TestCabinetKeyboard::init()
{
    QFile::remove(record);
}

// The arguments of each call, in the order the calls were started: the stand-ins run
// side by side and may write in any order, but their process ids follow their starts.
QStringList TestCabinetKeyboard::opened() const
{
    QFile file(record);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QMap<qint64, QString> calls;
    for (const QString& line : QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts)) {
        const int space = line.indexOf(QLatin1Char(' '));
        calls.insert(line.left(space).toLongLong(), line.mid(space + 1));
    }
    return calls.values();
}

// True when the cabinet took the key.
bool TestCabinetKeyboard::press(VorendaShelf& shelf, int key, Qt::KeyboardModifiers modifiers, const QString& text)
{
    QKeyEvent event(QEvent::KeyPress, key, modifiers, text);
    QApplication::sendEvent(&shelf, &event);
    return event.isAccepted();
}

void TestCabinetKeyboard::typingStartsASearch_data()
{
    QTest::addColumn<QString>("before");
    QTest::addColumn<int>("cursor");
    QTest::addColumn<QString>("hidden");
    QTest::addColumn<QString>("after");
    QTest::newRow("list word is replaced") << "[Ro]" << 1 << "" << "x";
    QTest::newRow("other list word in capitals") << "[MP]" << 4 << "" << "x";
    QTest::newRow("text grows at the cursor") << "ab" << 2 << "" << "abx";
    QTest::newRow("cursor at the start") << "ab" << 0 << "" << "xab";
    QTest::newRow("search box hidden") << "ab" << 2 << "searchbox" << "ab";
    QTest::newRow("top bar hidden") << "ab" << 2 << "topbar" << "ab";
}

void TestCabinetKeyboard::typingStartsASearch()
{
    QFETCH(QString, before);
    QFETCH(int, cursor);
    QFETCH(QString, hidden);
    QFETCH(QString, after);
    VorendaShelf shelf;
    shelf.show();
    QTRY_VERIFY(shelf.isVisible());
    shelf.searchBox->setText(before);
    shelf.searchBox->setCursorPosition(cursor);
    shelf.hidesearchbox = hidden == QLatin1String("searchbox");
    shelf.hidetopbar = hidden == QLatin1String("topbar");

    QVERIFY(press(shelf, Qt::Key_X, Qt::NoModifier, QStringLiteral("x")));
    QCOMPARE(shelf.searchBox->text(), after);
}

void TestCabinetKeyboard::escapeHides_data()
{
    QTest::addColumn<bool>("kiosk");
    QTest::newRow("hides") << false;
    QTest::newRow("kiosk mode stays") << true;
}

void TestCabinetKeyboard::escapeHides()
{
    QFETCH(bool, kiosk);
    VorendaShelf shelf;
    shelf.kiosk = kiosk;
    shelf.show();
    QTRY_VERIFY(shelf.isVisible());
    QVERIFY(press(shelf, Qt::Key_Escape));
    if (kiosk) {
        QTest::qWait(100);
        QVERIFY(shelf.isVisible());
    } else {
        QTRY_VERIFY(!shelf.isVisible());
    }
}

void TestCabinetKeyboard::returnOpensTheSelection_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<bool>("reveal");
    QTest::newRow("Return opens") << int(Qt::Key_Return) << int(Qt::NoModifier) << false;
    QTest::newRow("Enter opens") << int(Qt::Key_Enter) << int(Qt::KeypadModifier) << false;
    QTest::newRow("Alt+Return opens") << int(Qt::Key_Return) << int(Qt::AltModifier) << false;
    QTest::newRow("Shift+Return reveals") << int(Qt::Key_Return) << int(Qt::ShiftModifier) << true;
}

void TestCabinetKeyboard::returnOpensTheSelection()
{
    QFETCH(int, key);
    QFETCH(int, modifiers);
    QFETCH(bool, reveal);
    const QString root = TestEnvironment::instance()->root();
    VorendaShelf shelf;
    QStringList targets;
    QList<MyThumbnailItem*> items;
    for (const QString& name : {QStringLiteral("one"), QStringLiteral("two"), QStringLiteral("three"),
                                QStringLiteral("not selected")}) {
        const QString folder = root + QLatin1Char('/') + name;
        QDir().mkpath(folder);
        const QString path = folder + QStringLiteral("/file ") + name;
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        MyThumbnailItem* item = addCabinetItem(shelf, -1, name);
        item->properties.target = path;
        items << item;
        targets << (reveal ? QUrl::fromLocalFile(folder).toString(QUrl::FullyEncoded) : path);
    }
    targets.removeLast();
    shelf.view->resetModel();
    for (int i = 0; i < 3; ++i)
        items[i]->setSelected(true);

    QVERIFY(press(shelf, key, Qt::KeyboardModifiers(modifiers)));

    QTRY_COMPARE(opened().size(), 3);
    QCOMPARE(opened(), targets);
    for (int i = 0; i < 4; ++i)
        QCOMPARE(items[i]->properties.popularity, qint64(!reveal && i < 3 ? 1 : 0));
}

void TestCabinetKeyboard::returnWithoutSelection()
{
    VorendaShelf shelf;
    fillCabinet(shelf);
    shelf.view->clearSelection();
    QVERIFY(press(shelf, Qt::Key_Return));
    QCOMPARE(shelf.statusLabel->text(), QStringLiteral("No item is selected!"));
    QTest::qWait(100);
    QVERIFY(opened().isEmpty());
}

void TestCabinetKeyboard::otherKeysTravelOn()
{
    VorendaShelf shelf;
    fillCabinet(shelf);
    shelf.searchBox->setText(QStringLiteral("ab"));
    for (int key : {int(Qt::Key_Left), int(Qt::Key_PageDown), int(Qt::Key_F5), int(Qt::Key_Delete)})
        QVERIFY(!press(shelf, key));
    QCOMPARE(shelf.searchBox->text(), QStringLiteral("ab"));
}

VORENDA_TEST_MAIN(TestCabinetKeyboard)
#include "tst_cabinetkeyboard.moc"
