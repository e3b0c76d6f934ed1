#include "HelperProgram.h"

#include <QFileInfo>
#include <QStandardPaths>

QString findHelperProgram(const QString& name, const QString& besideFolder)
{
    const QFileInfo beside(besideFolder + QLatin1Char('/') + name);
    if (beside.isFile() && beside.isExecutable())
        return beside.absoluteFilePath();
    const QString onPath = QStandardPaths::findExecutable(name);
    return onPath.isEmpty() ? name : onPath;
}
