#pragma once

// The texts of the book of people and places in the desktop program.

namespace horavela::app::texts {

// The buttons of the two input pages and the File menu
inline constexpr char kChoosePerson[] = "Choose person...";
inline constexpr char kSavePerson[] = "Save person";
inline constexpr char kChoosePlace[] = "Choose place...";
inline constexpr char kSavePlace[] = "Save place";
inline constexpr char kMenuBook[] = "People and places...";

// Opening the book
inline constexpr char kBookNotOpened[] =
    "The book of people and places could not be opened: %1\n\nHoravela works on without it; "
    "people and places cannot be saved or chosen until the program is started again.";
inline constexpr char kBookUnavailable[] = "The book of people and places is not available: %1";
inline constexpr char kBookNotChanged[] = "The book could not be changed: %1";

// Saving from the pages
inline constexpr char kNoteCaption[] = "Save person";
inline constexpr char kNotePrompt[] = "A note about %1 (optional):";
inline constexpr char kPersonSaved[] = "%1, born %2, is saved in the book.";
inline constexpr char kPersonAlreadyThere[] = "%1, born %2, is already in the book.";
inline constexpr char kPlaceSaved[] = "%1 is saved in the book.";
inline constexpr char kPlaceAlreadyThere[] = "%1 is already in the book.";

// Choosing
inline constexpr char kChoosePersonTitle[] = "Choose a person";
inline constexpr char kChoosePlaceTitle[] = "Choose a place";
inline constexpr char kSearchPeople[] = "Search by name";
inline constexpr char kSearchPlaces[] = "Search by city";
inline constexpr char kNoPeopleYet[] =
    "The book has no people yet. Fill in the birth page and press Save person.";
inline constexpr char kNoPlacesYet[] =
    "The book has no places yet. Fill in the election page and press Save place.";
inline constexpr char kColumnName[] = "Name";
inline constexpr char kColumnBorn[] = "Born";
inline constexpr char kColumnPlace[] = "Place";
inline constexpr char kColumnCity[] = "City";
inline constexpr char kColumnState[] = "State";
inline constexpr char kColumnCountry[] = "Country";
inline constexpr char kColumnCoordinates[] = "Coordinates";
inline constexpr char kOk[] = "OK";
inline constexpr char kCancel[] = "Cancel";

// The book dialog
inline constexpr char kBookTitle[] = "People and places";
inline constexpr char kTabPeople[] = "People";
inline constexpr char kTabPlaces[] = "Places";
inline constexpr char kSearchBook[] = "Search";
inline constexpr char kEdit[] = "&Edit...";
inline constexpr char kDelete[] = "&Delete";
inline constexpr char kImport[] = "&Import...";
inline constexpr char kExport[] = "E&xport...";
inline constexpr char kClose[] = "Close";
inline constexpr char kNothingSelected[] = "Select an entry in the list first.";
inline constexpr char kDeletePerson[] = "Delete %1, born %2?";
inline constexpr char kDeletePlace[] = "Delete %1?";
inline constexpr char kDeleteForGood[] = "The entry is removed from the book for good.";
inline constexpr char kImportCaption[] = "Import people and places";
inline constexpr char kExportCaption[] = "Export people and places";
inline constexpr char kExportName[] = "horavela-book.json";
inline constexpr char kJsonFilter[] = "JSON files (*.json);;All files (*)";
inline constexpr char kImportUnreadable[] = "The file %1 could not be read: %2";
inline constexpr char kImportNotABook[] = "The file %1 is not a book of people and places: %2";
inline constexpr char kImported[] =
    "Imported from %1: %2 added, %3 skipped as already in the book.";
inline constexpr char kImportFailed[] = "Nothing was imported from %1: %2";
inline constexpr char kExported[] = "%1 people and %2 places exported to %3.";
inline constexpr char kExportFailed[] = "The book could not be exported to %1: %2";

// The edit form
inline constexpr char kEditPersonTitle[] = "Edit person";
inline constexpr char kEditPlaceTitle[] = "Edit place";
inline constexpr char kSex[] = "Sex";
inline constexpr char kNote[] = "Note";
inline constexpr char kZone[] = "Zone";
inline constexpr char kFollowsAtlasZone[] = "Follows the atlas zone %1";
inline constexpr char kEnterPersonName[] = "Please enter the name";
inline constexpr char kEnterPlaceCity[] = "Please enter the city";

}  // namespace horavela::app::texts
