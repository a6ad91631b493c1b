// A sheet with its answer key to PDF as "导出PDF" writes it: laying out the
// pages in the output font and painting them into the file.
#include "output/CFontMeasure.h"
#include "output/PdfExport.h"
#include "question/CPreCreatedQuestions.h"
#include "worksheet/SheetPages.h"

#include <QApplication>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace kelvo {
namespace {

COutputSettings Layout(int32_t rows) {
    COutputSettings layout;
    layout.SetTitle(u"  姓名：                   时间：                   得分：");
    layout.SetRowCount(rows);
    layout.SetColumnCount(5);
    layout.SetRowSpacing(1);
    layout.SetColumnSpacing(6);
    layout.SetRowCountPerTitle(10);
    return layout;
}

void RunPdf(benchmark::State& state, int32_t rows) {
    CPreCreatedQuestions presets;
    presets.Load();
    const COutputSettings layout = Layout(rows);
    const std::vector<CQuestionSet> copies{
        MakeQuestions(*presets.Item(u"100以内的连加减"), rows * 5, nullptr)};
    const QFont font(QStringLiteral("Noto Sans Mono CJK SC"), 12);
    const CFontMeasure measure(font);
    const CPageOptions options;
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("sheet.pdf"));
    int32_t pageCount = 0;
    for (auto _ : state) {
        const CPageLayout pages = LayOutPages(copies, layout, options, measure, font.pointSizeF());
        QString error;
        if (!ExportPdf(pages, font, path, nullptr, error)) {
            state.SkipWithError(error.toStdString().c_str());
            return;
        }
        pageCount = pages.PageCount();
    }
    state.counters["pages"] = pageCount;
}

void BM_Pdf_TenByFiveWithKey(benchmark::State& state) {
    RunPdf(state, 10);
}
BENCHMARK(BM_Pdf_TenByFiveWithKey)->Unit(benchmark::kMillisecond);

void BM_Pdf_FiveThousandByFiveWithKey(benchmark::State& state) {
    RunPdf(state, 5000);
}
BENCHMARK(BM_Pdf_FiveThousandByFiveWithKey)->Unit(benchmark::kMillisecond)->Iterations(2);

} // namespace
} // namespace kelvo

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
