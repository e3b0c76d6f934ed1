#include "TestEnvironment.h"

#include "AddProgressWidget.h"
#include "CabinetTestFixtures.h"
#include "DockableWidget.h"
#include "EditorItem.h"
#include "GetPasswordDialog.h"
#include "ItemPropertiesDialog.h"
#include "PersonalizationWidget.h"
#include "QuestionDriver.h"
#include "QuickSearchWidget.h"
#include "QuickStartDialog.h"
#include "SkinWidget.h"
#include "SkinWindow.h"
#include "SkinWindowResizeHandler.h"

#include <QAction>
#include <QLineEdit>
#include <QScrollBar>
#include <QTranslator>

// The settings and modes of a cabinet: bars and labels, kiosk mode, stay on top,
// auto hide and its vetoes, full screen, docking, fonts and animation preferences.
class TestCabinetSettings : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void topBarHidesWithItsParts();
    void bottomBarHidesWithItsParts();
    void nameLabelShowsTheHotkey_data();
    void nameLabelShowsTheHotkey();
    void kioskLocksTheCabinet();
    void kioskPasswordGuardsLeaving_data();
    void kioskPasswordGuardsLeaving();
    void lockingEndsEveryEdit_data();
    void lockingEndsEveryEdit();
    void modeCheckMarksCannotDriftInKiosk();
    void applyingSettingsLocksHeaders();
    void autoHideVetoes_data();
    void autoHideVetoes();
    void dockingCommandsSetTheFrameMode_data();
    void dockingCommandsSetTheFrameMode();
    void fullScreenSwitchesBack();
    void textDecorationStylesTheBars_data();
    void textDecorationStylesTheBars();
    void barFontFallsBackToVerdana_data();
    void barFontFallsBackToVerdana();
    void preferencesReachEveryItem();
    void textsSpeakGerman();

private:
    static void hidePanels();
};

enum Holder {
    Nothing,
    MenuOpen,
    DialogOpen,
    ActiveWindow,
    Kiosk,
    ScrollBarHeld,
    QuickSearch,
    PersonalizingThis,
    PersonalizingOther,
    QuickStartThis,
    QuickStartOther,
    PropertiesOfThisView,
    PropertiesOfOtherView,
    ProgressOfThis,
    ProgressOfOther
};
Q_DECLARE_METATYPE(Holder)

void TestCabinetSettings::initTestCase()
{
    TestEnvironment::instance()->initializeGlobals();
    PersonalizationWidget::installCabinetLink();
    QuickStartDialog::installCabinetLink();
    VorendaGlobal::load();
}

void TestCabinetSettings::init()
{
    VorendaGlobal::searchBoxOption = 2;
    VorendaGlobal::kioskPasswordHash.clear();
}

void TestCabinetSettings::cleanup()
{
    hidePanels();
    VorendaGlobal::kioskPasswordHash.clear();
    VorendaGlobal::animHover = true;
    VorendaGlobal::animClick = true;
}

void TestCabinetSettings::hidePanels()
{
    PersonalizationWidget::instance()->close();
    QuickStartDialog::instance()->close();
    ItemPropertiesDialog::instance()->close();
    AddProgressWidget::instance()->close();
    QuickSearchWidget::instance()->close();
}

void TestCabinetSettings::topBarHidesWithItsParts()
{
    VorendaShelf shelf;
    QCOMPARE(shelf.topBarAction->text(), QStringLiteral("Hide Top Bar"));
    QVERIFY(!shelf.topFrame->isHidden());

    shelf.hidesearchbox = true;
    shelf.hidename = true;
    shelf.updateFrames();
    QVERIFY(shelf.hidetopbar);
    QVERIFY(shelf.topFrame->isHidden());
    QVERIFY(!shelf.topFrame->isEnabled());
    QCOMPARE(shelf.topBarAction->text(), QStringLiteral("Show Top Bar"));

    // Showing the bar again brings back what it shows.
    shelf.onShowTopBar();
    QVERIFY(!shelf.hidetopbar);
    QVERIFY(!shelf.hidesearchbox);
    QVERIFY(!shelf.hidename);
    QVERIFY(!shelf.topFrame->isHidden());
    QVERIFY(!shelf.searchBox->isHidden());
    QCOMPARE(shelf.topBarAction->text(), QStringLiteral("Hide Top Bar"));
    QCOMPARE(shelf.searchBoxAction->text(), QStringLiteral("Hide Search Box"));
}

