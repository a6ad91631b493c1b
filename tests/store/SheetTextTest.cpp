#include "store/SheetText.h"

#include "number/OperatorCodes.h"
#include "support/KindFactory.h"
#include "support/SheetLayout.h"
#include "worksheet/Sheet.h"

#include <gtest/gtest.h>

#include <QStringList>

namespace kelvo {
namespace {

using testing::MakeKind;
using testing::SheetLayout;

std::u16string SheetText(const CSheetRecipe& recipe) {
    const CSheet sheet = DrawSheet(recipe.plan, recipe.drawnColumns, recipe.seed, nullptr, nullptr);
    EXPECT_TRUE(sheet.HasQuestions())
        << std::string(sheet.errorText.begin(), sheet.errorText.end());
    return FormatSheet(sheet, recipe.layout, nullptr);
}

// The text of a QR code makes the same sheet again: one kind (untitled, more
// cells than a section holds), a plan in order and a mixed one with fill-in
// blanks, column form, copies and a header of its own.
TEST(SheetTextTest, TheSheetComesBackFromItsText) {
    CSheetRecipe oneKind{
        0x1234567,
        CSheetPlan::OfOneKind(MakeKind({{1, 99}, {1, 99}}, {u"＋－$$"}, {0, 200}), 6000),
        4,
        SheetLayout(1500, 4),
        {}};
    CSheetRecipe inOrder{0xFFFFFFFFFF, {}, 3, SheetLayout(20, 3, true), {}};
    inOrder.plan.Add(MakeKind({{10, 99}, {2, 9}}, {u"$$$÷"}, {1, 49}, Cbr::Remainder, u"甲"), 20);
    inOrder.plan.Add(MakeKind({{1, 9}, {1, 9}, {1, 9}}, {u"$$×$", u"＋$$$"}, {0, 100}, 0, u"乙"),
                     15);
    inOrder.plan.Add(MakeKind({{100, 999}, {100, 999}}, {u"＋－$$"}, {0, 1000}, 0, u"丙"), 12);
    CSheetRecipe mixed = inOrder;
    mixed.seed = 0;
    mixed.plan.SetIsMixed(true);
    mixed.drawnColumns = 5;
    mixed.options.SetCopies(3);
    mixed.options.SetIsColumnForm(true);
    mixed.options.SetIsLargePrint(true);
    mixed.options.SetIsQrCode(false);
    mixed.options.SetHasHeaderField(0, true);
    mixed.options.Paper().SetOrientation(PageOrientation::Landscape);
    for (const CSheetRecipe& recipe : {oneKind, inOrder, mixed}) {
        const QString strText = SheetQrText(recipe);
        EXPECT_LT(strText.size(), 300) << strText.toStdString();
        EXPECT_TRUE(LooksLikeSheetQrText(strText));
        QString strMessage;
        const auto read = ReadSheetQrText(strText, strMessage);
        ASSERT_TRUE(read.has_value()) << strMessage.toStdString();
        EXPECT_EQ(read->seed, recipe.seed);
        EXPECT_EQ(read->drawnColumns, recipe.drawnColumns);
        EXPECT_TRUE(read->options == recipe.options);
        EXPECT_EQ(read->plan.Arrangement(), recipe.plan.Arrangement());
        EXPECT_EQ(SheetText(*read), SheetText(recipe));
    }
}

// A damaged, foreign, oversized or later text says so and gives nothing.
TEST(SheetTextTest, AnUnreadableTextSaysWhy) {
    CSheetRecipe recipe{42,
                        CSheetPlan::OfOneKind(MakeKind({{1, 9}, {1, 9}}, {u"＋$$$"}, {0, 20}), 20),
                        2,
                        SheetLayout(10, 2),
                        {}};
    const QString strText = SheetQrText(recipe);
    const QStringList parts = strText.split(u':');
    QString strFlipped = strText;
    strFlipped[strText.size() / 2 + 20] = strFlipped[strText.size() / 2 + 20] == u'A' ? u'B' : u'A';
    const QString strDamaged =
        QString::fromUtf16(u"二维码文字已损坏，或者不是Kelvo试卷的二维码文字。");
    const QString strNewer =
        QString::fromUtf16(u"这份试卷是较新版本的Kelvo打印的，这个版本无法重做。");
    const std::pair<QString, QString> cases[] = {
        {strText.left(strText.size() - 5), strDamaged},
        {strFlipped, strDamaged},
        {QStringLiteral("https://example.com/sheet"), strDamaged},
        {parts[0] + u':' + parts[1] + u':', strDamaged},
        {parts[0] + QStringLiteral(":7K3F-9Q2U:") + parts[2], strDamaged},
        {parts[0] + u':' + parts[1] + u':' + QString(20000, u'A'), strDamaged},
        // Ten megabytes of zeros, packed.
        {parts[0] + u':' + parts[1] + u':' +
             QString::fromLatin1(qCompress(QByteArray(10'000'000, '\0'))
                                     .mid(6)
                                     .toBase64(QByteArray::Base64UrlEncoding)),
         strDamaged},
        {QStringLiteral("KELVO2:") + parts[1] + u':' + parts[2], strNewer},
    };
    for (const auto& [strInput, strExpected] : cases) {
        QString strMessage;
        EXPECT_FALSE(ReadSheetQrText(strInput, strMessage).has_value()) << strInput.toStdString();
        EXPECT_EQ(strMessage, strExpected) << strInput.toStdString();
    }
}

} // namespace
} // namespace kelvo
