#include "qt/experiments/ExperimentWindow.h"
#include "session/CsvFile.h"

#include "engine/ExperimentSummary.h"
#include "form/experiments/ExperimentCsv.h"
#include "form/experiments/SummaryColumns.h"
#include "form/texts/Messages.h"
#include "qt/experiments/RunsModel.h"
#include "qt/experiments/SpreadChart.h"
#include "qt/experiments/SummaryModel.h"
#include "session/Utf8.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QProgressBar>
#include <QPushButton>
#include <QSpinBox>
#include <QStandardPaths>
#include <QTabWidget>
#include <QTableView>
#include <QTimer>
#include <QVBoxLayout>

#include <algorithm>
#include <array>
#include <cmath>
#include <string>
#include <thread>

namespace ga::qt {

namespace {

// The display clock: progress is looked at no more often than the main window paints.
constexpr int kFrameMs = 33;
const QString kMutationValues = QStringLiteral("0:100:5");
const QString kTargetValues = QStringLiteral("100:1000:100");
const QString kMethodValues = QStringLiteral("ga,random,hill");

QLineEdit* lineEdit(const QString& name, QWidget* parent) {
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(name);
    return edit;
}

} // namespace

ExperimentWindow::ExperimentWindow(std::function<RunInputs()> mainInputs, OpenRun openRun,
                                   std::string decimalSeparator, QWidget* parent)
    : QWidget(parent, Qt::Window), mainInputs_(std::move(mainInputs)), openRun_(std::move(openRun)),
      separator_(std::move(decimalSeparator)) {
    setObjectName(QStringLiteral("experimentWindow"));
    buildForm();
    retranslate();
    values_->setText(kMutationValues);
    takeMainInputs();
    variedChanged();
    clock_ = new QTimer(this);
    clock_->setObjectName(QStringLiteral("experimentClock"));
    clock_->setInterval(kFrameMs);
    connect(clock_, &QTimer::timeout, this, &ExperimentWindow::poll);
    setStatus([] { return tr("Bir deney başlatınız."); });
    setRunning(false);
}

ExperimentWindow::~ExperimentWindow() = default;

void ExperimentWindow::buildForm() {
    // The objective function, as in the main window: a coefficient and an exponent for each
    // of x, y, z, k, c.
    functionBox_ = new QGroupBox(this);
    functionBox_->setObjectName(QStringLiteral("functionBox"));
    auto* grid = new QGridLayout(functionBox_);
    coefficientLabel_ = new QLabel(functionBox_);
    exponentLabel_ = new QLabel(functionBox_);
    grid->addWidget(coefficientLabel_, 1, 0);
    grid->addWidget(exponentLabel_, 2, 0);
    const char* const letters[] = {"x", "y", "z", "k", "c"};
    for (std::size_t j = 0; j < 5; ++j) {
        const int column = static_cast<int>(j) + 1;
        auto* heading = new QLabel(QString::fromLatin1(letters[j]), functionBox_);
        heading->setAlignment(Qt::AlignCenter);
        grid->addWidget(heading, 0, column);
        coefficients_[j] = lineEdit(QStringLiteral("coefficient%1").arg(column), functionBox_);
        exponents_[j] = lineEdit(QStringLiteral("exponent%1").arg(column), functionBox_);
        for (QLineEdit* edit : {coefficients_[j], exponents_[j]}) {
            edit->setMinimumWidth(fontMetrics().horizontalAdvance(QStringLiteral("00000")));
        }
        grid->addWidget(coefficients_[j], 1, column);
        grid->addWidget(exponents_[j], 2, column);
    }
    grid->setRowStretch(3, 1);

    inputsBox_ = new QGroupBox(this);
    inputsBox_->setObjectName(QStringLiteral("inputsBox"));
    auto* inputsForm = new QFormLayout(inputsBox_);
    target_ = lineEdit(QStringLiteral("target"), inputsBox_);
    mutation_ = lineEdit(QStringLiteral("mutation"), inputsBox_);
    // The labels get their texts, and become the fields' buddies, in retranslate().
    inputsForm->addRow(new QLabel(inputsBox_), target_);
    inputsForm->addRow(new QLabel(inputsBox_), mutation_);
    fromMain_ = new QPushButton(inputsBox_);
    fromMain_->setObjectName(QStringLiteral("fromMainWindow"));
    connect(fromMain_, &QPushButton::clicked, this, &ExperimentWindow::takeMainInputs);
    inputsForm->addRow(fromMain_);
    inputsForm->setRowWrapPolicy(QFormLayout::DontWrapRows);

    planBox_ = new QGroupBox(this);
    planBox_->setObjectName(QStringLiteral("planBox"));
    auto* planForm = new QFormLayout(planBox_);
    varied_ = new QComboBox(planBox_);
    varied_->setObjectName(QStringLiteral("variedSetting"));
    varied_->addItem(QString());
    varied_->addItem(QString());
    varied_->addItem(QString());
    connect(varied_, &QComboBox::currentIndexChanged, this, &ExperimentWindow::variedChanged);
    method_ = new QComboBox(planBox_);
    method_->setObjectName(QStringLiteral("method"));
    for (std::size_t m = 0; m < kMethodCount; ++m) {
        method_->addItem(QString());
    }
    values_ = lineEdit(QStringLiteral("values"), planBox_);
    runs_ = lineEdit(QStringLiteral("runsPerSetting"), planBox_);
    runs_->setText(QStringLiteral("100"));
    limit_ = lineEdit(QStringLiteral("generationLimit"), planBox_);
    limit_->setText(QStringLiteral("10000"));
    seed_ = lineEdit(QStringLiteral("baseSeed"), planBox_);
    seed_->setText(QStringLiteral("1"));
    threads_ = new QSpinBox(planBox_);
    threads_->setObjectName(QStringLiteral("threads"));
    threads_->setRange(1, static_cast<int>(kMaxThreads));
    threads_->setValue(
        static_cast<int>(std::clamp(std::thread::hardware_concurrency(), 1U, kMaxThreads)));
    for (QWidget* field : std::initializer_list<QWidget*>{varied_, method_, values_, runs_, limit_,
                                                          seed_, threads_}) {
        planForm->addRow(new QLabel(planBox_), field);
    }

    start_ = new QPushButton(this);
    start_->setObjectName(QStringLiteral("start"));
    start_->setAutoDefault(true);
    connect(start_, &QPushButton::clicked, this, &ExperimentWindow::start);
    cancel_ = new QPushButton(this);
    cancel_->setObjectName(QStringLiteral("cancel"));
    cancel_->setAutoDefault(true);
    connect(cancel_, &QPushButton::clicked, this, &ExperimentWindow::cancel);
    progress_ = new QProgressBar(this);
    progress_->setObjectName(QStringLiteral("progress"));
    progress_->setRange(0, 1);
    progress_->setValue(0);
    progressText_ = new QLabel(this);
    progressText_->setObjectName(QStringLiteral("progressText"));

    summaryModel_ = new SummaryModel(separator_, this);
    runsModel_ = new RunsModel(separator_, this);
    tabs_ = new QTabWidget(this);
    tabs_->setObjectName(QStringLiteral("results"));
    summaryView_ = new QTableView(tabs_);
    summaryView_->setObjectName(QStringLiteral("summaryTable"));
    summaryView_->setModel(summaryModel_);
    runsView_ = new QTableView(tabs_);
    runsView_->setObjectName(QStringLiteral("runsTable"));
    runsView_->setModel(runsModel_);
    // A run is chosen as a whole row; Enter or a double click on it opens it in the main
    // window, as the button does.
    runsView_->setSelectionBehavior(QAbstractItemView::SelectRows);
    runsView_->setSelectionMode(QAbstractItemView::SingleSelection);
    connect(runsView_, &QTableView::activated, this,
            [this](const QModelIndex& index) { openRun(index.row()); });
    connect(runsView_->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &ExperimentWindow::updateOpenInMain);
    // The right button, or a long press on a board, offers the same.
    runsView_->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(runsView_, &QWidget::customContextMenuRequested, this, [this](QPoint at) {
        const QModelIndex index = runsView_->indexAt(at);
        if (!index.isValid()) {
            return;
        }
        auto* menu = new QMenu(this);
        menu->setAttribute(Qt::WA_DeleteOnClose);
        QAction* open = menu->addAction(tr("Ana pencerede aç"), this,
                                        [this, row = index.row()] { openRun(row); });
        open->setEnabled(!running());
        menu->popup(runsView_->viewport()->mapToGlobal(at));
    });
    for (QTableView* view : {summaryView_, runsView_}) {
        view->setTabKeyNavigation(false);
        view->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
        view->verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    }
    chartPage_ = new QWidget(tabs_);
    chartPage_->setObjectName(QStringLiteral("chartPage"));
    chart_ = new SpreadChart(separator_, chartPage_);
    chart_->setObjectName(QStringLiteral("spreadChart"));
    logarithmic_ = new QCheckBox(chartPage_);
    logarithmic_->setObjectName(QStringLiteral("logarithmicAxis"));
    logarithmic_->setChecked(chart_->logarithmic());
    connect(logarithmic_, &QCheckBox::toggled, chart_, &SpreadChart::setLogarithmic);
    auto* chartLayout = new QVBoxLayout(chartPage_);
    chartLayout->addWidget(chart_, 1);
    chartLayout->addWidget(logarithmic_);
    tabs_->addTab(summaryView_, QString());
    tabs_->addTab(runsView_, QString());
    tabs_->addTab(chartPage_, QString());

    exportRuns_ = new QPushButton(this);
    exportRuns_->setObjectName(QStringLiteral("exportRuns"));
    connect(exportRuns_, &QPushButton::clicked, this, [this] { chooseFile(true); });
    exportSummary_ = new QPushButton(this);
    exportSummary_->setObjectName(QStringLiteral("exportSummary"));
    connect(exportSummary_, &QPushButton::clicked, this, [this] { chooseFile(false); });
    openInMain_ = new QPushButton(this);
    openInMain_->setObjectName(QStringLiteral("openInMainWindow"));
    connect(openInMain_, &QPushButton::clicked, this, [this] {
        const QModelIndexList rows = runsView_->selectionModel()->selectedRows();
        if (!rows.isEmpty()) {
            openRun(rows.front().row());
        }
    });

    auto* top = new QHBoxLayout;
    top->addWidget(functionBox_);
    top->addWidget(inputsBox_);
    top->addWidget(planBox_, 1);
    auto* commands = new QHBoxLayout;
    commands->addWidget(start_);
    commands->addWidget(cancel_);
    commands->addWidget(progress_, 1);
    auto* exports = new QHBoxLayout;
    exports->addWidget(openInMain_);
    exports->addStretch(1);
    exports->addWidget(exportRuns_);
    exports->addWidget(exportSummary_);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addLayout(commands);
    layout->addWidget(progressText_);
    layout->addWidget(tabs_, 1);
    layout->addLayout(exports);

    // The keyboard goes through the boxes in reading order, then the commands and results.
    QWidget* chain[] = {coefficients_[0],
                        coefficients_[1],
                        coefficients_[2],
                        coefficients_[3],
                        coefficients_[4],
                        exponents_[0],
                        exponents_[1],
                        exponents_[2],
                        exponents_[3],
                        exponents_[4],
                        target_,
                        mutation_,
                        fromMain_,
                        varied_,
                        method_,
                        values_,
                        runs_,
                        limit_,
                        seed_,
                        threads_,
                        start_,
                        cancel_,
                        tabs_,
                        summaryView_,
                        runsView_,
                        chart_,
                        logarithmic_,
                        openInMain_,
                        exportRuns_,
                        exportSummary_};
    for (std::size_t i = 1; i < std::size(chain); ++i) {
        setTabOrder(chain[i - 1], chain[i]);
    }
}

void ExperimentWindow::retranslate() {
    setWindowTitle(tr("Deney"));
    functionBox_->setTitle(tr("Amaç fonksiyonu"));
    coefficientLabel_->setText(tr("Katsayı"));
    exponentLabel_->setText(tr("Üs"));
    const char* const letters[] = {"x", "y", "z", "k", "c"};
    for (std::size_t j = 0; j < 5; ++j) {
        const QString letter = QString::fromLatin1(letters[j]);
        coefficients_[j]->setAccessibleName(tr("%1 katsayısı").arg(letter));
        exponents_[j]->setAccessibleName(tr("%1 üssü").arg(letter));
    }

    // A field is named for screen readers as its label reads, without the mnemonic.
    const auto label = [](QWidget* field, const QString& text) {
        auto* form = qobject_cast<QFormLayout*>(field->parentWidget()->layout());
        if (auto* caption = qobject_cast<QLabel*>(form->labelForField(field))) {
            caption->setText(text);
            caption->setBuddy(field);
        }
        QString name = text;
        field->setAccessibleName(name.remove(QLatin1Char('&')).remove(QLatin1Char(':')));
    };
    inputsBox_->setTitle(tr("Girdiler"));
    label(target_, tr("&Ulaşılacak sayı:"));
    label(mutation_, tr("&Mutasyon yüzdesi:"));
    fromMain_->setText(tr("&Ana pencereden al"));
    fromMain_->setAccessibleDescription(
        tr("Amaç fonksiyonunu, ulaşılacak sayıyı ve mutasyon yüzdesini ana pencereden kopyalar"));

    planBox_->setTitle(tr("Deney"));
    varied_->setItemText(0, tr("Mutasyon yüzdesi"));
    varied_->setItemText(1, tr("Ulaşılacak sayı"));
    varied_->setItemText(2, tr("Yöntem"));
    label(varied_, tr("&Değişen ayar:"));
    for (std::size_t m = 0; m < kMethodCount; ++m) {
        method_->setItemText(static_cast<int>(m),
                             fromUtf8(methodLabel(static_cast<Method>(m), language())));
    }
    label(method_, tr("Y&öntem:"));
    method_->setToolTip(tr("Yöntem değişen ayar değilse bütün çalıştırmalar bu yöntemle yapılır: "
                           "genetik algoritma ya da onunla karşılaştırılan rastgele arama veya "
                           "tepe tırmanma."));
    method_->setAccessibleDescription(method_->toolTip());
    label(values_, tr("D&eğerler:"));
    values_->setToolTip(tr("Bir liste (1, 5, 10) ya da BAŞLANGIÇ:BİTİŞ:ADIM biçiminde bir aralık "
                           "(0:100:5); ondalık ayırıcı noktadır. Yöntemler: ga (genetik "
                           "algoritma), random (rastgele arama), hill (tepe tırmanma)."));
    values_->setAccessibleDescription(values_->toolTip());
    label(runs_, tr("A&yar başına çalıştırma:"));
    label(limit_, tr("&Nesil sınırı:"));
    label(seed_, tr("&Temel tohum:"));
    seed_->setToolTip(tr("Her çalıştırmanın tohumu bu tohumdan, ayarın ve çalıştırmanın "
                         "sırasından türetilir."));
    seed_->setAccessibleDescription(seed_->toolTip());
    label(threads_, tr("İş &parçacığı:"));

    start_->setText(tr("&Başlat"));
    cancel_->setText(tr("&İptal"));
    progress_->setAccessibleName(tr("İlerleme"));
    summaryView_->setAccessibleName(tr("Ayar başına sonuçlar"));
    runsView_->setAccessibleName(tr("Çalıştırmalar"));
    logarithmic_->setText(tr("&Logaritmik nesil ekseni"));
    tabs_->setTabText(0, tr("Ö&zet"));
    tabs_->setTabText(1, tr("Çalıştı&rmalar"));
    tabs_->setTabText(2, tr("&Grafik"));
    exportRuns_->setText(tr("Çalıştırmaları &kaydet (CSV)…"));
    exportSummary_->setText(tr("Özeti kaydet (CS&V)…"));
    openInMain_->setText(tr("Ana pencerede a&ç"));
    openInMain_->setToolTip(tr("Seçilen çalıştırmanın girdilerini ana pencerenin kutularına "
                               "yazar, tohumunu sabitler ve ana pencereyi sıfırlar: ardından "
                               "“Hazırla” ve “Başlat” o çalıştırmayı aynen yeniden oynatır."));
    openInMain_->setAccessibleDescription(openInMain_->toolTip());
    summaryModel_->retranslate();
    runsModel_->retranslate();
    if (status_) {
        progressText_->setText(status_());
    }
}

void ExperimentWindow::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::LanguageChange) {
        retranslate();
    }
}

