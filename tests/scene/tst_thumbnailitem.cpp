#include "PaintFixtures.h"
#include "StreamFixtures.h"
#include "TestEnvironment.h"

#include "ReflectionImage.h"
#include "SceneFixtures.h"

#include <QDataStream>
#include <QFontMetricsF>
#include <QPainter>
#include <QStyleOptionGraphicsItem>

class TestThumbnailItem : public QObject
{
    Q_OBJECT

private slots:
    void boundingRect_data();
    void boundingRect();
    void reflectionAlpha_data();
    void reflectionAlpha();
    void paintedReflectionOfOpaquePixel();
    void streamRoundTrip();
    void damagedBlocksAreRefused_data();
    void damagedBlocksAreRefused();
    void modelData();
    void dragImageIsHalfTransparent();
};

static QByteArray itemBlock(const AbstractThumbnailItem& item, const QString& kind)
{
    return streamBytes([&](QDataStream& stream) {
        stream << kind;
        item.write(stream);
    });
}

void TestThumbnailItem::boundingRect_data()
{
    const double line = QFontMetricsF(QFont()).lineSpacing();
    QTest::addColumn<QSize>("imageSize");
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("reflection");
    QTest::addColumn<QSizeF>("expected");
    QTest::newRow("image only") << QSize(80, 100) << QString() << 0.0 << QSizeF(100, 120);
    QTest::newRow("reflection") << QSize(80, 100) << QString() << 30.0 << QSizeF(100, 150);
    QTest::newRow("caption") << QSize(80, 100) << QStringLiteral("Name") << 0.0 << QSizeF(100, 120 + 2.5 * line);
    QTest::newRow("reflection taller than caption")
        << QSize(80, 100) << QStringLiteral("Name") << 100.0 << QSizeF(100, 220);
    QTest::newRow("unscaled image keeps its own box") << QSize(-1, -1) << QString() << 0.0 << QSizeF(60, 50);
}

void TestThumbnailItem::boundingRect()
{
    QFETCH(QSize, imageSize);
    QFETCH(QString, text);
    QFETCH(double, reflection);
    QFETCH(QSizeF, expected);
    ThumbnailItem item;
    item.setImage(solidPixmap(40, 30, Qt::blue));
    item.setImageSize(imageSize);
    item.setText(text);
    item.setReflectionSize(reflection);
    QCOMPARE(item.getMargin()[MarginProperty::Left], 10.0);
    QCOMPARE(item.boundingRect(), QRectF(QPointF(0, 0), expected));
}

void TestThumbnailItem::reflectionAlpha_data()
{
    QTest::addColumn<int>("opacity");
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("alpha");
    // The percentage is opacity * 100 / 256 in whole numbers.
    QTest::newRow("opacity 255, top row") << 255 << 0 << 252;
    QTest::newRow("opacity 200, top row") << 200 << 0 << 198;
    QTest::newRow("opacity 200, last row") << 200 << 3 << 48;
    QTest::newRow("opacity 0") << 0 << 0 << 0;
}

void TestThumbnailItem::reflectionAlpha()
{
    QFETCH(int, opacity);
    QFETCH(int, row);
    QFETCH(int, alpha);
    QImage source(4, 4, QImage::Format_ARGB32);
    source.fill(qRgba(10, 20, 30, 255));
    source.setPixel(1, 3, qRgba(200, 100, 50, 255));
    const QImage reflection = reflectionImage(source, (opacity * 100) / 256, 4.0);
    QCOMPARE(reflection.size(), QSize(4, 4));
    QCOMPARE(qAlpha(reflection.pixel(0, row)), alpha);
    // Mirrored upside down: the source's bottom row is the reflection's top row.
    if (row == 0 && alpha > 0)
        QCOMPARE(qRed(reflection.pixel(1, 0)), 200);
}

void TestThumbnailItem::paintedReflectionOfOpaquePixel()
{
    ThumbnailItem item;
    item.setMargin(MarginProperty(0.0));
    item.setImage(solidPixmap(20, 20, Qt::white));
    item.setImageSize(QSize(20, 20));
    item.setReflectionSize(10.0);
    item.setReflectionOpacity(255);
    QImage canvas(item.boundingRect().size().toSize(), QImage::Format_ARGB32);
    canvas.fill(Qt::transparent);
    QPainter painter(&canvas);
    QStyleOptionGraphicsItem option;
    item.paint(&painter, &option, nullptr);
    painter.end();
    QCOMPARE(canvas.size(), QSize(20, 30));
    QCOMPARE(qAlpha(canvas.pixel(5, 19)), 255);
    QCOMPARE(qAlpha(canvas.pixel(5, 20)), 252);
    QVERIFY(qAlpha(canvas.pixel(5, 29)) < 30);
}

