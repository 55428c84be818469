#include "qt/main/MainWindow.h"

#include "form/texts/Messages.h"
#include "form/window/ControlTable.h"
#include "form/window/Form1.h"
#include "form/window/PresentationLayout.h"
#include "qt/experiments/ExperimentWindow.h"
#include "qt/files/FileMenu.h"
#include "qt/history/HistoryWindow.h"
#include "qt/lessons/LessonsWindow.h"
#include "qt/main/ColourSquare.h"
#include "qt/main/FrameBox.h"
#include "qt/main/Placement.h"
#include "qt/main/PresentationMode.h"
#include "qt/main/ReportLog.h"
#include "qt/main/SeedDialog.h"
#include "qt/main/ShortcutPriority.h"
#include "qt/main/Startup.h"
#include "qt/prediction/PredictionWindow.h"
#include "qt/searchspace/SearchSpaceWindow.h"
#include "qt/widgets/ChartWidget.h"
#include "qt/widgets/LineDelegate.h"
#include "session/Utf8.h"

#include <QActionGroup>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QMimeData>
#include <QPushButton>
#include <QScreen>

#include <algorithm>
#include <cmath>
#include <vector>

namespace ga::qt {

namespace {

QFont fontFor(const ControlRow& row) {
    if ((row.flags & kFormula) != 0) {
        return formulaFont();
    }
    if ((row.flags & kBold) != 0) {
        return boldFont();
    }
    return regularFont();
}

bool takesFocus(ControlKind kind) {
    switch (kind) {
    case ControlKind::TextBox:
    case ControlKind::Button:
    case ControlKind::ListBox:
    case ControlKind::ReportLog:
    case ControlKind::Chart:
    case ControlKind::ColourSquare:
        return true;
    case ControlKind::Frame:
    case ControlKind::Label:
    case ControlKind::Line:
    case ControlKind::Timer:
        break;
    }
    return false;
}

QString chartDescription(Control id) {
    if (id == Control::Picture1) {
        return MainWindow::tr("Her nesilde bireylerin uyum değerleri, birey başına bir daire; "
                              "yukarıdaki daireler hedefe daha yakın.");
    }
    return MainWindow::tr("Her nesilde bireylerin genleri, birey başına bir daire; "
                          "büyük genler aşağıda.");
}

// The stand-in font draws some one-line captions a few pixels wider or taller than the
// font the layout was made for. Such a caption grows to the right and downwards instead
// of wrapping into a second line, or losing its descenders, in a box too small for it.
void fitOneLineLabel(QLabel* label) {
    const QFontMetrics metrics(label->font());
    if (label->height() >= 2 * metrics.lineSpacing()) {
        return;
    }
    const bool fits = label->wordWrap() ? label->heightForWidth(label->width()) <= label->height()
                                        : label->sizeHint().width() <= label->width();
    if (fits) {
        return;
    }
    label->setWordWrap(false);
    label->resize(label->size().expandedTo(label->sizeHint()));
}

QWidget* makeControl(const ControlRow& row, QWidget* parent) {
    const QString text = fromUtf8(row.text);
    switch (row.kind) {
    case ControlKind::Frame:
        return new FrameBox(text, parent);
    case ControlKind::Label: {
        auto* label = new QLabel(parent);
        label->setTextFormat(Qt::PlainText);
        label->setText(text);
        label->setWordWrap(true);
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        if ((row.flags & kStatus) != 0) {
            QPalette palette = label->palette();
            palette.setColor(QPalette::WindowText, QColor(255, 0, 0));
            palette.setColor(QPalette::Window, Qt::white);
            label->setPalette(palette);
            label->setAutoFillBackground(true);
        }
        return label;
    }
    case ControlKind::TextBox: {
        auto* edit = new QLineEdit(text, parent);
        edit->setReadOnly((row.flags & kLocked) != 0);
        edit->setCursorPosition(0);
        // A box fills its whole rectangle itself, so the frame and labels behind it need
        // no repaint when its text changes, as the generation count does every frame.
        edit->setAttribute(Qt::WA_OpaquePaintEvent);
        return edit;
    }
    case ControlKind::Button: {
        auto* button = new QPushButton(text, parent);
        // Return presses the focused button, as Space does.
        button->setAutoDefault(true);
        return button;
    }
    case ControlKind::ListBox: {
        auto* list = new QListWidget(parent);
        list->setUniformItemSizes(true);
        list->setItemDelegate(new LineDelegate(list));
        return list;
    }
    case ControlKind::ReportLog:
        return new ReportLog(parent);
    case ControlKind::Chart:
        return new ChartWidget(parent);
    case ControlKind::ColourSquare:
        return new ColourSquare(parent);
    case ControlKind::Line: {
        auto* line = new QFrame(parent);
        // A plain one-pixel rule in the window-text colour.
        line->setFrameShape(QFrame::HLine);
        line->setFrameShadow(QFrame::Plain);
        line->setLineWidth(1);
        return line;
    }
    case ControlKind::Timer:
        break;
    }
    return nullptr;
}

} // namespace

MainWindow::MainWindow(const std::string& decimalSeparator, std::optional<std::uint32_t> seed,
                       Language language, QWidget* parent)
    : MainWindowBase(parent), translations_(new Translations(this)),
      decimalSeparator_(decimalSeparator) {
    translations_->use(language);
    installFontSubstitutions();
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QString::fromUtf8(kCaption));
    setWindowIcon(QIcon::fromTheme(QLatin1String(kApplicationId)));
    setAcceptDrops(true);
    setFont(regularFont());

