#pragma once

#include "engine/QuestionBank.h"

#include <QDialog>

#include <array>
#include <cstdint>
#include <string>

class QCheckBox;
class QLabel;
class QLineEdit;
class QRadioButton;
class QSpinBox;

namespace ga::qt {

// "Dosya" → "Dışa aktar" → "Soru bankası…": how many questions, from which base seed, of
// which kinds, with the runs of the main window's boxes or of the program's first values,
// and as Moodle XML or as a printable PDF. Anything that would make no bank is said here,
// and the dialog stays open with nothing written.
class QuestionBankDialog : public QDialog {
    Q_OBJECT

  public:
    enum class Format { MoodleXml, Pdf };

    QuestionBankDialog(const RunInputs& windowInputs, std::uint32_t seed,
                       const std::string& decimalSeparator, QWidget* parent = nullptr);

    // After "Kaydet…".
    [[nodiscard]] const QuestionBankSettings& settings() const { return settings_; }
    [[nodiscard]] Format format() const { return format_; }

    void accept() override;

  private:
    void refuse(const QString& why, QWidget* at);

    QSpinBox* count_ = nullptr;
    QLineEdit* seed_ = nullptr;
    std::array<QCheckBox*, kQuestionKinds> kinds_{};
    QRadioButton* windowRuns_ = nullptr;
    QRadioButton* pdf_ = nullptr;
    QLabel* error_ = nullptr;
    RunInputs windowInputs_;
    QuestionBankSettings settings_;
    Format format_ = Format::MoodleXml;
};

} // namespace ga::qt
