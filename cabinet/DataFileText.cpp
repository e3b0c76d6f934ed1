#include "DataFileText.h"

namespace {

bool needsEscape(const QString& text, int i)
{
    const ushort c = text.at(i).unicode();
    if (c < 0x20)
        return c != '\t' && c != '\n';
    if (c == dataTextEscape || c == 0xFFFE || c == 0xFFFF)
        return true;
    if (QChar::isHighSurrogate(c))
        return i + 1 >= text.size() || !text.at(i + 1).isLowSurrogate();
    if (QChar::isLowSurrogate(c))
        return i == 0 || !text.at(i - 1).isHighSurrogate();
    return false;
}

int hexValue(ushort c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    return -1;
}

} // namespace

QString encodeDataText(const QString& text)
{
    int first = 0;
    while (first < text.size() && !needsEscape(text, first))
        ++first;
    if (first == text.size())
        return text;

    QString result = text.left(first);
    result.reserve(text.size() + 16);
    for (int i = first; i < text.size(); ++i) {
        if (!needsEscape(text, i)) {
            result += text.at(i);
            continue;
        }
        result += QChar(dataTextEscape);
        result += QStringLiteral("%1").arg(text.at(i).unicode(), 4, 16, QLatin1Char('0')).toUpper();
    }
    return result;
}

QString decodeDataText(const QString& text)
{
    if (!text.contains(QChar(dataTextEscape)))
        return text;

    QString result;
    result.reserve(text.size());
    for (int i = 0; i < text.size(); ++i) {
        if (text.at(i).unicode() == dataTextEscape && i + 4 < text.size()) {
            int code = 0;
            int digit = 0;
            for (; digit < 4; ++digit) {
                const int value = hexValue(text.at(i + 1 + digit).unicode());
                if (value < 0)
                    break;
                code = code * 16 + value;
            }
            if (digit == 4) {
                result += QChar(ushort(code));
                i += 4;
                continue;
            }
        }
        result += text.at(i);
    }
    return result;
}
