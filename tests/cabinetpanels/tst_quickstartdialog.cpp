#include "TestEnvironment.h"

#include "DockableWidget.h"
#include "HelpWidget.h"
#include "MenuCommand.h"
#include "PersonalizationFixtures.h"
#include "PopupMenuDriver.h"
#include "QuestionDriver.h"
#include "QuickStartDialog.h"
#include "SkinWidget.h"

#include <QGuiApplication>
#include <QMenu>
#include <QMessageBox>
#include <QScreen>

using PopupMenuDriver::choose;
using PopupMenuDriver::pick;
using PopupMenuDriver::whenMenuShows;

// Fills a menu the way one of the cabinet's menu builders does.
using MenuFiller = std::function<void(VorendaShelf&, QMenu*)>;
Q_DECLARE_METATYPE(MenuFiller)

namespace {

// One line per entry as a user reads it: the text, "--" for a separator, "Title >" for a
// submenu, and with `commands` the parameter of the cabinet command an entry carries.
QStringList entries(const QMenu* menu, bool commands = true)
{
    QStringList lines;
    for (const QAction* action : menu->actions()) {
        if (action->isSeparator()) {
            lines << QStringLiteral("--");
            continue;
        }
        QString line = action->text();
        if (action->menu())
            line += QStringLiteral(" >");
        const MenuCommand command = MenuCommand::unpack(action->data());
        if (commands && command.valid)
            line += QStringLiteral(" :%1").arg(command.parameter);
        lines << line;
    }
    return lines;
}

// Closes every menu that pops up while it lives, and counts them.
class MenuCatcher
{
public:
    MenuCatcher()
    {
        QObject::connect(&poll, &QTimer::timeout, [this] {
            if (QWidget* popup = QApplication::activePopupWidget()) {
                ++caught;
                popup->close();
            }
        });
        poll.start(10);
    }
    int caught = 0;

private:
    QTimer poll;
};

qulonglong identity(const VorendaShelf* shelf)
{
    return qulonglong(reinterpret_cast<quintptr>(shelf));
}

} // namespace

// The quick-start panel: its list of cabinets, the message when none is chosen, the
// menus it has the chosen cabinet build and run, its own style menu, and how it closes.
class TestQuickStartDialog : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void cleanup();
    void builtFromItsForm();
    void listsEveryCabinet();
    void showChoosesTheCabinet();
    void choosingInTheListShowsTheCabinet();
    void commandsWithoutCabinetSaySo_data();
    void commandsWithoutCabinetSaySo();
    void emptyCategoryMenuCreatesACategory();
    void categoryMenuPlacesTheNewCategory();
    void menusAreTheCabinets_data();
    void menusAreTheCabinets();
    void chosenEntriesRunOnTheCabinet();
    void styleMenu_data();
    void styleMenu();
    void styleSlotsGuardTheCabinet();
    void lockedWhileAMenuShowsChangesNothing_data();
    void lockedWhileAMenuShowsChangesNothing();
    void closingForgetsTheCabinet_data();
    void closingForgetsTheCabinet();

private:
    static QuickStartDialog* panel() { return QuickStartDialog::instance(); }
    static QStringList listed();
    // Runs the command `slot` of the panel for `shelf`; the entries of the menu it showed
    // (see entries()), which `step` then handles (closes it when null).
    QStringList runCommand(VorendaShelf* shelf, const char* slot, const std::function<void(QMenu*)>& step = {},
                           bool commands = true);

    PanelCabinets cabinets;
};

void TestQuickStartDialog::initTestCase()
{
    warmUpJpegDecoder();
    TestEnvironment::instance()->initializeGlobals();
    VorendaGlobal::load();
    PersonalizationWidget::installCabinetLink();
    QuickStartDialog::installCabinetLink();
}

void TestQuickStartDialog::cleanupTestCase()
{
    delete QuickStartDialog::instance();
    delete PersonalizationWidget::instance();
    delete HelpWidget::instance();
}