void TestCabinetSettings::bottomBarHidesWithItsParts()
{
    VorendaShelf shelf;
    shelf.onShowCabinetInfo();
    QVERIFY(!shelf.bottomFrame->isHidden());
    QCOMPARE(shelf.cabinetInfoAction->text(), QStringLiteral("Show Cabinet Information"));
    shelf.onShowThumbSizeSlider();
    QVERIFY(shelf.hidebottombar);
    QVERIFY(shelf.bottomFrame->isHidden());
    QVERIFY(shelf.thumbSizeFrame->isHidden());
    QCOMPARE(shelf.bottomBarAction->text(), QStringLiteral("Show Bottom Bar"));

    shelf.onShowBottomBar();
    QVERIFY(!shelf.hidebottombar);
    QVERIFY(!shelf.hidecabinetinfo);
    QVERIFY(!shelf.hidethumbsizeslider);
    QVERIFY(!shelf.bottomFrame->isHidden());
    QVERIFY(!shelf.thumbSizeFrame->isHidden());
    QCOMPARE(shelf.bottomBarAction->text(), QStringLiteral("Hide Bottom Bar"));
}

void TestCabinetSettings::nameLabelShowsTheHotkey_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("hotkey");
    QTest::addColumn<bool>("withHotkey");
    QTest::addColumn<bool>("hideName");
    QTest::addColumn<QString>("label");
    QTest::newRow("named") << "Cabinet 1" << "Ctrl+1" << true << false << "Cabinet 1  (Ctrl+1)";
    QTest::newRow("unnamed") << "" << "Ctrl+1" << true << false << "(Ctrl+1)";
    QTest::newRow("without the hotkey") << "Cabinet 1" << "Ctrl+1" << false << false << "Cabinet 1";
    QTest::newRow("no show hotkey") << "Cabinet 1" << "" << true << false << "Cabinet 1  ()";
    QTest::newRow("name hidden") << "Cabinet 1" << "Ctrl+1" << true << true << "";
}

void TestCabinetSettings::nameLabelShowsTheHotkey()
{
    QFETCH(QString, name);
    QFETCH(QString, hotkey);
    QFETCH(bool, withHotkey);
    QFETCH(bool, hideName);
    QFETCH(QString, label);
    VorendaShelf shelf;
    shelf.name = name;
    shelf.frame->setShowHotkey(QKeySequence::fromString(hotkey, QKeySequence::PortableText));
    shelf.shownamewithhotkey = withHotkey;
    shelf.hidename = hideName;
    shelf.updateFrames();
    QCOMPARE(shelf.nameLabel->text(), label);
    QCOMPARE(shelf.nameWithHotkeyAction->text(), withHotkey ? QStringLiteral("Remove Hotkey From Cabinet Name")
                                                            : QStringLiteral("Add Hotkey To Cabinet Name"));
}

