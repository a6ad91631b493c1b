#include "store/CDrillHistory.h"

#include "store/HistorySchema.h"

#include "drill/CDrill.h"
#include "drill/KindFacts.h"
#include "foundation/KeptFile.h"
#include "generation/DecimalUnits.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QRegularExpression>
#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>
#include <QtEndian>

#include <algorithm>
#include <cstdlib>
#include <initializer_list>
#include <optional>
#include <unordered_map>
#include <unordered_set>
#include <utility>

namespace kelvo {
namespace {

// Long enough for another Kelvo to finish a write, short enough not to be felt.
constexpr int BusyMilliseconds = 100;

// SQLite's primary result codes of the failures told apart.
constexpr int SqliteBusy = 5;
constexpr int SqliteLocked = 6;
constexpr int SqliteNotADatabase = 26;

QString TimeFormat() {
    return QStringLiteral("yyyy-MM-ddTHH:mm:ss");
}

QString DayFormat() {
    return QStringLiteral("yyyy-MM-dd");
}

// Ends the operation it happens in; Use() turns it into an outcome.
struct SqlFailure {
    QSqlError error;
};

QSqlQuery Prepared(const QSqlDatabase& db, const QString& strSql) {
    QSqlQuery query(db);
    if (!query.prepare(strSql)) {
        throw SqlFailure{query.lastError()};
    }
    return query;
}

void Run(QSqlQuery& query, std::initializer_list<QVariant> values) {
    int position = 0;
    for (const QVariant& value : values) {
        query.bindValue(position++, value);
    }
    if (!query.exec()) {
        throw SqlFailure{query.lastError()};
    }
}

void Execute(const QSqlDatabase& db, const QString& strSql) {
    QSqlQuery query(db);
    if (!query.exec(strSql)) {
        throw SqlFailure{query.lastError()};
    }
}

// A row reading that stopped on an error rather than at the end.
void CheckRead(const QSqlQuery& query) {
    if (query.lastError().isValid()) {
        throw SqlFailure{query.lastError()};
    }
}

QVariant OptionalValue(const std::optional<int32_t>& value) {
    return value ? QVariant(*value) : QVariant(QMetaType::fromType<int>());
}

// The child's answer as the answers and missed_questions tables keep it: a
// whole number as a number, as ever; a quotient with its remainder as the text
// the child saw, "3……2", which SQLite keeps as text in the same column, so
// files stay as they were and earlier Kelvos still open them; so are signs
// and decimals ("1.2").
QVariant AnswerValue(const std::optional<CAnswer>& answer) {
    if (answer && (answer->remainder || answer->IsSigns() || answer->places != 0)) {
        return QString::fromStdU16String(answer->Text());
    }
    return OptionalValue(answer ? std::optional(answer->value) : std::nullopt);
}

std::optional<int32_t> OptionalInt(const QVariant& value) {
    return value.isNull() ? std::nullopt : std::optional<int32_t>(value.toInt());
}

// The form of a question other than "计算" after its operands and
// parentheses: "cmp=12" (compared with 12), "cmp=0:9,1:3" (compared with the
// question of those operands), "cmpn" (its two numbers compared), "op", "est=10" or "est=100". A
// question of "计算" has none, as every question had before the forms.
QString FormText(const CExprValue& question) {
    switch (question.Form()) {
    case QuestionForm::Calculate:
        return {};
    case QuestionForm::Compare:
    case QuestionForm::CompareQuestions:
        if (question.ComparedQuestion()) {
            return QStringLiteral(" cmp=") +
                   QString::fromStdU16String(FactKey(*question.ComparedQuestion()))
                       .replace(u' ', u',');
        }
        return QStringLiteral(" cmp=%1").arg(question.Comparand());
    case QuestionForm::CompareNumbers:
        return QStringLiteral(" cmpn");
    case QuestionForm::FillOperator:
        return QStringLiteral(" op");
    case QuestionForm::EstimateTens:
    case QuestionForm::EstimateHundreds:
        return QStringLiteral(" est=%1").arg(EstimateUnit(question.Form()));
    }
    return {};
}

// The units a decimal or fraction question's operands and result count in,
// last: " dec=1,0,1" for 0.3×4 = 1.2 (tenths, ones, tenths), a fraction's
// unit code for a fraction. A whole question has none, as every question had
// before decimals.
QString UnitsText(const CExprValue& question) {
    const CDecimalUnits& units = question.Units();
    if (units.IsWhole()) {
        return {};
    }
    QString text = QStringLiteral(" dec=");
    for (size_t k = 0; k < question.OperandValues().size(); ++k) {
        text += QString::number(units.Operand(k)) + u',';
    }
    return text + QString::number(units.result);
}

// The units UnitsText writes for a question of operandCount operands; none
// for another text.
std::optional<CDecimalUnits> UnitsFromText(const QString& strPart, size_t operandCount) {
    const QStringList exponents = strPart.mid(4).split(u',');
    if (operandCount > CDecimalUnits{}.operands.size() ||
        static_cast<size_t>(exponents.size()) != operandCount + 1) {
        return std::nullopt;
    }
    CDecimalUnits units;
    for (qsizetype k = 0; k < exponents.size(); ++k) {
        bool read = false;
        const int exponent = exponents[k].toInt(&read);
        const bool isFraction = IsFractionUnit(exponent) && UnitDenominator(exponent) >= 2 &&
                                UnitDenominator(exponent) <= MaxDenominator &&
                                exponent <= MixedFractionUnit(MaxDenominator);
        if (!read || (std::abs(exponent) > MaxDecimalPlaces && !isFraction)) {
            return std::nullopt;
        }
        (k < exponents.size() - 1 ? units.operands.at(static_cast<size_t>(k)) : units.result) =
            static_cast<int16_t>(exponent);
    }
    return units;
}

QString OperandsText(const CExprValue& question) {
    return QString::fromStdU16String(FactKey(question)) + FormText(question) + UnitsText(question);
}

struct CFormRead {
    QuestionForm form = QuestionForm::Calculate;
    int32_t comparand = 0;
};

// The form FormText writes; none for another text.
std::optional<CFormRead> FormFromText(const QString& strPart) {
    if (strPart == QStringLiteral("op")) {
        return CFormRead{QuestionForm::FillOperator, 0};
    }
    if (strPart == QStringLiteral("cmpn")) {
        return CFormRead{QuestionForm::CompareNumbers, 0};
    }
    bool read = false;
    if (strPart.startsWith(QStringLiteral("cmp=")) && strPart.contains(u':')) {
        return CFormRead{QuestionForm::Compare, 0};
    }
    if (strPart.startsWith(QStringLiteral("cmp="))) {
        const int32_t comparand = strPart.mid(4).toInt(&read);
        return read ? std::optional(CFormRead{QuestionForm::Compare, comparand}) : std::nullopt;
    }
    if (strPart == QStringLiteral("est=10")) {
        return CFormRead{QuestionForm::EstimateTens, 0};
    }
    if (strPart == QStringLiteral("est=100")) {
        return CFormRead{QuestionForm::EstimateHundreds, 0};
    }
    return std::nullopt;
}

// The "(1-2)" OperandsText writes; none for anything else or operands outside
// the question.
std::optional<Parentheses> GroupFromText(const QString& strPart, size_t operandCount) {
    static const QRegularExpression group(QStringLiteral("^\\((\\d)-(\\d)\\)$"));
    const QRegularExpressionMatch match = group.match(strPart);
    if (!match.hasMatch()) {
        return std::nullopt;
    }
    const Parentheses read{static_cast<uint8_t>(match.captured(1).toUInt()),
                           static_cast<uint8_t>(match.captured(2).toUInt())};
    if (read.IsNone() || read.last >= operandCount) {
        return std::nullopt;
    }
    return read;
}

std::shared_ptr<const CExprValue> QuestionFromText(const QString& strOperands, int32_t iAnswer);

// The operands of the question a comparison was set against, as OperandsText
// writes them; empty for a number.
QString ComparedOperands(const QString& strFormPart) {
    if (!strFormPart.startsWith(QStringLiteral("cmp=")) || !strFormPart.contains(u':')) {
        return {};
    }
    return strFormPart.mid(4).replace(u',', u' ');
}

// The question a comparison was set against, its value worked out again; none
// for operands that OperandsText did not write or that do not work out.
std::shared_ptr<const CExprValue> ComparedFromText(const QString& strOperands) {
    const auto read = QuestionFromText(strOperands, 0);
    if (!read || read->Form() != QuestionForm::Calculate) {
        return nullptr;
    }
    std::vector<int32_t> values;
    std::vector<int32_t> codes;
    for (const auto& [code, value] : read->OperandValues()) {
        codes.push_back(code);
        values.push_back(value);
    }
    auto compared = std::make_shared<CExprValue>(*read);
    int32_t result = 0;
    if (!EvaluateGrouped(result, values, codes, read->Grouping())) {
        return nullptr;
    }
    compared->SetResultValue(result);
    return compared;
}

// None for a text that OperandsText did not write.
std::shared_ptr<const CExprValue> QuestionFromText(const QString& strOperands, int32_t iAnswer) {
    std::vector<CExprValue::OperandValue> operands;
    std::optional<Parentheses> group;
    QStringList parts = strOperands.split(u' ', Qt::SkipEmptyParts);
    QString unitsPart;
    if (!parts.isEmpty() && parts.back().startsWith(QStringLiteral("dec="))) {
        unitsPart = parts.takeLast();
    }
    CFormRead form;
    QString comparedOperands;
    if (!parts.isEmpty() && parts.back().front().isLetter()) {
        comparedOperands = ComparedOperands(parts.back());
        const std::optional<CFormRead> read = FormFromText(parts.takeLast());
        if (!read) {
            return nullptr;
        }
        form = *read;
    }
    for (const QString& part : parts) {
        if (group) {
            return nullptr;
        }
        if (part.startsWith(u'(')) {
            group = GroupFromText(part, operands.size());
            if (!group) {
                return nullptr;
            }
            continue;
        }
        const QStringList pair = part.split(u':');
        bool codeRead = false;
        bool valueRead = false;
        if (pair.size() != 2) {
            return nullptr;
        }
        operands.push_back({pair[0].toInt(&codeRead), pair[1].toInt(&valueRead)});
        if (!codeRead || !valueRead) {
            return nullptr;
        }
    }
    if (operands.size() < 2) {
        return nullptr;
    }
    auto question = std::make_shared<CExprValue>();
    question->CreateFrom(operands, iAnswer);
    if (!unitsPart.isEmpty()) {
        const std::optional<CDecimalUnits> units = UnitsFromText(unitsPart, operands.size());
        if (!units) {
            return nullptr;
        }
        question->SetUnits(*units);
        // Operands counted in units divide exactly: only whole numbers leave
        // a remainder.
        if (!units->IsWhole()) {
            question->SetRemainderValue(-1);
        }
    }
    if (group) {
        question->SetGrouping(*group);
    }
    question->SetForm(form.form);
    question->SetComparand(form.comparand);
    if (form.form == QuestionForm::CompareNumbers) {
        // Its two numbers count over the result's fraction unit.
        const auto inRange = [](const CExprValue::OperandValue& operand) {
            return operand[1] >= 0 && operand[1] <= ValueCeiling;
        };
        if (operands.size() != 2 || !std::ranges::all_of(operands, inRange) ||
            !IsFractionUnit(question->Units().result)) {
            return nullptr;
        }
        question->SetComparand(question->SecondNumberInResultUnit());
    }
    if (!comparedOperands.isEmpty()) {
        auto compared = ComparedFromText(comparedOperands);
        if (!compared) {
            return nullptr;
        }
        question->SetComparedQuestion(std::move(compared));
    }
    return question;
}

CValueLimit ResultLimit(int32_t iLower, int32_t iUpper, int32_t iMultiple) {
    CValueLimit limit;
    limit.Init(iLower, iUpper, iMultiple, 1);
    return limit;
}

int SqliteCode(const QSqlError& error) {
    return error.nativeErrorCode().toInt() & 0xff;
}

// What the file's header says where this SQLite cannot read the file: a file
// format of a later SQLite, or a schema of a later Kelvo.
bool HasNewerHeader(const QString& strPath) {
    constexpr qint64 HeaderSize = 100;
    QFile file(strPath);
    if (!QFileInfo(strPath).isFile() || !file.open(QIODevice::ReadOnly)) {
        return false;
    }
    const QByteArray header = file.read(HeaderSize);
    if (header.size() < HeaderSize || !header.startsWith("SQLite format 3")) {
        return false;
    }
    const auto byteAt = [&](int offset) { return static_cast<uint8_t>(header[offset]); };
    const auto numberAt = [&](int offset) {
        return qFromBigEndian<qint32>(header.constData() + offset);
    };
    constexpr uint8_t LatestFileFormat = 2;
    constexpr qint32 LatestSchemaFormat = 4;
    return byteAt(18) > LatestFileFormat || byteAt(19) > LatestFileFormat ||
           numberAt(44) > LatestSchemaFormat || numberAt(60) > HistorySchemaVersion;
}

int CountOf(QSqlQuery& query, const QString& strSql) {
    if (!query.exec(strSql) || !query.next()) {
        throw SqlFailure{query.lastError()};
    }
    const int count = query.value(0).toInt();
    query.finish();
    return count;
}

} // namespace

CDrillHistory::Outcome CDrillHistory::Classify(const QSqlError& error) {
    switch (SqliteCode(error)) {
    case SqliteBusy:
    case SqliteLocked:
        return Outcome::Locked;
    case SqliteCorrupt:
    case SqliteNotADatabase:
        return Outcome::Damaged;
    default:
        return Outcome::Unusable;
    }
}

CDrillHistory::CDrillHistory(QString strPath, Clock clock)
    : m_strPath(std::move(strPath)), m_clock(std::move(clock)), m_child(FirstChildId) {
    static int connections = 0;
    m_strConnection = QStringLiteral("kelvo-history-%1").arg(++connections);
    m_db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_strConnection);
    m_db.setDatabaseName(m_strPath);
    m_db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=%1").arg(BusyMilliseconds));
}

