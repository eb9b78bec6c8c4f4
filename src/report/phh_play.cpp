#include "report/phh_play.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <sstream>

#include "report/phh_writer.h"
#include "report/words.h"
#include "rules/reading/standard_hand.h"

namespace holdem {

namespace {

// An action that cannot be applied.
struct Refused {
    std::string why;
};

// "Ac" and the like; "??" is a card nobody saw (0). Anything else is refused.
std::vector<CardCode> cards_of(std::string_view text) {
    if (text.size() % 2 != 0) throw Refused{"'" + std::string(text) + "' is not a list of cards"};
    std::vector<CardCode> out;
    for (std::size_t i = 0; i < text.size(); i += 2) {
        const std::string_view card = text.substr(i, 2);
        if (card == "??") {
            out.push_back(0);
            continue;
        }
        CardCode found = 0;
        for (CardCode c = 1; c <= 52 && !found; ++c)
            if (phh_card(c) == card) found = c;
        if (!found) throw Refused{"'" + std::string(card) + "' is not a card"};
        out.push_back(found);
    }
    return out;
}

std::vector<std::string_view> words_of(std::string_view text) {
    if (const std::size_t comment = text.find('#'); comment != std::string_view::npos)
        text = text.substr(0, comment);
    std::vector<std::string_view> words;
    std::size_t i = 0;
    while (i < text.size()) {
        while (i < text.size() && (text[i] == ' ' || text[i] == '\t'))
            ++i;
        const std::size_t start = i;
        while (i < text.size() && text[i] != ' ' && text[i] != '\t')
            ++i;
        if (i > start) words.push_back(text.substr(start, i - start));
    }
    return words;
}

class Hand {
  public:
    explicit Hand(const PhhHand& h) : n_(static_cast<int>(h.starting_stacks.size())) {
        std::vector<Chips> antes = h.antes, blinds = h.blinds;
        // Heads-up the antes and the blinds are the other way round.
        if (n_ == 2) {
            std::reverse(antes.begin(), antes.end());
            std::reverse(blinds.begin(), blinds.end());
        }
        min_bet_ = h.min_bet;
        players_.resize(static_cast<std::size_t>(n_));
        for (int i = 0; i < n_; ++i)
            players_[at(i)].stack = h.starting_stacks[at(i)];
        record_.standard_rules = true;
        record_.level = static_cast<int>(std::clamp<std::int64_t>(h.level.value_or(1), 1, 1000));
        record_.hand = static_cast<std::uint64_t>(std::max<std::int64_t>(1, h.hand.value_or(1)));
        for (int i = 0; i < n_; ++i) {
            RecordedSeat s;
            s.seat = h.seats.empty() ? i + 1 : h.seats[at(i)];
            s.name = h.players.empty() || h.players[at(i)].empty() ? "p" + std::to_string(i + 1)
                                                                   : h.players[at(i)];
            s.stack = h.starting_stacks[at(i)];
            record_.seats.push_back(s);
        }
        std::array<bool, 11> taken{};
        for (const RecordedSeat& s : record_.seats) {
            if (taken[static_cast<std::size_t>(s.seat)]) throw Refused{"two players share a seat"};
            taken[static_cast<std::size_t>(s.seat)] = true;
        }
        record_.button = record_.seats.back().seat;
        // The antes are dead money for the main pot; then the blinds and straddles, as bets.
        for (int i = 0; i < n_; ++i) {
            P& p = players_[at(i)];
            const Chips ante = std::min(antes[at(i)], p.stack);
            if (ante <= 0) continue;
            p.stack -= ante;
            dead_ += ante;
            event(RecordedEvent::Kind::ante, i, ante, name(i) + " posts the ante " + number(ante));
        }
        int largest = -1;
        for (int i = 0; i < n_; ++i) {
            if (blinds[at(i)] <= 0) continue;
            P& p = players_[at(i)];
            const Chips paid = std::min(blinds[at(i)], p.stack);
            p.stack -= paid;
            p.bet = paid;
            p.bets = paid;
            if (largest < 0 || blinds[at(i)] >= blinds[at(largest)]) largest = i;
            // A short blind is all in; the bet to match is the blind as it stands.
            current_ = std::max(current_, blinds[at(i)]);
            RecordedEvent e;
            e.kind = RecordedEvent::Kind::blind;
            e.seat = seat(i);
            e.amount = paid;
            e.big = false;
            record_.events.push_back(e);
            log(name(i) + " posts " + number(paid));
        }
        if (largest >= 0) record_.events[index_of_blind(largest)].big = true;
        record_.small_blind =
            blinds.empty() ? 0
                           : *std::min_element(blinds.begin(), blinds.end(), [](Chips a, Chips b) {
                                 return (a > 0 ? a : max_phh_chips) < (b > 0 ? b : max_phh_chips);
                             });
        last_raise_ = std::max(min_bet_, current_);
        first_preflop_ = largest < 0 ? 0 : (largest + 1) % n_;
    }

