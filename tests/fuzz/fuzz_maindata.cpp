#include "FuzzEnvironment.h"
#include "FuzzTarget.h"

#include "ControllerFixture.h"
#include "TestEnvironment.h"
#include "VorendaGlobal.h"
#include "VorendaMain.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QSettings>

#include <memory>

// The main data file "Vorenda.dat", as the program reads it when it starts: the
// preferences, the hotkeys and the list of cabinets, each opened as a real cabinet,
// beside a cabinet whose file lies in the data folder without being listed.

namespace {

// Removes what the last input left in the store folder: cabinets' files and the
// damaged main data files kept aside.
void clearStore()
{
    QDir(VorendaGlobal::getDataLocation()).removeRecursively();
    QDir root(VorendaGlobal::getRootLocation());
    const QStringList kept = root.entryList({QStringLiteral("Vorenda.dat*")}, QDir::Files | QDir::Dirs | QDir::System);
    for (const QString& name : kept) {
        if (QFileInfo(root.filePath(name)).isDir())
            QDir(root.filePath(name)).removeRecursively();
        else
            QFile::remove(root.filePath(name));
    }
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    FuzzEnvironment::start(FuzzEnvironment::Application::Widgets);
    TestEnvironment::instance()->initializeGlobals();
    VorendaGlobal::load();
    VorendaGlobal::verCheckUrl = QStringLiteral("http://127.0.0.1:1/vercheck.xml");
    QSettings().setValue(QStringLiteral("Main/WelcomeShown"), true);
    // Every cabinet is a window: a few show what a list does without making each
    // input cost seconds.
    VorendaMain::maxShelves = 4;
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    clearStore();
    ControllerFixture::resetPreferences();
    FuzzEnvironment::writeFile(QDir(VorendaGlobal::getDataLocation()).filePath(QStringLiteral("0b0b0b0b0b0b0b0b0b0b0b0b0b0b0b0b.dat")),
              "<?xml version=\"1.0\"?>\n<!DOCTYPE Vorenda-CabinetData>\n<Root><Settings><Window name=\"B\"/>"
              "</Settings></Root>\n");
    FuzzEnvironment::writeFile(VorendaMain::dataFilePath(), FuzzEnvironment::bytes(data, size));
    auto controller = std::make_unique<VorendaMain>(nullptr);
    controller.reset();
    ControllerFixture::deleteShelves();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return 0;
}
