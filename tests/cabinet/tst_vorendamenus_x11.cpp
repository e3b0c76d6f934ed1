#include "RunningVorenda.h"
#include "TestEnvironment.h"

#include "CabinetTestFixtures.h"
#include "DockableWidget.h"

#include <QDragEnterEvent>
#include <QMimeData>
#include <QProcess>
#include <QTemporaryDir>

namespace {

// A window of another program that takes drops and keeps what they carried.
class DropTarget : public QWidget {
public:
    DropTarget()
    {
        setAcceptDrops(true);
        setWindowTitle(QStringLiteral("Drop Target"));
    }

    QStringList formats;
    QByteArray uriList;

protected:
    void dragEnterEvent(QDragEnterEvent* event) override { event->acceptProposedAction(); }
    void dragMoveEvent(QDragMoveEvent* event) override { event->acceptProposedAction(); }
    void dropEvent(QDropEvent* event) override
    {
        formats = event->mimeData()->formats();
        uriList = event->mimeData()->data(QStringLiteral("text/uri-list"));
        event->acceptProposedAction();
    }
};

} // namespace

// The real program on a real X server, driven as a user drives it: its menus run
// commands, and its items reach other programs by dragging and copying.
class TestVorendaMenus : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();
    void menusMakeACategoryAndMoveItemsIntoIt();
    void itemMenuRemovesTheItem();
    void dragOutDeliversTheFilePath();
    void copyPutsTheFilePathOnTheClipboard();
    void menuBarMenusOpenUnderTheirButtons();

private:
    // Starts the program and waits for its first cabinet; the quick-start panel is put away.
    bool startCabinet();
    // Pastes the files into the cabinet; the area the new items took, empty when none came.
    QRect pasteFiles(const QStringList& paths);
    // Where the menu-bar button `index` (0 Cabinet ... 5 Help) of the cabinet is on the
    // screen; null when the menu bar cannot be found.
    QPoint menuButton(int index) const;
    QString newFile(const QString& name);
    static bool pointer(const QStringList& arguments);

    RunningVorenda vorenda;
    QTemporaryDir files;
    QString cabinet;
    QRect geometry;
};

void TestVorendaMenus::initTestCase()
{
    QVERIFY2(!qEnvironmentVariableIsEmpty("DISPLAY"), "needs an X server (run under xvfb-run)");
    TestEnvironment::instance()->initializeGlobals();
    VorendaGlobal::load();
    QVERIFY(vorenda.configure());
}

void TestVorendaMenus::cleanup()
{
    // Each test starts on an empty store, where the program makes its first cabinet.
    vorenda.resetToFirstStart();
}

QString TestVorendaMenus::newFile(const QString& name)
{
    QFile file(files.filePath(name));
    if (!file.open(QIODevice::WriteOnly))
        return QString();
    file.write("notes\n");
    return file.fileName();
}

bool TestVorendaMenus::pointer(const QStringList& arguments)
{
    const bool done = RunningVorenda::xdotool(arguments);
    QTest::qWait(200);
    return done;
}

bool TestVorendaMenus::startCabinet()
{
    if (!vorenda.start())
        return false;
    cabinet = RunningVorenda::waitForCabinet();
    if (cabinet.isEmpty())
        return false;
    if (!RunningVorenda::dismissFirstRunWindows())
        return false;
    QTest::qWait(1000);
    geometry = RunningVorenda::windowGeometry(cabinet);
    return geometry.width() > 100 && geometry.height() > 100;
}

QRect TestVorendaMenus::pasteFiles(const QStringList& paths)
{
    const QImage before = RunningVorenda::grabScreen(geometry);
    QList<QUrl> urls;
    for (const QString& path : paths)
        urls << QUrl::fromLocalFile(path);
    if (!vorenda.holdOnClipboard(urls) || !RunningVorenda::pasteInto(cabinet))
        return QRect();
    if (!QTest::qWaitFor(
            [&] { return !RunningVorenda::changedArea(before, RunningVorenda::grabScreen(geometry)).isEmpty(); },
            20000))
        return QRect();
    // The pictures settle before the area is measured.
    QTest::qWait(1500);
    return RunningVorenda::changedArea(before, RunningVorenda::grabScreen(geometry)).translated(geometry.topLeft());
}

QPoint TestVorendaMenus::menuButton(int index) const
{
    // The menu bar is the first row under the top with six light words on the dark
    // wood, each the label of one button.
    const QImage image = RunningVorenda::grabScreen(geometry);
    for (int y = 8; y < qMin(image.height(), 240); ++y) {
        QList<QPair<int, int>> words;
        int lastLight = -100;
        for (int x = 0; x < image.width(); ++x) {
            if (QColor(image.pixel(x, y)).lightness() < 170)
                continue;
            if (x - lastLight > 12)
                words.append({x, x});
            words.last().second = x;
            lastLight = x;
        }
        // No word of the bar is as wide as the search box on the row above.
        bool labels = words.size() == 6;
        for (const QPair<int, int>& word : qAsConst(words))
            labels = labels && word.second - word.first > 8 && word.second - word.first < 110;
        if (labels)
            return geometry.topLeft() + QPoint((words.at(index).first + words.at(index).second) / 2, y);
    }
    return QPoint();
}

