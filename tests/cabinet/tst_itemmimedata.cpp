#include "TestEnvironment.h"

#include "CabinetTestFixtures.h"
#include "PasteboardUrls.h"
#include "QuestionDriver.h"
#include "ShelfPaste.h"

#include <QAction>
#include <QClipboard>
#include <QMessageBox>
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
    void oversizedDataIsCut();
    void cutPasteTellsWhatWasLeftOut();

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

namespace {

// A URI list of `before` links, blank lines past the paste's bound, then `after` links.
QByteArray paddedLinkList(int before, int after)
{
    QByteArray list;
    for (int i = 0; i < before; ++i)
        list += "https://example.org/before/" + QByteArray::number(i) + "\r\n";
    const QByteArray blank = QByteArray(100, ' ') + "\r\n";
    while (list.size() <= ShelfPaste::MAX_LINK_BYTES)
        list += blank;
    for (int i = 0; i < after; ++i)
        list += "https://example.org/after/" + QByteArray::number(i) + "\r\n";
    return list;
}

// Data as another program offers it on X11: the bytes of each format as they are.
class OfferedData : public QMimeData
{
public:
    void offer(const QString& format, const QByteArray& bytes) { offered.insert(format, bytes); }
    QStringList formats() const override { return offered.keys(); }
    bool hasFormat(const QString& format) const override { return offered.contains(format); }

protected:
    QVariant retrieveData(const QString& format, QVariant::Type) const override { return offered.value(format); }

private:
    QMap<QString, QByteArray> offered;
};

} // namespace

// Data from another program beyond the bounds: a list of links keeps its whole lines
// within the bound and counts the links cut off; what cannot be cut is left unread.
void TestItemMimeData::oversizedDataIsCut()
{
    OfferedData huge;
    huge.offer(QStringLiteral("text/uri-list"), paddedLinkList(2, 3));
    huge.offer(QStringLiteral("text/plain"), QByteArray(ShelfPaste::MAX_LINK_BYTES + 10, 'x'));
    huge.offer(QLatin1String(MIME_MOZURL), QByteArray(ShelfPaste::MAX_LINK_BYTES + 10, 'm'));
    huge.offer(QLatin1String(MIME_TEXTURLNAME), "Name\n");
    int leftOut = -1;
    const std::unique_ptr<QMimeData> copy = ShelfPaste::boundedCopy(&huge, &leftOut);
    QCOMPARE(leftOut, 3);
    QCOMPARE(copy->urls(), (QList<QUrl>{QUrl(QStringLiteral("https://example.org/before/0")),
                                        QUrl(QStringLiteral("https://example.org/before/1"))}));
    QVERIFY(!copy->hasFormat(QStringLiteral("text/plain")));
    QVERIFY(!copy->hasFormat(QLatin1String(MIME_MOZURL)));
    QCOMPARE(copy->data(QLatin1String(MIME_TEXTURLNAME)), QByteArray("Name\n"));

    // More links than a paste takes: the first ones, with their names.
    QMimeData many;
    QList<QUrl> urls;
    QStringList titles;
    for (int i = 0; i < 5; ++i) {
        urls << QUrl(QStringLiteral("https://example.org/%1").arg(i));
        titles << QStringLiteral("Title %1").arg(i);
    }
    setWebURLsWithTitles(&many, urls, titles);
    const ShelfPaste::LinkCount count = ShelfPaste::boundLinks(many, 3);
    QCOMPARE(count.kept, 3);
    QCOMPARE(count.leftOut, 2);
    QList<QUrl> kept;
    QStringList names;
    QVERIFY(getUrlsWithNames(&many, kept, names));
    QCOMPARE(kept, urls.mid(0, 3));
    QCOMPARE(names, titles.mid(0, 3));

    // A text far longer than any address is no address.
    QMimeData longText;
    longText.setText(QStringLiteral("www.") + QString(70 * 1024, QLatin1Char('a')) + QStringLiteral(".org"));
    QVERIFY(!AbstractThumbnailView::canPaste(&longText));
}

// A paste cut at its bound adds the links before it and says how many were left out.
void TestItemMimeData::cutPasteTellsWhatWasLeftOut()
{
    VorendaShelf shelf;
    auto* onClipboard = new OfferedData;
    onClipboard->offer(QStringLiteral("text/uri-list"), paddedLinkList(2, 3));
    QApplication::clipboard()->setMimeData(onClipboard);
    QString message;
    QuestionDriver box(QuestionDriver::visible<QMessageBox>(), [&message](QWidget* window) {
        message = static_cast<QMessageBox*>(window)->text();
        static_cast<QMessageBox*>(window)->accept();
    });
    shelf.onPaste();
    QVERIFY(box.ran());
    QCOMPARE(message, QStringLiteral("Only the first 2 links were pasted. Left out: 3."));
    QCOMPARE(shelf.view->getAllItems().size(), 2);
    QVERIFY(!shelf.dialogOpen);
}

VORENDA_TEST_MAIN(TestItemMimeData)
#include "tst_itemmimedata.moc"
