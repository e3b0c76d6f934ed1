#include "TestEnvironment.h"

#include "SkinWidget.h"

#include <QCheckBox>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QSignalSpy>

namespace {

const QColor normalColor(200, 0, 0);
const QColor selectedColor(0, 200, 0);
const QColor hoverColor(0, 0, 200);
const QColor selectedHoverColor(200, 200, 0);
const QColor disabledColor(90, 90, 90);

BackgroundProperty stateColors()
{
    return BackgroundProperty(BackgroundPainter(normalColor), BackgroundPainter(selectedColor),
                              BackgroundPainter(hoverColor), BackgroundPainter(selectedHoverColor),
                              BackgroundPainter(disabledColor));
}

void sendMouse(QWidget* widget, QEvent::Type type, const QPoint& pos, Qt::MouseButton button)
{
    const Qt::MouseButtons buttons = type == QEvent::MouseButtonPress ? Qt::MouseButtons(button) : Qt::NoButton;
    QMouseEvent event(type, pos, widget->mapToGlobal(pos), button, buttons, Qt::NoModifier);
    QApplication::sendEvent(widget, &event);
}

const QPoint farAway(1500, 1500);

void hover(QWidget* widget, bool enter)
{
    QCursor::setPos(enter ? widget->mapToGlobal(widget->rect().center()) : farAway);
    QHoverEvent event(enter ? QEvent::HoverEnter : QEvent::HoverLeave, QPointF(5, 5), QPointF(-1, -1));
    QApplication::sendEvent(widget, &event);
}

QColor centre(QWidget* widget)
{
    const QImage image = widget->grab().toImage();
    return image.pixelColor(image.width() / 2, image.height() / 2);
}

} // namespace

class TestSkinWidget : public QObject
{
    Q_OBJECT

private slots:
    void init() { QCursor::setPos(farAway); }
    void paintState_data();
    void paintState();
    void hoverFadeTurnsRound();
    void iconAndTextLayout();
    void iconNeedsOneAlignmentFlag();
    void setIconRaisesMinimumSize();
    void mnemonicIsHidden();
    void clicks_data();
    void clicks();
    void buttonModeSwallowsPresses();
    void filterPaintOffLetsTheWidgetPaint();
    void nullWidgetOnlyStores();
    void fontSetters();
};

void TestSkinWidget::paintState_data()
{
    QTest::addColumn<bool>("checked");
    QTest::addColumn<bool>("hovered");
    QTest::addColumn<bool>("enabled");
    QTest::addColumn<int>("state");
    QTest::addColumn<QColor>("colour");
    QTest::newRow("normal") << false << false << true << int(LookState::Normal) << normalColor;
    QTest::newRow("selected") << true << false << true << int(LookState::Selected) << selectedColor;
    QTest::newRow("hover") << false << true << true << int(LookState::Hover) << hoverColor;
    QTest::newRow("selected and hover") << true << true << true << int(LookState::SelectedHover)
                                        << selectedHoverColor;
    QTest::newRow("disabled") << true << true << false << int(LookState::Disabled) << disabledColor;
}

void TestSkinWidget::paintState()
{
    QFETCH(bool, checked);
    QFETCH(bool, hovered);
    QFETCH(bool, enabled);
    QFETCH(int, state);
    QFETCH(QColor, colour);

    QWidget window;
    window.setGeometry(100, 100, 200, 100);
    auto* button = new QCheckBox(&window);
    button->setGeometry(10, 10, 80, 30);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    auto* skin = new SkinWidget(button);
    skin->enableHoverAnimation(false);
    skin->setBackground(stateColors());
    button->setChecked(checked);
    if (hovered)
        hover(button, true);
    button->setEnabled(enabled);
    // Hover events are ignored while disabled.
    if (!enabled)
        hover(button, true);
    QCOMPARE(skin->paintState(), state);
    QCOMPARE(centre(button), colour);
}

