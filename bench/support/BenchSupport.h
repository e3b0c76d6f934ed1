#pragma once

// Small pieces the benchmarks share: a median timer, the resident memory, a paint
// counter and the set-up of an offscreen run with a throw-away store folder.

#include "MyThumbnailView.h"
#include "VorendaGlobal.h"
#include "VorendaShelf.h"

#include <QApplication>

#include <QElapsedTimer>
#include <QEvent>
#include <QFile>
#include <QList>
#include <QObject>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QXmlStreamWriter>

#include <algorithm>
#include <functional>
#include <vector>

// The start of a cabinet data file as the program writes it, up to an empty
// Uncategorized element; the caller adds the categories and ends the document.
inline void startCabinetFile(QXmlStreamWriter& xml)
{
    xml.setAutoFormatting(true);
    xml.writeStartDocument();
    xml.writeDTD(QStringLiteral("<!DOCTYPE Vorenda-CabinetData>"));
    xml.writeStartElement(QStringLiteral("Root"));
    xml.writeStartElement(QStringLiteral("Settings"));
    xml.writeEmptyElement(QStringLiteral("Window"));
    xml.writeAttribute(QStringLiteral("name"), QStringLiteral("Bench"));
    xml.writeEmptyElement(QStringLiteral("Personalization"));
    xml.writeAttribute(QStringLiteral("thumbsize"), QStringLiteral("128"));
    xml.writeEndElement();
    xml.writeEmptyElement(QStringLiteral("Uncategorized"));
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

// The process's resident set in bytes, 0 when unknown.
inline qint64 residentBytes()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    const QList<QByteArray> lines = status.readAll().split('\n');
    for (const QByteArray& line : lines) {
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').first().toLongLong() * 1024;
    }
    return 0;
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
