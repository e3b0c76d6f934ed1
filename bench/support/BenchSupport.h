#pragma once

// Small pieces the benchmarks share: the cabinet data file they write, an idle
// thumbnail helper, a median timer, the resident memory, a paint counter and the
// set-up of an offscreen run with a throw-away store folder.

#include "MyThumbnailView.h"
#include "ThumbnailCache.h"
#include "VorendaGlobal.h"
#include "VorendaShelf.h"

#include <QApplication>

#include <QBuffer>
#include <QDir>
#include <QElapsedTimer>
#include <QEvent>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QList>
#include <QObject>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QXmlStreamWriter>

#include <algorithm>
#include <functional>
#include <vector>

// The start of a cabinet data file as the program writes it, up to an empty
// Uncategorized element; the caller adds the categories and ends the document. A kiosk
// cabinet shows as soon as the program starts.
inline void startCabinetFile(QXmlStreamWriter& xml, bool kiosk = false)
{
    xml.setAutoFormatting(true);
    xml.writeStartDocument();
    xml.writeDTD(QStringLiteral("<!DOCTYPE Vorenda-CabinetData>"));
    xml.writeStartElement(QStringLiteral("Root"));
    xml.writeStartElement(QStringLiteral("Settings"));
    xml.writeEmptyElement(QStringLiteral("Window"));
    xml.writeAttribute(QStringLiteral("name"), QStringLiteral("Bench"));
    if (kiosk)
        xml.writeAttribute(QStringLiteral("kiosk"), QStringLiteral("1"));
    xml.writeEmptyElement(QStringLiteral("Personalization"));
    xml.writeAttribute(QStringLiteral("thumbsize"), QStringLiteral("128"));
    xml.writeEndElement();
    xml.writeEmptyElement(QStringLiteral("Uncategorized"));
}

// The one cabinet a benchmark writes and loads, and its data file in the current store.
inline const QString benchCabinetId = QStringLiteral("00112233445566778899aabbccddeeff");

inline QString benchDataFile()
{
    return QDir(VorendaGlobal::getDataLocation()).absoluteFilePath(benchCabinetId + QStringLiteral(".dat"));
}

// Writes the benchmark cabinet's data file: its start, then what `body` writes.
inline bool writeBenchCabinet(const std::function<void(QXmlStreamWriter&)>& body)
{
    QDir().mkpath(VorendaGlobal::getDataLocation());
    QFile file(benchDataFile());
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    QXmlStreamWriter xml(&file);
    startCabinetFile(xml);
    body(xml);
    xml.writeEndDocument(); // closes what the body left open too
    return !xml.hasError() && file.error() == QFileDevice::NoError;
}

// Removes the data files and cached pictures a run left in the store.
inline void cleanStore()
{
    QDir(VorendaGlobal::getCacheLocation()).removeRecursively();
    QDir(VorendaGlobal::getDataLocation()).removeRecursively();
}

// A thumbnail helper in `folder` that takes its first job and keeps it for longer
// than a run lasts, as a busy helper would.
inline QString idleHelperIn(const QString& folder)
{
    const QString path = folder + QStringLiteral("/idle-helper");
    QFile script(path);
    if (!script.exists() && script.open(QIODevice::WriteOnly)) {
        script.write("#!/bin/sh\nexec sleep 600\n");
        script.close();
        script.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    }
    return path;
}

// `count` items in 20 open categories, item i in category i % 20, each written by
// `writeItem(category, item)`.
inline void writeSpreadCategories(QXmlStreamWriter& xml, int count, const std::function<void(int, int)>& writeItem)
{
    const int categories = 20;
    for (int c = 0; c < categories; ++c) {
        xml.writeStartElement(QStringLiteral("Category"));
        xml.writeAttribute(QStringLiteral("name"), QStringLiteral("Category %1").arg(c));
        xml.writeAttribute(QStringLiteral("key"), QString::number(c));
        xml.writeAttribute(QStringLiteral("expand"), QStringLiteral("1"));
        for (int i = c; i < count; i += categories)
            writeItem(c, i);
        xml.writeEndElement();
    }
}

// A thumbnail as the image helper writes it: a 256 x 192 PNG.
inline QByteArray benchThumbnailBytes()
{
    QImage image(256, 192, QImage::Format_ARGB32);
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x)
            image.setPixel(x, y, qRgb(x, y, (x * y) & 0xFF));
    }
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes;
}

