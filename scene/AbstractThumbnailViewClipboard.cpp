// Copy, cut and paste of AbstractThumbnailView through the system clipboard.
#include "AbstractThumbnailView.h"

#include "AbstractThumbnailItem.h"
#include "CategoryHeaderItem.h"
#include "DropIndicatorItem.h"
#include "PasteboardUrls.h"
#include "StreamLimits.h"
#include "ThumbnailViewRegistry.h"
#include "UrlPasteRun.h"

#include <QApplication>
#include <QClipboard>
#include <QDataStream>
#include <QFileInfo>
#include <QMimeData>
#include <QPointer>

namespace {

const int MAX_PASTED_TEXT = 64 * 1024;

} // namespace

QString AbstractThumbnailView::clipboardMimeType()
{
    return QStringLiteral("application/x-abstractthumbnailview-clipboardmime");
}

QMimeData* AbstractThumbnailView::getClipboardMimeData(QList<AbstractThumbnailItem*> items, bool remove)
{
    auto* data = new QMimeData;
    emit setMimeData(items, data);

    QList<AbstractThumbnailItem*> present;
    for (AbstractThumbnailItem* item : qAsConst(items)) {
        if (item)
            present.append(item);
    }
    QByteArray body;
    QDataStream stream(&body, QIODevice::WriteOnly);
    stream.setVersion(QDataStream::Qt_5_15);
    // The count is that of the blocks that follow, so a reader never runs past them.
    stream << ThumbnailViewRegistry::identity(this) << qint32(present.count());
    for (AbstractThumbnailItem* item : qAsConst(present)) {
        QByteArray block;
        QDataStream blockStream(&block, QIODevice::WriteOnly);
        blockStream.setVersion(QDataStream::Qt_5_15);
        blockStream << item->getMimeType();
        item->write(blockStream);
        stream << block;
    }
    if (remove) {
        deleteItems(present, false);
        resetModel();
        updateLayout();
    }
    data->setData(clipboardMimeType(), body);
    return data;
}

void AbstractThumbnailView::copy()
{
    QApplication::clipboard()->setMimeData(getClipboardMimeData(getSelectedItems(), false));
}

void AbstractThumbnailView::cut()
{
    const QList<AbstractThumbnailItem*> selected = getSelectedItems();
    if (selected.isEmpty())
        return;
    QList<QPointer<AbstractThumbnailItem>> guarded;
    for (AbstractThumbnailItem* item : selected)
        guarded.append(item);
    bool ok = false;
    emit deleteRequest(selected, &ok);
    // Items the owner deleted while answering are no longer there to copy.
    QList<AbstractThumbnailItem*> items;
    for (const QPointer<AbstractThumbnailItem>& item : qAsConst(guarded)) {
        if (item)
            items.append(item);
    }
    QApplication::clipboard()->setMimeData(getClipboardMimeData(items, ok));
}

bool AbstractThumbnailView::canPaste() const
{
    return canPaste(QApplication::clipboard()->mimeData());
}

bool AbstractThumbnailView::canPaste(const QMimeData* data)
{
    if (!data)
        return false;
    if (data->hasUrls() || data->hasFormat(QLatin1String(MIME_WEBURLSWITHTITLES))
        || data->hasFormat(QLatin1String(MIME_TEXTURL)) || data->hasFormat(QLatin1String(MIME_MOZURL))
        || data->hasFormat(QLatin1String(MIME_NETSCAPEURL)) || data->hasFormat(clipboardMimeType()))
        return true;
    if (!data->hasText())
        return false;
    const QString text = data->text();
    // No address or path is this long; a huge text from another client is not parsed.
    if (text.size() > MAX_PASTED_TEXT)
        return false;
    if (text.contains(QLatin1Char('\r')) || text.contains(QLatin1Char('\t')) || text.contains(QLatin1Char('\n')))
        return false;
    const QUrl url = QUrl::fromEncoded(text.toLatin1());
    if (!url.isEmpty() && url.isValid()
        && (text.contains(QLatin1String("www."), Qt::CaseInsensitive) || text.contains(QLatin1Char('/'))
            || text.contains(QLatin1Char('.'))))
        return true;
    return QFileInfo::exists(text);
}

void AbstractThumbnailView::paste()
{
    paste(QApplication::clipboard()->mimeData());
}

