#include "HistoryFixture.h"

#include "drill/CAnswer.h"
#include "drill/FormAnswers.h"
#include "store/HistorySchema.h"

#include <QFile>

#include <algorithm>

namespace kelvo::test {
namespace {

using CDrillHistoryTest = HistoryFixture;

const QString NineAdd = QStringLiteral("9加几");

TEST_F(CDrillHistoryTest, AFinishedDrillKeepsItsRowItsMissedQuestionsAndTheirBookEntries) {
    const auto slip = Question(27, Op::Plus, 15, 42);
    ASSERT_TRUE(m_history->Record(
        Drill(NineAdd, {{Kept(NineAdd, slip), 32},
                        {Kept(NineAdd, Question(9, Op::Plus, 4, 13)), std::nullopt}})));
    m_now = m_now.addDays(1);
    CDrillRecord again = Drill(NineAdd, {{Kept(NineAdd, slip), 52}});
    again.result.mode = 3;
    again.result.timeLimit.reset();
    again.result.secondsUsed.reset();
    ASSERT_TRUE(m_history->Record(again));

    const std::vector<CPastDrill> drills = m_history->Drills();
    ASSERT_EQ(drills.size(), 2u);
    EXPECT_EQ(drills[0].finishedAt, m_now);
    EXPECT_EQ(drills[0].result.mode, 3);
    EXPECT_FALSE(drills[0].result.timeLimit.has_value());
    const CDrillResult& first = drills[1].result;
    EXPECT_EQ(QString::fromStdU16String(first.kind), NineAdd);
    EXPECT_EQ(first.mode, 2);
    EXPECT_EQ(first.timeLimit, 60);
    EXPECT_EQ(first.secondsUsed, 42);
    EXPECT_EQ(first.right, 28);
    EXPECT_EQ(first.wrong, 2);
    EXPECT_EQ(first.score, 93);
    EXPECT_EQ(QString::fromStdU16String(first.grade), QStringLiteral("童生"));

    EXPECT_EQ(Sql(QStringLiteral("SELECT group_concat(operands || '=' || answer || ' ' || "
                                 "ifnull(choice, '-'), ';') FROM missed_questions")),
              QStringLiteral("0:27 1:15=42 32;0:9 1:4=13 -;0:27 1:15=42 52"));
    const std::vector<CBookEntry> book = m_history->MistakeBook();
    ASSERT_EQ(book.size(), 2u);
    EXPECT_EQ(QString::fromStdU16String(book[0].kept.question->LeftPartToString().ToString()),
              QStringLiteral("27＋15="));
    EXPECT_EQ(book[0].kept.question->ResultValue(), 42);
    EXPECT_EQ(book[0].missed, 2);
    EXPECT_EQ(book[0].lastMissed, m_now);
    EXPECT_EQ(book[1].missed, 1);
    EXPECT_EQ(book[1].kept.resultLimit.UpperLimit(), 100);
    EXPECT_TRUE(m_history->TakeMessage().isEmpty());
}

// Each fact's mastery is kept in the file and brought up to date with the
// drills recorded since; a child's answers count for that child alone.
TEST_F(CDrillHistoryTest, MasteryFollowsTheAnswersAndIsKeptBetweenAsks) {
    QuestionList facts;
    for (int32_t b = 1; b <= 3; ++b) {
        auto fact = std::make_shared<CExprValue>(*Question(9, Op::Plus, b, 9 + b));
        facts.Add(std::move(fact));
    }
    const auto drill = [&](std::vector<std::pair<int32_t, std::optional<int32_t>>> answers) {
        CDrillRecord record = Drill(NineAdd, {});
        for (const auto& [b, given] : answers) {
            record.answers.push_back({Kept(NineAdd, Question(9, Op::Plus, b, 9 + b)),
                                      given ? std::optional<CAnswer>(*given) : std::nullopt, 1200});
        }
        ASSERT_TRUE(m_history->Record(record));
    };
    const auto states = [&] {
        std::vector<EFactState> shown;
        for (const CFactMastery& fact : m_history->MasteryOfFacts(NineAdd, facts, 3000)) {
            shown.push_back(fact.State());
        }
        return shown;
    };
    drill({{1, 10}, {2, 99}, {1, 10}});
    EXPECT_EQ(states(),
              (std::vector{EFactState::Fluent, EFactState::Learning, EFactState::Unseen}));
    m_now = m_now.addDays(1);
    drill({{2, 11}, {3, std::nullopt}});
    EXPECT_EQ(states(), (std::vector{EFactState::Fluent, EFactState::Fluent, EFactState::Unseen}))
        << "the new drill counts; a question not reached is no answer";
    EXPECT_EQ(Sql(QStringLiteral("SELECT count(*) FROM fact_mastery")).toInt(), 2);
    EXPECT_EQ(m_history->MasteryOfFacts(NineAdd, facts, 3000)[1].Box(), 2)
        << "missed, then fluent on its review day";
    EXPECT_EQ(m_history->MasteryOfFacts(NineAdd, facts, 1000)[0].State(), EFactState::Slow)
        << "another fluent time counts every answer afresh";

    m_history->SetChild(*m_history->AddChild(QStringLiteral("小明")));
    EXPECT_EQ(states(), (std::vector(3, EFactState::Unseen)));
    EXPECT_TRUE(m_history->TakeMessage().isEmpty());
}

// "48－（12＋9）=27", "17÷5=3……2" and "0.3×0.2=0.06" come back from the book as
// they were asked; the wrong answers "2……7" and "0.6" are kept as the child
// gave them, and a whole question's operands as they always were.
TEST_F(CDrillHistoryTest, ParenthesesRemaindersAndDecimalsComeBackFromTheBook) {
    auto grouped = std::make_shared<CExprValue>();
    const std::array<CExprValue::OperandValue, 3> operands{
        {{Op::None, 48}, {Op::Minus, 12}, {Op::Plus, 9}}};
    grouped->CreateFrom(operands, 27);
    grouped->SetGrouping({1, 2});
    // "8＋5 ○ 48－（12＋9）" keeps its right side, parentheses and all.
    auto compared = std::make_shared<CExprValue>(*Question(8, Op::Plus, 5, 13));
    compared->SetForm(QuestionForm::Compare);
    compared->SetComparedQuestion(grouped);
    auto decimal = std::make_shared<CExprValue>(*Question(3, Op::Times, 2, 6));
    decimal->SetUnits({{1, 1}, 2});
    ASSERT_TRUE(m_history->Record(
        Drill(NineAdd, {{Kept(NineAdd, grouped), 45},
                        {Kept(NineAdd, Question(17, Op::Divide, 5, 3)), CAnswer(2, 7)},
                        {Kept(NineAdd, compared), CAnswer::Signs(u"＞")},
                        {Kept(NineAdd, decimal), CAnswer::Scaled(6, 1)}})));
    EXPECT_EQ(Sql(QStringLiteral("SELECT group_concat(choice, ' ') FROM missed_questions")),
              QStringLiteral("45 2……7 ＞ 0.6"));
    EXPECT_EQ(Sql(QStringLiteral("SELECT group_concat(operands, '|') FROM missed_questions")),
              QStringLiteral("0:48 2:12 1:9 (1-2)|0:17 4:5|0:8 1:5 cmp=0:48,2:12,1:9,(1-2)|"
                             "0:3 3:2 dec=1,1,2"));
    std::vector<std::u16string> shown;
    for (const CBookEntry& entry : m_history->MistakeBook()) {
        shown.push_back(DrillQuestionText(*entry.kept.question) +
                        CAnswer::RightFor(*entry.kept.question).Text());
    }
    std::sort(shown.begin(), shown.end());
    EXPECT_EQ(shown, (std::vector<std::u16string>{u"0.3×0.2=0.06", u"17÷5=3……2",
                                                  u"48－（12＋9）=27", u"8＋5 ○ 48－（12＋9）＜"}));
}

// "1/2＋1/3=5/6" missed as "2/5" comes back from the book as it was asked,
// and so does "3/4 ○ 2/3"; quotients of fractions and decimals come back
// without a remainder.
TEST_F(CDrillHistoryTest, FractionsComeBackFromTheBook) {
    const auto unit = [](int32_t code) { return static_cast<int16_t>(code); };
    const struct {
        int32_t a;
        int32_t code;
        int32_t b;
        int32_t result;
        CDecimalUnits units;
        const char16_t* asked;
        QuestionForm form = QuestionForm::Calculate;
    } cases[] = {
        {1,
         Op::Plus,
         1,
         5,
         {{unit(FractionUnit(2)), unit(FractionUnit(3))}, unit(MixedFractionUnit(6))},
         u"1/2＋1/3=5/6"},
        {2,
         Op::Divide,
         4,
         5,
         {{unit(FractionUnit(3)), unit(FractionUnit(5))}, unit(FractionUnit(6))},
         u"2/3÷4/5=5/6"},
        {6, Op::Divide, 4, 15, {{1, 1}, 1}, u"0.6÷0.4=1.5"},
        {3,
         Op::Plus,
         2,
         9,
         {{unit(FractionUnit(4)), unit(FractionUnit(3))}, unit(FractionUnit(12))},
         u"3/4 ○ 2/3＞",
         QuestionForm::CompareNumbers},
    };
    for (const auto& c : cases) {
        auto question = std::make_shared<CExprValue>(*Question(c.a, c.code, c.b, c.result));
        question->SetUnits(c.units);
        question->SetRemainderValue(-1);
        if (c.form == QuestionForm::CompareNumbers) {
            question->SetForm(c.form);
            question->SetComparand(question->SecondNumberInResultUnit());
        }
        ASSERT_TRUE(m_history->Record(
            Drill(NineAdd, {{Kept(NineAdd, question), CAnswer::Fraction(2, 5)}})));
    }
    std::vector<std::u16string> shown;
    for (const CBookEntry& entry : m_history->MistakeBook()) {
        shown.push_back(DrillQuestionText(*entry.kept.question) +
                        CAnswer::RightFor(*entry.kept.question).Text());
    }
    std::vector<std::u16string> asked;
    for (const auto& c : cases) {
        asked.emplace_back(c.asked);
    }
    std::ranges::sort(shown);
    std::ranges::sort(asked);
    EXPECT_EQ(shown, asked);
}

// Each step: the day, whether the question is missed (else answered right in
// review), and what the book holds afterwards.
struct ReviewStep {
    int day;
    bool missed;
    int expectedMissed; // 0: out of the book
    bool rightOnce;
};

TEST_F(CDrillHistoryTest, AMistakeLeavesTheBookAfterRightReviewsOnTwoDaysSinceItsLastMiss) {
    const auto question = Question(42, Op::Minus, 17, 25);
    const std::vector<ReviewStep> steps{
        {0, true, 1, false}, {0, false, 1, true},  {0, false, 1, true}, // the same day again
        {1, true, 2, false},                                            // a miss starts over
        {1, false, 2, true}, {2, false, 0, false},
    };
    const QDateTime start = m_now;
    for (size_t i = 0; i < steps.size(); ++i) {
        m_now = start.addDays(steps[i].day);
        const std::vector<CBookEntry> before = m_history->MistakeBook();
        if (steps[i].missed) {
            ASSERT_TRUE(m_history->Record(Drill(NineAdd, {{Kept(NineAdd, question), 35}})));
        } else {
            ASSERT_EQ(before.size(), 1u);
            ASSERT_TRUE(m_history->Record(Drill(QStringLiteral("错题重练"), {}, {before[0].id})));
        }
        const std::vector<CBookEntry> after = m_history->MistakeBook();
        if (steps[i].expectedMissed == 0) {
            EXPECT_TRUE(after.empty()) << "step " << i;
            continue;
        }
        ASSERT_EQ(after.size(), 1u) << "step " << i;
        EXPECT_EQ(after[0].missed, steps[i].expectedMissed) << "step " << i;
        EXPECT_EQ(after[0].rightDay.isValid(), steps[i].rightOnce) << "step " << i;
    }
}

TEST_F(CDrillHistoryTest, AReviewTakesTheMostMissedThenTheLatestAndTheBookGroupsByKind) {
    const QString tables = QStringLiteral("乘法口诀");
    const auto often = Question(7, Op::Times, 8, 56);
    ASSERT_TRUE(m_history->Record(Drill(
        tables, {{Kept(tables, often), 49}, {Kept(tables, Question(6, Op::Times, 7, 42)), 48}})));
    m_now = m_now.addSecs(60);
    ASSERT_TRUE(m_history->Record(Drill(
        NineAdd, {{Kept(NineAdd, Question(9, Op::Plus, 3, 12)), 13}, {Kept(tables, often), 63}})));

    auto texts = [](const std::vector<CBookEntry>& entries) {
        QStringList list;
        for (const CBookEntry& entry : entries) {
            list.append(
                QString::fromStdU16String(entry.kept.kind) + u' ' +
                QString::fromStdU16String(entry.kept.question->LeftPartToString().ToString()));
        }
        return list.join(u'|');
    };
    EXPECT_EQ(texts(m_history->ReviewEntries(2)), QStringLiteral("乘法口诀 7×8=|9加几 9＋3="));
    EXPECT_EQ(texts(m_history->MistakeBook()),
              QStringLiteral("9加几 9＋3=|乘法口诀 7×8=|乘法口诀 6×7="));
}

TEST_F(CDrillHistoryTest, AFileOfTheFirstVersionKeepsItsDrillsAndFillsTheBook) {
    {
        QSqlDatabase db =
            QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("first-version"));
        db.setDatabaseName(DatabasePath());
        ASSERT_TRUE(db.open());
        ASSERT_FALSE(UpgradeHistorySchema(db, 1).isValid());
        QSqlQuery query(db);
        for (const char* statement :
             {"INSERT INTO drills VALUES (1, '2024-05-01T08:00:00', '9加几', 1, NULL, 95, 29, 1, "
              "96, '榜眼')",
              "INSERT INTO drills VALUES (2, '2024-05-02T08:00:00', '9加几', 3, NULL, NULL, 29, 1, "
              "96, '榜眼')",
              "INSERT INTO missed_questions VALUES (1, 1, '0:9 1:6', 15, 16)",
              "INSERT INTO missed_questions VALUES (2, 2, '0:9 1:6', 15, NULL)"}) {
            ASSERT_TRUE(query.exec(QString::fromUtf8(statement)));
        }
    }
    QSqlDatabase::removeDatabase(QStringLiteral("first-version"));

