#include "MainWindowFixture.h"

#include "store/PlanFiles.h"
#include "support/KindFactory.h"

#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSpinBox>
#include <QTest>

namespace kelvo {
namespace {

QString Q(const char16_t* text) {
    return QString::fromUtf16(text);
}

class PlanTest : public MainWindowFixture {
protected:
    void SetUp() override {
        MainWindowFixture::SetUp();
        window->show();
    }

    void Click(const char* name) const {
        QTest::mouseClick(Find<QPushButton>(QString::fromLatin1(name)), Qt::LeftButton);
    }
    QTableWidget* Table() const { return Find<QTableWidget>(QStringLiteral("tblPlan")); }
    // Picks a preset and adds it with the count typed into the box beside "加入试卷".
    void AddSection(const char16_t* title, int count) const {
        SelectQuestionType(title);
        auto* box = Find<CNumberBox>(QStringLiteral("txtSectionCount"));
        box->selectAll();
        QTest::keyClicks(box, QString::number(count));
        Click("cmdAddSection");
    }
    void ClickRow(int row) const {
        QTableWidget* table = Table();
        QTest::mouseClick(table->viewport(), Qt::LeftButton, {},
                          table->visualItemRect(table->item(row, 0)).center());
    }
    // Each row as "title count admitted", once the counts of a restored or
    // opened plan are worked out.
    QStringList Rows() const {
        const auto isCounting = [this] {
            for (int r = 0; r < Table()->rowCount(); ++r) {
                if (Table()->item(r, 2)->text().isEmpty()) {
                    return true;
                }
            }
            return false;
        };
        for (int turn = 0; turn < 1000 && isCounting(); ++turn) {
            QCoreApplication::processEvents();
        }
        QStringList rows;
        for (int r = 0; r < Table()->rowCount(); ++r) {
            QStringList cells;
            for (int c = 0; c < 3; ++c) {
                cells << Table()->item(r, c)->text();
            }
            rows << cells.join(u' ');
        }
        return rows;
    }
    QString PlanPath(const char* name) const {
        return m_folder.filePath(QString::fromLatin1(name));
    }
    void Reopen() {
        window->close();
        window = MakeWindow();
    }

