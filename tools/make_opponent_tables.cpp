// Writes the standard opponents' committed tables, worked out as the tests work them out:
//   holdem-make-opponent-tables equity    > src/standard/opponents/preflop_equity_table.cpp
//   holdem-make-opponent-tables push-fold > src/standard/opponents/push_fold_table.cpp
// The push/fold ranges rank hands by the equity table: write that one first.
#include <cstdio>
#include <cstring>

#include "standard/opponents/preflop_equity.h"
#include "standard/opponents/push_fold.h"

namespace {

using namespace holdem::standard;

void write_equity() {
    std::printf(
        "// Written by tools/make_opponent_tables.cpp: each kind of starting hand against one to\n"
        "// nine random hands, in hundredths of a percent. Tests check it.\n"
        "#include \"standard/opponents/preflop_equity.h\"\n\n"
        "namespace holdem::standard {\n\n"
        "// clang-format off\n"
        "const std::array<std::array<std::uint16_t, hand_classes>, 9> preflop_equity_table = {{\n");
    for (int opponents = 1; opponents <= 9; ++opponents) {
        std::printf("    {");
        for (int c = 0; c < hand_classes; ++c) {
            if (c % 13 == 0) std::printf("\n        ");
            std::printf("%u,",
                        work_out_preflop_equity(c, opponents, preflop_deals,
                                                static_cast<std::uint64_t>(opponents * 1000 + c)));
        }
        std::printf("\n    },\n");
    }
    std::printf("}};\n// clang-format on\n\n}  // namespace holdem::standard\n");
}

void write_push_fold() {
    const PushFoldRanges r = work_out_push_fold(push_fold_deals);
    std::printf(
        "// Written by tools/make_opponent_tables.cpp: the push/fold ranges by stack and seats\n"
        "// behind, in thousandths of all starting hands. Tests check it.\n"
        "#include \"standard/opponents/push_fold.h\"\n\n"
        "namespace holdem::standard {\n\n"
        "// clang-format off\n"
        "const PushFoldRanges push_fold_table = {\n");
    for (const auto* part : {&r.push, &r.call}) {
        std::printf("    {{\n");
        for (const auto& row : *part) {
            std::printf("        {");
            for (std::uint16_t v : row)
                std::printf("%u, ", v);
            std::printf("},\n");
        }
        std::printf("    }},\n");
    }
    std::printf("};\n// clang-format on\n\n}  // namespace holdem::standard\n");
}

}  // namespace

int main(int argc, char** argv) {
    if (argc == 2 && std::strcmp(argv[1], "equity") == 0) {
        write_equity();
        return 0;
    }
    if (argc == 2 && std::strcmp(argv[1], "push-fold") == 0) {
        write_push_fold();
        return 0;
    }
    std::fprintf(stderr, "usage: holdem-make-opponent-tables equity|push-fold\n");
    return 2;
}
