#include "cli/run_report.h"

#include "cli/echo_text.h"

namespace cli {

std::string FailureText(const design::DesignResult& result, const Options& options,
                        const std::string& lastStatus) {
  if (result.outcome != design::DesignOutcome::Failed) return lastStatus;
  if (result.unreadableBox) {
    const BoxOrigin& origin = options.boxOrigins[static_cast<std::size_t>(*result.unreadableBox)];
    return origin.option + ": \"" + EchoText(origin.text) + "\" is not a number";
  }
  if (!result.failedPath.empty()) {
    return EchoText(result.failedPath) + ": " + EchoText(result.reason);
  }
  if (!result.reason.empty()) return lastStatus + " (" + EchoText(result.reason) + ")";
  return lastStatus;
}

}  // namespace cli
