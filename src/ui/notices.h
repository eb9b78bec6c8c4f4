// The questions and notices the table window puts to the player: leaving the tournament, the
// end of a tournament, how to play and what the program is.
#pragma once

#include <QString>

class QWidget;

namespace holdem::ui {

// "Leave this tournament? Your rank is final." True when the player leaves; Escape stays.
bool ask_to_leave(QWidget* parent);
// "Start a new tournament?" before the one in play is abandoned; true when the player agrees.
bool ask_to_abandon(QWidget* parent);

enum class EndChoice { new_tournament, quit };
// The end of a tournament in full, under the window's title; a new tournament is offered
// beside quitting when `offer_new`.
EndChoice ask_after_end(QWidget* parent, const QString& message, bool offer_new);

// Help › How to play: the buttons, the keys, the game and what each option changes.
void show_how_to_play(QWidget* parent);
// Its text, as HTML in the language spoken.
QString how_to_play_text();
// Help › About: the version, the licences and the font's credit.
void show_about(QWidget* parent);

}  // namespace holdem::ui