void TestSkinWidget::hoverFadeTurnsRound()
{
    QWidget window;
    window.setGeometry(100, 100, 200, 100);
    auto* label = new QLabel(&window);
    label->setGeometry(10, 10, 80, 30);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    auto* skin = new SkinWidget(label);
    skin->setBackground(BackgroundProperty(BackgroundPainter(normalColor), BackgroundPainter(),
                                           BackgroundPainter(hoverColor), BackgroundPainter(),
                                           BackgroundPainter()));
    QCOMPARE(skin->hoverTimeLine()->duration(), 700);
    QCOMPARE(skin->hoverTimeLine()->updateInterval(), 20);
    QCOMPARE(skin->hoverTimeLine()->curveShape(), QTimeLine::EaseInOutCurve);
    // Slower, so a busy machine still catches the fade midway.
    skin->setAnimHoverDuration(2000);

    hover(label, true);
    QCOMPARE(skin->hoverTimeLine()->state(), QTimeLine::Running);
    QTest::qWait(600);
    const double midway = skin->getHoverValue();
    QVERIFY2(midway > 0.05 && midway < 0.95, qPrintable(QString::number(midway)));
    // Half faded in: the hover colour lies over the normal one.
    const QColor blend = centre(label);
    QVERIFY(blend.red() > 10 && blend.red() < 190);
    QVERIFY(blend.blue() > 10 && blend.blue() < 190);

    hover(label, false);
    QCOMPARE(skin->hoverTimeLine()->state(), QTimeLine::Running);
    QCOMPARE(skin->hoverTimeLine()->direction(), QTimeLine::Backward);
    QTest::qWait(40);
    // Turned round where it was, without a jump.
    QVERIFY(qAbs(skin->getHoverValue() - midway) < 0.2);
    QVERIFY(skin->getHoverValue() <= midway + 0.01);
    QCOMPARE(skin->paintState(), int(LookState::Hover));
    QTRY_COMPARE_WITH_TIMEOUT(skin->hoverTimeLine()->state(), QTimeLine::NotRunning, 5000);
    QCOMPARE(skin->getHoverValue(), 0.0);
    QCOMPARE(skin->paintState(), int(LookState::Normal));
    QCOMPARE(centre(label), normalColor);

    // Without the animation entering shows the hover look at once.
    skin->enableHoverAnimation(false);
    hover(label, true);
    QCOMPARE(skin->hoverTimeLine()->state(), QTimeLine::NotRunning);
    QCOMPARE(centre(label), hoverColor);
    hover(label, false);
    QCOMPARE(centre(label), normalColor);
}

void TestSkinWidget::iconAndTextLayout()
{
    QLabel label(QStringLiteral("W"));
    label.resize(100, 20);
    auto* skin = new SkinWidget(&label);
    QPixmap icon(16, 16);
    icon.fill(Qt::red);
    skin->setMargin(MarginProperty(0.0, 0.0, 0.0, 4.0));
    skin->setSpacing(6);
    skin->setIcon(ImageResource(icon));
    skin->setTextPen(PenProperty(QPen(Qt::blue)));
    const QImage image = label.grab().toImage();

    QCOMPARE(image.pixelColor(4, 2), QColor(Qt::red));
    QCOMPARE(image.pixelColor(19, 17), QColor(Qt::red));
    QVERIFY(image.pixelColor(3, 2) != QColor(Qt::red));
    QVERIFY(image.pixelColor(20, 2) != QColor(Qt::red));
    int firstTextColumn = -1;
    for (int x = 0; x < image.width() && firstTextColumn < 0; ++x) {
        for (int y = 0; y < image.height(); ++y) {
            const QColor c = image.pixelColor(x, y);
            if (c.blue() > 100 && c.red() < 100 && c.alpha() > 0) {
                firstTextColumn = x;
                break;
            }
        }
    }
    QVERIFY2(firstTextColumn >= 26 && firstTextColumn <= 28, qPrintable(QString::number(firstTextColumn)));
}

void TestSkinWidget::iconNeedsOneAlignmentFlag()
{
    QLabel label;
    label.resize(40, 40);
    auto* skin = new SkinWidget(&label);
    QPixmap icon(16, 16);
    icon.fill(Qt::red);
    skin->setIcon(ImageResource(icon));
    skin->setIconAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    QVERIFY(label.grab().toImage().pixelColor(5, 20) != QColor(Qt::red));
    skin->setIconAlignment(Qt::AlignCenter);
    QCOMPARE(label.grab().toImage().pixelColor(20, 20), QColor(Qt::red));
}

void TestSkinWidget::setIconRaisesMinimumSize()
{
    QLabel label;
    label.setMinimumSize(10, 50);
    auto* skin = new SkinWidget(&label);
    skin->setMargin(MarginProperty(1.5, 2.0, 1.5, 3.0));
    skin->setIcon(ImageResource(QPixmap(16, 12)));
    QCOMPARE(label.minimumSize(), QSize(21, 50));
}

void TestSkinWidget::mnemonicIsHidden()
{
    auto render = [](const QString& text) {
        QPushButton button(text);
        button.resize(120, 30);
        auto* skin = new SkinWidget(&button);
        skin->setTextPen(PenProperty(QPen(Qt::black)));
        skin->setTextAlignment(Qt::AlignCenter);
        return button.grab().toImage();
    };
    QCOMPARE(render(QStringLiteral("&Open")), render(QStringLiteral("Open")));
}

void TestSkinWidget::clicks_data()
{
    QTest::addColumn<bool>("buttonMode");
    QTest::addColumn<int>("pressButton");
    QTest::addColumn<QPoint>("releaseAt");
    QTest::addColumn<bool>("enabled");
    QTest::addColumn<int>("expected");
    const QPoint inside(10, 10);
    const QPoint outside(300, 10);
    QTest::newRow("label click") << false << int(Qt::LeftButton) << inside << true << 1;
    QTest::newRow("button mode click") << true << int(Qt::LeftButton) << inside << true << 1;
    QTest::newRow("right button") << true << int(Qt::RightButton) << inside << true << 0;
    QTest::newRow("released outside") << true << int(Qt::LeftButton) << outside << true << 0;
    QTest::newRow("disabled") << true << int(Qt::LeftButton) << inside << false << 0;
}

