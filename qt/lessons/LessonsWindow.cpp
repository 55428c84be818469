#include "qt/lessons/LessonsWindow.h"
#include "qt/widgets/Heading.h"

#include "form/window/Controls.h"
#include "form/window/Form1.h"
#include "qt/experiments/ExperimentWindow.h"
#include "qt/history/HistoryWindow.h"
#include "qt/lessons/LessonTexts.h"
#include "qt/lessons/Worksheet.h"
#include "qt/main/MainWindowBase.h"
#include "qt/main/TickTimer.h"
#include "qt/searchspace/SearchSpaceWindow.h"
#include "session/LessonJson.h"
#include "session/Utf8.h"

#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QDir>
#include <QDirIterator>
#include <QEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QShortcut>
#include <QSplitter>
#include <QStyledItemDelegate>
#include <QVBoxLayout>

#include <algorithm>

namespace ga::qt {

namespace {

// A finger on a classroom board needs about 9 mm: 44 logical pixels.
constexpr int kTouchSize = 44;

void touchSized(QWidget* w) {
    w->setMinimumHeight(kTouchSize);
}

QLabel* wrappedLabel(QWidget* parent, const char* name) {
    auto* label = new QLabel(parent);
    label->setObjectName(QLatin1String(name));
    label->setWordWrap(true);
    label->setTextFormat(Qt::PlainText);
    // Selectable with the keyboard, so that a screen reader's cursor can read it line by line.
    label->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    return label;
}

// Every row a finger can hit, however short its title. A delegate rather than a style
// sheet, so that the rows keep following the window's font (the presentation mode's).
class TouchRowDelegate : public QStyledItemDelegate {
  public:
    using QStyledItemDelegate::QStyledItemDelegate;

