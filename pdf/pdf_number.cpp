#include "pdf/pdf_number.h"

#include "drawing/decimal_digits.h"

namespace pdf {
namespace {

constexpr int kDecimals = 4;
// Enough for any page coordinate without falling into the exponent form.
constexpr int kPrecision = 15;

}  // namespace

std::string PdfNumber(double value) {
  std::string text = drawing::FixedForm(value, kPrecision, kDecimals);
  while (text.back() == '0') text.pop_back();
  if (text.back() == '.') text.pop_back();
  return text;
}

}  // namespace pdf
