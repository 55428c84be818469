#pragma once

#include "engine/Generation.h"
#include "engine/Prediction.h"

#include <QCoreApplication>
#include <QString>

#include <string>

namespace ga::qt {

// The words of a prediction question, its answer and its explanation in the language in
// use, written from the question and the record of the generation that was shown. It needs
// only Qt Core, so that a headless question bank can write the same texts as the window.
class QuestionText {
    Q_DECLARE_TR_FUNCTIONS(QuestionText)

  public:
    // Numbers are written as the lists write them, with this decimal separator.
    explicit QuestionText(std::string decimalSeparator = ".");

    [[nodiscard]] static QString kindName(QuestionKind kind);
    // The question itself, in one or two sentences.
    [[nodiscard]] QString prompt(const Question& q) const;
    // What the question gives to work from: the draws, the digits, the function.
    [[nodiscard]] QString givens(const Question& q) const;
    // The right answer, as the shown generation gave it.
    [[nodiscard]] QString rightAnswer(const Question& q, const Verdict& v) const;
    // Why, in a sentence or two, pointing at the report lines and list rows that show it.
    [[nodiscard]] QString explanation(const Question& q, const Verdict& v,
                                      const GenerationRecord& shown) const;
    // "Seçilim — Doğru: 7 / 9".
    [[nodiscard]] static QString score(QuestionKind kind, const Tally& tally);
    // How often the best fitness improved in the generations watched so far.
    [[nodiscard]] static QString odds(const PredictionState& state);

    // A number as the lists write it.
    [[nodiscard]] QString listed(double value) const;
    // "1·x^3 + 1·y^2 + …": the function the question's run uses.
    [[nodiscard]] QString functionText(const Question& q) const;

  private:
    [[nodiscard]] QString digitsText(const DigitRow& d) const;
    [[nodiscard]] QString rowsText(const std::array<bool, kPopulation>& rows) const;

    std::string decimalSeparator_;
};

} // namespace ga::qt
