#pragma once

namespace design {

// The status line's texts during and after a design run.
inline constexpr const char* kStartingCalculations = "Starting Calculations";
inline constexpr const char* kLatitudeRejected = "Latitude must be +89.999 to -89.999 degrees";
inline constexpr const char* kLongitudeRejected = "Longitude must be +180 to -180 degrees";
inline constexpr const char* kSavingDxfFile = "Saving DXF File";
inline constexpr const char* kFinished = "Finished";
inline constexpr const char* kRunFailed = "An error ocurred - sorry!";

}  // namespace design
