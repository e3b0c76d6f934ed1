// A browser-bookmarks import of a huge profile into a shown cabinet: a Firefox places
// database of one million bookmarks (1,000 folders of 1,000), or a Chromium "Bookmarks"
// file of 390,000 (the largest the importer reads). The folder question is answered
// with "keep the folders". Prints the longest time the event loop did not run (a timer
// asks every 10 ms), the time the import took, the peak resident memory of the import,
// how many items it made, the time the save at the end took and the size of the
// cabinet file. With "stop", the import is stopped as SIGTERM stops it, two seconds
// in, and the time from the stop to the end of the save that follows is printed
// instead. With "running", Firefox is taken to be running: its database stays open and
// locked, with changes in its write-ahead log.
// Targets: the event loop never waits 100 ms or more, the peak stays within 1 GB and
// the stop and save end within 2 s.
//
// bench_bookmarksimport [firefox|chromium] [count] [stop] [running]

#include "../support/BenchSupport.h"

#include "BookmarksWarningDialog.h"
#include "DovalinnailClient.h"
#include "KestrimnailClient.h"
#include "MenuType.h"
#include "MyThumbnailView.h"
#include "SafariBookmarksParser.h"
#include "VorendaGlobal.h"
#include "VorendaShelf.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTextStream>
#include <QTimer>
#include <QVariant>

#include <cstdlib>

namespace {

constexpr int FOLDER_SIZE = 1000;

QString title(int i)
{
    return QStringLiteral("Bookmark %1 of a long reading list").arg(i);
}

QString address(int i)
{
    return QStringLiteral("https://example.org/reading/%1/page-%2.html").arg(i / FOLDER_SIZE).arg(i);
}

bool exec(QSqlQuery& query, const QString& statement)
{
    if (query.exec(statement))
        return true;
    qWarning("%s: %s", qPrintable(statement), qPrintable(query.lastError().text()));
    return false;
}

// The tables and built-in folders as Firefox keeps them; the bookmarks in folders of
// 1,000 below the bookmarks menu.
bool writePlaces(const QString& path, int count)
{
    bool written = false;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("bench"));
        db.setDatabaseName(path);
        if (!db.open())
            return false;
        QSqlQuery query(db);
        written = exec(query, QStringLiteral("PRAGMA journal_mode=WAL"))
            && exec(query,
                    QStringLiteral("CREATE TABLE moz_places (id INTEGER PRIMARY KEY, url LONGVARCHAR, "
                                   "title LONGVARCHAR, guid TEXT)"))
            && exec(query,
                    QStringLiteral("CREATE TABLE moz_bookmarks (id INTEGER PRIMARY KEY, type INTEGER, fk INTEGER, "
                                   "parent INTEGER, position INTEGER, title LONGVARCHAR, guid TEXT)"))
            && exec(query, QStringLiteral("CREATE INDEX moz_bookmarks_parent ON moz_bookmarks (parent, position)"))
            && exec(query, QStringLiteral("BEGIN"))
            && exec(query,
                    QStringLiteral("INSERT INTO moz_bookmarks (id, type, parent, position, title, guid) VALUES "
                                   "(1, 2, 0, 0, '', 'root________'), (2, 2, 1, 0, 'menu', 'menu________'), "
                                   "(3, 2, 1, 1, 'toolbar', 'toolbar_____'), (4, 2, 1, 2, 'tags', 'tags________'), "
                                   "(5, 2, 1, 3, 'unfiled', 'unfiled_____')"));
        QSqlQuery place(db);
        QSqlQuery bookmark(db);
        written = written && place.prepare(QStringLiteral("INSERT INTO moz_places (id, url, title) VALUES (?, ?, ?)"))
            && bookmark.prepare(QStringLiteral(
                "INSERT INTO moz_bookmarks (id, type, fk, parent, position, title) VALUES (?, ?, ?, ?, ?, ?)"));
        const int folderBase = 10;
        const int bookmarkBase = folderBase + count / FOLDER_SIZE + 1;
        for (int i = 0; written && i < count; ++i) {
            const int folder = folderBase + i / FOLDER_SIZE;
            if (i % FOLDER_SIZE == 0) {
                bookmark.addBindValue(folder);
                bookmark.addBindValue(2);
                bookmark.addBindValue(QVariant());
                bookmark.addBindValue(2);
                bookmark.addBindValue(i / FOLDER_SIZE);
                bookmark.addBindValue(QStringLiteral("Reading %1").arg(i / FOLDER_SIZE));
                written = bookmark.exec();
            }
            place.addBindValue(i + 1);
            place.addBindValue(address(i));
            place.addBindValue(title(i));
            bookmark.addBindValue(bookmarkBase + i);
            bookmark.addBindValue(1);
            bookmark.addBindValue(i + 1);
            bookmark.addBindValue(folder);
            bookmark.addBindValue(i % FOLDER_SIZE);
            bookmark.addBindValue(QString());
            written = written && place.exec() && bookmark.exec();
        }
        written = written && exec(query, QStringLiteral("COMMIT"));
        db.close();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("bench"));
    return written;
}

