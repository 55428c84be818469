#include "qt/experiments/SpreadChart.h"

#include "form/experiments/SpreadLayout.h"
#include "form/experiments/SummaryColumns.h"
#include "qt/main/PresentationMode.h"
#include "session/Utf8.h"

#include <QPaintEvent>
#include <QPainter>
#include <QPainterPath>
#include <QStyle>
#include <QStyleOptionFocusRect>

#include <algorithm>
#include <cmath>
#include <utility>

namespace ga::qt {

namespace {

const QColor kBoxFill(173, 216, 230);
const QColor kBoxLine(30, 60, 120);
const QColor kMedian(200, 0, 0);
const QColor kReachedFill(144, 200, 120);
const QColor kReachedLine(40, 110, 40);
const QColor kGrid(225, 225, 225);

constexpr int kMaxTicks = 7;
// The narrowest column: a box of three pixels and a bar of two with a gap.
constexpr double kMinColumn = 8;
// Settings described to screen readers one by one; beyond this the description says how
// many more there are.
constexpr std::size_t kDescribedSettings = 60;

void diamond(QPainter& painter, QPointF centre, double r) {
    QPainterPath path;
    path.moveTo(centre.x(), centre.y() - r);
    path.lineTo(centre.x() + r, centre.y());
    path.lineTo(centre.x(), centre.y() + r);
    path.lineTo(centre.x() - r, centre.y());
    path.closeSubpath();
    painter.drawPath(path);
}

} // namespace

SpreadChart::SpreadChart(std::string decimalSeparator, QWidget* parent)
    : QWidget(parent), separator_(std::move(decimalSeparator)) {
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAccessibleName(tr("Deney grafiği"));
    updateDescription();
}

QString SpreadChart::variedName() const {
    switch (varied_) {
    case VariedSetting::Target:
        return tr("Ulaşılacak sayı");
    case VariedSetting::Method:
        return tr("Yöntem");
    case VariedSetting::Mutation:
        break;
    }
    return tr("Mutasyon yüzdesi");
}

QString SpreadChart::settingLabel(const SettingSummary& s) const {
    if (varied_ == VariedSetting::Method) {
        return fromUtf8(methodLabel(s.method, language()));
    }
    return fromUtf8(valueLabel(s.value, separator_));
}

void SpreadChart::setSummaries(VariedSetting varied,
                               std::shared_ptr<const std::vector<SettingSummary>> summaries) {
    varied_ = varied;
    summaries_ = std::move(summaries);
    updateDescription();
    update();
}

void SpreadChart::setLogarithmic(bool logarithmic) {
    logarithmic_ = logarithmic;
    update();
}

void SpreadChart::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::LanguageChange) {
        setAccessibleName(tr("Deney grafiği"));
        updateDescription();
        update();
    }
}

QSize SpreadChart::sizeHint() const {
    return {640, 320};
}

QSize SpreadChart::minimumSizeHint() const {
    return {320, 200};
}

