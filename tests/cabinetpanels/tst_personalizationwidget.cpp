#include "TestEnvironment.h"

#include "DockableWidget.h"
#include "GetPasswordDialog.h"
#include "PersonalizationFixtures.h"
#include "PersonalizationLink.h"
#include "QuestionDriver.h"
#include "SetPasswordDialog.h"
#include "ShelfDataFile.h"

#include <QAction>
#include <QSignalSpy>

// The personalization panel's General and Appearance pages, its pages and its ways of
// ending: what it loads from a cabinet, what OK writes back, what Cancel, Escape and
// the title bar leave alone, and the kiosk password it guards.
class TestPersonalizationWidget : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void cleanup();
    void builtHiddenOnTheGeneralPage();
    void showLoadsTheCabinet();
    void controlsFollowDockingAndShowing();
    void showModifiersKeepOne_data();
    void showModifiersKeepOne();
    void showDelayIsSeconds_data();
    void showDelayIsSeconds();
    void showCabinetEntryFollowsTheName_data();
    void showCabinetEntryFollowsTheName();
    void okWritesTheCabinetAndItsFile();
    void endingWithoutOkRestoresTheStyle_data();
    void endingWithoutOkRestoresTheStyle();
    void openingForAnotherCabinetCommitsTheFirst();
    void cabinetCommandsReloadTheControls();
    void tabButtonsSlideThePages();
    void changingThePasswordAsksForTheCurrentOne_data();
    void changingThePasswordAsksForTheCurrentOne();
    void leavingKioskModeAsksForThePassword_data();
    void leavingKioskModeAsksForThePassword();
    void lockedCabinetTakesNothing_data();
    void lockedCabinetTakesNothing();

private:
    PersonalizationWidget* panel() const { return PersonalizationWidget::instance(); }
    PanelCabinets cabinets;
};

void TestPersonalizationWidget::initTestCase()
{
    warmUpJpegDecoder();
    TestEnvironment::instance()->initializeGlobals();
    VorendaGlobal::load();
    PersonalizationWidget::installCabinetLink();
}

void TestPersonalizationWidget::cleanupTestCase()
{
    delete PersonalizationWidget::instance();
}

void TestPersonalizationWidget::cleanup()
{
    resetPanel();
    cabinets.clear();
    VorendaGlobal::kioskPasswordHash.clear();
}

void TestPersonalizationWidget::builtHiddenOnTheGeneralPage()
{
    PersonalizationWidget* p = panel();
    QVERIFY(!p->isVisible());
    QVERIFY(!p->shelf);
    QVERIFY(p->generalButton->isChecked());
    QVERIFY(p->CmdRadioButton->isChecked());
    QCOMPARE(p->panelsFrame->x(), 0);
    // At least the size the form's label gives, and room for every page's texts.
    QVERIFY(p->width() >= 420 && p->height() >= 530);
    for (QFrame* page : {p->generalFrame, p->appearanceFrame, p->styleFrame}) {
        QCOMPARE(page->width(), p->width());
        QVERIFY2(page->layout()->minimumSize().width() <= page->width(), qPrintable(page->objectName()));
    }
    QCOMPARE(p->panelsFrame->width(), 3 * p->width());
    QVERIFY(isStayOnTopWindow(p));
    // The modifier keys read as the desktop names them; "Cmd" is the Control key.
    QCOMPARE(p->CmdRadioButton->text(), QStringLiteral("Ctrl"));
    QCOMPARE(p->CtrlRadioButton->text(), QStringLiteral("Meta"));

    QStringList docking;
    for (int i = 0; i < p->dockOptionComboBox->count(); ++i)
        docking << (p->dockOptionComboBox->itemData(i).isValid() ? p->dockOptionComboBox->itemText(i)
                            + QStringLiteral("=") + p->dockOptionComboBox->itemData(i).toString()
                                                                 : QStringLiteral("-"));
    QCOMPARE(
        docking,
        QStringList({QStringLiteral("None (Floating)=0"), QStringLiteral("-"), QStringLiteral("Top=1"),
                     QStringLiteral("Right=2"), QStringLiteral("Bottom=3"), QStringLiteral("Left=4"),
                     QStringLiteral("-"), QStringLiteral("Top (Maximized)=5"), QStringLiteral("Right (Maximized)=6"),
                     QStringLiteral("Bottom (Maximized)=7"), QStringLiteral("Left (Maximized)=8")}));
    QCOMPARE(p->textDecorationComboBox->count(), 4);
    QCOMPARE(p->textDecorationComboBox->itemText(3), QStringLiteral("Bold"));
    QCOMPARE(p->elementComboBox->count(), 16);
    QCOMPARE(p->elementComboBox->currentIndex(), -1);
}

