#include "TestEnvironment.h"

#include "CabinetTestFixtures.h"
#include "PasteboardUrls.h"
#include "ShelfPaste.h"

#include <QAction>
#include <QClipboard>
#include <QMimeData>
#include <QTemporaryDir>

// Items leaving a cabinet carry what other programs read; the clipboard of other
// programs is read with bounds and never replaced by a paste.
class TestItemMimeData : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void outsideFormats_data();
    void outsideFormats();
    void copyCarriesTheLinks();
    void pasteFollowsTheClipboard();
    void oversizedDataIsNotRead();

private:
    QTemporaryDir files;
};

void TestItemMimeData::initTestCase()
{
    TestEnvironment::instance()->initializeGlobals();
    VorendaGlobal::load();
    QFile file(files.filePath(QStringLiteral("notes.txt")));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.close();
    QVERIFY(QFile::link(files.filePath(QStringLiteral("notes.txt")), files.filePath(QStringLiteral("link.txt"))));
}

void TestItemMimeData::outsideFormats_data()
{
    QTest::addColumn<QStringList>("names");
    QTest::addColumn<QStringList>("targets");
    QTest::addColumn<QString>("textUrl");
    QTest::addColumn<QString>("textUrlName");
    QTest::addColumn<QStringList>("uriList");
    QTest::addColumn<QString>("plainText");
    QTest::addColumn<bool>("browserList");

    const QString notes = files.filePath(QStringLiteral("notes.txt"));
    const QString notesUrl = QUrl::fromLocalFile(notes).toString();
    QTest::newRow("web item") << QStringList{QStringLiteral("News")}
                              << QStringList{QStringLiteral("https://example.org/news?a=b c")}
                              << "https://example.org/news?a=b%20c\n"
                              << "News\n"
                              << QStringList{QStringLiteral("https://example.org/news?a=b%20c")}
                              << "https://example.org/news?a=b c" << true;
    QTest::newRow("unnamed web item is titled with its host")
        << QStringList{QString()} << QStringList{QStringLiteral("https://example.org/")} << "https://example.org/\n"
        << "example.org\n"
        << QStringList{QStringLiteral("https://example.org/")} << "https://example.org/" << true;
    QTest::newRow("two web items") << QStringList{QStringLiteral("A"), QStringLiteral("B")}
                                   << QStringList{QStringLiteral("http://a.example/"),
                                                  QStringLiteral("http://b.example/")}
                                   << "http://a.example/\nhttp://b.example/\n"
                                   << "A\nB\n"
                                   << QStringList{QStringLiteral("http://a.example/"),
                                                  QStringLiteral("http://b.example/")}
                                   << "http://a.example/\nhttp://b.example/" << true;
    QTest::newRow("file item") << QStringList{QStringLiteral("Notes")} << QStringList{notes} << QString() << QString()
                               << QStringList{notesUrl} << QString() << false;
    QTest::newRow("symbolic link gives its target")
        << QStringList{QStringLiteral("Link")} << QStringList{files.filePath(QStringLiteral("link.txt"))} << QString()
        << QString() << QStringList{notesUrl} << QString() << false;
    const QString gone = files.filePath(QStringLiteral("gone.txt"));
    QTest::newRow("file that is gone") << QStringList{QStringLiteral("Gone")} << QStringList{gone}
                                       << QString::fromUtf8(QUrl(gone).toEncoded()) + QStringLiteral("\n") << "Gone\n"
                                       << QStringList() << gone << true;
}