CDrillHistory::~CDrillHistory() {
    Close();
    m_db = QSqlDatabase();
    QSqlDatabase::removeDatabase(m_strConnection);
}

bool CDrillHistory::Record(const CDrillRecord& record) {
    const QDateTime now = m_clock();
    const QString time = now.toString(TimeFormat());
    const QString today = now.date().toString(DayFormat());
    return Use([&] {
        Execute(m_db, QStringLiteral("BEGIN IMMEDIATE"));
        const CDrillResult& result = record.result;
        QSqlQuery drill = Prepared(
            m_db, QStringLiteral("INSERT INTO drills (finished_at, kind, mode, time_limit, "
                                 "seconds_used, right_count, wrong_count, score, grade, "
                                 "answer_mode, milliseconds_used, target, child_id) "
                                 "VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"));
        Run(drill,
            {time, QString::fromStdU16String(result.kind), result.mode,
             OptionalValue(result.timeLimit), OptionalValue(result.secondsUsed), result.right,
             result.wrong, result.score, QString::fromStdU16String(result.grade), result.answerMode,
             OptionalValue(result.millisecondsUsed), OptionalValue(result.target),
             QVariant::fromValue(m_child)});
        const QVariant drillId = drill.lastInsertId();

        QSqlQuery answer = Prepared(m_db, QStringLiteral("INSERT INTO answers (drill_id, position, "
                                                         "operands, answer, given, milliseconds) "
                                                         "VALUES (?, ?, ?, ?, ?, ?)"));
        int32_t position = 0;
        for (const CTimedAnswer& timed : record.answers) {
            Run(answer, {drillId, ++position, OperandsText(*timed.kept.question),
                         timed.kept.question->ResultValue(), AnswerValue(timed.answer),
                         OptionalValue(timed.milliseconds)});
        }

        QSqlQuery missed = Prepared(m_db, QStringLiteral("INSERT INTO missed_questions (drill_id, "
                                                         "operands, answer, choice) "
                                                         "VALUES (?, ?, ?, ?)"));
        for (const CMissedQuestion& question : record.missed) {
            Run(missed, {drillId, OperandsText(*question.kept.question),
                         question.kept.question->ResultValue(), AnswerValue(question.answer)});
        }

        // Right answers first, so that a question missed in another frame of
        // the same drill starts its review over.
        QSqlQuery leave = Prepared(m_db, QStringLiteral("DELETE FROM mistake_book WHERE id = ? "
                                                        "AND right_day IS NOT NULL "
                                                        "AND right_day <> ?"));
        QSqlQuery firstRight =
            Prepared(m_db, QStringLiteral("UPDATE mistake_book SET right_day = ? "
                                          "WHERE id = ? AND right_day IS NULL"));
        for (const int64_t id : record.reviewedRight) {
            Run(leave, {QVariant::fromValue(id), today});
            Run(firstRight, {today, QVariant::fromValue(id)});
        }
        QSqlQuery keep =
            Prepared(m_db, QStringLiteral(
                               "INSERT INTO mistake_book (child_id, kind, operands, answer, "
                               "result_lower, result_upper, result_multiple, missed, last_missed) "
                               "VALUES (?, ?, ?, ?, ?, ?, ?, 1, ?) "
                               "ON CONFLICT (child_id, kind, operands) DO UPDATE "
                               "SET missed = missed + 1, last_missed = excluded.last_missed, "
                               "right_day = NULL, result_lower = excluded.result_lower, "
                               "result_upper = excluded.result_upper, "
                               "result_multiple = excluded.result_multiple"));
        for (const CMissedQuestion& question : record.missed) {
            const CKeptQuestion& kept = question.kept;
            Run(keep, {QVariant::fromValue(m_child), QString::fromStdU16String(kept.kind),
                       OperandsText(*kept.question), kept.question->ResultValue(),
                       kept.resultLimit.LowerLimit(), kept.resultLimit.UpperLimit(),
                       kept.resultLimit.MultipleOf(), time});
        }
        Execute(m_db, QStringLiteral("COMMIT"));
    });
}

