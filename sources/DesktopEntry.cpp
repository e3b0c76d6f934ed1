#include "DesktopEntry.h"

#include "IniGroup.h"
#include "RegularFile.h"

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
    QByteArray contents;
    if (readRegularFile(path, MAX_ENTRY_BYTES, contents))
        read(contents);
}

DesktopEntry DesktopEntry::fromContents(const QByteArray& contents)
{
    DesktopEntry entry;
    entry.read(contents);
    return entry;
}

void DesktopEntry::read(const QByteArray& contents)
{
    const std::optional<QHash<QString, QString>> group = readIniGroup(contents, QStringLiteral("Desktop Entry"));
    valid = group.has_value();
    if (!valid)
        return;
    const auto value = [&group](const QString& key) { return unescape(group->value(key)); };

    type = value(QStringLiteral("Type"));
    icon = value(QStringLiteral("Icon"));
    link = value(QStringLiteral("URL"));
    hidden = value(QStringLiteral("NoDisplay")) == QLatin1String("true")
        || value(QStringLiteral("Hidden")) == QLatin1String("true");
    menuCategories = value(QStringLiteral("Categories")).split(QLatin1Char(';'), Qt::SkipEmptyParts);
    const QStringList keys = localeKeys();
    for (const QString& locale : keys) {
        localName = value(QStringLiteral("Name[%1]").arg(locale));
        if (!localName.isEmpty())
            return;
    }
    localName = value(QStringLiteral("Name"));
}
