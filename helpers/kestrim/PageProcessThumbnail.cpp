#include "PageProcessThumbnail.h"

#include "PageJobMessage.h"

PageProcessThumbnail::PageProcessThumbnail(PageProcess* process, QObject* parent)
    : Kestrimnail(parent)
    , process(process)
{
    process->setParent(this);
    connect(process, &QProcess::started, this, &PageProcessThumbnail::sendJob);
    connect(process, &QProcess::readyReadStandardOutput, this, &PageProcessThumbnail::onReadyRead);
    connect(process, QOverload<int, QProcess::ExitStatus>::of(&QProcess::finished), this,
            &PageProcessThumbnail::onProcessFinished);
    connect(process, &QProcess::errorOccurred, this, &PageProcessThumbnail::onProcessError);
    // The deadline is a promise to the web client: a coarse timer may fire up to 5 % early.
    deadline.setSingleShot(true);
    deadline.setTimerType(Qt::PreciseTimer);
    connect(&deadline, &QTimer::timeout, this, &PageProcessThumbnail::onTimeout);
}

PageProcessThumbnail::~PageProcessThumbnail()
{
    // No page process outlives its job; a killed one ends at once.
    process->disconnect(this);
    if (process->state() != QProcess::NotRunning) {
        process->kill();
        process->waitForFinished(1000);
    }
}

void PageProcessThumbnail::getThumbnail(const QUrl& url, const QSize& pageSize, const QSize& thumbSize, int delay,
                                        const QVariant& data)
{
    Kestrimnail::getThumbnail(url, pageSize, thumbSize, delay, data);
    deadline.start(timeout);
    PageJobMessage message;
    message.url = url;
    message.pageSize = pageSize;
    message.thumbSize = thumbSize;
    message.delay = delay;
    message.timeout = timeout;
    job = message.encode();
    if (!isRenderableSize(pageSize, thumbSize) || job.size() > PageJobMessage::MAX_BYTES) {
        QTimer::singleShot(0, this, &PageProcessThumbnail::onTimeout);
        return;
    }
    frame = PictureFrame(thumbSize);
    if (process->state() == QProcess::Running)
        sendJob();
    else if (process->state() == QProcess::NotRunning)
        QTimer::singleShot(0, this, &PageProcessThumbnail::onTimeout);
}

void PageProcessThumbnail::sendJob()
{
    if (job.isEmpty())
        return;
    process->write(job);
    // Sent now rather than from the event loop, which may first start the next spare process.
    process->waitForBytesWritten(1000);
    process->closeWriteChannel();
    job.clear();
}

void PageProcessThumbnail::onReadyRead()
{
    if (done)
        return;
    const PictureFrame::State before = frame.state();
    const PictureFrame::State state = frame.feed(process->readAllStandardOutput());
    if (state == before)
        return;
    // The page process has nothing more to give. The job ends once the process
    // is gone, which keeps the number of page processes bounded without
    // blocking the other pages while the system takes this one down.
    process->kill();
    if (state == PictureFrame::Complete) {
        result = frame.image();
        emit pictureArrived(this, result, data);
    }
}

void PageProcessThumbnail::onProcessFinished()
{
    // The last bytes may come with the end.
    onReadyRead();
    finish(result);
}

void PageProcessThumbnail::onProcessError(QProcess::ProcessError error)
{
    if (error == QProcess::FailedToStart)
        finish(QImage());
}

void PageProcessThumbnail::onTimeout()
{
    // A picture that arrived just before the deadline still counts.
    finish(result);
}

void PageProcessThumbnail::finish(const QImage& thumbnail)
{
    if (done)
        return;
    done = true;
    deadline.stop();
    // The process is gone before its slot is given to the next page, so no more
    // than maxPages page processes ever exist at once.
    if (process->state() != QProcess::NotRunning) {
        process->kill();
        process->waitForFinished(2000);
    }
    emit finished(this, thumbnail, data);
}
