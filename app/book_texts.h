#pragma once

#include <QtGlobal>

// The texts of the book of people and places in the desktop program.

namespace horavela::app::texts {

// The buttons of the two input pages and the File menu
inline constexpr char kChoosePerson[] = QT_TRANSLATE_NOOP("Horavela", "Choose person...");
inline constexpr char kSavePerson[] = QT_TRANSLATE_NOOP("Horavela", "Save person");
inline constexpr char kChoosePlace[] = QT_TRANSLATE_NOOP("Horavela", "Choose place...");
inline constexpr char kSavePlace[] = QT_TRANSLATE_NOOP("Horavela", "Save place");
inline constexpr char kMenuBook[] = QT_TRANSLATE_NOOP("Horavela", "People and places...");

// Opening the book
inline constexpr char kBookNotOpened[] = QT_TRANSLATE_NOOP(
    "Horavela",
    "The book of people and places could not be opened: %1\n\nHoravela works on without it; "
    "people and places cannot be saved or chosen until the program is started again.");
inline constexpr char kBookUnavailable[] =
    QT_TRANSLATE_NOOP("Horavela", "The book of people and places is not available: %1");
inline constexpr char kBookNotChanged[] =
    QT_TRANSLATE_NOOP("Horavela", "The book could not be changed: %1");

// Saving from the pages
inline constexpr char kNoteCaption[] = QT_TRANSLATE_NOOP("Horavela", "Save person");
inline constexpr char kNotePrompt[] = QT_TRANSLATE_NOOP("Horavela", "A note about %1 (optional):");
inline constexpr char kPersonSaved[] =
    QT_TRANSLATE_NOOP("Horavela", "%1, born %2, is saved in the book.");
inline constexpr char kPersonAlreadyThere[] =
    QT_TRANSLATE_NOOP("Horavela", "%1, born %2, is already in the book.");
inline constexpr char kPlaceSaved[] = QT_TRANSLATE_NOOP("Horavela", "%1 is saved in the book.");
inline constexpr char kPlaceAlreadyThere[] =
    QT_TRANSLATE_NOOP("Horavela", "%1 is already in the book.");

// Choosing
inline constexpr char kChoosePersonTitle[] = QT_TRANSLATE_NOOP("Horavela", "Choose a person");
inline constexpr char kChoosePlaceTitle[] = QT_TRANSLATE_NOOP("Horavela", "Choose a place");
inline constexpr char kSearchPeople[] = QT_TRANSLATE_NOOP("Horavela", "Search by name");
inline constexpr char kSearchPlaces[] = QT_TRANSLATE_NOOP("Horavela", "Search by city");
inline constexpr char kNoPeopleYet[] = QT_TRANSLATE_NOOP(
    "Horavela", "The book has no people yet. Fill in the birth page and press Save person.");
inline constexpr char kNoPlacesYet[] = QT_TRANSLATE_NOOP(
    "Horavela", "The book has no places yet. Fill in the election page and press Save place.");
inline constexpr char kColumnName[] = QT_TRANSLATE_NOOP("Horavela", "Name");
inline constexpr char kColumnBorn[] = QT_TRANSLATE_NOOP("Horavela", "Born");
inline constexpr char kColumnPlace[] = QT_TRANSLATE_NOOP("Horavela", "Place");
inline constexpr char kColumnCity[] = QT_TRANSLATE_NOOP("Horavela", "City");
inline constexpr char kColumnState[] = QT_TRANSLATE_NOOP("Horavela", "State");
inline constexpr char kColumnCountry[] = QT_TRANSLATE_NOOP("Horavela", "Country");
inline constexpr char kColumnCoordinates[] = QT_TRANSLATE_NOOP("Horavela", "Coordinates");
inline constexpr char kOk[] = QT_TRANSLATE_NOOP("Horavela", "OK");
inline constexpr char kCancel[] = QT_TRANSLATE_NOOP("Horavela", "Cancel");

// The book dialog
inline constexpr char kBookTitle[] = QT_TRANSLATE_NOOP("Horavela", "People and places");
inline constexpr char kTabPeople[] = QT_TRANSLATE_NOOP("Horavela", "People");
inline constexpr char kTabPlaces[] = QT_TRANSLATE_NOOP("Horavela", "Places");
inline constexpr char kSearchBook[] = QT_TRANSLATE_NOOP("Horavela", "Search");
inline constexpr char kEdit[] = QT_TRANSLATE_NOOP("Horavela", "&Edit...");
inline constexpr char kDelete[] = QT_TRANSLATE_NOOP("Horavela", "&Delete");
inline constexpr char kImport[] = QT_TRANSLATE_NOOP("Horavela", "&Import...");
inline constexpr char kExport[] = QT_TRANSLATE_NOOP("Horavela", "E&xport...");
inline constexpr char kClose[] = QT_TRANSLATE_NOOP("Horavela", "Close");
inline constexpr char kNothingSelected[] =
    QT_TRANSLATE_NOOP("Horavela", "Select an entry in the list first.");
inline constexpr char kDeletePerson[] = QT_TRANSLATE_NOOP("Horavela", "Delete %1, born %2?");
inline constexpr char kDeletePlace[] = QT_TRANSLATE_NOOP("Horavela", "Delete %1?");
inline constexpr char kDeleteForGood[] =
    QT_TRANSLATE_NOOP("Horavela", "The entry is removed from the book for good.");
inline constexpr char kImportCaption[] = QT_TRANSLATE_NOOP("Horavela", "Import people and places");
inline constexpr char kExportCaption[] = QT_TRANSLATE_NOOP("Horavela", "Export people and places");
inline constexpr char kExportName[] = QT_TRANSLATE_NOOP("Horavela", "horavela-book.json");
inline constexpr char kJsonFilter[] =
    QT_TRANSLATE_NOOP("Horavela", "JSON files (*.json);;All files (*)");
inline constexpr char kImportUnreadable[] =
    QT_TRANSLATE_NOOP("Horavela", "The file %1 could not be read: %2");
inline constexpr char kImportNotABook[] =
    QT_TRANSLATE_NOOP("Horavela", "The file %1 is not a book of people and places: %2");
inline constexpr char kImported[] =
    QT_TRANSLATE_NOOP("Horavela", "Imported from %1: %2 added, %3 skipped as already in the book.");
inline constexpr char kImportFailed[] =
    QT_TRANSLATE_NOOP("Horavela", "Nothing was imported from %1: %2");
inline constexpr char kExported[] =
    QT_TRANSLATE_NOOP("Horavela", "%1 people and %2 places exported to %3.");
inline constexpr char kExportFailed[] =
    QT_TRANSLATE_NOOP("Horavela", "The book could not be exported to %1: %2");

// The edit form
inline constexpr char kEditPersonTitle[] = QT_TRANSLATE_NOOP("Horavela", "Edit person");
inline constexpr char kEditPlaceTitle[] = QT_TRANSLATE_NOOP("Horavela", "Edit place");
inline constexpr char kSex[] = QT_TRANSLATE_NOOP("Horavela", "Sex");
inline constexpr char kNote[] = QT_TRANSLATE_NOOP("Horavela", "Note");
inline constexpr char kZone[] = QT_TRANSLATE_NOOP("Horavela", "Zone");
inline constexpr char kFollowsAtlasZone[] =
    QT_TRANSLATE_NOOP("Horavela", "Follows the atlas zone %1");
inline constexpr char kEnterPersonName[] = QT_TRANSLATE_NOOP("Horavela", "Please enter the name");
inline constexpr char kEnterPlaceCity[] = QT_TRANSLATE_NOOP("Horavela", "Please enter the city");

}  // namespace horavela::app::texts
