#include "RunningVorenda.h"
#include "TestEnvironment.h"

#include <QDir>
#include <QGuiApplication>
#include <QScreen>
#include <QSettings>

// The real program on a real X server: Meta+Space calls up the quick search, a typed
// name filters both cabinets, shows them and counts their matches; with Google chosen,
// Return hands the desktop's opener (a stand-in xdg-open) the percent-encoded address.
class TestQuickSearchRun : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();
    void searchesCabinetsThenTheWeb();

private:
    // A cabinet data file listing items named `names`, each with a file of its own.
    bool writeCabinet(const QString& id, const QStringList& names) const;
    bool writeMainDataFile(const QStringList& ids) const;
    static QString quickSearchWindow();
    QString logText() const;
    QStringList opened() const;

    RunningVorenda vorenda;
    QString record;
};

void TestQuickSearchRun::initTestCase()
{
    QVERIFY2(!qEnvironmentVariableIsEmpty("DISPLAY"), "needs an X server (run under xvfb-run)");
    QVERIFY(vorenda.configure());
    // The program's log tells what the window counted.
    QSettings settings(qEnvironmentVariable("XDG_CONFIG_HOME") + QStringLiteral("/Vorenda/Vorenda.conf"),
                       QSettings::IniFormat);
    settings.setValue(QStringLiteral("Main/EnableLog"), true);
    settings.sync();
    record = TestEnvironment::instance()->root() + QStringLiteral("/opened.txt");
    TestEnvironment::instance()->installStub(
        QStringLiteral("xdg-open"), "printf '%s\\n' \"$@\" >> \"" + QFile::encodeName(record) + "\"\n");
}

void TestQuickSearchRun::cleanup()
{
    vorenda.stop();
}

bool TestQuickSearchRun::writeCabinet(const QString& id, const QStringList& names) const
{
    const QString files = TestEnvironment::instance()->root() + QStringLiteral("/files/");
    QDir().mkpath(files);
    QString items;
    for (const QString& name : names) {
        QFile target(files + name + QStringLiteral(".txt"));
        if (!target.open(QIODevice::WriteOnly))
            return false;
        items += QStringLiteral("<Item name=\"%1\" type=\"0\" label=\"1\"><target>%2</target></Item>\n")
                     .arg(name, target.fileName());
    }
    QDir().mkpath(vorenda.store() + QStringLiteral("Data"));
    QFile file(vorenda.dataFile(id));
    if (!file.open(QIODevice::WriteOnly))
        return false;
    file.write(QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<!DOCTYPE Vorenda-CabinetData>\n"
                              "<Root>\n<Uncategorized>\n%1</Uncategorized>\n</Root>\n")
                   .arg(items)
                   .toUtf8());
    return true;
}

bool TestQuickSearchRun::writeMainDataFile(const QStringList& ids) const
{
    QString cabinets;
    for (const QString& id : ids)
        cabinets += QStringLiteral("<Cabinet id=\"%1\"/>").arg(id);
    QDir().mkpath(vorenda.store());
    QFile file(vorenda.store() + QStringLiteral("Vorenda.dat"));
    return file.open(QIODevice::WriteOnly)
        && file.write(QStringLiteral("<?xml version=\"1.0\"?>\n<!DOCTYPE Vorenda-Data>\n"
                                     "<Root><Cabinets>%1</Cabinets></Root>\n")
                          .arg(cabinets)
                          .toUtf8())
        > 0;
}

QString TestQuickSearchRun::quickSearchWindow()
{
    return RunningVorenda::visibleWindows(QStringLiteral("^Vorenda Quick Search$")).value(0);
}

QString TestQuickSearchRun::logText() const
{
    const QDir desktop(TestEnvironment::instance()->home() + QStringLiteral("/Desktop"));
    QString text;
    for (const QString& name : desktop.entryList({QStringLiteral("vorenda_*.log")}, QDir::Files)) {
        QFile file(desktop.filePath(name));
        if (file.open(QIODevice::ReadOnly))
            text += QString::fromUtf8(file.readAll());
    }
    return text;
}

QStringList TestQuickSearchRun::opened() const
{
    QFile file(record);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
}