void TestSkinWidget::clicks()
{
    QFETCH(bool, buttonMode);
    QFETCH(int, pressButton);
    QFETCH(QPoint, releaseAt);
    QFETCH(bool, enabled);
    QFETCH(int, expected);
    QLabel label(QStringLiteral("Go"));
    label.resize(80, 24);
    auto* skin = new SkinWidget(&label);
    skin->setButton(buttonMode);
    label.setEnabled(enabled);
    QSignalSpy spy(skin, &SkinWidget::clicked);
    const auto button = Qt::MouseButton(pressButton);
    sendMouse(&label, QEvent::MouseButtonPress, QPoint(10, 10), button);
    sendMouse(&label, QEvent::MouseButtonRelease, releaseAt, button);
    QCOMPARE(spy.count(), expected);
    // A release without a press before it is no click.
    sendMouse(&label, QEvent::MouseButtonRelease, QPoint(10, 10), Qt::LeftButton);
    QCOMPARE(spy.count(), expected);
}

void TestSkinWidget::buttonModeSwallowsPresses()
{
    QLabel label(QStringLiteral("Go"));
    label.resize(80, 24);
    auto* skin = new SkinWidget(&label);
    skin->setBackground(stateColors());
    skin->enableHoverAnimation(false);
    skin->setButton(true);
    QCOMPARE(label.contextMenuPolicy(), Qt::PreventContextMenu);
    QVERIFY(label.testAttribute(Qt::WA_Hover));

    QMouseEvent press(QEvent::MouseButtonPress, QPoint(5, 5), label.mapToGlobal(QPoint(5, 5)), Qt::LeftButton,
                      Qt::LeftButton, Qt::NoModifier);
    QVERIFY(skin->eventFilter(&label, &press));
    QCOMPARE(skin->paintState(), int(LookState::Selected));
    QCOMPARE(centre(&label), selectedColor);
    QMouseEvent release(QEvent::MouseButtonRelease, QPoint(5, 5), label.mapToGlobal(QPoint(5, 5)),
                        Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
    QVERIFY(skin->eventFilter(&label, &release));
    QCOMPARE(skin->paintState(), int(LookState::Normal));

    skin->setButton(false);
    QVERIFY(!skin->eventFilter(&label, &press));
    QVERIFY(!label.testAttribute(Qt::WA_Hover));
    // A label pressed outside button mode is not selected.
    QCOMPARE(skin->paintState(), int(LookState::Normal));
}

void TestSkinWidget::filterPaintOffLetsTheWidgetPaint()
{
    QPushButton button;
    button.resize(80, 30);
    auto* skin = new SkinWidget(&button);
    skin->setBackground(BackgroundProperty(BackgroundPainter(normalColor)));
    QCOMPARE(centre(&button), normalColor);
    // The button's own bevel now lies over the skin.
    skin->setFilterPaint(false);
    QVERIFY(centre(&button) != normalColor);
}

void TestSkinWidget::nullWidgetOnlyStores()
{
    SkinWidget skin(nullptr);
    skin.setBackground(stateColors());
    skin.setIcon(ImageResource(QPixmap(8, 8)));
    skin.setButton(true);
    skin.setTextBold(true);
    QVERIFY(skin.isButton());
    QCOMPARE(skin.getBackground(), stateColors());
    QVERIFY(!skin.isUnderCursor());
    QLabel other;
    QMouseEvent press(QEvent::MouseButtonPress, QPoint(1, 1), QPoint(1, 1), Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
    QVERIFY(!skin.eventFilter(&other, &press));
}

void TestSkinWidget::fontSetters()
{
    QLabel label(QStringLiteral("Text"));
    auto* skin = new SkinWidget(&label);
    QFont font(QStringLiteral("DejaVu Sans"), 11);
    skin->setTextFont(FontProperty(font));
    QCOMPARE(label.font().pointSize(), 11);
    skin->setTextBold(true);
    QCOMPARE(label.font().weight(), int(QFont::Bold));
    QCOMPARE(skin->getTextFont()[FontProperty::Disabled].weight(), int(QFont::Bold));
    skin->setTextFamily(QStringLiteral("DejaVu Serif"));
    QCOMPARE(label.font().family(), QStringLiteral("DejaVu Serif"));
    QCOMPARE(skin->getTextFont()[FontProperty::Hover].family(), QStringLiteral("DejaVu Serif"));
}

VORENDA_TEST_MAIN(TestSkinWidget)
#include "tst_skinwidget.moc"
