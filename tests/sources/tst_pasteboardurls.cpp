#include "TestEnvironment.h"

#include "PasteboardUrls.h"

#include <QDir>
#include <QFile>
#include <QMimeData>
#include <QRegularExpression>
#include <QXmlStreamReader>

// The link formats: the program's own, the property lists, X11 applications' and plain text.
class TestPasteboardUrls : public QObject
{
    Q_OBJECT

private slots:
    void urlLinesKeepTheirPlaces();
    void urlNamesDecodeUpToZero();
    void nullOrMissingDataGivesNothing();
    void webUrlListRoundTrip_data();
    void webUrlListRoundTrip();
    void webUrlListReader_data();
    void webUrlListReader();
    void bookmarkDictionaries();
    void byteConversions();
    void mozUrlDecoding_data();
    void mozUrlDecoding();
    void linksFromAnySource_data();
    void linksFromAnySource();
    void outgoingLinksCarryX11Formats();
    void linksToProgramsAreLeftOut_data();
    void linksToProgramsAreLeftOut();
};

namespace {

QByteArray utf16(const QString& text)
{
    return QByteArray(reinterpret_cast<const char*>(text.utf16()), text.size() * 2);
}

} // namespace

void TestPasteboardUrls::urlLinesKeepTheirPlaces()
{
    QMimeData data;
    data.setData(QStringLiteral("text/url"), QByteArray("https://example.com/a%20b\nfile:///tmp/x\n"));
    const QList<QUrl> urls = getUrls(&data);
    QCOMPARE(urls.count(), 3);
    QCOMPARE(urls[0].path(), QStringLiteral("/a b"));
    QCOMPARE(urls[1], QUrl::fromLocalFile(QStringLiteral("/tmp/x")));
    QVERIFY(urls[2].isEmpty());
}

void TestPasteboardUrls::urlNamesDecodeUpToZero()
{
    QMimeData data;
    data.setData(QStringLiteral("text/url-name"), QByteArray("Gr\xc3\xbc\xc3\x9f" "e\n\nName\0tail", 18));
    QCOMPARE(getUrlNames(&data), (QStringList{QStringLiteral("Grüße"), QString(), QStringLiteral("Name")}));
}

void TestPasteboardUrls::nullOrMissingDataGivesNothing()
{
    QMimeData empty;
    QList<QUrl> urls{QUrl(QStringLiteral("http://kept"))};
    QStringList titles{QStringLiteral("kept")};
    QVERIFY(getUrls(nullptr).isEmpty());
    QVERIFY(getUrlNames(nullptr).isEmpty());
    QVERIFY(getUrls(&empty).isEmpty());
    QVERIFY(!getWebURLsWithTitles(nullptr, urls, titles));
    QCOMPARE(urls.count(), 1);
    QVERIFY(!getWebURLsWithTitles(&empty, urls, titles));
    QVERIFY(urls.isEmpty() && titles.isEmpty());
    QVERIFY(!hasUrlData(nullptr));
    QVERIFY(!getUrlsWithNames(&empty, urls, titles));
    setWebURLsWithTitles(nullptr, urls, titles);
}

void TestPasteboardUrls::webUrlListRoundTrip_data()
{
    QTest::addColumn<QList<QUrl>>("urls");
    QTest::addColumn<QStringList>("titles");
    QTest::addColumn<int>("innerArrays");
    QTest::addColumn<QList<QUrl>>("readUrls");
    QTest::addColumn<QStringList>("readTitles");
    const QUrl a(QStringLiteral("https://example.com/ä"));
    const QUrl b(QStringLiteral("http://example.org/?q=1&r=2"));
    QTest::newRow("urls and titles") << QList<QUrl>{a, b} << QStringList{QStringLiteral("A"), QStringLiteral("B")} << 2
                                     << QList<QUrl>{a, b} << QStringList{QStringLiteral("A"), QStringLiteral("B")};
    QTest::newRow("urls only") << QList<QUrl>{a, b} << QStringList{} << 1 << QList<QUrl>{a, b} << QStringList{};
    // With no URL array, the title array is read as the URL list.
    QTest::newRow("titles only") << QList<QUrl>{} << QStringList{QStringLiteral("x.org")} << 1
                                 << QList<QUrl>{QUrl(QStringLiteral("x.org"))} << QStringList{};
}

