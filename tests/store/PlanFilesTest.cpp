#include "store/PlanFiles.h"
#include "support/KindFactory.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <functional>

#include <sys/stat.h>

namespace kelvo {
namespace {

using testing::MakeKind;

// Every field of every section, in one text to compare.
QString Describe(const CSheetPlan& plan) {
    QString text = plan.IsMixed() ? QStringLiteral("mixed") : QStringLiteral("in order");
    for (const CSheetSection& section : plan.Sections()) {
        const CQuestionData& kind = *section.kind;
        const CQuestionRules& rules = kind.Rules();
        text += QStringLiteral(" | %1 ×%2 cbr %3 parentheses %4 rules %5%6%7%8%9:")
                    .arg(QString::fromStdU16String(kind.Title()))
                    .arg(section.count)
                    .arg(kind.Cbr())
                    .arg(kind.ParenthesesChoice())
                    .arg(rules.isIntermediateInResultRange)
                    .arg(rules.isNoTrivialFactor)
                    .arg(rules.isNoQuotientOne)
                    .arg(rules.isNoZeroOperand)
                    .arg(rules.isWithinTables);
        const auto range = [](const CValueLimit& limit) {
            return QStringLiteral(" %1..%2/%3")
                .arg(limit.LowerLimit())
                .arg(limit.UpperLimit())
                .arg(limit.MultipleOf());
        };
        for (int32_t k = 1; k <= kind.Limits().Count(); ++k) {
            text += range(*kind.Limits().Item(k));
            if (k < kind.Limits().Count()) {
                text += u' ' + QString::fromStdU16String(kind.Operators().Item(k));
            }
        }
        text += QStringLiteral(" =") + range(*kind.ResultLimit());
    }
    return text;
}

class PlanFilesTest : public ::testing::Test {
protected:
    QString Path(const char* name) const { return m_folder.filePath(QString::fromLatin1(name)); }

    EReadFault fault = EReadFault::None;

