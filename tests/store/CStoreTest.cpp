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

} // namespace
} // namespace kelvo