std::vector<CBookEntry> CDrillHistory::MistakeBook() {
    return ReadBook(QStringLiteral("kind, missed DESC, last_missed DESC, id"), -1);
}

std::vector<CBookEntry> CDrillHistory::ReviewEntries(int32_t wanted) {
    return ReadBook(QStringLiteral("missed DESC, last_missed DESC, id"), wanted);
}

std::vector<CBookEntry> CDrillHistory::ReadBook(const QString& strOrder, int32_t limit) {
    std::vector<CBookEntry> entries;
    Use([&] {
        entries.clear();
        QSqlQuery query = Prepared(
            m_db, QStringLiteral("SELECT id, kind, operands, answer, result_lower, result_upper, "
                                 "result_multiple, missed, last_missed, right_day "
                                 "FROM mistake_book WHERE child_id = ? ORDER BY %1 LIMIT ?")
                      .arg(strOrder));
        Run(query, {QVariant::fromValue(m_child), limit});
        while (query.next()) {
            auto question = QuestionFromText(query.value(2).toString(), query.value(3).toInt());
            if (!question) {
                continue;
            }
            entries.push_back({query.value(0).toLongLong(),
                               {query.value(1).toString().toStdU16String(), std::move(question),
                                ResultLimit(query.value(4).toInt(), query.value(5).toInt(),
                                            query.value(6).toInt())},
                               query.value(7).toInt(),
                               QDateTime::fromString(query.value(8).toString(), TimeFormat()),
                               QDate::fromString(query.value(9).toString(), DayFormat())});
        }
        CheckRead(query);
    });
    return entries;
}