void ExperimentWindow::setStatus(std::function<QString()> text) {
    status_ = std::move(text);
    progressText_->setText(status_());
}

void ExperimentWindow::takeMainInputs() {
    const RunInputs in = mainInputs_();
    for (std::size_t j = 0; j < 5; ++j) {
        coefficients_[j]->setText(fromUtf8(in.coefficients[j]));
        exponents_[j]->setText(fromUtf8(in.exponents[j]));
    }
    target_->setText(fromUtf8(in.target));
    mutation_->setText(fromUtf8(in.mutation));
}

void ExperimentWindow::typePlan(VariedSetting varied, const QString& values, std::uint32_t runs,
                                std::uint32_t limit, std::uint32_t seed) {
    takeMainInputs();
    varied_->setCurrentIndex(static_cast<int>(varied));
    values_->setText(values);
    runs_->setText(QString::number(runs));
    limit_->setText(QString::number(limit));
    seed_->setText(QString::number(seed));
    // The box plots are what a class looks at.
    tabs_->setCurrentWidget(chartPage_);
}

void ExperimentWindow::variedChanged() {
    const int varied = varied_->currentIndex();
    // The varied setting's own box does not count; its values come from "Değerler".
    target_->setEnabled(varied != 1);
    mutation_->setEnabled(varied != 0);
    method_->setEnabled(varied != 2);
    // Values still at another setting's default are replaced by this one's.
    const std::array defaults{kMutationValues, kTargetValues, kMethodValues};
    if (varied >= 0 &&
        std::find(defaults.begin(), defaults.end(), values_->text()) != defaults.end()) {
        values_->setText(defaults.at(static_cast<std::size_t>(varied)));
    }
}

