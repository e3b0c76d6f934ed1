#include "TestEnvironment.h"

#include "BinaryPropertyList.h"
#include "WebLocationFile.h"
#include "WeblocParser.h"

#include <QtEndian>

#include <sys/stat.h>

namespace {

QByteArray bigEndian(quint64 value, int size)
{
    QByteArray bytes;
    for (int i = size - 1; i >= 0; --i)
        bytes += char((value >> (8 * i)) & 0xFF);
    return bytes;
}

void patch(QByteArray& bytes, int at, quint32 value, int size)
{
    bytes.replace(at, size, bigEndian(value, size));
}

// Where the parts of the AppleDouble file made by appleDouble() lie.
constexpr int FORK_ENTRY = 26 + 12; // the second entry: the resource fork
constexpr int FORK_AT = 26 + 2 * 12 + 32; // after the header and the Finder info
constexpr int DATA_AT = FORK_AT + 256;

// A resource fork with one resource of each given type, laid out as the classic Mac
// resource manager writes it: header, 240 bytes reserved, data, map.
QByteArray resourceFork(const QList<QPair<QByteArray, QByteArray>>& resources)
{
    QByteArray data;
    QList<int> offsets;
    for (const auto& resource : resources) {
        offsets << data.size();
        data += bigEndian(quint32(resource.second.size()), 4) + resource.second;
    }
    const int types = resources.size();
    QByteArray typeList = bigEndian(quint32(types - 1), 2);
    QByteArray references;
    for (int i = 0; i < types; ++i) {
        typeList += resources.at(i).first + bigEndian(0, 2) + bigEndian(quint32(2 + 8 * types + 12 * i), 2);
        references += bigEndian(quint32(128 + i), 2) + bigEndian(0xFFFF, 2) + QByteArray(1, '\0')
            + bigEndian(quint32(offsets.at(i)), 3) + bigEndian(0, 4);
    }
    QByteArray map = QByteArray(16 + 4 + 2 + 2, '\0') + bigEndian(28, 2);
    map += bigEndian(quint32(28 + typeList.size() + references.size()), 2) + typeList + references;
    QByteArray fork = bigEndian(256, 4) + bigEndian(quint32(256 + data.size()), 4)
        + bigEndian(quint32(data.size()), 4) + bigEndian(quint32(map.size()), 4);
    fork += QByteArray(256 - 16, '\0') + data + map;
    return fork;
}

QByteArray appleDouble(const QByteArray& fork, quint32 magic = 0x00051607)
{
    QByteArray file = bigEndian(magic, 4) + bigEndian(0x00020000, 4) + QByteArray(16, '\0') + bigEndian(2, 2);
    file += bigEndian(9, 4) + bigEndian(quint32(FORK_AT - 32), 4) + bigEndian(32, 4);
    file += bigEndian(2, 4) + bigEndian(quint32(FORK_AT), 4) + bigEndian(quint32(fork.size()), 4);
    file += QByteArray(32, '\0') + fork;
    return file;
}

QByteArray weblocFork()
{
    return appleDouble(resourceFork({{"TEXT", "http://text.example/"},
                                     {"url ", "https://old.example/path?q=1"},
                                     {"urln", "Caf\xC3\xA9 Menu"}}));
}

QByteArray xmlPlist(const QByteArray& url)
{
    return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
           "<!DOCTYPE plist PUBLIC \"-//Apple//DTD PLIST 1.0//EN\" "
           "\"http://www.apple.com/DTDs/PropertyList-1.0.dtd\">\n"
           "<plist version=\"1.0\">\n<dict>\n\t<key>URL</key>\n\t<string>"
        + url + "</string>\n</dict>\n</plist>\n";
}

// A binary property list of `depth` arrays, each holding `fanout` references to the
// next: deep ones exhaust a recursive reader, wide ones expand exponentially when each
// reference is copied.
QByteArray binaryArrays(int depth, int fanout)
{
    QByteArray objects;
    QByteArray offsets;
    for (int i = 0; i < depth; ++i) {
        offsets += bigEndian(quint32(8 + objects.size()), 4);
        const bool last = i == depth - 1;
        objects += char(0xA0 | (last ? 0 : fanout));
        for (int j = 0; !last && j < fanout; ++j)
            objects += bigEndian(quint32(i + 1), 4);
    }
    const quint32 table = quint32(8 + objects.size());
    return "bplist00" + objects + offsets + QByteArray(6, '\0') + char(4) + char(4) + bigEndian(0, 4)
        + bigEndian(quint32(depth), 4) + bigEndian(0, 8) + bigEndian(0, 4) + bigEndian(table, 4);
}

} // namespace

