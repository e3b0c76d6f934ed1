#include "RecordingOpener.h"
#include "RunningVorenda.h"
#include "TestEnvironment.h"

#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QPixmap>
#include <QScreen>

// The real program on a real X server: a file pasted into the first cabinet becomes an
// item, and a double click on it hands the desktop's opener (a stand-in xdg-open that
// writes down its arguments) the file's exact path.
class TestOpenItem : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();
    void doubleClickOpensTheExactPath();

private:
    QStringList opened() const;

    RunningVorenda vorenda;
    QString record;
};

void TestOpenItem::initTestCase()
{
    QVERIFY2(!qEnvironmentVariableIsEmpty("DISPLAY"), "needs an X server (run under xvfb-run)");
    QVERIFY(vorenda.configure());
    record = RecordingOpener::install();
}

void TestOpenItem::cleanup()
{
    vorenda.stop();
}

QStringList TestOpenItem::opened() const
{
    return RecordingOpener::opened(record);
}

void TestOpenItem::doubleClickOpensTheExactPath()
{
    const QString folder = TestEnvironment::instance()->root() + QStringLiteral("/Tom's files");
    QVERIFY(QDir().mkpath(folder));
    const QString path = folder + QStringLiteral("/the \"best\" notes $HOME `x` & more.txt");
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.close();

    QVERIFY(vorenda.start());
    const QString cabinet = vorenda.waitForCabinet();
    QVERIFY(!cabinet.isEmpty());
    // The first run's windows could cover the shelves.
    QVERIFY(RunningVorenda::dismissFirstRunWindows());
    QTest::qWait(1000);

    const QRect geometry = RunningVorenda::windowGeometry(cabinet);
    QVERIFY(geometry.width() > 100 && geometry.height() > 100);
    const auto grab = [&] { return RunningVorenda::grabScreen(geometry); };
    const QImage before = grab();

    QVERIFY(vorenda.holdOnClipboard({QUrl::fromLocalFile(path)}));
    QVERIFY(RunningVorenda::pasteInto(cabinet));

    // The new item stands where the shelves changed.
    QTRY_VERIFY_WITH_TIMEOUT(!RunningVorenda::changedArea(before, grab()).isEmpty(), 20000);
    QTest::qWait(1500);
    const QRect item = RunningVorenda::changedArea(before, grab());
    QVERIFY(!item.isEmpty());
    const QPoint target = geometry.topLeft() + item.center();

    QVERIFY(RunningVorenda::xdotool(
        {QStringLiteral("mousemove"), QString::number(target.x()), QString::number(target.y())}));
    QTest::qWait(300);
    QVERIFY(RunningVorenda::xdotool({QStringLiteral("click"), QStringLiteral("--repeat"), QStringLiteral("2"),
                                     QStringLiteral("--delay"), QStringLiteral("80"), QStringLiteral("1")}));
    QTRY_COMPARE_WITH_TIMEOUT(opened(), QStringList{path}, 10000);

    // The open is counted and saved with the cabinet on the way out.
    QVERIFY(vorenda.terminate());
    const QList<RunningVorenda::SavedItem> items = vorenda.savedItems();
    QVERIFY(!items.isEmpty());
    QCOMPARE(items.first().target, path);
    QCOMPARE(items.first().popularity, QStringLiteral("1"));
}

VORENDA_TEST_MAIN(TestOpenItem)
#include "tst_openitem_x11.moc"