    void apply(std::string_view action) {
        const std::vector<std::string_view> w = words_of(action);
        if (w.empty()) return;  // a comment, or nothing
        if (w[0] == "d") return deal(w);
        if (w[0].size() < 2 || w[0][0] != 'p' || w.size() < 2) throw Refused{"no such actor"};
        int who = 0;
        const auto [end, ec] = std::from_chars(w[0].data() + 1, w[0].data() + w[0].size(), who);
        if (ec != std::errc() || end != w[0].data() + w[0].size() || who < 1 || who > n_)
            throw Refused{"no such player"};
        const int i = who - 1;
        if (w[1] == "sm") return show(i, w.size() > 2 ? w[2] : std::string_view());
        if (holes_dealt_ < n_) throw Refused{"a player acts before every hand is dealt"};
        if (phase_ != Phase::betting) throw Refused{"the betting is over"};
        if (to_act_ != i) throw Refused{"it is p" + std::to_string(to_act_ + 1) + "'s turn"};
        if (w[1] == "f" && w.size() == 2) return fold(i);
        if (w[1] == "cc" && w.size() == 2) return check_or_call(i);
        if (w[1] == "cbr" && w.size() == 3) return bet_or_raise(i, w[2]);
        throw Refused{"no such action in no-limit hold'em"};
    }

    // Once the actions are done: a hand that has reached its end is paid.
    void finish(PhhPlayed& out) {
        const bool over = phase_ == Phase::over ||
                          (phase_ == Phase::showdown && board_.size() == 5) || contenders() == 1;
        if (over) pay();
        out.complete = over;
        for (const P& p : players_) {
            out.finishing.push_back(p.stack);
            out.winnings.push_back(p.won);
        }
    }

    HandRecord& record() { return record_; }

  private:
    enum class Phase : std::uint8_t { betting, board_due, showdown, over };
    struct P {
        Chips stack = 0, bet = 0, bets = 0, won = 0;
        Chips acted_at = 0;
        bool folded = false, mucked = false, acted = false, shown = false;
        std::array<CardCode, 2> cards{};
    };

    static std::size_t at(int i) { return static_cast<std::size_t>(i); }
    int seat(int i) const { return record_.seats[at(i)].seat; }
    const std::string& name(int i) const { return record_.seats[at(i)].name; }
    static std::string number(Chips c) { return std::to_string(c); }
    void log(std::string line) {
        record_.log.push_back(std::move(line));
        if (!record_.events.empty()) record_.events.back().log_lines = record_.log.size();
    }
    void event(RecordedEvent::Kind kind, int i, Chips amount, std::string line) {
        RecordedEvent e;
        e.kind = kind;
        e.seat = i < 0 ? 0 : seat(i);
        e.amount = amount;
        record_.events.push_back(e);
        log(std::move(line));
    }
    std::size_t index_of_blind(int i) const {
        std::size_t found = 0;
        for (std::size_t k = 0; k < record_.events.size(); ++k)
            if (record_.events[k].kind == RecordedEvent::Kind::blind &&
                record_.events[k].seat == seat(i))
                found = k;
        return found;
    }
    bool can_act(const P& p) const { return !p.folded && p.stack > 0; }
    int contenders() const {
        return static_cast<int>(std::count_if(players_.begin(), players_.end(),
                                              [](const P& p) { return !p.folded && !p.mucked; }));
    }
    int able() const {
        return static_cast<int>(std::count_if(players_.begin(), players_.end(),
                                              [this](const P& p) { return can_act(p); }));
    }
    // Nothing to answer: the others still in cannot put in more than it has matched.
    bool covered(int i) const {
        for (int k = 0; k < n_; ++k)
            if (k != i && !players_[at(k)].folded &&
                players_[at(k)].bet + players_[at(k)].stack > players_[at(i)].bet)
                return false;
        return true;
    }
    bool needs(int i) const {
        const P& p = players_[at(i)];
        return can_act(p) && (!p.acted || p.bet < current_) && !covered(i);
    }
    void next_from(int from) {
        if (contenders() == 1) {
            phase_ = Phase::over;
            to_act_ = -1;
            return;
        }
        for (int step = 0; step < n_; ++step) {
            const int k = (from + step) % n_;
            if (needs(k)) {
                to_act_ = k;
                return;
            }
        }
        close_round();
    }
    void close_round() {
        to_act_ = -1;
        for (P& p : players_) {
            p.bet = 0;
            p.acted = false;
            p.acted_at = 0;
        }
        current_ = 0;
        last_raise_ = min_bet_;
        betting_over_ = able() <= 1 || board_.size() == 5;
        phase_ = board_.size() == 5 ? Phase::showdown : Phase::board_due;
    }

