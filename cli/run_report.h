#pragma once

#include <string>

#include "cli/options.h"
#include "design/design_run.h"

namespace cli {

// Why a run did not finish, in one line without the program's name: the
// status text of a rejected coordinate, the option whose text is no number,
// the file that could not be written and the system's reason, or the run's
// failure text.
std::string FailureText(const design::DesignResult& result, const Options& options,
                        const std::string& lastStatus);

}  // namespace cli
