// holdem-sim: plays tournaments headless in virtual time and checks every invariant after
// every step. Prints the first violation and exits 1; otherwise a one-line summary.
#include <charconv>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <optional>
#include <string>
#include <string_view>
#include <tuple>

#include "sim/runner.h"
#include "standard/opponents/player.h"

namespace {

constexpr const char* usage =
    "usage: holdem-sim [--hands N | --tournaments T] [--seed S] [--late K] [--history FILE]\n"
    "                  [--pace classic|quick|fast] [--hurry] [--levels classic|hands]\n"
    "                  [--ranking classic|standard] [--opponents all-seeing|fair]\n"
    "                  [--rules classic|standard] [--phh FILE] [--results FILE]\n"
    "                  [--reload-each-hand] [--entrants N] [--structure NAME]\n"
    "                  [--phh-tables human|all] [--jobs N]\n"
    "                  [--policy caller|raiser|folder|sitout|random|shark]\n"
    "\n"
    "Plays Final Table Hold'em tournaments headless in virtual time, seat 1 played by the\n"
    "policy, starting a new tournament whenever one ends, until N hands have been dealt.\n"
    "After every step it checks the game's invariants; on the first violation it prints the\n"
    "seed, tournament, hand and what broke, and exits 1.\n"
    "\n"
    "  --hands N    hands to play (default 10000)\n"
    "  --tournaments T  play T whole tournaments instead, and print their mean length\n"
    "               and the mean final rank\n"
    "  --seed S     seed of the run; the same seed replays exactly (default 1)\n"
    "  --late K     start every tournament with K of the 1000 entrants already knocked\n"
    "               out elsewhere, 0 … 990 (default 0)\n"
    "  --history F  write every hand's history to the file F\n"
    "  --reload-each-hand  save the whole game and load it again before every hand; the\n"
    "               signature must not change\n"
    "  --rules R    classic (default) or standard: no-limit hold'em with side pots, a\n"
    "               referee judging every move apart from the engine, standard\n"
    "               opponents with styles\n"
    "  --difficulty D  the standard opponents: normal (default), easy or hard\n"
    "  --phh F      with the standard rules: every hand to the file F in the PHH format\n"
    "  --structure S  with the standard rules: classic-clock (default: the classic field\n"
    "               and clock), or the whole field played under regular, turbo,\n"
    "               hyper-turbo or deep blinds and antes\n"
    "  --entrants N  the field a structure plays, 10 … 5000 (default 1000)\n"
    "  --phh-tables W  human (default): the human's table in the PHH file; all: every\n"
    "               table of the field\n"
    "  --jobs N     tournaments played at once, on N threads (with --tournaments and no\n"
    "               files); the results are those of one\n"
    "  --results F  keep seat 1's results (tournaments, hands) in the SQLite database F\n"
    "  --pace P, --hurry, --levels L, --ranking R, --opponents O\n"
    "               the game's options (default: the classic game); --hurry runs the rest\n"
    "               of a hand seat 1 is out of at the fast pace\n"
    "  --policy P   how seat 1 plays (default random):\n"
    "                 caller  calls or checks      raiser  raises\n"
    "                 folder  folds                sitout  sits out\n"
    "                 random  random buttons, typed amounts (junk, huge, negative), Enter,\n"
    "                         Sit Out and waits\n"
    "                 shark   raises the best hand at the table, folds the rest\n"
    "                 tag     (standard rules) a tight-aggressive player knowing what the\n"
    "                         human would know; until the final table it risks much of its\n"
    "                         stack only when that keeps it in longer than folding would;\n"
    "                         in a field played whole it steals the blinds, plays only the\n"
    "                         best hands against a raise, bets after the flop for value\n"
    "                         only, and pushes or folds when short\n"
    "\n"
    "Before its last line it prints how the tournaments ended:\n"
    "  ends: broke=B won=W exit=E overflow=O limit=L, and when the whole field plays\n"
    "        mean_place=P cashes=C prizes=Z buy_ins=B\n"
    "(limit counts the tournament cut short by N). An overflow is a violation.\n"
    "Under the standard rules it also counts the opponents' decisions and prints each\n"
    "style's share of hands played voluntarily and raised before the flop.\n"
    "The last line reads: hands=N tournaments=T seconds=X hands_per_sec=Y signature=HEX\n";

bool parse_count(std::string_view text, std::uint64_t& out) {
    if (text.empty()) return false;
    auto [ptr, ec] = std::from_chars(text.data(), text.data() + text.size(), out);
    return ec == std::errc() && ptr == text.data() + text.size();
}

bool set_option(holdem::Options& options, std::string_view option, std::string_view value) {
    using namespace holdem;
    if (option == "--pace") {
        const auto pace = pace_named(value);
        if (pace) options.pace = *pace;
        return pace.has_value();
    }
    if (option == "--levels") {
        const auto levels = levels_named(value);
        if (levels) options.levels = *levels;
        return levels.has_value();
    }
    if (option == "--ranking") {
        const auto ranking = ranking_named(value);
        if (ranking) options.ranking = *ranking;
        return ranking.has_value();
    }
    const auto opponents = opponents_named(value);
    if (opponents) options.opponents = *opponents;
    return opponents.has_value();
}

int bad_arguments(const std::string& why) {
    std::fprintf(stderr, "holdem-sim: %s\n\n%s", why.c_str(), usage);
    return 2;
}

}  // namespace

