#include "app/chart_drawing.h"

#include <QPainter>
#include <QPolygonF>
#include <cmath>
#include <string_view>
#include <utility>

#include "app/app_language.h"
#include "app/day_texts.h"
#include "app/translation.h"
#include "engine/vocabulary.h"
#include "language/day_part_names.h"

namespace horavela::app {

namespace {

// Pisces, then clockwise round the square from the top row.
constexpr std::array<GridCell, 12> kSouthCells = {{
    {0, 1},
    {0, 2},
    {0, 3},
    {1, 3},
    {2, 3},
    {3, 3},  // Aries .. Virgo
    {3, 2},
    {3, 1},
    {3, 0},
    {2, 0},
    {1, 0},
    {0, 0},  // Libra .. Pisces
}};

// Each planet's two letters in the chart; a translation writes the almanac's
// own short form (सू, சூ).
constexpr std::array<std::pair<std::string_view, const char*>, 9> kAbbreviations = {{
    {"Sun", QT_TRANSLATE_NOOP("Horavela", "Su")},
    {"Moon", QT_TRANSLATE_NOOP("Horavela", "Mo")},
    {"Mars", QT_TRANSLATE_NOOP("Horavela", "Ma")},
    {"Mercury", QT_TRANSLATE_NOOP("Horavela", "Me")},
    {"Jupiter", QT_TRANSLATE_NOOP("Horavela", "Ju")},
    {"Venus", QT_TRANSLATE_NOOP("Horavela", "Ve")},
    {"Saturn", QT_TRANSLATE_NOOP("Horavela", "Sa")},
    {"Rahu", QT_TRANSLATE_NOOP("Horavela", "Ra")},
    {"Ketu", QT_TRANSLATE_NOOP("Horavela", "Ke")},
}};

// The diamond's houses as polygons in a unit square, house 1 at the top
// centre and on anticlockwise.
const std::array<QPolygonF, 12>& NorthHouses() {
  static const std::array<QPolygonF, 12> houses = [] {
    const QPointF tl(0, 0), tr(1, 0), br(1, 1), bl(0, 1);
    const QPointF t(0.5, 0), r(1, 0.5), b(0.5, 1), l(0, 0.5), c(0.5, 0.5);
    const QPointF ptl(0.25, 0.25), ptr(0.75, 0.25), pbr(0.75, 0.75), pbl(0.25, 0.75);
    return std::array<QPolygonF, 12>{
        QPolygonF({t, ptr, c, ptl}), QPolygonF({tl, t, ptl}), QPolygonF({tl, ptl, l}),
        QPolygonF({l, ptl, c, pbl}), QPolygonF({l, pbl, bl}), QPolygonF({bl, pbl, b}),
        QPolygonF({b, pbl, c, pbr}), QPolygonF({b, pbr, br}), QPolygonF({br, pbr, r}),
        QPolygonF({r, pbr, c, ptr}), QPolygonF({r, ptr, tr}), QPolygonF({tr, ptr, t}),
    };
  }();
  return houses;
}

QPointF Centroid(const QPolygonF& polygon) {
  QPointF sum;
  for (const QPointF& point : polygon) sum += point;
  return sum / static_cast<double>(polygon.size());
}

// The sign's short name in the houses, in the language shown ("Ari", "मेष").
QString SignName(int sign) {
  const std::string_view name = SignAbbreviationOf(FromIndex<Rashi>(sign), ShownLanguage());
  return QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size()));
}

}  // namespace

GridCell SouthIndianCell(int signIndex) {
  return kSouthCells[static_cast<std::size_t>(((signIndex % 12) + 12) % 12)];
}

int NorthIndianHouse(int signIndex, int lagnaSign) {
  return ((signIndex - lagnaSign) % 12 + 12) % 12 + 1;
}

int SignOfLongitude(double longitude) {
  const double wrapped = std::fmod(std::fmod(longitude, 360.0) + 360.0, 360.0);
  return static_cast<int>(wrapped / 30.0) % 12;
}

std::array<QStringList, 12> BodiesBySign(const std::vector<ChartBody>& chart) {
  std::array<QStringList, 12> signs;
  for (const ChartBody& body : chart) {
    for (const auto& [name, abbreviation] : kAbbreviations) {
      if (body.body != name) continue;
      QString text = Tr(abbreviation);
      if (body.retrograde) text += "(R)";
      signs[static_cast<std::size_t>(SignOfLongitude(body.longitude))] << text;
    }
  }
  return signs;
}

int LagnaSign(const std::vector<ChartBody>& chart) {
  for (const ChartBody& body : chart) {
    if (body.body == "Lagna") return SignOfLongitude(body.longitude);
  }
  return -1;
}

ChartDrawing::ChartDrawing(QWidget* parent) : QWidget(parent) {
  setObjectName("chartDrawing");
  setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Expanding);
}

void ChartDrawing::SetChart(std::vector<ChartBody> chart) {
  chart_ = std::move(chart);
  update();
}

void ChartDrawing::SetCaption(const QString& caption) {
  caption_ = caption;
  update();
}

