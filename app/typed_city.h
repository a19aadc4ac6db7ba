#pragma once

#include <QString>
#include <optional>

#include "app/app_services.h"
#include "atlas/places.h"

namespace horavela::app {

// A gazetteer name as the place fields can hold it: as written where the
// fields take every character, otherwise with the refused ones made plain
// ("Sao Paulo" in a field of A to Z, "Aix en Provence" where hyphens are refused).
QString ForPlaceField(const QString& name);

// A place name as people compare them: without case, accents or the marks
// between words, so "port au prince" names Port-au-Prince and "Sao Paulo"
// names São Paulo.
QString ComparableName(const QString& name);

// The atlas city that a name typed in full stands for when the user chose
// none of the offers: the only city of that name, or the one the offers list
// first (the most populous match) when it has exactly that name. Nothing for
// a name the atlas does not know, or one that several cities share while a
// bigger city of another name leads the offers: those must be chosen.
std::optional<Place> CityNamedBy(const QString& typed, const CityLookup& lookup);

}  // namespace horavela::app
