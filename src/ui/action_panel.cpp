#include "ui/action_panel.h"

#include <QApplication>
#include <QCoreApplication>
#include <QKeyEvent>
#include <algorithm>
#include <cmath>
#include <vector>

#include "ui/fit_text.h"
#include "ui/fonts.h"
#include "ui/table_layout.h"
#include "ui/table_words.h"

namespace holdem::ui {

namespace {

struct ButtonLook {
    Intent which;
    const char* name;     // the object's name, for tests and accessibility tools
    const char* caption;  // fixed captions; Call and Raise name their amounts
    const char* key;      // its shortcut, shown on the button
    QColor colour;
};
const ButtonLook looks[] = {
    {Intent::call, "Command5", QT_TRANSLATE_NOOP("holdem::ui::ActionPanel", "Call"), "C",
     palette::pale_yellow},
    {Intent::raise, "Command6", QT_TRANSLATE_NOOP("holdem::ui::ActionPanel", "Raise"), "R",
     palette::pale_yellow},
    {Intent::check, "Command7", QT_TRANSLATE_NOOP("holdem::ui::ActionPanel", "Check"), "C",
     palette::pale_yellow},
    {Intent::fold, "Command8", QT_TRANSLATE_NOOP("holdem::ui::ActionPanel", "Fold"), "F",
     palette::pale_yellow},
    {Intent::bet_typed, "Command11", QT_TRANSLATE_NOOP("holdem::ui::ActionPanel", "Bet It"), "B",
     palette::orange},
    {Intent::sit_out, "Command3", QT_TRANSLATE_NOOP("holdem::ui::ActionPanel", "Sit Out"), "S",
     palette::pale_yellow},
    {Intent::exit, "Command2", QT_TRANSLATE_NOOP("holdem::ui::ActionPanel", "Exit"), nullptr,
     palette::yellow},
    {Intent::half_pot, "HalfPot", QT_TRANSLATE_NOOP("holdem::ui::ActionPanel", "½ Pot"), nullptr,
     palette::pale_yellow},
    {Intent::pot, "PotSize", QT_TRANSLATE_NOOP("holdem::ui::ActionPanel", "Pot"), nullptr,
     palette::pale_yellow},
    {Intent::all_in, "AllIn", QT_TRANSLATE_NOOP("holdem::ui::ActionPanel", "All in"), nullptr,
     palette::pale_yellow},
};
// The standard rules' words for the raise button.
[[maybe_unused]] constexpr const char* raise_words[] = {
    QT_TRANSLATE_NOOP("holdem::ui::ActionPanel", "Raise to"),
    QT_TRANSLATE_NOOP("holdem::ui::ActionPanel", "Bet")};

// A word of the panel in the language the window speaks.
QString panel_word(const char* english) {
    return QCoreApplication::translate("holdem::ui::ActionPanel", english);
}

// The smallest caption a button is given: below it the words stop being readable.
constexpr int least_button_px = 11;

QRect snapped(const QRectF& r) {
    const int left = static_cast<int>(std::lround(r.left())),
              top = static_cast<int>(std::lround(r.top()));
    const int right = static_cast<int>(std::lround(r.right())),
              bottom = static_cast<int>(std::lround(r.bottom()));
    return QRect(left, top, right - left, bottom - top);
}

// "Call 20", "Raise 40": the button names the action beside the amount.
QString caption_of(const ButtonLook& look, const holdem::ActionPanel& panel) {
    const QString amount = in_language(look.which == Intent::call    ? panel.call_amount
                                       : look.which == Intent::raise ? panel.raise_amount
                                                                     : std::string());
    const QString word = look.which == Intent::raise && !panel.raise_word.empty()
                             ? panel_word(panel.raise_word.c_str())
                             : panel_word(look.caption);
    if (amount.isEmpty() || amount == look.caption) return word;
    return word + " " + amount;
}

bool shown(Intent which, const holdem::ActionPanel& p) {
    switch (which) {
        case Intent::call:
            return p.call_shown;
        case Intent::raise:
            return p.raise_shown;
        case Intent::check:
            return p.check_shown;
        case Intent::fold:
            return p.fold_shown;
        case Intent::bet_typed:
            return p.bet_it_shown;
        case Intent::sit_out:
            return p.sit_out_shown;
        case Intent::exit:
            return p.exit_shown;
        case Intent::half_pot:
        case Intent::pot:
        case Intent::all_in:
            return p.quick_shown;
    }
    return false;
}

}  // namespace

ActionPanel::ActionPanel(QWidget* table, TableIntents& intents)
    : QObject(table), table_(table), intents_(intents) {
    for (const ButtonLook& look : looks) {
        auto* b = new QPushButton(table);
        b->setObjectName(look.name);
        b->setCursor(Qt::PointingHandCursor);
        b->installEventFilter(this);
        // Sit Out and Exit never hold the keyboard: a stray Space or Return must not sit the
        // player out or end the tournament. S and the Game menu reach them from the keyboard.
        if (look.which == Intent::sit_out || look.which == Intent::exit)
            b->setFocusPolicy(Qt::NoFocus);
        const Intent which = look.which;
        connect(b, &QPushButton::clicked, this, [this, which] { press(which); });
        buttons_[look.which] = b;
    }
    amount_ = new QLineEdit(table);
    amount_->setObjectName("Text2");
    amount_->setAccessibleName("Amount to bet");
    amount_->setMaxLength(64);
    amount_->installEventFilter(this);
    connect(amount_, &QLineEdit::textEdited, this, [this](const QString& text) {
        refusal_.clear();
        intents_.amount_edited(text.toStdString());
    });
    show(shown_);
}

QPushButton* ActionPanel::button(Intent which) const {
    auto it = buttons_.find(which);
    return it == buttons_.end() ? nullptr : it->second;
}

QString ActionPanel::hint() const {
    if (!refusal_.isEmpty()) return refusal_;
    if (!shown_.hint.empty()) return QString::fromStdString(shown_.hint);
    return "Bet at least " + QString::number(shown_.least, 'f', 0) + ", then Enter";
}

void ActionPanel::show(const holdem::ActionPanel& panel) {
    bool captions_changed = false;
    for (const ButtonLook& look : looks) {
        QPushButton* b = button(look.which);
        const QString caption = caption_of(look, panel);
        const QString text = look.key ? caption + " · " + look.key : caption;
        if (b->text() != text) {
            b->setText(text);
            captions_changed = true;
        }
        if (b->accessibleName() != caption) b->setAccessibleName(caption);
        if (look.key && b->accessibleDescription().isEmpty())
            b->setAccessibleDescription(QString("Key %1").arg(look.key));
        const QColor fill =
            look.which == Intent::sit_out && panel.sit_out_asked ? palette::red : look.colour;
        // The focus ring is dark blue with a white edge: it shows on yellow, orange and red.
        const QString style =
            QString(
                "QPushButton { background-color: %1; color: %3; border: 1px solid #3a3a3a;"
                " border-radius: 5px; }"
                "QPushButton:hover { border: 2px solid #000; }"
                "QPushButton:focus { border: 3px solid #0B3D91; outline: 2px solid white; }"
                "QPushButton:pressed { background-color: %2; }")
                .arg(fill.name(), fill.darker(120).name(), palette::black.name());
        if (b->styleSheet() != style) b->setStyleSheet(style);
        b->setVisible(shown(look.which, panel));
    }
    const QString text = QString::fromStdString(panel.amount_text);
    if (amount_->text() != text) amount_->setText(text);
    const bool opening = panel.open && !amount_->isVisibleTo(table_);
    const bool closing = !panel.open && amount_->isVisibleTo(table_);
    // Hiding the widget that holds the keyboard would pass it on to the next in the chain;
    // the table takes it back first.
    QWidget* holder = QApplication::focusWidget();
    if (closing && holder && holder != table_ && table_->isAncestorOf(holder)) table_->setFocus();
    amount_->setVisible(panel.open);
    if (!panel.open) refusal_.clear();
    shown_ = panel;
    if (captions_changed && to_pixels_) place(to_pixels_, scale_);
    // When the human's turn opens, Return or Space calls (or checks): the keyboard's focus goes
    // to that button, and its ring shows it.
    if (opening) {
        QPushButton* call = button(panel.call_shown ? Intent::call : Intent::check);
        if (call->isVisibleTo(table_)) call->setFocus();
    }
}

void ActionPanel::place(const std::function<QRectF(const QRectF&)>& to_pixels, qreal scale) {
    to_pixels_ = to_pixels;
    scale_ = scale;
    for (auto& [which, b] : buttons_)
        b->setGeometry(snapped(to_pixels(layout::button(which))));
    amount_->setGeometry(snapped(to_pixels(layout::amount_box)));
    make_room_for_captions(scale);
    fit_button_fonts();
    QFont font(ui_font_family);
    font.setPixelSize(std::max(8, static_cast<int>(layout::amount_box.height() * scale * 0.5)));
    amount_->setFont(font);
}

// In a small window the layout's buttons are too narrow for their captions in a font that can
// still be read. Each row of the panel is then packed against the frame's right edge, every
// button as wide as its caption needs; the hint line and the amount box give way.
void ActionPanel::make_room_for_captions(qreal scale) {
    QFont least(ui_font_family);
    least.setBold(true);
    least.setPixelSize(least_button_px);
    const QFontMetrics m(least);
    auto needs = [&](QWidget* w) {
        const auto* b = qobject_cast<QPushButton*>(w);
        if (b == button(Intent::call))  // Check stands in the same place: room for either
            return std::max(m.horizontalAdvance(b->text()),
                            m.horizontalAdvance(button(Intent::check)->text())) +
                   14;
        return b ? m.horizontalAdvance(b->text()) + 14 : 8 * m.horizontalAdvance('0');
    };
    const QRect frame = snapped(to_pixels_(layout::action_frame));
    const std::vector<QWidget*> rows[] = {
        {button(Intent::half_pot), button(Intent::pot), button(Intent::all_in)},
        {button(Intent::call), button(Intent::raise)},
        {button(Intent::fold), amount_, button(Intent::bet_typed)}};
    const int gap = std::max(3, static_cast<int>(100 * scale));
    for (const auto& row : rows) {
        if (std::none_of(row.begin(), row.end(), [&](QWidget* w) { return w->width() < needs(w); }))
            continue;
        int right = frame.right() - gap;
        for (auto it = row.rbegin(); it != row.rend(); ++it) {
            const int width = std::max((*it)->width(), needs(*it));
            (*it)->setGeometry(right - width, (*it)->y(), width, (*it)->height());
            right -= width + gap;
        }
    }
    button(Intent::check)->setGeometry(button(Intent::call)->geometry());
    for (QWidget* alone : {button(Intent::sit_out), button(Intent::exit)}) {
        const int grow = needs(alone) - alone->width();
        if (grow > 0)
            alone->setGeometry(alone->geometry().adjusted(-grow / 2, 0, grow - grow / 2, 0));
    }
}

// Each button's caption in the largest bold font that fits it.
void ActionPanel::fit_button_fonts() {
    for (auto& [which, b] : buttons_) {
        const QSizeF room(std::max(1, b->width() - 8), std::max(1, b->height() - 4));
        QFont font(ui_font_family);
        font.setBold(true);
        font.setPixelSize(std::max(least_button_px, static_cast<int>(b->height() * 0.42)));
        b->setFont(fitted(font, b->text(), room, Qt::TextSingleLine));
    }
}

void ActionPanel::press(Intent which) {
    if (which == Intent::bet_typed) {
        bet_typed_amount(false);
        return;
    }
    if (which == Intent::exit) {
        emit exitRequested();
        return;
    }
    intents_.act(which);
    // A quick amount waits in the box: Enter or Bet It raises to it.
    if ((which == Intent::half_pot || which == Intent::pot || which == Intent::all_in) &&
        amount_->isVisible()) {
        refusal_.clear();
        amount_->setFocus();
        emit changed();
    }
}

// "Bet It" and Enter in the amount box: the rules refuse or accept without a word, the panel
// says what happened.
void ActionPanel::bet_typed_amount(bool from_enter) {
    const std::string text = amount_->text().toStdString();
    const AmountVerdict verdict = judge_amount(shown_, text);
    const QString least = QString::number(shown_.least, 'f', 0);
    const QString typed = QString::fromStdString(text);
    const std::int64_t to_call = std::max<std::int64_t>(0, shown_.to_call);
    if (from_enter)
        intents_.amount_key(13, text);
    else
        intents_.act(Intent::bet_typed);
    if (shown_.most > 0) {
        const QString most = QString::number(shown_.most);
        if (!verdict.accepted)
            refusal_ = verdict.empty     ? "Type a total to raise to, " + least + " … " + most
                       : !verdict.amount ? "Refused: " + typed + " is not an amount"
                       : verdict.too_much
                           ? "Refused: " + typed + " is more than you have; all in is " + most
                           : "Refused: " + typed + " is less than the least raise, " + least;
        emit changed();
        return;
    }
    if (!verdict.accepted)
        refusal_ = verdict.empty ? "Type an amount of at least " + least
                   : !verdict.amount
                       ? "Refused: " + typed + " is not an amount"
                       : "Refused: " + typed + " is less than the least you can bet now, " + least;
    else if (verdict.calls_only)
        refusal_ =
            typed + " is no number, so only the call went in (" + QString::number(to_call) + ")";
    emit changed();
}

bool ActionPanel::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress) return QObject::eventFilter(watched, event);
    auto* key = static_cast<QKeyEvent*>(event);
    const bool enter = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
    if (watched == amount_) {
        if (enter) {
            bet_typed_amount(true);
            return true;
        }
        if (key->key() == Qt::Key_Escape) {
            table_->setFocus();  // leaves the amount box
            return true;
        }
        int code = 0;
        if (key->key() == Qt::Key_Backspace)
            code = 8;
        else if (!key->text().isEmpty())
            code = key->text().at(0).unicode();
        if (code != 0) intents_.amount_key(code, amount_->text().toStdString());
        return false;  // the line edit takes the key as usual
    }
    if (enter) {
        if (auto* b = qobject_cast<QPushButton*>(watched)) {
            b->click();  // Return presses the focused button, as Space does
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}

void ActionPanel::key(QKeyEvent* event) {
    // Every key ends here: one the game does not use does nothing, and none goes back up to
    // the window, which hands the keys it gets to the table.
    event->accept();
    const auto chords = Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier;
    if (event->modifiers() & chords) return;
    if (amount_->hasFocus()) return;  // a key the amount box let through is no action
    std::optional<Intent> pressed;
    switch (event->key()) {
        case Qt::Key_C:
            pressed = shown_.call_shown ? Intent::call : Intent::check;
            break;
        case Qt::Key_R:
            pressed = Intent::raise;
            break;
        case Qt::Key_F:
            pressed = Intent::fold;
            break;
        case Qt::Key_S:
            pressed = Intent::sit_out;
            break;
        case Qt::Key_B:
            if (amount_->isVisible()) amount_->setFocus();
            return;
        default:
            return;
    }
    if (shown(*pressed, shown_)) intents_.act(*pressed);
}

}  // namespace holdem::ui
