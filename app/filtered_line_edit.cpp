#include "app/filtered_line_edit.h"
#include "app/translation.h"

#include <QKeyEvent>

#include "app/app_texts.h"

namespace horavela::app {

namespace {

constexpr char16_t kBackspace = 8;
constexpr char16_t kDelete = 127;

// Names of places are written in every script: "Port-au-Prince",
// "St. John's", "Coeur d'Alene", "São Paulo", "मुंबई" (whose vowel signs are
// combining marks).
bool IsPlaceNameCharacter(QChar c) {
  switch (c.category()) {
    case QChar::Letter_Uppercase:
    case QChar::Letter_Lowercase:
    case QChar::Letter_Titlecase:
    case QChar::Letter_Modifier:
    case QChar::Letter_Other:
    case QChar::Mark_NonSpacing:
    case QChar::Mark_SpacingCombining:
    case QChar::Mark_Enclosing:
      return true;
    default:
      break;
  }
  const char16_t code = c.unicode();
  return code == ' ' || code == '-' || code == '\'' || code == u'\u2019' || code == '.';
}

bool IsDigit(QChar c) {
  return c.unicode() >= '0' && c.unicode() <= '9';
}

bool IsAcceptedCharacter(CharacterRule rule, QChar c) {
  return rule == CharacterRule::Letters ? IsPlaceNameCharacter(c) : IsDigit(c);
}

}  // namespace

bool IsAcceptedKey(CharacterRule rule, char16_t code) {
  return code == kBackspace || code == kDelete || IsAcceptedCharacter(rule, QChar(code));
}

bool IsAcceptedText(CharacterRule rule, const QString& text) {
  for (QChar c : text) {
    if (!IsAcceptedCharacter(rule, c)) return false;
  }
  return true;
}

QString AcceptedPart(CharacterRule rule, const QString& text) {
  QString kept;
  for (QChar c : text) {
    if (IsAcceptedCharacter(rule, c)) kept += c;
  }
  return kept;
}

bool IsFilteredKeyPress(Qt::KeyboardModifiers modifiers, const QString& text) {
  if (modifiers & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) return false;
  if (text.isEmpty()) return false;
  for (QChar c : text) {
    if (c.category() == QChar::Other_Control) return false;
  }
  return true;
}

QString RefusalMessage(CharacterRule rule) {
  return rule == CharacterRule::Letters ? Tr(texts::kOnlyCharacters) : Tr(texts::kOnlyNumbers);
}

FilteredLineEdit::FilteredLineEdit(CharacterRule rule, QWidget* parent)
    : QLineEdit(parent), rule_(rule) {
  // Pastes (keyboard, context menu, middle button) and drops all arrive as
  // edits; typed characters never get this far unless accepted.
  connect(this, &QLineEdit::textEdited, this, &FilteredLineEdit::OnTextEdited);
}

void FilteredLineEdit::keyPressEvent(QKeyEvent* event) {
  if (IsFilteredKeyPress(event->modifiers(), event->text()) &&
      !IsAcceptedText(rule_, event->text())) {
    event->accept();
    Refuse();
    return;
  }
  QLineEdit::keyPressEvent(event);
}

void FilteredLineEdit::OnTextEdited(const QString& text) {
  if (IsAcceptedText(rule_, text)) return;
  // The text before the edit was accepted, so what is refused came with it:
  // keep the rest, and the cursor where it would have been without it.
  const QString before = text.left(cursorPosition());
  const int cursor = static_cast<int>(AcceptedPart(rule_, before).size());
  setText(AcceptedPart(rule_, text));
  setCursorPosition(cursor);
  Refuse();
}

void FilteredLineEdit::Refuse() {
  emit refused(RefusalMessage(rule_));
  setFocus(Qt::OtherFocusReason);
}

}  // namespace horavela::app
