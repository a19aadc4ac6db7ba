#include "app/book_access.h"
#include "app/translation.h"

#include "app/book_texts.h"
#include "book/book.h"

namespace horavela::app {

BookAccess::BookAccess(decltype(AppServices::openBook) open, std::shared_ptr<MessageBoxes> messages)
    : open_(std::move(open)), messages_(std::move(messages)) {}

BookAccess::~BookAccess() = default;

book::Book* BookAccess::Get() {
  if (book_) return book_.get();
  if (tried_) {
    messages_->Show(MessageIcon::Error, QString(Tr(texts::kBookUnavailable)).arg(error_));
    return nullptr;
  }
  tried_ = true;
  std::string notice;
  Result<std::unique_ptr<book::Book>> opened =
      open_ ? open_(&notice) : StorageFailure("this session has no book");
  if (!opened) {
    error_ = QString::fromStdString(opened.error().message);
    messages_->Show(MessageIcon::Error, QString(Tr(texts::kBookNotOpened)).arg(error_));
    return nullptr;
  }
  book_ = std::move(*opened);
  if (!notice.empty()) messages_->Show(MessageIcon::Information, QString::fromStdString(notice));
  return book_.get();
}

}  // namespace horavela::app
