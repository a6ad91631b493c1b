// Writes the seeds of the plan, kinds and page-options fuzzers into three
// folders: files as the program saves them, made of the preset kinds.
// Usage: kelvo_plan_files_seeds plan-folder kinds-folder page-folder
#include "question/CPreCreatedQuestions.h"
#include "store/PlanFiles.h"

#include <QFile>

#include <cstdio>

namespace {

using namespace kelvo;

void WriteSeed(const char* folder, int index, const QByteArray& bytes) {
    QFile file(QStringLiteral("%1/seed-%2.json").arg(QString::fromLocal8Bit(folder)).arg(index));
    if (file.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        file.write(bytes);
    }
}

} // namespace

int main(int argc, char* argv[]) {
    if (argc != 4) {
        std::fprintf(stderr, "usage: %s plan-folder kinds-folder page-folder\n", argv[0]);
        return 2;
    }
    CPreCreatedQuestions presets;
    presets.Load();
    CSheetPlan plan;
    CSavedKinds kinds;
    for (int32_t i = 1; i <= presets.Questions().Count(); ++i) {
        const auto& kind = presets.Questions().Item(i);
        if (kind->Limits().Count() == 0) {
            continue;
        }
        plan.SetIsMixed(i % 2 == 0);
        plan.Add(kind, i * 37 % CSheetPlan::MaxSectionCount + 1);
        kinds.Put(kind);
        if (i % 8 == 0) {
            WriteSeed(argv[1], i, PlanFileBytes(plan));
            WriteSeed(argv[2], i, KindsFileBytes(kinds));
            plan.Clear();
            kinds = CSavedKinds();
        }
        CPageOptions options;
        options.Paper().SetSize(static_cast<PaperSize>(i % 4));
        options.Paper().SetOrientation(i % 2 == 0 ? PageOrientation::Landscape
                                                  : PageOrientation::Portrait);
        options.Paper().SetMarginMillimetres(CPaper::MinMarginMillimetres + i % 20);
        options.SetIsAnswerKey(i % 3 == 0);
        options.SetIsNumbered(i % 5 != 0);
        options.SetCopies(i % CPageOptions::MaxCopies + 1);
        options.SetIsColumnForm(i % 7 == 0);
        WriteSeed(argv[3], i, PageOptionsFileBytes(options));
    }
    return 0;
}
