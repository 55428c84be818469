#include "qt/prediction/PredictionWindow.h"
#include "qt/widgets/Heading.h"

#include "form/window/Form1.h"

#include <QAccessible>
#include <QButtonGroup>
#include <QCloseEvent>
#include <QComboBox>
#include <QEvent>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QLocale>
#include <QMouseEvent>
#include <QPushButton>
#include <QShortcut>
#include <QStackedWidget>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>
#include <initializer_list>
#include <limits>
#include <utility>

namespace ga::qt {

namespace {

// A finger's width at 100 %: about 9 mm.
constexpr int kTouchSize = 44;

// A number as a learner types it: either decimal separator, a typographic minus, and the
// words the lists use for values that are no finite number.
std::optional<double> typedNumber(QString text) {
    text = text.trimmed();
    text.replace(QChar(0x2212), QLatin1Char('-'));
    text.replace(QLatin1Char(','), QLatin1Char('.'));
    text.remove(QLatin1Char(' '));
    if (text == QStringLiteral("∞") || text == QStringLiteral("+∞")) {
        return std::numeric_limits<double>::infinity();
    }
    if (text == QStringLiteral("-∞")) {
        return -std::numeric_limits<double>::infinity();
    }
    if (text.compare(QStringLiteral("tanımsız"), Qt::CaseInsensitive) == 0 ||
        text.compare(QStringLiteral("undefined"), Qt::CaseInsensitive) == 0) {
        return std::numeric_limits<double>::quiet_NaN();
    }
    bool ok = false;
    const double value = QLocale::c().toDouble(text, &ok);
    return ok ? std::optional<double>(value) : std::nullopt;
}

} // namespace

PredictionWindow::PredictionWindow(const Form1& form, std::function<void()> step, QWidget* parent)
    : QWidget(parent, Qt::Window), form_(form), step_(std::move(step)),
      text_(form.decimalSeparator()) {
    setObjectName(QStringLiteral("predictionWindow"));
    const auto label = [this](const char* name) {
        auto* l = new QLabel(this);
        l->setObjectName(QLatin1String(name));
        l->setWordWrap(true);
        l->setTextFormat(Qt::PlainText);
        l->setTextInteractionFlags(Qt::TextSelectableByMouse);
        return l;
    };
    const auto button = [this](const char* name) {
        auto* b = new QPushButton(this);
        b->setObjectName(QLatin1String(name));
        b->setMinimumHeight(kTouchSize);
        b->setMinimumWidth(kTouchSize);
        return b;
    };
    const auto box = [this](const char* name) {
        auto* e = new QLineEdit(this);
        e->setObjectName(QLatin1String(name));
        e->setMinimumHeight(kTouchSize);
        connect(e, &QLineEdit::returnPressed, this, &PredictionWindow::answer);
        return e;
    };

    prompt_ = label("predictionPrompt");
    makeHeading(*prompt_, font());
    givens_ = label("predictionGivens");

    kindLabel_ = label("predictionKindLabel");
    kindChoice_ = new QComboBox(this);
    kindChoice_->setObjectName(QStringLiteral("predictionKind"));
    kindChoice_->setMinimumHeight(kTouchSize);
    for (std::size_t i = 0; i <= kQuestionKinds; ++i) {
        kindChoice_->addItem(QString());
    }
    kindLabel_->setBuddy(kindChoice_);

    // One page of answer controls per kind, in the order of QuestionKind.
    pages_ = new QStackedWidget(this);
    pages_->setObjectName(QStringLiteral("predictionPages"));

    auto* selection = new QWidget(pages_);
    auto* selectionLayout = new QVBoxLayout(selection);
    selectionLayout->setContentsMargins(0, 0, 0, 0);
    picked_ = label("predictionPicked");
    rows_ = new QListWidget(selection);
    rows_->setObjectName(QStringLiteral("predictionRows"));
    for (int k = 1; k <= kPopulation; ++k) {
        auto* item = new QListWidgetItem(rows_);
        item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable);
        item->setCheckState(Qt::Unchecked);
        item->setSizeHint(QSize(0, kTouchSize));
    }
    // A tap anywhere on a row picks it, and Space picks the current one.
    rows_->viewport()->installEventFilter(this);
    rows_->installEventFilter(this);
    connect(rows_, &QListWidget::itemChanged, this, [this] { showPicked(); });
    selectionLayout->addWidget(picked_);
    selectionLayout->addWidget(rows_, 1);
    pages_->addWidget(selection);

