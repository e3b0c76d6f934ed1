#pragma once

#include <QByteArray>

#include <optional>

// The unsigned big-endian number of `size` bytes (1 to 8) at `offset` of `bytes`; empty
// when any of those bytes lies outside. Offsets come from untrusted files: every one is
// checked here, in 64-bit arithmetic.
std::optional<quint64> readBigEndian(const QByteArray& bytes, quint64 offset, int size);