void TestPersonalizationWidget::showLoadsTheCabinet()
{
    VorendaShelf* shelf = cabinets.add(QStringLiteral("Projects"));
    shelf->mode = 6;
    shelf->hidemenubar = true;
    shelf->showcatnumberofitems = true;
    shelf->textdecoration = 2;
    shelf->frame->setShowHotkey(QKeySequence::fromString(QStringLiteral("Ctrl+F7"), QKeySequence::PortableText));
    shelf->frame->setShowDelay(3000);
    shelf->frame->setShowByMouse(true);

    panel()->show(shelf, 1, AllElements);
    PersonalizationWidget* p = panel();
    QVERIFY(p->isVisible());
    QCOMPARE(p->shelf.data(), shelf);
    QVERIFY(p->appearanceButton->isChecked());
    QCOMPARE(p->nameLineEdit->text(), QStringLiteral("Projects"));
    QCOMPARE(p->hotkeyLineEdit->text(), QStringLiteral("Ctrl+F7"));
    QCOMPARE(p->showDelayLineEdit->text(), QStringLiteral("3"));
    QCOMPARE(p->dockOptionComboBox->currentData().toInt(), 6);
    QVERIFY(p->hideMenuBarCheckBox->isChecked());
    QVERIFY(p->showNumberOfItemsCheckBox->isChecked());
    QVERIFY(!p->hideTopBarCheckBox->isChecked());
    QCOMPARE(p->textDecorationComboBox->currentIndex(), 2);
    QVERIFY(p->textFontComboBox->count() > 0);
    QCOMPARE(p->setKioskPasswordButton->text(), QStringLiteral("Set Password..."));
    // With no element asked for, the first one is chosen.
    QCOMPARE(p->elementComboBox->currentData().toInt(), int(CabinetPattern));
    QCOMPARE(p->styleComboBox->currentText(), shelf->style.name);
}

void TestPersonalizationWidget::controlsFollowDockingAndShowing()
{
    VorendaShelf* shelf = cabinets.add(QStringLiteral("Docking"));
    shelf->frame->setShowByMouse(true);
    panel()->show(shelf, 0, AllElements);
    PersonalizationWidget* p = panel();
    const QList<QWidget*> showing{p->showDelayLabel, p->showDelayLineEdit, p->secondsLabel, p->butOnlyCheckBox};
    const QList<QWidget*> keys{p->CtrlRadioButton, p->AltRadioButton, p->ShiftRadioButton, p->CmdRadioButton};

    // Floating: nothing about showing at the edge applies.
    for (QWidget* widget : QList<QWidget*>{p->whenDockedLabel, p->mousePointerCheckBox} + showing + keys)
        QVERIFY2(!widget->isEnabled(), qPrintable(widget->objectName()));

    p->dockOptionComboBox->setCurrentIndex(p->dockOptionComboBox->findData(1));
    for (QWidget* widget : QList<QWidget*>{p->whenDockedLabel, p->mousePointerCheckBox} + showing)
        QVERIFY2(widget->isEnabled(), qPrintable(widget->objectName()));
    for (QWidget* widget : keys)
        QVERIFY2(!widget->isEnabled(), qPrintable(widget->objectName()));

    p->butOnlyCheckBox->setChecked(true);
    for (QWidget* widget : keys)
        QVERIFY2(widget->isEnabled(), qPrintable(widget->objectName()));
    p->mousePointerCheckBox->setChecked(false);
    for (QWidget* widget : showing + keys)
        QVERIFY2(!widget->isEnabled(), qPrintable(widget->objectName()));
}