    auto* mating = new QWidget(pages_);
    auto* matingLayout = new QFormLayout(mating);
    childLabel_ = new QLabel(mating);
    child_ = box("predictionChild");
    childLabel_->setBuddy(child_);
    matingLayout->addRow(childLabel_, child_);
    pages_->addWidget(mating);

    auto* fitness = new QWidget(pages_);
    auto* fitnessLayout = new QFormLayout(fitness);
    valueLabel_ = new QLabel(fitness);
    value_ = box("predictionValue");
    valueLabel_->setBuddy(value_);
    fitnessLabel_ = new QLabel(fitness);
    fitness_ = box("predictionFitness");
    fitnessLabel_->setBuddy(fitness_);
    fitnessLayout->addRow(valueLabel_, value_);
    fitnessLayout->addRow(fitnessLabel_, fitness_);
    pages_->addWidget(fitness);

    auto* progress = new QWidget(pages_);
    auto* progressLayout = new QVBoxLayout(progress);
    auto* yesNoRow = new QHBoxLayout;
    yes_ = button("predictionYes");
    no_ = button("predictionNo");
    yesNo_ = new QButtonGroup(this);
    for (QPushButton* b : {yes_, no_}) {
        b->setCheckable(true);
        yesNo_->addButton(b);
        yesNoRow->addWidget(b);
    }
    progressLayout->addLayout(yesNoRow);
    progressLayout->addStretch(1);
    pages_->addWidget(progress);
    // Shown while no question waits or was last asked.
    pages_->addWidget(new QWidget(pages_));

    answer_ = button("predictionAnswer");
    reveal_ = button("predictionReveal");
    next_ = button("predictionNext");
    verdict_ = label("predictionVerdict");
    QFont bold = verdict_->font();
    bold.setBold(true);
    verdict_->setFont(bold);
    rightAnswer_ = label("predictionRightAnswer");
    explanation_ = label("predictionExplanation");
    scoreTitle_ = label("predictionScoreTitle");
    scoreTitle_->setFont(bold);
    const char* scoreNames[] = {"predictionScoreSelection", "predictionScoreMating",
                                "predictionScoreFitness", "predictionScoreProgress"};
    for (std::size_t i = 0; i < kQuestionKinds; ++i) {
        scores_[i] = label(scoreNames[i]);
    }
    odds_ = label("predictionOdds");
    clear_ = button("predictionClearScore");
    // Return presses the focused command button, as Space does.
    for (QPushButton* b : {answer_, reveal_, next_, clear_}) {
        b->setAutoDefault(true);
    }

