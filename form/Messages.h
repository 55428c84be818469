#pragma once

#include "engine/ExperimentSettings.h"

#include <array>
#include <string_view>

namespace ga {

// The words of the program's own texts: status lines, message boxes and the pieces of the
// report lines, which numbers written by the Str rule join.
struct Messages {
    std::string_view waiting;
    std::string_view prepared;
    std::string_view started;
    std::string_view stopped;
    std::string_view reset;
    std::string_view reached;
    std::string_view targetRejected;
    std::string_view about;
    // "<gene> yaşlanarak öldü", "<gene> güçsüz birey olduğu için elendi"
    std::string_view diedOfAge;
    std::string_view eliminated;
    // "<old> mutasyona uğradı. Yeni birey:<new>"
    std::string_view mutated;
    // "<a> ile <b> çiftleşti ve <child> doğdu."
    std::string_view mated1;
    std::string_view mated2;
    std::string_view born;
    // Why an experiment cannot start, one text per ExperimentError (None's is empty).
    std::array<std::string_view, 13> experimentErrors;
};

// The texts in the language in use.
const Messages& messages();

// The text of an experiment's error in the language in use.
std::string_view experimentErrorText(ExperimentError error);

// The program's version, as the project states it.
std::string_view programVersion();

} // namespace ga
