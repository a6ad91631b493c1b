#pragma once

#include <string>
#include <string_view>

namespace kelvo {

// The settings file keeps its text in the Chinese multibyte code page (936).
// It is written as GB18030, the superset of 936 that can hold every character,
// so a title with a rare character survives; a plain 936 file reads unchanged.
// Each platform converts with its own tables (iconv in SettingsText.cpp,
// Windows' code page 54936 in SettingsTextWindows.cpp) and both treat broken
// text alike: a byte that starts no character becomes U+FFFD and decoding goes
// on with the next byte; a surrogate without its partner is written as "?".
std::string EncodeSettingsText(std::u16string_view text);
std::u16string DecodeSettingsText(std::string_view bytes);

} // namespace kelvo