    auto* kindRow = new QHBoxLayout;
    kindRow->addWidget(kindLabel_);
    kindRow->addWidget(kindChoice_, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(answer_);
    buttons->addWidget(reveal_);
    buttons->addWidget(next_);
    auto* scoreGrid = new QVBoxLayout;
    scoreGrid->addWidget(scoreTitle_);
    for (QLabel* s : scores_) {
        scoreGrid->addWidget(s);
    }
    scoreGrid->addWidget(odds_);
    auto* clearRow = new QHBoxLayout;
    clearRow->addWidget(clear_);
    clearRow->addStretch(1);
    scoreGrid->addLayout(clearRow);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(kindRow);
    layout->addWidget(prompt_);
    layout->addWidget(givens_);
    layout->addWidget(pages_, 1);
    layout->addLayout(buttons);
    layout->addWidget(verdict_);
    layout->addWidget(rightAnswer_);
    layout->addWidget(explanation_);
    layout->addLayout(scoreGrid);

    setTabOrder(kindChoice_, rows_);
    setTabOrder(rows_, child_);
    setTabOrder(child_, value_);
    setTabOrder(value_, fitness_);
    setTabOrder(fitness_, yes_);
    setTabOrder(yes_, no_);
    setTabOrder(no_, answer_);
    setTabOrder(answer_, reveal_);
    setTabOrder(reveal_, next_);
    setTabOrder(next_, clear_);

    connect(answer_, &QPushButton::clicked, this, &PredictionWindow::answer);
    connect(reveal_, &QPushButton::clicked, this, &PredictionWindow::reveal);
    connect(next_, &QPushButton::clicked, this, &PredictionWindow::poseOrFocus);
    connect(clear_, &QPushButton::clicked, this, &PredictionWindow::clearScore);
    connect(kindChoice_, &QComboBox::currentIndexChanged, this, [this] {
        // A question not yet answered is asked again in the kind now chosen.
        if (pending_) {
            pose(Note::None);
        }
    });
    auto* f10 = new QShortcut(QKeySequence(Qt::Key_F10), this);
    connect(f10, &QShortcut::activated, this, &PredictionWindow::poseOrFocus);
    auto* close = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(close, &QShortcut::activated, this, &QWidget::close);

    resize(560, 860);
    retranslate();
    showQuestion();
    showScore();
    updateButtons();
}

void PredictionWindow::retranslate() {
    setWindowTitle(tr("Tahmin"));
    kindLabel_->setText(tr("Soru &türü:"));
    kindChoice_->setAccessibleName(tr("Soru türü"));
    kindChoice_->setItemText(0, tr("Sırayla (tohuma göre)"));
    for (std::size_t i = 0; i < kQuestionKinds; ++i) {
        kindChoice_->setItemText(static_cast<int>(i) + 1,
                                 QuestionText::kindName(static_cast<QuestionKind>(i)));
    }
    rows_->setAccessibleName(tr("Popülasyon: ölecek on bireyi seçin"));
    childLabel_->setText(tr("Doğacak &çocuğun geni:"));
    child_->setAccessibleName(tr("Doğacak çocuğun geni"));
    valueLabel_->setText(tr("&F değeri:"));
    value_->setAccessibleName(tr("F değeri"));
    fitnessLabel_->setText(tr("&Uyum:"));
    fitness_->setAccessibleName(tr("Uyum"));
    yes_->setText(tr("1 · Evet"));
    yes_->setAccessibleName(tr("Evet"));
    no_->setText(tr("2 · Hayır"));
    no_->setAccessibleName(tr("Hayır"));
    answer_->setText(tr("&Yanıtla"));
    reveal_->setText(tr("&Göster"));
    next_->setText(tr("&Sonraki soru (F10)"));
    next_->setAccessibleName(tr("Sonraki soru"));
    scoreTitle_->setText(tr("Puan"));
    clear_->setText(tr("Puanı sıfı&rla"));
    showQuestion();
    showVerdict();
    showScore();
}

void PredictionWindow::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::LanguageChange) {
        retranslate();
    } else if (event->type() == QEvent::FontChange && prompt_ != nullptr) {
        makeHeading(*prompt_, font());
    }
}

void PredictionWindow::closeEvent(QCloseEvent* event) {
    QWidget::closeEvent(event);
    emit closed();
}

void PredictionWindow::setOn(bool on) {
    if (on == state_.on) {
        return;
    }
    state_.on = on;
    pending_ = false;
    question_.reset();
    lastVerdict_.reset();
    problem_.clear();
    if (on) {
        pose(Note::None);
    } else {
        note_ = Note::None;
        showQuestion();
        showVerdict();
        updateButtons();
    }
}

void PredictionWindow::setState(const PredictionState& state) {
    const bool on = state_.on;
    state_ = state;
    state_.on = on;
    setOn(state.on);
    showScore();
}

void PredictionWindow::poseOrFocus() {
    if (!state_.on) {
        return;
    }
    if (pending_) {
        show();
        raise();
        activateWindow();
        return;
    }
    pose(Note::None);
}

