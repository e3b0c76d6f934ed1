#pragma once

// The longest texts an item keeps. The item properties dialog edits the name, target
// and tags in line edits of this length, and keeps this much of the notes; a data
// file's longer texts are cut to these while they are read, so a file cannot make
// the program hold a text of hundreds of megabytes.
namespace ItemTextLimits {
// A line edit's own limit, the one the dialog's name, target and tag fields have.
constexpr int line = 32767;
constexpr int name = line;
constexpr int target = line;
constexpr int tags = line;
constexpr int typeName = line;
constexpr int thumbnail = line;
constexpr int categoryName = line;
// Several books' worth.
constexpr int notes = 1 << 20;
} // namespace ItemTextLimits
