#include "RunningVorenda.h"

#include "TestEnvironment.h"
#include "TextFunctions.h"
#include "TextProbe.h"

#include <QDate>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QGuiApplication>
#include <QHash>
#include <QRegularExpression>
#include <QScreen>
#include <QSettings>
#include <QXmlStreamReader>
#include <QtTest>

#include <csignal>

namespace {

// The environment of every program the fixture starts, as the test registration sets
// it for the x11 tests, also when a test runs on its own: no OpenGL integration, so
// the machine's GL driver is never loaded.
void useTestEnvironment(QProcess& process)
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_XCB_GL_INTEGRATION"), QStringLiteral("none"));
    process.setProcessEnvironment(environment);
}

// A pattern of xdotool's (POSIX extended) regular expressions that matches exactly one of `texts`.
QString exactPattern(const QStringList& texts)
{
    static const QRegularExpression special(QStringLiteral("([.\\[\\](){}*+?|^$\\\\])"));
    QStringList escaped;
    for (QString text : texts)
        escaped << text.replace(special, QStringLiteral("\\\\\\1"));
    return QStringLiteral("^(%1)$").arg(escaped.join(QLatin1Char('|')));
}

// The program's own settings file in the test's configuration folder.
QString settingsFile()
{
    return qEnvironmentVariable("XDG_CONFIG_HOME") + QStringLiteral("/Vorenda/Vorenda.conf");
}

} // namespace

RunningVorenda::RunningVorenda()
    : storeFolder(TestEnvironment::instance()->root() + QStringLiteral("/vorenda-store/"))
{
    // The program keeps its own colours in its settings file in this type: known here
    // too, the fixture's own writes keep them.
    qRegisterMetaTypeStreamOperators<QList<uint>>("QList<uint>");
}

RunningVorenda::~RunningVorenda()
{
    stop();
}

bool RunningVorenda::configure(bool withLog) const
{
    QSettings settings(settingsFile(), QSettings::IniFormat);
    settings.setValue(QStringLiteral("Main/StoreFolder"), storeFolder);
    settings.setValue(QStringLiteral("Main/VerCheckUrl"), QStringLiteral("http://127.0.0.1:1/vorenda-%1-%2.xml"));
    settings.setValue(QStringLiteral("Main/EnableLog"), withLog);
    settings.sync();
    if (settings.status() != QSettings::NoError) {
        qWarning("could not write %s", qPrintable(settings.fileName()));
        return false;
    }
    return true;
}

bool RunningVorenda::setLanguage(const QString& language) const
{
    QSettings settings(settingsFile(), QSettings::IniFormat);
    settings.setValue(QStringLiteral("Main/Language"), language);
    settings.sync();
    return settings.status() == QSettings::NoError;
}

bool RunningVorenda::start()
{
    stop();
    vorenda = std::make_unique<QProcess>();
    useTestEnvironment(*vorenda);
    if (textProbe) {
        QProcessEnvironment environment = vorenda->processEnvironment();
        textProbe->addTo(environment);
        vorenda->setProcessEnvironment(environment);
    }
    vorenda->setProcessChannelMode(QProcess::ForwardedChannels);
    vorenda->start(QStringLiteral(VORENDA_BIN_DIR "/vorenda"), QStringList());
    if (!vorenda->waitForStarted()) {
        qWarning("vorenda did not start: %s", qPrintable(vorenda->errorString()));
        return false;
    }
    return true;
}

bool RunningVorenda::terminate(int timeout)
{
    if (!vorenda || vorenda->state() == QProcess::NotRunning) {
        qWarning("vorenda is not running");
        return false;
    }
    ::kill(pid_t(vorenda->processId()), SIGTERM);
    if (!vorenda->waitForFinished(timeout)) {
        qWarning("vorenda still runs %d ms after SIGTERM", timeout);
        return false;
    }
    if (vorenda->exitStatus() != QProcess::NormalExit || vorenda->exitCode() != 0) {
        qWarning("vorenda ended with %s, code %d",
                 vorenda->exitStatus() == QProcess::NormalExit ? "a normal exit" : "a crash", vorenda->exitCode());
        return false;
    }
    return true;
}

