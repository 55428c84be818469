// The lesson reader against any bytes: it never crashes, hangs or runs out of memory; a
// lesson comes exactly when there is no error, and every lesson it takes holds what the
// window relies on. A lesson small enough to replay quickly has its run made again and every
// question answered, which must not trip a sanitizer either.

#include "FuzzChecks.h"
#include "form/lessons/LessonRun.h"
#include "session/LessonJson.h"

#include <cstddef>
#include <cstdint>

namespace {

bool bothLanguages(const ga::LessonText& t) {
    return !t.tr.empty() && !t.en.empty();
}

// The generations a replay of the lesson makes, with experiments counted as too many.
double replayCost(const ga::Lesson& lesson) {
    double generations = 0;
    for (const ga::LessonStep& step : lesson.steps) {
        if (!step.task) {
            continue;
        }
        switch (step.task->kind) {
        case ga::LessonTaskKind::Step:
        case ga::LessonTaskKind::Run:
            generations += step.task->generations;
            break;
        case ga::LessonTaskKind::Experiment:
            generations += 1e9;
            break;
        default:
            break;
        }
    }
    return generations;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using ga::fuzz::require;
    const QByteArray json =
        QByteArray::fromRawData(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const ga::session::LessonReading reading = ga::session::lessonFromJson(json);
    require(reading.lesson.has_value() == (reading.error == ga::session::LessonError::None),
            "a lesson comes exactly when there is no error");
    if (!reading.lesson) {
        require(reading.error != ga::session::LessonError::Field ||
                    reading.problem != ga::session::LessonProblem::None,
                "a refused field says what is wrong with it");
        return 0;
    }
    const ga::Lesson& lesson = *reading.lesson;
    require(!lesson.steps.empty() && lesson.steps.size() <= 100, "a lesson has 1 to 100 steps");
    require(bothLanguages(lesson.title) && bothLanguages(lesson.closing),
            "a lesson speaks both languages");
    for (const ga::LessonStep& step : lesson.steps) {
        require(bothLanguages(step.text), "a step speaks both languages");
        if (!step.question) {
            continue;
        }
        const ga::LessonQuestion& q = *step.question;
        if (q.kind == ga::AnswerKind::Choice) {
            require(q.choices.size() >= 2 && q.choices.size() <= 8, "2 to 8 choices");
            require(q.quantity == ga::Quantity::None
                        ? q.choice && *q.choice >= 0 &&
                              *q.choice < static_cast<int>(q.choices.size())
                        : q.choiceValues.size() == q.choices.size(),
                    "a choice question knows its right choice or each choice's value");
        }
    }
    if (replayCost(lesson) <= 5000) {
        const std::vector<std::optional<ga::LessonAnswer>> answers = ga::LessonRun::answers(lesson);
        require(answers.size() == lesson.steps.size(), "one answer place per step");
        for (std::size_t s = 0; s < answers.size(); ++s) {
            if (answers[s] && answers[s]->choice) {
                require(*answers[s]->choice >= 0 &&
                            *answers[s]->choice <
                                static_cast<int>(lesson.steps[s].question->choices.size()),
                        "a right choice is one of the choices");
            }
        }
    }
    return 0;
}
