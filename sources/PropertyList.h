#pragma once

#include "PropertyListBounds.h"

#include <QByteArray>
#include <QString>

// A property list (binary or XML) read with libplist. The bytes are measured first, so a
// list nested too deep or expanding too far is refused instead of parsed.
class PropertyList
{
public:
    explicit PropertyList(const QByteArray& bytes, const PropertyListBounds& bounds = PropertyListBounds());
    ~PropertyList();
    PropertyList(const PropertyList&) = delete;
    PropertyList& operator=(const PropertyList&) = delete;

    bool isValid() const { return root != nullptr; }
    // Why the list was not read.
    QString error() const { return why; }

    // The string stored under `key` (compared in any letter case) in the top dictionary;
    // empty when the top is no dictionary or holds no such string.
    QString topString(const QString& key) const;
    // The list as XML text ("plist" root element, UTF-8).
    QByteArray toXml() const;

    // Binary lists start with this marker; anything else is taken for XML.
    static bool isBinary(const QByteArray& bytes) { return bytes.startsWith("bplist"); }

private:
    void* root = nullptr; // plist_t
    QString why;
};
