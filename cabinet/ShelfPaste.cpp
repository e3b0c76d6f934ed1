#include "ShelfPaste.h"

#include "DesktopOpener.h"
#include "MessageDialog.h"
#include "MyThumbnailView.h"
#include "PasteboardUrls.h"
#include "VorendaGlobal.h"
#include "VorendaShelf.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QLocale>
#include <QMimeData>
#include <QPointer>
#include <QUrl>

namespace {

// Item records may carry long notes; links and text are far smaller.
constexpr int MAX_ITEM_BYTES = 16 * 1024 * 1024;

bool isLineList(const QString& format)
{
    return format == QLatin1String(MIME_URILIST) || format == QLatin1String(MIME_TEXTURL)
        || format == QLatin1String(MIME_TEXTURLNAME) || format == QLatin1String("text/plain");
}

// The links among `lines`: every line with text, but the comments of a URI list.
int linkLines(const QString& format, const QByteArray& lines)
{
    if (format == QLatin1String(MIME_TEXTURLNAME))
        return 0;
    const bool uriList = format == QLatin1String(MIME_URILIST);
    int links = 0;
    for (const QByteArray& line : lines.split('\n')) {
        const QByteArray text = line.trimmed();
        if (!text.isEmpty() && !(uriList && text.startsWith('#')))
            ++links;
    }
    return links;
}

} // namespace

ShelfPaste::ShelfPaste(VorendaShelf& shelf)
    : shelf(shelf)
{
}

std::unique_ptr<QMimeData> ShelfPaste::boundedCopy(const QMimeData* source, int* leftOut)
{
    if (leftOut)
        *leftOut = 0;
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
        QByteArray bytes = source->data(format);
        if (bytes.size() > (format == itemFormat ? MAX_ITEM_BYTES : MAX_LINK_BYTES)) {
            // A list of links keeps its lines up to the bound; the other formats say the
            // same in a form that cannot be cut.
            const int end = isLineList(format) ? bytes.lastIndexOf('\n', MAX_LINK_BYTES - 1) : -1;
            if (end < 0) {
                VorendaGlobal::addToLog(QStringLiteral("VorendaShelf: pasted \"%1\" data of %2 bytes ignored")
                                            .arg(format)
                                            .arg(bytes.size()));
                continue;
            }
            if (leftOut)
                *leftOut = qMax(*leftOut, linkLines(format, bytes.mid(end + 1)));
            VorendaGlobal::addToLog(QStringLiteral("VorendaShelf: pasted \"%1\" data of %2 bytes cut at %3 bytes")
                                        .arg(format)
                                        .arg(bytes.size())
                                        .arg(end + 1));
            bytes.truncate(end + 1);
        }
        copy->setData(format, bytes);
    }
    return copy;
}

ShelfPaste::LinkCount ShelfPaste::boundLinks(QMimeData& data, int maxLinks)
{
    LinkCount count;
    if (data.hasFormat(AbstractThumbnailView::clipboardMimeType()))
        return count;
    QList<QUrl> urls;
    QStringList names;
    if (!getUrlsWithNames(&data, urls, names))
        return count;
    count.kept = qMin(urls.size(), maxLinks);
    if (urls.size() <= maxLinks)
        return count;
    count.leftOut = urls.size() - maxLinks;
    // The first links alone, as a list of files and addresses with their names: what was
    // a file stays one, and a link to a program was left out already.
    QByteArray linkNames;
    for (int i = 0; i < maxLinks; ++i) {
        if (i > 0)
            linkNames += '\n';
        linkNames += names.value(i).replace(QLatin1Char('\n'), QLatin1Char(' ')).toUtf8();
    }
    data.clear();
    data.setUrls(urls.mid(0, maxLinks));
    data.setData(QLatin1String(MIME_TEXTURLNAME), linkNames);
    return count;
}

void ShelfPaste::addLinkForText(QMimeData& data)
{
    if (!data.hasText() || data.hasUrls() || data.hasFormat(QLatin1String(MIME_WEBURLSWITHTITLES))
        || data.hasFormat(QLatin1String(MIME_TEXTURL)))
        return;
    const QString text = data.text();
    if (text.contains(QLatin1Char('\r')) || text.contains(QLatin1Char('\t')) || text.contains(QLatin1Char('\n')))
        return;
    QUrl url = QUrl::fromEncoded(text.toLatin1());
    // A relative text would name a file in whatever folder the program runs in.
    const QString path = QDir::isAbsolutePath(text) ? text : DesktopOpener::localFilePath(url);
    if (!path.isEmpty() && QFileInfo::exists(path)) {
        // What a text says is never run: a program is added from the file manager.
        if (DesktopOpener::isProgramFile(path)) {
            VorendaGlobal::addToLog(QStringLiteral("VorendaShelf: Pasted text names a program, not added: %1").arg(text));
            return;
        }
        data.setUrls({QUrl::fromLocalFile(path)});
        return;
    }
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
    int cut = 0;
    const std::unique_ptr<QMimeData> data =
        boundedCopy(QApplication::clipboard()->mimeData(QClipboard::Clipboard), &cut);
    if (!data)
        return;
    addLinkForText(*data);
    const LinkCount links = boundLinks(*data, MAX_PASTED_LINKS);
    if (cut + links.leftOut > 0) {
        const QLocale locale;
        const QPointer<VorendaShelf> alive(&shelf);
        shelf.dialogOpen = true;
        MessageDialog().exec(&shelf,
                             VorendaShelf::tr("Only the first %1 links were pasted. Left out: %2.")
                                 .arg(locale.toString(links.kept), locale.toString(cut + links.leftOut)),
                             MessageDialog::Information, MessageDialog::OkButton);
        if (!alive)
            return;
        shelf.dialogOpen = false;
    }
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
