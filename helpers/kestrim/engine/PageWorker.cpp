#include "PageWorker.h"

#include "KestrimLimits.h"
#include "PageJobMessage.h"
#include "PictureFrame.h"
#include "ProcessLimits.h"
#include "WebKitThumbnail.h"

#include <QApplication>
#include <QFile>
#include <QNetworkProxyFactory>

#include <cstdio>
#include <fcntl.h>
#include <poll.h>
#include <unistd.h>

static const int EXIT_NO_THUMBNAIL = 1;
static const int EXIT_BAD_JOB = 2;
static const int MOST_PIPE_BYTES = 1 << 20;

static bool readJob(PageJobMessage& job)
{
    QFile input;
    if (!input.open(stdin, QIODevice::ReadOnly))
        return false;
    const QByteArray bytes = input.read(PageJobMessage::MAX_BYTES + 1);
    return job.decode(bytes);
}

// Whether the supervisor has sent the job already (or closed the pipe).
static bool jobWaiting()
{
    pollfd input{STDIN_FILENO, POLLIN, 0};
    return ::poll(&input, 1, 0) > 0;
}

static bool writeFrame(const QImage& thumbnail)
{
    QFile output;
    if (!output.open(stdout, QIODevice::WriteOnly))
        return false;
    const QByteArray bytes = PictureFrame::encode(thumbnail);
    // A pipe that holds the whole picture takes it in one write: on a busy machine each
    // refill would wait for the supervisor to be scheduled. Bounded; if refused, it comes in parts.
    ::fcntl(STDOUT_FILENO, F_SETPIPE_SZ, qMin(bytes.size(), MOST_PIPE_BYTES));
    return output.write(bytes) == bytes.size() && output.flush();
}

int PageWorker::run(int argc, char** argv)
{
    ProcessLimits::silenceMessages(KestrimLimits::VERBOSE_VARIABLE);
    ProcessLimits::disableCoreDumps();
    ProcessLimits::setMemoryCeiling(KestrimLimits::PAGE_ADDRESS_SPACE);
    bool validParent = false;
    const qint64 supervisor = qEnvironmentVariableIntValue(KestrimLimits::PAGE_ROLE_VARIABLE, &validParent);
    if (!validParent || !ProcessLimits::dieWithParent(supervisor))
        return EXIT_BAD_JOB;

    QApplication app(argc, argv);
    // No Qt plug-in beyond the platform one just loaded: the web engine decodes the web's
    // image formats itself, and every image plug-in installed (raw, EXR, PSD, ...) would
    // cost tens of milliseconds to load and be one more decoder a hostile page could reach.
    QCoreApplication::setLibraryPaths(QStringList());
    // The user's proxy settings apply to pages as to any browser.
    QNetworkProxyFactory::setUseSystemConfiguration(true);
    // The engine starts before the job arrives: the supervisor starts page processes ahead of need.
    auto* thumbnail = new WebKitThumbnail;
    // A page process that waits for its job renders a small page meanwhile; one whose job
    // is there already would only make the real page wait for it.
    if (!jobWaiting())
        thumbnail->warmUp();
    PageJobMessage job;
    if (!readJob(job)) {
        delete thumbnail;
        return EXIT_BAD_JOB;
    }
    thumbnail->setTimeout(job.timeout);
    QObject::connect(thumbnail, &Kestrimnail::finished, &app,
                     [&app](Kestrimnail* object, const QImage& image, const QVariant&) {
                         const bool sent = !image.isNull() && writeFrame(image);
                         object->deleteLater();
                         app.exit(sent ? 0 : EXIT_NO_THUMBNAIL);
                     });
    thumbnail->getThumbnail(job.url, job.pageSize, job.thumbSize, job.delay, QVariant());
    const int result = app.exec();
    // Pending deletions run before the application object goes.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return result;
}
