// Fitting text into a box: the largest font no bigger than the one given whose text fits.
#pragma once

#include <QFont>
#include <QSizeF>
#include <QString>

namespace holdem::ui {

QFont fitted(QFont font, const QString& text, const QSizeF& box, int flags);

}  // namespace holdem::ui