QuestionKind PredictionWindow::nextKind() const {
    const int chosen = kindChoice_->currentIndex();
    if (chosen > 0) {
        return static_cast<QuestionKind>(chosen - 1);
    }
    const Run& run = form_.run();
    return kindInTurn(run.seed(), run.module1().nesilSayisi + 1);
}

void PredictionWindow::pose(Note note) {
    problem_.clear();
    lastVerdict_.reset();
    if (!form_.canStep()) {
        pending_ = false;
        question_.reset();
        note_ = form_.timerEnabled() ? Note::TimerRuns : Note::NotPrepared;
    } else {
        const Run& run = form_.run();
        const Form1::StepInputs in = form_.nextStepInputs();
        const bool fresh = !pending_ || note == Note::None;
        const std::optional<Question> before = question_;
        question_ = ask(run, nextKind(), in.mutationPercent, in.target,
                        questionSeed(run.seed(), run.module1().nesilSayisi + 1));
        aheadGenerator_ = run.generatorState();
        aheadGenes_ = run.population().genler;
        aheadGeneration_ = run.module1().nesilSayisi;
        pending_ = true;
        note_ = note;
        // What the learner already entered stays when the same question is asked again.
        if (fresh || !before || before->genes != question_->genes) {
            for (int k = 0; k < rows_->count(); ++k) {
                rows_->item(k)->setCheckState(Qt::Unchecked);
            }
        }
        if (fresh) {
            child_->clear();
            value_->clear();
            fitness_->clear();
            yesNo_->setExclusive(false);
            yes_->setChecked(false);
            no_->setChecked(false);
            yesNo_->setExclusive(true);
        }
    }
    showQuestion();
    showVerdict();
    updateButtons();
    announce(prompt_);
    if (pending_) {
        if (rows_->currentRow() < 0) {
            rows_->setCurrentRow(0);
        }
        QWidget* first[] = {rows_, child_, value_, yes_};
        first[static_cast<std::size_t>(question_->kind)]->setFocus();
    }
}

bool PredictionWindow::stillAhead() const {
    const Run& run = form_.run();
    const Row& genes = run.population().genler;
    return sameNumber(run.module1().nesilSayisi, aheadGeneration_) &&
           std::equal(genes.begin(), genes.end(), aheadGenes_.begin(), sameNumber) &&
           run.generatorState() == aheadGenerator_;
}

void PredictionWindow::followRun() {
    if (!state_.on) {
        return;
    }
    if (pending_) {
        if (!form_.canStep()) {
            pose(Note::None); // says why no question waits
            return;
        }
        if (!stillAhead()) {
            pose(Note::RunChanged);
            return;
        }
    } else if (!question_) {
        const Note now = !form_.canStep()
                             ? (form_.timerEnabled() ? Note::TimerRuns : Note::NotPrepared)
                             : Note::None;
        if (now != note_) {
            note_ = now;
            showQuestion();
        }
    }
    updateButtons();
}

void PredictionWindow::answer() {
    conclude(true);
}

void PredictionWindow::reveal() {
    conclude(false);
}

std::optional<Answer> PredictionWindow::readAnswer(QString& missing) const {
    Answer a;
    switch (question_->kind) {
    case QuestionKind::Selection: {
        int picked = 0;
        for (int k = 0; k < kPopulation; ++k) {
            a.rows[static_cast<std::size_t>(k)] = rows_->item(k)->checkState() == Qt::Checked;
            picked += a.rows[static_cast<std::size_t>(k)] ? 1 : 0;
        }
        if (picked != kSurvivors) {
            missing = tr("On birey seçin; şimdi %1 birey seçili.").arg(picked);
            return std::nullopt;
        }
        return a;
    }
    case QuestionKind::Mating: {
        const auto child = typedNumber(child_->text());
        if (!child) {
            missing = tr("Doğacak çocuğun genini bir sayı olarak yazın.");
            return std::nullopt;
        }
        a.number = *child;
        return a;
    }
    case QuestionKind::Fitness: {
        const auto value = typedNumber(value_->text());
        const auto fit = typedNumber(fitness_->text());
        if (!value || !fit) {
            missing = tr("F değerini ve uyumu birer sayı olarak yazın.");
            return std::nullopt;
        }
        a.number = *value;
        a.second = *fit;
        return a;
    }
    case QuestionKind::Progress:
        if (yesNo_->checkedButton() == nullptr) {
            missing = tr("Evet ya da Hayır'ı seçin (1 ya da 2 tuşu).");
            return std::nullopt;
        }
        a.yes = yes_->isChecked();
        return a;
    }
    return std::nullopt;
}

