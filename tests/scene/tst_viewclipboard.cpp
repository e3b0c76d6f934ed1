#include "TestEnvironment.h"

#include "InteractionFixtures.h"

#include <QClipboard>
#include <QDataStream>
#include <QSignalSpy>

// Copy, cut and paste between views, the paste place, canPaste and hostile clipboard data.
class TestViewClipboard : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void copyWritesIdentityCountAndBlocks();
    void copyWithNothingSelectedGivesNoItems();
    void cutCopiesAndRemovesOnlyWhenAllowed_data();
    void cutCopiesAndRemovesOnlyWhenAllowed();
    void pastePlace_data();
    void pastePlace();
    void pasteIntoCollapsedCategoryExpandsIt();
    void pastingTwiceMakesTwoSets();
    void pasteReachesAnotherView();
    void canPaste_data();
    void canPaste();
    void pasteLinks_data();
    void pasteLinks();
    void manyLinksArePastedInTheBackground();
    void backgroundPasteStops_data();
    void backgroundPasteStops();
    void hostileClipboardDataMakesNothing_data();
    void hostileClipboardDataMakesNothing();

private:
    void setClipboardBody(const QByteArray& body);
    // Puts `count` links on the clipboard; returns them.
    static QList<QUrl> putLinks(int count);

    ThumbnailView* view = nullptr;
    QList<ThumbnailItem*> items;
    ViewOwner owner;
};

void TestViewClipboard::init()
{
    owner = ViewOwner();
    view = new ThumbnailView;
    QVERIFY(showGrid(*view));
    owner.attach(view);
    view->setCategoryHeader(1, makeTextHeader(QStringLiteral("one")), -1, -1, false);
    view->setCategoryHeader(2, makeTextHeader(QStringLiteral("two")), -1, -1, false);
    items = addItems(*view, 3, 1);
    items << addItems(*view, 3, 2);
    for (int i = 0; i < items.count(); ++i) {
        items[i]->setData(0, i);
        items[i]->setText(QStringLiteral("item %1").arg(i));
    }
    QApplication::clipboard()->clear();
}

void TestViewClipboard::cleanup()
{
    delete view;
    view = nullptr;
    items.clear();
}

void TestViewClipboard::setClipboardBody(const QByteArray& body)
{
    auto* data = new QMimeData;
    data->setData(AbstractThumbnailView::clipboardMimeType(), body);
    QApplication::clipboard()->setMimeData(data);
}

static QStringList texts(const QList<AbstractThumbnailItem*>& list)
{
    QStringList result;
    for (const AbstractThumbnailItem* item : list)
        result << static_cast<const ThumbnailItem*>(item)->getText();
    return result;
}

void TestViewClipboard::copyWritesIdentityCountAndBlocks()
{
    items[1]->setSelected(true);
    items[4]->setSelected(true);
    view->copy();
    const QMimeData* data = QApplication::clipboard()->mimeData();
    QVERIFY(data);
    QDataStream stream(data->data(AbstractThumbnailView::clipboardMimeType()));
    qint64 identity = 0;
    qint32 count = 0;
    stream >> identity >> count;
    QCOMPARE(identity, qint64(reinterpret_cast<quintptr>(view)));
    QCOMPARE(count, 2);
    for (int i = 0; i < 2; ++i) {
        QByteArray block;
        stream >> block;
        QDataStream blockStream(block);
        QString kind;
        blockStream >> kind;
        QCOMPARE(kind, QStringLiteral("thumbnailitem"));
    }
    QVERIFY(stream.atEnd());
    QCOMPARE(view->getAllItems().count(), 6);
}

void TestViewClipboard::copyWithNothingSelectedGivesNoItems()
{
    auto* old = new QMimeData;
    old->setText(QStringLiteral("old"));
    QApplication::clipboard()->setMimeData(old);
    view->copy();
    const QMimeData* data = QApplication::clipboard()->mimeData();
    QVERIFY(!data->hasText());
    QDataStream stream(data->data(AbstractThumbnailView::clipboardMimeType()));
    qint64 identity = 0;
    qint32 count = -1;
    stream >> identity >> count;
    QCOMPARE(count, 0);
}

void TestViewClipboard::cutCopiesAndRemovesOnlyWhenAllowed_data()
{
    QTest::addColumn<bool>("allow");
    QTest::newRow("refused") << false;
    QTest::newRow("allowed") << true;
}

