#include "RunningVorenda.h"
#include "StoreListing.h"
#include "TestEnvironment.h"

#include "MyThumbnailItem.h"
#include "MyThumbnailView.h"

#include <QBuffer>
#include <QDir>
#include <QMimeData>
#include <QTextStream>
#include <QXmlStreamReader>
#include <QXmlStreamWriter>

#include <csignal>
#include <sys/stat.h>

// The real program on a real X server facing input that used to stop it for good: a
// FIFO named as the picture of item data that another X client offers, and SIGTERM
// while it loads a cabinet of 100,000 items or of 100,000 categories nested in each
// other and as many beside them, pastes 20,000 links or imports 200,000
// bookmarks. Each time the program answers SIGTERM with a normal exit, saving only
// what is complete.
class TestHostileInputX11 : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();
    void fifoAsPastedPictureBlocksNothing();
    void terminationStopsALongLoad_data();
    void terminationStopsALongLoad();
    void terminationStopsALongPaste();
    void terminationStopsALongImport();
    void terminationWhilePicturesDecode();

private:
    static QByteArray fileBytes(const QString& path);
    // Well-formed XML to its end.
    static bool wellFormed(const QString& path);
    // Once the add-progress window shows (within `timeout` ms), ends the program with
    // SIGTERM and reads the store's one cabinet file, which must be whole, into `saved`.
    void terminateWhileAdding(int timeout, QList<RunningVorenda::SavedItem>& saved);

    RunningVorenda vorenda;
};

void TestHostileInputX11::initTestCase()
{
    QVERIFY2(!qEnvironmentVariableIsEmpty("DISPLAY"), "needs an X server (run under xvfb-run)");
    QVERIFY(vorenda.configure());
}

void TestHostileInputX11::cleanup()
{
    // Each test starts on an empty store, where the program makes its first cabinet.
    vorenda.resetToFirstStart();
}

QByteArray TestHostileInputX11::fileBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool TestHostileInputX11::wellFormed(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    QXmlStreamReader xml(&file);
    while (!xml.atEnd())
        xml.readNext();
    return !xml.hasError();
}

void TestHostileInputX11::terminateWhileAdding(int timeout, QList<RunningVorenda::SavedItem>& saved)
{
    QTRY_VERIFY_WITH_TIMEOUT(!RunningVorenda::visibleWindows(QStringLiteral("^Adding items to Vorenda$")).isEmpty(),
                             timeout);
    QVERIFY(vorenda.terminate(30000));
    const QStringList files =
        QDir(vorenda.store() + QStringLiteral("Data")).entryList({QStringLiteral("*.dat")}, QDir::Files);
    QCOMPARE(files.size(), 1);
    QVERIFY(wellFormed(vorenda.store() + QStringLiteral("Data/") + files.first()));
    saved = vorenda.savedItems();
}

