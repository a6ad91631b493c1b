#include "ui/PlanFiles.h"
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

namespace kelvo {
namespace {

using testing::MakeKind;

// Every field of every section, in one text to compare.
QString Describe(const CSheetPlan& plan) {
    QString text = plan.IsMixed() ? QStringLiteral("mixed") : QStringLiteral("in order");
    for (const CSheetSection& section : plan.Sections()) {
        const CQuestionData& kind = *section.kind;
        text += QStringLiteral(" | %1 ×%2 cbr %3:")
                    .arg(QString::fromStdU16String(kind.Title()))
                    .arg(section.count)
                    .arg(kind.Cbr());
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

    QTemporaryDir m_folder;
};

TEST_F(PlanFilesTest, APlanComesBackAsItWasSaved) {
    CSheetPlan plan;
    plan.SetIsMixed(true);
    plan.Add(MakeKind({{1, 20}, {1, 20}}, {u"＋$$$"}, {1, 20}, 1, u"20以内的进位加法"), 20);
    plan.Add(MakeKind({{10, 90, 10}, {2, 9}, {100, 900, 100}}, {u"＋－$$", u"$$×÷"}, {0, 10000}, 0,
                      u"三个"),
             7);
    plan.Add(MakeKind({{0, 5}, {0, 5}, {0, 5}, {0, 5}}, {u"＋$$$", u"$－$$", u"＋$$$$"}, {0, 9}, 0,
                      u"四个"),
             5000);
    QString message;
    ASSERT_TRUE(WritePlanFile(Path("plan.json"), plan, message));
    const auto read = ReadPlanFile(Path("plan.json"), message);
    ASSERT_TRUE(read.has_value()) << message.toStdString();
    EXPECT_EQ(Describe(*read), Describe(plan));
    EXPECT_TRUE(message.isEmpty());

    CSavedKinds kinds;
    kinds.Put(plan.Sections()[1].kind);
    ASSERT_TRUE(WriteKindsFile(Path("kinds.json"), kinds, message));
    const auto readKinds = ReadKindsFile(Path("kinds.json"), message);
    ASSERT_TRUE(readKinds.has_value());
    ASSERT_EQ(readKinds->Kinds().size(), 1u);
    EXPECT_EQ(readKinds->Kinds()[0]->Operator2(), u"$$×÷");
    // Each file is only what it says it is.
    EXPECT_FALSE(ReadPlanFile(Path("kinds.json"), message).has_value());
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
        withKind(valid, [](QJsonObject& kind) { kind[QStringLiteral("title")] = QString(); }),
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
        EXPECT_FALSE(ReadPlanFile(Path("changed.json"), message).has_value()) << i;
        EXPECT_TRUE(message.contains(QString::fromUtf16(u"已损坏"))) << i;
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

} // namespace
} // namespace kelvo
