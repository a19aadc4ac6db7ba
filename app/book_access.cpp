#include "app/book_access.h"

#include "app/book_texts.h"
#include "book/book.h"

namespace horavela::app {

BookAccess::BookAccess(decltype(AppServices::openBook) open, std::shared_ptr<MessageBoxes> messages)
    : open_(std::move(open)), messages_(std::move(messages)) {}

BookAccess::~BookAccess() = default;

book::Book* BookAccess::Get() {
  if (book_) return book_.get();
  if (tried_) {
    messages_->Show(MessageIcon::Error, QString(texts::kBookUnavailable).arg(error_));
    return nullptr;
  }
  tried_ = true;
  std::string error;
  std::string notice;
  if (open_) {
    book_ = open_(&error, &notice);
  } else {
    error = "this session has no book";
  }
  if (!book_) {
    error_ = QString::fromStdString(error);
    messages_->Show(MessageIcon::Error, QString(texts::kBookNotOpened).arg(error_));
    return nullptr;
  }
  if (!notice.empty()) messages_->Show(MessageIcon::Information, QString::fromStdString(notice));
  return book_.get();
}

}  // namespace horavela::app
