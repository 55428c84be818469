#include "qt/history/HistoryWindow.h"

#include "form/texts/Messages.h"
#include "form/window/Form1.h"
#include "qt/history/FamilyTreeWindow.h"
#include "qt/history/HistoryChartWidget.h"
#include "qt/history/PopulationModel.h"
#include "qt/main/Placement.h"
#include "qt/main/PresentationMode.h"
#include "qt/main/QtWindowOps.h"
#include "qt/widgets/LineDelegate.h"
#include "qt/widgets/LinesModel.h"
#include "runtime/Convert.h"
#include "session/Utf8.h"

#include <QCheckBox>
#include <QEvent>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMenu>
#include <QShortcut>
#include <QSignalBlocker>
#include <QSlider>
#include <QSpinBox>
#include <QSplitter>
#include <QTableView>
#include <QVBoxLayout>

#include <algorithm>
#include <climits>

namespace ga::qt {

namespace {

// A generation number as the spin box holds it.
int boxNumber(double number) {
    return static_cast<int>(
        std::clamp(number, static_cast<double>(INT_MIN), static_cast<double>(INT_MAX)));
}

QString number(double value, const std::string& separator) {
    return QString::fromStdString(CStr(value, separator, messages().undefined));
}

QString megabytes(std::size_t bytes, const std::string& separator) {
    return number(std::round(static_cast<double>(bytes) / (1024.0 * 1024.0) * 10) / 10, separator);
}

} // namespace

HistoryWindow::HistoryWindow(const Form1& form, QWidget* parent)
    : QWidget(parent, Qt::Window), form_(form), reader_(form.decimalSeparator()) {
    setObjectName(QStringLiteral("historyWindow"));

    notes_ = new QLabel(this);
    notes_->setObjectName(QStringLiteral("historyNotes"));
    notes_->setWordWrap(true);

    chart_ = new HistoryChartWidget(form.decimalSeparator(), this);
    chart_->setObjectName(QStringLiteral("historyChart"));
    logarithmic_ = new QCheckBox(this);
    logarithmic_->setObjectName(QStringLiteral("historyLogarithmic"));

    slider_ = new QSlider(Qt::Horizontal, this);
    slider_->setObjectName(QStringLiteral("historySlider"));
    spin_ = new QSpinBox(this);
    spin_->setObjectName(QStringLiteral("historyGeneration"));
    spin_->setKeyboardTracking(false);
    spinLabel_ = new QLabel(this);
    spinLabel_->setObjectName(QStringLiteral("historyGenerationLabel"));
    spinLabel_->setBuddy(spin_);

    // Changes with every generation while the window follows a run: a read-only box, whose
    // new text repaints only itself, where a label would lay the whole window out again.
    title_ = new QLineEdit(this);
    title_->setObjectName(QStringLiteral("historyTitle"));
    title_->setReadOnly(true);
    title_->setFrame(false);
    title_->setFocusPolicy(Qt::ClickFocus);
    QPalette titlePalette = title_->palette();
    titlePalette.setColor(QPalette::Base, titlePalette.color(QPalette::Window));
    title_->setPalette(titlePalette);

    population_ = new PopulationModel(this);
    table_ = new QTableView(this);
    table_->setObjectName(QStringLiteral("historyPopulation"));
    table_->setModel(population_);
    // The cells change with every generation while the window follows a run; laid out once
    // per distinct text, they cost little to paint again.
    table_->setItemDelegate(new LineDelegate(table_));
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    table_->setSelectionMode(QAbstractItemView::SingleSelection);
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    // Tab leaves the table for the next control; the arrows move within it.
    table_->setTabKeyNavigation(false);
    table_->verticalHeader()->hide();
    table_->verticalHeader()->setDefaultSectionSize(table_->fontMetrics().height() + 6);
    // Widths from the font once, not from the contents every generation: room for a gene
    // and for most values; a longer number ("1,23456789012346E+17") shows its start and can
    // be widened to by dragging the header.
    const QFontMetrics metrics = table_->fontMetrics();
    table_->horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    // The position column is as wide as its heading in the language in use.
    table_->resizeColumnToContents(PopulationModel::Position);
    table_->setColumnWidth(PopulationModel::Gene,
                           metrics.horizontalAdvance(QStringLiteral("9999999")) + 14);
    for (int c : {PopulationModel::Value, PopulationModel::Fitness}) {
        table_->setColumnWidth(c, metrics.horizontalAdvance(QStringLiteral("99999,99")) + 14);
    }
    table_->horizontalHeader()->setStretchLastSection(true);
    tableLabel_ = new QLabel(this);
    tableLabel_->setObjectName(QStringLiteral("historyPopulationLabel"));
    tableLabel_->setBuddy(table_);

    lines_ = new LinesModel(this);
    report_ = new QListView(this);
    report_->setObjectName(QStringLiteral("historyReport"));
    report_->setModel(lines_);
    report_->setItemDelegate(new LineDelegate(report_));
    report_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    report_->setUniformItemSizes(true);
    reportLabel_ = new QLabel(this);
    reportLabel_->setObjectName(QStringLiteral("historyReportLabel"));
    reportLabel_->setBuddy(report_);

    // Layout: the notes, the chart over the selector, and the population beside its report.
    auto* chartRow = new QHBoxLayout;
    chartRow->addWidget(logarithmic_);
    chartRow->addStretch(1);
    auto* selector = new QHBoxLayout;
    selector->addWidget(spinLabel_);
    selector->addWidget(slider_, 1);
    selector->addWidget(spin_);
    auto* top = new QWidget(this);
    top->setObjectName(QStringLiteral("historyChartArea"));
    auto* topLayout = new QVBoxLayout(top);
    topLayout->setContentsMargins(0, 0, 0, 0);
    topLayout->addWidget(chart_, 1);
    topLayout->addLayout(chartRow);

    auto* left = new QWidget(this);
    left->setObjectName(QStringLiteral("historyPopulationArea"));
    auto* leftLayout = new QVBoxLayout(left);
    leftLayout->setContentsMargins(0, 0, 0, 0);
    leftLayout->addWidget(tableLabel_);
    leftLayout->addWidget(table_, 1);
    auto* right = new QWidget(this);
    right->setObjectName(QStringLiteral("historyReportArea"));
    auto* rightLayout = new QVBoxLayout(right);
    rightLayout->setContentsMargins(0, 0, 0, 0);
    rightLayout->addWidget(reportLabel_);
    rightLayout->addWidget(report_, 1);
    auto* lists = new QSplitter(Qt::Horizontal, this);
    lists->setObjectName(QStringLiteral("historyListsSplitter"));
    lists->addWidget(left);
    lists->addWidget(right);
    lists->setStretchFactor(0, 1);
    lists->setStretchFactor(1, 1);
    lists->setSizes({table_->horizontalHeader()->length() + 40, 320});

    auto* bottom = new QWidget(this);
    bottom->setObjectName(QStringLiteral("historyGenerationArea"));
    auto* bottomLayout = new QVBoxLayout(bottom);
    bottomLayout->setContentsMargins(0, 0, 0, 0);
    bottomLayout->addLayout(selector);
    bottomLayout->addWidget(title_);
    bottomLayout->addWidget(lists, 1);

    auto* split = new QSplitter(Qt::Vertical, this);
    split->setObjectName(QStringLiteral("historySplitter"));
    split->addWidget(top);
    split->addWidget(bottom);
    split->setStretchFactor(0, 1);
    split->setStretchFactor(1, 1);
    split->setChildrenCollapsible(false);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(notes_);
    layout->addWidget(split, 1);

    setTabOrder(chart_, logarithmic_);
    setTabOrder(logarithmic_, slider_);
    setTabOrder(slider_, spin_);
    setTabOrder(spin_, table_);
    setTabOrder(table_, report_);

    chart_->setHistory(&form_.run().history());
    connect(chart_, &HistoryChartWidget::generationChosen, this,
            [this](quint64 index) { select(index); });
    connect(logarithmic_, &QCheckBox::toggled, chart_, &HistoryChartWidget::setLogarithmic);
    connect(slider_, &QSlider::valueChanged, this,
            [this](int value) { select(static_cast<std::uint64_t>(std::max(0, value))); });
    connect(spin_, &QSpinBox::valueChanged, this, [this](int value) {
        const double index = value - form_.run().history().firstGeneration();
        select(static_cast<std::uint64_t>(std::max(0.0, index)));
    });
    connect(table_, &QTableView::activated, this,
            [this](const QModelIndex& index) { openFamilyTree(index.row() + 1); });
    // The right button, or a long press on a board, offers the family tree as well.
    table_->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(table_, &QWidget::customContextMenuRequested, this, [this](QPoint at) {
        const QModelIndex index = table_->indexAt(at);
        if (!index.isValid()) {
            return;
        }
        auto* menu = new QMenu(this);
        menu->setAttribute(Qt::WA_DeleteOnClose);
        menu->addAction(tr("Soy ağacını aç"), this,
                        [this, row = index.row()] { openFamilyTree(row + 1); });
        menu->popup(table_->viewport()->mapToGlobal(at));
    });
    auto* close = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(close, &QShortcut::activated, this, &QWidget::close);

    // Reads only: the run is never held up by this window.
    frameClock_.setInterval(QtWindowOps::kFrameIntervalMs);
    connect(&frameClock_, &QTimer::timeout, this, &HistoryWindow::refresh);

    resize(780, 760);
    retranslate();
    refresh();
}

void HistoryWindow::retranslate() {
    setWindowTitle(tr("Çalışma Geçmişi"));
    chart_->setAccessibleName(tr("Çalışma geçmişi grafiği"));
    logarithmic_->setText(tr("&Logaritmik uyum ekseni"));
    slider_->setAccessibleName(tr("Nesil seçici"));
    spin_->setAccessibleName(tr("Nesil"));
    spinLabel_->setText(tr("&Nesil:"));
    title_->setAccessibleName(tr("Seçili nesil"));
    table_->setAccessibleName(tr("Popülasyon"));
    table_->setAccessibleDescription(
        tr("Seçili neslin bireyleri: sıra, gen, F ve uyum. Bir bireyin soy ağacı için Enter."));
    tableLabel_->setText(tr("&Popülasyon (Enter ya da çift tıklama: soy ağacı)"));
    report_->setAccessibleName(tr("Rapor satırları"));
    reportLabel_->setText(tr("&Rapor satırları"));
}

void HistoryWindow::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::LanguageChange && spinLabel_ != nullptr) {
        retranslate();
        population_->retranslate();
        table_->resizeColumnToContents(PopulationModel::Position);
        chart_->update();
        updateNotes();
        // The report lines are written again, in the language now in use.
        select(selected_);
    }
}

