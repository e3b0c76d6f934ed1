#include "PaintFixtures.h"
#include "StreamFixtures.h"
#include "TestEnvironment.h"

#include "CabinetStyleFixtures.h"
#include "EditorItem.h"
#include "ItemPropertiesLink.h"
#include "PaintCacheBudget.h"

#include <QDataStream>
#include <QDateTime>
#include <QFontMetricsF>
#include <QSignalSpy>
#include <QStyleOptionGraphicsItem>

class TestMyThumbnailItem : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void modelColumns_data();
    void modelColumns();
    void sortKeyAndUserData();
    void streamRoundTrip();
    void damagedStreamLeavesItem();
    void boundingRectGrowsWithLabelAndCallout();
    void calloutWithoutViewIsBounded();
    void setImageWidthKeepsAspect();
    void reflectionTopRowKeepsFullAlpha();
    void hoverShortensReflection();
    void clickBouncesEightRuns();
    void hoverDisabledResetsOffset();
    void wordWrapOnceFirstWordFits();
    void longNameIsElided();
    void rename_data();
    void rename();
    void editingEndsOnceAndRefreshesDialog();
    void paintCacheFollowsChanges();
    void restylingKeepsOrChangesBounds_data();
    void restylingKeepsOrChangesBounds();
    void paintCacheBudgetEvictsOldest();
    void dragImage();
};

