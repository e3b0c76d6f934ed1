#include "HelperJobText.h"

#include <algorithm>

namespace {

bool hasControlCharacter(const QString& text)
{
    return std::any_of(text.cbegin(), text.cend(), [](QChar c) { return c.category() == QChar::Other_Control; });
}

} // namespace

bool isPlainFileName(const QString& name)
{
    return !name.isEmpty() && !name.contains(QLatin1Char('/')) && name != QLatin1String(".")
        && name != QLatin1String("..") && !hasControlCharacter(name);
}

bool isOutputLineText(const QString& text)
{
    return !text.contains(QLatin1Char('(')) && !text.contains(QLatin1Char(')')) && !hasControlCharacter(text)
        && !text.contains(QChar::LineSeparator) && !text.contains(QChar::ParagraphSeparator);
}
