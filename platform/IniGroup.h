#pragma once

#include <QByteArray>
#include <QHash>
#include <QString>

#include <optional>

// Lines longer than this (in bytes, without the line end) make a text unreadable as a
// whole: desktop entries, Internet shortcuts and profile lists have short lines, and a
// reader that cut a long line into pieces would take the tail of one value for keys
// of its own.
constexpr int MAX_INI_LINE_BYTES = 64 * 1024;

// The "key=value" lines of one "[group]" of an INI-style text (UTF-8), as desktop entries
// and Internet shortcut files are written: keys and values trimmed, values left as they
// stand (no unescaping), the first value of a key kept. Lines starting with '#' or ';'
// are comments. Empty when the group does not occur, and when any line of the text is
// longer than MAX_INI_LINE_BYTES.
std::optional<QHash<QString, QString>> readIniGroup(const QByteArray& contents, const QString& group,
                                                    Qt::CaseSensitivity groupCase = Qt::CaseSensitive);