    [[nodiscard]] QSize sizeHint(const QStyleOptionViewItem& option,
                                 const QModelIndex& index) const override {
        QSize size = QStyledItemDelegate::sizeHint(option, index);
        size.setHeight(std::max(size.height(), kTouchSize));
        return size;
    }
};

} // namespace

LessonsWindow::LessonsWindow(MainWindowBase& main, QWidget* parent)
    : QWidget(parent, Qt::Window), main_(main) {
    setObjectName(QStringLiteral("lessonsWindow"));

    listLabel_ = new QLabel(this);
    list_ = new QListWidget(this);
    list_->setObjectName(QStringLiteral("lessonList"));
    list_->setWordWrap(true);
    list_->setItemDelegate(new TouchRowDelegate(list_));
    listLabel_->setBuddy(list_);
    open_ = new QPushButton(this);
    open_->setObjectName(QStringLiteral("openLesson"));
    worksheet_ = new QPushButton(this);
    worksheet_->setObjectName(QStringLiteral("saveWorksheet"));
    print_ = new QPushButton(this);
    print_->setObjectName(QStringLiteral("printWorksheet"));
    teacherCopy_ = new QCheckBox(this);
    teacherCopy_->setObjectName(QStringLiteral("teacherCopy"));
    for (QWidget* w : std::initializer_list<QWidget*>{open_, worksheet_, print_, teacherCopy_}) {
        touchSized(w);
    }

    auto* left = new QWidget(this);
    auto* leftLayout = new QVBoxLayout(left);
    leftLayout->setContentsMargins(0, 0, 0, 0);
    leftLayout->addWidget(listLabel_);
    leftLayout->addWidget(list_, 1);
    leftLayout->addWidget(open_);
    leftLayout->addWidget(teacherCopy_);
    leftLayout->addWidget(worksheet_);
    leftLayout->addWidget(print_);

    auto* page = new QWidget(this);
    page->setObjectName(QStringLiteral("lessonPage"));
    header_ = wrappedLabel(page, "lessonHeader");
    header_->setTextFormat(Qt::RichText);
    stepTitle_ = wrappedLabel(page, "stepTitle");
    makeHeading(*stepTitle_, font());
    text_ = wrappedLabel(page, "stepText");

    setUpBox_ = new QGroupBox(page);
    setUpBox_->setObjectName(QStringLiteral("setUpBox"));
    setUpText_ = wrappedLabel(setUpBox_, "setUpText");
    setUpButton_ = new QPushButton(setUpBox_);
    setUpButton_->setObjectName(QStringLiteral("applySetUp"));
    auto* setUpLayout = new QVBoxLayout(setUpBox_);
    setUpLayout->addWidget(setUpText_);
    setUpLayout->addWidget(setUpButton_, 0, Qt::AlignLeft);

    taskBox_ = new QGroupBox(page);
    taskBox_->setObjectName(QStringLiteral("taskBox"));
    taskText_ = wrappedLabel(taskBox_, "taskText");
    taskButton_ = new QPushButton(taskBox_);
    taskButton_->setObjectName(QStringLiteral("doTask"));
    auto* taskLayout = new QVBoxLayout(taskBox_);
    taskLayout->addWidget(taskText_);
    taskLayout->addWidget(taskButton_, 0, Qt::AlignLeft);

    questionBox_ = new QGroupBox(page);
    questionBox_->setObjectName(QStringLiteral("questionBox"));
    prompt_ = wrappedLabel(questionBox_, "prompt");
    choiceGroup_ = new QButtonGroup(this);
    numberLabel_ = new QLabel(questionBox_);
    number_ = new QLineEdit(questionBox_);
    number_->setObjectName(QStringLiteral("numberAnswer"));
    numberLabel_->setBuddy(number_);
    rows_ = new QListWidget(questionBox_);
    rows_->setObjectName(QStringLiteral("rowsAnswer"));
    rows_->setMinimumHeight(8 * kTouchSize);
    answerButton_ = new QPushButton(questionBox_);
    answerButton_->setObjectName(QStringLiteral("answer"));
    feedback_ = wrappedLabel(questionBox_, "feedback");
    auto* questionLayout = new QVBoxLayout(questionBox_);
    questionLayout->addWidget(prompt_);
    choiceLayout_ = new QVBoxLayout;
    questionLayout->addLayout(choiceLayout_);
    auto* numberRow = new QHBoxLayout;
    numberRow->addWidget(numberLabel_);
    numberRow->addWidget(number_, 1);
    questionLayout->addLayout(numberRow);
    questionLayout->addWidget(rows_);
    questionLayout->addWidget(answerButton_, 0, Qt::AlignLeft);
    questionLayout->addWidget(feedback_);
    connect(number_, &QLineEdit::returnPressed, this, &LessonsWindow::answer);

    note_ = wrappedLabel(page, "lessonNote");
    QPalette warning = note_->palette();
    warning.setColor(QPalette::WindowText, QColor(160, 60, 0));
    note_->setPalette(warning);

    for (QWidget* w :
         std::initializer_list<QWidget*>{setUpButton_, taskButton_, answerButton_, number_}) {
        touchSized(w);
    }

    auto* pageLayout = new QVBoxLayout(page);
    pageLayout->addWidget(header_);
    pageLayout->addWidget(stepTitle_);
    pageLayout->addWidget(text_);
    pageLayout->addWidget(setUpBox_);
    pageLayout->addWidget(taskBox_);
    pageLayout->addWidget(questionBox_);
    pageLayout->addWidget(note_);
    pageLayout->addStretch(1);

    scroll_ = new QScrollArea(this);
    scroll_->setObjectName(QStringLiteral("lessonScroll"));
    scroll_->setWidget(page);
    scroll_->setWidgetResizable(true);
    scroll_->setFrameShape(QFrame::NoFrame);

    back_ = new QPushButton(this);
    back_->setObjectName(QStringLiteral("back"));
    next_ = new QPushButton(this);
    next_->setObjectName(QStringLiteral("next"));
    position_ = new QLabel(this);
    position_->setObjectName(QStringLiteral("stepPosition"));
    position_->setAlignment(Qt::AlignCenter);
    touchSized(back_);
    touchSized(next_);
    auto* navigation = new QHBoxLayout;
    navigation->addWidget(back_);
    navigation->addWidget(position_, 1);
    navigation->addWidget(next_);

    auto* right = new QWidget(this);
    auto* rightLayout = new QVBoxLayout(right);
    rightLayout->setContentsMargins(0, 0, 0, 0);
    rightLayout->addWidget(scroll_, 1);
    rightLayout->addLayout(navigation);

    auto* split = new QSplitter(Qt::Horizontal, this);
    split->setObjectName(QStringLiteral("lessonsSplitter"));
    split->addWidget(left);
    split->addWidget(right);
    split->setStretchFactor(0, 1);
    split->setStretchFactor(1, 3);
    split->setChildrenCollapsible(false);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(split);

    connect(list_, &QListWidget::currentRowChanged, this, &LessonsWindow::chooseLesson);
    connect(open_, &QPushButton::clicked, this, &LessonsWindow::chooseFile);
    connect(worksheet_, &QPushButton::clicked, this, &LessonsWindow::chooseWorksheetFile);
    connect(print_, &QPushButton::clicked, this, &LessonsWindow::printWorksheet);
    connect(setUpButton_, &QPushButton::clicked, this, &LessonsWindow::applySetUp);
    connect(taskButton_, &QPushButton::clicked, this, &LessonsWindow::doTask);
    connect(answerButton_, &QPushButton::clicked, this, &LessonsWindow::answer);
    connect(back_, &QPushButton::clicked, this, [this] { goTo(step_ - 1); });
    connect(next_, &QPushButton::clicked, this, [this] { goTo(step_ + 1); });
    // Alt+Left and Alt+Right page as a browser does, besides the buttons' own letters.
    auto* backKey = new QShortcut(QKeySequence::Back, this);
    connect(backKey, &QShortcut::activated, back_, &QPushButton::click);
    auto* nextKey = new QShortcut(QKeySequence::Forward, this);
    connect(nextKey, &QShortcut::activated, next_, &QPushButton::click);
    // The lessons' "run" tasks stop the main window's run at their generation; this window's
    // slot comes after the main window's, so it sees each generation made.
    connect(main_.timer(), &TickTimer::timeout, this, &LessonsWindow::afterTick);

    setTabOrder(list_, open_);
    setTabOrder(open_, teacherCopy_);
    setTabOrder(teacherCopy_, worksheet_);
    setTabOrder(worksheet_, print_);
    setTabOrder(print_, scroll_);

    listLessons();
    retranslate();
    resize(sizeHint().expandedTo(QSize(900, 700)));
    if (!lessons_.empty()) {
        list_->setCurrentRow(0);
    }
}

void LessonsWindow::listLessons() {
    QStringList files;
    QDirIterator it(QStringLiteral(":/lessons"), {QStringLiteral("*.json")}, QDir::Files);
    while (it.hasNext()) {
        files << it.next();
    }
    files.sort();
    for (const QString& file : files) {
        session::LessonReading reading = session::readLessonFile(file);
        if (reading.lesson) {
            lessons_.push_back(std::move(*reading.lesson));
            list_->addItem(QString());
        }
    }
}

void LessonsWindow::retranslate() {
    setWindowTitle(tr("Dersler"));
    listLabel_->setText(tr("&Dersler:"));
    open_->setText(tr("Ders &aç…"));
    teacherCopy_->setText(tr("Ö&ğretmen kopyası (cevaplarla)"));
    worksheet_->setText(tr("Çalışma &kâğıdı (PDF)…"));
    print_->setText(tr("&Yazdır…"));
    setUpBox_->setTitle(tr("Düzen"));
    setUpButton_->setText(tr("Düzeni &uygula"));
    taskBox_->setTitle(tr("Görev"));
    taskButton_->setText(tr("Gö&revi yap"));
    questionBox_->setTitle(tr("Soru"));
    numberLabel_->setText(tr("Ce&vabınız:"));
    answerButton_->setText(tr("&Cevapla"));
    back_->setText(tr("&Geri"));
    next_->setText(tr("İ&leri"));
    rows_->setAccessibleName(tr("Popülasyon: işaretlenecek bireyler"));
    for (int i = 0; i < list_->count() && i < static_cast<int>(lessons_.size()); ++i) {
        const Lesson& l = lessons_.at(static_cast<std::size_t>(i));
        list_->item(i)->setText(QStringLiteral("%1 (%2)").arg(LessonTexts::text(l.title),
                                                              LessonTexts::minutes(l.minutes)));
    }
    showStep();
}

void LessonsWindow::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::LanguageChange) {
        retranslate();
    } else if (event->type() == QEvent::FontChange && stepTitle_ != nullptr) {
        makeHeading(*stepTitle_, font());
    }
}

