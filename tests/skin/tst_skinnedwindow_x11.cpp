#include "TestEnvironment.h"

#include "MyCustomStyle.h"
#include "SkinWidget.h"
#include "SkinWindow.h"
#include "VorendaGlobal.h"

#include <QLabel>
#include <QScreen>
#include <QSlider>
#include <QStyleOption>
#include <QX11Info>

// A skinned window with a label and a slider as the X server shows it, read back from
// the screen and checked at a few points.
class TestSkinnedWindowX11 : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void screenShowsSkinnedWindow();
};

void TestSkinnedWindowX11::initTestCase()
{
    if (!QX11Info::isPlatformX11())
        QSKIP("needs an X server");
    TestEnvironment::instance()->initializeGlobals();
}

void TestSkinnedWindowX11::screenShowsSkinnedWindow()
{
    // A white backdrop, so the window's cut corners show.
    QWidget backdrop;
    backdrop.setAutoFillBackground(true);
    QPalette palette = backdrop.palette();
    palette.setColor(QPalette::Window, Qt::white);
    backdrop.setPalette(palette);
    backdrop.setWindowFlags(Qt::FramelessWindowHint);
    backdrop.setGeometry(50, 50, 500, 400);
    backdrop.show();
    QVERIFY(QTest::qWaitForWindowExposed(&backdrop));

    QWidget window;
    window.setGeometry(100, 100, 300, 150);
    auto* label = new QLabel(QStringLiteral("Vorenda"), &window);
    label->setGeometry(20, 15, 260, 45);
    VorendaGlobal::skinLabel(label, 12, Qt::AlignCenter, true);
    MyCustomStyle style;
    auto* slider = new QSlider(Qt::Horizontal, &window);
    slider->setStyle(&style);
    slider->setGeometry(20, 100, 260, 24);
    slider->setRange(0, 100);
    slider->setValue(50);
    SkinWindow* skin = VorendaGlobal::skinWindow(&window, true);
    QVERIFY(skin);
    window.show();
    window.raise();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QTest::qWait(400);

    const QRect frame = window.geometry();
    const QImage screen = QGuiApplication::primaryScreen()->grabWindow(0, frame.x(), frame.y(), frame.width(),
                                                                       frame.height()).toImage();
    QCOMPARE(screen.size(), frame.size());

    // Corners are cut by the mask: the backdrop shows there.
    QVERIFY2(qGray(screen.pixel(0, 0)) > 240, qPrintable(QColor(screen.pixel(0, 0)).name()));
    QVERIFY(qGray(screen.pixel(299, 149)) > 240);

    // The dark panel; without a compositor it lies over its opaque base.
    const QColor body = screen.pixelColor(150, 80);
    if (!SkinWindow::isCompositingAvailable()) {
        for (const int channel : {body.red(), body.green(), body.blue()})
            QVERIFY2(channel >= 20 && channel <= 45, qPrintable(body.name()));
    } else {
        QVERIFY(body.lightness() < 100);
    }

    // White text in the label.
    int brightText = 0;
    for (int y = 15; y < 60; ++y) {
        for (int x = 20; x < 280; ++x)
            brightText += qGray(screen.pixel(x, y)) > 200 ? 1 : 0;
    }
    QVERIFY2(brightText > 30, qPrintable(QString::number(brightText)));

    // The light knob of the slider at its middle.
    QStyleOptionSlider option;
    option.initFrom(slider);
    option.orientation = Qt::Horizontal;
    option.minimum = 0;
    option.maximum = 100;
    option.sliderPosition = 50;
    option.sliderValue = 50;
    const QRect handle = style.subControlRect(QStyle::CC_Slider, &option, QStyle::SC_SliderHandle, slider)
                             .translated(slider->pos());
    const QColor knob = screen.pixelColor(handle.center() - QPoint(0, 3));
    QVERIFY2(knob.lightness() > 170, qPrintable(knob.name()));
    // Beside the knob lies the dark groove over the dark panel.
    const QColor groove = screen.pixelColor(slider->x() + 30, handle.center().y());
    QVERIFY2(groove.lightness() < 60, qPrintable(groove.name()));
}

VORENDA_TEST_MAIN(TestSkinnedWindowX11)
#include "tst_skinnedwindow_x11.moc"
