#include "qt/searchspace/SearchSpaceWindow.h"
#include "session/CsvFile.h"

#include "form/exports/SearchSpaceCsv.h"
#include "form/texts/Messages.h"
#include "form/window/Form1.h"
#include "qt/main/QtWindowOps.h"
#include "qt/searchspace/SearchSpaceHistogram.h"
#include "qt/searchspace/SearchSpaceMap.h"
#include "runtime/Convert.h"

#include <QCheckBox>
#include <QDir>
#include <QEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QShortcut>
#include <QSplitter>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>
#include <utility>

namespace ga::qt {

namespace {

// The best genes listed in the window; all of them go to the CSV file.
constexpr int kListedGenes = 200;
constexpr int kHistogramBins = 60;

std::array<std::string, 11> typedBoxes(const RunInputs& in) {
    std::array<std::string, 11> all;
    all[0] = in.target;
    std::copy(in.coefficients.begin(), in.coefficients.end(), all.begin() + 1);
    std::copy(in.exponents.begin(), in.exponents.end(), all.begin() + 6);
    return all;
}

// A gene as its five digits, leading zeros included: 00277 is x = 0, y = 0, z = 2, ...
QString fiveDigits(int gene) {
    return QStringLiteral("%1").arg(gene, 5, 10, QLatin1Char('0'));
}

// Whether a gene of the run lies on the map, and which cell.
bool onMap(double gene, int& cell) {
    if (!(gene >= 0 && gene < kGeneCount) || std::trunc(gene) != gene) {
        return false;
    }
    cell = static_cast<int>(gene);
    return true;
}

} // namespace

SearchSpaceWindow::SearchSpaceWindow(const Form1& form, std::function<RunInputs()> boxes,
                                     QWidget* parent)
    : QWidget(parent, Qt::Window), form_(form), boxes_(std::move(boxes)) {
    setObjectName(QStringLiteral("searchSpaceWindow"));
    const auto label = [this](const char* name) {
        auto* l = new QLabel(this);
        l->setObjectName(QLatin1String(name));
        l->setWordWrap(true);
        return l;
    };
    intro_ = label("searchSpaceIntro");
    summary_ = label("searchSpaceSummary");
    summary_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    yardstick_ = label("searchSpaceYardstick");
    yardstick_->setTextInteractionFlags(Qt::TextSelectableByMouse);

    bestLabel_ = label("searchSpaceBestLabel");
    best_ = new QListWidget(this);
    best_->setObjectName(QStringLiteral("searchSpaceBest"));
    best_->setUniformItemSizes(true);
    bestLabel_->setBuddy(best_);
    export_ = new QPushButton(this);
    export_->setObjectName(QStringLiteral("searchSpaceExport"));
    saved_ = label("searchSpaceSaved");

    histogramLabel_ = label("searchSpaceHistogramLabel");
    histogram_ = new SearchSpaceHistogram(form.decimalSeparator(), this);
    histogram_->setObjectName(QStringLiteral("searchSpaceHistogram"));
    histogramLabel_->setBuddy(histogram_);
    logarithmic_ = new QCheckBox(this);
    logarithmic_->setObjectName(QStringLiteral("searchSpaceLogarithmic"));
    histogramNote_ = label("searchSpaceHistogramNote");

    mapLabel_ = label("searchSpaceMapLabel");
    map_ = new SearchSpaceMap(this);
    map_->setObjectName(QStringLiteral("searchSpaceMap"));
    mapLabel_->setBuddy(map_);
    gene_ = label("searchSpaceGene");
    gene_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    standing_ = label("searchSpaceStanding");
    standing_->setTextInteractionFlags(Qt::TextSelectableByMouse);

    // Left: the figures, the best genes and the histogram; right: the map and what it shows.
    auto* left = new QWidget(this);
    left->setObjectName(QStringLiteral("searchSpaceFigures"));
    auto* leftLayout = new QVBoxLayout(left);
    leftLayout->setContentsMargins(0, 0, 0, 0);
    leftLayout->addWidget(summary_);
    leftLayout->addWidget(yardstick_);
    leftLayout->addWidget(bestLabel_);
    leftLayout->addWidget(best_, 1);
    auto* exportRow = new QHBoxLayout;
    exportRow->addWidget(export_);
    exportRow->addWidget(saved_, 1);
    leftLayout->addLayout(exportRow);
    leftLayout->addWidget(histogramLabel_);
    leftLayout->addWidget(histogram_, 1);
    leftLayout->addWidget(logarithmic_);
    leftLayout->addWidget(histogramNote_);

    auto* right = new QWidget(this);
    right->setObjectName(QStringLiteral("searchSpaceMapArea"));
    auto* rightLayout = new QVBoxLayout(right);
    rightLayout->setContentsMargins(0, 0, 0, 0);
    rightLayout->addWidget(mapLabel_);
    rightLayout->addWidget(map_, 1);
    rightLayout->addWidget(gene_);
    rightLayout->addWidget(standing_);

    auto* split = new QSplitter(Qt::Horizontal, this);
    split->setObjectName(QStringLiteral("searchSpaceSplitter"));
    split->addWidget(left);
    split->addWidget(right);
    split->setStretchFactor(0, 2);
    split->setStretchFactor(1, 3);
    split->setChildrenCollapsible(false);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(intro_);
    layout->addWidget(split, 1);

    setTabOrder(best_, export_);
    setTabOrder(export_, histogram_);
    setTabOrder(histogram_, logarithmic_);
    setTabOrder(logarithmic_, map_);

    connect(export_, &QPushButton::clicked, this, &SearchSpaceWindow::chooseCsvFile);
    connect(logarithmic_, &QCheckBox::toggled, this, [this] { updateHistogram(); });
    connect(map_, &SearchSpaceMap::geneChosen, this, &SearchSpaceWindow::showGene);
    connect(best_, &QListWidget::currentRowChanged, this, [this](int row) {
        if (row >= 0 && row < static_cast<int>(space_.bestGenes().size())) {
            map_->choose(space_.bestGenes()[static_cast<std::size_t>(row)]);
        }
    });
    auto* close = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(close, &QShortcut::activated, this, &QWidget::close);

    // Reads only: the run is never held up by this window.
    frameClock_.setInterval(QtWindowOps::kFrameIntervalMs);
    connect(&frameClock_, &QTimer::timeout, this, &SearchSpaceWindow::refresh);

    resize(860, 640);
    retranslate();
    refresh();
}

QString SearchSpaceWindow::number(double value) const {
    return QString::fromStdString(CStr(value, form_.decimalSeparator(), messages().undefined));
}

void SearchSpaceWindow::retranslate() {
    setWindowTitle(tr("Arama Uzayı"));
    intro_->setText(tr("Beş basamaklı bütün genler (00000 … 99999), ana penceredeki fonksiyon ve "
                       "hedefle, çalıştırmanın hesapladığı gibi değerlendirildi. Kutular "
                       "değişince hepsi yeniden hesaplanır."));
    bestLabel_->setText(tr("En iyi uyuma ulaşan &genler (ilk %1 tanesi):").arg(kListedGenes));
    best_->setAccessibleName(tr("En iyi uyuma ulaşan genler"));
    export_->setText(tr("&CSV olarak kaydet…"));
    export_->setAccessibleName(tr("En iyi genleri CSV olarak kaydet"));
    histogramLabel_->setText(tr("Uyum &dağılımı (her çubuk, o uyum aralığındaki gen sayısı):"));
    histogram_->setAccessibleName(tr("Uyum dağılımı"));
    logarithmic_->setText(tr("&Logaritmik"));
    logarithmic_->setAccessibleName(tr("Logaritmik uyum ekseni"));
    mapLabel_->setText(
        tr("Gen &haritası: her hücre bir gen, satır başına 400 gen (00000 sol "
           "üstte). Açık renk iyi uyum, koyu renk kötü uyum, gri sonsuz uyum; kırmızı "
           "halkalar popülasyon. Tıklayın ya da ok tuşlarıyla gezinin."));
    map_->setAccessibleName(tr("Gen haritası"));
    summary_->setAccessibleName(tr("Arama uzayının özeti"));
    yardstick_->setAccessibleName(tr("Kıyaslama ölçütleri"));
    gene_->setAccessibleName(tr("Seçili gen"));
    standing_->setAccessibleName(tr("Çalıştırmanın durumu"));
    histogramNote_->setAccessibleName(tr("Dağılımın dışında kalan genler"));
    if (evaluated_) {
        updateSpaceTexts();
        updateHistogram();
        showGene(map_->chosen());
        updateStanding();
    }
}

void SearchSpaceWindow::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::LanguageChange && standing_ != nullptr) {
        retranslate();
    }
}

