#pragma once

#include "engine/ExperimentSettings.h"
#include "form/texts/Translation.h"
#include "form/window/Controls.h"

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace ga {

// A sentence of the report with places for numbers, split once per language so that a
// line is made by a few appends: the text before each place and after the last, and the
// number each place takes (a translation may order them differently).
struct ReportSentence {
    std::vector<std::string> texts; // one more than there are places
    std::vector<std::uint8_t> places;
};

// Splits a sentence at its places %1 ... %9.
ReportSentence makeSentence(std::string_view text);

// Appends the sentence with `numbers` written by the Str rule in its places; a place
// without a number is left out.
void appendSentence(std::string& line, const ReportSentence& sentence,
                    std::span<const double> numbers, std::string_view undefined);

// The program's own texts in one language: status lines, message boxes, the sentences of
// the report, and the word for a value that is no number.
struct Messages {
    std::string waiting;
    std::string prepared;
    std::string started;
    std::string stopped;
    std::string reset;
    std::string reached;
    std::string targetRejected;
    std::string about;
    ReportSentence diedOfAge;  // the gene
    ReportSentence eliminated; // the gene
    ReportSentence mutated;    // the gene before and after
    ReportSentence mated;      // the two parents and the child
    std::string undefined;
};

// The language in use, for everything the plain layers render. Set on the window's thread.
Language language();
void setLanguage(Language language);

// The texts in the language in use, or in a given one. These and the views below stay
// valid until another translator is installed.
const Messages& messages();
const Messages& messages(Language language);

// A control's caption (or design-time text) and its name for screen readers, in the
// language in use; the Turkish ones are the control table's. An empty name leaves the
// toolkit's default, the control's own caption.
std::string_view controlText(Control c);
std::string_view controlAccessibleName(Control c);
std::string_view controlText(Control c, Language language);
std::string_view controlAccessibleName(Control c, Language language);

// Why an experiment cannot start, in the language in use or a given one; empty for None.
std::string_view experimentErrorText(ExperimentError error);
std::string_view experimentErrorText(ExperimentError error, Language language);

// The program's version, as the project states it.
std::string_view programVersion();

} // namespace ga
