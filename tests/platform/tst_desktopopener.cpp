#include "TestEnvironment.h"

#include "DesktopOpener.h"

#include <QDir>
#include <QFile>

// Opening targets with stand-in programs on PATH that write down what they were given.
class TestDesktopOpener : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void execArguments_data();
    void execArguments();
    void opensWithDefaultHandler_data();
    void opensWithDefaultHandler();
    void refusesWhatCannotBeOpened_data();
    void refusesWhatCannotBeOpened();
    void launchesApplicationEntries();
    void refusesEntriesWithoutProgram_data();
    void refusesEntriesWithoutProgram();

private:
    // The argument lists the stand-ins received, one list per call.
    QList<QStringList> calls() const;
    QString writeEntry(const QString& name, const QByteArray& body) const;
    static QByteArray recorder(const QString& record, const QByteArray& label);

    QString record;
    QString tool;
};

QByteArray TestDesktopOpener::recorder(const QString& record, const QByteArray& label)
{
    return "{ printf '%s\\n' " + label + " \"$@\"; printf '%s\\n' '--end--'; } >> \"" + QFile::encodeName(record)
        + "\"\n";
}

void TestDesktopOpener::initTestCase()
{
    record = TestEnvironment::instance()->root() + QStringLiteral("/calls.txt");
    TestEnvironment::instance()->installStub(QStringLiteral("xdg-open"), recorder(record, "xdg-open"));
    // A program in a folder with a space, reached by its full path only.
    const QString folder = TestEnvironment::instance()->root() + QStringLiteral("/my tools");
    QVERIFY(QDir().mkpath(folder));
    tool = folder + QStringLiteral("/run tool");
    QFile file(tool);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("#!/bin/sh\n{ printf '%s\\n' tool \"$@\"; pwd; printf '%s\\n' '--end--'; } >> \""
               + QFile::encodeName(record) + "\"\n");
    file.close();
    QVERIFY(file.setPermissions(file.permissions() | QFileDevice::ExeOwner));
}

void TestDesktopOpener::init()
{
    QFile::remove(record);
}

QList<QStringList> TestDesktopOpener::calls() const
{
    QFile file(record);
    QList<QStringList> result;
    if (!file.open(QIODevice::ReadOnly))
        return result;
    QStringList current;
    for (const QByteArray& line : file.readAll().split('\n')) {
        if (line == "--end--") {
            result << current;
            current.clear();
        } else if (!line.isEmpty() || !current.isEmpty()) {
            current << QString::fromUtf8(line);
        }
    }
    return result;
}

QString TestDesktopOpener::writeEntry(const QString& name, const QByteArray& body) const
{
    const QString path = TestEnvironment::instance()->root() + QLatin1Char('/') + name;
    QFile file(path);
    if (file.open(QIODevice::WriteOnly))
        file.write(body);
    return path;
}

void TestDesktopOpener::execArguments_data()
{
    QTest::addColumn<QString>("exec");
    QTest::addColumn<QString>("icon");
    QTest::addColumn<QStringList>("arguments");
    QTest::newRow("file codes vanish") << "editor --new-window %U"
                                       << "" << QStringList{QStringLiteral("editor"), QStringLiteral("--new-window")};
    QTest::newRow("name, icon and entry")
        << "app --title=%c %i %k"
        << "app-icon"
        << QStringList{QStringLiteral("app"), QStringLiteral("--title=My App"), QStringLiteral("--icon"),
                       QStringLiteral("app-icon"), QStringLiteral("/apps/my.desktop")};
    QTest::newRow("icon code without icon") << "app %i %f"
                                            << "" << QStringList{QStringLiteral("app")};
    QTest::newRow("code inside an argument")
        << "app --file=%f x"
        << "" << QStringList{QStringLiteral("app"), QStringLiteral("--file="), QStringLiteral("x")};
    QTest::newRow("quotes and their escapes")
        << R"("/opt/my app/run" "say \\"hi\\" \\$HOME" 100%%)"
        << ""
        << QStringList{QStringLiteral("/opt/my app/run"), QStringLiteral(R"(say "hi" $HOME)"), QStringLiteral("100%")};
    QTest::newRow("backslash in quotes") << R"(app "a\\\\b")"
                                         << "" << QStringList{QStringLiteral("app"), QStringLiteral(R"(a\b)")};
    QTest::newRow("shell words stay words")
        << "sh -c 'rm -rf ~' ; reboot"
        << "" << QStringList{QStringLiteral("sh"), QStringLiteral("-c"), QStringLiteral("'rm"),   QStringLiteral("-rf"),
                             QStringLiteral("~'"), QStringLiteral(";"),  QStringLiteral("reboot")};
    QTest::newRow("open quote") << R"(app "unfinished)" << "" << QStringList();
    QTest::newRow("empty") << "" << "" << QStringList();
}

void TestDesktopOpener::execArguments()
{
    QFETCH(QString, exec);
    QFETCH(QString, icon);
    QFETCH(QStringList, arguments);
    QCOMPARE(DesktopOpener::execArguments(exec, QStringLiteral("My App"), icon, QStringLiteral("/apps/my.desktop")),
             arguments);
}