void SearchSpaceWindow::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    refresh();
    frameClock_.start();
}

void SearchSpaceWindow::hideEvent(QHideEvent* event) {
    frameClock_.stop();
    QWidget::hideEvent(event);
}

void SearchSpaceWindow::refresh() {
    const RunInputs inputs = boxes_();
    if (!evaluated_ || typedBoxes(inputs) != typed_) {
        recompute(inputs);
        return;
    }
    const Run& run = form_.run();
    const bool population = run.history().size() > 0;
    if (population != hadPopulation_ || run.history().runId() != runId_ ||
        (population && run.population().genler != genes_)) {
        updateStanding();
    }
}

void SearchSpaceWindow::recompute(const RunInputs& inputs) {
    typed_ = typedBoxes(inputs);
    std::array<double, 6> katsayilar{};
    std::array<double, 6> usler{};
    for (std::size_t j = 1; j <= 5; ++j) {
        katsayilar[j] = Val(inputs.coefficients[j - 1]);
        usler[j] = Val(inputs.exponents[j - 1]);
    }
    space_.evaluate(katsayilar, usler, Val(inputs.target));
    const bool first = !evaluated_;
    evaluated_ = true;

    map_->setSpace(space_);
    best_->clear();
    const std::vector<int>& genes = space_.bestGenes();
    const auto listed = std::min<std::size_t>(genes.size(), kListedGenes);
    for (std::size_t k = 0; k < listed; ++k) {
        best_->addItem(fiveDigits(genes[k]));
    }
    export_->setEnabled(!genes.empty());
    saved_->clear();
    updateSpaceTexts();
    updateHistogram();
    if (first && !genes.empty()) {
        map_->choose(genes.front());
    } else {
        showGene(map_->chosen());
    }
    updateStanding();
}

