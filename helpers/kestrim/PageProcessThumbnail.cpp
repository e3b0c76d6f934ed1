#include "PageProcessThumbnail.h"

#include "PageJobMessage.h"
#include "PageWorker.h"

#include <QCoreApplication>
#include <QProcessEnvironment>

PageProcessThumbnail::PageProcessThumbnail(QObject* parent)
    : Kestrimnail(parent)
{
    connect(&process, &QProcess::started, this, &PageProcessThumbnail::onStarted);
    connect(&process, &QProcess::readyReadStandardOutput, this, &PageProcessThumbnail::onReadyRead);
    connect(&process, QOverload<int, QProcess::ExitStatus>::of(&QProcess::finished), this,
            &PageProcessThumbnail::onProcessFinished);
    connect(&process, &QProcess::errorOccurred, this, &PageProcessThumbnail::onProcessError);
    deadline.setSingleShot(true);
    connect(&deadline, &QTimer::timeout, this, &PageProcessThumbnail::onTimeout);
}

PageProcessThumbnail::~PageProcessThumbnail()
{
    // No page process outlives its job; a killed one ends at once.
    process.disconnect(this);
    if (process.state() != QProcess::NotRunning) {
        process.kill();
        process.waitForFinished(1000);
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

    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QString::fromLatin1(PageWorker::ROLE_VARIABLE),
                       QString::number(QCoreApplication::applicationPid()));
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    process.setProcessEnvironment(environment);
    // Crash and sanitizer reports reach our standard error; the page process writes nothing else there.
    process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    process.start(QCoreApplication::applicationFilePath(), QStringList());
}

void PageProcessThumbnail::onStarted()
{
    process.write(job);
    process.closeWriteChannel();
    job.clear();
}

void PageProcessThumbnail::onReadyRead()
{
    if (done)
        return;
    switch (frame.feed(process.readAllStandardOutput())) {
    case PictureFrame::Complete:
        finish(frame.image());
        break;
    case PictureFrame::Invalid:
        finish(QImage());
        break;
    case PictureFrame::Incomplete:
        break;
    }
}

void PageProcessThumbnail::onProcessFinished()
{
    // The last bytes may come with the end.
    onReadyRead();
    finish(QImage());
}

void PageProcessThumbnail::onProcessError(QProcess::ProcessError error)
{
    if (error == QProcess::FailedToStart)
        finish(QImage());
}

void PageProcessThumbnail::onTimeout()
{
    finish(QImage());
}

void PageProcessThumbnail::finish(const QImage& thumbnail)
{
    if (done)
        return;
    done = true;
    deadline.stop();
    // The process is gone before its slot is given to the next page, so no more
    // than maxPages page processes ever exist at once.
    if (process.state() != QProcess::NotRunning) {
        process.kill();
        process.waitForFinished(2000);
    }
    emit finished(this, thumbnail, data);
}
