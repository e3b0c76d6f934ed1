#include "TestEnvironment.h"

#include "OverrideCursor.h"
#include "PathFunctions.h"
#include "ScreenFunctions.h"
#include "TextFunctions.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

class TestPathTextFunctions : public QObject
{
    Q_OBJECT

private slots:
    void trailingSeparators_data();
    void trailingSeparators();
    void matchesFilters_data();
    void matchesFilters();
    void stringValueReadsFieldsInTurn();
    void stringValueWithoutEndMarker();
    void stringToUrl_data();
    void stringToUrl();
    void elidedTextIsOneLine();
    void hashes_data();
    void hashes();
    void screenPlacement();
    void visibleRect();
    void overrideCursorRestores();
};

void TestPathTextFunctions::trailingSeparators_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("added");
    QTest::addColumn<QString>("removed");
    QTest::newRow("empty") << "" << "" << "";
    QTest::newRow("without") << "/home/a" << "/home/a/" << "/home/a";
    QTest::newRow("with") << "/home/a/" << "/home/a/" << "/home/a";
    QTest::newRow("two") << "/home/a//" << "/home/a//" << "/home/a/";
}

void TestPathTextFunctions::trailingSeparators()
{
    QFETCH(QString, path);
    QFETCH(QString, added);
    QFETCH(QString, removed);
    QCOMPARE(addTrailingSeparator(path), added);
    QCOMPARE(removeTrailingSeparator(path), removed);
}

void TestPathTextFunctions::matchesFilters_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QStringList>("filters");
    QTest::addColumn<bool>("emptyResult");
    QTest::addColumn<bool>("caseSensitive");
    QTest::addColumn<bool>("expected");
    QTest::newRow("case-insensitive") << "Photo.JPG" << QStringList{QStringLiteral("*.jpg")} << false << false << true;
    QTest::newRow("case-sensitive") << "Photo.JPG" << QStringList{QStringLiteral("*.jpg")} << false << true << false;
    QTest::newRow("empty name, true") << "" << QStringList{QStringLiteral("*.jpg")} << true << false << true;
    QTest::newRow("empty name, false") << "" << QStringList{QStringLiteral("*")} << false << false << false;
    QTest::newRow("empty list") << "a.txt" << QStringList{} << true << false << true;
    QTest::newRow("star") << "anything" << QStringList{QStringLiteral("*.png"), QStringLiteral("*")} << false << true
                          << true;
    QTest::newRow("whole name") << "a.jpg.txt" << QStringList{QStringLiteral("*.jpg")} << false << false << false;
    QTest::newRow("second filter") << "b.tmp" << QStringList{QStringLiteral("*.txt"), QStringLiteral("?.tmp")} << false
                                   << false << true;
}

void TestPathTextFunctions::matchesFilters()
{
    QFETCH(QString, name);
    QFETCH(QStringList, filters);
    QFETCH(bool, emptyResult);
    QFETCH(bool, caseSensitive);
    QFETCH(bool, expected);
    QCOMPARE(::matchesFilters(name, filters, emptyResult, caseSensitive ? Qt::CaseSensitive : Qt::CaseInsensitive),
             expected);
}

void TestPathTextFunctions::stringValueReadsFieldsInTurn()
{
    const QString line = QStringLiteral("(key)(  second  )");
    int position = 0;
    QCOMPARE(getStringValue(line, QStringLiteral("("), QStringLiteral(")"), Qt::CaseSensitive, &position),
             QStringLiteral("key"));
    QCOMPARE(position, 1);
    QCOMPARE(getStringValue(line, QStringLiteral("("), QStringLiteral(")"), Qt::CaseSensitive, &position),
             QStringLiteral("second"));
    QCOMPARE(position, 6);
    QCOMPARE(getStringValue(line, QStringLiteral("("), QStringLiteral(")"), Qt::CaseSensitive, &position), QString());
    QCOMPARE(position, 6);
}

void TestPathTextFunctions::stringValueWithoutEndMarker()
{
    QCOMPARE(getStringValue(QStringLiteral("name= rest of it  "), QStringLiteral("name="), QStringLiteral(";")),
             QStringLiteral("rest of it"));
    QCOMPARE(getStringValue(QStringLiteral("de_AT"), QString(), QStringLiteral("_")), QStringLiteral("de"));
    QCOMPARE(getStringValue(QStringLiteral("abc"), QStringLiteral("x"), QStringLiteral("c")), QString());
    QCOMPARE(getStringValue(QStringLiteral("A[b]"), QStringLiteral("a["), QStringLiteral("]"), Qt::CaseInsensitive),
             QStringLiteral("b"));
}

