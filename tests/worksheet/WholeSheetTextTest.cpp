#include "worksheet/Sheet.h"

#include "question/CPreCreatedQuestions.h"

#include <gtest/gtest.h>

#include <charconv>
#include <cstdint>
#include <string>
#include <string_view>

namespace kelvo {
namespace {

// FNV-1a over the UTF-16 code units: the same on every platform and compiler,
// which std::hash is not.
uint64_t TextHash(std::u16string_view text) {
    uint64_t hash = 14695981039346656037ULL;
    for (const char16_t unit : text) {
        hash = (hash ^ unit) * 1099511628211ULL;
    }
    return hash;
}

// The three texts of a preset's sheet of 10 rows of 4: the sheet, its key, and
// the key of the sheet with blanks to fill in.
struct SheetHashes {
    uint64_t sheet;
    uint64_t key;
    uint64_t fillInKey;
};

SheetHashes HashesOf(const std::shared_ptr<CQuestionData>& preset, uint64_t seed) {
    COutputSettings layout;
    layout.SetTitle(u"口算练习");
    layout.SetRowCount(10);
    layout.SetColumnCount(4);
    layout.SetRowSpacing(1);
    layout.SetColumnSpacing(3);
    layout.SetRowCountPerTitle(5);
    const CSheet sheet = DrawSheet(CSheetPlan::OfOneKind(preset, 40), 4, seed, nullptr, nullptr);
    SheetHashes hashes{};
    hashes.sheet = TextHash(FormatSheet(sheet, layout, nullptr));
    layout.SetIsShowAnswer(true);
    hashes.key = TextHash(FormatSheet(sheet, layout, nullptr));
    layout.SetIsFillQuestions(true);
    hashes.fillInKey = TextHash(FormatSheet(sheet, layout, nullptr));
    return hashes;
}

struct RecordedSheet {
    int32_t entry;
    std::u16string_view title;
    SheetHashes hashes;
};

// Recorded from the program as it was before decimal kinds; a whole-number
// sheet must stay byte for byte the same. Every whole-number entry is here but
// "表内乘除法比大小" and "填运算符号（表内乘除）", which since took the times-table
// rule (40×2 no longer comes up).
constexpr RecordedSheet Recorded[] = {
    // clang-format off
    {1, u"自己定制题型", {0x64c7dd1007204a63ULL, 0x5de336e557001db1ULL, 0xd288b2733e0e97f3ULL}},
    {3, u"5以内加法", {0x30029ac2e7b3d84bULL, 0xdfef516d8f8b8243ULL, 0x2797b816fb1883c9ULL}},
    {4, u"5以内减法", {0x4756309cb6a0e56fULL, 0x47e10b9270fbd9d1ULL, 0xf71a6cba4c193249ULL}},
    {5, u"5以内的加减混合", {0x7daf771c16ca986fULL, 0xeaf3e78220dc2fbdULL, 0x42467d9afc050579ULL}},
    {6, u"10以内的加法", {0x6334c801bda3497bULL, 0x84c62de61c04ff4dULL, 0x5e706e5a872e2d61ULL}},
    {7, u"10以内的连加", {0xe1ec53f1e4c80fdfULL, 0xa785bbc2bafe7513ULL, 0xc9326c5cbefb6671ULL}},
    {8, u"10以内的减法", {0xad0a67a9b58ca4e1ULL, 0xfd7ca913833e3793ULL, 0x601f018ae347e4e9ULL}},
    {9, u"10以内的加减混合", {0x969a4cd6ba64901eULL, 0xb0ff42d35e94b49cULL, 0x3f207968af3ff216ULL}},
    {10, u"10以内的连减", {0x3385a08f4619391dULL, 0xf121b2a80c0c85b0ULL, 0xa91d6e5372a19b38ULL}},
    {11, u"10以内的连加减", {0x9cbef513fe05b787ULL, 0x182e072401eca487ULL, 0x1c45479927f6c10dULL}},
    {13, u"9加几", {0xccb9a62d8e2a41adULL, 0xbc0eecfa0ef9ad89ULL, 0xe76f6a58b2e58871ULL}},
    {14, u"几加9", {0x9d0be428a31eee8dULL, 0x210705d8c0e84641ULL, 0xbb87c78a946fa4efULL}},
    {15, u"5、4、3、2加几", {0x8b9164e4cbd2fcafULL, 0x2c542e0400da732cULL, 0x430f59403e6c0418ULL}},
    {16, u"几加5、4、3、2", {0x47024ed830b6d9f5ULL, 0xd412035691ba7f88ULL, 0xafaaa4ae544d1742ULL}},
    {17, u"9、8、7、6加几", {0x169cf83266568436ULL, 0x4c7d5baba35e870aULL, 0x0c51fa0ce80566c4ULL}},
    {18, u"几加9、8、7、6", {0xed80f71e8968b566ULL, 0xe1e52b03deb2d213ULL, 0x2cb5cb1a09020ba7ULL}},
    {19, u"20以内的不进位加法", {0xe5e6aa11b2570732ULL, 0xeeddd11ebd784d7bULL, 0x69b5dd16a0e1979dULL}},
    {20, u"20以内的进位加法", {0xaa17a2f96135657dULL, 0xd4b6a45c37b482d5ULL, 0xcd3cb0c579a01be5ULL}},
    {21, u"20以内的加法", {0x2ee6cc035f18efa3ULL, 0xd45ff357ff259b9cULL, 0x2a8f57442c2745ecULL}},
    {22, u"20以内的不借位减法", {0x175698786f1108eaULL, 0x6cf1a2fd044105e9ULL, 0x01532347fa7cf953ULL}},
    {23, u"20以内的借位减法", {0x7d1775f49951f0cdULL, 0xe9aa150632b7862bULL, 0x54dfdf57f7eb53abULL}},
    {24, u"20以内的减法", {0x26e5f62d9c884231ULL, 0x92bbb98f4e0a3885ULL, 0x28fa757c986c9219ULL}},
    {25, u"20以内的加减混合", {0x447165ea0702e917ULL, 0x72989a9f711e3591ULL, 0x4b4c8e8611265831ULL}},
    {26, u"20以内的连加", {0xf8b7d118ad6ec444ULL, 0xe6d6867fc9d534ecULL, 0xb0c057e41f461688ULL}},
    {27, u"20以内的连减", {0xb54b717344442b8cULL, 0xf575730373ec2e18ULL, 0xd875dac9a9076c7eULL}},
    {28, u"20以内的连加减", {0x61ff118cea8ff1b4ULL, 0xb891ea642c7ef33cULL, 0x8c3dd8d784969efeULL}},
    {30, u"100以内的不进位加法", {0xfaafb9701604eb0aULL, 0x8d0e71dc8b59d0b1ULL, 0x541caa536d50ea73ULL}},
    {31, u"100以内的进位加法", {0x3cc68bc3869c4618ULL, 0x9645ac026f939e03ULL, 0xd3d6e8de399a9cf9ULL}},
    {32, u"100以内的加法", {0x54490198c785d188ULL, 0x4d65d5ce871a3283ULL, 0xac922b87cc972145ULL}},
    {33, u"100以内的不借位减法", {0x41c6c4ab215f971eULL, 0x9538a96259bc49b1ULL, 0xcbe083f9b594cd43ULL}},
    {34, u"100以内的借位减法", {0x676df83d0adca34eULL, 0x81b69191400e93bcULL, 0x02aff53b8f07726aULL}},
    {35, u"100以内的减法", {0x4513e56d55e5c5dbULL, 0x0da49eb508d86cbbULL, 0xa23a277aaba846b3ULL}},
    {36, u"100以内的加减法混合", {0x99032ef7210fb921ULL, 0x036f4e77da74362dULL, 0xd06fd015846008a9ULL}},
    {37, u"100以内的连加", {0xe68af11b0744e13fULL, 0xa94b59154008d83cULL, 0x74a55015fa482ef0ULL}},
    {38, u"100以内的连减", {0x3bf6ea0f343183e4ULL, 0xd56ebb123fb73a51ULL, 0xc56cbc60e7a4de19ULL}},
    {39, u"100以内的连加减", {0x0302e3a1f17665dbULL, 0x5821fd9a3ef741e3ULL, 0xf37c90635d403cdfULL}},
    {41, u"整十数加一位数", {0xd03899505e6a6f72ULL, 0x5bb342d8da7a147fULL, 0xac8c53de460699f3ULL}},
    {42, u"得数为整十数的减法", {0xd401940e2fe174f7ULL, 0x2e06481f03f9db05ULL, 0x5d71818e138fd905ULL}},
    {43, u"整十数加减整十数", {0xe8ee1ed492895753ULL, 0x694a0f22545f0996ULL, 0x26cbf33d8b1d8212ULL}},
    {44, u"两位数加一位数", {0x6d6430c7d1312ca2ULL, 0x7f0e8f707916cdeeULL, 0x5ec788296695a28cULL}},
    {45, u"两位数加整十数", {0x4ed5f85085b4244eULL, 0x4581607ba5157698ULL, 0x057b9a1e7836e33eULL}},
    {46, u"两位数加两位数", {0x7cb78c674bfadeeaULL, 0x3cad9a2880e1ed65ULL, 0xcd856c42907ec611ULL}},
    {47, u"两位数减整十数", {0x8a5b766efc7f81c0ULL, 0x7930907376a93bb1ULL, 0xf7ea0fb695e17ca7ULL}},
    {48, u"两位数减一位数", {0x2cee9b7e9917912cULL, 0xcb9cc948fb7d0b69ULL, 0x556253b946e7a8b7ULL}},
    {49, u"两位数减两位数", {0x5c3729b67f73f2d8ULL, 0x6041a23db074222aULL, 0xb9b485dbb647f588ULL}},
    {50, u"两位数减两位数-借位", {0xfe830f67bb94a083ULL, 0x2679725c52a891ceULL, 0x5020bb7369d4ed02ULL}},
    {51, u"两位数加两位数-进位", {0xeda091aff5baf860ULL, 0x571ac97798a0ea1eULL, 0x83c59a29137354a8ULL}},
    {52, u"两位数减两位数-不借位", {0xe86d97d6b791d90fULL, 0x107ac6e2775522c7ULL, 0x8d1883a8ca27c469ULL}},
    {53, u"两位数加两位数-不进位", {0x4de0cfe09badedffULL, 0x57f25dde7b46ec59ULL, 0x5a81ee67f7dab147ULL}},
    {54, u"三位数加三位数", {0x5b657996788c43a3ULL, 0xc47211996433cab6ULL, 0x61fd93ac65e323c4ULL}},
    {55, u"三位数减三位数", {0xbf35eeb3ec0410fcULL, 0xd01297cc6eda0531ULL, 0xe438bdf087a42529ULL}},
    {57, u"1到5的乘法口诀", {0x5ed439232cabfe35ULL, 0x31668b8702e18ba8ULL, 0xe6611f2e47b04eaeULL}},
    {58, u"6到9的乘法口诀", {0x5d5d2e0902ffc582ULL, 0x38a6ee81d3864d20ULL, 0x181cb81d38876ee6ULL}},
    {59, u"1到9的乘法口诀", {0x1434a9176565645aULL, 0x333eb0d6667daf77ULL, 0xedb9f2e7937ef97fULL}},
    {60, u"1到9的乘法口诀求商", {0x04bccf4b534c2772ULL, 0x7328805f34a77652ULL, 0xe7f38a6523581f3cULL}},
    {61, u"5以内乘加", {0x4e23dba23adf6a65ULL, 0xee506a12872ddd97ULL, 0xb9e197446f6cdb07ULL}},
    {62, u"5以内乘减", {0x9c021d15c7849512ULL, 0x9c319052d7a3d2a6ULL, 0xf7ea2675b4d610eeULL}},
    {63, u"9以内乘加", {0x2c3d2a7aad5db879ULL, 0x7faca0f5f96fba27ULL, 0x62a0906a17acdfc9ULL}},
    {64, u"9以内乘减", {0xf39513673591a0caULL, 0x1ae243be9d4ddec4ULL, 0x9af8ebaaa7259fc4ULL}},
    {66, u"整百数加减法", {0xb71a0003137b77b2ULL, 0xe990ffb8bd95eeb6ULL, 0x05a85dde10a60276ULL}},
    {67, u"1000以内整十数加减法", {0xee7185587ae87c35ULL, 0x567ca30fc7cbfbcdULL, 0xa11d31eeb0857b55ULL}},
    {68, u"整十数乘以一位数", {0x5138ba0abfd12212ULL, 0xc4afc03d78d21e6dULL, 0x32ba9ecd37ac03d3ULL}},
    {69, u"两位数乘以一位数-积两位", {0xd7c2bea764406e17ULL, 0xcf906bb53ae35439ULL, 0x87973944e40a7eefULL}},
    {70, u"整百数乘以一位数", {0x31f5a462142d1db0ULL, 0x3d4fc2a491659d62ULL, 0x728fcf9ff1cc154aULL}},
    {71, u"三位整十数乘以一位数", {0xab7bd2de73357872ULL, 0x40cb4628d44e5f2fULL, 0x14458629b1cc9a2dULL}},
    {72, u"整十数除以一位数", {0x868e72ce5a5be32fULL, 0x1dd2b5f41f28e2acULL, 0x2cd1becec6fa5a56ULL}},
    {73, u"两位数除以一位数", {0xfc61d38470a3a507ULL, 0xa2b0853da064f7afULL, 0xdc9b5820038e6981ULL}},
    {74, u"三位数除以一位数", {0xda1023fb688d6da9ULL, 0xe1750f5f8f70d4fdULL, 0x57e8fa9ec09cfda1ULL}},
    {75, u"两位数乘以整十数", {0xe5f6574cf874acddULL, 0xc2ce6cf896486919ULL, 0xe6de5fa8d45e96d3ULL}},
    {76, u"两位数乘以两位数", {0x102718a745b251e6ULL, 0xab2f96c6126db47aULL, 0xfa32693ece440f84ULL}},
    {77, u"整百数除以一位数", {0x7372c3b85f8b305eULL, 0xbde3a74d2987103bULL, 0x719f89adb33e5f67ULL}},
    {78, u"三位整十数乘以两位整十数", {0xc3c1821c545f190cULL, 0x1c2964fb220fb806ULL, 0xb6dec42d191ed566ULL}},
    {80, u"有余数的除法（表内）", {0x6b02fdcb8cdd7c20ULL, 0x6dc8d2feb4ecb9d6ULL, 0x3b63c18d15c97384ULL}},
    {81, u"两位数除以一位数（有余数）", {0x5e5b3017abfb143bULL, 0xb5a8867a7af83c1fULL, 0x315e94e9d73820abULL}},
    {82, u"三位数除以一位数（有余数）", {0xc621a2ad82af9d45ULL, 0x0e61c24ce1210ea4ULL, 0x1f1d48f7a0210412ULL}},
    {84, u"两步混合运算（带小括号，100以内）", {0x1709851d71f6c1a5ULL, 0x0ad9fea04fe83da6ULL, 0xddb27ad29f1cf0a4ULL}},
    {85, u"乘除法带小括号（表内）", {0x9b0538e3a9d203cdULL, 0x1b7cc6557f4fbbf2ULL, 0xe60536070c41b4d4ULL}},
    {87, u"20以内加减法比大小", {0x4e7796223ff92782ULL, 0x1af152fc488181a5ULL, 0x1af152fc488181a5ULL}},
    {88, u"100以内加减法比大小", {0xab42a6040d900943ULL, 0x620c543948e8be26ULL, 0x620c543948e8be26ULL}},
    {90, u"填运算符号（20以内）", {0x808897dce4912d1aULL, 0x850ba4ba207ce5eaULL, 0x850ba4ba207ce5eaULL}},
    {92, u"三位数加减法估算（估成整百数）", {0x95aa232e12fbdf32ULL, 0x40b8625d8ad9f286ULL, 0x40b8625d8ad9f286ULL}},
    {93, u"两位数乘一位数估算", {0x3deb601b98c7cdcfULL, 0x6256bba9e3c5edb8ULL, 0x6256bba9e3c5edb8ULL}},
    {94, u"三位数除以一位数估算", {0x4e0d77b9877f409cULL, 0x6771c3a95463d135ULL, 0x6771c3a95463d135ULL}},
    // clang-format on
};

std::string Hex(uint64_t value) {
    char digits[16];
    char* end = std::to_chars(digits, digits + sizeof digits, value, 16).ptr;
    return "0x" + std::string(digits, end);
}

// A deliberate change is re-recorded from what the failure prints.
TEST(WholeSheetTextTest, AWholeNumberSheetIsWhatItWasBeforeDecimals) {
    CPreCreatedQuestions presets;
    presets.Load();
    for (const RecordedSheet& recorded : Recorded) {
        const auto& preset = presets.Questions().Item(recorded.entry);
        ASSERT_EQ(preset->Title(), recorded.title) << "entry " << recorded.entry;
        const uint64_t seed = 5000 + static_cast<uint64_t>(recorded.entry);
        const SheetHashes now = HashesOf(preset, seed);
        const auto explain = [&](const char* text, uint64_t hash) {
            return "entry " + std::to_string(recorded.entry) + ' ' +
                   ::testing::PrintToString(std::u16string(recorded.title)) + " seed " +
                   std::to_string(seed) + ": the " + text + " now hashes to " + Hex(hash);
        };
        EXPECT_EQ(now.sheet, recorded.hashes.sheet) << explain("sheet", now.sheet);
        EXPECT_EQ(now.key, recorded.hashes.key) << explain("key", now.key);
        EXPECT_EQ(now.fillInKey, recorded.hashes.fillInKey)
            << explain("fill-in key", now.fillInKey);
    }
}

} // namespace
} // namespace kelvo