std::vector<CPastDrill> CDrillHistory::Drills() {
    std::vector<CPastDrill> drills;
    Use([&] {
        drills.clear();
        QSqlQuery query = Prepared(
            m_db, QStringLiteral("SELECT finished_at, kind, mode, time_limit, seconds_used, "
                                 "right_count, wrong_count, score, grade, answer_mode, "
                                 "milliseconds_used, target FROM drills WHERE child_id = ? "
                                 "ORDER BY finished_at DESC, id DESC"));
        Run(query, {QVariant::fromValue(m_child)});
        while (query.next()) {
            drills.push_back(
                {QDateTime::fromString(query.value(0).toString(), TimeFormat()),
                 {query.value(1).toString().toStdU16String(), query.value(2).toInt(),
                  OptionalInt(query.value(3)), OptionalInt(query.value(4)), query.value(5).toInt(),
                  query.value(6).toInt(), query.value(7).toInt(),
                  query.value(8).toString().toStdU16String(), query.value(9).toInt(),
                  OptionalInt(query.value(10)), OptionalInt(query.value(11))}});
        }
        CheckRead(query);
    });
    return drills;
}

namespace {

int32_t DayNumber(const QDate& day) {
    static const QDate DayOne(1970, 1, 1);
    return static_cast<int32_t>(DayOne.daysTo(day));
}

} // namespace

