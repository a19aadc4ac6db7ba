#include "app/day_timeline.h"
#include "app/translation.h"

#include <QHelpEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QToolTip>
#include <algorithm>
#include <array>
#include <cmath>
#include <string>
#include <string_view>

#include "app/app_language.h"
#include "app/day_texts.h"
#include "app/shown_names.h"
#include "calendar/civil_calendar.h"

namespace horavela::app {

namespace {

// The captions' column is at least this wide, and wider where a language's
// caption needs it ("രാത്രിയിലെ കാലങ്ങൾ").
constexpr int kLeastCaptionWidth = 112;
constexpr int kHeaderHeight = 38;
constexpr int kRowHeight = 21;
constexpr double kPixelsPerMinute = 1.0;  // an hour is 60 pixels: every name fits a cell
constexpr int kRightMargin = 16;

const QColor kKalam(239, 154, 154);
const QColor kAbhijit(165, 214, 167);
const QColor kNotObserved(224, 224, 224);
const QColor kGood(102, 187, 106);
const QColor kAverage(255, 193, 7);
const std::array<QColor, 2> kPlain = {QColor(207, 226, 243), QColor(232, 240, 250)};

// The choghadiyas by their nature: Amrit, Shubh, Labh and Char help, the
// rest hinder.
constexpr std::array<Choghadiya, 4> kHelpfulChoghadiya = {Choghadiya::Amrit, Choghadiya::Shubh,
                                                          Choghadiya::Labh, Choghadiya::Char};
// The Gowri panchangam's good parts (Nalla Neram); Rogam, Soram, Visham hinder.
constexpr std::array<Gowri, 5> kGoodGowri = {Gowri::Amirdha, Gowri::Uthi, Gowri::Laabam,
                                             Gowri::Dhanam, Gowri::Sugam};

// Whether `period` is one of `values`, read from its term, never its name.
template <typename E, std::size_t N>
bool IsOneOf(const Period& period, PeriodKind kind, const std::array<E, N>& values) {
  if (period.term.kind != kind) return false;
  const E value = FromIndex<E>(period.term.value);
  return std::find(values.begin(), values.end(), value) != values.end();
}

QString FromStd(const std::string& text) {
  return QString::fromStdString(text);
}

LocalMinute MinuteOf(const LocalTime& time) {
  return {time.year, time.month, time.day, time.hour, time.minute};
}

TimelineCell CellOf(const LocalMinute& midnight, const Period& period, const QColor& colour,
                    bool withOffset = false, const QString& note = {}) {
  return {ShownName(period),
          MinutesFrom(midnight, period.from),
          MinutesFrom(midnight, period.to),
          colour,
          QString("%1 - %2").arg(ClockText(midnight, period.from, withOffset),
                                 ClockText(midnight, period.to, withOffset)),
          note};
}

TimelineRow RowOf(const LocalMinute& midnight, const QString& caption,
                  const std::vector<Period>& periods, bool withOffset = false) {
  TimelineRow row{caption, {}};
  for (std::size_t i = 0; i < periods.size(); ++i) {
    row.cells.push_back(CellOf(midnight, periods[i], kPlain[i % 2], withOffset));
  }
  return row;
}

// Abhijit in green where almanacs observe it, muted with the reason where not.
TimelineCell AbhijitCell(const LocalMinute& midnight, const DayParts& parts, bool withOffset) {
  if (parts.abhijitObserved) return CellOf(midnight, parts.abhijit, kAbhijit, withOffset);
  return CellOf(midnight, parts.abhijit, kNotObserved, withOffset, Tr(texts::kAbhijitNotObserved));
}

QColor ChoghadiyaColour(const Period& period) {
  return IsOneOf(period, PeriodKind::Choghadiya, kHelpfulChoghadiya) ? kAbhijit
                                                                     : kKalam.lighter(112);
}

// The muhurtas' rows, each holding periods that do not overlap: the
// durmuhurtas, the night's kalams, the auspicious muhurtas of day, midnight
// and dawn, the two sandhyas, Godhuli, Pradosh, the Gowri panchangam, and
// Varjyam and Amrit kalam, each cell named for its nakshatra.
void AddMuhurtaRows(const DayMuhurtas& muhurtas, const LocalMinute& midnight, bool offsets,
                    std::vector<TimelineRow>& rows) {
  const auto row = [&](const QString& caption, const std::vector<Period>& periods,
                       const auto& colourOf) {
    TimelineRow added{caption, {}};
    for (const Period& period : periods) {
      added.cells.push_back(CellOf(midnight, period, colourOf(period), offsets));
    }
    rows.push_back(added);
  };
  const auto named = [&](std::initializer_list<NamedMuhurta> which) {
    std::vector<Period> chosen;
    for (const Period& period : muhurtas.named) {
      const bool wanted = std::any_of(which.begin(), which.end(), [&period](NamedMuhurta m) {
        return period.term == PeriodName::Of(m);
      });
      if (wanted) chosen.push_back(period);
    }
    return chosen;
  };
  const auto hinders = [](const Period&) { return kKalam; };
  const auto helps = [](const Period&) { return kAbhijit; };
  const auto plain = [](const Period&) { return kPlain[0]; };
  using M = NamedMuhurta;
  row(Tr(texts::kRowDurmuhurtam), muhurtas.durmuhurtam, hinders);
  row(Tr(texts::kRowNightKalams), muhurtas.nightKalams, hinders);
  row(Tr(texts::kRowMuhurtas), named({M::Vijaya, M::NishitaKaal, M::BrahmaMuhurta}), helps);
  row(Tr(texts::kRowSandhya), named({M::SayahnaSandhya, M::PratahSandhya}), plain);
  row(Tr(texts::kRowGodhuli), named({M::Godhuli}), plain);
  row(Tr(texts::kRowPradosh), named({M::Pradosh}), plain);
  row(Tr(texts::kRowGowri), muhurtas.gowri, [](const Period& period) {
    return IsOneOf(period, PeriodKind::Gowri, kGoodGowri) ? kAbhijit : kKalam.lighter(112);
  });
  row(Tr(texts::kRowVarjyam), muhurtas.varjyam, hinders);
  row(Tr(texts::kRowAmritKalam), muhurtas.amritKalam, helps);
}

TimelineRow VerdictRow(const DayAtAGlance& day, const LocalMinute& midnight) {
  TimelineRow row{Tr(texts::kRowVerdict), {}};
  for (const SearchWindow& window : day.verdicts) {
    const Verdict verdict = window.evaluation().ResultWord;
    if (verdict < Verdict::Average) continue;  // a bad stretch stays blank
    // "Good" and "Average" are the finder's legend's words too.
    const std::string word = Tr(std::string(NameOf(verdict)).c_str()).toStdString();
    const LocalTime from{window.first.year, window.first.month,  window.first.day,
                         window.first.hour, window.first.minute, 0};
    const LocalMinute end = FromMinuteIndex(MinuteIndex(window.last) + 1);
    const LocalTime to{end.year, end.month, end.day, end.hour, end.minute, 0};
    row.cells.push_back(
        CellOf(midnight, {word, from, to}, verdict == Verdict::Good ? kGood : kAverage));
  }
  return row;
}

QColor StrengthColour(Word verdict) {
  return LeaningOf(verdict) == Leaning::Against ? kKalam : kAbhijit;
}

// The person's rows: tarabala by nakshatra, chandrabala by Moon sign, each
// cell green where the strength helps and red where it hinders, its tooltip
// naming the tara and the verdict; chandrashtama in red.
void AddPersonRows(const PersonDay& person, const LocalMinute& midnight,
                   std::vector<TimelineRow>& rows) {
  // English shows the core's own words; another language names the values.
  const bool english = ShownLanguage() == Language::English;
  const QString birthStar = english ? FromStd(person.birthStar) : ShownName(person.birthStarValue);
  const QString birthSign =
      english ? FromStd(person.birthMoonSign) : ShownName(person.birthMoonSignValue);
  TimelineRow tarabala{Tr(texts::kRowTarabala), {}};
  for (const StrengthPeriod& strength : person.tarabala) {
    const QString note = QString(Tr(texts::kTaraNote))
                             .arg(english ? FromStd(strength.tara) : ShownName(strength.taraTerm),
                                  FromStd(std::string(NameOf(strength.verdict))), birthStar);
    tarabala.cells.push_back(
        CellOf(midnight, strength.period, StrengthColour(strength.verdict), false, note));
  }
  rows.push_back(tarabala);
  TimelineRow chandrabala{Tr(texts::kRowChandrabala), {}};
  for (const StrengthPeriod& strength : person.chandrabala) {
    const QString note = QString(Tr(texts::kChandraNote))
                             .arg(FromStd(std::string(NameOf(strength.verdict))), birthSign);
    chandrabala.cells.push_back(
        CellOf(midnight, strength.period, StrengthColour(strength.verdict), false, note));
  }
  rows.push_back(chandrabala);
  TimelineRow chandrashtama{Tr(texts::kRowChandrashtama), {}};
  for (const Period& span : person.chandrashtama) {
    chandrashtama.cells.push_back(CellOf(midnight, span, kKalam, false,
                                         QString(Tr(texts::kChandrashtamaNote)).arg(birthSign)));
  }
  rows.push_back(chandrashtama);
}

}  // namespace

double MinutesFrom(const LocalMinute& midnight, const LocalTime& time) {
  return static_cast<double>(MinuteIndex(MinuteOf(time)) - MinuteIndex(midnight)) +
         time.second / 60.0;
}

QString ClockText(const LocalMinute& midnight, const LocalTime& time, bool withOffset) {
  // "01:09 EST" or "01:09 (second)" in an hour the clocks ran through twice.
  QString clock = QString("%1:%2%3")
                      .arg(time.hour, 2, 10, QChar('0'))
                      .arg(time.minute, 2, 10, QChar('0'))
                      .arg(FromStd(ClockRunText(time.repeated)));
  if (time.year != midnight.year || time.month != midnight.month || time.day != midnight.day) {
    clock += QString(" (%1-%2-%3)")
                 .arg(time.year, 4, 10, QChar('0'))
                 .arg(time.month, 2, 10, QChar('0'))
                 .arg(time.day, 2, 10, QChar('0'));
  }
  if (withOffset && time.utcOffsetSeconds && !time.repeated) {
    clock += " " + QString::fromStdString(FormatUtcOffset(*time.utcOffsetSeconds));
  }
  return ForReading(clock);
}

std::vector<TimelineRow> TimelineRows(const DayAtAGlance& day, const LocalMinute& midnight) {
  std::vector<TimelineRow> rows;
  // The parts' times say their offset on a day whose clock changes.
  const bool offsets = day.sky.clockChanges;
  const auto single = [&](const QString& caption, const Period* period, const QColor& colour) {
    TimelineRow row{caption, {}};
    if (period != nullptr) row.cells.push_back(CellOf(midnight, *period, colour, offsets));
    rows.push_back(row);
  };
  const DayParts* parts = day.parts ? &*day.parts : nullptr;
  single(Tr(texts::kRowRahuKalam), parts ? &parts->rahuKalam : nullptr, kKalam);
  single(Tr(texts::kRowYamaganda), parts ? &parts->yamaganda : nullptr, kKalam);
  single(Tr(texts::kRowGulikaKalam), parts ? &parts->gulikaKalam : nullptr, kKalam);
  TimelineRow abhijit{Tr(texts::kRowAbhijit), {}};
  if (parts != nullptr) abhijit.cells.push_back(AbhijitCell(midnight, *parts, offsets));
  rows.push_back(abhijit);
  TimelineRow choghadiya{Tr(texts::kRowChoghadiya), {}};
  if (parts != nullptr) {
    for (const Period& period : parts->choghadiya) {
      choghadiya.cells.push_back(CellOf(midnight, period, ChoghadiyaColour(period), offsets));
    }
  }
  rows.push_back(choghadiya);
  rows.push_back(
      RowOf(midnight, Tr(texts::kRowHora), parts ? parts->hora : std::vector<Period>{}, offsets));
  const DayElements& elements = day.elements;
  rows.push_back(RowOf(midnight, Tr(texts::kRowTithi), elements.tithi));
  rows.push_back(RowOf(midnight, Tr(texts::kRowNakshatra), elements.nakshatra));
  rows.push_back(RowOf(midnight, Tr(texts::kRowYoga), elements.yoga));
  rows.push_back(RowOf(midnight, Tr(texts::kRowKarana), elements.karana));
  rows.push_back(RowOf(midnight, Tr(texts::kRowMoonSign), elements.moonSign));
  rows.push_back(RowOf(midnight, Tr(texts::kRowLagna), elements.lagna));
  if (day.muhurtas) AddMuhurtaRows(*day.muhurtas, midnight, offsets, rows);
  if (!day.verdicts.empty()) rows.push_back(VerdictRow(day, midnight));
  if (day.person) AddPersonRows(*day.person, midnight, rows);
  return rows;
}

DayTimeline::DayTimeline(QWidget* parent) : QWidget(parent) {
  setObjectName("dayTimeline");
  setMouseTracking(true);
  setCursor(Qt::CrossCursor);
}

void DayTimeline::SetDay(const DayAtAGlance& day, const LocalMinute& midnight) {
  hasDay_ = true;
  midnight_ = midnight;
  rows_ = TimelineRows(day, midnight);
  captionWidth_ = kLeastCaptionWidth;
  for (const TimelineRow& row : rows_)
    captionWidth_ = std::max(captionWidth_, fontMetrics().horizontalAdvance(row.caption) + 12);
  span_ = 1440;
  if (day.sky.nextSunrise) span_ = std::max(span_, MinutesFrom(midnight, *day.sky.nextSunrise));
  marks_.clear();
  const std::array<std::pair<const char*, const std::optional<LocalTime>*>, 3> sun = {{
      {texts::kMarkSunrise, &day.sky.sunrise},
      {texts::kMarkSunset, &day.sky.sunset},
      {texts::kMarkNextSunrise, &day.sky.nextSunrise},
  }};
  for (const auto& [name, time] : sun) {
    if (*time) marks_.emplace_back(Tr(name), MinutesFrom(midnight, **time));
  }
  const LocalTime chart{day.chartMoment.year, day.chartMoment.month,  day.chartMoment.day,
                        day.chartMoment.hour, day.chartMoment.minute, 0};
  moment_ = MinutesFrom(midnight, chart);
  updateGeometry();
  resize(sizeHint());
  update();
}

void DayTimeline::Clear() {
  hasDay_ = false;
  rows_.clear();
  marks_.clear();
  moment_ = -1;
  update();
}

QSize DayTimeline::sizeHint() const {
  const int rows = std::max<int>(static_cast<int>(rows_.size()), 13);
  return {XOfMinute(span_) + kRightMargin, kHeaderHeight + rows * kRowHeight + 2};
}

int DayTimeline::XOfMinute(double minute) const {
  return captionWidth_ + static_cast<int>(std::lround(minute * kPixelsPerMinute));
}

int DayTimeline::MinuteAtX(int x) const {
  const int minute = static_cast<int>(std::floor((x - captionWidth_) / kPixelsPerMinute));
  return std::clamp(minute, 0, static_cast<int>(std::ceil(span_)) - 1);
}

LocalMinute DayTimeline::LocalMinuteAtX(int x) const {
  return FromMinuteIndex(MinuteIndex(midnight_) + MinuteAtX(x));
}

int DayTimeline::RowCentreY(int row) const {
  return RowTop(row) + kRowHeight / 2;
}

int DayTimeline::RowTop(int row) const {
  return kHeaderHeight + row * kRowHeight;
}

QString DayTimeline::ToolTipAt(const QPoint& point) const {
  if (point.y() < kHeaderHeight || point.x() < captionLeft_ + captionWidth_) return {};
  const auto row = static_cast<std::size_t>((point.y() - kHeaderHeight) / kRowHeight);
  if (row >= rows_.size()) return {};
  const double minute = (point.x() - captionWidth_) / kPixelsPerMinute;
  for (const TimelineCell& cell : rows_[row].cells) {
    if (minute >= cell.from && minute < cell.to) {
      const QString& caption = rows_[row].caption;
      const QString note = cell.note.isEmpty() ? QString() : "\n" + cell.note;
      if (cell.name.compare(caption, Qt::CaseInsensitive) == 0) {
        return QString("%1\n%2").arg(caption, cell.times) + note;
      }
      return QString("%1: %2\n%3").arg(caption, cell.name, cell.times) + note;
    }
  }
  return {};
}

bool DayTimeline::event(QEvent* event) {
  if (event->type() == QEvent::ToolTip) {
    auto* help = static_cast<QHelpEvent*>(event);
    const QString text = ToolTipAt(help->pos());
    if (text.isEmpty()) {
      QToolTip::hideText();
      event->ignore();
    } else {
      QToolTip::showText(help->globalPos(), text, this);
    }
    return true;
  }
  return QWidget::event(event);
}

void DayTimeline::mousePressEvent(QMouseEvent* event) {
  const int x = static_cast<int>(event->position().x());
  if (!hasDay_ || event->button() != Qt::LeftButton || x < captionLeft_ + captionWidth_) {
    QWidget::mousePressEvent(event);
    return;
  }
  emit minuteChosen(LocalMinuteAtX(x));
}

void DayTimeline::paintEvent(QPaintEvent*) {
  // The captions stay at the left of what the scroll area shows.
  captionLeft_ = visibleRegion().boundingRect().left();
  QPainter painter(this);
  Paint(painter, captionLeft_);
}

QImage DayTimeline::Picture() const {
  QImage picture(sizeHint(), QImage::Format_RGB32);
  QPainter painter(&picture);
  Paint(painter, 0);
  return picture;
}

void DayTimeline::Paint(QPainter& painter, int captionLeft) const {
  painter.fillRect(QRect(QPoint(0, 0), sizeHint()).united(rect()), palette().base());
  if (!hasDay_) return;
  DrawRows(painter, captionLeft + captionWidth_);
  DrawHours(painter);
  DrawMarks(painter);
  DrawCaptions(painter, captionLeft);
}

void DayTimeline::DrawCaptions(QPainter& painter, int left) const {
  const int bottom = RowTop(static_cast<int>(rows_.size()));
  painter.fillRect(QRect(left, 0, captionWidth_, bottom + 2), palette().window());
  painter.setPen(palette().windowText().color());
  for (std::size_t i = 0; i < rows_.size(); ++i) {
    painter.drawText(QRect(left + 4, RowTop(static_cast<int>(i)), captionWidth_ - 8, kRowHeight),
                     Qt::AlignVCenter | Qt::AlignLeft, rows_[i].caption);
  }
}

void DayTimeline::DrawHours(QPainter& painter) const {
  painter.setPen(palette().text().color());
  const int bottom = RowTop(static_cast<int>(rows_.size()));
  for (int hour = 0; hour * 60 <= span_; ++hour) {
    const int x = XOfMinute(hour * 60.0);
    painter.setPen(palette().text().color());
    painter.drawText(QRect(x - 30, 2, 60, 16), Qt::AlignCenter,
                     QString("%1:00").arg(hour % 24, 2, 10, QChar('0')));
    painter.setPen(QPen(palette().mid().color(), 0, Qt::DotLine));
    painter.drawLine(x, 18, x, bottom);
  }
}

void DayTimeline::DrawRows(QPainter& painter, int firstVisibleX) const {
  const QColor frame = palette().mid().color();
  for (std::size_t i = 0; i < rows_.size(); ++i) {
    const int top = RowTop(static_cast<int>(i));
    for (const TimelineCell& cell : rows_[i].cells) {
      const double from = std::max(cell.from, 0.0);
      const double to = std::min(cell.to, span_);
      if (to <= from) continue;
      const QRect box(XOfMinute(from), top + 2, XOfMinute(to) - XOfMinute(from), kRowHeight - 4);
      painter.fillRect(box, cell.colour);
      painter.setPen(frame);
      painter.drawRect(box);
      // A name whose cell began out of view is written where the view begins.
      QRect label = box.adjusted(3, 0, -3, 0);
      label.setLeft(std::max(label.left(), firstVisibleX + 3));
      painter.setPen(Qt::black);
      const QString text =
          painter.fontMetrics().elidedText(cell.name, Qt::ElideRight, std::max(0, label.width()));
      painter.drawText(label, Qt::AlignVCenter | Qt::AlignLeft, text);
    }
  }
}

void DayTimeline::DrawMarks(QPainter& painter) const {
  const int bottom = RowTop(static_cast<int>(rows_.size()));
  QFont small = painter.font();
  small.setPointSizeF(small.pointSizeF() * 0.85);
  painter.setFont(small);
  for (const auto& [name, minute] : marks_) {
    const int x = XOfMinute(minute);
    painter.setPen(QPen(QColor(230, 120, 0), 2, Qt::DashLine));
    painter.drawLine(x, 18, x, bottom);
    painter.drawText(QRect(x - 50, 20, 100, 18), Qt::AlignCenter, name);
  }
  if (moment_ >= 0 && moment_ <= span_) {
    const int x = XOfMinute(moment_);
    painter.setPen(QPen(QColor(25, 60, 200), 2));
    painter.drawLine(x, 18, x, bottom);
  }
}

}  // namespace horavela::app
