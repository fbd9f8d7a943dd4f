#include "design/style_feet.h"

namespace design {

std::vector<double> StyleFeet(double H, double thickness) {
  if (thickness == 0) return {0};
  const double half = thickness / 2;
  if (H == 90 || H == 270) return {-half, half};
  if (H > 90 && H < 270) return {-half};
  return {half};
}

}  // namespace design
