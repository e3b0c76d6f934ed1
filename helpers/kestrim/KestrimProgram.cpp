#include "KestrimProgram.h"

#include "KestrimJobReader.h"
#include "KestrimLimits.h"
#include "KestrimnailCreator.h"
#include "ProcessLimits.h"
#include "RegularFile.h"
#include "StandardOutput.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>

int KestrimProgram::run(int argc, char** argv)
{
    return supervise(argc, argv);
}

int KestrimProgram::supervise(int argc, char** argv)
{
    ProcessLimits::silenceMessages(KestrimLimits::VERBOSE_VARIABLE);
    ProcessLimits::setMemoryCeiling(KestrimLimits::SUPERVISOR_ADDRESS_SPACE);
    // The supervisor runs no page itself and needs no display.
    QCoreApplication app(argc, argv);
    QDir programFolder(QCoreApplication::applicationDirPath());
    if (programFolder.dirName() == QLatin1String("MacOS") && programFolder.cd(QStringLiteral("../PlugIns")))
        QCoreApplication::addLibraryPath(programFolder.absolutePath());

    const QStringList arguments = QCoreApplication::arguments();
    if (arguments.size() != 2)
        return 0;
    QFile file(arguments.at(1));
    if (!openRegularFile(file))
        return -1;
    KestrimJobReader reader;
    if (!reader.read(&file))
        return -1;
    file.close();
    const QList<KestrimnailCreator::Data*> items = reader.takeItems();
    // The supervisor loads no plug-in it does not need: Qt's image writer would open
    // every image plug-in installed, tens of milliseconds, to write a PNG it writes itself.
    if (KestrimnailCreator::writtenWithoutPlugins(items))
        QCoreApplication::setLibraryPaths(QStringList());

    StandardOutput output(StandardOutput::NameAlone);
    KestrimnailCreator creator;
    QObject::connect(&creator, &KestrimnailCreator::thumbCreated, &output, &StandardOutput::onThumbCreated);
    QObject::connect(&creator, &KestrimnailCreator::finished, &output, &StandardOutput::onFinished);
    QObject::connect(&output, &StandardOutput::finished, &app, &QCoreApplication::quit, Qt::QueuedConnection);
    creator.start(items, reader.outputFolder(), reader.delay(), reader.maxPages(), reader.timeout());
    return app.exec();
}