void HistoryWindow::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    refresh();
    frameClock_.start();
}

void HistoryWindow::hideEvent(QHideEvent* event) {
    frameClock_.stop();
    QWidget::hideEvent(event);
}

void HistoryWindow::refresh() {
    const History& history = form_.run().history();
    if (history.runId() == runId_ && history.size() == size_) {
        return;
    }
    const bool newRun = history.runId() != runId_;
    runId_ = history.runId();
    size_ = history.size();
    if (newRun) {
        following_ = true;
    }
    chart_->historyChanged();
    updateRange();
    updateNotes();
    if (following_ || selected_ >= size_) {
        select(size_ == 0 ? 0 : size_ - 1);
    }
}

void HistoryWindow::updateRange() {
    const History& history = form_.run().history();
    const QSignalBlocker blockSlider(slider_);
    const QSignalBlocker blockSpin(spin_);
    const bool any = size_ > 0;
    slider_->setEnabled(any);
    spin_->setEnabled(any);
    const int last = any ? static_cast<int>(std::min<std::uint64_t>(size_ - 1, INT_MAX)) : 0;
    slider_->setRange(0, last);
    slider_->setPageStep(std::max(1, last / 20));
    spin_->setRange(boxNumber(history.firstGeneration()),
                    boxNumber(history.generationNumber(any ? size_ - 1 : 0)));
}

