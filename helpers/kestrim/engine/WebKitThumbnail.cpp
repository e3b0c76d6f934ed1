#include "WebKitThumbnail.h"

#include "ImageFunctions.h"

#include <QEventLoop>
#include <QPainter>
#include <QWebFrame>
#include <QWebSettings>

WebKitThumbnail::WebKitThumbnail(QObject* parent)
    : Kestrimnail(parent)
{
    applyEngineSettings();
    page.mainFrame()->setScrollBarPolicy(Qt::Horizontal, Qt::ScrollBarAlwaysOff);
    page.mainFrame()->setScrollBarPolicy(Qt::Vertical, Qt::ScrollBarAlwaysOff);
    connect(&page, &QWebPage::loadFinished, this, &WebKitThumbnail::onLoadFinished);
    connect(&page, &QWebPage::loadProgress, this, &WebKitThumbnail::onLoadProgress);

    renderTimer.setSingleShot(true);
    // The delay and the reload's wait are promised too: a coarse timer could snapshot a
    // page up to 5 % before its scripts were given their time.
    renderTimer.setTimerType(Qt::PreciseTimer);
    connect(&renderTimer, &QTimer::timeout, this, &WebKitThumbnail::onRender);
    // Never before the supervisor's deadline: ending early would end the page's job early.
    deadline.setSingleShot(true);
    deadline.setTimerType(Qt::PreciseTimer);
    connect(&deadline, &QTimer::timeout, this, &WebKitThumbnail::onTimeout);
}

void WebKitThumbnail::applyEngineSettings()
{
    QWebSettings* settings = QWebSettings::globalSettings();
    settings->setAttribute(QWebSettings::AutoLoadImages, true);
    settings->setAttribute(QWebSettings::JavascriptEnabled, true);
    settings->setAttribute(QWebSettings::JavaEnabled, false);
    settings->setAttribute(QWebSettings::PluginsEnabled, false);
    settings->setAttribute(QWebSettings::JavascriptCanOpenWindows, false);
    settings->setAttribute(QWebSettings::JavascriptCanCloseWindows, false);
    settings->setAttribute(QWebSettings::JavascriptCanAccessClipboard, false);
    // Local pages may not read other files, nor hand anything to the web.
    settings->setAttribute(QWebSettings::LocalContentCanAccessFileUrls, false);
    settings->setAttribute(QWebSettings::LocalContentCanAccessRemoteUrls, false);
    settings->setAttribute(QWebSettings::WebSecurityEnabled, true);
    settings->setAttribute(QWebSettings::AllowRunningInsecureContent, false);
    // Nothing is stored, played or shown beyond the snapshot.
    settings->setAttribute(QWebSettings::LocalStorageEnabled, false);
    settings->setAttribute(QWebSettings::OfflineStorageDatabaseEnabled, false);
    settings->setAttribute(QWebSettings::OfflineWebApplicationCacheEnabled, false);
    settings->setAttribute(QWebSettings::MediaEnabled, false);
    settings->setAttribute(QWebSettings::MediaSourceEnabled, false);
    settings->setAttribute(QWebSettings::WebAudioEnabled, false);
    settings->setAttribute(QWebSettings::WebGLEnabled, false);
    settings->setAttribute(QWebSettings::NotificationsEnabled, false);
    settings->setAttribute(QWebSettings::FullScreenSupportEnabled, false);
    settings->setAttribute(QWebSettings::HyperlinkAuditingEnabled, false);
    settings->setAttribute(QWebSettings::DeveloperExtrasEnabled, false);
    settings->setAttribute(QWebSettings::ErrorPageEnabled, false);
    // Everything paints in software into the snapshot.
    settings->setAttribute(QWebSettings::AcceleratedCompositingEnabled, false);
    settings->setAttribute(QWebSettings::Accelerated2dCanvasEnabled, false);
    settings->setAttribute(QWebSettings::TiledBackingStoreEnabled, false);
}

void WebKitThumbnail::getThumbnail(const QUrl& url, const QSize& pageSize, const QSize& thumbSize, int delay,
                                   const QVariant& data)
{
    Kestrimnail::getThumbnail(url, pageSize, thumbSize, delay, data);
    // Covers loading, the delay, a reload and its wait.
    deadline.start(timeout);
    if (!isRenderableSize(pageSize, thumbSize)) {
        QTimer::singleShot(0, this, &WebKitThumbnail::onTimeout);
        return;
    }
    page.restrictTo(url);
    // The page lays out at its final width from the start.
    page.setViewportSize(pageSize);
    page.mainFrame()->load(url);
}

void WebKitThumbnail::warmUp()
{
    warming = true;
    QEventLoop loop;
    bool loaded = false;
    const QMetaObject::Connection connection = connect(&page, &QWebPage::loadFinished, &loop, [&loop, &loaded] {
        loaded = true;
        loop.quit();
    });
    QTimer::singleShot(2000, &loop, &QEventLoop::quit);
    page.mainFrame()->setHtml(QStringLiteral("<html><body><h1>Kestrim</h1><p>Ready <b>to</b> <i>render</i>.</p>"
                                             "<script>document.title = 'ready';</script></body></html>"));
    // The page may have loaded within setHtml().
    if (!loaded)
        loop.exec();
    disconnect(connection);
    QImage image(256, 64, QImage::Format_RGB32);
    QPainter painter(&image);
    page.mainFrame()->render(&painter);
    painter.end();
    warming = false;
}

void WebKitThumbnail::onLoadFinished(bool ok)
{
    // A failed load is left to the deadline.
    if (!ok || done || warming)
        return;
    renderTimer.start(retried ? RETRY_DELAY : qMax(0, delay));
}

void WebKitThumbnail::onLoadProgress(int value)
{
    progress = value;
}

void WebKitThumbnail::onRender()
{
    if (done)
        return;
    page.setViewportSize(pageSize);
    // Opaque over white, as a browser shows it; painting, the blank test and scaling take fast paths.
    QImage image(pageSize, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    page.mainFrame()->render(&painter);
    painter.end();

    if (!retried && hasOneColor(image)) {
        // Maybe still blank from a slow script or a redirect: one reload, then its snapshot stands.
        retried = true;
        page.triggerAction(QWebPage::Reload);
        return;
    }
    finish(image.scaled(thumbSize, Qt::KeepAspectRatio, Qt::SmoothTransformation));
}

void WebKitThumbnail::onTimeout()
{
    finish(QImage());
}

void WebKitThumbnail::finish(const QImage& thumbnail)
{
    if (done)
        return;
    done = true;
    disconnect(&page, &QWebPage::loadFinished, this, &WebKitThumbnail::onLoadFinished);
    renderTimer.stop();
    deadline.stop();
    emit finished(this, thumbnail, data);
}
