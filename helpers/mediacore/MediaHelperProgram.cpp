#include "MediaHelperProgram.h"

#include "IsolatedJob.h"
#include "MediaJobReader.h"
#include "PathFunctions.h"
#include "RegularFile.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QTextStream>

#include <cstdio>

extern "C" {
#include <libavutil/log.h>
}

namespace MediaHelper {

namespace {

// Time the work keeps for itself to give up cleanly and say why.
constexpr int GIVE_UP_MARGIN_MS = 1000;

} // namespace

int run(const QStringList& arguments, const QString& docType, const Work& work)
{
    if (arguments.size() != 2)
        return 0;
    QFile jobFile(arguments.at(1));
    MediaJobReader reader;
    if (!openRegularFile(jobFile) || !reader.read(&jobFile, docType))
        return -1;
    jobFile.close();

    // FFmpeg's own messages would bury the one line per skipped file.
    const QByteArray verbose = QFileInfo(QCoreApplication::applicationFilePath()).fileName().toUpper().toLatin1()
        + "_VERBOSE";
    av_log_set_level(qEnvironmentVariableIsEmpty(verbose.constData()) ? AV_LOG_QUIET : AV_LOG_INFO);

    const QString folder = reader.outputFolder();
    const QList<MediaJob> jobs = reader.jobs();
    for (const MediaJob& job : jobs) {
        QString failure;
        const QByteArray line = IsolatedJob::run(
            [&] { return work(job, folder, QDeadlineTimer(FILE_DEADLINE_MS - GIVE_UP_MARGIN_MS)); },
            FILE_DEADLINE_MS, &failure);
        if (!failure.isEmpty()) {
            logSkipped(job.filePath, failure);
        } else if (!line.isEmpty()) {
            // The thumbnail is complete on disk: the line goes out whole, at once.
            std::fwrite(line.constData(), 1, size_t(line.size()), stdout);
            std::fflush(stdout);
        }
    }
    return 0;
}

QByteArray outputLine(const MediaJob& job, const QString& outputFolder, const QList<qint64>& numbers)
{
    QString line = QLatin1Char('(') + (job.key.isEmpty() ? thumbnailPath(job, outputFolder) : job.key)
        + QLatin1Char(')');
    for (const qint64 number : numbers)
        line += QLatin1Char('(') + QString::number(number) + QLatin1Char(')');
    return line.toUtf8() + '\n';
}

void logSkipped(const QString& path, const QString& reason)
{
    QTextStream(stderr) << "skipped " << path << ": " << reason << Qt::endl;
}

QString thumbnailPath(const MediaJob& job, const QString& outputFolder)
{
    return addTrailingSeparator(outputFolder) + job.thumbName;
}

QByteArray thumbnailFormat(const MediaJob& job)
{
    const QString format = job.thumbFormat.isEmpty() ? QFileInfo(job.thumbName).suffix() : job.thumbFormat;
    return format.toLatin1();
}

} // namespace MediaHelper