    ASSERT_EQ(m_history->Drills().size(), 2u);
    const std::vector<CBookEntry> book = m_history->MistakeBook();
    ASSERT_EQ(book.size(), 1u);
    EXPECT_EQ(QString::fromStdU16String(book[0].kept.kind), NineAdd);
    EXPECT_EQ(book[0].missed, 2);
    EXPECT_EQ(book[0].lastMissed, QDateTime(QDate(2024, 5, 2), QTime(8, 0)));
    EXPECT_EQ(book[0].kept.resultLimit.UpperLimit(), 10000);
    EXPECT_EQ(Sql(QStringLiteral("PRAGMA user_version")).toInt(), HistorySchemaVersion);
    EXPECT_TRUE(m_history->TakeMessage().isEmpty());
}

// The file as Kelvo kept it before the answers were timed: its drills, missed
// questions and mistake book stay, and the next drill keeps every answer's time.
TEST_F(CDrillHistoryTest, AFileOfTheSecondVersionKeepsEverythingAndTimesTheNextDrill) {
    {
        QSqlDatabase db =
            QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("second-version"));
        db.setDatabaseName(DatabasePath());
        ASSERT_TRUE(db.open());
        ASSERT_FALSE(UpgradeHistorySchema(db, 2).isValid());
        QSqlQuery query(db);
        for (const char* statement :
             {"INSERT INTO drills VALUES (1, '2024-05-01T08:00:00', '9加几', 2, 60, 55, 29, 1, "
              "96, '榜眼')",
              "INSERT INTO missed_questions VALUES (1, 1, '0:9 1:6', 15, 16)",
              "INSERT INTO mistake_book VALUES (7, '9加几', '0:9 1:6', 15, 10, 19, 1, 3, "
              "'2024-05-01T08:00:00', '2024-05-02')"}) {
            ASSERT_TRUE(query.exec(QString::fromUtf8(statement)));
        }
    }
    QSqlDatabase::removeDatabase(QStringLiteral("second-version"));

