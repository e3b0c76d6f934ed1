#pragma once

#include <QtGlobal>

// Resource guards for the helpers' processes, which decode and render untrusted content.
namespace ProcessLimits {

// True when the ceiling is applied. AddressSanitizer reserves terabytes of
// shadow memory, so a sanitized build runs without one.
bool memoryCeilingSupported();

// Caps the process's address space (RLIMIT_AS); false when refused or unsupported.
// A lower ceiling set by the user stays.
bool setMemoryCeiling(quint64 bytes);

// In a child between fork and exec: replaces the ceiling inherited from this
// process by `bytes`, still no higher than the user's own ceiling.
void setChildMemoryCeiling(quint64 bytes);

// Caps the memory this process may take on from now (RLIMIT_DATA: its heap and
// private writable mappings) at `roomBytes` above what it holds, still no higher than
// a ceiling of the user's own; false when it cannot be set. For a child of fork, where
// the parent's memory is held already. Works under AddressSanitizer too: its shadow
// memory is mapped before, and so counts among what is held.
bool limitMemoryGrowth(quint64 roomBytes);

// A crashing process leaves no core file behind.
void disableCoreDumps();

// The process is killed when its parent ends; false when the parent is already
// gone (it is no longer `expectedParent`).
bool dieWithParent(qint64 expectedParent);

// For a helper that writes nothing on standard error: Qt's messages, and those of the
// libraries it reports through Qt, are dropped unless `verboseVariable` is set.
void silenceMessages(const char* verboseVariable);

} // namespace ProcessLimits