void LessonsWindow::chooseLesson(int index) {
    if (index < 0 || index >= static_cast<int>(lessons_.size())) {
        return;
    }
    if (list_->currentRow() != index) {
        list_->setCurrentRow(index); // comes back here
        return;
    }
    current_ = index;
    runLimit_.reset();
    goTo(0);
}

void LessonsWindow::goTo(int step) {
    if (current_ < 0) {
        return;
    }
    const int last = static_cast<int>(lessons_.at(static_cast<std::size_t>(current_)).steps.size());
    step_ = std::clamp(step, 0, last);
    run_.reset();
    answer_.reset();
    answered_ = false;
    note_->clear();
    // A new question starts unanswered.
    rows_->clear();
    number_->clear();
    choiceGroup_->setExclusive(false);
    for (QRadioButton* b : choices_) {
        b->setChecked(false);
    }
    choiceGroup_->setExclusive(true);
    showStep();
    scroll_->ensureVisible(0, 0);
}

const LessonStep* LessonsWindow::shownStep() const {
    if (current_ < 0) {
        return nullptr;
    }
    const Lesson& l = lessons_.at(static_cast<std::size_t>(current_));
    return step_ < static_cast<int>(l.steps.size()) ? &l.steps.at(static_cast<std::size_t>(step_))
                                                    : nullptr;
}

