#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>

#include <cstdint>

#include "app/horizontal_form.h"
#include "platform/ini/ini_file.h"

namespace app {
namespace {

constexpr char kLocation[] = "Location";
constexpr char kGeneral[] = "General";

// "Time Zone Index" holds the list index less 12, which makes it the GMT
// offset in hours for the zone items.
constexpr std::int64_t kStoredZoneShift = 12;

// The list index for a stored zone; -1, no selection, for one outside the
// list.
int ZoneIndex(std::int32_t stored, int itemCount) {
  const std::int64_t index = stored + kStoredZoneShift;
  return index >= 0 && index < itemCount ? static_cast<int>(index) : -1;
}

}  // namespace

void THorizontalForm::FormCreate() {
  const platform::IniFile settings(settingsFileName_);
  const auto load = [&settings](QLineEdit* box, const char* section, const char* key,
                                const std::string& defaultText) {
    box->setText(QString::fromStdString(settings.ReadString(section, key, defaultText)));
  };
  load(LongDegrees, kLocation, "Long Degrees", "0");
  load(LongMinutes, kLocation, "Long Minutes", "0");
  load(LongSeconds, kLocation, "Long Seconds", "0");
  load(LatDegrees, kLocation, "Lat Degrees", "51");
  load(LatMinutes, kLocation, "Lat Minutes", "32");
  load(LatSeconds, kLocation, "Lat Seconds", "0.0");
  TimeZone->setCurrentIndex(
      ZoneIndex(settings.ReadInteger(kLocation, "Time Zone Index", 0), TimeZone->count()));
  DaylightSaving->setChecked(settings.ReadBool(kLocation, "DST", false));
  load(FileName, kGeneral, "Last File", DefaultOutputFileName());
}

void THorizontalForm::FormDestroy() {
  platform::IniFile settings(settingsFileName_);
  const auto save = [&settings](const char* section, const char* key, const QLineEdit* box) {
    settings.WriteString(section, key, box->text().toStdString());
  };
  save(kLocation, "Long Degrees", LongDegrees);
  save(kLocation, "Long Minutes", LongMinutes);
  save(kLocation, "Long Seconds", LongSeconds);
  save(kLocation, "Lat Degrees", LatDegrees);
  save(kLocation, "Lat Minutes", LatMinutes);
  save(kLocation, "Lat Seconds", LatSeconds);
  settings.WriteInteger(kLocation, "Time Zone Index",
                        static_cast<std::int32_t>(TimeZone->currentIndex() - kStoredZoneShift));
  save(kGeneral, "Last File", FileName);
  settings.WriteBool(kLocation, "DST", DaylightSaving->isChecked());
}

}  // namespace app
