#pragma once

#include <QLineEdit>
#include <QString>

namespace horavela::app {

// Which characters a field takes from the keyboard.
enum class CharacterRule {
  Letters,  // place names: letters of any script, blanks, hyphens, apostrophes, dots
  Digits,   // 0-9: degrees and minutes
};

// Whether a printable character typed into a field of `rule` is accepted.
// Backspace (8) and delete (127) are always accepted.
bool IsAcceptedKey(CharacterRule rule, char16_t code);

// Whether every character of a text is one the field accepts.
bool IsAcceptedText(CharacterRule rule, const QString& text);

// The characters of `text` the field accepts, in order.
QString AcceptedPart(CharacterRule rule, const QString& text);

// Whether a key press is a character for the filter to judge: a chord
// (Ctrl, Alt or Meta held: copy, paste, undo, select all), a key without a
// character (arrows, Home) and a control character (Enter, Tab, Escape) never are.
bool IsFilteredKeyPress(Qt::KeyboardModifiers modifiers, const QString& text);

// The message shown when a field of `rule` refuses a key or a text.
QString RefusalMessage(CharacterRule rule);

// A line edit that refuses typed characters outside its character rule and
// keeps only the accepted characters of a paste or a drop. It emits `refused`
// and keeps the focus; the window shows the message.
class FilteredLineEdit : public QLineEdit {
  Q_OBJECT

 public:
  FilteredLineEdit(CharacterRule rule, QWidget* parent = nullptr);

  CharacterRule rule() const { return rule_; }

 signals:
  void refused(const QString& message);

 protected:
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void OnTextEdited(const QString& text);
  void Refuse();

  CharacterRule rule_;
};

}  // namespace horavela::app