LessonRun& LessonsWindow::lessonRun() {
    if (!run_) {
        run_ = LessonRun::upTo(lessons_.at(static_cast<std::size_t>(current_)),
                               static_cast<std::size_t>(step_));
    }
    return *run_;
}

void LessonsWindow::showStep() {
    const bool any = current_ >= 0;
    back_->setEnabled(any && step_ > 0);
    worksheet_->setEnabled(any);
    print_->setEnabled(any);
    if (!any) {
        header_->setText(tr("Bir ders seçin ya da \"Ders aç…\" ile bir ders dosyası açın."));
        return;
    }
    const Lesson& lesson = lessons_.at(static_cast<std::size_t>(current_));
    const int count = static_cast<int>(lesson.steps.size());
    next_->setEnabled(step_ < count);
    // The lesson's name stands out above its goal and length.
    header_->setText(
        QStringLiteral("<b>%1</b><br>%2<br>%3")
            .arg(LessonTexts::text(lesson.title).toHtmlEscaped(),
                 tr("Amaç: %1").arg(LessonTexts::text(lesson.goal)).toHtmlEscaped(),
                 tr("Süre: %1").arg(LessonTexts::minutes(lesson.minutes)).toHtmlEscaped()));
    const LessonStep* step = shownStep();
    if (step == nullptr) {
        // After the last step: what the teacher says to close the lesson.
        position_->setText(tr("Dersin sonu"));
        stepTitle_->setText(tr("Dersin sonunda"));
        text_->setText(LessonTexts::text(lesson.closing));
        setUpBox_->hide();
        taskBox_->hide();
        questionBox_->hide();
        return;
    }
    position_->setText(tr("Adım %1 / %2").arg(step_ + 1).arg(count));
    stepTitle_->setText(tr("%1. %2").arg(step_ + 1).arg(LessonTexts::text(step->title)));
    text_->setText(LessonTexts::text(step->text));
    setUpBox_->setVisible(step->setUp.has_value());
    if (step->setUp) {
        setUpText_->setText(LessonTexts::setUp(*step->setUp).join(QLatin1Char('\n')));
    }
    taskBox_->setVisible(step->task.has_value());
    if (step->task) {
        taskText_->setText(LessonTexts::task(*step->task));
    }
    questionBox_->setVisible(step->question.has_value());
    if (step->question) {
        showQuestion(*step->question);
    }
}