namespace {
QImage render(MyThumbnailItem& item, QStyle::State state = QStyle::State_None)
{
    const QRectF r = item.boundingRect();
    QImage image(r.size().toSize(), QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    QStyleOptionGraphicsItem option;
    option.state = state;
    item.paint(&painter, &option, nullptr);
    painter.end();
    return image;
}

// An item as it writes itself into a cabinet's stream.
QByteArray written(const MyThumbnailItem& item)
{
    return streamBytes([&](QDataStream& stream) { item.write(stream); });
}

MyThumbnailItem* plainItem(int side = 64)
{
    auto* item = new MyThumbnailItem;
    item->setMargin(MarginProperty(10.0, 0.0, 8.0, 0.0));
    item->setImage(solidPixmap(side, side, Qt::blue));
    item->setImageWidth(side);
    item->setTextFont(FontProperty(QFont(QStringLiteral("DejaVu Sans"), 9)));
    return item;
}
}

void TestMyThumbnailItem::initTestCase()
{
    TestEnvironment::instance()->initializeGlobals();
}

void TestMyThumbnailItem::modelColumns_data()
{
    QTest::addColumn<int>("column");
    QTest::addColumn<QVariant>("expected");
    QTest::newRow("name") << 0 << QVariant(QStringLiteral("Report"));
    QTest::newRow("target") << 1 << QVariant(QStringLiteral("/home/u/Report.odt"));
    QTest::newRow("kind") << 2 << QVariant(QStringLiteral("Text document"));
    QTest::newRow("date") << 3 << QVariant(QDateTime::fromSecsSinceEpoch(1600000000));
    QTest::newRow("rating") << 4 << QVariant(3);
    QTest::newRow("popularity") << 5 << QVariant(QStringLiteral("12"));
    QTest::newRow("accessed") << 6 << QVariant(QDateTime::fromSecsSinceEpoch(1700000000));
    QTest::newRow("added unknown") << 7 << QVariant(QDateTime());
    QTest::newRow("thumb type") << 8 << QVariant(2);
    QTest::newRow("size") << 9 << QVariant(qint64(5000000000LL));
    QTest::newRow("thumb size") << 10 << QVariant(128);
    QTest::newRow("custom thumb") << 11 << QVariant(true);
    QTest::newRow("tags") << 12 << QVariant(QStringLiteral("work,2024"));
    QTest::newRow("notes trimmed") << 13 << QVariant(QStringLiteral("for the bank"));
    QTest::newRow("beyond the columns") << 14 << QVariant();
}

void TestMyThumbnailItem::modelColumns()
{
    QFETCH(int, column);
    QFETCH(QVariant, expected);
    MyThumbnailItem item;
    MyThumbnailItem::Properties& p = item.properties;
    p.name = QStringLiteral("Report");
    p.target = QStringLiteral("/home/u/Report.odt");
    p.typeName = QStringLiteral("Text document");
    p.date = 1600000000;
    p.rating = 3;
    p.popularity = 12;
    p.accessed = 1700000000;
    p.type = 2;
    p.size = 5000000000LL;
    p.thumbsize = 128;
    p.customthumb = true;
    p.tags = QStringList{QStringLiteral("work"), QStringLiteral("2024")};
    p.notes = QStringLiteral("  for the bank \n");
    const QVariant value = item.getData(column, Qt::DisplayRole);
    QCOMPARE(value, expected);
    QCOMPARE(value.isValid(), expected.isValid());
}

void TestMyThumbnailItem::sortKeyAndUserData()
{
    MyThumbnailItem item;
    // Never opened, never counted: an empty cell and no date, but a date of 0 is a date.
    QCOMPARE(item.getData(5, Qt::DisplayRole), QVariant(QString()));
    QVERIFY(!item.getData(6, Qt::DisplayRole).toDateTime().isValid());
    QVERIFY(item.getData(3, Qt::DisplayRole).toDateTime().isValid());

    item.properties.name = QStringLiteral("Mail");
    item.properties.target = QStringLiteral("HTTPS://Example.org");
    item.setData(4, QStringLiteral("slot"));
    QCOMPARE(item.getData(0, 33).toString(), QStringLiteral("mailhttps://example.org"));
    QCOMPARE(item.getData(4, 32).toString(), QStringLiteral("slot"));
    QVERIFY(!item.getData(0, Qt::DecorationRole).isValid());
}

void TestMyThumbnailItem::streamRoundTrip()
{
    MyThumbnailItem source;
    source.setCategoryKey(7);
    MyThumbnailItem::Properties& p = source.properties;
    p.name = QStringLiteral("Ünïcode name");
    p.target = QStringLiteral("https://example.org/a?b=c");
    p.thumbnail = QStringLiteral("/cache/abc.png");
    p.typeName = QStringLiteral("Web page");
    p.type = 4;
    p.rating = 5;
    p.popularity = 1LL << 40;
    p.date = 4000000000U; // beyond 2038: travels as a 32-bit pattern
    p.accessed = 1700000000;
    p.size = 123456789012LL;
    p.added = 1650000000;
    p.tags = QStringList{QStringLiteral("a"), QStringLiteral("b")};
    p.notes = QStringLiteral(" note ");
    p.width = 640;
    p.height = 480;
    p.length = 61;
    p.bitrate = 320;
    p.framerate = 25;
    p.samplerate = 44100;
    p.bitdepth = 16;
    p.channels = 2;
    p.thumbsize = 96;
    p.customthumb = true;
    source.showItemInfo(true, false);
    source.showItemLabel(true, false);

    QByteArray data = written(source);
    // A tag string with empty parts reads back without them.
    MyThumbnailItem target;
    QDataStream in(&data, QIODevice::ReadOnly);
    in.setVersion(QDataStream::Qt_5_15);
    target.read(in);
    QCOMPARE(in.status(), QDataStream::Ok);
    QVERIFY(in.atEnd());
    const MyThumbnailItem::Properties& q = target.properties;
    QCOMPARE(target.getCategoryKey(), 7);
    QCOMPARE(q.name, p.name);
    QCOMPARE(q.target, p.target);
    QCOMPARE(q.thumbnail, p.thumbnail);
    QCOMPARE(q.typeName, p.typeName);
    QCOMPARE(q.type, 4);
    QCOMPARE(q.rating, 5);
    QCOMPARE(q.popularity, p.popularity);
    QCOMPARE(q.date, p.date);
    QCOMPARE(q.accessed, p.accessed);
    QCOMPARE(q.size, p.size);
    QCOMPARE(q.added, p.added);
    QCOMPARE(q.tags, p.tags);
    QCOMPARE(q.notes, QStringLiteral("note"));
    QCOMPARE(QList<int>({q.width, q.height, q.length, q.bitrate, q.framerate, q.samplerate, q.bitdepth, q.channels}),
             QList<int>({640, 480, 61, 320, 25, 44100, 16, 2}));
    QCOMPARE(q.thumbsize, 96);
    QVERIFY(q.customthumb);
    QVERIFY(target.isInfoShown());
    QVERIFY(target.isLabelShown());

    source.properties.tags = QStringList{QStringLiteral("x"), QString(), QStringLiteral("y")};
    data = written(source);
    QDataStream again(&data, QIODevice::ReadOnly);
    again.setVersion(QDataStream::Qt_5_15);
    target.read(again);
    QCOMPARE(target.properties.tags, QStringList({QStringLiteral("x"), QStringLiteral("y")}));
}

void TestMyThumbnailItem::damagedStreamLeavesItem()
{
    MyThumbnailItem source;
    source.properties.name = QStringLiteral("Whole");
    source.showItemLabel(true, false);
    const QByteArray data = written(source);

    MyThumbnailItem target;
    target.properties.name = QStringLiteral("Before");
    for (const int cut : {3, data.size() / 2, data.size() - 1}) {
        QByteArray part = data.left(cut);
        QDataStream in(&part, QIODevice::ReadOnly);
        in.setVersion(QDataStream::Qt_5_15);
        target.read(in);
        QVERIFY(in.status() != QDataStream::Ok);
        QCOMPARE(target.properties.name, QStringLiteral("Before"));
        QVERIFY(!target.isLabelShown());
    }
}

void TestMyThumbnailItem::boundingRectGrowsWithLabelAndCallout()
{
    QScopedPointer<MyThumbnailItem> item(plainItem(64));
    item->setReflectionSize(12.0);
    item->setText(QStringLiteral("Name"));
    // Picture, reflection and margins only.
    QCOMPARE(item->boundingRect(), QRectF(0, 0, 64, 10 + 64 + 12 + 8));

    item->showItemLabel(true, false);
    const QFontMetricsF metrics(QFont(QStringLiteral("DejaVu Sans"), 9));
    const double line = metrics.lineSpacing();
    const QRectF labelled = item->boundingRect();
    // The tag is at least 90 wide; one line of text plus its frame.
    QCOMPARE(labelled.width(), 90.0);
    QVERIFY(qAbs(labelled.height() - (10 + 64 + 12 + 8 + metrics.height() + 25)) < 1.0);

    item->setText(QStringLiteral("A name long enough to need two lines in the tag"));
    QVERIFY(qAbs(item->boundingRect().height() - (10 + 64 + 12 + 8 + 2 * line + 25)) < 1.0);

    item->showItemInfo(true, false);
    QCOMPARE(item->boundingRect().width(), 90.0 + 160.0);
}

void TestMyThumbnailItem::calloutWithoutViewIsBounded()
{
    // Outside a view the callout is measured without a viewport, and never crashes.
    QScopedPointer<MyThumbnailItem> item(plainItem(32));
    item->setText(QString(400, QLatin1Char('x')));
    item->showItemInfo(true, false);
    const QRectF r = item->boundingRect();
    QVERIFY(r.height() > 100.0);
    QVERIFY(r.height() < 5000.0);
    QVERIFY(!render(*item).isNull());
}

void TestMyThumbnailItem::setImageWidthKeepsAspect()
{
    MyThumbnailItem item;
    item.setImageWidth(50);
    QCOMPARE(item.getImageSize(), QSize(-1, -1));
    item.setImage(solidPixmap(200, 100, Qt::red));
    item.setImageWidth(50);
    QCOMPARE(item.getImageSize(), QSize(50, 25));
    item.setImageHeight(80);
    QCOMPARE(item.getImageSize(), QSize(80, 40));
}

void TestMyThumbnailItem::reflectionTopRowKeepsFullAlpha()
{
    QScopedPointer<MyThumbnailItem> item(plainItem(40));
    item->setMargin(MarginProperty(0.0));
    item->setReflectionSize(10.0);
    item->setReflectionOpacity(255);
    const QImage image = render(*item);
    QCOMPARE(image.size(), QSize(40, 50));
    // The picture ends at row 39; the reflection starts under it at full strength and fades.
    QCOMPARE(qAlpha(image.pixel(20, 39)), 255);
    QCOMPARE(qAlpha(image.pixel(20, 40)), 255);
    QCOMPARE(image.pixelColor(20, 40).rgb(), QColor(Qt::blue).rgb());
    // Row 9 of 10: (100 - 100 * 9 / 10) percent.
    QCOMPARE(qAlpha(image.pixel(20, 49)), 255 * 10 / 100);

    item->setReflectionOpacity(150);
    // 150 * 100 / 255 = 58 percent at the top row.
    QCOMPARE(qAlpha(render(*item).pixel(20, 40)), 255 * 58 / 100);
}

void TestMyThumbnailItem::hoverShortensReflection()
{
    QScopedPointer<MyThumbnailItem> item(plainItem(40));
    item->setMargin(MarginProperty(0.0));
    item->setReflectionSize(10.0);
    item->setReflectionOpacity(255);
    item->setAnimHoverMaxOffset(4.0);
    item->hoverTimeLine()->setCurrentTime(item->hoverTimeLine()->duration());
    QCOMPARE(item->getHoverValue(), 1.0);
    const QImage image = render(*item);
    // Slid down by 4: the picture reaches row 43 and 6 reflection rows follow.
    QCOMPARE(qAlpha(image.pixel(20, 3)), 0);
    QCOMPARE(qAlpha(image.pixel(20, 43)), 255);
    QCOMPARE(qAlpha(image.pixel(20, 44)), 255);
    QVERIFY(qAlpha(image.pixel(20, 49)) > 0);
}

void TestMyThumbnailItem::clickBouncesEightRuns()
{
    MyThumbnailItem item;
    item.setAnimClickDuration(10);
    int starts = 0;
    connect(item.clickTimeLine(), &QTimeLine::stateChanged, this, [&](QTimeLine::State state) {
        if (state == QTimeLine::Running)
            ++starts;
    });
    item.animateClick();
    // A second click while bouncing is ignored.
    item.animateClick();
    QTRY_COMPARE_WITH_TIMEOUT(starts, 8, 5000);
    QTRY_COMPARE(item.clickTimeLine()->state(), QTimeLine::NotRunning);
    QTest::qWait(100);
    QCOMPARE(starts, 8);
    QCOMPARE(item.getClickValue(), 0.0);

    item.enableClickAnimation(false);
    item.animateClick();
    QCOMPARE(item.clickTimeLine()->state(), QTimeLine::NotRunning);
}

void TestMyThumbnailItem::hoverDisabledResetsOffset()
{
    MyThumbnailItem item;
    item.hoverTimeLine()->start();
    item.hoverTimeLine()->setCurrentTime(75);
    QVERIFY(item.getHoverValue() > 0.0);
    item.enableHoverAnimation(false);
    QCOMPARE(item.getHoverValue(), 0.0);
    QCOMPARE(item.hoverTimeLine()->state(), QTimeLine::NotRunning);
}

void TestMyThumbnailItem::wordWrapOnceFirstWordFits()
{
    QScopedPointer<MyThumbnailItem> item(plainItem(64));
    item->showItemLabel(true, false);
    item->setText(QStringLiteral("Unbrokenlongfilename.txt"));
    render(*item);
    QVERIFY(item->isLabelWrapAnywhere());

    item->setText(QStringLiteral("Two words"));
    render(*item);
    QVERIFY(!item->isLabelWrapAnywhere());
    // It stays so for later names.
    item->setText(QStringLiteral("Unbrokenlongfilename.txt"));
    render(*item);
    QVERIFY(!item->isLabelWrapAnywhere());
}

void TestMyThumbnailItem::longNameIsElided()
{
    QScopedPointer<MyThumbnailItem> item(plainItem(64));
    item->showItemLabel(true, false);
    item->setText(QStringLiteral("Short"));
    render(*item);
    QVERIFY(!item->isLabelElided());
    item->setText(QStringLiteral("A name that is far too long to stand in two lines of a small tag"));
    render(*item);
    QVERIFY(item->isLabelElided());
}

void TestMyThumbnailItem::rename_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("expected");
    QTest::newRow("new name") << QStringLiteral("  Renamed ") << QStringLiteral("Renamed");
    QTest::newRow("empty") << QString() << QStringLiteral("Old");
    QTest::newRow("blanks only") << QStringLiteral("   ") << QStringLiteral("Old");
    QTest::newRow("same") << QStringLiteral("Old") << QStringLiteral("Old");
}

