#pragma once

#include <QString>

// XML 1.0 cannot carry control characters (other than tab and line feed), U+FFFE,
// U+FFFF or unpaired surrogates, and the XML writer drops them; a carriage return in
// element text comes back as a line feed. Texts of the data files are therefore
// written encoded: each such character, and the escape character U+E000 itself,
// becomes U+E000 followed by four upper-case hexadecimal digits of its code.
// Decoding leaves an escape character that is not followed by four hexadecimal
// digits as it stands, so hand-edited files read as written.
QString encodeDataText(const QString& text);
QString decodeDataText(const QString& text);

// The escape character; a private-use code point that ordinary text never holds.
constexpr ushort dataTextEscape = 0xE000;