void PredictionWindow::conclude(bool answered) {
    if (!pending_ || !question_) {
        return;
    }
    if (!form_.canStep() || !stillAhead()) {
        followRun();
        return;
    }
    const Form1::StepInputs in = form_.nextStepInputs();
    if (!sameNumber(in.mutationPercent, question_->mutationPercent) ||
        !sameNumber(in.target, question_->target)) {
        pose(Note::InputsChanged);
        return;
    }
    Answer given;
    if (answered) {
        QString missing;
        const auto read = readAnswer(missing);
        if (!read) {
            problem_ = missing;
            showVerdict();
            return;
        }
        given = *read;
    }
    problem_.clear();
    pending_ = false;
    step_();
    shown_ = form_.run().record();
    lastVerdict_ = check(*question_, given, shown_);
    answered_ = answered;
    if (answered) {
        state_.score(question_->kind, lastVerdict_->right);
    }
    state_.watch(shown_);
    showQuestion();
    showVerdict();
    showScore();
    updateButtons();
    next_->setFocus();
}

void PredictionWindow::clearScore() {
    state_.clearScore();
    showScore();
}

void PredictionWindow::showQuestion() {
    if (question_) {
        prompt_->setText(text_.prompt(*question_));
        QString givens = text_.givens(*question_);
        if (question_->kind == QuestionKind::Progress) {
            // The odds the class is betting on.
            givens += QLatin1Char(' ') + QuestionText::odds(state_);
        }
        givens_->setText(givens);
        pages_->setCurrentIndex(static_cast<int>(question_->kind));
        for (int k = 0; k < kPopulation; ++k) {
            const auto i = static_cast<std::size_t>(k);
            QString line =
                tr("%1. satır: gen %2, uyum %3")
                    .arg(k + 1)
                    .arg(text_.listed(question_->genes[i]), text_.listed(question_->fitness[i]));
            QBrush background;
            if (lastVerdict_ && question_->kind == QuestionKind::Selection) {
                if (lastVerdict_->died[i]) {
                    line += tr(" — öldü");
                    background = QColor(255, 205, 205);
                }
                if (lastVerdict_->tied[i]) {
                    line += tr(" (sınırda eşit uyum)");
                }
            }
            QListWidgetItem* item = rows_->item(k);
            item->setText(line);
            item->setBackground(background);
        }
        showPicked();
        return;
    }
    pages_->setCurrentIndex(static_cast<int>(kQuestionKinds));
    for (int k = 0; k < kPopulation; ++k) {
        rows_->item(k)->setText(QString());
        rows_->item(k)->setBackground(QBrush());
    }
    picked_->clear();
    givens_->clear();
    switch (note_) {
    case Note::NotPrepared:
        prompt_->setText(tr("Soru sormak için önce ana pencerede \"Hazırla\"ya basın."));
        break;
    case Note::TimerRuns:
        prompt_->setText(tr("Zamanlayıcı çalışırken soru sorulmaz. \"Durdur\"a basın, sonra "
                            "F10 ile yeni bir soru isteyin."));
        break;
    default:
        prompt_->setText(
            tr("F10'a ya da \"Sonraki soru\"ya basın: gelecek nesil hakkında bir soru gelir."));
        break;
    }
}

