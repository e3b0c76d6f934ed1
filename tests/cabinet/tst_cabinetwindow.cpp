#include "TestEnvironment.h"

#include "CustomSortFilterProxyModel.h"
#include "DockableWidget.h"
#include "DovalinnailClient.h"
#include "KestrimnailClient.h"
#include "MyCustomStyle.h"
#include "SafariBookmarksParser.h"
#include "SkinWidget.h"
#include "SkinWindow.h"
#include "SkinWindowResizeHandler.h"
#include "ThumbnailItemModel.h"
#include "VorendaGlobal.h"
#include "VorendaShelf.h"

#include <QCloseEvent>
#include <QFile>
#include <QScreen>
#include <QScrollBar>

// The cabinet window: its form, the state a new cabinet starts in, closing and quitting.
class TestCabinetWindow : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void formBuildsTheWidgetTree();
    void formKeepsAnExistingObjectName();
    void newCabinetStartsWithDefaults();
    void viewMarginsFollowTheShelfAngle_data();
    void viewMarginsFollowTheShelfAngle();
    void sliderStartsAtHalfTheThumbnailSize_data();
    void sliderStartsAtHalfTheThumbnailSize();
    void closeOnlyHidesUntilTheSessionEnds_data();
    void closeOnlyHidesUntilTheSessionEnds();
    void shownWindowTakesCornersAndResizeZone_data();
    void shownWindowTakesCornersAndResizeZone();
    void bottomBarHidesWhenBothItsPartsAreHidden();
    void quitLogsAroundTheSave();
    void closeButtonHidesTheFrame();

private:
    QStringList logLines() const;

    int savedAngle = 0;
    int savedThumbSize = 0;
    int savedMaxThumbSize = 0;
};

void TestCabinetWindow::initTestCase()
{
    TestEnvironment::instance()->initializeGlobals();
    VorendaGlobal::load();
    savedAngle = VorendaGlobal::SHELF_ANGLE;
    savedThumbSize = VorendaGlobal::SHELF_THUMBSIZE;
    savedMaxThumbSize = VorendaGlobal::SHELF_MAXTHUMBSIZE;
}

void TestCabinetWindow::init()
{
    VorendaGlobal::searchBoxOption = 2;
}

void TestCabinetWindow::cleanup()
{
    VorendaGlobal::SHELF_ANGLE = savedAngle;
    VorendaGlobal::SHELF_THUMBSIZE = savedThumbSize;
    VorendaGlobal::SHELF_MAXTHUMBSIZE = savedMaxThumbSize;
    VorendaGlobal::logEnabled = false;
}

QStringList TestCabinetWindow::logLines() const
{
    return TestEnvironment::logLines(VorendaGlobal::getLogFileName());
}