void TestPasteboardUrls::webUrlListRoundTrip()
{
    QFETCH(QList<QUrl>, urls);
    QFETCH(QStringList, titles);
    QFETCH(int, innerArrays);
    QFETCH(QList<QUrl>, readUrls);
    QFETCH(QStringList, readTitles);
    QMimeData data;
    setWebURLsWithTitles(&data, urls, titles);
    const QByteArray xml = data.data(QStringLiteral("text/xml-weburlswithtitles"));
    QVERIFY(xml.contains("<!DOCTYPE plist PUBLIC \"-//Apple//DTD PLIST 1.0//EN\""));
    QVERIFY(xml.contains("<plist version=\"1.0\">"));
    QCOMPARE(int(xml.count("<array>")), 1 + innerArrays);
    QList<QUrl> gotUrls;
    QStringList gotTitles;
    QCOMPARE(getWebURLsWithTitles(&data, gotUrls, gotTitles), !readUrls.isEmpty());
    QCOMPARE(gotUrls, readUrls);
    QCOMPARE(gotTitles, readTitles);
}

void TestPasteboardUrls::webUrlListReader_data()
{
    QTest::addColumn<QByteArray>("xml");
    QTest::addColumn<int>("urls");
    QTest::addColumn<int>("titles");
    QTest::newRow("capital root") << QByteArray("<PLIST><array><array><string>http://a</string></array>"
                                                "<array><string>A</string></array></array></PLIST>")
                                  << 1 << 1;
    QTest::newRow("empty entries skipped") << QByteArray("<plist><array><array><string></string><string>http://a"
                                                         "</string></array><array><string>A</string><string>"
                                                         "</string><string>B</string></array></array></plist>")
                                           << 1 << 2;
    QTest::newRow("other elements passed over") << QByteArray("<plist><dict/><array><key>k</key><array><x/>"
                                                              "<string>http://a</string></array></array></plist>")
                                                << 1 << 0;
    QTest::newRow("malformed") << QByteArray("<plist><array><array><string>http://a</string></array>") << 0 << 0;
    QTest::newRow("other root") << QByteArray("<list><array><array><string>http://a</string></array></array></list>")
                                << 0 << 0;
    QTest::newRow("deep nesting") << QByteArray("<plist>") + QByteArray(20000, 'x').replace("x", "<a>") << 0 << 0;
}

void TestPasteboardUrls::webUrlListReader()
{
    QFETCH(QByteArray, xml);
    QFETCH(int, urls);
    QFETCH(int, titles);
    QMimeData data;
    data.setData(QStringLiteral("text/xml-weburlswithtitles"), xml);
    QList<QUrl> gotUrls;
    QStringList gotTitles;
    QCOMPARE(getWebURLsWithTitles(&data, gotUrls, gotTitles), urls > 0);
    QCOMPARE(gotUrls.count(), urls);
    QCOMPARE(gotTitles.count(), titles);
}

void TestPasteboardUrls::bookmarkDictionaries()
{
    QMimeData data;
    QList<QUrl> urls{QUrl(QStringLiteral("http://a.example")), QUrl(QStringLiteral("http://b.example"))};
    QStringList titles{QStringLiteral("A")};
    setBookmarkDictionaryList(&data, urls, titles);
    QXmlStreamReader reader(data.data(QStringLiteral("text/xml-bookmarkdictionarylist")));
    QStringList strings;
    while (!reader.atEnd()) {
        if (reader.readNext() == QXmlStreamReader::StartElement && reader.name() == QLatin1String("string"))
            strings << reader.readElementText();
    }
    QVERIFY(!reader.hasError());
    QCOMPARE(strings.count(), 8);
    QCOMPARE(
        strings.mid(0, 3),
        (QStringList{QStringLiteral("A"), QStringLiteral("http://a.example"), QStringLiteral("WebBookmarkTypeLeaf")}));
    QCOMPARE(
        strings.mid(4, 3),
        (QStringList{QStringLiteral(""), QStringLiteral("http://b.example"), QStringLiteral("WebBookmarkTypeLeaf")}));
    const QRegularExpression uuid(QStringLiteral("^[0-9A-F]{8}-[0-9A-F]{4}-[0-9A-F]{4}-[0-9A-F]{4}-[0-9A-F]{12}$"));
    QVERIFY(uuid.match(strings[3]).hasMatch());
    QVERIFY(uuid.match(strings[7]).hasMatch());
    QVERIFY(strings[3] != strings[7]);
}

void TestPasteboardUrls::byteConversions()
{
    QCOMPARE(lineMimeToItems("a\nb").count(), 2);
    QCOMPARE(lineMimeToItems("a\nb\n"), (QList<QByteArray>{"a", "b", ""}));
    QCOMPARE(urlItemsToMime({"http://example.com/a b", "file:///tmp"}),
             QByteArray("http://example.com/a%20b\nfile:///tmp\n"));
    QCOMPARE(urlNameItemsToMime({"one", "two"}), QByteArray("one\ntwo\n"));
    QCOMPARE(joinedItemsToMime({"<a", "/>"}), QByteArray("<a/>"));
    QCOMPARE(mimeToSingleItem("<a/>"), QList<QByteArray>{"<a/>"});
}