int32_t CDrillHistory::Today() const {
    return DayNumber(m_clock().date());
}

std::vector<CFactMastery> CDrillHistory::MasteryOfFacts(const QString& strKind,
                                                        const QuestionList& facts,
                                                        int32_t fluentMilliseconds) {
    std::vector<CFactMastery> mastery;
    Use([&] {
        Execute(m_db, QStringLiteral("BEGIN IMMEDIATE"));
        const QVariant child = QVariant::fromValue(m_child);
        std::unordered_map<std::u16string, CFactMastery> kept;
        // A mark of another fluent time counts the answers afresh.
        QSqlQuery mark =
            Prepared(m_db, QStringLiteral("SELECT last_answer FROM mastery_marks WHERE "
                                          "child_id = ? AND kind = ? AND fluent_milliseconds = ?"));
        Run(mark, {child, strKind, fluentMilliseconds});
        const int64_t lastAnswer = mark.next() ? mark.value(0).toLongLong() : 0;
        mark.finish();
        if (lastAnswer > 0) {
            kept = ReadMastery(strKind);
        }
        std::vector<CKeyedAnswer> answers;
        const int64_t newest = ReadAnswersAfter(strKind, lastAnswer, answers);
        std::unordered_set<std::u16string> changed;
        for (const CKeyedAnswer& keyed : answers) {
            kept[keyed.fact].Record(keyed.answer, fluentMilliseconds);
            changed.insert(keyed.fact);
        }
        WriteMastery(strKind, kept, changed, newest, fluentMilliseconds, lastAnswer == 0);
        Execute(m_db, QStringLiteral("COMMIT"));
        mastery.clear();
        for (int32_t i = 1; i <= facts.Count(); ++i) {
            const auto found = kept.find(FactKey(*facts.Item(i)));
            mastery.push_back(found != kept.end() ? found->second : CFactMastery());
        }
    });
    if (mastery.size() != static_cast<size_t>(facts.Count())) {
        mastery.assign(static_cast<size_t>(facts.Count()), CFactMastery());
    }
    return mastery;
}

std::unordered_map<std::u16string, CFactMastery>
CDrillHistory::ReadMastery(const QString& strKind) {
    std::unordered_map<std::u16string, CFactMastery> kept;
    QSqlQuery query = Prepared(m_db, QStringLiteral("SELECT operands, state, box, review_day, "
                                                    "right_times FROM fact_mastery "
                                                    "WHERE child_id = ? AND kind = ?"));
    Run(query, {QVariant::fromValue(m_child), strKind});
    while (query.next()) {
        std::vector<int32_t> times;
        for (const QString& time : query.value(4).toString().split(u' ', Qt::SkipEmptyParts)) {
            times.push_back(time.toInt());
        }
        const int32_t state = std::clamp(query.value(1).toInt(), 0, 3);
        kept.emplace(query.value(0).toString().toStdU16String(),
                     CFactMastery(static_cast<EFactState>(state),
                                  std::clamp(query.value(2).toInt(), 0, CFactMastery::TopBox),
                                  query.value(3).toInt(), std::move(times)));
    }
    CheckRead(query);
    return kept;
}