void ExperimentWindow::showMessage(const QString& text) {
    auto* box = new QMessageBox(QMessageBox::Warning, windowTitle(), text, QMessageBox::Ok, this);
    box->setObjectName(QStringLiteral("experimentMessage"));
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->button(QMessageBox::Ok)->setText(tr("Tamam"));
    // Without a nested event loop: the runs and the main window go on behind it.
    box->open();
}

void ExperimentWindow::refuse(QWidget* box, ExperimentError error) {
    showMessage(fromUtf8(experimentErrorText(error)));
    box->setFocus();
    if (auto* edit = qobject_cast<QLineEdit*>(box)) {
        edit->selectAll();
    }
}

std::optional<ExperimentSettings> ExperimentWindow::readSettings() {
    ExperimentTexts t;
    for (std::size_t j = 0; j < 5; ++j) {
        t.inputs.coefficients[j] = coefficients_[j]->text().toStdString();
        t.inputs.exponents[j] = exponents_[j]->text().toStdString();
    }
    t.inputs.target = target_->text().toStdString();
    t.inputs.mutation = mutation_->text().toStdString();
    const std::array<std::string, 3> variedNames{"mutation", "target", "method"};
    t.varied = variedNames.at(static_cast<std::size_t>(std::max(0, varied_->currentIndex())));
    t.method = methodName(static_cast<Method>(std::max(0, method_->currentIndex())));
    t.values = values_->text().toStdString();
    t.runsPerSetting = runs_->text().toStdString();
    t.generationLimit = limit_->text().toStdString();
    t.baseSeed = seed_->text().toStdString();
    t.threads = std::to_string(threads_->value());
    ExperimentReading reading = readExperiment(t);
    if (reading.settings) {
        return std::move(reading.settings);
    }
    QWidget* box = values_;
    switch (reading.field) {
    case ExperimentField::Varied:
        box = varied_;
        break;
    case ExperimentField::Values:
        break;
    case ExperimentField::Target:
        box = target_;
        break;
    case ExperimentField::Mutation:
        box = mutation_;
        break;
    case ExperimentField::Coefficient:
        box = coefficients_.at(reading.index);
        break;
    case ExperimentField::Exponent:
        box = exponents_.at(reading.index);
        break;
    case ExperimentField::Runs:
        box = runs_;
        break;
    case ExperimentField::Limit:
        box = limit_;
        break;
    case ExperimentField::Seed:
        box = seed_;
        break;
    case ExperimentField::Threads:
        box = threads_;
        break;
    case ExperimentField::Method:
        box = method_;
        break;
    }
    refuse(box, reading.error);
    return std::nullopt;
}

