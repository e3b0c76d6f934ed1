#include "TestEnvironment.h"

#include <QDir>
#include <QProcess>
#include <QSettings>
#include <QTemporaryDir>
#include <QUrl>
#include <QXmlStreamReader>

#include <csignal>
#include <memory>

// The real program on a real X server: a folder of 500 files pasted into the first
// cabinet, answered "contents only", arrives as 500 items that the end of the walk
// saves.
class TestFolderDrop : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();
    void pastedFolderContentsBecomeItems();

private:
    static QStringList visibleWindows(const QString& name);
    static bool xdotool(const QStringList& arguments);
    // The items of the first cabinet's data file and their targets.
    QStringList savedTargets() const;

    std::unique_ptr<QProcess> vorenda;
    std::unique_ptr<QProcess> clipboard;
    QString store;
};

void TestFolderDrop::initTestCase()
{
    QVERIFY2(!qEnvironmentVariableIsEmpty("DISPLAY"), "needs an X server (run under xvfb-run)");
    store = TestEnvironment::instance()->root() + QStringLiteral("/vorenda-store/");
    QSettings settings(qEnvironmentVariable("XDG_CONFIG_HOME") + QStringLiteral("/Vorenda/Vorenda.conf"),
                       QSettings::IniFormat);
    settings.setValue(QStringLiteral("Main/StoreFolder"), store);
    settings.setValue(QStringLiteral("Main/VerCheckUrl"), QStringLiteral("http://127.0.0.1:1/vercheck.xml"));
    settings.sync();
    QCOMPARE(settings.status(), QSettings::NoError);
}

void TestFolderDrop::cleanup()
{
    for (auto* process : {vorenda.get(), clipboard.get()}) {
        if (process && process->state() != QProcess::NotRunning) {
            process->kill();
            process->waitForFinished(5000);
        }
    }
    vorenda.reset();
    clipboard.reset();
}

QStringList TestFolderDrop::visibleWindows(const QString& name)
{
    QProcess search;
    search.start(QStringLiteral("xdotool"),
                 {QStringLiteral("search"), QStringLiteral("--onlyvisible"), QStringLiteral("--name"), name});
    search.waitForFinished(5000);
    return QString::fromLatin1(search.readAllStandardOutput()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
}

bool TestFolderDrop::xdotool(const QStringList& arguments)
{
    return QProcess::execute(QStringLiteral("xdotool"), arguments) == 0;
}

QStringList TestFolderDrop::savedTargets() const
{
    const QStringList files = QDir(store + QStringLiteral("Data")).entryList({QStringLiteral("*.dat")}, QDir::Files);
    if (files.size() != 1)
        return {};
    QFile file(store + QStringLiteral("Data/") + files.first());
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QStringList targets;
    QXmlStreamReader xml(&file);
    while (!xml.atEnd()) {
        if (xml.readNext() == QXmlStreamReader::StartElement && xml.name() == QLatin1String("target"))
            targets << xml.readElementText();
    }
    return targets;
}

void TestFolderDrop::pastedFolderContentsBecomeItems()
{
    QTemporaryDir temp;
    const QString folder = temp.filePath(QStringLiteral("Five Hundred"));
    QVERIFY(QDir().mkpath(folder));
    QStringList expected;
    for (int i = 0; i < 500; ++i) {
        QFile file(folder + QStringLiteral("/file %1.txt").arg(i, 3, 10, QLatin1Char('0')));
        QVERIFY(file.open(QIODevice::WriteOnly));
        expected << file.fileName();
    }

    vorenda = std::make_unique<QProcess>();
    vorenda->setProcessChannelMode(QProcess::ForwardedChannels);
    vorenda->start(QStringLiteral(VORENDA_BIN_DIR "/vorenda"), QStringList());
    QVERIFY(vorenda->waitForStarted());
    QTRY_COMPARE_WITH_TIMEOUT(visibleWindows(QStringLiteral("^Vorenda$")).size(), 1, 30000);
    const QString cabinet = visibleWindows(QStringLiteral("^Vorenda$")).first();

    // The folder's link on the clipboard, held by xclip until the test ends.
    clipboard = std::make_unique<QProcess>();
    clipboard->start(QStringLiteral("xclip"), {QStringLiteral("-quiet"), QStringLiteral("-selection"),
                                               QStringLiteral("clipboard"), QStringLiteral("-t"),
                                               QStringLiteral("text/uri-list"), QStringLiteral("-i")});
    QVERIFY(clipboard->waitForStarted());
    clipboard->write(QUrl::fromLocalFile(folder).toEncoded() + "\r\n");
    clipboard->closeWriteChannel();
    QTest::qWait(300);

    // Paste into the cabinet; the folder question comes up as a second window.
    QStringList question;
    QTRY_VERIFY_WITH_TIMEOUT(
        (xdotool({QStringLiteral("windowfocus"), QStringLiteral("--sync"), cabinet})
         && xdotool({QStringLiteral("key"), QStringLiteral("ctrl+v")}) && (QTest::qWait(500), true)
         && (question = visibleWindows(QStringLiteral("^Vorenda$")), question.removeAll(cabinet), !question.isEmpty())),
        20000);

    // "Contents only" is the option below the first one.
    QVERIFY(xdotool({QStringLiteral("windowfocus"), QStringLiteral("--sync"), question.first()}));
    QVERIFY(xdotool({QStringLiteral("key"), QStringLiteral("Down"), QStringLiteral("Return")}));

    // The end of the walk saves the cabinet with every file as an item.
    QTRY_COMPARE_WITH_TIMEOUT(savedTargets().size(), 500, 120000);
    QStringList targets = savedTargets();
    targets.sort();
    QCOMPARE(targets, expected);
    // The progress window closed with the end of the walk.
    QTRY_VERIFY_WITH_TIMEOUT(visibleWindows(QStringLiteral("^Adding items to Vorenda$")).isEmpty(), 10000);

    // Still 500 after the program's own save on its way out.
    ::kill(pid_t(vorenda->processId()), SIGTERM);
    QVERIFY(vorenda->waitForFinished(30000));
    QCOMPARE(vorenda->exitCode(), 0);
    QCOMPARE(savedTargets().size(), 500);
}

VORENDA_TEST_MAIN(TestFolderDrop)
#include "tst_folderdrop_x11.moc"
