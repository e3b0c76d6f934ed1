// What a user feels in a big cabinet: a full frame, one hover-animation frame, a scroll
// by one page and one search keystroke (refilter, filterItems and layout), for cabinets
// of 1,000, 10,000 and 50,000 items at thumbnail size 128 in a 1920 x 1080 view.
// Prints milliseconds (median of several runs) and the resident memory per item.
#include "../support/BenchSupport.h"

#include "CabinetStyleFixtures.h"

#include "CustomSortFilterProxyModel.h"
#include "PaintCacheBudget.h"
#include "ThumbnailItemModel.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QRegExp>
#include <QScrollBar>
#include <QTextStream>

namespace {

ShelfStyle woodStyle()
{
    ShelfStyle style;
    style.name = QStringLiteral("Wood #2");
    style.cabinetColor = QColor(0x52, 0x35, 0x16);
    style.cabinetPattern = QStringLiteral(":/Resources/Patterns/wood2.png");
    style.shelfColor = QColor(0xD1, 0x8C, 0x34);
    style.shelfPattern = style.cabinetPattern;
    style.backDarknessLevel = 180;
    style.reflectionLevel = 150;
    style.toolTipColor = Qt::black;
    style.toolTipTextColor = Qt::white;
    style.itemSelectionColor = Qt::white;
    style.dropIndicatorColor = Qt::white;
    return style;
}

void measure(int count, QTextStream& out)
{
    const qint64 before = residentBytes();
    auto* view = new MyThumbnailView;
    view->resize(1920, 1080);
    view->setSpacing(0, 8, false);

    QList<QPixmap> pictures;
    for (int i = 0; i < 16; ++i)
        pictures << cardPicture(128, 96 + 2 * i, QColor::fromHsv(i * 22, 160, 200));
    QList<MyThumbnailItem*> items;
    items.reserve(count);
    for (int i = 0; i < count; ++i) {
        auto* item = makeCabinetItem(pictures.at(i % pictures.size()), 128,
                                     QStringLiteral("Item %1 of the cabinet").arg(i));
        item->properties.target = QStringLiteral("/home/user/files/item-%1.odt").arg(i);
        items << item;
        view->addItem(item, false);
    }
    view->resetModel();
    applyViewStyle(*view, woodStyle());
    view->show();
    QApplication::processEvents();
    view->updateLayout();

    PaintCounter counter;
    view->viewport()->installEventFilter(&counter);
    QElapsedTimer cold;
    cold.start();
    view->viewport()->repaint();
    const double firstFrame = cold.nsecsElapsed() / 1e6;
    const double frame = medianMs([&] { view->viewport()->repaint(); }, 9);

    // A hover step of an item in the middle of the screen: only its area is repainted.
    MyThumbnailItem* hovered = items.at(qMin(count - 1, 30));
    int step = 0;
    const double hover = medianMs(
        [&] {
            step = (step + 1) % 7;
            hovered->hoverTimeLine()->setCurrentTime(20 * (step + 1));
            QApplication::processEvents();
        },
        15);

    QScrollBar* bar = view->verticalScrollBar();
    bool down = false;
    const double scroll = medianMs(
        [&] {
            down = !down;
            bar->setValue(bar->value() + (down ? bar->pageStep() : -bar->pageStep()));
            QApplication::processEvents();
        },
        9);
    bar->setValue(0);
    QApplication::processEvents();

    // One keystroke of a name search: "item 1" then "item 12", alternately.
    CustomSortFilterProxyModel proxy;
    proxy.setSourceModel(view->model());
    proxy.setFilterKeyColumn(0);
    bool longer = false;
    auto search = [&](bool paint) {
        longer = !longer;
        proxy.setFilterRegExp(QRegExp(longer ? QStringLiteral("item 12") : QStringLiteral("item 1"),
                                      Qt::CaseInsensitive, QRegExp::RegExp));
        QList<AbstractThumbnailItem*> found;
        found.reserve(proxy.rowCount());
        for (int row = 0; row < proxy.rowCount(); ++row)
            found << view->itemAt(proxy.mapToSource(proxy.index(row, 0)).row());
        view->hideFloatingLabel();
        view->filterItems(found.isEmpty() ? QList<AbstractThumbnailItem*>{nullptr} : found);
        if (paint)
            view->viewport()->repaint();
    };
    const double keystroke = medianMs([&] { search(false); }, 9);
    const double keystrokeFrame = medianMs([&] { search(true); }, 9);
    view->filterItems({});
    view->viewport()->repaint();

    const qint64 after = residentBytes();
    const int paints = counter.paints;

    QElapsedTimer timer;
    timer.start();
    delete view;
    const double destroy = timer.nsecsElapsed() / 1e6;

    out << QStringLiteral("%1 | %2 | %3 | %4 | %5 | %6 | %7 | %8 | %9\n")
               .arg(count, 6)
               .arg(firstFrame, 8, 'f', 2)
               .arg(frame, 7, 'f', 2)
               .arg(hover, 7, 'f', 2)
               .arg(scroll, 8, 'f', 2)
               .arg(keystroke, 9, 'f', 2)
               .arg(keystrokeFrame, 13, 'f', 2)
               .arg(double(after - before) / count / 1024.0, 9, 'f', 2)
               .arg(destroy, 8, 'f', 1);
    out.flush();
    if (paints == 0)
        out << "  (no paint reached the viewport: figures are not frames)\n";
}

} // namespace

int main(int argc, char** argv)
{
    prepareOffscreenRun();
    QApplication app(argc, argv);
    QTextStream out(stdout);
    out << "Cabinet view 1920 x 1080, thumbnails 128, style Wood #2; milliseconds (median)\n";
    out << " items | 1st frame |  frame |  hover |   scroll | keystroke | key + frame | KB/item | destroy\n";
    for (const int count : {1000, 10000, 50000})
        measure(count, out);
    out << "1st frame = first full repaint, building every visible item's paint cache;\n"
           "frame = full repaint from the caches; hover = one hover-animation step of one item;\n"
           "scroll = one page down or up with its repaint; keystroke = proxy refilter, filterItems\n"
           "and layout; key + frame = the same with the repaint; KB/item = resident memory growth\n"
           "per item (16 shared pictures); paint cache limit "
        << PaintCacheBudget::instance().limit() / (1024 * 1024) << " MB.\n";
    return 0;
}