void ExperimentWindow::start() {
    if (running()) {
        return;
    }
    std::optional<ExperimentSettings> settings = readSettings();
    if (!settings) {
        return;
    }
    // The tables let go of the last experiment before it goes.
    runsModel_->setExperiment(nullptr);
    const auto none = std::make_shared<const std::vector<SettingSummary>>();
    summaryModel_->setSummaries(settings->varied, settings->method, none);
    chart_->setSummaries(settings->varied, none);
    experiment_ = std::make_unique<Experiment>(std::move(*settings));
    cancelled_ = false;
    progress_->setRange(0, static_cast<int>(experiment_->runCount()));
    progress_->setValue(0);
    elapsed_.start();
    experiment_->start();
    setRunning(true);
    showProgress();
    clock_->start();
}

void ExperimentWindow::cancel() {
    if (!running()) {
        return;
    }
    cancelled_ = true;
    experiment_->cancel();
    setStatus([] { return tr("İptal ediliyor…"); });
}

bool ExperimentWindow::running() const {
    return experiment_ != nullptr && clock_->isActive();
}

void ExperimentWindow::poll() {
    if (experiment_->finished()) {
        finish();
        return;
    }
    if (!cancelled_) {
        showProgress();
    }
}

void ExperimentWindow::showProgress() {
    const std::size_t done = experiment_->runsDone();
    const std::size_t total = experiment_->runCount();
    progress_->setValue(static_cast<int>(done));
    QString text = tr("%1 / %2 çalıştırma").arg(done).arg(total);
    if (done > 0) {
        const double left = static_cast<double>(elapsed_.elapsed()) / 1000 *
                            static_cast<double>(total - done) / static_cast<double>(done);
        text += QStringLiteral(" — ") +
                (left < 60 ? tr("kalan süre yaklaşık %1 sn").arg(std::ceil(left))
                           : tr("kalan süre yaklaşık %1 dk").arg(std::ceil(left / 60)));
    }
    status_ = nullptr; // the next frame says it again
    progressText_->setText(text);
}

