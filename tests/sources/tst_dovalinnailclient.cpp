#include "TestEnvironment.h"

#include "DovalinnailClient.h"
#include "TestPictures.h"
#include "TextFunctions.h"

#include <QImageReader>

// The image client with the real helper program: thumbnails land in the cache folder
// and each record comes back with the picture's facts.
class TestDovalinnailClient : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void deliversEveryThumbnail();
    void twoClientsAtOnceBothGetEverything();

private:
    struct Delivered
    {
        QString key;
        bool isPhoto;
        QSize imageSize;
    };

    DovalinnailClient::Data* record(const QString& path) const;
    QHash<QString, DovalinnailClient::Data*> table(const QStringList& paths) const;
    void watch(DovalinnailClient& client, QList<Delivered>& into);

    QTemporaryDir pictures;
    QString cache;
};

void TestDovalinnailClient::initTestCase()
{
    QVERIFY(pictures.isValid());
    cache = pictures.filePath(QStringLiteral("Store/Cache"));
    QVERIFY(TestPictures::write(pictures.filePath(QStringLiteral("photo.jpg")), 1600, 1200));
    QVERIFY(TestPictures::write(pictures.filePath(QStringLiteral("screen.png")), 1366, 768));
    QVERIFY(TestPictures::write(pictures.filePath(QStringLiteral("grey.gif")), 300, 300));
    QFile text(pictures.filePath(QStringLiteral("x.png")));
    QVERIFY(text.open(QIODevice::WriteOnly));
    text.write("text, not a picture");
    for (int i = 0; i < 6; ++i)
        QVERIFY(TestPictures::write(pictures.filePath(QStringLiteral("set%1.jpg").arg(i)), 400 + 40 * i, 300));
}

DovalinnailClient::Data* TestDovalinnailClient::record(const QString& path) const
{
    auto* data = new DovalinnailClient::Data;
    data->filePath = path;
    data->key = getHash(path);
    data->thumbName = data->key + QStringLiteral(".");
    data->thumbFormat = QStringLiteral("PNG");
    data->thumbWidth = 256;
    data->thumbHeight = 256;
    data->photoBorder = 8;
    return data;
}

QHash<QString, DovalinnailClient::Data*> TestDovalinnailClient::table(const QStringList& paths) const
{
    QHash<QString, DovalinnailClient::Data*> items;
    for (const QString& path : paths) {
        DovalinnailClient::Data* data = record(path);
        items.insert(data->key, data);
    }
    return items;
}

void TestDovalinnailClient::watch(DovalinnailClient& client, QList<Delivered>& into)
{
    client.setProgram(QStringLiteral(VORENDA_BIN_DIR "/dovalin"));
    connect(&client, &DovalinnailClient::thumbCreated, this, [&into](DovalinnailClient::Data* data) {
        // The thumbnail is complete on disk before its line arrives.
        QImage thumbnail(QFileInfo(data->filePath).absolutePath() + QStringLiteral("/Store/Cache/") + data->thumbName);
        QVERIFY(!thumbnail.isNull());
        into.append({data->key, data->isPhoto, data->imageSize});
    });
}

void TestDovalinnailClient::deliversEveryThumbnail()
{
    DovalinnailClient client;
    QList<Delivered> delivered;
    watch(client, delivered);
    client.start(table({pictures.filePath(QStringLiteral("photo.jpg")), pictures.filePath(QStringLiteral("x.png"))}),
                 cache);
    // Handed over while the helper works: the next batch.
    client.start(
        table({pictures.filePath(QStringLiteral("screen.png")), pictures.filePath(QStringLiteral("grey.gif"))}), cache);
    QTRY_VERIFY_WITH_TIMEOUT(delivered.size() == 3 && !client.running(), 30000);

    QHash<QString, Delivered> byKey;
    for (const Delivered& entry : qAsConst(delivered))
        byKey.insert(entry.key, entry);
    const Delivered photo = byKey.value(getHash(pictures.filePath(QStringLiteral("photo.jpg"))));
    QVERIFY(photo.isPhoto);
    QCOMPARE(photo.imageSize, QSize(1600, 1200));
    QCOMPARE(QImage(cache + QStringLiteral("/") + photo.key + QStringLiteral(".")).size(), QSize(256, 195));
    const Delivered screen = byKey.value(getHash(pictures.filePath(QStringLiteral("screen.png"))));
    QVERIFY(!screen.isPhoto);
    QCOMPARE(screen.imageSize, QSize(1366, 768));
    QCOMPARE(QImage(cache + QStringLiteral("/") + screen.key + QStringLiteral(".")).size(), QSize(256, 143));
    QCOMPARE(byKey.value(getHash(pictures.filePath(QStringLiteral("grey.gif")))).imageSize, QSize(300, 300));
    QVERIFY(!QFile::exists(cache + QStringLiteral("/") + getHash(pictures.filePath(QStringLiteral("x.png")))
                           + QStringLiteral(".")));
}

void TestDovalinnailClient::twoClientsAtOnceBothGetEverything()
{
    DovalinnailClient first;
    DovalinnailClient second;
    QList<Delivered> firstDelivered;
    QList<Delivered> secondDelivered;
    watch(first, firstDelivered);
    watch(second, secondDelivered);
    QStringList firstSet;
    QStringList secondSet;
    for (int i = 0; i < 6; ++i)
        (i % 2 ? secondSet : firstSet) << pictures.filePath(QStringLiteral("set%1.jpg").arg(i));
    // One by one, as cabinets ask: the first record starts a helper, the rest wait.
    for (int i = 0; i < 3; ++i) {
        first.start(table({firstSet.at(i)}), cache);
        second.start(table({secondSet.at(i)}), cache);
    }
    QTRY_VERIFY_WITH_TIMEOUT(firstDelivered.size() == 3 && secondDelivered.size() == 3, 30000);
    QTRY_VERIFY(!first.running() && !second.running());
    QStringList firstKeys;
    for (const Delivered& entry : qAsConst(firstDelivered))
        firstKeys << entry.key;
    for (const QString& path : qAsConst(firstSet))
        QVERIFY(firstKeys.contains(getHash(path)));
}

VORENDA_TEST_MAIN(TestDovalinnailClient)
#include "tst_dovalinnailclient.moc"