void TestQuickStartDialog::cleanup()
{
    panel()->close();
    resetPanel();
    HelpWidget::instance()->close();
    cabinets.clear();
    VorendaGlobal::shelves.removeAll(nullptr);
    panel()->onShelvesChanged();
}

QStringList TestQuickStartDialog::listed()
{
    QStringList texts;
    for (int i = 0; i < panel()->selectCabinetComboBox->count(); ++i)
        texts << panel()->selectCabinetComboBox->itemText(i);
    return texts;
}

QStringList TestQuickStartDialog::runCommand(VorendaShelf* shelf, const char* slot,
                                             const std::function<void(QMenu*)>& step, bool commands)
{
    panel()->onShelvesChanged();
    panel()->show(shelf);
    QStringList shown;
    whenMenuShows([&](QMenu* menu) {
        shown = entries(menu, commands);
        if (step)
            step(menu);
        else
            menu->close();
    });
    QMetaObject::invokeMethod(panel(), slot);
    return shown;
}

void TestQuickStartDialog::builtFromItsForm()
{
    QuickStartDialog* p = panel();
    QVERIFY(!p->isVisible());
    QVERIFY(!p->currentShelf);
    QCOMPARE(p->windowTitle(), QStringLiteral("Quick Start"));
    QVERIFY(isStayOnTopWindow(p));
    QVERIFY(p->windowIcon().isNull());
    // The size label's size, or more where the font needs it; never resizable.
    QVERIFY(p->widgetSizeLabel->isHidden());
    QVERIFY(p->width() >= 340 && p->height() >= 455);
    QCOMPARE(p->minimumSize(), p->maximumSize());
    QVERIFY(p->layout()->minimumSize().height() <= p->height());
    // The six command labels are painted buttons.
    for (QLabel* button : {p->changeStyleButton, p->newCategoryButton, p->addItemsButton, p->personalizeButton,
                           p->dockToScreenButton, p->helpSupportButton}) {
        auto* skin = button->findChild<SkinWidget*>(QString(), Qt::FindDirectChildrenOnly);
        QVERIFY2(skin && skin->isButton(), qPrintable(button->objectName()));
        QVERIFY(button->height() >= 35);
    }
    QCOMPARE(p->helpSupportButton->text(), QStringLiteral("Help & Support"));
}

void TestQuickStartDialog::listsEveryCabinet()
{
    VorendaShelf* alpha = cabinets.add(QStringLiteral("Alpha"));
    VorendaShelf* unnamed = cabinets.add(QString());
    VorendaGlobal::shelves.append(nullptr);
    VorendaShelf* gamma = cabinets.add(QStringLiteral("Gamma"));
    panel()->onShelvesChanged();
    QCOMPARE(listed(), (QStringList{QStringLiteral("Alpha"), QStringLiteral("<No Name>"), QStringLiteral("Gamma")}));
    const QList<VorendaShelf*> order{alpha, unnamed, gamma};
    for (int i = 0; i < order.size(); ++i)
        QCOMPARE(panel()->selectCabinetComboBox->itemData(i), QVariant(identity(order.at(i))));

    // The chosen cabinet stays chosen through a refill, and goes when it leaves the list.
    panel()->show(gamma);
    panel()->onShelvesChanged();
    QCOMPARE(panel()->currentShelf.data(), gamma);
    QCOMPARE(panel()->selectCabinetComboBox->currentIndex(), 2);
    VorendaGlobal::shelves.removeAll(gamma);
    panel()->onShelvesChanged();
    QVERIFY(!panel()->currentShelf);
    QCOMPARE(panel()->selectCabinetComboBox->currentIndex(), -1);
    QCOMPARE(listed().size(), 2);

    // The last cabinet gone: an empty list and no cabinet.
    panel()->show(alpha);
    VorendaGlobal::shelves.clear();
    panel()->onShelvesChanged();
    QVERIFY(listed().isEmpty());
    QVERIFY(!panel()->currentShelf);
}