void TestPasteboardUrls::mozUrlDecoding_data()
{
    QTest::addColumn<QByteArray>("bytes");
    const QString text = QStringLiteral("http://example.com\nTitel ä");
    QByteArray little;
    QByteArray big;
    for (const QChar c : text) {
        little.append(char(c.unicode() & 0xff)).append(char(c.unicode() >> 8));
        big.append(char(c.unicode() >> 8)).append(char(c.unicode() & 0xff));
    }
    QTest::newRow("little endian") << little;
    QTest::newRow("big endian") << big;
    QTest::newRow("mark, little endian") << QByteArray("\xff\xfe", 2) + little;
    QTest::newRow("mark, big endian") << QByteArray("\xfe\xff", 2) + big;
    QTest::newRow("utf-8") << text.toUtf8();
    QTest::newRow("trailing zero") << little + QByteArray(2, '\0');
}

void TestPasteboardUrls::mozUrlDecoding()
{
    QFETCH(QByteArray, bytes);
    QCOMPARE(decodeMozUrl(bytes), QStringLiteral("http://example.com\nTitel ä"));
}

void TestPasteboardUrls::linksFromAnySource_data()
{
    QTest::addColumn<QString>("format");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QList<QUrl>>("urls");
    QTest::addColumn<QStringList>("names");
    const QUrl a(QStringLiteral("https://example.com/a"));
    const QUrl b(QStringLiteral("https://example.com/b"));
    const QUrl folder = QUrl::fromLocalFile(QDir::tempPath());
    QTest::newRow("text/url with names") << "text/url" << QByteArray("https://example.com/a\nhttps://example.com/b\n")
                                         << QList<QUrl>{a, b}
                                         << QStringList{QStringLiteral("Name a"), QStringLiteral("")};
    QTest::newRow("uri list") << "text/uri-list" << QByteArray("https://example.com/a\r\n") << QList<QUrl>{a}
                              << QStringList{QStringLiteral("Name a")};
    QTest::newRow("netscape") << "_NETSCAPE_URL" << QByteArray("https://example.com/a\nPage A") << QList<QUrl>{a}
                              << QStringList{QStringLiteral("Page A")};
    QTest::newRow("plain text urls") << "text/plain" << QByteArray(" https://example.com/a \n\nhttps://example.com/b")
                                     << QList<QUrl>{a, b} << QStringList{QStringLiteral(""), QStringLiteral("")};
    QTest::newRow("plain text host") << "text/plain" << QByteArray("www.example.com")
                                     << QList<QUrl>{QUrl(QStringLiteral("http://www.example.com"))}
                                     << QStringList{QStringLiteral("")};
    QTest::newRow("plain text folder") << "text/plain" << QDir::tempPath().toUtf8() << QList<QUrl>{folder}
                                       << QStringList{QStringLiteral("")};
    QTest::newRow("plain prose") << "text/plain" << QByteArray("see https://example.com/a") << QList<QUrl>{}
                                 << QStringList{};
    QTest::newRow("plain word") << "text/plain" << QByteArray("example.com") << QList<QUrl>{} << QStringList{};
    QTest::newRow("missing path") << "text/plain" << QByteArray("/no/such/path") << QList<QUrl>{} << QStringList{};
    // What a text says is never run: a program it names is no link.
    QTest::newRow("plain text program") << "text/plain" << QByteArray("/bin/sh") << QList<QUrl>{} << QStringList{};
    QTest::newRow("plain text program url") << "text/plain" << QByteArray("file:///bin/sh") << QList<QUrl>{}
                                            << QStringList{};
}

void TestPasteboardUrls::linksFromAnySource()
{
    QFETCH(QString, format);
    QFETCH(QByteArray, bytes);
    QFETCH(QList<QUrl>, urls);
    QFETCH(QStringList, names);
    QMimeData data;
    data.setData(format, bytes);
    data.setData(QStringLiteral("text/url-name"), QByteArray("Name a"));
    QList<QUrl> gotUrls;
    QStringList gotNames;
    QCOMPARE(getUrlsWithNames(&data, gotUrls, gotNames), !urls.isEmpty());
    QCOMPARE(gotUrls, urls);
    QCOMPARE(gotNames, names);
    QCOMPARE(hasUrlData(&data), !urls.isEmpty());
}