void TestMyThumbnailItem::rename()
{
    QFETCH(QString, typed);
    QFETCH(QString, expected);
    MyThumbnailView view;
    view.resize(400, 300);
    MyThumbnailItem* item = makeCabinetItem(solidPixmap(48, 48, Qt::green), 48, QStringLiteral("Old"));
    view.addItem(item);
    view.show();
    QVERIFY(QTest::qWaitForWindowExposed(&view));

    item->editLabel();
    QVERIFY(item->isEditing());
    QVERIFY(view.isEditing());
    QWidget* editor = item->getEditor()->editorWidget();
    QVERIFY(editor);
    QCOMPARE(editor->property("plainText").toString(), QStringLiteral("Old"));
    editor->setProperty("plainText", typed);
    QTest::keyClick(editor, Qt::Key_Return);
    QVERIFY(!item->isEditing());
    QVERIFY(!view.isEditing());
    QCOMPARE(item->getText(), expected);
    QCOMPARE(item->properties.name, expected);
}

void TestMyThumbnailItem::editingEndsOnceAndRefreshesDialog()
{
    MyThumbnailView view;
    view.resize(400, 300);
    MyThumbnailItem* item = makeCabinetItem(solidPixmap(48, 48, Qt::green), 48, QStringLiteral("Old"));
    item->showItemLabel(false, false);
    view.addItem(item);
    view.show();
    QVERIFY(QTest::qWaitForWindowExposed(&view));
    const double plainHeight = item->boundingRect().height();

    struct RecordingLink : ItemPropertiesLink
    {
        void itemRenamed(MyThumbnailItem* renamed) override { refreshed << renamed; }
        QList<MyThumbnailItem*> refreshed;
    } link;
    QList<MyThumbnailItem*>& refreshed = link.refreshed;
    ItemPropertiesLink::install(&link);
    item->editLabel();
    // A hidden tag makes room for the editor while it is open.
    QVERIFY(item->boundingRect().height() > plainHeight);
    QPointer<EditorItem> editor = item->getEditor();
    item->editLabel();
    QCOMPARE(item->getEditor(), editor.data());

    QTest::keyClick(editor->editorWidget(), Qt::Key_Escape);
    QVERIFY(!item->isEditing());
    QCOMPARE(item->boundingRect().height(), plainHeight);
    QCOMPARE(refreshed, QList<MyThumbnailItem*>({item}));
    // The editor goes with the next turn of the event loop.
    QTRY_VERIFY(editor.isNull());
    ItemPropertiesLink::install(nullptr);
}

