#include "TestEnvironment.h"

#include "InteractionFixtures.h"

#include <QDir>
#include <QDrag>
#include <QMouseEvent>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTimer>

#include <cstdio>
#include <unistd.h>

// A real drag between two X clients: this test program, started a second time, offers a
// file URL and xdotool drives the pointer from its window onto a view of the first.
class TestViewDragDropX11 : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void fileDraggedFromAnotherClientBecomesAnItem();
};

namespace {

const char* const SourceVariable = "VORENDA_DRAG_SOURCE_URL";
const QPoint SourcePos(40, 40);
const QPoint ViewPos(400, 100);

// The second client: a small window that starts a drag of one URL when the pointer
// moves with the button down, and reports the drag's result.
class DragSource : public QWidget
{
public:
    explicit DragSource(const QUrl& url)
        : url(url)
    {
    }

protected:
    void mouseMoveEvent(QMouseEvent* event) override
    {
        if (!(event->buttons() & Qt::LeftButton) || dragging)
            return;
        dragging = true;
        auto* drag = new QDrag(this);
        auto* data = new QMimeData;
        data->setUrls({url});
        drag->setMimeData(data);
        QPixmap pixmap(24, 24);
        pixmap.fill(Qt::darkCyan);
        drag->setPixmap(pixmap);
        const Qt::DropAction action = drag->exec(Qt::CopyAction);
        std::printf("drag-source-result %d\n", int(action));
        std::fflush(stdout);
        // The target fetches the data after the drop: the source must outlive it a while.
        const int code = action == Qt::CopyAction ? 0 : 1;
        QTimer::singleShot(3000, [code] { QCoreApplication::exit(code); });
    }

private:
    QUrl url;
    bool dragging = false;
};

[[noreturn]] void runDragSource(const QUrl& url)
{
    int code = 2;
    {
        DragSource source(url);
        source.setGeometry(QRect(SourcePos, QSize(120, 120)));
        source.show();
        if (QTest::qWaitForWindowExposed(&source)) {
            std::printf("drag-source-ready\n");
            std::fflush(stdout);
            code = QCoreApplication::exec();
        }
    }
    // This process only serves the other one: no test report, no leak report of the
    // half-run test framework, and its private home goes with it.
    QDir(TestEnvironment::instance()->root()).removeRecursively();
    std::fflush(stdout);
    _exit(code);
}

} // namespace

void TestViewDragDropX11::initTestCase()
{
    const QByteArray url = qgetenv(SourceVariable);
    if (!url.isEmpty())
        runDragSource(QUrl::fromEncoded(url));
}

void TestViewDragDropX11::fileDraggedFromAnotherClientBecomesAnItem()
{
    const QString xdotool = QStandardPaths::findExecutable(QStringLiteral("xdotool"));
    if (xdotool.isEmpty())
        QSKIP("xdotool is not installed");
    if (QGuiApplication::platformName() != QLatin1String("xcb"))
        QSKIP("needs an X server");

    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("dropped file.txt"));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("content");
    file.close();
    const QUrl url = QUrl::fromLocalFile(path);

    ThumbnailView view;
    ViewOwner owner;
    owner.attach(&view);
    view.setGeometry(QRect(ViewPos, QSize(300, 300)));
    view.show();
    QVERIFY(QTest::qWaitForWindowExposed(&view));

    QProcess source;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QString::fromLatin1(SourceVariable), QString::fromLatin1(url.toEncoded()));
    source.setProcessEnvironment(environment);
    source.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    source.start(QCoreApplication::applicationFilePath(), QStringList());
    QVERIFY(source.waitForStarted(10000));
    QByteArray output;
    QTRY_VERIFY_WITH_TIMEOUT((output += source.readAllStandardOutput()).contains("drag-source-ready"), 20000);

    // Press in the source window, move past the drag distance, travel onto the view
    // in steps (each one an XDND position message), and release there.
    const QPoint press = SourcePos + QPoint(60, 60);
    const QPoint drop = ViewPos + QPoint(150, 150);
    QStringList script{QStringLiteral("mousemove"), QString::number(press.x()), QString::number(press.y()),
                       QStringLiteral("sleep"), QStringLiteral("0.3"), QStringLiteral("mousedown"), QStringLiteral("1"),
                       QStringLiteral("sleep"), QStringLiteral("0.3")};
    for (int step = 1; step <= 8; ++step) {
        const QPoint at = press + (drop - press) * step / 8;
        script << QStringLiteral("mousemove") << QString::number(at.x()) << QString::number(at.y())
               << QStringLiteral("sleep") << QStringLiteral("0.15");
    }
    script << QStringLiteral("sleep") << QStringLiteral("0.5") << QStringLiteral("mouseup") << QStringLiteral("1");
    QProcess pointer;
    pointer.start(xdotool, script);
    QVERIFY(pointer.waitForStarted(5000));

    // Both programs keep running their event loops while the pointer travels.
    QTRY_COMPARE_WITH_TIMEOUT(view.getAllItems().count(), 1, 30000);
    QCOMPARE(owner.createdUrls, QList<QUrl>{url});
    QCOMPARE(view.getAllItems().first()->toolTip(), url.toString());
    QTRY_COMPARE_WITH_TIMEOUT(pointer.state(), QProcess::NotRunning, 10000);
    QTRY_COMPARE_WITH_TIMEOUT(source.state(), QProcess::NotRunning, 15000);
    output += source.readAllStandardOutput();
    QVERIFY2(output.contains("drag-source-result 1"), output.constData());
    QCOMPARE(source.exitCode(), 0);
}

VORENDA_TEST_MAIN(TestViewDragDropX11)
#include "tst_viewdragdrop_x11.moc"
