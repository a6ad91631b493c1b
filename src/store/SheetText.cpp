#include "store/SheetText.h"

#include "store/PlanFiles.h"
#include "worksheet/SheetCode.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QStringList>

#include <cmath>
#include <string_view>

// zlib takes the input as const.
#define ZLIB_CONST
#include <zlib.h>

namespace kelvo {

namespace {

constexpr int SheetTextVersion = 1;
const QLatin1StringView Prefix("KELVO");
// Far above the longest plan a QR code holds; a text cannot make Kelvo
// unpack more than this.
constexpr qsizetype MaxTextLength = 16 * 1024;
constexpr qsizetype MaxUnpackedBytes = 1024 * 1024;

const char16_t* const DamagedText = u"二维码文字已损坏，或者不是Kelvo试卷的二维码文字。";
const char16_t* const NewerText = u"这份试卷是较新版本的Kelvo打印的，这个版本无法重做。";

QJsonObject LayoutToJson(const COutputSettings& layout) {
    return {{QStringLiteral("title"), QString::fromStdU16String(layout.Title())},
            {QStringLiteral("rows"), layout.RowCount()},
            {QStringLiteral("columns"), layout.ColumnCount()},
            {QStringLiteral("rowSpacing"), layout.RowSpacing()},
            {QStringLiteral("columnSpacing"), layout.ColumnSpacing()},
            {QStringLiteral("rowsPerTitle"), layout.RowCountPerTitle()},
            {QStringLiteral("fillIn"), layout.IsFillQuestions()},
            {QStringLiteral("answers"), layout.IsShowAnswer()}};
}

std::optional<int32_t> Whole(const QJsonObject& object, const char* key, int32_t lowest,
                             int32_t highest) {
    const QJsonValue value = object.value(QLatin1StringView(key));
    const double number = value.toDouble(-1);
    if (!value.isDouble() || number != std::floor(number) || number < lowest || number > highest) {
        return std::nullopt;
    }
    return static_cast<int32_t>(number);
}

std::optional<COutputSettings> LayoutFromJson(const QJsonObject& object) {
    const auto rows =
        Whole(object, "rows", COutputSettings::MinRowCount, COutputSettings::MaxRowCount);
    const auto columns =
        Whole(object, "columns", COutputSettings::MinColumnCount, COutputSettings::MaxColumnCount);
    const auto rowSpacing = Whole(object, "rowSpacing", 0, COutputSettings::MaxRowSpacing);
    const auto columnSpacing = Whole(object, "columnSpacing", 0, COutputSettings::MaxColumnSpacing);
    const auto rowsPerTitle =
        Whole(object, "rowsPerTitle", 0, COutputSettings::MaxRowCountPerTitle);
    const QJsonValue title = object.value(QStringLiteral("title"));
    const QJsonValue fillIn = object.value(QStringLiteral("fillIn"));
    const QJsonValue answers = object.value(QStringLiteral("answers"));
    if (!rows || !columns || !rowSpacing || !columnSpacing || !rowsPerTitle || !title.isString() ||
        title.toString().size() > COutputSettings::MaxTitleLength || !fillIn.isBool() ||
        !answers.isBool()) {
        return std::nullopt;
    }
    COutputSettings layout;
    layout.SetTitle(title.toString().toStdU16String());
    layout.SetRowCount(*rows);
    layout.SetColumnCount(*columns);
    layout.SetRowSpacing(*rowSpacing);
    layout.SetColumnSpacing(*columnSpacing);
    layout.SetRowCountPerTitle(*rowsPerTitle);
    layout.SetIsFillQuestions(fillIn.toBool());
    layout.SetIsShowAnswer(answers.toBool());
    return layout;
}

// The panel's one kind (its title may be empty) and its count, or a plan as
// its file holds it.
QJsonObject PlanToJson(const CSheetPlan& plan) {
    if (plan.Arrangement() == SheetArrangement::OneKind) {
        const CSheetSection& section = plan.Sections().front();
        return {{QStringLiteral("oneKind"), KindToJson(*section.kind)},
                {QStringLiteral("count"), section.count}};
    }
    return QJsonDocument::fromJson(PlanFileBytes(plan)).object();
}

std::optional<CSheetPlan> PlanFromJson(const QJsonObject& object) {
    if (!object.contains(QStringLiteral("oneKind"))) {
        QString strMessage;
        EReadFault fault = EReadFault::None;
        return PlanFromBytes(QJsonDocument(object).toJson(QJsonDocument::Compact), {}, strMessage,
                             fault);
    }
    auto kind = PanelKindFromJson(object.value(QStringLiteral("oneKind")));
    const auto count =
        Whole(object, "count", 1, COutputSettings::MaxRowCount * COutputSettings::MaxColumnCount);
    if (!kind || !count) {
        return std::nullopt;
    }
    return CSheetPlan::OfOneKind(std::move(kind), *count);
}

std::optional<CPageOptions> PageOptionsFromJson(const QJsonObject& object) {
    QString strMessage;
    EReadFault fault = EReadFault::None;
    return PageOptionsFromBytes(QJsonDocument(object).toJson(QJsonDocument::Compact), {},
                                strMessage, fault);
}

std::optional<CSheetRecipe> RecipeFromJson(uint64_t seed, const QJsonObject& object) {
    const auto plan = PlanFromJson(object.value(QStringLiteral("plan")).toObject());
    const auto drawnColumns = Whole(object, "drawnColumns", COutputSettings::MinColumnCount,
                                    COutputSettings::MaxColumnCount);
    const auto layout = LayoutFromJson(object.value(QStringLiteral("layout")).toObject());
    const auto options = PageOptionsFromJson(object.value(QStringLiteral("page")).toObject());
    if (!plan || plan->IsEmpty() || !drawnColumns || !layout || !options) {
        return std::nullopt;
    }
    return CSheetRecipe{seed, *plan, *drawnColumns, *layout, *options};
}

// What most descriptions say, so that packing leaves mostly the numbers and
// titles of one sheet: keys and common values, the most common last. Part of
// the text's format: a text packed with it is unpacked with the very same.
constexpr std::string_view PackingDictionary =
    R"({"format":"kelvo-plan","mixed":false,"sections":[{"count":20,"kind":{"cbr":0,)"
    R"("operands":[{"from":1,"multipleOf":1,"to":10},{"from":1,"multipleOf":1,"to":100}],)"
    R"("operators":["＋$$$","－$$$","＋－$$","$$×$","$$$÷"],"parentheses":0,)"
    R"("result":{"from":0,"multipleOf":1,"to":20},"rules":{"intermediateInResultRange":false,)"
    R"("noQuotientOne":false,"noTrivialFactor":false,"noZeroOperand":false},"title":"以内的加法"}}],)"
    R"("version":1}}{"drawnColumns":4,"layout":{"answers":false,"columnSpacing":6,"columns":4,)"
    R"("fillIn":false,"rowSpacing":1,"rows":25,"rowsPerTitle":10,"title":"  姓名：      得分："},)"
    R"("page":{"answerKey":true,"columnForm":false,"copies":1,"format":"kelvo-page",)"
    R"("headerFields":["班级","姓名","日期","用时","得分","家长签字"],"landscape":false,)"
    R"("largePrint":false,"marginMillimetres":15,"numbered":true,"paper":"A4","qrCode":true,)"
    R"("version":1},"plan":{"count":100,"oneKind":{"cbr":0,"operands":[{"from":1,"multipleOf":1,"to":20},)"
    R"({"from":1,"multipleOf":1,"to":20}],"operators":["＋－$$"],"parentheses":0,)"
    R"("result":{"from":0,"multipleOf":1,"to":20},"rules":{"intermediateInResultRange":false,)"
    R"("noQuotientOne":false,"noTrivialFactor":false,"noZeroOperand":false},"title":""}}})";
// Raw deflate: the text's version stands for its format, so it needs no header.
constexpr int RawDeflateBits = -15;

void SetDictionary(z_stream& stream, int (*set)(z_streamp, const Bytef*, uInt)) {
    set(&stream, reinterpret_cast<const Bytef*>(PackingDictionary.data()),
        static_cast<uInt>(PackingDictionary.size()));
}

QByteArray Packed(const QByteArray& bytes) {
    z_stream stream{};
    deflateInit2(&stream, Z_BEST_COMPRESSION, Z_DEFLATED, RawDeflateBits, 9, Z_DEFAULT_STRATEGY);
    SetDictionary(stream, deflateSetDictionary);
    QByteArray packed(
        static_cast<qsizetype>(deflateBound(&stream, static_cast<uLong>(bytes.size()))),
        Qt::Uninitialized);
    stream.next_in = reinterpret_cast<const Bytef*>(bytes.constData());
    stream.avail_in = static_cast<uInt>(bytes.size());
    stream.next_out = reinterpret_cast<Bytef*>(packed.data());
    stream.avail_out = static_cast<uInt>(packed.size());
    deflate(&stream, Z_FINISH);
    packed.resize(static_cast<qsizetype>(stream.total_out));
    deflateEnd(&stream);
    return packed;
}

// Nothing for data that is not packed or unpacks to more than the bound.
std::optional<QByteArray> Unpacked(const QByteArray& packed) {
    z_stream stream{};
    inflateInit2(&stream, RawDeflateBits);
    SetDictionary(stream, inflateSetDictionary);
    QByteArray bytes(MaxUnpackedBytes, Qt::Uninitialized);
    stream.next_in = reinterpret_cast<const Bytef*>(packed.constData());
    stream.avail_in = static_cast<uInt>(packed.size());
    stream.next_out = reinterpret_cast<Bytef*>(bytes.data());
    stream.avail_out = static_cast<uInt>(bytes.size());
    const int result = inflate(&stream, Z_FINISH);
    bytes.resize(static_cast<qsizetype>(stream.total_out));
    inflateEnd(&stream);
    return result == Z_STREAM_END ? std::optional(bytes) : std::nullopt;
}

std::optional<QJsonObject> DataObject(const QString& strData) {
    const auto decoded = QByteArray::fromBase64Encoding(
        strData.toLatin1(), QByteArray::Base64UrlEncoding | QByteArray::OmitTrailingEquals |
                                QByteArray::AbortOnBase64DecodingErrors);
    const auto bytes = decoded ? Unpacked(*decoded) : std::nullopt;
    if (!bytes) {
        return std::nullopt;
    }
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(*bytes, &error);
    if (error.error != QJsonParseError::NoError || !document.isObject()) {
        return std::nullopt;
    }
    return document.object();
}

} // namespace

QString SheetQrText(const CSheetRecipe& recipe) {
    const QJsonObject object{
        {QStringLiteral("plan"), PlanToJson(recipe.plan)},
        {QStringLiteral("drawnColumns"), recipe.drawnColumns},
        {QStringLiteral("layout"), LayoutToJson(recipe.layout)},
        {QStringLiteral("page"),
         QJsonDocument::fromJson(PageOptionsFileBytes(recipe.options)).object()}};
    const QByteArray packed = Packed(QJsonDocument(object).toJson(QJsonDocument::Compact));
    return Prefix + QString::number(SheetTextVersion) + u':' +
           QString::fromStdU16String(SheetCode(recipe.seed)) + u':' +
           QString::fromLatin1(
               packed.toBase64(QByteArray::Base64UrlEncoding | QByteArray::OmitTrailingEquals));
}

bool LooksLikeSheetQrText(const QString& strText) {
    return strText.trimmed().startsWith(Prefix, Qt::CaseInsensitive);
}

std::optional<CSheetRecipe> ReadSheetQrText(const QString& strText, QString& strMessage) {
    const QStringList parts = strText.trimmed().split(u':');
    bool isNumber = false;
    const int version = parts.size() == 3 && parts[0].startsWith(Prefix)
                            ? parts[0].mid(Prefix.size()).toInt(&isNumber)
                            : 0;
    if (isNumber && version > SheetTextVersion) {
        strMessage = QString::fromUtf16(NewerText);
        return std::nullopt;
    }
    const auto seed = parts.size() == 3 ? SeedOfCode(parts[1].toStdU16String()) : std::nullopt;
    const auto object =
        isNumber && version == SheetTextVersion && seed && parts[2].size() <= MaxTextLength
            ? DataObject(parts[2])
            : std::nullopt;
    auto recipe = object ? RecipeFromJson(*seed, *object) : std::nullopt;
    if (!recipe) {
        strMessage = QString::fromUtf16(DamagedText);
    }
    return recipe;
}

} // namespace kelvo