// "New Category" of the cabinet's context menu and "Move To" of its Items menu both run
// through the command dispatcher; the data file saved on the way out has the result.
void TestVorendaMenus::menusMakeACategoryAndMoveItemsIntoIt()
{
    const QStringList paths{newFile(QStringLiteral("first.txt")), newFile(QStringLiteral("second.txt"))};
    QVERIFY(startCabinet());
    QVERIFY(!pasteFiles(paths).isEmpty());

    // Free space below the items: the cabinet menu; its fourth entry is "New Category".
    const QPoint free(geometry.center().x(), geometry.y() + geometry.height() * 3 / 4);
    QVERIFY(pointer({QStringLiteral("mousemove"), QString::number(free.x()), QString::number(free.y())}));
    QVERIFY(pointer({QStringLiteral("click"), QStringLiteral("3")}));
    QTest::qWait(500);
    QVERIFY(RunningVorenda::pressKeys({QStringLiteral("Down"), QStringLiteral("Down"), QStringLiteral("Down"), QStringLiteral("Down"),
                  QStringLiteral("Return")}));
    QTest::qWait(500);
    // The new category's name is being edited.
    QVERIFY(RunningVorenda::xdotool(
        {QStringLiteral("type"), QStringLiteral("--delay"), QStringLiteral("100"), QStringLiteral("Docs")}));
    QVERIFY(RunningVorenda::pressKeys({QStringLiteral("Return"), QStringLiteral("ctrl+a")}));
    QTest::qWait(500);

    // Items menu, last entry "Move To", its second entry "Docs", and there "(here)".
    const QPoint items = menuButton(2);
    QVERIFY(!items.isNull());
    QVERIFY(pointer({QStringLiteral("mousemove"), QString::number(items.x()), QString::number(items.y())}));
    QVERIFY(pointer({QStringLiteral("click"), QStringLiteral("1")}));
    QTest::qWait(500);
    QVERIFY(RunningVorenda::pressKeys({QStringLiteral("Up"), QStringLiteral("Right"), QStringLiteral("Down"), QStringLiteral("Right"),
                  QStringLiteral("Return")}));
    QTest::qWait(1000);

    QVERIFY(vorenda.terminate());
    const QList<RunningVorenda::SavedItem> saved = vorenda.savedItems();
    QCOMPARE(saved.size(), 2);
    for (const RunningVorenda::SavedItem& item : saved) {
        QCOMPARE(item.category, QStringLiteral("Docs"));
        QVERIFY(paths.contains(item.target));
    }
}

void TestVorendaMenus::itemMenuRemovesTheItem()
{
    const QString path = newFile(QStringLiteral("going.txt"));
    QVERIFY(startCabinet());
    const QRect item = pasteFiles({path});
    QVERIFY(!item.isEmpty());

    // The item's menu: Open, Show in File Manager, Toggle Name, Rename, Properties..., Remove.
    QVERIFY(
        pointer({QStringLiteral("mousemove"), QString::number(item.center().x()), QString::number(item.center().y())}));
    QVERIFY(pointer({QStringLiteral("click"), QStringLiteral("3")}));
    QTest::qWait(500);
    QVERIFY(RunningVorenda::pressKeys({QStringLiteral("Down"), QStringLiteral("Down"), QStringLiteral("Down"), QStringLiteral("Down"),
                  QStringLiteral("Down"), QStringLiteral("Down"), QStringLiteral("Return")}));

    // The question is a window of its own over the cabinet; Return confirms it.
    QStringList windows;
    QVERIFY(QTest::qWaitFor([&] { return (windows = RunningVorenda::cabinetWindows()).size() == 2; }, 10000));
    windows.removeAll(cabinet);
    QVERIFY(RunningVorenda::xdotool({QStringLiteral("windowfocus"), QStringLiteral("--sync"), windows.first()}));
    QVERIFY(RunningVorenda::pressKeys({QStringLiteral("Return")}));
    QVERIFY(QTest::qWaitFor([&] { return RunningVorenda::cabinetWindows().size() == 1; }, 10000));
    QTest::qWait(500);

    QVERIFY(vorenda.terminate());
    QVERIFY(vorenda.savedItems().isEmpty());
    QVERIFY(QFile::exists(path));
}