void TestQuickStartDialog::showChoosesTheCabinet()
{
    VorendaShelf* alpha = cabinets.add(QStringLiteral("Alpha"));
    VorendaShelf* beta = cabinets.add(QStringLiteral("Beta"));
    panel()->onShelvesChanged();

    panel()->show(beta);
    QVERIFY(panel()->isVisible());
    QCOMPARE(panel()->currentShelf.data(), beta);
    QCOMPARE(panel()->selectCabinetComboBox->currentIndex(), 1);
    panel()->show(alpha);
    QCOMPARE(panel()->currentShelf.data(), alpha);
    QCOMPARE(panel()->selectCabinetComboBox->currentText(), QStringLiteral("Alpha"));

    panel()->show(nullptr);
    QVERIFY(!panel()->currentShelf);
    QCOMPARE(panel()->selectCabinetComboBox->currentIndex(), -1);

    // A cabinet the list does not hold yet is worked on all the same.
    VorendaShelf unlisted;
    panel()->show(&unlisted);
    QCOMPARE(panel()->currentShelf.data(), &unlisted);
    QCOMPARE(panel()->selectCabinetComboBox->currentIndex(), -1);
}

void TestQuickStartDialog::choosingInTheListShowsTheCabinet()
{
    VorendaShelf* alpha = cabinets.add(QStringLiteral("Alpha"));
    VorendaShelf* beta = cabinets.add(QStringLiteral("Beta"));
    panel()->onShelvesChanged();

    // While the panel is hidden a choice only moves the list.
    panel()->selectCabinetComboBox->setCurrentIndex(1);
    QVERIFY(!panel()->currentShelf);
    QVERIFY(!beta->isVisible());

    panel()->show(alpha);
    panel()->selectCabinetComboBox->setCurrentIndex(1);
    QCOMPARE(panel()->currentShelf.data(), beta);
    QTRY_VERIFY(beta->isVisible());

    // Refilling the list brings nothing up.
    panel()->selectCabinetComboBox->setCurrentIndex(0);
    QTRY_VERIFY(alpha->isVisible());
    beta->frame->hide();
    panel()->show(beta);
    QTRY_VERIFY(beta->isVisible());
    alpha->frame->hide();
    QTRY_VERIFY(!alpha->isVisible());
    panel()->onShelvesChanged();
    QTest::qWait(100);
    QVERIFY(!alpha->isVisible());
    QCOMPARE(panel()->currentShelf.data(), beta);
}

void TestQuickStartDialog::commandsWithoutCabinetSaySo_data()
{
    QTest::addColumn<QByteArray>("slot");
    for (const char* slot :
         {"onChangeStyle", "onNewCategory", "onAddItems", "onPersonalize", "onDockToScreenEdge", "onHelpAndSupport"})
        QTest::newRow(slot) << QByteArray(slot);
}

void TestQuickStartDialog::commandsWithoutCabinetSaySo()
{
    QFETCH(QByteArray, slot);
    VorendaShelf* shelf = cabinets.add(QStringLiteral("Alpha"));
    const QString styleId = shelf->style.id;
    panel()->onShelvesChanged();
    panel()->show(nullptr);

    QString said;
    QWidget* parent = nullptr;
    QuestionDriver driver(QuestionDriver::visible<QMessageBox>(), [&](QWidget* window) {
        auto* box = static_cast<QMessageBox*>(window);
        said = box->text();
        parent = box->parentWidget();
        box->button(QMessageBox::Ok)->click();
    });
    MenuCatcher menus;
    QVERIFY(QMetaObject::invokeMethod(panel(), slot.constData()));
    QVERIFY(driver.ran());
    QCOMPARE(said, QStringLiteral("Please select an existing cabinet or create a new cabinet!"));
    QCOMPARE(parent, panel());
    QCOMPARE(menus.caught, 0);
    QVERIFY(!shelf->isVisible());
    QVERIFY(shelf->view->getRootCategoryHeaderList().isEmpty());
    QCOMPARE(shelf->style.id, styleId);
}