void ChartDrawing::SetStyle(Style style) {
  style_ = style;
  update();
}

void ChartDrawing::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.setRenderHint(QPainter::Antialiasing);
  const QRectF area = QRectF(rect()).adjusted(4, 4, -4, -4);
  const double side = std::min(area.width(), area.height());
  painter.fillRect(QRectF(area.topLeft(), QSizeF(side, side)), palette().base());
  Draw(painter, area);
}

void ChartDrawing::Draw(QPainter& painter, const QRectF& area) const {
  const double side = std::min(area.width(), area.height());
  const QRectF square(area.left(), area.top(), side, side);
  painter.save();
  painter.setPen(QPen(palette().text().color(), 1.5));
  // Four or five bodies fit a house at any size.
  QFont font = painter.font();
  font.setPixelSize(std::max(9, static_cast<int>(side / 26)));
  painter.setFont(font);
  if (style_ == Style::SouthIndian) {
    DrawSouth(painter, square);
  } else {
    DrawNorth(painter, square);
  }
  painter.restore();
}

void ChartDrawing::DrawSouth(QPainter& painter, const QRectF& square) const {
  const double cell = square.width() / 4;
  const std::array<QStringList, 12> bodies = BodiesBySign(chart_);
  const int lagna = LagnaSign(chart_);
  const QFont normal = painter.font();
  QFont small = normal;
  small.setPixelSize(std::max(8, normal.pixelSize() * 4 / 5));
  painter.drawRect(square);
  for (int sign = 0; sign < 12; ++sign) {
    const GridCell at = SouthIndianCell(sign);
    const QRectF box(square.left() + at.column * cell, square.top() + at.row * cell, cell, cell);
    painter.drawRect(box);
    painter.setFont(small);
    painter.setPen(palette().placeholderText().color());
    painter.drawText(box.adjusted(4, 2, -4, -2), Qt::AlignRight | Qt::AlignBottom, SignName(sign));
    painter.setPen(palette().text().color());
    if (sign == lagna) {
      // The lagna's house: a stroke across its top-left corner and "Asc".
      painter.drawLine(box.topLeft() + QPointF(0, cell * 0.3),
                       box.topLeft() + QPointF(cell * 0.3, 0));
      painter.drawText(box.adjusted(4, 2, -4, -2), Qt::AlignRight | Qt::AlignTop,
                       Tr(texts::kAscendant));
    }
    painter.setFont(normal);
    painter.drawText(box.adjusted(4, 14, -4, -14), Qt::AlignCenter | Qt::TextWordWrap,
                     bodies[static_cast<std::size_t>(sign)].join(' '));
  }
  painter.setFont(normal);
  const QRectF middle(square.left() + cell, square.top() + cell, 2 * cell, 2 * cell);
  painter.drawText(middle, Qt::AlignCenter, caption_);
}

void ChartDrawing::DrawNorth(QPainter& painter, const QRectF& square) const {
  const std::array<QStringList, 12> bodies = BodiesBySign(chart_);
  const int lagna = std::max(0, LagnaSign(chart_));
  // The frame: the square, its diagonals and the diamond of its midpoints.
  painter.drawRect(square);
  painter.drawLine(square.topLeft(), square.bottomRight());
  painter.drawLine(square.topRight(), square.bottomLeft());
  const QPointF c = square.center();
  painter.drawPolygon(QPolygonF({QPointF(c.x(), square.top()), QPointF(square.right(), c.y()),
                                 QPointF(c.x(), square.bottom()), QPointF(square.left(), c.y())}));

  QTransform toSquare;
  toSquare.translate(square.left(), square.top());
  toSquare.scale(square.width(), square.height());
  const QFont normal = painter.font();
  QFont small = normal;
  small.setPixelSize(std::max(8, normal.pixelSize() * 4 / 5));
  const double line = QFontMetricsF(normal).height();
  const double reach = square.width() / 9;  // the narrowest house's half width
  for (int sign = 0; sign < 12; ++sign) {
    const int house = NorthIndianHouse(sign, lagna);
    const QPointF centre =
        Centroid(toSquare.map(NorthHouses()[static_cast<std::size_t>(house - 1)]));
    // The sign's number, and under it the bodies; "Asc" in the first house.
    painter.setFont(small);
    painter.setPen(palette().placeholderText().color());
    painter.drawText(QRectF(centre.x() - reach, centre.y() - 1.2 * line, 2 * reach, line),
                     Qt::AlignCenter, QString::number(sign + 1));
    painter.setPen(palette().text().color());
    painter.setFont(normal);
    QStringList text = bodies[static_cast<std::size_t>(sign)];
    if (house == 1) text.prepend(Tr(texts::kAscendant));
    // The side houses are narrow: their bodies wrap rather than leave the square.
    const double left = std::max(centre.x() - reach, square.left() + 2);
    const double right = std::min(centre.x() + reach, square.right() - 2);
    painter.drawText(QRectF(left, centre.y() - 0.2 * line, right - left, 3 * line),
                     Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap, text.join(' '));
  }
  painter.setFont(normal);
}

}  // namespace horavela::app
