#include "qt/lessons/LessonsWindow.h"
#include "engine/Run.h"
#include "form/lessons/LessonRun.h"
#include "form/window/Form1.h"
#include "qt/experiments/ExperimentWindow.h"
#include "qt/experiments/SummaryModel.h"
#include "qt/history/HistoryWindow.h"
#include "qt/searchspace/SearchSpaceWindow.h"
#include "runtime/Convert.h"
#include "tests/window/WindowFixture.h"
#include "tests/window/WindowTestMain.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTableView>
#include <QTest>

#include <algorithm>
#include <set>

using ga::Control;
using ga::Quantity;
using ga::qt::LessonsWindow;

// Every lesson that comes with the program, followed from its first step to its end through
// the lessons window on the real main window: each set-up and task must apply without the
// board parting from the lesson's run, and every question's answer, which the program
// computes from the lesson's run, must be what the board, the history, the search space or
// the experiment window then shows; answered through the window, it must be called right.
class LessonsWindowTest : public ga::test::WindowFixture {
    Q_OBJECT

  private slots:
    void init() { QVERIFY(openWindow()); }
    void cleanup() { closeWindow(); }

    void everyBuiltInLessonRunsToItsEndWithTheBoardsAnswers();
    void aWrongAnswerIsCalledSoAndExplained();

  private:
    LessonsWindow* open() {
        for (QAction* a : window->findChildren<QAction*>()) {
            if (a->objectName() == QStringLiteral("lessonsAction") &&
                a->text().remove(QLatin1Char('&')) == QStringLiteral("Dersler…")) {
                a->trigger();
            }
        }
        LessonsWindow* w = window->lessonsWindow();
        return w != nullptr && QTest::qWaitForWindowExposed(w) ? w : nullptr;
    }
    // What the board shows for a quantity, read from where a person reads it.
    std::optional<double> board(const ga::LessonQuestion& q) const;
    void answerRightly(LessonsWindow& w, const ga::LessonQuestion& q,
                       const ga::LessonAnswer& a) const;
};

std::optional<double> LessonsWindowTest::board(const ga::LessonQuestion& q) const {
    const auto box = [this](Control c) { return ga::Val(text(c).toStdString()); };
    const auto distinct = [](const QStringList& genes) {
        return static_cast<double>(std::set<QString>(genes.begin(), genes.end()).size());
    };
    const auto setting = [this, &q](int column) -> std::optional<double> {
        const ga::qt::SummaryModel& model = window->showExperiment().summary();
        for (int row = 0; row < model.rowCount(); ++row) {
            if (q.at && model.summaries().at(static_cast<std::size_t>(row)).value == *q.at) {
                QString cell = model.data(model.index(row, column), Qt::DisplayRole).toString();
                return ga::Val(cell.remove(QLatin1Char('%')).replace(',', '.').toStdString());
            }
        }
        return std::nullopt;
    };
    const auto column = [this](const QString& header) {
        const ga::qt::SummaryModel& model = window->showExperiment().summary();
        for (int c = 0; c < model.columnCount(); ++c) {
            if (model.headerData(c, Qt::Horizontal, Qt::DisplayRole).toString() == header) {
                return c;
            }
        }
        return -1;
    };
    switch (q.quantity) {
    case Quantity::Generation:
        return box(Control::nesil);
    case Quantity::BestFitness:
        return box(Control::teni2);
    case Quantity::BestGene:
        return box(Control::teni);
    case Quantity::Mutations:
        return box(Control::tmut);
    case Quantity::DistinctGenes: {
        if (!q.at) {
            return distinct(lines(get<QListWidget>(Control::Gen)));
        }
        // The generation the history window shows, as its table lists it.
        const ga::qt::HistoryWindow* h = window->historyWindow();
        if (h == nullptr || h->spinBox()->value() != static_cast<int>(*q.at)) {
            return std::nullopt;
        }
        QStringList genes;
        const QAbstractItemModel* m = h->table()->model();
        for (int row = 0; row < m->rowCount(); ++row) {
            genes << m->data(m->index(row, 1)).toString();
        }
        return distinct(genes);
    }
    case Quantity::AtTarget: {
        const QStringList fitness = lines(get<QListWidget>(Control::uyl));
        return static_cast<double>(fitness.count(QStringLiteral("0")));
    }
    case Quantity::OldAgeDeaths: {
        // The last ten death lines of the report.
        QStringList deaths;
        for (const std::string& line : window->form().log()) {
            const QString l = QString::fromStdString(line);
            if (l.endsWith(QStringLiteral("yaşlanarak öldü")) ||
                l.endsWith(QStringLiteral("elendi"))) {
                deaths << l;
            }
        }
        deaths = deaths.mid(deaths.size() - 10);
        return static_cast<double>(
            std::count_if(deaths.begin(), deaths.end(),
                          [](const QString& l) { return l.endsWith(QStringLiteral("öldü")); }));
    }
    case Quantity::TargetGenes:
        return static_cast<double>(window->searchSpaceWindow()->space().exactCount());
    case Quantity::ExhaustiveEvaluations:
        return static_cast<double>(window->searchSpaceWindow()->space().exhaustiveEvaluations());
    case Quantity::MedianGenerations:
        return setting(column(QStringLiteral("Ortanca")));
    case Quantity::ReachedPercent:
        return setting(column(QStringLiteral("Ulaşan yüzdesi")));
    case Quantity::MedianEvaluations:
        return setting(column(QStringLiteral("Ortanca değerlendirme")));
    case Quantity::FastestSetting:
    case Quantity::FewestEvaluations: {
        // The setting whose cell is lowest in the table shown.
        const int c = column(q.quantity == Quantity::FastestSetting
                                 ? QStringLiteral("Ortanca")
                                 : QStringLiteral("Ortanca değerlendirme"));
        const ga::qt::SummaryModel& model = window->showExperiment().summary();
        std::optional<double> best;
        std::optional<double> value;
        for (int row = 0; row < model.rowCount(); ++row) {
            const QString cell = model.data(model.index(row, c), Qt::DisplayRole).toString();
            const auto n = ga::parseNumber(QString(cell).replace(',', '.').toStdString());
            if (n && (!best || *n < *best)) {
                best = n;
                value = model.summaries().at(static_cast<std::size_t>(row)).value;
            }
        }
        return value;
    }
    case Quantity::None:
        break;
    }
    return std::nullopt;
}

