#include "TestEnvironment.h"

#include "CabinetTestFixtures.h"
#include "DockableWidget.h"
#include "DropIndicatorItem.h"
#include "MyCustomStyle.h"
#include "SkinWidget.h"
#include "SkinWindow.h"

// Applying a style to a cabinet: which parts each element restyles, the geometry the
// perspective angle gives, softened colours, and committing and cancelling.
class TestCabinetStyle : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void perspectiveAngleSetsGeometryAndItems_data();
    void perspectiveAngleSetsGeometryAndItems();
    void opaqueColoursAreSoftened_data();
    void opaqueColoursAreSoftened();
    void elementRestylesOnlyItsGroup_data();
    void elementRestylesOnlyItsGroup();
    void sameStyleIsSkippedUnlessForced();
    void cabinetBodyReachesSkinLabelsAndIcons();
    void maximizedCabinetHasSquareCorners();
    void headersTakeCategoryLook_data();
    void headersTakeCategoryLook();
    void cancelReturnsToTheCommittedStyle();
    void initializeAppliesTheStyleWithForce();

private:
    static ShelfStyle woodStyle();
};

void TestCabinetStyle::initTestCase()
{
    TestEnvironment::instance()->initializeGlobals();
    VorendaGlobal::load();
    QVERIFY(VorendaGlobal::shelfStyles.contains(17));
}

ShelfStyle TestCabinetStyle::woodStyle()
{
    return VorendaGlobal::shelfStyles.value(17);
}

void TestCabinetStyle::perspectiveAngleSetsGeometryAndItems_data()
{
    QTest::addColumn<int>("angle");
    QTest::addColumn<int>("shelfMargin");
    QTest::addColumn<double>("side");
    QTest::addColumn<double>("reflection");
    QTest::addColumn<int>("baseHeight");
    QTest::addColumn<double>("hover");
    QTest::addColumn<bool>("hoverOn");
    QTest::newRow("17") << 17 << 2 << 12.0 << 12.0 << 5 << 8.0 << true;
    QTest::newRow("10") << 10 << 1 << 5.0 << 7.0 << 2 << 5.0 << false;
    QTest::newRow("35") << 35 << 5 << 30.0 << 24.0 << 14 << 17.0 << true;
}

void TestCabinetStyle::perspectiveAngleSetsGeometryAndItems()
{
    QFETCH(int, angle);
    QFETCH(int, shelfMargin);
    QFETCH(double, side);
    QFETCH(double, reflection);
    QFETCH(int, baseHeight);
    QFETCH(double, hover);
    QFETCH(bool, hoverOn);
    VorendaShelf shelf;
    MyThumbnailItem* item = addCabinetItem(shelf, -1, QStringLiteral("Budget.ods"));
    ShelfStyle style = woodStyle();
    style.perspectiveAngle = angle;
    shelf.onApplyStyle(style, PerspectiveAngle);

    QCOMPARE(shelf.view->getShelfAngle(), angle);
    QCOMPARE(shelf.view->getShelfHeight(), angle);
    QCOMPARE(shelf.view->getShelfMargin(), shelfMargin);
    QCOMPARE(shelf.view->getMargin(), MarginProperty(0.0, side, 10.0, side));
    QCOMPARE(item->getReflectionSize(), reflection);
    QCOMPARE(item->getBaseHeight(), baseHeight);
    QCOMPARE(item->getAnimHoverMaxOffset(), hover);
    QCOMPARE(item->isHoverAnimationEnabled(), hoverOn);
}

void TestCabinetStyle::opaqueColoursAreSoftened_data()
{
    QTest::addColumn<QColor>("drop");
    QTest::addColumn<QColor>("toolTip");
    QTest::addColumn<int>("dropAlpha");
    QTest::addColumn<int>("infoAlpha");
    QTest::newRow("opaque") << QColor(200, 20, 20) << QColor(10, 10, 10) << 230 << 180;
    QTest::newRow("translucent") << QColor(200, 20, 20, 100) << QColor(10, 10, 10, 254) << 100 << 254;
}

