#include "FuzzEnvironment.h"
#include "FuzzTarget.h"

#include "ShelfParts.h"
#include "TestEnvironment.h"
#include "VorendaGlobal.h"
#include "VorendaShelf.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>

#include <cstdlib>
#include <memory>

// A cabinet's data file, as a cabinet loads it: settings, categories and items built
// into a real cabinet. What was loaded and saved loads again to the same file.

namespace {

const QString cabinetId = QStringLiteral("0123456789abcdef0123456789abcdef");

std::unique_ptr<VorendaShelf> newShelf()
{
    auto shelf = std::make_unique<VorendaShelf>();
    shelf->id = cabinetId;
    shelf->fileName = cabinetId + QStringLiteral(".dat");
    return shelf;
}

QByteArray readAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Loads `path` into a new cabinet and saves it to `savedPath`; the bytes saved, empty
// when the file was refused or the save failed.
QByteArray loadAndSave(const QString& path, const QString& savedPath)
{
    auto shelf = newShelf();
    const bool loaded = shelf->load(path);
    ShelfParts::of(*shelf).dataFile.stopPictures();
    const bool saved = loaded && shelf->save(savedPath);
    shelf.reset();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return saved ? readAll(savedPath) : QByteArray();
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    FuzzEnvironment::start(FuzzEnvironment::Application::Widgets);
    TestEnvironment::instance()->initializeGlobals();
    VorendaGlobal::load();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FuzzEnvironment::clearScratch();
    const QString path = FuzzEnvironment::writeScratchFile(QStringLiteral("input.dat"), FuzzEnvironment::bytes(data, size));
    const QString first = FuzzEnvironment::scratchFolder() + QStringLiteral("/first.dat");
    const QString second = FuzzEnvironment::scratchFolder() + QStringLiteral("/second.dat");
    const QByteArray saved = loadAndSave(path, first);
    if (!saved.isEmpty() && loadAndSave(first, second) != saved)
        std::abort(); // a save that does not read back as it was written
    return 0;
}
