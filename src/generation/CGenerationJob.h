#pragma once

#include "generation/CExprValueBlocks.h"
#include "generation/CExpression.h"

#include <cstdint>
#include <functional>
#include <vector>

namespace kelvo {

class CInfoReceiver;
class CTemplateRun;

// How a generation job ended.
enum class GenerationEnd {
    // The wanted number, or every question the templates could give.
    Complete,
    // The user stopped it; the questions made so far stay.
    Cancelled,
    // Hopeless templates were stopped short of the wanted number.
    GaveUp,
};

// Makes the questions of one job from its templates. They share the wanted
// number: the templates that can still give take turns, one attempt each, so
// at any moment all of them have had the same number of attempts and the mix
// on the sheet follows what each template yields, wherever the job ends. The
// list never gets more than the wanted number, and no template more attempts
// than that, so a template of low yield leaves no sheet emptier than if it
// had been asked alone. Every 200
// attempts, successful or not, the job yields to the user interface and stops
// there when the receiver asks it to, or when its rate so far says it cannot
// plausibly end within a few seconds.
class CGenerationJob {
public:
    // Seconds on a steady clock; tests give their own.
    using Clock = std::function<double()>;

    // Attempts between two yields.
    static constexpr int32_t YieldInterval = 200;
    // A job is measured for this long before its rate is trusted...
    static constexpr double MeasuringSeconds = 0.5;
    // ...and given up when that rate would need longer than this in all.
    static constexpr double PlausibleSeconds = 3.0;

    explicit CGenerationJob(CInfoReceiver* receiver, Clock clock = SteadyClockSeconds);

    // Appends up to wanted questions made from the templates to questions.
    // A job of 1000 or more brackets its work for the receiver; Process gets
    // the number made so far after every question.
    GenerationEnd Run(const std::vector<CExpression*>& templates, int32_t wanted,
                      QuestionList& questions);

    static double SteadyClockSeconds();

private:
    void TakeTurns(std::vector<CTemplateRun>& runs, QuestionList& questions);
    bool IsGoing() const;
    void Attempt(CTemplateRun& run, QuestionList& questions);
    void CountAttempt();
    bool CannotPlausiblyFinish() const;

    CInfoReceiver* m_receiver;
    Clock m_clock;
    CExprValueBlocks m_blocks;
    double m_start = 0;
    int32_t m_wanted = 0;
    int32_t m_made = 0;
    int64_t m_attempts = 0;
    GenerationEnd m_end = GenerationEnd::Complete;
};

} // namespace kelvo