void TestPathTextFunctions::stringToUrl_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("expected");
    QTest::newRow("host") << "www.example.com" << "http://www.example.com";
    QTest::newRow("scheme") << "https://example.org/a b" << "https://example.org/a%20b";
    QTest::newRow("address with a port") << "127.0.0.1:8000/page" << "http://127.0.0.1:8000/page";
    QTest::newRow("host name with a port") << "example.com:8080/x" << "http://example.com:8080/x";
    QTest::newRow("host with a port alone") << "localhost:3000" << "http://localhost:3000";
    QTest::newRow("host with a port and a query") << "example.com:81?q=1" << "http://example.com:81?q=1";
    QTest::newRow("scheme with a path") << "mailto:someone@example.com" << "mailto:someone@example.com";
    QTest::newRow("existing relative") << "rel.txt" << "file://RELATIVE";
    QTest::newRow("empty") << "" << "";
}

void TestPathTextFunctions::stringToUrl()
{
    QFETCH(QString, text);
    QFETCH(QString, expected);
    QTemporaryDir dir;
    const QString previous = QDir::currentPath();
    QDir::setCurrent(dir.path());
    QFile(QStringLiteral("rel.txt")).open(QIODevice::WriteOnly);
    if (expected == QLatin1String("file://RELATIVE"))
        expected = QUrl::fromLocalFile(QFileInfo(QStringLiteral("rel.txt")).absoluteFilePath()).toString();
    const QString got = ::stringToUrl(text).toString(QUrl::FullyEncoded);
    QDir::setCurrent(previous);
    QCOMPARE(got, expected);
}

void TestPathTextFunctions::elidedTextIsOneLine()
{
    const QFont font(QStringLiteral("DejaVu Sans"), 10);
    QCOMPARE(getElidedText(QStringLiteral("  two\nlines  "), font, Qt::ElideRight, 1000), QStringLiteral("two lines"));
    QCOMPARE(getElidedText(QStringLiteral("a\r\nb"), font, Qt::ElideRight, 1000), QStringLiteral("a  b"));
    const QString elided = getElidedText(QString(200, QLatin1Char('x')), font, Qt::ElideRight, 50);
    QVERIFY(elided.endsWith(QChar(0x2026)));
    QVERIFY(QFontMetrics(font).horizontalAdvance(elided) <= 50);
}

void TestPathTextFunctions::hashes_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("md5");
    QTest::newRow("ascii") << "secret" << "5ebe2294ecd0e0f08eab7690d2a6ee69";
    QTest::newRow("empty") << "" << "d41d8cd98f00b204e9800998ecf8427e";
    // UTF-8 bytes of the text: Cyrillic names must not collapse to question marks.
    QTest::newRow("cyrillic") << QString::fromUtf8("/h/Фото.jpg")
                              << getHash(QString::fromUtf8("/h/Фото.jpg").toUtf8());
}

void TestPathTextFunctions::hashes()
{
    QFETCH(QString, text);
    QFETCH(QString, md5);
    QCOMPARE(getHash(text), md5);
    QCOMPARE(getHash(text).size(), 32);
    QCOMPARE(getHash(QString::fromUtf8("/h/Фото.jpg")) == getHash(QString::fromUtf8("/h/Снег.jpg")), false);
}

void TestPathTextFunctions::screenPlacement()
{
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    QWidget widget;
    widget.resize(100, 50);
    centerOnScreen(&widget);
    QCOMPARE(widget.frameGeometry().topLeft(),
             QPoint(screen.left() + (screen.width() - widget.frameGeometry().width()) / 2,
                    screen.top() + (screen.height() - widget.frameGeometry().height()) / 2));

    QRect rect(10, 10, 31, 21);
    centerOnScreen(rect);
    QCOMPARE(rect, QRect(screen.left() + (screen.width() - 31) / 2, screen.top() + (screen.height() - 21) / 2, 31, 21));

    resizeOnScreen(&widget, 50, 25);
    QCOMPARE(widget.geometry().size(), QSize(screen.width() / 2, screen.height() / 4));
    QCOMPARE(widget.geometry().left(), screen.left() + (screen.width() - screen.width() / 2) / 2);

    centerOnScreen(static_cast<QWidget*>(nullptr));
    resizeOnScreen(nullptr, 10);
}

void TestPathTextFunctions::visibleRect()
{
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    QVERIFY(isVisibleRect(screen, false));
    QVERIFY(!isVisibleRect(screen.adjusted(-1, 0, 0, 0), false));
    QVERIFY(isVisibleRect(screen.adjusted(-1, 0, 0, 0), true));
    QVERIFY(!isVisibleRect(QRect(QPoint(10, 10), QPoint(5, 5)), true));
    QVERIFY(!isVisibleRect(QRect(screen.right() + 10, 0, 5, 5), true));
}

void TestPathTextFunctions::overrideCursorRestores()
{
    {
        OverrideCursor busy(Qt::BusyCursor);
        QVERIFY(QGuiApplication::overrideCursor());
        QCOMPARE(QGuiApplication::overrideCursor()->shape(), Qt::BusyCursor);
    }
    QVERIFY(!QGuiApplication::overrideCursor());
}

VORENDA_TEST_MAIN(TestPathTextFunctions)
#include "tst_pathtextfunctions.moc"
