#include "save/game_keeper.h"

#include "save/snapshot_file.h"

namespace holdem {

GameKeeper::GameKeeper(std::string path, Tournament tournament)
    : path_(std::move(path)), tournament_(std::move(tournament)), worker_([this] { work(); }) {}

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
        waiting_ = std::move(text);
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

void GameKeeper::flush() {
    std::unique_lock lock(mutex_);
    idle_.wait(lock, [this] { return !busy_ && !waiting_ && !remove_waiting_; });
}

std::optional<std::string> GameKeeper::last_error() const {
    std::lock_guard lock(mutex_);
    return error_;
}

void GameKeeper::work() {
    std::unique_lock lock(mutex_);
    for (;;) {
        wake_.wait(lock, [this] { return stopping_ || waiting_ || remove_waiting_; });
        if (!waiting_ && !remove_waiting_) return;  // stopping with nothing left to do
        const bool remove = std::exchange(remove_waiting_, false);
        std::optional<std::string> text = std::exchange(waiting_, std::nullopt);
        busy_ = true;
        lock.unlock();
        // A removal asked for before a snapshot happens before it, so the order holds.
        if (remove) remove_file(path_);
        std::string why;
        const bool written = !text || write_atomically(path_, *text, &why);
        lock.lock();
        busy_ = false;
        if (!written) error_ = why;
        idle_.notify_all();
    }
}

}  // namespace holdem
