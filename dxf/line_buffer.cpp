#include "dxf/line_buffer.h"

namespace dxf {

std::string LineBuffer::Text() const {
  std::size_t size = 0;
  for (const std::string& line : lines_) size += line.size() + 2;
  std::string text;
  text.reserve(size);
  for (const std::string& line : lines_) {
    text += line;
    text += "\r\n";
  }
  return text;
}

}  // namespace dxf
