#pragma once

#include "Kestrimnail.h"
#include "PictureFrame.h"

#include "PageProcess.h"
#include <QTimer>

// The page job as the supervisor runs it: the page renders in a process of its
// own (PageWorker), and this job's deadline runs on the supervisor's event
// loop, which executes no page script. A page that loops in JavaScript, never
// finishes loading or crashes ends by its deadline without holding up the
// other pages; its process is killed.
class PageProcessThumbnail : public Kestrimnail
{
    Q_OBJECT

public:
    // Takes over the process, which is starting or already waits for its job.
    explicit PageProcessThumbnail(PageProcess* process, QObject* parent = nullptr);
    ~PageProcessThumbnail() override;

    void getThumbnail(const QUrl& url, const QSize& pageSize, const QSize& thumbSize, int delay,
                      const QVariant& data) override;

    // The page process's id while it runs, else 0.
    qint64 processId() const { return process->processId(); }

signals:
    // The whole picture came, before the page process is gone and the job finishes
    // (with the same picture): it can be saved while the system takes the process down.
    void pictureArrived(Kestrimnail* object, const QImage& thumbnail, const QVariant& data);

private slots:
    void sendJob();
    void onReadyRead();
    void onProcessFinished();
    void onProcessError(QProcess::ProcessError error);
    void onTimeout();

private:
    void finish(const QImage& thumbnail);

    PageProcess* process;
    QTimer deadline;
    PictureFrame frame{QSize()};
    QImage result;
    QByteArray job;
    bool done = false;
};
