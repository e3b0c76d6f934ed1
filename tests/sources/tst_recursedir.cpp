#include "TestEnvironment.h"

#include "RecurseDir.h"

class TestRecurseDir : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void listsWithFilters_data();
    void listsWithFilters();
    void symlinkLoopEnds();
    void missingFolderIsEmpty();

private:
    QTemporaryDir tree;
    QStringList names(const QFileInfoList& entries) const;
};

void TestRecurseDir::initTestCase()
{
    QDir root(tree.path());
    QVERIFY(root.mkpath(QStringLiteral("Styles/sub/deeper")));
    for (const char* name : {"a.xml", "b.XML", "c.txt", "Styles/sub/d.xml", "Styles/sub/deeper/e.xml", "Styles/f.xml"}) {
        QFile file(root.filePath(QString::fromLatin1(name)));
        QVERIFY(file.open(QIODevice::WriteOnly));
    }
    // A loop: Styles/sub/back -> Styles
    QVERIFY(QFile::link(root.filePath(QStringLiteral("Styles")), root.filePath(QStringLiteral("Styles/sub/back"))));
}

QStringList TestRecurseDir::names(const QFileInfoList& entries) const
{
    QStringList result;
    for (const QFileInfo& info : entries)
        result << QDir(tree.path()).relativeFilePath(info.absoluteFilePath());
    result.sort();
    return result;
}

void TestRecurseDir::listsWithFilters_data()
{
    QTest::addColumn<QStringList>("filters");
    QTest::addColumn<bool>("subdirectories");
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("xml, recursive") << QStringList{QStringLiteral("*.xml")} << true
                                    << QStringList{QStringLiteral("Styles/f.xml"), QStringLiteral("Styles/sub/d.xml"),
                                                   QStringLiteral("Styles/sub/deeper/e.xml"), QStringLiteral("a.xml"),
                                                   QStringLiteral("b.XML")};
    QTest::newRow("xml, flat") << QStringList{QStringLiteral("*.xml")} << false
                               << QStringList{QStringLiteral("a.xml"), QStringLiteral("b.XML")};
    QTest::newRow("txt") << QStringList{QStringLiteral("*.txt")} << true << QStringList{QStringLiteral("c.txt")};
}

void TestRecurseDir::listsWithFilters()
{
    QFETCH(QStringList, filters);
    QFETCH(bool, subdirectories);
    QFETCH(QStringList, expected);
    const auto flags = subdirectories ? QDirIterator::Subdirectories : QDirIterator::NoIteratorFlags;
    QCOMPARE(names(recurseDir(tree.path(), filters, QDir::Files | QDir::NoDotAndDotDot, flags)), expected);
}

void TestRecurseDir::symlinkLoopEnds()
{
    // Followed links are entered once: each file shows up at most twice (itself and through the link).
    const QFileInfoList entries = recurseDir(tree.path(), {QStringLiteral("*.xml")}, QDir::Files | QDir::NoDotAndDotDot,
                                             QDirIterator::Subdirectories | QDirIterator::FollowSymlinks);
    QVERIFY(entries.size() >= 5);
    QVERIFY(entries.size() < 20);
}

void TestRecurseDir::missingFolderIsEmpty()
{
    QVERIFY(recurseDir(tree.path() + QStringLiteral("/none"), {QStringLiteral("*.xml")}, QDir::Files,
                       QDirIterator::Subdirectories)
                .isEmpty());
    QVERIFY(recurseDir(QString(), {}, QDir::Files, QDirIterator::Subdirectories).isEmpty());
}

VORENDA_TEST_MAIN(TestRecurseDir)
#include "tst_recursedir.moc"
