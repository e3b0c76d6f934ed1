#include "TestEnvironment.h"

#include "DesktopEntry.h"
#include "IniGroup.h"

// The one reader of desktop entries: what makes a file no entry, and which name it gives.
class TestDesktopEntry : public QObject
{
    Q_OBJECT

private slots:
    void cleanup();
    void validity_data();
    void validity();
    void nameForLanguage_data();
    void nameForLanguage();
    void unescapes();
};

void TestDesktopEntry::cleanup()
{
    QLocale::setDefault(QLocale::c());
}

void TestDesktopEntry::validity_data()
{
    QTest::addColumn<QByteArray>("contents");
    QTest::addColumn<bool>("valid");
    QTest::addColumn<QString>("type");
    const QByteArray longest(MAX_INI_LINE_BYTES - 8, 'x'); // "Comment=" and this fill a line
    QTest::newRow("link") << QByteArray("[Desktop Entry]\nType=Link\nURL=https://example.org/\n") << true << "Link";
    QTest::newRow("written on Windows") << QByteArray("[Desktop Entry]\r\nType=Link\r\n") << true << "Link";
    QTest::newRow("line as long as allowed")
        << "[Desktop Entry]\nComment=" + longest + "\nType=Application\n" << true << "Application";
    QTest::newRow("line as long as allowed, then a CR")
        << "[Desktop Entry]\r\nComment=" + longest + "\r\nType=Application\r\n" << true << "Application";
    QTest::newRow("line one byte longer")
        << "[Desktop Entry]\nComment=" + longest + "x\nType=Application\n" << false << "";
    QTest::newRow("long line in another group")
        << "[Desktop Entry]\nType=Application\n[Desktop Action x]\nComment=" + longest + "x\n" << false << "";
    QTest::newRow("long last line without a line end")
        << "[Desktop Entry]\nType=Application\nComment=" + longest + "x" << false << "";
    QTest::newRow("no entry group") << QByteArray("[Desktop Action x]\nType=Application\n") << false << "";
    QTest::newRow("empty") << QByteArray() << false << "";
}

void TestDesktopEntry::validity()
{
    QFETCH(QByteArray, contents);
    QFETCH(bool, valid);
    QFETCH(QString, type);
    const DesktopEntry entry = DesktopEntry::fromContents(contents);
    QCOMPARE(entry.isValid(), valid);
    QCOMPARE(entry.isApplication(), type == QLatin1String("Application"));
    QCOMPARE(entry.isLink(), type == QLatin1String("Link"));

    // Read from a file alike.
    const QString path = TestEnvironment::instance()->root() + QStringLiteral("/entry.desktop");
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(contents);
    file.close();
    QCOMPARE(DesktopEntry(path).isValid(), valid);
}

void TestDesktopEntry::nameForLanguage_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("name");
    QTest::newRow("the locale's country first") << "de_AT" << "de" << "Österreich";
    QTest::newRow("the language") << "de_DE" << "de" << "Deutsch";
    QTest::newRow("the interface language over the locale's") << "de_AT" << "es" << "Español";
    QTest::newRow("untranslated") << "de_AT" << "en" << "English";
    QTest::newRow("no language") << "C" << "" << "English";
}

void TestDesktopEntry::nameForLanguage()
{
    QFETCH(QString, locale);
    QFETCH(QString, language);
    QFETCH(QString, name);
    QLocale::setDefault(QLocale(locale));
    const DesktopEntry entry = DesktopEntry::fromContents(
        "[Desktop Entry]\nType=Link\nName=English\nName[de]=Deutsch\nName[de_AT]=Österreich\nName[es]=Español\n"
        "Name[fr]=Français\n");
    QCOMPARE(entry.name(language), name);
}

void TestDesktopEntry::unescapes()
{
    const QString written = QStringLiteral(R"(a\sb\tc\\d\"e\$f)");
    QCOMPARE(DesktopEntry::unescape(written), QStringLiteral("a b\tc\\d\"e$f"));
    QCOMPARE(DesktopEntry::unescape(written, true), QStringLiteral(R"(a b	c\d\"e\$f)"));
    const DesktopEntry entry = DesktopEntry::fromContents("[Desktop Entry]\nName=My\\sApp\nExec=\"a\\\\$b\"\n");
    QCOMPARE(entry.name(), QStringLiteral("My App"));
    QCOMPARE(entry.execLine(), QStringLiteral(R"("a\\$b")"));
}

VORENDA_TEST_MAIN_APP(TestDesktopEntry, QCoreApplication)
#include "tst_desktopentry.moc"
