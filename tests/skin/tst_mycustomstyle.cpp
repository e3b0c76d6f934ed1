#include "PaintFixtures.h"
#include "TestEnvironment.h"

#include "MyCustomStyle.h"

#include <QLineEdit>
#include <QPainter>
#include <QProxyStyle>
#include <QScrollBar>
#include <QSlider>
#include <QStyleFactory>
#include <QStyleOption>

namespace {

bool isTransparent(const QImage& image)
{
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (qAlpha(image.pixel(x, y)) != 0)
                return false;
        }
    }
    return true;
}

QStyleOptionSlider verticalBar(const QRect& rect, int minimum = 0, int maximum = 100)
{
    QStyleOptionSlider option;
    option.rect = rect;
    option.orientation = Qt::Vertical;
    option.minimum = minimum;
    option.maximum = maximum;
    option.pageStep = 10;
    option.sliderPosition = minimum;
    option.sliderValue = minimum;
    option.state = QStyle::State_Enabled;
    option.subControls = QStyle::SC_All;
    return option;
}

// Sits in front of the style under test and notes the state of every part it draws.
class PartSpy : public QProxyStyle
{
public:
    explicit PartSpy(QStyle* style)
        : QProxyStyle(style)
    {
    }
    void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget) const override
    {
        states.insert(element, option->state);
        QProxyStyle::drawControl(element, option, painter, widget);
    }
    mutable QMap<int, QStyle::State> states;
};

} // namespace

class TestMyCustomStyle : public QObject
{
    Q_OBJECT

private slots:
    void basedOnFusion();
    void suppressedPrimitives_data();
    void suppressedPrimitives();
    void verticalScrollBarGeometry();
    void horizontalScrollBarKeepsBaseGeometry();
    void sliderMetricsFollowHandleImage();
    void gripNeedsFifteenPixels_data();
    void gripNeedsFifteenPixels();
    void emptyRangeDrawsDisabledParts();
    void handleImageFollowsPress();
    void scrollBarInWidgetStaysUsable();
};

void TestMyCustomStyle::basedOnFusion()
{
    MyCustomStyle style;
    QVERIFY(style.baseStyle());
    QCOMPARE(style.baseStyle()->objectName().toLower(), QStringLiteral("fusion"));
    QVERIFY(!style.foregroundColor().isValid());
}

void TestMyCustomStyle::suppressedPrimitives_data()
{
    QTest::addColumn<int>("element");
    QTest::newRow("focus rectangle") << int(QStyle::PE_FrameFocusRect);
    QTest::newRow("line edit frame") << int(QStyle::PE_FrameLineEdit);
    QTest::newRow("default button frame") << int(QStyle::PE_FrameDefaultButton);
}

void TestMyCustomStyle::suppressedPrimitives()
{
    QFETCH(int, element);
    MyCustomStyle style;
    QLineEdit edit;
    QStyleOptionFrame option;
    option.initFrom(&edit);
    option.rect = QRect(0, 0, 60, 24);
    option.state |= QStyle::State_HasFocus | QStyle::State_Enabled;
    option.lineWidth = 1;
    QImage image = transparentCanvas(60, 24);
    QPainter painter(&image);
    style.drawPrimitive(QStyle::PrimitiveElement(element), &option, &painter, &edit);
    painter.end();
    QVERIFY(isTransparent(image));

    // The base style does draw it.
    QImage base = transparentCanvas(60, 24);
    QPainter basePainter(&base);
    style.baseStyle()->drawPrimitive(QStyle::PE_FrameLineEdit, &option, &basePainter, &edit);
    basePainter.end();
    QVERIFY(!isTransparent(base));
}

