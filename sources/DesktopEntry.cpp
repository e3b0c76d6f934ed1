#include "DesktopEntry.h"

#include "RegularFile.h"

#include <QFile>
#include <QHash>
#include <QLocale>
#include <QStringList>

namespace {

// Desktop entries are a few kilobytes; a larger file is no entry worth reading whole.
constexpr qint64 MAX_ENTRY_BYTES = 1024 * 1024;

QString unescape(const QString& value)
{
    QString text;
    text.reserve(value.size());
    for (int i = 0; i < value.size(); ++i) {
        const QChar c = value.at(i);
        if (c != QLatin1Char('\\') || i + 1 == value.size()) {
            text += c;
            continue;
        }
        const QChar next = value.at(++i);
        switch (next.unicode()) {
        case 's': text += QLatin1Char(' '); break;
        case 'n': text += QLatin1Char('\n'); break;
        case 't': text += QLatin1Char('\t'); break;
        case 'r': text += QLatin1Char('\r'); break;
        default: text += next; break;
        }
    }
    return text;
}

// Locale keys from the most to the least specific: lang_COUNTRY@MODIFIER, lang_COUNTRY,
// lang@MODIFIER, lang.
QStringList localeKeys()
{
    QString name = QLocale().name(); // "de_DE"
    QString modifier;
    const int at = name.indexOf(QLatin1Char('@'));
    if (at >= 0) {
        modifier = name.mid(at);
        name.truncate(at);
    }
    const QString language = name.section(QLatin1Char('_'), 0, 0);
    QStringList keys;
    if (!modifier.isEmpty())
        keys << name + modifier;
    keys << name;
    if (!modifier.isEmpty())
        keys << language + modifier;
    keys << language;
    keys.removeDuplicates();
    return keys;
}

} // namespace

bool DesktopEntry::hasDesktopSuffix(const QString& path)
{
    return path.endsWith(QLatin1String(".desktop"), Qt::CaseInsensitive);
}

DesktopEntry::DesktopEntry(const QString& path)
{
    QFile file(path);
    if (!openRegularFile(file) || file.size() > MAX_ENTRY_BYTES)
        return;
    const QStringList lines = QString::fromUtf8(file.read(MAX_ENTRY_BYTES)).split(QLatin1Char('\n'));

    QHash<QString, QString> values;
    bool inEntry = false;
    for (const QString& rawLine : lines) {
        const QString line = rawLine.trimmed();
        if (line.isEmpty() || line.startsWith(QLatin1Char('#')))
            continue;
        if (line.startsWith(QLatin1Char('['))) {
            inEntry = line == QLatin1String("[Desktop Entry]");
            valid = valid || inEntry;
            continue;
        }
        const int equals = line.indexOf(QLatin1Char('='));
        if (!inEntry || equals <= 0)
            continue;
        const QString key = line.left(equals).trimmed();
        if (!values.contains(key))
            values.insert(key, unescape(line.mid(equals + 1).trimmed()));
    }
    if (!valid)
        return;

    type = values.value(QStringLiteral("Type"));
    icon = values.value(QStringLiteral("Icon"));
    hidden = values.value(QStringLiteral("NoDisplay")) == QLatin1String("true")
        || values.value(QStringLiteral("Hidden")) == QLatin1String("true");
    menuCategories = values.value(QStringLiteral("Categories")).split(QLatin1Char(';'), Qt::SkipEmptyParts);
    const QStringList keys = localeKeys();
    for (const QString& locale : keys) {
        localName = values.value(QStringLiteral("Name[%1]").arg(locale));
        if (!localName.isEmpty())
            return;
    }
    localName = values.value(QStringLiteral("Name"));
}
