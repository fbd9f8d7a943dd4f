#pragma once

#include <array>
#include <string_view>

namespace app {

// How a key's value is kept, and so how it is read and written.
enum class StoredAs {
  // A box's whole text, unchanged.
  Text,
  // The file name box's text; its default is the default output file
  // (app/default_output_file.h).
  FileName,
  // The time-zone list's selected index less 12, as an integer.
  ZoneIndex,
  // Whether the box is ticked: "1" or "0".
  Flag,
};

struct SettingsKey {
  std::string_view section;
  std::string_view key;
  // The object name of the control that shows the value.
  std::string_view control;
  StoredAs storedAs;
  // As it would be stored. A "." in a Text default is the decimal point,
  // written with the user's own separator so that the default reads as a
  // number in every locale.
  std::string_view defaultValue;
};

// Every key of the settings file, in the order in which closing the window
// writes them. Opening reads them in the same order.
inline constexpr std::array<SettingsKey, 9> kSettingsKeys{{
    {"Location", "Long Degrees", "LongDegrees", StoredAs::Text, "0"},
    {"Location", "Long Minutes", "LongMinutes", StoredAs::Text, "0"},
    {"Location", "Long Seconds", "LongSeconds", StoredAs::Text, "0"},
    {"Location", "Lat Degrees", "LatDegrees", StoredAs::Text, "51"},
    {"Location", "Lat Minutes", "LatMinutes", StoredAs::Text, "32"},
    {"Location", "Lat Seconds", "LatSeconds", StoredAs::Text, "0.0"},
    {"Location", "Time Zone Index", "TimeZone", StoredAs::ZoneIndex, "0"},
    {"General", "Last File", "FileName", StoredAs::FileName, ""},
    {"Location", "DST", "DaylightSaving", StoredAs::Flag, "0"},
}};

}  // namespace app