void HistoryWindow::updateNotes() {
    const History& history = form_.run().history();
    const std::string& sep = form_.decimalSeparator();
    QStringList notes;
    if (size_ == 0) {
        notes << tr("Geçmiş boş: \"Hazırla\" ile bir çalıştırma başlayınca her nesli burada "
                    "izlenir.");
    } else {
        if (history.firstGeneration() != 1) {
            notes << tr("Bu geçmiş, \"Sıfırla\" olmadan basılan \"Hazırla\" ile başladı: ilk "
                        "nesli %1, yeni hazırlanan popülasyondur.")
                         .arg(number(history.firstGeneration(), sep));
        }
        if (history.firstOpenable() > 0) {
            notes << tr("Bellek sınırı (%1 MB) yüzünden nesil %2 – %3 ayrıntısı silindi: bu "
                        "nesiller açılamaz, grafikteki özetleri duruyor.")
                         .arg(megabytes(history.limits().detailBytes, sep))
                         .arg(number(history.firstGeneration(), sep),
                              number(history.generationNumber(history.firstOpenable() - 1), sep));
        }
        if (history.summaries().bucketWidth() > 1) {
            notes << tr("Grafik, her %1 neslin en küçük ve en büyük değerlerini birlikte tutuyor.")
                         .arg(history.summaries().bucketWidth());
        }
    }
    notes << tr("Bellek: %1 MB (sınır %2 MB).")
                 .arg(megabytes(history.bytes(), sep),
                      megabytes(history.limits().detailBytes + history.limits().summaryBytes, sep));
    const QString text = notes.join(QLatin1Char(' '));
    if (notes_->text() != text) {
        notes_->setText(text);
    }
}