void TestMyThumbnailItem::paintCacheFollowsChanges()
{
    QScopedPointer<MyThumbnailItem> item(plainItem(48));
    item->showItemLabel(true, false);
    item->setText(QStringLiteral("Alpha"));
    const QImage first = render(*item);
    QCOMPARE(render(*item), first);
    QVERIFY(PaintCacheBudget::instance().used() > 0);

    // A new name, pen or picture shows at the next paint.
    item->setText(QStringLiteral("Omega"));
    const QImage renamed = render(*item);
    QVERIFY(renamed != first);
    item->setTextPen(PenProperty(QPen(Qt::red)));
    const QImage recoloured = render(*item);
    QVERIFY(recoloured != renamed);
    item->setImage(solidPixmap(48, 48, Qt::yellow));
    const QImage repictured = render(*item);
    QCOMPARE(repictured.pixelColor(24, int(repictured.height() - 20)).rgb(), QColor(Qt::yellow).rgb());

    // A look that differs by state is rebuilt for that state.
    QFont bold(QStringLiteral("DejaVu Sans"), 9);
    bold.setBold(true);
    const QFont normal(QStringLiteral("DejaVu Sans"), 9);
    item->setTextFont(FontProperty(normal, normal, bold, bold, normal));
    const QImage plain = render(*item);
    QVERIFY(render(*item, QStyle::State_MouseOver) != plain);
    QCOMPARE(render(*item), plain);

    // Released caches are rebuilt the same.
    const QImage before = render(*item);
    item->releasePaintCache();
    QCOMPARE(render(*item), before);
}

