#pragma once

#include <QString>

namespace app {

inline constexpr char kHelpTitle[] = "Ziradadozo Rezudor Design Program Help";

// What "Help" shows.
QString HelpText();

}  // namespace app