void TestCabinetStyle::opaqueColoursAreSoftened()
{
    QFETCH(QColor, drop);
    QFETCH(QColor, toolTip);
    QFETCH(int, dropAlpha);
    QFETCH(int, infoAlpha);
    VorendaShelf shelf;
    MyThumbnailItem* item = addCabinetItem(shelf, -1, QStringLiteral("Notes"));
    ShelfStyle style = woodStyle();
    style.dropIndicatorColor = drop;
    style.toolTipColor = toolTip;
    shelf.onApplyStyle(style, AllElements, true);
    QCOMPARE(shelf.view->getDropIndicator()->getColor().alpha(), dropAlpha);
    QCOMPARE(shelf.view->getDropIndicator()->getColor().rgb(), drop.rgb());
    QCOMPARE(item->getInfoColor().alpha(), infoAlpha);
    QCOMPARE(item->getBaseColor(), style.itemSelectionColor);
    QCOMPARE(item->getTextPen()[PenProperty::Normal].color(), style.toolTipTextColor);
    QCOMPARE(item->getReflectionOpacity(), style.reflectionLevel);
}

void TestCabinetStyle::elementRestylesOnlyItsGroup_data()
{
    QTest::addColumn<int>("element");
    QTest::addColumn<QString>("changed");
    QTest::newRow("angle") << int(PerspectiveAngle) << QStringLiteral("angle,items");
    QTest::newRow("darkness") << int(BackDarkness) << QStringLiteral("darkness");
    QTest::newRow("reflection") << int(ReflectionLevel) << QStringLiteral("items");
    QTest::newRow("side panel") << int(SidePanelOffset) << QStringLiteral("side");
    QTest::newRow("back panel") << int(BackPanelOffset) << QStringLiteral("back");
    QTest::newRow("shelf pattern") << int(ShelfPattern) << QStringLiteral("shelf");
    QTest::newRow("cabinet colour") << int(CabinetColor) << QStringLiteral("body");
    QTest::newRow("cabinet text") << int(CabinetTextColor) << QStringLiteral("body");
    QTest::newRow("category colour") << int(CategoryColor) << QStringLiteral("category");
    QTest::newRow("drop indicator") << int(DropIndicatorColor) << QStringLiteral("drop");
    QTest::newRow("tooltip text") << int(ToolTipTextColor) << QStringLiteral("items");
    QTest::newRow("unnamed 8") << 8 << QString();
    QTest::newRow("out of range") << 18 << QString();
    QTest::newRow("negative") << -2 << QString();
    QTest::newRow("all") << int(AllElements)
                         << QStringLiteral("angle,darkness,side,back,body,shelf,category,drop,items");
}

