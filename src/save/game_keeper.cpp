#include "save/game_keeper.h"

#include "save/snapshot_file.h"

namespace holdem {

std::uint64_t hand_to_play(const Table& t) {
    return t.hands_started + (t.loop.focus_pending() ? 0 : 1);
}

GameKeeper::GameKeeper(std::string path, Tournament tournament, std::uint64_t saved_hand)
    : path_(std::move(path)), tournament_(std::move(tournament)) {
    status_.saved_hand = saved_hand;
    worker_ = std::thread([this] { work(); });
}

GameKeeper::~GameKeeper() {
    {
        std::lock_guard lock(mutex_);
        stopping_ = true;
    }
    wake_.notify_one();
    worker_.join();
}

void GameKeeper::hand_due(const Table& t) {
    // The document is made here, while the table holds still; only the disk work waits.
    std::string text = save_snapshot(t, tournament_());
    {
        std::lock_guard lock(mutex_);
        waiting_.emplace(std::move(text), hand_to_play(t));
    }
    wake_.notify_one();
}

void GameKeeper::game_ended(const Table&, GameEnd) {
    {
        std::lock_guard lock(mutex_);
        waiting_.reset();
        remove_waiting_ = true;
    }
    wake_.notify_one();
}

void GameKeeper::on_status_changed(std::function<void()> changed) {
    std::lock_guard lock(mutex_);
    changed_ = std::move(changed);
}

GameKeeper::Status GameKeeper::status() const {
    std::lock_guard lock(mutex_);
    return status_;
}

void GameKeeper::flush() {
    std::unique_lock lock(mutex_);
    idle_.wait(lock, [this] { return !busy_ && !waiting_ && !remove_waiting_; });
}

void GameKeeper::work() {
    std::unique_lock lock(mutex_);
    for (;;) {
        wake_.wait(lock, [this] { return stopping_ || waiting_ || remove_waiting_; });
        if (!waiting_ && !remove_waiting_) return;  // stopping with nothing left to do
        const bool remove = std::exchange(remove_waiting_, false);
        auto snapshot = std::exchange(waiting_, std::nullopt);
        busy_ = true;
        lock.unlock();
        // A removal asked for before a snapshot happens before it, so the order holds.
        std::string why;
        const bool removed = !remove || remove_file(path_, &why);
        const bool written = !snapshot || write_atomically(path_, snapshot->first, &why);
        lock.lock();
        busy_ = false;
        if (remove) {
            status_.removal_failed = !removed;
            if (removed) status_.saved_hand = 0;
        }
        if (snapshot && written) status_.saved_hand = snapshot->second;
        if (!removed || !written)
            status_.error = why;
        else
            status_.error.reset();
        const auto changed = changed_;
        idle_.notify_all();
        lock.unlock();
        if (changed) changed();
        lock.lock();
    }
}

}  // namespace holdem
