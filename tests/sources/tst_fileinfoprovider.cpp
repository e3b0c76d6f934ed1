#include "HostileImages.h"
#include "TestEnvironment.h"

#include "FileInfoProvider.h"

#include <sys/stat.h>

// File kinds, links, icons and desktop entries as the cabinet sees them.
class TestFileInfoProvider : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();
    void kindsBySuffix_data();
    void kindsBySuffix();
    void symbolicLinks();
    void sizeClasses();
    void iconsAreNeverNull_data();
    void iconsAreNeverNull();
    void genericIcons_data();
    void genericIcons();
    void desktopEntryShowsItsOwnNameAndIcon();
    void webLocations_data();
    void webLocations();

private:
    QString path(const QString& name) const { return dir.filePath(name); }
    void touch(const QString& name, const QByteArray& content = QByteArray());

    QTemporaryDir dir;
    FileInfoProvider provider;
};

void TestFileInfoProvider::touch(const QString& name, const QByteArray& content)
{
    QFile file(path(name));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(content);
}

void TestFileInfoProvider::initTestCase()
{
    QVERIFY(dir.isValid());
    touch(QStringLiteral("notes.txt"), "some notes\n");
    touch(QStringLiteral("page.html"), "<html><body>a page of some length</body></html>");
    touch(QStringLiteral("logo.icns"));
    touch(QStringLiteral("logo.ICO"));
    touch(QStringLiteral("odd.zz9"));
    QVERIFY(QDir().mkdir(path(QStringLiteral("folder"))));
    QImage red(64, 64, QImage::Format_RGB32);
    red.fill(Qt::red);
    QVERIFY(red.save(path(QStringLiteral("viewer-icon.png"))));
    touch(QStringLiteral("viewer.desktop"),
          "# a program\n"
          "[Desktop Entry]\n"
          "Type=Application\n"
          "Name=Picture Viewer\n"
          "Name[de]=Bildbetrachter\n"
          "Icon="
              + QFile::encodeName(path(QStringLiteral("viewer-icon.png")))
              + "\n"
                "Exec=viewer %f\n"
                "[Desktop Action New]\n"
                "Name=Not this one\n");
    touch(QStringLiteral("nameless.desktop"), "[Desktop Entry]\nType=Application\nIcon=no-such-icon-anywhere\n");
    // Entries whose own icon file would block the reader or take gigabytes to decode.
    QCOMPARE(::mkfifo(QFile::encodeName(path(QStringLiteral("fifo.png"))).constData(), 0600), 0);
    touch(QStringLiteral("fifo-icon.desktop"),
          "[Desktop Entry]\nType=Application\nIcon=" + QFile::encodeName(path(QStringLiteral("fifo.png"))) + "\n");
    QVERIFY(HostileImages::write(path(QStringLiteral("costly.jpg")),
                                 HostileImages::jpeg(60000, 60000, 1, HostileImages::Progressive)));
    touch(QStringLiteral("costly-icon.desktop"),
          "[Desktop Entry]\nType=Application\nIcon=" + QFile::encodeName(path(QStringLiteral("costly.jpg"))) + "\n");
    QVERIFY(QFile::link(path(QStringLiteral("page.html")), path(QStringLiteral("page-link"))));
    QVERIFY(QFile::link(path(QStringLiteral("notes.txt")), path(QStringLiteral("notes-link"))));
    QVERIFY(QFile::link(path(QStringLiteral("gone/away.webloc")), path(QStringLiteral("webloc-link"))));
}

void TestFileInfoProvider::cleanup()
{
    QLocale::setDefault(QLocale::c());
}