    auto* clientArea = new QWidget(this);
    clientArea->setObjectName(QStringLiteral("clientArea"));
    setCentralWidget(clientArea);

    buildControls(clientArea);
    buildMenu();
    setTabChain();

    timer_ = new TickTimer(this);
    timer_->setObjectName(QStringLiteral("Timer1"));
    timer_->setInterval(kTimerStartInterval);

    ops_ = std::make_unique<QtWindowOps>(*this, controls_, *timer_);
    form_ = std::make_unique<Form1>(*ops_, random_, decimalSeparator);
    control<ReportLog>(Control::List1)->showLog(&form_->log());
    if (seed) {
        form_->fixSeed(*seed);
    }
    connectHandlers();
    addExperimentTool();
    lessonsAction_ = toolsMenu()->addAction(QString());
    lessonsAction_->setObjectName(QStringLiteral("lessonsAction"));
    connect(lessonsAction_, &QAction::triggered, this, &MainWindow::showLessons);
    toolsMenu()->addSeparator();
    presentation_ = new PresentationMode(*this, *toolsMenu());

    // The layout is fixed: the window opens with the client area at its designed size
    // and nothing moves when it is resized.
    resize(toPixels(kClientWidthTwips),
           toPixels(kClientHeightTwips) + menuBar()->sizeHint().height());

    retranslate();
    control(Control::pe)->setFocus();
    handle(&Form1::Form_Load);
}

MainWindow::~MainWindow() {
    // The log goes with Form1, before the widgets that show it.
    control<ReportLog>(Control::List1)->showLog(nullptr);
}

void MainWindow::flushDisplay() {
    ops_->flushDisplay();
}

void MainWindow::handle(void (Form1::*handler)()) {
    (form_.get()->*handler)();
    ops_->flushDisplay();
    updateCommands();
}

void MainWindow::updateCommands() {
    if (stepAction_ != nullptr) {
        stepAction_->setEnabled(form_->canStep());
        startAction_->setEnabled(form_->startEnabled());
    }
    if (prediction_ != nullptr) {
        prediction_->followRun();
    }
}

void MainWindow::stepOnce() {
    // In the prediction mode a question comes first; its answer makes the generation.
    if (prediction_ != nullptr && prediction_->isOn()) {
        prediction_->poseOrFocus();
        return;
    }
    // Held down, the key repeats; a generation comes at most once per display frame, so
    // each one is on screen before the next.
    if (sinceStep_.isValid() && sinceStep_.elapsed() < QtWindowOps::kFrameIntervalMs) {
        return;
    }
    sinceStep_.start();
    handle(&Form1::stepOnce);
}

