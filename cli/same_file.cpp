#include "cli/same_file.h"

#include <filesystem>

namespace cli {
namespace {

// The file a name leads to, as far as it can be told before writing.
std::filesystem::path Resolved(const std::string& fileName) {
  std::error_code error;
  std::filesystem::path absolute = std::filesystem::absolute(fileName, error);
  if (error) return std::filesystem::path(fileName).lexically_normal();
  std::filesystem::path resolved = std::filesystem::weakly_canonical(absolute, error);
  return error ? absolute.lexically_normal() : resolved;
}

}  // namespace

bool SameFile(const std::string& first, const std::string& second) {
  std::error_code error;
  if (std::filesystem::equivalent(first, second, error)) return true;
  return Resolved(first) == Resolved(second);
}

}  // namespace cli
