#pragma once

#include <QColor>
#include <QFrame>

#include <optional>

namespace ga::qt {

// One square of the results panel: a sunken box showing the button-face colour until the
// program gives it a colour of its own.
class ColourSquare : public QFrame {
    Q_OBJECT

  public:
    explicit ColourSquare(QWidget* parent = nullptr);

    void setColour(const QColor& colour);
    // The colour on show: the one set last, or the button face before the first.
    [[nodiscard]] QColor shownColour() const;

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    std::optional<QColor> colour_;
};

} // namespace ga::qt
