#include "JsonDuplicateKeys.h"

#include <QSet>
#include <QString>
#include <QVector>

namespace {

// One open array or object; an object knows its keys so far and whether a key is next.
struct Container
{
    bool isObject = false;
    bool keyNext = false;
    QSet<QString> keys;
};

int hexValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

// The string whose opening quote stands before `at`, its escapes undone; `at` ends
// after its closing quote, or at the end of the text for a string left open.
QString readString(const QByteArray& json, int& at)
{
    QString text;
    int run = at;
    while (at < json.size() && json.at(at) != '"') {
        if (json.at(at) != '\\') {
            ++at;
            continue;
        }
        text += QString::fromUtf8(json.constData() + run, at - run);
        const char escape = at + 1 < json.size() ? json.at(at + 1) : '\0';
        at = qMin(at + 2, int(json.size()));
        if (escape == 'u') {
            int unit = 0;
            for (int i = 0; i < 4 && at < json.size(); ++i, ++at)
                unit = unit * 16 + qMax(0, hexValue(json.at(at)));
            text += QChar(unit);
        } else {
            static const QByteArray escapes("b\bf\fn\nr\rt\t", 10);
            const int known = escapes.indexOf(escape);
            text += QLatin1Char(known >= 0 && known % 2 == 0 ? escapes.at(known + 1) : escape);
        }
        run = at;
    }
    text += QString::fromUtf8(json.constData() + run, at - run);
    ++at;
    return text;
}

} // namespace

bool jsonHasDuplicateKey(const QByteArray& json)
{
    // A flat walk with a stack of its own: nesting costs no recursion.
    QVector<Container> open;
    int at = 0;
    while (at < json.size()) {
        const char c = json.at(at++);
        if (c == '{' || c == '[') {
            Container container;
            container.isObject = container.keyNext = c == '{';
            open.append(container);
        } else if ((c == '}' || c == ']') && !open.isEmpty()) {
            open.removeLast();
        } else if (c == ',' && !open.isEmpty()) {
            open.last().keyNext = open.last().isObject;
        } else if (c == '"') {
            const QString text = readString(json, at);
            // A string left open at the end is no key.
            if (at > json.size())
                break;
            if (open.isEmpty() || !open.last().keyNext)
                continue;
            Container& object = open.last();
            object.keyNext = false;
            if (object.keys.contains(text))
                return true;
            object.keys.insert(text);
        }
    }
    return false;
}
