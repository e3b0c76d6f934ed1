#include "RunningVorenda.h"

#include "TestEnvironment.h"
#include "TextFunctions.h"

#include <QDir>
#include <QFile>
#include <QSettings>
#include <QXmlStreamReader>

#include <csignal>

RunningVorenda::RunningVorenda()
    : storeFolder(TestEnvironment::instance()->root() + QStringLiteral("/vorenda-store/"))
{
}

RunningVorenda::~RunningVorenda()
{
    stop();
}

bool RunningVorenda::configure() const
{
    QSettings settings(qEnvironmentVariable("XDG_CONFIG_HOME") + QStringLiteral("/Vorenda/Vorenda.conf"),
                       QSettings::IniFormat);
    settings.setValue(QStringLiteral("Main/StoreFolder"), storeFolder);
    settings.setValue(QStringLiteral("Main/VerCheckUrl"), QStringLiteral("http://127.0.0.1:1/vorenda-%1-%2.xml"));
    settings.sync();
    if (settings.status() != QSettings::NoError) {
        qWarning("could not write %s", qPrintable(settings.fileName()));
        return false;
    }
    return true;
}

bool RunningVorenda::start()
{
    stop();
    vorenda = std::make_unique<QProcess>();
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

QStringList RunningVorenda::visibleWindows(const QString& name)
{
    QProcess search;
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

bool RunningVorenda::xdotool(const QStringList& arguments)
{
    return QProcess::execute(QStringLiteral("xdotool"), arguments) == 0;
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

QStringList RunningVorenda::listedIds() const
{
    return cabinetIdsIn(storeFolder + QStringLiteral("Vorenda.dat"));
}

QStringList RunningVorenda::cabinetIdsIn(const QString& path, const QStringList& unreadable)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return unreadable;
    QStringList ids;
    QXmlStreamReader xml(&file);
    while (!xml.atEnd()) {
        if (xml.readNext() == QXmlStreamReader::StartElement && xml.name() == QLatin1String("Cabinet"))
            ids << xml.attributes().value(QStringLiteral("id")).toString();
    }
    return ids;
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
    QXmlStreamReader xml(&file);
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (xml.name() == QLatin1String("Uncategorized"))
            category.clear();
        else if (xml.name() == QLatin1String("Category"))
            category = xml.attributes().value(QStringLiteral("name")).toString();
        else if (xml.name() == QLatin1String("Item"))
            items.append({category, xml.attributes().value(QStringLiteral("type")).toInt(), {}, {}, {}});
        else if (!items.isEmpty() && xml.name() == QLatin1String("target"))
            items.last().target = xml.readElementText();
        else if (!items.isEmpty() && xml.name() == QLatin1String("thumbnail"))
            items.last().thumbnail = xml.readElementText();
        else if (!items.isEmpty() && xml.name() == QLatin1String("popularity"))
            items.last().popularity = xml.readElementText();
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
