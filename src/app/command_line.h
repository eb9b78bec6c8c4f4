// The program's own command line: --version and --help answer without a window; Qt's options
// (-platform, -style, …) pass through to Qt; anything else is an error.
#pragma once

#include <string>
#include <vector>

namespace holdem::app {

struct CommandLine {
    enum class Action { play, version, help, error };
    Action action = Action::play;
    std::string error;  // for `error`: what was wrong, in one line
    // Hand histories (`.phh`, `.phhs`) to open in the hands viewer once the table is up.
    std::vector<std::string> hand_histories;
};

CommandLine read_command_line(int argc, const char* const* argv);

std::string version_text();  // "final-table-holdem 1.0"
std::string help_text();

}  // namespace holdem::app