    const std::vector<CPastDrill> drills = m_history->Drills();
    ASSERT_EQ(drills.size(), 1u);
    const CDrillResult& old = drills[0].result;
    EXPECT_EQ(old.timeLimit, 60);
    EXPECT_EQ(old.secondsUsed, 55);
    EXPECT_EQ(old.grade, u"榜眼");
    EXPECT_EQ(old.answerMode, 1);
    EXPECT_EQ(old.millisecondsUsed, std::nullopt);
    EXPECT_EQ(old.target, std::nullopt);
    const std::vector<CBookEntry> book = m_history->MistakeBook();
    ASSERT_EQ(book.size(), 1u);
    EXPECT_EQ(book[0].id, 7);
    EXPECT_EQ(book[0].missed, 3);
    EXPECT_EQ(book[0].kept.resultLimit.LowerLimit(), 10);
    EXPECT_EQ(book[0].rightDay, QDate(2024, 5, 2));
    EXPECT_EQ(Sql(QStringLiteral("SELECT choice FROM missed_questions")).toInt(), 16);
    EXPECT_EQ(Sql(QStringLiteral("PRAGMA user_version")).toInt(), HistorySchemaVersion);

    CDrillRecord timed = Drill(NineAdd, {});
    for (int32_t k = 0; k < 30; ++k) {
        timed.answers.push_back({Kept(NineAdd, Question(9, Op::Plus, k % 10 + 1, 10 + k % 10)),
                                 k < 29 ? std::optional(10 + k % 10) : std::nullopt,
                                 k < 29 ? std::optional(1000 + k) : std::nullopt});
    }
    ASSERT_TRUE(m_history->Record(timed));
    EXPECT_EQ(Sql(QStringLiteral("SELECT count(*) || ' ' || count(given) || ' ' || "
                                 "sum(milliseconds) || ' ' || max(position) FROM answers "
                                 "WHERE drill_id = 2"))
                  .toString(),
              QStringLiteral("30 29 29406 30"));
    const std::vector<CChild> children = m_history->Children();
    ASSERT_EQ(children.size(), 1u);
    EXPECT_EQ(children[0].name, QStringLiteral("我")) << "the kept drills are the first child's";
    const CDrillResult latest = m_history->Drills().front().result;
    EXPECT_EQ(latest.millisecondsUsed, 42000);
    EXPECT_EQ(latest.target, 8);
    EXPECT_TRUE(m_history->TakeMessage().isEmpty());
}

