// The 169 kinds of starting hand (a pair, or two ranks suited or offsuit), their number, and
// how good each is among all 1326 starting hands: its share of the hands at least as strong
// by equity against one random hand.
#pragma once

#include <array>
#include <string>

#include "model/cards.h"

namespace holdem::standard {

inline constexpr int hand_classes = 169;

// Pairs on the diagonal of a 13 × 13 square (row and column the ranks, ace last), suited hands
// above it (row the higher rank), offsuit below.
int hand_class(CardCode a, CardCode b);
// "AKs", "T9o", "77".
std::string hand_class_name(int hand_class);
// How many of the 1326 starting hands are of the class: 6 a pair, 4 suited, 12 offsuit.
int hand_class_combos(int hand_class);

// The share of all starting hands at least as strong as the class, from 0.0045 (aces) to 1.
double hand_percentile(int hand_class);
// The class at a place among all starting hands, strongest first: `combo` counts hands from 0
// (aces) to 1325.
int hand_class_at(int combo);

}  // namespace holdem::standard