void LessonsWindow::showQuestion(const LessonQuestion& q) {
    prompt_->setText(LessonTexts::text(q.prompt));
    // The choices are made anew for each question, in its own order.
    const int checked = choiceGroup_->checkedId();
    for (QRadioButton* b : choices_) {
        choiceGroup_->removeButton(b);
        delete b;
    }
    choices_.clear();
    if (q.kind == AnswerKind::Choice) {
        for (std::size_t i = 0; i < q.choices.size(); ++i) {
            // No mnemonic: the letters would clash with the buttons'; the arrow keys move
            // between the choices.
            auto* b = new QRadioButton(
                QStringLiteral("%1) %2").arg(QChar(QLatin1Char(static_cast<char>('A' + i))),
                                             LessonTexts::text(q.choices[i])),
                questionBox_);
            b->setObjectName(QStringLiteral("choice%1").arg(i));
            touchSized(b);
            choiceGroup_->addButton(b, static_cast<int>(i));
            choiceLayout_->addWidget(b);
            choices_.push_back(b);
        }
        if (checked >= 0 && checked < static_cast<int>(choices_.size())) {
            choices_.at(static_cast<std::size_t>(checked))->setChecked(true);
        }
    }
    numberLabel_->setVisible(q.kind == AnswerKind::Number);
    number_->setVisible(q.kind == AnswerKind::Number);
    rows_->setVisible(q.kind == AnswerKind::Rows);
    if (q.kind == AnswerKind::Rows && rows_->count() == 0) {
        // The population the main window lists at this point of the lesson, to tick.
        if (const std::optional<ListedPopulation> listed = lessonRun().listed()) {
            for (std::size_t i = 0; i < listed->genes.size(); ++i) {
                auto* item = new QListWidgetItem(rows_);
                item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsUserCheckable | Qt::ItemIsSelectable);
                item->setCheckState(Qt::Unchecked);
                item->setSizeHint(QSize(0, kTouchSize));
            }
        }
    }
    if (q.kind == AnswerKind::Rows) {
        if (const std::optional<ListedPopulation> listed = lessonRun().listed()) {
            for (int i = 0; i < rows_->count(); ++i) {
                const auto k = static_cast<std::size_t>(i);
                rows_->item(i)->setText(tr("%1.  birey %2   sonuç %3   uyum %4")
                                            .arg(i + 1)
                                            .arg(fromUtf8(numberText(listed->genes.at(k))),
                                                 fromUtf8(numberText(listed->values.at(k))),
                                                 fromUtf8(numberText(listed->fitness.at(k)))));
            }
        }
    } else {
        rows_->clear();
    }
    if (!answered_) {
        feedback_->clear();
    } else {
        answer(); // the feedback again, in the language now in use
    }
}

void LessonsWindow::applySetUp() {
    const LessonStep* step = shownStep();
    if (step == nullptr || !step->setUp) {
        return;
    }
    const LessonSetUp& s = *step->setUp;
    runLimit_.reset();
    // Texts the last ticks left waiting for the next frame go to the boxes first, so the
    // typed ones are not overwritten.
    main_.flushDisplay();
    const auto typeInto = [this](Control box, const std::string& text) {
        main_.control<QLineEdit>(box)->setText(fromUtf8(text));
    };
    for (std::size_t j = 0; j < 5; ++j) {
        if (s.coefficients) {
            typeInto(kCoefficientBoxes[j], s.coefficients->at(j));
        }
        if (s.exponents) {
            typeInto(kExponentBoxes[j], s.exponents->at(j));
        }
    }
    if (s.target) {
        typeInto(Control::Text1, *s.target);
    }
    if (s.mutation) {
        typeInto(Control::Text3, *s.mutation);
    }
    if (s.speed) {
        typeInto(Control::Text4, *s.speed);
    }
    if (s.prediction) {
        main_.setPredictionMode(*s.prediction);
    }
    if (s.seed) {
        // As "Tohum…" fixes a seed, then "Sıfırla": the lesson's run from its start.
        main_.form().useSeed(*s.seed);
        main_.control<QPushButton>(Control::Command4)->click();
    }
    compareWithBoard();
}

