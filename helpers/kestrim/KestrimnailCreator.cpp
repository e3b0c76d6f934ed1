#include "KestrimnailCreator.h"

#include "AtomicImageSave.h"
#include "PageProcess.h"
#include "PageProcessThumbnail.h"
#include "PathFunctions.h"

#include <QFileInfo>

KestrimnailCreator::KestrimnailCreator(QObject* parent)
    : QObject(parent)
{
}

KestrimnailCreator::~KestrimnailCreator()
{
    abort();
}

void KestrimnailCreator::start(const QList<Data*>& items, const QString& outputPath, int delay, int maxPages,
                               int timeout)
{
    if (items.isEmpty())
        return;
    qDeleteAll(pending);
    pending = items;
    this->outputPath = outputPath;
    this->delay = qMax(0, delay);
    this->maxPages = maxPages > 0 ? qMin(maxPages, MAX_PAGES_LIMIT) : DEFAULT_MAX_PAGES;
    this->timeout = timeout > 0 ? timeout : Kestrimnail::DEFAULT_TIMEOUT;
    thumbs = 0;
    isAborted = false;
    next();
    // After the first page processes started: they need many milliseconds before any thumbnail.
    imagePlugins.start();
}

void KestrimnailCreator::abort()
{
    isAborted = true;
    qDeleteAll(pending);
    pending.clear();
    dropSpare();
}

void KestrimnailCreator::next()
{
    if (running < 0)
        running = 0;
    if (isAborted || pending.isEmpty()) {
        dropSpare();
        if (running == 0)
            emit finished(thumbs, isAborted);
        return;
    }
    while (!pending.isEmpty() && running < maxPages) {
        ++running;
        Data* job = pending.takeFirst();
        auto* page = new PageProcessThumbnail(takeProcess(), this);
        connect(page, &Kestrimnail::finished, this, &KestrimnailCreator::kestrimnailFinished);
        connect(page, &PageProcessThumbnail::pictureArrived, this, &KestrimnailCreator::pictureArrived);
        page->setTimeout(timeout);
        page->getThumbnail(job->url, QSize(job->pageWidth, job->pageHeight),
                           QSize(job->thumbWidth, job->thumbHeight), delay,
                           QVariant::fromValue(qint64(reinterpret_cast<quintptr>(job))));
    }
    if (pending.isEmpty())
        dropSpare();
    else
        prepareSpare();
}

PageProcess* KestrimnailCreator::takeProcess()
{
    PageProcess* process = spare;
    spare = nullptr;
    // A spare that died while it waited is replaced.
    if (process && process->state() != QProcess::NotRunning)
        return process;
    delete process;
    process = new PageProcess(this);
    process->startWorker();
    return process;
}

void KestrimnailCreator::prepareSpare()
{
    if (spare)
        return;
    spare = new PageProcess(this);
    spare->startWorker();
}

void KestrimnailCreator::dropSpare()
{
    delete spare;
    spare = nullptr;
}

void KestrimnailCreator::kestrimnailFinished(Kestrimnail* object, const QImage& thumbnail, const QVariant& data)
{
    --running;
    // The job may still be inside its own signal.
    if (object)
        object->deleteLater();
    // The next page starts before this one's file is written, which may wait for the disk.
    if (!pending.isEmpty())
        next();
    Data* job = jobOf(data);
    if (job) {
        if (!written.remove(job))
            write(thumbnail, job);
        delete job;
    }
    next();
}

void KestrimnailCreator::pictureArrived(Kestrimnail*, const QImage& thumbnail, const QVariant& data)
{
    Data* job = jobOf(data);
    if (!job || written.contains(job))
        return;
    written.insert(job);
    write(thumbnail, job);
}

KestrimnailCreator::Data* KestrimnailCreator::jobOf(const QVariant& data)
{
    return reinterpret_cast<Data*>(quintptr(data.toLongLong()));
}

void KestrimnailCreator::write(const QImage& thumbnail, Data* job)
{
    QString path;
    if (!thumbnail.isNull() && !job->thumbName.isEmpty() && save(thumbnail, *job, &path)) {
        ++thumbs;
        // The line goes out during this call, after the file is complete.
        emit thumbCreated(job->key, path, job->data);
    }
}

QByteArray KestrimnailCreator::formatOf(const Data& job)
{
    const QString format = job.thumbFormat.isEmpty() ? QFileInfo(job.thumbName).suffix() : job.thumbFormat;
    return format.toLower().toLatin1();
}

bool KestrimnailCreator::writtenWithoutPlugins(const QList<Data*>& jobs)
{
    // The formats QtGui writes without a plug-in.
    static const QList<QByteArray> builtIn = {"png", "bmp", "ppm", "pbm", "pgm", "xbm", "xpm"};
    for (const Data* job : jobs)
        if (!builtIn.contains(formatOf(*job)))
            return false;
    return true;
}

bool KestrimnailCreator::save(const QImage& thumbnail, const Data& job, QString* path)
{
    *path = addTrailingSeparator(outputPath) + job.thumbName;
    const QByteArray format = formatOf(job);
    // A format no writer takes fails in the writer, without opening every plug-in first.
    imagePlugins.wait();
    QString error;
    return saveImageAtomically(thumbnail, *path, format, &error);
}
