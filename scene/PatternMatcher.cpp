#include "PatternMatcher.h"

#include <QVector>

#include <algorithm>

namespace {

// Calls `visit(i)` for each character of a QRegExp pattern outside character classes,
// escapes included (at the backslash). `visit` returns how many characters after i to
// pass over, or -1 to stop the walk; the walk returns false when stopped.
template <typename Visit>
bool walkPattern(const QString& text, Visit visit)
{
    bool inClass = false;
    for (int i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (inClass) {
            if (c == QLatin1Char('\\'))
                ++i;
            else
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
            continue;
        }
        const int skip = visit(i);
        if (skip < 0)
            return false;
        i += skip;
    }
    return true;
}

// An unescaped '*' or '+' outside a character class, or a "{n,}" repeat.
bool hasUnboundedRepeat(const QString& text)
{
    return !walkPattern(text, [&text](int i) {
        const QChar c = text.at(i);
        if (c == QLatin1Char('\\'))
            return 1;
        if (c == QLatin1Char('*') || c == QLatin1Char('+'))
            return -1;
        if (c == QLatin1Char(',') && i + 1 < text.size() && text.at(i + 1) == QLatin1Char('}'))
            return -1;
        return 0;
    });
}

bool isQuantifier(QChar c)
{
    return c == QLatin1Char('*') || c == QLatin1Char('+') || c == QLatin1Char('?') || c == QLatin1Char('{');
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

bool PatternMatcher::isUsable(const QRegExp& pattern)
{
    const QString text = pattern.pattern();
    if (!pattern.isValid() || text.size() > maxPatternLength)
        return false;
    // For each open group: whether a repeat occurs inside it.
    QVector<bool> groups;
    return walkPattern(text, [&text, &groups](int i) {
        const QChar c = text.at(i);
        const bool more = i + 1 < text.size();
        if (c == QLatin1Char('\\'))
            return more && text.at(i + 1).isDigit() && text.at(i + 1) != QLatin1Char('0') ? -1 : 1;
        if (c == QLatin1Char('(')) {
            groups.append(false);
            // "(?:", "(?=", "(?!": the '?' is no repeat.
            return more && text.at(i + 1) == QLatin1Char('?') ? 2 : 0;
        }
        if (c == QLatin1Char(')')) {
            if (groups.isEmpty())
                return 0;
            const bool repeatsInside = groups.takeLast();
            const bool repeated = more && isQuantifier(text.at(i + 1));
            if (repeatsInside && repeated)
                return -1;
            if (!groups.isEmpty())
                groups.last() = groups.last() || repeatsInside || repeated;
        } else if (isQuantifier(c) && !groups.isEmpty()) {
            groups.last() = true;
        }
        return 0;
    });
}
