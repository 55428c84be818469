#include "qt/widgets/ChartWidget.h"
#include "tests/window/WindowTestMain.h"

#include <QImage>
#include <QPixmap>
#include <QTest>

#include <optional>

using ga::ChartScale;
using ga::qt::ChartWidget;

namespace {

// The drawing surface of Picture1: 209 x 113 pixels with a two-pixel border.
constexpr QSize kWidgetSize(209, 113);

// The bounding box of everything that is not white in the image, in logical pixels.
std::optional<QRectF> inkBounds(const QImage& image) {
    const qreal ratio = image.devicePixelRatio();
    int left = image.width();
    int top = image.height();
    int right = -1;
    int bottom = -1;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (image.pixel(x, y) != qRgb(255, 255, 255)) {
                left = std::min(left, x);
                right = std::max(right, x);
                top = std::min(top, y);
                bottom = std::max(bottom, y);
            }
        }
    }
    if (right < 0) {
        return std::nullopt;
    }
    return QRectF(left / ratio, top / ratio, (right - left + 1) / ratio,
                  (bottom - top + 1) / ratio);
}

// The surface as it is on screen, painted through paintEvent.
QImage painted(ChartWidget& chart) {
    const QRect surface = chart.contentsRect();
    return chart.grab(surface).toImage();
}

} // namespace

class ChartWidgetTest : public QObject {
    Q_OBJECT

  private slots:
    void mapsUserCoordinates_data();
    void mapsUserCoordinates();
    void radiusIsInHorizontalUnits();
    void systemWithoutExtentDrawsNothing();
    void onlyClsErasesTheDrawing();
    void circlesOutsideAreNotKept();
};

void ChartWidgetTest::mapsUserCoordinates_data() {
    QTest::addColumn<double>("x1");
    QTest::addColumn<double>("y1");
    QTest::addColumn<double>("x2");
    QTest::addColumn<double>("y2");
    QTest::addColumn<double>("scaleTop"); // NaN: ScaleTop is not used
    QTest::addColumn<double>("x");
    QTest::addColumn<double>("y");
    QTest::addColumn<QPointF>("fraction"); // where the centre lands, as a share of the surface

    const double none = std::numeric_limits<double>::quiet_NaN();
    QTest::newRow("y grows downwards")
        << 0.0 << 0.0 << 100.0 << 100.0 << none << 25.0 << 75.0 << QPointF(0.25, 0.75);
    QTest::newRow("negative height: y grows upwards")
        << 0.0 << 0.0 << 100.0 << -100.0 << none << 25.0 << -75.0 << QPointF(0.25, 0.75);
    QTest::newRow("bottom below top in user units")
        << 0.0 << 100.0 << 100.0 << 0.0 << none << 25.0 << 75.0 << QPointF(0.25, 0.25);
    QTest::newRow("offset origin")
        << 1000.0 << 500.0 << 1200.0 << 700.0 << none << 1150.0 << 650.0 << QPointF(0.75, 0.75);
    QTest::newRow("ScaleTop moves the top edge, height stays")
        << 0.0 << 0.0 << 100.0 << 100.0 << 50.0 << 50.0 << 125.0 << QPointF(0.5, 0.75);
    QTest::newRow("ScaleTop with y upwards")
        << 0.0 << 0.0 << 100.0 << -200.0 << 100.0 << 50.0 << 50.0 << QPointF(0.5, 0.25);
}

// A circle lands where the user system puts it: Scale maps the corners to the surface's
// corners, a negative height turns y upwards, and ScaleTop shifts the system only.
void ChartWidgetTest::mapsUserCoordinates() {
    QFETCH(double, x1);
    QFETCH(double, y1);
    QFETCH(double, x2);
    QFETCH(double, y2);
    QFETCH(double, scaleTop);
    QFETCH(double, x);
    QFETCH(double, y);
    QFETCH(QPointF, fraction);

    ChartWidget chart;
    chart.resize(kWidgetSize);
    chart.setChartScale(ChartScale{x1, y1, x2 - x1, y2 - y1});
    if (!std::isnan(scaleTop)) {
        chart.setScaleTop(scaleTop);
    }
    chart.circle(x, y, (x2 - x1) / 50, Qt::black);

    const QSize surface = chart.surfaceSize();
    const auto bounds = inkBounds(painted(chart));
    QVERIFY(bounds.has_value());
    const QPointF expected(fraction.x() * surface.width(), fraction.y() * surface.height());
    QVERIFY2(qAbs(bounds->center().x() - expected.x()) <= 1.0,
             qPrintable(QString::number(bounds->center().x())));
    QVERIFY2(qAbs(bounds->center().y() - expected.y()) <= 1.0,
             qPrintable(QString::number(bounds->center().y())));
}