void TestPersonalizationWidget::showModifiersKeepOne_data()
{
    QTest::addColumn<int>("stored");
    QTest::addColumn<QString>("checked");
    QTest::addColumn<int>("written");
    QTest::newRow("Control and Shift") << int(Qt::ControlModifier | Qt::ShiftModifier) << "CmdRadioButton"
                                       << int(Qt::ControlModifier);
    QTest::newRow("Meta wins over all") << int(Qt::MetaModifier | Qt::ControlModifier | Qt::AltModifier)
                                        << "CtrlRadioButton" << int(Qt::MetaModifier);
    QTest::newRow("Alt and Shift") << int(Qt::AltModifier | Qt::ShiftModifier) << "AltRadioButton"
                                   << int(Qt::AltModifier);
    QTest::newRow("Shift") << int(Qt::ShiftModifier) << "ShiftRadioButton" << int(Qt::ShiftModifier);
    QTest::newRow("none") << int(Qt::NoModifier) << "CtrlRadioButton" << int(Qt::NoModifier);
}

void TestPersonalizationWidget::showModifiersKeepOne()
{
    QFETCH(int, stored);
    QFETCH(QString, checked);
    QFETCH(int, written);
    VorendaShelf* shelf = cabinets.add(QStringLiteral("Keys"));
    shelf->frame->setShowModifiers(Qt::KeyboardModifiers(stored));
    panel()->show(shelf, 0, AllElements);
    QCOMPARE(panel()->butOnlyCheckBox->isChecked(), stored != 0);
    auto* radio = panel()->findChild<QRadioButton*>(checked);
    QVERIFY(radio);
    QVERIFY(radio->isChecked());
    panel()->accept(true);
    QCOMPARE(int(shelf->frame->showModifiers()), written);
}

void TestPersonalizationWidget::showDelayIsSeconds_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("milliseconds");
    QTest::newRow("7") << "7" << 7000;
    QTest::newRow("empty") << "" << 0;
    QTest::newRow("largest") << "99" << 99000;
    QTest::newRow("not a number") << "x" << 0;
}

void TestPersonalizationWidget::showDelayIsSeconds()
{
    QFETCH(QString, typed);
    QFETCH(int, milliseconds);
    VorendaShelf* shelf = cabinets.add(QStringLiteral("Delay"));
    shelf->frame->setShowDelay(2000);
    panel()->show(shelf, 0, AllElements);
    // Set directly: the field's validator would refuse some of these when typed.
    panel()->showDelayLineEdit->setText(typed);
    panel()->accept(true);
    QCOMPARE(shelf->frame->showDelay(), milliseconds);
}

void TestPersonalizationWidget::showCabinetEntryFollowsTheName_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("hotkey");
    QTest::addColumn<QString>("entry");
    QTest::newRow("named") << "Work" << "Ctrl+4" << "Work\tCtrl+4";
    QTest::newRow("unnamed") << "" << "Ctrl+4" << "<No Name>\tCtrl+4";
    QTest::newRow("no hotkey") << "Work" << "" << "Work\t";
}

void TestPersonalizationWidget::showCabinetEntryFollowsTheName()
{
    QFETCH(QString, name);
    QFETCH(QString, hotkey);
    QFETCH(QString, entry);
    VorendaShelf* shelf = cabinets.add(QStringLiteral("Before"));
    QAction action(QStringLiteral("Before\tCtrl+1"));
    shelf->showCabinetEntry = &action;
    panel()->show(shelf, 0, AllElements);
    panel()->nameLineEdit->setText(name);
    panel()->hotkeyLineEdit->setText(hotkey);
    panel()->accept(true);
    QCOMPARE(shelf->name, name);
    QCOMPARE(shelf->frame->showHotkey(), QKeySequence::fromString(hotkey, QKeySequence::PortableText));
    QCOMPARE(action.text(), entry);
}

