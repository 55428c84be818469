#include "form/lessons/Lesson.h"

#include "engine/ExperimentSettings.h"

#include <algorithm>
#include <cmath>

namespace ga {

bool needsPopulation(Quantity q) {
    switch (q) {
    case Quantity::BestFitness:
    case Quantity::BestGene:
    case Quantity::Mutations:
    case Quantity::DistinctGenes:
    case Quantity::AtTarget:
    case Quantity::OldAgeDeaths:
        return true;
    default:
        return false;
    }
}

bool needsExperiment(Quantity q) {
    switch (q) {
    case Quantity::MedianGenerations:
    case Quantity::ReachedPercent:
    case Quantity::MedianEvaluations:
    case Quantity::FastestSetting:
    case Quantity::FewestEvaluations:
        return true;
    default:
        return false;
    }
}

bool dependsOnRun(const LessonQuestion& q) {
    return q.kind == AnswerKind::Rows || q.quantity != Quantity::None;
}

bool checkChoice(const LessonAnswer& answer, int picked) {
    return answer.choice && *answer.choice == picked;
}

bool checkNumber(const LessonQuestion& q, const LessonAnswer& answer, double typed) {
    return answer.value && std::isfinite(typed) && std::abs(typed - *answer.value) <= q.tolerance;
}

bool checkRows(const LessonAnswer& answer, const std::vector<int>& picked) {
    if (picked.size() != answer.rows.size()) {
        return false;
    }
    const auto fitnessOf = [&answer](const std::vector<int>& rows) {
        std::vector<double> f;
        for (int r : rows) {
            if (r < 1 || r > 20) {
                return std::vector<double>{};
            }
            f.push_back(answer.fitness.at(static_cast<std::size_t>(r - 1)));
        }
        std::sort(f.begin(), f.end());
        return f;
    };
    std::vector<int> a = answer.rows;
    std::vector<int> b = picked;
    std::sort(a.begin(), a.end());
    std::sort(b.begin(), b.end());
    if (std::adjacent_find(b.begin(), b.end()) != b.end()) {
        return false;
    }
    if (a == b) {
        return true;
    }
    // Another pick with the very same fitness values is as right: equals are not told apart
    // by anything a learner sees.
    const std::vector<double> fa = fitnessOf(a);
    return !fa.empty() && fa == fitnessOf(b);
}

std::string answerText(const LessonQuestion& q, const LessonAnswer& answer, Language language) {
    switch (q.kind) {
    case AnswerKind::Choice:
        if (answer.choice && *answer.choice >= 0 &&
            *answer.choice < static_cast<int>(q.choices.size())) {
            const char letter = static_cast<char>('A' + *answer.choice);
            return std::string(1, letter) + ") " +
                   q.choices[static_cast<std::size_t>(*answer.choice)].in(language);
        }
        return "?";
    case AnswerKind::Number:
        return answer.value ? numberText(*answer.value) : "?";
    case AnswerKind::Rows: {
        std::vector<int> rows = answer.rows;
        std::sort(rows.begin(), rows.end());
        std::string out;
        for (int r : rows) {
            out += (out.empty() ? "" : ", ") + std::to_string(r);
        }
        return out.empty() ? "-" : out;
    }
    }
    return {};
}

std::string explanationText(const LessonQuestion& q, const LessonAnswer& answer,
                            Language language) {
    std::string text = q.explanation.in(language);
    const std::string mark = "{answer}";
    const std::string value = answerText(q, answer, language);
    for (std::size_t at = text.find(mark); at != std::string::npos;
         at = text.find(mark, at + value.size())) {
        text.replace(at, mark.size(), value);
    }
    return text;
}

std::optional<double> readLearnerNumber(const std::string& typed) {
    std::string text = typed;
    // A Turkish keyboard writes the decimals after a comma.
    if (text.find('.') == std::string::npos) {
        std::replace(text.begin(), text.end(), ',', '.');
    }
    return parseNumber(text);
}

} // namespace ga