// Web-location files of every form are read in process, one at a time, and whatever a
// file holds, the reader neither blocks, nor reads out of bounds, nor stops the queue.
class TestWeblocParser : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void readsEveryForm_data();
    void readsEveryForm();
    void hostileFilesGiveNoAddress_data();
    void hostileFilesGiveNoAddress();
    void unreadableFilesAreSkipped();
    void filesAreReadInTheOrderAsked();
    void abortForgetsTheQueue();
    void receiverMayAbortOrDeleteTheParser();

private:
    QString write(const QString& name, const QByteArray& contents);
    WeblocParser::Data* record(const QString& path, QObject* item = nullptr);
    // Runs the parser over `paths`; returns "url|name" per parsed record, in order.
    QStringList parse(const QStringList& paths);

    QTemporaryDir dir;
};

void TestWeblocParser::initTestCase()
{
    QVERIFY(dir.isValid());
}

QString TestWeblocParser::write(const QString& name, const QByteArray& contents)
{
    QFile file(dir.filePath(name));
    if (!file.open(QIODevice::WriteOnly) || file.write(contents) != contents.size())
        qWarning("cannot write %s", qPrintable(name));
    return file.fileName();
}

WeblocParser::Data* TestWeblocParser::record(const QString& path, QObject* item)
{
    auto* data = new WeblocParser::Data;
    data->filePath = path;
    data->item = item;
    return data;
}

QStringList TestWeblocParser::parse(const QStringList& paths)
{
    WeblocParser parser;
    QStringList results;
    connect(&parser, &WeblocParser::parsed, this,
            [&results](WeblocParser::Data* data) { results << data->url + QLatin1Char('|') + data->name; });
    for (const QString& path : paths)
        parser.start(record(path));
    if (!QTest::qWaitFor([&parser] { return !parser.running(); }, 5000))
        qWarning("the parser did not finish");
    return results;
}