void TestVorendaMenus::dragOutDeliversTheFilePath()
{
    const QString path = newFile(QStringLiteral("dragged notes.txt"));
    QVERIFY(startCabinet());
    const QRect item = pasteFiles({path});
    QVERIFY(!item.isEmpty());

    DropTarget target;
    target.setGeometry(geometry.right() + 60, geometry.y() + 100, 240, 240);
    target.show();
    QVERIFY(QTest::qWaitForWindowExposed(&target));
    const QPoint from = item.center();
    const QPoint to = target.geometry().center();
    QVERIFY(pointer({QStringLiteral("mousemove"), QString::number(from.x()), QString::number(from.y())}));
    QVERIFY(pointer({QStringLiteral("mousedown"), QStringLiteral("1")}));
    for (int step = 1; step <= 12; ++step) {
        const QPoint at = from + (to - from) * step / 12;
        QVERIFY(pointer({QStringLiteral("mousemove"), QString::number(at.x()), QString::number(at.y())}));
    }
    QTest::qWait(300);
    QVERIFY(pointer({QStringLiteral("mouseup"), QStringLiteral("1")}));

    QTRY_VERIFY_WITH_TIMEOUT(!target.formats.isEmpty(), 10000);
    QVERIFY(target.formats.contains(QStringLiteral("text/uri-list")));
    QCOMPARE(QString::fromUtf8(target.uriList).split(QStringLiteral("\r\n"), Qt::SkipEmptyParts),
             QStringList{QString::fromUtf8(QUrl::fromLocalFile(path).toEncoded())});
}

void TestVorendaMenus::copyPutsTheFilePathOnTheClipboard()
{
    const QString path = newFile(QStringLiteral("copied notes.txt"));
    QVERIFY(startCabinet());
    const QRect item = pasteFiles({path});
    QVERIFY(!item.isEmpty());
    QVERIFY(
        pointer({QStringLiteral("mousemove"), QString::number(item.center().x()), QString::number(item.center().y())}));
    QVERIFY(pointer({QStringLiteral("click"), QStringLiteral("1")}));
    QVERIFY(RunningVorenda::pressKeys({QStringLiteral("ctrl+c")}));
    QTest::qWait(500);

    QProcess xclip;
    xclip.start(QStringLiteral("xclip"),
                {QStringLiteral("-o"), QStringLiteral("-selection"), QStringLiteral("clipboard"), QStringLiteral("-t"),
                 QStringLiteral("text/uri-list")});
    QVERIFY(xclip.waitForFinished(10000));
    QCOMPARE(xclip.exitCode(), 0);
    QCOMPARE(QString::fromUtf8(xclip.readAllStandardOutput()).split(QStringLiteral("\r\n"), Qt::SkipEmptyParts),
             QStringList{QString::fromUtf8(QUrl::fromLocalFile(path).toEncoded())});
}

// Each of the six menu-bar menus opens just under its button, over the cabinet; a
// picture of each is kept for inspection.
void TestVorendaMenus::menuBarMenusOpenUnderTheirButtons()
{
    const QStringList paths{newFile(QStringLiteral("report.txt")), newFile(QStringLiteral("letter.txt"))};
    QVERIFY(startCabinet());
    QVERIFY(!pasteFiles(paths).isEmpty());
    const QStringList names{QStringLiteral("cabinet"), QStringLiteral("categories"),  QStringLiteral("items"),
                            QStringLiteral("view"),    QStringLiteral("personalize"), QStringLiteral("help")};
    // The area the menus open into: the cabinet and some room to its right.
    const QRect shot = geometry.adjusted(-20, -20, 320, 20);
    for (int i = 0; i < names.size(); ++i) {
        const QPoint button = menuButton(i);
        QVERIFY2(!button.isNull(), qPrintable(names.at(i)));
        const QImage closed = RunningVorenda::grabScreen(shot);
        QVERIFY(pointer({QStringLiteral("mousemove"), QString::number(button.x()), QString::number(button.y())}));
        QVERIFY(pointer({QStringLiteral("click"), QStringLiteral("1")}));
        QTest::qWait(700);
        const QImage open = RunningVorenda::grabScreen(shot);
        QVERIFY(RunningVorenda::saveScreenshot(open, QStringLiteral("menubar-%1.png").arg(names.at(i))));
        // Just below the button's left part the menu now covers the shelves.
        const QPoint below = button - shot.topLeft() + QPoint(0, 40);
        QVERIFY2(closed.pixel(below) != open.pixel(below), qPrintable(names.at(i)));
        QVERIFY(RunningVorenda::pressKeys({QStringLiteral("Escape")}));
        QTest::qWait(300);
    }
    // Escape closed each menu and left the cabinet shown.
    QCOMPARE(RunningVorenda::cabinetWindows(), QStringList{cabinet});
}

VORENDA_TEST_MAIN(TestVorendaMenus)
#include "tst_vorendamenus_x11.moc"
