#pragma once

#include "Kestrimnail.h"
#include "WebPage.h"

#include <QTimer>

// The page job that renders with the web engine, inside a page process: loads
// the page, waits the delay, snapshots it, reloads a blank-looking page once,
// and gives up at its deadline. A script that never returns blocks this
// process's event loop, deadline included; the supervisor's guard ends it then.
class WebKitThumbnail : public Kestrimnail
{
    Q_OBJECT

public:
    // Wait after the reload of a page whose first snapshot had one colour.
    static constexpr int RETRY_DELAY = 5000;

    explicit WebKitThumbnail(QObject* parent = nullptr);

    void getThumbnail(const QUrl& url, const QSize& pageSize, const QSize& thumbSize, int delay,
                      const QVariant& data) override;

    // Lays out, paints and scripts a small page of our own, so that fonts, the
    // script engine and the loader are ready when the real page comes.
    void warmUp();

private slots:
    void onLoadFinished(bool ok);
    void onLoadProgress(int progress);
    void onRender();
    void onTimeout();

private:
    static void applyEngineSettings();
    void finish(const QImage& thumbnail);

    WebPage page;
    QTimer deadline;
    QTimer renderTimer;
    int progress = 0;
    bool done = false;
    bool warming = false;
};
