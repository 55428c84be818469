#pragma once

#include "ui/ChartMath.h"

#include <QColor>
#include <QFrame>
#include <QImage>
#include <QString>

#include <vector>

namespace ga::qt {

// A picture box: a white drawing surface with a user coordinate system and circles
// drawn into a backing image, so that the drawing survives repaints and resizing. The
// circles that touch the surface are also kept, so the image can be rebuilt sharply when
// the screen's pixel ratio changes.
class ChartWidget : public QFrame {
    Q_OBJECT

  public:
    explicit ChartWidget(QWidget* parent = nullptr);

    // The user coordinate system: the top-left corner and the extent.
    void setChartScale(const ChartScale& scale);
    [[nodiscard]] const ChartScale& chartScale() const { return scale_; }
    // Moves the top edge to y; width and height stay.
    void setScaleTop(double y);

    // Erases every drawing.
    void cls();
    // Repaints now.
    void refresh();
    // An antialiased outline one pixel wide, centred at (x, y) in user units, the radius
    // in horizontal units. Circles that map to no pixel position are skipped.
    void circle(double x, double y, double radius, const QColor& colour);

    // The drawing surface's size in logical pixels (inside the border).
    [[nodiscard]] QSize surfaceSize() const { return contentsRect().size(); }
    // The backing image, at the device pixel ratio.
    [[nodiscard]] const QImage& image() const { return image_; }
    // How many circles touch the surface since the last Cls.
    [[nodiscard]] int pointCount() const { return static_cast<int>(circles_.size()); }

    // What the chart shows, for screen readers; the point count is appended to it.
    void setDescription(const QString& description);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

  private:
    struct Drawn {
        PixelCircle circle;
        QRgb colour;
    };

    void ensureImage();
    void rebuildImage();
    void drawInto(QImage& image, const Drawn& drawn) const;
    void updateDescription();

    ChartScale scale_;
    QImage image_;
    std::vector<Drawn> circles_;
    QString description_;
};

} // namespace ga::qt
