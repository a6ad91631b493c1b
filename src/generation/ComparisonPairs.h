// 比大小（两边算式）: each question is set against a second question of the
// kind whose value is at most ComparisonReach of its own away, ＞, ＜ and ＝
// about a third each. The right sides come from a pool of the kind's
// questions: all of them for a kind of up to ComparisonPoolSize questions.
#pragma once

#include "generation/GenerationDriver.h"

#include <cstdint>

namespace kelvo {

// The most questions a pool holds.
constexpr int32_t ComparisonPoolSize = 10000;

// True when the templates compare two questions.
bool ComparesQuestions(const TemplateList& templates);

// The kind's questions to set against each other: the first count entries
// are up to ComparisonPoolSize different ones, in random order; isWhole says
// whether they are every question of the kind, end how their job ended.
struct CComparisonPool {
    QuestionList questions;
    int32_t count = 0;
    bool isWhole = false;
    GenerationEnd end = GenerationEnd::Complete;
};
CComparisonPool DrawComparisonPool(const TemplateList& templates, CInfoReceiver* receiver);

// The ordered pairs (left, right) of different questions of the pool whose
// right side is within the reach of the left's value.
int64_t CountComparisonPairs(const CComparisonPool& pool);

// wanted comparisons of the pool's questions, each left side with a right
// side within its reach: the sign drawn first among those the left side
// allows, then the right side among the questions that give it. The pool's
// questions that have no right side within reach are left out; none when no
// question has one.
QuestionList PairComparisons(const CComparisonPool& pool, int32_t wanted);

} // namespace kelvo
