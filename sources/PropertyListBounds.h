#pragma once

#include <QByteArray>
#include <QString>

// How deep and how large a property list from a file may be. libplist builds and frees
// its trees recursively and copies an object once for every reference to it, so a
// hostile file could exhaust the stack or the memory; such files are refused before
// libplist sees them.
struct PropertyListBounds
{
    int maxDepth = 256;
    qint64 maxNodes = 500000;
};

// True when `bytes` hold a binary property list ("bplist00") or an XML text whose nesting
// and number of elements (for a binary list: of objects, counted once per reference)
// stay within the bounds, and whose references all lie inside the file without a cycle.
// Otherwise false, with the reason in `error`.
bool propertyListWithinBounds(const QByteArray& bytes, const PropertyListBounds& bounds, QString* error);