    QString& chosenPath = dialogs.fileAnswer;
    QString& kindName = dialogs.textAnswer;
    std::vector<QString>& suggestedNames = dialogs.textSuggestions;
};

TEST_F(PlanTest, SectionsAreAddedMovedRemovedAndMadeInOrderUnderHeadings) {
    AddSection(u"20以内的进位加法", 12);
    AddSection(u"20以内的进位加法", 8);
    AddSection(u"9加几", 15);
    EXPECT_EQ(Rows(), (QStringList{Q(u"20以内的进位加法 12 63"), Q(u"20以内的进位加法 8 63"),
                                   Q(u"9加几 15 10")}));
    ClickRow(2);
    Click("cmdSectionUp");
    ClickRow(0);
    Click("cmdRemoveSection");
    ASSERT_EQ(Rows(), (QStringList{Q(u"9加几 15 10"), Q(u"20以内的进位加法 8 63")}));

    Click("cmdCreate");
    const QString text = Output();
    EXPECT_EQ(text.count(u'='), 23);
    const qsizetype first = text.indexOf(Q(u"一、9加几\n"));
    const qsizetype second = text.indexOf(Q(u"二、20以内的进位加法\n"));
    EXPECT_GE(first, 0);
    EXPECT_GT(second, first);
    auto* status = Find<QLabel>(QStringLiteral("lblStatus"));
    EXPECT_TRUE(status->isVisible());
    EXPECT_EQ(status->text(), Q(u"一、9加几：该题型只有10道不同的题目，试卷中会有重复。"));

    // Mixed, the same sections share one grid without headings.
    QTest::mouseClick(Find<QCheckBox>(QStringLiteral("chkMixSections")), Qt::LeftButton);
    Click("cmdCreate");
    EXPECT_EQ(Output().count(u'='), 23);
    EXPECT_FALSE(Output().contains(Q(u"一、")));
    // An empty plan makes the panel's kind again.
    Click("cmdClearPlan");
    Click("cmdCreate");
    EXPECT_EQ(Output().count(u'='), 50);
    EXPECT_EQ(status->text(), Q(u"该题型只有10道不同的题目，试卷中会有重复。"));
}

TEST_F(PlanTest, ACountIsEditedInTheListAndAChangedKindIsDescribed) {
    AddSection(u"9加几", 5);
    // The panel no longer shows "9加几": the section is named after what it shows.
    EnterText(Box("txtLimits", 1), QStringLiteral("8"));
    Click("cmdAddSection");
    ASSERT_EQ(Table()->rowCount(), 2);
    EXPECT_EQ(Table()->item(1, 0)->text(), Q(u"8～9＋1～10，得数0～19"));

    QTableWidget* table = Table();
    const QPoint cell = table->visualItemRect(table->item(0, 1)).center();
    QTest::mouseClick(table->viewport(), Qt::LeftButton, {}, cell);
    QTest::mouseDClick(table->viewport(), Qt::LeftButton, {}, cell);
    auto* editor = table->findChild<QSpinBox*>();
    ASSERT_NE(editor, nullptr);
    editor->selectAll();
    QTest::keyClicks(editor, QStringLiteral("30"));
    QTest::keyClick(editor, Qt::Key_Return);
    // The list takes the edit once the editor has seen the key.
    QCoreApplication::processEvents();
    EXPECT_EQ(window->PlanController().Plan().Sections()[0].count, 30);
    EXPECT_EQ(Rows().front(), Q(u"9加几 30 10"));
    EXPECT_EQ(table->item(0, 2)->toolTip(), Q(u"该题型只有10道不同的题目，试卷中会有重复。"));
}

TEST_F(PlanTest, APlanFileOpensAsSavedAndABadOneChangesNothing) {
    AddSection(u"20以内的借位减法", 7);
    AddSection(u"10以内的连加", 9);
    QTest::mouseClick(Find<QCheckBox>(QStringLiteral("chkMixSections")), Qt::LeftButton);
    chosenPath = PlanPath("plan.json");
    Click("cmdSavePlan");
    ASSERT_TRUE(messages.empty());
    const QStringList saved = Rows();
    Click("cmdClearPlan");
    Click("cmdOpenPlan");
    EXPECT_EQ(Rows(), saved);
    EXPECT_TRUE(Find<QCheckBox>(QStringLiteral("chkMixSections"))->isChecked());
    EXPECT_TRUE(window->PlanController().Plan().IsMixed());

    const auto write = [](const QString& path, const QByteArray& bytes) {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    };
    QFile planFile(PlanPath("plan.json"));
    ASSERT_TRUE(planFile.open(QIODevice::ReadOnly));
    QJsonObject later = QJsonDocument::fromJson(planFile.readAll()).object();
    later.insert(QStringLiteral("version"), PlanFileVersion + 1);
    write(PlanPath("later.json"), QJsonDocument(later).toJson());
    write(PlanPath("damaged.json"), QByteArray("{\"format\": \"kelvo-plan\", \"versi"));
    QDir(m_folder.path()).mkdir(QStringLiteral("folder.json"));
    const struct {
        const char* file;
        const char16_t* message;
    } cases[] = {
        {"later.json", u"是较新版本的Kelvo保存的，这个版本无法打开。"},
        {"damaged.json", u"已损坏，或者不是Kelvo的试卷文件。"},
        {"folder.json", u"无法读取文件"},
    };
    AddSection(u"9加几", 3);
    const QStringList before = Rows();
    for (const auto& c : cases) {
        messages.clear();
        chosenPath = PlanPath(c.file);
        Click("cmdOpenPlan");
        ASSERT_EQ(messages.size(), 1u) << c.file;
        EXPECT_TRUE(messages.front().contains(Q(c.message))) << messages.front().toStdString();
        EXPECT_EQ(Rows(), before);
    }
}

// The plan and the saved kinds never grow beyond what their files may hold
// at the next start; a kind saved again under its name still replaces it.
TEST_F(PlanTest, AFullPlanOrListOfKindsTakesNoMore) {
    CSheetPlan plan;
    CSavedKinds kinds;
    for (size_t k = 0; k < MaxSavedKinds; ++k) {
        const auto kind = testing::MakeKind({{1, 9}, {1, 9}}, {u"＋$$$"}, {2, 18}, 0,
                                            u"题型" + QString::number(k).toStdU16String());
        if (k < MaxPlanSections) {
            plan.Add(kind, 1);
        }
        kinds.Put(kind);
    }
    window->close();
    QString message;
    ASSERT_TRUE(WritePlanFile(PlanPath("KelvoPlan.json"), plan, message));
    ASSERT_TRUE(WriteKindsFile(PlanPath("KelvoKinds.json"), kinds, message));
    window = MakeWindow();
    AddSection(u"9加几", 3);
    kindName = Q(u"新题型");
    Click("cmdSaveKind");
    kindName = Q(u"题型7");
    Click("cmdSaveKind");
    EXPECT_EQ(messages, (std::vector<QString>{Q(u"试卷最多有 500 节，不能再加入。"),
                                              Q(u"最多能保存 5000 个题型，不能再保存新的题型。")}));
    EXPECT_EQ(Table()->rowCount(), 500);
}

TEST_F(PlanTest, TheLastPlanAndTheSavedKindsComeBackAtStart) {
    AddSection(u"20以内的借位减法", 7);
    EnterText(Box("txtLimits", 1), QStringLiteral("30"));
    kindName = Q(u"三十以内");
    Click("cmdSaveKind");
    ASSERT_EQ(suggestedNames.size(), 1u);
    EXPECT_EQ(suggestedNames.front(), Q(u"1～30－1～20，得数0～20，有借位"));
    auto* list = Find<QComboBox>(QStringLiteral("cboQuestionType"));
    ASSERT_EQ(list->count(), 112);
    EXPECT_EQ(list->currentText(), Q(u"三十以内"));
    AddSection(u"三十以内", 4);

    Reopen();
    // The window comes before the counts: a long plan never holds it up.
    EXPECT_TRUE(Table()->item(0, 2)->text().isEmpty());
    EXPECT_TRUE(Table()->item(1, 2)->text().isEmpty());
    list = Find<QComboBox>(QStringLiteral("cboQuestionType"));
    const QStringList rows = Rows();
    EXPECT_EQ(rows, (QStringList{Q(u"20以内的借位减法 7 63"),
                                 Q(u"三十以内 4 ") + Table()->item(1, 2)->text()}));
    EXPECT_FALSE(Table()->item(1, 2)->text().isEmpty());
    ASSERT_EQ(list->count(), 112);
    EXPECT_EQ(list->itemText(77), Q(u"三位整十数乘以两位整十数"));
    EXPECT_TRUE(list->itemText(110).isEmpty()) << "a separator";
    SelectQuestionType(u"三十以内");
    EXPECT_EQ(Box("txtLimits", 1)->text(), QStringLiteral("30"));

    // A preset's name is taken; nothing is saved.
    kindName = Q(u"9加几");
    Click("cmdSaveKind");
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages.front(), Q(u"预设题型中已有“9加几”，请换一个名称。"));
    EXPECT_EQ(list->count(), 112);
}

// The rule boxes belong to the kind: a ticked rule changes what the kind
// admits, goes into a saved kind and the plan and comes back with them; a
// preset shows every rule off.
TEST_F(PlanTest, RulesTickedOnThePanelGoWithTheKind) {
    SelectQuestionType(u"1到5的乘法口诀");
    EXPECT_FALSE(Check("chkRules", 0)->isEnabled()) << "two operands have no intermediate result";
    QTest::mouseClick(Check("chkRules", 1), Qt::LeftButton);
    kindName = Q(u"不乘0和1");
    Click("cmdSaveKind");
    ASSERT_EQ(suggestedNames.size(), 1u);
    EXPECT_EQ(suggestedNames.front(), Q(u"1～5×1～9，得数1～100，不出现 ×0、×1、÷1"));
    AddSection(u"不乘0和1", 5);
    SelectQuestionType(u"1到5的乘法口诀");
    EXPECT_FALSE(Check("chkRules", 1)->isChecked());

    Reopen();
    EXPECT_EQ(Rows(), QStringList{Q(u"不乘0和1 5 32")});
    SelectQuestionType(u"不乘0和1");
    EXPECT_TRUE(Check("chkRules", 1)->isChecked());
}

} // namespace
} // namespace kelvo