void SearchSpaceWindow::updateSpaceTexts() {
    const std::vector<int>& genes = space_.bestGenes();
    QString summary;
    if (genes.empty()) {
        summary = tr("Hiçbir genin uyumu tanımlı değil: her gen için F sonsuz ya da tanımsız.");
    } else {
        summary = tr("Ulaşılabilecek en iyi uyum %1; bu uyuma %2 gen ulaşıyor. Hedefe tam "
                     "ulaşan (uyumu 0 olan) gen sayısı: %3.")
                      .arg(number(space_.bestFitness()))
                      .arg(genes.size())
                      .arg(space_.exactCount());
    }
    summary_->setText(summary);
    if (space_.exactCount() == 0) {
        yardstick_->setText(tr("Hiçbir gen hedefe tam ulaşmıyor: ne sırayla tarama ne rastgele "
                               "arama hedefi bulabilir."));
    } else {
        const double expected = std::round(space_.randomEvaluations() * 10) / 10;
        yardstick_->setText(tr("Genleri sırayla (00000, 00001, …) deneyen bir tarama hedefe %1 "
                               "değerlendirmede ulaşır. Genleri rastgele ve tekrarsız deneyen "
                               "bir arama ortalama %2 değerlendirmede ulaşır.")
                                .arg(space_.exhaustiveEvaluations())
                                .arg(number(expected)));
    }
}

