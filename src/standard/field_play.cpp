#include "standard/field_play.h"

#include <algorithm>

#include "model/numbers.h"
#include "standard/table_game.h"

namespace holdem::standard {

using tournament::field_seat_of;
using tournament::table_seat_of;

FieldPlay::FieldPlay(tournament::Field field, std::uint64_t seed, const Options& options)
    : field_(std::move(field)), seed_(seed), options_(options) {
    last_hands_.resize(field_.tables().size());
}

FieldPlay::~FieldPlay() {
    if (running_.valid()) running_.wait();
}

int FieldPlay::human_table() const {
    return field_.entrant(field_.human()).table;
}

void FieldPlay::seat_human_table(Table& t) const {
    const tournament::Entrant& me = field_.entrant(field_.human());
    if (me.table == 0) return;
    const tournament::FieldTable& ft = field_.table(me.table);
    t.field_left = field_.players_left();
    t.chips_brought = 0;
    for (int s = 1; s <= seat_count; ++s) {
        const int k = table_seat_of(s, me.seat);
        const int e = ft.seats[static_cast<std::size_t>(s)];
        Player& p = t.seat(k);
        if (e < 0) {
            p.Active = false;
            p.prize = 0;
            p.caption.clear();
            t.controls.hide(ctl::name_label(k));
            t.controls.hide(ctl::stack_label(k));
            continue;
        }
        const tournament::Entrant& who = field_.entrant(e);
        p.Active = true;
        p.caption = who.name;
        p.prize = who.stack;
        p.style = who.style;
        if (k == human_seat) p.sittingout = t.sitter == 1;
        t.chips_brought += p.prize;
        t.controls.set_caption(ctl::name_label(k), p.caption);
        t.controls.set_number(ctl::stack_label(k), p.prize);
        t.controls.show(ctl::name_label(k));
        t.controls.show(ctl::stack_label(k));
    }
    if (ft.button > 0)
        t.dealer_button_seat = static_cast<std::int16_t>(table_seat_of(ft.button, me.seat));
}

void FieldPlay::set_level(Table& t, std::uint64_t hands) {
    const tournament::Structure& s = field_.structure();
    const int level = tournament::level_after_hands(s, hands);
    const tournament::Level l = tournament::level_at(s, level);
    t.level = static_cast<std::int16_t>(std::min(level, 32000));
    t.limits = l.small_blind;
    t.ante = l.ante;
    small_blind_ = l.small_blind;
    ante_ = l.ante;
}

void FieldPlay::begin_round() {
    if (pending_) return;
    pending_ = true;
    field_.begin_hand();
    players_left_ = field_.players_left();
    const int mine = human_table();
    std::vector<Job> jobs;
    for (int number : field_.open_tables()) {
        const tournament::FieldTable& ft = field_.table(number);
        if (number == mine || ft.players() < 2) continue;
        Job job;
        job.table = number;
        job.hands = ft.hands;
        job.button = ft.button;
        for (int s = 1; s <= seat_count; ++s) {
            const int e = ft.seats[static_cast<std::size_t>(s)];
            job.entrants[static_cast<std::size_t>(s)] = e;
            if (e < 0) continue;
            const tournament::Entrant& who = field_.entrant(e);
            job.stacks[static_cast<std::size_t>(s)] = who.stack;
            job.styles[static_cast<std::size_t>(s)] = who.style;
            job.names[static_cast<std::size_t>(s)] = who.name;
        }
        jobs.push_back(std::move(job));
    }
    if (!scratch_) {
        scratch_ = std::make_unique<Table>(std::make_unique<SeededRandom>(seed_),
                                           std::make_unique<SeededRandom>(seed_ ^ 0xF1E1D5ull));
        scratch_->options = options_;
        scratch_game_ = std::make_unique<TableGame>(*scratch_);
        scratch_game_->play_without_human();
    }
    if (threaded_) {
        running_ = std::async(std::launch::async, [this, jobs = std::move(jobs)]() mutable {
            return play(std::move(jobs), *scratch_, *scratch_game_);
        });
    } else {
        done_ = play(std::move(jobs), *scratch_, *scratch_game_);
    }
}

std::vector<FieldPlay::Done> FieldPlay::play(std::vector<Job> jobs, Table& t,
                                             TableGame& game) const {
    std::vector<Done> done;
    done.reserve(jobs.size());
    for (const Job& job : jobs) {
        // Each table's deck comes from the tournament's seed, the table and its hand alone.
        std::uint64_t stream = seed_ ^ (static_cast<std::uint64_t>(job.table) << 40) ^ job.hands;
        t.random = std::make_unique<SeededRandom>(splitmix64(stream));
        t.estimate_random = std::make_unique<SeededRandom>(splitmix64(stream));
        t.ended.reset();
        t.hands_started = job.hands;
        t.field_left = players_left_;
        t.limits = small_blind_;
        t.ante = ante_;
        t.sitter = 0;
        t.chips_brought = 0;
        for (int k = 1; k <= seat_count; ++k) {
            Player& p = t.seat(k);
            const int e = job.entrants[static_cast<std::size_t>(k)];
            p.Active = e >= 0;
            p.sittingout = false;
            p.caption = e >= 0 ? job.names[static_cast<std::size_t>(k)] : std::string();
            p.prize = e >= 0 ? job.stacks[static_cast<std::size_t>(k)] : 0;
            p.style = job.styles[static_cast<std::size_t>(k)];
            t.chips_brought += p.prize;
        }
        int button = job.button;
        if (button == 0) {
            // A table's first button is drawn among its players.
            std::vector<int> seated;
            for (int k = 1; k <= seat_count; ++k)
                if (t.seat(k).Active) seated.push_back(k);
            t.random->reseed();
            button = seated[std::min(seated.size() - 1,
                                     static_cast<std::size_t>(t.random->next() * seated.size()))];
        }
        t.dealer_button_seat = static_cast<std::int16_t>(button);
        if (watch_) watch_(t, game, job.table);
        game.play_hand_at_once();
        Done d;
        d.table = job.table;
        d.button = t.dealer_button_seat;
        FieldHand& h = d.hand;
        h.number = t.hands_started;
        h.button = d.button;
        h.small_blind = small_blind_;
        h.big_blind = 2 * small_blind_;
        h.ante = ante_;
        h.board_shown = game.board_shown();
        for (int i = 1; i <= 5; ++i)
            h.board[static_cast<std::size_t>(i - 1)] = t.deck[deck_pos::board(i)];
        for (int k = 1; k <= seat_count; ++k) {
            d.stacks[static_cast<std::size_t>(k)] = t.seat(k).Active ? t.seat(k).prize : 0;
            FieldHand::Seat& s = h.seats[static_cast<std::size_t>(k)];
            s.entrant = job.entrants[static_cast<std::size_t>(k)];
            s.stack_before = job.stacks[static_cast<std::size_t>(k)];
            s.stack_after = d.stacks[static_cast<std::size_t>(k)];
        }
        if (const auto& settled = game.settled())
            for (int k : settled->show_order)
                h.seats[static_cast<std::size_t>(k)].cards = {t.deck[deck_pos::first_card(k)],
                                                              t.deck[deck_pos::second_card(k)]};
        done.push_back(std::move(d));
    }
    return done;
}

std::string FieldPlay::field_news(bool was_final, bool was_paid, bool was_bubble) const {
    const int left = field_.players_left();
    if (left <= 1) return {};
    std::string news;
    if (field_.final_table() && !was_final)
        news = "The final table: the last " + std::to_string(left) + " play on";
    else if (field_.in_the_money() && !was_paid)
        news = "The bubble has burst: the last " + grouped(left) + " are in the money";
    else if (field_.on_bubble() && !was_bubble)
        news = "The money bubble: " + grouped(left) + " left, " + grouped(field_.payouts().paid()) +
               " paid. Hand for hand";
    if (!human_moved_ || field_.final_table()) return news;
    const auto mine =
        std::find_if(moves_.begin(), moves_.end(),
                     [&](const tournament::SeatMove& m) { return m.entrant == field_.human(); });
    std::string moved = (mine->table_broken ? "Your table is broken: you move to table "
                                            : "The tables are balanced: you move to table ") +
                        std::to_string(mine->to_table);
    return news.empty() ? moved : news + ". " + moved;
}

bool FieldPlay::end_round(Table& t) {
    if (!pending_) return false;
    pending_ = false;
    if (running_.valid()) done_ = running_.get();
    for (const Done& d : done_.value_or(std::vector<Done>{})) {
        tournament::FieldTable& ft = field_.table(d.table);
        ft.button = d.button;
        ++ft.hands;
        for (int s = 1; s <= seat_count; ++s) {
            const int e = ft.seats[static_cast<std::size_t>(s)];
            if (e >= 0) field_.entrant(e).stack = d.stacks[static_cast<std::size_t>(s)];
        }
        last_hands_[static_cast<std::size_t>(d.table - 1)] = d.hand;
    }
    done_.reset();
    // The human's table gives its stacks and button to the field.
    const tournament::Entrant& me = field_.entrant(field_.human());
    const int mine = me.table, my_seat = me.seat;
    tournament::FieldTable& ft = field_.table(mine);
    ++ft.hands;
    if (t.dealer_button_seat > 0) ft.button = field_seat_of(t.dealer_button_seat, my_seat);
    for (int s = 1; s <= seat_count; ++s) {
        const int e = ft.seats[static_cast<std::size_t>(s)];
        if (e >= 0) field_.entrant(e).stack = t.seat(table_seat_of(s, my_seat)).prize;
    }
    const bool was_final = field_.final_table(), was_paid = field_.in_the_money(),
               was_bubble = field_.on_bubble();
    busts_ = field_.place_busts();
    moves_ = field_.players_left() > 1 ? field_.rebalance() : std::vector<tournament::SeatMove>{};
    human_moved_ = std::any_of(moves_.begin(), moves_.end(), [&](const tournament::SeatMove& m) {
        return m.entrant == field_.human();
    });
    news_ = field_news(was_final, was_paid, was_bubble);
    const tournament::Entrant& after = field_.entrant(field_.human());
    if (after.place > 1) {
        end_game(t, GameEnd::HumanBroke);
        return true;
    }
    if (field_.players_left() <= 1) {
        end_game(t, GameEnd::TournamentWon);
        return true;
    }
    seat_human_table(t);
    return true;
}

std::unique_ptr<FieldPlay> new_field_play(const Table& t) {
    const std::uint64_t seed = t.random->state()[0];
    return std::make_unique<FieldPlay>(
        tournament::Field(t.options.entrants, t.options.structure, seed ^ 0xF1E1D5EEDull), seed,
        t.options);
}

}  // namespace holdem::standard
