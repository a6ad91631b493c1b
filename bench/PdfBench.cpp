// A sheet with its answer key to PDF as "导出PDF" writes it: laying out the
// pages in the output font and painting them into the file.
#include "LargestSheet.h"
#include "printing/CFontMeasure.h"
#include "printing/PdfExport.h"
#include "question/CPreCreatedQuestions.h"
#include "worksheet/SheetPages.h"

#include <QApplication>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace kelvo {
namespace {

void RunPdf(benchmark::State& state, const char16_t* kind, const COutputSettings& layout,
            const CPageOptions& options) {
    CPreCreatedQuestions presets;
    presets.Load();
    const std::vector<CSheet> copies{DrawSheet(
        CSheetPlan::OfOneKind(presets.Item(kind), layout.RowCount() * layout.ColumnCount()),
        layout.ColumnCount(), 1, nullptr, nullptr)};
    const QFont font(QStringLiteral("Noto Sans Mono CJK SC"), 12);
    const CFontMeasure measure(font);
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
    RunPdf(state, u"100以内的连加减", bench::DefaultSheet(10, 5), CPageOptions());
}
BENCHMARK(BM_Pdf_TenByFiveWithKey)->Unit(benchmark::kMillisecond);

void BM_Pdf_FiveThousandByFiveWithKey(benchmark::State& state) {
    RunPdf(state, u"100以内的连加减", bench::DefaultSheet(5000, 5), CPageOptions());
}
BENCHMARK(BM_Pdf_FiveThousandByFiveWithKey)->Unit(benchmark::kMillisecond)->Iterations(2);

void BM_Pdf_TenByFourColumnFormWithKey(benchmark::State& state) {
    CPageOptions options;
    options.SetIsColumnForm(true);
    RunPdf(state, u"两位数乘以两位数", bench::DefaultSheet(10, 4), options);
}
BENCHMARK(BM_Pdf_TenByFourColumnFormWithKey)->Unit(benchmark::kMillisecond);

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
