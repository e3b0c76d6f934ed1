#include "ItemMimeData.h"

#include "ClipboardPictures.h"
#include "MyThumbnailItem.h"
#include "PasteboardUrls.h"
#include "VorendaShelf.h"

#include <QFileInfo>
#include <QMimeData>

void ItemMimeData::addOutsideFormats(const QList<AbstractThumbnailItem*>& items, QMimeData* mimeData)
{
    if (!mimeData)
        return;
    QList<QUrl> webUrls;
    QStringList titles;
    QByteArray urlBytes;
    QByteArray nameBytes;
    QString text;
    // The X11 link formats take absolute links only, files and web links in item order.
    QList<QUrl> links;
    QList<QUrl> namedLinks;
    QStringList linkTitles;

    for (AbstractThumbnailItem* entry : items) {
        const auto* item = qobject_cast<const MyThumbnailItem*>(entry);
        if (!item)
            continue;
        const QString target = item->properties.target;
        const QFileInfo info(target);
        if (!target.isEmpty() && info.exists()) {
            const QUrl url = QUrl::fromLocalFile(info.isSymLink() ? info.symLinkTarget() : info.absoluteFilePath());
            if (!url.isEmpty())
                links.append(url);
            continue;
        }
        const QUrl url(target);
        const QString title = item->properties.name.isEmpty() ? url.host() : item->properties.name;
        if (!text.isEmpty())
            text += QLatin1Char('\n');
        text += target;
        if (!url.isEmpty()) {
            webUrls.append(url);
            urlBytes += url.toEncoded() + '\n';
            if (!url.scheme().isEmpty()) {
                links.append(url);
                namedLinks.append(url);
                linkTitles.append(title);
            }
        }
        if (!title.isEmpty()) {
            titles.append(title);
            nameBytes += title.toUtf8() + '\n';
        }
    }

    if (!urlBytes.isEmpty())
        mimeData->setData(QLatin1String(MIME_TEXTURL), urlBytes);
    if (!nameBytes.isEmpty())
        mimeData->setData(QLatin1String(MIME_TEXTURLNAME), nameBytes);
    if (!webUrls.isEmpty() && !titles.isEmpty())
        setWebURLsWithTitles(mimeData, webUrls, titles);
    // The browser list's own X11 formats are replaced by the ones of every item.
    mimeData->removeFormat(QLatin1String(MIME_URILIST));
    mimeData->removeFormat(QLatin1String(MIME_MOZURL));
    if (!links.isEmpty())
        mimeData->setUrls(links);
    if (!namedLinks.isEmpty())
        mimeData->setData(QLatin1String(MIME_MOZURL), encodeMozUrl(namedLinks, linkTitles));
    if (!text.isEmpty())
        mimeData->setText(text);
}

// ---- The cabinet's entry point

void VorendaShelf::onSetMimeData(QList<AbstractThumbnailItem*> items, QMimeData* mimeData)
{
    ItemMimeData::addOutsideFormats(items, mimeData);
    ClipboardPictures::note(items, mimeData);
}