void TestQuickStartDialog::emptyCategoryMenuCreatesACategory()
{
    VorendaShelf* shelf = cabinets.add(QStringLiteral("Alpha"));
    panel()->onShelvesChanged();
    panel()->show(shelf);
    MenuCatcher menus;
    panel()->onNewCategory();
    QCOMPARE(menus.caught, 0);
    const QList<CategoryHeaderItem*> roots = shelf->view->getRootCategoryHeaderList();
    QCOMPARE(roots.size(), 1);
    QCOMPARE(roots.first()->getText(), QStringLiteral("Category"));
    QVERIFY(shelf->isVisible());
}

void TestQuickStartDialog::categoryMenuPlacesTheNewCategory()
{
    VorendaShelf* shelf = cabinets.add(QStringLiteral("Alpha"));
    fillCabinet(*shelf);

    // Dismissed: nothing is made.
    QCOMPARE(runCommand(shelf, "onNewCategory"),
             (QStringList{QStringLiteral("(here) :0"), QStringLiteral("Documents >"), QStringLiteral("(here) :0"),
                          QStringLiteral("Music >"), QStringLiteral("(here) :2")}));
    QCOMPARE(shelf->view->getRootCategoryHeaderList().size(), 2);

    // The first place is before Documents.
    choose({QStringLiteral("(here)")});
    panel()->onNewCategory();
    const QList<CategoryHeaderItem*> roots = shelf->view->getRootCategoryHeaderList();
    QCOMPARE(roots.size(), 3);
    QCOMPARE(roots.first()->getText(), QStringLiteral("Category"));
}

void TestQuickStartDialog::menusAreTheCabinets_data()
{
    QTest::addColumn<QByteArray>("slot");
    QTest::addColumn<MenuFiller>("fill");
    QTest::newRow("add items") << QByteArray("onAddItems")
                               << MenuFiller([](VorendaShelf& shelf, QMenu* menu) {
                                      shelf.createSubmenuForAddingItems(menu, 2);
                                  });
    QTest::newRow("personalize") << QByteArray("onPersonalize")
                                 << MenuFiller([](VorendaShelf& shelf, QMenu* menu) {
                                        shelf.createSubmenuForPersonalization(menu, -1, false);
                                    });
    QTest::newRow("dock") << QByteArray("onDockToScreenEdge")
                          << MenuFiller(
                                 [](VorendaShelf& shelf, QMenu* menu) { shelf.createSubmenuForDockingCabinet(menu); });
    QTest::newRow("help") << QByteArray("onHelpAndSupport")
                          << MenuFiller([](VorendaShelf& shelf, QMenu* menu) {
                                 shelf.createSubmenuForHelpAndSupport(menu, true);
                             });
}

// Each menu is the one the cabinet builds, for the category selected in it (Music, the
// last one made), and pops up 8 pixels in from the right end of its label.
void TestQuickStartDialog::menusAreTheCabinets()
{
    QFETCH(QByteArray, slot);
    QFETCH(MenuFiller, fill);
    VorendaShelf* shelf = cabinets.add(QStringLiteral("Alpha"));
    fillCabinet(*shelf);
    QCOMPARE(shelf->view->getSelectedCategoryKey(), 2);

    QRect at;
    const QStringList shown = runCommand(shelf, slot.constData(), [&](QMenu* menu) {
        at = menu->geometry();
        menu->close();
    });
    QMenu expected;
    fill(*shelf, &expected);
    QVERIFY(!shown.isEmpty());
    QCOMPARE(shown, entries(&expected));
    QVERIFY(!shown.contains(QStringLiteral("Quick Start...")));
    QTRY_VERIFY(shelf->isVisible());

    const char* name = slot == "onAddItems" ? "addItemsButton"
        : slot == "onPersonalize"           ? "personalizeButton"
        : slot == "onDockToScreenEdge"      ? "dockToScreenButton"
                                            : "helpSupportButton";
    QLabel* button = panel()->findChild<QLabel*>(QString::fromLatin1(name));
    QVERIFY(button);
    // A menu too wide for the rest of the screen is moved in from its right edge.
    const int right = QGuiApplication::primaryScreen()->geometry().right();
    QCOMPARE(at.x(), qMin(button->mapToGlobal(QPoint(button->width() - 8, 0)).x(), right - at.width() + 1));
}