void TestCabinetSettings::kioskLocksTheCabinet()
{
    VorendaShelf shelf;
    fillCabinet(shelf);
    shelf.onToggleKioskMode();

    QVERIFY(shelf.kiosk);
    QCOMPARE(shelf.statusLabel->text(), QStringLiteral("Kiosk mode is now ON!"));
    QCOMPARE(shelf.kioskModeAction->text(), QStringLiteral("Exit Kiosk Mode"));
    QVERIFY(!shelf.hidemenubar);
    QVERIFY(shelf.menuFrame->isHidden());
    QVERIFY(shelf.closeFrame->isHidden());
    QVERIFY(!shelf.closeFrame->isEnabled());
    QVERIFY(!shelf.view->acceptDrops());
    QVERIFY(!shelf.view->acceptDrags());
    SkinWindowResizeHandler* handler = shelf.skin->getResizeHandler();
    QVERIFY(handler);
    QVERIFY(!handler->isMovingEnabled());
    QVERIFY(handler->resizeRange() < 0);
    for (CategoryHeaderItem* header : shelf.view->getCategoryHeaderList(-1, true)) {
        QVERIFY(!header->canBeToggled());
        QVERIFY(!header->isEditable());
    }

    // The bar toggles and the mode commands are ignored; the label toggles still work.
    shelf.onShowMenuBar();
    shelf.onShowTopBar();
    shelf.onShowBottomBar();
    QVERIFY(!shelf.hidemenubar);
    QVERIFY(!shelf.hidetopbar);
    QVERIFY(!shelf.hidebottombar);
    shelf.onDockToLeftScreenEdge();
    QCOMPARE(shelf.mode, 0);
    QCOMPARE(shelf.frame->mode(), DockableWidget::Undocked);
    shelf.onToggleFullScreen();
    QVERIFY(!shelf.frame->isMaximized());
    shelf.onShowSearchBox();
    QVERIFY(shelf.hidesearchbox);
    QVERIFY(shelf.searchBox->isHidden());

    shelf.onToggleKioskMode();
    QVERIFY(!shelf.kiosk);
    QCOMPARE(shelf.statusLabel->text(), QStringLiteral("Kiosk mode is now OFF!"));
    QCOMPARE(shelf.kioskModeAction->text(), QStringLiteral("Show In Kiosk Mode"));
    QVERIFY(!shelf.menuFrame->isHidden());
    QVERIFY(!shelf.closeFrame->isHidden());
    QVERIFY(shelf.view->acceptDrops());
    QVERIFY(handler->isMovingEnabled());
    QVERIFY(handler->resizeRange() >= 4);
    for (CategoryHeaderItem* header : shelf.view->getCategoryHeaderList(-1, true)) {
        QVERIFY(header->canBeToggled());
        QVERIFY(header->isEditable());
    }
}

void TestCabinetSettings::kioskPasswordGuardsLeaving_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("kioskAfter");
    QTest::newRow("cancelled") << QString() << true;
    QTest::newRow("the password") << QStringLiteral("secret") << false;
}

void TestCabinetSettings::kioskPasswordGuardsLeaving()
{
    QFETCH(QString, typed);
    QFETCH(bool, kioskAfter);
    VorendaShelf shelf;
    shelf.onToggleKioskMode();
    shelf.updateStatusLabel();
    const QString labelBefore = shelf.statusLabel->text();
    VorendaGlobal::kioskPasswordHash = QStringLiteral("5ebe2294ecd0e0f08eab7690d2a6ee69");

    QuestionDriver driver(QuestionDriver::visible<GetPasswordDialog>(), answerPassword<GetPasswordDialog>(typed));
    shelf.onToggleKioskMode();
    QVERIFY(driver.ran());
    QCOMPARE(shelf.kiosk, kioskAfter);
    if (kioskAfter) {
        // Refused silently: nothing changes, no message.
        QCOMPARE(shelf.statusLabel->text(), labelBefore);
        QVERIFY(shelf.closeFrame->isHidden());
    } else {
        QCOMPARE(shelf.statusLabel->text(), QStringLiteral("Kiosk mode is now OFF!"));
    }
}

void TestCabinetSettings::lockingEndsEveryEdit_data()
{
    QTest::addColumn<QString>("edit");
    QTest::addColumn<bool>("byPanel");
    QTest::newRow("item renamed in place, Ctrl+K") << "item" << false;
    QTest::newRow("category renamed in place, Ctrl+K") << "category" << false;
    QTest::newRow("item properties, Ctrl+K") << "properties" << false;
    QTest::newRow("item properties, the panel's kiosk box") << "properties" << true;
}