void TestCabinetWindow::formBuildsTheWidgetTree()
{
    VorendaShelf shelf;
    QCOMPARE(shelf.objectName(), QStringLiteral("MainWindow"));
    QCOMPARE(shelf.cabinetMenuButton->text(), QStringLiteral("  Cabinet  "));
    QCOMPARE(shelf.categoriesMenuButton->text(), QStringLiteral("  Categories  "));
    QCOMPARE(shelf.itemsMenuButton->text(), QStringLiteral("  Items  "));
    QCOMPARE(shelf.viewMenuButton->text(), QStringLiteral("  View  "));
    QCOMPARE(shelf.personalizeMenuButton->text(), QStringLiteral("  Personalize  "));
    QCOMPARE(shelf.helpMenuButton->text(), QStringLiteral("  Help  "));
    QCOMPARE(shelf.windowTitle(), QStringLiteral("Form"));
    QCOMPARE(shelf.searchBox->parentWidget(), shelf.topFrame);
    QCOMPARE(shelf.closeButton->parentWidget(), shelf.closeFrame);
    QCOMPARE(shelf.thumbSizeSlider->parentWidget(), shelf.thumbSizeFrame);
    QCOMPARE(shelf.navigator->maximumHeight(), 100);
    QCOMPARE(shelf.searchBox->minimumSize(), QSize(80, 23));

    // Tab runs view, slider, search box, navigator.
    const QList<QWidget*> tabOrder = {shelf.view, shelf.thumbSizeSlider, shelf.searchBox, shelf.navigator};
    QList<QWidget*> chain;
    for (QWidget* w = shelf.view; chain.size() < tabOrder.size(); w = w->nextInFocusChain()) {
        if (tabOrder.contains(w) && !chain.contains(w))
            chain << w;
    }
    QCOMPARE(chain, tabOrder);

    // Skins: the six menu buttons are buttons, the three labels and the close button skinned.
    for (SkinWidget* skin : {shelf.cabinetMenuButtonSkin, shelf.categoriesMenuButtonSkin, shelf.itemsMenuButtonSkin,
                             shelf.viewMenuButtonSkin, shelf.personalizeMenuButtonSkin, shelf.helpMenuButtonSkin}) {
        QVERIFY(skin);
        QVERIFY(skin->isButton());
        QCOMPARE(skin->getBackground(), shelf.menuButtonBackground);
    }
    QVERIFY(shelf.closeButtonSkin && shelf.closeButtonSkin->isButton());
    QCOMPARE(shelf.nameLabelSkin->getTextFont()[FontProperty::Normal].weight(), int(QFont::Bold));
    QCOMPARE(shelf.statusLabelSkin->getTextFont()[FontProperty::Normal].weight(), int(QFont::Normal));
    QVERIFY(shelf.nameLabelSkin->getTextFont()[FontProperty::Normal].pointSizeF()
            > shelf.statusLabelSkin->getTextFont()[FontProperty::Normal].pointSizeF());
}

void TestCabinetWindow::formKeepsAnExistingObjectName()
{
    QWidget window;
    window.setObjectName(QStringLiteral("cabinet"));
    Ui_MainWindow form;
    form.setupUi(&window);
    QCOMPARE(window.objectName(), QStringLiteral("cabinet"));
    QCOMPARE(window.size(), QSize(451, 291));
}

void TestCabinetWindow::newCabinetStartsWithDefaults()
{
    const uint before = uint(QDateTime::currentSecsSinceEpoch());
    VorendaShelf shelf;
    QVERIFY(shelf.date >= before && shelf.date <= before + 5);
    QCOMPARE(shelf.filtertype, 3);
    QVERIFY(shelf.showcatfullpath);
    QVERIFY(shelf.shownamewithhotkey);
    for (bool hidden : {shelf.kiosk, shelf.hidetopbar, shelf.hidemenubar, shelf.hidebottombar, shelf.hidename,
                        shelf.hidesearchbox, shelf.hidecabinetinfo, shelf.hidethumbsizeslider,
                        shelf.hidecatstatusbutton, shelf.showcatnumberofitems, shelf.showcatnumberofmatches})
        QVERIFY(!hidden);
    QCOMPARE(shelf.textfont, shelf.font().family());
    QCOMPARE(shelf.subfolderChoice, -1);
    QCOMPARE(shelf.bookmarkFolderChoice, -1);

    QVERIFY(shelf.navigator->isHidden());
    QVERIFY(!shelf.navigator->isEnabled());
    QCOMPARE(shelf.navigator->getMargin(), MarginProperty(8.0));
    QCOMPARE(shelf.view->lineWidth(), 3);
    QCOMPARE(shelf.view->getShelfHeight(), VorendaGlobal::SHELF_HEIGHT);
    QCOMPARE(shelf.view->getShelfAngle(), VorendaGlobal::SHELF_ANGLE);
    QCOMPARE(shelf.view->getShelfThickness(), VorendaGlobal::SHELF_THICKNESS);
    QCOMPARE(shelf.view->getHorizontalSpacing(), 10.0);
    QCOMPARE(shelf.view->verticalScrollBar()->style(), static_cast<QStyle*>(shelf.customStyle.get()));
    QCOMPARE(shelf.thumbSizeSlider->style(), static_cast<QStyle*>(shelf.customStyle.get()));
    QCOMPARE(shelf.proxyModel->sourceModel(), static_cast<QAbstractItemModel*>(shelf.view->model()));
    QCOMPARE(shelf.proxyModel->filterCaseSensitivity(), Qt::CaseInsensitive);
    QVERIFY(shelf.matchesLabel->text().isEmpty());

    // Floating, 40 % by 80 % of the screen, centred.
    QCOMPARE(shelf.frame->mode(), DockableWidget::Undocked);
    const QRect screen = shelf.screen()->availableGeometry();
    QVERIFY(qAbs(shelf.width() - screen.width() * 40 / 100) <= 1);
    QVERIFY(qAbs(shelf.height() - screen.height() * 80 / 100) <= 1);
    QVERIFY((shelf.geometry().center() - screen.center()).manhattanLength() <= 2);
    QVERIFY(shelf.skin->isStarted());
    QVERIFY(!shelf.skin->isAlphaBlend());
}

