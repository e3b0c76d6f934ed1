#include "TestEnvironment.h"

#include "StyleItem.h"
#include "ThumbnailView.h"
#include "VorendaGlobal.h"

#include <QGraphicsSceneHoverEvent>
#include <QPainter>
#include <QStyleOptionGraphicsItem>

// The style editor's swatch: a row as wide as its view, a picture and a name, and a
// hover background that fades in and out.
class TestStyleItem : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void rowFillsTheViewWidth_data();
    void rowFillsTheViewWidth();
    void outsideAViewItHasNoSize();
    void withoutTextOnlyTheBackgroundIsPainted();
    void leavingMidFadeTurnsTheSameFadeRound();
    void withoutAnimationHoverShowsAtOnce();
    void hasNoDragPicture();

private:
    // A swatch with a red picture of `pictureSize`, a green hover and a white ground.
    static StyleItem* swatch(const QSize& pictureSize, const QString& text);
    static QImage render(StyleItem* item, QStyle::State state);
};

void TestStyleItem::initTestCase()
{
    TestEnvironment::instance()->initializeGlobals();
}

StyleItem* TestStyleItem::swatch(const QSize& pictureSize, const QString& text)
{
    auto* item = new StyleItem;
    QPixmap picture(pictureSize);
    picture.fill(Qt::red);
    item->setImage(picture);
    item->setImageSize(pictureSize);
    item->setText(text);
    item->setMargin(MarginProperty(0.0));
    item->setTextFont(FontProperty(VorendaGlobal::getNormalFont(false, QString())));
    const BackgroundPainter white{QColor(Qt::white)};
    const BackgroundPainter green{QColor(Qt::green)};
    item->setBackground(BackgroundProperty(white, white, green, green, white));
    return item;
}

QImage TestStyleItem::render(StyleItem* item, QStyle::State state)
{
    QImage image(item->boundingRect().size().toSize(), QImage::Format_ARGB32);
    image.fill(Qt::black);
    QPainter painter(&image);
    QStyleOptionGraphicsItem option;
    option.state = state;
    item->paint(&painter, &option, nullptr);
    return image;
}

void TestStyleItem::rowFillsTheViewWidth_data()
{
    QTest::addColumn<int>("pictureHeight");
    QTest::addColumn<bool>("pictureSetsTheHeight");
    QTest::newRow("tall picture") << 60 << true;
    QTest::newRow("short picture") << 4 << false;
}

void TestStyleItem::rowFillsTheViewWidth()
{
    QFETCH(int, pictureHeight);
    QFETCH(bool, pictureSetsTheHeight);
    ThumbnailView view;
    view.resize(300, 200);
    view.setMargin(MarginProperty(0.0, 7.0, 0.0, 5.0), false);
    StyleItem* item = swatch(QSize(40, pictureHeight), QStringLiteral("Navy"));
    view.addItem(item, true);

    const QRectF bounds = item->boundingRect();
    QCOMPARE(bounds.width(), view.viewport()->width() - 12.0);
    const double line = QFontMetricsF(VorendaGlobal::getNormalFont(false, QString())).lineSpacing();
    QCOMPARE(bounds.height(), pictureSetsTheHeight ? double(pictureHeight) : line);
}

void TestStyleItem::outsideAViewItHasNoSize()
{
    std::unique_ptr<StyleItem> item(swatch(QSize(40, 25), QStringLiteral("Red")));
    QCOMPARE(item->boundingRect(), QRectF());
    QCOMPARE(item->getGroundPos(), QPoint());
}

void TestStyleItem::withoutTextOnlyTheBackgroundIsPainted()
{
    ThumbnailView view;
    view.resize(300, 200);
    StyleItem* named = swatch(QSize(40, 25), QStringLiteral("Red"));
    StyleItem* blank = swatch(QSize(40, 25), QString());
    view.addItem(named, false);
    view.addItem(blank, true);
    QCOMPARE(render(named, QStyle::State_None).pixelColor(10, 10), QColor(Qt::red));
    const QImage image = render(blank, QStyle::State_None);
    QVERIFY(!image.isNull());
    QCOMPARE(image.pixelColor(10, 10), QColor(Qt::white));
    QCOMPARE(image.pixelColor(image.width() - 2, image.height() / 2), QColor(Qt::white));
}

void TestStyleItem::leavingMidFadeTurnsTheSameFadeRound()
{
    ThumbnailView view;
    view.resize(300, 200);
    StyleItem* item = swatch(QSize(40, 25), QStringLiteral("Red"));
    view.addItem(item, true);
    QTimeLine* fade = item->hoverTimeLine();
    fade->setDuration(400);

    QGraphicsSceneHoverEvent enter(QEvent::GraphicsSceneHoverEnter);
    view.scene()->sendEvent(item, &enter);
    QCOMPARE(fade->state(), QTimeLine::Running);
    QCOMPARE(fade->direction(), QTimeLine::Forward);
    QTRY_VERIFY(item->hoverValue() > 0.2);
    const qreal reached = item->hoverValue();

    QGraphicsSceneHoverEvent leave(QEvent::GraphicsSceneHoverLeave);
    view.scene()->sendEvent(item, &leave);
    QCOMPARE(fade->state(), QTimeLine::Running);
    QCOMPARE(fade->direction(), QTimeLine::Backward);
    // It goes back from where it was, not from the end.
    QVERIFY(qAbs(item->hoverValue() - reached) < 0.2);
    QTRY_COMPARE(fade->state(), QTimeLine::NotRunning);
    QCOMPARE(item->hoverValue(), 0.0);
}

void TestStyleItem::withoutAnimationHoverShowsAtOnce()
{
    ThumbnailView view;
    view.resize(300, 200);
    StyleItem* item = swatch(QSize(40, 25), QStringLiteral("Red"));
    view.addItem(item, true);
    QGraphicsSceneHoverEvent enter(QEvent::GraphicsSceneHoverEnter);
    view.scene()->sendEvent(item, &enter);
    QCOMPARE(item->hoverTimeLine()->state(), QTimeLine::Running);

    item->enableHoverAnimation(false);
    QCOMPARE(item->hoverTimeLine()->state(), QTimeLine::NotRunning);
    QCOMPARE(item->hoverValue(), 0.0);
    view.scene()->sendEvent(item, &enter);
    QCOMPARE(item->hoverTimeLine()->state(), QTimeLine::NotRunning);
    const QImage image = render(item, QStyle::State_MouseOver);
    QCOMPARE(image.pixelColor(image.width() - 2, image.height() / 2), QColor(Qt::green));
    QCOMPARE(item->paintStateFor(nullptr), int(LookState::Normal));
}

void TestStyleItem::hasNoDragPicture()
{
    std::unique_ptr<StyleItem> item(swatch(QSize(40, 25), QStringLiteral("Red")));
    QVERIFY(item->getDragImage(false).isNull());
    QVERIFY(item->getDragImage(true).isNull());
}

VORENDA_TEST_MAIN(TestStyleItem)
#include "tst_styleitem.moc"
