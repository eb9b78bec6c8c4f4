#include "model/event_loop.h"

#include <algorithm>

namespace holdem {

void EventLoop::set_timer_enabled(TimerId timer, bool enabled) {
    Timer& t = timers_[index(timer)];
    if (enabled && !t.enabled) t.deadline = now_ + t.interval;
    t.enabled = enabled;
}

void EventLoop::set_timer_interval(TimerId timer, int interval_ms) {
    Timer& t = timers_[index(timer)];
    t.interval = interval_ms;
    if (t.enabled) t.deadline = std::min(t.deadline, now_ + interval_ms);
}

std::optional<std::int64_t> EventLoop::next_deadline() const {
    if (!pending_.empty()) return now_;
    std::optional<std::int64_t> earliest;
    for (const Timer& t : timers_)
        if (t.enabled && (!earliest || t.deadline < *earliest)) earliest = t.deadline;
    return earliest;
}

EventLoop::State EventLoop::state() const {
    State s;
    s.now = now_;
    for (std::size_t i = 0; i < timers_.size(); ++i)
        s.timers[i] = {timers_[i].interval, timers_[i].enabled, timers_[i].deadline};
    s.focus = focus_;
    s.pending = pending_;
    s.events_run = events_run_;
    return s;
}

void EventLoop::restore(const State& s) {
    now_ = s.now;
    for (std::size_t i = 0; i < timers_.size(); ++i)
        timers_[i] = {s.timers[i].interval, s.timers[i].enabled, s.timers[i].deadline};
    focus_ = s.focus;
    pending_ = s.pending;
    events_run_ = s.events_run;
}

bool EventLoop::next_is(TimerId timer) const {
    if (!pending_.empty() || !timers_[index(timer)].enabled) return false;
    for (std::size_t i = 0; i < timers_.size(); ++i)
        if (i != index(timer) && timers_[i].enabled &&
            timers_[i].deadline <= timers_[index(timer)].deadline)
            return false;
    return true;
}

void EventLoop::set_focus(ControlId control) {
    if (!pending_.empty() && pending_.back() == control) return;
    pending_.push_back(control);
}

void EventLoop::run_focus_events(EventHandler& handler) {
    int changes = 0;
    while (!pending_.empty()) {
        if (handler.stopped()) {
            pending_.clear();
            return;
        }
        if (++changes > max_focus_changes_per_batch) {
            pending_.clear();
            ++runaway_batches_;
            return;
        }
        ControlId target = pending_.front();
        pending_.pop_front();
        std::optional<ControlId> old = focus_;
        focus_ = target;
        if (old && *old != target) {
            ++events_run_;
            handler.focus_lost(*old);
        }
        ++events_run_;
        handler.focus_got(target);
    }
}

void EventLoop::run_until(std::int64_t t, EventHandler& handler) {
    run_focus_events(handler);
    while (!handler.stopped()) {
        Timer* due = nullptr;
        TimerId due_id = TimerId::roundtimer;
        for (std::size_t i = 0; i < timers_.size(); ++i) {
            Timer& candidate = timers_[i];
            if (candidate.enabled && candidate.deadline <= t &&
                (!due || candidate.deadline < due->deadline)) {
                due = &candidate;
                due_id = static_cast<TimerId>(i);
            }
        }
        if (!due) break;
        handler.timer_due(due_id);
        if (handler.stopped()) break;
        now_ = due->deadline;
        due->deadline += due->interval;
        ++events_run_;
        handler.timer_tick(due_id);
        run_focus_events(handler);
    }
    now_ = std::max(now_, t);
}

}  // namespace holdem
