#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QPointer>
#include <QStringList>
#include <QTimer>
#include <QUrl>

class AbstractThumbnailItem;
class AbstractThumbnailView;

// A paste or drop of many links into a view, made in slices from the event loop, so that the
// program stays responsive, can show how far it got and can be stopped (also by the
// end of the session): each slice files its items without laying the view out, and
// between slices every item in the view is complete. The view is laid out now and then
// and at the end.
class UrlPasteRun : public QObject
{
    Q_OBJECT

public:
    // The items go in front of `anchor`, or after it with `afterAnchor`, in the order
    // of the links; at the end of the category without an anchor.
    UrlPasteRun(AbstractThumbnailView* view, const QList<QUrl>& urls, const QStringList& names, int key,
                AbstractThumbnailItem* anchor, bool afterAnchor);

    // Starts the slices; the first runs from the event loop.
    void start();
    // Ends the run after the item being made; finished() follows at once.
    void abort();
    // A paused run makes no items until it is resumed.
    void setPaused(bool paused);

    int total() const { return urls.size(); }

signals:
    // After each slice: the last item filed (null when none was yet) and the links done.
    void progress(AbstractThumbnailItem* item, int done, int total);
    void finished(int added, bool aborted);

private:
    void runSlice();
    void finish(bool aborted);

    // How long a slice may take before the event loop runs again.
    static constexpr int sliceMs = 50;
    // How often the view is laid out while the paste goes on.
    static constexpr int layoutMs = 500;

    AbstractThumbnailView* view;
    QList<QUrl> urls;
    QStringList names;
    int key;
    QPointer<AbstractThumbnailItem> anchor;
    bool afterAnchor;
    QPointer<AbstractThumbnailItem> lastItem;
    int next = 0;
    int added = 0;
    bool paused = false;
    bool ended = false;
    QTimer sliceTimer;
    QElapsedTimer layoutClock;
};