void TestViewClipboard::cutCopiesAndRemovesOnlyWhenAllowed()
{
    QFETCH(bool, allow);
    owner.allowDelete = allow;
    items[0]->setSelected(true);
    items[2]->setSelected(true);
    view->cut();
    QCOMPARE(owner.deleteRequests, 1);
    QCOMPARE(view->getAllItems().count(), allow ? 4 : 6);
    QVERIFY(QApplication::clipboard()->mimeData()->hasFormat(AbstractThumbnailView::clipboardMimeType()));
    // The cut items come back from the clipboard either way.
    QTest::mouseClick(view->viewport(), Qt::LeftButton, Qt::NoModifier,
                      centreOf(*view, view->getCategoryHeader(2)) + QPoint(-60, 0));
    view->paste();
    QCOMPARE(texts(view->getList(2)).mid(3), (QStringList{QStringLiteral("item 0"), QStringLiteral("item 2")}));
}

void TestViewClipboard::pastePlace_data()
{
    QTest::addColumn<int>("clickedKey");
    QTest::addColumn<QStringList>("one");
    QTest::addColumn<QStringList>("two");
    // Item 1 of category one is selected; the copy holds items 4 and 5.
    QTest::newRow("last click in the selection's category: in front of it")
        << 1
        << QStringList{QStringLiteral("item 0"), QStringLiteral("item 4"), QStringLiteral("item 5"),
                       QStringLiteral("item 1"), QStringLiteral("item 2")}
        << QStringList{QStringLiteral("item 3"), QStringLiteral("item 4"), QStringLiteral("item 5")};
    QTest::newRow("last click on another header: at its end")
        << 2 << QStringList{QStringLiteral("item 0"), QStringLiteral("item 1"), QStringLiteral("item 2")}
        << QStringList{QStringLiteral("item 3"), QStringLiteral("item 4"), QStringLiteral("item 5"),
                       QStringLiteral("item 4"), QStringLiteral("item 5")};
}

void TestViewClipboard::pastePlace()
{
    QFETCH(int, clickedKey);
    QFETCH(QStringList, one);
    QFETCH(QStringList, two);
    items[4]->setSelected(true);
    items[5]->setSelected(true);
    view->copy();
    // A click that does not fold the category, so its items stay selectable.
    view->getCategoryHeader(clickedKey)->setDiscardClick(true);
    QTest::mouseClick(view->viewport(), Qt::LeftButton, Qt::NoModifier,
                      centreOf(*view, view->getCategoryHeader(clickedKey)) + QPoint(-60, 0));
    QCOMPARE(view->getSelectedCategoryKey(), clickedKey);
    view->clearSelection();
    items[1]->setSelected(true);
    view->paste();
    QCOMPARE(texts(view->getList(1)), one);
    QCOMPARE(texts(view->getList(2)), two);
    QCOMPARE(owner.itemBlocks, 2);
}

void TestViewClipboard::pasteIntoCollapsedCategoryExpandsIt()
{
    items[0]->setSelected(true);
    view->copy();
    view->clearSelection();
    CategoryHeaderItem* header = view->getCategoryHeader(2);
    QTest::mouseClick(view->viewport(), Qt::LeftButton, Qt::NoModifier, centreOf(*view, header) + QPoint(-60, 0));
    QVERIFY(!header->isExpanded());
    view->paste();
    QVERIFY(header->isExpanded());
    QCOMPARE(view->getList(2).count(), 4);
    QVERIFY(view->getList(2).last()->isVisible());
}

void TestViewClipboard::pastingTwiceMakesTwoSets()
{
    items[3]->setSelected(true);
    view->copy();
    view->clearSelection();
    view->paste();
    view->paste();
    QCOMPARE(texts(view->getList(2)),
             (QStringList{QStringLiteral("item 3"), QStringLiteral("item 4"), QStringLiteral("item 5"),
                          QStringLiteral("item 3"), QStringLiteral("item 3")}));
    QVERIFY(view->getList(2).at(3) != view->getList(2).at(4));
}

void TestViewClipboard::pasteReachesAnotherView()
{
    items[2]->setSelected(true);
    view->copy();
    ThumbnailView other;
    ViewOwner otherOwner;
    otherOwner.attach(&other);
    other.paste();
    QCOMPARE(texts(other.getList(-1)), QStringList{QStringLiteral("item 2")});
    // The block keeps its own key; the view files it where the paste goes.
    QCOMPARE(other.getList(-1).first()->getCategoryKey(), -1);
}

