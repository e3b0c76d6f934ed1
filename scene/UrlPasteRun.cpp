#include "UrlPasteRun.h"

#include "AbstractThumbnailItem.h"
#include "AbstractThumbnailView.h"

#include <QElapsedTimer>

UrlPasteRun::UrlPasteRun(AbstractThumbnailView* view, const QList<QUrl>& urls, const QStringList& names, int key,
                         AbstractThumbnailItem* anchor, bool afterAnchor)
    : QObject(view)
    , view(view)
    , urls(urls)
    , names(names)
    , key(key)
    , anchor(anchor)
    , afterAnchor(afterAnchor)
{
    sliceTimer.setSingleShot(true);
    sliceTimer.setInterval(0);
    connect(&sliceTimer, &QTimer::timeout, this, &UrlPasteRun::runSlice);
}

void UrlPasteRun::start()
{
    sliceTimer.start();
}

void UrlPasteRun::abort()
{
    finish(true);
}

void UrlPasteRun::setPaused(bool on)
{
    paused = on;
    if (!paused && !ended && !sliceTimer.isActive())
        sliceTimer.start();
}

void UrlPasteRun::runSlice()
{
    if (ended || paused)
        return;
    // A category removed meanwhile takes no more items.
    if (key != -1 && !view->getCategoryItem(key)) {
        finish(true);
        return;
    }
    QPointer<UrlPasteRun> self(this);
    QElapsedTimer clock;
    clock.start();
    while (next < urls.size() && clock.elapsed() < sliceMs) {
        const int index = next++;
        AbstractThumbnailItem* item =
            view->pasteUrl(urls.at(index), names.value(index), key, anchor, afterAnchor ? 1 + added : 0, false);
        // The owner may have ended the run, or the view, while making the item.
        if (!self || ended)
            return;
        if (item) {
            lastItem = item;
            ++added;
        }
    }
    // New items stand where the view puts them and the view follows the paste, now
    // and then: laying out the whole view after every slice would cost more than the
    // paste itself.
    if (added > 0 && (!layoutClock.isValid() || layoutClock.elapsed() >= layoutMs)) {
        view->updateLayout();
        if (lastItem)
            view->ensureVisible(lastItem, 50, 50);
        layoutClock.start();
    }
    emit progress(lastItem, next, urls.size());
    if (!self || ended)
        return;
    if (next >= urls.size())
        finish(false);
    else if (!paused)
        sliceTimer.start();
}

void UrlPasteRun::finish(bool aborted)
{
    if (ended)
        return;
    ended = true;
    sliceTimer.stop();
    if (added > 0) {
        view->resetModel();
        view->updateLayout();
        if (lastItem)
            view->ensureVisible(lastItem, 50, 50);
    }
    emit finished(added, aborted);
}