void SpreadChart::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    const QFontMetrics metrics(font());
    const int line = metrics.height();

    // The legend on top, then the plot between the two axes, the setting labels and the
    // axis caption below it.
    const int legendTop = line / 2;
    paintLegend(painter, legendTop);
    const double top = legendTop + 2.5 * line;
    const double bottom = height() - 2.5 * line;
    const GenerationAxis axis(*summaries_, logarithmic_, top, bottom, kMaxTicks);
    int labelWidth = metrics.horizontalAdvance(tr("Nesil"));
    for (double tick : axis.ticks()) {
        labelWidth =
            std::max(labelWidth, metrics.horizontalAdvance(fromUtf8(axis.label(tick, separator_))));
    }
    const double left = labelWidth + line;
    const double right = width() - metrics.horizontalAdvance(QStringLiteral("%100")) - line;
    if (bottom - top < line || right - left < kMinColumn) {
        return;
    }

    painter.setPen(Qt::black);
    painter.drawText(QRectF(0, top - 1.5 * line, left, line), Qt::AlignLeft, tr("Nesil"));
    // Right-aligned to the widget's edge: the caption may be wider than the axis labels.
    painter.drawText(QRectF(0, top - 1.5 * line, width() - line / 2.0, line), Qt::AlignRight,
                     tr("Ulaşan"));
    for (double tick : axis.ticks()) {
        const double y = axis.y(tick);
        painter.setPen(kGrid);
        painter.drawLine(QPointF(left, y), QPointF(right, y));
        painter.setPen(Qt::black);
        painter.drawText(QRectF(0, y - line / 2.0, left - 4, line),
                         Qt::AlignRight | Qt::AlignVCenter, fromUtf8(axis.label(tick, separator_)));
    }
    for (int percent = 0; percent <= 100; percent += 25) {
        const double y = percentY(percent, top, bottom);
        painter.drawText(QRectF(right + 4, y - line / 2.0, width() - right - 4, line),
                         Qt::AlignLeft | Qt::AlignVCenter, tr("%%1").arg(percent));
    }
    painter.setPen(Qt::black);
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(QRectF(left, top, right - left, bottom - top));
    painter.drawText(QRectF(left, height() - 1.25 * line, right - left, line), Qt::AlignHCenter,
                     variedName());

    if (summaries_->empty()) {
        painter.drawText(QRectF(left, top, right - left, bottom - top), Qt::AlignCenter,
                         tr("Sonuç yok: bir deney başlatınız."));
        return;
    }

    painter.setRenderHint(QPainter::Antialiasing);
    const double thick = lineScale(*this);
    const std::vector<BoxColumn> columns = boxColumns(*summaries_, left, right - left, kMinColumn);
    double widest = 0;
    for (const BoxColumn& c : columns) {
        widest = std::max<double>(widest,
                                  metrics.horizontalAdvance(settingLabel((*summaries_)[c.first])));
    }
    const std::size_t stride = labelStride(columns.front().width, widest + line / 2.0);
    for (std::size_t i = 0; i < columns.size(); ++i) {
        const BoxColumn& c = columns[i];
        const double boxWidth = std::min(c.width * 0.45, 3.0 * line);
        const double barWidth = std::min(c.width * 0.2, 1.0 * line);
        const double boxLeft = c.centre - (boxWidth + barWidth + 2) / 2;
        const double boxMiddle = boxLeft + boxWidth / 2;
        const double barLeft = boxLeft + boxWidth + 2;

        if (c.reachedHigh) {
            const double y = percentY(*c.reachedHigh, top, bottom);
            painter.setPen(QPen(kReachedLine, thick));
            painter.setBrush(kReachedFill);
            painter.drawRect(QRectF(barLeft, y, barWidth, bottom - y));
            if (*c.reachedLow < *c.reachedHigh) {
                const double low = percentY(*c.reachedLow, top, bottom);
                painter.drawLine(QPointF(barLeft, low), QPointF(barLeft + barWidth, low));
            }
        }
        if (c.generations) {
            const Spread& g = *c.generations;
            painter.setPen(QPen(kBoxLine, thick));
            painter.drawLine(QPointF(boxMiddle, axis.y(g.min)), QPointF(boxMiddle, axis.y(g.max)));
            for (double end : {g.min, g.max}) {
                painter.drawLine(QPointF(boxMiddle - boxWidth / 4, axis.y(end)),
                                 QPointF(boxMiddle + boxWidth / 4, axis.y(end)));
            }
            painter.setBrush(kBoxFill);
            const double q3 = axis.y(g.upperQuartile);
            painter.drawRect(QRectF(boxLeft, q3, boxWidth, axis.y(g.lowerQuartile) - q3));
            if (!c.merged) {
                painter.setPen(QPen(kMedian, 2 * thick));
                const double m = axis.y(g.median);
                painter.drawLine(QPointF(boxLeft, m), QPointF(boxLeft + boxWidth, m));
                painter.setPen(QPen(Qt::black, thick));
                painter.setBrush(Qt::black);
                diamond(painter, QPointF(boxMiddle, axis.y(g.mean)),
                        std::min(boxWidth / 3, line / 4.0));
            }
        }
        if (i % stride == 0) {
            painter.setPen(Qt::black);
            painter.drawText(QRectF(c.centre - widest, bottom + 2, 2 * widest, line),
                             Qt::AlignHCenter | Qt::AlignTop, settingLabel((*summaries_)[c.first]));
        }
    }

    if (hasFocus()) {
        QStyleOptionFocusRect option;
        option.initFrom(this);
        option.rect = rect().adjusted(1, 1, -1, -1);
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &option, &painter, this);
    }
}

