#include "tournament/field.h"

#include <algorithm>
#include <set>

#include "rules/tournament/field.h"

namespace holdem::tournament {

namespace {

int draw_below(Random& random, int n) {
    return std::clamp(static_cast<int>(random.next() * static_cast<float>(n)), 0, n - 1);
}

}  // namespace

int FieldTable::players() const {
    return static_cast<int>(
        std::count_if(seats.begin() + 1, seats.end(), [](int e) { return e >= 0; }));
}

Field::Field(int entrants, StructureKind structure, std::uint64_t seed)
    : structure_(structure), random_(seed) {
    entrants = std::clamp(entrants, 2, max_entrants);
    payouts_ = payouts_for(entrants);
    random_.reseed();
    std::set<std::string> names{std::string(human_name)};
    entrants_.resize(static_cast<std::size_t>(entrants));
    for (int i = 0; i < entrants; ++i) {
        Entrant& e = entrants_[static_cast<std::size_t>(i)];
        e.stack = this->structure().starting_stack;
        if (i == 0) {
            e.name = std::string(human_name);
            e.human = true;
            continue;
        }
        do
            e.name = new_player_name(random_);
        while (!names.insert(e.name).second);
        e.style = static_cast<std::int16_t>(draw_below(random_, 4));
    }
    left_ = entrants;
    human_ = 0;
    const int count = (entrants + table_seats - 1) / table_seats;
    tables_.resize(static_cast<std::size_t>(count));
    for (int t = 0; t < count; ++t) {
        tables_[static_cast<std::size_t>(t)].number = t + 1;
        tables_[static_cast<std::size_t>(t)].seats.fill(-1);
    }
    // The seats are drawn: the entrants in a shuffled order, dealt round the tables, each into
    // a seat drawn among its table's empty ones.
    std::vector<int> order(static_cast<std::size_t>(entrants));
    for (int i = 0; i < entrants; ++i)
        order[static_cast<std::size_t>(i)] = i;
    for (int i = entrants - 1; i > 0; --i)
        std::swap(order[static_cast<std::size_t>(i)],
                  order[static_cast<std::size_t>(draw_below(random_, i + 1))]);
    for (int k = 0; k < entrants; ++k) {
        FieldTable& t = tables_[static_cast<std::size_t>(k % count)];
        std::vector<int> empty;
        for (int s = 1; s <= table_seats; ++s)
            if (t.seats[static_cast<std::size_t>(s)] < 0) empty.push_back(s);
        seat(order[static_cast<std::size_t>(k)], t.number,
             empty[static_cast<std::size_t>(draw_below(random_, static_cast<int>(empty.size())))]);
    }
}

Field::Field(StructureKind structure, std::vector<Entrant> entrants, std::vector<FieldTable> tables,
             Random::State random)
    : structure_(structure),
      payouts_(payouts_for(static_cast<int>(entrants.size()))),
      entrants_(std::move(entrants)),
      tables_(std::move(tables)) {
    random_.restore(random);
    left_ = static_cast<int>(std::count_if(entrants_.begin(), entrants_.end(),
                                           [](const Entrant& e) { return e.place == 0; }));
    if (left_ == 0) left_ = 1;  // the winner's place is given
    for (std::size_t i = 0; i < entrants_.size(); ++i)
        if (entrants_[i].human) human_ = static_cast<int>(i);
}

std::vector<int> Field::open_tables() const {
    std::vector<int> open;
    for (const FieldTable& t : tables_)
        if (!t.broken && t.players() > 0) open.push_back(t.number);
    return open;
}

void Field::seat(int entrant, int table, int seat_number) {
    Entrant& e = this->entrant(entrant);
    e.table = table;
    e.seat = seat_number;
    this->table(table).seats[static_cast<std::size_t>(seat_number)] = entrant;
}

void Field::unseat(int entrant) {
    Entrant& e = this->entrant(entrant);
    if (e.table > 0) table(e.table).seats[static_cast<std::size_t>(e.seat)] = -1;
    e.table = 0;
    e.seat = 0;
}

void Field::begin_hand() {
    for (Entrant& e : entrants_)
        e.hand_start = e.stack;
}

std::vector<int> Field::place_busts() {
    std::vector<int> busts;
    for (int i = 0; i < entrants(); ++i)
        if (entrant(i).place == 0 && entrant(i).table > 0 && entrant(i).stack <= 0)
            busts.push_back(i);
    // The smallest starting stack goes out first; equal stacks in the order of the draw.
    std::sort(busts.begin(), busts.end(), [&](int a, int b) {
        if (entrant(a).hand_start != entrant(b).hand_start)
            return entrant(a).hand_start < entrant(b).hand_start;
        return a > b;
    });
    for (int i : busts) {
        Entrant& e = entrant(i);
        e.place = left_;
        e.prize = payouts_.prize_for(e.place);
        e.stack = 0;
        --left_;
        unseat(i);
    }
    if (left_ == 1)
        for (Entrant& e : entrants_)
            if (e.place == 0) {
                e.place = 1;
                e.prize = payouts_.prize_for(1);
            }
    return busts;
}

int Field::next_big_blind_seat(const FieldTable& t) const {
    std::vector<int> occupied;
    for (int s = 1; s <= table_seats; ++s)
        if (t.seats[static_cast<std::size_t>(s)] >= 0) occupied.push_back(s);
    if (occupied.size() < 2) return occupied.empty() ? 0 : occupied.front();
    auto after = [&](int seat) {
        for (int s : occupied)
            if (s > seat) return s;
        return occupied.front();
    };
    const int button = after(t.button);
    return occupied.size() == 2 ? after(button) : after(after(button));
}

int Field::hands_until_big_blind(const FieldTable& t, int empty_seat) const {
    FieldTable with = t;
    with.seats[static_cast<std::size_t>(empty_seat)] = 0;
    for (int hands = 1; hands <= table_seats + 1; ++hands) {
        if (next_big_blind_seat(with) == empty_seat) return hands;
        std::vector<int> occupied;
        for (int s = 1; s <= table_seats; ++s)
            if (with.seats[static_cast<std::size_t>(s)] >= 0) occupied.push_back(s);
        const auto next =
            std::find_if(occupied.begin(), occupied.end(), [&](int s) { return s > with.button; });
        with.button = next == occupied.end() ? occupied.front() : *next;
    }
    return table_seats + 2;
}

std::vector<SeatMove> Field::rebalance() {
    std::vector<SeatMove> moves;
    std::vector<int> open = open_tables();
    const int needed = std::max(1, (left_ + table_seats - 1) / table_seats);
    auto fewest = [&](const std::vector<int>& among) {
        int best = among.front();
        for (int n : among)
            if (table(n).players() < table(best).players()) best = n;
        return best;
    };
    // Tables break in a fixed order, the highest-numbered first; their players draw seats.
    while (static_cast<int>(open.size()) > needed) {
        FieldTable& broken = table(open.back());
        open.pop_back();
        broken.broken = true;
        for (int s = 1; s <= table_seats; ++s) {
            const int e = broken.seats[static_cast<std::size_t>(s)];
            if (e < 0) continue;
            unseat(e);
            const int to = fewest(open);
            std::vector<int> empty;
            for (int k = 1; k <= table_seats; ++k)
                if (table(to).seats[static_cast<std::size_t>(k)] < 0) empty.push_back(k);
            const int seat_number = empty[static_cast<std::size_t>(
                draw_below(random_, static_cast<int>(empty.size())))];
            seat(e, to, seat_number);
            moves.push_back({e, broken.number, s, to, seat_number, true});
        }
    }
    // The others are balanced: from the fullest table the player due the big blind next moves
    // to the shortest, into the seat that pays the big blind soonest.
    for (;;) {
        int most = open.front(), least = open.front();
        for (int n : open) {
            if (table(n).players() >= table(most).players()) most = n;
            if (table(n).players() < table(least).players()) least = n;
        }
        if (table(most).players() - table(least).players() <= 1) break;
        const int from_seat = next_big_blind_seat(table(most));
        const int e = table(most).seats[static_cast<std::size_t>(from_seat)];
        int to_seat = 0, soonest = 0;
        for (int k = 1; k <= table_seats; ++k) {
            if (table(least).seats[static_cast<std::size_t>(k)] >= 0) continue;
            const int hands = hands_until_big_blind(table(least), k);
            if (to_seat == 0 || hands < soonest) {
                to_seat = k;
                soonest = hands;
            }
        }
        unseat(e);
        seat(e, least, to_seat);
        moves.push_back({e, most, from_seat, least, to_seat, false});
    }
    return moves;
}

Standing Field::standing_of(int i) const {
    Standing s;
    s.players_left = left_;
    s.paid = payouts_.paid();
    s.average = left_ > 0 ? chips_in_play() / left_ : 0;
    const Chips mine = entrant(i).stack;
    s.chip_rank = 1;
    for (const Entrant& e : entrants_)
        if (e.place == 0 && e.stack > mine) ++s.chip_rank;
    return s;
}

std::int64_t Field::chips_in_play() const {
    std::int64_t chips = 0;
    for (const Entrant& e : entrants_)
        chips += e.stack;
    return chips;
}

std::optional<std::string> Field::check() const {
    const int n = entrants();
    if (n < 2 || n > max_entrants) return "the field's size is out of range";
    std::vector<int> seen(static_cast<std::size_t>(n), 0);
    for (const FieldTable& t : tables_) {
        if (t.number != static_cast<int>(&t - tables_.data()) + 1) return "a table is out of order";
        if (t.button < 0 || t.button > table_seats) return "a table's button is at no seat";
        for (int s = 1; s <= table_seats; ++s) {
            const int e = t.seats[static_cast<std::size_t>(s)];
            if (e < -1 || e >= n) return "a seat holds no entrant";
            if (e < 0) continue;
            if (t.broken) return "a broken table has a player";
            if (++seen[static_cast<std::size_t>(e)] > 1) return "a player is seated twice";
            const Entrant& who = entrant(e);
            if (who.table != t.number || who.seat != s) return "a player's seat disagrees";
        }
    }
    std::vector<bool> place_taken(static_cast<std::size_t>(n) + 1, false);
    int in = 0, humans = 0;
    for (int i = 0; i < n; ++i) {
        const Entrant& e = entrant(i);
        humans += e.human;
        if (e.stack < 0) return "a stack is below nothing";
        if (e.style < 0 || e.style > 3) return "a style is unknown";
        if (e.place == 0 || (e.place == 1 && e.table > 0)) {
            ++in;
            if (e.table == 0 || seen[static_cast<std::size_t>(i)] != 1)
                return "a player still in has no seat";
        } else {
            if (e.place < 1 || e.place > n || place_taken[static_cast<std::size_t>(e.place)])
                return "two players share a place";
            place_taken[static_cast<std::size_t>(e.place)] = true;
            if (e.table != 0 || e.stack != 0) return "a player out still sits";
        }
    }
    if (humans != 1) return "the field has no human, or two";
    if (in != left_) return "the players left are miscounted";
    for (int p = left_ + 1; p <= n; ++p)
        if (!place_taken[static_cast<std::size_t>(p)])
            return "a place below the players left is empty";
    if (chips_in_play() != std::int64_t{n} * structure().starting_stack)
        return "the field's chips are not what its entrants brought";
    return std::nullopt;
}

}  // namespace holdem::tournament
