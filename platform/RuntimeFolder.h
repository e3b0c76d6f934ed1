#pragma once

#include <QString>

// The user's private folder for locks, job files and temporary copies:
// $XDG_RUNTIME_DIR, else a folder of the temporary folder named with the user id.
// It is created with mode 0700 when missing. Ends with a separator.
QString runtimeFolder();