void AbstractThumbnailView::paste(const QMimeData* data)
{
    if (dropIndicator)
        dropIndicator->hide();
    if (!canPaste(data))
        return;
    // The category the user last clicked wins over the selection.
    AbstractThumbnailItem* anchor = getFirstSelectedItem();
    int key = anchor ? anchor->getCategoryKey() : -1;
    if (selectedCategoryKey != -1 && categories.value(selectedCategoryKey) && selectedCategoryKey != key) {
        anchor = nullptr;
        key = selectedCategoryKey;
    }
    CategoryHeaderItem* header = getCategoryHeader(key);
    if (header && !header->isExpanded())
        header->setExpanded(true);

    if (data->hasFormat(clipboardMimeType()))
        pasteItems(data->data(clipboardMimeType()), key, anchor);
    else
        pasteUrls(data, key, anchor);
}

void AbstractThumbnailView::pasteItems(const QByteArray& bytes, int key, AbstractThumbnailItem* anchor)
{
    // Any client may own the clipboard: every block is read before any item is made,
    // and damaged data makes none.
    QDataStream stream(bytes);
    stream.setVersion(QDataStream::Qt_5_15);
    qint64 identity = 0;
    stream >> identity;
    int count = 0;
    if (stream.status() != QDataStream::Ok || !readCount(stream, 4, &count)) {
        qWarning("AbstractThumbnailView: damaged clipboard data ignored");
        return;
    }
    if (identity == 0)
        return;
    QList<QByteArray> blocks;
    for (int i = 0; i < count; ++i) {
        QByteArray block;
        stream >> block;
        if (stream.status() != QDataStream::Ok) {
            qWarning("AbstractThumbnailView: damaged clipboard data ignored");
            return;
        }
        blocks.append(block);
    }

    QPointer<AbstractThumbnailView> self(this);
    QPointer<AbstractThumbnailItem> guardedAnchor(anchor);
    int added = 0;
    for (const QByteArray& block : qAsConst(blocks)) {
        AbstractThumbnailItem* item = nullptr;
        emit createItem(block, key, &item);
        if (!self)
            return;
        if (item && fileNewItem(item, key, guardedAnchor, 0, false))
            ++added;
    }
    if (added > 0) {
        resetModel();
        updateLayout();
    }
}

void AbstractThumbnailView::pasteUrls(const QMimeData* data, int key, AbstractThumbnailItem* anchor)
{
    QList<QUrl> urls;
    QStringList names;
    if (!getUrlsWithNames(data, urls, names))
        return;
    if (urls.count() > immediatePasteLimit) {
        startUrlPaste(urls, names, key, anchor, false);
        return;
    }
    QPointer<AbstractThumbnailView> self(this);
    QPointer<AbstractThumbnailItem> guardedAnchor(anchor);
    int added = 0;
    for (int i = 0; i < urls.count(); ++i) {
        AbstractThumbnailItem* item = pasteUrl(urls.at(i), names.value(i), key, guardedAnchor, 0, true);
        if (!self)
            return;
        if (item)
            ++added;
    }
    if (added > 0) {
        resetModel();
        updateLayout();
    }
}

bool AbstractThumbnailView::startUrlPaste(const QList<QUrl>& urls, const QStringList& names, int key,
                                          AbstractThumbnailItem* anchor, bool afterAnchor)
{
    if (urlPaste) {
        qWarning("AbstractThumbnailView: links are being added already; these are left out");
        return false;
    }
    urlPaste = new UrlPasteRun(this, urls, names, key, anchor, afterAnchor);
    connect(urlPaste, &UrlPasteRun::progress, this, &AbstractThumbnailView::urlPasteProgress);
    connect(urlPaste, &UrlPasteRun::finished, this, [this](int added, bool aborted) {
        urlPaste->deleteLater();
        urlPaste = nullptr;
        emit urlPasteFinished(added, aborted);
    });
    urlPaste->start();
    return true;
}

AbstractThumbnailItem* AbstractThumbnailView::pasteUrl(const QUrl& url, const QString& name, int key,
                                                       AbstractThumbnailItem* anchor, int offset, bool update)
{
    QPointer<AbstractThumbnailView> self(this);
    QPointer<AbstractThumbnailItem> guardedAnchor(anchor);
    bool ok = false;
    emit acceptDropUrl(url, name, &ok);
    if (!self || !ok)
        return nullptr;
    AbstractThumbnailItem* item = nullptr;
    emit createItem(url, name, key, &item);
    if (!self || !item || !fileNewItem(item, key, guardedAnchor, offset, update))
        return nullptr;
    if (update) {
        ensureVisible(item, 50, 50);
        repaint();
    }
    return item;
}

bool AbstractThumbnailView::isPastingUrls() const
{
    return !urlPaste.isNull();
}

void AbstractThumbnailView::abortUrlPaste()
{
    if (urlPaste)
        urlPaste->abort();
}

void AbstractThumbnailView::setUrlPastePaused(bool paused)
{
    if (urlPaste)
        urlPaste->setPaused(paused);
}
