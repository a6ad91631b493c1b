#pragma once

#include <string>
#include <string_view>

namespace kelvo {

// The settings file keeps its text in the Chinese multibyte code page (936).
// It is written as GB18030, the superset of 936 that can hold every character,
// so a title with a rare character survives; a plain 936 file reads unchanged.
// Bytes that cannot be decoded become U+FFFD; characters that cannot be
// encoded (a lone surrogate) become "?".
std::string EncodeSettingsText(std::u16string_view text);
std::u16string DecodeSettingsText(std::string_view bytes);

} // namespace kelvo
