#include "TestEnvironment.h"

#include "CabinetTestFixtures.h"
#include "SkinWidget.h"

#include <QSlider>

// The status label: counts of categories and items, with and without a search, and
// passing messages until the next refresh.
class TestStatusLabel : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void countsFollowTheFilter_data();
    void countsFollowTheFilter();
    void hiddenInformationLeavesTheLabelEmpty();
    void messageStaysUntilTheNextRefresh();
    void sliderFocusLossEndsAMessage();
    void activatingTheWindowEndsAMessage();

private:
    static QList<AbstractThumbnailItem*> itemsAt(const VorendaShelf& shelf, const QList<int>& rows);
};

void TestStatusLabel::initTestCase()
{
    TestEnvironment::instance()->initializeGlobals();
    VorendaGlobal::load();
}

QList<AbstractThumbnailItem*> TestStatusLabel::itemsAt(const VorendaShelf& shelf, const QList<int>& rows)
{
    const QList<AbstractThumbnailItem*> all = shelf.view->getAllItems();
    QList<AbstractThumbnailItem*> items;
    for (int row : rows)
        items << (row < 0 ? nullptr : all.at(row));
    return items;
}

void TestStatusLabel::countsFollowTheFilter_data()
{
    QTest::addColumn<QList<int>>("filter");
    QTest::addColumn<QString>("text");
    QTest::newRow("no search") << QList<int>() << QStringLiteral("3 Categories, 10 Items");
    // Items 3 and 4 lie in "Documents", 8 and 9 in "Music".
    QTest::newRow("four hits in two categories") << QList<int>({3, 4, 8, 9})
                                                 << QStringLiteral("2/3 Categories, 4/10 Items");
    QTest::newRow("no hits") << QList<int>({-1}) << QStringLiteral("0/3 Categories, 0/10 Items");
}

void TestStatusLabel::countsFollowTheFilter()
{
    QFETCH(QList<int>, filter);
    QFETCH(QString, text);
    VorendaShelf shelf;
    fillCabinet(shelf);
    QList<AbstractThumbnailItem*> items = itemsAt(shelf, filter);
    // Items in display order: uncategorised first, then the categories depth first.
    shelf.view->filterItems(items);
    shelf.updateStatusLabel();
    QCOMPARE(shelf.statusLabel->text(), text);
    QVERIFY(!shelf.statusMessageShown);
}

void TestStatusLabel::hiddenInformationLeavesTheLabelEmpty()
{
    VorendaShelf shelf;
    fillCabinet(shelf);
    shelf.hidecabinetinfo = true;
    shelf.showStatusMessage(QStringLiteral("Kiosk mode is now ON!"));
    QCOMPARE(shelf.statusLabel->text(), QStringLiteral("Kiosk mode is now ON!"));
    shelf.updateStatusLabel();
    QVERIFY(shelf.statusLabel->text().isEmpty());
    QVERIFY(!shelf.statusMessageShown);
}

void TestStatusLabel::messageStaysUntilTheNextRefresh()
{
    VorendaShelf shelf;
    fillCabinet(shelf);
    shelf.onApplyStyle(builtInStyle(QStringLiteral("Wood #2")), AllElements, true);
    shelf.updateStatusLabel();
    const PenProperty stylePen = shelf.statusLabelSkin->getTextPen();
    QCOMPARE(stylePen, shelf.statusPen);

    shelf.showStatusMessage(QStringLiteral("No item is selected!"));
    QVERIFY(shelf.statusMessageShown);
    QCOMPARE(shelf.statusLabel->text(), QStringLiteral("No item is selected!"));
    QCOMPARE(shelf.statusLabelSkin->getTextPen(), PenProperty(QPen(Qt::white)));
    const BackgroundProperty message = shelf.statusLabelSkin->getBackground();
    const BackgroundPainter dark = message[BackgroundProperty::Normal];
    QCOMPARE(dark.fillColor(), QColor(0, 0, 0, 80));
    QCOMPARE(dark.borderPainter().radius(), 10.0);
    QCOMPARE(dark.borderPainter().width(), 0.0);
    QCOMPARE(message[BackgroundProperty::Selected], dark);
    QCOMPARE(message[BackgroundProperty::Disabled], dark);
    QCOMPARE(message[BackgroundProperty::Hover], BackgroundPainter());

    shelf.updateStatusLabel();
    QVERIFY(!shelf.statusMessageShown);
    QCOMPARE(shelf.statusLabel->text(), QStringLiteral("3 Categories, 10 Items"));
    QCOMPARE(shelf.statusLabelSkin->getTextPen(), stylePen);
    QCOMPARE(shelf.statusLabelSkin->getBackground(), BackgroundProperty());
}

void TestStatusLabel::sliderFocusLossEndsAMessage()
{
    VorendaShelf shelf;
    fillCabinet(shelf);
    shelf.thumbSizeAnchor = shelf.view->getAllItems().first();
    shelf.showStatusMessage(QStringLiteral("Auto Hide mode is now ON!"));
    QFocusEvent focusOut(QEvent::FocusOut);
    QApplication::sendEvent(shelf.thumbSizeSlider, &focusOut);
    QVERIFY(!shelf.thumbSizeAnchor);
    QCOMPARE(shelf.statusLabel->text(), QStringLiteral("3 Categories, 10 Items"));
}

void TestStatusLabel::activatingTheWindowEndsAMessage()
{
    VorendaShelf shelf;
    fillCabinet(shelf);
    shelf.showStatusMessage(QStringLiteral("Stay On Top mode is now ON!"));
    QEvent activate(QEvent::WindowActivate);
    QApplication::sendEvent(&shelf, &activate);
    QCOMPARE(shelf.statusLabel->text(), QStringLiteral("3 Categories, 10 Items"));
}

VORENDA_TEST_MAIN(TestStatusLabel)
#include "tst_statuslabel.moc"
