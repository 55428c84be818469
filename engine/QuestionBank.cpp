#include "engine/QuestionBank.h"

#include "runtime/Convert.h"

#include <random>
#include <utility>

namespace ga {

namespace {

Question askAt(const Run& run, QuestionKind kind, double mutationPercent, double target) {
    return ask(run, kind, mutationPercent, target,
               questionSeed(run.seed(), run.module1().nesilSayisi + 1));
}

// Ten survivors tie with the first to die: more than one choice of ten is right.
bool tiedAtBorder(const Question& q) {
    return q.ahead.rankedFitness[kSurvivors - 1] == q.ahead.rankedFitness[kSurvivors];
}

} // namespace

QuestionBank makeQuestionBank(const QuestionBankSettings& settings) {
    QuestionBank bank;
    if (settings.count < 1 || settings.count > kMaxBankQuestions) {
        bank.error = BankError::Count;
        return bank;
    }
    std::vector<QuestionKind> chosen;
    for (std::size_t k = 0; k < kQuestionKinds; ++k) {
        if (settings.kinds[k]) {
            chosen.push_back(static_cast<QuestionKind>(k));
        }
    }
    if (chosen.empty()) {
        bank.error = BankError::Kinds;
        return bank;
    }
    // Read as the window reads its boxes: the target at "Hazırla" and at every tick, the
    // mutation percentage at every tick.
    const double target = Val(settings.inputs.target);
    const double mutation = Val(settings.inputs.mutation);
    if (!acceptableTarget(target)) {
        bank.error = BankError::Target;
        return bank;
    }

    std::mt19937_64 draw(settings.baseSeed);
    std::vector<QuestionKind> round;
    bank.questions.reserve(settings.count);
    std::vector<Run> path;
    for (std::uint32_t i = 0; i < settings.count; ++i) {
        if (i % chosen.size() == 0) {
            round = chosen;
            for (std::size_t j = round.size() - 1; j > 0; --j) {
                std::swap(round[j], round[draw() % (j + 1)]);
            }
        }
        BankQuestion item;
        item.runSeed = static_cast<std::uint32_t>(draw() & 0xFFFF'FFFFU);
        const auto generations = static_cast<std::size_t>(draw() % (kMaxGenerationsBefore + 1));

        QuietRun quiet(settings.inputs, item.runSeed);
        quiet.prepare();
        // The run before each generation stepped. A run that reaches the target ends there,
        // as in the window, so the question is at the latest about the generation that
        // reaches it.
        path.clear();
        path.push_back(quiet.run());
        while (path.size() <= generations) {
            Run next = path.back();
            if (next.step(mutation, target).reached) {
                break;
            }
            path.push_back(std::move(next));
        }

        std::size_t at = path.size() - 1;
        Question q = askAt(path[at], round[i % round.size()], mutation, target);
        if (q.kind == QuestionKind::Selection) {
            while (tiedAtBorder(q) && at > 0) {
                --at;
                q = askAt(path[at], QuestionKind::Selection, mutation, target);
            }
            if (tiedAtBorder(q)) {
                at = path.size() - 1;
                q = askAt(path[at], QuestionKind::Progress, mutation, target);
            }
        }
        item.generationsBefore = static_cast<std::uint32_t>(at);
        item.question = q;
        item.verdict = check(item.question, Answer{}, item.question.ahead);
        bank.questions.push_back(item);
    }
    return bank;
}

} // namespace ga
