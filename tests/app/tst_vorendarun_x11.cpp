#include "RunningVorenda.h"
#include "TestEnvironment.h"

#include <QRegularExpression>

// The real program on a real X server: the first cabinet appears, the global
// hotkeys hide and show it, SIGTERM saves it and the next start brings it back.
class TestVorendaRun : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();
    void firstCabinetSurvivesARestart();

private:
    static QString windowName(const QString& window);

    RunningVorenda vorenda;
};

void TestVorendaRun::initTestCase()
{
    QVERIFY2(!qEnvironmentVariableIsEmpty("DISPLAY"), "needs an X server (run under xvfb-run)");
    // The program's own settings file: an empty store, and an update server that is a closed local port.
    QVERIFY(vorenda.configure());
}

void TestVorendaRun::cleanup()
{
    // A failed check must not leave the program running.
    vorenda.stop();
}

QString TestVorendaRun::windowName(const QString& window)
{
    QProcess info;
    info.start(QStringLiteral("xwininfo"), {QStringLiteral("-id"), window});
    info.waitForFinished(5000);
    return QString::fromUtf8(info.readAllStandardOutput());
}

void TestVorendaRun::firstCabinetSurvivesARestart()
{
    QVERIFY(vorenda.start());
    const QString window = vorenda.waitForCabinet();
    QVERIFY(!window.isEmpty());
    QVERIFY(windowName(window).contains(QStringLiteral("Map State: IsViewable")));
    // The first-run cabinet is on disk before anything quits.
    QTRY_COMPARE_WITH_TIMEOUT(vorenda.listedIds().size(), 1, 10000);
    const QString id = vorenda.listedIds().first();
    QVERIFY(QRegularExpression(QStringLiteral("^[0-9a-f]{32}$")).match(id).hasMatch());

    QVERIFY(RunningVorenda::xdotool({QStringLiteral("key"), QStringLiteral("ctrl+F11")}));
    QTRY_VERIFY_WITH_TIMEOUT(RunningVorenda::cabinetWindows().isEmpty(), 10000);
    QVERIFY(windowName(window).contains(QStringLiteral("Map State: IsUnMapped")));
    QVERIFY(RunningVorenda::xdotool({QStringLiteral("key"), QStringLiteral("ctrl+F10")}));
    QTRY_COMPARE_WITH_TIMEOUT(RunningVorenda::cabinetWindows(), QStringList{window}, 10000);

    QVERIFY(vorenda.terminate(20000));
    QCOMPARE(vorenda.listedIds(), QStringList{id});
    QVERIFY(QFile::exists(vorenda.dataFile(id)));

    // Back again: listed, and shown by the hotkey (pressed until the program has bound it).
    QVERIFY(vorenda.start());
    QVERIFY(RunningVorenda::showCabinetByHotkey());
    QVERIFY(vorenda.terminate(20000));
    QCOMPARE(vorenda.listedIds(), QStringList{id}); // no second first-run cabinet
}

VORENDA_TEST_MAIN(TestVorendaRun)
#include "tst_vorendarun_x11.moc"
