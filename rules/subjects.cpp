#include "rules/subjects.h"

namespace horavela {

namespace {

constexpr int kJupiter = 5;  // in the ephemeris order

}  // namespace

// Beyond the Moon, the panchang and the date: the election lagna (the
// journeys' count from the birth lagna, the sale-time lagna), the table lagna
// (the journeys' Muhurtha lagna, the trade's tenth house) and the planets (all
// seven for the trade's tenth house, only Jupiter for a pilgrimage: in the
// table lagna or nine signs from it).
const std::array<Subject, kSubjectCount> kSubjects = {{
    {"Naming of The Child or Namakarana", EvaluateNaming},
    {"Tonsuring of Head", EvaluateTonsuring},
    {"Piercing of the Ear or Karnavedha", EvaluateEarPiercing},
    {"Thread Ceremony Or Upanayana", EvaluateThreadCeremony},
    {"First feeding of Solid Food (Annaprasan)", EvaluateFirstFeeding},
    {"Starting of Education (Aksharabhyasa)", EvaluateEducation},
    {"Adoption of a Child", EvaluateAdoption},
    {"Engagement", EvaluateEngagement},
    {"Marriage", EvaluateMarriage},
    {"First Entrance of the Bride", EvaluateBrideEntrance},
    {"Learning of a Trade", EvaluateTrade, kReadsEveryone | kReadsTableLagna | kReadsPlanets},
    {"Learning of any Science", EvaluateScience},
    {"Learning Dance Or Music", EvaluateDanceMusic},
    {"Learning Astrology Or Astronomy", EvaluateAstrology},
    {"Learning Medicine", EvaluateMedicineStudy},
    {"Learning Grammar, Logic Or Philosophy", EvaluateGrammar},
    {"Entering a New House", EvaluateNewHouse},
    {"Entering a Rented House", EvaluateRentedHouse},
    {"Start On A New Job", EvaluateNewJob},
    {"Start A New Business", EvaluateNewBusiness},
    {"Domestic Journey", EvaluateDomesticJourney, kReadsEveryone | kReadsLagna | kReadsTableLagna},
    {"Religious Journey", EvaluateReligiousJourney,
     kReadsEveryone | kReadsLagna | kReadsTableLagna | ReadsPlanet(kJupiter)},
    {"Foreign Journey", EvaluateForeignJourney, kReadsEveryone | kReadsLagna | kReadsTableLagna},
    {"Laying the Foundation", EvaluateFoundation},
    {"Starting the Construction of a House", EvaluateConstruction},
    {"Lending Money", EvaluateLending},
    {"Borrowing Money", EvaluateBorrowing},
    {"Legal", EvaluateLegal},
    {"Starting medical treatment for chronic disease or recurring illness",
     EvaluateMedicalTreatment},
    {"Date for operations", EvaluateOperation},
    {"Buying Land", EvaluateBuyingLand},
    {"Selling Land", EvaluateSellingLand},
    {"Buying Item", EvaluateBuyingItem},
    {"Sell Item", EvaluateSellingItem, kReadsEveryone | kReadsLagna},
}};

RuleSet FindRuleSet(std::string_view text) {
  for (const Subject& subject : kSubjects) {
    if (subject.text == text) return subject.ruleSet;
  }
  return nullptr;
}

unsigned InputsRead(RuleSet ruleSet) {
  for (const Subject& subject : kSubjects)
    if (subject.ruleSet == ruleSet) return subject.reads;
  return kReadsEveryone;
}

std::vector<std::string> AllSubjectTexts() {
  std::vector<std::string> texts;
  for (const Subject& subject : kSubjects) texts.emplace_back(subject.text);
  return texts;
}

}  // namespace horavela