void TestDesktopOpener::opensWithDefaultHandler_data()
{
    QTest::addColumn<QString>("target");
    QTest::addColumn<QString>("passed");
    const QString root = TestEnvironment::instance()->root();
    const QString odd = root + QStringLiteral("/it's a \"file\" $(x) & more.txt");
    QFile file(odd);
    file.open(QIODevice::WriteOnly);
    QTest::newRow("file with quotes and spaces") << odd << odd;
    QTest::newRow("file URL") << QUrl::fromLocalFile(odd).toString() << odd;
    QTest::newRow("folder") << root << root;
    QTest::newRow("web link") << "https://example.org/a b?q=1" << "https://example.org/a%20b?q=1";
}

void TestDesktopOpener::opensWithDefaultHandler()
{
    QFETCH(QString, target);
    QFETCH(QString, passed);
    QVERIFY(DesktopOpener::open(target));
    QTRY_COMPARE(calls(), (QList<QStringList>{{QStringLiteral("xdg-open"), passed}}));
}

void TestDesktopOpener::refusesWhatCannotBeOpened_data()
{
    QTest::addColumn<QString>("target");
    QTest::newRow("missing file") << TestEnvironment::instance()->root() + QStringLiteral("/gone.txt");
    QTest::newRow("missing file URL") << "file:///nowhere/gone.txt";
    QTest::newRow("empty") << "";
    QTest::newRow("blank") << "   ";
    QTest::newRow("no scheme, not a path") << "just words";
}

void TestDesktopOpener::refusesWhatCannotBeOpened()
{
    QFETCH(QString, target);
    QVERIFY(!DesktopOpener::open(target));
    QTest::qWait(200);
    QVERIFY(calls().isEmpty());
}

void TestDesktopOpener::launchesApplicationEntries()
{
    const QString workDir = TestEnvironment::instance()->root();
    const QByteArray quotedTool = QFile::encodeName(tool);
    const QString entry = writeEntry(
        QStringLiteral("tool.desktop"),
        "[Desktop Entry]\nType=Application\nName=Tool\nIcon=tool-icon\nExec=\"" + quotedTool
            + "\" --open %U --icon-arg %i\nPath=" + QFile::encodeName(workDir)
            + "\n\n[Desktop Action second]\nExec=other\n");
    QVERIFY(DesktopOpener::open(entry));
    QTRY_COMPARE(calls().size(), 1);
    QCOMPARE(calls().first(),
             (QStringList{QStringLiteral("tool"), QStringLiteral("--open"), QStringLiteral("--icon-arg"),
                          QStringLiteral("--icon"), QStringLiteral("tool-icon"), workDir}));

    init();
    const QString link =
        writeEntry(QStringLiteral("link.desktop"), "[Desktop Entry]\nType=Link\nName=Site\nURL=https://example.org/\n");
    QVERIFY(DesktopOpener::open(link));
    QTRY_COMPARE(calls(), (QList<QStringList>{{QStringLiteral("xdg-open"), QStringLiteral("https://example.org/")}}));

    // A link to itself goes to the default handler once instead of round in circles.
    init();
    const QString self = TestEnvironment::instance()->root() + QStringLiteral("/self.desktop");
    writeEntry(QStringLiteral("self.desktop"),
               "[Desktop Entry]\nType=Link\nURL=" + QUrl::fromLocalFile(self).toEncoded() + "\n");
    QVERIFY(DesktopOpener::open(self));
    QTRY_COMPARE(calls(), (QList<QStringList>{{QStringLiteral("xdg-open"), self}}));
}

void TestDesktopOpener::refusesEntriesWithoutProgram_data()
{
    QTest::addColumn<QByteArray>("body");
    QTest::newRow("program not installed") << QByteArray("[Desktop Entry]\nType=Application\nExec=no-such-program-x\n");
    QTest::newRow("TryExec missing") << QByteArray("[Desktop Entry]\nType=Application\nTryExec=no-such-program-x\n"
                                                   "Exec=xdg-open /\n");
    QTest::newRow("no Exec") << QByteArray("[Desktop Entry]\nType=Application\nName=Empty\n");
    QTest::newRow("open quote") << QByteArray("[Desktop Entry]\nType=Application\nExec=\"xdg-open /\n");
    QTest::newRow("not an application") << QByteArray("[Desktop Entry]\nType=Directory\nExec=xdg-open /\n");
    QTest::newRow("key outside the entry group") << QByteArray("Exec=xdg-open /\n[Desktop Entry]\nType=Application\n");
}

void TestDesktopOpener::refusesEntriesWithoutProgram()
{
    QFETCH(QByteArray, body);
    QVERIFY(!DesktopOpener::open(writeEntry(QStringLiteral("broken.desktop"), body)));
    QTest::qWait(200);
    QVERIFY(calls().isEmpty());
}

VORENDA_TEST_MAIN_APP(TestDesktopOpener, QCoreApplication)
#include "tst_desktopopener.moc"
