#include "question/UnitPresets.h"

#include <array>

namespace kelvo {

namespace {

constexpr PresetRange NoRange{0, -1, 1};

// What keeps a unit mental arithmetic beyond its ranges: a chain never leaves
// the result's range halfway; the times tables and divisions never multiply
// by 0 or 1, divide by 1 or give a quotient of 1.
constexpr CQuestionRules Chain{.isIntermediateInResultRange = true};
constexpr CQuestionRules Tables{.isNoTrivialFactor = true, .isNoQuotientOne = true};

// Title, operand count, operand ranges, gap patterns, result range,
// carry/borrow code, parentheses, rules: as in PresetTable. The ranges keep each unit
// mental arithmetic of its own kind: the carry units add one-digit numbers
// from 2, the times tables start at 2, the divisions give the quotient the unit
// teaches.
// clang-format off
constexpr std::array UnitTable{
    PresetRecord{u"10以内的加减法", 2, {{{0, 10, 1}, {0, 10, 1}, NoRange}}, {u"＋－$$", nullptr}, {0, 10, 1}, 0, 0},
    PresetRecord{u"凑十（10的分与合）", 2, {{{1, 9, 1}, {1, 9, 1}, NoRange}}, {u"＋$$$", nullptr}, {10, 10, 1}, 0, 0},
    PresetRecord{u"10以内的连加连减", 3, {{{0, 10, 1}, {0, 10, 1}, {0, 10, 1}}}, {u"＋－$$", u"＋－$$"}, {0, 10, 1}, 0, 0, Chain},
    PresetRecord{u"20以内的进位加法（凑十法）", 2, {{{2, 9, 1}, {2, 9, 1}, NoRange}}, {u"＋$$$", nullptr}, {11, 18, 1}, 1, 0},
    PresetRecord{u"十几加几（不进位）", 2, {{{10, 19, 1}, {1, 9, 1}, NoRange}}, {u"＋$$$", nullptr}, {11, 19, 1}, 2, 0},
    PresetRecord{u"十几减几（不退位）", 2, {{{11, 19, 1}, {1, 9, 1}, NoRange}}, {u"$－$$", nullptr}, {10, 18, 1}, 4, 0},
    PresetRecord{u"20以内的退位减法（破十法）", 2, {{{11, 18, 1}, {2, 9, 1}, NoRange}}, {u"$－$$", nullptr}, {2, 9, 1}, 3, 0},
    PresetRecord{u"整十数加、减整十数", 2, {{{10, 90, 10}, {10, 90, 10}, NoRange}}, {u"＋－$$", nullptr}, {0, 100, 10}, 0, 0},
    PresetRecord{u"两位数加一位数（不进位）", 2, {{{10, 99, 1}, {1, 9, 1}, NoRange}}, {u"＋$$$", nullptr}, {11, 99, 1}, 2, 0},
    PresetRecord{u"两位数加一位数（进位）", 2, {{{11, 99, 1}, {2, 9, 1}, NoRange}}, {u"＋$$$", nullptr}, {20, 100, 1}, 1, 0},
    PresetRecord{u"两位数减一位数（不退位）", 2, {{{11, 99, 1}, {1, 9, 1}, NoRange}}, {u"$－$$", nullptr}, {10, 98, 1}, 4, 0},
    PresetRecord{u"两位数减一位数（退位）", 2, {{{20, 98, 1}, {2, 9, 1}, NoRange}}, {u"$－$$", nullptr}, {11, 97, 1}, 3, 0},
    PresetRecord{u"两位数加、减整十数", 2, {{{11, 99, 1}, {10, 90, 10}, NoRange}}, {u"＋－$$", nullptr}, {1, 99, 1}, 0, 0},
    PresetRecord{u"两位数加两位数（进位）", 2, {{{11, 89, 1}, {11, 89, 1}, NoRange}}, {u"＋$$$", nullptr}, {30, 100, 1}, 1, 0},
    PresetRecord{u"两位数减两位数（退位）", 2, {{{20, 99, 1}, {11, 89, 1}, NoRange}}, {u"$－$$", nullptr}, {1, 88, 1}, 3, 0},
    PresetRecord{u"100以内的连加、连减和加减混合", 3, {{{1, 99, 1}, {1, 99, 1}, {1, 99, 1}}}, {u"＋－$$", u"＋－$$"}, {0, 100, 1}, 0, 0, Chain},
    PresetRecord{u"表内乘法（2～6的乘法口诀）", 2, {{{2, 6, 1}, {2, 9, 1}, NoRange}}, {u"$$×$", nullptr}, {4, 54, 1}, 0, 0, Tables},
    PresetRecord{u"表内乘法（7～9的乘法口诀）", 2, {{{7, 9, 1}, {2, 9, 1}, NoRange}}, {u"$$×$", nullptr}, {14, 81, 1}, 0, 0, Tables},
    PresetRecord{u"乘加、乘减（表内）", 3, {{{2, 9, 1}, {2, 9, 1}, {1, 81, 1}}}, {u"$$×$", u"＋－$$"}, {0, 100, 1}, 0, 0, Tables},
    PresetRecord{u"表内除法（用口诀求商）", 2, {{{4, 81, 1}, {2, 9, 1}, NoRange}}, {u"$$$÷", nullptr}, {2, 9, 1}, 0, 0, Tables},
    PresetRecord{u"整百、整千数加减法", 2, {{{100, 9900, 100}, {100, 9900, 100}, NoRange}}, {u"＋－$$", nullptr}, {100, 10000, 100}, 0, 0},
    PresetRecord{u"几百几十加减几百几十", 2, {{{110, 990, 10}, {110, 990, 10}, NoRange}}, {u"＋－$$", nullptr}, {10, 1000, 10}, 0, 0},
    PresetRecord{u"整十数乘一位数", 2, {{{10, 90, 10}, {2, 9, 1}, NoRange}}, {u"$$×$", nullptr}, {20, 810, 10}, 0, 0, Tables},
    PresetRecord{u"整百数乘一位数", 2, {{{100, 900, 100}, {2, 9, 1}, NoRange}}, {u"$$×$", nullptr}, {200, 8100, 100}, 0, 0, Tables},
    PresetRecord{u"两位数乘一位数（口算）", 2, {{{11, 49, 1}, {2, 9, 1}, NoRange}}, {u"$$×$", nullptr}, {22, 200, 1}, 0, 0, Tables},
    PresetRecord{u"整十数除以一位数（商是整十数）", 2, {{{20, 90, 10}, {2, 9, 1}, NoRange}}, {u"$$$÷", nullptr}, {10, 40, 10}, 0, 0, Tables},
    PresetRecord{u"整百数除以一位数（商是整百数）", 2, {{{200, 8100, 100}, {2, 9, 1}, NoRange}}, {u"$$$÷", nullptr}, {100, 900, 100}, 0, 0, Tables},
    PresetRecord{u"两位数除以一位数（商是两位数）", 2, {{{20, 99, 1}, {2, 9, 1}, NoRange}}, {u"$$$÷", nullptr}, {10, 49, 1}, 0, 0, Tables},
    PresetRecord{u"整十数乘整十数", 2, {{{10, 90, 10}, {10, 90, 10}, NoRange}}, {u"$$×$", nullptr}, {100, 8100, 100}, 0, 0, Tables},
    PresetRecord{u"两位数乘整十数（口算）", 2, {{{11, 30, 1}, {10, 90, 10}, NoRange}}, {u"$$×$", nullptr}, {110, 2700, 10}, 0, 0, Tables},
    PresetRecord{u"几百几十乘整十数", 2, {{{110, 990, 10}, {10, 90, 10}, NoRange}}, {u"$$×$", nullptr}, {1100, 10000, 100}, 0, 0, Tables},
    PresetRecord{u"除数是整十数的口算除法", 2, {{{40, 810, 10}, {20, 90, 10}, NoRange}}, {u"$$$÷", nullptr}, {2, 9, 1}, 0, 0, Tables},
};
// clang-format on

constexpr std::array FirstAutumn{u"10以内的加减法", u"凑十（10的分与合）", u"10以内的连加连减",
                                 u"20以内的进位加法（凑十法）", u"十几加几（不进位）"};
constexpr std::array FirstSpring{u"十几减几（不退位）",     u"20以内的退位减法（破十法）",
                                 u"整十数加、减整十数",     u"两位数加一位数（不进位）",
                                 u"两位数加一位数（进位）", u"两位数减一位数（不退位）",
                                 u"两位数减一位数（退位）", u"两位数加、减整十数"};
constexpr std::array SecondAutumn{u"两位数加两位数（进位）",        u"两位数减两位数（退位）",
                                  u"100以内的连加、连减和加减混合", u"表内乘法（2～6的乘法口诀）",
                                  u"表内乘法（7～9的乘法口诀）",    u"乘加、乘减（表内）"};
constexpr std::array SecondSpring{u"表内除法（用口诀求商）",
                                  u"有余数的除法（表内）",
                                  u"两位数除以一位数（有余数）",
                                  u"乘除法带小括号（表内）",
                                  u"两步混合运算（带小括号，100以内）",
                                  u"整百、整千数加减法"};
constexpr std::array ThirdAutumn{u"几百几十加减几百几十", u"整十数乘一位数", u"整百数乘一位数",
                                 u"两位数乘一位数（口算）"};
constexpr std::array ThirdSpring{
    u"整十数除以一位数（商是整十数）", u"整百数除以一位数（商是整百数）",
    u"两位数除以一位数（商是两位数）", u"整十数乘整十数",
    u"两位数乘整十数（口算）",         u"三位数除以一位数（有余数）"};
constexpr std::array FourthAutumn{u"几百几十乘整十数", u"除数是整十数的口算除法"};

// The decimal entries of the question-type list, under a heading of their own.
constexpr std::array Decimals{
    u"一位小数加减法",   u"两位小数加减法",         u"小数乘整数", u"小数乘小数", u"小数除以整数",
    u"除数是小数的除法", u"小数乘除以10、100、1000"};

// The fraction entries, under a heading of their own.
constexpr std::array Fractions{u"同分母分数加减法", u"1减几分之几", u"异分母分数加减法",
                               u"分数乘整数",       u"分数乘分数",  u"分数除法"};

constexpr std::array Terms{
    PresetTerm{u"一年级上", FirstAutumn},  PresetTerm{u"一年级下", FirstSpring},
    PresetTerm{u"二年级上", SecondAutumn}, PresetTerm{u"二年级下", SecondSpring},
    PresetTerm{u"三年级上", ThirdAutumn},  PresetTerm{u"三年级下", ThirdSpring},
    PresetTerm{u"四年级上", FourthAutumn}, PresetTerm{u"小数", Decimals},
    PresetTerm{u"分数", Fractions},
};

} // namespace

std::span<const PresetRecord> UnitPresetTable() {
    return UnitTable;
}

std::span<const PresetTerm> PresetTerms() {
    return Terms;
}

} // namespace kelvo
