#pragma once

#include <string>
#include <string_view>

namespace files {

/// True when the bytes are well-formed UTF-8 (no overlong forms, no surrogates).
bool isValidUtf8(std::string_view bytes);

/// Windows-1252 bytes to UTF-8. The five undefined bytes map to the C1 controls of the same value.
std::string windows1252ToUtf8(std::string_view bytes);

/// Bytes of a file to UTF-8 text: kept as they are when they are valid UTF-8, otherwise read as
/// Windows-1252, the code page that earlier releases wrote.
std::string fileBytesToUtf8(std::string_view bytes);

/// UTF-8 text to the bytes written into a design file: Windows-1252 when every character has a
/// Windows-1252 byte, otherwise the UTF-8 bytes unchanged, so that no character is lost.
/// Plain ASCII text is the same in both.
std::string utf8ToFileBytes(std::string_view text);

}  // namespace files
