#include "ui/looks.h"

#include <cmath>

#include "ui/table_layout.h"

namespace holdem::ui {

QColor suit_ink(int suit, DeckColours deck) {
    static const QColor black(0x1A, 0x1A, 0x1A), red(0xC8, 0x10, 0x2E), blue(0x0B, 0x4A, 0xC4),
        green(0x0E, 0x76, 0x2C);
    switch (suit) {
        case 0:
            return deck == DeckColours::four ? green : black;
        case 1:
            return deck == DeckColours::four ? blue : red;
        case 2:
            return red;
        default:
            return black;
    }
}

QColor felt_colour(Felt felt) {
    switch (felt) {
        case Felt::blue:
            return QColor(0x1B, 0x4F, 0x8A);
        case Felt::purple:
            return QColor(0x4E, 0x2D, 0x6E);
        case Felt::green:
            break;
    }
    return palette::felt;
}

double luminance(const QColor& colour) {
    auto linear = [](int channel) {
        const double c = channel / 255.0;
        return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(colour.red()) + 0.7152 * linear(colour.green()) +
           0.0722 * linear(colour.blue());
}

double contrast(const QColor& a, const QColor& b) {
    const double la = luminance(a), lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

QColor over(const QColor& top, const QColor& under) {
    const double a = top.alphaF();
    auto mix = [a](int t, int u) { return static_cast<int>(std::lround(t * a + u * (1 - a))); };
    return QColor(mix(top.red(), under.red()), mix(top.green(), under.green()),
                  mix(top.blue(), under.blue()));
}

std::vector<TextOnBack> table_texts(const Looks& looks) {
    const QColor felt = felt_colour(looks.felt);
    // The cloth is lit towards its centre; text may sit anywhere on it.
    const QColor cloths[] = {felt, felt.lighter(125)};
    std::vector<TextOnBack> texts;
    auto add = [&](const char* what, const QColor& text, const QColor& back) {
        texts.push_back({what, text, back});
    };
    // Plates and tags are drawn over the cloth, the rail, the room and a seat's lit circle.
    const QColor unders[] = {cloths[0],     cloths[1],     palette::rail,
                             palette::room, palette::turn, palette::idle};
    for (const QColor& under : unders) {
        const QColor plate = over(palette::plate, under);
        add("a seat's name", palette::name_text, plate);
        add("a seat's stack", palette::stack_text, plate);
        add("an action badge", palette::badge_text, over(palette::badge, under));
        add("a fold badge", palette::fold_badge_text, over(palette::fold_badge, under));
        add("the director's news", palette::hint, over(palette::announcement, under));
        add("the odds line", palette::hint, over(palette::dark_pill, under));
    }
    add("a bet", palette::black, palette::bet_label);
    add("the pot", palette::dark_text, palette::pot_label);
    add("a winner's prize", palette::dark_text, palette::gold);
    add("the blinds clock", palette::white, palette::clock_panel);
    add("the dealer button", palette::yellow, palette::deep_red);
    add("the winner's line", palette::yellow, palette::deep_red);
    add("the action hint", palette::hint, palette::room);
    add("a warning", palette::warning, palette::room);
    for (const QColor& button :
         {palette::pale_yellow, palette::yellow, palette::orange, palette::red})
        add("a button's caption", palette::black, button);
    for (int suit = 0; suit < 4; ++suit)
        add("a card's rank", suit_ink(suit, looks.deck), card_face);
    return texts;
}

std::vector<Looks> every_looks() {
    std::vector<Looks> all;
    for (DeckColours deck : {DeckColours::two, DeckColours::four})
        for (Felt felt : {Felt::green, Felt::blue, Felt::purple})
            for (CardBack back : {CardBack::lattice, CardBack::ring})
                for (bool large : {false, true})
                    all.push_back({deck, felt, back, large});
    return all;
}

QString name_of(DeckColours deck) {
    return deck == DeckColours::four ? "four" : "two";
}

QString name_of(Felt felt) {
    switch (felt) {
        case Felt::blue:
            return "blue";
        case Felt::purple:
            return "purple";
        case Felt::green:
            break;
    }
    return "green";
}

QString name_of(CardBack back) {
    return back == CardBack::ring ? "ring" : "lattice";
}

DeckColours deck_named(const QString& name) {
    return name == "four" ? DeckColours::four : DeckColours::two;
}

Felt felt_named(const QString& name) {
    return name == "blue" ? Felt::blue : name == "purple" ? Felt::purple : Felt::green;
}

CardBack back_named(const QString& name) {
    return name == "ring" ? CardBack::ring : CardBack::lattice;
}

}  // namespace holdem::ui