    void deal(const std::vector<std::string_view>& w) {
        if (w.size() == 4 && w[1] == "dh") {
            if (!started_) throw Refused{"hole cards after the betting began"};
            if (holes_dealt_ >= n_) throw Refused{"more hands dealt than there are players"};
            const std::string expected = "p" + std::to_string(holes_dealt_ + 1);
            if (w[2] != expected)
                throw Refused{"hole cards out of order: " + expected + " is next"};
            const std::vector<CardCode> cards = cards_of(w[3]);
            if (cards.size() != 2) throw Refused{"a hold'em hand is two cards"};
            P& p = players_[at(holes_dealt_)];
            p.cards = {cards[0], cards[1]};
            record_.seats[at(holes_dealt_)].cards = p.cards;
            if (++holes_dealt_ == n_) next_from(first_preflop_);
            return;
        }
        if (w.size() == 3 && w[1] == "db") {
            if (holes_dealt_ < n_) throw Refused{"the board before every hand is dealt"};
            if (phase_ != Phase::board_due) throw Refused{"the board while the betting goes on"};
            // Once a player still in is all in and the betting is over, the hands are shown
            // where the betting ends, before the rest of the board.
            if (betting_over_)
                for (const P& p : players_)
                    if (!p.folded && !p.mucked && !p.shown)
                        throw Refused{"the board before every hand still in is shown"};
            const std::vector<CardCode> cards = cards_of(w[2]);
            const std::size_t due = board_.empty() ? 3 : 1;
            if (cards.size() != due || std::count(cards.begin(), cards.end(), 0))
                throw Refused{"the board is dealt " + std::to_string(due) +
                              " known card(s) at a time"};
            board_.insert(board_.end(), cards.begin(), cards.end());
            RecordedEvent e;
            e.kind = RecordedEvent::Kind::street;
            e.street = board_.size() == 3   ? Street::flop
                       : board_.size() == 4 ? Street::turn
                                            : Street::river;
            e.cards = cards;
            record_.events.push_back(e);
            std::string line = board_.size() == 3   ? "*** FLOP ***"
                               : board_.size() == 4 ? "*** TURN ***"
                                                    : "*** RIVER ***";
            line += " [";
            for (std::size_t c = 0; c < board_.size(); ++c)
                line += (c ? " " : "") + history_card(board_[c]);
            line += "]";
            log(line);
            if (betting_over_) {
                phase_ = board_.size() == 5 ? Phase::showdown : Phase::board_due;
            } else {
                phase_ = Phase::betting;
                next_from(0);
            }
            return;
        }
        throw Refused{"no such dealing"};
    }

    void fold(int i) {
        P& p = players_[at(i)];
        p.folded = true;
        action(i, Action::fold, 0, p.bet);
        next_from(i + 1);
    }

    void check_or_call(int i) {
        P& p = players_[at(i)];
        const Chips owed = std::min(std::max<Chips>(0, current_ - p.bet), p.stack);
        p.stack -= owed;
        p.bet += owed;
        p.bets += owed;
        p.acted = true;
        p.acted_at = current_;
        action(i,
               owed == 0      ? Action::check
               : p.stack == 0 ? Action::all_in
                              : Action::call,
               owed, p.bet);
        next_from(i + 1);
    }