void MainWindow::makePredictionWindow() {
    if (prediction_ != nullptr) {
        return;
    }
    // Owned by this window, but a window of its own beside it; made on first use, so the
    // mode costs nothing until it is asked for.
    prediction_ = new PredictionWindow(
        *form_, [this] { handle(&Form1::stepOnce); }, this);
    placeBeside(*prediction_, *this);
    PresentationMode::follow(*prediction_);
    connect(prediction_, &PredictionWindow::closed, this,
            [this] { predictionAction_->setChecked(false); });
}

PredictionState MainWindow::predictionState() const {
    return prediction_ != nullptr ? prediction_->state() : PredictionState{};
}

void MainWindow::restorePrediction(const PredictionState& state) {
    // A score kept with the mode off still needs the window that holds it.
    if (state != PredictionState{}) {
        makePredictionWindow();
    }
    setPredictionMode(state.on);
    if (prediction_ != nullptr) {
        prediction_->setState(state);
    }
}

void MainWindow::setPredictionMode(bool on) {
    if (on) {
        makePredictionWindow();
    }
    if (predictionAction_->isChecked() != on) {
        predictionAction_->setChecked(on); // comes back here through toggled
        return;
    }
    if (prediction_ == nullptr) {
        return;
    }
    prediction_->setOn(on);
    if (on) {
        prediction_->show();
        prediction_->raise();
        prediction_->activateWindow();
    } else {
        prediction_->hide();
    }
}

void MainWindow::chooseSeed() {
    // Modal to the window without a loop of its own: the run goes on behind it.
    auto* dialog = new SeedDialog(form_->run().seed(), form_->fixedSeed(), this);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    connect(dialog, &QDialog::accepted, this, [this, dialog] { form_->useSeed(dialog->chosen()); });
    dialog->open();
}

QWidget* MainWindow::control(Control id) const {
    const auto i = static_cast<std::size_t>(id);
    return i < controls_.size() ? controls_[i] : nullptr;
}

void MainWindow::closeEvent(QCloseEvent* event) {
    // Closing from the frame ends the program as "Çıkış" does, without a question.
    timer_->stop();
    QMainWindow::closeEvent(event);
}

namespace {

// The one local session file a drag carries, or nothing.
QString droppedSession(const QMimeData* data) {
    if (data == nullptr || !data->hasUrls() || data->urls().size() != 1) {
        return {};
    }
    const QUrl url = data->urls().front();
    if (!url.isLocalFile() ||
        !url.fileName().endsWith(QLatin1String(".genetik"), Qt::CaseInsensitive)) {
        return {};
    }
    return url.toLocalFile();
}

} // namespace

void MainWindow::dragEnterEvent(QDragEnterEvent* event) {
    if (!droppedSession(event->mimeData()).isEmpty()) {
        event->acceptProposedAction();
    }
}

void MainWindow::dropEvent(QDropEvent* event) {
    const QString path = droppedSession(event->mimeData());
    if (path.isEmpty()) {
        return;
    }
    event->acceptProposedAction();
    files_->openSession(path);
}

void MainWindow::buildControls(QWidget* clientArea) {
    for (const ControlRow& row : controlTable()) {
        if (row.kind == ControlKind::Timer) {
            continue; // the timer is made apart, it has no place on the window
        }
        QWidget* parent = row.parent == kWindow ? clientArea : control(row.parent);
        QWidget* w = makeControl(row, parent);
        w->setObjectName(fromUtf8(controlName(row.id)));
        controls_[static_cast<std::size_t>(row.id)] = w;
        placeControl(row, 1, {});
        if (!row.accessibleName.empty()) {
            w->setAccessibleName(fromUtf8(row.accessibleName));
        }
        if ((row.flags & kDisabled) != 0) {
            w->setEnabled(false);
        }
        if (takesFocus(row.kind) && (row.flags & kNoTabStop) != 0) {
            // Still selectable with the mouse for copying, but the Tab key passes by.
            w->setFocusPolicy(Qt::ClickFocus);
        }
    }
}