void TestViewClipboard::canPaste_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("expected");
    QTest::newRow("host name") << "www.example.com" << true;
    QTest::newRow("web address") << "https://example.com/page" << true;
    QTest::newRow("two lines") << "www.example.com\nwww.example.org" << false;
    QTest::newRow("tab") << "www.example.com\tx" << false;
    QTest::newRow("existing folder") << QDir::tempPath() << true;
    QTest::newRow("missing file") << "/no/such/file/anywhere" << true;
    QTest::newRow("plain word") << "hello" << false;
    QTest::newRow("empty") << "" << false;
}

void TestViewClipboard::canPaste()
{
    QFETCH(QString, text);
    QFETCH(bool, expected);
    QApplication::clipboard()->setText(text);
    QCOMPARE(view->canPaste(), expected);
}

void TestViewClipboard::pasteLinks_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QList<QUrl>>("urls");
    QTest::addColumn<QStringList>("names");
    const QUrl web(QStringLiteral("https://example.com/a"));
    const QUrl www(QStringLiteral("http://www.example.com"));
    const QUrl folder = QUrl::fromLocalFile(QDir::tempPath());
    QTest::newRow("url list") << "urls" << QList<QUrl>{web, folder}
                              << QStringList{QStringLiteral(""), QStringLiteral("")};
    QTest::newRow("browser link") << "moz" << QList<QUrl>{web} << QStringList{QStringLiteral("Example page")};
    QTest::newRow("text host name") << "text" << QList<QUrl>{www} << QStringList{QStringLiteral("")};
    QTest::newRow("text folder path") << "path" << QList<QUrl>{folder} << QStringList{QStringLiteral("")};
    QTest::newRow("two text lines") << "lines" << QList<QUrl>{} << QStringList{};
}

void TestViewClipboard::pasteLinks()
{
    QFETCH(QString, kind);
    QFETCH(QList<QUrl>, urls);
    QFETCH(QStringList, names);
    auto* data = new QMimeData;
    if (kind == QLatin1String("urls")) {
        data->setUrls(urls);
    } else if (kind == QLatin1String("moz")) {
        const QString text = urls.first().toString() + QLatin1Char('\n') + names.first();
        data->setData(QStringLiteral("text/x-moz-url"),
                      QByteArray(reinterpret_cast<const char*>(text.utf16()), text.size() * 2));
    } else if (kind == QLatin1String("text")) {
        data->setText(QStringLiteral("www.example.com"));
    } else if (kind == QLatin1String("path")) {
        data->setText(QDir::tempPath());
    } else {
        data->setText(QStringLiteral("https://example.com/a\nhttps://example.com/b"));
    }
    QApplication::clipboard()->setMimeData(data);
    items[4]->setSelected(true);
    view->paste();
    QCOMPARE(owner.createdUrls, urls);
    QCOMPARE(owner.createdNames, names);
    // Links go in front of the selected item.
    QCOMPARE(view->getList(2).indexOf(items[4]), 1 + urls.count());
}

// Enough links for a background paste of several slices.
constexpr int backgroundLinks = AbstractThumbnailView::immediatePasteLimit * 50;

QList<QUrl> TestViewClipboard::putLinks(int count)
{
    QList<QUrl> urls;
    for (int i = 0; i < count; ++i)
        urls << QUrl(QStringLiteral("https://example.com/%1").arg(i));
    auto* data = new QMimeData;
    data->setUrls(urls);
    QApplication::clipboard()->setMimeData(data);
    return urls;
}

void TestViewClipboard::manyLinksArePastedInTheBackground()
{
    const int count = backgroundLinks;
    const QList<QUrl> urls = putLinks(count);
    QSignalSpy progress(view, &AbstractThumbnailView::urlPasteProgress);
    QSignalSpy finished(view, &AbstractThumbnailView::urlPasteFinished);
    items[4]->setSelected(true);
    view->paste();
    // Nothing is made before the event loop runs; a second paste meanwhile is left out.
    QVERIFY(view->isPastingUrls());
    QVERIFY(owner.createdUrls.isEmpty());
    view->paste();
    QTRY_COMPARE(finished.count(), 1);
    QCOMPARE(finished.first().at(0).toInt(), count);
    QCOMPARE(finished.first().at(1).toBool(), false);
    QVERIFY(!view->isPastingUrls());
    QCOMPARE(owner.createdUrls, urls);
    // In order, in front of the selected item, as a paste of a few links.
    QCOMPARE(view->getList(2).indexOf(items[4]), 1 + count);
    QCOMPARE(view->getList(2).at(1)->toolTip(), urls.first().toString());
    QVERIFY(!progress.isEmpty());
    QCOMPARE(progress.last().at(1).toInt(), count);
    QCOMPARE(progress.last().at(2).toInt(), count);
}