void TestWeblocParser::readsEveryForm_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("contents");
    QTest::addColumn<QByteArray>("appleDouble");
    QTest::addColumn<QString>("url");
    QTest::addColumn<QString>("title");

    const QByteArray none;
    QTest::newRow("XML property list") << "Search Page.webloc" << xmlPlist("https://www.example.org/a?b=1&amp;c=2")
                                       << none << "https://www.example.org/a?b=1&c=2" << "www.example.org";
    QTest::newRow("binary property list") << "binary.webloc" << toBinaryPropertyList(xmlPlist("https://bin.example.net/x y")) << none
                                          << "https://bin.example.net/x y" << "bin.example.net";
    QTest::newRow("key in another case, byte order mark")
        << "case.webloc" << QByteArray("\xEF\xBB\xBF<plist><dict><key>url</key><string>http://case.example/</string></dict></plist>")
        << none << "http://case.example/" << "case.example";
    QTest::newRow("resource fork beside the file") << "Old Link.webloc" << QByteArray() << weblocFork()
                                                   << "https://old.example/path?q=1" << "Caf\u00e9 Menu";
    QTest::newRow("resource fork in the file itself")
        << "single.webloc" << appleDouble(resourceFork({{"url ", QByteArray("http://single.example/\0", 23)}}), 0x00051600)
        << none << "http://single.example/" << "single.example";
    QTest::newRow("resource fork without a name")
        << "nameless.webloc" << QByteArray() << appleDouble(resourceFork({{"url ", "mailto:someone@example.com"}}))
        << "mailto:someone@example.com" << "Bookmark";
    QTest::newRow("Internet shortcut to a web page")
        << "Shop.url" << QByteArray("\r\n[InternetShortcut]\r\nIDList=\r\nURL=https://shop.example.com/cart\r\nIconIndex=0\r\n")
        << none << "https://shop.example.com/cart" << "shop.example.com";
    QTest::newRow("Internet shortcut to a local file")
        << "Notes.url" << QByteArray("[{000214A0-0000-0000-C000-000000000046}]\nProp3=19,2\n[InternetShortcut]\n"
                          "URL=file:///home/someone/Documents/notes%20today.txt\n")
        << none << "file:///home/someone/Documents/notes%20today.txt" << "Bookmark";
    QTest::newRow("desktop link") << "Wiki.desktop" << QByteArray("[Desktop Entry]\nVersion=1.0\nType=Link\nName=Team Wiki\n"
                                                       "Icon=text-html\nURL=https://wiki.example/start\n")
                                  << none << "https://wiki.example/start" << "Team Wiki";
    QTest::newRow("desktop application") << "Editor.desktop" << QByteArray("[Desktop Entry]\nType=Application\nName=Editor\n"
                                                                "Exec=editor\n")
                                         << none << "" << "Bookmark";
    QTest::newRow("property list without URL") << "empty.webloc" << xmlPlist("x").replace("URL", "Other") << none
                                               << "" << "Bookmark";
}

void TestWeblocParser::readsEveryForm()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, contents);
    QFETCH(QByteArray, appleDouble);
    QFETCH(QString, url);
    QFETCH(QString, title);
    const QString path = write(name, contents);
    if (!appleDouble.isEmpty())
        write(QStringLiteral("._") + name, appleDouble);

    QObject item;
    QObject gone;
    WeblocParser parser;
    QList<QPair<WeblocParser::Data, bool>> results;
    connect(&parser, &WeblocParser::parsed, this,
            [&results](WeblocParser::Data* data) { results.append({*data, data->item.isNull()}); });
    parser.start(record(path, &item));
    QVERIFY(parser.running());
    QVERIFY(results.isEmpty()); // read on a later turn, not inside start()
    QTRY_VERIFY(!parser.running());
    QCOMPARE(results.size(), 1);
    QCOMPARE(results.at(0).first.filePath, path);
    QCOMPARE(results.at(0).first.url, url);
    QCOMPARE(results.at(0).first.name, title);
    QCOMPARE(results.at(0).first.item.data(), &item);
}

