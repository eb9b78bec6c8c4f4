#include "app/command_line.h"

#include <array>
#include <cctype>
#include <string_view>

#include "model/version.h"

namespace holdem::app {

namespace {

// Qt's own options, as QGuiApplication and QApplication take them; those with a value take it
// from the next word or after '='.
constexpr std::array<std::string_view, 15> qt_options_with_value = {
    "platform",    "platformpluginpath", "platformtheme", "plugin",     "qwindowgeometry",
    "qwindowicon", "qwindowtitle",       "session",       "display",    "geometry",
    "style",       "stylesheet",         "qmljsdebugger", "fontengine", "dialogs"};
constexpr std::array<std::string_view, 5> qt_flags = {"reverse", "widgetcount", "nograb", "dograb",
                                                      "sync"};

bool is_hand_history_name(std::string_view name) {
    auto ends = [&](std::string_view end) {
        if (name.size() < end.size()) return false;
        for (std::size_t i = 0; i < end.size(); ++i)
            if (std::tolower(static_cast<unsigned char>(name[name.size() - end.size() + i])) !=
                end[i])
                return false;
        return true;
    };
    return ends(".phh") || ends(".phhs");
}

template <std::size_t N>
bool among(const std::array<std::string_view, N>& names, std::string_view name) {
    for (std::string_view n : names)
        if (n == name) return true;
    return false;
}

}  // namespace

CommandLine read_command_line(int argc, const char* const* argv) {
    CommandLine line;
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        if (!arg.starts_with("-") && is_hand_history_name(arg)) {
            line.hand_histories.emplace_back(arg);
            continue;
        }
        if (arg == "--version" || arg == "-v") return {CommandLine::Action::version, {}, {}};
        if (arg == "--help" || arg == "-h") return {CommandLine::Action::help, {}, {}};
        // Qt reads its options with one dash or two.
        std::string_view name = arg;
        if (name.starts_with("--"))
            name.remove_prefix(2);
        else if (name.starts_with("-") && name.size() > 1)
            name.remove_prefix(1);
        else
            return {
                CommandLine::Action::error, "unexpected argument '" + std::string(arg) + "'", {}};
        const std::size_t equals = name.find('=');
        const std::string_view bare = name.substr(0, equals);
        if (among(qt_options_with_value, bare)) {
            if (equals == std::string_view::npos) {
                if (i + 1 >= argc)
                    return {CommandLine::Action::error,
                            "option '" + std::string(arg) + "' needs a value",
                            {}};
                ++i;
            }
        } else if (!among(qt_flags, name)) {
            return {CommandLine::Action::error, "unknown option '" + std::string(arg) + "'", {}};
        }
    }
    return line;
}

std::string version_text() {
    return std::string("final-table-holdem ") + HOLDEM_VERSION;
}

std::string help_text() {
    return "Usage: final-table-holdem [options] [HAND-HISTORY.phh ...]\n"
           "\n"
           "Final Table Hold'em: a Texas hold'em tournament against nine computer players.\n"
           "\n"
           "Options:\n"
           "  -h, --help       show this help and exit\n"
           "  -v, --version    show the version and exit\n"
           "\n"
           "A hand history in the PHH format (.phh, .phhs) opens in the hands viewer.\n"
           "Qt's options work too, for example -platform NAME, -style NAME, -reverse.\n"
           "\n"
           "The tournament is saved at the start of every hand and offered again at the next\n"
           "start; hand histories go to ~/.local/share/Final Table Hold'em/hand-histories/.\n";
}

}  // namespace holdem::app
