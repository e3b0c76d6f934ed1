// Cabinets with many categories: side by side at the top (the program's own layout),
// a chain in which each category is the child of the one before (written with parent
// keys, as the program writes them), and the same chain written as nested elements.
// Every category holds two items (or as many as asked). Prints the time to read the
// file into the cabinet, then, with the pictures cached by that first read as at a
// second start, the time until the cabinet is first drawn, with the categories it then
// holds and the largest resident memory of the process meanwhile.
// Targets: 1,000 categories read within 1 s; 10,000 side by side or 16,000 nested
// shown within 2 s and at most 300 MB.
//
// bench_categoryload [side|chain|nested] [count] [items per category]

#include "../support/BenchSupport.h"

#include "MyThumbnailView.h"
#include "VorendaGlobal.h"
#include "VorendaShelf.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTextStream>
#include <QXmlStreamWriter>

#include <malloc.h>

namespace {

enum class Layout { Side, Chain, Nested };

int itemsPerCategory = 2;

void startCategory(QXmlStreamWriter& xml, int key, int parent)
{
    xml.writeStartElement(QStringLiteral("Category"));
    xml.writeAttribute(QStringLiteral("name"), QStringLiteral("Category %1").arg(key));
    xml.writeAttribute(QStringLiteral("key"), QString::number(key));
    xml.writeAttribute(QStringLiteral("expand"), QStringLiteral("1"));
    if (parent >= 0)
        xml.writeAttribute(QStringLiteral("parent"), QString::number(parent));
    for (int i = 0; i < itemsPerCategory; ++i) {
        xml.writeStartElement(QStringLiteral("Item"));
        xml.writeAttribute(QStringLiteral("name"), QStringLiteral("note %1.%2").arg(key).arg(i));
        xml.writeAttribute(QStringLiteral("type"), QStringLiteral("0"));
        xml.writeTextElement(QStringLiteral("target"), QStringLiteral("/srv/notes/%1/%2.txt").arg(key).arg(i));
        xml.writeEndElement();
    }
}

bool writeCabinet(Layout layout, int count)
{
    return writeBenchCabinet([layout, count](QXmlStreamWriter& xml) {
        // Indented, a deep nesting would make a file of the square of its depth.
        if (layout == Layout::Nested)
            xml.setAutoFormatting(false);
        // The nested elements are left open for the end of the document to close.
        for (int key = 0; key < count; ++key) {
            startCategory(xml, key, layout == Layout::Chain ? key - 1 : -1);
            if (layout != Layout::Nested)
                xml.writeEndElement();
        }
    });
}

void bench(Layout layout, int count, QTextStream& out)
{
    static const char* names[] = {"side by side", "in a chain of parent keys", "in a chain of nested elements"};
    if (!writeCabinet(layout, count)) {
        out << "cannot write the cabinet file\n";
        return;
    }
    // Reading alone.
    double readMs = 0.0;
    int read = 0;
    {
        VorendaShelf shelf;
        QElapsedTimer timer;
        timer.start();
        shelf.load(benchDataFile());
        readMs = timer.nsecsElapsed() / 1e6;
        read = shelf.view->getCategoryHeaderList(-1, true).size();
    }
    settleEvents();
    // What the read alone left free goes back to the system first.
    malloc_trim(0);
    const qint64 before = residentBytes();
    resetPeakResident();
    VorendaShelf* shelf = newBenchCabinet(benchCabinetId);
    const double shownMs = loadAndShow(shelf, 600000);
    const qint64 peak = peakResidentBytes();
    out << QStringLiteral("%1 categories %2: read in %3 ms (%4 categories), shown after %5 ms (%6 categories, "
                          "%7 items), peak %8 MB resident (%9 MB before)\n")
               .arg(count)
               .arg(QLatin1String(names[int(layout)]))
               .arg(readMs, 0, 'f', 0)
               .arg(read)
               .arg(shownMs, 0, 'f', 0)
               .arg(shelf->view->getCategoryHeaderList(-1, true).size())
               .arg(shelf->view->getAllItems().size())
               .arg(peak / 1048576.0, 0, 'f', 0)
               .arg(before / 1048576.0, 0, 'f', 0);
    out.flush();
    delete shelf;
    settleEvents();
    cleanStore();
}

} // namespace

int main(int argc, char** argv)
{
    prepareOffscreenRun();
    QApplication app(argc, argv);
    TemporaryStore store;
    QTextStream out(stdout);

    const QString which = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QString();
    const int count = argc > 2 ? QString::fromLocal8Bit(argv[2]).toInt() : 0;
    if (argc > 3)
        itemsPerCategory = qMax(0, QString::fromLocal8Bit(argv[3]).toInt());
    const QList<int> counts = count > 0 ? QList<int>{count} : QList<int>{1000, 10000};
    const struct
    {
        const char* name;
        Layout layout;
    } layouts[] = {{"side", Layout::Side}, {"chain", Layout::Chain}, {"nested", Layout::Nested}};
    for (const auto& entry : layouts) {
        if (!which.isEmpty() && which != QLatin1String(entry.name))
            continue;
        for (int n : counts)
            bench(entry.layout, n, out);
    }
    return 0;
}
