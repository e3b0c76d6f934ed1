// A cabinet of 1,000, 10,000 and 50,000 image items with cached thumbnails (256 x 192
// PNG files, as the image helper makes them) in 20 categories, at thumbnail size 128:
// the time to read the data file, the time until the cabinet is shown, the time until
// every item holds its picture, the time to save, the resident memory per 1,000 items,
// and the largest picture an item holds against the size it is drawn at.
// Targets: shown within 1.5 s and saved within 0.5 s for 10,000 items; pictures no
// larger than drawn; under 100 MB per 1,000 items.

#include "../support/BenchSupport.h"

#include "AbstractThumbnailItem.h"
#include "MyThumbnailItem.h"
#include "ShelfParts.h"
#include "ThumbnailCache.h"
#include "VorendaGlobal.h"
#include "VorendaShelf.h"

#include <QApplication>
#include <QBuffer>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QImage>
#include <QTextStream>
#include <QXmlStreamWriter>

#include <cstdio>

namespace {

QByteArray thumbnailBytes()
{
    QImage image(256, 192, QImage::Format_ARGB32);
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x)
            image.setPixel(x, y, qRgb(x, y, (x * y) & 0xFF));
    }
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes;
}

// The data file as the program writes it, and the cached thumbnail of every item.
void writeCabinet(const QString& path, int count)
{
    const QByteArray picture = thumbnailBytes();
    QDir().mkpath(VorendaGlobal::getCacheLocation());
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    file.open(QIODevice::WriteOnly | QIODevice::Truncate);
    QXmlStreamWriter xml(&file);
    startCabinetFile(xml);
    const int categories = 20;
    for (int c = 0; c < categories; ++c) {
        xml.writeStartElement(QStringLiteral("Category"));
        xml.writeAttribute(QStringLiteral("name"), QStringLiteral("Category %1").arg(c));
        xml.writeAttribute(QStringLiteral("key"), QString::number(c));
        xml.writeAttribute(QStringLiteral("expand"), QStringLiteral("1"));
        for (int i = c; i < count; i += categories) {
            const QString target = QStringLiteral("/srv/pictures/%1/picture-%2.jpg").arg(c).arg(i);
            const QString thumbnail = ThumbnailCache::getThumbnailName(target);
            QFile cached(ThumbnailCache::getCachePath(thumbnail));
            if (cached.open(QIODevice::WriteOnly))
                cached.write(picture);
            xml.writeStartElement(QStringLiteral("Item"));
            xml.writeAttribute(QStringLiteral("name"), QStringLiteral("picture-%1.jpg").arg(i));
            xml.writeAttribute(QStringLiteral("type"), QStringLiteral("1"));
            xml.writeAttribute(QStringLiteral("label"), QStringLiteral("1"));
            xml.writeTextElement(QStringLiteral("target"), target);
            xml.writeTextElement(QStringLiteral("thumbnail"), thumbnail);
            xml.writeTextElement(QStringLiteral("type"), QStringLiteral("JPEG image"));
            xml.writeTextElement(QStringLiteral("date"), QStringLiteral("1600000000"));
            xml.writeTextElement(QStringLiteral("size"), QStringLiteral("2400000"));
            xml.writeTextElement(QStringLiteral("added"), QStringLiteral("1700000000"));
            xml.writeTextElement(QStringLiteral("tags"), QStringLiteral("holiday,sea"));
            xml.writeTextElement(QStringLiteral("thumbsize"), QStringLiteral("128"));
            xml.writeTextElement(QStringLiteral("customthumb"), QStringLiteral("0"));
            xml.writeTextElement(QStringLiteral("width"), QStringLiteral("4000"));
            xml.writeTextElement(QStringLiteral("height"), QStringLiteral("3000"));
            xml.writeEndElement();
        }
        xml.writeEndElement();
    }
    xml.writeEndDocument();
}

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
    const QString id = QStringLiteral("00112233445566778899aabbccddeeff");
    const QString path = QDir(VorendaGlobal::getDataLocation()).absoluteFilePath(id + QStringLiteral(".dat"));
    writeCabinet(path, count);

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
    VorendaShelf* shelf = newBenchCabinet(id);
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
    QDir(VorendaGlobal::getCacheLocation()).removeRecursively();
    QDir(VorendaGlobal::getDataLocation()).removeRecursively();
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