void TestPersonalizationWidget::okWritesTheCabinetAndItsFile()
{
    VorendaShelf* shelf = cabinets.add(QStringLiteral("Old Name"));
    panel()->show(shelf, 0, AllElements);
    PersonalizationWidget* p = panel();
    p->nameLineEdit->setText(QStringLiteral("New Name"));
    p->dockOptionComboBox->setCurrentIndex(p->dockOptionComboBox->findData(3));
    p->hideSearchboxCheckBox->setChecked(true);
    p->showNumberOfMatchesCheckBox->setChecked(true);
    p->textDecorationComboBox->setCurrentIndex(3);
    p->keepVisibleCheckBox->setChecked(true);
    QSignalSpy accepted(p, &PersonalizationWidget::accepted);

    QTest::mouseClick(p->okButton, Qt::LeftButton);
    QVERIFY(!p->isVisible());
    QVERIFY(!p->shelf);
    QCOMPARE(accepted.count(), 1);
    QCOMPARE(shelf->name, QStringLiteral("New Name"));
    QCOMPARE(shelf->mode, 3);
    QCOMPARE(shelf->frame->mode(), DockableWidget::DockedBottom);
    QVERIFY(shelf->hidesearchbox);
    QVERIFY(shelf->showcatnumberofmatches);
    QCOMPARE(shelf->textdecoration, 3);
    QVERIFY(shelf->frame->staysOnTop());
    QVERIFY(shelf->stayOnTopAction->isChecked());
    // The cabinet shows the settings and its data file holds them.
    QVERIFY(shelf->searchBox->isHidden());
    QCOMPARE(PanelCabinets::saved(shelf, QStringLiteral("Window"), QStringLiteral("name")),
             QStringLiteral("New Name"));
    QCOMPARE(PanelCabinets::saved(shelf, QStringLiteral("Window"), QStringLiteral("mode")), QStringLiteral("3"));
}

void TestPersonalizationWidget::endingWithoutOkRestoresTheStyle_data()
{
    QTest::addColumn<QString>("how");
    QTest::newRow("Cancel") << "Cancel";
    QTest::newRow("Escape") << "Escape";
    QTest::newRow("title bar") << "title bar";
}

void TestPersonalizationWidget::endingWithoutOkRestoresTheStyle()
{
    QFETCH(QString, how);
    VorendaShelf* shelf = cabinets.add(QStringLiteral("Keep"));
    const ShelfStyle before = shelf->style;
    PersonalizationWidget* p = panel();
    p->show(shelf, 2, CabinetColor);
    p->nameLineEdit->setText(QStringLiteral("Typed"));
    p->reflectionLevelSlider->setValue(before.reflectionLevel + 40);
    p->styleComboBox->setCurrentIndex(p->styleComboBox->findText(QStringLiteral("Marble")));
    QCOMPARE(shelf->style.name, QStringLiteral("Marble"));
    QSignalSpy rejected(p, &PersonalizationWidget::rejected);

    if (how == QLatin1String("Cancel"))
        QTest::mouseClick(p->cancelButton, Qt::LeftButton);
    else if (how == QLatin1String("Escape"))
        QTest::keyClick(p, Qt::Key_Escape);
    else
        p->close();
    QVERIFY(!p->isVisible());
    QCOMPARE(rejected.count(), 1);
    QVERIFY(shelf->style == before);
    QCOMPARE(shelf->name, QStringLiteral("Keep"));
    QVERIFY(!QFile::exists(ShelfDataFile::path(*shelf)));
}

void TestPersonalizationWidget::openingForAnotherCabinetCommitsTheFirst()
{
    VorendaShelf* first = cabinets.add(QStringLiteral("First"));
    VorendaShelf* second = cabinets.add(QStringLiteral("Second"), QStringLiteral("Marble"));
    const ShelfStyle secondStyle = second->style;
    PersonalizationWidget* p = panel();
    p->show(first, 2, AllElements);
    p->nameLineEdit->setText(QStringLiteral("First Renamed"));
    p->darknessLevelSlider->setValue(first->style.backDarknessLevel + 10);
    const ShelfStyle previewed = first->style;

    p->show(second, 0, AllElements);
    // The first cabinet keeps what was done to it, on screen and on disk.
    QCOMPARE(first->name, QStringLiteral("First Renamed"));
    QCOMPARE(PanelCabinets::saved(first, QStringLiteral("Window"), QStringLiteral("name")),
             QStringLiteral("First Renamed"));
    QCOMPARE(first->committedStyle.backDarknessLevel, previewed.backDarknessLevel);
    QCOMPARE(first->style.backDarknessLevel, previewed.backDarknessLevel);
    // The panel edits the second one now, and only it.
    QVERIFY(p->isVisible());
    QCOMPARE(p->shelf.data(), second);
    QCOMPARE(p->nameLineEdit->text(), QStringLiteral("Second"));
    p->reflectionLevelSlider->setValue(secondStyle.reflectionLevel + 1);
    QCOMPARE(second->style.reflectionLevel, secondStyle.reflectionLevel + 1);
    QCOMPARE(first->style.reflectionLevel, previewed.reflectionLevel);
    p->reject();
    QVERIFY(second->style == secondStyle);
    QCOMPARE(first->style.backDarknessLevel, previewed.backDarknessLevel);
}