void LessonsWindowTest::answerRightly(LessonsWindow& w, const ga::LessonQuestion& q,
                                      const ga::LessonAnswer& a) const {
    switch (q.kind) {
    case ga::AnswerKind::Choice: {
        // A choice can be clicked once it is on screen.
        QRadioButton* choice = w.choiceButtons().at(static_cast<std::size_t>(*a.choice));
        QTRY_VERIFY(choice->isVisible() && !choice->rect().isEmpty());
        // On its round mark, which a short choice's text does not reach to the middle of.
        QTest::mouseClick(choice, Qt::LeftButton, {}, QPoint(8, choice->height() / 2));
        QVERIFY(choice->isChecked());
        break;
    }
    case ga::AnswerKind::Number:
        w.numberBox()->clear();
        // As a Turkish keyboard writes it.
        QTest::keyClicks(w.numberBox(),
                         QString::fromStdString(ga::numberText(*a.value)).replace('.', ','));
        break;
    case ga::AnswerKind::Rows:
        for (int r : a.rows) {
            w.rowsList()->item(r - 1)->setCheckState(Qt::Checked);
        }
        break;
    }
    QTest::mouseClick(w.answerButton(), Qt::LeftButton);
}

void LessonsWindowTest::everyBuiltInLessonRunsToItsEndWithTheBoardsAnswers() {
    LessonsWindow* w = open();
    QVERIFY(w != nullptr);
    QVERIFY(w->isWindow() && !w->isModal());
    QVERIFY(w->lessons().size() >= 5);
    for (int l = 0; l < static_cast<int>(w->lessons().size()); ++l) {
        const ga::Lesson& lesson = w->lessons().at(static_cast<std::size_t>(l));
        QVERIFY(lesson.minutes >= 20 && lesson.minutes <= 40);
        w->lessonList()->setCurrentRow(l);
        QCOMPARE(w->currentStep(), 0);
        for (std::size_t s = 0; s < lesson.steps.size(); ++s) {
            const ga::LessonStep& step = lesson.steps[s];
            const QString where = QStringLiteral("lesson %1 step %2").arg(l + 1).arg(s + 1);
            QCOMPARE(w->currentStep(), static_cast<int>(s));
            QVERIFY2(!w->stepText()->text().isEmpty(), qPrintable(where));
            if (step.setUp) {
                QVERIFY(w->setUpButton()->isVisible());
                QTest::mouseClick(w->setUpButton(), Qt::LeftButton);
                // The speed changes nothing but the wait.
                type(Control::Text4, QStringLiteral("2000"));
            }
            if (step.task) {
                QTest::mouseClick(w->taskButton(), Qt::LeftButton);
                QTRY_VERIFY_WITH_TIMEOUT(!w->watchingRun(), 30000);
                if (step.task->kind == ga::LessonTaskKind::Experiment) {
                    QTRY_VERIFY_WITH_TIMEOUT(!window->showExperiment().running(), 60000);
                }
            }
            showNow();
            QVERIFY2(w->note()->text().isEmpty(), qPrintable(where + ": " + w->note()->text()));
            if (step.question) {
                const ga::LessonQuestion& q = *step.question;
                const std::optional<ga::LessonAnswer> a = ga::LessonRun::upTo(lesson, s).answer(q);
                QVERIFY2(a.has_value(), qPrintable(where));
                if (q.quantity != Quantity::None) {
                    const std::optional<double> seen = board(q);
                    QVERIFY2(seen.has_value(), qPrintable(where));
                    QCOMPARE(*a->value, *seen);
                }
                if (q.kind == ga::AnswerKind::Rows) {
                    // The rows offered are the board's lists, and the answer is what the
                    // board's next ranking (on a copy) or its fitness column says.
                    const QStringList genes = lines(get<QListWidget>(Control::Gen));
                    QCOMPARE(genes.size(), w->rowsList()->count());
                    for (int r = 0; r < genes.size(); ++r) {
                        QVERIFY2(w->rowsList()->item(r)->text().contains(genes[r]),
                                 qPrintable(where));
                    }
                    std::vector<int> expected;
                    if (q.rows == ga::RowSet::Dying) {
                        ga::Run ahead = window->form().run();
                        const ga::GenerationRecord& next =
                            ahead.step(ga::Val(text(Control::Text3).toStdString()),
                                       ga::Val(text(Control::Text1).toStdString()));
                        for (const ga::Death& d : next.deaths) {
                            expected.push_back(
                                static_cast<int>(genes.indexOf(QString::number(d.gene))) + 1);
                        }
                    } else {
                        const QStringList fitness = lines(get<QListWidget>(Control::uyl));
                        const auto lowest = std::min_element(
                            fitness.begin(), fitness.end(), [](const QString& x, const QString& y) {
                                return x.toDouble() < y.toDouble();
                            });
                        for (int r = 0; r < fitness.size(); ++r) {
                            if (fitness[r] == *lowest) {
                                expected.push_back(r + 1);
                            }
                        }
                    }
                    QVERIFY2(ga::checkRows(*a, expected), qPrintable(where));
                }
                answerRightly(*w, q, *a);
                QVERIFY2(w->feedback()->text().startsWith(QStringLiteral("Doğru!")),
                         qPrintable(where + ": " + w->feedback()->text()));
                QVERIFY2(!w->feedback()->text().contains(QStringLiteral("{answer}")),
                         qPrintable(where));
            }
            QTest::mouseClick(w->nextButton(), Qt::LeftButton);
        }
        // The closing page: what the teacher says, and nothing further.
        QCOMPARE(w->currentStep(), static_cast<int>(lesson.steps.size()));
        QCOMPARE(w->stepText()->text().toStdString(), lesson.closing.tr);
        QVERIFY(!w->nextButton()->isEnabled());
    }
}

