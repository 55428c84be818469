#pragma once

#include <QWidget>

class QAction;
class QLabel;
class QLineEdit;
class QPushButton;

namespace ga::qt {

// The bar of large buttons along the bottom of the screen in the presentation mode, so a
// teacher at the board reaches every lesson command with a finger: "Hazırla", "Başlat",
// "Durdur", "Sıfırla", "Bir nesil ilerlet", the speed (slower and faster) and the way out
// of the mode. Each button does exactly what its counterpart in the window does, and is
// usable exactly when that one is.
class TouchBar : public QWidget {
    Q_OBJECT

  public:
    // The window's buttons in the order above, its "Bir nesil ilerlet" item, its speed box,
    // and the item that switches the mode.
    TouchBar(const QList<QPushButton*>& commands, QAction* step, QLineEdit* speed, QAction* mode,
             QWidget* parent = nullptr);

    // Sizes the buttons: `buttonHeight` high with `margin` around them, captions at `scale`
    // times the window's font.
    void setScale(double scale, int buttonHeight, int margin);
    // The captions in the language in use.
    void retranslate();

    [[nodiscard]] QList<QPushButton*> buttons() const;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

  private:
    QPushButton* addButton(const QString& name);
    // Types the next speed into the speed box, as a person would.
    void stepSpeed(bool faster);
    void showSpeed();

    QList<QPushButton*> commands_;
    QList<QPushButton*> mirrors_;
    QAction* step_;
    QLineEdit* speed_;
    QAction* mode_;
    QPushButton* stepButton_ = nullptr;
    QPushButton* slower_ = nullptr;
    QLabel* speedLabel_ = nullptr;
    QPushButton* faster_ = nullptr;
    QPushButton* leave_ = nullptr;
};

} // namespace ga::qt