void TestQuickStartDialog::chosenEntriesRunOnTheCabinet()
{
    VorendaShelf* shelf = cabinets.add(QStringLiteral("Alpha"));
    runCommand(shelf, "onDockToScreenEdge", [](QMenu* menu) { pick(menu, {QStringLiteral("Right")}); });
    QCOMPARE(shelf->mode, 2);

    runCommand(shelf, "onPersonalize", [](QMenu* menu) { pick(menu, {QStringLiteral("Appearance")}); });
    QTRY_VERIFY(PersonalizationWidget::visible());
    QCOMPARE(PersonalizationWidget::instance()->shelf.data(), shelf);
    QVERIFY(PersonalizationWidget::instance()->appearanceButton->isChecked());

    runCommand(shelf, "onHelpAndSupport", [](QMenu* menu) { pick(menu, {QStringLiteral("Quick Start Guide")}); });
    QTRY_VERIFY(HelpWidget::visible());
}

void TestQuickStartDialog::styleMenu_data()
{
    QTest::addColumn<bool>("withPattern");
    QTest::newRow("cabinet pattern") << true;
    QTest::newRow("cabinet colour") << false;
}

// One "%1 Style" entry per style in key order, then "Customize..." for the cabinet's
// pattern or colour; a chosen style becomes the cabinet's own.
void TestQuickStartDialog::styleMenu()
{
    QFETCH(bool, withPattern);
    VorendaShelf* shelf = cabinets.add(QStringLiteral("Alpha"));
    if (withPattern)
        shelf->style.cabinetPattern = QStringLiteral(":/Resources/Patterns/wood.jpg");
    else
        shelf->style.cabinetPattern.clear();
    QStringList expected;
    for (const ShelfStyle& style : qAsConst(VorendaGlobal::shelfStyles))
        expected << style.name + QStringLiteral(" Style");
    expected << QStringLiteral("--") << QStringLiteral("Customize...");
    QVERIFY(expected.size() > 3);

    QVariant customizeData;
    const ShelfStyle& last = VorendaGlobal::shelfStyles.last();
    QCOMPARE(runCommand(shelf, "onChangeStyle",
                        [&](QMenu* menu) {
                            customizeData = menu->actions().last()->data();
                            pick(menu, {last.name + QStringLiteral(" Style")});
                        },
                        false),
             expected);
    QCOMPARE(customizeData, QVariant(int(withPattern ? CabinetPattern : CabinetColor)));
    QCOMPARE(shelf->style.id, last.id);
    QCOMPARE(shelf->committedStyle.id, last.id);
}

// A key gone from the styles gives the default style; a kiosk cabinet keeps its style
// and its settings closed; data that is no number does nothing.
void TestQuickStartDialog::styleSlotsGuardTheCabinet()
{
    VorendaShelf* shelf = cabinets.add(QStringLiteral("Alpha"));
    panel()->onShelvesChanged();
    panel()->show(shelf);
    panel()->onChangeStyle(QVariant(987654), false);
    QCOMPARE(shelf->style.id, VorendaGlobal::defaultShelfStyle.id);

    const ShelfStyle& last = VorendaGlobal::shelfStyles.last();
    panel()->onChangeStyle(QVariant(), false);
    panel()->onChangeStyle(QVariant(QStringLiteral("wood")), false);
    QCOMPARE(shelf->style.id, VorendaGlobal::defaultShelfStyle.id);

    shelf->kiosk = true;
    panel()->onChangeStyle(QVariant(VorendaGlobal::shelfStyles.lastKey()), false);
    QCOMPARE(shelf->style.id, VorendaGlobal::defaultShelfStyle.id);
    panel()->onCustomizeStyle(QVariant(int(CabinetPattern)), false);
    QVERIFY(!PersonalizationWidget::visible());

    shelf->kiosk = false;
    panel()->onChangeStyle(QVariant(VorendaGlobal::shelfStyles.lastKey()), false);
    QCOMPARE(shelf->style.id, last.id);
    panel()->onCustomizeStyle(QVariant(int(CabinetPattern)), false);
    QVERIFY(PersonalizationWidget::visible());
    QCOMPARE(PersonalizationWidget::instance()->shelf.data(), shelf);
    QVERIFY(PersonalizationWidget::instance()->styleButton->isChecked());
}

