#pragma once
// Conversions between the UTF-8 text the program works with and the single-byte Windows-1252
// text of executable files and of sources written on older systems, or UTF-16 ones from Windows editors.

#include <string>
#include <string_view>

namespace velmo {

/// True when the bytes are well-formed UTF-8 (no overlong forms, no surrogates, nothing above U+10FFFF).
bool EsUtf8Valido(std::string_view bytes);

/// Windows-1252 bytes to UTF-8. The five bytes Windows-1252 leaves undefined map to the C1 controls.
std::string Cp1252AUtf8(std::string_view bytes);

/// UTF-8 to Windows-1252; a character that Windows-1252 cannot hold (or a broken sequence) becomes "?".
std::string Utf8ACp1252(std::string_view text);

/// Source text as read from disk, in UTF-8. A byte-order mark names the encoding and is not part of the
/// text: UTF-16 with its mark (either byte order) is decoded, UTF-8's mark is dropped. Without a mark the
/// bytes are kept when they are valid UTF-8, otherwise taken as Windows-1252.
std::string TextoFuenteAUtf8(std::string_view bytes);

/// False when the decoded text holds a NUL character: a binary file (an executable, a picture), or a text
/// the editor could not hold whole. Neither front end assembles or opens it.
bool EsTextoFuente(std::string_view texto);

} // namespace velmo