bool writeChromium(const QString& path, int count)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    QTextStream out(&file);
    out << "{\"version\": 1, \"roots\": {\"bookmark_bar\": {\"type\": \"folder\", \"name\": \"Bookmarks bar\", "
           "\"children\": [";
    for (int i = 0; i < count; ++i) {
        if (i % FOLDER_SIZE == 0)
            out << (i ? "]}, " : "") << "{\"type\": \"folder\", \"name\": \"Reading " << i / FOLDER_SIZE
                << "\", \"children\": [";
        else
            out << ", ";
        out << "{\"type\": \"url\", \"name\": \"" << title(i) << "\", \"url\": \"" << address(i) << "\"}";
    }
    out << (count ? "]}" : "") << "]}}}\n";
    out.flush();
    return file.error() == QFileDevice::NoError;
}

// Starts the peak of the resident set afresh, so that writing the input does not count.
void resetPeak()
{
    QFile clear(QStringLiteral("/proc/self/clear_refs"));
    if (clear.open(QIODevice::WriteOnly))
        clear.write("5");
}

// Answers the folder question, whenever it shows, with "keep the folders", and takes
// note of the message on what was left out.
void answerQuestions(QString& message)
{
    const QWidgetList windows = QApplication::topLevelWidgets();
    for (QWidget* window : windows) {
        if (!window->isVisible())
            continue;
        if (auto* question = qobject_cast<BookmarksWarningDialog*>(window)) {
            question->createRadioButton->setChecked(true);
            question->okButton->click();
        } else if (auto* box = qobject_cast<QMessageBox*>(window)) {
            message = box->text();
            box->accept();
        }
    }
}

} // namespace

