#include "worksheet/SheetCode.h"

#include "foundation/RandomSource.h"

namespace kelvo {

namespace {

constexpr std::u16string_view Digits = u"0123456789ABCDEFGHJKMNPQRSTVWXYZ";
constexpr int BitsPerDigit = 5;
constexpr int DigitCount = SeedBits / BitsPerDigit;
constexpr uint64_t SeedMask = (uint64_t{1} << SeedBits) - 1;

// The digit a typed character stands for; -1 for none.
int DigitValue(char16_t typed) {
    char16_t upper = typed >= u'a' && typed <= u'z' ? static_cast<char16_t>(typed - 32) : typed;
    if (upper == u'I' || upper == u'L') {
        upper = u'1';
    } else if (upper == u'O') {
        upper = u'0';
    }
    const size_t at = Digits.find(upper);
    return at == std::u16string_view::npos ? -1 : static_cast<int>(at);
}

} // namespace

std::u16string SheetCode(uint64_t seed) {
    std::u16string code;
    for (int k = DigitCount - 1; k >= 0; --k) {
        code += Digits[(seed >> (k * BitsPerDigit)) & 31U];
        if (k == DigitCount / 2) {
            code += u'-';
        }
    }
    return code;
}

std::optional<uint64_t> SeedOfCode(std::u16string_view code) {
    uint64_t seed = 0;
    int count = 0;
    for (const char16_t typed : code) {
        if (typed == u'-' || typed == u' ') {
            continue;
        }
        const int value = DigitValue(typed);
        if (value < 0 || ++count > DigitCount) {
            return std::nullopt;
        }
        seed = (seed << BitsPerDigit) | static_cast<uint64_t>(value);
    }
    return count == DigitCount ? std::optional<uint64_t>(seed) : std::nullopt;
}

// splitmix64 of the sheet's seed and the copy's number, cut to a seed's bits.
uint64_t CopySeed(uint64_t sheetSeed, int32_t copy) {
    if (copy <= 1) {
        return sheetSeed;
    }
    uint64_t z = sheetSeed + static_cast<uint64_t>(copy) * 0x9e3779b97f4a7c15ULL;
    z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ULL;
    z = (z ^ (z >> 27)) * 0x94d049bb133111ebULL;
    return (z ^ (z >> 31)) & SeedMask;
}

} // namespace kelvo
