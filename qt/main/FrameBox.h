#pragma once

#include <QGroupBox>

namespace ga::qt {

// A captioned frame drawn the classic way: an etched rectangle whose top edge runs
// through the middle of the caption. The style's own group box puts the caption above
// the border and would push the border into the controls laid out near the top.
class FrameBox : public QGroupBox {
    Q_OBJECT

  public:
    explicit FrameBox(const QString& title, QWidget* parent = nullptr);

    // The caption's indent and the rule's width grow with the window's scale.
    void setScale(double scale);

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    double scale_ = 1;
};

} // namespace ga::qt
