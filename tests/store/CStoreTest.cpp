#include "store/CStore.h"
#include "QStringPrinter.h"
#include "support/KindFactory.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace kelvo {
namespace {

using testing::MakeKind;

// One run keeps its files beside Kelvo.ini and the next takes them back; a
// run started meanwhile on the same files finds nothing, says so and writes
// none of them.
TEST(StoreTest, WhatOneRunKeepsTheNextTakesBackAndARunBesideItLeavesAlone) {
    QTemporaryDir folder;
    const QString settings = folder.filePath(QStringLiteral("Kelvo.ini"));
    const QString history = folder.filePath(QStringLiteral("data/KelvoHistory.sqlite"));
    CSheetPlan plan;
    plan.Add(MakeKind({{1, 9}, {1, 9}}, {u"＋$$$"}, {0, 20}, 0, u"10以内的加法"), 30);
    CPageOptions options;
    options.SetCopies(3);

    auto first = std::make_unique<CStore>(settings, history);
    EXPECT_TRUE(first->UsedElsewhereNote().isEmpty());
    EXPECT_EQ(first->History().Path(), history);
    EXPECT_TRUE(first->KeepPageOptions(options).isEmpty());
    {
        CStore beside(settings, history);
        EXPECT_FALSE(beside.UsedElsewhereNote().isEmpty());
        const CRestored<CSheetPlan> none = beside.RestoreLastPlan();
        EXPECT_FALSE(none.content);
        EXPECT_TRUE(none.strNote.isEmpty()) << none.strNote.toStdString();
        EXPECT_FALSE(beside.KeepPageOptions(CPageOptions()).isEmpty());
        beside.KeepAtClose(CSheetPlan(), CSheetPlan::MinSectionCount);
        EXPECT_FALSE(QFile::exists(folder.filePath(QStringLiteral("KelvoPlan.json"))));
    }
    first->KeepAtClose(plan, CSheetPlan::MinSectionCount);
    first.reset();

    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files),
              QStringList({QStringLiteral("KelvoPage.json"), QStringLiteral("KelvoPlan.json")}));
    CStore next(settings, history);
    EXPECT_TRUE(next.UsedElsewhereNote().isEmpty());
    const CRestored<CSheetPlan> restoredPlan = next.RestoreLastPlan();
    ASSERT_TRUE(restoredPlan.content);
    ASSERT_EQ(restoredPlan.content->Sections().size(), 1u);
    EXPECT_EQ(restoredPlan.content->Sections()[0].kind->Title(), u"10以内的加法");
    EXPECT_EQ(restoredPlan.content->Sections()[0].count, 30);
    const CRestored<CPageOptions> restoredOptions = next.RestorePageOptions();
    EXPECT_TRUE(restoredOptions.content == options);
}

// The list of printed sheets keeps the newest 200, newest first; a damaged
// list is set aside, said once, and a new one begun.
TEST(StoreTest, ThePrintedSheetsKeepTheNewestAndADamagedListMakesWayForANewOne) {
    QTemporaryDir folder;
    CStore store(folder.filePath(QStringLiteral("Kelvo.ini")),
                 folder.filePath(QStringLiteral("KelvoHistory.sqlite")));
    for (int k = 0; k < static_cast<int>(MaxPrintedSheets) + 2; ++k) {
        const QString strCode = QStringLiteral("0000-%1").arg(k, 4, 10, QLatin1Char('0'));
        ASSERT_TRUE(store
                        .KeepPrintedSheet({QStringLiteral("2026-12-09 08:30"),
                                           QStringLiteral("甲"),
                                           {strCode, QStringLiteral("ZZZZ-ZZZZ")},
                                           QStringLiteral("KELVO1:") + strCode})
                        .isEmpty());
    }
    const auto sheets = store.PrintedSheets().content;
    ASSERT_TRUE(sheets);
    ASSERT_EQ(sheets->size(), MaxPrintedSheets);
    EXPECT_EQ(sheets->front().codes,
              QStringList({QStringLiteral("0000-0201"), QStringLiteral("ZZZZ-ZZZZ")}));
    EXPECT_EQ(sheets->back().strQrText, QStringLiteral("KELVO1:0000-0002"));

    QFile file(folder.filePath(QStringLiteral("KelvoSheets.json")));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(R"({"format": "kelvo-printed", "version": 1, "sheets": [{"when": "x"}]})");
    file.close();
    const auto damaged = store.PrintedSheets();
    EXPECT_FALSE(damaged.content);
    EXPECT_TRUE(damaged.strNote.contains(QString::fromUtf16(u"打印过的试卷列表没有恢复")))
        << damaged.strNote.toStdString();
    EXPECT_TRUE(
        store
            .KeepPrintedSheet(
                {QStringLiteral("x"), QStringLiteral("乙"), {QStringLiteral("0000-0001")}, {}})
            .isEmpty());
    ASSERT_TRUE(store.PrintedSheets().content);
    EXPECT_EQ(store.PrintedSheets().content->size(), 1U);
}

} // namespace
} // namespace kelvo