void TestHostileInputX11::fifoAsPastedPictureBlocksNothing()
{
    const QString fifo = TestEnvironment::instance()->root() + QStringLiteral("/picture.png");
    QCOMPARE(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    const QString target = TestEnvironment::instance()->root() + QStringLiteral("/notes.txt");
    QFile notes(target);
    QVERIFY(notes.open(QIODevice::WriteOnly));
    notes.close();

    // Item data as a cabinet copies it, with the FIFO as its picture, offered by xclip.
    QByteArray body;
    {
        MyThumbnailView source;
        auto* item = new MyThumbnailItem;
        item->properties.name = QStringLiteral("Pasted");
        item->properties.target = target;
        item->properties.thumbnail = fifo;
        QVERIFY(source.addItem(item, false));
        std::unique_ptr<QMimeData> data(source.getClipboardMimeData({item}, false));
        body = data->data(AbstractThumbnailView::clipboardMimeType());
    }
    QVERIFY(!body.isEmpty());

    QVERIFY(vorenda.start());
    const QString cabinet = vorenda.waitForCabinet();
    QVERIFY(!cabinet.isEmpty());
    QVERIFY(vorenda.holdOnClipboard(body, AbstractThumbnailView::clipboardMimeType()));
    QVERIFY(RunningVorenda::pasteInto(cabinet));

    // The paste returns: the item is made, with its icon, and saved a moment later.
    const auto pasted = [this, &target] {
        for (const RunningVorenda::SavedItem& item : vorenda.savedItems()) {
            if (item.target == target)
                return true;
        }
        return false;
    };
    QTRY_VERIFY_WITH_TIMEOUT(pasted(), 30000);
    QVERIFY(vorenda.terminate(30000));
    QVERIFY(pasted());
}

void TestHostileInputX11::terminationStopsALongLoad_data()
{
    QTest::addColumn<bool>("categories");
    QTest::newRow("items") << false;
    QTest::newRow("nested and side-by-side categories") << true;
}

void TestHostileInputX11::terminationStopsALongLoad()
{
    QFETCH(bool, categories);
    const QString id = QStringLiteral("00112233445566778899aabbccddeeff");
    QVERIFY(writeStoreListing(vorenda.store(), id));
    {
        QFile data(vorenda.dataFile(id));
        QVERIFY(data.open(QIODevice::WriteOnly));
        QXmlStreamWriter xml(&data);
        xml.writeStartDocument();
        xml.writeDTD(QStringLiteral("<!DOCTYPE Vorenda-CabinetData>"));
        xml.writeStartElement(QStringLiteral("Root"));
        if (!categories) {
            xml.writeStartElement(QStringLiteral("Uncategorized"));
            for (int i = 0; i < 100000; ++i) {
                xml.writeStartElement(QStringLiteral("Item"));
                xml.writeAttribute(QStringLiteral("name"), QStringLiteral("item %1").arg(i));
                xml.writeTextElement(QStringLiteral("target"), QStringLiteral("/srv/files/document-%1.txt").arg(i));
                xml.writeEndElement();
            }
        } else {
            // Far deeper than a cabinet keeps: a whole load would keep the file aside.
            const int count = 100000;
            for (int i = 0; i < 2 * count; ++i) {
                xml.writeStartElement(QStringLiteral("Category"));
                xml.writeAttribute(QStringLiteral("name"), QStringLiteral("Category %1").arg(i));
                xml.writeEmptyElement(QStringLiteral("Item"));
                xml.writeAttribute(QStringLiteral("name"), QStringLiteral("note %1").arg(i));
                if (i == count - 1) {
                    for (int open = 0; open < count; ++open)
                        xml.writeEndElement();
                } else if (i >= count) {
                    xml.writeEndElement();
                }
            }
        }
        xml.writeEndDocument();
    }
    const QByteArray cabinetBefore = fileBytes(vorenda.dataFile(id));

    // SIGTERM while the cabinet is being read: the program ends at once and leaves the
    // cabinet's file as it was, rather than writing a cabinet it read only in part.
    QVERIFY(vorenda.start());
    QTest::qWait(1000);
    QVERIFY(vorenda.terminate(30000));
    QCOMPARE(fileBytes(vorenda.dataFile(id)), cabinetBefore);
    QCOMPARE(vorenda.listedIds(), QStringList{id});
    QVERIFY(QDir(vorenda.store() + QStringLiteral("Data")).entryList({QStringLiteral("*.damaged-*")}).isEmpty());
}

void TestHostileInputX11::terminationStopsALongPaste()
{
    QVERIFY(vorenda.start());
    const QString cabinet = vorenda.waitForCabinet();
    QVERIFY(!cabinet.isEmpty());
    QList<QUrl> links;
    for (int i = 0; i < 20000; ++i)
        links << QUrl(QStringLiteral("https://example.org/pasted/%1.html").arg(i));
    QVERIFY(vorenda.holdOnClipboard(links));
    QVERIFY(RunningVorenda::pasteInto(cabinet));

    // The add-progress window shows the paste going on; SIGTERM ends the program
    // meanwhile, with the items made so far saved whole.
    QList<RunningVorenda::SavedItem> saved;
    terminateWhileAdding(30000, saved);
    if (QTest::currentTestFailed())
        return;
    QVERIFY(!saved.isEmpty());
    QVERIFY(saved.size() <= links.size());
    for (int i = 0; i < saved.size(); ++i)
        QCOMPARE(saved.at(i).target, links.at(i).toString());
}

void TestHostileInputX11::terminationStopsALongImport()
{
    // A Chromium profile of 200,000 bookmarks in folders of 1,000.
    const QString profile = qEnvironmentVariable("XDG_CONFIG_HOME") + QStringLiteral("/chromium/Default");
    QVERIFY(QDir().mkpath(profile));
    {
        QFile bookmarks(profile + QStringLiteral("/Bookmarks"));
        QVERIFY(bookmarks.open(QIODevice::WriteOnly));
        QTextStream json(&bookmarks);
        json << R"({"roots": {"bookmark_bar": {"type": "folder", "children": [)";
        for (int i = 0; i < 200000; ++i) {
            if (i % 1000 == 0)
                json << (i ? "]}, " : "") << R"({"type": "folder", "name": "Folder )" << i / 1000
                     << R"(", "children": [)";
            else
                json << ", ";
            json << R"({"type": "url", "name": "Link )" << i << R"(", "url": "https://example.org/)" << i << R"("})";
        }
        json << "]}]}}}";
    }
    QVERIFY(vorenda.start());
    const QString cabinet = vorenda.waitForCabinet();
    QVERIFY(!cabinet.isEmpty());
    QVERIFY(RunningVorenda::dismissFirstRunWindows());
    QVERIFY(RunningVorenda::importBookmarks(cabinet));

    // The add-progress window shows the import going on; SIGTERM ends the program
    // meanwhile, with the bookmarks made into items so far saved whole.
    QList<RunningVorenda::SavedItem> saved;
    terminateWhileAdding(60000, saved);
    QDir(QFileInfo(profile).absolutePath()).removeRecursively();
    if (QTest::currentTestFailed())
        return;
    QVERIFY(!saved.isEmpty());
    QVERIFY(saved.size() < 200000);
    for (int i = 0; i < saved.size(); ++i) {
        QCOMPARE(saved.at(i).name, QStringLiteral("Link %1").arg(i));
        QCOMPARE(saved.at(i).target, QStringLiteral("https://example.org/%1").arg(i));
        QCOMPARE(saved.at(i).category, QStringLiteral("Folder %1").arg(i / 1000));
    }
}

