#include "worksheet/SheetCode.h"

#include "foundation/RandomSource.h"
#include "number/OperatorCodes.h"
#include "output/FixedWidthMeasure.h"
#include "support/KindFactory.h"
#include "worksheet/CSheetDocument.h"
#include "worksheet/SheetPages.h"

#include "support/TemporaryDirectory.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace kelvo {
namespace {

using testing::MakeKind;

TEST(SheetCodeTest, EveryCodeGivesItsSeedBackAsTyped) {
    for (int k = 0; k < 2000; ++k) {
        const uint64_t seed = DrawSeed();
        const std::u16string code = SheetCode(seed);
        ASSERT_EQ(code.size(), 9U);
        ASSERT_EQ(SeedOfCode(code), seed) << std::string(code.begin(), code.end());
    }
    // Lower case, spaces and the look-alikes of 1 and 0 are read as meant.
    EXPECT_EQ(SeedOfCode(u"ilo0 1234"), SeedOfCode(u"110-01234"));
    EXPECT_EQ(SheetCode((uint64_t{1} << SeedBits) - 1), u"ZZZZ-ZZZZ");
    for (const std::u16string_view damaged :
         {u"", u"7K3F-9Q2", u"7K3F-9Q2AB", u"7K3F-9Q2U", u"7K3F_9Q2A", u"编号7K3F9Q2A"}) {
        EXPECT_FALSE(SeedOfCode(damaged).has_value());
    }
}

// The same plan and seed make the same sheet, in every form and mixed, and
// leave the program's own draws as they were; the copies too, each with a
// code of its own on its pages.
TEST(SheetCodeTest, ASeedMakesTheSameSheetAgain) {
    CSheetPlan plan;
    plan.Add(MakeKind({{1, 99}, {1, 99}}, {u"＋$$$"}, {0, 200}, 0, u"甲"), 30);
    plan.Add(MakeKind({{1, 9}, {1, 9}, {1, 9}}, {u"$$×$", u"＋$$$"}, {0, 100}, 0, u"乙"), 20);
    COutputSettings layout;
    layout.SetColumnCount(5);
    layout.SetIsFillQuestions(true);
    for (const bool isMixed : {false, true}) {
        plan.SetIsMixed(isMixed);
        SeedRandom(5);
        const float before = RandomSingle();
        SeedRandom(5);
        const std::u16string text = FormatSheet(
            DrawSheet(plan, layout.ColumnCount(), 0x1234567, nullptr, nullptr), layout, nullptr);
        EXPECT_EQ(RandomSingle(), before);
        UseClockForRandomReseed();
        EXPECT_EQ(FormatSheet(DrawSheet(plan, layout.ColumnCount(), 0x1234567, nullptr, nullptr),
                              layout, nullptr),
                  text);
        EXPECT_NE(FormatSheet(DrawSheet(plan, layout.ColumnCount(), 0x1234568, nullptr, nullptr),
                              layout, nullptr),
                  text);
    }

    CSheetDocument document;
    CAdmittedCounts counts;
    document.Create(plan, layout, counts, nullptr);
    const std::vector<CSheet> copies = document.Copies(3, nullptr);
    const CFixedWidthMeasure measure;
    CPageOptions options;
    options.SetIsAnswerKey(true);
    const CPageLayout pages = LayOutPages(copies, layout, options, measure, 12);
    ASSERT_EQ(pages.PageCount(), 6);
    for (int32_t index = 1; index <= pages.PageCount(); ++index) {
        const CPage page = pages.Page(index);
        const CSheet& copy = copies[static_cast<size_t>(page.copy - 1)];
        EXPECT_EQ(copy.seed, CopySeed(document.Sheet().seed, page.copy));
        EXPECT_EQ(page.lines.back().text, u"编号 " + SheetCode(copy.seed)) << index;
        EXPECT_EQ(FormatSheet(DrawSheet(plan, layout.ColumnCount(), copy.seed, nullptr, nullptr),
                              layout, nullptr),
                  FormatSheet(copy, layout, nullptr));
    }
}

// Each copy's QR code stands in the lower right corner of every page of it and
// of its key, its code to its left, and no row comes down to it, also where
// large print spreads the rows down the page; without the switch the rows
// take the room back.
TEST(SheetCodeTest, TheQrCodeTakesACornerNoRowReaches) {
    CSheetPlan plan = CSheetPlan::OfOneKind(MakeKind({{1, 9}, {1, 9}}, {u"＋$$$"}, {10, 18}), 240);
    COutputSettings layout;
    layout.SetRowCount(60);
    layout.SetColumnCount(4);
    CSheetDocument document;
    CAdmittedCounts counts;
    document.Create(plan, layout, counts, nullptr);
    const std::vector<CSheet> copies = document.Copies(2, nullptr);
    const CFixedWidthMeasure measure;
    const QrTextMaker qrText = [](uint64_t seed, const CPageOptions&) {
        return "K" + std::to_string(seed);
    };
    for (const bool isLargePrint : {false, true}) {
        CPageOptions options;
        options.SetIsLargePrint(isLargePrint);
        const CPageLayout pages =
            LayOutPages(copies, layout, options, measure, 12, nullptr, qrText);
        ASSERT_GT(pages.PagesPerCopy(), 1);
        const CPaper& paper = options.Paper();
        for (int32_t index = 1; index <= pages.PageCount(); ++index) {
            const CPage page = pages.Page(index);
            const CPageQrCode& qr = page.qrCode;
            EXPECT_EQ(qr.text,
                      "K" + std::to_string(copies[static_cast<size_t>(page.copy - 1)].seed));
            EXPECT_DOUBLE_EQ(qr.side, CPageLayout::QrCodeMillimetres * CPaper::PointsPerMillimetre);
            EXPECT_DOUBLE_EQ(qr.x + qr.side, paper.Width() - paper.Margin());
            EXPECT_DOUBLE_EQ(qr.y + qr.side, paper.Height() - paper.Margin());
            for (const CPlacedCell& placed : page.cells) {
                ASSERT_LT(placed.y + placed.cell.height, qr.y) << index;
            }
            const CPageLine& code = page.lines.back();
            EXPECT_LT(code.x + measure.TextWidth(code.text, code.pointSize), qr.x);
        }
        options.SetIsQrCode(false);
        const CPageLayout without =
            LayOutPages(copies, layout, options, measure, 12, nullptr, qrText);
        EXPECT_TRUE(without.Page(1).qrCode.text.empty());
        EXPECT_GT(without.Page(1).cells.size(), pages.Page(1).cells.size());
    }
}

// The test starts itself again through Linux's /proc/self/exe.
#ifndef _WIN32
// A mixed sheet of three kinds, fill-in, from one seed, as UTF-8.
std::string ProbeText() {
    CSheetPlan plan;
    plan.Add(MakeKind({{10, 99}, {2, 9}}, {u"$$$÷"}, {1, 49}, Cbr::Remainder, u"甲"), 20);
    plan.Add(MakeKind({{1, 9}, {1, 9}, {1, 9}}, {u"$$×$", u"＋$$$"}, {0, 100}, 0, u"乙"), 20);
    plan.Add(MakeKind({{100, 999}, {100, 999}}, {u"＋－$$"}, {0, 1000}, 0, u"丙"), 20);
    plan.SetIsMixed(true);
    COutputSettings layout;
    layout.SetColumnCount(4);
    layout.SetIsFillQuestions(true);
    const std::u16string text = FormatSheet(
        DrawSheet(plan, layout.ColumnCount(), 0x5EED, nullptr, nullptr), layout, nullptr);
    std::string bytes;
    for (const char16_t unit : text) {
        bytes += std::to_string(unit) + ' ';
    }
    return bytes;
}

// Another process (other addresses, another clock) makes the same sheet.
TEST(SheetCodeTest, AFreshProcessMakesTheSameSheet) {
    if (const char* probe = std::getenv("KELVO_SHEET_PROBE")) {
        std::ofstream(probe) << ProbeText();
        return;
    }
    const test::CTemporaryDirectory folder;
    const std::string probe = (folder.Path() / "sheet.txt").string();
    const std::string command = "KELVO_SHEET_PROBE='" + probe + "' '" +
                                std::filesystem::read_symlink("/proc/self/exe").string() +
                                "' --gtest_filter=SheetCodeTest.AFreshProcess* >/dev/null 2>&1";
    ASSERT_EQ(std::system(command.c_str()), 0);
    std::stringstream made;
    made << std::ifstream(probe).rdbuf();
    EXPECT_EQ(made.str(), ProbeText());
}
#endif

} // namespace
} // namespace kelvo
