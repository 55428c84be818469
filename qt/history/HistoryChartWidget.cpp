#include "qt/history/HistoryChartWidget.h"

#include "qt/main/PresentationMode.h"
#include "session/Utf8.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionFocusRect>

#include <algorithm>
#include <cmath>
#include <utility>

namespace ga::qt {

namespace {

struct Series {
    QColor colour;
    Qt::PenStyle style;
    const char* name;
};

// Told apart by colour and by line: a reader who cannot tell red from green still can.
const Series kSeries[] = {
    {QColor(0, 128, 0), Qt::SolidLine,
     QT_TRANSLATE_NOOP("ga::qt::HistoryChartWidget", "En iyi uyum")},
    {QColor(0, 70, 200), Qt::DashLine,
     QT_TRANSLATE_NOOP("ga::qt::HistoryChartWidget", "Ortalama uyum")},
    {QColor(200, 30, 30), Qt::SolidLine,
     QT_TRANSLATE_NOOP("ga::qt::HistoryChartWidget", "En kötü uyum")},
    {QColor(150, 150, 150, 150), Qt::DotLine,
     QT_TRANSLATE_NOOP("ga::qt::HistoryChartWidget", "Farklı gen sayısı (sağ eksen)")},
};

constexpr int kGap = 6;

std::pair<double, double> range(const SummarySpan& s, int series) {
    switch (series) {
    case 0:
        return {s.bestLo, s.bestHi};
    case 1:
        return {s.meanLo, s.meanHi};
    case 2:
        return {s.worstLo, s.worstHi};
    default:
        return {s.distinctLo, s.distinctHi};
    }
}

} // namespace

HistoryChartWidget::HistoryChartWidget(std::string decimalSeparator, QWidget* parent)
    : QWidget(parent), separator_(std::move(decimalSeparator)) {
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
}

void HistoryChartWidget::setHistory(const History* history) {
    history_ = history;
    historyChanged();
}

void HistoryChartWidget::historyChanged() {
    recompute();
    update();
}

void HistoryChartWidget::setSelected(std::uint64_t index) {
    if (index != selected_) {
        selected_ = index;
        update();
    }
}

void HistoryChartWidget::setLogarithmic(bool on) {
    if (on != logarithmic_) {
        logarithmic_ = on;
        recompute();
        update();
    }
}

QSize HistoryChartWidget::sizeHint() const {
    return {720, 300};
}

QSize HistoryChartWidget::minimumSizeHint() const {
    return {320, 180};
}

HistoryChartScale::Frame HistoryChartWidget::plotFrame() const {
    const QFontMetrics fm(font());
    const double left = fm.horizontalAdvance(QStringLiteral("8,8E+888")) + 2.0 * kGap;
    const double right = fm.horizontalAdvance(QStringLiteral("20")) + 2.0 * kGap;
    const double top = 1.5 * fm.height() + kGap;
    const double bottom = 2.0 * fm.height() + kGap;
    return {left, top, std::max(1.0, width() - left - right),
            std::max(1.0, height() - top - bottom)};
}

void HistoryChartWidget::recompute() {
    count_ = history_ == nullptr ? 0 : history_->size();
    if (count_ == 0) {
        columns_.clear();
        scale_.reset();
        return;
    }
    const HistoryChartScale::Frame plot = plotFrame();
    columns_ = chartColumns(history_->summaries(), static_cast<int>(plot.width));
    scale_.emplace(plot, count_, history_->firstGeneration(), columns_, logarithmic_, separator_);
}

void HistoryChartWidget::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    recompute();
}

QPoint HistoryChartWidget::pointFor(std::uint64_t index) const {
    if (!scale_) {
        return rect().center();
    }
    const auto& plot = scale_->plot();
    return {static_cast<int>(std::floor(scale_->x(static_cast<double>(index)))),
            static_cast<int>(plot.top + plot.height / 2)};
}

void HistoryChartWidget::choose(std::int64_t index) {
    if (count_ == 0) {
        return;
    }
    const auto last = static_cast<std::int64_t>(count_ - 1);
    emit generationChosen(static_cast<quint64>(std::clamp<std::int64_t>(index, 0, last)));
}

