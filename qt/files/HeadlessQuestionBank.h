#pragma once

#include "engine/QuestionBank.h"

#include <QString>

#include <string>

namespace ga::qt {

// Writes a question bank from the command line, with no window, in the language installed:
// Moodle XML to `output` or to standard output when it is empty, a PDF when `output` ends
// in .pdf (which needs a QGuiApplication). Numbers in the texts use `decimalSeparator`, as
// the window's lists do. Returns the exit status: 0, 1 when the output cannot be written,
// 2 when the settings make no bank.
int writeHeadlessQuestionBank(const QuestionBankSettings& settings, const QString& output,
                              const std::string& decimalSeparator);

// Whether `output` asks for the printable sheet rather than Moodle XML.
bool wantsPdf(const QString& output);

} // namespace ga::qt
