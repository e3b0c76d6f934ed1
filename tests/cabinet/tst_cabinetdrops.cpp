#include "TestEnvironment.h"

#include "CabinetTestFixtures.h"
#include "AddProgressWidget.h"
#include "PasteboardUrls.h"
#include "ShelfPaste.h"

#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QMimeData>
#include <QTemporaryDir>

// Which dropped or pasted links a cabinet takes, and how copied text becomes a link
// list before the view pastes.
class TestCabinetDrops : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void acceptedLinks_data();
    void acceptedLinks();
    void pastedText_data();
    void pastedText();
    void kioskModePastesNothing();
    void manyLinksShowTheProgressWindow();

private:
    QTemporaryDir files;
};

void TestCabinetDrops::initTestCase()
{
    TestEnvironment::instance()->initializeGlobals();
    VorendaGlobal::load();
    const QString stub = TestEnvironment::instance()->installStub(QStringLiteral("idle-helper"), "exec sleep 30\n");
    Q_UNUSED(stub)
    QDir(files.path()).mkdir(QStringLiteral("Photos"));
    QFile notes(files.filePath(QStringLiteral("notes.txt")));
    QVERIFY(notes.open(QIODevice::WriteOnly));
    QFile entry(files.filePath(QStringLiteral("tool.desktop")));
    QVERIFY(entry.open(QIODevice::WriteOnly));
    entry.write("[Desktop Entry]\nType=Application\nName=Tool\nExec=touch ran\n");
    QFile script(files.filePath(QStringLiteral("tool")));
    QVERIFY(script.open(QIODevice::WriteOnly));
    script.write("#!/bin/sh\n");
    QVERIFY(script.setPermissions(script.permissions() | QFileDevice::ExeOwner));
}

void TestCabinetDrops::acceptedLinks_data()
{
    QTest::addColumn<QUrl>("url");
    QTest::addColumn<bool>("kiosk");
    QTest::addColumn<bool>("accepted");
    QTest::newRow("file") << QUrl::fromLocalFile(QStringLiteral("/tmp/a.txt")) << false << true;
    QTest::newRow("web address") << QUrl(QStringLiteral("https://example.org/")) << false << true;
    QTest::newRow("invalid") << QUrl(QStringLiteral("http://[broken")) << false << false;
    QTest::newRow("kiosk mode") << QUrl(QStringLiteral("https://example.org/")) << true << false;
    QTest::newRow("ftp") << QUrl(QStringLiteral("ftp://ftp.example.org/pub/")) << false << true;
    QTest::newRow("mail address") << QUrl(QStringLiteral("mailto:tom@example.org")) << false << true;
    // Schemes a desktop hands to programs of their own are never taken.
    QTest::newRow("javascript") << QUrl(QStringLiteral("javascript:alert(1)")) << false << false;
    QTest::newRow("desktop entry handler") << QUrl(QStringLiteral("application://firefox.desktop")) << false << false;
    QTest::newRow("remote shell") << QUrl(QStringLiteral("ssh://example.org")) << false << false;
    QTest::newRow("no scheme") << QUrl(QStringLiteral("example.org")) << false << false;
}

void TestCabinetDrops::acceptedLinks()
{
    QFETCH(QUrl, url);
    QFETCH(bool, kiosk);
    QFETCH(bool, accepted);
    VorendaShelf shelf;
    shelf.kiosk = kiosk;
    bool accept = !accepted;
    shelf.onAcceptDropUrl(url, QStringLiteral("ignored"), &accept);
    QCOMPARE(accept, accepted);
    shelf.onAcceptDropUrl(url, QString(), nullptr);
}

void TestCabinetDrops::pastedText_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("link");
    QTest::addColumn<bool>("webLink");
    const QString path = files.filePath(QStringLiteral("notes.txt"));
    QTest::newRow("existing file") << path << QUrl::fromLocalFile(path).toString() << false;
    QTest::newRow("bare domain") << "example.org" << "http://example.org" << true;
    QTest::newRow("web address") << "https://example.org/news" << "https://example.org/news" << true;
    QTest::newRow("domain and a line feed") << "example.org\n" << "" << false;
    QTest::newRow("words") << "hello world" << "" << false;
    QTest::newRow("missing relative file") << "notes" << "" << false;
    // What a text says is never run: it makes no application item.
    QTest::newRow("desktop entry") << files.filePath(QStringLiteral("tool.desktop")) << "" << false;
    QTest::newRow("executable file") << files.filePath(QStringLiteral("tool")) << "" << false;
    QUrl onLocalhost = QUrl::fromLocalFile(path);
    onLocalhost.setHost(QStringLiteral("localhost"));
    QTest::newRow("file URL on localhost") << onLocalhost.toString() << QUrl::fromLocalFile(path).toString() << false;
    QTest::newRow("desktop entry as a file URL")
        << QUrl::fromLocalFile(files.filePath(QStringLiteral("tool.desktop"))).toString() << "" << false;
    onLocalhost.setPath(files.filePath(QStringLiteral("tool")));
    QTest::newRow("executable as a file URL on localhost") << onLocalhost.toString() << "" << false;
}

