#pragma once

#include <QString>

// The helper program `name`: the executable file of that name in `besideFolder` (the
// main program's folder), else the one found on PATH. When there is none, the bare
// name, so that starting it fails and says so.
QString findHelperProgram(const QString& name, const QString& besideFolder);
