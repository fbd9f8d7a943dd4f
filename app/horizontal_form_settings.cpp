#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>

#include <cstdint>
#include <filesystem>
#include <system_error>

#include "app/default_output_file.h"
#include "app/horizontal_form.h"
#include "app/settings_keys.h"
#include "platform/gui/system_text.h"
#include "platform/ini/ini_file.h"
#include "platform/ini/ini_integer.h"
#include "platform/number_text.h"
#include "platform/paths.h"

namespace app {
namespace {

using platform::gui::SystemBytesFromText;
using platform::gui::TextFromSystemBytes;

// "Time Zone Index" holds the list index less 12, which makes it the GMT
// offset in hours for the zone items.
constexpr std::int64_t kStoredZoneShift = 12;

// The list index for a stored zone; -1, no selection, for one outside the
// list.
int ZoneIndex(std::int32_t stored, int itemCount) {
  const std::int64_t index = stored + kStoredZoneShift;
  return index >= 0 && index < itemCount ? static_cast<int>(index) : -1;
}

std::string DefaultText(const SettingsKey& entry) {
  if (entry.storedAs == StoredAs::FileName) return DefaultOutputFileName();
  std::string text(entry.defaultValue);
  if (const std::size_t point = text.find('.'); point != std::string::npos) {
    text.replace(point, 1, platform::DecimalSeparator());
  }
  return text;
}

std::int32_t DefaultNumber(const SettingsKey& entry) {
  return platform::ParseIniInteger(entry.defaultValue).value_or(0);
}

template <typename Control>
Control* ControlOf(const QWidget& form, const SettingsKey& entry) {
  return form.findChild<Control*>(
      QString::fromLatin1(entry.control.data(), static_cast<qsizetype>(entry.control.size())));
}

void Load(const platform::IniFile& settings, const SettingsKey& entry, const QWidget& form) {
  switch (entry.storedAs) {
    case StoredAs::Text:
    case StoredAs::FileName:
      ControlOf<QLineEdit>(form, entry)
          ->setText(TextFromSystemBytes(
              settings.ReadString(entry.section, entry.key, DefaultText(entry))));
      break;
    case StoredAs::ZoneIndex: {
      QComboBox* list = ControlOf<QComboBox>(form, entry);
      list->setCurrentIndex(ZoneIndex(
          settings.ReadInteger(entry.section, entry.key, DefaultNumber(entry)), list->count()));
      break;
    }
    case StoredAs::Flag:
      ControlOf<QCheckBox>(form, entry)->setChecked(
          settings.ReadBool(entry.section, entry.key, DefaultNumber(entry) != 0));
      break;
  }
}

void Save(platform::IniFile& settings, const SettingsKey& entry, const QWidget& form) {
  switch (entry.storedAs) {
    case StoredAs::Text:
    case StoredAs::FileName:
      settings.WriteString(entry.section, entry.key,
                           SystemBytesFromText(ControlOf<QLineEdit>(form, entry)->text()));
      break;
    case StoredAs::ZoneIndex:
      settings.WriteInteger(
          entry.section, entry.key,
          static_cast<std::int32_t>(ControlOf<QComboBox>(form, entry)->currentIndex() -
                                    kStoredZoneShift));
      break;
    case StoredAs::Flag:
      settings.WriteBool(entry.section, entry.key, ControlOf<QCheckBox>(form, entry)->isChecked());
      break;
  }
}

// The settings folder in the user's configuration folder may not exist yet.
// When it cannot be made, the first write reports the file.
void MakeFolderOf(const std::string& fileName) {
  std::error_code ignored;
  std::filesystem::create_directories(platform::ExtractFilePath(fileName), ignored);
}

}  // namespace

void THorizontalForm::FormCreate() {
  const platform::IniFile settings(settingsFileName_);
  for (const SettingsKey& entry : kSettingsKeys) Load(settings, entry, *this);
}

void THorizontalForm::FormDestroy() {
  MakeFolderOf(settingsFileName_);
  platform::IniFile settings(settingsFileName_);
  for (const SettingsKey& entry : kSettingsKeys) Save(settings, entry, *this);
}

}  // namespace app
