#pragma once

#include "language/language.h"
#include "matching/match.h"
#include "report/rich_text_sink.h"

// The one-page report of a couple's match, the same on screen, on paper, in
// a PDF and in RTF or HTML: both people's particulars, the eight kootas with
// their points and the band, the two doshas, the ten poruthams and the
// Manglik check.
namespace horavela {

// Clears `sink` and writes the report of `match`, the match of `request`,
// its headings, fixed words, reasons and the names of the kootas,
// poruthams and classes in `language` (the particulars' names as typed).
void WriteMatchReport(const matching::MatchRequest& request, const matching::Match& match,
                      RichTextSink& sink, Language language = Language::English);

}  // namespace horavela
