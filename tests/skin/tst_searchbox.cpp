#include "TestEnvironment.h"

#include "SearchBox.h"
#include "SkinWidget.h"

#include <QSignalSpy>
#include <QStyle>
#include <QStyleFactory>
#include <QToolButton>

// The search field: clear button, clearing, placeholder and the places of its buttons.
class TestSearchBox : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void clearButtonFollowsText();
    void clearingEmitsTextChangedThenTextCleared();
    void searchButtonClickIsSignalled();
    void placeholderShowsOnlyUnfocusedAndEmpty();
    void emptyPlaceholderDrawsNothing();
    void buttonsStandInTheirPlaces_data();
    void buttonsStandInTheirPlaces();
    void largerSearchIconWidensPaddingAndMinimum();
    void frameIsPaintedUnderTheText();

private:
    static int greyPixels(const QImage& image, const QRect& area);
};

void TestSearchBox::initTestCase()
{
    TestEnvironment::instance()->initializeGlobals();
    // Fusion reports a one-pixel frame, the width the button places follow from.
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
}

int TestSearchBox::greyPixels(const QImage& image, const QRect& area)
{
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            const QColor c = image.pixelColor(x, y);
            if (qAbs(c.red() - c.green()) < 8 && qAbs(c.green() - c.blue()) < 8 && c.red() > 100 && c.red() < 200)
                ++count;
        }
    }
    return count;
}

void TestSearchBox::clearButtonFollowsText()
{
    SearchBox box;
    box.show();
    QVERIFY(!box.getClearButton()->isVisible());
    box.setText(QStringLiteral("photos"));
    QVERIFY(box.getClearButton()->isVisible());
    box.setText(QString());
    QVERIFY(!box.getClearButton()->isVisible());
}

void TestSearchBox::clearingEmitsTextChangedThenTextCleared()
{
    SearchBox box;
    box.show();
    box.setText(QStringLiteral("photos"));
    QStringList order;
    connect(&box, &QLineEdit::textChanged, this, [&order](const QString& text) { order << QStringLiteral("changed:") + text; });
    connect(&box, &SearchBox::textCleared, this, [&order] { order << QStringLiteral("cleared"); });
    QTest::mouseClick(box.getClearButton(), Qt::LeftButton);
    QCOMPARE(order, QStringList({QStringLiteral("changed:"), QStringLiteral("cleared")}));
    QVERIFY(box.text().isEmpty());
    QVERIFY(!box.getClearButton()->isVisible());
}

void TestSearchBox::searchButtonClickIsSignalled()
{
    SearchBox box;
    QSignalSpy spy(&box, &SearchBox::searchButtonClicked);
    QVERIFY(!box.getSearchButton()->isVisibleTo(&box));
    // Hidden until the first paint.
    box.show();
    QVERIFY(QTest::qWaitForWindowExposed(&box));
    QTRY_VERIFY(box.getSearchButton()->isVisible());
    QTest::mouseClick(box.getSearchButton(), Qt::LeftButton);
    QCOMPARE(spy.count(), 1);
}

void TestSearchBox::placeholderShowsOnlyUnfocusedAndEmpty()
{
    QWidget window;
    auto* other = new QLineEdit(&window);
    auto* box = new SearchBox(&window);
    other->setGeometry(0, 0, 50, 23);
    box->setGeometry(0, 30, 200, 23);
    window.show();
    QApplication::setActiveWindow(&window);
    QVERIFY(QTest::qWaitForWindowActive(&window));
    other->setFocus();
    QTRY_VERIFY(other->hasFocus());

    // Right of the text cursor and of a typed letter, where the placeholder's letters stand.
    const QRect textArea(45, 4, 60, 15);
    QVERIFY(greyPixels(box->grab().toImage(), textArea) > 10);

    box->setFocus();
    QTRY_VERIFY(box->hasFocus());
    QCOMPARE(greyPixels(box->grab().toImage(), textArea), 0);

    other->setFocus();
    QTRY_VERIFY(!box->hasFocus());
    box->setText(QStringLiteral("x"));
    QCOMPARE(greyPixels(box->grab().toImage(), textArea), 0);
}

void TestSearchBox::emptyPlaceholderDrawsNothing()
{
    SearchBox box;
    box.resize(200, 23);
    box.setEmptyText(QString());
    QCOMPARE(greyPixels(box.grab().toImage(), QRect(45, 4, 60, 15)), 0);
}

void TestSearchBox::buttonsStandInTheirPlaces_data()
{
    QTest::addColumn<int>("height");
    QTest::addColumn<int>("expectedY");
    // y = (height - 1 - 16) / 2 + 2, truncated.
    QTest::newRow("20 high") << 20 << 3;
    QTest::newRow("23 high") << 23 << 5;
    QTest::newRow("30 high") << 30 << 8;
}

void TestSearchBox::buttonsStandInTheirPlaces()
{
    QFETCH(int, height);
    QFETCH(int, expectedY);
    SearchBox box;
    // A tool button's hint is its icon and three pixels.
    QPixmap icon(13, 13);
    icon.fill(Qt::darkGray);
    box.setSearchIcon(icon);
    box.setClearIcon(icon);
    QCOMPARE(box.style()->pixelMetric(QStyle::PM_DefaultFrameWidth), 1);
    QCOMPARE(box.getSearchButton()->sizeHint().height(), 16);
    QCOMPARE(box.getClearButton()->sizeHint().height(), 16);
    box.setMinimumHeight(0);
    box.resize(200, height);
    box.show();
    QVERIFY(QTest::qWaitForWindowExposed(&box));
    QCOMPARE(box.height(), height);
    QCOMPARE(box.getSearchButton()->pos(), QPoint(5, expectedY));
    const int clearWidth = box.getClearButton()->sizeHint().width();
    QCOMPARE(box.getClearButton()->pos(), QPoint(199 - 1 - clearWidth - 1, expectedY));
}

void TestSearchBox::largerSearchIconWidensPaddingAndMinimum()
{
    SearchBox box;
    box.setMinimumWidth(0);
    const int before = box.getSearchButton()->sizeHint().width();
    QVERIFY(box.styleSheet().contains(QStringLiteral("padding-left: %1px;").arg(before + 1 + 8)));

    QPixmap wide(60, 16);
    wide.fill(Qt::red);
    box.setSearchIcon(wide);
    const int searchWidth = box.getSearchButton()->sizeHint().width();
    QVERIFY(searchWidth >= 60);
    QVERIFY(box.styleSheet().contains(QStringLiteral("padding-left: %1px;").arg(searchWidth + 1 + 8)));
    const int clearWidth = box.getClearButton()->sizeHint().width();
    QCOMPARE(box.minimumWidth(), searchWidth + clearWidth + 2 + 2);
}

void TestSearchBox::frameIsPaintedUnderTheText()
{
    SearchBox box;
    box.resize(200, 23);
    const QList<SkinWidget*> skins = box.findChildren<SkinWidget*>();
    QCOMPARE(skins.size(), 1);
    QVERIFY(!skins.first()->isFilterPaint());
    const QImage image = box.grab().toImage();
    // White inside, the rounded frame's outline at the top edge, nothing at the corner.
    QCOMPARE(image.pixelColor(100, 12).rgb(), QColor(Qt::white).rgb());
    QVERIFY(qGray(image.pixel(100, 1)) < 200);
    QVERIFY(qAlpha(image.pixel(0, 0)) < 60 || qGray(image.pixel(0, 0)) > 200);
}

VORENDA_TEST_MAIN(TestSearchBox)
#include "tst_searchbox.moc"