void MainWindow::placeControls(double scale, QPoint origin) {
    for (const ControlRow& row : controlTable()) {
        placeControl(row, scale, origin);
    }
}

void MainWindow::placeControl(const ControlRow& row, double scale, QPoint origin) {
    QWidget* w = control(row.id);
    if (w == nullptr) {
        return;
    }
    QFont font = fontFor(row);
    if (scale != 1) {
        font.setPointSizeF(font.pointSizeF() * scale);
    }
    w->setFont(font);
    const PixelRect r = scaleRect(designRect(row), scale);
    // A line has no height of its own; it still needs one pixel (at the scale) to be seen.
    const int lineWidth = std::max(1, static_cast<int>(std::lround(scale)));
    QRect placed(r.x, r.y, r.width, std::max(lineWidth, r.height));
    if (row.parent == kWindow) {
        placed.translate(origin);
    }
    w->setGeometry(placed);
    if (auto* label = qobject_cast<QLabel*>(w)) {
        // Fitted afresh, as when the window was made.
        label->setWordWrap(true);
        fitOneLineLabel(label);
    } else if (auto* chart = qobject_cast<ChartWidget*>(w)) {
        // The circles keep their places in the layout's own pixels and are drawn anew at
        // the scale, so they stay sharp.
        const int frame = chart->frameWidth();
        chart->setDrawingScale(
            scale, QSize(toPixels(row.width) - 2 * frame, toPixels(row.height) - 2 * frame));
    } else if (auto* frameBox = qobject_cast<FrameBox*>(w)) {
        frameBox->setScale(scale);
    } else if (row.kind == ControlKind::Line) {
        static_cast<QFrame*>(w)->setLineWidth(lineWidth);
    }
}

void MainWindow::buildMenu() {
    menu_ = menuBar()->addMenu(QString());
    menu_->setObjectName(QStringLiteral("m"));

    about_ = menu_->addAction(QString());
    about_->setObjectName(QStringLiteral("hk"));
    connect(about_, &QAction::triggered, this, [this] { handle(&Form1::hk_Click); });

    QAction* separator = menu_->addSeparator();
    separator->setObjectName(QStringLiteral("da"));

    quit_ = menu_->addAction(QString());
    quit_->setObjectName(QStringLiteral("cs"));
    connect(quit_, &QAction::triggered, this, [this] { handle(&Form1::cs_Click); });

    // "Dosya" stands between "Menü" and "Çalışma".
    files_ = new FileMenu(*this, *menuBar()->addMenu(QString()));

    buildRunMenu();
    buildToolsMenu();
    buildLanguageMenu();
}

void MainWindow::buildRunMenu() {
    run_ = menuBar()->addMenu(QString());
    run_->setObjectName(QStringLiteral("runMenu"));

    stepAction_ = run_->addAction(QString());
    stepAction_->setObjectName(QStringLiteral("stepAction"));
    stepAction_->setShortcut(Qt::Key_F10);
    stepAction_->setAutoRepeat(true);
    connect(stepAction_, &QAction::triggered, this, &MainWindow::stepOnce);

    startAction_ = run_->addAction(QString());
    startAction_->setObjectName(QStringLiteral("startAction"));
    startAction_->setShortcut(Qt::Key_F5);
    connect(startAction_, &QAction::triggered, this, [this] {
        // As the button: nothing while it is disabled.
        if (form_->startEnabled()) {
            handle(&Form1::Command2_Click);
        }
    });

    stopAction_ = run_->addAction(QString());
    stopAction_->setObjectName(QStringLiteral("stopAction"));
    stopAction_->setShortcut(QKeySequence(Qt::SHIFT | Qt::Key_F5));
    connect(stopAction_, &QAction::triggered, this, [this] { handle(&Form1::Command3_Click); });

    run_->addSeparator();
    seedAction_ = run_->addAction(QString());
    seedAction_->setObjectName(QStringLiteral("seedAction"));
    seedAction_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_T));
    connect(seedAction_, &QAction::triggered, this, &MainWindow::chooseSeed);

    predictionAction_ = run_->addAction(QString());
    predictionAction_->setObjectName(QStringLiteral("predictionAction"));
    predictionAction_->setCheckable(true);
    predictionAction_->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_T));
    connect(predictionAction_, &QAction::toggled, this, &MainWindow::setPredictionMode);
}

