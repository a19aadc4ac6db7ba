#pragma once

#include <QString>
#include <functional>
#include <memory>
#include <string>

#include "app/app_services.h"

namespace horavela::app {

// The book of people and places, opened the first time a button needs it.
// A book that cannot be opened is said once, in full; the program works on
// without it and later presses say only that it is not available.
class BookAccess {
 public:
  BookAccess(decltype(AppServices::openBook) open, std::shared_ptr<MessageBoxes> messages);
  ~BookAccess();
  BookAccess(const BookAccess&) = delete;
  BookAccess& operator=(const BookAccess&) = delete;

  // The open book, or nullptr after saying why there is none.
  book::Book* Get();

 private:
  decltype(AppServices::openBook) open_;
  std::shared_ptr<MessageBoxes> messages_;
  std::unique_ptr<book::Book> book_;
  bool tried_ = false;
  QString error_;  // why the book could not be opened
};

}  // namespace horavela::app