// The answers of the kind after the given one, oldest first; the id of the
// newest one read, or the given one when there is none. A question the drill
// ended before is no answer.
int64_t CDrillHistory::ReadAnswersAfter(const QString& strKind, int64_t lastAnswer,
                                        std::vector<CKeyedAnswer>& answers) {
    QSqlQuery query = Prepared(
        m_db,
        QStringLiteral("SELECT a.id, a.operands, a.answer, a.given, a.milliseconds, "
                       "CAST(julianday(substr(d.finished_at, 1, 10)) - 2440587.5 AS "
                       "INTEGER), d.answer_mode FROM answers a JOIN drills d ON d.id = a.drill_id "
                       "WHERE d.child_id = ? AND d.kind = ? AND a.id > ? ORDER BY a.id"));
    Run(query, {QVariant::fromValue(m_child), strKind, QVariant::fromValue(lastAnswer)});
    int64_t newest = lastAnswer;
    // Most answers repeat a few questions: each one's fact and right answer are
    // worked out once. The fact is the question's calculation, whatever its form.
    struct CReadQuestion {
        std::u16string fact;
        std::u16string rightText;
    };
    QHash<QString, std::optional<CReadQuestion>> read;
    while (query.next()) {
        newest = query.value(0).toLongLong();
        const QString strOperands = query.value(1).toString();
        const QVariant given = query.value(3);
        auto question = read.find(strOperands);
        if (question == read.end()) {
            const auto asked = QuestionFromText(strOperands, query.value(2).toInt());
            question = read.insert(
                strOperands, asked ? std::optional(CReadQuestion{FactKey(*asked),
                                                                 CAnswer::RightFor(*asked).Text()})
                                   : std::nullopt);
        }
        // On paper a question without an answer was marked wrong.
        const bool isOnPaper = query.value(6).toInt() == CDrill::kOnPaper;
        if ((given.isNull() && !isOnPaper) || !question->has_value()) {
            continue;
        }
        answers.push_back(
            {(*question)->fact,
             {query.value(5).toInt(),
              !given.isNull() && given.toString().toStdU16String() == (*question)->rightText,
              OptionalInt(query.value(4))}});
    }
    CheckRead(query);
    return newest;
}

void CDrillHistory::WriteMastery(const QString& strKind,
                                 const std::unordered_map<std::u16string, CFactMastery>& kept,
                                 const std::unordered_set<std::u16string>& changed, int64_t newest,
                                 int32_t fluentMilliseconds, bool isAfresh) {
    const QVariant child = QVariant::fromValue(m_child);
    if (isAfresh) {
        QSqlQuery clear = Prepared(
            m_db, QStringLiteral("DELETE FROM fact_mastery WHERE child_id = ? AND kind = ?"));
        Run(clear, {child, strKind});
    }
    QSqlQuery write = Prepared(
        m_db, QStringLiteral("INSERT OR REPLACE INTO fact_mastery (child_id, kind, operands, "
                             "state, box, review_day, right_times) VALUES (?, ?, ?, ?, ?, ?, ?)"));
    for (const std::u16string& fact : changed) {
        const CFactMastery& mastery = kept.at(fact);
        QStringList times;
        for (const int32_t time : mastery.RightTimes()) {
            times.append(QString::number(time));
        }
        Run(write,
            {child, strKind, QString::fromStdU16String(fact), static_cast<int32_t>(mastery.State()),
             mastery.Box(), mastery.ReviewDay(), times.join(u' ')});
    }
    QSqlQuery mark = Prepared(
        m_db, QStringLiteral("INSERT OR REPLACE INTO mastery_marks (child_id, kind, last_answer, "
                             "fluent_milliseconds) VALUES (?, ?, ?, ?)"));
    Run(mark, {child, strKind, QVariant::fromValue(newest), fluentMilliseconds});
}

std::vector<CChild> CDrillHistory::Children() {
    std::vector<CChild> children;
    Use([&] {
        children.clear();
        QSqlQuery query = Prepared(
            m_db, QStringLiteral("SELECT id, name, answer_mode, target, fluent_milliseconds "
                                 "FROM children ORDER BY id"));
        Run(query, {});
        while (query.next()) {
            children.push_back({query.value(0).toLongLong(), query.value(1).toString(),
                                query.value(2).toInt(), OptionalInt(query.value(3)),
                                query.value(4).toInt()});
        }
        CheckRead(query);
    });
    return children;
}

