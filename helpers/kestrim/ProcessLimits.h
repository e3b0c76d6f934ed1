#pragma once

#include <QtGlobal>

// Resource guards for Kestrim's processes, which run untrusted web content.
namespace ProcessLimits {

// Address-space ceilings: the supervisor holds only thumbnails; a page process
// needs room for the web engine's reservations (about 1.4 GB) plus the page.
constexpr quint64 SUPERVISOR_ADDRESS_SPACE = quint64(1) << 30;
constexpr quint64 PAGE_ADDRESS_SPACE = quint64(3) << 30;

// True when the ceiling is applied. AddressSanitizer reserves terabytes of
// shadow memory, so a sanitized build runs without one.
bool memoryCeilingSupported();

// Caps the process's address space (RLIMIT_AS); false when refused or unsupported.
// A lower ceiling set by the user stays.
bool setMemoryCeiling(quint64 bytes);

// In a child between fork and exec: replaces the ceiling inherited from this
// process by `bytes`, still no higher than the user's own ceiling.
void setChildMemoryCeiling(quint64 bytes);

// A crashing page leaves no core file behind.
void disableCoreDumps();

// The process is killed when its parent ends; false when the parent is already
// gone (it is no longer `expectedParent`).
bool dieWithParent(qint64 expectedParent);

// Kestrim writes nothing on standard error: Qt's and the web engine's messages
// are dropped unless KESTRIM_VERBOSE is set.
void silenceMessages();

} // namespace ProcessLimits
