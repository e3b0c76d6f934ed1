#include "MenuEntries.h"
#include "QuestionDriver.h"
#include "TestEnvironment.h"

#include "CategoryHeaderItem.h"
#include "HelpWidget.h"
#include "MyThumbnailItem.h"
#include "RecurseDirThread.h"
#include "ShelfDataFile.h"
#include "VorendaGlobal.h"
#include "VorendaShelf.h"
#include "WelcomeDialog.h"

#include <QStandardPaths>

#include <functional>
#include <memory>

namespace {

// The wizard with its protected parts in reach.
class Wizard : public WelcomeDialog
{
public:
    using WelcomeDialog::setThumbnail;
};

void writeFile(const QString& path, const QByteArray& bytes = QByteArray())
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    if (file.open(QIODevice::WriteOnly))
        file.write(bytes);
}

} // namespace

// The first-run wizard: what it adds from the desktop and the application menus, the
// counts it shows, the styles it offers, and its keys.
class TestWelcomeDialog : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void stylesListedOnceWithTheLaterKey();
    void withoutCabinetCountsWhatItFinds();
    void statusLabelsSpanTheirRows();
    void fillsTheCabinet();
    void styleChoiceRestylesTheCabinet();
    void keys();
    void titleBarCloseStopsWithoutTheGuide();
    void abortStopsTheWalk();
    void deletedCabinetIsLeftAlone();
    void thumbnails();

private:
    // Runs the wizard for `cabinet`; `step` plays the user once it waits.
    int run(WelcomeDialog& wizard, VorendaShelf* cabinet, const std::function<void(WelcomeDialog*)>& step);
    static bool waitUntilDone(WelcomeDialog* wizard);
    static QStringList contents(const VorendaShelf& shelf);
    std::unique_ptr<VorendaShelf> newCabinet();

    QString desktop;
    std::unique_ptr<MenuEntries> menus;
};

void TestWelcomeDialog::initTestCase()
{
    TestEnvironment::instance()->initializeGlobals();
    VorendaGlobal::load();
}

void TestWelcomeDialog::init()
{
    desktop = QStandardPaths::writableLocation(QStandardPaths::DesktopLocation);
    QDir(desktop).removeRecursively();
    writeFile(desktop + QStringLiteral("/notes.txt"));
    writeFile(desktop + QStringLiteral("/budget.ods"));
    writeFile(desktop + QStringLiteral("/Projects/plan.txt"));

    // The menus' programs: the user's own entries and the system's.
    menus = std::make_unique<MenuEntries>();
    QVERIFY(menus->add(QStringLiteral("editor.desktop"), "Type=Application\nName=My Editor\nCategories=Utility;\n", true));
    QVERIFY(menus->add(QStringLiteral("editor.desktop"), "Type=Application\nName=System Editor\nCategories=Graphics;\n"));
    QVERIFY(menus->add(QStringLiteral("viewer.desktop"), "Type=Application\nName=Viewer\nCategories=Graphics;\n"));
    QVERIFY(menus->add(QStringLiteral("handler.desktop"), "Type=Application\nName=Handler\nNoDisplay=true\n"));
    QVERIFY(menus->add(QStringLiteral("site.desktop"), "Type=Link\nName=Site\nURL=https://example.org\n"));
    QVERIFY(menus->add(QStringLiteral("office/sheet.desktop"), "Type=Application\nName=Sheet\nCategories=Office;\n"));
    QVERIFY(menus->add(QStringLiteral("tools/calc.desktop"), "Type=Application\nName=Calculator\nCategories=Utility;\n"));
    QVERIFY(menus->addOther(QStringLiteral("mimeinfo.cache")));
}

void TestWelcomeDialog::cleanup()
{
    menus.reset();
    delete HelpWidget::instance();
}

int TestWelcomeDialog::run(WelcomeDialog& wizard, VorendaShelf* cabinet,
                           const std::function<void(WelcomeDialog*)>& step)
{
    QuestionDriver driver([&wizard]() -> QWidget* { return wizard.isVisible() && wizard.isWaiting() ? &wizard : nullptr; },
                          [&step](QWidget* window) { step(static_cast<WelcomeDialog*>(window)); }, 20000);
    const int answer = wizard.exec(cabinet);
    if (!driver.ran())
        qWarning("the wizard never waited");
    return answer;
}

bool TestWelcomeDialog::waitUntilDone(WelcomeDialog* wizard)
{
    return QTest::qWaitFor([wizard] { return wizard->operation() >= 3; }, 20000);
}

QStringList TestWelcomeDialog::contents(const VorendaShelf& shelf)
{
    QStringList lines;
    for (AbstractThumbnailItem* item : shelf.view->getAllItems()) {
        const int key = item->getCategoryKey();
        lines << static_cast<MyThumbnailItem*>(item)->properties.name + QLatin1Char('@')
                + (key == -1 ? QString() : shelf.view->getCategoryHeader(key)->getText());
    }
    lines.sort();
    return lines;
}

