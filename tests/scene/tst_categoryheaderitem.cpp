#include "TestEnvironment.h"

#include "ButtonItem.h"
#include "SceneFixtures.h"
#include "TextFunctions.h"
#include "TextItem.h"

#include <QGraphicsSceneDragDropEvent>
#include <QLineEdit>
#include <QMimeData>
#include <QSignalSpy>

class TestCategoryHeaderItem : public QObject
{
    Q_OBJECT

private slots:
    void shownText_data();
    void shownText();
    void expandingToTheSameStateDoesNothing();
    void clicks_data();
    void clicks();
    void renameInPlace();
    void textStaysClearOfTheButton_data();
    void textStaysClearOfTheButton();
    void namesThatFitAreShownWhole_data();
    void namesThatFitAreShownWhole();
    void nameWithRoomIsWhole();
    void emptyHeaderHasNoHeight();
    void dragHighlight();
};

// A shown view with one laid-out header that has a text item and a state button.
struct HeaderFixture
{
    HeaderFixture()
    {
        view.resize(400, 300);
        header = makeHeader(QStringLiteral("Music"));
        text = new TextItem(true, true);
        header->setTextItem(text, MarginProperty(2.0));
        button = new ButtonItem;
        button->enableVisibleAnimation(false);
        QPixmap icon(16, 16);
        icon.fill(Qt::black);
        header->setStateButton(button, ImageResource(icon), ImageResource(icon), MarginProperty(2.0), Qt::AlignRight);
        view.setCategoryHeader(1, header);
        view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&view));
        view.updateLayout();
    }

    QPoint headerPoint() const
    {
        return view.mapFromScene(header->mapToScene(QPointF(header->getWidth() * 0.75, 3)));
    }

    ThumbnailView view;
    CategoryHeaderItem* header;
    TextItem* text;
    ButtonItem* button;
};

void TestCategoryHeaderItem::shownText_data()
{
    QTest::addColumn<int>("items");
    QTest::addColumn<int>("matches");
    QTest::addColumn<bool>("showItems");
    QTest::addColumn<QString>("expected");
    QTest::newRow("search finds some") << 12 << 3 << true << "Music  (3/12)";
    QTest::newRow("no search") << 12 << -1 << true << "Music  (12)";
    QTest::newRow("search finds none") << 12 << 0 << true << "Music  (0/12)";
    QTest::newRow("items hidden") << 12 << 3 << false << "Music  (3)";
    QTest::newRow("empty, no search") << 0 << -1 << true << "Music";
}

void TestCategoryHeaderItem::shownText()
{
    QFETCH(int, items);
    QFETCH(int, matches);
    QFETCH(bool, showItems);
    QFETCH(QString, expected);
    ThumbnailView view;
    CategoryHeaderItem* header = makeHeader(QStringLiteral("Music"));
    auto* text = new TextItem(true, true);
    header->setTextItem(text, MarginProperty(0.0));
    view.setCategoryHeader(1, header);
    header->setShowItems(showItems);
    header->setItems(items);
    header->setMatches(matches);
    QCOMPARE(header->textToShow(), expected);
    QCOMPARE(text->getText(), expected);
}

void TestCategoryHeaderItem::expandingToTheSameStateDoesNothing()
{
    ThumbnailView view;
    CategoryHeaderItem* header = makeHeader(QStringLiteral("Music"));
    view.setCategoryHeader(1, header);
    QSignalSpy expanded(&view, &AbstractThumbnailView::categoryExpanded);
    header->setExpanded(true);
    QCOMPARE(expanded.count(), 0);
    header->setExpanded(false);
    QCOMPARE(expanded.count(), 1);
    QCOMPARE(expanded.first().at(1).toBool(), false);
    header->canBeToggled(false);
    header->toggle();
    QCOMPARE(expanded.count(), 1);
    QVERIFY(!header->isExpanded());
}

void TestCategoryHeaderItem::clicks_data()
{
    QTest::addColumn<bool>("discardClick");
    QTest::addColumn<bool>("doubleClick");
    QTest::addColumn<int>("buttonValue");
    QTest::addColumn<bool>("expandedAfter");
    QTest::addColumn<int>("clickedSignals");
    QTest::addColumn<int>("doubleClickedSignals");
    QTest::newRow("single click toggles") << false << false << int(Qt::LeftButton) << false << 1 << 0;
    QTest::newRow("right click does nothing") << false << false << int(Qt::RightButton) << true << 0 << 0;
    QTest::newRow("double click is two clicks") << false << true << int(Qt::LeftButton) << true << 2 << 0;
    QTest::newRow("clicks discarded") << true << false << int(Qt::LeftButton) << true << 0 << 0;
    QTest::newRow("double click toggles once") << true << true << int(Qt::LeftButton) << false << 0 << 1;
}