void TestQuickStartDialog::lockedWhileAMenuShowsChangesNothing_data()
{
    QTest::addColumn<QByteArray>("slot");
    QTest::addColumn<QString>("entry");
    QTest::newRow("new category") << QByteArray("onNewCategory") << "(here)";
    QTest::newRow("add items") << QByteArray("onAddItems") << "Documents";
    QTest::newRow("personalize") << QByteArray("onPersonalize") << "Appearance";
    QTest::newRow("dock") << QByteArray("onDockToScreenEdge") << "Right";
    QTest::newRow("style") << QByteArray("onChangeStyle") << "Marble Style";
}

// The panel runs the cabinet's menus; one that shows when the cabinet is locked offers
// what kiosk mode forbids, and its entries then change nothing.
void TestQuickStartDialog::lockedWhileAMenuShowsChangesNothing()
{
    QFETCH(QByteArray, slot);
    QFETCH(QString, entry);
    VorendaShelf* shelf = cabinets.add(QStringLiteral("Alpha"));
    fillCabinet(*shelf);
    const ShelfStyle style = shelf->style;
    QVERIFY(style.name != QLatin1String("Marble"));
    runCommand(shelf, slot.constData(), [shelf, entry](QMenu* menu) {
        shelf->onToggleKioskMode();
        pick(menu, {entry});
        // A disabled entry leaves the menu open.
        if (menu->isVisible())
            menu->close();
    });
    QTest::qWait(200);
    QVERIFY(shelf->kiosk);
    QCOMPARE(shelf->view->getCategoryHeaderList(-1, true).size(), 3);
    QCOMPARE(shelf->view->getAllItems().size(), 10);
    QVERIFY(!PersonalizationWidget::visible());
    QCOMPARE(shelf->mode, 0);
    QCOMPARE(shelf->frame->mode(), DockableWidget::Undocked);
    QVERIFY(shelf->style == style);
}

void TestQuickStartDialog::closingForgetsTheCabinet_data()
{
    QTest::addColumn<int>("key"); // 0: the OK button, -1: the window's close
    QTest::addColumn<bool>("closes");
    QTest::newRow("OK") << 0 << true;
    QTest::newRow("window close") << -1 << true;
    QTest::newRow("Escape") << int(Qt::Key_Escape) << true;
    QTest::newRow("Return") << int(Qt::Key_Return) << true;
    QTest::newRow("Enter") << int(Qt::Key_Enter) << true;
    QTest::newRow("another key") << int(Qt::Key_A) << false;
}

void TestQuickStartDialog::closingForgetsTheCabinet()
{
    QFETCH(int, key);
    QFETCH(bool, closes);
    VorendaShelf* shelf = cabinets.add(QStringLiteral("Alpha"));
    panel()->onShelvesChanged();
    panel()->show(shelf);
    QVERIFY(QTest::qWaitForWindowExposed(panel()));
    if (key == 0)
        panel()->okButton->click();
    else if (key == -1)
        QVERIFY(panel()->close() == false); // only hidden, never destroyed
    else
        QTest::keyClick(panel(), Qt::Key(key));
    QCOMPARE(panel()->isVisible(), !closes);
    QCOMPARE(panel()->currentShelf.data(), closes ? nullptr : shelf);
    QCOMPARE(panel()->selectCabinetComboBox->count(), 1);

    panel()->show(nullptr);
    QVERIFY(!panel()->currentShelf);
    QCOMPARE(panel()->selectCabinetComboBox->currentIndex(), -1);
}

VORENDA_TEST_MAIN(TestQuickStartDialog)
#include "tst_quickstartdialog.moc"
