#include "BracketedFields.h"

#include "TextFunctions.h"

QStringList readBracketedFields(const QString& line, int count)
{
    QStringList fields;
    int position = 0;
    for (int i = 0; i < count; ++i)
        fields.append(getStringValue(line, QStringLiteral("("), QStringLiteral(")"), Qt::CaseInsensitive, &position));
    return fields;
}

int bracketedNumber(const QString& field)
{
    bool ok = false;
    const int value = field.toInt(&ok);
    return ok ? value : 0;
}