int main(int argc, char** argv)
{
    const QString kind = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("firefox");
    const bool chromium = kind == QLatin1String("chromium");
    const int count = argc > 2 ? QString::fromLocal8Bit(argv[2]).toInt() : (chromium ? 390000 : 1000000);
    bool stop = false;
    bool running = false;
    for (int i = 3; i < argc; ++i) {
        stop = stop || QByteArray(argv[i]) == "stop";
        running = running || QByteArray(argv[i]) == "running";
    }

    // The browsers' profiles are looked for in the home and configuration folders.
    QTemporaryDir home;
    qputenv("HOME", QFile::encodeName(home.path()));
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(home.path() + QStringLiteral("/.config")));
    prepareOffscreenRun();
    QApplication app(argc, argv);
    TemporaryStore store;
    QTextStream out(stdout);

    bool written = false;
    if (chromium) {
        written = writeChromium(home.path() + QStringLiteral("/.config/chromium/Default/Bookmarks"), count);
    } else {
        const QString profile = home.path() + QStringLiteral("/.mozilla/firefox/bench.default");
        QDir().mkpath(profile);
        QFile ini(home.path() + QStringLiteral("/.mozilla/firefox/profiles.ini"));
        written = ini.open(QIODevice::WriteOnly)
            && ini.write("[Profile0]\nName=default\nIsRelative=1\nPath=bench.default\n") > 0;
        ini.close();
        written = written && writePlaces(profile + QStringLiteral("/places.sqlite"), count);
    }
    // A running Firefox: its last change still in the log, the database locked.
    QSqlDatabase firefox;
    if (written && running && !chromium) {
        firefox = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("firefox"));
        firefox.setDatabaseName(home.path() + QStringLiteral("/.mozilla/firefox/bench.default/places.sqlite"));
        QSqlQuery query(firefox);
        written = firefox.open() && exec(query, QStringLiteral("PRAGMA locking_mode=EXCLUSIVE"))
            && exec(query, QStringLiteral("PRAGMA wal_autocheckpoint=0"))
            && exec(query, QStringLiteral("UPDATE moz_bookmarks SET title = 'Renamed' WHERE id = 10"))
            && exec(query, QStringLiteral("BEGIN EXCLUSIVE"));
    }
    if (!written) {
        out << "cannot write the bookmarks\n";
        return 1;
    }

    VorendaShelf* shelf = newBenchCabinet(benchCabinetId);
    shelf->kestrimClient->setProgram(idleHelperIn(home.path()));
    shelf->dovalinClient->setProgram(idleHelperIn(home.path()));
    shelf->initialize();
    shelf->show();
    settleEvents();

    QString message;
    QTimer questions;
    QObject::connect(&questions, &QTimer::timeout, [&message] { answerQuestions(message); });
    questions.start(20);

    // The event loop's pulse: the longest pause between two of its turns.
    QElapsedTimer timer;
    QElapsedTimer pulseClock;
    qint64 longestPauseNs = 0;
    int pausesOver100 = 0;
    int pausesOver50 = 0;
    QTimer pulse;
    pulse.setTimerType(Qt::PreciseTimer);
    QObject::connect(&pulse, &QTimer::timeout, [&] {
        const qint64 pause = pulseClock.nsecsElapsed();
        pulseClock.start();
        longestPauseNs = qMax(longestPauseNs, pause);
        if (pause >= 100000000)
            ++pausesOver100;
        if (pause >= 50000000)
            ++pausesOver50;
    });

    QElapsedTimer stopClock;
    if (stop) {
        // What SIGTERM does: the program's quit, whose aboutToQuit reaches the cabinet.
        QObject::connect(&app, &QCoreApplication::aboutToQuit, shelf, &VorendaShelf::quit);
        QTimer::singleShot(2000, [&] {
            pulse.stop();
            stopClock.start();
            QCoreApplication::quit();
        });
    }
    // The first items come once the first file is read.
    double firstItemsMs = 0;
    QObject::connect(shelf->bookmarksParser, &SafariBookmarksParser::progress, [&] {
        if (firstItemsMs == 0)
            firstItemsMs = timer.nsecsElapsed() / 1e6;
    });
    QObject::connect(shelf->bookmarksParser, &SafariBookmarksParser::finished, &app, [&] {
        if (!stop)
            QCoreApplication::quit();
    });

    resetPeak();
    const qint64 before = residentBytes();
    timer.start();
    pulseClock.start();
    pulse.start(10);
    QTimer::singleShot(0, shelf, [shelf] { shelf->doMenuAction(AddSafariBookmarks, -1); });
    app.exec();
    const double importMs = timer.nsecsElapsed() / 1e6;
    const double stopMs = stop ? stopClock.nsecsElapsed() / 1e6 : 0;
    // The layout that follows the last items still belongs to the import.
    for (int i = 0; i < 50; ++i)
        QApplication::processEvents(QEventLoop::AllEvents, 5);
    pulse.stop();
    questions.stop();
    const qint64 peak = peakResidentBytes();
    const int items = shelf->view->getAllItems().size();

    QElapsedTimer saveClock;
    saveClock.start();
    if (!stop)
        shelf->save();
    const double saveMs = saveClock.nsecsElapsed() / 1e6;
    const qint64 fileBytes =
        QFileInfo(QDir(VorendaGlobal::getDataLocation()).filePath(shelf->fileName)).size();

    out << QStringLiteral("%1 bookmarks of %2: import %3 ms (first items after %4 ms), longest event-loop pause "
                          "%5 ms (%6 of 100 ms or more, %7 of 50 ms or more), peak %8 MB (%9 MB before), %10 items\n")
               .arg(count)
               .arg(chromium ? QStringLiteral("Chromium") : QStringLiteral("Firefox"))
               .arg(importMs, 0, 'f', 0)
               .arg(firstItemsMs, 0, 'f', 0)
               .arg(longestPauseNs / 1e6, 0, 'f', 1)
               .arg(pausesOver100)
               .arg(pausesOver50)
               .arg(peak / 1048576.0, 0, 'f', 0)
               .arg(before / 1048576.0, 0, 'f', 0)
               .arg(items);
    if (!message.isEmpty())
        out << QStringLiteral("message: %1\n").arg(message);
    if (stop)
        out << QStringLiteral("stopped 2 s in: quit and save took %1 ms, cabinet file %2 MB\n")
                   .arg(stopMs, 0, 'f', 0)
                   .arg(fileBytes / 1048576.0, 0, 'f', 1);
    else
        out << QStringLiteral("save %1 ms, cabinet file %2 MB\n")
                   .arg(saveMs, 0, 'f', 0)
                   .arg(fileBytes / 1048576.0, 0, 'f', 1);
    out.flush();
    // The cabinet's thousands of items are left to the end of the process.
    std::_Exit(0);
}
