#include "question/PresetTable.h"

namespace kelvo {

namespace {

constexpr PresetRange NoRange{0, -1, 1};

// The times tables never multiply by 0 or 1, divide by 1 or give 1.
// A kind of products and quotients together keeps to the table by its rule.
constexpr CQuestionRules TableFacts{
    .isNoTrivialFactor = true, .isNoQuotientOne = true, .isWithinTables = true};

constexpr PresetRecord Separator(const char16_t* title) {
    return {title, 0, {NoRange, NoRange, NoRange}, {nullptr, nullptr}, NoRange, 0, 0};
}

// Title, operand count, operand ranges, gap patterns ("＋－×÷" by position, "$"
// where not allowed), result range, carry/borrow code. The values stand as they
// are, also where they differ from what a title alone suggests (10..100 for the
// two-digit carry and borrow drills, 2..9 as the second factor of the 1-to-9
// table). The division with a remainder follows the graded presets under a
// heading of its own: a divisor of 1 leaves no remainder, so it starts at 2.
// The parentheses follow under theirs; times and divide alone need their
// parentheses around the last two operands, (8×3)÷2 being 8×3÷2. The
// questions asked in the other forms follow last, under a heading of their
// own; the division estimates take dividends that the divisor does not
// divide, which are what an estimate is for.
// The decimal entries' places: the operands', then the result's.
constexpr CDecimalUnits OnePlace{{1, 1}, 1};
constexpr CDecimalUnits TwoPlaces{{2, 2}, 2};
constexpr CDecimalUnits DecimalByWhole{{1, 0}, 1};
constexpr CDecimalUnits DecimalTimesDecimal{{1, 1}, 2};
constexpr CDecimalUnits ByDecimalToWhole{{1, 1}, 0};
constexpr CDecimalUnits MovingThePoint{{1, 0}, 3};
constexpr CQuestionRules PowersOfTen{.isPowerOfTenSecond = true};
// The fraction entries' shapes and rules.
constexpr CFractionShape ProperPair{{FractionOperand::Proper, FractionOperand::Proper},
                                    FractionResult::Fraction};
constexpr CFractionShape WholeAndProper{{FractionOperand::Whole, FractionOperand::Proper},
                                        FractionResult::Fraction};
constexpr CFractionShape ProperAndWhole{{FractionOperand::Proper, FractionOperand::Whole},
                                        FractionResult::Fraction};
constexpr CQuestionRules SameDenominator{.isSameDenominator = true};
constexpr CQuestionRules DifferentDenominators{.isDifferentDenominators = true};

// clang-format off
constexpr std::array<PresetRecord, PresetCount> Table{{
    {u"自己定制题型", 2, {{{1, 10, 1}, {1, 10, 1}, NoRange}}, {u"＋$$$$", nullptr}, {1, 10, 1}, 0, 0},
    Separator(u"------------------------A"),
    {u"5以内加法", 2, {{{0, 5, 1}, {1, 5, 1}, NoRange}}, {u"＋$$$", nullptr}, {1, 5, 1}, 0, 0},
    {u"5以内减法", 2, {{{1, 5, 1}, {0, 5, 1}, NoRange}}, {u"$－$$", nullptr}, {0, 5, 1}, 0, 0},
    {u"5以内的加减混合", 2, {{{0, 5, 1}, {0, 5, 1}, NoRange}}, {u"＋－$$", nullptr}, {0, 5, 1}, 0, 0},
    {u"10以内的加法", 2, {{{1, 10, 1}, {1, 10, 1}, NoRange}}, {u"＋$$$", nullptr}, {0, 10, 1}, 0, 0},
    {u"10以内的连加", 3, {{{1, 10, 1}, {1, 10, 1}, {1, 10, 1}}}, {u"＋$$$", u"＋$$$"}, {0, 10, 1}, 0, 0},
    {u"10以内的减法", 2, {{{1, 10, 1}, {1, 10, 1}, NoRange}}, {u"$－$$", nullptr}, {0, 10, 1}, 0, 0},
    {u"10以内的加减混合", 2, {{{1, 10, 1}, {1, 10, 1}, NoRange}}, {u"＋－$$", nullptr}, {0, 10, 1}, 0, 0},
    {u"10以内的连减", 3, {{{1, 10, 1}, {1, 10, 1}, {1, 10, 1}}}, {u"$－$$", u"$－$$"}, {0, 10, 1}, 0, 0},
    {u"10以内的连加减", 3, {{{1, 10, 1}, {1, 10, 1}, {1, 10, 1}}}, {u"＋－$$", u"＋－$$"}, {0, 10, 1}, 0, 0},
    Separator(u"------------------------B"),
    {u"9加几", 2, {{{9, 9, 1}, {1, 10, 1}, NoRange}}, {u"＋$$$", nullptr}, {0, 19, 1}, 0, 0},
    {u"几加9", 2, {{{1, 10, 1}, {9, 9, 1}, NoRange}}, {u"＋$$$", nullptr}, {0, 19, 1}, 0, 0},
    {u"5、4、3、2加几", 2, {{{2, 5, 1}, {1, 9, 1}, NoRange}}, {u"＋$$$", nullptr}, {0, 19, 1}, 0, 0},
    {u"几加5、4、3、2", 2, {{{1, 9, 1}, {2, 5, 1}, NoRange}}, {u"＋$$$", nullptr}, {0, 19, 1}, 0, 0},
    {u"9、8、7、6加几", 2, {{{6, 9, 1}, {1, 10, 1}, NoRange}}, {u"＋$$$", nullptr}, {10, 19, 1}, 0, 0},
    {u"几加9、8、7、6", 2, {{{1, 10, 1}, {6, 9, 1}, NoRange}}, {u"＋$$$", nullptr}, {10, 19, 1}, 0, 0},
    {u"20以内的不进位加法", 2, {{{1, 20, 1}, {1, 20, 1}, NoRange}}, {u"＋$$$", nullptr}, {1, 20, 1}, 2, 0},
    {u"20以内的进位加法", 2, {{{1, 20, 1}, {1, 20, 1}, NoRange}}, {u"＋$$$", nullptr}, {1, 20, 1}, 1, 0},
    {u"20以内的加法", 2, {{{1, 20, 1}, {1, 20, 1}, NoRange}}, {u"＋$$$", nullptr}, {1, 20, 1}, 0, 0},
    {u"20以内的不借位减法", 2, {{{1, 20, 1}, {1, 20, 1}, NoRange}}, {u"$－$$", nullptr}, {0, 20, 1}, 4, 0},
    {u"20以内的借位减法", 2, {{{1, 20, 1}, {1, 20, 1}, NoRange}}, {u"$－$$", nullptr}, {0, 20, 1}, 3, 0},
    {u"20以内的减法", 2, {{{1, 20, 1}, {1, 20, 1}, NoRange}}, {u"$－$$", nullptr}, {0, 20, 1}, 0, 0},
    {u"20以内的加减混合", 2, {{{1, 20, 1}, {1, 20, 1}, NoRange}}, {u"＋－$$", nullptr}, {0, 20, 1}, 0, 0},
    {u"20以内的连加", 3, {{{1, 20, 1}, {1, 20, 1}, {1, 20, 1}}}, {u"＋$$$", u"＋$$$"}, {1, 20, 1}, 0, 0},
    {u"20以内的连减", 3, {{{1, 20, 1}, {1, 20, 1}, {1, 20, 1}}}, {u"$－$$", u"$－$$"}, {0, 20, 1}, 0, 0},
    {u"20以内的连加减", 3, {{{1, 20, 1}, {1, 20, 1}, {1, 20, 1}}}, {u"＋－$$", u"＋－$$"}, {0, 20, 1}, 0, 0},
    Separator(u"------------------------C"),
    {u"100以内的不进位加法", 2, {{{1, 100, 1}, {1, 100, 1}, NoRange}}, {u"＋$$$", nullptr}, {1, 100, 1}, 2, 0},
    {u"100以内的进位加法", 2, {{{1, 100, 1}, {1, 100, 1}, NoRange}}, {u"＋$$$", nullptr}, {1, 100, 1}, 1, 0},
    {u"100以内的加法", 2, {{{1, 100, 1}, {1, 100, 1}, NoRange}}, {u"＋$$$", nullptr}, {1, 100, 1}, 0, 0},
    {u"100以内的不借位减法", 2, {{{1, 100, 1}, {1, 100, 1}, NoRange}}, {u"$－$$", nullptr}, {0, 100, 1}, 4, 0},
    {u"100以内的借位减法", 2, {{{1, 100, 1}, {1, 100, 1}, NoRange}}, {u"$－$$", nullptr}, {0, 100, 1}, 3, 0},
    {u"100以内的减法", 2, {{{1, 100, 1}, {1, 100, 1}, NoRange}}, {u"$－$$", nullptr}, {0, 100, 1}, 0, 0},
    {u"100以内的加减法混合", 2, {{{1, 100, 1}, {1, 100, 1}, NoRange}}, {u"＋－$$", nullptr}, {0, 100, 1}, 0, 0},
    {u"100以内的连加", 3, {{{1, 100, 1}, {1, 100, 1}, {1, 100, 1}}}, {u"＋$$$", u"＋$$$"}, {0, 100, 1}, 0, 0},
    {u"100以内的连减", 3, {{{1, 100, 1}, {1, 100, 1}, {1, 100, 1}}}, {u"$－$$", u"$－$$"}, {0, 100, 1}, 0, 0},
    {u"100以内的连加减", 3, {{{1, 100, 1}, {1, 100, 1}, {1, 100, 1}}}, {u"＋－$$", u"＋－$$"}, {0, 100, 1}, 0, 0},
    Separator(u"------------------------D"),
    {u"整十数加一位数", 2, {{{1, 99, 10}, {1, 9, 1}, NoRange}}, {u"＋$$$", nullptr}, {1, 200, 1}, 0, 0},
    {u"得数为整十数的减法", 2, {{{1, 100, 1}, {1, 9, 1}, NoRange}}, {u"$－$$", nullptr}, {1, 100, 10}, 0, 0},
    {u"整十数加减整十数", 2, {{{1, 100, 10}, {1, 100, 10}, NoRange}}, {u"＋－$$", nullptr}, {1, 100, 1}, 0, 0},
    {u"两位数加一位数", 2, {{{10, 99, 1}, {1, 9, 1}, NoRange}}, {u"＋$$$", nullptr}, {1, 100, 1}, 0, 0},
    {u"两位数加整十数", 2, {{{10, 99, 1}, {1, 100, 10}, NoRange}}, {u"＋$$$", nullptr}, {0, 100, 1}, 0, 0},
    {u"两位数加两位数", 2, {{{10, 99, 1}, {10, 99, 1}, NoRange}}, {u"＋$$$", nullptr}, {1, 100, 1}, 0, 0},
    {u"两位数减整十数", 2, {{{10, 99, 1}, {1, 99, 10}, NoRange}}, {u"$－$$", nullptr}, {0, 100, 1}, 0, 0},
    {u"两位数减一位数", 2, {{{10, 99, 1}, {1, 9, 1}, NoRange}}, {u"$－$$", nullptr}, {1, 100, 1}, 0, 0},
    {u"两位数减两位数", 2, {{{10, 99, 1}, {10, 99, 1}, NoRange}}, {u"$－$$", nullptr}, {0, 100, 1}, 0, 0},
    {u"两位数减两位数-借位", 2, {{{10, 100, 1}, {10, 100, 1}, NoRange}}, {u"$－$$", nullptr}, {0, 100, 1}, 3, 0},
    {u"两位数加两位数-进位", 2, {{{10, 100, 1}, {10, 100, 1}, NoRange}}, {u"＋$$$", nullptr}, {0, 100, 1}, 1, 0},
    {u"两位数减两位数-不借位", 2, {{{10, 100, 1}, {10, 100, 1}, NoRange}}, {u"$－$$", nullptr}, {0, 100, 1}, 4, 0},
    {u"两位数加两位数-不进位", 2, {{{10, 100, 1}, {10, 100, 1}, NoRange}}, {u"＋$$$", nullptr}, {0, 100, 1}, 2, 0},
    {u"三位数加三位数", 2, {{{100, 999, 1}, {100, 999, 1}, NoRange}}, {u"＋$$$", nullptr}, {0, 2000, 1}, 0, 0},
    {u"三位数减三位数", 2, {{{100, 999, 1}, {100, 999, 1}, NoRange}}, {u"$－$$", nullptr}, {1, 1000, 1}, 0, 0},
    Separator(u"------------------------E"),
    {u"1到5的乘法口诀", 2, {{{1, 5, 1}, {1, 9, 1}, NoRange}}, {u"$$×$", nullptr}, {1, 100, 1}, 0, 0},
    {u"6到9的乘法口诀", 2, {{{6, 9, 1}, {1, 9, 1}, NoRange}}, {u"$$×$", nullptr}, {1, 100, 1}, 0, 0},
    {u"1到9的乘法口诀", 2, {{{1, 9, 1}, {2, 9, 1}, NoRange}}, {u"$$×$", nullptr}, {1, 100, 1}, 0, 0},
    {u"1到9的乘法口诀求商", 2, {{{1, 81, 1}, {1, 9, 1}, NoRange}}, {u"$$$÷", nullptr}, {1, 9, 1}, 0, 0},
    {u"5以内乘加", 3, {{{1, 5, 1}, {1, 5, 1}, {1, 25, 1}}}, {u"$$×$", u"＋$$$"}, {0, 100, 1}, 0, 0},
    {u"5以内乘减", 3, {{{1, 5, 1}, {1, 5, 1}, {1, 25, 1}}}, {u"$$×$", u"$－$$"}, {0, 100, 1}, 0, 0},
    {u"9以内乘加", 3, {{{1, 9, 1}, {1, 9, 1}, {1, 81, 1}}}, {u"$$×$", u"＋$$$"}, {0, 100, 1}, 0, 0},
    {u"9以内乘减", 3, {{{1, 9, 1}, {1, 9, 1}, {1, 81, 1}}}, {u"$$×$", u"$－$$"}, {0, 100, 1}, 0, 0},
    Separator(u"------------------------F"),
    {u"整百数加减法", 2, {{{100, 999, 100}, {100, 999, 100}, NoRange}}, {u"＋－$$", nullptr}, {0, 1000, 1}, 0, 0},
    {u"1000以内整十数加减法", 2, {{{1, 1000, 10}, {1, 1000, 10}, NoRange}}, {u"＋－$$", nullptr}, {0, 1000, 1}, 0, 0},
    {u"整十数乘以一位数", 2, {{{1, 100, 10}, {2, 9, 1}, NoRange}}, {u"$$×$", nullptr}, {0, 1000, 1}, 0, 0},
    {u"两位数乘以一位数-积两位", 2, {{{10, 99, 1}, {2, 9, 1}, NoRange}}, {u"$$×$", nullptr}, {10, 99, 1}, 0, 0},
    {u"整百数乘以一位数", 2, {{{1, 1000, 100}, {1, 9, 1}, NoRange}}, {u"$$×$", nullptr}, {0, 10000, 1}, 0, 0},
    {u"三位整十数乘以一位数", 2, {{{100, 999, 10}, {1, 9, 1}, NoRange}}, {u"$$×$", nullptr}, {1000, 9999, 1}, 0, 0},
    {u"整十数除以一位数", 2, {{{1, 1000, 10}, {2, 9, 1}, NoRange}}, {u"$$$÷", nullptr}, {0, 100, 1}, 0, 0},
    {u"两位数除以一位数", 2, {{{10, 99, 1}, {2, 9, 1}, NoRange}}, {u"$$$÷", nullptr}, {0, 100, 1}, 0, 0},
    {u"三位数除以一位数", 2, {{{100, 999, 1}, {1, 9, 1}, NoRange}}, {u"$$$÷", nullptr}, {0, 1000, 1}, 0, 0},
    {u"两位数乘以整十数", 2, {{{10, 99, 1}, {10, 99, 10}, NoRange}}, {u"$$×$", nullptr}, {0, 10000, 1}, 0, 0},
    {u"两位数乘以两位数", 2, {{{10, 99, 1}, {10, 99, 1}, NoRange}}, {u"$$×$", nullptr}, {0, 10000, 1}, 0, 0},
    {u"整百数除以一位数", 2, {{{100, 10000, 100}, {1, 9, 1}, NoRange}}, {u"$$$÷", nullptr}, {0, 1000, 1}, 0, 0},
    {u"三位整十数乘以两位整十数", 2, {{{100, 1000, 10}, {10, 99, 10}, NoRange}}, {u"$$×$", nullptr}, {1000, 10000, 1}, 0, 0},
    Separator(u"------------------------G"),
    {u"有余数的除法（表内）", 2, {{{3, 89, 1}, {2, 9, 1}, NoRange}}, {u"$$$÷", nullptr}, {1, 9, 1}, 5, 0},
    {u"两位数除以一位数（有余数）", 2, {{{10, 99, 1}, {2, 9, 1}, NoRange}}, {u"$$$÷", nullptr}, {1, 100, 1}, 5, 0},
    {u"三位数除以一位数（有余数）", 2, {{{100, 999, 1}, {2, 9, 1}, NoRange}}, {u"$$$÷", nullptr}, {1, 1000, 1}, 5, 0},
    Separator(u"------------------------H"),
    {u"两步混合运算（带小括号，100以内）", 3, {{{1, 100, 1}, {1, 100, 1}, {1, 100, 1}}}, {u"＋－×÷", u"＋－×÷"}, {0, 100, 1}, 0, -1},
    {u"乘除法带小括号（表内）", 3, {{{2, 81, 1}, {1, 9, 1}, {1, 9, 1}}}, {u"$$×÷", u"$$×÷"}, {1, 81, 1}, 0, 2},
    Separator(u"------------------------I"),
    {u"20以内加减法比大小", 2, {{{0, 20, 1}, {0, 20, 1}, NoRange}}, {u"＋－$$", nullptr}, {0, 20, 1}, 0, 0, {}, QuestionForm::Compare},
    {u"100以内加减法比大小", 2, {{{10, 99, 1}, {1, 99, 1}, NoRange}}, {u"＋－$$", nullptr}, {0, 100, 1}, 0, 0, {}, QuestionForm::Compare},
    {u"表内乘除法比大小", 2, {{{2, 81, 1}, {2, 9, 1}, NoRange}}, {u"$$×÷", nullptr}, {2, 81, 1}, 0, 0, TableFacts, QuestionForm::Compare},
    {u"填运算符号（20以内）", 2, {{{0, 20, 1}, {0, 20, 1}, NoRange}}, {u"＋－$$", nullptr}, {0, 20, 1}, 0, 0, {}, QuestionForm::FillOperator},
    {u"填运算符号（表内乘除）", 2, {{{2, 81, 1}, {2, 9, 1}, NoRange}}, {u"$$×÷", nullptr}, {2, 81, 1}, 0, 0, TableFacts, QuestionForm::FillOperator},
    {u"三位数加减法估算（估成整百数）", 2, {{{101, 999, 1}, {101, 999, 1}, NoRange}}, {u"＋－$$", nullptr}, {0, 2000, 1}, 0, 0, {}, QuestionForm::EstimateHundreds},
    {u"两位数乘一位数估算", 2, {{{11, 99, 1}, {2, 9, 1}, NoRange}}, {u"$$×$", nullptr}, {22, 891, 1}, 0, 0, {}, QuestionForm::EstimateTens},
    {u"三位数除以一位数估算", 2, {{{100, 999, 1}, {2, 9, 1}, NoRange}}, {u"$$$÷", nullptr}, {11, 499, 1}, 5, 0, {}, QuestionForm::EstimateTens},
    Separator(u"------------------------J"),
    {u"一位小数加减法", 2, {{{1, 99, 1}, {1, 99, 1}, NoRange}}, {u"＋－$$", nullptr}, {0, 200, 1}, 0, 0, {}, QuestionForm::Calculate, OnePlace},
    {u"两位小数加减法", 2, {{{1, 999, 1}, {1, 999, 1}, NoRange}}, {u"＋－$$", nullptr}, {0, 2000, 1}, 0, 0, {}, QuestionForm::Calculate, TwoPlaces},
    {u"小数乘整数", 2, {{{1, 99, 1}, {2, 9, 1}, NoRange}}, {u"$$×$", nullptr}, {0, 1000, 1}, 0, 0, {}, QuestionForm::Calculate, DecimalByWhole},
    {u"小数乘小数", 2, {{{1, 99, 1}, {1, 9, 1}, NoRange}}, {u"$$×$", nullptr}, {0, 10000, 1}, 0, 0, {}, QuestionForm::Calculate, DecimalTimesDecimal},
    {u"小数除以整数", 2, {{{1, 99, 1}, {2, 9, 1}, NoRange}}, {u"$$$÷", nullptr}, {1, 99, 1}, 0, 0, {}, QuestionForm::Calculate, DecimalByWhole},
    {u"除数是小数的除法", 2, {{{1, 99, 1}, {1, 9, 1}, NoRange}}, {u"$$$÷", nullptr}, {1, 99, 1}, 0, 0, {}, QuestionForm::Calculate, ByDecimalToWhole},
    {u"小数乘除以10、100、1000", 2, {{{1, 999, 1}, {10, 1000, 10}, NoRange}}, {u"$$×÷", nullptr}, {1, 10000000, 1}, 0, 0, PowersOfTen, QuestionForm::Calculate, MovingThePoint},
    Separator(u"------------------------K"),
    {u"同分母分数加减法", 2, {{{2, 12, 1}, {2, 12, 1}, NoRange}}, {u"＋－$$", nullptr}, {0, 2, 1}, 0, 0, SameDenominator, QuestionForm::Calculate, {}, ProperPair},
    {u"1减几分之几", 2, {{{1, 1, 1}, {2, 12, 1}, NoRange}}, {u"$－$$", nullptr}, {0, 1, 1}, 0, 0, {}, QuestionForm::Calculate, {}, WholeAndProper},
    {u"异分母分数加减法", 2, {{{2, 12, 1}, {2, 12, 1}, NoRange}}, {u"＋－$$", nullptr}, {0, 2, 1}, 0, 0, DifferentDenominators, QuestionForm::Calculate, {}, ProperPair},
    {u"分数乘整数", 2, {{{2, 12, 1}, {2, 12, 1}, NoRange}}, {u"$$×$", nullptr}, {0, 12, 1}, 0, 0, {}, QuestionForm::Calculate, {}, ProperAndWhole},
    {u"分数乘分数", 2, {{{2, 9, 1}, {2, 9, 1}, NoRange}}, {u"$$×$", nullptr}, {0, 1, 1}, 0, 0, {}, QuestionForm::Calculate, {}, ProperPair},
    {u"分数除法", 2, {{{2, 9, 1}, {2, 9, 1}, NoRange}}, {u"$$$÷", nullptr}, {0, 10, 1}, 0, 0, {}, QuestionForm::Calculate, {}, ProperPair},
    {u"分数比大小", 2, {{{2, 12, 1}, {2, 12, 1}, NoRange}}, {u"＋$$$", nullptr}, {0, 1, 1}, 0, 0, {}, QuestionForm::Compare, {}, ProperPair},
}};
// clang-format on

} // namespace

const std::array<PresetRecord, PresetCount>& PresetTable() {
    return Table;
}

} // namespace kelvo
