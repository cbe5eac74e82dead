// The application object of a batch subcommand and the end of its run.
#pragma once

#include <functional>
#include <string>

namespace kovia {

// Runs `run` with a QApplication (offscreen unless the caller chose a platform; an existing
// application object is used as it is). An exception that escapes `run` is reported through
// `printError` and gives exit status 1. The windows are destroyed before the application object.
int runInBatchApplication(const std::function<int()>& run,
                          const std::function<void(const std::string&)>& printError);

}  // namespace kovia
