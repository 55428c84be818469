#pragma once

#include "engine/ExperimentSettings.h"
#include "engine/QuestionBank.h"
#include "form/texts/Messages.h"

#include <QString>
#include <QStringList>

#include <cstdint>
#include <optional>

namespace ga::qt {

// What the command line asks for.
struct CommandLine {
    enum class Action { Window, Help, Version, Error, Experiment, Questions };
    Action action = Action::Window;
    // The one-line reason when the command line is refused.
    QString error;
    // The text --help prints.
    QString help;
    // --seed: the seed fixed from the start.
    std::optional<std::uint32_t> seed;
    // --lang: the language for this start, over the one remembered.
    std::optional<Language> language;
    // --present: the window starts in the presentation mode, over the one remembered.
    bool present = false;
    // FILE: a session to open in the window once it shows.
    QString session;

    // --experiment: the experiment to run without a window (Action::Experiment), with --seed
    // as its base seed.
    ExperimentSettings experiment;
    // --output: the file for the per-run CSV; empty for standard output.
    QString experimentOutput;

    // --questions: the question bank to write without a window (Action::Questions), with
    // --seed as its base seed.
    QuestionBankSettings questions;
    // --output: the bank's file, Moodle XML (.xml) or PDF (.pdf); empty for Moodle XML on
    // standard output.
    QString questionsOutput;
};

// Reads the program's arguments (the program's own name first) with the conventions of
// any Qt program. Qt's own window options (-platform, -style, ...) are let through for
// QApplication. Needs no application object and no display.
CommandLine parseCommandLine(const QStringList& arguments);

} // namespace ga::qt