bool CDrillHistory::IsNameFree(const QString& strName, int64_t except) {
    QSqlQuery query =
        Prepared(m_db, QStringLiteral("SELECT count(*) FROM children WHERE name = ? AND id <> ?"));
    Run(query, {strName, QVariant::fromValue(except)});
    if (!query.next()) {
        throw SqlFailure{query.lastError()};
    }
    return query.value(0).toInt() == 0;
}

std::optional<int64_t> CDrillHistory::AddChild(const QString& strName) {
    const QString name = strName.trimmed();
    std::optional<int64_t> id;
    if (name.isEmpty()) {
        return id;
    }
    Use([&] {
        id.reset();
        Execute(m_db, QStringLiteral("BEGIN IMMEDIATE"));
        if (IsNameFree(name, 0)) {
            QSqlQuery insert =
                Prepared(m_db, QStringLiteral("INSERT INTO children (name) VALUES (?)"));
            Run(insert, {name});
            id = insert.lastInsertId().toLongLong();
        }
        Execute(m_db, QStringLiteral("COMMIT"));
    });
    return id;
}

bool CDrillHistory::RenameChild(int64_t id, const QString& strName) {
    const QString name = strName.trimmed();
    bool renamed = false;
    if (name.isEmpty()) {
        return renamed;
    }
    Use([&] {
        Execute(m_db, QStringLiteral("BEGIN IMMEDIATE"));
        renamed = IsNameFree(name, id);
        if (renamed) {
            QSqlQuery update =
                Prepared(m_db, QStringLiteral("UPDATE children SET name = ? WHERE id = ?"));
            Run(update, {name, QVariant::fromValue(id)});
        }
        Execute(m_db, QStringLiteral("COMMIT"));
    });
    return renamed;
}

bool CDrillHistory::RemoveChild(int64_t id) {
    bool removed = false;
    Use([&] {
        Execute(m_db, QStringLiteral("BEGIN IMMEDIATE"));
        QSqlQuery others =
            Prepared(m_db, QStringLiteral("SELECT min(id) FROM children WHERE id <> ?"));
        Run(others, {QVariant::fromValue(id)});
        if (!others.next()) {
            throw SqlFailure{others.lastError()};
        }
        const QVariant first = others.value(0);
        others.finish();
        removed = !first.isNull();
        if (removed) {
            for (const char* statement : {"DELETE FROM answers WHERE drill_id IN (SELECT id FROM "
                                          "drills WHERE child_id = ?)",
                                          "DELETE FROM missed_questions WHERE drill_id IN "
                                          "(SELECT id FROM drills WHERE child_id = ?)",
                                          "DELETE FROM drills WHERE child_id = ?",
                                          "DELETE FROM mistake_book WHERE child_id = ?",
                                          "DELETE FROM fact_mastery WHERE child_id = ?",
                                          "DELETE FROM mastery_marks WHERE child_id = ?",
                                          "DELETE FROM children WHERE id = ?"}) {
                QSqlQuery remove = Prepared(m_db, QString::fromLatin1(statement));
                Run(remove, {QVariant::fromValue(id)});
            }
        }
        Execute(m_db, QStringLiteral("COMMIT"));
        if (removed && m_child == id) {
            m_child = first.toLongLong();
        }
    });
    return removed;
}

bool CDrillHistory::KeepChildOptions(int32_t answerMode, int32_t target) {
    return Use([&] {
        QSqlQuery update = Prepared(
            m_db, QStringLiteral("UPDATE children SET answer_mode = ?, target = ? WHERE id = ?"));
        Run(update, {answerMode, target, QVariant::fromValue(m_child)});
    });
}

bool CDrillHistory::KeepFluentMilliseconds(int32_t fluentMilliseconds) {
    return Use([&] {
        QSqlQuery update = Prepared(
            m_db, QStringLiteral("UPDATE children SET fluent_milliseconds = ? WHERE id = ?"));
        Run(update, {fluentMilliseconds, QVariant::fromValue(m_child)});
    });
}

QString CDrillHistory::TakeMessage() {
    return std::exchange(m_strMessage, QString());
}

template <class Operation>
bool CDrillHistory::Use(Operation operation) {
    Outcome outcome = OpenAndRun(operation);
    if ((outcome == Outcome::Damaged || outcome == Outcome::Unusable) &&
        HasNewerHeader(m_strPath)) {
        outcome = Outcome::Newer;
    }
    if (outcome == Outcome::Damaged) {
        outcome = MoveAside() ? OpenAndRun(operation) : Outcome::Unusable;
    }
    Report(outcome);
    return outcome == Outcome::Done;
}

template <class Operation>
CDrillHistory::Outcome CDrillHistory::OpenAndRun(Operation& operation) {
    const Outcome opened = Open();
    if (opened != Outcome::Done) {
        return opened;
    }
    try {
        operation();
        return Outcome::Done;
    } catch (const SqlFailure& failure) {
        // Closing rolls an open transaction back; the next use opens afresh.
        Close();
        return Classify(failure.error);
    }
}

