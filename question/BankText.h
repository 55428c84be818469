#pragma once

#include "engine/QuestionBank.h"
#include "question/QuestionText.h"

#include <QCoreApplication>
#include <QString>

namespace ga::qt {

// The words a question bank shares between its formats, in the language in use: what the
// bank is, where each question comes from, and the population a question shows. HTML
// pieces are escaped and ready to be put inside a page or a question.
class BankText {
    Q_DECLARE_TR_FUNCTIONS(BankText)

  public:
    explicit BankText(const QuestionText& text) : text_(text) {}

    [[nodiscard]] static QString title();
    // The function, target and mutation of runs with these inputs; `between` stands
    // between the function and the rest.
    [[nodiscard]] QString run(const RunInputs& inputs, QChar between = QLatin1Char(' ')) const;
    // The function, target, mutation and base seed the bank was made with.
    [[nodiscard]] QString settings(const QuestionBankSettings& settings) const;
    // "Soru 07 — Seçilim": numbered from 1 with as many digits as `count` has, so that the
    // names sort in order.
    [[nodiscard]] static QString name(std::size_t number, std::size_t count, const Question& q);
    // How to see the question in the window.
    [[nodiscard]] static QString origin(const BankQuestion& item);
    // What the question gives to work from, after its prompt: the draws and digits of a
    // mating, the function of a fitness question, the mutation of a progress question.
    [[nodiscard]] QString givens(const Question& q) const;
    // The population before the generation as an HTML table (row, gene, F, fitness); with
    // a last column of empty boxes to tick when `boxes` is not empty (its heading).
    [[nodiscard]] QString populationTable(const Question& q, const QString& boxes = {}) const;
    // A number as a learning platform reads it: the point as decimal separator, as many
    // digits as the lists show.
    [[nodiscard]] static QString machineNumber(double value);

    [[nodiscard]] const QuestionText& text() const { return text_; }

  private:
    const QuestionText& text_;
};

} // namespace ga::qt