void LessonsWindow::doTask() {
    const LessonStep* step = shownStep();
    if (step == nullptr || !step->task) {
        return;
    }
    const LessonTask& t = *step->task;
    Form1& form = main_.form();
    const auto prepareIfNeeded = [this, &form] {
        if (!form.startEnabled()) {
            main_.control<QPushButton>(Control::Command1)->click();
        }
    };
    switch (t.kind) {
    case LessonTaskKind::Prepare:
        main_.control<QPushButton>(Control::Command1)->click();
        break;
    case LessonTaskKind::Step:
        prepareIfNeeded();
        main_.stepGenerations(t.generations);
        break;
    case LessonTaskKind::Run:
        prepareIfNeeded();
        if (form.startEnabled() && !form.timerEnabled() &&
            form.run().module1().nesilSayisi < t.generations) {
            runLimit_ = t.generations;
            main_.control<QPushButton>(Control::Command2)->click();
        }
        break;
    case LessonTaskKind::History: {
        main_.showHistory();
        HistoryWindow* h = main_.historyWindow();
        h->refresh();
        const History& history = form.run().history();
        const double index = t.generation - history.firstGeneration();
        if (history.empty() || index < 0 || index >= static_cast<double>(history.size())) {
            note_->setText(tr("Geçmişte %1. nesil yok: önce bu dersin önceki adımlarını "
                              "yapın.")
                               .arg(t.generation));
            return;
        }
        h->select(static_cast<std::uint64_t>(index));
        if (t.individual > 0) {
            h->openFamilyTree(t.individual);
        }
        break;
    }
    case LessonTaskKind::Experiment: {
        ExperimentWindow& e = main_.showExperiment();
        e.typePlan(t.varied, fromUtf8(t.values), t.runs, t.limit, t.seed);
        e.start();
        break;
    }
    case LessonTaskKind::SearchSpace:
        main_.showSearchSpace();
        // The boxes the set-up typed, evaluated now rather than at the window's next frame.
        main_.searchSpaceWindow()->refresh();
        break;
    }
    if (t.kind != LessonTaskKind::Run) {
        compareWithBoard();
    }
}

void LessonsWindow::afterTick() {
    if (!runLimit_) {
        return;
    }
    const Form1& form = main_.form();
    if (!form.timerEnabled()) {
        // Stopped by itself at the target, or by a person.
        runLimit_.reset();
        compareWithBoard();
    } else if (form.run().module1().nesilSayisi >= *runLimit_) {
        runLimit_.reset();
        main_.control<QPushButton>(Control::Command3)->click();
        compareWithBoard();
    }
}

void LessonsWindow::compareWithBoard() {
    const LessonStep* step = shownStep();
    if (step == nullptr || runLimit_) {
        return;
    }
    LessonRun& lesson = lessonRun();
    const Run& board = main_.form().run();
    // "Sıfırla" leaves the arrays as they were; they count from "Hazırla" on.
    const bool same =
        !lesson.seed() ||
        (lesson.run().seed() == board.seed() &&
         lesson.run().module1().nesilSayisi == board.module1().nesilSayisi &&
         lesson.prepared() == main_.form().startEnabled() &&
         (!lesson.prepared() || lesson.run().population().genler == board.population().genler));
    note_->setText(same ? QString()
                        : tr("Ana penceredeki çalışma bu adımda dersin çalışmasından farklı. "
                             "Sayılar tutsun diye tohumlu düzenin olduğu adıma dönüp düzeni ve "
                             "görevleri sırayla yeniden yapın."));
}

