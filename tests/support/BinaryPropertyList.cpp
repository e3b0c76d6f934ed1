#include "BinaryPropertyList.h"

#include <plist/plist.h>

QByteArray toBinaryPropertyList(const QByteArray& xml)
{
    plist_t list = nullptr;
    plist_from_xml(xml.constData(), uint32_t(xml.size()), &list);
    if (!list)
        return QByteArray();
    char* bytes = nullptr;
    uint32_t length = 0;
    plist_to_bin(list, &bytes, &length);
    const QByteArray result(bytes, int(length));
    plist_to_bin_free(bytes);
    plist_free(list);
    return result;
}
