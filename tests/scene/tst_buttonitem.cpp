#include "TestEnvironment.h"

#include "ButtonItem.h"

#include <QFontMetricsF>
#include <QGraphicsScene>
#include <QGraphicsSceneMouseEvent>
#include <QPainter>
#include <QSignalSpy>
#include <QStyleOptionGraphicsItem>

class TestButtonItem : public QObject
{
    Q_OBJECT

private slots:
    void iconOnlyBounds_data();
    void iconOnlyBounds();
    void iconBesideCaption();
    void hidingReportsWhenTheFadeEnds_data();
    void hidingReportsWhenTheFadeEnds();
    void newButtonIsTransparentUntilShown();
    void onlyTheLeftButtonPresses();
    void copyStartsFresh();
};

static QPixmap icon16()
{
    QPixmap pixmap(16, 16);
    pixmap.fill(Qt::black);
    return pixmap;
}

void TestButtonItem::iconOnlyBounds_data()
{
    QTest::addColumn<int>("alignment");
    QTest::newRow("left") << int(Qt::AlignLeft);
    QTest::newRow("right") << int(Qt::AlignRight);
    QTest::newRow("top") << int(Qt::AlignTop);
    QTest::newRow("bottom") << int(Qt::AlignBottom);
    QTest::newRow("centre") << int(Qt::AlignCenter);
}

void TestButtonItem::iconOnlyBounds()
{
    QFETCH(int, alignment);
    ButtonItem button;
    button.setIcon(ImageResource(icon16()), MarginProperty(2.0), Qt::Alignment(alignment));
    QCOMPARE(button.boundingRect(), QRectF(0, 0, 20, 20));
    QCOMPARE(button.type(), int(QGraphicsItem::UserType + 2));
}

void TestButtonItem::iconBesideCaption()
{
    ButtonItem button;
    button.setIcon(ImageResource(icon16()), MarginProperty(0.0), Qt::AlignLeft);
    button.setText(QStringLiteral("ab"));
    const QFontMetricsF metrics{QFont()};
    const double textWidth = metrics.horizontalAdvance(QStringLiteral("ab"));
    QCOMPARE(button.boundingRect(), QRectF(0, 0, 16 + textWidth, qMax(16.0, metrics.lineSpacing())));
    button.setIcon(ImageResource(icon16()), MarginProperty(0.0), Qt::AlignTop);
    QCOMPARE(button.boundingRect(), QRectF(0, 0, qMax(16.0, textWidth), 16 + metrics.lineSpacing()));
    QPainterPath circle;
    circle.addEllipse(0, 0, 40, 30);
    button.setShape(circle);
    QCOMPARE(button.boundingRect(), QRectF(0, 0, 40, 30));
}

void TestButtonItem::hidingReportsWhenTheFadeEnds_data()
{
    QTest::addColumn<bool>("animated");
    QTest::newRow("at once") << false;
    QTest::newRow("after the fade") << true;
}

void TestButtonItem::hidingReportsWhenTheFadeEnds()
{
    QFETCH(bool, animated);
    QGraphicsScene scene;
    auto* button = new ButtonItem;
    scene.addItem(button);
    button->enableVisibleAnimation(animated);
    button->setAnimVisibleDuration(60);
    button->setVisible(true);
    QTRY_COMPARE(button->getVisibleValue(), animated ? 1.0 : 0.0);
    QSignalSpy visible(button, &ButtonItem::visible);
    button->setVisible(false);
    if (animated) {
        QCOMPARE(visible.count(), 0);
        QVERIFY(button->isVisible());
        QTRY_COMPARE(visible.count(), 1);
    }
    QCOMPARE(visible.count(), 1);
    QCOMPARE(visible.first().at(1).toBool(), false);
    QVERIFY(!button->isVisible());

    // Showing again during a fade-out turns it round without hiding.
    if (animated) {
        button->setVisible(true);
        QTRY_COMPARE(button->getVisibleValue(), 1.0);
        button->setAnimVisibleDuration(400);
        button->setVisible(false);
        QTest::qWait(60);
        button->setVisible(true);
        QTRY_COMPARE(button->getVisibleValue(), 1.0);
        QVERIFY(button->isVisible());
    }
}

void TestButtonItem::newButtonIsTransparentUntilShown()
{
    ButtonItem button;
    button.setBackground(BackgroundProperty(BackgroundPainter(QColor(Qt::red))));
    button.setIcon(ImageResource(icon16()));
    QImage canvas(16, 16, QImage::Format_ARGB32);
    auto render = [&]() {
        canvas.fill(Qt::transparent);
        QPainter painter(&canvas);
        QStyleOptionGraphicsItem option;
        button.paint(&painter, &option, nullptr);
    };
    render();
    QCOMPARE(qAlpha(canvas.pixel(8, 8)), 0);
    button.enableVisibleAnimation(false);
    render();
    QCOMPARE(qAlpha(canvas.pixel(8, 8)), 255);
}

void TestButtonItem::onlyTheLeftButtonPresses()
{
    QGraphicsScene scene;
    auto* button = new ButtonItem;
    button->setIcon(ImageResource(icon16()));
    scene.addItem(button);
    QSignalSpy clicked(button, &ButtonItem::clicked);
    auto send = [&](QEvent::Type type, Qt::MouseButton which) {
        QGraphicsSceneMouseEvent event(type);
        event.setButton(which);
        event.setScenePos(QPointF(8, 8));
        event.setPos(QPointF(8, 8));
        event.setAccepted(true);
        scene.sendEvent(button, &event);
        return event.isAccepted();
    };
    QVERIFY(!send(QEvent::GraphicsSceneMousePress, Qt::RightButton));
    QVERIFY(!button->isPressed());
    QVERIFY(send(QEvent::GraphicsSceneMousePress, Qt::LeftButton));
    QVERIFY(button->isPressed());
    send(QEvent::GraphicsSceneMouseRelease, Qt::LeftButton);
    QVERIFY(!button->isPressed());
    QCOMPARE(clicked.count(), 1);
}

void TestButtonItem::copyStartsFresh()
{
    ButtonItem source;
    source.setIcon(ImageResource(icon16()), MarginProperty(1.0), Qt::AlignTop);
    source.setText(QStringLiteral("caption"));
    source.enableVisibleAnimation(false);
    ButtonItem copy(source);
    QCOMPARE(copy.boundingRect(), source.boundingRect());
    QCOMPARE(copy.getText(), QStringLiteral("caption"));
    QCOMPARE(copy.getVisibleValue(), 0.0);
    QVERIFY(!copy.isVisibleAnimationEnabled());
}

VORENDA_TEST_MAIN(TestButtonItem)
#include "tst_buttonitem.moc"
