#include "qt/prediction/PredictionWindow.h"
#include "engine/Prediction.h"
#include "form/window/Form1.h"
#include "runtime/Convert.h"
#include "tests/window/WindowFixture.h"
#include "tests/window/WindowTestMain.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

#include <array>
#include <initializer_list>
#include <memory>

using ga::Control;
using ga::QuestionKind;
using ga::qt::PredictionWindow;

// The prediction mode as a class uses it: the questions answered in the "Tahmin" window
// with the keyboard, the verdicts and the score it shows, and the main window beside it
// showing exactly what it shows with the mode off.
class PredictionWindowTest : public ga::test::WindowFixture {
    Q_OBJECT

  private slots:
    void init() { QVERIFY(openWindow()); }
    void cleanup() { closeWindow(); }

    void answersLeaveTheRunAsWithoutTheMode();
    void timerSetsTheQuestionAside();

  private:
    QAction* action(const char* name) const {
        return window->findChild<QAction*>(QString::fromLatin1(name));
    }
    // Answers the waiting question with the keyboard alone, rightly or not, and presses
    // "Yanıtla" by its key.
    static void answerByKeyboard(PredictionWindow& p, bool right);
    // Every text the main window shows: boxes, labels, lists and the report.
    static QStringList shownTexts(ga::qt::MainWindow& w);
};

void PredictionWindowTest::answerByKeyboard(PredictionWindow& p, bool right) {
    const ga::Question& q = *p.question();
    const auto number = [](double v) { return QString::fromStdString(ga::CStr(v, ".")); };
    switch (q.kind) {
    case QuestionKind::Selection: {
        // Arrows and Space over the rows. A wrong answer spares the fittest of the dying
        // and takes the fittest survivor instead, who is fitter still.
        std::array<bool, ga::kPopulation> pick = q.dies;
        if (!right) {
            int dying = -1;
            int living = -1;
            for (int k = 0; k < ga::kPopulation; ++k) {
                const double f = q.fitness[static_cast<std::size_t>(k)];
                int& best = q.dies[static_cast<std::size_t>(k)] ? dying : living;
                if (best < 0 || f < q.fitness[static_cast<std::size_t>(best)]) {
                    best = k;
                }
            }
            pick[static_cast<std::size_t>(dying)] = false;
            pick[static_cast<std::size_t>(living)] = true;
        }
        QListWidget* rows = p.rows();
        rows->setFocus();
        rows->setCurrentRow(0);
        for (bool picked : pick) {
            if (picked) {
                QTest::keyClick(rows, Qt::Key_Space);
            }
            QTest::keyClick(rows, Qt::Key_Down);
        }
        QTest::keyClick(&p, Qt::Key_Return);
        return;
    }
    case QuestionKind::Mating:
        QTest::keyClicks(p.childBox(), number(right ? q.child : q.child + 1));
        QTest::keyClick(p.childBox(), Qt::Key_Return);
        return;
    case QuestionKind::Fitness:
        QTest::keyClicks(p.valueBox(), number(q.value));
        QTest::keyClicks(p.fitnessBox(), right ? number(q.fit) : QStringLiteral("-1"));
        QTest::keyClick(p.fitnessBox(), Qt::Key_Return);
        return;
    case QuestionKind::Progress:
        QTest::keyClick(p.yesButton(), q.improves == right ? Qt::Key_1 : Qt::Key_2);
        QTest::keyClick(&p, Qt::Key_Return);
        return;
    }
}

QStringList PredictionWindowTest::shownTexts(ga::qt::MainWindow& w) {
    w.flushDisplay();
    const QWidget* client = w.centralWidget();
    QStringList texts;
    for (const QLineEdit* e : client->findChildren<QLineEdit*>()) {
        texts << e->objectName() + QLatin1Char('=') + e->text();
    }
    for (const QLabel* l : client->findChildren<QLabel*>()) {
        texts << l->objectName() + QLatin1Char('=') + l->text();
    }
    for (const QListWidget* list : client->findChildren<QListWidget*>()) {
        texts << list->objectName() + QLatin1Char('=') + lines(list).join(QLatin1Char('|'));
    }
    for (const std::string& line : w.form().log().lines()) {
        texts << QString::fromStdString(line);
    }
    return texts;
}

