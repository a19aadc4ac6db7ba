#include "report/report_texts.h"

#include "engine/calculation_state.h"

namespace horavela {
namespace {

// Overall paragraphs. Each opens with its fixed sentence and runs to 170..400
// characters in one unbroken text.
constexpr OverallTexts kOverall = {
    .bad =
        "Bad Elections are the inauspicious moments. Most of the factors weighed for this "
        "undertaking stand against the chosen moment, so work begun now is likely to meet "
        "delays, losses and worry. It is wiser to look for another date, or at least not to "
        "stake money or health on the venture at this time.",
    .good =
        "Election means auspicious. Most of the factors weighed for this undertaking support "
        "the chosen moment, so work begun now should move forward with ease and bring gain "
        "and contentment. Go ahead with confidence and keep to the plans you have made.",
    .average =
        "Under the average effects of Election, you will find yourself in quite a stable "
        "position. The favourable and unfavourable factors balance each other, so results "
        "will come, though slowly and with some effort. If a better date is within reach, "
        "consider it; otherwise go ahead with care.",
};

// Factor sections in report order.
// Columns: selector | heading | chart slot appended to it | adverse | favourable.
constexpr std::array<FactorSectionText, kFactorSectionCount> kSections = {{
    {TaraFlag, "Strength of Star (Tarabala)", kNoChartSlot,
     "Under the malefic effects of Tarabala, prime importance should be laid on the native's "
     "health. The star of the day does not agree with the birth star, so fatigue, minor illness "
     "and loss of energy may slow the undertaking. Rest well, avoid needless risks and put off "
     "important beginnings if you can.",
     "Under the favorable effects of Tarabala, the native will be wealth and will experience all "
     "sorts of enjoyments and pleasures in life. The star of the day agrees with the birth star "
     "and lends vigour and good fortune to new beginnings. Work started now tends to prosper "
     "steadily."},

    {ChandraFlag, "Strength of Moon (Chandrabala)", kNoChartSlot,
     "Under the unfavorable effects of Chandrabala, the native will be devoid of mental strength "
     "and longevity. The Moon stands weak from the birth sign, so the mind may be restless and "
     "decisions hasty. Avoid important commitments under this Moon and wait for a day when it is "
     "stronger.",
     "The Moon (Chandra) is said to be the Queen of the solar family. Here she stands well from "
     "the birth sign, giving a calm mind, clear judgement and the support of others. Undertakings "
     "begun under such a Moon are carried through with confidence and bring satisfaction."},

    {NakshatraFlag, "Nakshatra: ", kNakshatraSlot,
     "Just like the effects of auspicious nakshatras, the adverse effects of the inauspicious "
     "nakshatras also need to be taken into consideration. The Moon's star at the chosen moment "
     "does not suit this undertaking and may bring obstacles, quarrels or waste of money. Choose "
     "a moment when the Moon occupies a suitable star.",
     "Nakshatras and Elections are closely interrelated. The Moon's star at the chosen moment is "
     "well suited to this undertaking and lends it strength from the very start. Work begun "
     "under this star tends to run smoothly and to reach the result you hope for."},

    {TithiFlag, "Tithi: ", kTithiSlot,
     "Inauspicious Tithi brings about all kind of financial as well as personal losses. The lunar "
     "day of the chosen moment does not favour this work, and effort spent now may be wasted or "
     "undone. Where you can, wait for a suitable tithi before you begin.",
     "Time the most powerful factor in the accomplishment of any work. The lunar day of the "
     "chosen moment favours this undertaking and supports gain, harmony and steady progress. It "
     "is a good day to begin, provided the other factors agree."},

    {WeekdayFlag, "Weekday: ", kWeekdaySlot,
     "Works started on the inauspicious days never yield good and beneficial results. The planet "
     "that rules this weekday does not support the undertaking, so expect delays and extra "
     "effort. If the work can wait, begin it on a day ruled by a friendly planet.",
     "It is very important to consider the day of the week before starting off any new venture "
     "or business or any work. The chosen weekday is ruled by a planet that favours this "
     "undertaking. Its support brings energy, helpful people and a good start."},

    {MonthFlag, "Hindu Months", kNoChartSlot,
     "All kind of ventures and undertakings during the inauspicious Hindu months bring about "
     "great hardships in the life of the person concerned. The lunar month of the chosen moment "
     "does not favour this work. Hardship and delay may follow, so choose a better month if you "
     "can.",
     "New works or undertakings during the auspicious Hindu months bring about unprecedented "
     "benefits to the person concerned. The lunar month of the chosen moment is one of those "
     "recommended for this work. Its blessing adds to the good effects of the other factors."},

    {LagnaFlag, "Lagna: ", kLagnaSlot,
     "Under the unfavorable effects of lagnas, the native is liable to suffer from financial as "
     "well as personal losses. The sign rising at the chosen moment does not suit this "
     "undertaking. Plans may go astray and money may be lost, so pick a moment when a better "
     "sign is rising.",
     "People under the strong influence of the birth ascendant or the lagnas are generally very "
     "quick and direct. The sign rising at the chosen moment suits this undertaking and gives it "
     "a firm foundation. Work begun now is likely to proceed with purpose and succeed."},

    {RashiFlag, "Rashi: ", kMoonSignSlot,
     "The malefic effects produced by the combination of the different planets result in a "
     "number of obstacles and hindrances in your path to success. The Moon's sign at the chosen "
     "moment does not favour this work. Be patient, expect setbacks and consider another date.",
     "Rashi or the zodiac astrology plays an important role in selecting the most auspicious time "
     "for starting off new works and ventures. The Moon's sign at the chosen moment favours this "
     "undertaking. It brings a settled mind and good support on the way to success."},

    {KaranaFlag, "Karana: ", kKaranaSlot,
     "Under the effect of the inauspicious karanas, no good work or rituals should be performed. "
     "The half lunar day in force at the chosen moment is unfit for this undertaking. Effort may "
     "come to nothing, so wait until a favourable karana begins.",
     "Karana is an important component of Election which is very often neglected in actual "
     "practice. The half lunar day in force at the chosen moment favours this undertaking. It "
     "adds to the steady progress of the work and helps it reach a good end."},

    {YogaFlag, "Birth Yogas", kNoChartSlot,
     "Under the effects of unfavorable birth yogas, nothing seems to work smooth and fine for the "
     "native. The yoga formed by the Sun and the Moon at the chosen moment is unfavourable. Plans "
     "may be blocked and effort wasted, so put off important beginnings if you can.",
     "Under the effects of favorable birth yoga, the native is known to excel in all works "
     "related to the field of commerce and communication. The yoga formed by the Sun and the "
     "Moon at the chosen moment is favourable. Trade, talks and agreements begun now prosper."},

    {SiddhaFlag, "Siddha Yoga", kNoChartSlot,
     // Stands alone: the sentence is the whole paragraph.
     "Under the unfavorable effects of this particular yoga, it is advisable to avoid all kind of "
     "auspicious works as it will bring about all kind of misfortunes, worries and despairs.",
     "Siddha Yoga is one of the most benefic yoga. The weekday and the Moon's star combine at the "
     "chosen moment to form it, and it brings accomplishment to what is begun under it. Work "
     "started now is expected to succeed and to bring lasting benefit."},

    {SarvarthaFlag, "Savartha Siddha Yoga", kNoChartSlot, "",
     "As the name implies, this Yoga is favorable under all circumstances. The weekday and the "
     "Moon's star combine at the chosen moment to fulfil every aim. It strengthens the whole "
     "election and helps work of every kind reach a successful end."},

    {MrityuFlag, "Mrityu Yoga", kNoChartSlot,
     "As the name itself implies, Mrityu Yoga is an inauspicious yoga in itself. The weekday and "
     "the Moon's star combine at the chosen moment in a way that threatens loss and danger. "
     "Auspicious works, travel and medical treatment should not be started under it.",
     ""},

    {DaghdaFlag, "Daghda Yoga", kNoChartSlot,
     "Daghda Yoga is an inauspicious yoga in itself. The weekday and the tithi combine at the "
     "chosen moment to burn up the fruits of the work. Effort begun now may be wasted, so avoid "
     "new ventures and important ceremonies while it lasts.",
     ""},

    {YamaghataFlag, "Yamaghata Yoga", kNoChartSlot,
     "Like the Mrityu and the Daghda, the Yamaghata yoga is also a malefic yoga in itself. The "
     "weekday and the Moon's star combine at the chosen moment to bring obstacles and harm. "
     "Journeys and new undertakings are best avoided while it is in force.",
     ""},

    {TripushkarFlag, "Tripushkar Yoga", kNoChartSlot, "",
     "Under the favorable effects of this yoga, the native is likely to inherit ancestral "
     "property and wealth. Whatever happens under it tends to happen three times. It is good for "
     "gains, purchases and investments, but a loss may recur as well, so begin only what you "
     "would gladly see again."},

    {DvipushkarFlag, "Dvipushkar Yoga", kNoChartSlot,
     "The effects of this yoga will have a tendency to repeat itself twice. It is an "
     "inauspicious yoga by itself, since a loss or trouble met now may come back once more. Good "
     "elections and long journeys should not be undertaken while it is in force.",
     ""},

    {SaraswatiFlag, "Saraswati Yoga", kNoChartSlot,
     // Stands alone: the sentence is the whole paragraph.
     "Under the unfavorable effects of Saraswati yoga, it is advisable to avoid all kind of "
     "auspicious works as it will bring about all kind of misfortunes, worries and despairs.",
     "Under the favorable effects of this particular yoga, the native is free to go ahead and "
     "take up all kinds work and ventures related to education and knowledge, as success is "
     "always there for them on the cards. Study, teaching and writing begun now are blessed with "
     "clarity and a good memory. It is a fine time to begin a course of learning."},

    {AmritaFlag, "Amrita Siddhi Yoga", kNoChartSlot, "",
     "After the Siddha yoga, the Amrita Siddhi yoga is the next most auspicious yoga. The weekday "
     "and the Moon's star combine at the chosen moment to give success as sweet as nectar. "
     "Undertakings begun now are expected to bring health, wealth and lasting happiness."},
}};

// Columns: selector | the factor's name in a sentence | a special yoga.
constexpr std::array<SectionSubject, kFactorSectionCount> kSubjects = {{
    {TaraFlag, "The strength of the star (Tarabala)", false},
    {ChandraFlag, "The strength of the Moon (Chandrabala)", false},
    {NakshatraFlag, "The Moon's star", false},
    {TithiFlag, "The tithi", false},
    {WeekdayFlag, "The weekday", false},
    {MonthFlag, "The Hindu month", false},
    {LagnaFlag, "The lagna", false},
    {RashiFlag, "The Moon's sign", false},
    {KaranaFlag, "The karana", false},
    {YogaFlag, "The yoga of the Sun and the Moon", false},
    {SiddhaFlag, "Siddha yoga", true},
    {SarvarthaFlag, "Sarvartha Siddha yoga", true},
    {MrityuFlag, "Mrityu yoga", true},
    {DaghdaFlag, "Daghda yoga", true},
    {YamaghataFlag, "Yamaghata yoga", true},
    {TripushkarFlag, "Tripushkar yoga", true},
    {DvipushkarFlag, "Dvipushkar yoga", true},
    {SaraswatiFlag, "Saraswati yoga", true},
    {AmritaFlag, "Amrita Siddhi yoga", true},
}};

// A paragraph is either empty or one text of 170 to 400 characters; an editor
// who overshoots learns it from the compiler.
constexpr bool FitsLength(std::string_view text) {
  return text.empty() || (text.size() >= 170 && text.size() <= 400);
}

constexpr bool AllFit() {
  for (const auto& section : kSections) {
    if (!FitsLength(section.adverse) || !FitsLength(section.favourable)) return false;
  }
  return FitsLength(kOverall.bad) && FitsLength(kOverall.good) && FitsLength(kOverall.average);
}
static_assert(AllFit(), "a report paragraph is shorter than 170 or longer than 400 characters");

}  // namespace

const std::array<FactorSectionText, kFactorSectionCount>& FactorSectionTexts() {
  return kSections;
}

const std::array<SectionSubject, kFactorSectionCount>& SectionSubjects() {
  return kSubjects;
}

const OverallTexts& OverallParagraphs() {
  return kOverall;
}

}  // namespace horavela