void LessonsWindow::answer() {
    const LessonStep* step = shownStep();
    if (step == nullptr || !step->question) {
        return;
    }
    const LessonQuestion& q = *step->question;
    if (!answer_) {
        // An experiment's answer takes a moment to compute.
        QApplication::setOverrideCursor(Qt::WaitCursor);
        answer_ = lessonRun().answer(q);
        QApplication::restoreOverrideCursor();
    }
    const std::optional<LessonAnswer>& right = *answer_;
    if (!right) {
        feedback_->setText(tr("Bu dersin çalıştırması bu sorunun cevabını vermiyor; ders "
                              "dosyasını hazırlayan kişiye bildirin."));
        return;
    }
    std::optional<bool> correct;
    switch (q.kind) {
    case AnswerKind::Choice:
        if (choiceGroup_->checkedId() >= 0) {
            correct = checkChoice(*right, choiceGroup_->checkedId());
        }
        break;
    case AnswerKind::Number:
        if (const std::optional<double> typed = readLearnerNumber(number_->text().toStdString())) {
            correct = checkNumber(q, *right, *typed);
        } else if (!number_->text().trimmed().isEmpty()) {
            feedback_->setText(tr("\"%1\" bir sayı değil. Bir sayı yazın (örneğin 12 ya da 0,5).")
                                   .arg(number_->text()));
            number_->setFocus();
            number_->selectAll();
            return;
        }
        break;
    case AnswerKind::Rows: {
        std::vector<int> picked;
        for (int i = 0; i < rows_->count(); ++i) {
            if (rows_->item(i)->checkState() == Qt::Checked) {
                picked.push_back(i + 1);
            }
        }
        if (!picked.empty()) {
            correct = checkRows(*right, picked);
        }
        break;
    }
    }
    if (!correct) {
        feedback_->setText(tr("Önce bir cevap verin."));
        return;
    }
    answered_ = true;
    const QString verdict =
        *correct
            ? tr("Doğru!")
            : tr("Henüz değil. Doğru cevap: %1").arg(fromUtf8(answerText(q, *right, language())));
    feedback_->setText(verdict + QLatin1Char('\n') +
                       fromUtf8(explanationText(q, *right, language())));
    feedback_->setFocus();
}

void LessonsWindow::refuse(const QString& path, const QString& why) {
    auto* box =
        new QMessageBox(QMessageBox::Warning, windowTitle(),
                        tr("\"%1\" ders olarak açılamadı: %2").arg(QFileInfo(path).fileName(), why),
                        QMessageBox::Ok, this);
    box->setObjectName(QStringLiteral("lessonMessage"));
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->button(QMessageBox::Ok)->setText(tr("Tamam"));
    box->open();
}

bool LessonsWindow::openLesson(const QString& path) {
    using session::LessonError;
    using session::LessonProblem;
    session::LessonReading r = session::readLessonFile(path);
    if (r.lesson) {
        lessons_.push_back(std::move(*r.lesson));
        list_->addItem(QString());
        retranslate();
        list_->setCurrentRow(static_cast<int>(lessons_.size()) - 1);
        return true;
    }
    QString why;
    switch (r.error) {
    case LessonError::None:
    case LessonError::Missing:
        why = tr("böyle bir dosya yok.");
        break;
    case LessonError::NotAFile:
        why = tr("bu bir dosya değil.");
        break;
    case LessonError::TooLarge:
        why = tr("dosya bir ders için fazla büyük (en çok 4 MB).");
        break;
    case LessonError::Unreadable:
        why = tr("dosya okunamadı (%1).").arg(r.detail);
        break;
    case LessonError::NotJson:
        why = tr("dosya bozuk ya da yarım: %1. baytta JSON okunamıyor.").arg(r.detail);
        break;
    case LessonError::NotALesson:
        why = tr("bu dosya bu programın bir dersi değil.");
        break;
    case LessonError::NewerFormat:
        why = tr("ders, programın daha yeni bir sürümü için yazılmış (biçim sürümü %1). "
                 "Programı güncelleyin.")
                  .arg(r.version);
        break;
    case LessonError::Field: {
        QString problem;
        switch (r.problem) {
        case LessonProblem::None:
        case LessonProblem::Missing:
            problem = tr("eksik");
            break;
        case LessonProblem::WrongKind:
            problem = tr("yanlış türde bir değer taşıyor");
            break;
        case LessonProblem::Unknown:
            problem = tr("bu ders biçiminde yok");
            break;
        case LessonProblem::OutOfRange:
            problem = tr("izin verilen sınırların dışında");
            break;
        case LessonProblem::NoText:
            problem = tr("Türkçe ve İngilizce metnin ikisini birden taşımıyor");
            break;
        case LessonProblem::TooLong:
            problem = tr("bir ders için fazla uzun");
            break;
        case LessonProblem::NoSeed:
            problem = tr("çalıştırmayı, bir düzen tohumu sabitlemeden kullanıyor");
            break;
        case LessonProblem::NotPrepared:
            problem = tr("popülasyonu, \"Hazırla\"dan önce soruyor");
            break;
        case LessonProblem::NoExperiment:
            problem = tr("bir deneyi, deney yapılmadan soruyor");
            break;
        case LessonProblem::BadValues:
            problem = tr("deney penceresinin kabul etmeyeceği değerler taşıyor");
            break;
        case LessonProblem::TooMuchRunning:
            problem = tr("bir ders için fazla çok nesil ya da çalıştırma istiyor");
            break;
        }
        why = r.step > 0 ? tr("%1. adımda \"%2\" alanı %3.").arg(r.step).arg(r.field, problem)
                         : tr("\"%1\" alanı %2.").arg(r.field, problem);
        break;
    }
    }
    refuse(path, why);
    return false;
}