void HistoryWindow::select(std::uint64_t index) {
    if (size_ == 0) {
        selected_ = 0;
        following_ = true;
        population_->show(nullptr);
        lines_->setLines({});
        setTitle(tr("Henüz nesil yok."));
        chart_->setSelected(0);
        chart_->setAccessibleDescription(tr("Geçmiş boş."));
        return;
    }
    index = std::min(index, size_ - 1);
    selected_ = index;
    following_ = index == size_ - 1;
    const History& history = form_.run().history();
    {
        const QSignalBlocker blockSlider(slider_);
        const QSignalBlocker blockSpin(spin_);
        slider_->setValue(static_cast<int>(std::min<std::uint64_t>(index, INT_MAX)));
        spin_->setValue(boxNumber(history.generationNumber(index)));
    }
    chart_->setSelected(index);
    showPage(reader_.open(history, index, page_));
}

void HistoryWindow::setTitle(const QString& text) {
    title_->setText(text);
    title_->setCursorPosition(0);
}

void HistoryWindow::showPage(bool opened) {
    const History& history = form_.run().history();
    const std::string& sep = form_.decimalSeparator();
    const QString generation = number(history.generationNumber(selected_), sep);
    QString description =
        tr("%1 neslin en iyi, ortalama ve en kötü uyumu ile farklı gen sayısı; seçili nesil %2.")
            .arg(size_)
            .arg(generation);
    if (!opened) {
        population_->show(nullptr);
        lines_->setLines({});
        setTitle(tr("Nesil %1 artık açılamaz: ayrıntısı bellek sınırı yüzünden silindi. "
                    "Grafikteki özeti duruyor.")
                     .arg(generation));
        chart_->setAccessibleDescription(description);
        return;
    }
    population_->show(&page_);
    QStringList lines;
    lines.reserve(static_cast<qsizetype>(page_.report.size()));
    for (const std::string& line : page_.report) {
        lines << fromUtf8(line);
    }
    lines_->setLines(lines);
    const GenerationSummary& s = page_.summary;
    const QString values = tr("en iyi uyum %1, ortalama %2, en kötü %3, %4 farklı gen")
                               .arg(number(s.best, sep), number(s.mean, sep), number(s.worst, sep))
                               .arg(s.distinct);
    setTitle(selected_ == 0
                 ? tr("Nesil %1: \"Hazırla\"nın ürettiği popülasyon; %2.").arg(generation, values)
                 : tr("Nesil %1: %2.").arg(generation, values));
    description += QLatin1Char(' ') + values + QLatin1Char('.');
    chart_->setAccessibleDescription(description);
}

void HistoryWindow::openFamilyTree(int position) {
    if (size_ == 0 || !form_.run().history().openable(selected_)) {
        return;
    }
    if (tree_ == nullptr) {
        tree_ = new FamilyTreeWindow(form_.decimalSeparator(), this);
        placeBeside(*tree_, *this);
        PresentationMode::follow(*tree_);
    }
    tree_->showTree(form_.run().history(), selected_, position);
    tree_->show();
    tree_->raise();
    tree_->activateWindow();
}

} // namespace ga::qt