void MainWindow::buildLanguageMenu() {
    languages_ = toolsMenu()->addMenu(QString());
    languages_->setObjectName(QStringLiteral("languageMenu"));
    languageGroup_ = new QActionGroup(this);
    // Each language is named in itself, so that it can be found whichever is in use.
    turkish_ = languages_->addAction(QStringLiteral("Türkçe"));
    turkish_->setObjectName(QStringLiteral("turkishAction"));
    english_ = languages_->addAction(QStringLiteral("English"));
    english_->setObjectName(QStringLiteral("englishAction"));
    for (QAction* a : {turkish_, english_}) {
        a->setCheckable(true);
        languageGroup_->addAction(a);
    }
    connect(turkish_, &QAction::triggered, this, [this] { switchLanguage(Language::Turkish); });
    connect(english_, &QAction::triggered, this, [this] { switchLanguage(Language::English); });
}

void MainWindow::switchLanguage(Language language) {
    Translations::remember(language);
    if (language != translations_->current()) {
        // Every window hears of it through a LanguageChange event, delivered now so that
        // the whole program has changed when the menu closes.
        translations_->use(language);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::LanguageChange);
    }
}

void MainWindow::changeEvent(QEvent* event) {
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::LanguageChange && form_ != nullptr) {
        retranslate();
        form_->retranslate();
        ops_->flushDisplay();
    }
}

void MainWindow::retranslate() {
    menu_->setTitle(tr("&Menü"));
    files_->retranslate();
    about_->setText(tr("&Hakkında"));
    quit_->setText(tr("Çı&kış"));
    run_->setTitle(tr("Ça&lışma"));
    stepAction_->setText(tr("&Bir nesil ilerlet"));
    startAction_->setText(tr("Baş&lat"));
    stopAction_->setText(tr("&Durdur"));
    seedAction_->setText(tr("&Tohum…"));
    predictionAction_->setText(tr("T&ahmin modu"));
    tools_->setTitle(tr("&Araçlar"));
    historyAction_->setText(tr("&Geçmiş…"));
    searchSpaceAction_->setText(tr("&Arama uzayı…"));
    languages_->setTitle(tr("&Dil"));
    if (experimentAction_ != nullptr) {
        experimentAction_->setText(tr("D&eney…"));
    }
    if (lessonsAction_ != nullptr) {
        lessonsAction_->setText(tr("De&rsler…"));
    }
    (translations_->current() == Language::English ? english_ : turkish_)->setChecked(true);
    if (presentation_ != nullptr) {
        presentation_->retranslate();
    }

    for (const ControlRow& row : controlTable()) {
        QWidget* w = control(row.id);
        if (w == nullptr) {
            continue;
        }
        const QString text = fromUtf8(controlText(row.id));
        if (auto* frame = qobject_cast<FrameBox*>(w)) {
            frame->setTitle(text);
        } else if (auto* button = qobject_cast<QPushButton*>(w)) {
            button->setText(text);
        } else if (auto* label = qobject_cast<QLabel*>(w);
                   label != nullptr && row.id != Control::status) {
            // The status line says what the run did; Form1 says it again.
            label->setText(text);
            fitOneLineLabel(label);
        }
        const std::string_view name = controlAccessibleName(row.id);
        if (auto* square = qobject_cast<ColourSquare*>(w)) {
            square->setBaseName(fromUtf8(name));
        } else if (!name.empty()) {
            w->setAccessibleName(fromUtf8(name));
        }
        if (auto* chart = qobject_cast<ChartWidget*>(w)) {
            chart->setDescription(chartDescription(row.id));
        }
    }
}