void ExperimentWindow::finish() {
    clock_->stop();
    experiment_->wait();
    const std::size_t done = experiment_->runsDone();
    const std::size_t total = experiment_->runCount();
    progress_->setValue(static_cast<int>(done));
    const QString seconds = QString::number(static_cast<double>(elapsed_.elapsed()) / 1000, 'f', 1)
                                .replace(QLatin1Char('.'), fromUtf8(separator_));
    if (cancelled_) {
        setStatus([=] {
            return tr("İptal edildi: %1 / %2 çalıştırma bitti (%3 sn).")
                .arg(done)
                .arg(total)
                .arg(seconds);
        });
    } else {
        setStatus([=] { return tr("Bitti: %1 çalıştırma, %2 sn.").arg(total).arg(seconds); });
    }
    const ExperimentSettings& s = experiment_->settings();
    const auto summaries =
        std::make_shared<const std::vector<SettingSummary>>(summarize(s, experiment_->results()));
    summaryModel_->setSummaries(s.varied, s.method, summaries);
    chart_->setSummaries(s.varied, summaries);
    runsModel_->setExperiment(experiment_.get());
    setRunning(false);
}

void ExperimentWindow::setRunning(bool running) {
    start_->setEnabled(!running);
    cancel_->setEnabled(running);
    const bool results = !running && experiment_ != nullptr;
    exportRuns_->setEnabled(results);
    exportSummary_->setEnabled(results);
    updateOpenInMain();
    if (!running && cancel_->hasFocus()) {
        start_->setFocus();
    }
}

