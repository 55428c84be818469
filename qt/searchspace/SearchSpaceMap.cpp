#include "qt/searchspace/SearchSpaceMap.h"

#include "engine/SearchSpace.h"
#include "qt/main/PresentationMode.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

#include <algorithm>
#include <array>
#include <cmath>

namespace ga::qt {

namespace {

// From light yellow (the best) through green and blue to near black (the worst), an order
// of colours that stays readable to most colour-blind eyes.
QColor shadeColour(double shade) {
    if (!std::isfinite(shade)) {
        return {0xb0, 0xb0, 0xb0};
    }
    constexpr std::array<std::array<int, 3>, 5> stops{{
        {253, 231, 37},
        {94, 201, 98},
        {33, 145, 140},
        {59, 82, 139},
        {40, 10, 60},
    }};
    const double at = std::clamp(shade, 0.0, 1.0) * (stops.size() - 1);
    const auto low = std::min(static_cast<std::size_t>(at), stops.size() - 2);
    const double t = at - static_cast<double>(low);
    const auto mix = [&](std::size_t part) {
        return static_cast<int>(std::lround(stops[low][part] * (1 - t) + stops[low + 1][part] * t));
    };
    return {mix(0), mix(1), mix(2)};
}

} // namespace

SearchSpaceMap::SearchSpaceMap(QWidget* parent)
    : QWidget(parent), cells_(kColumns, kRows, QImage::Format_RGB32) {
    cells_.fill(Qt::white);
    setFocusPolicy(Qt::StrongFocus);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
}

QSize SearchSpaceMap::sizeHint() const {
    return {2 * kColumns, 2 * kRows};
}

QSize SearchSpaceMap::minimumSizeHint() const {
    return {kColumns / 2, kRows / 2};
}

void SearchSpaceMap::setSpace(const SearchSpace& space) {
    for (int row = 0; row < kRows; ++row) {
        auto* line = reinterpret_cast<QRgb*>(cells_.scanLine(row));
        for (int column = 0; column < kColumns; ++column) {
            line[column] = shadeColour(space.shade(space.fitness(row * kColumns + column))).rgb();
        }
    }
    update();
}

void SearchSpaceMap::setMarks(std::vector<int> genes) {
    if (genes != marks_) {
        marks_ = std::move(genes);
        update();
    }
}

void SearchSpaceMap::choose(int gene) {
    chosen_ = std::clamp(gene, 0, kGeneCount - 1);
    update();
    emit geneChosen(chosen_);
}

QRectF SearchSpaceMap::mapRect() const {
    // The cells keep their shape: the map is as large as the widget allows at 400 : 250.
    const double scale =
        std::min(width() / static_cast<double>(kColumns), height() / static_cast<double>(kRows));
    const double w = scale * kColumns;
    const double h = scale * kRows;
    return {(width() - w) / 2, (height() - h) / 2, w, h};
}

QRectF SearchSpaceMap::cellRect(int gene) const {
    const QRectF map = mapRect();
    const double cell = map.width() / kColumns;
    const int column = gene % kColumns;
    const int row = gene / kColumns;
    return {map.left() + static_cast<double>(column) * cell,
            map.top() + static_cast<double>(row) * cell, cell, cell};
}

int SearchSpaceMap::geneAt(QPointF point) const {
    const QRectF map = mapRect();
    if (!map.contains(point)) {
        return -1;
    }
    const double cell = map.width() / kColumns;
    const int column = std::min(kColumns - 1, static_cast<int>((point.x() - map.left()) / cell));
    const int row = std::min(kRows - 1, static_cast<int>((point.y() - map.top()) / cell));
    return row * kColumns + column;
}

void SearchSpaceMap::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    const QRectF map = mapRect();
    painter.drawImage(map, cells_);

    // A mark must show even where a cell is one pixel: a ring around it, white inside red.
    painter.setRenderHint(QPainter::Antialiasing);
    const double thick = lineScale(*this);
    const double radius = std::max(3.0 * thick, map.width() / kColumns * 2);
    for (int gene : marks_) {
        const QPointF centre = cellRect(gene).center();
        painter.setPen(QPen(Qt::white, 3 * thick));
        painter.drawEllipse(centre, radius, radius);
        painter.setPen(QPen(QColor(0xd0, 0x10, 0x10), 1.5 * thick));
        painter.drawEllipse(centre, radius, radius);
    }

    // The cursor: a square frame, drawn thicker when the map has the keyboard focus.
    const QRectF cursor = cellRect(chosen_).adjusted(-3, -3, 3, 3);
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(QPen(Qt::black, hasFocus() ? 2 : 1));
    painter.drawRect(cursor);
    painter.setPen(QPen(Qt::white, 1));
    painter.drawRect(cursor.adjusted(-2, -2, 2, 2));
}

void SearchSpaceMap::mousePressEvent(QMouseEvent* event) {
    const int gene = geneAt(event->position());
    if (gene >= 0) {
        setFocus(Qt::MouseFocusReason);
        choose(gene);
    }
}

void SearchSpaceMap::mouseMoveEvent(QMouseEvent* event) {
    // A finger or the mouse dragged over the map takes the cursor along.
    const int gene = (event->buttons() & Qt::LeftButton) != 0 ? geneAt(event->position()) : -1;
    if (gene >= 0 && gene != chosen_) {
        choose(gene);
    }
}

void SearchSpaceMap::keyPressEvent(QKeyEvent* event) {
    int step = 0;
    switch (event->key()) {
    case Qt::Key_Left:
        step = -1;
        break;
    case Qt::Key_Right:
        step = 1;
        break;
    case Qt::Key_Up:
        step = -kColumns;
        break;
    case Qt::Key_Down:
        step = kColumns;
        break;
    case Qt::Key_PageUp:
        step = -10 * kColumns;
        break;
    case Qt::Key_PageDown:
        step = 10 * kColumns;
        break;
    case Qt::Key_Home:
        choose(0);
        return;
    case Qt::Key_End:
        choose(kGeneCount - 1);
        return;
    default:
        QWidget::keyPressEvent(event);
        return;
    }
    const int next = chosen_ + step;
    if (next >= 0 && next < kGeneCount) {
        choose(next);
    }
}

} // namespace ga::qt
