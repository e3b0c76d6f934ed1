#pragma once

#include <QString>

// The built-in cabinet styles, written as style files. They leave out "id"
// and "perspectiveangle": the reader's defaults (the name, 17) fill them.
namespace BuiltInStyles {

// Writes every style file into `folder`; false when one cannot be written.
bool write(const QString& folder);

} // namespace BuiltInStyles