void TestHostileInputX11::terminationWhilePicturesDecode()
{
    // A cabinet shows at once and decodes its cached pictures on worker threads; a
    // SIGTERM meanwhile must not leave them decoding while the process ends.
    const QString id = QStringLiteral("ffeeddccbbaa99887766554433221100");
    QVERIFY(writeStoreListing(vorenda.store(), id));
    QVERIFY(QDir().mkpath(vorenda.store() + QStringLiteral("Cache")));
    QImage picture(256, 192, QImage::Format_RGB32);
    for (int y = 0; y < picture.height(); ++y) {
        for (int x = 0; x < picture.width(); ++x)
            picture.setPixel(x, y, qRgb(x, y, (x * y) & 0xFF));
    }
    QByteArray png;
    {
        QBuffer buffer(&png);
        QVERIFY(buffer.open(QIODevice::WriteOnly) && picture.save(&buffer, "PNG"));
    }
    QFile data(vorenda.dataFile(id));
    QVERIFY(data.open(QIODevice::WriteOnly));
    QXmlStreamWriter xml(&data);
    xml.writeStartDocument();
    xml.writeDTD(QStringLiteral("<!DOCTYPE Vorenda-CabinetData>"));
    xml.writeStartElement(QStringLiteral("Root"));
    xml.writeStartElement(QStringLiteral("Uncategorized"));
    for (int i = 0; i < 3000; ++i) {
        const QString target = QStringLiteral("/srv/pictures/picture-%1.jpg").arg(i);
        QFile cached(vorenda.thumbnailPath(target));
        QVERIFY(cached.open(QIODevice::WriteOnly) && cached.write(png) == png.size());
        xml.writeStartElement(QStringLiteral("Item"));
        xml.writeAttribute(QStringLiteral("name"), QStringLiteral("picture %1").arg(i));
        xml.writeAttribute(QStringLiteral("type"), QStringLiteral("1"));
        xml.writeTextElement(QStringLiteral("target"), target);
        xml.writeTextElement(QStringLiteral("thumbnail"), QFileInfo(cached.fileName()).fileName());
        xml.writeEndElement();
    }
    xml.writeEndDocument();
    data.close();

    // Shown on the hotkey once it is loaded, with its pictures still coming.
    QVERIFY(vorenda.start());
    QVERIFY(RunningVorenda::showCabinetByHotkey());
    QVERIFY(vorenda.terminate(30000));
    QCOMPARE(vorenda.savedItems().size(), 3000);
}

VORENDA_TEST_MAIN(TestHostileInputX11)
#include "tst_hostileinput_x11.moc"
