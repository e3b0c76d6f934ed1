#pragma once

#include <QString>

// The helpers' lines on standard error, each written whole: what a user or the client's
// log learns of files that made no thumbnail.
namespace HelperLog {

// "skipped <path>: <reason>", for a file that made no thumbnail.
void skipped(const QString& path, const QString& reason);
// Any other line.
void line(const QString& text);

} // namespace HelperLog
