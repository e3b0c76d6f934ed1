// Walking 100,000 empty files with the folder walker, its receiver answering every
// report at once, against a bare QDirIterator loop and `find | wc -l` over the same
// tree in the same run. Two layouts: 1,000 folders of 100 files side by side, and the
// same number of folders in chains 20 levels deep. Target: at most 3x the bare loop.

#include "RecurseDirThread.h"

#include <QCoreApplication>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTextStream>

#include <algorithm>
#include <functional>

namespace {

constexpr int folderCount = 1000;
constexpr int filesPerFolder = 100;
constexpr int depth = 20;
constexpr int rounds = 3;

bool makeFiles(const QString& folder)
{
    if (!QDir().mkpath(folder))
        return false;
    for (int i = 0; i < filesPerFolder; ++i) {
        QFile file(QStringLiteral("%1/file%2.txt").arg(folder).arg(i, 3, 10, QLatin1Char('0')));
        if (!file.open(QIODevice::WriteOnly))
            return false;
    }
    return true;
}

bool makeFlatTree(const QString& root)
{
    for (int f = 0; f < folderCount; ++f) {
        if (!makeFiles(QStringLiteral("%1/folder%2").arg(root).arg(f, 4, 10, QLatin1Char('0'))))
            return false;
    }
    return true;
}

bool makeDeepTree(const QString& root)
{
    for (int chain = 0; chain < folderCount / depth; ++chain) {
        QString folder = QStringLiteral("%1/chain%2").arg(root).arg(chain, 2, 10, QLatin1Char('0'));
        for (int level = 0; level < depth; ++level) {
            if (level > 0)
                folder += QStringLiteral("/level%1").arg(level, 2, 10, QLatin1Char('0'));
            if (!makeFiles(folder))
                return false;
        }
    }
    return true;
}

int bareLoop(const QString& root)
{
    int files = 0;
    QDirIterator it(root, QDir::Files | QDir::Readable, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        it.next();
        ++files;
    }
    return files;
}

int walk(const QString& root)
{
    RecurseDirThread walker;
    QEventLoop loop;
    int files = 0;
    QObject::connect(&walker, &RecurseDirThread::fileFound, [&] {
        ++files;
        walker.next();
    });
    QObject::connect(&walker, &RecurseDirThread::dirFound,
                     [&](QString name) { walker.next(name, true, false, false); });
    QObject::connect(&walker, &RecurseDirThread::finished, &loop, &QEventLoop::quit);
    walker.start(root, QStringLiteral("root"), true, false, false, false, QThread::NormalPriority);
    loop.exec();
    return files;
}

// find ROOT | wc -l, as two processes joined by a pipe.
int findAndCount(const QString& root)
{
    QProcess find;
    QProcess count;
    find.setStandardOutputProcess(&count);
    find.start(QStringLiteral("find"), {root});
    count.start(QStringLiteral("wc"), {QStringLiteral("-l")});
    find.waitForFinished(-1);
    count.closeWriteChannel();
    count.waitForFinished(-1);
    return QString::fromUtf8(count.readAllStandardOutput()).trimmed().toInt();
}

// Best of a few rounds, in milliseconds; `result` gets the count of the last round.
double best(const std::function<int()>& run, int& result)
{
    double fastest = 1e300;
    for (int i = 0; i < rounds; ++i) {
        QElapsedTimer timer;
        timer.start();
        result = run();
        fastest = std::min(fastest, timer.nsecsElapsed() / 1e6);
    }
    return fastest;
}

void measure(QTextStream& out, const QString& label, const QString& root)
{
    bareLoop(root);  // warm the caches for all three
    int bareFiles = 0, walkedFiles = 0, findEntries = 0;
    const double bare = best([&] { return bareLoop(root); }, bareFiles);
    const double walker = best([&] { return walk(root); }, walkedFiles);
    const double found = best([&] { return findAndCount(root); }, findEntries);
    const double ratio = walker / bare;
    out << label << '\n'
        << QStringLiteral("  bare QDirIterator loop : %1 ms (%2 files)\n").arg(bare, 8, 'f', 1).arg(bareFiles)
        << QStringLiteral("  RecurseDirThread       : %1 ms (%2 files reported)\n")
               .arg(walker, 8, 'f', 1)
               .arg(walkedFiles)
        << QStringLiteral("  find | wc -l           : %1 ms (%2 entries)\n").arg(found, 8, 'f', 1).arg(findEntries)
        << QStringLiteral("  walker / bare loop     : %1x (target at most 3x: %2)\n")
               .arg(ratio, 0, 'f', 2)
               .arg(ratio <= 3.0 ? QStringLiteral("met") : QStringLiteral("missed"))
        << QStringLiteral("  walker / find          : %1x\n").arg(walker / found, 0, 'f', 2)
        << QStringLiteral("  walker per file        : %1 us\n").arg(walker * 1000.0 / std::max(1, walkedFiles), 0, 'f', 2);
    out.flush();
}

}  // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    QTemporaryDir temp;  // removed with everything in it at the end
    if (!temp.isValid()) {
        out << "cannot create a temporary folder\n";
        return 1;
    }
    const QString flat = temp.path() + QStringLiteral("/flat");
    const QString deep = temp.path() + QStringLiteral("/deep");
    out << "creating 2 x " << folderCount * filesPerFolder << " empty files in " << temp.path() << '\n';
    out.flush();
    if (!makeFlatTree(flat) || !makeDeepTree(deep)) {
        out << "cannot create the files\n";
        return 1;
    }
    measure(out, QStringLiteral("1,000 folders of 100 files"), flat);
    measure(out, QStringLiteral("1,000 folders in chains 20 levels deep, 100 files each"), deep);
    return 0;
}
