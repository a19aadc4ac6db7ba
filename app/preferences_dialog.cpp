#include "app/preferences_dialog.h"
#include "app/translation.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>
#include <cstddef>
#include <string_view>
#include <type_traits>

#include "app/app_language.h"
#include "app/calculation_preferences.h"
#include "app/preferences_texts.h"
#include "language/catalog.h"

namespace horavela::app {

namespace {

// The words of each setting's row, in the order of ForEachSetting.
struct SettingRow {
  const char* box;
  const char* label;
  const char* why;
};
constexpr std::array<SettingRow, 4> kRows = {{
    {"cboEphemeris", texts::kEphemerisLabel, texts::kEphemerisWhy},
    {"cboAyanamsa", texts::kAyanamsaLabel, texts::kAyanamsaWhy},
    {"cboSunrise", texts::kSunriseLabel, texts::kSunriseWhy},
    {"cboTarabala", texts::kTarabalaLabel, texts::kTarabalaWhy},
}};

template <typename Setting>
using Plain = std::remove_cvref_t<Setting>;

template <typename Setting>
void FillBox(QComboBox* box) {
  // The core's captions in the shown language, as the reports name them.
  for (const SettingChoice<Setting>& choice : SettingChoices<Setting>()) {
    const std::string_view caption = Translated(choice.caption, ShownLanguage());
    box->addItem(QString::fromUtf8(caption.data(), static_cast<qsizetype>(caption.size())));
  }
}

template <typename Setting>
int ChoiceIndexOf(Setting value) {
  const auto choices = SettingChoices<Setting>();
  for (std::size_t i = 0; i < choices.size(); ++i)
    if (choices[i].value == value) return static_cast<int>(i);
  return 0;
}

template <typename Setting>
Setting ValueAt(int index) {
  const auto choices = SettingChoices<Setting>();
  if (index < 0 || static_cast<std::size_t>(index) >= choices.size()) return choices[0].value;
  return choices[static_cast<std::size_t>(index)].value;
}

QWidget* Explanation(const QString& text, QWidget* parent) {
  auto* line = new QLabel(text, parent);
  line->setWordWrap(true);
  QFont font = line->font();
  font.setPointSizeF(font.pointSizeF() * 0.9);
  line->setFont(font);
  line->setForegroundRole(QPalette::PlaceholderText);
  return line;
}

}  // namespace

PreferencesDialog::PreferencesDialog(const CalculationSettings& current, QWidget* parent)
    : QDialog(parent) {
  setObjectName("frmPreferences");
  setWindowTitle(Tr(texts::kPreferencesTitle));

  auto* intro = new QLabel(Tr(texts::kPreferencesIntro), this);
  intro->setWordWrap(true);
  auto* form = new QFormLayout;
  form->setRowWrapPolicy(QFormLayout::DontWrapRows);
  form->setLabelAlignment(Qt::AlignLeft | Qt::AlignTop);
  CalculationSettings defaults;
  std::size_t row = 0;
  ForEachSetting(defaults, [this, form, &row](const char*, auto& value) {
    QComboBox* box = boxes_[row] = new QComboBox(this);
    box->setObjectName(kRows[row].box);
    FillBox<Plain<decltype(value)>>(box);
    // The box with its line close under it, the next setting a little apart.
    auto* field = new QVBoxLayout;
    field->setSpacing(2);
    field->setContentsMargins(0, 0, 0, fontMetrics().height() / 2);
    field->addWidget(box);
    field->addWidget(Explanation(Tr(kRows[row].why), this));
    auto* label = new QLabel(Tr(kRows[row].label), this);
    label->setBuddy(box);
    form->addRow(label, field);
    ++row;
  });

  auto* buttons = new QDialogButtonBox(
      QDialogButtonBox::Ok | QDialogButtonBox::Cancel | QDialogButtonBox::RestoreDefaults, this);
  buttons->button(QDialogButtonBox::Ok)->setObjectName("cmdOK");
  buttons->button(QDialogButtonBox::Cancel)->setObjectName("cmdCancel");
  QPushButton* restore = buttons->button(QDialogButtonBox::RestoreDefaults);
  restore->setObjectName("cmdRestoreDefaults");
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  connect(restore, &QPushButton::clicked, this, [this] { ShowSettings({}); });

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(intro);
  layout->addLayout(form);
  layout->addWidget(buttons);
  // As tall as the wrapped lines need at that width, no taller.
  const int width = fontMetrics().averageCharWidth() * 80;
  setMinimumWidth(width);
  resize(width, layout->heightForWidth(width));
  ShowSettings(current);
}

CalculationSettings PreferencesDialog::Chosen() const {
  CalculationSettings chosen;
  std::size_t row = 0;
  ForEachSetting(chosen, [this, &row](const char*, auto& value) {
    value = ValueAt<Plain<decltype(value)>>(boxes_[row++]->currentIndex());
  });
  return chosen;
}

void PreferencesDialog::ShowSettings(const CalculationSettings& settings) {
  std::size_t row = 0;
  ForEachSetting(settings, [this, &row](const char*, const auto& value) {
    boxes_[row++]->setCurrentIndex(ChoiceIndexOf(value));
  });
}

}  // namespace horavela::app
