#include "pdf/pdf_file.h"

#include <charconv>

#include "pdf/helvetica.h"
#include "pdf/pdf_number.h"

namespace pdf {
namespace {

// Object numbers: the catalog, the page tree and the font first, then a
// page and its content for every page.
constexpr int kCatalog = 1;
constexpr int kPageTree = 2;
constexpr int kFont = 3;
constexpr int kFirstPage = 4;

int PageObject(std::size_t index) { return kFirstPage + 2 * static_cast<int>(index); }
int ContentObject(std::size_t index) { return PageObject(index) + 1; }

// A whole number in decimal, through no locale.
std::string Decimal(std::size_t value) {
  char digits[24];
  return std::string(digits, std::to_chars(digits, digits + sizeof digits, value).ptr);
}

// Padded with zeros to ten digits, as a cross-reference entry holds it.
std::string TenDigits(std::size_t value) {
  const std::string digits = Decimal(value);
  return std::string(digits.size() < 10 ? 10 - digits.size() : 0, '0') + digits;
}

std::string Reference(int object) { return Decimal(object) + " 0 R"; }

// The byte offset of every object, for the cross-reference table.
class ObjectWriter {
 public:
  explicit ObjectWriter(std::string& file) : file_(file) {}

  void Object(int number, const std::string& body) {
    if (offsets_.size() < static_cast<std::size_t>(number)) offsets_.resize(number);
    offsets_[number - 1] = file_.size();
    file_ += Decimal(number) + " 0 obj\n" + body + "\nendobj\n";
  }

  // Each entry is exactly 20 bytes: ten digits, the generation, the kind
  // and a two-byte end of line.
  void CrossReference() {
    const std::size_t start = file_.size();
    file_ += "xref\n0 " + Decimal(offsets_.size() + 1) + "\n0000000000 65535 f \n";
    for (std::size_t offset : offsets_) {
      file_ += TenDigits(offset) + " 00000 n \n";
    }
    file_ += "trailer\n<< /Size " + Decimal(offsets_.size() + 1) + " /Root " + Reference(kCatalog) +
             " >>\nstartxref\n" + Decimal(start) + "\n%%EOF\n";
  }

 private:
  std::string& file_;
  std::vector<std::size_t> offsets_;
};

}  // namespace

void PdfFile::AddPage(SheetSize size, std::string content) {
  pages_.push_back({size, std::move(content)});
}

std::string PdfFile::Bytes() const {
  // The second line's bytes above 127 tell transfer programs the file is
  // binary, so none of them changes its line ends.
  std::string file = "%PDF-1.4\n%\xE2\xE3\xCF\xD3\n";
  ObjectWriter writer(file);
  writer.Object(kCatalog, "<< /Type /Catalog /Pages " + Reference(kPageTree) + " >>");
  std::string kids;
  for (std::size_t i = 0; i < pages_.size(); ++i) {
    if (i > 0) kids += ' ';
    kids += Reference(PageObject(i));
  }
  writer.Object(kPageTree,
                "<< /Type /Pages /Kids [" + kids + "] /Count " + Decimal(pages_.size()) + " >>");
  writer.Object(kFont, std::string("<< /Type /Font /Subtype /Type1 /BaseFont /") + kFontName +
                           " /Encoding /WinAnsiEncoding >>");
  for (std::size_t i = 0; i < pages_.size(); ++i) {
    const Page& page = pages_[i];
    writer.Object(PageObject(i), "<< /Type /Page /Parent " + Reference(kPageTree) +
                                     " /MediaBox [0 0 " + PdfNumber(page.size.width) + " " +
                                     PdfNumber(page.size.height) + "] /Resources << /Font << /F1 " +
                                     Reference(kFont) + " >> >> /Contents " +
                                     Reference(ContentObject(i)) + " >>");
    writer.Object(ContentObject(i), "<< /Length " + Decimal(page.content.size()) + " >>\nstream\n" +
                                        page.content + "\nendstream");
  }
  writer.CrossReference();
  return file;
}

}  // namespace pdf
