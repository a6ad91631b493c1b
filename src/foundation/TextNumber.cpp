#include "foundation/TextNumber.h"

#include "foundation/RuntimeError.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>
#include <string>

namespace kelvo {

namespace {

// Digit by digit: worksheets write numbers by the hundred thousand, and
// appending a run of narrow characters this short goes through a temporary
// string and a copy.
void AppendDigits(std::u16string& text, const char* first, const char* last) {
    for (const char* digit = first; digit != last; ++digit) {
        text.push_back(static_cast<char16_t>(*digit));
    }
}

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// True when `text` is [sign] digits [. digits] [e [sign] digits] with at least
// one digit in the mantissa.
bool IsPlainNumber(const std::string& text) {
    size_t i = 0;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        ++i;
    }
    size_t digits = 0;
    while (i < text.size() && IsDigit(text[i])) {
        ++i;
        ++digits;
    }
    if (i < text.size() && text[i] == '.') {
        ++i;
        while (i < text.size() && IsDigit(text[i])) {
            ++i;
            ++digits;
        }
    }
    if (digits == 0) {
        return false;
    }
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        ++i;
        if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
            ++i;
        }
        size_t exponentDigits = 0;
        while (i < text.size() && IsDigit(text[i])) {
            ++i;
            ++exponentDigits;
        }
        if (exponentDigits == 0) {
            return false;
        }
    }
    return i == text.size();
}

constexpr std::u16string_view ChineseDigits = u"零一二三四五六七八九";
constexpr std::u16string_view ChineseUnits = u"千百十";

} // namespace

std::u16string ChineseNumeral(int32_t value) {
    if (value < 1 || value >= 10000) {
        return DecimalText(value);
    }
    std::u16string text;
    bool zeroPending = false;
    for (int32_t place = 1000, unit = 0; place >= 1; place /= 10, ++unit) {
        const int32_t digit = value / place % 10;
        if (digit == 0) {
            zeroPending = !text.empty();
            continue;
        }
        if (zeroPending) {
            text += ChineseDigits[0];
            zeroPending = false;
        }
        // Ten to nineteen are 十, 十一 …, not 一十一.
        if (!(place == 10 && digit == 1 && text.empty())) {
            text += ChineseDigits[static_cast<size_t>(digit)];
        }
        if (place > 1) {
            text += ChineseUnits[static_cast<size_t>(unit)];
        }
    }
    return text;
}

std::u16string DecimalText(int32_t value) {
    std::u16string text;
    AppendDecimalText(text, value);
    return text;
}

void AppendDecimalText(std::u16string& text, int32_t value) {
    char digits[16];
    const auto end = std::to_chars(digits, digits + sizeof digits, value).ptr;
    AppendDigits(text, digits, end);
}

void AppendScaledText(std::u16string& text, int32_t value, int32_t exponent) {
    if (exponent <= 0) {
        AppendDecimalText(text, value);
        if (value != 0) {
            text.append(static_cast<size_t>(-exponent), u'0');
        }
        return;
    }
    char digits[16];
    char* end = std::to_chars(digits, digits + sizeof digits, value).ptr;
    const auto length = static_cast<int32_t>(end - digits);
    // Written with at least one digit before the point: 3 with 2 is "0.03".
    const int32_t wholeLength = std::max(length - exponent, 0);
    if (wholeLength == 0) {
        text += u'0';
    }
    AppendDigits(text, digits, digits + wholeLength);
    char* fractionEnd = end;
    while (fractionEnd > digits + wholeLength && fractionEnd[-1] == '0') {
        --fractionEnd;
    }
    if (fractionEnd > digits + wholeLength) {
        text += u'.';
        text.append(static_cast<size_t>(std::max(exponent - length, 0)), u'0');
        AppendDigits(text, digits + wholeLength, fractionEnd);
    }
}

int32_t ScaledTextLength(int32_t upper, int32_t exponent) {
    const auto digits = static_cast<int32_t>(DecimalText(upper).size());
    if (exponent <= 0) {
        return digits - exponent;
    }
    return std::max(digits, exponent + 1) + 1;
}

double TextToDouble(std::u16string_view text) {
    const auto first = text.find_first_not_of(u' ');
    if (first == std::u16string_view::npos) {
        RaiseError(ErrorNumber::TypeMismatch);
    }
    const auto last = text.find_last_not_of(u' ');
    std::string ascii;
    for (char16_t c : text.substr(first, last - first + 1)) {
        if (c > 0x7f) {
            RaiseError(ErrorNumber::TypeMismatch);
        }
        ascii.push_back(static_cast<char>(c));
    }
    if (!IsPlainNumber(ascii)) {
        RaiseError(ErrorNumber::TypeMismatch);
    }
    const char* begin = ascii.data();
    if (*begin == '+') {
        ++begin;
    }
    double value = 0;
    const auto [end, error] = std::from_chars(begin, ascii.data() + ascii.size(), value);
    if (error == std::errc::result_out_of_range) {
        RaiseError(ErrorNumber::Overflow);
    }
    if (error != std::errc() || end != ascii.data() + ascii.size()) {
        RaiseError(ErrorNumber::TypeMismatch);
    }
    return value;
}

int32_t RoundToInt32(double value) {
    const double rounded = std::nearbyint(value);
    if (!(rounded >= std::numeric_limits<int32_t>::min() &&
          rounded <= std::numeric_limits<int32_t>::max())) {
        RaiseError(ErrorNumber::Overflow);
    }
    return static_cast<int32_t>(rounded);
}

int32_t TextToInt32(std::u16string_view text) {
    return RoundToInt32(TextToDouble(text));
}

} // namespace kelvo
