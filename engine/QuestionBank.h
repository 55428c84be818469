#pragma once

#include "engine/Prediction.h"
#include "engine/QuietRun.h"

#include <array>
#include <cstdint>
#include <vector>

namespace ga {

// A bank of more questions than this would make a printed sheet of thousands of pages; a
// teacher who wants more makes a second bank from another base seed.
inline constexpr std::uint32_t kMaxBankQuestions = 1000;
// A question is asked after 0 to this many generations past "Hazırla": early enough that
// the population is still varied, late enough that it has started to improve.
inline constexpr std::uint32_t kMaxGenerationsBefore = 19;

// What a question bank is made from.
struct QuestionBankSettings {
    // The window's boxes as typed, read by the Val rule as "Hazırla" and a tick read them.
    RunInputs inputs;
    std::uint32_t count = 20;
    std::uint32_t baseSeed = 1;
    // The kinds asked, indexed by QuestionKind; at least one.
    std::array<bool, kQuestionKinds> kinds{true, true, true, true};
};

// One question of a bank, with where it comes from, so that a teacher can replay it in the
// window: fix the seed, "Hazırla", then step `generationsBefore` generations.
struct BankQuestion {
    std::uint32_t runSeed = 0;
    std::uint32_t generationsBefore = 0;
    Question question;
    // The right answer, from the generation the question's copy made.
    Verdict verdict;
};

enum class BankError : std::uint8_t {
    None,
    Count,  // not 1 .. kMaxBankQuestions questions
    Kinds,  // no kind chosen
    Target, // a target "Hazırla" refuses
};

struct QuestionBank {
    std::vector<BankQuestion> questions;
    BankError error = BankError::None;
};

// The questions of a bank. Everything is drawn from a 64-bit Mersenne Twister (whose
// output the C++ standard fixes) seeded with the base seed; for each question in turn it
// gives the run's seed (the low 32 bits of one draw) and the generations stepped before it
// (the next draw modulo kMaxGenerationsBefore + 1). The kinds come in rounds in which each
// chosen kind is asked once, in an order shuffled by the same generator at the start of
// each round. The question's own details come from questionSeed(run seed, generation), as
// in the window's prediction mode.
//
// A selection question is asked only where the tenth and eleventh fitness differ, so that
// exactly one choice of ten rows is right (a tie cannot be marked fairly by a learning
// platform); where the drawn generation ties, the one before is taken, down to the first,
// and a progress question is asked where every one ties.
//
// The same settings give the same bank, and a bank of N questions begins with the bank of
// any fewer.
QuestionBank makeQuestionBank(const QuestionBankSettings& settings);

} // namespace ga
