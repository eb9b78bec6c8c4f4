#include "ui/app_identity.h"

namespace holdem::ui {

QIcon app_icon() {
    QIcon icon;
    for (int size : {16, 24, 32, 48, 64, 128, 256})
        icon.addFile(QString(":/icons/hicolor/%1x%1/apps/%2.png").arg(size).arg(app_id),
                     QSize(size, size));
    return icon;
}

}  // namespace holdem::ui
