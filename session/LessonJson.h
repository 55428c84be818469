#pragma once

#include "form/lessons/Lesson.h"

#include <QByteArray>
#include <QString>

#include <cstdint>
#include <optional>

namespace ga::session {

// What a lesson file says it is.
inline constexpr char kLessonFormat[] = "genetik-algoritma-lesson";
// A lesson is text; a file larger than this is no lesson and is refused unread.
inline constexpr qint64 kMaxLessonBytes = qint64{4} << 20U;

// Why a lesson could not be read.
enum class LessonError : std::uint8_t {
    None,
    Missing,     // no such file
    NotAFile,    // a folder, a device, a pipe
    TooLarge,    // over kMaxLessonBytes
    Unreadable,  // the system refused to read it (the detail says why)
    NotJson,     // not a JSON document (the detail says where)
    NotALesson,  // JSON, but no lesson of this program
    NewerFormat, // a lesson of a later format version than this program reads
    Field,       // a field is wrong; `problem` says how, `step` and `field` where
};

// What is wrong with a field.
enum class LessonProblem : std::uint8_t {
    None,
    Missing,        // a field that must be there is not
    WrongKind,      // a number where a text belongs, and so on
    Unknown,        // a field or a value this format does not have
    OutOfRange,     // a number outside its limits
    NoText,         // a text without both languages
    TooLong,        // a text or a list longer than a lesson needs
    NoSeed,         // the run is used before a set-up fixed its seed
    NotPrepared,    // a question about the population before "Hazırla"
    NoExperiment,   // a question about an experiment before one ran
    BadValues,      // an experiment's values that the experiment window would refuse
    TooMuchRunning, // more generations in all than a lesson may take
};

// A lesson read and checked through, or why not.
struct LessonReading {
    std::optional<Lesson> lesson;
    LessonError error = LessonError::None;
    LessonProblem problem = LessonProblem::None;
    // The step (from 1) the problem is in, 0 for the lesson's own fields; the field's path
    // ("task.generations"); the system's reason or the JSON parser's position.
    int step = 0;
    QString field;
    QString detail;
    qint64 version = 0;
};

// Reads a lesson document: well-formed JSON, every field present, of its kind and within its
// limits, the set-ups and tasks in an order that gives a seeded run to every question about
// it. Nothing else is touched.
LessonReading lessonFromJson(const QByteArray& json);

// Reads and checks the lesson in a file; a file that is not a regular file or is larger than
// kMaxLessonBytes is refused before anything of it is read.
LessonReading readLessonFile(const QString& path);

} // namespace ga::session