void HistoryChartWidget::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && scale_) {
        choose(static_cast<std::int64_t>(scale_->indexAt(event->position().x())));
        return;
    }
    QWidget::mousePressEvent(event);
}

void HistoryChartWidget::mouseMoveEvent(QMouseEvent* event) {
    // Dragging with the button held moves the cursor along.
    if ((event->buttons() & Qt::LeftButton) != 0 && scale_) {
        choose(static_cast<std::int64_t>(scale_->indexAt(event->position().x())));
        return;
    }
    QWidget::mouseMoveEvent(event);
}

void HistoryChartWidget::keyPressEvent(QKeyEvent* event) {
    // As a slider does: arrows by one, Page Up/Down by a twentieth of the run.
    const auto at = static_cast<std::int64_t>(selected_);
    const auto page = std::max<std::int64_t>(1, static_cast<std::int64_t>(count_ / 20));
    switch (event->key()) {
    case Qt::Key_Left:
    case Qt::Key_Down:
        choose(at - 1);
        return;
    case Qt::Key_Right:
    case Qt::Key_Up:
        choose(at + 1);
        return;
    case Qt::Key_PageUp:
        choose(at + page);
        return;
    case Qt::Key_PageDown:
        choose(at - page);
        return;
    case Qt::Key_Home:
        choose(0);
        return;
    case Qt::Key_End:
        choose(static_cast<std::int64_t>(count_) - 1);
        return;
    default:
        QWidget::keyPressEvent(event);
    }
}

void HistoryChartWidget::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    painter.setPen(Qt::black);
    if (!scale_) {
        painter.drawText(rect().adjusted(kGap, kGap, -kGap, -kGap),
                         Qt::AlignCenter | Qt::TextWordWrap,
                         tr("Henüz geçmiş yok. \"Hazırla\" ile başlayan çalıştırmanın bütün "
                            "nesilleri burada görünür."));
    } else {
        const HistoryChartScale& s = *scale_;
        const auto& p = s.plot();
        const QRectF plot(p.left, p.top, p.width, p.height);
        const QFontMetrics fm(font());
        const double right = p.left + p.width;
        const double bottom = p.top + p.height;

        if (s.hasInfinityBand()) {
            painter.fillRect(QRectF(p.left, p.top, p.width, HistoryChartScale::kInfinityBand),
                             QColor(255, 235, 225));
            painter.drawText(QRectF(0, p.top, p.left - kGap, HistoryChartScale::kInfinityBand),
                             Qt::AlignRight | Qt::AlignVCenter, QStringLiteral("∞"));
        }
        // Grid and labels: fitness on the left, distinct genes on the right, generations
        // below.
        painter.setPen(QColor(225, 225, 225));
        for (const AxisTick& t : s.fitnessTicks()) {
            painter.drawLine(QPointF(p.left, t.position), QPointF(right, t.position));
        }
        painter.setPen(Qt::black);
        for (const AxisTick& t : s.fitnessTicks()) {
            if (s.hasInfinityBand() && t.position - fm.height() < s.y(INFINITY)) {
                continue; // the "∞" label stands there
            }
            painter.drawText(QRectF(0, t.position - fm.height() / 2.0, p.left - kGap, fm.height()),
                             Qt::AlignRight | Qt::AlignVCenter, fromUtf8(t.label));
        }
        for (const AxisTick& t : s.distinctTicks()) {
            painter.drawText(QRectF(right + kGap, t.position - fm.height() / 2.0,
                                    width() - right - kGap, fm.height()),
                             Qt::AlignLeft | Qt::AlignVCenter, fromUtf8(t.label));
        }
        for (const AxisTick& t : s.generationTicks()) {
            painter.drawLine(QPointF(t.position, bottom), QPointF(t.position, bottom + 3));
            const double w = fm.horizontalAdvance(fromUtf8(t.label));
            const double x = std::clamp(t.position - w / 2, 0.0, width() - w);
            painter.drawText(QPointF(x, bottom + 3 + fm.ascent()), fromUtf8(t.label));
        }
        const QString axis = tr("Nesil");
        painter.drawText(
            QPointF(right - fm.horizontalAdvance(axis), bottom + 3 + fm.height() + fm.ascent()),
            axis);
        painter.drawRect(plot);

        painter.save();
        painter.setClipRect(plot.adjusted(0, -1, 1, 1));
        for (int series = 3; series >= 0; --series) {
            paintSeries(painter, series);
        }
        // The cursor at the selected generation, with a mark above the plot so that it shows
        // even on the plot's edge.
        const double x = std::floor(s.x(static_cast<double>(selected_))) + 0.5;
        painter.setPen(QPen(QColor(20, 20, 20), 1));
        painter.drawLine(QPointF(x, p.top), QPointF(x, bottom));
        painter.restore();
        painter.setBrush(QColor(20, 20, 20));
        painter.drawPolygon(QPolygonF(
            {QPointF(x - 4, p.top - 6), QPointF(x + 4, p.top - 6), QPointF(x, p.top - 1)}));
        painter.setBrush(Qt::NoBrush);
        paintLegend(painter);
    }
    if (hasFocus()) {
        QStyleOptionFocusRect option;
        option.initFrom(this);
        option.rect = rect().adjusted(1, 1, -1, -1);
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &option, &painter, this);
    }
}

