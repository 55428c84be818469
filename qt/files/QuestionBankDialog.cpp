#include "qt/files/QuestionBankDialog.h"

#include "question/BankText.h"
#include "question/QuestionText.h"
#include "runtime/Convert.h"
#include "runtime/Random.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>

namespace ga::qt {

namespace {

// The settings a radio button stands for, under it and indented, a label per line rather
// than wrapped, which a group box does not make room for.
void addDetail(QVBoxLayout& layout, const QString& text, QWidget* parent) {
    for (const QString& line : text.split(QLatin1Char('\n'))) {
        auto* label = new QLabel(line, parent);
        label->setIndent(24);
        label->setTextInteractionFlags(Qt::TextSelectableByMouse);
        layout.addWidget(label);
    }
}

} // namespace

QuestionBankDialog::QuestionBankDialog(const RunInputs& windowInputs, std::uint32_t seed,
                                       const std::string& decimalSeparator, QWidget* parent)
    : QDialog(parent), windowInputs_(windowInputs) {
    setObjectName(QStringLiteral("questionBankDialog"));
    setWindowTitle(tr("Soru bankası"));
    const QuestionText words(decimalSeparator);
    const BankText text(words);

    auto* intro = new QLabel(tr("Tahmin modunun sorularından, yanıtları ve açıklamalarıyla "
                                "birlikte bir soru bankası hazırlanır. Aynı temel tohum her "
                                "zaman aynı soruları verir."),
                             this);
    intro->setWordWrap(true);

    count_ = new QSpinBox(this);
    count_->setObjectName(QStringLiteral("questionCount"));
    count_->setRange(1, static_cast<int>(kMaxBankQuestions));
    count_->setValue(20);
    seed_ = new QLineEdit(QString::number(seed), this);
    seed_->setObjectName(QStringLiteral("questionSeed"));
    seed_->setPlaceholderText(QStringLiteral("0 … 4294967295"));
    auto* form = new QFormLayout;
    form->addRow(tr("Soru &sayısı:"), count_);
    form->addRow(tr("&Temel tohum:"), seed_);

    auto* kindBox = new QGroupBox(tr("Soru türleri"), this);
    // Two by two, and the formats side by side, so that the dialog fits a small screen at
    // twice the size.
    auto* kindLayout = new QGridLayout(kindBox);
    static constexpr const char* kKindNames[] = {"selectionKind", "matingKind", "fitnessKind",
                                                 "progressKind"};
    for (std::size_t k = 0; k < kQuestionKinds; ++k) {
        kinds_[k] = new QCheckBox(QuestionText::kindName(static_cast<QuestionKind>(k)), kindBox);
        kinds_[k]->setObjectName(QLatin1String(kKindNames[k]));
        kinds_[k]->setChecked(true);
        kindLayout->addWidget(kinds_[k], static_cast<int>(k / 2), static_cast<int>(k % 2));
    }

    auto* runBox = new QGroupBox(tr("Çalışmalar"), this);
    auto* runLayout = new QVBoxLayout(runBox);
    windowRuns_ = new QRadioButton(tr("&Ana penceredeki işlev, hedef ve mutasyon"), runBox);
    windowRuns_->setObjectName(QStringLiteral("windowRuns"));
    windowRuns_->setChecked(true);
    auto* firstRuns = new QRadioButton(tr("Programın &ilk değerleri"), runBox);
    firstRuns->setObjectName(QStringLiteral("firstRuns"));
    runLayout->addWidget(windowRuns_);
    addDetail(*runLayout, text.run(windowInputs_, QLatin1Char('\n')), runBox);
    runLayout->addWidget(firstRuns);
    addDetail(*runLayout, text.run(RunInputs{}, QLatin1Char('\n')), runBox);

    auto* formatBox = new QGroupBox(tr("Biçim"), this);
    auto* formatLayout = new QHBoxLayout(formatBox);
    auto* xml = new QRadioButton(tr("&Moodle XML (öğrenme platformu için)"), formatBox);
    xml->setObjectName(QStringLiteral("moodleFormat"));
    xml->setChecked(true);
    pdf_ = new QRadioButton(tr("&PDF (yazdırmak için)"), formatBox);
    pdf_->setObjectName(QStringLiteral("pdfFormat"));
    formatLayout->addWidget(xml);
    formatLayout->addWidget(pdf_);

    error_ = new QLabel(this);
    error_->setObjectName(QStringLiteral("questionBankError"));
    error_->setWordWrap(true);
    QPalette palette = error_->palette();
    palette.setColor(QPalette::WindowText, QColor(200, 0, 0));
    error_->setPalette(palette);
    // Room for a refusal from the start, so that saying one moves nothing.
    error_->setMinimumHeight(error_->fontMetrics().lineSpacing() * 2);
    connect(seed_, &QLineEdit::textEdited, error_, &QLabel::clear);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Save | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Save)->setText(tr("&Kaydet…"));
    buttons->button(QDialogButtonBox::Cancel)->setText(tr("İptal"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QuestionBankDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QuestionBankDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(intro);
    layout->addLayout(form);
    layout->addWidget(kindBox);
    layout->addWidget(runBox);
    layout->addWidget(formatBox);
    layout->addWidget(error_);
    layout->addWidget(buttons);
    // Wide enough for the function's summary and a refusal on two lines each.
    setMinimumWidth(fontMetrics().averageCharWidth() * 70);
}

void QuestionBankDialog::refuse(const QString& why, QWidget* at) {
    error_->setText(why);
    // Read out with the control when the focus goes back to it.
    at->setAccessibleDescription(why);
    at->setFocus();
}

void QuestionBankDialog::accept() {
    QuestionBankSettings s;
    const auto seed = parseSeed(seed_->text().toStdString());
    if (!seed) {
        refuse(tr("Temel tohum, 0 ile 4294967295 arasında bir tam sayı olmalıdır (yalnızca "
                  "rakamlar)."),
               seed_);
        seed_->selectAll();
        return;
    }
    s.baseSeed = *seed;
    s.count = static_cast<std::uint32_t>(count_->value());
    bool any = false;
    for (std::size_t k = 0; k < kQuestionKinds; ++k) {
        s.kinds[k] = kinds_[k]->isChecked();
        any = any || s.kinds[k];
    }
    if (!any) {
        refuse(tr("En az bir soru türü seçin."), kinds_[0]);
        return;
    }
    s.inputs = windowRuns_->isChecked() ? windowInputs_ : RunInputs{};
    if (!acceptableTarget(Val(s.inputs.target))) {
        refuse(tr("Ana penceredeki hedef kabul edilmiyor: “Hazırla” da onunla başlamaz. Hedefi "
                  "0'dan büyük, en çok 100000 yapın ya da programın ilk değerlerini seçin."),
               windowRuns_);
        return;
    }
    settings_ = s;
    format_ = pdf_->isChecked() ? Format::Pdf : Format::MoodleXml;
    QDialog::accept();
}

} // namespace ga::qt