void TestCabinetWindow::viewMarginsFollowTheShelfAngle_data()
{
    QTest::addColumn<int>("angle");
    QTest::addColumn<double>("side");
    QTest::newRow("35") << 35 << 30.0;
    QTest::newRow("10") << 10 << 5.0;
    QTest::newRow("9") << 9 << 5.0;
    QTest::newRow("0") << 0 << 5.0;
}

void TestCabinetWindow::viewMarginsFollowTheShelfAngle()
{
    QFETCH(int, angle);
    QFETCH(double, side);
    VorendaGlobal::SHELF_ANGLE = angle;
    VorendaShelf shelf;
    QCOMPARE(shelf.view->getMargin(), MarginProperty(0.0, side, 10.0, side));
}

void TestCabinetWindow::sliderStartsAtHalfTheThumbnailSize_data()
{
    QTest::addColumn<int>("thumbSize");
    QTest::addColumn<int>("maxThumbSize");
    QTest::addColumn<int>("value");
    QTest::addColumn<bool>("enabled");
    QTest::newRow("defaults") << 256 << 128 << 128 << true;
    QTest::newRow("half inside") << 200 << 128 << 100 << true;
    QTest::newRow("below the minimum") << 40 << 128 << 32 << true;
    QTest::newRow("maximum 32") << 256 << 32 << 32 << false;
}

void TestCabinetWindow::sliderStartsAtHalfTheThumbnailSize()
{
    QFETCH(int, thumbSize);
    QFETCH(int, maxThumbSize);
    QFETCH(int, value);
    QFETCH(bool, enabled);
    VorendaGlobal::SHELF_THUMBSIZE = thumbSize;
    VorendaGlobal::SHELF_MAXTHUMBSIZE = maxThumbSize;
    VorendaShelf shelf;
    QCOMPARE(shelf.thumbSizeSlider->minimum(), 32);
    QCOMPARE(shelf.thumbSizeSlider->maximum(), maxThumbSize);
    QCOMPARE(shelf.thumbSizeSlider->singleStep(), 1);
    QCOMPARE(shelf.thumbSizeSlider->value(), value);
    QCOMPARE(shelf.thumbSizeSlider->isEnabled(), enabled);
    QCOMPARE(shelf.thumbSizeFrame->isHidden(), !enabled);
}

void TestCabinetWindow::closeOnlyHidesUntilTheSessionEnds_data()
{
    QTest::addColumn<bool>("kiosk");
    QTest::addColumn<bool>("sessionEnding");
    QTest::addColumn<bool>("accepted");
    QTest::addColumn<bool>("stillVisible");
    QTest::newRow("normal") << false << false << false << false;
    QTest::newRow("kiosk") << true << false << false << true;
    QTest::newRow("normal, session ends") << false << true << true << false;
    QTest::newRow("kiosk, session ends") << true << true << true << true;
}

