#pragma once

#include "form/lessons/Lesson.h"

#include <QString>

namespace ga::qt {

// The words the lessons window and the worksheets share, in the language in use: what a
// set-up types, what a task does, why a lesson file was refused.
class LessonTexts {
  public:
    // "F = x³ + y² + z² + k + c", the function as the boxes would read.
    static QString function(const std::array<std::string, 5>& coefficients,
                            const std::array<std::string, 5>& exponents);
    // One line per box the set-up types, and the seed it fixes.
    static QStringList setUp(const LessonSetUp& s);
    // What the task's button does.
    static QString task(const LessonTask& t);
    // "12 dakika"
    static QString minutes(int minutes);
    // A lesson's own text in the language in use.
    static QString text(const LessonText& t);
};

} // namespace ga::qt
