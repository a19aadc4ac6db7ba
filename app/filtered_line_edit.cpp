#include "app/filtered_line_edit.h"

#include <QDropEvent>
#include <QKeyEvent>
#include <QMimeData>

#include "app/app_texts.h"

namespace horavela::app {

namespace {

constexpr char16_t kBackspace = 8;
constexpr char16_t kDelete = 127;

bool IsLetterOrBlank(char16_t c) {
  return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == ' ';
}
bool IsDigit(char16_t c) {
  return c >= '0' && c <= '9';
}

bool IsAcceptedCharacter(CharacterRule rule, char16_t c) {
  return rule == CharacterRule::Letters ? IsLetterOrBlank(c) : IsDigit(c);
}

}  // namespace

bool IsAcceptedKey(CharacterRule rule, char16_t code) {
  return code == kBackspace || code == kDelete || IsAcceptedCharacter(rule, code);
}

bool IsAcceptedText(CharacterRule rule, const QString& text) {
  for (QChar c : text) {
    if (!IsAcceptedCharacter(rule, c.unicode())) return false;
  }
  return true;
}

QString RefusalMessage(CharacterRule rule) {
  return rule == CharacterRule::Letters ? texts::kOnlyCharacters : texts::kOnlyNumbers;
}

FilteredLineEdit::FilteredLineEdit(CharacterRule rule, QWidget* parent)
    : QLineEdit(parent), rule_(rule) {
  // Pastes through the context menu, middle-button selection pastes and drops
  // all arrive as edits; keys never get this far unless accepted.
  connect(this, &QLineEdit::textEdited, this, &FilteredLineEdit::OnTextEdited);
  connect(this, &QLineEdit::textChanged, this, [this](const QString& text) {
    if (IsAcceptedText(rule_, text)) {
      acceptedText_ = text;
      acceptedCursor_ = cursorPosition();
    }
  });
}

void FilteredLineEdit::keyPressEvent(QKeyEvent* event) {
  // Keys without a character (arrows, Home, Shift) move the cursor; every
  // key with a character code is tested, Enter and Ctrl+V included.
  const QString text = event->text();
  if (text.isEmpty()) {
    QLineEdit::keyPressEvent(event);
    return;
  }
  for (QChar c : text) {
    if (!IsAcceptedKey(rule_, c.unicode())) {
      event->accept();
      Refuse();
      return;
    }
  }
  QLineEdit::keyPressEvent(event);
}

void FilteredLineEdit::dropEvent(QDropEvent* event) {
  if (event->mimeData()->hasText() && !IsAcceptedText(rule_, event->mimeData()->text())) {
    event->ignore();
    Refuse();
    return;
  }
  QLineEdit::dropEvent(event);
}

void FilteredLineEdit::OnTextEdited(const QString& text) {
  if (IsAcceptedText(rule_, text)) return;
  // The whole paste is refused: back to the text before it.
  const QString before = acceptedText_;
  const int cursor = acceptedCursor_;
  setText(before);
  setCursorPosition(std::min(cursor, static_cast<int>(before.size())));
  Refuse();
}

void FilteredLineEdit::Refuse() {
  emit refused(RefusalMessage(rule_));
  setFocus(Qt::OtherFocusReason);
}

}  // namespace horavela::app
