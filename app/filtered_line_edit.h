#pragma once

#include <QLineEdit>
#include <QString>

namespace horavela::app {

// Which characters a field takes from the keyboard.
enum class CharacterRule {
  Letters,  // A-Z, a-z, blank: place names
  Digits,   // 0-9: degrees and minutes
};

// Whether a character code typed into a field of `rule` is accepted.
// Backspace (8) and delete (127) are always accepted; every other code,
// including Enter and control combinations, is refused.
bool IsAcceptedKey(CharacterRule rule, char16_t code);

// Whether every character of a pasted or dropped text is one the field accepts.
bool IsAcceptedText(CharacterRule rule, const QString& text);

// The message shown when a field of `rule` refuses a key or a text.
QString RefusalMessage(CharacterRule rule);

// A line edit that refuses keys, pastes and drops outside its character rule.
// It emits `refused` and takes the focus back; the window shows the message.
class FilteredLineEdit : public QLineEdit {
  Q_OBJECT

 public:
  FilteredLineEdit(CharacterRule rule, QWidget* parent = nullptr);

  CharacterRule rule() const { return rule_; }

 signals:
  void refused(const QString& message);

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void dropEvent(QDropEvent* event) override;

 private:
  void OnTextEdited(const QString& text);
  void Refuse();

  CharacterRule rule_;
  QString acceptedText_;  // the text before the last edit, for undoing a refused paste
  int acceptedCursor_ = 0;
};

}  // namespace horavela::app