void MainWindow::buildToolsMenu() {
    historyAction_ = toolsMenu()->addAction(QString());
    historyAction_->setObjectName(QStringLiteral("historyAction"));
    historyAction_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_H));
    connect(historyAction_, &QAction::triggered, this, &MainWindow::showHistory);
    searchSpaceAction_ = toolsMenu()->addAction(QString());
    searchSpaceAction_->setObjectName(QStringLiteral("searchSpaceAction"));
    connect(searchSpaceAction_, &QAction::triggered, this, &MainWindow::showSearchSpace);
    toolsMenu()->addSeparator();
}

void MainWindow::showHistory() {
    if (history_ == nullptr) {
        // Owned by this window, but a window of its own: it stays beside, not on top.
        history_ = new HistoryWindow(*form_, this);
        placeBeside(*history_, *this);
        PresentationMode::follow(*history_);
    }
    history_->show();
    history_->raise();
    history_->activateWindow();
}

QMenu* MainWindow::toolsMenu() {
    if (tools_ == nullptr) {
        tools_ = menuBar()->addMenu(tr("&Araçlar"));
        tools_->setObjectName(QStringLiteral("toolsMenu"));
    }
    return tools_;
}

void MainWindow::addExperimentTool() {
    experimentAction_ = toolsMenu()->addAction(tr("D&eney…"));
    experimentAction_->setObjectName(QStringLiteral("experimentAction"));
    experimentAction_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_E));
    connect(experimentAction_, &QAction::triggered, this, &MainWindow::openExperiment);
    auto* priority = new ShortcutPriority({experimentAction_->shortcut()}, this);
    for (QLineEdit* box : findChildren<QLineEdit*>()) {
        box->installEventFilter(priority);
    }
}

RunInputs MainWindow::typedInputs() const {
    RunInputs in;
    const auto typed = [this](Control c) { return control<QLineEdit>(c)->text().toStdString(); };
    in.target = typed(Control::Text1);
    in.mutation = typed(Control::Text3);
    for (std::size_t j = 0; j < 5; ++j) {
        in.coefficients[j] = typed(kCoefficientBoxes[j]);
        in.exponents[j] = typed(kExponentBoxes[j]);
    }
    return in;
}

void MainWindow::openExperiment() {
    if (experiment_ == nullptr) {
        // The experiment starts from what the boxes hold when it is asked for.
        const auto inputs = [this] {
            RunInputs in;
            const auto typed = [this](Control c) {
                return control<QLineEdit>(c)->text().toStdString();
            };
            in.target = typed(Control::Text1);
            in.mutation = typed(Control::Text3);
            for (std::size_t j = 0; j < 5; ++j) {
                in.coefficients[j] = typed(kCoefficientBoxes[j]);
                in.exponents[j] = typed(kExponentBoxes[j]);
            }
            return in;
        };
        const auto openRun = [this](const RunInputs& in, std::uint32_t seed) {
            this->openRun(in, seed);
        };
        experiment_ = new ExperimentWindow(inputs, openRun, decimalSeparator_, this);
        experiment_->resize(experiment_->sizeHint().expandedTo(QSize(820, 640)));
        // Beside the main window where the screen has room, otherwise as far right as fits.
        QPoint at = frameGeometry().topRight() + QPoint(8, 0);
        if (const QScreen* s = screen()) {
            const QRect room = s->availableGeometry();
            at.setX(std::max(room.left(), std::min(at.x(), room.right() - experiment_->width())));
            at.setY(std::max(room.top(), std::min(at.y(), room.bottom() - experiment_->height())));
        }
        experiment_->move(at);
        PresentationMode::follow(*experiment_);
    }
    experiment_->show();
    experiment_->raise();
    experiment_->activateWindow();
}

