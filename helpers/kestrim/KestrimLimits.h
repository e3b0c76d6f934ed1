#pragma once

#include <QtGlobal>

// The limits Kestrim's processes run under.
namespace KestrimLimits {

// Address-space ceilings: the supervisor holds only thumbnails; a page process
// needs room for the web engine's reservations (about 1.4 GB) plus the page.
constexpr quint64 SUPERVISOR_ADDRESS_SPACE = quint64(1) << 30;
constexpr quint64 PAGE_ADDRESS_SPACE = quint64(3) << 30;

// Kestrim writes nothing on standard error: Qt's and the web engine's messages are
// dropped unless this variable is set.
constexpr const char* VERBOSE_VARIABLE = "KESTRIM_VERBOSE";

// The page program (kestrim-page beside kestrim) renders only when started with this
// variable set to its supervisor's process id.
constexpr const char* PAGE_ROLE_VARIABLE = "KESTRIM_PAGE_WORKER";
constexpr const char* PAGE_PROGRAM = "kestrim-page";

} // namespace KestrimLimits
