// Big but valid inputs: a cabinet file of 100,000 items brought from another machine
// (no cached picture: documents of five kinds, web links and pictures, in 20
// categories), a chain of 1,000 nested categories, and a paste of 100,000 web
// addresses into a shown cabinet. Prints the time to load and the memory per item
// beyond the pictures, the time to load the chain, and the time the paste takes with
// whether the add-progress window showed.
// Targets: 100,000 items in at most 10 s and 5 KB per item; the chain within 1 s; the
// paste within 10 s with the add-progress window shown. The thumbnail helpers are
// stand-ins that take their first batch and keep it, as busy helpers would.
//
// bench_largeinputs [items|chain|paste] [count]

#include "../support/BenchSupport.h"

#include "AddProgressWidget.h"
#include "DovalinnailClient.h"
#include "KestrimnailClient.h"
#include "MyThumbnailView.h"
#include "VorendaGlobal.h"
#include "VorendaShelf.h"

#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QMimeData>
#include <QTemporaryDir>
#include <QTextStream>
#include <QTimer>
#include <QUrl>
#include <QXmlStreamWriter>

#include <functional>

namespace {

void writeItem(QXmlStreamWriter& xml, int i)
{
    static const char* suffixes[] = {"txt", "pdf", "odt", "csv", "md"};
    QString target;
    int type = 0;
    switch (i % 3) {
    case 0:
        target = QStringLiteral("/srv/documents/%1/document-%2.%3").arg(i % 20).arg(i).arg(QLatin1String(suffixes[i % 5]));
        break;
    case 1:
        target = QStringLiteral("https://example.org/pages/%1.html").arg(i);
        type = 4;
        break;
    default:
        target = QStringLiteral("/srv/pictures/%1/picture-%2.jpg").arg(i % 20).arg(i);
        type = 1;
        break;
    }
    xml.writeStartElement(QStringLiteral("Item"));
    xml.writeAttribute(QStringLiteral("name"), QStringLiteral("item %1").arg(i));
    xml.writeAttribute(QStringLiteral("type"), QString::number(type));
    xml.writeAttribute(QStringLiteral("label"), QStringLiteral("1"));
    xml.writeTextElement(QStringLiteral("target"), target);
    xml.writeTextElement(QStringLiteral("thumbnail"), QStringLiteral("%1.").arg(i, 32, 16, QLatin1Char('0')));
    xml.writeTextElement(QStringLiteral("date"), QStringLiteral("1600000000"));
    xml.writeTextElement(QStringLiteral("added"), QStringLiteral("1700000000"));
    xml.writeTextElement(QStringLiteral("tags"), QStringLiteral("work,archive"));
    xml.writeTextElement(QStringLiteral("thumbsize"), QStringLiteral("128"));
    if (type == 1) {
        xml.writeTextElement(QStringLiteral("width"), QStringLiteral("4000"));
        xml.writeTextElement(QStringLiteral("height"), QStringLiteral("3000"));
    }
    xml.writeEndElement();
}

bool writeItemsCabinet(int count)
{
    return writeBenchCabinet([count](QXmlStreamWriter& xml) {
        writeSpreadCategories(xml, count, [&xml](int, int i) { writeItem(xml, i); });
    });
}

bool writeChainCabinet(int levels)
{
    return writeBenchCabinet([levels](QXmlStreamWriter& xml) {
        for (int level = 0; level < levels; ++level) {
            xml.writeStartElement(QStringLiteral("Category"));
            xml.writeAttribute(QStringLiteral("name"), QStringLiteral("Level %1").arg(level));
            xml.writeAttribute(QStringLiteral("key"), QString::number(level));
            xml.writeAttribute(QStringLiteral("expand"), QStringLiteral("1"));
            if (level > 0)
                xml.writeAttribute(QStringLiteral("parent"), QString::number(level - 1));
            writeItem(xml, level * 3);
            xml.writeEndElement();
        }
    });
}

VorendaShelf* newShownCabinet()
{
    static QTemporaryDir folder;
    VorendaShelf* shelf = newBenchCabinet(benchCabinetId);
    shelf->kestrimClient->setProgram(idleHelperIn(folder.path()));
    shelf->dovalinClient->setProgram(idleHelperIn(folder.path()));
    return shelf;
}

void benchItems(int count, QTextStream& out)
{
    if (!writeItemsCabinet(count)) {
        out << "cannot write the cabinet file\n";
        return;
    }
    settleEvents();
    const qint64 before = residentBytes();
    VorendaShelf* shelf = newShownCabinet();
    const double ms = loadAndShow(shelf, 600000);
    settleEvents();
    const qint64 after = residentBytes();
    const int loaded = shelf->view->getAllItems().size();
    out << QStringLiteral("%1 items without cached pictures: shown after %2 ms, %3 items, %4 KB per item, "
                          "%5 files in the cache\n")
               .arg(count)
               .arg(ms, 0, 'f', 0)
               .arg(loaded)
               .arg((after - before) / 1024.0 / qMax(1, count), 0, 'f', 2)
               .arg(QDir(VorendaGlobal::getCacheLocation()).entryList(QDir::Files).size());
    out.flush();
    delete shelf;
    settleEvents();
    cleanStore();
}

void benchChain(int levels, QTextStream& out)
{
    if (!writeChainCabinet(levels)) {
        out << "cannot write the cabinet file\n";
        return;
    }
    settleEvents();
    VorendaShelf* shelf = newShownCabinet();
    const double ms = loadAndShow(shelf, 600000);
    out << QStringLiteral("chain of %1 nested categories: shown after %2 ms, %3 categories\n")
               .arg(levels)
               .arg(ms, 0, 'f', 0)
               .arg(shelf->view->getCategoryHeaderList(-1, true).size());
    out.flush();
    delete shelf;
    settleEvents();
    cleanStore();
}

void benchPaste(int count, QTextStream& out)
{
    VorendaShelf* shelf = newShownCabinet();
    shelf->show();
    settleEvents();

    QList<QUrl> urls;
    urls.reserve(count);
    for (int i = 0; i < count; ++i)
        urls << QUrl(QStringLiteral("https://example.org/pasted/%1.html").arg(i));
    auto* data = new QMimeData;
    data->setUrls(urls);
    QApplication::clipboard()->setMimeData(data);
    settleEvents();

    // Whether the add-progress window shows is looked at while the paste runs.
    bool progressShown = false;
    QTimer probe;
    probe.setInterval(20);
    QObject::connect(&probe, &QTimer::timeout, [&] { progressShown = progressShown || AddProgressWidget::visible(); });
    probe.start();

    QElapsedTimer timer;
    timer.start();
    shelf->onPaste();
    while (shelf->view->getAllItems().size() < count && timer.elapsed() < 600000) {
        progressShown = progressShown || AddProgressWidget::visible();
        QApplication::processEvents(QEventLoop::AllEvents, 5);
    }
    const double ms = timer.nsecsElapsed() / 1e6;
    probe.stop();
    out << QStringLiteral("paste of %1 web addresses: %2 ms, %3 items, add-progress window %4\n")
               .arg(count)
               .arg(ms, 0, 'f', 0)
               .arg(shelf->view->getAllItems().size())
               .arg(progressShown ? QStringLiteral("shown") : QStringLiteral("not shown"));
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
    if (which.isEmpty() || which == QLatin1String("items"))
        benchItems(count > 0 ? count : 100000, out);
    if (which.isEmpty() || which == QLatin1String("chain"))
        benchChain(count > 0 ? count : 1000, out);
    if (which.isEmpty() || which == QLatin1String("paste"))
        benchPaste(count > 0 ? count : 100000, out);
    return 0;
}