// The radius counts in horizontal units, so a circle stays round when the two axes have
// very different scales.
void ChartWidgetTest::radiusIsInHorizontalUnits() {
    ChartWidget chart;
    chart.resize(kWidgetSize);
    chart.setChartScale(ChartScale{0, 0, 100, 100000});
    const double radiusUnits = 10;
    chart.circle(50, 50000, radiusUnits, Qt::black);

    const auto bounds = inkBounds(painted(chart));
    QVERIFY(bounds.has_value());
    const double radiusPixels = radiusUnits * chart.surfaceSize().width() / 100.0;
    QVERIFY(qAbs(bounds->width() - 2 * radiusPixels) <= 2.0);
    QVERIFY(qAbs(bounds->height() - bounds->width()) <= 1.0);
}

// A system of zero height (a target of 0) maps nothing into the box and must not fail.
void ChartWidgetTest::systemWithoutExtentDrawsNothing() {
    ChartWidget chart;
    chart.resize(kWidgetSize);
    chart.setChartScale(ChartScale{0, 0, 1200, 0});
    chart.circle(1, 0, 7, Qt::black);
    QVERIFY(!inkBounds(painted(chart)).has_value());
    QCOMPARE(chart.pointCount(), 0);
}

// What was drawn stays when the widget is painted again, hidden and shown, or resized:
// only Cls erases it.
void ChartWidgetTest::onlyClsErasesTheDrawing() {
    ChartWidget chart;
    chart.resize(kWidgetSize);
    chart.setChartScale(ChartScale{0, 0, 100, 100});
    chart.circle(30, 40, 3, QColor(200, 10, 120));
    chart.circle(70, 60, 3, QColor(20, 10, 120));
    chart.show();
    QVERIFY(QTest::qWaitForWindowExposed(&chart));

    const QImage before = painted(chart);
    QVERIFY(inkBounds(before).has_value());

    chart.repaint();
    QCOMPARE(painted(chart), before);

    chart.hide();
    chart.show();
    QVERIFY(QTest::qWaitForWindowExposed(&chart));
    QCOMPARE(painted(chart), before);

    // Larger: the old drawing keeps its place, the new part is white.
    chart.resize(kWidgetSize + QSize(60, 40));
    const QImage larger = painted(chart);
    QCOMPARE(larger.copy(QRect(QPoint(0, 0), before.size())), before);
    QCOMPARE(inkBounds(larger), inkBounds(before));

    // And back: nothing was lost on the way.
    chart.resize(kWidgetSize);
    QCOMPARE(painted(chart), before);

    // Cls leaves a white surface and forgets the circles, so a later resize does not bring
    // them back.
    chart.setDescription(QStringLiteral("Deneme."));
    chart.cls();
    QCOMPARE(chart.pointCount(), 0);
    QVERIFY(!inkBounds(painted(chart)).has_value());
    chart.resize(kWidgetSize + QSize(10, 10));
    QVERIFY(!inkBounds(painted(chart)).has_value());
    QVERIFY(chart.accessibleDescription().contains(QLatin1String(": 0.")));
}

// Circles beyond the edges leave no trace and are not kept, so a long run past the right
// edge does not grow the chart's memory; a circle cut by an edge is kept.
void ChartWidgetTest::circlesOutsideAreNotKept() {
    ChartWidget chart;
    chart.resize(kWidgetSize);
    chart.setDescription(QStringLiteral("Deneme."));
    chart.setChartScale(ChartScale{0, 0, 1200, 1000});
    for (int x = 1300; x < 5000; ++x) {
        chart.circle(x, 500, 7, Qt::black);
    }
    chart.circle(500, -5000, 7, Qt::black);
    QCOMPARE(chart.pointCount(), 0);
    QVERIFY(!inkBounds(painted(chart)).has_value());

    chart.circle(1, 0, 7, Qt::black); // centre on the top-left corner: partly visible
    QCOMPARE(chart.pointCount(), 1);
    const auto bounds = inkBounds(painted(chart));
    QVERIFY(bounds.has_value());
    QCOMPARE(bounds->topLeft(), QPointF(0, 0));
    QVERIFY(chart.accessibleDescription().startsWith(QLatin1String("Deneme.")));
    QVERIFY(chart.accessibleDescription().contains(QLatin1String(": 1.")));
}

GA_WINDOW_TEST(ChartWidgetTest)
#include "ChartWidgetTest.moc"