void TestCabinetStyle::elementRestylesOnlyItsGroup()
{
    QFETCH(int, element);
    QFETCH(QString, changed);
    VorendaShelf shelf;
    MyThumbnailItem* item = addCabinetItem(shelf, 0, QStringLiteral("Letter"));
    CategoryHeaderItem* header = addCabinetCategory(shelf, 0, QStringLiteral("Documents"));
    shelf.onApplyStyle(woodStyle(), AllElements, true);

    // Every value differs from the wood style.
    ShelfStyle other = woodStyle();
    other.perspectiveAngle = 20;
    other.backDarknessLevel = 33;
    other.reflectionLevel = 77;
    other.sidePanelOffset = 7;
    other.backPanelOffset = 9;
    other.shelfColor = QColor(1, 2, 3);
    other.cabinetColor = QColor(4, 5, 6);
    other.cabinetTextColor = QColor(7, 8, 9);
    other.categoryColor = QColor(10, 11, 12);
    other.categoryTextColor = QColor(22, 23, 24);
    other.dropIndicatorColor = QColor(13, 14, 15, 100);
    other.toolTipTextColor = QColor(16, 17, 18);
    other.itemSelectionColor = QColor(19, 20, 21);

    const BackgroundPainter cabinetBefore = shelf.view->getCabinetPainter();
    const BackgroundPainter shelfBefore = shelf.view->getShelfPainter();
    const QColor dropBefore = shelf.view->getDropIndicator()->getColor();
    const int reflectionBefore = item->getReflectionOpacity();

    shelf.onApplyStyle(other, StyleElement(element));
    // The current style is replaced whatever the element.
    QVERIFY(shelf.style == other);

    const QStringList expected = changed.split(QLatin1Char(','), Qt::SkipEmptyParts);
    QCOMPARE(shelf.view->getShelfAngle() == 20, expected.contains(QStringLiteral("angle")));
    QCOMPARE(shelf.view->getBackDarknessLevel() == 33, expected.contains(QStringLiteral("darkness")));
    QCOMPARE(shelf.view->getSidePanelOffset() == 7, expected.contains(QStringLiteral("side")));
    QCOMPARE(shelf.view->getBackPanelOffset() == 9, expected.contains(QStringLiteral("back")));
    QCOMPARE(shelf.view->getCabinetPainter() != cabinetBefore, expected.contains(QStringLiteral("body")));
    QCOMPARE(shelf.view->getShelfPainter() != shelfBefore, expected.contains(QStringLiteral("shelf")));
    QCOMPARE(shelf.view->getDropIndicator()->getColor() != dropBefore, expected.contains(QStringLiteral("drop")));
    QCOMPARE(item->getReflectionOpacity() != reflectionBefore || item->getTextPen()[PenProperty::Normal].color()
                     == QColor(16, 17, 18),
             expected.contains(QStringLiteral("items")));
    // Headers repaint their state icons in the category text colour.
    const QImage icon = header->getStateButton()->getIcon()[ImageResource::Normal].toImage();
    QCOMPARE(icon.pixelColor(5, 4).rgb() == QColor(22, 23, 24).rgb(), expected.contains(QStringLiteral("category")));
    QCOMPARE(header->getTextItem()->getPen().color() == QColor(22, 23, 24),
             expected.contains(QStringLiteral("category")));}

void TestCabinetStyle::sameStyleIsSkippedUnlessForced()
{
    VorendaShelf shelf;
    const ShelfStyle style = woodStyle();
    shelf.onApplyStyle(style, AllElements, true);
    // A painter changed behind the cabinet's back shows whether a call repainted.
    shelf.view->setShelfPainter(BackgroundPainter(Qt::green));
    ShelfStyle renamed = style;
    renamed.id = QStringLiteral("another id");
    shelf.onApplyStyle(renamed, AllElements, false);
    QCOMPARE(shelf.view->getShelfPainter(), BackgroundPainter(Qt::green));
    shelf.onApplyStyle(renamed, AllElements, true);
    QVERIFY(shelf.view->getShelfPainter() != BackgroundPainter(Qt::green));
    QCOMPARE(shelf.view->getShelfPainter().fillColor(), style.shelfColor);
}

void TestCabinetStyle::cabinetBodyReachesSkinLabelsAndIcons()
{
    VorendaShelf shelf;
    ShelfStyle style = woodStyle();
    style.cabinetTextColor = QColor(250, 240, 10);
    shelf.onApplyStyle(style, AllElements, true);

    QCOMPARE(shelf.palette().color(QPalette::Window), style.cabinetColor);
    QVERIFY(shelf.autoFillBackground());
    QCOMPARE(shelf.customStyle->foregroundColor(), style.cabinetTextColor);
    QCOMPARE(shelf.customStyle->backgroundPainter(), shelf.view->getCabinetPainter());
    QCOMPARE(shelf.view->getCabinetPainter().fillColor(), style.cabinetColor);
    QVERIFY(shelf.view->getCabinetPainter().painterFlags().testFlag(BackgroundPainter::Image));
    QVERIFY(!shelf.view->getCabinetPainter().painterFlags().testFlag(BackgroundPainter::Border));

    const BackgroundPainter skin = shelf.skin->getSkin();
    QCOMPARE(skin.fillColor(), style.cabinetColor);
    QCOMPARE(skin.borderPainter().radius(), 10.0);
    QCOMPARE(skin.borderPainter().color(), QColor(0, 0, 0, 140));
    const BackgroundPainter navigator = shelf.navigator->getBackgroundPainter();
    QCOMPARE(navigator.borderPainter().color(), QColor(0, 0, 0, 100));
    QVERIFY(!navigator.borderPainter().image(BorderPainter::TopLeftImage).isNull());

    for (SkinWidget* label : {shelf.nameLabelSkin, shelf.matchesLabelSkin, shelf.statusLabelSkin})
        QCOMPARE(label->getTextPen()[PenProperty::Normal].color(), style.cabinetTextColor);
    QCOMPARE(shelf.statusPen, shelf.statusLabelSkin->getTextPen());
    const QImage small = shelf.minIcon->pixmap(Qt::ReturnByValue).toImage();
    QCOMPARE(small.size(), QSize(9, 11));
    QCOMPARE(small.pixelColor(0, 3).rgb(), style.cabinetTextColor.rgb());
    QCOMPARE(shelf.maxIcon->pixmap(Qt::ReturnByValue).size(), QSize(14, 15));
}

