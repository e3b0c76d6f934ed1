#pragma once

#include <QString>
#include <QStringList>

// The first `count` bracketed fields of a helper's output line, "(a)(b)(c)", trimmed.
// A field without its closing bracket runs to the end of the line; missing fields are empty.
QStringList readBracketedFields(const QString& line, int count);

// A field read as a decimal number; 0 when it is empty or not a number.
int bracketedNumber(const QString& field);
