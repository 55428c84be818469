#pragma once

#include <QDialog>

#include <cstdint>
#include <optional>

class QLabel;
class QLineEdit;
class QRadioButton;

namespace ga::qt {

// "Tohum": shows the seed of the run, copies it, and takes a seed to fix or the choice to
// seed from the clock again. A seed that is not a whole number in range is refused here
// with a message, and the dialog stays open with nothing changed.
class SeedDialog : public QDialog {
    Q_OBJECT

  public:
    SeedDialog(std::uint32_t current, std::optional<std::uint32_t> fixed,
               QWidget* parent = nullptr);

    // After "Tamam": the seed to fix, or nothing for the clock.
    [[nodiscard]] std::optional<std::uint32_t> chosen() const { return chosen_; }

    void accept() override;

  private:
    QLabel* current_;
    QRadioButton* clock_;
    QRadioButton* typed_;
    QLineEdit* seed_;
    QLabel* error_;
    std::uint32_t currentSeed_;
    std::optional<std::uint32_t> chosen_;
};

} // namespace ga::qt