void ExperimentWindow::updateOpenInMain() {
    const QModelIndexList rows = runsView_->selectionModel()->selectedRows();
    // The main window replays the genetic algorithm only; a yardstick's run is not its own.
    const bool enable = !rows.isEmpty() && !running() && experiment_ != nullptr &&
                        methodOf(rows.front().row()) == Method::GeneticAlgorithm;
    // A button going out of use hands the keyboard focus to the table it acts on.
    if (!enable && openInMain_->hasFocus()) {
        runsView_->setFocus();
    }
    openInMain_->setEnabled(enable);
}

Method ExperimentWindow::methodOf(int row) const {
    const ExperimentSettings& s = experiment_->settings();
    return methodFor(s, static_cast<std::size_t>(row) / s.runsPerSetting);
}

void ExperimentWindow::openRun(int row) {
    // The table shows the last experiment only once it has ended, so its results are whole.
    if (running() || experiment_ == nullptr || row < 0 || row >= runsModel_->rowCount()) {
        return;
    }
    if (const Method method = methodOf(row); method != Method::GeneticAlgorithm) {
        setStatus([method] {
            return method == Method::RandomSearch
                       ? tr("Ana pencere yalnızca genetik algoritmanın çalıştırmalarını yeniden "
                            "oynatabilir; bu çalıştırma rastgele aramayla yapıldı.")
                       : tr("Ana pencere yalnızca genetik algoritmanın çalıştırmalarını yeniden "
                            "oynatabilir; bu çalıştırma tepe tırmanmayla yapıldı.");
        });
        return;
    }
    const auto i = static_cast<std::size_t>(row);
    const ExperimentSettings& s = experiment_->settings();
    openRun_(inputsFor(s, i / s.runsPerSetting), experiment_->results()[i].seed);
}