void TestFileInfoProvider::kindsBySuffix_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("kind");

    QTest::newRow("audio upper case") << "Song.MP3" << "audio";
    QTest::newRow("wav") << "take.wav" << "audio";
    QTest::newRow("mpeg") << "clip.MPEG" << "video";
    QTest::newRow("mpe") << "clip.mpe" << "video";
    QTest::newRow("matroska") << "film.mkv" << "video";
    QTest::newRow("webm") << "clip.WebM" << "video";
    QTest::newRow("flac") << "track.flac" << "audio";
    QTest::newRow("ogg") << "track.ogg" << "audio";
    QTest::newRow("m4a") << "track.m4a" << "audio";
    QTest::newRow("htm") << "page.HTM" << "web";
    QTest::newRow("shortcut") << "shortcut.url" << "web";
    QTest::newRow("jpg") << "photo.JPG" << "image";
    QTest::newRow("gif") << "anim.gif" << "image";
    QTest::newRow("svg") << "drawing.svg" << "image";
    // Photo formats whose readers come in image plug-ins.
    QTest::newRow("webp") << "photo.webp" << "image";
    QTest::newRow("tiff") << "scan.TIFF" << "image";
    QTest::newRow("heic") << "IMG_0001.HEIC" << "image";
    QTest::newRow("heif") << "photo.heif" << "image";
    QTest::newRow("avif") << "photo.avif" << "image";
    QTest::newRow("jpeg xl") << "photo.jxl" << "image";
    QTest::newRow("camera raw dng") << "DSC0001.dng" << "image";
    QTest::newRow("camera raw nef") << "DSC0001.NEF" << "image";
    // PostScript is a program: its reader would run it in Ghostscript.
    QTest::newRow("postscript") << "figure.eps" << "";
    QTest::newRow("icon file") << "favicon.ico" << "";
    QTest::newRow("double suffix") << "archive.tar.gz" << "";
    QTest::newRow("no dot") << "README" << "";
    QTest::newRow("ends in a dot") << "photo." << "";
    QTest::newRow("dot in folder only") << "folder.jpg/README" << "";
}

void TestFileInfoProvider::kindsBySuffix()
{
    QFETCH(QString, name);
    QFETCH(QString, kind);
    const QFileInfo info(QStringLiteral("/nowhere/") + name);
    QCOMPARE(provider.isAudio(info), kind == QLatin1String("audio"));
    QCOMPARE(provider.isVideo(info), kind == QLatin1String("video"));
    QCOMPARE(provider.isWebPage(info), kind == QLatin1String("web"));
    QCOMPARE(provider.isImage(info), kind == QLatin1String("image"));
}

void TestFileInfoProvider::webLocations_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<bool>("location");
    QTest::newRow("webloc") << "site.webloc" << QByteArray("<plist/>") << true;
    QTest::newRow("url, any case") << "site.URL" << QByteArray("[InternetShortcut]\n") << true;
    QTest::newRow("link entry") << "wiki.desktop" << QByteArray("[Desktop Entry]\nType=Link\nURL=https://x.org/\n")
                                << true;
    QTest::newRow("application entry") << "tool.desktop" << QByteArray("[Desktop Entry]\nType=Application\n")
                                       << false;
    QTest::newRow("page") << "index.html" << QByteArray("<html/>") << false;
    QTest::newRow("missing") << "" << QByteArray() << false;
}

void TestFileInfoProvider::webLocations()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, content);
    QFETCH(bool, location);
    if (!name.isEmpty())
        touch(name, content);
    const QString file = name.isEmpty() ? path(QStringLiteral("gone.webloc")) : path(name);
    QCOMPARE(provider.isWebLocation(QFileInfo(file)), location);
    // A folder is never one, whatever its name.
    QVERIFY(!provider.isWebLocation(QFileInfo(dir.path())));
}

void TestFileInfoProvider::symbolicLinks()
{
    const QFileInfo pageLink(path(QStringLiteral("page-link")));
    const QFileInfo page(path(QStringLiteral("page.html")));
    QVERIFY(provider.isValidSymLink(pageLink));
    QCOMPARE(provider.size(pageLink), page.size());
    QCOMPARE(provider.lastModified(pageLink), page.lastModified());
    QCOMPARE(provider.type(pageLink), provider.type(page));

    QVERIFY(!provider.isValidSymLink(QFileInfo(path(QStringLiteral("notes-link")))));
    // The target need not exist for a web location.
    QVERIFY(provider.isValidSymLink(QFileInfo(path(QStringLiteral("webloc-link")))));
    QVERIFY(!provider.isValidSymLink(page));

    QCOMPARE(provider.size(QFileInfo(path(QStringLiteral("folder")))), 0);
    QCOMPARE(provider.size(QFileInfo(path(QStringLiteral("missing.txt")))), 0);
    QCOMPARE(provider.size(QFileInfo(path(QStringLiteral("notes.txt")))), 11);
    QVERIFY(!provider.type(QFileInfo(path(QStringLiteral("folder")))).isEmpty());
}

