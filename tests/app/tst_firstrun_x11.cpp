#include "MenuEntries.h"
#include "RunningVorenda.h"
#include "TestEnvironment.h"

#include <QDir>
#include <QGuiApplication>
#include <QScreen>

// The real program's first start on a real X server: the welcome wizard fills the new
// cabinet from a prepared desktop and the menus' programs, Finish opens the guide along
// the right screen edge, and F3 renames and tags an item for good.
class TestFirstRun : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();
    void welcomeGuideAndProperties();

private:
    static bool key(const QString& window, const QStringList& keys);
    static bool type(const QString& window, const QString& text);
    static QStringList namesIn(const QList<RunningVorenda::SavedItem>& items, const QString& category);

    RunningVorenda vorenda;
    MenuEntries menus;
    QString desktop;
};

void TestFirstRun::initTestCase()
{
    QVERIFY2(!qEnvironmentVariableIsEmpty("DISPLAY"), "needs an X server (run under xvfb-run)");
    QVERIFY(vorenda.configure());

    desktop = TestEnvironment::instance()->home() + QStringLiteral("/Desktop");
    QVERIFY(QDir(desktop).removeRecursively() && QDir().mkpath(desktop + QStringLiteral("/Archive")));
    for (const char* name : {"report.txt", "plan.odt"}) {
        QFile file(desktop + QLatin1Char('/') + QLatin1String(name));
        QVERIFY(file.open(QIODevice::WriteOnly));
    }

    // The program's menus hold one application and one utility.
    QVERIFY(menus.add(QStringLiteral("viewer.desktop"), "Type=Application\nName=Viewer\nCategories=Graphics;\n"));
    QVERIFY(menus.add(QStringLiteral("calc.desktop"), "Type=Application\nName=Calculator\nCategories=Utility;\n"));
}

void TestFirstRun::cleanup()
{
    vorenda.stop();
}

bool TestFirstRun::key(const QString& window, const QStringList& keys)
{
    return RunningVorenda::xdotool({QStringLiteral("windowfocus"), QStringLiteral("--sync"), window})
        && RunningVorenda::xdotool(QStringList{QStringLiteral("key"), QStringLiteral("--delay"), QStringLiteral("80")}
                                   + keys);
}

bool TestFirstRun::type(const QString& window, const QString& text)
{
    return RunningVorenda::xdotool({QStringLiteral("windowfocus"), QStringLiteral("--sync"), window})
        && RunningVorenda::xdotool({QStringLiteral("type"), QStringLiteral("--delay"), QStringLiteral("40"), text});
}

QStringList TestFirstRun::namesIn(const QList<RunningVorenda::SavedItem>& items, const QString& category)
{
    QStringList names;
    for (const RunningVorenda::SavedItem& item : items) {
        if (item.category == category)
            names << item.name;
    }
    names.sort();
    return names;
}