void TestItemMimeData::outsideFormats()
{
    QFETCH(QStringList, names);
    QFETCH(QStringList, targets);
    QFETCH(QString, textUrl);
    QFETCH(QString, textUrlName);
    QFETCH(QStringList, uriList);
    QFETCH(QString, plainText);
    QFETCH(bool, browserList);
    VorendaShelf shelf;
    QList<AbstractThumbnailItem*> items;
    for (int i = 0; i < names.size(); ++i) {
        MyThumbnailItem* item = addCabinetItem(shelf, -1, names.at(i));
        item->properties.name = names.at(i);
        item->properties.target = targets.at(i);
        items << item;
    }
    items << nullptr;

    QMimeData data;
    data.setData(AbstractThumbnailView::clipboardMimeType(), "own");
    shelf.onSetMimeData(items, &data);
    shelf.onSetMimeData(items, nullptr);

    QCOMPARE(data.data(AbstractThumbnailView::clipboardMimeType()), QByteArray("own"));
    QCOMPARE(QString::fromUtf8(data.data(QLatin1String(MIME_TEXTURL))), textUrl);
    QCOMPARE(QString::fromUtf8(data.data(QLatin1String(MIME_TEXTURLNAME))), textUrlName);
    QStringList uris;
    for (const QUrl& url : data.urls())
        uris << url.toString(QUrl::FullyEncoded);
    QCOMPARE(uris, uriList);
    QCOMPARE(data.hasFormat(QStringLiteral("text/plain")), !plainText.isEmpty());
    if (!plainText.isEmpty())
        QCOMPARE(data.text(), plainText);
    QCOMPARE(data.hasFormat(QLatin1String(MIME_WEBURLSWITHTITLES)), browserList);
    // Only absolute links go to the X11 link formats.
    QCOMPARE(data.hasFormat(QLatin1String(MIME_MOZURL)), browserList && !uriList.isEmpty());
    if (browserList) {
        QList<QUrl> urls;
        QStringList titles;
        QVERIFY(getWebURLsWithTitles(&data, urls, titles));
        QCOMPARE(titles, QString(textUrlName).split(QLatin1Char('\n'), Qt::SkipEmptyParts));
    }
}

// Copying puts the links on the clipboard beside the items themselves.
void TestItemMimeData::copyCarriesTheLinks()
{
    VorendaShelf shelf;
    MyThumbnailItem* item = addCabinetItem(shelf, -1, QStringLiteral("Notes"));
    item->properties.target = files.filePath(QStringLiteral("notes.txt"));
    shelf.view->resetModel();
    shelf.view->selectAll();
    shelf.copyAction->trigger();
    const QMimeData* data = QApplication::clipboard()->mimeData();
    QVERIFY(data->hasFormat(AbstractThumbnailView::clipboardMimeType()));
    QCOMPARE(data->urls(), QList<QUrl>{QUrl::fromLocalFile(item->properties.target)});
    QVERIFY(shelf.pasteAction->isEnabled());
}

// Paste is enabled exactly while there is something to paste; the selection is not read.
void TestItemMimeData::pasteFollowsTheClipboard()
{
    VorendaShelf shelf;
    QClipboard* clipboard = QApplication::clipboard();
    clipboard->setText(QStringLiteral("hello world"));
    QVERIFY(!shelf.pasteAction->isEnabled());
    clipboard->setText(QStringLiteral("https://example.org/"));
    QVERIFY(shelf.pasteAction->isEnabled());
    clipboard->setText(QStringLiteral("two words"));
    shelf.pasteAction->setEnabled(true);
    shelf.onClipboardChanged(QClipboard::Selection);
    QVERIFY(shelf.pasteAction->isEnabled());
    shelf.onClipboardChanged(QClipboard::Clipboard);
    QVERIFY(!shelf.pasteAction->isEnabled());
}

// Data from another program that is far larger than any link is left unread.
void TestItemMimeData::oversizedDataIsNotRead()
{
    QMimeData huge;
    QByteArray list;
    while (list.size() <= 1024 * 1024)
        list += "https://example.org/" + QByteArray(100, 'a') + "\r\n";
    huge.setData(QStringLiteral("text/uri-list"), list);
    huge.setText(QString(1100 * 1024, QLatin1Char('x')));
    huge.setData(QLatin1String(MIME_TEXTURLNAME), "Name\n");
    const std::unique_ptr<QMimeData> copy = ShelfPaste::boundedCopy(&huge);
    QVERIFY(!copy->hasUrls());
    QVERIFY(!copy->hasText());
    QCOMPARE(copy->data(QLatin1String(MIME_TEXTURLNAME)), QByteArray("Name\n"));

    VorendaShelf shelf;
    auto* onClipboard = new QMimeData;
    onClipboard->setData(QStringLiteral("text/uri-list"), list);
    QApplication::clipboard()->setMimeData(onClipboard);
    shelf.onPaste();
    QVERIFY(shelf.view->getAllItems().isEmpty());
    // A text far longer than any address is no address.
    QMimeData longText;
    longText.setText(QStringLiteral("www.") + QString(70 * 1024, QLatin1Char('a')) + QStringLiteral(".org"));
    QVERIFY(!AbstractThumbnailView::canPaste(&longText));
}

VORENDA_TEST_MAIN(TestItemMimeData)
#include "tst_itemmimedata.moc"