// Whatever edits the cabinet when it is locked ends without writing what was typed,
// and nothing opens on it again while it stays locked.
void TestCabinetSettings::lockingEndsEveryEdit()
{
    QFETCH(QString, edit);
    QFETCH(bool, byPanel);
    VorendaShelf shelf;
    fillCabinet(shelf);
    static_cast<QWidget&>(shelf).show();
    QVERIFY(QTest::qWaitForWindowExposed(&shelf));
    auto* item = qobject_cast<MyThumbnailItem*>(shelf.view->getItems(0).first());
    CategoryHeaderItem* header = shelf.view->getCategoryHeader(0);
    const QString name = item->properties.name;

    if (edit == QLatin1String("item")) {
        item->editLabel();
        QVERIFY(item->isEditing());
        item->getEditor()->editorWidget()->setProperty("plainText", QStringLiteral("Typed"));
    } else if (edit == QLatin1String("category")) {
        header->editText();
        QVERIFY(header->isEditing());
        qobject_cast<QLineEdit*>(header->getTextItem()->editorWidget())->setText(QStringLiteral("Typed"));
    } else {
        ItemPropertiesDialog::instance()->show(item);
        ItemPropertiesDialog::instance()->nameLineEdit->setText(QStringLiteral("Typed"));
        ItemPropertiesDialog::instance()->targetLineEdit->setText(QStringLiteral("/usr/bin/xterm"));
    }
    if (byPanel) {
        // The panel's own OK writes the lock and ends as always.
        PersonalizationWidget* panel = PersonalizationWidget::instance();
        panel->show(&shelf, 0, AllElements);
        panel->kioskCheckBox->setChecked(true);
        QSignalSpy accepted(panel, &PersonalizationWidget::accepted);
        panel->accept(true);
        QCOMPARE(accepted.count(), 1);
        QVERIFY(!panel->isVisible());
    } else {
        shelf.onToggleKioskMode();
    }
    QVERIFY(shelf.kiosk);
    QVERIFY(shelf.view->isReadOnly());
    QVERIFY(!item->isEditing());
    QVERIFY(!header->isEditing());
    QVERIFY(!ItemPropertiesDialog::visible());

    item->editLabel();
    header->editText();
    ItemPropertiesDialog::instance()->show(item);
    QVERIFY(!item->isEditing());
    QVERIFY(!header->isEditing());
    QVERIFY(!ItemPropertiesDialog::visible());
    QCOMPARE(item->properties.name, name);
    QCOMPARE(item->getText(), name);
    QVERIFY(item->properties.target.isEmpty());
    QCOMPARE(header->getText(), QStringLiteral("Documents"));
}

void TestCabinetSettings::modeCheckMarksCannotDriftInKiosk()
{
    VorendaShelf shelf;
    QVERIFY(shelf.autoHideAction->isChecked());
    QVERIFY(!shelf.stayOnTopAction->isChecked());

    shelf.stayOnTopAction->setChecked(true);
    QVERIFY(shelf.frame->staysOnTop());
    QCOMPARE(shelf.statusLabel->text(), QStringLiteral("Stay On Top mode is now ON!"));

    shelf.onToggleKioskMode();
    QVERIFY(!shelf.frame->staysOnTop());
    for (QAction* action : {shelf.stayOnTopAction, shelf.autoHideAction, shelf.fullScreenAction,
                            shelf.dockLeftAction, shelf.undockAction})
        QVERIFY2(!action->isEnabled(), qPrintable(action->text()));

    // Switched anyway, the marks go back to what the cabinet does.
    shelf.stayOnTopAction->setChecked(false);
    QVERIFY(shelf.stayOnTopAction->isChecked());
    shelf.autoHideAction->setChecked(false);
    QVERIFY(shelf.autoHideAction->isChecked());
    QVERIFY(shelf.frame->isAutoHide());
    QVERIFY(!shelf.frame->staysOnTop());
    QCOMPARE(shelf.statusLabel->text(), QStringLiteral("Kiosk mode is now ON!"));

    shelf.onToggleKioskMode();
    QVERIFY(shelf.frame->staysOnTop());
    QVERIFY(shelf.stayOnTopAction->isEnabled());

    shelf.autoHideAction->setChecked(false);
    QVERIFY(!shelf.frame->isAutoHide());
    QCOMPARE(shelf.statusLabel->text(), QStringLiteral("Auto Hide mode is now OFF!"));
    // A direct call moves the check mark with the frame.
    shelf.onStayOnTop(false);
    QVERIFY(!shelf.frame->staysOnTop());
    QVERIFY(!shelf.stayOnTopAction->isChecked());
}