void TestFirstRun::welcomeGuideAndProperties()
{
    QVERIFY(vorenda.start());
    QVERIFY(!vorenda.waitForCabinet().isEmpty());
    const QString wizard = RunningVorenda::waitForWindow(QStringLiteral("^Welcome to Vorenda$"));
    QVERIFY(!wizard.isEmpty());
    QTest::qWait(500);
    QVERIFY(RunningVorenda::saveScreenshot(RunningVorenda::grabWindow(wizard), QStringLiteral("welcome-start.png")));

    // Escape leaves the wizard up; Return starts it.
    QVERIFY(key(wizard, {QStringLiteral("Escape")}));
    QTest::qWait(300);
    QCOMPARE(RunningVorenda::visibleWindows(QStringLiteral("^Welcome to Vorenda$")), QStringList{wizard});
    QVERIFY(key(wizard, {QStringLiteral("Return")}));

    // Each group is saved with the cabinet as soon as its walk ends; the utilities come last.
    QList<RunningVorenda::SavedItem> items;
    QTRY_VERIFY_WITH_TIMEOUT(!namesIn(items = vorenda.savedItems(), QStringLiteral("Utilities")).isEmpty(), 20000);
    QCOMPARE(namesIn(items, QStringLiteral("Desktop")),
             (QStringList{QStringLiteral("Archive"), QStringLiteral("plan"), QStringLiteral("report")}));
    QCOMPARE(namesIn(items, QStringLiteral("Applications")), QStringList{QStringLiteral("Viewer")});
    QCOMPARE(namesIn(items, QStringLiteral("Utilities")), QStringList{QStringLiteral("Calculator")});
    QTest::qWait(500);
    QVERIFY(RunningVorenda::saveScreenshot(RunningVorenda::grabWindow(wizard), QStringLiteral("welcome-done.png")));

    // Return now finishes, and the guide opens along the right edge of the screen.
    QVERIFY(key(wizard, {QStringLiteral("Return")}));
    const QString help = RunningVorenda::waitForWindow(QStringLiteral("^Vorenda Quick Start Guide$"));
    QVERIFY(!help.isEmpty());
    QTRY_VERIFY(RunningVorenda::visibleWindows(QStringLiteral("^Welcome to Vorenda$")).isEmpty());
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    const QRect guide = RunningVorenda::windowGeometry(help);
    QCOMPARE(guide.right(), screen.right());
    QCOMPARE(guide.height(), screen.height());
    QTest::qWait(500);
    QVERIFY(RunningVorenda::saveScreenshot(RunningVorenda::grabWindow(help), QStringLiteral("helpwindow.png")));
    QVERIFY(key(help, {QStringLiteral("Escape")}));
    QTRY_VERIFY(RunningVorenda::visibleWindows(QStringLiteral("^Vorenda Quick Start Guide$")).isEmpty());

    // F3 on the first item: a new name and two tags. Return in the tag field adds them
    // without closing the window; Return on the button after it confirms.
    const QString cabinet = vorenda.waitForCabinet();
    QVERIFY(key(cabinet, {QStringLiteral("ctrl+a"), QStringLiteral("F3")}));
    const QString properties = RunningVorenda::waitForWindow(QStringLiteral("^Vorenda Properties$"));
    QVERIFY(!properties.isEmpty());
    QVERIFY(type(properties, QStringLiteral("Quarterly report")));
    QVERIFY(key(properties, {QStringLiteral("Tab"), QStringLiteral("Tab"), QStringLiteral("Tab"), QStringLiteral("Tab")}));
    QVERIFY(type(properties, QStringLiteral(" Work, FINANCE ")));
    QVERIFY(key(properties, {QStringLiteral("Return")}));
    QTest::qWait(500);
    QCOMPARE(RunningVorenda::visibleWindows(QStringLiteral("^Vorenda Properties$")), QStringList{properties});
    QVERIFY(RunningVorenda::saveScreenshot(RunningVorenda::grabWindow(properties), QStringLiteral("itemproperties.png")));
    QVERIFY(key(properties, {QStringLiteral("Tab"), QStringLiteral("Return")}));
    QTRY_VERIFY(RunningVorenda::visibleWindows(QStringLiteral("^Vorenda Properties$")).isEmpty());

    QVERIFY(vorenda.terminate());
    items = vorenda.savedItems();
    const auto renamed = std::find_if(items.cbegin(), items.cend(), [](const RunningVorenda::SavedItem& item) {
        return item.name == QLatin1String("Quarterly report");
    });
    QVERIFY(renamed != items.cend());
    QCOMPARE(renamed->category, QStringLiteral("Desktop"));
    QCOMPARE(renamed->tags, QStringLiteral("finance,work"));
    // The vocabulary reaches the main data file.
    QFile main(vorenda.store() + QStringLiteral("Vorenda.dat"));
    QVERIFY(main.open(QIODevice::ReadOnly));
    QVERIFY(main.readAll().contains("tags=\"finance,work\""));
}

VORENDA_TEST_MAIN(TestFirstRun)
#include "tst_firstrun_x11.moc"
