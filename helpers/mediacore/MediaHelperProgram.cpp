#include "MediaHelperProgram.h"

#include "HelperLog.h"
#include "IsolatedJob.h"
#include "MediaJobReader.h"
#include "PathFunctions.h"
#include "ProcessLimits.h"
#include "RegularFile.h"
#include "StandardOutput.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QImageWriter>
#include <QPainter>

#include <cstdio>

extern "C" {
#include <libavutil/log.h>
}

namespace MediaHelper {

namespace {

// Time the work keeps for itself to give up cleanly and say why.
constexpr int GIVE_UP_MARGIN_MS = 1000;

// What every job's child would otherwise set up again for itself, done once here so
// that the children come with it: Qt's image readers and writers look through every
// image plug-in, and a first painting reads the font configuration.
void loadSharedParts()
{
    QImageWriter::supportedImageFormats();
    QImage pixel(1, 1, QImage::Format_ARGB32_Premultiplied);
    QPainter painter(&pixel);
}

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

    // FFmpeg's own messages, and those of Qt's image readers (covers), would bury the
    // one line per skipped file.
    const QByteArray verbose = QFileInfo(QCoreApplication::applicationFilePath()).fileName().toUpper().toLatin1()
        + "_VERBOSE";
    av_log_set_level(qEnvironmentVariableIsEmpty(verbose.constData()) ? AV_LOG_QUIET : AV_LOG_INFO);
    ProcessLimits::silenceMessages(verbose.constData());

    loadSharedParts();

    const QString folder = reader.outputFolder();
    const QList<MediaJob> jobs = reader.jobs();
    // Files side by side, one per usable core; their lines and messages still come
    // in the order of the job.
    IsolatedJob::runEach(
        jobs.size(),
        [&](int index) {
            return work(jobs.at(index), folder, QDeadlineTimer(FILE_DEADLINE_MS - GIVE_UP_MARGIN_MS));
        },
        IsolatedJob::jobsAtOnce(jobs.size()), FILE_DEADLINE_MS,
        [&](int index, const IsolatedJob::Outcome& outcome) {
            std::fwrite(outcome.errors.constData(), 1, size_t(outcome.errors.size()), stderr);
            std::fflush(stderr);
            if (!outcome.failure.isEmpty())
                HelperLog::skipped(jobs.at(index).filePath, outcome.failure);
            else if (!outcome.result.isEmpty())
                StandardOutput::write(outcome.result); // the thumbnail is complete on disk
        });
    return 0;
}

QByteArray outputLine(const MediaJob& job, const QString& outputFolder, const QList<qint64>& numbers)
{
    return StandardOutput::fieldsLine(StandardOutput::lineName(job.key, thumbnailPath(job, outputFolder)), numbers);
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

int thumbnailQuality(const MediaJob& job)
{
    // Qt's PNG writer turns a quality of 80 into deflate level 1.
    return thumbnailFormat(job).compare("png", Qt::CaseInsensitive) == 0 ? 80 : -1;
}

} // namespace MediaHelper