ExperimentWindow& MainWindow::showExperiment() {
    openExperiment();
    return *experiment_;
}

void MainWindow::showLessons() {
    if (lessons_ == nullptr) {
        lessons_ = new LessonsWindow(*this, this);
        placeBeside(*lessons_, *this);
        PresentationMode::follow(*lessons_);
    }
    lessons_->show();
    lessons_->raise();
    lessons_->activateWindow();
}

void MainWindow::stepGenerations(std::uint32_t count) {
    for (std::uint32_t i = 0; i < count && form_->canStep(); ++i) {
        form_->stepOnce();
    }
    ops_->flushDisplay();
    updateCommands();
}

void MainWindow::openRun(const RunInputs& inputs, std::uint32_t seed) {
    // Texts the last ticks left waiting for the next frame would be read before the typed
    // ones; they go to the boxes first.
    ops_->flushDisplay();
    const auto typeInto = [this](Control box, const std::string& text) {
        control<QLineEdit>(box)->setText(fromUtf8(text));
    };
    typeInto(Control::Text1, inputs.target);
    typeInto(Control::Text3, inputs.mutation);
    for (std::size_t j = 0; j < 5; ++j) {
        typeInto(kCoefficientBoxes[j], inputs.coefficients[j]);
        typeInto(kExponentBoxes[j], inputs.exponents[j]);
    }
    form_->useSeed(seed);
    // "Sıfırla" reseeds from the fixed seed and starts the best record from the target now
    // in the box, as the experiment's run started.
    handle(&Form1::Command4_Click);
    if (isMinimized()) {
        showNormal();
    }
    raise();
    activateWindow();
    control(Control::Command1)->setFocus();
}

void MainWindow::setTabChain() {
    std::vector<const ControlRow*> stops;
    for (const ControlRow& row : controlTable()) {
        if (takesFocus(row.kind) && (row.flags & kNoTabStop) == 0 && row.tab > 0) {
            stops.push_back(&row);
        }
    }
    std::stable_sort(stops.begin(), stops.end(),
                     [](const ControlRow* a, const ControlRow* b) { return a->tab < b->tab; });
    for (std::size_t i = 1; i < stops.size(); ++i) {
        setTabOrder(control(stops[i - 1]->id), control(stops[i]->id));
    }
}

void MainWindow::connectHandlers() {
    const auto onClick = [this](Control id, void (Form1::*handler)()) {
        connect(control<QPushButton>(id), &QPushButton::clicked, this,
                [this, handler] { handle(handler); });
    };
    onClick(Control::Command1, &Form1::Command1_Click);
    onClick(Control::Command2, &Form1::Command2_Click);
    onClick(Control::Command3, &Form1::Command3_Click);
    onClick(Control::Command4, &Form1::Command4_Click);
    // A tick's changes wait for the next frame.
    connect(timer_, &TickTimer::timeout, this, [this] { form_->Timer1_Timer(); });
    connect(timer_, &TickTimer::delivered, this, [this] {
        ops_->flushIfDue();
        // A tick may have reached the target and stopped the timer.
        updateCommands();
    });
}

void MainWindow::showSearchSpace() {
    if (searchSpace_ == nullptr) {
        // The window reads the boxes as typed whenever it looks, as "Hazırla" would.
        const auto boxes = [this] {
            RunInputs in;
            in.target = control<QLineEdit>(Control::Text1)->text().toStdString();
            for (std::size_t j = 0; j < 5; ++j) {
                in.coefficients[j] = control<QLineEdit>(kCoefficientBoxes[j])->text().toStdString();
                in.exponents[j] = control<QLineEdit>(kExponentBoxes[j])->text().toStdString();
            }
            return in;
        };
        searchSpace_ = new SearchSpaceWindow(*form_, boxes, this);
        placeBeside(*searchSpace_, *this);
        PresentationMode::follow(*searchSpace_);
    }
    searchSpace_->show();
    searchSpace_->raise();
    searchSpace_->activateWindow();
}

} // namespace ga::qt
