// Recording a finished drill must not be felt: the goal is under 20 ms, with
// the file on the disk the user's data folder is on. Choosing the day's
// practice from a history of 10 000 drills: under 50 ms; opening the map of
// the child's mastery from it: under 100 ms.
#include "drill/KindFacts.h"
#include "foundation/RandomSource.h"
#include "number/OperatorCodes.h"
#include "question/CPreCreatedQuestions.h"
#include "store/CDrillHistory.h"
#include "training/frmMasteryMap.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <array>

namespace kelvo {
namespace {

// A typed drill with every question missed and timed, the most a drill writes.
CDrillRecord AllMissed(int32_t drill) {
    CDrillRecord record{
        {u"20以内的进位加法", 2, 60, 60, 0, 30, 0, u"婴儿", 2, 60000, 8}, {}, {}, {}};
    CValueLimit limit;
    limit.Init(1, 20, 1, 1);
    for (int32_t k = 0; k < 30; ++k) {
        auto question = std::make_shared<CExprValue>();
        const int32_t a = (drill + k) % 19 + 1;
        const std::array<CExprValue::OperandValue, 2> operands{{{Op::None, a}, {Op::Plus, 20 - a}}};
        question->CreateFrom(operands, 20);
        const CKeptQuestion kept{record.result.kind, std::move(question), limit};
        record.missed.push_back({kept, 19});
        record.answers.push_back({kept, 19, 1500 + k});
    }
    return record;
}

void BM_RecordFinishedDrill(benchmark::State& state) {
    QTemporaryDir folder;
    CDrillHistory history(folder.filePath(QStringLiteral("KelvoHistory.sqlite")));
    // The file is opened and made before the first drill.
    history.Drills();
    int32_t drill = 0;
    for (auto _ : state) {
        state.PauseTiming();
        const CDrillRecord record = AllMissed(drill++);
        state.ResumeTiming();
        if (!history.Record(record)) {
            state.SkipWithError("not recorded");
            break;
        }
    }
}
BENCHMARK(BM_RecordFinishedDrill)->Unit(benchmark::kMillisecond);

const CQuestionData& CarryAddition() {
    static CPreCreatedQuestions presets;
    static const bool isLoaded = (presets.Load(), true);
    (void)isLoaded;
    return *presets.Item(u"20以内的进位加法");
}

// 10 000 drills of 20以内的进位加法, made once for the benchmarks that read
// them, with the time of the first ask for the kind's mastery: after the
// history was kept by an older Kelvo, it reads every answer once.
struct CTenThousandDrills {
    QTemporaryDir folder;
    CDrillHistory history{folder.filePath(QStringLiteral("KelvoHistory.sqlite"))};
    double firstAskMilliseconds = 0;

    CTenThousandDrills() {
        for (int32_t drill = 0; drill < 10000; ++drill) {
            history.Record(AllMissed(drill));
        }
        const CQuestionData& kind = CarryAddition();
        QElapsedTimer first;
        first.start();
        history.MasteryOfFacts(QString::fromUtf16(kind.Title().c_str()),
                               *ListFacts(MakeQuestions(kind, MaxListedFacts + 1, nullptr)),
                               CFactMastery::DefaultFluentMilliseconds);
        firstAskMilliseconds = static_cast<double>(first.nsecsElapsed()) / 1e6;
    }
};

CTenThousandDrills& TenThousandDrills() {
    static CTenThousandDrills drills;
    return drills;
}

// 今日练习 as the training window makes it: the kind's facts, the child's
// answers to them, each fact's mastery and the choice.
void BM_DailyPracticeFromTenThousandDrills(benchmark::State& state) {
    CDrillHistory& history = TenThousandDrills().history;
    const CQuestionData& kind = CarryAddition();
    state.counters["first_ask_ms"] = TenThousandDrills().firstAskMilliseconds;
    for (auto _ : state) {
        const CQuestionSet drawn = MakeQuestions(kind, MaxListedFacts + 1, nullptr);
        const std::optional<QuestionList> facts = ListFacts(drawn);
        if (!facts) {
            state.SkipWithError("the kind is not listed fact by fact");
            break;
        }
        const std::vector<CFactMastery> mastery =
            history.MasteryOfFacts(QString::fromStdU16String(drawn.title), *facts,
                                   CFactMastery::DefaultFluentMilliseconds);
        benchmark::DoNotOptimize(ChooseDailyPractice(mastery, history.Today(), 30, DrawSeed()));
    }
}
BENCHMARK(BM_DailyPracticeFromTenThousandDrills)->Unit(benchmark::kMillisecond);

// 掌握情况 from the click to the painted window: the facts, their mastery,
// their places and the window painted at the laptop's screen size.
void BM_MasteryMapFromTenThousandDrills(benchmark::State& state) {
    CDrillHistory& history = TenThousandDrills().history;
    const CQuestionData& kind = CarryAddition();
    for (auto _ : state) {
        const CQuestionSet drawn = MakeQuestions(kind, MaxListedFacts + 1, nullptr);
        const QuestionList facts = *ListFacts(drawn);
        const std::vector<CFactMastery> mastery = history.MasteryOfFacts(
            QString::fromStdU16String(drawn.title), facts, CFactMastery::DefaultFluentMilliseconds);
        frmMasteryMap map(LayOutMastery(facts, mastery), QStringLiteral("掌握情况"), nullptr);
        map.resize(1366, 740);
        benchmark::DoNotOptimize(map.grab());
    }
}
BENCHMARK(BM_MasteryMapFromTenThousandDrills)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace kelvo

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
