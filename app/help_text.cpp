#include "app/help_text.h"

namespace app {

QString HelpText() {
  return QStringLiteral(
      "This dial drawing program is used for horizontal sundials outside the Tropics.\n"
      "\nEnter the longitude and latitude of the dial location with as great an accuracy as "
      "you can manage.\n"
      "\tLongitude East: Degrees are to be preceeded by a - sign.\n"
      "\tLatitude South: Degrees are to be preceeded by a - sign.\n"
      "\nSelect the time zone you want the dial to read, then select the output file for the "
      "dial drawing. This will be in .dxf format showing the hour lines and gnomon profile. "
      "The scale of the drawing is such that the gnomon length is 1.000 units. The drawing "
      "can be scaled in a CAD program once you have determined the gnomon length.\n"
      "\nFinally, press the 'Go!' button.");
}

}  // namespace app
