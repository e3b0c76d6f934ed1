// Big but valid inputs: a cabinet file of 100,000 items brought from another machine
// (no cached picture: documents of five kinds, web links and pictures, in 20
// categories), a chain of 1,000 nested categories, and a paste of 100,000 web
// addresses into a shown cabinet. Prints the time to load and the memory per item
// beyond the pictures, the time to load the chain, and the time the paste takes with
// whether the add-progress window showed. Then the real vorenda (built beside this
// benchmark, offscreen) with a cabinet of that many categories nested in each other,
// and as many beside them, is sent SIGTERM while it reads them: prints how long it
// still ran and whether the cabinet's file stayed as it was. Last, an item whose name
// is 200 MB (or the count in MB) of text: the peak resident memory of its load.
// Targets: 100,000 items in at most 10 s and 5 KB per item; the chain within 1 s; the
// paste within 10 s with the add-progress window shown; the end within 2 s of SIGTERM
// with the file untouched; the huge name loaded with at most twice its size resident.
// The thumbnail helpers are stand-ins that take their first batch and keep it, as busy
// helpers would.
//
// bench_largeinputs [items|chain|paste|sigterm|hugetext] [count] [sigterm: ms after the start]

#include "../support/BenchSupport.h"
#include "StoreListing.h"

#include "AddProgressWidget.h"
#include "DovalinnailClient.h"
#include "KestrimnailClient.h"
#include "MyThumbnailItem.h"
#include "MyThumbnailView.h"
#include "VorendaGlobal.h"
#include "VorendaShelf.h"

#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QMimeData>
#include <QProcess>
#include <QSettings>
#include <QThread>
#include <QTemporaryDir>
#include <QTextStream>
#include <QTimer>
#include <QUrl>
#include <QXmlStreamWriter>

#include <functional>

#include <csignal>
#include <malloc.h>

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


QByteArray fileBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void benchTermination(int count, int delayMs, QTextStream& out)
{
    QTemporaryDir home;
    const QString store = home.path() + QStringLiteral("/store");
    const QString data = store + QStringLiteral("/Data/") + benchCabinetId + QStringLiteral(".dat");
    if (!writeStoreListing(store, benchCabinetId)) {
        out << "cannot write the main data file\n";
        return;
    }
    {
        QFile file(data);
        if (!file.open(QIODevice::WriteOnly)) {
            out << "cannot write the cabinet file\n";
            return;
        }
        QXmlStreamWriter xml(&file);
        startCabinetFile(xml);
        xml.setAutoFormatting(false);
        for (int i = 0; i < 2 * count; ++i) {
            xml.writeStartElement(QStringLiteral("Category"));
            xml.writeAttribute(QStringLiteral("name"), QStringLiteral("Category %1").arg(i));
            xml.writeStartElement(QStringLiteral("Item"));
            xml.writeAttribute(QStringLiteral("name"), QStringLiteral("note %1").arg(i));
            xml.writeTextElement(QStringLiteral("target"), QStringLiteral("/srv/notes/%1.txt").arg(i));
            xml.writeEndElement();
            // The first half nested, the second beside each other at the top.
            if (i == count - 1 || i >= count) {
                for (int open = i == count - 1 ? count : 1; open > 0; --open)
                    xml.writeEndElement();
            }
        }
        xml.writeEndDocument();
    }
    const QByteArray before = fileBytes(data);
    {
        QSettings settings(home.path() + QStringLiteral("/config/Vorenda/Vorenda.conf"), QSettings::IniFormat);
        settings.setValue(QStringLiteral("Main/StoreFolder"), store + QLatin1Char('/'));
        settings.setValue(QStringLiteral("Main/VerCheckUrl"), QStringLiteral("http://127.0.0.1:1/vorenda-%1-%2.xml"));
        settings.setValue(QStringLiteral("Main/WelcomeShown"), true);
    }
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("HOME"), home.path());
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), home.path() + QStringLiteral("/config"));
    env.insert(QStringLiteral("XDG_DATA_HOME"), home.path() + QStringLiteral("/data"));
    env.insert(QStringLiteral("XDG_RUNTIME_DIR"), home.path());
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    QProcess vorenda;
    vorenda.setProcessEnvironment(env);
    vorenda.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    vorenda.start(QCoreApplication::applicationDirPath() + QStringLiteral("/../bin/vorenda"), QStringList());
    if (!vorenda.waitForStarted()) {
        out << "cannot start vorenda\n";
        return;
    }
    QThread::msleep(ulong(delayMs));
    QElapsedTimer timer;
    timer.start();
    ::kill(pid_t(vorenda.processId()), SIGTERM);
    const bool ended = vorenda.waitForFinished(120000);
    const double ms = timer.nsecsElapsed() / 1e6;
    if (!ended)
        vorenda.kill();
    vorenda.waitForFinished();
    out << QStringLiteral("SIGTERM %5 s after the start, loading %1 nested and %1 side-by-side categories: ended "
                          "after %2 ms (exit code %3), the file %4\n")
               .arg(count)
               .arg(ms, 0, 'f', 0)
               .arg(vorenda.exitCode())
               .arg(fileBytes(data) == before ? QStringLiteral("untouched") : QStringLiteral("CHANGED"))
               .arg(delayMs / 1000.0, 0, 'f', 1);
    out.flush();
}