TEST_F(CDrillHistoryTest, ChildrenKeepTheirOwnDrillsAndBooksAndLeaveWithThem) {
    const CKeptQuestion nine = Kept(NineAdd, Question(9, Op::Plus, 4, 13));
    const CKeptQuestion eight = Kept(NineAdd, Question(8, Op::Plus, 5, 13));
    ASSERT_TRUE(m_history->Record(Drill(NineAdd, {{nine, 12}})));
    const std::optional<int64_t> ming = m_history->AddChild(QStringLiteral(" 小明 "));
    ASSERT_TRUE(ming.has_value());
    for (const char* taken : {"小明", "  ", "我"}) {
        EXPECT_EQ(m_history->AddChild(QString::fromUtf8(taken)), std::nullopt) << taken;
    }
    m_history->SetChild(*ming);
    ASSERT_TRUE(m_history->Record(Drill(NineAdd, {{nine, 14}, {eight, 12}})));
    ASSERT_TRUE(m_history->KeepChildOptions(2, 10));
    ASSERT_TRUE(m_history->KeepFluentMilliseconds(5000));
    const auto book = [this](int64_t child) {
        m_history->SetChild(child);
        QStringList entries;
        for (const CBookEntry& entry : m_history->MistakeBook()) {
            entries.append(QStringLiteral("%1×%2")
                               .arg(QString::fromStdU16String(
                                   entry.kept.question->LeftPartToString().ToString()))
                               .arg(entry.missed));
        }
        return QStringLiteral("%1 drills: ").arg(m_history->Drills().size()) + entries.join(u' ');
    };
    EXPECT_EQ(book(FirstChildId), QStringLiteral("1 drills: 9＋4=×1"));
    EXPECT_EQ(book(*ming), QStringLiteral("1 drills: 9＋4=×1 8＋5=×1"));

    EXPECT_FALSE(m_history->RenameChild(*ming, QStringLiteral("我")));
    EXPECT_TRUE(m_history->RenameChild(*ming, QStringLiteral("小红")));
    const std::vector<CChild> children = m_history->Children();
    ASSERT_EQ(children.size(), 2u);
    EXPECT_EQ(children[1].name, QStringLiteral("小红"));
    EXPECT_EQ(children[1].answerMode, 2);
    EXPECT_EQ(children[1].target, 10);
    EXPECT_EQ(children[1].fluentMilliseconds, 5000);
    EXPECT_EQ(children[0].fluentMilliseconds, CFactMastery::DefaultFluentMilliseconds);

    ASSERT_TRUE(m_history->RemoveChild(*ming));
    EXPECT_EQ(m_history->Child(), FirstChildId) << "the current child left";
    EXPECT_FALSE(m_history->RemoveChild(FirstChildId)) << "the last child stays";
    EXPECT_EQ(book(FirstChildId), QStringLiteral("1 drills: 9＋4=×1"));
    EXPECT_EQ(Sql(QStringLiteral("SELECT (SELECT count(*) FROM missed_questions) || ' ' || "
                                 "(SELECT count(*) FROM drills)"))
                  .toString(),
              QStringLiteral("1 1"));
    EXPECT_TRUE(m_history->TakeMessage().isEmpty());
}

