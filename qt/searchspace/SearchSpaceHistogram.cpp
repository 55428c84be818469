#include "qt/searchspace/SearchSpaceHistogram.h"

#include "form/texts/Messages.h"
#include "runtime/Convert.h"

#include <QPainter>

#include <algorithm>
#include <cmath>
#include <utility>

namespace ga::qt {

namespace {

QString edgeText(double value, const std::string& separator) {
    // Four significant digits are enough to read an axis.
    const double digits = value == 0 ? 0 : std::floor(std::log10(std::abs(value)));
    const double unit = std::pow(10.0, digits - 3);
    const double rounded =
        std::isfinite(unit) && unit > 0 ? std::round(value / unit) * unit : value;
    return QString::fromStdString(CStr(rounded, separator, messages().undefined));
}

} // namespace

SearchSpaceHistogram::SearchSpaceHistogram(std::string decimalSeparator, QWidget* parent)
    : QWidget(parent), separator_(std::move(decimalSeparator)) {
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
    setFocusPolicy(Qt::TabFocus);
}

void SearchSpaceHistogram::setHistogram(SearchSpace::Histogram histogram) {
    histogram_ = std::move(histogram);
    update();
}

void SearchSpaceHistogram::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    painter.fillRect(rect(), palette().base());
    const int textHeight = fontMetrics().height();
    const QRect plot = rect().adjusted(6, 6, -6, -(textHeight + 6));
    if (histogram_.bins.empty() || plot.width() <= 0 || plot.height() <= 0) {
        return;
    }
    const std::int64_t most = *std::max_element(histogram_.bins.begin(), histogram_.bins.end());
    const double bar =
        static_cast<double>(plot.width()) / static_cast<double>(histogram_.bins.size());
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(33, 145, 140));
    for (std::size_t k = 0; k < histogram_.bins.size(); ++k) {
        const std::int64_t n = histogram_.bins[k];
        if (n == 0 || most == 0) {
            continue;
        }
        // A bin with any gene shows at least a pixel, so a lone optimum is never lost.
        const double h = std::max(1.0, static_cast<double>(plot.height()) * static_cast<double>(n) /
                                           static_cast<double>(most));
        painter.drawRect(QRectF(plot.left() + static_cast<double>(k) * bar, plot.bottom() + 1 - h,
                                std::max(1.0, bar - 1), h));
    }
    painter.setPen(palette().color(QPalette::Text));
    painter.drawLine(plot.bottomLeft(), plot.bottomRight());
    const QRect under(plot.left(), plot.bottom() + 3, plot.width(), textHeight);
    painter.drawText(under, Qt::AlignLeft | Qt::AlignVCenter, edgeText(histogram_.low, separator_));
    painter.drawText(under, Qt::AlignRight | Qt::AlignVCenter,
                     edgeText(histogram_.high, separator_));
}

} // namespace ga::qt