// The text becomes a link in a private copy that the view pastes from; the system
// clipboard keeps what the other program put there.
void TestCabinetDrops::pastedText()
{
    QFETCH(QString, text);
    QFETCH(QString, link);
    QFETCH(bool, webLink);
    QMimeData copy;
    copy.setText(text);
    ShelfPaste::addLinkForText(copy);
    QCOMPARE(copy.text(), text);
    QCOMPARE(copy.hasUrls(), !link.isEmpty());
    if (!link.isEmpty())
        QCOMPARE(copy.urls().value(0).toString(), link);
    QCOMPARE(copy.hasFormat(QLatin1String(MIME_TEXTURL)), webLink);
    if (webLink)
        QCOMPARE(copy.data(QLatin1String(MIME_TEXTURL)), link.toUtf8() + '\n');

    VorendaShelf shelf;
    shelf.kestrimClient->setProgram(QStringLiteral("idle-helper"));
    QApplication::clipboard()->setText(text);
    shelf.onPaste();

    const QMimeData* data = QApplication::clipboard()->mimeData();
    QCOMPARE(data->text(), text);
    QVERIFY(!data->hasUrls());
    QVERIFY(!data->hasFormat(QLatin1String(MIME_TEXTURL)));

    const QList<AbstractThumbnailItem*> items = shelf.view->getAllItems();
    QCOMPARE(items.size(), link.isEmpty() ? 0 : 1);
    if (!link.isEmpty()) {
        auto* item = qobject_cast<MyThumbnailItem*>(items.first());
        QCOMPARE(item->properties.type, webLink ? int(ThumbWebPage) : int(ThumbIcon));
        QCOMPARE(item->properties.target, webLink ? link : QUrl(link).toLocalFile());
    }
}

void TestCabinetDrops::kioskModePastesNothing()
{
    VorendaShelf shelf;
    MyThumbnailItem* item = addCabinetItem(shelf, -1, QStringLiteral("Copied"));
    item->properties.target = files.filePath(QStringLiteral("Photos"));
    shelf.view->resetModel();
    shelf.view->selectAll();
    shelf.view->copy();
    QVERIFY(QApplication::clipboard()->mimeData()->hasFormat(AbstractThumbnailView::clipboardMimeType()));

    VorendaShelf kiosk;
    kiosk.kiosk = true;
    kiosk.onPaste();
    QApplication::clipboard()->setText(QStringLiteral("https://example.org/"));
    kiosk.onPaste();
    QVERIFY(kiosk.view->getAllItems().isEmpty());
    QVERIFY(!QApplication::clipboard()->mimeData()->hasUrls());

    // Out of kiosk mode the copied item would have come in.
    shelf.view->copy();
    kiosk.kiosk = false;
    kiosk.onPaste();
    QCOMPARE(kiosk.view->getAllItems().size(), 1);
}

void TestCabinetDrops::manyLinksShowTheProgressWindow()
{
    const auto putLinks = [](const QString& site, int count) {
        QList<QUrl> urls;
        for (int i = 0; i < count; ++i)
            urls << QUrl(QStringLiteral("https://%1/page/%2").arg(site).arg(i));
        auto* data = new QMimeData;
        data->setUrls(urls);
        QApplication::clipboard()->setMimeData(data);
    };
    VorendaShelf shelf;
    shelf.kestrimClient->setProgram(QStringLiteral("idle-helper"));
    AddProgressWidget* panel = AddProgressWidget::instance();

    // Too many links to paste at once: they come in the background, shown on the
    // progress window, which closes when they are all there.
    const int few = AbstractThumbnailView::immediatePasteLimit + 50;
    putLinks(QStringLiteral("example.org"), few);
    shelf.onPaste();
    QTRY_COMPARE(shelf.view->getAllItems().size(), few);
    QTRY_VERIFY(!shelf.view->isPastingUrls());
    QVERIFY(!AddProgressWidget::visible());

    // Abort on the window ends the paste; what came stays.
    putLinks(QStringLiteral("example.net"), AbstractThumbnailView::immediatePasteLimit * 50);
    shelf.onPaste();
    QTRY_VERIFY(AddProgressWidget::visible() && panel->shelf == &shelf);
    QVERIFY(!panel->nameLabel->text().isEmpty());
    panel->abort();
    QVERIFY(!shelf.view->isPastingUrls());
    const int made = shelf.view->getAllItems().size();
    QVERIFY(made > few);
    QTest::qWait(200);
    QCOMPARE(shelf.view->getAllItems().size(), made);
    QVERIFY(!AddProgressWidget::visible());
}

VORENDA_TEST_MAIN(TestCabinetDrops)
#include "tst_cabinetdrops.moc"
