// Drag image for 1 to 10,000 selected items (time and peak memory) and copy and paste of
// 1,000 items between two views. Pictures are 128 x 128; up to 1,000 distinct ones, so
// larger selections repeat pictures as a cabinet full of the same icon would.
#include "../support/BenchSupport.h"

#include "AbstractThumbnailView.h"
#include "DragImageComposer.h"
#include "ThumbnailItem.h"
#include "ThumbnailView.h"

#include <QApplication>
#include <QClipboard>
#include <QElapsedTimer>
#include <QFile>
#include <QMimeData>
#include <QPainter>
#include <QTextStream>

#include <malloc.h>

namespace {

QTextStream out(stdout);

// Kilobytes of the process's resident set: now, and at its peak since the last reset.
qint64 statusKb(const char* key)
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    const QList<QByteArray> lines = status.readAll().split('\n');
    for (const QByteArray& line : lines) {
        if (line.startsWith(key))
            return line.mid(int(qstrlen(key))).trimmed().split(' ').value(0).toLongLong();
    }
    return -1;
}

void resetPeak()
{
    QFile clear(QStringLiteral("/proc/self/clear_refs"));
    if (clear.open(QIODevice::WriteOnly))
        clear.write("5");
}

QList<QPixmap> makePictures(int count)
{
    QList<QPixmap> pictures;
    for (int i = 0; i < count; ++i) {
        QImage image(128, 128, QImage::Format_ARGB32_Premultiplied);
        image.fill(QColor::fromHsv(i * 7 % 360, 160, 200));
        QPainter painter(&image);
        painter.setPen(Qt::black);
        painter.drawText(image.rect(), Qt::AlignCenter, QString::number(i));
        painter.end();
        pictures << QPixmap::fromImage(image);
    }
    return pictures;
}

QList<AbstractThumbnailItem*> makeItems(int count, const QList<QPixmap>& pictures)
{
    QList<AbstractThumbnailItem*> items;
    for (int i = 0; i < count; ++i) {
        auto* item = new ThumbnailItem;
        item->setImageSize(QSize(128, 128));
        item->setImage(pictures.at(i % pictures.count()));
        item->setText(QStringLiteral("Item %1").arg(i));
        items << item;
    }
    return items;
}

QSize composeDragImage(const QList<AbstractThumbnailItem*>& items)
{
    // One item drags its own picture; several drag the composed grid.
    if (items.count() < 2)
        return items.first()->getDragImage(false).size();
    return DragImageComposer::compose(items, items.first()).size();
}

void benchDragImage(const QList<QPixmap>& pictures)
{
    const QList<int> counts{1, 100, 1000, 10000};
    QList<QList<AbstractThumbnailItem*>> selections;
    for (int count : counts)
        selections << makeItems(count, pictures);

    // Times first, with the allocator as it normally runs.
    QList<double> times;
    QList<QSize> sizes;
    for (const QList<AbstractThumbnailItem*>& items : qAsConst(selections)) {
        sizes << composeDragImage(items);
        times << medianMs([&items] { composeDragImage(items); }, items.count() >= 1000 ? 3 : 7);
    }
    // Then the peaks: large blocks always come from and go back to the system, so the
    // peak resident size shows what one run needs, not what earlier runs left in the heap.
    mallopt(M_MMAP_THRESHOLD, 64 * 1024);
    mallopt(M_TRIM_THRESHOLD, 0);
    malloc_trim(0);
    QList<qint64> peaks;
    for (const QList<AbstractThumbnailItem*>& items : qAsConst(selections)) {
        const qint64 before = statusKb("VmRSS:");
        resetPeak();
        composeDragImage(items);
        peaks << qMax<qint64>(0, statusKb("VmHWM:") - before);
        malloc_trim(0);
    }

    out << "Drag image (128 x 128 pictures; a grid past 1024 px is scaled to fit)\n";
    out << "  items   grid (unscaled)   image         ms (median)   peak extra KB   unscaled would need KB\n";
    for (int i = 0; i < counts.count(); ++i) {
        const QList<AbstractThumbnailItem*>& items = selections.at(i);
        const QSize unscaled = items.count() < 2 ? sizes.at(i)
                                                  : DragImageComposer::grid(items, items.first()).imageSize;
        out << qSetFieldWidth(7) << counts.at(i) << qSetFieldWidth(0) << "   " << qSetFieldWidth(5)
            << unscaled.width() << qSetFieldWidth(0) << " x " << qSetFieldWidth(5) << unscaled.height()
            << qSetFieldWidth(0) << "   " << qSetFieldWidth(5) << sizes.at(i).width() << qSetFieldWidth(0) << " x "
            << qSetFieldWidth(5) << sizes.at(i).height() << qSetFieldWidth(0) << "   " << qSetFieldWidth(10)
            << QString::number(times.at(i), 'f', 2) << qSetFieldWidth(0) << "   " << qSetFieldWidth(13)
            << peaks.at(i) << qSetFieldWidth(0) << "   " << qSetFieldWidth(22)
            << qint64(unscaled.width()) * unscaled.height() * 4 / 1024 << qSetFieldWidth(0) << "\n";
    }
    out.flush();
    for (const QList<AbstractThumbnailItem*>& items : qAsConst(selections))
        qDeleteAll(items);
}

void benchDragData(const QList<QPixmap>& pictures)
{
    const int count = 10000;
    ThumbnailView view;
    view.resize(800, 600);
    const QList<AbstractThumbnailItem*> items = makeItems(count, pictures);
    for (AbstractThumbnailItem* item : items)
        view.addItem(item, false);
    const double ms = medianMs([&] { delete view.getDragMimeData(items); }, 5);
    out << "Drag data naming " << count << " items: " << QString::number(ms, 'f', 2) << " ms\n";
    out.flush();
}

void benchClipboard(const QList<QPixmap>& pictures)
{
    const int count = 1000;
    ThumbnailView source;
    ThumbnailView target;
    source.resize(800, 600);
    target.resize(800, 600);
    const QList<AbstractThumbnailItem*> items = makeItems(count, pictures);
    for (AbstractThumbnailItem* item : items)
        source.addItem(item, false);
    source.updateLayout();
    QObject::connect(&target, QOverload<QByteArray, int, AbstractThumbnailItem**>::of(&AbstractThumbnailView::createItem),
                     &target, [&target](QByteArray data, int key, AbstractThumbnailItem** item) {
                         *item = target.createItem(data, key);
                     });
    for (AbstractThumbnailItem* item : items)
        item->setSelected(true);

    QElapsedTimer timer;
    timer.start();
    source.copy();
    const double copyMs = timer.nsecsElapsed() / 1e6;
    const qint64 bytes = QApplication::clipboard()->mimeData()->data(AbstractThumbnailView::clipboardMimeType()).size();
    timer.restart();
    target.paste();
    const double pasteMs = timer.nsecsElapsed() / 1e6;
    out << "Clipboard, " << count << " items with 128 x 128 pictures\n";
    out << "  copy  " << QString::number(copyMs, 'f', 1) << " ms (" << bytes / 1024 << " KB of clipboard data)\n";
    out << "  paste " << QString::number(pasteMs, 'f', 1) << " ms into another view (" << target.getAllItems().count()
        << " items made and laid out)\n";
    out.flush();
}

} // namespace

int main(int argc, char** argv)
{
    prepareOffscreenRun();
    QApplication app(argc, argv);
    const QList<QPixmap> pictures = makePictures(1000);
    benchDragImage(pictures);
    benchDragData(pictures);
    benchClipboard(pictures);
    return 0;
}
