#pragma once

// Small pieces the benchmarks share: a median timer, the resident memory, a paint
// counter and the set-up of an offscreen run with a throw-away store folder.

#include "VorendaGlobal.h"

#include <QElapsedTimer>
#include <QEvent>
#include <QFile>
#include <QList>
#include <QObject>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <algorithm>
#include <functional>
#include <vector>

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
