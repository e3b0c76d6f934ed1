#include "PropertyList.h"

#include <plist/plist.h>

#include <cstdlib>
#include <limits>
#include <memory>

namespace {

// libplist hands out strings allocated with malloc.
struct FreeString
{
    void operator()(char* text) const { std::free(text); }
};
using PlistString = std::unique_ptr<char, FreeString>;

} // namespace

PropertyList::PropertyList(const QByteArray& bytes, const PropertyListBounds& bounds)
{
    if (quint64(bytes.size()) > std::numeric_limits<uint32_t>::max()) {
        why = QStringLiteral("too large");
        return;
    }
    if (!propertyListWithinBounds(bytes, bounds, &why))
        return;
    plist_t parsed = nullptr;
    plist_from_memory(bytes.constData(), uint32_t(bytes.size()), &parsed);
    root = parsed;
    if (!root)
        why = QStringLiteral("not a property list");
}

PropertyList::~PropertyList()
{
    if (root)
        plist_free(static_cast<plist_t>(root));
}

QString PropertyList::topString(const QString& key) const
{
    const auto top = static_cast<plist_t>(root);
    if (!top || plist_get_node_type(top) != PLIST_DICT)
        return QString();
    plist_dict_iter iterator = nullptr;
    plist_dict_new_iter(top, &iterator);
    QString found;
    for (;;) {
        char* rawKey = nullptr;
        plist_t value = nullptr;
        plist_dict_next_item(top, iterator, &rawKey, &value);
        const PlistString itemKey(rawKey);
        if (!value)
            break;
        if (plist_get_node_type(value) != PLIST_STRING
            || QString::fromUtf8(itemKey.get()).compare(key, Qt::CaseInsensitive) != 0)
            continue;
        char* rawText = nullptr;
        plist_get_string_val(value, &rawText);
        found = QString::fromUtf8(PlistString(rawText).get());
        break;
    }
    std::free(iterator);
    return found;
}

QByteArray PropertyList::toXml() const
{
    if (!root)
        return QByteArray();
    char* xml = nullptr;
    uint32_t length = 0;
    plist_to_xml(static_cast<plist_t>(root), &xml, &length);
    const QByteArray text(xml, int(length));
    plist_to_xml_free(xml);
    return text;
}