void SearchSpaceWindow::updateHistogram() {
    SearchSpace::Histogram h = space_.histogram(kHistogramBins, logarithmic_->isChecked());
    histogramNote_->setText(tr("Hedefte (uyum 0): %1 gen. Uyumu sonsuz ya da tanımsız: %2 gen.")
                                .arg(h.zero)
                                .arg(h.infinite));
    histogram_->setAccessibleDescription(
        tr("%1 dilim; uyum %2 ile %3 arasında; bir dilimde en çok %4 gen.")
            .arg(h.bins.size())
            .arg(number(h.low), number(h.high))
            .arg(h.bins.empty() ? 0 : *std::max_element(h.bins.begin(), h.bins.end())));
    histogram_->setHistogram(std::move(h));
}

void SearchSpaceWindow::showGene(int gene) {
    const QString text =
        tr("Gen %1: x = %2, y = %3, z = %4, k = %5, c = %6; F = %7; uyum = %8; 100.000 gen "
           "içinde %9. sırada.")
            .arg(fiveDigits(gene))
            .arg(gene / 10000)
            .arg(gene / 1000 % 10)
            .arg(gene / 100 % 10)
            .arg(gene / 10 % 10)
            .arg(gene % 10)
            .arg(number(space_.value(gene)), number(space_.fitness(gene)))
            .arg(space_.rank(space_.fitness(gene)));
    gene_->setText(text);
    map_->setAccessibleDescription(text);
}

void SearchSpaceWindow::updateStanding() {
    const Run& run = form_.run();
    hadPopulation_ = run.history().size() > 0;
    runId_ = run.history().runId();
    genes_ = run.population().genler;
    if (!hadPopulation_) {
        map_->setMarks({});
        standing_->setText(tr("Henüz popülasyon yok: \"Hazırla\" ile bir popülasyon oluşturulunca "
                              "genleri haritada işaretlenir ve çalıştırma boyunca izlenir."));
        return;
    }
    // The population is judged by the function and target the boxes hold now, as the map.
    std::vector<int> marks;
    int outside = 0;
    int bestGene = -1;
    for (int i = 1; i <= kPopulation; ++i) {
        int cell = 0;
        if (!onMap(genes_[static_cast<std::size_t>(i)], cell)) {
            ++outside;
            continue;
        }
        marks.push_back(cell);
        if (bestGene < 0 || space_.fitness(cell) < space_.fitness(bestGene)) {
            bestGene = cell;
        }
    }
    map_->setMarks(std::move(marks));
    QStringList parts;
    if (bestGene < 0) {
        parts << tr("Popülasyonun bütün genleri haritanın dışında.");
    } else {
        const std::int64_t rank = space_.rank(space_.fitness(bestGene));
        parts << tr("Popülasyonun en iyi geni %1: 100.000 gen içinde %2. sırada (en iyi %%3).")
                     .arg(fiveDigits(bestGene))
                     .arg(rank)
                     .arg(number(static_cast<double>(rank) / 1000));
    }
    parts << tr("En iyi kaydın uyumu %1; gerçek en iyiden uzaklığı %2.")
                 .arg(number(run.module1().enIyiUyum),
                      number(run.module1().enIyiUyum - space_.bestFitness()));
    if (outside > 0) {
        parts << tr("Haritanın dışında (bir basamağı 9'u aşmış ya da 0'ın altına inmiş) %1 gen "
                    "var.")
                     .arg(outside);
    }
    standing_->setText(parts.join(QLatin1Char(' ')));
}

void SearchSpaceWindow::chooseCsvFile() {
    const QString path = QFileDialog::getSaveFileName(
        this, tr("En iyi genleri kaydet"), QDir::home().filePath(tr("en-iyi-genler.csv")),
        tr("CSV dosyaları (*.csv)"));
    if (!path.isEmpty()) {
        exportCsvTo(path);
    }
}

bool SearchSpaceWindow::exportCsvTo(const QString& path) {
    const QString error =
        writeCsvFile(path, [this](const CsvSink& sink) { writeSearchSpaceCsv(space_, sink); });
    if (!error.isEmpty()) {
        QMessageBox::warning(this, windowTitle(),
                             tr("“%1” kaydedilemedi: %2").arg(QFileInfo(path).fileName(), error));
        return false;
    }
    saved_->setText(tr("Kaydedildi: %1").arg(QDir::toNativeSeparators(path)));
    return true;
}

} // namespace ga::qt