void TestCabinetStyle::maximizedCabinetHasSquareCorners()
{
    VorendaShelf shelf;
    shelf.frame->showMaximized();
    QVERIFY(shelf.frame->isMaximized());
    shelf.onApplyStyle(woodStyle(), CabinetColor, true);
    QCOMPARE(shelf.skin->getSkin().borderPainter().radius(), 0.0);
}

void TestCabinetStyle::headersTakeCategoryLook_data()
{
    QTest::addColumn<int>("decoration");
    QTest::addColumn<bool>("bold");
    QTest::newRow("plain") << 0 << false;
    QTest::newRow("shadow") << 1 << false;
    QTest::newRow("shadow up") << 2 << false;
    QTest::newRow("bold") << 3 << true;
}

void TestCabinetStyle::headersTakeCategoryLook()
{
    QFETCH(int, decoration);
    QFETCH(bool, bold);
    VorendaShelf shelf;
    shelf.textdecoration = decoration;
    CategoryHeaderItem* header = addCabinetCategory(shelf, 0, QStringLiteral("Documents"));
    ShelfStyle style = woodStyle();
    style.categoryTextColor = QColor(255, 0, 0);
    shelf.onApplyStyle(style, header);
    shelf.onApplyStyle(style, static_cast<CategoryHeaderItem*>(nullptr));

    TextItem* text = header->getTextItem();
    QCOMPARE(text->getFont().bold(), bold);
    QCOMPARE(text->getPen().color(), style.categoryTextColor);
    const QImage icon = header->getStateButton()->getIcon()[ImageResource::Normal].toImage();
    QCOMPARE(icon.pixelColor(5, 4).rgb(), style.categoryTextColor.rgb());
}

void TestCabinetStyle::cancelReturnsToTheCommittedStyle()
{
    VorendaShelf shelf;
    const ShelfStyle wood = woodStyle();
    shelf.onApplyStyle(wood, AllElements, true);
    shelf.onApplyStyleChange(wood);

    ShelfStyle edited = wood;
    edited.shelfColor = QColor(1, 2, 3);
    shelf.onApplyStyle(edited, ShelfColor);
    edited.backDarknessLevel = 12;
    shelf.onApplyStyle(edited, BackDarkness);
    QCOMPARE(shelf.view->getShelfPainter().fillColor(), QColor(1, 2, 3));
    QVERIFY(shelf.committedStyle == wood);

    shelf.onIgnoreStyleChange();
    QVERIFY(shelf.style == wood);
    QCOMPARE(shelf.view->getShelfPainter().fillColor(), wood.shelfColor);
    QCOMPARE(shelf.view->getBackDarknessLevel(), wood.backDarknessLevel);

    shelf.onApplyStyleChange(edited);
    QVERIFY(shelf.style == edited);
    QVERIFY(shelf.committedStyle == edited);
}

void TestCabinetStyle::initializeAppliesTheStyleWithForce()
{
    VorendaShelf shelf;
    shelf.fileName = QStringLiteral("missing.dat");
    shelf.style = woodStyle();
    shelf.initialize();
    QCOMPARE(shelf.view->getCabinetPainter().fillColor(), woodStyle().cabinetColor);
    QVERIFY(shelf.committedStyle == woodStyle());
}

VORENDA_TEST_MAIN(TestCabinetStyle)
#include "tst_cabinetstyle.moc"
