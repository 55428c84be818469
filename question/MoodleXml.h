#pragma once

#include "engine/QuestionBank.h"
#include "question/BankText.h"

#include <QByteArray>

namespace ga::qt {

// A question bank in the XML format Moodle imports (and many other learning platforms
// with it), UTF-8. A category named after the bank comes first, then one question per
// bank question, each with its name, its text as HTML, the explanation as general
// feedback and feedback on every answer:
// - selection: a multiple-answer "multichoice" over the twenty rows in their order, each
//   row that dies worth 10 % and each that lives −10 %, so that only the ten right rows
//   give full marks and ticking every row gives none;
// - mating: "numerical", the child's gene with tolerance 0;
// - fitness: "cloze" with two numerical gaps, F and the fitness, each as the lists write
//   it ("∞" or "tanımsız" as short answers where there is no finite number);
// - progress: "truefalse".
QByteArray moodleXml(const QuestionBankSettings& settings, const QuestionBank& bank,
                     const BankText& text);

} // namespace ga::qt
