#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace dxf {

// An ordered list of text lines that is only ever appended to, kept for
// saving as one block in which every line ends in CR LF.
class LineBuffer {
 public:
  void Add(std::string line) { lines_.push_back(std::move(line)); }

  // The lines joined, each followed by CR LF, the last one included.
  std::string Text() const;

 private:
  std::vector<std::string> lines_;
};

}  // namespace dxf