void TestPersonalizationWidget::cabinetCommandsReloadTheControls()
{
    VorendaShelf* shelf = cabinets.add(QStringLiteral("Commands"));
    panel()->show(shelf, 0, AllElements);
    panel()->nameLineEdit->setText(QStringLiteral("Being typed"));
    QVERIFY(!panel()->keepVisibleCheckBox->isChecked());

    shelf->stayOnTopAction->trigger();
    QVERIFY(panel()->keepVisibleCheckBox->isChecked());
    shelf->onDockToLeftScreenEdge();
    QCOMPARE(panel()->dockOptionComboBox->currentData().toInt(), 4);
    shelf->onShowMenuBar();
    QVERIFY(panel()->hideMenuBarCheckBox->isChecked());
    // What the user typed stays.
    QCOMPARE(panel()->nameLineEdit->text(), QStringLiteral("Being typed"));
    // The panel keeps the cabinet up while it edits it.
    QVERIFY(PersonalizationLink::installed() && PersonalizationLink::installed()->editedShelf() == shelf);
}

void TestPersonalizationWidget::tabButtonsSlideThePages()
{
    VorendaShelf* shelf = cabinets.add(QStringLiteral("Pages"));
    PersonalizationWidget* p = panel();
    p->show(shelf, 0, AllElements);
    QTRY_COMPARE(p->panelsFrame->x(), 0);

    QTest::mouseClick(p->styleButton, Qt::LeftButton);
    QVERIFY(p->styleButton->isChecked());
    // Redirected half-way, the running slide goes on to the new page.
    QTRY_VERIFY(p->panelsFrame->x() < -100);
    QTest::mouseClick(p->appearanceButton, Qt::LeftButton);
    QTRY_COMPARE_WITH_TIMEOUT(p->panelsFrame->x(), -p->panelFrame->width(), 3000);
    QVERIFY(p->appearanceButton->isChecked());
    QCOMPARE(p->focusWidget(), p->hideTopBarCheckBox);
}

void TestPersonalizationWidget::changingThePasswordAsksForTheCurrentOne_data()
{
    QTest::addColumn<QString>("current");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("asksForNew");
    QTest::newRow("none set") << "" << "" << true;
    QTest::newRow("right password") << "secret" << "secret" << true;
    QTest::newRow("cancelled") << "secret" << "" << false;
}

void TestPersonalizationWidget::changingThePasswordAsksForTheCurrentOne()
{
    QFETCH(QString, current);
    QFETCH(QString, typed);
    QFETCH(bool, asksForNew);
    const QString currentHash = current.isEmpty() ? QString() : getHash(current);
    VorendaGlobal::kioskPasswordHash = currentHash;
    VorendaShelf* shelf = cabinets.add(QStringLiteral("Kiosk"));
    panel()->show(shelf, 0, AllElements);
    QCOMPARE(panel()->setKioskPasswordButton->text(),
             current.isEmpty() ? QStringLiteral("Set Password...") : QStringLiteral("Change Password..."));

    QuestionDriver check(QuestionDriver::visible<GetPasswordDialog>(), answerPassword<GetPasswordDialog>(typed));
    QuestionDriver next(QuestionDriver::visible<SetPasswordDialog>(), [](QWidget* window) {
        auto* dialog = static_cast<SetPasswordDialog*>(window);
        dialog->passwordLineEdit->setText(QStringLiteral("new one"));
        dialog->confirmLineEdit->setText(QStringLiteral("new one"));
        dialog->okButton->click();
    });
    panel()->setKioskPasswordButton->click();
    QCOMPARE(check.ran(), !current.isEmpty());
    QCOMPARE(next.ran(), asksForNew);
    QCOMPARE(panel()->setKioskPasswordButton->text(), asksForNew || !current.isEmpty()
                                                          ? QStringLiteral("Change Password...")
                                                          : QStringLiteral("Set Password..."));

    // The password is the program's once the panel is accepted, not before.
    QCOMPARE(VorendaGlobal::kioskPasswordHash, currentHash);
    panel()->accept(true);
    QCOMPARE(VorendaGlobal::kioskPasswordHash, asksForNew ? getHash(QStringLiteral("new one")) : currentHash);
}

