#pragma once

#include "engine/Generation.h"
#include "engine/Model.h"
#include "engine/Prediction.h"
#include "question/QuestionText.h"

#include <QWidget>

#include <array>
#include <functional>
#include <optional>
#include <string>

class QButtonGroup;
class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QStackedWidget;

namespace ga {
class Form1;
}

namespace ga::qt {

// "Tahmin": the prediction mode's window beside the main window. Before a generation it
// poses one question about it, computed on a copy of the run; the learner answers
// ("Yanıtla") or asks to see ("Göster"); then the generation is made exactly as "Bir nesil
// ilerlet" makes it, and the window says whether the answer was right, what the right one
// was and why, from the record of the generation shown. F10 poses the next question; while
// a question waits it brings this window up instead. While the timer runs, no question
// waits. It keeps the score per kind and how often the best fitness improved.
class PredictionWindow : public QWidget {
    Q_OBJECT

  public:
    // `step` makes one generation as "Bir nesil ilerlet" does and shows it.
    PredictionWindow(const Form1& form, std::function<void()> step, QWidget* parent = nullptr);

    // Turns the mode on (posing a question when the run can take a step) or off (dropping
    // any question that waits).
    void setOn(bool on);
    [[nodiscard]] bool isOn() const { return state_.on; }
    // F10 in the mode: the question about the coming generation, or this window brought up
    // while a question waits for its answer.
    void poseOrFocus();
    // Follows the run after every handler and frame: a question only waits while the run
    // can take a step, and is asked again when the run changed under it.
    void followRun();
    // "Yanıtla" and "Göster".
    void answer();
    void reveal();
    // "Sıfırla": the score and the counts start again.
    void clearScore();

    // What a session keeps of the mode, and its return from one.
    [[nodiscard]] const PredictionState& state() const { return state_; }
    void setState(const PredictionState& state);

    [[nodiscard]] bool pending() const { return pending_; }
    [[nodiscard]] const std::optional<Question>& question() const { return question_; }
    [[nodiscard]] QLabel* promptLabel() const { return prompt_; }
    [[nodiscard]] QLabel* verdictLabel() const { return verdict_; }
    [[nodiscard]] QLabel* explanationLabel() const { return explanation_; }
    [[nodiscard]] QComboBox* kindChoice() const { return kindChoice_; }
    [[nodiscard]] QListWidget* rows() const { return rows_; }
    [[nodiscard]] QLineEdit* childBox() const { return child_; }
    [[nodiscard]] QLineEdit* valueBox() const { return value_; }
    [[nodiscard]] QLineEdit* fitnessBox() const { return fitness_; }
    [[nodiscard]] QPushButton* yesButton() const { return yes_; }
    [[nodiscard]] QPushButton* noButton() const { return no_; }
    [[nodiscard]] QPushButton* answerButton() const { return answer_; }
    [[nodiscard]] QPushButton* revealButton() const { return reveal_; }
    [[nodiscard]] QPushButton* nextButton() const { return next_; }
    [[nodiscard]] QLabel* scoreLabel(QuestionKind kind) const {
        return scores_[static_cast<std::size_t>(kind)];
    }
    [[nodiscard]] QLabel* oddsLabel() const { return odds_; }

  signals:
    // The window was closed: the mode ends.
    void closed();

  protected:
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    // Number keys choose: 1 and 2 answer yes or no.
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    // Why a question is asked again, or none waits.
    enum class Note : std::uint8_t { None, NotPrepared, TimerRuns, RunChanged, InputsChanged };

    void retranslate();
    void pose(Note note);
    void conclude(bool answered);
    // The learner's answer from the controls, or a message saying what is missing.
    [[nodiscard]] std::optional<Answer> readAnswer(QString& missing) const;
    [[nodiscard]] bool stillAhead() const;
    [[nodiscard]] QuestionKind nextKind() const;
    void showQuestion();
    void showVerdict();
    void showScore();
    void showPicked();
    void updateButtons();
    void toggleRow(int row);
    // Tells a screen reader that a label now says something else.
    static void announce(QLabel* label);

    const Form1& form_;
    std::function<void()> step_;
    QuestionText text_;
    PredictionState state_;
    std::optional<Question> question_;
    bool pending_ = false;
    Note note_ = Note::None;
    // The run the question was computed on: where its generator stood and what it held.
    std::string aheadGenerator_;
    Row aheadGenes_{};
    double aheadGeneration_ = 0;
    // The last generation shown in the mode and what was said about it.
    std::optional<Verdict> lastVerdict_;
    GenerationRecord shown_;
    bool answered_ = false;
    QString problem_; // what an answer lacked

    QLabel* prompt_ = nullptr;
    QLabel* givens_ = nullptr;
    QLabel* kindLabel_ = nullptr;
    QComboBox* kindChoice_ = nullptr;
    QStackedWidget* pages_ = nullptr;
    QLabel* picked_ = nullptr;
    QListWidget* rows_ = nullptr;
    QLabel* childLabel_ = nullptr;
    QLineEdit* child_ = nullptr;
    QLabel* valueLabel_ = nullptr;
    QLineEdit* value_ = nullptr;
    QLabel* fitnessLabel_ = nullptr;
    QLineEdit* fitness_ = nullptr;
    QPushButton* yes_ = nullptr;
    QPushButton* no_ = nullptr;
    QButtonGroup* yesNo_ = nullptr;
    QPushButton* answer_ = nullptr;
    QPushButton* reveal_ = nullptr;
    QPushButton* next_ = nullptr;
    QLabel* verdict_ = nullptr;
    QLabel* rightAnswer_ = nullptr;
    QLabel* explanation_ = nullptr;
    QLabel* scoreTitle_ = nullptr;
    std::array<QLabel*, kQuestionKinds> scores_{};
    QLabel* odds_ = nullptr;
    QPushButton* clear_ = nullptr;
};

} // namespace ga::qt