void PredictionWindow::showPicked() {
    if (!question_ || question_->kind != QuestionKind::Selection) {
        return;
    }
    int picked = 0;
    for (int k = 0; k < rows_->count(); ++k) {
        picked += rows_->item(k)->checkState() == Qt::Checked ? 1 : 0;
    }
    picked_->setText(
        tr("Seçilen: %1 / %2. Ok tuşlarıyla gezinin, boşlukla seçin.").arg(picked).arg(kSurvivors));
}

void PredictionWindow::showVerdict() {
    QPalette palette = verdict_->palette();
    palette.setColor(QPalette::WindowText, this->palette().color(QPalette::WindowText));
    QString verdict;
    QString right;
    QString why;
    if (!problem_.isEmpty()) {
        verdict = problem_;
    } else if (lastVerdict_ && question_) {
        if (answered_) {
            verdict = lastVerdict_->right ? tr("Doğru!") : tr("Yanlış.");
            palette.setColor(QPalette::WindowText,
                             lastVerdict_->right ? QColor(0, 110, 0) : QColor(180, 0, 0));
        } else {
            verdict = tr("Yanıt gösterildi.");
        }
        right = text_.rightAnswer(*question_, *lastVerdict_);
        why = text_.explanation(*question_, *lastVerdict_, shown_);
    } else if (pending_ && note_ == Note::RunChanged) {
        verdict = tr("Çalışma değişti; soru yeniden soruldu.");
    } else if (pending_ && note_ == Note::InputsChanged) {
        verdict = tr("Hedef ya da mutasyon oranı değişti; soru bu değerlerle yeniden soruldu. "
                     "Yanıtınızı gözden geçirip yeniden yanıtlayın.");
    }
    verdict_->setPalette(palette);
    const bool changed = verdict != verdict_->text() || why != explanation_->text();
    verdict_->setText(verdict);
    rightAnswer_->setText(right);
    explanation_->setText(why);
    if (changed && !verdict.isEmpty()) {
        announce(verdict_);
        announce(rightAnswer_);
        announce(explanation_);
    }
}

void PredictionWindow::showScore() {
    for (std::size_t i = 0; i < kQuestionKinds; ++i) {
        scores_[i]->setText(QuestionText::score(static_cast<QuestionKind>(i), state_.tallies[i]));
    }
    odds_->setText(QuestionText::odds(state_));
}

void PredictionWindow::updateButtons() {
    answer_->setEnabled(pending_);
    reveal_->setEnabled(pending_);
    next_->setEnabled(state_.on && !pending_ && form_.canStep());
    // The rows stay readable after the answer: they show who died.
    for (QWidget* w : std::initializer_list<QWidget*>{child_, value_, fitness_, yes_, no_}) {
        w->setEnabled(pending_);
    }
}

void PredictionWindow::toggleRow(int row) {
    QListWidgetItem* item = rows_->item(row);
    if (!pending_ || item == nullptr) {
        return;
    }
    item->setCheckState(item->checkState() == Qt::Checked ? Qt::Unchecked : Qt::Checked);
}

bool PredictionWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == rows_->viewport() && event->type() == QEvent::MouseButtonRelease) {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() == Qt::LeftButton) {
            if (QListWidgetItem* item = rows_->itemAt(mouse->position().toPoint())) {
                toggleRow(rows_->row(item));
            }
            return true;
        }
    }
    if (watched == rows_ && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Space || key->key() == Qt::Key_Select) {
            toggleRow(rows_->currentRow());
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void PredictionWindow::keyPressEvent(QKeyEvent* event) {
    if (pending_ && question_ && question_->kind == QuestionKind::Progress &&
        (event->key() == Qt::Key_1 || event->key() == Qt::Key_2)) {
        (event->key() == Qt::Key_1 ? yes_ : no_)->setChecked(true);
        return;
    }
    if (pending_ && (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)) {
        answer();
        return;
    }
    QWidget::keyPressEvent(event);
}

void PredictionWindow::announce(QLabel* label) {
    QAccessibleEvent event(label, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&event);
}

} // namespace ga::qt
