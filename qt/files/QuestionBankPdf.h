#pragma once

#include "engine/QuestionBank.h"
#include "question/BankText.h"

#include <QByteArray>

namespace ga::qt {

// A question bank as a printable A4 sheet through Qt's own PDF writer: a heading with the
// bank's settings and room for a name, the questions numbered with room to answer (boxes
// to tick, lines to write on), then the answer key with the explanations from a page of
// its own. Needs a QGuiApplication (fonts); an offscreen one will do.
QByteArray questionBankPdf(const QuestionBankSettings& settings, const QuestionBank& bank,
                           const BankText& text);

} // namespace ga::qt
