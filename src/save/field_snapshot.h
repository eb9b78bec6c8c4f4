// The whole field in a saved game: every entrant (name, stack, style, seat, place, prize) and
// every table (button, hands, seats), read as untrusted input and checked entrant by entrant.
// Only the saved game's own reader and writer use it.
#pragma once

#include <memory>
#include <nlohmann/json.hpp>
#include <string>
#include <variant>

#include "model/table.h"
#include "tournament/field.h"

namespace holdem {

struct SavedField {
    tournament::Field field;
    std::uint64_t seed = 0;  // the tournament's, which the other tables' decks come from
};

nlohmann::json field_json(const SavedField& saved);
// The field, or why it cannot be played.
std::variant<SavedField, std::string> read_field(const nlohmann::json& j);

// What makes a field and the human's table disagree: its players, stacks and blinds.
std::optional<std::string> field_and_table_disagree(const tournament::Field& field, const Table& t);

}  // namespace holdem