void TestCabinetSettings::applyingSettingsLocksHeaders()
{
    VorendaShelf shelf;
    fillCabinet(shelf);
    shelf.stayOnTopAction->setChecked(true);
    shelf.kiosk = true;
    shelf.hidecatstatusbutton = true;
    shelf.showcatnumberofitems = true;
    shelf.onApplySettings();
    QVERIFY(!shelf.frame->staysOnTop());
    QVERIFY(!shelf.view->acceptDrops());
    QCOMPARE(shelf.catNumberOfItemsAction->text(), QStringLiteral("Hide Number Of Items In Category"));
    for (CategoryHeaderItem* header : shelf.view->getCategoryHeaderList(-1, true)) {
        QVERIFY(!header->canBeToggled());
        QVERIFY(!header->isEditable());
        QVERIFY(!header->getStateButton()->isEnabled());
        // The button fades out.
        QTRY_VERIFY(!header->getStateButton()->isVisible());
    }
    // Documents holds three items of its own and two in Letters.
    QVERIFY2(shelf.view->getCategoryHeader(0)->textToShow().endsWith(QStringLiteral("(5)")),
             qPrintable(shelf.view->getCategoryHeader(0)->textToShow()));
}

void TestCabinetSettings::autoHideVetoes_data()
{
    QTest::addColumn<Holder>("holder");
    QTest::addColumn<bool>("mayHide");
    QTest::newRow("nothing holds it") << Nothing << true;
    QTest::newRow("a menu is open") << MenuOpen << false;
    QTest::newRow("a question is open") << DialogOpen << false;
    QTest::newRow("active window") << ActiveWindow << false;
    QTest::newRow("kiosk mode") << Kiosk << false;
    QTest::newRow("scroll bar held") << ScrollBarHeld << false;
    // The quick search holds every cabinet while it searches the cabinets' items.
    QTest::newRow("quick search") << QuickSearch << !QuickSearchWidget::instance()->searchingVorenda();
    QTest::newRow("personalizing this cabinet") << PersonalizingThis << false;
    QTest::newRow("personalizing another") << PersonalizingOther << true;
    QTest::newRow("quick start for this cabinet") << QuickStartThis << false;
    QTest::newRow("quick start for another") << QuickStartOther << true;
    QTest::newRow("properties of an item here") << PropertiesOfThisView << false;
    QTest::newRow("properties of an item elsewhere") << PropertiesOfOtherView << true;
    QTest::newRow("adding to this cabinet") << ProgressOfThis << false;
    QTest::newRow("adding to another") << ProgressOfOther << true;
}

void TestCabinetSettings::autoHideVetoes()
{
    QFETCH(Holder, holder);
    QFETCH(bool, mayHide);
    VorendaShelf shelf;
    VorendaShelf other;
    fillCabinet(shelf);
    fillCabinet(other);
    const auto firstItem = [](VorendaShelf& cabinet) {
        return qobject_cast<MyThumbnailItem*>(cabinet.view->getAllItems().first());
    };

    switch (holder) {
    case Nothing:
        break;
    case MenuOpen:
        shelf.menuOpen = true;
        break;
    case DialogOpen:
        shelf.dialogOpen = true;
        break;
    case ActiveWindow:
        static_cast<QWidget&>(shelf).show();
        QApplication::setActiveWindow(&shelf);
        QVERIFY(QTest::qWaitFor([&] { return shelf.isActiveWindow(); }));
        break;
    case Kiosk:
        shelf.onToggleKioskMode();
        break;
    case ScrollBarHeld:
        shelf.view->verticalScrollBar()->setSliderDown(true);
        break;
    case QuickSearch:
        QuickSearchWidget::instance()->show();
        break;
    case PersonalizingThis:
    case PersonalizingOther:
        PersonalizationWidget::instance()->show(holder == PersonalizingThis ? &shelf : &other, 0, AllElements);
        break;
    case QuickStartThis:
    case QuickStartOther:
        QuickStartDialog::instance()->show(holder == QuickStartThis ? &shelf : &other);
        break;
    case PropertiesOfThisView:
    case PropertiesOfOtherView:
        ItemPropertiesDialog::instance()->show(firstItem(holder == PropertiesOfThisView ? shelf : other));
        break;
    case ProgressOfThis:
    case ProgressOfOther:
        AddProgressWidget::instance()->show(holder == ProgressOfThis ? &shelf : &other);
        break;
    }

    // Asked the way the frame asks: through its signal.
    bool ok = !mayHide;
    emit shelf.frame->autoHideRequest(&ok);
    QCOMPARE(ok, mayHide);
}

