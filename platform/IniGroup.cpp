#include "IniGroup.h"

std::optional<QHash<QString, QString>> readIniGroup(const QByteArray& contents, const QString& group,
                                                    Qt::CaseSensitivity groupCase)
{
    const QString header = QLatin1Char('[') + group + QLatin1Char(']');
    std::optional<QHash<QString, QString>> values;
    bool inGroup = false;
    int start = 0;
    while (start < contents.size()) {
        int end = contents.indexOf('\n', start);
        if (end < 0)
            end = contents.size();
        int length = end - start;
        if (length > 0 && contents.at(end - 1) == '\r')
            --length; // written on Windows
        if (length > MAX_INI_LINE_BYTES)
            return std::nullopt;
        const QString line = QString::fromUtf8(contents.constData() + start, length).trimmed();
        start = end + 1;
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