void LessonsWindow::chooseFile() {
    auto* dialog = new QFileDialog(this, tr("Ders aç"), QDir::homePath(),
                                   tr("Ders dosyaları (*.json);;Bütün dosyalar (*)"));
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->setFileMode(QFileDialog::ExistingFile);
    connect(dialog, &QFileDialog::fileSelected, this,
            [this](const QString& path) { openLesson(path); });
    dialog->open();
}

QString LessonsWindow::saveWorksheet(const QString& path, bool teacherCopy) const {
    if (current_ < 0) {
        return tr("Önce bir ders seçin.");
    }
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const Worksheet sheet(lessons_.at(static_cast<std::size_t>(current_)), teacherCopy);
    QString error = sheet.writePdf(path);
    QApplication::restoreOverrideCursor();
    return error;
}

void LessonsWindow::chooseWorksheetFile() {
    if (current_ < 0) {
        return;
    }
    auto* dialog = new QFileDialog(this, tr("Çalışma kâğıdını kaydet"), QDir::homePath(),
                                   tr("PDF belgeleri (*.pdf)"));
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->setAcceptMode(QFileDialog::AcceptSave);
    dialog->setDefaultSuffix(QStringLiteral("pdf"));
    const bool teacher = teacherCopy_->isChecked();
    connect(dialog, &QFileDialog::fileSelected, this, [this, teacher](const QString& path) {
        const QString error = saveWorksheet(path, teacher);
        if (!error.isEmpty()) {
            auto* box = new QMessageBox(QMessageBox::Warning, windowTitle(),
                                        tr("Çalışma kâğıdı yazılamadı: %1").arg(error),
                                        QMessageBox::Ok, this);
            box->setAttribute(Qt::WA_DeleteOnClose);
            box->button(QMessageBox::Ok)->setText(tr("Tamam"));
            box->open();
        }
    });
    dialog->open();
}

void LessonsWindow::printWorksheet() {
    if (current_ < 0) {
        return;
    }
    auto* printer = new QPrinter(QPrinter::HighResolution);
    auto* dialog = new QPrintDialog(printer, this);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    const bool teacher = teacherCopy_->isChecked();
    const Lesson lesson = lessons_.at(static_cast<std::size_t>(current_));
    connect(dialog, &QDialog::accepted, this,
            [printer, teacher, lesson] { Worksheet(lesson, teacher).print(*printer); });
    connect(dialog, &QObject::destroyed, this, [printer] { delete printer; });
    dialog->open();
}

} // namespace ga::qt
