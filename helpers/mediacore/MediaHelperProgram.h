#pragma once

#include "MediaJob.h"

#include <QByteArray>
#include <QDeadlineTimer>
#include <QList>
#include <QString>
#include <QStringList>

#include <functional>

// What the video and audio helpers share around their own work: the job file, one
// child process per file with its deadline, several of them at once, the output lines
// and the error log.
namespace MediaHelper {

// Each file ends within this time, whatever it holds.
constexpr int FILE_DEADLINE_MS = 10000;

// Makes one job's thumbnail in `outputFolder` and returns its output line, or an
// empty line after HelperLog::skipped. It should give up by `deadline`, a little before
// the file's own deadline, so that it can still say why.
using Work = std::function<QByteArray(const MediaJob& job, const QString& outputFolder, const QDeadlineTimer& deadline)>;

// The whole run of a helper whose application object exists: reads the job file named
// by the only argument and works through its jobs, one line per finished one, in the
// order of the jobs. Returns the exit code: 0 when there is not exactly one argument or
// the job was worked through, -1 when the job file cannot be read, is of another kind
// or holds no job.
int run(const QStringList& arguments, const QString& docType, const Work& work);

// "(key)(number)(number)…" and a line feed; a job without a key is named by its
// thumbnail's path.
QByteArray outputLine(const MediaJob& job, const QString& outputFolder, const QList<qint64>& numbers);

// The thumbnail's path, and the format it is saved in: the job's, else the suffix of its name.
QString thumbnailPath(const MediaJob& job, const QString& outputFolder);
QByteArray thumbnailFormat(const MediaJob& job);
// The writer's quality for it: a PNG thumbnail is deflated at the fastest level, which
// takes a tenth of the helper's time less for a fifth more bytes; other formats keep
// their writer's default.
int thumbnailQuality(const MediaJob& job);

} // namespace MediaHelper
