// Virtual time, the table's two timers and the input focus. Handlers never nest: a focus
// change is queued and its lost-focus and got-focus handlers run after the current handler
// returns, and all pending focus changes run before the next timer tick.
#pragma once

#include <array>
#include <cstdint>
#include <deque>
#include <optional>

#include "model/controls.h"

namespace holdem {

enum class TimerId : std::uint8_t { roundtimer, Timer1 };

// Where the loop delivers its events; the table implements it.
class EventHandler {
  public:
    virtual ~EventHandler() = default;
    virtual void focus_lost(ControlId control) = 0;
    virtual void focus_got(ControlId control) = 0;
    virtual void timer_tick(TimerId timer) = 0;
    // A timer is due and about to tick; nothing runs and the loop has not moved yet.
    virtual void timer_due(TimerId) {}
    // Once the program has ended nothing further runs.
    virtual bool stopped() const = 0;
};

class EventLoop {
  public:
    static constexpr int roundtimer_interval_ms = 1500;
    static constexpr int Timer1_interval_ms = 5000;
    // A chain of focus changes this long without a pause means the turn is circling the
    // table with nobody to stop it; the loop drops the rest rather than hang.
    static constexpr int max_focus_changes_per_batch = 10000;

    std::int64_t now() const { return now_; }

    // Enabling a stopped timer starts a full interval; enabling a running one changes nothing.
    void set_timer_enabled(TimerId timer, bool enabled);
    bool timer_enabled(TimerId timer) const { return timers_[index(timer)].enabled; }
    int timer_interval(TimerId timer) const { return timers_[index(timer)].interval; }
    // A new interval; a running timer due later than one new interval from now comes sooner.
    void set_timer_interval(TimerId timer, int interval_ms);

    // The earliest time at which something is due: now while focus changes wait, else the
    // next timer deadline, or nothing when the loop is idle.
    std::optional<std::int64_t> next_deadline() const;

    std::optional<ControlId> focus() const { return focus_; }
    // Queues a focus change; two identical changes queued back to back count once.
    void set_focus(ControlId control);
    // Moves the focus without running any handler (a hidden button handing it to its neighbour).
    void move_focus_quietly(ControlId control) { focus_ = control; }
    bool focus_pending() const { return !pending_.empty(); }

    // Runs every queued focus change, including those queued by the handlers themselves.
    void run_focus_events(EventHandler& handler);
    // Runs everything due up to and including time t, in order, then sets the time to t.
    void run_until(std::int64_t t, EventHandler& handler);

    // Everything the loop holds, for saving a game and taking it up again.
    struct State {
        std::int64_t now = 0;
        struct TimerState {
            int interval = 0;
            bool enabled = false;
            std::int64_t deadline = 0;
        };
        std::array<TimerState, 2> timers{};
        std::optional<ControlId> focus;
        std::deque<ControlId> pending;
        std::uint64_t events_run = 0;
    };
    State state() const;
    void restore(const State& state);
    // The next thing due is this timer's tick (no focus change waits).
    bool next_is(TimerId timer) const;

    // Handler calls made so far (focus and timer events), for bounds in tests and the simulator.
    std::uint64_t events_run() const { return events_run_; }
    std::uint64_t runaway_batches() const { return runaway_batches_; }

  private:
    struct Timer {
        int interval;
        bool enabled = false;
        std::int64_t deadline = 0;
    };
    static constexpr std::size_t index(TimerId timer) { return static_cast<std::size_t>(timer); }

    std::int64_t now_ = 0;
    std::array<Timer, 2> timers_{Timer{roundtimer_interval_ms}, Timer{Timer1_interval_ms}};
    std::optional<ControlId> focus_;
    std::deque<ControlId> pending_;
    std::uint64_t events_run_ = 0;
    std::uint64_t runaway_batches_ = 0;
};

}  // namespace holdem
