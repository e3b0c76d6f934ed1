#include "PageProcess.h"

#include "KestrimLimits.h"
#include "ProcessLimits.h"

#include <QCoreApplication>
#include <QProcessEnvironment>

PageProcess::PageProcess(QObject* parent)
    : QProcess(parent)
{
}

void PageProcess::startWorker()
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QString::fromLatin1(KestrimLimits::PAGE_ROLE_VARIABLE),
                       QString::number(QCoreApplication::applicationPid()));
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    setProcessEnvironment(environment);
    // Crash and sanitizer reports reach our standard error; the page process writes nothing else there.
    setProcessChannelMode(QProcess::ForwardedErrorChannel);
    start(QCoreApplication::applicationDirPath() + QLatin1Char('/') + QLatin1String(KestrimLimits::PAGE_PROGRAM),
          QStringList());
}

void PageProcess::setupChildProcess()
{
    ProcessLimits::setChildMemoryCeiling(KestrimLimits::PAGE_ADDRESS_SPACE);
    ProcessLimits::disableCoreDumps();
}
