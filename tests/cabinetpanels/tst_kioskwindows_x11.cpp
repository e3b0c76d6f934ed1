#include "RunningVorenda.h"
#include "TestEnvironment.h"

#include "PanelWindowsX11.h"
#include "PersonalizationFixtures.h"

#include <QScreen>
#include <QTemporaryDir>

// The real program on a real X server: the windows that edit a cabinet, opened before
// Ctrl+K locks it in kiosk mode, close with the lock, and nothing typed into them
// reaches the cabinet's data file, however they are confirmed afterwards.
class TestKioskWindowsX11 : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void cleanup();
    void windowsOpenedBeforeTheLockChangeNothing();

private:
    // Focuses `window` and types `text` over what its focused field holds.
    static bool retype(const QString& window, const QStringList& selectKeys, const QString& text);
    static bool isShown(const QString& title);

    RunningVorenda vorenda;
    QTemporaryDir files;
};

void TestKioskWindowsX11::initTestCase()
{
    QVERIFY2(!qEnvironmentVariableIsEmpty("DISPLAY"), "needs an X server (run under xvfb-run)");
    QVERIFY(files.isValid());
    warmUpJpegDecoder();
    TestEnvironment::instance()->initializeGlobals();
    VorendaGlobal::load();
    QVERIFY(vorenda.configure());
}

void TestKioskWindowsX11::cleanupTestCase()
{
    delete PersonalizationWidget::instance();
}

void TestKioskWindowsX11::cleanup()
{
    vorenda.resetToFirstStart();
}

bool TestKioskWindowsX11::retype(const QString& window, const QStringList& selectKeys, const QString& text)
{
    return RunningVorenda::xdotool({QStringLiteral("windowfocus"), QStringLiteral("--sync"), window})
        && (selectKeys.isEmpty() || RunningVorenda::pressKeys(selectKeys))
        && RunningVorenda::xdotool({QStringLiteral("type"), QStringLiteral("--delay"), QStringLiteral("60"), text});
}

bool TestKioskWindowsX11::isShown(const QString& title)
{
    return !RunningVorenda::visibleWindows(QStringLiteral("^%1$").arg(title)).isEmpty();
}

void TestKioskWindowsX11::windowsOpenedBeforeTheLockChangeNothing()
{
    const QString properties = QStringLiteral("Vorenda Properties");
    const QString personalization = QStringLiteral("Vorenda Personalization");
    const QString target = files.filePath(QStringLiteral("notes.txt"));
    {
        QFile file(target);
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write("notes\n") == 6);
    }

    // A cabinet with one item, saved.
    QVERIFY(vorenda.start());
    const QString cabinet = RunningVorenda::waitForCabinet();
    QVERIFY(!cabinet.isEmpty());
    QVERIFY(RunningVorenda::dismissFirstRunWindows());
    QTRY_COMPARE_WITH_TIMEOUT(vorenda.listedIds().size(), 1, 10000);
    const QString data = vorenda.dataFile(vorenda.listedIds().first());
    QVERIFY(vorenda.holdOnClipboard({QUrl::fromLocalFile(target)}));
    QVERIFY(RunningVorenda::pasteInto(cabinet));
    QTRY_COMPARE_WITH_TIMEOUT(vorenda.savedItems().size(), 1, 30000);
    const RunningVorenda::SavedItem item = vorenda.savedItems().first();
    QCOMPARE(item.target, target);
    const QStringList cabinetName = RunningVorenda::attributeValues(data, QStringLiteral("Window"),
                                                                    QStringLiteral("name"));
    QCOMPARE(cabinetName.size(), 1);

    // The item's Properties (F3 on the selection), moved aside: a new name over the
    // selected one, a new target over the field Shift+Tab selects.
    QVERIFY(RunningVorenda::xdotool({QStringLiteral("windowfocus"), QStringLiteral("--sync"), cabinet}));
    QVERIFY(RunningVorenda::pressKeys({QStringLiteral("ctrl+a"), QStringLiteral("F3")}));
    const QString propertiesWindow = RunningVorenda::waitForWindow(QStringLiteral("^%1$").arg(properties));
    QVERIFY(!propertiesWindow.isEmpty());
    QVERIFY(RunningVorenda::xdotool({QStringLiteral("windowmove"), QStringLiteral("--sync"), propertiesWindow,
                                     QStringLiteral("0"), QStringLiteral("0")}));
    QVERIFY(retype(propertiesWindow, {}, QStringLiteral("Renamed while locked")));
    QVERIFY(retype(propertiesWindow, {QStringLiteral("shift+Tab")}, QStringLiteral("/usr/bin/xterm")));

    // The Personalization panel's General page, moved to the other side: a new name.
    const QString panel = openPersonalizationPanel(cabinet);
    QVERIFY(!panel.isEmpty());
    const QRect panelGeometry = RunningVorenda::windowGeometry(panel);
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    QVERIFY(RunningVorenda::xdotool({QStringLiteral("windowmove"), QStringLiteral("--sync"), panel,
                                     QString::number(screen.width() - panelGeometry.width()), QStringLiteral("0")}));
    QVERIFY(clickInPanel(panel, PersonalizationWidget::instance()->nameLineEdit));
    QVERIFY(retype(panel, {QStringLiteral("ctrl+a")}, QStringLiteral("Renamed cabinet")));

    // Ctrl+K on the cabinet locks it; both windows close with the lock.
    QVERIFY(RunningVorenda::xdotool({QStringLiteral("windowfocus"), QStringLiteral("--sync"), cabinet}));
    QVERIFY(RunningVorenda::pressKeys({QStringLiteral("ctrl+k")}));
    const bool propertiesClosed = QTest::qWaitFor([&] { return !isShown(properties); }, 10000);
    const bool panelClosed = QTest::qWaitFor([&] { return !isShown(personalization); }, 10000);

    // Whatever stayed open is confirmed, as a user would try.
    for (const QString& title : {properties, personalization}) {
        const QStringList open = RunningVorenda::visibleWindows(QStringLiteral("^%1$").arg(title));
        if (open.isEmpty())
            continue;
        QVERIFY(RunningVorenda::xdotool({QStringLiteral("windowfocus"), QStringLiteral("--sync"), open.first()}));
        QVERIFY(RunningVorenda::pressKeys({QStringLiteral("Return")}));
        QTest::qWait(500);
    }

    // The data file the program saved at its end: locked, and as it was.
    QVERIFY(vorenda.terminate());
    QCOMPARE(RunningVorenda::attributeValues(data, QStringLiteral("Window"), QStringLiteral("kiosk")),
             QStringList{QStringLiteral("1")});
    const QList<RunningVorenda::SavedItem> saved = vorenda.savedItems();
    QCOMPARE(saved.size(), 1);
    QCOMPARE(saved.first().name, item.name);
    QCOMPARE(saved.first().target, item.target);
    QCOMPARE(RunningVorenda::attributeValues(data, QStringLiteral("Window"), QStringLiteral("name")), cabinetName);
    QVERIFY(propertiesClosed);
    QVERIFY(panelClosed);
}

VORENDA_TEST_MAIN(TestKioskWindowsX11)
#include "tst_kioskwindows_x11.moc"