void TestViewClipboard::backgroundPasteStops_data()
{
    QTest::addColumn<QString>("stop");
    QTest::newRow("aborted") << "abort";
    QTest::newRow("paused") << "pause";
    QTest::newRow("category removed") << "remove";
    QTest::newRow("view deleted") << "delete";
}

void TestViewClipboard::backgroundPasteStops()
{
    QFETCH(QString, stop);
    putLinks(backgroundLinks);
    QSignalSpy finished(view, &AbstractThumbnailView::urlPasteFinished);
    int made = -1;
    // Stopped after its first slice, from the owner's handler of the progress.
    connect(view, &AbstractThumbnailView::urlPasteProgress, this, [&](AbstractThumbnailItem*, int done) {
        if (made != -1)
            return;
        made = done;
        if (stop == QLatin1String("abort"))
            view->abortUrlPaste();
        else if (stop == QLatin1String("pause"))
            view->setUrlPastePaused(true);
        else if (stop == QLatin1String("remove"))
            view->removeCategory(2, false, true);
        else
            view->deleteLater();
    });
    items[4]->setSelected(true);
    view->paste();
    QTRY_VERIFY(made != -1);
    QTest::qWait(200);
    if (stop == QLatin1String("delete")) {
        // Gone with its view, the paste made nothing more.
        view = nullptr;
        QCOMPARE(owner.createdUrls.count(), made);
        return;
    }
    const int before = owner.createdUrls.count();
    if (stop == QLatin1String("pause")) {
        QCOMPARE(owner.createdUrls.count(), made);
        QVERIFY(view->isPastingUrls());
        view->setUrlPastePaused(false);
        QTRY_COMPARE(finished.count(), 1);
        QCOMPARE(owner.createdUrls.count(), backgroundLinks);
        return;
    }
    // Ended: what was made stays, nothing more comes.
    QCOMPARE(finished.count(), 1);
    QCOMPARE(finished.first().at(1).toBool(), true);
    QVERIFY(!view->isPastingUrls());
    QCOMPARE(before, made);
    if (stop == QLatin1String("abort"))
        QCOMPARE(view->getList(2).count(), 3 + made);
}

void TestViewClipboard::hostileClipboardDataMakesNothing_data()
{
    QTest::addColumn<QByteArray>("body");
    const qint64 someone = 0x1234;
    const auto make = [](qint64 identity, qint32 count, const QList<QByteArray>& blocks) {
        QByteArray bytes;
        QDataStream stream(&bytes, QIODevice::WriteOnly);
        stream << identity << count;
        for (const QByteArray& block : blocks)
            stream << block;
        return bytes;
    };
    QByteArray good;
    {
        QDataStream stream(&good, QIODevice::WriteOnly);
        stream.setVersion(QDataStream::Qt_5_15);
        ThumbnailItem item;
        item.setText(QStringLiteral("good"));
        stream << item.getMimeType();
        item.write(stream);
    }
    QByteArray truncatedTail = make(someone, 2, {good, good});
    truncatedTail.chop(10);
    QTest::newRow("negative count") << make(someone, -3, {good});
    QTest::newRow("huge count") << make(someone, 0x7fffffff, {good});
    QTest::newRow("more blocks promised than given") << make(someone, 3, {good, good});
    QTest::newRow("last block cut short") << truncatedTail;
    QTest::newRow("zero identity") << make(0, 1, {good});
    QTest::newRow("damaged item stream") << make(someone, 1, {good.left(good.size() / 2)});
    QTest::newRow("foreign kind") << make(someone, 1, {QByteArray("\x00\x00\x00\x08\x00i\x00t\x00" "e\x00m", 12)});
    QTest::newRow("huge block length") << QByteArray("\x00\x00\x00\x00\x00\x00\x12\x34\x00\x00\x00\x01\x7f\xff\xff\xf0",
                                                     16);
}

void TestViewClipboard::hostileClipboardDataMakesNothing()
{
    QFETCH(QByteArray, body);
    setClipboardBody(body);
    QVERIFY(view->canPaste());
    view->paste();
    QCOMPARE(view->getAllItems().count(), 6);
    QCOMPARE(owner.createdUrls.count(), 0);
    // Only sound blocks ever reach the owner, and its factory refuses a damaged one.
    QVERIFY(owner.itemBlocks <= 1);
}

VORENDA_TEST_MAIN(TestViewClipboard)
#include "tst_viewclipboard.moc"
