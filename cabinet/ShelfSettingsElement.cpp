#include "ShelfSettingsElement.h"

#include "DataFileText.h"
#include "DockableWidget.h"
#include "ShelfActions.h"
#include "ShelfDataWriter.h"
#include "ShelfLog.h"
#include "VorendaGlobal.h"
#include "VorendaShelf.h"
#include "XmlAttributes.h"

#include <QAction>
#include <QXmlStreamReader>

#include <climits>

namespace {

enum class Rule {
    // Written as text; a missing attribute reads as the empty text.
    Text,
    // Written as text; only a present, non-empty value is taken.
    NonEmptyText,
    // Decimal; missing or not decimal reads as 0.
    Number,
    // Decimal; only a present, non-empty value is taken.
    KeptNumber,
    // "1" or "0"; only a present, non-empty value is taken, on when not 0.
    Switch,
};

// One plain setting: where it stands, how it is kept, and its member; numbers are
// bounded to the range their users were made for.
struct Setting
{
    const char* element;
    const char* attribute;
    Rule rule;
    QString VorendaShelf::*text = nullptr;
    int VorendaShelf::*number = nullptr;
    bool VorendaShelf::*flag = nullptr;
    int minimum = 0;
    int maximum = 0;
};

using S = VorendaShelf;

Setting text(const char* element, const char* attribute, Rule rule, QString S::*member)
{
    return {element, attribute, rule, member, nullptr, nullptr};
}

Setting number(const char* element, const char* attribute, Rule rule, int S::*member, int maximum)
{
    return {element, attribute, rule, nullptr, member, nullptr, 0, maximum};
}

Setting flag(const char* element, const char* attribute, bool S::*member)
{
    return {element, attribute, Rule::Switch, nullptr, nullptr, member};
}

// The docking options of a cabinet: floating, four edges, four maximised edges.
constexpr int lastMode = 8;
// Plain, shadow, raised shadow, bold.
constexpr int lastTextDecoration = 3;
// Names, tags, descriptions, all.
constexpr int lastFilterType = 3;

// In file order; the elements in the order they stand in Settings.
const Setting settings[] = {
    text("Window", "name", Rule::Text, &S::name),
    number("Window", "mode", Rule::Number, &S::mode, lastMode),
    flag("Window", "kiosk", &S::kiosk),
    flag("Appearance", "hidetopbar", &S::hidetopbar),
    flag("Appearance", "hidemenubar", &S::hidemenubar),
    flag("Appearance", "hidebottombar", &S::hidebottombar),
    flag("Appearance", "hidename", &S::hidename),
    flag("Appearance", "hidesearchbox", &S::hidesearchbox),
    flag("Appearance", "hidecabinetinfo", &S::hidecabinetinfo),
    flag("Appearance", "hidethumbsizeslider", &S::hidethumbsizeslider),
    flag("Appearance", "hidecatstatusbutton", &S::hidecatstatusbutton),
    flag("Appearance", "showcatfullpath", &S::showcatfullpath),
    flag("Appearance", "showcatnumberofitems", &S::showcatnumberofitems),
    flag("Appearance", "showcatnumberofmatches", &S::showcatnumberofmatches),
    flag("Appearance", "shownamewithhotkey", &S::shownamewithhotkey),
    number("Appearance", "textdecoration", Rule::Number, &S::textdecoration, lastTextDecoration),
    text("Appearance", "textfont", Rule::NonEmptyText, &S::textfont),
    number("Search", "filtertype", Rule::KeptNumber, &S::filtertype, lastFilterType),
};

const char* const elements[] = {"Window", "Appearance", "Personalization", "Search"};

const char styleAttribute[] = "style";
const char thumbSizeAttribute[] = "thumbsize";

void writeSetting(const VorendaShelf& shelf, const Setting& setting, ShelfDataWriter& writer)
{
    const QString name = QLatin1String(setting.attribute);
    switch (setting.rule) {
    case Rule::Text:
    case Rule::NonEmptyText:
        writer.writeTextAttribute(name, shelf.*setting.text);
        break;
    case Rule::Number:
    case Rule::KeptNumber:
        writer.writeNumberAttribute(name, shelf.*setting.number);
        break;
    case Rule::Switch:
        writer.writeSwitchAttribute(name, shelf.*setting.flag);
        break;
    }
}

void readSetting(VorendaShelf& shelf, const Setting& setting, const QXmlStreamAttributes& attributes)
{
    const QString name = QLatin1String(setting.attribute);
    switch (setting.rule) {
    case Rule::Text:
        shelf.*setting.text = decodeDataText(attributes.value(name).toString());
        break;
    case Rule::NonEmptyText: {
        QString value = shelf.*setting.text;
        setStringAttribute(attributes, name, value, true);
        shelf.*setting.text = decodeDataText(value);
        break;
    }
    case Rule::Number:
        shelf.*setting.number = 0;
        setBoundedIntAttribute(attributes, name, &(shelf.*setting.number), setting.minimum, setting.maximum);
        break;
    case Rule::KeptNumber:
        setBoundedIntAttribute(attributes, name, &(shelf.*setting.number), setting.minimum, setting.maximum);
        break;
    case Rule::Switch:
        setBoolAttribute(attributes, name, shelf.*setting.flag);
        break;
    }
}

} // namespace

