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
    // Back to the button face, as the window opens (a session of a window just opened).
    void clearColour();
    // The colour on show: the one set last, or the button face before the first.
    [[nodiscard]] QColor shownColour() const;
    // The digit the colour stands for joins the square's accessible name
    // ("En iyi gen, 1. basamak: 6"); an empty digit leaves the bare name.
    void setDigit(const QString& digit);
    // The name the digit joins ("En iyi gen, 1. basamak"), in the language in use.
    void setBaseName(const QString& name);

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    std::optional<QColor> colour_;
    QString baseName_;
    QString digit_;
};

} // namespace ga::qt
