#pragma once

#include "TestEnvironment.h"

#include <QFile>
#include <QString>
#include <QStringList>

// A stand-in xdg-open on the test's PATH that writes down what reached it, one argument
// a line, in opened.txt of the test's root. Removing the record starts it afresh.
class RecordingOpener
{
public:
    // Installs the stand-in; the path of its record.
    static QString install()
    {
        const QString record = TestEnvironment::instance()->root() + QStringLiteral("/opened.txt");
        TestEnvironment::instance()->installStub(
            QStringLiteral("xdg-open"), "printf '%s\\n' \"$@\" >> \"" + QFile::encodeName(record) + "\"\n");
        return record;
    }

    // What reached the stand-in, in order.
    static QStringList opened(const QString& record)
    {
        QFile file(record);
        if (!file.open(QIODevice::ReadOnly))
            return {};
        return QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    }
};