QStringList RunningVorenda::helpersRunning() const
{
    QStringList names;
    if (!vorenda || vorenda->state() == QProcess::NotRunning)
        return names;
    const QString parent = QString::number(vorenda->processId());
    const QStringList processes = QDir(QStringLiteral("/proc")).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    for (const QString& process : processes) {
        QFile stat(QStringLiteral("/proc/%1/stat").arg(process));
        if (!stat.open(QIODevice::ReadOnly))
            continue;
        // "pid (name) state ppid ...": the name may hold blanks and brackets.
        const QString line = QString::fromLocal8Bit(stat.readAll());
        const int nameEnd = line.lastIndexOf(QLatin1Char(')'));
        const QStringList fields = line.mid(nameEnd + 2).split(QLatin1Char(' '));
        if (nameEnd > 0 && fields.size() > 1 && fields.at(1) == parent)
            names << line.mid(line.indexOf(QLatin1Char('(')) + 1, nameEnd - line.indexOf(QLatin1Char('(')) - 1);
    }
    return names;
}

bool RunningVorenda::waitForHelpersToEnd(int timeout) const
{
    QElapsedTimer waited;
    waited.start();
    QStringList running;
    while (!(running = helpersRunning()).isEmpty()) {
        if (waited.hasExpired(timeout)) {
            qWarning("helpers still run after %d ms: %s", timeout, qPrintable(running.join(QLatin1Char(' '))));
            return false;
        }
        QTest::qWait(50);
    }
    return true;
}

void RunningVorenda::stop()
{
    for (auto* process : {vorenda.get(), clipboard.get()}) {
        if (process && process->state() != QProcess::NotRunning) {
            process->kill();
            process->waitForFinished(5000);
        }
    }
    vorenda.reset();
    clipboard.reset();
}

void RunningVorenda::resetToFirstStart()
{
    stop();
    QDir(storeFolder).removeRecursively();
    QSettings settings(settingsFile(), QSettings::IniFormat);
    settings.remove(QStringLiteral("Main/WelcomeShown"));
}

bool RunningVorenda::pressKeys(const QStringList& names)
{
    return xdotool(QStringList{QStringLiteral("key"), QStringLiteral("--delay"), QStringLiteral("150")} + names);
}

