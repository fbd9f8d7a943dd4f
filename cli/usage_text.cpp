#include "cli/usage_text.h"

#include "cli/version.h"

namespace cli {

std::string HelpText() {
  return "Usage: ziradadozo-rezudor-dxf [OPTION]... -o FILE\n"
         "  or:  ziradadozo-rezudor-dxf [OPTION]... --svg=FILE\n"
         "  or:  ziradadozo-rezudor-dxf [OPTION]... --eot-csv\n"
         "Write the DXF drawing of a horizontal sundial for one site, its picture as\n"
         "SVG at true size, or both. A FILE of - is standard output (for one of the two).\n"
         "\n"
         "Site:\n"
         "      --lat=DEGREES         latitude as decimal degrees (51.5333) or as\n"
         "                              DEG:MIN:SEC (51:32:0)\n"
         "      --lat-deg=NUMBER      latitude degrees\n"
         "      --lat-min=NUMBER      latitude minutes\n"
         "      --lat-sec=NUMBER      latitude seconds\n"
         "      --long=DEGREES        longitude as decimal degrees or DEG:MIN:SEC\n"
         "      --long-deg=NUMBER     longitude degrees\n"
         "      --long-min=NUMBER     longitude minutes\n"
         "      --long-sec=NUMBER     longitude seconds\n"
         "      --locale-numbers      read the coordinates with the locale's decimal\n"
         "                              separator, as the window does\n"
         "West and north are positive; a '-' in the degrees makes a value east or south.\n"
         "A coordinate not given at all is 51:32:0 (latitude) or 0:0:0 (longitude);\n"
         "the parts of a given coordinate that are left out are 0. Numbers use '.' as\n"
         "their decimal point, whatever the locale, unless --locale-numbers is given.\n"
         "\n"
         "Time:\n"
         "      --zone=ZONE           GMT offset in whole hours, -12 to +13 (default 0);\n"
         "                              LAT for local apparent time; none for no zone\n"
         "                              selected\n"
         "      --dst                 the dial reads daylight saving time\n"
         "\n"
         "Output:\n"
         "  -o FILE                   write the DXF drawing to FILE\n"
         "      --svg=FILE            write the drawing's picture to FILE, as SVG sized\n"
         "                              to print at true size\n"
         "      --gnomon-length=LENGTH\n"
         "                              the gnomon's printed length in the picture: a\n"
         "                              number and mm, cm or in, from 0.001mm to 1 km\n"
         "                              (default 100mm)\n"
         "\n"
         "For dial makers:\n"
         "      --minutes=N           a line every N minutes between the hours: 30, 20,\n"
         "                              15, 10 or 5\n"
         "      --style-thickness=LENGTH\n"
         "                              the gnomon is a plate this thick: a number and\n"
         "                              mm, cm or in (measured against --gnomon-length),\n"
         "                              or drawing units without one; the dial's halves\n"
         "                              move apart by it and noon becomes two lines\n"
         "      --eot-table           a table of the time to add to the dial's reading\n"
         "                              to get clock time (the equation of time), beside\n"
         "                              the angle table\n"
         "      --eot-csv             print that table as CSV on standard output\n"
         "\n"
         "  -v, --verbose             print each status text on standard error\n"
         "  -h, --help                display this help and exit\n"
         "      --version             output version information and exit\n"
         "\n"
         "Exit status:\n"
         " 0  the drawing was written\n"
         " 1  the design was rejected or failed; the reason goes to standard error\n"
         " 2  the command line was not understood\n";
}

std::string VersionText() {
  return "ziradadozo-rezudor-dxf " ZRD_VERSION
         "\n"
         "Copyright (C) 2026 the Ziradadozo Rezudor Design authors.\n"
         "License MIT: <https://opensource.org/licenses/MIT>.\n"
         "This is free software: you are free to change and redistribute it.\n"
         "There is NO WARRANTY, to the extent permitted by law.\n";
}

std::string TryHelpText() { return "Try 'ziradadozo-rezudor-dxf --help' for more information.\n"; }

}  // namespace cli
