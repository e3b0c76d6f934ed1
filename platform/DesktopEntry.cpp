#include "DesktopEntry.h"

#include "IniGroup.h"
#include "RegularFile.h"

#include <QLocale>

namespace {

// Locale keys of `locale` ("de_DE@euro") from the most to the least specific:
// lang_COUNTRY@MODIFIER, lang_COUNTRY, lang@MODIFIER, lang.
QStringList localeKeys(QString name)
{
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

QString DesktopEntry::unescape(const QString& value, bool keepOthers)
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
        case '\\': text += QLatin1Char('\\'); break;
        default:
            if (keepOthers)
                text += c;
            text += next;
            break;
        }
    }
    return text;
}

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
    if (contents.size() <= MAX_ENTRY_BYTES)
        entry.read(contents);
    return entry;
}

void DesktopEntry::read(const QByteArray& contents)
{
    std::optional<QHash<QString, QString>> keys = readIniGroup(contents, QStringLiteral("Desktop Entry"));
    valid = keys.has_value();
    if (!valid)
        return;
    group = std::move(*keys);
    type = value(QStringLiteral("Type"));
}

QString DesktopEntry::value(const QString& key) const
{
    return unescape(group.value(key));
}

QString DesktopEntry::firstName(const QStringList& locales) const
{
    for (const QString& locale : locales) {
        const QString localName = value(QStringLiteral("Name[%1]").arg(locale));
        if (!localName.isEmpty())
            return localName;
    }
    return value(QStringLiteral("Name"));
}

QString DesktopEntry::name() const
{
    return firstName(localeKeys(QLocale().name()));
}

QString DesktopEntry::name(const QString& language) const
{
    const QString locale = QLocale().name();
    if (locale == language || locale.startsWith(language + QLatin1Char('_'))
        || locale.startsWith(language + QLatin1Char('@')))
        return firstName(localeKeys(locale));
    return firstName(language.isEmpty() ? QStringList() : QStringList{language});
}

bool DesktopEntry::isHidden() const
{
    return value(QStringLiteral("NoDisplay")) == QLatin1String("true")
        || value(QStringLiteral("Hidden")) == QLatin1String("true");
}

QStringList DesktopEntry::categories() const
{
    return value(QStringLiteral("Categories")).split(QLatin1Char(';'), Qt::SkipEmptyParts);
}