QStringList RunningVorenda::visibleWindows(const QString& name)
{
    QProcess search;
    useTestEnvironment(search);
    search.start(QStringLiteral("xdotool"),
                 {QStringLiteral("search"), QStringLiteral("--onlyvisible"), QStringLiteral("--name"), name});
    search.waitForFinished(5000);
    return QString::fromLatin1(search.readAllStandardOutput()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
}

QStringList RunningVorenda::cabinetWindows()
{
    return visibleWindows(QStringLiteral("^Vorenda$"));
}

QString RunningVorenda::waitForCabinet(int timeout)
{
    QStringList found;
    if (!QTest::qWaitFor([&] { return (found = cabinetWindows()).size() == 1; }, timeout)) {
        qWarning("%lld cabinet windows shown after %d ms, not 1", qint64(found.size()), timeout);
        return QString();
    }
    return found.first();
}

QString RunningVorenda::waitForWindow(const QString& name, int timeout)
{
    QStringList found;
    if (!QTest::qWaitFor([&] { return (found = visibleWindows(name)).size() == 1; }, timeout)) {
        qWarning("%lld windows named %s shown after %d ms, not 1", qint64(found.size()), qPrintable(name), timeout);
        return QString();
    }
    return found.first();
}

QStringList RunningVorenda::firstRunTitles()
{
    return {QStringLiteral("Welcome to Vorenda"), QStringLiteral("Quick Start")};
}

void RunningVorenda::unmapFirstRunWindows(const QStringList& titles)
{
    for (const QString& window : visibleWindows(exactPattern(titles)))
        xdotool({QStringLiteral("windowunmap"), QStringLiteral("--sync"), window});
}

bool RunningVorenda::xdotool(const QStringList& arguments)
{
    QProcess process;
    useTestEnvironment(process);
    process.setProcessChannelMode(QProcess::ForwardedChannels);
    process.start(QStringLiteral("xdotool"), arguments);
    return process.waitForFinished(30000) && process.exitStatus() == QProcess::NormalExit
        && process.exitCode() == 0;
}

QRect RunningVorenda::windowGeometry(const QString& window)
{
    QProcess query;
    query.start(QStringLiteral("xdotool"), {QStringLiteral("getwindowgeometry"), QStringLiteral("--shell"), window});
    query.waitForFinished(5000);
    QHash<QString, int> values;
    for (const QString& line : QString::fromLatin1(query.readAllStandardOutput()).split(QLatin1Char('\n'))) {
        const int equals = line.indexOf(QLatin1Char('='));
        if (equals > 0)
            values.insert(line.left(equals), line.mid(equals + 1).toInt());
    }
    return QRect(values.value(QStringLiteral("X")), values.value(QStringLiteral("Y")),
                 values.value(QStringLiteral("WIDTH")), values.value(QStringLiteral("HEIGHT")));
}

bool RunningVorenda::clickAt(const QPoint& screenPoint)
{
    return xdotool({QStringLiteral("mousemove"), QString::number(screenPoint.x()), QString::number(screenPoint.y())})
        && (QTest::qWait(150), xdotool({QStringLiteral("click"), QStringLiteral("1")}));
}

QImage RunningVorenda::grabWindow(const QString& window)
{
    const QRect geometry = windowGeometry(window);
    if (geometry.isEmpty())
        return QImage();
    return grabScreen(geometry);
}

QImage RunningVorenda::grabScreen(const QRect& area)
{
    QScreen* screen = QGuiApplication::primaryScreen();
    return screen->grabWindow(0, area.x(), area.y(), area.width(), area.height()).toImage();
}

QRect RunningVorenda::changedArea(const QImage& before, const QImage& after)
{
    if (before.size() != after.size())
        return QRect();
    QRect area;
    // The bars above and below the shelves change with the counts; the shelves lie between.
    const int top = before.height() / 8;
    const int bottom = before.height() * 7 / 8;
    for (int y = top; y < bottom; ++y) {
        QRect row;
        for (int x = 0; x < before.width(); ++x) {
            if (before.pixel(x, y) != after.pixel(x, y))
                row |= QRect(x, y, 1, 1);
        }
        // A shelf board drawn under a new row of items spans the whole width.
        if (row.width() < before.width() / 2)
            area |= row;
    }
    return area;
}

bool RunningVorenda::dismissFirstRunWindows(int timeout, const QStringList& titles)
{
    const QString firstRunWindows = exactPattern(titles);
    if (!QTest::qWaitFor([&] { return !visibleWindows(firstRunWindows).isEmpty(); }, timeout)) {
        qWarning("no first-run window (%s) showed within %d ms", qPrintable(titles.join(QStringLiteral(", "))),
                 timeout);
        return false;
    }
    unmapFirstRunWindows(titles);
    return true;
}

bool RunningVorenda::showCabinetByHotkey(int timeout)
{
    const bool shown = QTest::qWaitFor(
        [] {
            return xdotool({QStringLiteral("key"), QStringLiteral("ctrl+F10")})
                && (QTest::qWait(300), cabinetWindows().size() == 1);
        },
        timeout);
    if (!shown)
        qWarning("ctrl+F10 showed no single cabinet within %d ms", timeout);
    return shown;
}

bool RunningVorenda::holdOnClipboard(const QList<QUrl>& uris)
{
    QByteArray list;
    for (const QUrl& uri : uris)
        list += uri.toEncoded() + "\r\n";
    return holdOnClipboard(list, QStringLiteral("text/uri-list"));
}

bool RunningVorenda::holdOnClipboard(const QByteArray& data, const QString& mimeType)
{
    if (clipboard && clipboard->state() != QProcess::NotRunning) {
        clipboard->kill();
        clipboard->waitForFinished(5000);
    }
    clipboard = std::make_unique<QProcess>();
    useTestEnvironment(*clipboard);
    clipboard->start(QStringLiteral("xclip"), {QStringLiteral("-quiet"), QStringLiteral("-selection"),
                                               QStringLiteral("clipboard"), QStringLiteral("-t"), mimeType,
                                               QStringLiteral("-i")});
    if (!clipboard->waitForStarted()) {
        qWarning("xclip did not start: %s", qPrintable(clipboard->errorString()));
        return false;
    }
    clipboard->write(data);
    clipboard->closeWriteChannel();
    QTest::qWait(300);
    return true;
}

bool RunningVorenda::pasteInto(const QString& window)
{
    return xdotool({QStringLiteral("windowfocus"), QStringLiteral("--sync"), window})
        && xdotool({QStringLiteral("key"), QStringLiteral("ctrl+v")});
}

bool RunningVorenda::importBookmarks(const QString& window)
{
    const QRect geometry = windowGeometry(window);
    if (geometry.width() <= 100 || geometry.height() <= 100) {
        qWarning("cabinet window %s has no usable size", qPrintable(window));
        return false;
    }
    // The cabinet menu on the empty shelf: its fifth entry is "Add Items", whose tenth
    // entry is "Browser Bookmarks".
    const QPoint free(geometry.center().x(), geometry.y() + geometry.height() * 3 / 4);
    if (!xdotool({QStringLiteral("mousemove"), QString::number(free.x()), QString::number(free.y())})
        || !xdotool({QStringLiteral("click"), QStringLiteral("3")}))
        return false;
    QTest::qWait(500);
    const auto downs = [](int count) {
        QStringList keys;
        for (int i = 0; i < count; ++i)
            keys << QStringLiteral("Down");
        return keys;
    };
    if (!pressKeys(downs(5) << QStringLiteral("Right")))
        return false;
    QTest::qWait(300);
    if (!pressKeys(downs(9) << QStringLiteral("Return")))
        return false;

    // The folder question comes up beside the cabinet.
    QStringList question;
    const bool asked = QTest::qWaitFor(
        [&] {
            question = cabinetWindows();
            question.removeAll(window);
            return !question.isEmpty();
        },
        30000);
    if (!asked) {
        qWarning("no folder question came up");
        return false;
    }
    return xdotool({QStringLiteral("windowfocus"), QStringLiteral("--sync"), question.first()})
        && pressKeys({QStringLiteral("Return")});
}

QStringList RunningVorenda::logLines()
{
    return TestEnvironment::logLines(TestEnvironment::instance()->home() + QStringLiteral("/Desktop/vorenda_")
                                     + QDate::currentDate().toString(Qt::ISODate) + QStringLiteral(".log"));
}

QStringList RunningVorenda::listedIds() const
{
    return cabinetIdsIn(storeFolder + QStringLiteral("Vorenda.dat"));
}

QStringList RunningVorenda::cabinetIdsIn(const QString& path, const QStringList& unreadable)
{
    return attributeValues(path, QStringLiteral("Cabinet"), QStringLiteral("id"), unreadable);
}

QStringList RunningVorenda::attributeValues(const QString& path, const QString& element, const QString& attribute,
                                            const QStringList& unreadable)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return unreadable;
    QStringList values;
    QXmlStreamReader xml(&file);
    while (!xml.atEnd()) {
        if (xml.readNext() == QXmlStreamReader::StartElement && xml.name() == element)
            values << xml.attributes().value(attribute).toString();
    }
    return values;
}

