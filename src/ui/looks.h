// How the table looks, the player's choice in Options › Appearance: the deck's colours, the
// felt, the card backs and the size of the seat plates' text. Looks change no play. The
// colours every text is drawn in, and what it is drawn on, are listed here so that a test can
// hold each combination to a readable contrast.
#pragma once

#include <QColor>
#include <QString>
#include <vector>

namespace holdem::ui {

enum class DeckColours { two, four };
enum class Felt { green, blue, purple };
enum class CardBack { lattice, ring };

struct Looks {
    DeckColours deck = DeckColours::two;
    Felt felt = Felt::green;
    CardBack back = CardBack::lattice;
    bool large_plates = false;
    bool operator==(const Looks&) const = default;
};

// The ink of a suit (0 clubs, 1 diamonds, 2 hearts, 3 spades) on a card's face.
QColor suit_ink(int suit, DeckColours deck);
inline const QColor card_face{0xFD, 0xFD, 0xFA};
QColor felt_colour(Felt felt);
// The seat plates' text is this much larger with large plates.
inline constexpr qreal large_plate_scale = 1.3;

// Relative luminance and contrast ratio as the web's accessibility guidelines define them:
// 1 for the same colour, 21 for black on white.
double luminance(const QColor& colour);
double contrast(const QColor& a, const QColor& b);
// A colour drawn with its alpha over an opaque one.
QColor over(const QColor& top, const QColor& under);

// One text of the table: its colour and the opaque colour it ends up on.
struct TextOnBack {
    QString what;
    QColor text, back;
};
std::vector<TextOnBack> table_texts(const Looks& looks);

// Every combination the player can choose.
std::vector<Looks> every_looks();

// The settings' words for each choice; unknown words read as the first choice.
QString name_of(DeckColours deck);
QString name_of(Felt felt);
QString name_of(CardBack back);
DeckColours deck_named(const QString& name);
Felt felt_named(const QString& name);
CardBack back_named(const QString& name);

}  // namespace holdem::ui