void TestPasteboardUrls::outgoingLinksCarryX11Formats()
{
    QMimeData data;
    QList<QUrl> urls{QUrl(QStringLiteral("https://example.com/a b")), QUrl::fromLocalFile(QStringLiteral("/tmp/x y"))};
    QStringList titles{QStringLiteral("Seite A")};
    setWebURLsWithTitles(&data, urls, titles);
    QCOMPARE(data.urls(), urls);
    QCOMPARE(data.text(), QStringLiteral("https://example.com/a b\n/tmp/x y"));
    QCOMPARE(decodeMozUrl(data.data(QStringLiteral("text/x-moz-url"))),
             QStringLiteral("https://example.com/a%20b\nSeite A\nfile:///tmp/x%20y\n"));
    // Our own reader prefers the titled list and pairs the titles it has.
    QList<QUrl> gotUrls;
    QStringList gotNames;
    QVERIFY(getUrlsWithNames(&data, gotUrls, gotNames));
    QCOMPARE(gotUrls, urls);
    QCOMPARE(gotNames, (QStringList{QStringLiteral("Seite A"), QStringLiteral("")}));
    // Without the program's own formats, the browser format still gives the title.
    QMimeData x11;
    x11.setData(QStringLiteral("text/x-moz-url"), data.data(QStringLiteral("text/x-moz-url")));
    QVERIFY(getUrlsWithNames(&x11, gotUrls, gotNames));
    QCOMPARE(gotUrls, urls);
    QCOMPARE(gotNames, (QStringList{QStringLiteral("Seite A"), QStringLiteral("")}));
}

void TestPasteboardUrls::linksToProgramsAreLeftOut_data()
{
    QTest::addColumn<QString>("format");
    QTest::addColumn<bool>("withWebLink");
    QTest::addColumn<bool>("fileKept");
    for (const char* format : {"text/url", "text/x-moz-url", "_NETSCAPE_URL",
                               "text/xml-weburlswithtitles", "text/plain"}) {
        QTest::addRow("%s", format) << format << false << false;
        QTest::addRow("%s, beside a web link", format) << format << true << false;
    }
    // A file manager's list of files: a program among them is one the user adds.
    QTest::newRow("text/uri-list") << "text/uri-list" << false << true;
}

// A link format names addresses: a link to a desktop entry is left out, and no other format
// of the same data brings it in after all.
void TestPasteboardUrls::linksToProgramsAreLeftOut()
{
    QFETCH(QString, format);
    QFETCH(bool, withWebLink);
    QFETCH(bool, fileKept);
    const QString path = TestEnvironment::instance()->root() + QStringLiteral("/fetched.desktop");
    QFile entry(path);
    QVERIFY(entry.open(QIODevice::WriteOnly));
    entry.write("[Desktop Entry]\nType=Application\nExec=touch ran\n");
    entry.close();
    const QUrl program = QUrl::fromLocalFile(path);
    const QUrl web(QStringLiteral("https://example.com/a"));
    QList<QUrl> links{program};
    QStringList titles{QStringLiteral("Fetched")};
    if (withWebLink) {
        links << web;
        titles << QStringLiteral("Page");
    }
    QString lines;
    for (int i = 0; i < links.size(); ++i)
        lines += links.at(i).toString() + QLatin1Char('\n') + titles.at(i) + QLatin1Char('\n');

    QMimeData data;
    if (format == QLatin1String("text/xml-weburlswithtitles"))
        setWebURLsWithTitles(&data, links, titles);
    else if (format == QLatin1String("text/x-moz-url"))
        data.setData(format, utf16(lines));
    else if (format == QLatin1String("_NETSCAPE_URL"))
        data.setData(format, lines.toUtf8());
    else if (format == QLatin1String("text/plain"))
        data.setText(QUrl::toStringList(links).join(QLatin1Char('\n')));
    else
        data.setData(format, QUrl::toStringList(links).join(QLatin1Char('\n')).toUtf8());
    // A browser gives its link format beside a URI list of the same links.
    if (format != QLatin1String("text/plain") && !data.hasUrls())
        data.setUrls(links);
    QList<QUrl> gotUrls;
    QStringList gotNames;
    // Plain text is links only when every line is one.
    const bool webKept = withWebLink && format != QLatin1String("text/plain");
    const QList<QUrl> expected = fileKept ? QList<QUrl>{program} : webKept ? QList<QUrl>{web} : QList<QUrl>{};
    QCOMPARE(getUrlsWithNames(&data, gotUrls, gotNames), !expected.isEmpty());
    QCOMPARE(gotUrls, expected);
}

VORENDA_TEST_MAIN(TestPasteboardUrls)
#include "tst_pasteboardurls.moc"