    void bet_or_raise(int i, std::string_view amount) {
        P& p = players_[at(i)];
        Chips to = 0;
        const auto [end, ec] = std::from_chars(amount.data(), amount.data() + amount.size(), to);
        if (ec != std::errc() || end != amount.data() + amount.size())
            throw Refused{"'" + std::string(amount) + "' is not a whole amount"};
        const Chips all_in = p.bet + p.stack;
        if (to <= current_) throw Refused{"a raise to " + number(to) + " raises nothing"};
        if (to > all_in) throw Refused{"a raise to " + number(to) + " is beyond the stack"};
        const Chips least = current_ == 0 ? min_bet_ : current_ + last_raise_;
        if (to < least && to != all_in)
            throw Refused{"a raise to " + number(to) + " is below the least, " + number(least)};
        if (p.acted && current_ - p.acted_at < last_raise_)
            throw Refused{"a short all-in did not reopen the betting"};
        bool others = false;
        for (int k = 0; k < n_; ++k)
            others = others || (k != i && can_act(players_[at(k)]));
        if (!others) throw Refused{"a raise nobody can answer"};
        const Chips before = current_;
        const Chips paid = to - p.bet;
        p.stack -= paid;
        p.bet = to;
        p.bets += paid;
        if (to - current_ >= last_raise_) {
            last_raise_ = to - current_;
            for (P& o : players_)
                o.acted = false;
        }
        current_ = to;
        p.acted = true;
        p.acted_at = current_;
        action(i,
               p.stack == 0  ? Action::all_in
               : before == 0 ? Action::bet
                             : Action::raise,
               paid, to, before);
        next_from(i + 1);
    }

    void action(int i, Action a, Chips amount, Chips total, std::optional<Chips> before = {}) {
        RecordedEvent e;
        e.kind = RecordedEvent::Kind::action;
        e.seat = seat(i);
        e.action = a;
        e.amount = amount;
        e.total = total;
        e.bet_before = before.value_or(current_);
        record_.events.push_back(e);
        std::string line = name(i);
        switch (a) {
            case Action::fold:
                line += " folds";
                break;
            case Action::check:
                line += " checks";
                break;
            case Action::call:
                line += " calls " + number(amount);
                break;
            case Action::bet:
                line += " bets " + number(total);
                break;
            case Action::raise:
                line += " raises to " + number(total);
                break;
            case Action::all_in:
                line += " is all in for " + number(total);
                break;
        }
        log(line);
        started_ = false;
    }

    void show(int i, std::string_view cards) {
        if (phase_ != Phase::showdown && !(betting_over_ && phase_ == Phase::board_due))
            throw Refused{"a hand is shown before the betting is over"};
        P& p = players_[at(i)];
        if (p.folded || p.mucked || p.shown) throw Refused{"that hand is not in the showdown"};
        if (cards.empty()) {  // mucked: it forfeits its stake
            // Once a hand still in is all in, every hand is shown: none may be mucked.
            for (const P& o : players_)
                if (!o.folded && o.stack == 0)
                    throw Refused{"a hand is mucked although a player is all in"};
            p.mucked = true;
            event(RecordedEvent::Kind::muck, i, 0, name(i) + " mucks");
            return;
        }
        if (cards != "-") {
            const std::vector<CardCode> shown = cards_of(cards);
            if (shown.size() != 2 || !shown[0] || !shown[1])
                throw Refused{"a shown hand is two known cards"};
            for (int c = 0; c < 2; ++c)
                if (p.cards[at(c)] && p.cards[at(c)] != shown[at(c)] &&
                    p.cards[at(c)] != shown[at(1 - c)])
                    throw Refused{"the shown cards are not those dealt"};
            p.cards = {shown[0], shown[1]};
        }
        if (!p.cards[0] || !p.cards[1]) throw Refused{"a hand shown is not known"};
        p.shown = true;
        record_.seats[at(i)].cards = p.cards;
        RecordedEvent e;
        e.kind = RecordedEvent::Kind::show;
        e.seat = seat(i);
        e.cards = {p.cards[0], p.cards[1]};
        record_.events.push_back(e);
        log(name(i) + " shows [" + card_list({p.cards[0], p.cards[1]}, true) + "]");
    }

    Strength strength(const P& p) const {
        CardMask cards = card_bit(p.cards[0]) | card_bit(p.cards[1]);
        for (CardCode c : board_)
            cards |= card_bit(c);
        return standard_strength(cards);
    }

