#include "app/veto_texts.h"

#include <QLocale>
#include <QStringList>
#include <algorithm>

#include "app/app_language.h"
#include "app/find_times_texts.h"
#include "app/translation.h"
#include "tradition/observance_table.h"

namespace horavela::app {

namespace {

QString FromStd(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QDate DateOf(const LocalMinute& minute) {
  return QDate(minute.year, minute.month, minute.day);
}

QString ClockOf(const PlaceClock& clock, std::int64_t universal) {
  const LocalMinute local = clock.At(universal).local;
  return QString("%1:%2").arg(local.hour, 2, 10, QChar('0')).arg(local.minute, 2, 10, QChar('0'));
}

// "14 January", with its year where it is not the range's.
QString DayText(const QDate& date, int year) {
  const QString day = QString("%1 %2").arg(date.day()).arg(MonthName(date.month()));
  return date.year() == year ? day : QString("%1 %2").arg(day).arg(date.year());
}

// Whether periods in order of their first minutes leave no minute of the day uncovered.
bool CoverWhole(const std::vector<VetoPeriod>& periods, const CivilDayMinutes& day) {
  std::int64_t uncovered = day.first;
  for (const VetoPeriod& period : periods) {
    if (period.first > uncovered) return false;
    uncovered = std::max(uncovered, period.last + 1);
  }
  return uncovered > day.last;
}

}  // namespace

std::map<QDate, VetoedDay> VetoedDays(const PlaceClock& clock, const QDate& from, const QDate& to,
                                      const std::vector<VetoPeriod>& periods) {
  std::map<QDate, VetoedDay> days;
  if (periods.empty()) return days;
  for (QDate date = from; date <= to; date = date.addDays(1)) {
    VetoedDay day;
    day.minutes = MinutesOfCivilDay(clock, date.year(), date.month(), date.day());
    for (const VetoPeriod& period : periods)
      if (period.first <= day.minutes.last && period.last >= day.minutes.first)
        day.periods.push_back(period);
    if (day.periods.empty()) continue;
    std::sort(day.periods.begin(), day.periods.end(),
              [](const VetoPeriod& a, const VetoPeriod& b) { return a.first < b.first; });
    day.whole = CoverWhole(day.periods, day.minutes);
    days.emplace(date, std::move(day));
  }
  return days;
}

QString VetoOnDayText(const VetoPeriod& period, const PlaceClock& clock,
                      const CivilDayMinutes& day) {
  const bool begunBefore = period.first <= day.first;
  const bool endsAfter = period.last >= day.last;
  const QString name = FromStd(NameOf(period.veto, ShownLanguage()));
  QString text;
  if (begunBefore && endsAfter) {
    text = Tr(texts::kVetoAllDay).arg(name);
  } else if (begunBefore) {
    text = Tr(texts::kVetoUntil).arg(name, ClockOf(clock, period.last + 1));
  } else if (endsAfter) {
    text = Tr(texts::kVetoFrom).arg(name, ClockOf(clock, period.first));
  } else {
    text = Tr(texts::kVetoSpan)
               .arg(name, ClockOf(clock, period.first), ClockOf(clock, period.last + 1));
  }
  if (observance::kRegional & VetoBit(period.veto)) text = Tr(texts::kVetoRegional).arg(text);
  return Tr(texts::kVetoReason).arg(text, FromStd(TextOf(period.why, ShownLanguage())));
}

QString VetoesOnDayText(const VetoedDay& day, const PlaceClock& clock) {
  QStringList lines;
  for (const VetoPeriod& period : day.periods) lines << VetoOnDayText(period, clock, day.minutes);
  return lines.join('\n');
}

QString TraditionSummary(const std::vector<VetoPeriod>& periods, int daysRuledOut, int days,
                         const PlaceClock& clock, const QDate& from) {
  if (daysRuledOut == 0 && periods.empty()) return {};
  QStringList named;
  for (const VetoPeriod& period : periods) {
    if (named.size() == kSummaryPeriods) break;
    const QDate first = DateOf(clock.At(period.first).local);
    const QDate last = DateOf(clock.At(period.last).local);
    const QString name = FromStd(NameOf(period.veto, ShownLanguage()));
    if (first < from) {
      named << Tr(texts::kVetoUntil).arg(name, DayText(last, from.year()));
    } else if (first == last) {
      named << Tr(texts::kVetoOn).arg(name, DayText(first, from.year()));
    } else {
      named << Tr(texts::kVetoDates)
                   .arg(name, DayText(first, from.year()), DayText(last, from.year()));
    }
  }
  QString text = QString(Tr(texts::kFindTraditionRulesOut)).arg(daysRuledOut).arg(days);
  if (named.isEmpty()) return text + ".";
  text += ": " + named.join("; ");
  const qsizetype more = static_cast<qsizetype>(periods.size()) - named.size();
  if (more > 0) text += "; " + QString(Tr(texts::kFindTraditionMore)).arg(more);
  return text + ".";
}

}  // namespace horavela::app