void TestMyThumbnailItem::restylingKeepsOrChangesBounds_data()
{
    QTest::addColumn<int>("change");
    QTest::addColumn<bool>("looksDifferent");
    QTest::addColumn<bool>("resizes");
    QTest::newRow("tag colour") << 0 << true << false;
    QTest::newRow("text pen") << 1 << true << false;
    QTest::newRow("text shadow") << 2 << true << false;
    QTest::newRow("reflection opacity") << 3 << true << false;
    QTest::newRow("same reflection size") << 4 << false << false;
    QTest::newRow("new reflection size") << 5 << true << true;
}

// A style applied again restyles every item: colours must show at the next paint, and
// only what changes the size may move the item's bounds.
void TestMyThumbnailItem::restylingKeepsOrChangesBounds()
{
    QFETCH(int, change);
    QFETCH(bool, looksDifferent);
    QFETCH(bool, resizes);
    QScopedPointer<MyThumbnailItem> item(plainItem(48));
    item->setReflectionSize(12.0);
    item->setReflectionOpacity(200);
    item->showItemLabel(true, false);
    item->setText(QStringLiteral("Alpha"));
    const QRectF bounds = item->boundingRect();
    const QImage before = render(*item);

    switch (change) {
    case 0:
        item->setInfoColor(Qt::red);
        break;
    case 1:
        item->setTextPen(PenProperty(QPen(Qt::green)));
        break;
    case 2:
        item->setTextShadow(true);
        break;
    case 3:
        item->setReflectionOpacity(90);
        break;
    case 4:
        item->setReflectionSize(12.0);
        break;
    case 5:
        item->setReflectionSize(20.0);
        break;
    }
    QCOMPARE(item->boundingRect() != bounds, resizes);
    const QImage after = render(*item);
    QCOMPARE(after != before, looksDifferent);
}