TEST_F(CDrillHistoryTest, ADamagedFileIsMovedAsideAndANewOneKeepsTheDrill) {
    const QByteArray damaged("this is no database, only the remains of one");
    {
        QFile file(DatabasePath());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(damaged);
    }
    // An earlier damaged file of the same second is kept too.
    const QString earlier = DatabasePath() + QStringLiteral(".damaged-20240603-183000");
    ASSERT_TRUE(QFile(DatabasePath()).copy(earlier));

    ASSERT_TRUE(m_history->Record(Drill(NineAdd, {})));
    const QString aside = earlier + QStringLiteral("-2");
    QFile kept(aside);
    ASSERT_TRUE(kept.open(QIODevice::ReadOnly));
    EXPECT_EQ(kept.readAll(), damaged);
    EXPECT_EQ(m_history->TakeMessage(),
              QStringLiteral("成绩记录文件已损坏，已改名保留为：\n%1\n并新建了成绩记录文件。")
                  .arg(QDir::toNativeSeparators(aside)));
    EXPECT_EQ(m_history->Drills().size(), 1u);
}

QByteArray Bytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<no file>");
}

// A file in a state no Kelvo leaves: a negative or later schema version, a later
// SQLite file format, another program's tables. A Kelvo-looking file is
// damaged and set aside whole; any other is left byte for byte as it was, and
// the drill is graded either way.
TEST_F(CDrillHistoryTest, AFileOfAnUnknownVersionOrAnotherProgramIsNeverChangedNorCrashes) {
    const struct {
        const char* arrange;
        int fileFormatByte; // written over offsets 18 and 19 when not 0
        const char* message;
        bool isSetAside;
    } cases[] = {
        {"PRAGMA user_version = -3", 0, "成绩记录文件已损坏", true},
        {"PRAGMA user_version = -2000000000", 0, "成绩记录文件已损坏", true},
        {"CREATE TABLE pupils (name TEXT)", 0, "成绩记录文件不是Kelvo的成绩记录", false},
        {"CREATE TABLE drills (id INTEGER)", 0, "成绩记录文件不是Kelvo的成绩记录", false},
        {"CREATE TABLE t (x)", 3, "成绩记录文件是较新版本的 Kelvo 写的", false},
    };
    for (const auto& c : cases) {
        QFile::remove(DatabasePath());
        Sql(QString::fromLatin1(c.arrange));
        if (c.fileFormatByte != 0) {
            QFile file(DatabasePath());
            ASSERT_TRUE(file.open(QIODevice::ReadWrite));
            file.seek(18);
            file.write(QByteArray(2, static_cast<char>(c.fileFormatByte)));
        }
        const QByteArray before = Bytes(DatabasePath());
        m_history = std::make_unique<CDrillHistory>(DatabasePath(), [this] { return m_now; });

        EXPECT_EQ(m_history->Record(Drill(NineAdd, {})), c.isSetAside) << c.arrange;
        EXPECT_TRUE(m_history->TakeMessage().startsWith(QString::fromUtf8(c.message))) << c.arrange;
        m_history.reset();
        const QString aside = DatabasePath() + QStringLiteral(".damaged-20240603-183000");
        EXPECT_EQ(Bytes(c.isSetAside ? aside : DatabasePath()), before) << c.arrange;
        EXPECT_FALSE(QFileInfo::exists(DatabasePath() + QStringLiteral("-wal"))) << c.arrange;
        QFile::remove(aside);
    }
}

