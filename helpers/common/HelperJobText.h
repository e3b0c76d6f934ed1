#pragma once

#include <QString>

// What the thumbnail helpers accept from a job file for the names they write and the
// lines they print.

// One plain file name, so the thumbnail stays inside the output folder: not empty,
// no separator, not "." or "..", no control character.
bool isPlainFileName(const QString& name);

// Text that goes into an output line: no line break or other control character that
// could start a line of its own, and no bracket that could close or open a field.
bool isOutputLineText(const QString& text);
