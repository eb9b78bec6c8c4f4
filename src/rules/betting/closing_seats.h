// Where each betting round closes: the seat before a raiser while fewer than three raises are
// in, or the big blind when the round has no closing seat yet.
#pragma once

#include "model/table.h"

namespace holdem {

// A raise: while fewer than three raises are in this round, the seat before the raiser closes
// every street reached so far.
void raise_bookkeeping(Table& t, int seat);

// The first seat after the big blind makes the big blind the closing seat of every street
// reached so far, while the current betting round has no closing seat yet.
void opening_closer(Table& t, int seat);

}  // namespace holdem