std::unique_ptr<VorendaShelf> TestWelcomeDialog::newCabinet()
{
    static int cabinets = 0;
    auto shelf = std::make_unique<VorendaShelf>();
    shelf->id = QStringLiteral("%1").arg(++cabinets, 32, 16, QLatin1Char('0'));
    shelf->fileName = shelf->id + QStringLiteral(".dat");
    shelf->style = VorendaGlobal::shelfStyles.first();
    QFile::remove(ShelfDataFile::path(*shelf));
    return shelf;
}

void TestWelcomeDialog::stylesListedOnceWithTheLaterKey()
{
    const QMap<int, ShelfStyle> kept = VorendaGlobal::shelfStyles;
    ShelfStyle a;
    a.name = QStringLiteral("Alder");
    ShelfStyle b;
    b.name = QStringLiteral("Birch");
    ShelfStyle lower = a;
    lower.name = QStringLiteral("alder");
    VorendaGlobal::shelfStyles = {{1, a}, {2, b}, {3, a}, {4, lower}};
    WelcomeDialog wizard;
    VorendaGlobal::shelfStyles = kept;

    QCOMPARE(wizard.styleComboBox->count(), 3);
    QCOMPARE(wizard.styleComboBox->itemText(0), QStringLiteral("Alder"));
    QCOMPARE(wizard.styleComboBox->itemData(0).toInt(), 3);
    QCOMPARE(wizard.styleComboBox->itemData(1).toInt(), 2);
    QCOMPARE(wizard.styleComboBox->itemData(2).toInt(), 4);
    QCOMPARE(wizard.styleComboBox->maxVisibleItems(), 3);
    QVERIFY(isStayOnTopWindow(&wizard));
}

void TestWelcomeDialog::withoutCabinetCountsWhatItFinds()
{
    WelcomeDialog wizard;
    QStringList shown;
    QStringList buttons;
    const int answer = run(wizard, nullptr, [&](WelcomeDialog* w) {
        w->startButton->click();
        buttons << w->finishButton->text();
        QVERIFY(!w->startButton->isVisible());
        QVERIFY(waitUntilDone(w));
        shown << w->statusDesktop->text() << w->statusQuickLaunch->text();
        buttons << w->finishButton->text();
        w->finishButton->click();
    });
    QCOMPARE(answer, 0);
    // The desktop's two files and its folder; the listed programs: Viewer and Sheet,
    // then the user's editor and Calculator as utilities.
    QCOMPARE(shown, (QStringList{QStringLiteral("3 items added"), QStringLiteral("4 items added")}));
    QCOMPARE(buttons, (QStringList{QStringLiteral("Abort"), QStringLiteral("Finish")}));
    QVERIFY(!wizard.isVisible());
    QVERIFY(HelpWidget::visible());
}

// A count or an item name longer than the English "3 items added" has the row's
// whole width, not the width the titles had before the first layout.
void TestWelcomeDialog::statusLabelsSpanTheirRows()
{
    WelcomeDialog wizard;
    QList<int> widths;
    run(wizard, nullptr, [&](WelcomeDialog* w) {
        widths << w->labelDesktop->width() << w->statusDesktop->width() << w->labelQuickLaunch->width()
               << w->statusQuickLaunch->width();
        w->finishButton->click();
    });
    QCOMPARE(widths.size(), 4);
    QVERIFY2(widths.at(0) > 300, qPrintable(QString::number(widths.at(0))));
    QCOMPARE(widths.at(1), widths.at(0));
    QCOMPARE(widths.at(3), widths.at(2));
}

void TestWelcomeDialog::fillsTheCabinet()
{
    auto shelf = newCabinet();
    WelcomeDialog wizard;
    run(wizard, shelf.get(), [&](WelcomeDialog* w) {
        w->startButton->click();
        QVERIFY(waitUntilDone(w));
        w->finishButton->click();
    });
    QCOMPARE(contents(*shelf),
             (QStringList{QStringLiteral("Calculator@Utilities"), QStringLiteral("My Editor@Utilities"),
                          QStringLiteral("Projects@Desktop"), QStringLiteral("Sheet@Applications"),
                          QStringLiteral("Viewer@Applications"), QStringLiteral("budget@Desktop"),
                          QStringLiteral("notes@Desktop")}));
    QCOMPARE(wizard.statusDesktop->text(), QStringLiteral("3 items added"));
    // What was added is on disk at once.
    QFile saved(ShelfDataFile::path(*shelf));
    QVERIFY(saved.open(QIODevice::ReadOnly));
    QVERIFY(saved.readAll().contains(QFile::encodeName(desktop + QStringLiteral("/notes.txt"))));
}

