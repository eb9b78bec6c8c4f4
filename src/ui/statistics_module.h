// The statistics module's entry point: the window loads the module (and Qt Charts with it) only
// when the player opens Game › Statistics….
#pragma once

class QString;
class QWidget;

namespace holdem::ui {

using ShowStatistics = void (*)(QWidget* parent, const QString& database);
inline constexpr const char* statistics_entry = "holdem_show_statistics";

// The module beside the program or where an install puts it; empty when there is none.
QString find_statistics_module(const QString& program_dir);

}  // namespace holdem::ui