    QTemporaryDir m_folder;
};

TEST_F(PlanFilesTest, APlanComesBackAsItWasSaved) {
    CSheetPlan plan;
    plan.SetIsMixed(true);
    plan.Add(MakeKind({{1, 20}, {1, 20}}, {u"＋$$$"}, {1, 20}, 1, u"20以内的进位加法"), 20);
    auto three = MakeKind({{10, 90, 10}, {2, 9}, {100, 900, 100}}, {u"＋－$$", u"$$×÷"}, {0, 10000},
                          0, u"三个");
    three->SetParenthesesChoice(2);
    three->SetRules({.isIntermediateInResultRange = true, .isNoQuotientOne = true});
    three->SetDecimalPlaces({{1, 0, 2}, 3});
    plan.Add(three, 7);
    auto product = MakeKind({{0, 9}, {0, 9}}, {u"$$×$"}, {0, 81}, 0, u"乘");
    product->SetRules({.isNoTrivialFactor = true, .isNoZeroOperand = true, .isWithinTables = true});
    product->SetForm(QuestionForm::FillOperator);
    plan.Add(product, 3);
    auto compared = MakeKind({{0, 20}, {0, 20}}, {u"＋－$$"}, {0, 20}, 0, u"比");
    compared->SetForm(QuestionForm::CompareQuestions);
    plan.Add(compared, 10);
    auto four = MakeKind({{0, 5}, {0, 5}, {0, 5}, {0, 5}}, {u"＋$$$", u"$－$$", u"＋$$$$"}, {0, 9},
                         0, u"四个");
    four->SetParenthesesChoice(CQuestionData::RandomParentheses);
    plan.Add(four, 5000);
    QString message;
    ASSERT_TRUE(WritePlanFile(Path("plan.json"), plan, message));
    const auto read = ReadPlanFile(Path("plan.json"), message, fault);
    ASSERT_TRUE(read.has_value()) << message.toStdString();
    EXPECT_EQ(Describe(*read), Describe(plan));
    EXPECT_TRUE(message.isEmpty());
    for (size_t k = 0; k < plan.Sections().size(); ++k) {
        EXPECT_EQ(read->Sections()[k].kind->Form(), plan.Sections()[k].kind->Form()) << k;
        EXPECT_EQ(read->Sections()[k].kind->DecimalPlaces(),
                  plan.Sections()[k].kind->DecimalPlaces())
            << k;
    }

    CSavedKinds kinds;
    kinds.Put(plan.Sections()[1].kind);
    ASSERT_TRUE(WriteKindsFile(Path("kinds.json"), kinds, message));
    const auto readKinds = ReadKindsFile(Path("kinds.json"), message, fault);
    ASSERT_TRUE(readKinds.has_value());
    ASSERT_EQ(readKinds->Kinds().size(), 1u);
    EXPECT_EQ(readKinds->Kinds()[0]->Operator2(), u"$$×÷");
    EXPECT_EQ(readKinds->Kinds()[0]->ParenthesesChoice(), 2);
    EXPECT_EQ(readKinds->Kinds()[0]->Rules(), plan.Sections()[1].kind->Rules());
    // Each file is only what it says it is.
    EXPECT_FALSE(ReadPlanFile(Path("kinds.json"), message, fault).has_value());
}

TEST_F(PlanFilesTest, AnythingOutsideTheFormatIsADamagedFile) {
    CSheetPlan plan;
    plan.Add(MakeKind({{1, 20}, {1, 20}}, {u"＋$$$"}, {1, 20}, 1, u"甲"), 20);
    QString message;
    ASSERT_TRUE(WritePlanFile(Path("good.json"), plan, message));
    QFile good(Path("good.json"));
    ASSERT_TRUE(good.open(QIODevice::ReadOnly));
    const QJsonObject valid = QJsonDocument::fromJson(good.readAll()).object();

    const auto withKind = [](QJsonObject document,
                             const std::function<void(QJsonObject&)>& change) {
        QJsonArray sections = document[QStringLiteral("sections")].toArray();
        QJsonObject section = sections[0].toObject();
        QJsonObject kind = section[QStringLiteral("kind")].toObject();
        change(kind);
        section[QStringLiteral("kind")] = kind;
        sections[0] = section;
        document[QStringLiteral("sections")] = sections;
        return document;
    };
    const auto limit = [](int from, int to, int multipleOf) {
        return QJsonObject{{QStringLiteral("from"), from},
                           {QStringLiteral("to"), to},
                           {QStringLiteral("multipleOf"), multipleOf}};
    };
    QJsonObject noFormat = valid;
    noFormat.remove(QStringLiteral("format"));
    QJsonObject versionZero = valid;
    versionZero[QStringLiteral("version")] = 0;
    QJsonObject versionFraction = valid;
    versionFraction[QStringLiteral("version")] = 1.5;
    QJsonObject mixedNumber = valid;
    mixedNumber[QStringLiteral("mixed")] = 1;
    QJsonObject sectionsObject = valid;
    sectionsObject[QStringLiteral("sections")] = QJsonObject();
    const QJsonObject damaged[] = {
        noFormat,
        versionZero,
        versionFraction,
        mixedNumber,
        sectionsObject,
        withKind(valid, [](QJsonObject& kind) { kind[QStringLiteral("cbr")] = 7; }),
        withKind(valid, [](QJsonObject& kind) { kind[QStringLiteral("parentheses")] = 6; }),
        withKind(valid, [](QJsonObject& kind) { kind[QStringLiteral("parentheses")] = QString(); }),
        withKind(valid, [](QJsonObject& kind) { kind[QStringLiteral("title")] = QString(); }),
        withKind(valid, [](QJsonObject& kind) { kind[QStringLiteral("rules")] = true; }),
        withKind(valid, [](QJsonObject& kind) { kind[QStringLiteral("form")] = 1; }),
        withKind(valid,
                 [](QJsonObject& kind) { kind[QStringLiteral("form")] = QStringLiteral("guess"); }),
        withKind(valid,
                 [](QJsonObject& kind) {
                     kind[QStringLiteral("places")] = QJsonArray{1, 1};
                 }),
        withKind(valid,
                 [](QJsonObject& kind) {
                     kind[QStringLiteral("places")] = QJsonArray{1, 0, 4};
                 }),
        withKind(valid,
                 [](QJsonObject& kind) {
                     kind[QStringLiteral("compareWith")] = QStringLiteral("question");
                 }),
        withKind(
            valid,
            [](QJsonObject& kind) {
                kind[QStringLiteral("rules")] = QJsonObject{{QStringLiteral("noZeroOperand"), 1}};
            }),
        withKind(valid,
                 [](QJsonObject& kind) { kind[QStringLiteral("operators")] = QJsonArray(); }),
        withKind(valid,
                 [&](QJsonObject& kind) { kind[QStringLiteral("result")] = limit(0, 10001, 1); }),
        withKind(valid,
                 [&](QJsonObject& kind) { kind[QStringLiteral("result")] = limit(0, 20, 5); }),
        withKind(valid,
                 [](QJsonObject& kind) {
                     kind[QStringLiteral("operands")] =
                         QJsonArray{kind[QStringLiteral("operands")].toArray().first()};
                 }),
    };
    for (size_t i = 0; i < std::size(damaged); ++i) {
        QFile file(Path("changed.json"));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(QJsonDocument(damaged[i]).toJson());
        file.close();
        message.clear();
        EXPECT_FALSE(ReadPlanFile(Path("changed.json"), message, fault).has_value()) << i;
        EXPECT_TRUE(message.contains(QString::fromUtf16(u"已损坏"))) << i;
        EXPECT_EQ(fault, EReadFault::Unusable) << i;
    }
    // A kind written before the rules existed has them off.
    QFile older(Path("older.json"));
    ASSERT_TRUE(older.open(QIODevice::WriteOnly));
    older.write(QJsonDocument(withKind(valid, [](QJsonObject& kind) {
                    kind.remove(QStringLiteral("rules"));
                })).toJson());
    older.close();
    const auto read = ReadPlanFile(Path("older.json"), message, fault);
    ASSERT_TRUE(read.has_value());
    EXPECT_TRUE(read->Sections()[0].kind->Rules().IsNone());
    EXPECT_EQ(read->Sections()[0].kind->Form(), QuestionForm::Calculate);
    for (const auto* key : {"form", "places"}) {
        EXPECT_FALSE(
            valid[QStringLiteral("sections")][0][QStringLiteral("kind")].toObject().contains(
                QLatin1StringView(key)));
    }
}

TEST_F(PlanFilesTest, AFileThatCannotBeWrittenIsSaidAndTheOldOneStays) {
    CSheetPlan plan;
    QString message;
    EXPECT_FALSE(WritePlanFile(Path("missing/plan.json"), plan, message));
    EXPECT_TRUE(message.startsWith(QString::fromUtf16(u"无法保存文件")));
    // A folder in the file's place: nothing replaces it.
    ASSERT_TRUE(QDir(m_folder.path()).mkdir(QStringLiteral("taken.json")));
    EXPECT_FALSE(WritePlanFile(Path("taken.json"), plan, message));
    EXPECT_TRUE(QFileInfo(Path("taken.json")).isDir());
}

// The three writers, each with what it writes.
const std::function<bool(const QString&, QString&)> Writers[] = {
    [](const QString& path, QString& message) { return WritePlanFile(path, {}, message); },
    [](const QString& path, QString& message) { return WriteKindsFile(path, {}, message); },
    [](const QString& path, QString& message) { return WritePageOptionsFile(path, {}, message); },
};

TEST_F(PlanFilesTest, AWriteReplacesALinkByAFileAndNeverWritesTheLinksTarget) {
    QFile victim(Path("victim"));
    ASSERT_TRUE(victim.open(QIODevice::WriteOnly));
    victim.write("the link's target");
    victim.close();
    for (size_t i = 0; i < std::size(Writers); ++i) {
        QFile::remove(Path("link.json"));
        ASSERT_TRUE(QFile::link(Path("victim"), Path("link.json")));
        QString message;
        EXPECT_TRUE(Writers[i](Path("link.json"), message)) << i;
        EXPECT_FALSE(QFileInfo(Path("link.json")).isSymLink()) << i;
        ASSERT_TRUE(victim.open(QIODevice::ReadOnly));
        EXPECT_EQ(victim.readAll(), "the link's target") << i;
        victim.close();
    }
}

// Named pipes are refused at once (a read that waited would hang the test);
// plans and kinds files beyond their bounds are refused with the bound.
TEST_F(PlanFilesTest, NamedPipesAndFilesBeyondTheBoundsAreRefusedWithAMessage) {
    ASSERT_EQ(::mkfifo(Path("pipe.json").toLocal8Bit().constData(), 0600), 0);
    QString message;
    EXPECT_FALSE(ReadPlanFile(Path("pipe.json"), message, fault).has_value());
    EXPECT_FALSE(ReadKindsFile(Path("pipe.json"), message, fault).has_value());
    EXPECT_FALSE(ReadPageOptionsFile(Path("pipe.json"), message, fault).has_value());
    EXPECT_EQ(fault, EReadFault::Unusable);
    EXPECT_TRUE(message.endsWith(QString::fromUtf16(u"：这不是普通文件。")))
        << message.toStdString();
    EXPECT_FALSE(ReadPlanFile(Path("none.json"), message, fault).has_value());
    EXPECT_EQ(fault, EReadFault::Missing);

    const auto kind = MakeKind({{1, 20}, {1, 20}}, {u"＋$$$"}, {1, 20}, 1, u"甲");
    CSheetPlan plan;
    CSavedKinds kinds;
    for (size_t k = 0; k < MaxSavedKinds; ++k) {
        if (k < MaxPlanSections) {
            plan.Add(kind, 1);
        }
        kinds.Put(MakeKind({{1, 20}, {1, 20}}, {u"＋$$$"}, {1, 20}, 1,
                           u"题型" + QString::number(k).toStdU16String()));
    }
    ASSERT_TRUE(WritePlanFile(Path("plan.json"), plan, message));
    ASSERT_TRUE(WriteKindsFile(Path("kinds.json"), kinds, message));
    EXPECT_TRUE(ReadPlanFile(Path("plan.json"), message, fault).has_value());
    EXPECT_TRUE(ReadKindsFile(Path("kinds.json"), message, fault).has_value());

    plan.Add(kind, 1);
    kinds.Put(kind);
    ASSERT_TRUE(WritePlanFile(Path("plan.json"), plan, message));
    ASSERT_TRUE(WriteKindsFile(Path("kinds.json"), kinds, message));
    EXPECT_FALSE(ReadPlanFile(Path("plan.json"), message, fault).has_value());
    EXPECT_TRUE(message.endsWith(QString::fromUtf16(u"有 501 节，超过了 500 节的上限，没有打开。")))
        << message.toStdString();
    EXPECT_FALSE(ReadKindsFile(Path("kinds.json"), message, fault).has_value());
    EXPECT_TRUE(
        message.endsWith(QString::fromUtf16(u"有 5001 个题型，超过了 5000 个的上限，没有打开。")))
        << message.toStdString();
    EXPECT_EQ(fault, EReadFault::Unusable);
}

} // namespace
} // namespace kelvo
