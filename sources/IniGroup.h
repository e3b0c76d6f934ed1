#pragma once

#include <QByteArray>
#include <QHash>
#include <QString>

#include <optional>

// The "key=value" lines of one "[group]" of an INI-style text (UTF-8), as desktop entries
// and Internet shortcut files are written: keys and values trimmed, values left as they
// stand (no unescaping), the first value of a key kept. Lines starting with '#' or ';'
// are comments. Empty when the group does not occur.
std::optional<QHash<QString, QString>> readIniGroup(const QByteArray& contents, const QString& group,
                                                    Qt::CaseSensitivity groupCase = Qt::CaseSensitive);
