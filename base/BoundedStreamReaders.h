#pragma once

#include <QBrush>
#include <QColor>
#include <QDataStream>
#include <QFont>
#include <QImage>
#include <QPainterPath>
#include <QPen>
#include <QPixmap>

// Readers for Qt values from streams that may be cut off or hostile. Each reads the
// encoding Qt's own operator>> reads, checks every count against the bytes left and
// every enumeration against its range, and measures images before decoding them. On
// failure the value is a default one and the stream's status is set.
bool readColor(QDataStream& stream, QColor& color);
bool readImage(QDataStream& stream, QImage& image);
bool readPixmap(QDataStream& stream, QPixmap& pixmap);
bool readPainterPath(QDataStream& stream, QPainterPath& path);
bool readPen(QDataStream& stream, QPen& pen);
bool readFont(QDataStream& stream, QFont& font);