void TestWeblocParser::hostileFilesGiveNoAddress_data()
{
    QTest::addColumn<QByteArray>("contents");
    QTest::addColumn<QByteArray>("companion");

    const QByteArray good = weblocFork();
    QByteArray forkPastEnd = good;
    patch(forkPastEnd, FORK_ENTRY + 8, quint32(good.size()), 4); // length runs past the end
    QByteArray entriesPastEnd = good;
    patch(entriesPastEnd, 24, 0xFFFF, 2);
    patch(entriesPastEnd, FORK_ENTRY, 1, 4); // the fork entry no longer counts
    QByteArray mapPastEnd = good;
    patch(mapPastEnd, FORK_AT + 4, 0xFFFFFFF0, 4);
    QByteArray dataPastEnd = good;
    patch(dataPastEnd, FORK_AT + 8, 0x7FFFFFFF, 4);
    const int mapAt = FORK_AT + int(qFromBigEndian<quint32>(good.constData() + FORK_AT + 4));
    QByteArray typeListPastMap = good;
    patch(typeListPastMap, mapAt + 24, 0xFFF0, 2);
    QByteArray typesPastMap = good;
    patch(typesPastMap, mapAt + 28, 0xFFFE, 2); // 65535 types, three there, none of them wanted
    typesPastMap.replace("url ", "xxxx").replace("urln", "yyyy");
    QByteArray referencePastMap = good;
    patch(referencePastMap, mapAt + 28 + 2 + 8 + 6, 0xFFF0, 2); // the 'url ' type's list
    QByteArray resourceOffsetPastData = good;
    patch(resourceOffsetPastData, mapAt + 28 + 2 + 3 * 8 + 12 + 5, 0xFFFFF0, 3);
    QByteArray resourceLengthPastData = good;
    const int urlResource = DATA_AT + 4 + int(qstrlen("http://text.example/"));
    patch(resourceLengthPastData, urlResource, 0xFFFFFFF0, 4);

    QTest::newRow("truncated fork") << QByteArray() << good.left(good.size() - 40);
    QTest::newRow("truncated header") << QByteArray() << good.left(30);
    QTest::newRow("fork entry past the end") << QByteArray() << forkPastEnd;
    QTest::newRow("more entries than the file holds") << QByteArray() << entriesPastEnd;
    QTest::newRow("map past the end") << QByteArray() << mapPastEnd;
    QTest::newRow("data past the end") << QByteArray() << dataPastEnd;
    QTest::newRow("type list past the map") << QByteArray() << typeListPastMap;
    QTest::newRow("more types than the map holds") << QByteArray() << typesPastMap;
    QTest::newRow("reference list past the map") << QByteArray() << referencePastMap;
    QTest::newRow("resource offset past the data") << QByteArray() << resourceOffsetPastData;
    QTest::newRow("resource length past the data") << QByteArray() << resourceLengthPastData;
    QTest::newRow("not an AppleDouble file") << QByteArray() << QByteArray("plain text, nothing more");
    QTest::newRow("deep binary property list") << binaryArrays(200000, 1) << QByteArray();
    QTest::newRow("exponential binary property list") << binaryArrays(64, 2) << QByteArray();
    QByteArray cycle = binaryArrays(2, 1);
    patch(cycle, 9, 0, 4); // the top array holds itself
    QTest::newRow("self-containing binary property list") << cycle << QByteArray();
    // libplist aborts on a NUL inside a string, so such a file must never reach it.
    QTest::newRow("NUL in a binary string") << toBinaryPropertyList(xmlPlist("https://nul.example/"))
                                                   .replace(QByteArray("nul"), QByteArray("n\0l", 3))
                                            << QByteArray();
    QTest::newRow("NUL in a binary UTF-16 string")
        << toBinaryPropertyList(xmlPlist("https://n\xC3\xBCl.example/")).replace(QByteArray("\0\xFC", 2), QByteArray(2, '\0'))
        << QByteArray();
    QTest::newRow("damaged XML") << QByteArray("<plist><dict><key>URL</key><string>http://x") << QByteArray();
    QTest::newRow("binary garbage") << QByteArray("bplist00\xFF\xFF\xFF", 11) << QByteArray();
}

void TestWeblocParser::hostileFilesGiveNoAddress()
{
    QFETCH(QByteArray, contents);
    QFETCH(QByteArray, companion);
    const QString path = write(QStringLiteral("hostile.webloc"), contents);
    QFile::remove(WebLocationFile::appleDoublePath(path));
    if (!companion.isEmpty())
        write(QStringLiteral("._hostile.webloc"), companion);
    // The file was read: it is reported, without an address.
    const QStringList results = parse({path});
    QCOMPARE(results.size(), 1);
    QVERIFY2(results.at(0).startsWith(QLatin1Char('|')), qPrintable(results.at(0)));
}

