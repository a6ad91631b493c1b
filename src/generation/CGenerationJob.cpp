#include "generation/CGenerationJob.h"

#include "foundation/RuntimeError.h"
#include "foundation/UserInterfaceYield.h"
#include "generation/CInfoReceiver.h"
#include "generation/CTemplateRun.h"

#include <algorithm>
#include <chrono>

namespace kelvo {

namespace {

// A wanted number of at least this many shows the progress frame.
constexpr int32_t ProgressThreshold = 1000;

const std::u16string GeneratingCaption = u"生成了试题";

} // namespace

CGenerationJob::CGenerationJob(CInfoReceiver* receiver, Clock clock)
    : m_receiver(receiver), m_clock(std::move(clock)) {}

double CGenerationJob::SteadyClockSeconds() {
    const auto now = std::chrono::steady_clock::now().time_since_epoch();
    return std::chrono::duration<double>(now).count();
}

GenerationEnd CGenerationJob::Run(const std::vector<CExpression*>& templates, int32_t wanted,
                                  QuestionList& questions) {
    m_start = m_clock();
    m_wanted = wanted;
    m_made = 0;
    m_end = GenerationEnd::Complete;
    if (wanted < 1 || templates.empty()) {
        return m_end;
    }
    questions.EnsureCapacity(CheckedAdd(questions.Count(), wanted));
    RunBracketed(m_receiver, wanted >= ProgressThreshold, GeneratingCaption, [&] {
        std::vector<CTemplateRun> runs;
        runs.reserve(templates.size());
        for (CExpression* expression : templates) {
            runs.emplace_back(*expression, wanted);
        }
        TakeTurns(runs, questions);
        const bool anyHopeless =
            std::any_of(runs.begin(), runs.end(), [](const auto& run) { return run.IsHopeless(); });
        if (m_end == GenerationEnd::Complete && anyHopeless && m_made < wanted) {
            m_end = GenerationEnd::GaveUp;
        }
    });
    return m_end;
}

void CGenerationJob::TakeTurns(std::vector<CTemplateRun>& runs, QuestionList& questions) {
    bool anyGave = true;
    while (anyGave && IsGoing()) {
        anyGave = false;
        for (auto run = runs.begin(); run != runs.end() && IsGoing(); ++run) {
            if (run->CanGive()) {
                anyGave = true;
                Attempt(*run, questions);
            }
        }
    }
}

bool CGenerationJob::IsGoing() const {
    return m_made < m_wanted && m_end == GenerationEnd::Complete;
}

void CGenerationJob::Attempt(CTemplateRun& run, QuestionList& questions) {
    if (run.Attempt(m_blocks, questions)) {
        ++m_made;
        if (m_receiver != nullptr) {
            m_receiver->Process(m_made);
        }
    }
    CountAttempt();
}

void CGenerationJob::CountAttempt() {
    if (++m_attempts % YieldInterval != 0) {
        return;
    }
    YieldToUserInterface();
    if (m_receiver != nullptr && m_receiver->IsCancelled()) {
        m_end = GenerationEnd::Cancelled;
    } else if (CannotPlausiblyFinish()) {
        m_end = GenerationEnd::GaveUp;
    }
}

bool CGenerationJob::CannotPlausiblyFinish() const {
    const double elapsed = m_clock() - m_start;
    return elapsed >= MeasuringSeconds && elapsed * m_wanted > PlausibleSeconds * m_made;
}

} // namespace kelvo