void TestFileInfoProvider::sizeClasses()
{
    QCOMPARE(FileInfoProvider::getSize(FileInfoProvider::Size16), QSize(16, 16));
    QCOMPARE(FileInfoProvider::getSize(FileInfoProvider::Size32), QSize(32, 32));
    QCOMPARE(FileInfoProvider::getSize(FileInfoProvider::Size48), QSize(48, 48));
    QCOMPARE(FileInfoProvider::getSize(FileInfoProvider::Size256), QSize(256, 256));
    QCOMPARE(FileInfoProvider::getSize(FileInfoProvider::IconSize(7)), QSize(48, 48));
    QCOMPARE(FileInfoProvider::getSize(FileInfoProvider::IconSize(-1)), QSize(48, 48));
}

void TestFileInfoProvider::iconsAreNeverNull_data()
{
    QTest::addColumn<QString>("name");
    for (const char* name : {"notes.txt", "page.html", "folder", "odd.zz9", "missing.bin", "nameless.desktop",
                             "page-link", "webloc-link", "fifo-icon.desktop", "costly-icon.desktop"})
        QTest::newRow(name) << QString::fromLatin1(name);
}

void TestFileInfoProvider::iconsAreNeverNull()
{
    QFETCH(QString, name);
    const QFileInfo info(path(name));
    QVERIFY(!provider.icon(info).isNull());
    for (const auto size : {FileInfoProvider::Size16, FileInfoProvider::Size48, FileInfoProvider::Size256}) {
        const QSize wanted = FileInfoProvider::getSize(size);
        const QPixmap unscaled = provider.icon(info, size, false);
        QVERIFY(!unscaled.isNull());
        QVERIFY(unscaled.width() <= wanted.width() && unscaled.height() <= wanted.height());
        QCOMPARE(provider.icon(info, size, true).size(), wanted);
    }
}

void TestFileInfoProvider::genericIcons_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("generic");

    QTest::newRow("text file") << "notes.txt" << true;
    QTest::newRow("link to a page") << "page-link" << true;
    QTest::newRow("folder") << "folder" << false;
    QTest::newRow("icns") << "logo.icns" << false;
    QTest::newRow("ICO") << "logo.ICO" << false;
    QTest::newRow("application entry") << "viewer.desktop" << false;
    QTest::newRow("missing") << "missing.txt" << false;
}

void TestFileInfoProvider::genericIcons()
{
    QFETCH(QString, name);
    QFETCH(bool, generic);
    QCOMPARE(provider.isGenericIcon(path(name)), generic);
    QVERIFY(!provider.isGenericIcon(QString()));
}

void TestFileInfoProvider::desktopEntryShowsItsOwnNameAndIcon()
{
    const QFileInfo viewer(path(QStringLiteral("viewer.desktop")));
    QCOMPARE(provider.displayName(viewer), QStringLiteral("Picture Viewer"));
    QLocale::setDefault(QLocale(QStringLiteral("de_DE")));
    QCOMPARE(provider.displayName(viewer), QStringLiteral("Bildbetrachter"));
    QLocale::setDefault(QLocale(QStringLiteral("fr_FR")));
    QCOMPARE(provider.displayName(viewer), QStringLiteral("Picture Viewer"));
    QCOMPARE(provider.displayName(QFileInfo(path(QStringLiteral("notes.txt")))), QStringLiteral("notes.txt"));
    QCOMPARE(provider.displayName(QFileInfo(path(QStringLiteral("nameless.desktop")))),
             QStringLiteral("nameless.desktop"));

    QVERIFY(provider.isBundle(viewer));
    QCOMPARE(provider.type(viewer), QObject::tr("Application"));
    QCOMPARE(provider.size(viewer), 0);

    // Its own 64-pixel icon: not enlarged unless asked.
    const QPixmap own = provider.icon(viewer, FileInfoProvider::Size256, false);
    QCOMPARE(own.size(), QSize(64, 64));
    QCOMPARE(own.toImage().pixelColor(32, 32), QColor(Qt::red));
    const QPixmap scaled = provider.icon(viewer, FileInfoProvider::Size256, true);
    QCOMPARE(scaled.size(), QSize(256, 256));
    QCOMPARE(scaled.toImage().pixelColor(128, 128), QColor(Qt::red));
}

VORENDA_TEST_MAIN(TestFileInfoProvider)
#include "tst_fileinfoprovider.moc"
