#pragma once

#include "HelperJobFile.h"

#include <QImage>
#include <QObject>
#include <QSize>
#include <QUrl>
#include <QVariant>

// One page job: renders a page and hands back its thumbnail once, through
// finished(); a null image means that no thumbnail was made.
class Kestrimnail : public QObject
{
    Q_OBJECT

public:
    // The job's deadline when the job file names none.
    static constexpr int DEFAULT_TIMEOUT = 30000;
    // The largest page and thumbnail a job may ask for, in pixels; the thumbnail's
    // bound is every helper's.
    static constexpr int MAX_PAGE_SIDE = 4096;
    static constexpr int MAX_THUMB_SIDE = HelperJobFile::MAX_THUMB_SIDE;

    explicit Kestrimnail(QObject* parent = nullptr);

    // Milliseconds from the job's start until it gives up; set before getThumbnail().
    void setTimeout(int milliseconds) { timeout = milliseconds; }

    virtual void getThumbnail(const QUrl& url, const QSize& pageSize, const QSize& thumbSize, int delay,
                              const QVariant& data);

    QUrl getUrl() const { return url; }

    // Sizes a page job accepts: the page is rendered into one image, and the thumbnail
    // travels between processes, so both stay far below what could exhaust memory.
    static bool isRenderableSize(const QSize& pageSize, const QSize& thumbSize);

signals:
    // Emitted once; the job touches none of its own state afterwards.
    void finished(Kestrimnail* object, const QImage& thumbnail, const QVariant& data);

protected:
    QSize pageSize = QSize(-1, -1);
    QSize thumbSize = QSize(-1, -1);
    QVariant data;
    QUrl url;
    int delay = 0;
    int timeout = DEFAULT_TIMEOUT;
    bool retried = false;
};
