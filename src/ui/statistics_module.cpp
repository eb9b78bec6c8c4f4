// The statistics module: the dialog, shown modally over the window that asked for it.
#include <QString>
#include <QWidget>

#include "ui/statistics_dialog.h"

extern "C" Q_DECL_EXPORT void holdem_show_statistics(QWidget* parent, const QString& database) {
    holdem::ui::StatisticsDialog dialog(database, parent);
    dialog.exec();
}
