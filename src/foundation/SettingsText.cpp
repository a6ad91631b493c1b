#include "foundation/SettingsText.h"

#include <algorithm>
#include <bit>
#include <cerrno>
#include <cstring>
#include <iconv.h>

namespace kelvo {

namespace {

constexpr const char* CodePage = "GB18030";
constexpr const char* Utf16 = std::endian::native == std::endian::little ? "UTF-16LE" : "UTF-16BE";

// One iconv conversion descriptor for the length of one conversion.
class CConversion {
public:
    CConversion(const char* to, const char* from) : m_cd(iconv_open(to, from)) {}
    ~CConversion() {
        if (IsOpen()) {
            iconv_close(m_cd);
        }
    }
    CConversion(const CConversion&) = delete;
    CConversion& operator=(const CConversion&) = delete;

    // iconv_open reports a failure as the handle (iconv_t)-1.
    bool IsOpen() const {
        return m_cd != reinterpret_cast<iconv_t>(-1); // NOLINT(performance-no-int-to-ptr)
    }

    // Converts `input` into `output`; an input unit that does not convert is
    // skipped (`skipUnit` bytes) and `replacement` is written in its place.
    void Convert(const char* input, size_t length, size_t skipUnit, std::string_view replacement,
                 std::string& output) {
        char* in = const_cast<char*>(input);
        size_t inLeft = length;
        char buffer[256];
        while (inLeft > 0) {
            char* out = buffer;
            size_t outLeft = sizeof buffer;
            const size_t done = iconv(m_cd, &in, &inLeft, &out, &outLeft);
            output.append(buffer, static_cast<size_t>(out - buffer));
            if (done != static_cast<size_t>(-1) || errno == E2BIG) {
                continue;
            }
            const size_t skip = std::min(skipUnit, inLeft);
            in += skip;
            inLeft -= skip;
            output.append(replacement);
        }
    }

private:
    iconv_t m_cd;
};

} // namespace

std::string EncodeSettingsText(std::u16string_view text) {
    std::string bytes;
    CConversion conversion(CodePage, Utf16);
    if (!conversion.IsOpen()) {
        return bytes;
    }
    conversion.Convert(reinterpret_cast<const char*>(text.data()), text.size() * sizeof(char16_t),
                       sizeof(char16_t), "?", bytes);
    return bytes;
}

std::u16string DecodeSettingsText(std::string_view bytes) {
    std::string units;
    CConversion conversion(Utf16, CodePage);
    if (!conversion.IsOpen()) {
        return {};
    }
    char16_t replacement = u'\uFFFD';
    char replacementBytes[sizeof replacement];
    std::memcpy(replacementBytes, &replacement, sizeof replacement);
    conversion.Convert(bytes.data(), bytes.size(), 1,
                       std::string_view(replacementBytes, sizeof replacementBytes), units);
    std::u16string text(units.size() / sizeof(char16_t), u'\0');
    std::memcpy(text.data(), units.data(), text.size() * sizeof(char16_t));
    return text;
}

} // namespace kelvo