void LessonsWindowTest::aWrongAnswerIsCalledSoAndExplained() {
    LessonsWindow* w = open();
    QVERIFY(w != nullptr);
    w->lessonList()->setCurrentRow(0);
    QTest::mouseClick(w->setUpButton(), Qt::LeftButton);
    QTest::mouseClick(w->taskButton(), Qt::LeftButton);
    QTest::mouseClick(w->nextButton(), Qt::LeftButton);
    QTest::mouseClick(w->nextButton(), Qt::LeftButton);
    // Step 3 asks what decides survival; its second choice is right, its first is not.
    QTest::mouseClick(w->taskButton(), Qt::LeftButton);
    QTRY_VERIFY(w->choiceButtons().at(0)->isVisible());
    QTest::mouseClick(w->choiceButtons().at(0), Qt::LeftButton, {},
                      QPoint(8, w->choiceButtons().at(0)->height() / 2));
    QTest::mouseClick(w->answerButton(), Qt::LeftButton);
    const QString feedback = w->feedback()->text();
    QVERIFY2(feedback.startsWith(QStringLiteral("Henüz değil. Doğru cevap: B)")),
             qPrintable(feedback));
    QVERIFY(feedback.contains(QStringLiteral("Seçilim yalnızca uyuma bakar")));
    QVERIFY(w->feedback()->hasFocus());

    // A number question refuses what is no number, and says so in Turkish.
    QTest::mouseClick(w->nextButton(), Qt::LeftButton);
    QTest::mouseClick(w->taskButton(), Qt::LeftButton);
    QTest::keyClicks(w->numberBox(), QStringLiteral("on"));
    QTest::mouseClick(w->answerButton(), Qt::LeftButton);
    QCOMPARE(w->feedback()->text(),
             QStringLiteral("\"on\" bir sayı değil. Bir sayı yazın (örneğin 12 ya da 0,5)."));

    // Going back shows the earlier step, and the board parting from the lesson is noticed.
    QTest::mouseClick(w->backButton(), Qt::LeftButton);
    QCOMPARE(w->currentStep(), 2);
    type(Control::Text1, QStringLiteral("300"));
    press(Control::Command4);
    QTest::mouseClick(w->taskButton(), Qt::LeftButton);
    QVERIFY(w->note()->text().contains(QStringLiteral("farklı")));

    // In English, the same page speaks English.
    window->switchLanguage(ga::Language::English);
    QCOMPARE(w->nextButton()->text(), QStringLiteral("&Next"));
    QVERIFY(w->stepTitle()->text().contains(QStringLiteral("Go one generation on")));
    window->switchLanguage(ga::Language::Turkish);
}

GA_WINDOW_TEST(LessonsWindowTest)
#include "LessonsWindowTest.moc"
