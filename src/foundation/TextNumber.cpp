#include "foundation/TextNumber.h"

#include "foundation/RuntimeError.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <iterator>
#include <limits>
#include <string>

namespace kelvo {

namespace {

// The mark between the whole part and the fraction of a mixed number.
constexpr char16_t MixedNumberMark = u'又';

// The value's decimal digits, with a leading "-" for negatives, written
// backwards so that they end at `end`; where they begin.
char16_t* WriteDigits(int32_t value, char16_t* end) {
    uint32_t magnitude =
        value < 0 ? 0U - static_cast<uint32_t>(value) : static_cast<uint32_t>(value);
    char16_t* first = end;
    do {
        *--first = static_cast<char16_t>(u'0' + magnitude % 10);
        magnitude /= 10;
    } while (magnitude != 0);
    if (value < 0) {
        *--first = u'-';
    }
    return first;
}

// One character at a time: sheets write their numbers by the hundred
// thousand, and a general append (through a temporary or a library copy)
// costs more than the handful of digits it would carry.
void AppendDigits(std::u16string& text, const char16_t* first, const char16_t* last) {
    for (const char16_t* digit = first; digit != last; ++digit) {
        text.push_back(*digit);
    }
}

void AppendFractionText(std::u16string& text, int32_t numerator, int32_t unit) {
    const int32_t denominator = UnitDenominator(unit);
    if (unit > MixedFractionUnitBase && numerator > denominator) {
        AppendDecimalText(text, numerator / denominator);
        text += MixedNumberMark;
        numerator %= denominator;
    }
    AppendDecimalText(text, numerator);
    text += u'/';
    AppendDecimalText(text, denominator);
}

int32_t DigitCount(int32_t value) {
    return static_cast<int32_t>(DecimalText(value).size());
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
    char16_t buffer[12];
    char16_t* const end = buffer + std::size(buffer);
    AppendDigits(text, WriteDigits(value, end), end);
}

void AppendScaledText(std::u16string& text, int32_t value, int32_t unit) {
    if (IsFractionUnit(unit)) {
        AppendFractionText(text, value, unit);
        return;
    }
    char16_t buffer[12];
    char16_t* const end = buffer + std::size(buffer);
    char16_t* const digits = WriteDigits(value, end);
    if (unit <= 0) {
        AppendDigits(text, digits, end);
        if (value != 0 && unit < 0) {
            text.append(static_cast<size_t>(-unit), u'0');
        }
        return;
    }
    const auto length = static_cast<int32_t>(end - digits);
    // Written with at least one digit before the point: 3 with 2 is "0.03".
    char16_t* wholeEnd = digits + std::max(length - unit, 0);
    if (wholeEnd == digits) {
        text += u'0';
    }
    AppendDigits(text, digits, wholeEnd);
    char16_t* fractionEnd = end;
    while (fractionEnd > wholeEnd && fractionEnd[-1] == u'0') {
        --fractionEnd;
    }
    if (fractionEnd > wholeEnd) {
        text += u'.';
        for (int32_t zero = length; zero < unit; ++zero) {
            text += u'0';
        }
        AppendDigits(text, wholeEnd, fractionEnd);
    }
}

int32_t ScaledTextLength(int32_t upper, int32_t unit) {
    const int32_t digits = DigitCount(upper);
    if (IsFractionUnit(unit)) {
        const int32_t denominator = DigitCount(UnitDenominator(unit));
        if (unit > MixedFractionUnitBase) {
            return DigitCount(upper / UnitDenominator(unit)) + 2 * denominator + 2;
        }
        return digits + denominator + 1;
    }
    if (unit <= 0) {
        return digits - unit;
    }
    return std::max(digits, unit + 1) + 1;
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
