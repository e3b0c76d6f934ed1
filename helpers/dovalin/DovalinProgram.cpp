#include "DovalinProgram.h"

#include "DovalinJobReader.h"
#include "DovalinnailCreator.h"
#include "RegularFile.h"
#include "StandardOutput.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>

int runDovalin(const QStringList& arguments, const EighthScaleDecoding& decoding)
{
    // Qt's own plug-in folders stay; a bundle's "PlugIns" folder is added where one exists.
    QDir programDir(QCoreApplication::applicationDirPath());
    if (programDir.dirName() == QLatin1String("MacOS") && programDir.cd(QStringLiteral("../PlugIns")))
        QCoreApplication::addLibraryPath(programDir.absolutePath());

    if (arguments.size() != 2)
        return 0;

    QFile jobFile(arguments.at(1));
    if (!openRegularFile(jobFile))
        return -1;
    DovalinJobReader reader;
    if (!reader.read(&jobFile))
        return -1;
    jobFile.close();

    StandardOutput output(StandardOutput::Fields);
    DovalinnailCreator creator;
    creator.setEighthScaleDecoding(decoding);
    QObject::connect(&creator, &DovalinnailCreator::thumbCreated, &output, &StandardOutput::onThumbCreated);
    QObject::connect(&creator, &DovalinnailCreator::finished, &output, &StandardOutput::onFinished);
    QObject::connect(&output, &StandardOutput::finished, qApp, &QCoreApplication::quit);
    creator.start(reader.takeItems(), reader.outputFolder());
    return 0;
}
