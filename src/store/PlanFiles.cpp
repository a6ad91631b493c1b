#include "store/PlanFiles.h"

#include "foundation/KeptFile.h"
#include "number/OperatorCodes.h"

#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>

namespace kelvo {

namespace {

// What a file holds, how the messages call it and the largest file a read
// takes: room for the most sections or kinds with long titles.
struct CFileKind {
    QLatin1StringView format;
    const char16_t* name;
    std::size_t maxBytes;
};

constexpr std::size_t Kilobyte = 1024;
const CFileKind PlanFile{QLatin1StringView("kelvo-plan"), u"试卷", 1024 * Kilobyte};
const CFileKind KindsFile{QLatin1StringView("kelvo-kinds"), u"题型", 4096 * Kilobyte};
const CFileKind PanelFile{QLatin1StringView("kelvo-panel"), u"题型", 64 * Kilobyte};
const CFileKind PageOptionsFile{QLatin1StringView("kelvo-page"), u"页面设置", 64 * Kilobyte};
const CFileKind PrintedSheetsFile{QLatin1StringView("kelvo-printed"), u"打印记录", 4096 * Kilobyte};

// The paper sizes by their names in the file, in the order of PaperSize.
const QLatin1StringView PaperNames[] = {QLatin1StringView("A4"), QLatin1StringView("A5"),
                                        QLatin1StringView("B5"), QLatin1StringView("Letter")};

QString Shown(const QString& strPath) {
    return QDir::toNativeSeparators(strPath);
}

std::filesystem::path FilePath(const QString& strPath) {
    return {strPath.toStdU16String()};
}

QString DamagedMessage(const QString& strPath, const CFileKind& fileKind) {
    return QString::fromUtf16(u"文件“%1”已损坏，或者不是Kelvo的%2文件。")
        .arg(Shown(strPath), QString::fromUtf16(fileKind.name));
}

// A whole number in [lowest, highest], or none.
std::optional<int32_t> Whole(const QJsonValue& value, int32_t lowest, int32_t highest) {
    if (!value.isDouble()) {
        return std::nullopt;
    }
    const double number = value.toDouble();
    if (number != std::floor(number) || number < lowest || number > highest) {
        return std::nullopt;
    }
    return static_cast<int32_t>(number);
}

QJsonObject LimitToJson(const CValueLimit& limit) {
    return {{QStringLiteral("from"), limit.LowerLimit()},
            {QStringLiteral("to"), limit.UpperLimit()},
            {QStringLiteral("multipleOf"), limit.MultipleOf()}};
}

// The ranges the operand panel can show, a decimal one counted in its places.
std::shared_ptr<CValueLimit> LimitFromJson(const QJsonValue& value, int32_t places) {
    const QJsonObject object = value.toObject();
    const auto from = Whole(object.value(QStringLiteral("from")), 0, RangeCeiling(places));
    const auto to = Whole(object.value(QStringLiteral("to")), 0, RangeCeiling(places));
    const auto multipleOf = Whole(object.value(QStringLiteral("multipleOf")), 1, 100);
    if (!from || !to || !multipleOf ||
        (*multipleOf != 1 && *multipleOf != 10 && *multipleOf != 100)) {
        return nullptr;
    }
    auto limit = std::make_shared<CValueLimit>();
    limit->SetLowerLimit(*from);
    limit->SetUpperLimit(*to);
    limit->SetMultipleOf(*multipleOf);
    return limit;
}

// The rules of a kind by their names in the file.
// The first four are written on or off, as they always were; a rule added
// later is written only when on, so that a kinds file of the most kinds
// stays within its size.
struct CRuleKey {
    bool CQuestionRules::*rule;
    QLatin1StringView key;
    bool isWrittenWhenOff = true;
};
const CRuleKey RuleKeys[] = {
    {&CQuestionRules::isIntermediateInResultRange, QLatin1StringView("intermediateInResultRange")},
    {&CQuestionRules::isNoTrivialFactor, QLatin1StringView("noTrivialFactor")},
    {&CQuestionRules::isNoQuotientOne, QLatin1StringView("noQuotientOne")},
    {&CQuestionRules::isNoZeroOperand, QLatin1StringView("noZeroOperand")},
    {&CQuestionRules::isWithinTables, QLatin1StringView("withinTables"), false},
    {&CQuestionRules::isPowerOfTenSecond, QLatin1StringView("powerOfTenSecond"), false},
    {&CQuestionRules::isSameDenominator, QLatin1StringView("sameDenominator"), false},
    {&CQuestionRules::isDifferentDenominators, QLatin1StringView("differentDenominators"), false},
};

QJsonObject RulesToJson(const CQuestionRules& rules) {
    QJsonObject object;
    for (const CRuleKey& entry : RuleKeys) {
        if (rules.*entry.rule || entry.isWrittenWhenOff) {
            object.insert(entry.key, rules.*entry.rule);
        }
    }
    return object;
}

// A kind written before the rules existed, or without one of them, has it off.
std::optional<CQuestionRules> RulesFromJson(const QJsonObject& kind) {
    const QJsonValue value = kind.value(QStringLiteral("rules"));
    CQuestionRules rules;
    if (value.isUndefined()) {
        return rules;
    }
    if (!value.isObject()) {
        return std::nullopt;
    }
    const QJsonObject object = value.toObject();
    for (const CRuleKey& entry : RuleKeys) {
        const QJsonValue flag = object.value(entry.key);
        if (!flag.isUndefined() && !flag.isBool()) {
            return std::nullopt;
        }
        rules.*entry.rule = flag.toBool();
    }
    return rules;
}

// The forms by their names in the file; "计算" has none, so a kind of it is
// written as before the forms existed.
struct CFormKey {
    QuestionForm form;
    QLatin1StringView key;
};
const CFormKey FormKeys[] = {
    {QuestionForm::Compare, QLatin1StringView("compare")},
    {QuestionForm::FillOperator, QLatin1StringView("fillOperator")},
    {QuestionForm::EstimateTens, QLatin1StringView("estimateTens")},
    {QuestionForm::EstimateHundreds, QLatin1StringView("estimateHundreds")},
};

// A comparison of two questions is a "compare" whose "compareWith" is
// "question"; without the key it compares with a number, as before.
const QLatin1StringView CompareWithKey("compareWith");
const QLatin1StringView ComparedQuestion("question");

std::optional<QuestionForm> FormFromJson(const QJsonObject& kind) {
    const QJsonValue value = kind.value(QStringLiteral("form"));
    const QJsonValue compareWith = kind.value(CompareWithKey);
    if (value.isUndefined()) {
        return compareWith.isUndefined() ? std::optional(QuestionForm::Calculate) : std::nullopt;
    }
    for (const CFormKey& entry : FormKeys) {
        if (value.toString() != entry.key) {
            continue;
        }
        if (compareWith.isUndefined()) {
            return entry.form;
        }
        if (entry.form == QuestionForm::Compare && compareWith.toString() == ComparedQuestion) {
            return QuestionForm::CompareQuestions;
        }
    }
    return std::nullopt;
}

// A decimal kind's places, its operands' and then its result's; a whole
// kind, and every kind written before decimals existed, has none.
QJsonArray PlacesToJson(const CQuestionData& kind) {
    QJsonArray places;
    for (int32_t k = 0; k < kind.Limits().Count(); ++k) {
        places.append(kind.DecimalPlaces().operands.at(static_cast<size_t>(k)));
    }
    places.append(kind.DecimalPlaces().result);
    return places;
}

std::optional<CDecimalUnits> PlacesFromJson(const QJsonObject& kind, qsizetype operandCount) {
    const QJsonValue value = kind.value(QStringLiteral("places"));
    if (value.isUndefined()) {
        return CDecimalUnits{};
    }
    const QJsonArray places = value.toArray();
    if (places.size() != operandCount + 1 || operandCount > CQuestionData::MaxOperandCount) {
        return std::nullopt;
    }
    CDecimalUnits units;
    for (qsizetype k = 0; k <= operandCount; ++k) {
        const auto count = Whole(places[k], 0, MaxDecimalPlaces);
        if (!count) {
            return std::nullopt;
        }
        (k < operandCount ? units.operands.at(static_cast<size_t>(k)) : units.result) =
            static_cast<int16_t>(*count);
    }
    return units;
}

// A fraction kind's shape: "fractions": {"operands": ["proper", "whole"],
// "result": "mixed"}; a kind without fractions has none.
constexpr std::array<QLatin1StringView, 3> FractionOperandKeys = {
    QLatin1StringView("whole"), QLatin1StringView("proper"), QLatin1StringView("improper")};
constexpr std::array<QLatin1StringView, 3> FractionResultKeys = {
    QLatin1StringView("whole"), QLatin1StringView("fraction"), QLatin1StringView("mixed")};

QJsonObject FractionsToJson(const CFractionShape& shape) {
    QJsonArray operands;
    for (const FractionOperand operand : shape.operands) {
        operands.append(FractionOperandKeys.at(static_cast<size_t>(operand)));
    }
    return {{QStringLiteral("operands"), operands},
            {QStringLiteral("result"), FractionResultKeys.at(static_cast<size_t>(shape.result))}};
}

// The index of the value's key, none for another value.
template <size_t N>
std::optional<size_t> KeyIndex(const std::array<QLatin1StringView, N>& keys,
                               const QJsonValue& value) {
    const auto found = std::ranges::find(keys, value.toString());
    if (!value.isString() || found == keys.end()) {
        return std::nullopt;
    }
    return static_cast<size_t>(found - keys.begin());
}

std::optional<CFractionShape> FractionsFromJson(const QJsonObject& kind) {
    const QJsonValue value = kind.value(QStringLiteral("fractions"));
    if (value.isUndefined()) {
        return CFractionShape{};
    }
    const QJsonArray operands = value.toObject().value(QStringLiteral("operands")).toArray();
    const auto result =
        KeyIndex(FractionResultKeys, value.toObject().value(QStringLiteral("result")));
    CFractionShape shape;
    if (!result || operands.size() != static_cast<qsizetype>(shape.operands.size())) {
        return std::nullopt;
    }
    shape.result = static_cast<FractionResult>(*result);
    for (size_t k = 0; k < shape.operands.size(); ++k) {
        const auto operand = KeyIndex(FractionOperandKeys, operands[static_cast<qsizetype>(k)]);
        if (!operand) {
            return std::nullopt;
        }
        shape.operands.at(k) = static_cast<FractionOperand>(*operand);
    }
    return shape;
}

} // namespace

QJsonObject KindToJson(const CQuestionData& kind) {
    QJsonArray operands;
    QJsonArray operators;
    for (int32_t k = 1; k <= kind.Limits().Count(); ++k) {
        operands.append(LimitToJson(*kind.Limits().Item(k)));
    }
    for (int32_t k = 1; k <= kind.Operators().Count(); ++k) {
        operators.append(QString::fromStdU16String(kind.Operators().Item(k)));
    }
    QJsonObject object{{QStringLiteral("title"), QString::fromStdU16String(kind.Title())},
                       {QStringLiteral("operands"), operands},
                       {QStringLiteral("operators"), operators},
                       {QStringLiteral("result"), LimitToJson(*kind.ResultLimit())},
                       {QStringLiteral("cbr"), kind.Cbr()},
                       {QStringLiteral("parentheses"), kind.ParenthesesChoice()},
                       {QStringLiteral("rules"), RulesToJson(kind.Rules())}};
    const bool comparesQuestions = kind.Form() == QuestionForm::CompareQuestions;
    for (const CFormKey& entry : FormKeys) {
        if (entry.form == (comparesQuestions ? QuestionForm::Compare : kind.Form())) {
            object.insert(QStringLiteral("form"), entry.key);
        }
    }
    if (comparesQuestions) {
        object.insert(CompareWithKey, ComparedQuestion);
    }
    if (kind.IsDecimal()) {
        object.insert(QStringLiteral("places"), PlacesToJson(kind));
    }
    if (kind.IsFraction()) {
        object.insert(QStringLiteral("fractions"), FractionsToJson(kind.Fractions()));
    }
    return object;
}

// A kind written before parentheses existed has none.
namespace {

std::optional<int32_t> ParenthesesFromJson(const QJsonObject& object) {
    const QJsonValue value = object.value(QStringLiteral("parentheses"));
    if (value.isUndefined()) {
        return CQuestionData::NoParentheses;
    }
    return Whole(value, CQuestionData::RandomParentheses, CQuestionData::MaxParenthesesChoice);
}

// A kind as the panel holds it, whose title may be empty.
} // namespace

std::shared_ptr<CQuestionData> PanelKindFromJson(const QJsonValue& value) {
    const QJsonObject object = value.toObject();
    const QJsonValue title = object.value(QStringLiteral("title"));
    const QJsonArray operands = object.value(QStringLiteral("operands")).toArray();
    const QJsonArray operators = object.value(QStringLiteral("operators")).toArray();
    const auto cbr = Whole(object.value(QStringLiteral("cbr")), Cbr::None, Cbr::NoRemainder);
    const auto places = PlacesFromJson(object, operands.size());
    const auto result =
        places ? LimitFromJson(object.value(QStringLiteral("result")), places->result) : nullptr;
    const auto parentheses = ParenthesesFromJson(object);
    const auto rules = RulesFromJson(object);
    const auto form = FormFromJson(object);
    const auto fractions = FractionsFromJson(object);
    if (!title.isString() || !cbr || !result || !parentheses || !rules || !form || !fractions ||
        operands.size() < CQuestionData::MinOperandCount ||
        operands.size() > CQuestionData::MaxOperandCount ||
        operators.size() != operands.size() - 1) {
        return nullptr;
    }
    auto kind = std::make_shared<CQuestionData>();
    kind->SetTitle(title.toString().toStdU16String());
    for (qsizetype k = 0; k < operands.size(); ++k) {
        if (k > 0) {
            if (!operators[k - 1].isString()) {
                return nullptr;
            }
            kind->AddOperator(operators[k - 1].toString().toStdU16String());
        }
        auto limit = LimitFromJson(operands[k], places->Operand(static_cast<size_t>(k)));
        if (!limit) {
            return nullptr;
        }
        kind->AddLimit(std::move(limit));
    }
    kind->SetResultLimit(result);
    kind->SetCbr(*cbr);
    kind->SetParenthesesChoice(*parentheses);
    kind->SetRules(*rules);
    kind->SetForm(*form);
    kind->SetDecimalPlaces(*places);
    kind->SetFractions(*fractions);
    return kind;
}

namespace {

std::shared_ptr<const CQuestionData> KindFromJson(const QJsonValue& value) {
    auto kind = PanelKindFromJson(value);
    return kind && !kind->Title().empty() ? std::move(kind) : nullptr;
}

std::optional<CSheetPlan> PlanFromJson(const QJsonObject& object) {
    const QJsonValue mixed = object.value(QStringLiteral("mixed"));
    if (!mixed.isBool() || !object.value(QStringLiteral("sections")).isArray()) {
        return std::nullopt;
    }
    CSheetPlan plan;
    plan.SetIsMixed(mixed.toBool());
    for (const QJsonValue section : object.value(QStringLiteral("sections")).toArray()) {
        const auto count = Whole(section.toObject().value(QStringLiteral("count")),
                                 CSheetPlan::MinSectionCount, CSheetPlan::MaxSectionCount);
        auto kind = KindFromJson(section.toObject().value(QStringLiteral("kind")));
        if (!count || !kind) {
            return std::nullopt;
        }
        plan.Add(std::move(kind), *count);
    }
    return plan;
}

std::optional<CSavedKinds> KindsFromJson(const QJsonObject& object) {
    if (!object.value(QStringLiteral("kinds")).isArray()) {
        return std::nullopt;
    }
    CSavedKinds kinds;
    for (const QJsonValue value : object.value(QStringLiteral("kinds")).toArray()) {
        auto kind = KindFromJson(value);
        if (!kind) {
            return std::nullopt;
        }
        kinds.Put(std::move(kind));
    }
    return kinds;
}

QJsonArray HeaderFieldsToJson(const CPageOptions& options) {
    QJsonArray fields;
    for (size_t field = 0; field < CPageOptions::HeaderFieldNames.size(); ++field) {
        if (options.HasHeaderField(field)) {
            fields.append(QString::fromUtf16(CPageOptions::HeaderFieldNames[field].data(),
                                             CPageOptions::HeaderFieldNames[field].size()));
        }
    }
    return fields;
}

// Files written before the header was offered have no "headerFields": their
// pages open with the title line alone, as they did.
bool ReadHeaderFields(const QJsonValue& value, CPageOptions& options) {
    options.ClearHeaderFields();
    if (value.isUndefined()) {
        return true;
    }
    if (!value.isArray()) {
        return false;
    }
    for (const QJsonValue name : value.toArray()) {
        const auto* found =
            std::find(CPageOptions::HeaderFieldNames.begin(), CPageOptions::HeaderFieldNames.end(),
                      name.toString().toStdU16String());
        if (found == CPageOptions::HeaderFieldNames.end()) {
            return false;
        }
        options.SetHasHeaderField(
            static_cast<size_t>(found - CPageOptions::HeaderFieldNames.begin()), true);
    }
    return true;
}

std::optional<CPageOptions> PageOptionsFromJson(const QJsonObject& object) {
    const QString paperName = object.value(QStringLiteral("paper")).toString();
    const auto* paper = std::find(std::begin(PaperNames), std::end(PaperNames), paperName);
    const QJsonValue margin = object.value(QStringLiteral("marginMillimetres"));
    const auto copies = Whole(object.value(QStringLiteral("copies")), CPageOptions::MinCopies,
                              CPageOptions::MaxCopies);
    // Files written before column form, large print or the QR code was
    // offered have no "columnForm", "largePrint" or "qrCode": their pages
    // stay as they were, without a QR code taking room from the rows.
    const QJsonValue columnForm = object.value(QStringLiteral("columnForm"));
    const QJsonValue largePrint = object.value(QStringLiteral("largePrint"));
    const QJsonValue qrCode = object.value(QStringLiteral("qrCode"));
    const bool isSwitch = object.value(QStringLiteral("landscape")).isBool() &&
                          object.value(QStringLiteral("answerKey")).isBool() &&
                          object.value(QStringLiteral("numbered")).isBool() &&
                          (columnForm.isUndefined() || columnForm.isBool()) &&
                          (largePrint.isUndefined() || largePrint.isBool()) &&
                          (qrCode.isUndefined() || qrCode.isBool());
    if (paper == std::end(PaperNames) || !margin.isDouble() ||
        margin.toDouble() < CPaper::MinMarginMillimetres ||
        margin.toDouble() > CPaper::MaxMarginMillimetres || !copies || !isSwitch) {
        return std::nullopt;
    }
    CPageOptions options;
    options.Paper().SetSize(static_cast<PaperSize>(paper - std::begin(PaperNames)));
    options.Paper().SetOrientation(object.value(QStringLiteral("landscape")).toBool()
                                       ? PageOrientation::Landscape
                                       : PageOrientation::Portrait);
    options.Paper().SetMarginMillimetres(margin.toDouble());
    options.SetIsAnswerKey(object.value(QStringLiteral("answerKey")).toBool());
    options.SetIsNumbered(object.value(QStringLiteral("numbered")).toBool());
    options.SetCopies(*copies);
    options.SetIsColumnForm(columnForm.toBool());
    options.SetIsLargePrint(largePrint.toBool());
    options.SetIsQrCode(qrCode.toBool());
    if (!ReadHeaderFields(object.value(QStringLiteral("headerFields")), options)) {
        return std::nullopt;
    }
    return options;
}

QJsonObject PrintedSheetToJson(const CPrintedSheet& sheet) {
    return {{QStringLiteral("when"), sheet.strWhen},
            {QStringLiteral("title"), sheet.strTitle},
            {QStringLiteral("codes"), QJsonArray::fromStringList(sheet.codes)},
            {QStringLiteral("qrText"), sheet.strQrText}};
}

std::optional<CPrintedSheet> PrintedSheetFromJson(const QJsonObject& object) {
    const QJsonValue codes = object.value(QStringLiteral("codes"));
    CPrintedSheet sheet{object.value(QStringLiteral("when")).toString(),
                        object.value(QStringLiteral("title")).toString(),
                        {},
                        object.value(QStringLiteral("qrText")).toString()};
    if (!object.value(QStringLiteral("when")).isString() ||
        !object.value(QStringLiteral("title")).isString() ||
        !object.value(QStringLiteral("qrText")).isString() || !codes.isArray() ||
        codes.toArray().isEmpty() || codes.toArray().size() > CPageOptions::MaxCopies) {
        return std::nullopt;
    }
    for (const QJsonValue code : codes.toArray()) {
        if (!code.isString()) {
            return std::nullopt;
        }
        sheet.codes.append(code.toString());
    }
    return sheet;
}

std::optional<std::vector<CPrintedSheet>> PrintedSheetsFromJson(const QJsonObject& object) {
    if (!object.value(QStringLiteral("sheets")).isArray()) {
        return std::nullopt;
    }
    std::vector<CPrintedSheet> sheets;
    for (const QJsonValue value : object.value(QStringLiteral("sheets")).toArray()) {
        auto sheet = PrintedSheetFromJson(value.toObject());
        if (!sheet) {
            return std::nullopt;
        }
        sheets.push_back(std::move(*sheet));
    }
    return sheets;
}

// The file's bytes when it is a regular file within its size.
std::optional<QByteArray> ReadBytes(const QString& strPath, const CFileKind& fileKind,
                                    QString& strMessage, EReadFault& fault) {
    const CFileRead read = ReadKeptFile(FilePath(strPath), fileKind.maxBytes);
    if (read.error == EFileError::None) {
        fault = EReadFault::None;
        return QByteArray::fromStdString(read.bytes);
    }
    fault = read.error == EFileError::NotFound ? EReadFault::Missing : EReadFault::Unusable;
    strMessage = QString::fromUtf16(u"无法读取文件“%1”：%2。")
                     .arg(Shown(strPath),
                          QString::fromStdU16String(FileErrorText(read.error, fileKind.maxBytes)));
    return std::nullopt;
}

// The document's object once it is Kelvo's file of that kind and of a version
// this program knows.
std::optional<QJsonObject> DocumentObject(const QByteArray& bytes, const QString& strPath,
                                          const CFileKind& fileKind, QString& strMessage,
                                          EReadFault& fault) {
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(bytes, &error);
    const QJsonObject object = document.object();
    const auto version =
        Whole(object.value(QStringLiteral("version")), 1, std::numeric_limits<int32_t>::max());
    if (error.error != QJsonParseError::NoError || !document.isObject() ||
        object.value(QStringLiteral("format")).toString() != fileKind.format || !version) {
        fault = EReadFault::Unusable;
        strMessage = DamagedMessage(strPath, fileKind);
        return std::nullopt;
    }
    if (*version > PlanFileVersion) {
        fault = EReadFault::Newer;
        strMessage = QString::fromUtf16(u"文件“%1”是较新版本的Kelvo保存的，这个版本无法打开。")
                         .arg(Shown(strPath));
        return std::nullopt;
    }
    fault = EReadFault::None;
    return object;
}

// A list (sections or kinds) within its bound, so that no file can hold the
// start-up for long.
bool IsWithinBound(const QJsonObject& object, const QString& strKey, std::size_t bound,
                   const char16_t* tooMany, const QString& strPath, QString& strMessage,
                   EReadFault& fault) {
    const auto count = static_cast<std::size_t>(object.value(strKey).toArray().size());
    if (count <= bound) {
        return true;
    }
    fault = EReadFault::Unusable;
    strMessage = QString::fromUtf16(tooMany).arg(Shown(strPath)).arg(count).arg(bound);
    return false;
}

// The content read from a document, or the fault of a damaged one.
template <class T>
std::optional<T> Checked(std::optional<T> content, const QString& strPath,
                         const CFileKind& fileKind, QString& strMessage, EReadFault& fault) {
    if (!content) {
        fault = EReadFault::Unusable;
        strMessage = DamagedMessage(strPath, fileKind);
    }
    return content;
}

QByteArray DocumentBytes(const CFileKind& fileKind, QJsonObject object) {
    object.insert(QStringLiteral("format"), fileKind.format);
    object.insert(QStringLiteral("version"), PlanFileVersion);
    return QJsonDocument(object).toJson();
}

bool WriteDocument(const QString& strPath, const QByteArray& bytes, QString& strMessage) {
    const EFileError error =
        ReplaceKeptFile(FilePath(strPath), std::string_view(bytes.constData(), bytes.size()));
    if (error != EFileError::None) {
        strMessage = QString::fromUtf16(u"无法保存文件“%1”：%2。")
                         .arg(Shown(strPath), QString::fromStdU16String(FileErrorText(error, 0)));
        return false;
    }
    return true;
}

} // namespace

std::optional<CSheetPlan> PlanFromBytes(const QByteArray& bytes, const QString& strPath,
                                        QString& strMessage, EReadFault& fault) {
    const auto object = DocumentObject(bytes, strPath, PlanFile, strMessage, fault);
    if (!object || !IsWithinBound(*object, QStringLiteral("sections"), MaxPlanSections,
                                  u"文件“%1”里的试卷有 %2 节，超过了 %3 节的上限，没有打开。",
                                  strPath, strMessage, fault)) {
        return std::nullopt;
    }
    return Checked(PlanFromJson(*object), strPath, PlanFile, strMessage, fault);
}

std::optional<CSheetPlan> ReadPlanFile(const QString& strPath, QString& strMessage,
                                       EReadFault& fault) {
    const auto bytes = ReadBytes(strPath, PlanFile, strMessage, fault);
    return bytes ? PlanFromBytes(*bytes, strPath, strMessage, fault) : std::nullopt;
}

QByteArray PlanFileBytes(const CSheetPlan& plan) {
    QJsonArray sections;
    for (const CSheetSection& section : plan.Sections()) {
        sections.append(QJsonObject{{QStringLiteral("count"), section.count},
                                    {QStringLiteral("kind"), KindToJson(*section.kind)}});
    }
    return DocumentBytes(PlanFile, {{QStringLiteral("mixed"), plan.IsMixed()},
                                    {QStringLiteral("sections"), sections}});
}

bool WritePlanFile(const QString& strPath, const CSheetPlan& plan, QString& strMessage) {
    return WriteDocument(strPath, PlanFileBytes(plan), strMessage);
}

std::optional<CSavedKinds> KindsFromBytes(const QByteArray& bytes, const QString& strPath,
                                          QString& strMessage, EReadFault& fault) {
    const auto object = DocumentObject(bytes, strPath, KindsFile, strMessage, fault);
    if (!object || !IsWithinBound(*object, QStringLiteral("kinds"), MaxSavedKinds,
                                  u"文件“%1”里有 %2 个题型，超过了 %3 个的上限，没有打开。",
                                  strPath, strMessage, fault)) {
        return std::nullopt;
    }
    return Checked(KindsFromJson(*object), strPath, KindsFile, strMessage, fault);
}

std::optional<CSavedKinds> ReadKindsFile(const QString& strPath, QString& strMessage,
                                         EReadFault& fault) {
    const auto bytes = ReadBytes(strPath, KindsFile, strMessage, fault);
    return bytes ? KindsFromBytes(*bytes, strPath, strMessage, fault) : std::nullopt;
}

QByteArray KindsFileBytes(const CSavedKinds& kinds) {
    QJsonArray list;
    for (const auto& kind : kinds.Kinds()) {
        list.append(KindToJson(*kind));
    }
    return DocumentBytes(KindsFile, {{QStringLiteral("kinds"), list}});
}

bool WriteKindsFile(const QString& strPath, const CSavedKinds& kinds, QString& strMessage) {
    return WriteDocument(strPath, KindsFileBytes(kinds), strMessage);
}

std::optional<CPageOptions> PageOptionsFromBytes(const QByteArray& bytes, const QString& strPath,
                                                 QString& strMessage, EReadFault& fault) {
    const auto object = DocumentObject(bytes, strPath, PageOptionsFile, strMessage, fault);
    return object
               ? Checked(PageOptionsFromJson(*object), strPath, PageOptionsFile, strMessage, fault)
               : std::nullopt;
}

std::optional<CPageOptions> ReadPageOptionsFile(const QString& strPath, QString& strMessage,
                                                EReadFault& fault) {
    const auto bytes = ReadBytes(strPath, PageOptionsFile, strMessage, fault);
    return bytes ? PageOptionsFromBytes(*bytes, strPath, strMessage, fault) : std::nullopt;
}

QByteArray PageOptionsFileBytes(const CPageOptions& options) {
    const CPaper& paper = options.Paper();
    return DocumentBytes(
        PageOptionsFile,
        {{QStringLiteral("paper"), PaperNames[static_cast<size_t>(paper.Size())]},
         {QStringLiteral("landscape"), paper.Orientation() == PageOrientation::Landscape},
         {QStringLiteral("marginMillimetres"), paper.MarginMillimetres()},
         {QStringLiteral("answerKey"), options.IsAnswerKey()},
         {QStringLiteral("numbered"), options.IsNumbered()},
         {QStringLiteral("copies"), options.Copies()},
         {QStringLiteral("columnForm"), options.IsColumnForm()},
         {QStringLiteral("largePrint"), options.IsLargePrint()},
         {QStringLiteral("qrCode"), options.IsQrCode()},
         {QStringLiteral("headerFields"), HeaderFieldsToJson(options)}});
}

bool WritePageOptionsFile(const QString& strPath, const CPageOptions& options,
                          QString& strMessage) {
    return WriteDocument(strPath, PageOptionsFileBytes(options), strMessage);
}

std::optional<std::vector<CPrintedSheet>>
ReadPrintedSheetsFile(const QString& strPath, QString& strMessage, EReadFault& fault) {
    const auto bytes = ReadBytes(strPath, PrintedSheetsFile, strMessage, fault);
    const auto object = bytes
                            ? DocumentObject(*bytes, strPath, PrintedSheetsFile, strMessage, fault)
                            : std::nullopt;
    if (!object || !IsWithinBound(*object, QStringLiteral("sheets"), MaxPrintedSheets,
                                  u"文件“%1”里有 %2 份试卷的记录，超过了 %3 份的上限，没有打开。",
                                  strPath, strMessage, fault)) {
        return std::nullopt;
    }
    return Checked(PrintedSheetsFromJson(*object), strPath, PrintedSheetsFile, strMessage, fault);
}

bool WritePrintedSheetsFile(const QString& strPath, const std::vector<CPrintedSheet>& sheets,
                            QString& strMessage) {
    QJsonArray list;
    for (const CPrintedSheet& sheet : sheets) {
        list.append(PrintedSheetToJson(sheet));
    }
    return WriteDocument(
        strPath, DocumentBytes(PrintedSheetsFile, {{QStringLiteral("sheets"), list}}), strMessage);
}

std::optional<CLastPanels> ReadPanelFile(const QString& strPath, QString& strMessage,
                                         EReadFault& fault) {
    const auto bytes = ReadBytes(strPath, PanelFile, strMessage, fault);
    const auto object =
        bytes ? DocumentObject(*bytes, strPath, PanelFile, strMessage, fault) : std::nullopt;
    if (!object) {
        return std::nullopt;
    }
    const auto kind = PanelKindFromJson(object->value(QStringLiteral("kind")));
    const auto sectionCount = Whole(object->value(QStringLiteral("sectionCount")),
                                    CSheetPlan::MinSectionCount, CSheetPlan::MaxSectionCount);
    return Checked(kind && sectionCount ? std::optional(CLastPanels{*kind, *sectionCount})
                                        : std::nullopt,
                   strPath, PanelFile, strMessage, fault);
}

bool WritePanelFile(const QString& strPath, const CLastPanels& panels, QString& strMessage) {
    return WriteDocument(
        strPath,
        DocumentBytes(PanelFile, {{QStringLiteral("kind"), KindToJson(panels.kind)},
                                  {QStringLiteral("sectionCount"), panels.sectionCount}}),
        strMessage);
}

} // namespace kelvo
