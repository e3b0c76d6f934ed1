#include "FuzzEnvironment.h"
#include "FuzzTarget.h"

#include "DesktopEntry.h"
#include "WebLocationFile.h"

#include <QLocale>

// A web-location file of any form (XML or binary property list, AppleDouble or
// AppleSingle resource fork, Internet shortcut, desktop entry), told by its content as
// the reader tells it. The same bytes also stand as the file's AppleDouble companion,
// which is read when the file itself names no address, and as a desktop entry read
// whole, as the program reads application entries.

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    FuzzEnvironment::start(FuzzEnvironment::Application::Core);
    QLocale::setDefault(QLocale(QStringLiteral("de_DE")));
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FuzzEnvironment::clearScratch();
    const QByteArray contents = FuzzEnvironment::bytes(data, size);
    const QString path = FuzzEnvironment::writeScratchFile(QStringLiteral("link"), contents);
    FuzzEnvironment::writeScratchFile(QStringLiteral("._link"), contents);
    WebLocationFile location;
    location.read(path);

    const DesktopEntry entry(path);
    if (entry.isValid()) {
        entry.name();
        entry.name(QStringLiteral("es"));
        entry.categories();
        entry.isHidden();
        DesktopEntry::unescape(entry.execLine(), true);
        entry.iconName();
        entry.url();
    }
    return 0;
}