void TestMyCustomStyle::verticalScrollBarGeometry()
{
    MyCustomStyle style;
    // A bar whose bottom edge is y 100 and whose groove ends at y 70.
    const QStyleOptionSlider option = verticalBar(QRect(0, 1, 15, 100));
    const QRect groove = style.subControlRect(QStyle::CC_ScrollBar, &option, QStyle::SC_ScrollBarGroove);
    QCOMPARE(groove.top(), 1);
    QCOMPARE(groove.bottom(), 70);
    const QRect up = style.subControlRect(QStyle::CC_ScrollBar, &option, QStyle::SC_ScrollBarSubLine);
    const QRect down = style.subControlRect(QStyle::CC_ScrollBar, &option, QStyle::SC_ScrollBarAddLine);
    QCOMPARE(up.top(), 71);
    QCOMPARE(up.bottom(), 85);
    QCOMPARE(down.top(), 85);
    QCOMPARE(down.bottom(), 99);
    QCOMPARE(up.left(), 0);
    QCOMPARE(up.right(), 14);

    const QRect slider = style.subControlRect(QStyle::CC_ScrollBar, &option, QStyle::SC_ScrollBarSlider);
    QCOMPARE(slider.top(), 2);
    QVERIFY(slider.bottom() < 70);
    QCOMPARE(style.hitTestComplexControl(QStyle::CC_ScrollBar, &option, QPoint(7, 78)),
             QStyle::SC_ScrollBarSubLine);
    QCOMPARE(style.hitTestComplexControl(QStyle::CC_ScrollBar, &option, QPoint(7, 95)),
             QStyle::SC_ScrollBarAddLine);
    QCOMPARE(style.hitTestComplexControl(QStyle::CC_ScrollBar, &option, QPoint(7, 60)),
             QStyle::SC_ScrollBarAddPage);
}

void TestMyCustomStyle::horizontalScrollBarKeepsBaseGeometry()
{
    MyCustomStyle style;
    QScopedPointer<QStyle> fusion(QStyleFactory::create(QStringLiteral("Fusion")));
    QStyleOptionSlider option = verticalBar(QRect(0, 0, 200, 15));
    option.orientation = Qt::Horizontal;
    option.state |= QStyle::State_Horizontal;
    for (const auto part : {QStyle::SC_ScrollBarGroove, QStyle::SC_ScrollBarSlider, QStyle::SC_ScrollBarSubLine,
                            QStyle::SC_ScrollBarAddLine}) {
        QCOMPARE(style.subControlRect(QStyle::CC_ScrollBar, &option, part),
                 fusion->subControlRect(QStyle::CC_ScrollBar, &option, part));
    }
}

void TestMyCustomStyle::sliderMetricsFollowHandleImage()
{
    MyCustomStyle style;
    const QPixmap handle(QStringLiteral(":/Resources/Images/customSliderHandleNormal.png"));
    QVERIFY(!handle.isNull());
    QCOMPARE(style.pixelMetric(QStyle::PM_SliderLength), handle.width());
    QCOMPARE(style.pixelMetric(QStyle::PM_SliderThickness), handle.height());
    QCOMPARE(style.pixelMetric(QStyle::PM_SliderControlThickness), handle.height());
}

void TestMyCustomStyle::gripNeedsFifteenPixels_data()
{
    QTest::addColumn<int>("height");
    QTest::addColumn<bool>("grip");
    QTest::newRow("14: none") << 14 << false;
    QTest::newRow("15: grip") << 15 << true;
    QTest::newRow("40: grip") << 40 << true;
}

void TestMyCustomStyle::gripNeedsFifteenPixels()
{
    QFETCH(int, height);
    QFETCH(bool, grip);
    MyCustomStyle style;
    QStyleOptionSlider option = verticalBar(QRect(0, 0, 15, height));
    QImage image = transparentCanvas(15, height);
    QPainter painter(&image);
    style.drawControl(QStyle::CE_ScrollBarSlider, &option, &painter);
    painter.end();
    // The slider's gradient runs across the bar, so without a grip every row is the same.
    bool rowsDiffer = false;
    for (int y = 1; y < height && !rowsDiffer; ++y) {
        for (int x = 0; x < 15; ++x) {
            if (image.pixel(x, y) != image.pixel(x, 0)) {
                rowsDiffer = true;
                break;
            }
        }
    }
    QCOMPARE(rowsDiffer, grip);
}