struct UnusableCase {
    const char* name;
    // Makes the file at `path` unusable, or moves `path` where it is; the
    // returned object keeps it so while it lives.
    std::function<std::shared_ptr<void>(QString& path)> arrange;
    const char* messageStart;
};

class UnusableHistoryTest : public HistoryFixture,
                            public ::testing::WithParamInterface<UnusableCase> {};

// The operation is undone, the user is told once, and the file is left alone.
TEST_P(UnusableHistoryTest, TellsOnceAndChangesNothing) {
    QString path = DatabasePath();
    const std::shared_ptr<void> keeper = GetParam().arrange(path);
    m_history = std::make_unique<CDrillHistory>(path, [this] { return m_now; });
    const QString folder = QFileInfo(m_history->Path()).path();
    const QStringList before = QDir(folder).entryList(QDir::Files);
    EXPECT_FALSE(m_history->Record(Drill(NineAdd, {})));
    EXPECT_TRUE(m_history->TakeMessage().startsWith(QString::fromUtf8(GetParam().messageStart)));
    EXPECT_TRUE(m_history->MistakeBook().empty());
    EXPECT_TRUE(m_history->TakeMessage().isEmpty());
    EXPECT_EQ(QDir(folder).entryList(QDir::Files), before);
}

std::shared_ptr<void> LockedByAnotherConnection(QString& path) {
    auto db = std::make_shared<QSqlDatabase>(
        QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("locker")));
    db->setDatabaseName(path);
    db->open();
    QSqlQuery(*db).exec(QStringLiteral("BEGIN EXCLUSIVE"));
    return std::shared_ptr<void>(new int, [db](int* unused) mutable {
        delete unused;
        db->close();
        db.reset();
        QSqlDatabase::removeDatabase(QStringLiteral("locker"));
    });
}

