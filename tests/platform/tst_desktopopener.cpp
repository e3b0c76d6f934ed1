#include "TestEnvironment.h"

#include "DesktopOpener.h"

#include <QDir>
#include <QFile>

Q_DECLARE_METATYPE(DesktopOpener::Outcome)

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
    void addressesAreNeverRun_data();
    void addressesAreNeverRun();
    void onlyTrustedEntriesRun_data();
    void onlyTrustedEntriesRun();

private:
    // The argument lists the stand-ins received, one list per call.
    QList<QStringList> calls() const;
    // Writes `name` (a path below the test's root) and the folders it needs.
    QString writeEntry(const QString& name, const QByteArray& body) const;
    // The user's applications folder, below the test's root.
    static QString applications();
    // An application entry whose program would leave `marker` behind.
    QByteArray markerEntry() const;
    static QByteArray recorder(const QString& record, const QByteArray& label);

    QString record;
    QString tool;
    QString marker;
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
    marker = TestEnvironment::instance()->root() + QStringLiteral("/ran.txt");
}

void TestDesktopOpener::init()
{
    QFile::remove(record);
    QFile::remove(marker);
}

QByteArray TestDesktopOpener::markerEntry() const
{
    return "[Desktop Entry]\nType=Application\nName=Trap\nExec=touch " + QFile::encodeName(marker) + "\n";
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

QString TestDesktopOpener::applications()
{
    return QStringLiteral("data/applications");
}

QString TestDesktopOpener::writeEntry(const QString& name, const QByteArray& body) const
{
    const QString path = TestEnvironment::instance()->root() + QLatin1Char('/') + name;
    QDir().mkpath(QFileInfo(path).absolutePath());
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
    QCOMPARE(DesktopOpener::open(target), DesktopOpener::Outcome::Opened);
    QTRY_COMPARE(calls(), (QList<QStringList>{{QStringLiteral("xdg-open"), passed}}));
}

void TestDesktopOpener::refusesWhatCannotBeOpened_data()
{
    QTest::addColumn<QString>("target");
    QTest::addColumn<DesktopOpener::Outcome>("outcome");
    const auto failed = DesktopOpener::Outcome::Failed;
    const auto refused = DesktopOpener::Outcome::Refused;
    QTest::newRow("missing file") << TestEnvironment::instance()->root() + QStringLiteral("/gone.txt") << failed;
    QTest::newRow("missing file URL") << "file:///nowhere/gone.txt" << failed;
    QTest::newRow("empty") << "" << failed;
    QTest::newRow("blank") << "   " << failed;
    QTest::newRow("no scheme, not a path") << "just words" << refused;
    // A file's item may hold any address its user typed: the schemes hold for it too.
    QTest::newRow("script address") << "javascript:alert(1)" << refused;
    QTest::newRow("share on another machine") << "smb://server/share" << refused;
}

void TestDesktopOpener::refusesWhatCannotBeOpened()
{
    QFETCH(QString, target);
    QFETCH(DesktopOpener::Outcome, outcome);
    QCOMPARE(DesktopOpener::open(target), outcome);
    QTest::qWait(200);
    QVERIFY(calls().isEmpty());
}

void TestDesktopOpener::launchesApplicationEntries()
{
    const QString workDir = TestEnvironment::instance()->root();
    const QByteArray quotedTool = QFile::encodeName(tool);
    const QString entry = writeEntry(
        applications() + QStringLiteral("/tool.desktop"),
        "[Desktop Entry]\nType=Application\nName=Tool\nIcon=tool-icon\nExec=\"" + quotedTool
            + "\" --open %U --icon-arg %i\nPath=" + QFile::encodeName(workDir)
            + "\n\n[Desktop Action second]\nExec=other\n");
    QCOMPARE(DesktopOpener::open(entry), DesktopOpener::Outcome::Opened);
    QTRY_COMPARE(calls().size(), 1);
    QCOMPARE(calls().first(),
             (QStringList{QStringLiteral("tool"), QStringLiteral("--open"), QStringLiteral("--icon-arg"),
                          QStringLiteral("--icon"), QStringLiteral("tool-icon"), workDir}));

    init();
    const QString link =
        writeEntry(QStringLiteral("link.desktop"), "[Desktop Entry]\nType=Link\nName=Site\nURL=https://example.org/\n");
    QCOMPARE(DesktopOpener::open(link), DesktopOpener::Outcome::Opened);
    QTRY_COMPARE(calls(), (QList<QStringList>{{QStringLiteral("xdg-open"), QStringLiteral("https://example.org/")}}));

    // A link to an entry, itself say, only shows it: neither run nor round in circles.
    init();
    const QString self = TestEnvironment::instance()->root() + QStringLiteral("/self.desktop");
    writeEntry(QStringLiteral("self.desktop"),
               "[Desktop Entry]\nType=Link\nURL=" + QUrl::fromLocalFile(self).toEncoded() + "\n");
    QCOMPARE(DesktopOpener::open(self), DesktopOpener::Outcome::Revealed);
    const QString folder = QUrl::fromLocalFile(TestEnvironment::instance()->root()).toString(QUrl::FullyEncoded);
    QTRY_COMPARE(calls(), (QList<QStringList>{{QStringLiteral("xdg-open"), folder}}));
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
    // Read in pieces of 64 KiB, the tail of the comment would be a key of its own, an
    // application's type, ahead of the link's.
    QTest::newRow("link whose comment ends in a type")
        << "[Desktop Entry]\nName=Site\nComment=" + QByteArray(64 * 1024 - 9, 'x')
            + "Type=Application\nType=Link\nExec=xdg-open /\n";
    // A line that long makes the whole file no entry, whatever the other lines say.
    QTest::newRow("application with a line too long")
        << "[Desktop Entry]\nType=Application\nComment=" + QByteArray(70 * 1024, 'x') + "\nExec=xdg-open /\n";
}

void TestDesktopOpener::refusesEntriesWithoutProgram()
{
    QFETCH(QByteArray, body);
    // Trusted, so that only what the entry says fails it.
    QCOMPARE(DesktopOpener::open(writeEntry(applications() + QStringLiteral("/broken.desktop"), body)),
             DesktopOpener::Outcome::Failed);
    QTest::qWait(200);
    QVERIFY(calls().isEmpty());
}

void TestDesktopOpener::addressesAreNeverRun_data()
{
    QTest::addColumn<QString>("address");
    QTest::addColumn<DesktopOpener::Outcome>("outcome");
    QTest::addColumn<QString>("passed"); // what xdg-open was given; empty: nothing
    const QString root = TestEnvironment::instance()->root();
    const QString entry = writeEntry(QStringLiteral("trap.desktop"), markerEntry());
    const QString hidden = writeEntry(QStringLiteral("trap-without-suffix"), markerEntry());
    const QString script = writeEntry(QStringLiteral("script.sh"), "#!/bin/sh\ntouch " + QFile::encodeName(marker));
    QFile::setPermissions(script, QFile::permissions(script) | QFileDevice::ExeOwner);
    const QString page = writeEntry(QStringLiteral("page.html"), "<p>hello</p>");
    const QString folder = QUrl::fromLocalFile(root).toString(QUrl::FullyEncoded);
    const auto url = [](const QString& path) { return QUrl::fromLocalFile(path).toString(QUrl::FullyEncoded); };
    const auto opened = DesktopOpener::Outcome::Opened;
    const auto revealed = DesktopOpener::Outcome::Revealed;
    const auto refused = DesktopOpener::Outcome::Refused;

    QTest::newRow("web") << "https://example.org/a b" << opened << "https://example.org/a%20b";
    QTest::newRow("ftp") << "ftp://ftp.example.org/pub/" << opened << "ftp://ftp.example.org/pub/";
    QTest::newRow("mail") << "mailto:tom@example.org" << opened << "mailto:tom@example.org";
    QTest::newRow("scheme in capitals") << "HTTPS://example.org/" << opened << "https://example.org/";
    QTest::newRow("local page") << url(page) << opened << page;
    QTest::newRow("local folder") << url(root) << opened << root;
    const auto onLocalhost = [](const QString& path) {
        QUrl address = QUrl::fromLocalFile(path);
        address.setHost(QStringLiteral("localhost"));
        return address.toString(QUrl::FullyEncoded);
    };
    QTest::newRow("local page on localhost") << onLocalhost(page) << opened << page;
    QTest::newRow("desktop entry on localhost") << onLocalhost(entry) << revealed << folder;
    QTest::newRow("desktop entry") << url(entry) << revealed << folder;
    QTest::newRow("desktop entry by its content") << url(hidden) << revealed << folder;
    QTest::newRow("executable") << url(script) << revealed << folder;
    QTest::newRow("script") << "javascript:alert(document.cookie)" << refused << "";
    QTest::newRow("script in capitals") << "JavaScript:alert(1)" << refused << "";
    QTest::newRow("data") << "data:text/html;base64,PHNjcmlwdD5hbGVydCgxKTwvc2NyaXB0Pg==" << refused << "";
    QTest::newRow("vbscript") << "vbscript:msgbox(1)" << refused << "";
    QTest::newRow("windows share") << "smb://server/share/setup.exe" << refused << "";
    QTest::newRow("file on another machine") << "file://server/share/notes.txt" << refused << "";
    QTest::newRow("plain path") << "/etc/shadow" << refused << "";
    QTest::newRow("plain path of an entry") << entry << refused << "";
    QTest::newRow("missing file") << url(root + QStringLiteral("/gone.txt")) << DesktopOpener::Outcome::Failed << "";
}

// Whatever an address names, nothing is run, and only the schemes opened reach xdg-open.
void TestDesktopOpener::addressesAreNeverRun()
{
    QFETCH(QString, address);
    QFETCH(DesktopOpener::Outcome, outcome);
    QFETCH(QString, passed);
    const QString link =
        writeEntry(QStringLiteral("link.desktop"), "[Desktop Entry]\nType=Link\nURL=" + address.toUtf8() + "\n");
    // The address itself, then as a link entry's: opened alike.
    for (const bool asLink : {false, true}) {
        init();
        QCOMPARE(asLink ? DesktopOpener::open(link) : DesktopOpener::openAddress(address), outcome);
        if (passed.isEmpty()) {
            QTest::qWait(200);
            QVERIFY(calls().isEmpty());
        } else {
            QTRY_COMPARE(calls(), (QList<QStringList>{{QStringLiteral("xdg-open"), passed}}));
        }
        QVERIFY(!QFile::exists(marker));
    }
}

void TestDesktopOpener::onlyTrustedEntriesRun_data()
{
    QTest::addColumn<QString>("target"); // what the item holds
    QTest::addColumn<bool>("runs");
    const QString root = TestEnvironment::instance()->root() + QLatin1Char('/');
    const QByteArray body = markerEntry();
    const auto linked = [&](const QString& name, const QString& to) {
        QDir().mkpath(QFileInfo(root + name).absolutePath());
        QFile::remove(root + name);
        QFile::link(root + to, root + name);
        return root + name;
    };
    // The folders of the system's entries, as $XDG_DATA_DIRS names them.
    qputenv("XDG_DATA_DIRS", QFile::encodeName(root + QStringLiteral("system:") + root
                                               + QStringLiteral("local")));
    const QString installed = writeEntry(applications() + QStringLiteral("/installed.desktop"), body);
    const QString downloaded = writeEntry(QStringLiteral("Downloads/fetched.desktop"), body);
    const QString made = writeEntry(QStringLiteral("Downloads/made executable.desktop"), body);
    QFile::setPermissions(made, QFile::permissions(made) | QFileDevice::ExeUser | QFileDevice::ExeOwner);
    const auto localhost = [](const QString& path) {
        QUrl address = QUrl::fromLocalFile(path);
        address.setHost(QStringLiteral("localhost"));
        return address.toString(QUrl::FullyEncoded);
    };

    QTest::newRow("user's applications") << installed << true;
    QTest::newRow("applications subfolder")
        << writeEntry(applications() + QStringLiteral("/kits/kit.desktop"), body) << true;
    QTest::newRow("system applications")
        << writeEntry(QStringLiteral("system/applications/system.desktop"), body) << true;
    QTest::newRow("second system folder")
        << writeEntry(QStringLiteral("local/applications/local.desktop"), body) << true;
    QTest::newRow("made executable") << made << true;
    QTest::newRow("downloaded") << downloaded << false;
    QTest::newRow("downloaded, as a file URL") << QUrl::fromLocalFile(downloaded).toString() << false;
    QTest::newRow("downloaded, on localhost") << localhost(downloaded) << false;
    QTest::newRow("installed, on localhost") << localhost(installed) << true;
    QTest::newRow("entry without its suffix") << writeEntry(QStringLiteral("Downloads/fetched"), body) << false;
    QTest::newRow("beside the applications folder") << writeEntry(QStringLiteral("data/apps.desktop"), body) << false;
    QTest::newRow("out of the folder by ..")
        << root + applications() + QStringLiteral("/../apps.desktop") << false;
    QTest::newRow("link in the folder to a download")
        << linked(applications() + QStringLiteral("/lure.desktop"), QStringLiteral("Downloads/fetched.desktop"))
        << false;
    QTest::newRow("link without suffix to a download")
        << linked(QStringLiteral("Downloads/lure"), QStringLiteral("Downloads/fetched.desktop")) << false;
    QTest::newRow("link elsewhere to an installed entry")
        << linked(QStringLiteral("Downloads/shortcut.desktop"), applications() + QStringLiteral("/installed.desktop"))
        << true;
}

// An application entry runs only from an applications folder, or made executable; any
// other is shown in the file manager (here: its folder opened) and never run.
void TestDesktopOpener::onlyTrustedEntriesRun()
{
    QFETCH(QString, target);
    QFETCH(bool, runs);
    const QString path = DesktopOpener::localPath(target);
    QVERIFY(QFileInfo::exists(path));
    QCOMPARE(DesktopOpener::isTrustedEntry(path), runs);
    QCOMPARE(DesktopOpener::open(target), runs ? DesktopOpener::Outcome::Opened : DesktopOpener::Outcome::Untrusted);
    if (runs) {
        QTRY_VERIFY(QFile::exists(marker));
        QCOMPARE(calls(), QList<QStringList>());
    } else {
        const QString folder = QUrl::fromLocalFile(QFileInfo(path).absolutePath()).toString(QUrl::FullyEncoded);
        QTRY_COMPARE(calls(), (QList<QStringList>{{QStringLiteral("xdg-open"), folder}}));
        QVERIFY(!QFile::exists(marker));
    }
}

VORENDA_TEST_MAIN_APP(TestDesktopOpener, QCoreApplication)
#include "tst_desktopopener.moc"