// A cabinet data file at `path` of `count` picture items in 20 categories, each with
// its thumbnail in the cache folder of the current store, as a photo archive the
// program has seen before.
inline bool writePictureCabinet(const QString& path, int count, bool kiosk = false)
{
    const QByteArray picture = benchThumbnailBytes();
    QDir().mkpath(VorendaGlobal::getCacheLocation());
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    QXmlStreamWriter xml(&file);
    startCabinetFile(xml, kiosk);
    writeSpreadCategories(xml, count, [&](int c, int i) {
        const QString target = QStringLiteral("/srv/pictures/%1/picture-%2.jpg").arg(c).arg(i);
        const QString thumbnail = ThumbnailCache::getThumbnailName(target);
        QFile cached(ThumbnailCache::getCachePath(thumbnail));
        if (cached.open(QIODevice::WriteOnly))
            cached.write(picture);
        xml.writeStartElement(QStringLiteral("Item"));
        xml.writeAttribute(QStringLiteral("name"), QStringLiteral("picture-%1.jpg").arg(i));
        xml.writeAttribute(QStringLiteral("type"), QStringLiteral("1"));
        xml.writeAttribute(QStringLiteral("label"), QStringLiteral("1"));
        xml.writeTextElement(QStringLiteral("target"), target);
        xml.writeTextElement(QStringLiteral("thumbnail"), thumbnail);
        xml.writeTextElement(QStringLiteral("type"), QStringLiteral("JPEG image"));
        xml.writeTextElement(QStringLiteral("date"), QStringLiteral("1600000000"));
        xml.writeTextElement(QStringLiteral("size"), QStringLiteral("2400000"));
        xml.writeTextElement(QStringLiteral("added"), QStringLiteral("1700000000"));
        xml.writeTextElement(QStringLiteral("tags"), QStringLiteral("holiday,sea"));
        xml.writeTextElement(QStringLiteral("thumbsize"), QStringLiteral("128"));
        xml.writeTextElement(QStringLiteral("customthumb"), QStringLiteral("0"));
        xml.writeTextElement(QStringLiteral("width"), QStringLiteral("4000"));
        xml.writeTextElement(QStringLiteral("height"), QStringLiteral("3000"));
        xml.writeEndElement();
    });
    xml.writeEndDocument();
    return !xml.hasError() && file.error() == QFileDevice::NoError;
}

// Milliseconds of the median of `repeats` runs of `run`.
inline double medianMs(const std::function<void()>& run, int repeats)
{
    std::vector<double> times;
    for (int i = 0; i < repeats; ++i) {
        QElapsedTimer timer;
        timer.start();
        run();
        times.push_back(timer.nsecsElapsed() / 1e6);
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

// The value in bytes of the process status line `key` ("VmRSS:"), 0 when unknown.
inline qint64 processStatusBytes(const char* key)
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    const QList<QByteArray> lines = status.readAll().split('\n');
    for (const QByteArray& line : lines) {
        if (line.startsWith(key))
            return line.mid(int(qstrlen(key))).trimmed().split(' ').first().toLongLong() * 1024;
    }
    return 0;
}

// The process's resident set in bytes, 0 when unknown.
inline qint64 residentBytes()
{
    return processStatusBytes("VmRSS:");
}

// The largest resident set the process has had in bytes, 0 when unknown.
inline qint64 peakResidentBytes()
{
    return processStatusBytes("VmHWM:");
}

// Starts the largest resident set anew from the present one, so peakResidentBytes()
// tells the peak of what follows; false where the system cannot.
inline bool resetPeakResident()
{
    QFile clear(QStringLiteral("/proc/self/clear_refs"));
    return clear.open(QIODevice::WriteOnly) && clear.write("5") == 1;
}

// The item counts to measure: the one given as the first argument, else `defaults`.
inline QList<int> countsFromArguments(int argc, char** argv, const QList<int>& defaults)
{
    if (argc > 1)
        return {QString::fromLocal8Bit(argv[1]).toInt()};
    return defaults;
}

// Counts the paints of the object it filters, so a measured frame is known to be drawn.
class PaintCounter : public QObject
{
public:
    int paints = 0;

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint)
            ++paints;
        return false;
    }
};

// A cabinet with the data file of `id`, sized as on a large screen, not yet loaded.
inline VorendaShelf* newBenchCabinet(const QString& id)
{
    auto* shelf = new VorendaShelf;
    shelf->id = id;
    shelf->fileName = id + QStringLiteral(".dat");
    shelf->resize(1280, 900);
    return shelf;
}

// Lets the events of a moment run: deferred deletes, layouts, timers due now.
inline void settleEvents()
{
    for (int i = 0; i < 20; ++i)
        QApplication::processEvents(QEventLoop::AllEvents, 5);
}

// Loads the cabinet's file and shows it; the milliseconds until it is first drawn.
inline double loadAndShow(VorendaShelf* shelf, int timeoutMs)
{
    PaintCounter counter;
    shelf->view->viewport()->installEventFilter(&counter);
    QElapsedTimer timer;
    timer.start();
    shelf->initialize();
    shelf->show();
    while (counter.paints == 0 && timer.elapsed() < timeoutMs)
        QApplication::processEvents(QEventLoop::AllEvents, 5);
    const double ms = timer.nsecsElapsed() / 1e6;
    shelf->view->viewport()->removeEventFilter(&counter);
    return ms;
}

// Before the application object: the offscreen platform unless another is asked
// for, and Qt's test mode for the standard folders.
inline void prepareOffscreenRun()
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QStandardPaths::setTestModeEnabled(true);
}

// After the application object: the program's globals loaded with a store folder
// that is removed at the end of the run.
class TemporaryStore
{
public:
    TemporaryStore()
    {
        VorendaGlobal::storeFolder = dir.path() + QLatin1Char('/');
        VorendaGlobal::load();
    }

private:
    QTemporaryDir dir;
};