INSTANTIATE_TEST_SUITE_P(Files, UnusableHistoryTest,
                         ::testing::Values(
                             // The test runs as root as often as not: a file where the folder
                             // should be stops every user alike.
                             UnusableCase{"FolderCannotBeWritten",
                                          [](QString& path) -> std::shared_ptr<void> {
                                              const QString file =
                                                  QFileInfo(path).path() + QStringLiteral("/file");
                                              QFile(file).open(QIODevice::WriteOnly);
                                              path = file + QStringLiteral("/KelvoHistory.sqlite");
                                              return nullptr;
                                          },
                                          "成绩记录文件无法打开或写入"},
                             UnusableCase{
                                 "WrittenByANewerKelvo",
                                 [](QString& path) -> std::shared_ptr<void> {
                                     auto db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"),
                                                                         QStringLiteral("newer"));
                                     db.setDatabaseName(path);
                                     db.open();
                                     QSqlQuery(db).exec(QStringLiteral("PRAGMA user_version = 99"));
                                     db.close();
                                     db = QSqlDatabase();
                                     QSqlDatabase::removeDatabase(QStringLiteral("newer"));
                                     return nullptr;
                                 },
                                 "成绩记录文件是较新版本的 Kelvo 写的"},
                             UnusableCase{"LockedByAnotherProgram", LockedByAnotherConnection,
                                          "成绩记录文件正被另一个程序占用"}),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace kelvo::test
