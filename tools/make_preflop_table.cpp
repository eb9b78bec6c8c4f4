// Writes src/rules/betting/preflop_standings.cpp: every standing a fair seat can hold before the
// flop, worked out as the estimate works it out, so no game waits for them.
//   holdem-make-preflop-table > src/rules/betting/preflop_standings.cpp
#include <cstdio>

#include "rules/betting/fair_estimate.h"

int main() {
    using namespace holdem;
    std::array<std::int8_t, preflop_table_size> table{};
    for (Ranking ranking : {Ranking::classic, Ranking::standard})
        for (int high = 0; high < 13; ++high)
            for (int low = 0; low <= high; ++low)
                for (bool suited : {false, true}) {
                    if (suited && low == high) continue;  // no pair shares a suit
                    for (int opponents = 1; opponents < seat_count; ++opponents)
                        table[preflop_index(ranking, high, low, suited, opponents)] =
                            static_cast<std::int8_t>(
                                work_out_preflop_standing(ranking, high, low, suited, opponents));
                }
    std::printf(
        "// Written by tools/make_preflop_table.cpp: the standings before the flop, by ranking,\n"
        "// ranks, suitedness and opponents (see preflop_index). Tests check it.\n"
        "#include \"rules/betting/fair_estimate.h\"\n\n"
        "namespace holdem {\n\n"
        "// clang-format off\n"
        "const std::array<std::int8_t, preflop_table_size> preflop_standings = {\n");
    constexpr std::size_t per_line = 3 * seat_count;
    for (std::size_t i = 0; i < table.size(); i += per_line) {
        std::printf("   ");
        for (std::size_t j = i; j < i + per_line && j < table.size(); ++j)
            std::printf(" %d,", table[j]);
        std::printf("\n");
    }
    std::printf("};\n// clang-format on\n\n}  // namespace holdem\n");
}
