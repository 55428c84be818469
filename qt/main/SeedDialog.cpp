#include "qt/main/SeedDialog.h"

#include "runtime/Random.h"

#include <QClipboard>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace ga::qt {

SeedDialog::SeedDialog(std::uint32_t current, std::optional<std::uint32_t> fixed, QWidget* parent)
    : QDialog(parent), currentSeed_(current) {
    setObjectName(QStringLiteral("seedDialog"));
    setWindowTitle(tr("Tohum"));

    current_ = new QLabel(tr("Bu çalıştırmanın tohumu: %1").arg(current), this);
    current_->setObjectName(QStringLiteral("currentSeed"));
    current_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    auto* copy = new QPushButton(tr("&Kopyala"), this);
    copy->setObjectName(QStringLiteral("copySeed"));
    copy->setAccessibleDescription(tr("Tohumu panoya kopyalar"));
    connect(copy, &QPushButton::clicked, this,
            [this] { QGuiApplication::clipboard()->setText(QString::number(currentSeed_)); });

    clock_ = new QRadioButton(tr("&Saatten (her \"Sıfırla\" yeni bir tohum alır)"), this);
    clock_->setObjectName(QStringLiteral("seedFromClock"));
    typed_ = new QRadioButton(tr("&Bu tohum:"), this);
    typed_->setObjectName(QStringLiteral("seedTyped"));
    seed_ = new QLineEdit(this);
    seed_->setObjectName(QStringLiteral("seedText"));
    seed_->setAccessibleName(tr("Tohum"));
    seed_->setPlaceholderText(QStringLiteral("0 … 4294967295"));
    seed_->setText(QString::number(fixed.value_or(current)));
    (fixed ? typed_ : clock_)->setChecked(true);
    seed_->setEnabled(fixed.has_value());
    connect(typed_, &QRadioButton::toggled, seed_, &QLineEdit::setEnabled);
    connect(seed_, &QLineEdit::textEdited, this, [this] {
        error_->clear();
        seed_->setAccessibleDescription({});
    });

    error_ = new QLabel(this);
    error_->setObjectName(QStringLiteral("seedError"));
    error_->setWordWrap(true);
    QPalette palette = error_->palette();
    palette.setColor(QPalette::WindowText, QColor(200, 0, 0));
    error_->setPalette(palette);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setText(tr("Tamam"));
    buttons->button(QDialogButtonBox::Cancel)->setText(tr("İptal"));
    connect(buttons, &QDialogButtonBox::accepted, this, &SeedDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &SeedDialog::reject);

    auto* top = new QHBoxLayout;
    top->addWidget(current_, 1);
    top->addWidget(copy);
    auto* typedRow = new QHBoxLayout;
    typedRow->addWidget(typed_);
    typedRow->addWidget(seed_, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(clock_);
    layout->addLayout(typedRow);
    layout->addWidget(error_);
    layout->addWidget(buttons);
}

void SeedDialog::accept() {
    if (clock_->isChecked()) {
        chosen_.reset();
        QDialog::accept();
        return;
    }
    const auto seed = parseSeed(seed_->text().toStdString());
    if (!seed) {
        error_->setText(tr("Tohum, 0 ile 4294967295 arasında bir tam sayı olmalıdır "
                           "(yalnızca rakamlar)."));
        // Read out with the box when the focus goes back to it.
        seed_->setAccessibleDescription(error_->text());
        seed_->setFocus();
        seed_->selectAll();
        return;
    }
    chosen_ = seed;
    QDialog::accept();
}

} // namespace ga::qt
