#include "TestEnvironment.h"

#include "SkinWidget.h"
#include "SkinWindow.h"
#include "SkinWindowResizeHandler.h"
#include "VorendaGlobal.h"

#include <QCheckBox>
#include <QFontDatabase>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QSignalSpy>
#include <QTextEdit>
#include <QTreeView>

namespace {

void click(QWidget* widget)
{
    const QPoint pos = widget->rect().center();
    QMouseEvent press(QEvent::MouseButtonPress, pos, widget->mapToGlobal(pos), Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
    QApplication::sendEvent(widget, &press);
    QMouseEvent release(QEvent::MouseButtonRelease, pos, widget->mapToGlobal(pos), Qt::LeftButton,
                        Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(widget, &release);
}

// The widget's own painting only, on a transparent image.
QImage renderAlone(QWidget* widget)
{
    QImage image(widget->size(), QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    widget->render(&image, QPoint(), QRegion(), QWidget::DrawChildren);
    return image;
}

bool columnHasLine(const QImage& image, int x)
{
    for (int y = 0; y < image.height(); ++y) {
        if (qAlpha(image.pixel(x, y)) < 150)
            return false;
    }
    return true;
}

} // namespace

class TestSkinningFunctions : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void hugeFontIsTwoLarger();
    void fontFamilyNeedsInstalledFont();
    void fontSizeClasses();
    void labelSkins();
    void wordWrappingLabelPaintsItself();
    void panelButtonLines_data();
    void panelButtonLines();
    void commandButtonFromLabelAndButton();
    void closeButtonShowsItsDiscs();
    void windowSkin();
    void plainWidgetFonts();
};

void TestSkinningFunctions::initTestCase()
{
    TestEnvironment::instance()->initializeGlobals();
}

void TestSkinningFunctions::init()
{
    QApplication::setFont(QFont(QStringLiteral("DejaVu Sans"), 13));
}

void TestSkinningFunctions::hugeFontIsTwoLarger()
{
    const QFont huge = VorendaGlobal::getHugeFont(true, QString());
    QCOMPARE(huge.pointSize(), 15);
    QCOMPARE(huge.weight(), int(QFont::Bold));
    QCOMPARE(huge.styleStrategy(), QFont::PreferAntialias);
    QCOMPARE(VorendaGlobal::getNormalFont(false, QString()).pointSize(), 13);

    QFont pixelFont(QStringLiteral("DejaVu Sans"));
    pixelFont.setPixelSize(12);
    QApplication::setFont(pixelFont);
    QCOMPARE(VorendaGlobal::getHugeFont(false, QString()).pixelSize(), 14);
    QCOMPARE(VorendaGlobal::getLargeFont(false, QString()).pixelSize(), 12);
}

void TestSkinningFunctions::fontFamilyNeedsInstalledFont()
{
    QVERIFY(QFontDatabase().families().contains(QStringLiteral("DejaVu Serif")));
    QCOMPARE(VorendaGlobal::getNormalFont(false, QStringLiteral("dejavu serif")).family(),
             QStringLiteral("dejavu serif"));
    QCOMPARE(VorendaGlobal::getSmallFont(false, QStringLiteral("No Such Family 42")).family(),
             QStringLiteral("DejaVu Sans"));
    QCOMPARE(VorendaGlobal::getLargeFont(false, QString()).weight(), int(QFont::Normal));
}

void TestSkinningFunctions::fontSizeClasses()
{
    const struct
    {
        int size;
        int points;
    } classes[] = {{7, 13}, {8, 13}, {10, 13}, {11, 13}, {12, 15}};
    for (const auto& c : classes) {
        QLabel label(QStringLiteral("Text"));
        SkinWidget* skin = VorendaGlobal::skinLabel(&label, c.size, Qt::AlignCenter, false);
        QVERIFY(skin);
        QCOMPARE(label.font().pointSize(), c.points);
    }
}

void TestSkinningFunctions::labelSkins()
{
    QLabel label(QStringLiteral("Text"));
    SkinWidget* skin = VorendaGlobal::skinLabel(&label, 8, Qt::AlignRight | Qt::AlignVCenter, true);
    QCOMPARE(skin->parent(), &label);
    QCOMPARE(skin->getTextAlignment(), Qt::AlignRight | Qt::AlignVCenter);
    QCOMPARE(skin->getTextPen()[PenProperty::Hover].color(), QColor(Qt::white));
    QCOMPARE(skin->getTextPen()[PenProperty::Disabled].color(), QColor(Qt::gray));
    QCOMPARE(skin->getTextFont()[FontProperty::Normal].weight(), int(QFont::Bold));
    QVERIFY(!skin->hasTextShadow());

    QLabel title(QStringLiteral("Title"));
    SkinWidget* titleSkin = VorendaGlobal::skinTitle(&title, false);
    QVERIFY(titleSkin->hasTextShadow());
    QVERIFY(!titleSkin->isTextShadowUp());
    QCOMPARE(titleSkin->getTextAlignment(), Qt::Alignment(Qt::AlignCenter));
}

void TestSkinningFunctions::wordWrappingLabelPaintsItself()
{
    QLabel label(QStringLiteral("A long text that wraps"));
    label.setWordWrap(true);
    QVERIFY(!VorendaGlobal::skinLabel(&label, 12, Qt::AlignLeft, false));
    QVERIFY(!label.findChild<SkinWidget*>());
    QCOMPARE(label.font().pointSize(), 15);
    QCOMPARE(label.alignment(), Qt::Alignment(Qt::AlignLeft));
    QCOMPARE(label.palette().color(QPalette::Active, QPalette::WindowText), QColor(Qt::white));
    QCOMPARE(label.palette().color(QPalette::Disabled, QPalette::WindowText), QColor(Qt::gray));
}

void TestSkinningFunctions::panelButtonLines_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<bool>("left");
    QTest::addColumn<bool>("right");
    QTest::newRow("0: left") << 0 << true << false;
    QTest::newRow("1: both") << 1 << true << true;
    QTest::newRow("2: right") << 2 << false << true;
    QTest::newRow("3: none") << 3 << false << false;
}

void TestSkinningFunctions::panelButtonLines()
{
    QFETCH(int, type);
    QFETCH(bool, left);
    QFETCH(bool, right);
    QPushButton button;
    button.setCheckable(true);
    button.resize(60, 24);
    VorendaGlobal::skinPanelButton(&button, VorendaGlobal::PanelButtonType(type));
    const QImage normal = renderAlone(&button);
    // Normal: a dark fill with a light line along the bottom.
    QVERIFY(qAlpha(normal.pixel(30, 10)) > 50);
    QVERIFY(qGray(normal.pixel(30, 23)) > 180);
    button.setChecked(true);
    const QImage selected = renderAlone(&button);
    QCOMPARE(columnHasLine(selected, 0), left);
    QCOMPARE(columnHasLine(selected, 59), right);
    QCOMPARE(qAlpha(selected.pixel(30, 10)), 0);
}

void TestSkinningFunctions::commandButtonFromLabelAndButton()
{
    QLabel label(QStringLiteral("Go"));
    label.resize(80, 30);
    SkinWidget* labelSkin = VorendaGlobal::skinCommandButton(&label, QColor(40, 90, 200), Qt::white, true);
    QVERIFY(labelSkin->isButton());
    QVERIFY(labelSkin->hasPushEffect());
    QSignalSpy labelClicks(labelSkin, &SkinWidget::clicked);
    click(&label);
    QCOMPARE(labelClicks.count(), 1);

    QPushButton button(QStringLiteral("Go"));
    button.resize(80, 30);
    SkinWidget* buttonSkin = VorendaGlobal::skinCommandButton(&button, QColor(40, 90, 200), Qt::white, false);
    QVERIFY(!buttonSkin->isButton());
    QVERIFY(!buttonSkin->hasPushEffect());
    QSignalSpy buttonClicks(&button, &QPushButton::clicked);
    click(&button);
    // The button's own click comes through: the skin does not swallow the mouse.
    QCOMPARE(buttonClicks.count(), 1);
}

void TestSkinningFunctions::closeButtonShowsItsDiscs()
{
    for (const char* name : {":/Resources/Images/circularButtonNormal.png",
                             ":/Resources/Images/circularButtonActive.png"}) {
        const QImage disc(QString::fromLatin1(name));
        QCOMPARE(disc.size(), QSize(18, 18));
        QCOMPARE(qAlpha(disc.pixel(0, 0)), 0);
        QVERIFY(qAlpha(disc.pixel(9, 9)) > 200);
        QVERIFY(qGray(disc.pixel(9, 9)) < 90);
    }
    QPushButton button;
    button.resize(18, 18);
    VorendaGlobal::skinCloseButton(&button);
    const QImage normal = renderAlone(&button);
    // The white cross over the dark disc.
    QVERIFY(qGray(normal.pixel(9, 9)) > 150);
    QVERIFY(qGray(normal.pixel(4, 9)) < 110);
    button.setDown(true);
    const QImage pressed = renderAlone(&button);
    QVERIFY(pressed.pixel(4, 9) != normal.pixel(4, 9));
}

void TestSkinningFunctions::windowSkin()
{
    QWidget widget;
    widget.resize(200, 120);
    SkinWindow* skin = VorendaGlobal::skinWindow(&widget, true);
    QCOMPARE(skin->parent(), &widget);
    QVERIFY(skin->isStarted());
    QVERIFY(skin->isAlphaBlend());
    QVERIFY(skin->isTranslucent());
    QVERIFY(widget.testAttribute(Qt::WA_TranslucentBackground));
    QVERIFY(!widget.testAttribute(Qt::WA_PaintOnScreen));
    QCOMPARE(skin->getResizeHandler()->resizeRange(), -1);
    QVERIFY(skin->getResizeHandler()->isMovingEnabled());
    QCOMPARE(skin->getCaptureFolder(), VorendaGlobal::storeFolder + QStringLiteral("Screenshots"));
    QCOMPARE(skin->getSkin().fillColor(), QColor(32, 32, 32, 200));
    QCOMPARE(skin->getSkin().borderPainter().radius(), 10.0);

    QWidget resizable;
    QCOMPARE(VorendaGlobal::skinWindow(&resizable, false)->getResizeHandler()->resizeRange(), 4);
}

void TestSkinningFunctions::plainWidgetFonts()
{
    QCheckBox check;
    VorendaGlobal::skinCheckBox(&check);
    QCOMPARE(check.font().pointSize(), 13);
    QCOMPARE(check.palette().color(QPalette::Inactive, QPalette::WindowText), QColor(Qt::white));
    QCOMPARE(check.palette().color(QPalette::Disabled, QPalette::WindowText), QColor(Qt::gray));

    QTextEdit edit;
    VorendaGlobal::skinTextEdit(&edit);
    QCOMPARE(edit.palette().color(QPalette::Active, QPalette::WindowText), QColor(Qt::black));
    QCOMPARE(edit.palette().color(QPalette::Disabled, QPalette::WindowText), QColor(Qt::darkGray));

    QTreeView view;
    VorendaGlobal::skinView(&view);
    QCOMPARE(view.font().weight(), int(QFont::Normal));
    QCOMPARE(view.font().styleStrategy(), QFont::PreferAntialias);
    QVERIFY(!VorendaGlobal::skinFrame(nullptr));
}

VORENDA_TEST_MAIN(TestSkinningFunctions)
#include "tst_skinningfunctions.moc"
