#include "IniGroup.h"

#include <QStringList>

std::optional<QHash<QString, QString>> readIniGroup(const QByteArray& contents, const QString& group,
                                                    Qt::CaseSensitivity groupCase)
{
    const QString header = QLatin1Char('[') + group + QLatin1Char(']');
    const QStringList lines = QString::fromUtf8(contents).split(QLatin1Char('\n'));
    std::optional<QHash<QString, QString>> values;
    bool inGroup = false;
    for (const QString& rawLine : lines) {
        const QString line = rawLine.trimmed();
        if (line.isEmpty() || line.startsWith(QLatin1Char('#')) || line.startsWith(QLatin1Char(';')))
            continue;
        if (line.startsWith(QLatin1Char('['))) {
            inGroup = line.compare(header, groupCase) == 0;
            if (inGroup && !values)
                values.emplace();
            continue;
        }
        const int equals = line.indexOf(QLatin1Char('='));
        if (!inGroup || equals <= 0)
            continue;
        const QString key = line.left(equals).trimmed();
        if (!values->contains(key))
            values->insert(key, line.mid(equals + 1).trimmed());
    }
    return values;
}
