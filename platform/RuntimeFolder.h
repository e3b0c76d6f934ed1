#pragma once

#include <QString>

// The user's private folder for locks, job files and temporary copies, ending with a
// separator: $XDG_RUNTIME_DIR when it is a private folder of the user, else
// "vorenda-<uid>" in the temporary folder, else a folder in the user's cache folder.
// A folder is used only when it is the user's own with mode 0700 (made so when
// missing). Empty when none of them is.
QString runtimeFolder();
