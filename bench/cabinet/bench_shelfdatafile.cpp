// A cabinet of 1,000, 10,000 and 50,000 image items with cached thumbnails (256 x 192
// PNG files, as the image helper makes them) in 20 categories, at thumbnail size 128:
// the time to read the data file, the time until the cabinet is shown, the time until
// every item holds its picture, the time to save, the resident memory per 1,000 items,
// and the largest picture an item holds against the size it is drawn at.
// Targets: shown within 1.5 s and saved within 0.5 s for 10,000 items; read and shown
// within 1.0 s for 50,000; pictures no larger than drawn; under 100 MB per 1,000 items.

#include "../support/BenchSupport.h"

#include "AbstractThumbnailItem.h"
#include "MyThumbnailItem.h"
#include "ShelfParts.h"
#include "VorendaGlobal.h"
#include "VorendaShelf.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QTextStream>

#include <cstdio>

namespace {

bool allPicturesInPlace(VorendaShelf& shelf)
{
    const QList<AbstractThumbnailItem*> items = shelf.view->getAllItems();
    for (AbstractThumbnailItem* item : items) {
        if (static_cast<MyThumbnailItem*>(item)->getImage().isNull())
            return false;
    }
    return true;
}

void run(int count, QTextStream& out)
{
    const QString path = benchDataFile();
    writePictureCabinet(path, count);

    // Reading alone.
    double loadMs = 0.0;
    {
        VorendaShelf shelf;
        QElapsedTimer timer;
        timer.start();
        shelf.load(path);
        loadMs = timer.nsecsElapsed() / 1e6;
        while (ShelfParts::of(shelf).dataFile.isLoadingPictures())
            QApplication::processEvents(QEventLoop::AllEvents, 5);
    }
    QApplication::processEvents();

    const qint64 before = residentBytes();
    VorendaShelf* shelf = newBenchCabinet(benchCabinetId);
    const double shownMs = loadAndShow(shelf, 60000);
    QElapsedTimer timer;
    timer.start();
    while ((ShelfParts::of(*shelf).dataFile.isLoadingPictures() || !allPicturesInPlace(*shelf)) && timer.elapsed() < 60000)
        QApplication::processEvents(QEventLoop::AllEvents, 5);
    const double picturesMs = shownMs + timer.nsecsElapsed() / 1e6;
    const qint64 after = residentBytes();

    QSize largestHeld;
    QSize largestDrawn;
    for (AbstractThumbnailItem* entry : shelf->view->getAllItems()) {
        auto* item = static_cast<MyThumbnailItem*>(entry);
        if (item->getImage().width() * item->getImage().height() > largestHeld.width() * largestHeld.height())
            largestHeld = item->getImage().size();
        if (item->getImageSize().width() * item->getImageSize().height()
            > largestDrawn.width() * largestDrawn.height())
            largestDrawn = item->getImageSize();
    }

    const QString copy = path + QStringLiteral(".copy");
    timer.restart();
    const bool saved = shelf->save(copy);
    const double saveMs = timer.nsecsElapsed() / 1e6;

    out << QStringLiteral("%1 items: read %2 ms, shown %3 ms, every picture %4 ms, save %5 ms%6, "
                          "memory %7 MB per 1,000 items, largest picture held %8 x %9, drawn at %10 x %11\n")
               .arg(count, 6)
               .arg(loadMs, 0, 'f', 0)
               .arg(shownMs, 0, 'f', 0)
               .arg(picturesMs, 0, 'f', 0)
               .arg(saveMs, 0, 'f', 0)
               .arg(saved ? QString() : QStringLiteral(" (FAILED)"))
               .arg((after - before) / 1048576.0 / (count / 1000.0), 0, 'f', 1)
               .arg(largestHeld.width())
               .arg(largestHeld.height())
               .arg(largestDrawn.width())
               .arg(largestDrawn.height());
    out.flush();
    delete shelf;
    QApplication::processEvents();
    cleanStore();
}

} // namespace

int main(int argc, char** argv)
{
    prepareOffscreenRun();
    QApplication app(argc, argv);
    TemporaryStore store;

    QTextStream out(stdout);
    const QList<int> counts = countsFromArguments(argc, argv, {1000, 10000, 50000});
    for (int count : counts)
        run(count, out);
    return 0;
}