void benchHugeText(int megabytes, QTextStream& out)
{
    // The name lives only while the file is written.
    if (!writeBenchCabinet([megabytes](QXmlStreamWriter& xml) {
            const QString name(megabytes * 1024 * 1024, QLatin1Char('n'));
            xml.writeStartElement(QStringLiteral("Category"));
            xml.writeAttribute(QStringLiteral("name"), QStringLiteral("Huge"));
            xml.writeAttribute(QStringLiteral("key"), QStringLiteral("0"));
            xml.writeStartElement(QStringLiteral("Item"));
            xml.writeAttribute(QStringLiteral("name"), name);
            xml.writeTextElement(QStringLiteral("target"), QStringLiteral("/srv/notes/huge.txt"));
            xml.writeEndElement();
        })) {
        out << "cannot write the cabinet file\n";
        return;
    }
    const qint64 fileSize = QFileInfo(benchDataFile()).size();
    // The cabinet itself is made before the measure.
    VorendaShelf* shelf = newShownCabinet();
    settleEvents();
    malloc_trim(0);
    const qint64 before = residentBytes();
    resetPeakResident();
    QElapsedTimer timer;
    timer.start();
    shelf->load(benchDataFile());
    const double ms = timer.nsecsElapsed() / 1e6;
    const qint64 peak = peakResidentBytes();
    const QList<AbstractThumbnailItem*> items = shelf->view->getAllItems();
    auto* item = items.isEmpty() ? nullptr : qobject_cast<MyThumbnailItem*>(items.first());
    const int kept = item ? item->properties.name.size() : -1;
    out << QStringLiteral("item name of %1 MB (file %2 MB): loaded in %3 ms, peak %4 MB resident beyond the %5 MB "
                          "before (%6 times the file), the name kept with %7 characters\n")
               .arg(megabytes)
               .arg(fileSize / 1048576.0, 0, 'f', 0)
               .arg(ms, 0, 'f', 0)
               .arg((peak - before) / 1048576.0, 0, 'f', 0)
               .arg(before / 1048576.0, 0, 'f', 0)
               .arg(double(peak - before) / qMax<qint64>(1, fileSize), 0, 'f', 2)
               .arg(kept);
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
    if (which.isEmpty() || which == QLatin1String("sigterm")) {
        const QList<int> delays =
            argc > 3 ? QList<int>{QString::fromLocal8Bit(argv[3]).toInt()} : QList<int>{1500, 5000, 15000};
        for (int delay : delays)
            benchTermination(count > 0 ? count : 100000, delay, out);
    }
    if (which.isEmpty() || which == QLatin1String("hugetext"))
        benchHugeText(count > 0 ? count : 200, out);
    return 0;
}
