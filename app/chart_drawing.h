#pragma once

#include <QStringList>
#include <QWidget>
#include <array>
#include <vector>

#include "almanac/day_at_a_glance.h"

namespace horavela::app {

// Where a sign sits in the South Indian square: a 4 by 4 grid whose twelve
// outer cells hold the signs for good, Pisces top left and on clockwise.
struct GridCell {
  int row = 0;
  int column = 0;
  bool operator==(const GridCell&) const = default;
};
GridCell SouthIndianCell(int signIndex);  // 0 Aries .. 11 Pisces

// The house (1 to 12) of `signIndex` in the North Indian diamond, whose
// houses stay put while the lagna's sign takes the first.
int NorthIndianHouse(int signIndex, int lagnaSign);

// 0 Aries .. 11 Pisces, from a sidereal longitude in degrees.
int SignOfLongitude(double longitude);

// The planets of `chart` sign by sign, abbreviated ("Su", "Ma(R)"); the lagna
// is left out, as the chart marks its sign itself.
std::array<QStringList, 12> BodiesBySign(const std::vector<ChartBody>& chart);

// The lagna's sign, or -1 when the chart has none.
int LagnaSign(const std::vector<ChartBody>& chart);

// The chart of the moment, drawn in one of the two regional styles.
class ChartDrawing : public QWidget {
  Q_OBJECT

 public:
  enum class Style { SouthIndian, NorthIndian };

  explicit ChartDrawing(QWidget* parent = nullptr);

  void SetChart(std::vector<ChartBody> chart);
  void SetStyle(Style style);
  // Written in the middle of the South Indian square: what and when.
  void SetCaption(const QString& caption);
  Style CurrentStyle() const { return style_; }

  QSize sizeHint() const override { return {360, 360}; }
  QSize minimumSizeHint() const override { return {260, 260}; }

  // Draws into `painter` within `area` (a square is fitted in it): the screen,
  // a printer page and a picture share this.
  void Draw(QPainter& painter, const QRectF& area) const;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  void DrawSouth(QPainter& painter, const QRectF& square) const;
  void DrawNorth(QPainter& painter, const QRectF& square) const;

  std::vector<ChartBody> chart_;
  Style style_ = Style::SouthIndian;
  QString caption_ = "Rasi";
};

}  // namespace horavela::app