void TestPersonalizationWidget::leavingKioskModeAsksForThePassword_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("kioskAfter");
    QTest::newRow("right password") << "secret" << false;
    QTest::newRow("wrong, then cancelled") << "wrong" << true;
    QTest::newRow("cancelled") << "" << true;
}

void TestPersonalizationWidget::leavingKioskModeAsksForThePassword()
{
    QFETCH(QString, typed);
    QFETCH(bool, kioskAfter);
    VorendaGlobal::kioskPasswordHash = getHash(QStringLiteral("secret"));
    VorendaShelf* shelf = cabinets.add(QStringLiteral("Locked"));
    shelf->kiosk = true;
    panel()->show(shelf, 0, AllElements);
    QVERIFY(panel()->kioskCheckBox->isChecked());

    QuestionDriver check(QuestionDriver::visible<GetPasswordDialog>(), [&](QWidget* window) {
        auto* dialog = static_cast<GetPasswordDialog*>(window);
        if (!typed.isEmpty()) {
            dialog->passwordLineEdit->setText(typed);
            dialog->okButton->click();
        }
        if (dialog->isVisible())
            dialog->cancelButton->click();
    });
    QTest::mouseClick(panel()->kioskCheckBox, Qt::LeftButton, Qt::NoModifier, QPoint(6, 6));
    QVERIFY(check.ran());
    QCOMPARE(panel()->kioskCheckBox->isChecked(), kioskAfter);
    panel()->accept(true);
    QCOMPARE(shelf->kiosk, kioskAfter);
}

void TestPersonalizationWidget::lockedCabinetTakesNothing_data()
{
    QTest::addColumn<bool>("byCommand");
    QTest::newRow("locked by its command: the panel closes") << true;
    QTest::newRow("locked unseen: OK writes nothing") << false;
}

// Whatever the panel holds for a cabinet that is locked meanwhile stays in the panel:
// the settings, the previewed style and the password.
void TestPersonalizationWidget::lockedCabinetTakesNothing()
{
    QFETCH(bool, byCommand);
    VorendaShelf* shelf = cabinets.add(QStringLiteral("Keep"));
    const ShelfStyle before = shelf->style;
    const int styles = VorendaGlobal::shelfStyles.size();
    PersonalizationWidget* p = panel();
    p->show(shelf, 2, CabinetColor);
    p->nameLineEdit->setText(QStringLiteral("Typed"));
    p->hideSearchboxCheckBox->setChecked(true);
    p->reflectionLevelSlider->setValue(before.reflectionLevel + 40);
    QVERIFY(!(shelf->style == before));
    QuestionDriver password(QuestionDriver::visible<SetPasswordDialog>(), [](QWidget* window) {
        auto* dialog = static_cast<SetPasswordDialog*>(window);
        dialog->passwordLineEdit->setText(QStringLiteral("new one"));
        dialog->confirmLineEdit->setText(QStringLiteral("new one"));
        dialog->okButton->click();
    });
    p->setKioskPasswordButton->click();
    QVERIFY(password.ran());
    QSignalSpy accepted(p, &PersonalizationWidget::accepted);

    if (byCommand) {
        shelf->onToggleKioskMode();
    } else {
        shelf->kiosk = true;
        QTest::mouseClick(p->okButton, Qt::LeftButton);
    }
    QVERIFY(!p->isVisible());
    QVERIFY(shelf->kiosk);
    QCOMPARE(accepted.count(), 0);
    QCOMPARE(shelf->name, QStringLiteral("Keep"));
    QVERIFY(!shelf->hidesearchbox);
    QVERIFY(shelf->style == before);
    QCOMPARE(VorendaGlobal::shelfStyles.size(), styles);
    QVERIFY(VorendaGlobal::kioskPasswordHash.isEmpty());
    QVERIFY(!QFile::exists(ShelfDataFile::path(*shelf)));
}

VORENDA_TEST_MAIN(TestPersonalizationWidget)
#include "tst_personalizationwidget.moc"
