#pragma once

#include <QSqlQuery>
#include <QStringList>
#include <QVariantList>

#include "book/book.h"

// How a person and a place lie in their table's columns: the column names
// and the values in the same order, both ways.
namespace horavela::book {

// The stored columns, without the id.
const QStringList& PersonColumns();
const QStringList& PlaceColumns();

QVariantList PersonValues(const Person& person);
QVariantList PlaceValues(const Place& place);

// The entry of the query's current row, selected as "id" then the columns.
Person PersonFromRow(const QSqlQuery& query);
Place PlaceFromRow(const QSqlQuery& query);

// The columns that tell one entry from another: a person by name, sex and
// birth (date, time and coordinates), a place by its names and coordinates.
const QStringList& PersonKeyColumns();
const QStringList& PlaceKeyColumns();

}  // namespace horavela::book