void TestWelcomeDialog::styleChoiceRestylesTheCabinet()
{
    QVERIFY(VorendaGlobal::shelfStyles.size() >= 2);
    auto shelf = newCabinet();
    const int lastKey = VorendaGlobal::shelfStyles.lastKey();
    shelf->style = VorendaGlobal::shelfStyles.value(lastKey);
    WelcomeDialog wizard;
    int shownKey = -2;
    run(wizard, shelf.get(), [&](WelcomeDialog* w) {
        shownKey = w->styleComboBox->currentData().toInt();
        w->styleComboBox->setCurrentIndex(0);
        w->finishButton->click();
    });
    QCOMPARE(shownKey, lastKey);
    const int chosen = wizard.styleComboBox->itemData(0).toInt();
    QCOMPARE(shelf->style.key, chosen);
    QCOMPARE(shelf->committedStyle.key, chosen);
}

void TestWelcomeDialog::keys()
{
    WelcomeDialog wizard;
    bool stillWaiting = false;
    bool started = false;
    const int answer = run(wizard, nullptr, [&](WelcomeDialog* w) {
        QTest::keyClick(w, Qt::Key_Escape);
        stillWaiting = w->isVisible() && w->isWaiting();
        QTest::keyClick(w, Qt::Key_Return);
        started = !w->startButton->isEnabled() && w->finishButton->text() == QLatin1String("Abort");
        // Return once started finishes, as Finish or Abort does.
        QTest::keyClick(w, Qt::Key_Enter);
    });
    QCOMPARE(answer, 0);
    QVERIFY(stillWaiting);
    QVERIFY(started);
    QVERIFY(!wizard.isVisible());
    QVERIFY(HelpWidget::visible());
}

void TestWelcomeDialog::titleBarCloseStopsWithoutTheGuide()
{
    WelcomeDialog wizard;
    const int answer = run(wizard, nullptr, [&](WelcomeDialog* w) {
        w->startButton->click();
        closeFromTitleBar(w);
    });
    QCOMPARE(answer, 0);
    QVERIFY(!wizard.isVisible());
    QVERIFY(wizard.operation() >= 3);
    QVERIFY(!HelpWidget::visible());
}

void TestWelcomeDialog::abortStopsTheWalk()
{
    for (int i = 0; i < 300; ++i)
        writeFile(desktop + QStringLiteral("/file%1.txt").arg(i, 3, 10, QLatin1Char('0')));
    auto shelf = newCabinet();
    WelcomeDialog wizard;
    run(wizard, shelf.get(), [&](WelcomeDialog* w) {
        w->startButton->click();
        QVERIFY(QTest::qWaitFor([&] { return !shelf->view->getAllItems().isEmpty(); }, 10000));
        w->finishButton->click();
    });
    const int added = shelf->view->getAllItems().size();
    QVERIFY(added > 0);
    QVERIFY2(added < 303, qPrintable(QString::number(added)));
    // Nothing arrives after the wizard stopped.
    QTest::qWait(200);
    QCOMPARE(shelf->view->getAllItems().size(), added);
    QVERIFY(!wizard.findChild<RecurseDirThread*>()->isRunning() || wizard.findChild<RecurseDirThread*>()->aborted());
}

void TestWelcomeDialog::deletedCabinetIsLeftAlone()
{
    auto shelf = newCabinet();
    WelcomeDialog wizard;
    QString shown;
    run(wizard, shelf.get(), [&](WelcomeDialog* w) {
        shelf.reset();
        w->styleComboBox->setCurrentIndex(w->styleComboBox->count() - 1);
        w->startButton->click();
        QVERIFY(waitUntilDone(w));
        shown = w->statusDesktop->text();
        w->finishButton->click();
    });
    QCOMPARE(shown, QStringLiteral("3 items added"));
}

void TestWelcomeDialog::thumbnails()
{
    Wizard wizard;
    QPixmap wide(200, 100);
    wide.fill(Qt::red);
    wizard.setThumbnail(wizard.thumbDesktop, wide);
    QCOMPARE(wizard.thumbDesktop->pixmap(Qt::ReturnByValue).size(), QSize(48, 24));
    QPixmap small(40, 40);
    small.fill(Qt::blue);
    wizard.setThumbnail(wizard.thumbDesktop, small);
    QCOMPARE(wizard.thumbDesktop->pixmap(Qt::ReturnByValue).size(), QSize(40, 40));
    // The form's own pictures are there.
    QCOMPARE(wizard.thumbQuickLaunch->pixmap(Qt::ReturnByValue).size(), QSize(48, 48));
    QVERIFY(!QPixmap(QStringLiteral(":/Resources/Images/mac/DesktopFolderIcon.png")).isNull());
    QVERIFY(!wizard.label->pixmap(Qt::ReturnByValue).isNull());
}

VORENDA_TEST_MAIN(TestWelcomeDialog)
#include "tst_welcomedialog.moc"
