#pragma once
#include <string>

// The working-set trimming tool: a small console program the executable
// carries (resource kTrimToolResource) and runs on its own process each time
// the application loses activation.
namespace app {

inline constexpr const char* kTrimToolResource = "EMPTY_TOOL";

// "%windir%\empty.exe"; "\empty.exe" when windir is not set.
std::string trimToolPath();

// Writes the carried tool to trimToolPath() when no file is there, then runs
// it hidden with this process's id and waits for it.  A file at that path
// whose bytes differ from the carried tool is left alone and nothing runs.
// Failures are silent.
void trimWorkingSet();

}  // namespace app
