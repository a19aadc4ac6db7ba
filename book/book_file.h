#pragma once

#include <QString>

// The book's file on disk, before and after SQLite has looked at it.
namespace horavela::book {

// Why the book at `path` cannot be opened for writing (its folder cannot be
// made or written, the file cannot be read or written), or an empty string.
// Makes the folder when it is missing.
QString CheckBookLocation(const QString& path);

// Whether the book at `path` is a file the user may read but not write (nor
// its folder, where SQLite keeps its journal): such a book is opened
// read-only to be listed or exported.
bool OnlyReadable(const QString& path);

// Moves a damaged book out of the way to "<path>.damaged-YYYYMMDD-HHMMSS"
// (another free name when that is taken), with its SQLite journal files
// beside it, so a fresh book can begin at `path`. Returns where the book went,
// or an empty string with the reason in `error`.
QString SetAside(const QString& path, QString* error);

}  // namespace horavela::book
