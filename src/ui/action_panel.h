// The human's action panel: the real buttons (so keyboard and accessibility work), the amount
// box, the hint line and the game's keys. It shows the picture's panel and sends intents.
#pragma once

#include <QLineEdit>
#include <QObject>
#include <QPushButton>
#include <functional>
#include <map>

#include "picture/table_intents.h"
#include "picture/table_picture.h"

class QKeyEvent;

namespace holdem::ui {

class ActionPanel : public QObject {
    Q_OBJECT
  public:
    // The widgets are made on `table`, which places them with `place`.
    ActionPanel(QWidget* table, TableIntents& intents);

    QPushButton* button(Intent which) const;
    QLineEdit* amount_box() const { return amount_; }
    // The hint line: what the amount box accepts now, or why it refused.
    QString hint() const;
    bool hint_is_warning() const { return !refusal_.isEmpty(); }
    // Brings the widgets up to date with the picture's panel.
    void show(const holdem::ActionPanel& panel);
    // Puts every widget at its place, given how twips map to the table's pixels, and fits the
    // captions.
    void place(const std::function<QRectF(const QRectF&)>& to_pixels, qreal scale);
    // A key the table got: the game's own act, every other does nothing.
    void key(QKeyEvent* event);

  signals:
    void exitRequested();
    void changed();  // the hint changed: the table repaints

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void press(Intent which);
    void bet_typed_amount(bool from_enter);
    void make_room_for_captions(qreal scale);
    void fit_button_fonts();

    QWidget* table_;
    TableIntents& intents_;
    std::map<Intent, QPushButton*> buttons_;
    QLineEdit* amount_ = nullptr;
    holdem::ActionPanel shown_;
    QString refusal_;  // why the last typed amount was refused, or what it did
    std::function<QRectF(const QRectF&)> to_pixels_;
    qreal scale_ = 0.1;
};

}  // namespace holdem::ui