ShelfSettingsElement::ShelfSettingsElement(VorendaShelf& shelf)
    : shelf(shelf)
{
}

void ShelfSettingsElement::write(ShelfDataWriter& writer) const
{
    QXmlStreamWriter& xml = writer.xml();
    xml.writeStartElement(QStringLiteral("Settings"));
    for (const char* element : elements) {
        xml.writeStartElement(QLatin1String(element));
        for (const Setting& setting : settings) {
            if (qstrcmp(setting.element, element) == 0)
                writeSetting(shelf, setting, writer);
        }
        const QLatin1String name(element);
        if (name == QLatin1String("Window")) {
            shelf.frame->save(xml);
        } else if (name == QLatin1String("Personalization")) {
            writer.writeTextAttribute(QLatin1String(styleAttribute), storedStyleId());
            writer.writeNumberAttribute(QLatin1String(thumbSizeAttribute), shelf.thumbSizeSlider->value());
        }
        xml.writeEndElement();
    }
    xml.writeEndElement();
}

void ShelfSettingsElement::read(QXmlStreamReader& reader)
{
    while (!reader.atEnd()) {
        reader.readNext();
        if (reader.isEndElement())
            return;
        if (!reader.isStartElement())
            continue;
        const QString element = reader.name().toString();
        const QXmlStreamAttributes attributes = reader.attributes();
        for (const Setting& setting : settings) {
            if (element == QLatin1String(setting.element))
                readSetting(shelf, setting, attributes);
        }
        if (element == QLatin1String("Window")) {
            readWindowRest(reader);
            continue;
        }
        if (element == QLatin1String("Personalization"))
            readPersonalization(reader);
        else if (element == QLatin1String("Search"))
            showSearchFilter();
        // The rest of the element, or an unknown one, is skipped whole.
        readUnknownElement(reader);
    }
}

void ShelfSettingsElement::readWindowRest(QXmlStreamReader& reader)
{
    if (!shelf.frame->restore(reader))
        shelf.frame->resizeOnScreen(40, 80);
    // Only the check marks follow the frame; their slots would act on it again.
    ShelfActions::showChecked(shelf.stayOnTopAction, shelf.frame->staysOnTop());
    ShelfActions::showChecked(shelf.autoHideAction, shelf.frame->isAutoHide());
}

void ShelfSettingsElement::readPersonalization(QXmlStreamReader& reader)
{
    const QXmlStreamAttributes attributes = reader.attributes();
    int size = 0;
    setBoundedIntAttribute(attributes, QLatin1String(thumbSizeAttribute), &size, INT_MIN, INT_MAX);
    if (size == 0)
        size = VorendaGlobal::SHELF_THUMBSIZE / 2;
    QSlider* slider = shelf.thumbSizeSlider;
    slider->setValue(qBound(slider->minimum(), size, slider->maximum()));

    const QString styleId = decodeDataText(attributes.value(QLatin1String(styleAttribute)).toString());
    bool found = false;
    for (auto known = VorendaGlobal::shelfStyles.cbegin(); known != VorendaGlobal::shelfStyles.cend() && !found;
         ++known) {
        if (known.value().id == styleId) {
            shelf.style = known.value();
            found = true;
        }
    }
    missingStyleId.clear();
    if (!found && attributes.hasAttribute(QLatin1String(styleAttribute))) {
        missingStyleId = styleId;
        missingStyleStandIn = shelf.style.id;
        ShelfLog::write(shelf, QStringLiteral("No style \"%1\"; the cabinet shows \"%2\" until it is back")
                                   .arg(styleId, shelf.style.name));
    }
}

void ShelfSettingsElement::showSearchFilter()
{
    const QList<QAction*> filterActions{shelf.searchNamesOnlyAction, shelf.searchTagsOnlyAction,
                                        shelf.searchDescriptionsOnlyAction, shelf.searchAllAction};
    for (int filter = 0; filter < filterActions.size(); ++filter) {
        if (filterActions.at(filter))
            filterActions.at(filter)->setChecked(shelf.filtertype == filter);
    }
}

QString ShelfSettingsElement::storedStyleId() const
{
    return !missingStyleId.isEmpty() && shelf.style.id == missingStyleStandIn ? missingStyleId : shelf.style.id;
}

void ShelfSettingsElement::styleChosen(const QString& styleId)
{
    if (styleId != missingStyleStandIn)
        missingStyleId.clear();
}
