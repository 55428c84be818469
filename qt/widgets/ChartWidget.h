#pragma once

#include "form/window/Batch.h"
#include "form/window/ChartMath.h"

#include <QColor>
#include <QFrame>
#include <QImage>
#include <QPainter>
#include <QString>

#include <vector>

namespace ga::qt {

// A picture box: a white drawing surface with a user coordinate system and circles
// drawn into a backing image, so that the drawing survives repaints and resizing. The
// circles that touch the surface are also kept, so the image can be rebuilt sharply when
// the screen's pixel ratio changes. The window hands it a frame's drawing at once, and the
// circles are drawn together with one painter: at the fastest speed a frame brings some
// three hundred of them.
class ChartWidget : public QFrame {
    Q_OBJECT

  public:
    explicit ChartWidget(QWidget* parent = nullptr);

    // The user coordinate system: the top-left corner and the extent.
    void setChartScale(const ChartScale& scale);
    // Moves the top edge to y; width and height stay.
    void setScaleTop(double y);

    // The window's scale: circles are placed in the pixels of a surface of `design` size
    // (the surface at scale 1) and drawn at the surface's real size, their outlines
    // `scale` pixels wide. Scale 1 places and draws at the real size.
    void setDrawingScale(double scale, QSize design);

    // Erases every drawing.
    void cls();
    // An antialiased outline one pixel wide, centred at (x, y) in user units, the radius
    // in horizontal units. Circles that map to no pixel position are skipped.
    void circle(double x, double y, double radius, const QColor& colour);
    // Carries out, in order, the commands meant for `picture` (scales, erasing, circles)
    // and shows the result.
    void apply(const std::vector<ChartCommand>& commands, Control picture);

    // The drawing surface's size in logical pixels (inside the border).
    [[nodiscard]] QSize surfaceSize() const { return contentsRect().size(); }
    // How many circles touch the surface since the last Cls.
    [[nodiscard]] int pointCount() const { return static_cast<int>(circles_.size()); }

    // The drawing as it is shown: the backing image at the screen's pixel ratio.
    [[nodiscard]] QImage image();
    // The same drawing as vectors, the surface's top-left corner at the painter's origin:
    // the white surface and every circle on it.
    void paintDrawing(QPainter& painter) const;

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
    // Places a circle without drawing it; false when it leaves no trace on the surface.
    bool place(double x, double y, double radius, QRgb colour);
    // Draws circles_ from `first` on into the image with one painter; returns the area
    // they cover in widget coordinates.
    QRect drawInto(QImage& image, std::size_t first) const;
    QRectF drawCircles(QPainter& painter, std::size_t first) const;
    // Draws the circles placed since the last drawing and shows them.
    void drawPlaced();
    void updateDescription();
    // The surface the circles are placed on.
    [[nodiscard]] QSize placementSurface() const;

    ChartScale scale_;
    QImage image_;
    std::vector<Drawn> circles_;
    std::size_t drawnCount_ = 0; // how many of circles_ the image holds
    QString description_;
    double drawingScale_ = 1;
    QSize designSurface_;
};

} // namespace ga::qt