void TestWeblocParser::unreadableFilesAreSkipped()
{
    const QString before = write(QStringLiteral("before.url"), "[InternetShortcut]\nURL=http://before.example/\n");
    const QString after = write(QStringLiteral("after.url"), "[InternetShortcut]\nURL=http://after.example/\n");
    const QString fifo = dir.filePath(QStringLiteral("pipe.webloc"));
    QCOMPARE(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    QFile huge(dir.filePath(QStringLiteral("huge.webloc")));
    QVERIFY(huge.open(QIODevice::WriteOnly));
    QVERIFY(huge.resize(WebLocationFile::MAX_BYTES + 1)); // sparse: costs no disk
    huge.close();
    // A FIFO as companion file must not block either.
    const QString withPipe = write(QStringLiteral("piped.webloc"), QByteArray());
    QCOMPARE(::mkfifo(QFile::encodeName(WebLocationFile::appleDoublePath(withPipe)).constData(), 0600), 0);

    QCOMPARE(parse({before, fifo, huge.fileName(), dir.filePath(QStringLiteral("missing.webloc")), dir.path(), withPipe,
                    after}),
             QStringList({QStringLiteral("http://before.example/|before.example"), QStringLiteral("|Bookmark"),
                          QStringLiteral("http://after.example/|after.example")}));
}

void TestWeblocParser::filesAreReadInTheOrderAsked()
{
    QStringList paths;
    QStringList expected;
    for (int i = 0; i < 5; ++i) {
        const QString host = QStringLiteral("site%1.example").arg(i);
        paths << write(QStringLiteral("link %1.url").arg(i), "[InternetShortcut]\nURL=https://" + host.toUtf8() + "/\n");
        expected << QStringLiteral("https://") + host + QStringLiteral("/|") + host;
    }
    WeblocParser parser;
    QStringList results;
    connect(&parser, &WeblocParser::parsed, this, [&](WeblocParser::Data* data) {
        results << data->url + QLatin1Char('|') + data->name;
        // Files asked for while one is read wait their turn.
        if (results.size() == 1) {
            parser.start(nullptr);
            for (int i = 2; i < paths.size(); ++i)
                parser.start(record(paths.at(i)));
        }
    });
    parser.start(record(paths.at(0)));
    parser.start(record(paths.at(1)));
    QTRY_VERIFY(!parser.running());
    QCOMPARE(results, expected);
}

void TestWeblocParser::abortForgetsTheQueue()
{
    const QString link = write(QStringLiteral("abort.url"), "[InternetShortcut]\nURL=http://abort.example/\n");
    WeblocParser parser;
    int parsed = 0;
    connect(&parser, &WeblocParser::parsed, this, [&parsed] { ++parsed; });
    parser.abort(); // nothing queued: only the flag
    QVERIFY(parser.aborted());
    QVERIFY(!parser.running());
    for (int i = 0; i < 3; ++i)
        parser.start(record(link));
    QVERIFY(!parser.aborted());
    parser.abort();
    QVERIFY(parser.aborted());
    QVERIFY(!parser.running());
    QTest::qWait(50);
    QCOMPARE(parsed, 0);

    parser.start(record(link)); // a later start reads again
    QTRY_COMPARE(parsed, 1);
    // Queued records left at destruction are deleted (the leak checker watches).
    parser.start(record(link));
}

void TestWeblocParser::receiverMayAbortOrDeleteTheParser()
{
    const QString link = write(QStringLiteral("again.url"), "[InternetShortcut]\nURL=http://again.example/\n");
    WeblocParser parser;
    QStringList seen;
    connect(&parser, &WeblocParser::parsed, this, [&](WeblocParser::Data* data) {
        seen << data->filePath;
        if (seen.size() == 1) {
            parser.abort();
            parser.start(record(link + QStringLiteral("-missing")));
            parser.start(record(link));
            // The record stays valid until the receiver returns.
            QCOMPARE(data->url, QStringLiteral("http://again.example/"));
        }
    });
    parser.start(record(link));
    parser.start(record(link)); // dropped by the abort
    QTRY_VERIFY(!parser.running());
    QCOMPARE(seen, QStringList({link, link}));

    auto* doomed = new WeblocParser;
    bool deleted = false;
    connect(doomed, &WeblocParser::parsed, this, [&](WeblocParser::Data*) {
        delete doomed;
        deleted = true;
    });
    doomed->start(record(link));
    doomed->start(record(link));
    QTRY_VERIFY(deleted);
    QTest::qWait(20);
}

VORENDA_TEST_MAIN(TestWeblocParser)
#include "tst_weblocparser.moc"