void TestCategoryHeaderItem::clicks()
{
    QFETCH(bool, discardClick);
    QFETCH(bool, doubleClick);
    QFETCH(int, buttonValue);
    const auto button = Qt::MouseButton(buttonValue);
    QFETCH(bool, expandedAfter);
    QFETCH(int, clickedSignals);
    QFETCH(int, doubleClickedSignals);
    HeaderFixture fixture;
    fixture.header->setDiscardClick(discardClick);
    QSignalSpy clicked(&fixture.view, &AbstractThumbnailView::categoryClicked);
    QSignalSpy doubleClicked(&fixture.view, &AbstractThumbnailView::categoryDoubleClicked);
    const QPoint at = fixture.headerPoint();
    // A double click arrives as press, release, double click, release.
    QTest::mouseClick(fixture.view.viewport(), button, {}, at);
    if (doubleClick) {
        QTest::mouseDClick(fixture.view.viewport(), button, {}, at);
        QTest::mouseRelease(fixture.view.viewport(), button, {}, at);
    }
    QCOMPARE(fixture.header->isExpanded(), expandedAfter);
    QCOMPARE(clicked.count(), clickedSignals);
    QCOMPARE(doubleClicked.count(), doubleClickedSignals);
    QVERIFY(!fixture.header->isPressed());
}

void TestCategoryHeaderItem::renameInPlace()
{
    HeaderFixture fixture;
    fixture.header->setItems(4);
    QCOMPARE(fixture.text->getText(), QStringLiteral("Music  (4)"));
    fixture.header->editText();
    QVERIFY(fixture.header->isEditing());
    QVERIFY(fixture.view.isEditing());
    auto* editor = qobject_cast<QLineEdit*>(fixture.text->editorWidget());
    QVERIFY(editor);
    // The editor opens on the bare name.
    QCOMPARE(editor->text(), QStringLiteral("Music"));

    editor->setText(QStringLiteral("   "));
    QTest::keyClick(editor, Qt::Key_Return);
    QVERIFY(!fixture.header->isEditing());
    QVERIFY(!fixture.view.isEditing());
    QCOMPARE(fixture.header->getText(), QStringLiteral("Music"));

    fixture.header->editText();
    editor->setText(QStringLiteral("Jazz"));
    QTest::keyClick(editor, Qt::Key_Escape);
    QCOMPARE(fixture.header->getText(), QStringLiteral("Music"));

    fixture.header->editText();
    editor->setText(QStringLiteral(" Jazz "));
    QTest::keyClick(editor, Qt::Key_Enter);
    QCOMPARE(fixture.header->getText(), QStringLiteral("Jazz"));
    QCOMPARE(fixture.text->getText(), QStringLiteral("Jazz  (4)"));

    fixture.header->setEditable(false);
    fixture.header->editText();
    QVERIFY(!fixture.header->isEditing());
}

void TestCategoryHeaderItem::textStaysClearOfTheButton_data()
{
    QTest::addColumn<int>("alignment");
    QTest::newRow("button right") << int(Qt::AlignRight);
    QTest::newRow("button left") << int(Qt::AlignLeft);
}

void TestCategoryHeaderItem::textStaysClearOfTheButton()
{
    QFETCH(int, alignment);
    CategoryHeaderItem header;
    header.setText(QString(80, QLatin1Char('W')));
    auto* text = new TextItem(true, true);
    header.setTextItem(text, MarginProperty(0.0));
    auto* button = new ButtonItem;
    QPixmap icon(16, 16);
    icon.fill(Qt::black);
    const MarginProperty margin(0, 5, 0, 3);
    header.setStateButton(button, ImageResource(icon), ImageResource(icon), margin, Qt::Alignment(alignment));
    header.setWidth(200);
    const QRectF textRect = text->mapRectToParent(text->boundingRect());
    const QRectF buttonRect = button->mapRectToParent(button->boundingRect());
    if (alignment == Qt::AlignRight) {
        QCOMPARE(buttonRect.right(), 195.0);
        QCOMPARE(textRect.right(), buttonRect.left() - 3);
    } else {
        QCOMPARE(buttonRect.left(), 3.0);
        QCOMPARE(textRect.left(), buttonRect.right() + 5);
    }
    QVERIFY(textRect.width() > 100);
}

