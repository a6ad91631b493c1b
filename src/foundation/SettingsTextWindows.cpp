#include "foundation/SettingsText.h"

#include <algorithm>

#include <windows.h>

namespace kelvo {

namespace {

// GB18030 by Windows' own number for it. Wine has only the code page 936 it
// extends: there the bytes are 936's, the same for every Chinese character,
// and a character outside 936 is written as "?".
UINT CodePage() {
    static const UINT codePage = ::IsValidCodePage(54936) != 0 ? 54936 : 936;
    return codePage;
}

bool IsHighSurrogate(char16_t unit) {
    return unit >= 0xD800 && unit <= 0xDBFF;
}
bool IsLowSurrogate(char16_t unit) {
    return unit >= 0xDC00 && unit <= 0xDFFF;
}

// How many units, from `at`, make one character; 0 for a lone surrogate.
size_t CharacterLength(std::u16string_view text, size_t at) {
    if (IsHighSurrogate(text[at])) {
        return at + 1 < text.size() && IsLowSurrogate(text[at + 1]) ? 2 : 0;
    }
    return IsLowSurrogate(text[at]) ? 0 : 1;
}

bool IsLead(unsigned char byte) {
    return byte >= 0x81 && byte <= 0xFE;
}
bool IsDigit(unsigned char byte) {
    return byte >= 0x30 && byte <= 0x39;
}

// How many bytes, from `at`, have the shape of one GB18030 character (one
// byte, two, or four); 0 when they have none.
size_t SequenceLength(std::string_view bytes, size_t at) {
    const auto byte = [&](size_t i) { return static_cast<unsigned char>(bytes[at + i]); };
    const size_t left = bytes.size() - at;
    if (byte(0) < 0x80) {
        return 1;
    }
    if (!IsLead(byte(0)) || left < 2) {
        return 0;
    }
    if ((byte(1) >= 0x40 && byte(1) <= 0x7E) || (byte(1) >= 0x80 && byte(1) <= 0xFE)) {
        return 2;
    }
    if (left >= 4 && IsDigit(byte(1)) && IsLead(byte(2)) && IsDigit(byte(3))) {
        return 4;
    }
    return 0;
}

std::string EncodeRun(std::u16string_view run) {
    const auto* units = reinterpret_cast<const wchar_t*>(run.data());
    const int length = static_cast<int>(run.size());
    std::string bytes(static_cast<size_t>(::WideCharToMultiByte(CodePage(), 0, units, length,
                                                                nullptr, 0, nullptr, nullptr)),
                      '\0');
    ::WideCharToMultiByte(CodePage(), 0, units, length, bytes.data(),
                          static_cast<int>(bytes.size()), nullptr, nullptr);
    return bytes;
}

// The character of one sequence; empty when the code page assigns it none.
std::u16string DecodeSequence(std::string_view sequence) {
    wchar_t units[2];
    const int length = ::MultiByteToWideChar(CodePage(), MB_ERR_INVALID_CHARS, sequence.data(),
                                             static_cast<int>(sequence.size()), units, 2);
    return {reinterpret_cast<const char16_t*>(units), static_cast<size_t>(std::max(length, 0))};
}

} // namespace

// Converted a character at a time where the text breaks the rules, so that a
// lone surrogate and an undecodable byte are replaced as the iconv side does.
std::string EncodeSettingsText(std::u16string_view text) {
    std::string bytes;
    size_t runStart = 0;
    for (size_t at = 0; at < text.size();) {
        const size_t length = CharacterLength(text, at);
        if (length > 0) {
            at += length;
            continue;
        }
        bytes += EncodeRun(text.substr(runStart, at - runStart));
        bytes += '?';
        runStart = ++at;
    }
    return bytes + EncodeRun(text.substr(runStart));
}

std::u16string DecodeSettingsText(std::string_view bytes) {
    std::u16string text;
    for (size_t at = 0; at < bytes.size();) {
        const size_t length = SequenceLength(bytes, at);
        const std::u16string character =
            length > 0 ? DecodeSequence(bytes.substr(at, length)) : std::u16string();
        if (character.empty()) {
            text += u'\uFFFD';
            ++at;
        } else {
            text += character;
            at += length;
        }
    }
    return text;
}

} // namespace kelvo