void TestCabinetSettings::dockingCommandsSetTheFrameMode_data()
{
    QTest::addColumn<QByteArray>("slot");
    QTest::addColumn<int>("option");
    QTest::addColumn<DockableWidget::Mode>("frameMode");
    QTest::addColumn<bool>("stretched");
    QTest::addColumn<QString>("message");
    const QString top = QStringLiteral("The cabinet is now docked to the TOP edge!");
    const QString right = QStringLiteral("The cabinet is now docked to the RIGHT edge!");
    const QString bottom = QStringLiteral("The cabinet is now docked to the BOTTOM edge!");
    const QString left = QStringLiteral("The cabinet is now docked to the LEFT edge!");
    QTest::newRow("top") << QByteArray("onDockToTopScreenEdge") << 1 << DockableWidget::DockedTop << false << top;
    QTest::newRow("right") << QByteArray("onDockToRightScreenEdge") << 2 << DockableWidget::DockedRight << false
                           << right;
    QTest::newRow("bottom") << QByteArray("onDockToBottomScreenEdge") << 3 << DockableWidget::DockedBottom << false
                            << bottom;
    QTest::newRow("left") << QByteArray("onDockToLeftScreenEdge") << 4 << DockableWidget::DockedLeft << false
                          << left;
    QTest::newRow("top maximized") << QByteArray("onDockMaximizedToTopScreenEdge") << 5 << DockableWidget::DockedTop
                                   << true << top;
    QTest::newRow("right maximized") << QByteArray("onDockMaximizedToRightScreenEdge") << 6
                                     << DockableWidget::DockedRight << true << right;
    QTest::newRow("bottom maximized") << QByteArray("onDockMaximizedToBottomScreenEdge") << 7
                                      << DockableWidget::DockedBottom << true << bottom;
    QTest::newRow("left maximized") << QByteArray("onDockMaximizedToLeftScreenEdge") << 8
                                    << DockableWidget::DockedLeft << true << left;
}

void TestCabinetSettings::dockingCommandsSetTheFrameMode()
{
    QFETCH(QByteArray, slot);
    QFETCH(int, option);
    QFETCH(DockableWidget::Mode, frameMode);
    QFETCH(bool, stretched);
    QFETCH(QString, message);
    VorendaShelf shelf;
    QVERIFY(QMetaObject::invokeMethod(&shelf, slot.constData()));
    QCOMPARE(shelf.mode, option);
    QCOMPARE(shelf.frame->mode(), frameMode);
    QCOMPARE(shelf.frame->isStretched(), stretched);
    QCOMPARE(shelf.statusLabel->text(), message);

    shelf.onUndockWindow();
    QCOMPARE(shelf.mode, 0);
    QCOMPARE(shelf.frame->mode(), DockableWidget::Undocked);
    QCOMPARE(shelf.statusLabel->text(), QStringLiteral("The cabinet is now FLOATING!"));
}

void TestCabinetSettings::fullScreenSwitchesBack()
{
    VorendaShelf shelf;
    static_cast<QWidget&>(shelf).show();
    QVERIFY(QTest::qWaitForWindowExposed(&shelf));
    const QSize normalSize = shelf.size();
    shelf.onToggleFullScreen();
    QVERIFY(shelf.frame->isMaximized());
    QCOMPARE(shelf.statusLabel->text(), QStringLiteral("Full Screen mode is now ON!"));
    shelf.onToggleFullScreen();
    QVERIFY(!shelf.frame->isMaximized());
    QCOMPARE(shelf.size(), normalSize);
    QCOMPARE(shelf.statusLabel->text(), QStringLiteral("Full Screen mode is now OFF!"));
}

void TestCabinetSettings::textDecorationStylesTheBars_data()
{
    QTest::addColumn<int>("decoration");
    QTest::addColumn<bool>("bold");
    QTest::addColumn<bool>("shadow");
    QTest::addColumn<bool>("shadowUp");
    QTest::newRow("plain") << 0 << false << false << false;
    QTest::newRow("shadow") << 1 << false << true << false;
    QTest::newRow("shadow up") << 2 << false << true << true;
    QTest::newRow("bold") << 3 << true << false << false;
    QTest::newRow("unknown value") << 9 << false << false << false;
}