// Eight questions, two of each kind in the order the seed gives, answered with the
// keyboard alone, alternately right and wrong: each verdict and the score say so, and
// the explanation points at the report. A second window with the same seed, stepped with
// F10 and the mode off, shows every text exactly as the window with the mode on does.
void PredictionWindowTest::answersLeaveTheRunAsWithoutTheMode() {
    constexpr std::uint32_t kSeed = 20251209;
    window.reset();
    window = std::make_unique<ga::qt::MainWindow>(".", kSeed);
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    ga::qt::MainWindow plain(".", kSeed);
    plain.show();
    QVERIFY(QTest::qWaitForWindowExposed(&plain));

    press(Control::Command1);
    QTest::mouseClick(plain.control<QPushButton>(Control::Command1), Qt::LeftButton);
    QCOMPARE(action("predictionAction")->shortcut().toString(QKeySequence::PortableText),
             QStringLiteral("Ctrl+Shift+T"));
    action("predictionAction")->trigger();
    PredictionWindow* p = window->predictionWindow();
    QVERIFY(p != nullptr);
    QVERIFY(QTest::qWaitForWindowExposed(p));
    QVERIFY(p->pending());
    const QStringList before = shownTexts(*window);
    QCOMPARE(before, shownTexts(plain));

    // Big enough for a finger, and named for a screen reader.
    const std::initializer_list<QWidget*> controls{
        p->answerButton(), p->revealButton(), p->nextButton(), p->yesButton(), p->noButton(),
        p->childBox(),     p->valueBox(),     p->fitnessBox(), p->kindChoice()};
    for (QWidget* control : controls) {
        QVERIFY2(control->minimumSizeHint().expandedTo(control->minimumSize()).height() >= 44,
                 qPrintable(control->objectName()));
        QVERIFY2(!control->accessibleName().isEmpty() ||
                     !control->property("text").toString().isEmpty(),
                 qPrintable(control->objectName()));
    }
    QCOMPARE(p->rows()->item(0)->sizeHint().height(), 44);

    std::array<int, ga::kQuestionKinds> right{};
    std::array<int, ga::kQuestionKinds> asked{};
    QAction* step = plain.findChild<QAction*>(QStringLiteral("stepAction"));
    for (int n = 0; n < 8; ++n) {
        QVERIFY(p->pending());
        const QuestionKind kind = p->question()->kind;
        QCOMPARE(kind, ga::kindInTurn(kSeed, window->form().run().module1().nesilSayisi + 1));
        const auto k = static_cast<std::size_t>(kind);
        const bool answerRightly = n % 2 == 0;
        answerByKeyboard(*p, answerRightly);
        QVERIFY2(!p->pending(), qPrintable(p->verdictLabel()->text()));
        QCOMPARE(p->verdictLabel()->text(),
                 answerRightly ? QStringLiteral("Doğru!") : QStringLiteral("Yanlış."));
        ++asked[k];
        right[k] += answerRightly ? 1 : 0;
        QVERIFY2(p->scoreLabel(kind)->text().endsWith(
                     QStringLiteral("Doğru: %1 / %2").arg(right[k]).arg(asked[k])),
                 qPrintable(p->scoreLabel(kind)->text()));
        if (kind != QuestionKind::Progress) {
            QVERIFY2(p->explanationLabel()->text().contains(QStringLiteral("satır")),
                     qPrintable(p->explanationLabel()->text()));
        }

        const double next = plain.form().run().module1().nesilSayisi + 1;
        QTRY_COMPARE((step->trigger(), plain.form().run().module1().nesilSayisi), next);
        QCOMPARE(shownTexts(*window), shownTexts(plain));
        // "Bir nesil ilerlet" (F10) poses the next question.
        action("stepAction")->trigger();
    }
    for (const ga::Tally& tally : p->state().tallies) {
        QCOMPARE(tally.asked, 2U);
    }
    QCOMPARE(p->state().watched, 8U);

    // The verdict follows the language, and "Sıfırla" clears the score.
    p->revealButton()->click();
    QCOMPARE(p->verdictLabel()->text(), QStringLiteral("Yanıt gösterildi."));
    window->switchLanguage(ga::Language::English);
    QCOMPARE(p->verdictLabel()->text(), QStringLiteral("Answer shown."));
    QCOMPARE(p->windowTitle(), QStringLiteral("Prediction"));
    window->switchLanguage(ga::Language::Turkish);
    p->findChild<QPushButton*>(QStringLiteral("predictionClearScore"))->click();
    QCOMPARE(p->scoreLabel(QuestionKind::Selection)->text(),
             QStringLiteral("Seçilim — Doğru: 0 / 0"));

    // Off again, F10 steps at once as before.
    action("predictionAction")->trigger();
    QVERIFY(!p->isVisible());
    const double now = window->form().run().module1().nesilSayisi;
    QTRY_COMPARE((action("stepAction")->trigger(), window->form().run().module1().nesilSayisi),
                 now + 1);
}

// "Başlat" runs without questions: the one waiting is set aside and the window says why;
// after "Durdur", F10 poses a new one about the generation that now comes next.
void PredictionWindowTest::timerSetsTheQuestionAside() {
    press(Control::Command1);
    action("predictionAction")->trigger();
    PredictionWindow* p = window->predictionWindow();
    QVERIFY(p->pending());
    p->kindChoice()->setCurrentIndex(1 + static_cast<int>(QuestionKind::Mating));
    QCOMPARE(p->question()->kind, QuestionKind::Mating);

    press(Control::Command2);
    QVERIFY(!p->pending());
    QVERIFY(!p->answerButton()->isEnabled());
    QVERIFY(p->promptLabel()->text().contains(QStringLiteral("Zamanlayıcı")));
    QTRY_VERIFY(window->form().run().module1().nesilSayisi > 3);
    press(Control::Command3);
    p->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(p));
    QTest::keyClick(p, Qt::Key_F10);
    QVERIFY(p->pending());
    QCOMPARE(p->question()->kind, QuestionKind::Mating);
    QCOMPARE(p->question()->generation, window->form().run().module1().nesilSayisi + 1);

    // A question needs its answer: an empty box gets a word, and nothing is stepped.
    const double generation = window->form().run().module1().nesilSayisi;
    p->answerButton()->click();
    QVERIFY(p->pending());
    QCOMPARE(window->form().run().module1().nesilSayisi, generation);
    QVERIFY(p->verdictLabel()->text().contains(QStringLiteral("sayı")));
    // A changed mutation percentage asks the question again rather than judge it by the old.
    type(Control::Text3, QStringLiteral("100"));
    QTest::keyClicks(p->childBox(), QStringLiteral("12345"));
    p->answerButton()->click();
    QVERIFY(p->pending());
    QCOMPARE(p->question()->mutationPercent, 100.0);
    QCOMPARE(p->childBox()->text(), QStringLiteral("12345"));
    QCOMPARE(window->form().run().module1().nesilSayisi, generation);
}

GA_WINDOW_TEST(PredictionWindowTest)
#include "PredictionWindowTest.moc"
