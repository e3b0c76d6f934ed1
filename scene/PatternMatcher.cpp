#include "PatternMatcher.h"

#include <algorithm>

namespace {

// An unescaped '*' or '+' outside a character class, or a "{n,}" repeat.
bool hasUnboundedRepeat(const QString& text)
{
    bool inClass = false;
    for (int i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c == QLatin1Char('\\')) {
            ++i;
            continue;
        }
        if (inClass) {
            inClass = c != QLatin1Char(']');
            continue;
        }
        if (c == QLatin1Char('[')) {
            inClass = true;
            // A ']' right after the opening (or after '^') belongs to the class.
            if (i + 1 < text.size() && text.at(i + 1) == QLatin1Char('^'))
                ++i;
            if (i + 1 < text.size() && text.at(i + 1) == QLatin1Char(']'))
                ++i;
        } else if (c == QLatin1Char('*') || c == QLatin1Char('+')) {
            return true;
        } else if (c == QLatin1Char(',') && i + 1 < text.size() && text.at(i + 1) == QLatin1Char('}')) {
            return true;
        }
    }
    return false;
}

bool isAscii(const QString& text)
{
    return std::all_of(text.cbegin(), text.cend(), [](QChar c) { return c.unicode() < 0x80; });
}

ushort asciiLower(ushort c)
{
    return c >= 'A' && c <= 'Z' ? ushort(c + ('a' - 'A')) : c;
}

} // namespace

PatternMatcher::PatternMatcher(const QRegExp& pattern)
    : plain(pattern)
{
    literal = pattern.isValid() && !pattern.isEmpty() && isPlainText(pattern);
    if (literal) {
        needle = pattern.pattern();
        asciiFold = pattern.caseSensitivity() == Qt::CaseInsensitive && isAscii(needle);
        if (asciiFold)
            needle = needle.toLower();
    }
    // Only the regular-expression syntaxes have repeats; the anchored form needs a
    // valid pattern, else it could turn a broken one into a working one.
    const QRegExp::PatternSyntax syntax = pattern.patternSyntax();
    repeats = pattern.isValid() && (syntax == QRegExp::RegExp || syntax == QRegExp::RegExp2)
        && hasUnboundedRepeat(pattern.pattern());
    if (repeats) {
        anchored = QRegExp(QStringLiteral("^[\\s\\S]*(?:") + pattern.pattern() + QLatin1Char(')'),
                           pattern.caseSensitivity(), syntax);
        anchored.setMinimal(pattern.isMinimal());
        repeats = anchored.isValid();
    }
}

int PatternMatcher::findText(const QString& text) const
{
    if (plain.caseSensitivity() == Qt::CaseSensitive)
        return text.contains(needle, Qt::CaseSensitive) ? 1 : 0;
    if (!asciiFold)
        return -1;
    // constData(): utf16() may write to a string made from raw data.
    const ushort* chars = reinterpret_cast<const ushort*>(text.constData());
    const ushort* wanted = reinterpret_cast<const ushort*>(needle.constData());
    const int length = text.size();
    const int size = needle.size();
    bool seen = false;
    for (int i = 0; i < length; ++i) {
        const ushort c = chars[i];
        // Beyond ASCII, case folding may turn a character into an ASCII one.
        if (c >= 0x80)
            return -1;
        if (seen || i + size > length || asciiLower(c) != wanted[0])
            continue;
        int k = 1;
        while (k < size && asciiLower(chars[i + k]) == wanted[k])
            ++k;
        seen = k == size;
    }
    return seen ? 1 : 0;
}

bool PatternMatcher::found(const QString& text)
{
    if (literal) {
        const int outcome = findText(text);
        if (outcome >= 0)
            return outcome == 1;
    }
    if (repeats && text.size() > shortText)
        return anchored.indexIn(text) != -1;
    return plain.indexIn(text) != -1;
}

bool PatternMatcher::isPlainText(const QRegExp& pattern)
{
    const QRegExp::PatternSyntax syntax = pattern.patternSyntax();
    if (syntax == QRegExp::FixedString)
        return true;
    if (syntax != QRegExp::RegExp && syntax != QRegExp::RegExp2)
        return false;
    static const QString special = QStringLiteral("\\^$.|?*+()[]{}");
    const QString text = pattern.pattern();
    return std::none_of(text.cbegin(), text.cend(), [](QChar c) { return special.contains(c); });
}