void TestCabinetSettings::textDecorationStylesTheBars()
{
    QFETCH(int, decoration);
    QFETCH(bool, bold);
    QFETCH(bool, shadow);
    QFETCH(bool, shadowUp);
    VorendaShelf shelf;
    const bool nameBold = shelf.nameLabelSkin->getTextFont()[FontProperty::Normal].bold();
    // Start from the opposite look, so that every switch has to be set.
    shelf.textdecoration = 3;
    shelf.onApplySettings();
    shelf.textdecoration = 1;
    shelf.onApplySettings();

    shelf.textdecoration = decoration;
    shelf.onApplySettings();
    for (SkinWidget* skin : {shelf.cabinetMenuButtonSkin, shelf.helpMenuButtonSkin, shelf.matchesLabelSkin,
                             shelf.statusLabelSkin}) {
        QCOMPARE(skin->getTextFont()[FontProperty::Normal].bold(), bold);
        QCOMPARE(skin->hasTextShadow(), shadow);
        QCOMPARE(skin->isTextShadowUp(), shadowUp);
    }
    QCOMPARE(shelf.nameLabelSkin->getTextFont()[FontProperty::Normal].bold(), nameBold);
    QCOMPARE(shelf.nameLabelSkin->hasTextShadow(), shadow);
}

void TestCabinetSettings::barFontFallsBackToVerdana_data()
{
    QTest::addColumn<QString>("textfont");
    QTest::addColumn<QString>("family");
    QTest::newRow("installed") << "DejaVu Sans" << "DejaVu Sans";
    QTest::newRow("installed, other case") << "dejavu sans" << "dejavu sans";
    QTest::newRow("not installed") << "No Such Family" << "Verdana";
    QTest::newRow("empty") << "" << "Verdana";
}

void TestCabinetSettings::barFontFallsBackToVerdana()
{
    QFETCH(QString, textfont);
    QFETCH(QString, family);
    VorendaShelf shelf;
    shelf.textfont = textfont;
    shelf.onApplySettings();
    for (SkinWidget* skin : {shelf.viewMenuButtonSkin, shelf.nameLabelSkin, shelf.statusLabelSkin})
        QCOMPARE(skin->getTextFont()[FontProperty::Normal].family(), family);
}

void TestCabinetSettings::preferencesReachEveryItem()
{
    VorendaShelf shelf;
    fillCabinet(shelf);
    VorendaGlobal::animHover = false;
    VorendaGlobal::animClick = true;
    shelf.onApplyPreferences();
    const QList<AbstractThumbnailItem*> items = shelf.view->getAllItems();
    QCOMPARE(items.count(), 10);
    for (AbstractThumbnailItem* entry : items) {
        auto* item = qobject_cast<MyThumbnailItem*>(entry);
        QVERIFY(!item->isHoverAnimationEnabled());
        QVERIFY(item->isClickAnimationEnabled());
    }
    VorendaGlobal::animHover = true;
    VorendaGlobal::animClick = false;
    shelf.onApplyPreferences();
    QVERIFY(qobject_cast<MyThumbnailItem*>(items.first())->isHoverAnimationEnabled());
    QVERIFY(!qobject_cast<MyThumbnailItem*>(items.first())->isClickAnimationEnabled());
}

void TestCabinetSettings::textsSpeakGerman()
{
    QTranslator german;
    QVERIFY(german.load(QStringLiteral(":/Translations/Vorenda_de.qm")));
    QApplication::installTranslator(&german);
    VorendaShelf shelf;
    shelf.onShowSearchBox();
    shelf.onToggleKioskMode();
    QApplication::removeTranslator(&german);

    QCOMPARE(shelf.statusLabel->text(), QStringLiteral("Der Kioskmodus ist jetzt AN!"));
    QCOMPARE(shelf.kioskModeAction->text(), QStringLiteral("Kioskmodus beenden"));
    QCOMPARE(shelf.searchBoxAction->text(), QStringLiteral("Suchfeld einblenden"));
    QCOMPARE(shelf.topBarAction->text(), QStringLiteral("Obere Leiste ausblenden"));
}

VORENDA_TEST_MAIN(TestCabinetSettings)

#include "tst_cabinetsettings.moc"
