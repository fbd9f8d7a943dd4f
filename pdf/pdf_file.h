#pragma once

#include <string>
#include <vector>

#include "pdf/paper.h"

namespace pdf {

// A PDF file of pages whose content streams are already written: a catalog,
// the page tree, the one standard font, each page with its content, the
// cross-reference table and the trailer. Streams stay uncompressed, so the
// file is plain text but for its second line, and carries no date, so the
// same pages always give the same bytes.
class PdfFile {
 public:
  void AddPage(SheetSize size, std::string content);
  std::string Bytes() const;

 private:
  struct Page {
    SheetSize size;
    std::string content;
  };
  std::vector<Page> pages_;
};

}  // namespace pdf
