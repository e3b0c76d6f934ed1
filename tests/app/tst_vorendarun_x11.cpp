#include "TestEnvironment.h"

#include <QDir>
#include <QProcess>
#include <QRegularExpression>
#include <QSettings>

#include <csignal>
#include <memory>

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
    void start();
    void terminate();
    // The ids of the program's mapped top-level windows titled "Vorenda".
    static QStringList visibleCabinetWindows();
    static QString windowName(const QString& window);
    QStringList listedIds() const;

    std::unique_ptr<QProcess> vorenda;
    QString store;
};

void TestVorendaRun::initTestCase()
{
    QVERIFY2(!qEnvironmentVariableIsEmpty("DISPLAY"), "needs an X server (run under xvfb-run)");
    store = TestEnvironment::instance()->root() + QStringLiteral("/vorenda-store/");
    // The program's own settings file: an empty store, and an update server that is a closed local port.
    QSettings settings(qEnvironmentVariable("XDG_CONFIG_HOME") + QStringLiteral("/Vorenda/Vorenda.conf"),
                       QSettings::IniFormat);
    settings.setValue(QStringLiteral("Main/StoreFolder"), store);
    settings.setValue(QStringLiteral("Main/VerCheckUrl"), QStringLiteral("http://127.0.0.1:1/vorenda-%1-%2.xml"));
    settings.sync();
    QCOMPARE(settings.status(), QSettings::NoError);
}

void TestVorendaRun::cleanup()
{
    // A failed check must not leave the program running.
    if (vorenda && vorenda->state() != QProcess::NotRunning) {
        vorenda->kill();
        vorenda->waitForFinished(5000);
    }
    vorenda.reset();
}

void TestVorendaRun::start()
{
    vorenda = std::make_unique<QProcess>();
    vorenda->setProcessChannelMode(QProcess::ForwardedChannels);
    vorenda->start(QStringLiteral(VORENDA_BIN_DIR "/vorenda"), QStringList());
    QVERIFY(vorenda->waitForStarted());
}

void TestVorendaRun::terminate()
{
    ::kill(pid_t(vorenda->processId()), SIGTERM);
    QVERIFY(vorenda->waitForFinished(20000));
    QCOMPARE(vorenda->exitStatus(), QProcess::NormalExit);
    QCOMPARE(vorenda->exitCode(), 0);
}

QStringList TestVorendaRun::visibleCabinetWindows()
{
    QProcess search;
    search.start(QStringLiteral("xdotool"),
                 {QStringLiteral("search"), QStringLiteral("--onlyvisible"), QStringLiteral("--name"),
                  QStringLiteral("^Vorenda$")});
    search.waitForFinished(5000);
    return QString::fromLatin1(search.readAllStandardOutput()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
}

QString TestVorendaRun::windowName(const QString& window)
{
    QProcess info;
    info.start(QStringLiteral("xwininfo"), {QStringLiteral("-id"), window});
    info.waitForFinished(5000);
    return QString::fromUtf8(info.readAllStandardOutput());
}

QStringList TestVorendaRun::listedIds() const
{
    QFile file(store + QStringLiteral("Vorenda.dat"));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QStringList ids;
    QXmlStreamReader xml(&file);
    while (!xml.atEnd()) {
        if (xml.readNext() == QXmlStreamReader::StartElement && xml.name() == QLatin1String("Cabinet"))
            ids << xml.attributes().value(QStringLiteral("id")).toString();
    }
    return ids;
}

void TestVorendaRun::firstCabinetSurvivesARestart()
{
    start();
    QTRY_COMPARE_WITH_TIMEOUT(visibleCabinetWindows().size(), 1, 30000);
    const QString window = visibleCabinetWindows().first();
    QVERIFY(windowName(window).contains(QStringLiteral("Map State: IsViewable")));
    // The first-run cabinet is on disk before anything quits.
    QTRY_COMPARE_WITH_TIMEOUT(listedIds().size(), 1, 10000);
    const QString id = listedIds().first();
    QVERIFY(QRegularExpression(QStringLiteral("^[0-9a-f]{32}$")).match(id).hasMatch());

    QCOMPARE(QProcess::execute(QStringLiteral("xdotool"), {QStringLiteral("key"), QStringLiteral("ctrl+F11")}), 0);
    QTRY_VERIFY_WITH_TIMEOUT(visibleCabinetWindows().isEmpty(), 10000);
    QVERIFY(windowName(window).contains(QStringLiteral("Map State: IsUnMapped")));
    QCOMPARE(QProcess::execute(QStringLiteral("xdotool"), {QStringLiteral("key"), QStringLiteral("ctrl+F10")}), 0);
    QTRY_COMPARE_WITH_TIMEOUT(visibleCabinetWindows(), QStringList{window}, 10000);

    terminate();
    QCOMPARE(listedIds(), QStringList{id});
    QVERIFY(QFile::exists(store + QStringLiteral("Data/") + id + QStringLiteral(".dat")));

    // Back again: listed, and shown by the hotkey (pressed until the program has bound it).
    start();
    QTRY_VERIFY_WITH_TIMEOUT(
        QProcess::execute(QStringLiteral("xdotool"), {QStringLiteral("key"), QStringLiteral("ctrl+F10")}) == 0
            && (QTest::qWait(300), visibleCabinetWindows().size() == 1),
        30000);
    terminate();
    QCOMPARE(listedIds(), QStringList{id}); // no second first-run cabinet
}

VORENDA_TEST_MAIN(TestVorendaRun)
#include "tst_vorendarun_x11.moc"
