#pragma once

#include <QByteArray>

// The binary form of an XML property list, written by libplist; empty when libplist
// cannot read the XML.
QByteArray toBinaryPropertyList(const QByteArray& xml);
