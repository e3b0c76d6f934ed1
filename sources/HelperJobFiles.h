#pragma once

#include <QString>

// Job files of the thumbnail helpers live in a folder of their own inside the user's
// runtime folder, readable by the user alone; each batch gets a file of its own, so
// two clients of one kind never overwrite or remove each other's job.

// The job folder, made with mode 0700 when missing; empty when it cannot be made private.
QString helperJobFolder();

// A new, exclusively created, empty file "<baseName>-XXXXXX.dat" in the job folder;
// empty when none could be made.
QString createHelperJobFile(const QString& baseName);
