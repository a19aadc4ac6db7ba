#pragma once

#include <QtGlobal>

// The texts of the dialog that matches two people of the book.

namespace horavela::app::texts {

inline constexpr char kMenuTools[] = QT_TRANSLATE_NOOP("Horavela", "&Tools");
inline constexpr char kMenuMatch[] = QT_TRANSLATE_NOOP("Horavela", "Match two people...");
inline constexpr char kMatchTitle[] = QT_TRANSLATE_NOOP("Horavela", "Match two people");
inline constexpr char kMatchGroom[] = QT_TRANSLATE_NOOP("Horavela", "Groom:");
inline constexpr char kMatchBride[] = QT_TRANSLATE_NOOP("Horavela", "Bride:");
inline constexpr char kMatchButton[] = QT_TRANSLATE_NOOP("Horavela", "Match");
inline constexpr char kMatchPrint[] = QT_TRANSLATE_NOOP("Horavela", "Print...");
inline constexpr char kMatchPdf[] = QT_TRANSLATE_NOOP("Horavela", "Save as PDF...");
inline constexpr char kMatchRtf[] = QT_TRANSLATE_NOOP("Horavela", "Export RTF...");
inline constexpr char kMatchHeading[] = QT_TRANSLATE_NOOP("Horavela", "Horavela Match Report");
inline constexpr char kMatchNeedsTwo[] = QT_TRANSLATE_NOOP(
    "Horavela",
    "The book holds fewer than two people. Save the groom and the bride in the book first "
    "(Save person on the birth page, or File > People and places... > Import).");
inline constexpr char kMatchSamePerson[] =
    QT_TRANSLATE_NOOP("Horavela", "Choose two different people as the groom and the bride.");
inline constexpr char kMatchFailed[] =
    QT_TRANSLATE_NOOP("Horavela", "The match could not be computed: %1");
inline constexpr char kMatchNotSaved[] =
    QT_TRANSLATE_NOOP("Horavela", "The match report could not be saved to %1: %2");

}  // namespace horavela::app::texts
