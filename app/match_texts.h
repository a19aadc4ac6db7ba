#pragma once

// The texts of the dialog that matches two people of the book.

namespace horavela::app::texts {

inline constexpr char kMenuTools[] = "&Tools";
inline constexpr char kMenuMatch[] = "Match two people...";
inline constexpr char kMatchTitle[] = "Match two people";
inline constexpr char kMatchGroom[] = "Groom:";
inline constexpr char kMatchBride[] = "Bride:";
inline constexpr char kMatchButton[] = "Match";
inline constexpr char kMatchPrint[] = "Print...";
inline constexpr char kMatchPdf[] = "Save as PDF...";
inline constexpr char kMatchRtf[] = "Export RTF...";
inline constexpr char kMatchHeading[] = "Horavela Match Report";
inline constexpr char kMatchNeedsTwo[] =
    "The book holds fewer than two people. Save the groom and the bride in the book first "
    "(Save person on the birth page, or File > People and places... > Import).";
inline constexpr char kMatchSamePerson[] =
    "Choose two different people as the groom and the bride.";
inline constexpr char kMatchFailed[] = "The match could not be computed: %1";
inline constexpr char kMatchNotSaved[] = "The match report could not be saved to %1: %2";

}  // namespace horavela::app::texts