int main(int argc, char** argv) {
    using namespace holdem::sim;
    RunOptions options;
    std::uint64_t late = 0;
    std::string history_path;
    std::string phh_path;
    std::string results_path;
    for (int i = 1; i < argc; ++i) {
        std::string_view arg = argv[i];
        if (arg == "--help" || arg == "-h") {
            std::fputs(usage, stdout);
            return 0;
        }
        if (arg == "--hurry") {
            options.options.hurry_when_out = true;
            continue;
        }
        if (arg == "--reload-each-hand") {
            options.reload_each_hand = true;
            continue;
        }
        if (i + 1 >= argc) return bad_arguments("missing value after " + std::string(arg));
        std::string_view value = argv[++i];
        if (arg == "--hands") {
            if (!parse_count(value, options.hands) || options.hands == 0)
                return bad_arguments("--hands needs a whole number above 0, not '" +
                                     std::string(value) + "'");
        } else if (arg == "--seed") {
            if (!parse_count(value, options.seed))
                return bad_arguments("--seed needs a whole number, not '" + std::string(value) +
                                     "'");
        } else if (arg == "--tournaments") {
            if (!parse_count(value, options.tournaments) || options.tournaments == 0)
                return bad_arguments("--tournaments needs a whole number above 0, not '" +
                                     std::string(value) + "'");
        } else if (arg == "--late") {
            if (!parse_count(value, late) || late > max_late_start)
                return bad_arguments("--late needs a whole number from 0 to " +
                                     std::to_string(max_late_start) + ", not '" +
                                     std::string(value) + "'");
            options.late = static_cast<int>(late);
        } else if (arg == "--history") {
            history_path = value;
        } else if (arg == "--phh") {
            phh_path = value;
        } else if (arg == "--structure") {
            auto structure = holdem::structure_named(value);
            if (!structure)
                return bad_arguments("unknown value '" + std::string(value) + "' for --structure");
            options.options.structure = *structure;
        } else if (arg == "--entrants") {
            std::uint64_t entrants = 0;
            if (!parse_count(value, entrants) || entrants < holdem::least_entrants ||
                entrants > holdem::most_entrants)
                return bad_arguments("--entrants needs a whole number from 10 to 5000, not '" +
                                     std::string(value) + "'");
            options.options.entrants = static_cast<int>(entrants);
        } else if (arg == "--phh-tables") {
            if (value != "human" && value != "all")
                return bad_arguments("unknown value '" + std::string(value) + "' for --phh-tables");
            options.phh_every_table = value == "all";
        } else if (arg == "--jobs") {
            std::uint64_t jobs = 0;
            if (!parse_count(value, jobs) || jobs == 0 || jobs > 64)
                return bad_arguments("--jobs needs a whole number from 1 to 64, not '" +
                                     std::string(value) + "'");
            options.jobs = static_cast<int>(jobs);
        } else if (arg == "--results") {
            results_path = value;
        } else if (arg == "--pace" || arg == "--levels" || arg == "--ranking" ||
                   arg == "--opponents") {
            if (!set_option(options.options, arg, value))
                return bad_arguments("unknown value '" + std::string(value) + "' for " +
                                     std::string(arg));
        } else if (arg == "--rules") {
            if (value != "classic" && value != "standard")
                return bad_arguments("unknown value '" + std::string(value) + "' for --rules");
            options.standard_rules = value == "standard";
        } else if (arg == "--difficulty") {
            auto difficulty = holdem::difficulty_named(value);
            if (!difficulty)
                return bad_arguments("unknown value '" + std::string(value) + "' for --difficulty");
            options.options.difficulty = *difficulty;
        } else if (arg == "--policy") {
            auto kind = policy_from_name(value);
            if (!kind) return bad_arguments("unknown policy '" + std::string(value) + "'");
            options.policy = *kind;
        } else {
            return bad_arguments("unknown option '" + std::string(arg) + "'");
        }
    }

    if (!options.standard_rules && options.policy == holdem::sim::PolicyKind::tag)
        return bad_arguments("--policy tag is a standard player (--rules standard)");
    if (!options.standard_rules &&
        options.options.structure != holdem::StructureKind::classic_clock)
        return bad_arguments("--structure is for the standard rules (--rules standard)");
    if (options.jobs > 1 && (options.tournaments == 0 || !history_path.empty() ||
                             !phh_path.empty() || !results_path.empty()))
        return bad_arguments("--jobs plays whole tournaments (--tournaments) and writes no files");
    if (!options.standard_rules && !phh_path.empty())
        return bad_arguments("--phh is for the standard rules (--rules standard)");
    std::ofstream history;
    if (!history_path.empty()) {
        history.open(history_path, std::ios::binary | std::ios::trunc);
        if (!history) return bad_arguments("cannot write the history file '" + history_path + "'");
        options.history = &history;
    }
    std::ofstream phh;
    if (!phh_path.empty()) {
        phh.open(phh_path, std::ios::binary | std::ios::trunc);
        if (!phh) return bad_arguments("cannot write the PHH file '" + phh_path + "'");
        options.phh = &phh;
    }
    std::optional<holdem::ResultsRecorder> results;
    if (!results_path.empty()) {
        results.emplace(results_path);
        if (const auto& problem = results->problem()) {
            std::fprintf(stderr, "holdem-sim: %s\n", problem->why.c_str());
            return 2;
        }
        options.results = &*results;
    }
    const auto started = std::chrono::steady_clock::now();
    const RunSummary run = run_simulation(options);
    if (run.violation) {
        std::printf("VIOLATION seed=%llu tournament_seed=%llu %s\n",
                    static_cast<unsigned long long>(options.seed),
                    static_cast<unsigned long long>(run.violation_tournament_seed),
                    run.violation->c_str());
        return 1;
    }
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
    // A file that could not take everything is a failed run, whatever was played.
    bool kept = true;
    for (auto& [file, path, what] :
         {std::tuple{&history, history_path, "history"}, std::tuple{&phh, phh_path, "PHH"}}) {
        if (path.empty()) continue;
        file->flush();
        if (!*file) {
            std::fprintf(stderr, "holdem-sim: the %s file '%s' could not be written in full\n",
                         what, path.c_str());
            kept = false;
        }
    }
    if (results && results->problem()) {
        std::fprintf(stderr, "holdem-sim: results not kept in full in '%s': %s\n",
                     results_path.c_str(), results->problem()->why.c_str());
        kept = false;
    }
    using holdem::GameEnd;
    auto count = [&](GameEnd why) {
        return static_cast<unsigned long long>(run.ends[static_cast<std::size_t>(why)]);
    };
    std::printf("ends: broke=%llu won=%llu exit=%llu overflow=%llu limit=%llu\n",
                count(GameEnd::HumanBroke), count(GameEnd::TournamentWon), count(GameEnd::Exit),
                count(GameEnd::Overflow), static_cast<unsigned long long>(run.cut_short));
    if (options.standard_rules && holdem::field_played(holdem::in_force([&] {
            holdem::Options o = options.options;
            o.rules = holdem::Rules::standard;
            return o;
        }())))
        std::printf(
            "field: mean_place=%.1f cashes=%llu prizes=%lld buy_ins=%lld return=%.2f "
            "field_hands=%llu\n",
            static_cast<double>(run.place_sum) /
                static_cast<double>(std::max<std::uint64_t>(1, run.tournaments)),
            static_cast<unsigned long long>(run.cashes), static_cast<long long>(run.prizes),
            static_cast<long long>(run.buy_ins),
            run.buy_ins > 0 ? static_cast<double>(run.prizes) / static_cast<double>(run.buy_ins)
                            : 0.0,
            static_cast<unsigned long long>(run.field_hands));
    if (options.standard_rules) {
        const holdem::sim::OpponentCounts& o = run.opponents;
        std::printf(
            "opponents: decisions=%llu folds_when_free=%llu below_minimum=%llu illegal=%llu\n",
            static_cast<unsigned long long>(o.decisions),
            static_cast<unsigned long long>(o.folds_when_free),
            static_cast<unsigned long long>(o.below_minimum),
            static_cast<unsigned long long>(o.illegal));
        for (int style = 0; style < 4; ++style) {
            const auto i = static_cast<std::size_t>(style);
            const double dealt = static_cast<double>(std::max<std::uint64_t>(1, o.dealt[i]));
            std::printf("style %s: hands=%llu vpip=%.1f%% pfr=%.1f%%\n",
                        std::string(holdem::standard::style_name(
                                        static_cast<holdem::standard::Style>(style)))
                            .c_str(),
                        static_cast<unsigned long long>(o.dealt[i]),
                        100.0 * static_cast<double>(o.voluntary[i]) / dealt,
                        100.0 * static_cast<double>(o.raised[i]) / dealt);
        }
    }
    if (options.tournaments > 0)
        std::printf("tournaments: mean_hands=%.2f mean_final_rank=%.1f\n",
                    static_cast<double>(run.hands) / static_cast<double>(run.tournaments),
                    static_cast<double>(run.rank_sum) / static_cast<double>(run.tournaments));
    std::printf("hands=%llu tournaments=%llu seconds=%.3f hands_per_sec=%.0f signature=%016llx\n",
                static_cast<unsigned long long>(run.hands),
                static_cast<unsigned long long>(run.tournaments), seconds,
                seconds > 0 ? static_cast<double>(run.hands) / seconds : 0.0,
                static_cast<unsigned long long>(run.signature));
    return kept ? 0 : 3;
}
