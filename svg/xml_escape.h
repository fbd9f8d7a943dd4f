#pragma once

#include <string>
#include <string_view>

namespace svg {

// The text with & < > and " written as entity references, safe inside an
// element or a double-quoted attribute.
std::string EscapeXml(std::string_view text);

}  // namespace svg
