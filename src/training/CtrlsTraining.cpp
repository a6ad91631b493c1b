#include "training/CtrlsTraining.h"

#include "drill/FormAnswers.h"
#include "drill/KindFacts.h"
#include "drill/MasteryMap.h"
#include "drill/PaperRecord.h"
#include "drill/SpeedTarget.h"
#include "drill/WeakSpots.h"
#include "foundation/RandomSource.h"
#include "generation/CExprValue.h"
#include "generation/CExpression.h"
#include "generation/GenerationDriver.h"
#include "listening/ChineseReading.h"
#include "listeningui/CMandarinSpeaker.h"
#include "store/CDrillHistory.h"
#include "store/HistorySchema.h"
#include "training/frmTraining.h"

#include <algorithm>
#include <array>
#include <unordered_map>
#include <utility>

namespace kelvo {
namespace {

constexpr int32_t kQuestionCount = CDrill::kQuestionCount;
constexpr int32_t kTickMilliseconds = 1000;
constexpr int32_t kKeyStart = 83;
constexpr int32_t kKeyFinish = 70;
constexpr int32_t kKeyCreate = 67;

} // namespace

CtrlsTraining::CtrlsTraining(frmTraining& form, QuestionSource questions, SheetTaker takeSheet,
                             CDrillHistory& history)
    : m_form(form), m_questions(std::move(questions)), m_takeSheet(std::move(takeSheet)),
      m_history(history), m_ctrlsTimer(form), m_reader(&CMandarinSpeaker::Open) {}

void CtrlsTraining::DoFormLoad() {
    ShowChildren();
    CreateQuestions();
}

void CtrlsTraining::ShowChildren() {
    m_children = m_history.Children();
    if (m_children.empty()) {
        // A history that cannot be read still drills, as the first child.
        m_children.push_back({FirstChildId, QStringLiteral("我"), CDrill::kChoosing, std::nullopt});
    }
    const auto current = std::ranges::find(m_children, m_history.Child(), &CChild::id);
    if (current == m_children.end()) {
        m_history.SetChild(m_children.front().id);
    }
    QStringList names;
    for (const CChild& child : m_children) {
        names.append(child.name);
    }
    const CChild& child = CurrentChild();
    m_form.ShowChildren(names, static_cast<int32_t>(&child - m_children.data()));
    const int32_t answerMode = child.answerMode == CDrill::kTyping ? 1 : 0;
    m_form.ShowAnswerMode(answerMode);
    m_form.SetTarget(child.target.value_or(DefaultTarget(FirstSchoolYear)));
    m_form.SetFluentSeconds(child.fluentMilliseconds / 1000);
    DoAnswerModesClicked(answerMode);
}

const CChild& CtrlsTraining::CurrentChild() const {
    return *std::ranges::find(m_children, m_history.Child(), &CChild::id);
}

void CtrlsTraining::KeepChildOptions() {
    m_history.KeepChildOptions(m_drill.AnswerMode(), m_form.Target());
    ShowHistoryMessage();
}

void CtrlsTraining::DoChildChanged(int32_t index) {
    if (m_drill.IsRunning() || index < 0 || static_cast<size_t>(index) >= m_children.size()) {
        return;
    }
    m_history.SetChild(m_children[static_cast<size_t>(index)].id);
    ShowChildren();
}

void CtrlsTraining::DoAddChildClicked() {
    const std::optional<QString> name = m_form.AskChildName(QStringLiteral("添加孩子"), {});
    if (!name) {
        return;
    }
    if (const std::optional<int64_t> id = m_history.AddChild(*name)) {
        m_history.SetChild(*id);
        ShowChildren();
    } else {
        m_form.ShowInfo(QStringLiteral("没有添加：名字是空的或者已经有了。"));
        ShowHistoryMessage();
    }
}

void CtrlsTraining::DoRenameChildClicked() {
    const CChild& child = CurrentChild();
    const std::optional<QString> name = m_form.AskChildName(QStringLiteral("改名"), child.name);
    if (!name) {
        return;
    }
    if (m_history.RenameChild(child.id, *name)) {
        ShowChildren();
    } else {
        m_form.ShowInfo(QStringLiteral("没有改名：名字是空的或者已经有了。"));
        ShowHistoryMessage();
    }
}

void CtrlsTraining::DoRemoveChildClicked() {
    if (m_children.size() < 2) {
        m_form.ShowInfo(QStringLiteral("至少要留下一个孩子。"));
        return;
    }
    const CChild& child = CurrentChild();
    if (m_form.ConfirmRemoval(child.name) && m_history.RemoveChild(child.id)) {
        ShowChildren();
    }
    ShowHistoryMessage();
}

void CtrlsTraining::DoCreateClicked() {
    if (CreateQuestions()) {
        ShowReady();
    }
}

void CtrlsTraining::DoReviewClicked() {
    if (m_drill.IsRunning()) {
        return;
    }
    if (CreateReviewQuestions()) {
        ShowReady();
        m_form.ShowInfo(QStringLiteral("错题重练：错题本里的题目，按“开始”做题。"));
    }
}

void CtrlsTraining::DoDailyPracticeClicked() {
    if (m_drill.IsRunning()) {
        return;
    }
    if (CreateDailyPractice()) {
        ShowReady();
        m_form.ShowInfo(QStringLiteral("今日练习：先练做错的、做得慢的和该复习的题，再加几道新题和"
                                       "已经熟练的题，按“开始”做题。"));
    }
}

void CtrlsTraining::ShowReady() {
    m_form.EnableStart(true);
    m_form.ClearResults();
    m_form.ShowCountdownBar(m_form.CountdownBarWidth());
}

void CtrlsTraining::DoStartClicked() {
    m_form.EnableStart(false);
    m_form.EnableCreate(false);
    m_form.EnableFinish(true);
    if (!m_drill.IsReady() && !CreateQuestions()) {
        return;
    }
    m_form.ClearResults();
    // A restart with S may follow a change of mode: no clock of the last start
    // may tick on.
    m_ctrlsTimer.Stop();
    m_ctrlsTimer.Reset();
    m_drill.SetTarget(m_form.Target());
    KeepChildOptions();
    m_drill.Start();
    m_entry.Clear();
    if (const auto current = m_drill.Current()) {
        m_form.MarkCurrent(*current, true);
    }
    ShowEntry();
    // The drill keeps the mode it was started in.
    m_form.EnableModes(false);
    if (m_drill.Mode() != kScoreOnly) {
        m_ctrlsTimer.Start(m_drill.Mode(), kTickMilliseconds, *this);
    }
    StartReading();
}

void CtrlsTraining::StartReading() {
    if (!m_form.IsReadingAloud()) {
        return;
    }
    std::vector<std::u16string> spoken;
    spoken.reserve(m_drill.Slots().size());
    for (const CDrillSlot& slot : m_drill.Slots()) {
        spoken.push_back(SpokenQuestion(*slot.question.kept.question, 0));
    }
    if (!m_reader.Start(std::move(spoken))) {
        m_form.ShowInfo(QString::fromUtf16(NoMandarinVoiceText));
    }
}

void CtrlsTraining::DoFinishClicked() {
    if (!m_drill.IsRunning()) {
        return;
    }
    if (m_drill.Mode() == kScoreOnly) {
        m_ctrlsTimer.Stop();
    } else {
        m_ctrlsTimer.Finish();
    }
    m_reader.Stop();
    m_form.EnableFinish(false);
    m_form.EnableCreate(true);
    m_form.EnableModes(true);
    if (const auto current = m_drill.Current()) {
        m_form.MarkCurrent(*current, false);
        // Keys typed without Enter are no answer.
        ShowSlot(*current);
    }
    m_drill.Finish();
    ShowEntry();
    // Graded first: the drill counts even when it cannot be recorded.
    ShowResults();
    RecordDrill();
}

// Labels come in threes per question frame: the question, then its two choices.
void CtrlsTraining::DoQuestionsClicked(int32_t index) {
    const int32_t slot = index / 3;
    const int32_t choice = index % 3 - 1;
    if (!m_drill.Choose(slot, choice)) {
        return;
    }
    m_form.ShowChoice(slot, choice);
    m_reader.Answered(slot);
}

void CtrlsTraining::DoModesClicked(int32_t index) {
    static constexpr std::array<int32_t, 3> kModes{kTimeLimited, kTimed, kScoreOnly};
    if (index >= 0 && index < static_cast<int32_t>(kModes.size())) {
        m_drill.SetMode(kModes[static_cast<size_t>(index)]);
    }
}

void CtrlsTraining::DoAnswerModesClicked(int32_t index) {
    if (m_drill.IsRunning()) {
        return;
    }
    const int32_t answerMode = index == 1 ? CDrill::kTyping : CDrill::kChoosing;
    if (answerMode != m_drill.AnswerMode()) {
        m_drill.SetAnswerMode(answerMode);
        KeepChildOptions();
    }
    m_form.ShowKeypad(answerMode == CDrill::kTyping);
    if (m_drill.IsReady()) {
        ShowSlots();
    }
}

void CtrlsTraining::DoSchoolYearChanged(int32_t index) {
    m_form.SetTarget(DefaultTarget(FirstSchoolYear + index));
}

void CtrlsTraining::DoFluentSecondsChanged(int32_t seconds) {
    m_history.KeepFluentMilliseconds(seconds * 1000);
    ShowHistoryMessage();
}

void CtrlsTraining::DoDigitClicked(int32_t digit) {
    if (IsTyping() && CurrentSigns().empty()) {
        m_entry.AddDigit(digit);
        ShowEntry();
    }
}

void CtrlsTraining::DoRemainderClicked() {
    if (IsCurrentWithRemainder()) {
        m_entry.StartRemainder();
        ShowEntry();
    }
}

void CtrlsTraining::DoPointClicked() {
    if (IsCurrentFraction()) {
        m_entry.AddBar();
        ShowEntry();
    } else if (IsCurrentDecimal()) {
        m_entry.AddPoint();
        ShowEntry();
    }
}

void CtrlsTraining::DoBackspaceClicked() {
    if (IsTyping()) {
        m_entry.Backspace();
        ShowEntry();
    }
}

void CtrlsTraining::DoSignClicked(int32_t index) {
    const std::u16string_view signs = CurrentSigns();
    if (index >= 0 && static_cast<size_t>(index) < signs.size()) {
        AddSign(signs[static_cast<size_t>(index)]);
    }
}

void CtrlsTraining::DoSignKeyDown(char16_t key) {
    // The keyboard's / is a fraction's bar; it stands for ÷ only where
    // operators are asked for.
    if (key == u'/' && IsCurrentFraction()) {
        DoPointClicked();
        return;
    }
    const std::optional<char16_t> sign = SignOfKey(key);
    if (sign && CurrentSigns().find(*sign) != std::u16string_view::npos) {
        AddSign(*sign);
    }
}

// The answer is given once every circle has its sign; Enter is not needed.
void CtrlsTraining::AddSign(char16_t sign) {
    const auto current = m_drill.Current();
    if (!current) {
        return;
    }
    m_entry.AddSign(sign);
    if (m_entry.Signs().size() <
        m_drill.Slots()[static_cast<size_t>(*current)].RightAnswer().signs.size()) {
        ShowEntry();
    } else {
        DoEnterClicked();
    }
}

std::u16string_view CtrlsTraining::CurrentSigns() const {
    const auto current = m_drill.Current();
    return current
               ? AnswerSigns(*m_drill.Slots()[static_cast<size_t>(*current)].question.kept.question)
               : std::u16string_view();
}

void CtrlsTraining::ShowSignKeys() {
    const auto current = m_drill.Current();
    const std::vector<CDrillSlot>& frames = m_drill.Slots();
    const std::u16string_view signs = current ? CurrentSigns()
                                      : frames.empty()
                                          ? std::u16string_view()
                                          : AnswerSigns(*frames.front().question.kept.question);
    QStringList keys;
    for (const char16_t sign : signs) {
        keys.append(QChar(sign));
    }
    m_form.ShowSignKeys(keys);
}

void CtrlsTraining::DoEnterClicked() {
    const auto slot = m_drill.Current();
    const std::optional<CAnswer> answer = m_entry.Answer();
    if (!slot || !answer) {
        return;
    }
    m_entry.Clear();
    switch (m_drill.Type(*answer)) {
    case CDrill::Typed::Right:
        m_form.ShowTypedRight(*slot);
        GoOn(*slot, *answer);
        break;
    case CDrill::Typed::Corrected:
        GoOn(*slot, *answer);
        break;
    case CDrill::Typed::Wrong:
        m_form.ShowRightAnswer(
            *slot, QString::fromStdU16String(
                       m_drill.Slots()[static_cast<size_t>(*slot)].RightAnswer().Text()));
        ShowEntry();
        break;
    case CDrill::Typed::StillWrong:
    case CDrill::Typed::Ignored:
        ShowEntry();
        break;
    }
}

void CtrlsTraining::GoOn(int32_t slot, const CAnswer& answer) {
    // As written, without the mark of the place typed into.
    m_form.ShowTyped(slot, QString::fromStdU16String(answer.Text()));
    m_form.MarkCurrent(slot, false);
    m_reader.Answered(slot);
    if (const auto next = m_drill.Current()) {
        m_form.MarkCurrent(*next, true);
    }
    ShowEntry();
}

bool CtrlsTraining::IsCurrentWithRemainder() const {
    const auto current = m_drill.Current();
    return current && m_drill.Slots()[static_cast<size_t>(*current)].RightAnswer().remainder;
}

// The units of the number typed for; none while signs are asked for.
std::optional<CDecimalUnits> CtrlsTraining::CurrentTypedUnits() const {
    const auto current = m_drill.Current();
    if (!current || !CurrentSigns().empty()) {
        return std::nullopt;
    }
    return m_drill.Slots()[static_cast<size_t>(*current)].question.kept.question->Units();
}

bool CtrlsTraining::IsCurrentDecimal() const {
    const auto units = CurrentTypedUnits();
    return units && !units->IsWhole() && !units->HasFraction();
}

bool CtrlsTraining::IsCurrentFraction() const {
    const auto units = CurrentTypedUnits();
    return units && units->HasFraction();
}

// "余" is a key only while the question typed for has a remainder, "." while
// it has decimals, "/" while it has fractions.
void CtrlsTraining::ShowEntry() {
    m_form.EnableRemainderKey(IsCurrentWithRemainder());
    m_form.ShowPointKey(IsCurrentFraction()  ? QStringLiteral("/")
                        : IsCurrentDecimal() ? QStringLiteral(".")
                                             : QString());
    ShowSignKeys();
    const auto current = m_drill.Current();
    if (!current) {
        return;
    }
    if (!CurrentSigns().empty()) {
        m_form.ShowTyped(*current, QString::fromStdU16String(m_entry.Signs()));
        return;
    }
    const QString number = QString::fromStdString(m_entry.Number());
    if (IsCurrentWithRemainder()) {
        const std::optional<std::string>& remainder = m_entry.Remainder();
        m_form.ShowTypedWithRemainder(*current, number,
                                      QString::fromStdString(remainder.value_or(std::string())),
                                      remainder.has_value());
    } else {
        m_form.ShowTyped(*current, number);
    }
}

void CtrlsTraining::DoTimered() {
    m_ctrlsTimer.DoTimered();
}

void CtrlsTraining::DoKeyDown(int32_t keyCode) {
    if (keyCode == kKeyStart && m_drill.IsReady()) {
        DoStartClicked();
    } else if (keyCode == kKeyFinish && m_drill.IsRunning()) {
        DoFinishClicked();
    } else if (keyCode == kKeyCreate && !m_drill.IsRunning()) {
        DoCreateClicked();
    }
}

bool CtrlsTraining::CreateQuestions() {
    PrepareQuestionArea();
    const CQuestionSet questionSet = m_questions(kQuestionCount);
    std::vector<CDrillQuestion> questions;
    if (questionSet.HasQuestions()) {
        const CValueLimit& limit = *questionSet.templates.front()->ResultOperand()->Limit();
        for (int32_t i = 1; i <= questionSet.questions.Count(); ++i) {
            questions.push_back({{questionSet.title, questionSet.questions.Item(i), limit}});
        }
    }
    return ShowDrill(questionSet.title, std::move(questions),
                     QStringLiteral("无法生成试题，可能您设计的算式有错误，请到主窗口修改算式。"));
}

bool CtrlsTraining::CreateReviewQuestions() {
    PrepareQuestionArea();
    return ShowDrill(u"错题重练", ReviewQuestions(), QStringLiteral("错题本里没有题目。"));
}

// The kind's facts, each with what the child's answers say of it; none, with
// a word to the user, when the kind's facts cannot be listed.
std::optional<CtrlsTraining::CKnownFacts> CtrlsTraining::KnownFacts(const QString& strUse) {
    CQuestionSet drawn = m_questions(MaxListedFacts + 1);
    std::optional<QuestionList> facts = ListFacts(drawn);
    if (!facts) {
        m_form.ShowInfo(QStringLiteral("%1只用于题目能一道道列出的题型（不超过 %2 道，例如"
                                       "20以内的加减法、表内乘除法），请在主窗口换一个这样的题型。")
                            .arg(strUse)
                            .arg(MaxListedFacts));
        return std::nullopt;
    }
    std::vector<CFactMastery> mastery = m_history.MasteryOfFacts(
        QString::fromStdU16String(drawn.title), *facts, m_form.FluentSeconds() * 1000);
    ShowHistoryMessage();
    return CKnownFacts{std::move(drawn), std::move(*facts), std::move(mastery)};
}

// The practice is recorded under the kind, so that it counts as any drill of it.
bool CtrlsTraining::CreateDailyPractice() {
    PrepareQuestionArea();
    const std::optional<CKnownFacts> known = KnownFacts(QStringLiteral("今日练习"));
    if (!known) {
        return false;
    }
    const CValueLimit& limit = *known->drawn.templates.front()->ResultOperand()->Limit();
    std::vector<CDrillQuestion> questions;
    for (const size_t k :
         ChooseDailyPractice(known->mastery, m_history.Today(), kQuestionCount, DrawSeed())) {
        questions.push_back(
            {{known->drawn.title, known->facts.Item(static_cast<int32_t>(k) + 1), limit}});
    }
    return ShowDrill(known->drawn.title, std::move(questions), {});
}

void CtrlsTraining::DoMasteryMapClicked() {
    const std::optional<CKnownFacts> known = KnownFacts(QStringLiteral("掌握情况"));
    if (!known) {
        return;
    }
    m_form.ShowMasteryMap(
        LayOutMastery(known->facts, known->mastery),
        QStringLiteral("%1的掌握情况：%2")
            .arg(CurrentChild().name, QString::fromStdU16String(known->drawn.title)));
}

void CtrlsTraining::DoWeakSheetClicked() {
    const std::optional<CKnownFacts> known = KnownFacts(QStringLiteral("弱项练习卷"));
    if (!known) {
        return;
    }
    const QString strChild = CurrentChild().name;
    const std::vector<size_t> chosen =
        ChooseWeakSpots(known->mastery, m_history.Today(), DrawSeed());
    if (chosen.empty()) {
        m_form.ShowInfo(QStringLiteral("%1在这个题型里还没有做错、做得慢或者该复习的题，"
                                       "不用出弱项练习卷。")
                            .arg(strChild));
        return;
    }
    CQuestionSet sheet = known->drawn;
    sheet.questions = {};
    const CValueLimit& limit = *sheet.templates.front()->ResultOperand()->Limit();
    m_handedSheet = CHandedSheet{m_history.Child(), sheet.title, {}};
    for (const size_t k : chosen) {
        const std::shared_ptr<CExprValue> fact = known->facts.Item(static_cast<int32_t>(k) + 1);
        sheet.questions.Add(fact);
        m_handedSheet->questions.push_back({sheet.title, fact, limit});
    }
    sheet.generatedCount = sheet.questions.Count();
    const QDate today = QDate(1970, 1, 1).addDays(m_history.Today());
    m_takeSheet(std::move(sheet), QStringLiteral("%1的弱项练习卷 %2")
                                      .arg(strChild, today.toString(QStringLiteral("yyyy-MM-dd")))
                                      .toStdU16String());
    m_form.ShowInfo(
        QStringLiteral("弱项练习卷（%1 道题）已放到主窗口，可以在那里打印或者导出 PDF。")
            .arg(chosen.size()));
}

void CtrlsTraining::DoPaperAnswersClicked() {
    if (!m_handedSheet || m_handedSheet->child != m_history.Child()) {
        m_form.ShowInfo(QStringLiteral("先给当前的孩子出一张弱项练习卷，在纸上做完以后再录入。"));
        return;
    }
    QStringList questions;
    for (const CKeptQuestion& kept : m_handedSheet->questions) {
        questions.append(QString::fromStdU16String(DrillQuestionText(*kept.question) +
                                                   CAnswer::RightFor(*kept.question).Text()));
    }
    const std::optional<std::vector<bool>> missed = m_form.AskPaperAnswers(questions);
    if (!missed) {
        return;
    }
    const CDrillRecord record = PaperRecord(m_handedSheet->kind, m_handedSheet->questions, *missed);
    // Kept once: the same marks entered again would count twice.
    if (m_history.Record(record)) {
        m_handedSheet.reset();
        m_form.ShowInfo(QStringLiteral("纸上答题已记下：做对 %1 道，做错 %2 道。")
                            .arg(record.result.right)
                            .arg(record.result.wrong));
    }
    ShowHistoryMessage();
}

void CtrlsTraining::PrepareQuestionArea() {
    m_form.ClearQuestions();
    m_form.EnableStart(false);
    m_form.ShowInfo({});
}

bool CtrlsTraining::ShowDrill(std::u16string kind, std::vector<CDrillQuestion> questions,
                              const QString& strFailure) {
    m_drill.Prepare(std::move(kind), std::move(questions), m_form.IsTeachingChoices());
    if (!m_drill.IsReady()) {
        m_form.ShowInfo(strFailure);
        return false;
    }
    ShowSlots();
    m_form.EnableStart(true);
    return true;
}

void CtrlsTraining::ShowSlots() {
    m_form.ShowKeypad(m_drill.TakesTypedAnswers());
    for (size_t k = 0; k < m_drill.Slots().size(); ++k) {
        ShowSlot(static_cast<int32_t>(k));
    }
    ShowSignKeys();
}

void CtrlsTraining::ShowSlot(int32_t slot) {
    const CDrillSlot& frame = m_drill.Slots()[static_cast<size_t>(slot)];
    const CExprValue& value = *frame.question.kept.question;
    const QString question = QString::fromStdU16String(DrillQuestionText(value));
    if (m_drill.TakesTypedAnswers()) {
        m_form.ShowTypedQuestion(slot, question, frame.RightAnswer().remainder.has_value());
    } else {
        m_form.ShowQuestion(slot, question,
                            {QString::fromStdU16String(frame.choices.Text(0)),
                             QString::fromStdU16String(frame.choices.Text(1))});
    }
}

// The book's questions in random order, repeated up to 30 as a drill of a kind
// with fewer questions is.
std::vector<CDrillQuestion> CtrlsTraining::ReviewQuestions() {
    const std::vector<CBookEntry> entries = m_history.ReviewEntries(kQuestionCount);
    ShowHistoryMessage();
    std::vector<CDrillQuestion> questions;
    if (entries.empty()) {
        return questions;
    }
    QuestionList order;
    std::unordered_map<const CExprValue*, const CBookEntry*> entryOf;
    for (const CBookEntry& entry : entries) {
        auto question = std::make_shared<CExprValue>(*entry.kept.question);
        entryOf[question.get()] = &entry;
        order.Add(std::move(question));
    }
    ShuffleAndFill(order, 1, order.Count(), kQuestionCount, nullptr);
    for (int32_t i = 1; i <= order.Count(); ++i) {
        const CBookEntry& entry = *entryOf.at(order.Item(i).get());
        questions.push_back({entry.kept, entry.id});
    }
    return questions;
}

void CtrlsTraining::ShowResults() {
    const std::vector<CDrillSlot>& frames = m_drill.Slots();
    for (size_t k = 0; k < frames.size(); ++k) {
        const auto slot = static_cast<int32_t>(k);
        if (frames[k].IsRight()) {
            continue;
        }
        if (m_drill.TakesTypedAnswers()) {
            m_form.ShowRightAnswer(slot, QString::fromStdU16String(frames[k].RightAnswer().Text()));
        } else {
            m_form.ShowMissed(slot, frames[k].choices.RightIndex);
        }
    }
    const int32_t wrong = m_drill.Wrong();
    m_form.ShowResults(kQuestionCount - wrong, wrong, DrillScore(wrong),
                       QString::fromStdU16String(GradeName(wrong)));
    if (const auto rate = m_drill.RightPerMinute()) {
        m_form.ShowRate(*rate, m_drill.ReachesTarget());
    }
}

void CtrlsTraining::RecordDrill() {
    m_history.Record(m_drill.Record(m_ctrlsTimer.TimeLimit(), m_ctrlsTimer.SecondsUsed()));
    ShowHistoryMessage();
}

void CtrlsTraining::ShowHistoryMessage() {
    const QString message = m_history.TakeMessage();
    if (!message.isEmpty()) {
        m_form.ShowMessage(message);
    }
}

} // namespace kelvo