void ExperimentWindow::chooseFile(bool runs) {
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    const QString name = runs ? tr("deney-calistirmalar.csv") : tr("deney-ozet.csv");
    auto* dialog = new QFileDialog(this, runs ? tr("Çalıştırmaları kaydet") : tr("Özeti kaydet"),
                                   QDir(folder).filePath(name), tr("CSV dosyaları (*.csv)"));
    dialog->setObjectName(QStringLiteral("exportDialog"));
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->setAcceptMode(QFileDialog::AcceptSave);
    dialog->setDefaultSuffix(QStringLiteral("csv"));
    connect(dialog, &QFileDialog::fileSelected, this,
            [this, runs](const QString& path) { writeCsv(path, runs); });
    dialog->open();
}

bool ExperimentWindow::exportRunsTo(const QString& path) {
    return writeCsv(path, true);
}

bool ExperimentWindow::exportSummaryTo(const QString& path) {
    return writeCsv(path, false);
}

bool ExperimentWindow::writeCsv(const QString& path, bool runs) {
    if (experiment_ == nullptr || running()) {
        return false;
    }
    const QString error = writeCsvFile(path, [this, runs](const CsvSink& sink) {
        const ExperimentSettings& s = experiment_->settings();
        if (runs) {
            writeRunsCsv(s, experiment_->results(), sink);
        } else {
            writeSummaryCsv(s, summaryModel_->summaries(), sink);
        }
    });
    if (!error.isEmpty()) {
        showMessage(tr("“%1” kaydedilemedi: %2").arg(QFileInfo(path).fileName(), error));
        return false;
    }
    setStatus([path] { return tr("Kaydedildi: %1").arg(QDir::toNativeSeparators(path)); });
    return true;
}

void ExperimentWindow::closeEvent(QCloseEvent* event) {
    // A closed window does no work behind the user's back: the runs stop, and the ones that
    // ended are there when it opens again.
    cancel();
    QWidget::closeEvent(event);
}

} // namespace ga::qt
