#include "FuzzEnvironment.h"
#include "FuzzTarget.h"

#include "ShelfStyle.h"

#include <QFile>

#include <cstdlib>

// A style file, as the program reads the styles of the store. A style that was read
// saves, and what was saved reads back and saves to the same file again.

namespace {

// The bytes of the style read from `path` and saved beside it as `savedName`; empty
// when the file was refused.
QByteArray loadAndSave(const QString& path, const QString& savedName)
{
    ShelfStyle style;
    QString error;
    if (!style.load(path, &error))
        return QByteArray();
    const QString savedPath = FuzzEnvironment::scratchFolder() + QLatin1Char('/') + savedName;
    QFile saved(savedPath);
    if (!style.save(savedPath, false, &error) || !saved.open(QIODevice::ReadOnly))
        std::abort(); // a style that was read but cannot be written
    return saved.readAll();
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    FuzzEnvironment::start(FuzzEnvironment::Application::Gui);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FuzzEnvironment::clearScratch();
    const QString path =
        FuzzEnvironment::writeScratchFile(QStringLiteral("input.xml"), FuzzEnvironment::bytes(data, size));
    const QByteArray first = loadAndSave(path, QStringLiteral("first.xml"));
    if (first.isEmpty())
        return 0;
    if (loadAndSave(FuzzEnvironment::scratchFolder() + QStringLiteral("/first.xml"), QStringLiteral("second.xml"))
        != first)
        std::abort(); // a saved style that does not read back as it was written
    return 0;
}
