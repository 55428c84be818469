#pragma once

#include "form/lessons/Lesson.h"
#include "form/lessons/LessonRun.h"

#include <QStringList>
#include <QWidget>

#include <functional>
#include <optional>
#include <vector>

class QButtonGroup;
class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QRadioButton;
class QScrollArea;
class QVBoxLayout;

namespace ga::qt {

class MainWindowBase;

// "Dersler": guided lessons on the main window. A list of lessons (those that come with the
// program and any a teacher opens), and the chosen lesson's steps one at a time: what to
// look at, a set-up typed into the main window's boxes with one button, a task done with
// another (generations, a run, the history, an experiment, the search space), and a question
// whose answer is checked against the lesson's own run, with its explanation. Any lesson
// prints or saves as a worksheet.
class LessonsWindow : public QWidget {
    Q_OBJECT

  public:
    LessonsWindow(MainWindowBase& main, QWidget* parent = nullptr);

    // The lessons listed, the built-in ones first.
    [[nodiscard]] const std::vector<Lesson>& lessons() const { return lessons_; }
    [[nodiscard]] int currentLesson() const { return current_; }
    // The step shown (from 0); the number of steps is the closing page.
    [[nodiscard]] int currentStep() const { return step_; }
    void chooseLesson(int index);
    void goTo(int step);
    // Reads a lesson file and lists and shows it; a refused file changes nothing and says
    // why in a message box. True when it was taken.
    bool openLesson(const QString& path);
    // The step's buttons.
    void applySetUp();
    void doTask();
    void answer();
    // Writes the chosen lesson's worksheet; empty on success, otherwise the reason.
    [[nodiscard]] QString saveWorksheet(const QString& path, bool teacherCopy) const;

    [[nodiscard]] QListWidget* lessonList() const { return list_; }
    [[nodiscard]] QLabel* stepTitle() const { return stepTitle_; }
    [[nodiscard]] QLabel* stepText() const { return text_; }
    [[nodiscard]] QPushButton* setUpButton() const { return setUpButton_; }
    [[nodiscard]] QPushButton* taskButton() const { return taskButton_; }
    [[nodiscard]] QPushButton* answerButton() const { return answerButton_; }
    [[nodiscard]] QPushButton* backButton() const { return back_; }
    [[nodiscard]] QPushButton* nextButton() const { return next_; }
    [[nodiscard]] QLabel* feedback() const { return feedback_; }
    [[nodiscard]] QLabel* note() const { return note_; }
    [[nodiscard]] QLineEdit* numberBox() const { return number_; }
    [[nodiscard]] QListWidget* rowsList() const { return rows_; }
    [[nodiscard]] const std::vector<QRadioButton*>& choiceButtons() const { return choices_; }
    // Whether a "run" task is still watching the main window's run.
    [[nodiscard]] bool watchingRun() const { return runLimit_.has_value(); }

  protected:
    void changeEvent(QEvent* event) override;

  private:
    void retranslate();
    void listLessons();
    void showStep();
    void showQuestion(const LessonQuestion& q);
    void chooseFile();
    void chooseWorksheetFile();
    void printWorksheet();
    void refuse(const QString& path, const QString& why);
    // The lesson's run after the shown step's set-up and task, made on first need.
    LessonRun& lessonRun();
    // Says when the main window's run is no longer the lesson's.
    void compareWithBoard();
    void afterTick();
    [[nodiscard]] const LessonStep* shownStep() const;

    MainWindowBase& main_;
    std::vector<Lesson> lessons_;
    int current_ = -1;
    int step_ = 0;
    std::optional<LessonRun> run_;
    std::optional<std::optional<LessonAnswer>> answer_;
    std::optional<double> runLimit_;
    bool answered_ = false;

    QLabel* listLabel_;
    QListWidget* list_;
    QPushButton* open_;
    QPushButton* worksheet_;
    QPushButton* print_;
    QCheckBox* teacherCopy_;
    QScrollArea* scroll_;
    QLabel* header_;
    QLabel* stepTitle_ = nullptr;
    QLabel* text_;
    QGroupBox* setUpBox_;
    QLabel* setUpText_;
    QPushButton* setUpButton_;
    QGroupBox* taskBox_;
    QLabel* taskText_;
    QPushButton* taskButton_;
    QGroupBox* questionBox_;
    QLabel* prompt_;
    QVBoxLayout* choiceLayout_;
    QButtonGroup* choiceGroup_;
    std::vector<QRadioButton*> choices_;
    QLabel* numberLabel_;
    QLineEdit* number_;
    QListWidget* rows_;
    QPushButton* answerButton_;
    QLabel* feedback_;
    QLabel* note_;
    QPushButton* back_;
    QLabel* position_;
    QPushButton* next_;
};

} // namespace ga::qt