void TestMyCustomStyle::emptyRangeDrawsDisabledParts()
{
    auto* style = new MyCustomStyle;
    PartSpy spy(style);
    QImage image = transparentCanvas(15, 100);
    for (const int maximum : {0, 50}) {
        QStyleOptionSlider option = verticalBar(QRect(0, 0, 15, 100), 0, maximum);
        QPainter painter(&image);
        spy.states.clear();
        spy.drawComplexControl(QStyle::CC_ScrollBar, &option, &painter);
        QVERIFY(spy.states.contains(QStyle::CE_ScrollBarSlider));
        QVERIFY(spy.states.contains(QStyle::CE_ScrollBarAddLine));
        QCOMPARE(spy.states.value(QStyle::CE_ScrollBarAddLine).testFlag(QStyle::State_Enabled), maximum != 0);
    }
}

void TestMyCustomStyle::handleImageFollowsPress()
{
    MyCustomStyle style;
    const QImage normal = QImage(QStringLiteral(":/Resources/Images/customSliderHandleNormal.png"))
                              .convertToFormat(QImage::Format_ARGB32_Premultiplied);
    const QImage active = QImage(QStringLiteral(":/Resources/Images/customSliderHandleActive.png"))
                              .convertToFormat(QImage::Format_ARGB32_Premultiplied);
    QVERIFY(normal.pixel(9, 5) != active.pixel(9, 5));

    QSlider slider(Qt::Horizontal);
    slider.setStyle(&style);
    slider.resize(120, 24);
    QStyleOptionSlider option;
    option.initFrom(&slider);
    option.rect = slider.rect();
    option.orientation = Qt::Horizontal;
    option.minimum = 0;
    option.maximum = 100;
    option.sliderPosition = 50;
    option.subControls = QStyle::SC_SliderHandle;
    const QRect handle = style.subControlRect(QStyle::CC_Slider, &option, QStyle::SC_SliderHandle, &slider);
    const QPoint probe = handle.center() - QPoint(0, 4);
    const QPoint imageProbe = QPoint(9, 9) - QPoint(0, 4);

    auto render = [&](QStyle::State extra, QStyle::SubControls active) {
        QStyleOptionSlider copy = option;
        copy.state |= extra;
        copy.activeSubControls = active;
        QImage image = transparentCanvas(slider.width(), slider.height());
        QPainter painter(&image);
        style.drawComplexControl(QStyle::CC_Slider, &copy, &painter, &slider);
        return image.pixel(probe);
    };
    // The image may land on half pixels: the nearer of the two images tells which was drawn.
    auto distance = [](QRgb a, QRgb b) {
        return qAbs(qRed(a) - qRed(b)) + qAbs(qGreen(a) - qGreen(b)) + qAbs(qBlue(a) - qBlue(b));
    };
    auto drawsActive = [&](QRgb pixel) {
        return distance(pixel, active.pixel(imageProbe)) < distance(pixel, normal.pixel(imageProbe));
    };
    QVERIFY(drawsActive(render(QStyle::State_Sunken, QStyle::SC_SliderHandle)));
    QVERIFY(!drawsActive(render(QStyle::State_MouseOver, QStyle::SC_SliderHandle)));
    // Sunken elsewhere on the slider does not press the handle.
    QVERIFY(!drawsActive(render(QStyle::State_Sunken, QStyle::SC_SliderGroove)));
}

void TestMyCustomStyle::scrollBarInWidgetStaysUsable()
{
    MyCustomStyle style;
    QScrollBar bar(Qt::Vertical);
    bar.setStyle(&style);
    bar.setRange(0, 100);
    bar.setPageStep(10);
    bar.resize(15, 200);
    bar.show();
    QVERIFY(QTest::qWaitForWindowExposed(&bar));
    const QImage image = bar.grab().toImage();
    QVERIFY(!image.isNull());
    // A click on the lower arrow steps down, on the page below the slider pages down.
    QTest::mouseClick(&bar, Qt::LeftButton, {}, QPoint(7, 192));
    QCOMPARE(bar.value(), 1);
    QTest::mouseClick(&bar, Qt::LeftButton, {}, QPoint(7, 150));
    QCOMPARE(bar.value(), 11);
}

VORENDA_TEST_MAIN(TestMyCustomStyle)
#include "tst_mycustomstyle.moc"
