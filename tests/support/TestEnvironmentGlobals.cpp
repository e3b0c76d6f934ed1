#include "TestEnvironment.h"

#include "VorendaGlobal.h"

#include <QCoreApplication>
#include <QSettings>

// Kept apart from the rest of the environment, so that the helpers' tests need not
// link the core.
void TestEnvironment::initializeGlobals()
{
    QCoreApplication::setOrganizationName(QStringLiteral("VorendaTest"));
    QCoreApplication::setApplicationName(QStringLiteral("VorendaTest"));
    QSettings().setValue(QStringLiteral("Main/StoreFolder"), storeFolder());
    VorendaGlobal::initialize();
}
