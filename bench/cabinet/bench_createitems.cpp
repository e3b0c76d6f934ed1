// Creating items from a folder: a cabinet walks a folder of 1,000 and of 10,000 plain
// documents (five kinds) as a dropped folder's "contents only" does, and the clock runs
// from the start of the walk until every item is in the laid-out view. A second figure
// makes the same items straight through addItem, without the walk. Prints milliseconds,
// the number of layout passes of the view, and how many icon files the cache holds (one
// per file kind shows that each kind's icon was fetched once).
#include "MyThumbnailView.h"
#include "RecurseDirThread.h"
#include "ShelfParts.h"
#include "VorendaGlobal.h"
#include "VorendaShelf.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTextStream>

namespace {

const QStringList suffixes = {QStringLiteral("txt"), QStringLiteral("pdf"), QStringLiteral("odt"),
                              QStringLiteral("csv"), QStringLiteral("md")};

void makeFolder(const QString& path, int count)
{
    QDir().mkpath(path);
    for (int i = 0; i < count; ++i) {
        QFile file(QStringLiteral("%1/document %2.%3").arg(path).arg(i, 5, 10, QLatin1Char('0'))
                       .arg(suffixes.at(i % suffixes.size())));
        if (file.open(QIODevice::WriteOnly))
            file.write("x");
    }
}

// Counts the view's layout passes through the item positions it sets: a pass moves the
// scene's bounding rectangle of the items, so the scene's changes are the closest outside sign.
class LayoutCounter : public QObject
{
public:
    explicit LayoutCounter(QGraphicsScene* scene)
    {
        connect(scene, &QGraphicsScene::sceneRectChanged, this, [this] { ++passes; });
    }
    int passes = 0;
};

int cachedFiles()
{
    return QDir(VorendaGlobal::getCacheLocation()).entryList(QDir::Files).size();
}

void walkFolder(QTextStream& out, const QString& folder, int count)
{
    QDir(VorendaGlobal::getCacheLocation()).removeRecursively();
    VorendaShelf shelf;
    shelf.resize(1440, 900);
    shelf.QWidget::show();
    QApplication::processEvents();
    LayoutCounter layouts(shelf.view->scene());
    bool finished = false;
    QObject::connect(shelf.recurseDirThread, &RecurseDirThread::finished, [&finished] { finished = true; });

    QElapsedTimer clock;
    clock.start();
    shelf.addItems(-1, folder, -1);
    while (!(finished && shelf.view->getAllItems().size() == count && shelf.view->modelRowCount() == count))
        QApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
    const qint64 walked = clock.elapsed();
    out << QStringLiteral("walk of %1 documents: %2 ms until all shown, %3 scene changes, %4 cached icon files\n")
               .arg(count)
               .arg(walked)
               .arg(layouts.passes)
               .arg(cachedFiles());
    out.flush();
    ShelfParts::of(shelf).walks.stop();
}

void addDirectly(QTextStream& out, const QString& folder, int count)
{
    QDir(VorendaGlobal::getCacheLocation()).removeRecursively();
    VorendaShelf shelf;
    shelf.resize(1440, 900);
    shelf.QWidget::show();
    QApplication::processEvents();
    const QFileInfoList files = QDir(folder).entryInfoList(QDir::Files, QDir::Name);
    QElapsedTimer clock;
    clock.start();
    for (const QFileInfo& info : files)
        shelf.addItem(info.fileName(), info.absoluteFilePath(), QPixmap(), -1, GenericPath);
    ShelfParts::of(shelf).items.updateLayout();
    QApplication::processEvents();
    out << QStringLiteral("addItem of %1 documents: %2 ms until all shown (%3 items)\n")
               .arg(count)
               .arg(clock.elapsed())
               .arg(shelf.view->getAllItems().size());
    out.flush();
}

} // namespace

int main(int argc, char** argv)
{
    QTemporaryDir root;
    qputenv("HOME", QFile::encodeName(root.path()));
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(root.path() + QStringLiteral("/config")));
    qputenv("XDG_DATA_HOME", QFile::encodeName(root.path() + QStringLiteral("/data")));
    qputenv("XDG_CACHE_HOME", QFile::encodeName(root.path() + QStringLiteral("/cache")));
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QStandardPaths::setTestModeEnabled(true);
    QApplication app(argc, argv);
    QCoreApplication::setOrganizationName(QStringLiteral("VorendaBench"));
    QCoreApplication::setApplicationName(QStringLiteral("VorendaBench"));
    QSettings().setValue(QStringLiteral("Main/StoreFolder"), root.path() + QStringLiteral("/store/"));
    VorendaGlobal::initialize();
    VorendaGlobal::load();

    QTextStream out(stdout);
    for (int count : {1000, 10000}) {
        const QString folder = root.path() + QStringLiteral("/documents-%1").arg(count);
        makeFolder(folder, count);
        walkFolder(out, folder, count);
        addDirectly(out, folder, count);
    }
    return 0;
}