QString RunningVorenda::dataFile(const QString& id) const
{
    return storeFolder + QStringLiteral("Data/") + id + QStringLiteral(".dat");
}

QList<RunningVorenda::SavedItem> RunningVorenda::itemsOf(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QList<SavedItem> items;
    QString category;
    static const QStringList mediaFacts{QStringLiteral("width"),    QStringLiteral("height"),
                                        QStringLiteral("length"),   QStringLiteral("bitrate"),
                                        QStringLiteral("framerate"), QStringLiteral("samplerate"),
                                        QStringLiteral("bitdepth"), QStringLiteral("channels")};
    QXmlStreamReader xml(&file);
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (xml.name() == QLatin1String("Uncategorized")) {
            category.clear();
        } else if (xml.name() == QLatin1String("Category")) {
            category = xml.attributes().value(QStringLiteral("name")).toString();
        } else if (xml.name() == QLatin1String("Item")) {
            SavedItem item;
            item.category = category;
            item.name = xml.attributes().value(QStringLiteral("name")).toString();
            item.type = xml.attributes().value(QStringLiteral("type")).toInt();
            items.append(item);
        } else if (!items.isEmpty() && xml.name() == QLatin1String("tags")) {
            items.last().tags = xml.readElementText();
        }
        else if (!items.isEmpty() && xml.name() == QLatin1String("target"))
            items.last().target = xml.readElementText();
        else if (!items.isEmpty() && xml.name() == QLatin1String("thumbnail"))
            items.last().thumbnail = xml.readElementText();
        else if (!items.isEmpty() && xml.name() == QLatin1String("popularity"))
            items.last().popularity = xml.readElementText();
        else if (!items.isEmpty() && mediaFacts.contains(xml.name().toString()))
            items.last().facts.insert(xml.name().toString(), xml.readElementText());
    }
    return items;
}

QList<RunningVorenda::SavedItem> RunningVorenda::savedItems() const
{
    const QStringList files =
        QDir(storeFolder + QStringLiteral("Data")).entryList({QStringLiteral("*.dat")}, QDir::Files);
    if (files.size() != 1)
        return {};
    return itemsOf(storeFolder + QStringLiteral("Data/") + files.first());
}

QString RunningVorenda::thumbnailPath(const QString& target) const
{
    return storeFolder + QStringLiteral("Cache/") + getHash(target) + QLatin1Char('.');
}

QImage RunningVorenda::cachedThumbnail(const QString& target) const
{
    const QString path = thumbnailPath(target);
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || file.read(8) != QByteArray("\x89PNG\r\n\x1a\n", 8))
        return QImage();
    return QImage(path);
}

bool RunningVorenda::saveScreenshot(const QImage& image, const QString& name)
{
    const QString shots = QStringLiteral(VORENDA_SOURCE_DIR "/build/screenshots");
    return QDir().mkpath(shots) && image.save(shots + QLatin1Char('/') + name);
}
