// Layout and filter passes of a scene view at growing item counts, for three shapes of
// the category tree, and removing every item: selected and deleted with the Delete key,
// and with the view. Prints milliseconds per pass (median of several runs).
// Target: removing all of 50,000 items within 100 ms.
#include "../support/BenchSupport.h"

#include "CategoryHeaderItem.h"
#include "TextItem.h"
#include "ThumbnailItem.h"
#include "ThumbnailItemModel.h"
#include "ThumbnailView.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QTextStream>

namespace {

enum class Shape { Flat, Categories, Nested };

const char* shapeName(Shape shape)
{
    switch (shape) {
    case Shape::Flat:
        return "flat";
    case Shape::Categories:
        return "100 categories";
    case Shape::Nested:
        return "nested 5 deep";
    }
    return "";
}

CategoryHeaderItem* makeHeader(int key)
{
    auto* header = new CategoryHeaderItem;
    header->setTextItem(new TextItem(true, true), MarginProperty(2.0));
    header->setText(QStringLiteral("Category %1").arg(key));
    return header;
}

// 100 categories: 100 roots, or 20 chains of 5 nested ones; items spread evenly.
QList<int> buildCategories(ThumbnailView& view, Shape shape)
{
    QList<int> keys;
    if (shape == Shape::Flat)
        return keys;
    for (int i = 0; i < 100; ++i) {
        const int parent = shape == Shape::Nested && i % 5 != 0 ? i - 1 : -1;
        view.setCategoryHeader(i, makeHeader(i), parent, -1, false);
        keys << i;
    }
    return keys;
}

// A shown view of `count` items in the categories of `shape`, laid out.
ThumbnailView* newView(Shape shape, int count, QList<AbstractThumbnailItem*>& items)
{
    auto* view = new ThumbnailView;
    view->resize(1200, 800);
    view->setSpacing(8, 12, false);
    view->setIndentation(16.0);
    const QList<int> keys = buildCategories(*view, shape);
    items.reserve(count);
    for (int i = 0; i < count; ++i) {
        auto* item = new ThumbnailItem;
        item->setImageSize(QSize(64, 64));
        item->setText(QStringLiteral("Item %1").arg(i));
        item->setCategoryKey(keys.isEmpty() ? -1 : keys.at(i % keys.size()));
        view->addItem(item, false);
        items << item;
    }
    view->resetModel();
    view->show();
    QApplication::processEvents();
    view->updateLayout();
    return view;
}

// Every item selected and deleted with the Delete key, the owner agreeing.
double removeAllMs(Shape shape, int count)
{
    QList<AbstractThumbnailItem*> items;
    ThumbnailView* view = newView(shape, count, items);
    QObject::connect(view, &AbstractThumbnailView::deleteRequest, view,
                     [](QList<AbstractThumbnailItem*>, bool* ok) { *ok = true; });
    view->selectAll();
    QKeyEvent press(QEvent::KeyPress, Qt::Key_Delete, Qt::NoModifier);
    QElapsedTimer timer;
    timer.start();
    QApplication::sendEvent(view, &press);
    const double ms = timer.nsecsElapsed() / 1e6;
    if (!view->getAllItems().isEmpty())
        qWarning("bench_scenelayout: %d items were left after the Delete key", int(view->getAllItems().size()));
    delete view;
    return ms;
}

void measure(Shape shape, int count, QTextStream& out)
{
    QList<AbstractThumbnailItem*> items;
    ThumbnailView* owned = newView(shape, count, items);
    ThumbnailView& view = *owned;

    const int repeats = count >= 50000 ? 3 : 7;
    // Every run moves every item: the spacing alternates between two values.
    bool wide = false;
    const double layout = medianMs(
        [&] {
            wide = !wide;
            view.setSpacing(8, wide ? 14 : 12, false);
            view.updateLayout();
        },
        repeats);
    const double relayout = medianMs([&] { view.updateLayout(); }, repeats);

    auto filterPass = [&](int matches) {
        QList<AbstractThumbnailItem*> found;
        const int step = qMax(1, count / matches);
        for (int i = 0; i < count && found.size() < matches; i += step)
            found << items.at(i);
        return medianMs(
            [&] {
                view.filterItems(found);
                view.filterItems({});
            },
            repeats)
            / 2.0;
    };
    const double filter10 = filterPass(10);
    const double filter5000 = filterPass(qMin(5000, count));

    ThumbnailItemModel* model = view.model();
    const double modelScan = medianMs(
        [&] {
            for (int row = 0; row < model->rowCount(); ++row)
                model->data(model->index(row, 0));
        },
        3);

    QElapsedTimer timer;
    timer.start();
    delete owned;
    const double destroy = timer.nsecsElapsed() / 1e6;
    const double removeAll = removeAllMs(shape, count);

    out << QStringLiteral("%1 | %2 | %3 | %4 | %5 | %6 | %7 | %8 | %9\n")
               .arg(QString::fromLatin1(shapeName(shape)), -15)
               .arg(count, 6)
               .arg(layout, 8, 'f', 2)
               .arg(relayout, 8, 'f', 2)
               .arg(filter10, 9, 'f', 2)
               .arg(filter5000, 11, 'f', 2)
               .arg(modelScan, 10, 'f', 2)
               .arg(destroy, 8, 'f', 1)
               .arg(removeAll, 10, 'f', 1);
    out.flush();
}

} // namespace

int main(int argc, char** argv)
{
    prepareOffscreenRun();
    QApplication app(argc, argv);
    QTextStream out(stdout);
    out << "Scene view 1200 x 800, items 84 x 84, milliseconds per pass (median)\n";
    out << "shape           |  items |   layout | unmoved  | filter 10 | filter 5000 | model scan |  destroy | remove all\n";
    for (Shape shape : {Shape::Flat, Shape::Categories, Shape::Nested}) {
        for (int count : {1000, 10000, 50000})
            measure(shape, count, out);
    }
    out << "layout = updateLayout moving every item; unmoved = updateLayout with nothing to move;\n"
           "filter = filterItems with its layout, averaged over setting and clearing the filter;\n"
           "model scan = data() of every row; destroy = deleting the view with its items;\n"
           "remove all = every item selected and deleted with the Delete key.\n";
    return 0;
}
