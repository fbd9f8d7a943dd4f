#pragma once

namespace app {

// Names the program in the task bar and titles its error boxes.
inline constexpr char kApplicationTitle[] = "Ziradadozo Rezudor Design";

}  // namespace app