void TestQuickSearchRun::searchesCabinetsThenTheWeb()
{
    const QString bills = QStringLiteral("0123456789abcdef0123456789abcdef");
    const QString work = QStringLiteral("fedcba9876543210fedcba9876543210");
    QVERIFY(writeCabinet(bills, {QStringLiteral("Invoice March"), QStringLiteral("Invoice April"),
                                 QStringLiteral("Receipts")}));
    QVERIFY(writeCabinet(work, {QStringLiteral("Report"), QStringLiteral("Old invoice")}));
    QVERIFY(writeMainDataFile({bills, work}));

    QVERIFY(vorenda.start());
    // Listed cabinets start hidden; the hotkey works once the program has bound it.
    QString window;
    QVERIFY(QTest::qWaitFor(
        [&] {
            RunningVorenda::xdotool({QStringLiteral("key"), QStringLiteral("super+space")});
            QTest::qWait(300);
            return !(window = quickSearchWindow()).isEmpty();
        },
        30000));
    QVERIFY(RunningVorenda::cabinetWindows().isEmpty());

    QVERIFY(RunningVorenda::xdotool({QStringLiteral("windowfocus"), QStringLiteral("--sync"), window}));
    QVERIFY(RunningVorenda::xdotool({QStringLiteral("type"), QStringLiteral("--delay"), QStringLiteral("40"),
                                     QStringLiteral("invoice")}));
    // Both cabinets hold matches: they come up, and the window counts all three.
    QTRY_COMPARE_WITH_TIMEOUT(RunningVorenda::cabinetWindows().size(), 2, 10000);
    QTRY_VERIFY_WITH_TIMEOUT(logText().contains(QStringLiteral("Searched the cabinets: Results: 3 matches")), 10000);
    QVERIFY(!logText().contains(QStringLiteral("Searched the cabinets: Results: 1 match")));
    QCOMPARE(quickSearchWindow(), window);
    QTest::qWait(500);
    const QImage shot = QGuiApplication::primaryScreen()->grabWindow(window.toULongLong()).toImage();
    QVERIFY(!shot.isNull());
    QVERIFY(RunningVorenda::saveScreenshot(shot, QStringLiteral("quicksearch.png")));

    // Google, by its key while the window is active; the address is encoded.
    QVERIFY(RunningVorenda::xdotool({QStringLiteral("windowfocus"), QStringLiteral("--sync"), window}));
    QVERIFY(RunningVorenda::xdotool({QStringLiteral("key"), QStringLiteral("alt+g")}));
    QTest::qWait(300);
    QVERIFY(RunningVorenda::xdotool({QStringLiteral("key"), QStringLiteral("ctrl+a")}));
    QVERIFY(RunningVorenda::xdotool({QStringLiteral("type"), QStringLiteral("--delay"), QStringLiteral("40"),
                                     QStringLiteral("c# tips")}));
    QTest::qWait(300);
    const QImage web = QGuiApplication::primaryScreen()->grabWindow(window.toULongLong()).toImage();
    QVERIFY(RunningVorenda::saveScreenshot(web, QStringLiteral("quicksearch-google.png")));
    QVERIFY(RunningVorenda::xdotool({QStringLiteral("key"), QStringLiteral("Return")}));
    QTRY_COMPARE_WITH_TIMEOUT(opened(), QStringList{QStringLiteral("https://www.google.com/search?q=c%23%20tips")},
                              10000);
    QTRY_VERIFY_WITH_TIMEOUT(quickSearchWindow().isEmpty(), 10000);

    // The provider and its history outlive the program.
    QVERIFY(vorenda.terminate());
    QSettings settings(qEnvironmentVariable("XDG_CONFIG_HOME") + QStringLiteral("/Vorenda/Vorenda.conf"),
                       QSettings::IniFormat);
    QCOMPARE(settings.value(QStringLiteral("QuickSearch/SearchProvider")).toInt(), 1);
    QCOMPARE(settings.value(QStringLiteral("QuickSearch/GoogleCompleter")).toStringList(),
             QStringList{QStringLiteral("c# tips")});
}

VORENDA_TEST_MAIN(TestQuickSearchRun)
#include "tst_quicksearch_x11.moc"
