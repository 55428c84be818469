#pragma once

#include "form/Controls.h"

#include <cstdint>
#include <string_view>

namespace ga {

// The program speaks Turkish by identity; English is a choice.
enum class Language : std::uint8_t { Turkish, English };

// The words of the program's own texts in one language: status lines, message boxes, the
// pieces of the report lines (which numbers written by the Str rule join, in the order
// given), and the word for a value that is no number.
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
    std::string_view undefined;
};

// The language in use, for everything the plain layers render. Set on the window's thread.
Language language();
void setLanguage(Language language);

// The texts in the language in use, or in a given one.
const Messages& messages();
const Messages& messages(Language language);

// A control's caption (or design-time text) and its name for screen readers, in the
// language in use; the Turkish ones are the control table's. An empty name leaves the
// toolkit's default, the control's own caption.
std::string_view controlText(Control c);
std::string_view controlAccessibleName(Control c);
std::string_view controlText(Control c, Language language);
std::string_view controlAccessibleName(Control c, Language language);

// The program's version, as the project states it.
std::string_view programVersion();

} // namespace ga
