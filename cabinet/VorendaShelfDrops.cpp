#include "VorendaShelf.h"

#include "MyThumbnailView.h"
#include "PasteboardUrls.h"

#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QMimeData>

void VorendaShelf::onPaste()
{
    if (kiosk)
        return;
    QClipboard* clipboard = QApplication::clipboard();
    const QMimeData* data = clipboard->mimeData(QClipboard::Clipboard);
    if (data && data->hasText() && !data->hasUrls() && !data->hasFormat(QLatin1String(MIME_WEBURLSWITHTITLES))
        && !data->hasFormat(QLatin1String(MIME_TEXTURL))) {
        const QString text = data->text();
        // Text copied anywhere becomes an item when it is one web address or one existing path.
        if (!text.contains(QLatin1Char('\r')) && !text.contains(QLatin1Char('\t'))
            && !text.contains(QLatin1Char('\n'))) {
            const QUrl url = QUrl::fromEncoded(text.toLatin1());
            // A relative text would name a file in whatever folder the program runs in.
            const bool exists = QDir::isAbsolutePath(text) && QFileInfo::exists(text);
            const bool web = !url.isEmpty() && url.isValid()
                && (text.contains(QLatin1String("www.")) || text.contains(QLatin1Char('/'))
                    || text.contains(QLatin1Char('.')));
            if (exists || web) {
                auto* rewritten = new QMimeData;
                rewritten->setText(text);
                if (exists) {
                    rewritten->setUrls({QUrl::fromLocalFile(text)});
                } else {
                    rewritten->setData(QLatin1String(MIME_TEXTURL), url.toEncoded() + '\n');
                    // The view pastes from the link list.
                    rewritten->setUrls({url});
                }
                clipboard->setMimeData(rewritten, QClipboard::Clipboard);
            }
        }
    }
    view->paste();
}

void VorendaShelf::onAcceptDropUrl(const QUrl& url, const QString&, bool* accept)
{
    if (accept)
        *accept = !kiosk && url.isValid();
}