void TestThumbnailItem::streamRoundTrip()
{
    ThumbnailItem source;
    source.setAcceptDrags(false);
    source.setCategoryKey(7);
    source.setImage(solidPixmap(16, 12, Qt::red));
    source.setImageSize(QSize(64, 48));
    source.setText(QStringLiteral("Ünïcode name"));
    source.setTextPen(PenProperty(QPen(Qt::green), QPen(Qt::red), QPen(Qt::blue), QPen(Qt::cyan), QPen()));
    QFont bold;
    bold.setBold(true);
    source.setTextFont(FontProperty(bold));
    source.setTextShadow(true);
    source.setMargin(MarginProperty(1, 2, 3, 4));
    source.setBackground(BackgroundProperty(BackgroundPainter(QColor(Qt::yellow))));
    source.setReflectionSize(12.5);
    source.setReflectionOpacity(99);
    source.setToolTip(QStringLiteral("tip"));

    ThumbnailView view;
    QByteArray block = itemBlock(source, source.getMimeType());
    QScopedPointer<AbstractThumbnailItem> created(view.createItem(block, -1));
    auto* copy = qobject_cast<ThumbnailItem*>(created.data());
    QVERIFY(copy);
    QCOMPARE(copy->acceptDrags(), false);
    QCOMPARE(copy->getCategoryKey(), 7);
    QCOMPARE(copy->getImageSize(), QSize(64, 48));
    QCOMPARE(copy->getImage().toImage(), source.getImage().toImage());
    QCOMPARE(copy->getText(), source.getText());
    QVERIFY(copy->getTextPen() == source.getTextPen());
    QVERIFY(copy->getTextFont() == source.getTextFont());
    QVERIFY(copy->getMargin() == source.getMargin());
    QVERIFY(copy->getBackground() == source.getBackground());
    QCOMPARE(copy->getReflectionSize(), 12.5);
    QCOMPARE(copy->getReflectionOpacity(), 99);
    QCOMPARE(copy->toolTip(), QStringLiteral("tip"));
    QCOMPARE(copy->getTextShadow(), false);
    QCOMPARE(copy->boundingRect(), source.boundingRect());
}

void TestThumbnailItem::damagedBlocksAreRefused_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<int>("cut");
    QTest::newRow("cabinet item kind") << QStringLiteral("item") << 0;
    QTest::newRow("cut short") << QStringLiteral("thumbnailitem") << 20;
    QTest::newRow("empty") << QString() << -1;
}

void TestThumbnailItem::damagedBlocksAreRefused()
{
    QFETCH(QString, kind);
    QFETCH(int, cut);
    ThumbnailItem source;
    source.setText(QStringLiteral("text"));
    source.setImage(solidPixmap(8, 8, Qt::red));
    QByteArray block = cut < 0 ? QByteArray() : itemBlock(source, kind);
    if (cut > 0)
        block.chop(cut);
    ThumbnailView view;
    QCOMPARE(view.createItem(block, -1), nullptr);

    // A short stream read into an existing item leaves it as it was.
    if (cut > 0) {
        ThumbnailItem target;
        target.setText(QStringLiteral("kept"));
        QDataStream stream(&block, QIODevice::ReadOnly);
        stream.setVersion(QDataStream::Qt_5_15);
        QString skipped;
        stream >> skipped;
        target.read(stream);
        QCOMPARE(target.getText(), QStringLiteral("kept"));
        QVERIFY(target.getImage().isNull());
    }
}

void TestThumbnailItem::modelData()
{
    ThumbnailItem item;
    item.setText(QStringLiteral("MiXed"));
    item.setData(2, QStringLiteral("user"));
    QCOMPARE(item.getData(0, Qt::DisplayRole).toString(), QStringLiteral("MiXed"));
    QCOMPARE(item.getData(5, 33).toString(), QStringLiteral("mixed"));
    QCOMPARE(item.getData(2, 32).toString(), QStringLiteral("user"));
    QVERIFY(!item.getData(1, Qt::DisplayRole).isValid());
    QVERIFY(!item.getData(0, Qt::DecorationRole).isValid());
    QCOMPARE(item.type(), int(QGraphicsItem::UserType + 1));
}

void TestThumbnailItem::dragImageIsHalfTransparent()
{
    ThumbnailItem item;
    item.setImage(solidPixmap(40, 40, Qt::black));
    item.setImageSize(QSize(20, 20));
    const QImage scaled = item.getDragImage(false).toImage().convertToFormat(QImage::Format_ARGB32);
    QCOMPARE(scaled.size(), QSize(20, 20));
    QCOMPARE(qAlpha(scaled.pixel(10, 10)), 127);
    QCOMPARE(item.getDragImage(true).size(), QSize(40, 40));
}

VORENDA_TEST_MAIN(TestThumbnailItem)
#include "tst_thumbnailitem.moc"