void TestCategoryHeaderItem::namesThatFitAreShownWhole_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("pixelSize");
    QTest::addColumn<bool>("bold");
    for (const char* name : {"Documents", "Pictures", "Web links"}) {
        for (int pixelSize : {13, 15}) {
            for (bool bold : {false, true})
                QTest::addRow("%s %dpx%s", name, pixelSize, bold ? " bold" : "") << QString::fromLatin1(name) << pixelSize << bold;
        }
    }
}

void TestCategoryHeaderItem::namesThatFitAreShownWhole()
{
    QFETCH(QString, name);
    QFETCH(int, pixelSize);
    QFETCH(bool, bold);
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    CategoryHeaderItem header;
    header.setText(name);
    auto* text = new TextItem(true, true);
    text->setFont(font);
    header.setTextItem(text, MarginProperty(0.0));
    header.setWidth(300);
    // The item paints its text elided to its whole-pixel width.
    const int width = text->boundingRect().toRect().width();
    QVERIFY2(width >= QFontMetricsF(font).horizontalAdvance(name),
             qPrintable(QStringLiteral("%1 px for %2 px of text").arg(width).arg(QFontMetricsF(font).horizontalAdvance(name))));
    QCOMPARE(getElidedText(name, font, Qt::ElideMiddle, width), name);
}

void TestCategoryHeaderItem::nameWithRoomIsWhole()
{
    // Names of every length, whatever fraction of a pixel their text measures.
    for (const QString& name :
         QStringList{QStringLiteral("Applications"), QStringLiteral("Desktop"), QStringLiteral("Photos"),
                     QStringLiteral("Anwendungen"), QStringLiteral("Aplicaciones"), QStringLiteral("Schreibtisch"),
                     QStringLiteral("Utilities"), QStringLiteral("Music and more")}) {
        HeaderFixture fixture;
        fixture.header->setText(name);
        fixture.view.updateLayout();
        const MarginProperty margin = fixture.text->getMargin();
        const int room = int(fixture.text->boundingRect().width()) - int(margin[MarginProperty::Left])
            - int(margin[MarginProperty::Right]);
        QCOMPARE(getElidedText(name, fixture.text->getFont(), Qt::ElideMiddle, room), name);
    }
}

void TestCategoryHeaderItem::emptyHeaderHasNoHeight()
{
    CategoryHeaderItem header;
    header.setWidth(100);
    QCOMPARE(header.boundingRect(), QRectF(0, 0, 100, 0));
    QCOMPARE(header.type(), int(QGraphicsItem::UserType + 3));
}

void TestCategoryHeaderItem::dragHighlight()
{
    HeaderFixture fixture;
    auto enter = [&](QMimeData* data) {
        QGraphicsSceneDragDropEvent event(QEvent::GraphicsSceneDragEnter);
        event.setMimeData(data);
        event.setProposedAction(Qt::CopyAction);
        event.setPossibleActions(Qt::CopyAction);
        fixture.view.scene()->sendEvent(fixture.header, &event);
    };
    auto leave = [&]() {
        QGraphicsSceneDragDropEvent event(QEvent::GraphicsSceneDragLeave);
        fixture.view.scene()->sendEvent(fixture.header, &event);
    };

    QMimeData files;
    files.setUrls({QUrl::fromLocalFile(QStringLiteral("/tmp/a.txt"))});
    enter(&files);
    QVERIFY(!fixture.header->isDropHighlighted());

    QMimeData internal;
    internal.setData(fixture.view.getDragMimeType(), QByteArray("x"));
    enter(&internal);
    QVERIFY(fixture.header->isDropHighlighted());
    leave();
    QVERIFY(!fixture.header->isDropHighlighted());

    connect(&fixture.view, &AbstractThumbnailView::acceptDropUrl, this,
            [](QUrl url, QString, bool* ok) { *ok = url.isLocalFile(); });
    enter(&files);
    QVERIFY(fixture.header->isDropHighlighted());
}

VORENDA_TEST_MAIN(TestCategoryHeaderItem)
#include "tst_categoryheaderitem.moc"
