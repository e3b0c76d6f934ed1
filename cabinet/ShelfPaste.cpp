#include "ShelfPaste.h"

#include "MyThumbnailView.h"
#include "PasteboardUrls.h"
#include "VorendaGlobal.h"
#include "VorendaShelf.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QMimeData>
#include <QUrl>

namespace {

// Item records may carry long notes; links and text are far smaller.
constexpr int MAX_ITEM_BYTES = 16 * 1024 * 1024;
constexpr int MAX_LINK_BYTES = 1024 * 1024;

} // namespace

ShelfPaste::ShelfPaste(VorendaShelf& shelf)
    : shelf(shelf)
{
}

std::unique_ptr<QMimeData> ShelfPaste::boundedCopy(const QMimeData* source)
{
    if (!source)
        return nullptr;
    auto copy = std::make_unique<QMimeData>();
    const QString itemFormat = AbstractThumbnailView::clipboardMimeType();
    // Plain text is read as bytes: asking for text would turn a link list into text too.
    const QStringList formats{itemFormat,
                              QLatin1String(MIME_WEBURLSWITHTITLES),
                              QLatin1String(MIME_TEXTURL),
                              QLatin1String(MIME_TEXTURLNAME),
                              QLatin1String(MIME_MOZURL),
                              QLatin1String(MIME_NETSCAPEURL),
                              QLatin1String(MIME_URILIST),
                              QStringLiteral("text/plain")};
    for (const QString& format : formats) {
        if (!source->hasFormat(format))
            continue;
        const QByteArray bytes = source->data(format);
        if (bytes.size() > (format == itemFormat ? MAX_ITEM_BYTES : MAX_LINK_BYTES)) {
            VorendaGlobal::addToLog(
                QStringLiteral("VorendaShelf: pasted \"%1\" data of %2 bytes ignored").arg(format).arg(bytes.size()));
            continue;
        }
        copy->setData(format, bytes);
    }
    return copy;
}

void ShelfPaste::addLinkForText(QMimeData& data)
{
    if (!data.hasText() || data.hasUrls() || data.hasFormat(QLatin1String(MIME_WEBURLSWITHTITLES))
        || data.hasFormat(QLatin1String(MIME_TEXTURL)))
        return;
    const QString text = data.text();
    if (text.contains(QLatin1Char('\r')) || text.contains(QLatin1Char('\t')) || text.contains(QLatin1Char('\n')))
        return;
    // A relative text would name a file in whatever folder the program runs in.
    if (QDir::isAbsolutePath(text) && QFileInfo::exists(text)) {
        data.setUrls({QUrl::fromLocalFile(text)});
        return;
    }
    QUrl url = QUrl::fromEncoded(text.toLatin1());
    const bool web = !url.isEmpty() && url.isValid()
        && (text.contains(QLatin1String("www.")) || text.contains(QLatin1Char('/')) || text.contains(QLatin1Char('.')));
    if (!web)
        return;
    // A bare host name is a web address.
    if (url.scheme().isEmpty())
        url = QUrl::fromUserInput(text);
    if (!url.isValid())
        return;
    data.setData(QLatin1String(MIME_TEXTURL), url.toEncoded() + '\n');
    // The view pastes from the link list.
    data.setUrls({url});
}

bool ShelfPaste::acceptsUrl(const QUrl& url)
{
    if (!url.isValid())
        return false;
    const QString scheme = url.scheme().toLower();
    return scheme == QLatin1String("file") || scheme == QLatin1String("http") || scheme == QLatin1String("https")
        || scheme == QLatin1String("ftp") || scheme == QLatin1String("mailto");
}

void ShelfPaste::paste()
{
    if (shelf.kiosk)
        return;
    const std::unique_ptr<QMimeData> data = boundedCopy(QApplication::clipboard()->mimeData(QClipboard::Clipboard));
    if (!data)
        return;
    addLinkForText(*data);
    shelf.view->paste(data.get());
}

void ShelfPaste::clipboardChanged(QClipboard::Mode mode)
{
    // The selection changes with every text the user marks anywhere; reading it each
    // time would fetch data from other programs for nothing.
    if (mode != QClipboard::Clipboard || !shelf.pasteAction)
        return;
    shelf.pasteAction->setEnabled(shelf.view->canPaste());
}

// ---- The cabinet's entry points

void VorendaShelf::onClipboardChanged(QClipboard::Mode mode)
{
    ShelfPaste(*this).clipboardChanged(mode);
}

void VorendaShelf::onPaste()
{
    ShelfPaste(*this).paste();
}

void VorendaShelf::onAcceptDropUrl(const QUrl& url, const QString&, bool* accept)
{
    if (accept)
        *accept = !kiosk && ShelfPaste::acceptsUrl(url);
}