void TestCabinetWindow::closeOnlyHidesUntilTheSessionEnds()
{
    QFETCH(bool, kiosk);
    QFETCH(bool, sessionEnding);
    QFETCH(bool, accepted);
    QFETCH(bool, stillVisible);
    VorendaGlobal::logEnabled = true;
    VorendaShelf shelf;
    shelf.name = QStringLiteral("Closing");
    shelf.kiosk = kiosk;
    shelf.show();
    QVERIFY(QTest::qWaitForWindowExposed(&shelf));
    if (sessionEnding)
        shelf.endSession();

    QCloseEvent event;
    QApplication::sendEvent(&shelf, &event);
    QCOMPARE(event.isAccepted(), accepted);
    QCOMPARE(shelf.isVisible(), stillVisible);
    const QString answer = sessionEnding ? QStringLiteral("Yes") : QStringLiteral("No");
    QVERIFY(logLines().contains(
        QStringLiteral("VorendaShelf (Closing): Close event because of ending session? %1").arg(answer)));
    if (sessionEnding)
        QVERIFY(logLines().contains(QStringLiteral("VorendaShelf (Closing): About to end session")));
}

void TestCabinetWindow::shownWindowTakesCornersAndResizeZone_data()
{
    QTest::addColumn<bool>("kiosk");
    QTest::addColumn<bool>("maximized");
    QTest::addColumn<double>("radius");
    QTest::addColumn<bool>("free");
    QTest::newRow("floating") << false << false << 10.0 << true;
    QTest::newRow("kiosk") << true << false << 10.0 << false;
    QTest::newRow("maximized") << false << true << 0.0 << false;
}

void TestCabinetWindow::shownWindowTakesCornersAndResizeZone()
{
    QFETCH(bool, kiosk);
    QFETCH(bool, maximized);
    QFETCH(double, radius);
    QFETCH(bool, free);
    VorendaShelf shelf;
    shelf.kiosk = kiosk;
    QSignalSpy shown(&shelf, &VorendaShelf::shelfShown);
    if (maximized)
        shelf.frame->showMaximized();
    else
        shelf.show();
    QTRY_VERIFY(!shown.isEmpty());
    QCOMPARE(shown.first().first().value<VorendaShelf*>(), &shelf);
    QCOMPARE(shelf.skin->getSkin().borderPainter().radius(), radius);
    SkinWindowResizeHandler* handler = shelf.skin->getResizeHandler();
    QVERIFY(handler);
    QCOMPARE(handler->resizeRange() >= 4, free);
    QCOMPARE(handler->isMovingEnabled(), free);
}

void TestCabinetWindow::bottomBarHidesWhenBothItsPartsAreHidden()
{
    VorendaShelf shelf;
    shelf.hidecabinetinfo = true;
    shelf.onWindowShown();
    QVERIFY(!shelf.bottomFrame->isHidden());
    shelf.hidethumbsizeslider = true;
    shelf.onWindowShown();
    QVERIFY(shelf.bottomFrame->isHidden());
    QVERIFY(!shelf.bottomFrame->isEnabled());
}

void TestCabinetWindow::quitLogsAroundTheSave()
{
    VorendaGlobal::logEnabled = true;
    VorendaShelf shelf;
    shelf.name = QStringLiteral("Quitting");
    shelf.quit();
    QStringList mine;
    const QStringList lines = logLines();
    for (const QString& line : lines) {
        if (line.startsWith(QStringLiteral("VorendaShelf (Quitting)")))
            mine << line;
    }
    QCOMPARE(mine.first(), QStringLiteral("VorendaShelf (Quitting): About to quit"));
    QCOMPARE(mine.last(), QStringLiteral("VorendaShelf (Quitting): Ready to quit"));
    QVERIFY(shelf.kestrimClient->aborted());
    QVERIFY(shelf.dovalinClient->aborted());
    QVERIFY(shelf.tulmarClient->aborted());
    QVERIFY(shelf.sarnekClient->aborted());
    QVERIFY(shelf.weblocParser->aborted());
    QVERIFY(shelf.bookmarksParser->aborted());
}

void TestCabinetWindow::closeButtonHidesTheFrame()
{
    VorendaShelf shelf;
    shelf.show();
    QVERIFY(QTest::qWaitForWindowExposed(&shelf));
    emit shelf.closeButtonSkin->clicked();
    QTRY_VERIFY(!shelf.isVisible());
}

VORENDA_TEST_MAIN(TestCabinetWindow)
#include "tst_cabinetwindow.moc"