void HistoryChartWidget::paintSeries(QPainter& painter, int series) const {
    const HistoryChartScale& s = *scale_;
    const auto place = [&](double v) { return series == 3 ? s.yDistinct(v) : s.y(v); };
    // Cosmetic one-pixel pens take the raster engine's quick path; a wider or dashed pen
    // that is not cosmetic goes through the general stroker, many times slower.
    QPen pen(kSeries[series].colour, lineScale(*this), kSeries[series].style);
    pen.setCosmetic(true);
    painter.setPen(pen);
    if (columns_.size() == count_ && count_ > 1) {
        // One column per generation: a line through the values.
        QPolygonF line;
        line.reserve(static_cast<qsizetype>(columns_.size()));
        for (const ChartColumn& c : columns_) {
            line.append(
                QPointF(s.x(static_cast<double>(c.first)), place(range(c.span, series).first)));
        }
        painter.setRenderHint(QPainter::Antialiasing, true);
        painter.drawPolyline(line);
        painter.setRenderHint(QPainter::Antialiasing, false);
        return;
    }
    if (count_ == 1) {
        const double x = s.x(0);
        const double y = place(range(columns_[0].span, series).first);
        painter.drawLine(QPointF(s.plot().left, y), QPointF(s.plot().left + s.plot().width, y));
        painter.drawEllipse(QPointF(x, y), 2.5, 2.5);
        return;
    }
    // A column covers many generations: a vertical stroke from its minimum to its maximum,
    // reaching the previous column's range so that the strokes join into a line.
    pen.setStyle(Qt::SolidLine);
    painter.setPen(pen);
    QVector<QLineF> strokes;
    strokes.reserve(static_cast<qsizetype>(columns_.size()));
    double prevLo = 0;
    double prevHi = 0;
    for (std::size_t k = 0; k < columns_.size(); ++k) {
        const ChartColumn& c = columns_[k];
        const auto [lo, hi] = range(c.span, series);
        // y grows downwards: the minimum is drawn lower.
        double yLo = place(lo);
        double yHi = place(hi);
        if (k > 0) {
            yLo = std::max(yLo, prevHi);
            yHi = std::min(yHi, prevLo);
        }
        const double x =
            std::floor(s.x((static_cast<double>(c.first) + static_cast<double>(c.last - 1)) / 2)) +
            0.5;
        strokes.append(QLineF(x, yLo + 0.5, x, yHi - 0.5));
        prevLo = place(lo);
        prevHi = place(hi);
    }
    painter.drawLines(strokes);
}

void HistoryChartWidget::paintLegend(QPainter& painter) const {
    const QFontMetrics fm(font());
    double x = scale_->plot().left;
    const double y = kGap / 2.0 + fm.height() / 2.0;
    for (const Series& series : kSeries) {
        painter.setPen(QPen(series.colour, 2 * lineScale(*this), series.style));
        painter.drawLine(QPointF(x, y), QPointF(x + 22, y));
        x += 26;
        painter.setPen(Qt::black);
        const QString name = tr(series.name);
        painter.drawText(QPointF(x, y - fm.height() / 2.0 + fm.ascent()), name);
        x += fm.horizontalAdvance(name) + 14;
    }
}

} // namespace ga::qt