void SpreadChart::paintLegend(QPainter& painter, int top) const {
    const QFontMetrics metrics(font());
    const int line = metrics.height();
    const int mark = line;
    double x = line / 2.0;
    const double middle = top + line / 2.0;
    const auto caption = [&](const QString& text) {
        painter.setPen(Qt::black);
        painter.drawText(QRectF(x, top, metrics.horizontalAdvance(text) + 2, line),
                         Qt::AlignLeft | Qt::AlignVCenter, text);
        x += metrics.horizontalAdvance(text) + line;
    };
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(kBoxLine, 1));
    painter.setBrush(kBoxFill);
    painter.drawRect(QRectF(x, top + 2, mark, line - 4));
    x += mark + 4;
    caption(tr("alt–üst çeyrek"));
    painter.setPen(QPen(kMedian, 2));
    painter.drawLine(QPointF(x, middle), QPointF(x + mark, middle));
    x += mark + 4;
    caption(tr("ortanca"));
    painter.setPen(QPen(Qt::black, 1));
    painter.setBrush(Qt::black);
    diamond(painter, QPointF(x + mark / 2.0, middle), line / 4.0);
    x += mark + 4;
    caption(tr("ortalama"));
    painter.setPen(QPen(kBoxLine, 1));
    painter.drawLine(QPointF(x + mark / 2.0, top + 2), QPointF(x + mark / 2.0, top + line - 2));
    x += mark + 4;
    caption(tr("en az–en çok nesil"));
    painter.setPen(QPen(kReachedLine, 1));
    painter.setBrush(kReachedFill);
    painter.drawRect(QRectF(x, top + 2, mark / 2.0, line - 4));
    x += mark / 2.0 + 4;
    caption(tr("hedefe ulaşan yüzdesi (sağ eksen)"));
}

void SpreadChart::updateDescription() {
    QString text = tr("Her ayar için hedefe ulaşan çalıştırmaların nesil dağılımı ve hedefe "
                      "ulaşanların yüzdesi.");
    if (summaries_->empty()) {
        setAccessibleDescription(text + QLatin1Char(' ') + tr("Henüz sonuç yok."));
        return;
    }
    const QString name = variedName();
    for (std::size_t i = 0; i < std::min(summaries_->size(), kDescribedSettings); ++i) {
        const SettingSummary& s = (*summaries_)[i];
        text += QLatin1Char(' ') + tr("%1 %2:").arg(name, settingLabel(s));
        if (!s.reachedPercent) {
            text += QLatin1Char(' ') + tr("çalıştırma yok.");
            continue;
        }
        text += QLatin1Char(' ') +
                tr("%%1 ulaştı").arg(fromUtf8(roundedLabel(*s.reachedPercent, 1, separator_)));
        if (s.generations) {
            text += QLatin1Char(' ') +
                    tr("(ortanca %1 nesil, en az %2, en çok %3)")
                        .arg(fromUtf8(roundedLabel(s.generations->median, 2, separator_)))
                        .arg(s.generations->min)
                        .arg(s.generations->max);
        }
        text += QLatin1Char('.');
    }
    if (summaries_->size() > kDescribedSettings) {
        text +=
            QLatin1Char(' ') + tr("ve %1 ayar daha.").arg(summaries_->size() - kDescribedSettings);
    }
    setAccessibleDescription(text);
}

} // namespace ga::qt
