#include "RunningVorenda.h"
#include "TestEnvironment.h"

#include <QDir>
#include <QTemporaryDir>

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
    // The targets of the first cabinet's saved items.
    QStringList savedTargets() const;

    RunningVorenda vorenda;
};

void TestFolderDrop::initTestCase()
{
    QVERIFY2(!qEnvironmentVariableIsEmpty("DISPLAY"), "needs an X server (run under xvfb-run)");
    QVERIFY(vorenda.configure());
}

void TestFolderDrop::cleanup()
{
    vorenda.stop();
}

QStringList TestFolderDrop::savedTargets() const
{
    QStringList targets;
    for (const RunningVorenda::SavedItem& item : vorenda.savedItems())
        targets << item.target;
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

    QVERIFY(vorenda.start());
    const QString cabinet = vorenda.waitForCabinet();
    QVERIFY(!cabinet.isEmpty());

    // The folder's link on the clipboard, held by xclip until the test ends.
    QVERIFY(vorenda.holdOnClipboard({QUrl::fromLocalFile(folder)}));

    // Paste into the cabinet; the folder question comes up as a second window.
    QStringList question;
    QTRY_VERIFY_WITH_TIMEOUT((RunningVorenda::pasteInto(cabinet) && (QTest::qWait(500), true)
                              && (question = RunningVorenda::cabinetWindows(), question.removeAll(cabinet),
                                  !question.isEmpty())),
                             20000);

    // "Contents only" is the option below the first one.
    QVERIFY(RunningVorenda::xdotool({QStringLiteral("windowfocus"), QStringLiteral("--sync"), question.first()}));
    QVERIFY(RunningVorenda::xdotool({QStringLiteral("key"), QStringLiteral("Down"), QStringLiteral("Return")}));

    // The end of the walk saves the cabinet with every file as an item.
    QTRY_COMPARE_WITH_TIMEOUT(savedTargets().size(), 500, 120000);
    QStringList targets = savedTargets();
    targets.sort();
    QCOMPARE(targets, expected);
    // The progress window closed with the end of the walk.
    QTRY_VERIFY_WITH_TIMEOUT(RunningVorenda::visibleWindows(QStringLiteral("^Adding items to Vorenda$")).isEmpty(),
                             10000);

    // Still 500 after the program's own save on its way out.
    QVERIFY(vorenda.terminate());
    QCOMPARE(savedTargets().size(), 500);
}

VORENDA_TEST_MAIN(TestFolderDrop)
#include "tst_folderdrop_x11.moc"
