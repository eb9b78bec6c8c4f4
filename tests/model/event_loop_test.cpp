#include "model/event_loop.h"

#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <string>
#include <utility>
#include <vector>

namespace holdem {
namespace {

// Records every event and lets a test script what a handler does.
class Recorder final : public EventHandler {
  public:
    explicit Recorder(EventLoop& loop) : loop_(loop) {}
    void focus_lost(ControlId c) override { log.push_back("lost " + control_name(c)); }
    void focus_got(ControlId c) override {
        log.push_back("got " + control_name(c));
        if (auto it = on_got.find(c.index); it != on_got.end()) it->second();
    }
    void timer_tick(TimerId timer) override {
        log.push_back(std::string(timer == TimerId::roundtimer ? "tick round" : "tick deal") +
                      " @" + std::to_string(loop_.now()));
        if (on_tick) on_tick(timer);
    }
    bool stopped() const override { return halted; }

    std::vector<std::string> log;
    std::map<int, std::function<void()>> on_got;
    std::function<void(TimerId)> on_tick;
    bool halted = false;

  private:
    EventLoop& loop_;
};

const ControlId seat2 = ctl::Picture(3), seat3 = ctl::Picture(4), seat4 = ctl::Picture(5);

TEST(EventLoop, FocusChangesRunAfterTheHandlerInOrder) {
    struct Case {
        const char* what;
        std::vector<ControlId> queued_by_seat2;
        std::vector<std::string> log;
    };
    const Case cases[] = {
        {"lost before got, after the handler",
         {seat3},
         {"got Picture3", "handler done", "lost Picture3", "got Picture4"}},
        {"two identical changes back to back run once",
         {seat3, seat3},
         {"got Picture3", "handler done", "lost Picture3", "got Picture4"}},
        {"separated changes to the same control both run",
         {seat3, seat4, seat3},
         {"got Picture3", "handler done", "lost Picture3", "got Picture4", "lost Picture4",
          "got Picture5", "lost Picture5", "got Picture4"}},
    };
    for (const Case& c : cases) {
        EventLoop loop;
        Recorder r(loop);
        bool ran = false;
        r.on_got[seat2.index] = [&] {
            if (std::exchange(ran, true)) return;
            for (ControlId id : c.queued_by_seat2)
                loop.set_focus(id);
            r.log.push_back("handler done");
        };
        loop.set_focus(seat2);
        loop.run_focus_events(r);
        EXPECT_EQ(r.log, c.log) << c.what;
    }
}

TEST(EventLoop, RefocusingTheHolderStillStartsItsTurn) {
    EventLoop loop;
    Recorder r(loop);
    loop.set_focus(seat2);
    loop.run_focus_events(r);
    loop.set_focus(seat2);
    loop.run_focus_events(r);
    EXPECT_EQ(r.log, (std::vector<std::string>{"got Picture3", "got Picture3"}));
}

TEST(EventLoop, TimersTickOnTheirIntervalsAfterPendingFocus) {
    EventLoop loop;
    Recorder r(loop);
    loop.set_timer_enabled(TimerId::roundtimer, true);
    loop.set_focus(seat2);
    loop.run_until(3100, r);
    EXPECT_EQ(r.log,
              (std::vector<std::string>{"got Picture3", "tick round @1500", "tick round @3000"}));
    EXPECT_EQ(loop.now(), 3100);
    EXPECT_EQ(loop.next_deadline(), 4500);
}

TEST(EventLoop, EnablingARunningTimerChangesNothingAStoppedOneStartsAFullInterval) {
    EventLoop loop;
    Recorder r(loop);
    loop.set_timer_enabled(TimerId::roundtimer, true);
    loop.run_until(1000, r);
    loop.set_timer_enabled(TimerId::roundtimer, true);
    EXPECT_EQ(loop.next_deadline(), 1500);
    loop.set_timer_enabled(TimerId::roundtimer, false);
    loop.set_timer_enabled(TimerId::roundtimer, true);
    EXPECT_EQ(loop.next_deadline(), 2500);
    loop.set_timer_enabled(TimerId::roundtimer, false);
    EXPECT_EQ(loop.next_deadline(), std::nullopt);
}

TEST(EventLoop, FocusQueuedByATickRunsBeforeTheNextTick) {
    EventLoop loop;
    Recorder r(loop);
    loop.set_timer_enabled(TimerId::roundtimer, true);
    loop.set_timer_enabled(TimerId::Timer1, true);
    r.on_tick = [&](TimerId timer) {
        if (timer == TimerId::roundtimer) loop.set_focus(seat2);
    };
    loop.run_until(5000, r);
    EXPECT_EQ(r.log, (std::vector<std::string>{
                         "tick round @1500", "got Picture3", "tick round @3000", "got Picture3",
                         "tick round @4500", "got Picture3", "tick deal @5000"}));
}

TEST(EventLoop, ATimerStoppedByAHandlerDoesNotTickAgain) {
    EventLoop loop;
    Recorder r(loop);
    loop.set_timer_enabled(TimerId::roundtimer, true);
    r.on_tick = [&](TimerId) { loop.set_timer_enabled(TimerId::roundtimer, false); };
    loop.run_until(10000, r);
    EXPECT_EQ(r.log, (std::vector<std::string>{"tick round @1500"}));
}

TEST(EventLoop, NothingRunsOnceStoppedAndARunawayChainIsCut) {
    EventLoop loop;
    Recorder r(loop);
    r.on_got[seat2.index] = [&] { loop.set_focus(seat3); };
    r.on_got[seat3.index] = [&] { loop.set_focus(seat2); };
    loop.set_focus(seat2);
    loop.run_focus_events(r);
    EXPECT_EQ(loop.runaway_batches(), 1u);
    EXPECT_FALSE(loop.focus_pending());

    r.halted = true;
    r.log.clear();
    loop.set_focus(seat4);
    loop.set_timer_enabled(TimerId::roundtimer, true);
    loop.run_until(10000, r);
    EXPECT_TRUE(r.log.empty());
}

TEST(EventLoop, QuietFocusMoveRunsNoHandler) {
    EventLoop loop;
    Recorder r(loop);
    loop.set_focus(ctl::Call);
    loop.run_focus_events(r);
    loop.move_focus_quietly(ctl::Check);
    loop.set_focus(seat2);
    loop.run_focus_events(r);
    EXPECT_EQ(r.log, (std::vector<std::string>{"got Command5", "lost Command7", "got Picture3"}));
}

}  // namespace
}  // namespace holdem