    // The uncalled bet back, the pots by the levels the contenders bet to, each to the best hand
    // among those who may win it.
    void pay() {
        std::vector<int> by_bets(static_cast<std::size_t>(n_));
        for (int i = 0; i < n_; ++i)
            by_bets[at(i)] = i;
        std::sort(by_bets.begin(), by_bets.end(),
                  [&](int a, int b) { return players_[at(a)].bets > players_[at(b)].bets; });
        P& top = players_[at(by_bets[0])];
        const Chips back = top.bets - players_[at(by_bets[1])].bets;
        if (back > 0) {
            top.bets -= back;
            top.stack += back;
            event(RecordedEvent::Kind::uncalled, by_bets[0], back,
                  "Uncalled bet (" + number(back) + ") returned to " + name(by_bets[0]));
        }
        const bool shown_down = contenders() > 1;
        if (shown_down)
            for (int i = 0; i < n_; ++i) {
                const P& p = players_[at(i)];
                if (!p.folded && !p.mucked && (!p.cards[0] || !p.cards[1]))
                    throw Refused{"p" + std::to_string(i + 1) +
                                  "'s cards are not known, so the pot cannot be awarded"};
            }
        std::vector<Chips> levels;
        for (const P& p : players_)
            if (!p.folded && !p.mucked) levels.push_back(p.bets);
        std::sort(levels.begin(), levels.end());
        levels.erase(std::unique(levels.begin(), levels.end()), levels.end());
        struct Pot {
            Chips amount = 0;
            std::vector<int> eligible;
        };
        std::vector<Pot> pots;
        Chips below = 0;
        for (Chips level : levels) {
            Pot pot;
            for (int i = 0; i < n_; ++i) {
                const P& p = players_[at(i)];
                pot.amount += std::clamp<Chips>(p.bets - below, 0, level - below);
                if (!p.folded && !p.mucked && p.bets >= level) pot.eligible.push_back(i);
            }
            if (!pots.empty() && pots.back().eligible == pot.eligible)
                pots.back().amount += pot.amount;
            else if (pot.amount > 0 || pots.empty())
                pots.push_back(pot);
            below = level;
        }
        if (pots.empty()) pots.push_back({});
        for (const P& p : players_)
            pots.back().amount += std::max<Chips>(0, p.bets - below);
        pots.front().amount += dead_;
        if (pots.front().eligible.empty())
            for (int i = 0; i < n_; ++i)
                if (!players_[at(i)].folded && !players_[at(i)].mucked)
                    pots.front().eligible.push_back(i);
        const int count = static_cast<int>(pots.size());
        for (int k = 0; k < count; ++k) {
            Pot& pot = pots[at(k)];
            if (pot.amount <= 0 || pot.eligible.empty()) continue;
            Strength best = 0;
            if (shown_down)
                for (int i : pot.eligible)
                    best = std::max(best, strength(players_[at(i)]));
            std::vector<int> winners;
            for (int i : pot.eligible)
                if (!shown_down || pot.eligible.size() == 1 || strength(players_[at(i)]) == best)
                    winners.push_back(i);
            // In order from the first player left of the button: the odd chips go there.
            const Chips share = pot.amount / static_cast<Chips>(winners.size());
            Chips odd = pot.amount % static_cast<Chips>(winners.size());
            for (int i : winners) {
                P& p = players_[at(i)];
                const Chips paid = share + odd;
                odd = 0;
                p.stack += paid;
                p.won += paid;
                RecordedEvent e;
                e.kind = RecordedEvent::Kind::won;
                e.seat = seat(i);
                e.amount = paid;
                e.pot = k;
                e.pots = count;
                if (shown_down) e.words = standard_words(strength(p));
                record_.events.push_back(e);
                log(name(i) + " collected " + number(paid) + " from " +
                    (count == 1 ? std::string("pot")
                     : k == 0   ? std::string("main pot")
                                : "side pot-" + std::to_string(k)));
            }
        }
        phase_ = Phase::over;
    }

    int n_;
    std::vector<P> players_;
    Chips min_bet_ = 0, current_ = 0, last_raise_ = 0, dead_ = 0;
    std::vector<CardCode> board_;
    Phase phase_ = Phase::betting;
    bool betting_over_ = false;
    bool started_ = true;  // no player has acted yet
    int holes_dealt_ = 0;
    int first_preflop_ = 0;
    int to_act_ = -1;
    HandRecord record_;
};

}  // namespace

PhhPlayed play_phh(const PhhHand& hand) {
    PhhPlayed out;
    if (hand.variant != "NT") {
        out.problem = "the variant " + hand.variant + " is not no-limit hold'em";
        return out;
    }
    if (hand.starting_stacks.size() < 2 || hand.starting_stacks.size() > 10) {
        out.problem = "a hand of no-limit hold'em has two to ten players here";
        return out;
    }
    try {
        Hand h(hand);
        std::size_t n = 0;
        try {
            for (const std::string& action : hand.actions) {
                ++n;
                h.apply(action);
            }
            n = 0;
            h.finish(out);
        } catch (const Refused& refused) {
            out.problem = n == 0 ? refused.why
                                 : "action " + std::to_string(n) + " (" + hand.actions[n - 1] +
                                       "): " + refused.why;
            out.complete = false;
        }
        out.record = std::move(h.record());
    } catch (const Refused& refused) {
        out.problem = refused.why;
    }
    return out;
}

}  // namespace holdem