CDrillHistory::Outcome CDrillHistory::Open() {
    if (m_db.isOpen()) {
        return Outcome::Done;
    }
    if (!m_db.open()) {
        return Outcome::Unusable;
    }
    const Outcome outcome = CheckAndUpgrade();
    if (outcome != Outcome::Done) {
        Close();
    }
    return outcome;
}

CDrillHistory::Outcome CDrillHistory::CheckAndUpgrade() {
    QSqlQuery query(m_db);
    // Finds a file that is no database, or one with damaged pages.
    if (!query.exec(QStringLiteral("PRAGMA quick_check")) || !query.next()) {
        return Classify(query.lastError());
    }
    if (query.value(0).toString() != QStringLiteral("ok")) {
        return Outcome::Damaged;
    }
    if (!query.exec(QStringLiteral("PRAGMA user_version")) || !query.next()) {
        return Classify(query.lastError());
    }
    const int32_t version = query.value(0).toInt();
    query.finish();
    if (version < 0) {
        return Outcome::Damaged;
    }
    if (version > HistorySchemaVersion) {
        return Outcome::Newer;
    }
    // Another program's database of the same name is never changed: no table
    // added, no journal switched.
    try {
        const int tables = CountOf(query, QStringLiteral("SELECT count(*) FROM sqlite_master"));
        const int drills =
            CountOf(query, QStringLiteral("SELECT count(*) FROM sqlite_master "
                                          "WHERE type = 'table' AND name = 'drills'"));
        if ((version == 0 && tables > 0) || (version > 0 && drills == 0)) {
            return Outcome::Foreign;
        }
    } catch (const SqlFailure& failure) {
        return Classify(failure.error);
    }
    // A commit appends to the write-ahead log without waiting for the disk;
    // a crash may lose the last drill, never the file.
    if (!query.exec(QStringLiteral("PRAGMA journal_mode = WAL")) ||
        !query.exec(QStringLiteral("PRAGMA synchronous = NORMAL"))) {
        return Classify(query.lastError());
    }
    const QSqlError error = UpgradeHistorySchema(m_db, HistorySchemaVersion);
    return error.isValid() ? Classify(error) : Outcome::Done;
}

void CDrillHistory::Close() {
    m_db.close();
}

bool CDrillHistory::MoveAside() {
    Close();
    const std::string stamp = m_clock().toString(QStringLiteral("yyyyMMdd-HHmmss")).toStdString();
    const auto asidePath =
        SetAsideKeptFile(std::filesystem::path(m_strPath.toStdU16String()), stamp);
    if (!asidePath) {
        return false;
    }
    const QString aside = QString::fromStdU16String(asidePath->u16string());
    // A journal left beside the new file would be played into it.
    for (const QString& companion :
         {QStringLiteral("-journal"), QStringLiteral("-wal"), QStringLiteral("-shm")}) {
        if (QFileInfo::exists(m_strPath + companion)) {
            QFile::rename(m_strPath + companion, aside + companion);
        }
    }
    m_strMessage += QStringLiteral("成绩记录文件已损坏，已改名保留为：\n%1\n并新建了成绩记录文件。")
                        .arg(QDir::toNativeSeparators(aside));
    m_reported = Outcome::Done;
    return true;
}

void CDrillHistory::Report(Outcome outcome) {
    if (outcome == m_reported) {
        return;
    }
    m_reported = outcome;
    const QString file = QDir::toNativeSeparators(m_strPath);
    QString text;
    switch (outcome) {
    case Outcome::Done:
        return;
    case Outcome::Locked:
        text = QStringLiteral("成绩记录文件正被另一个程序占用。训练照常进行，但这时的成绩和错题"
                              "不能记录。");
        break;
    case Outcome::Newer:
        text = QStringLiteral("成绩记录文件是较新版本的 Kelvo 写的，这个版本不能使用它。训练照常"
                              "进行，但成绩和错题不会记录。\n文件：%1")
                   .arg(file);
        break;
    case Outcome::Foreign:
        text = QStringLiteral("成绩记录文件不是Kelvo的成绩记录，Kelvo不会改动它。训练照常进行，"
                              "但成绩和错题不会记录。\n文件：%1")
                   .arg(file);
        break;
    case Outcome::Damaged:
    case Outcome::Unusable:
        text = QStringLiteral("成绩记录文件无法打开或写入。训练照常进行，但成绩和错题不会记录。"
                              "\n文件：%1")
                   .arg(file);
        break;
    }
    if (!m_strMessage.isEmpty()) {
        m_strMessage += u'\n';
    }
    m_strMessage += text;
}

} // namespace kelvo