void TestMyThumbnailItem::paintCacheBudgetEvictsOldest()
{
    PaintCacheBudget& budget = PaintCacheBudget::instance();
    const qint64 oldLimit = budget.limit();
    QScopedPointer<MyThumbnailItem> a(plainItem(64));
    QScopedPointer<MyThumbnailItem> b(plainItem(64));
    QScopedPointer<MyThumbnailItem> c(plainItem(64));
    render(*a);
    const qint64 one = budget.used();
    QVERIFY(one > 0);
    budget.setLimit(2 * one + one / 2);
    render(*b);
    render(*a); // a is now the most recent
    render(*c);
    QCOMPARE(budget.count(), 2);
    QVERIFY(budget.used() <= budget.limit());
    // b was painted longest ago; a and c still paint from their caches.
    c.reset();
    QCOMPARE(budget.count(), 1);
    budget.setLimit(0);
    QCOMPARE(budget.count(), 0);
    QCOMPARE(budget.used(), 0);
    budget.setLimit(oldLimit);
}

void TestMyThumbnailItem::dragImage()
{
    MyThumbnailItem item;
    item.setMargin(MarginProperty(10.0, 0.0, 8.0, 0.0));
    item.setImage(solidPixmap(200, 100, Qt::red));
    item.setImageWidth(50);
    QCOMPARE(item.getDragImage(true).size(), QSize(200, 100));
    const QImage faded = item.getDragImage(false).toImage().convertToFormat(QImage::Format_ARGB32);
    QCOMPARE(faded.size(), QSize(50, 25));
    QCOMPARE(qAlpha(faded.pixel(10, 10)), 255 * 80 / 100);
    QCOMPARE(item.getDragImageSize(), QSize(50, 25));
    // The picture's top-left corner maps to (0, 0) of the drag picture.
    const QRectF r = item.boundingRect();
    const QPointF corner(0.0, r.bottom() - 8.0 - 25.0);
    QCOMPARE(item.mapToDragImage(corner), QPoint(0, 0));
}

VORENDA_TEST_MAIN(TestMyThumbnailItem)
#include "tst_mythumbnailitem.moc"
