// Keeps a tournament's saved game on disk: a snapshot at the start of every hand, written by a
// worker thread so the table never waits on the disk, and removed when the tournament ends.
#pragma once

#include <condition_variable>
#include <functional>
#include <mutex>
#include <optional>
#include <string>
#include <thread>
#include <utility>

#include "model/observer.h"
#include "save/snapshot.h"

namespace holdem {

class GameKeeper final : public TableObserver {
  public:
    // What the tournament beside the table is at the moment of saving.
    using Tournament = std::function<SavedTournament()>;

    GameKeeper(std::string path, Tournament tournament);
    // Finishes what was asked for before returning: the last snapshot, or the removal.
    ~GameKeeper() override;
    GameKeeper(const GameKeeper&) = delete;
    GameKeeper& operator=(const GameKeeper&) = delete;

    void hand_due(const Table& t) override;
    void game_ended(const Table&, GameEnd) override;

    // Waits until everything asked for so far is done.
    void flush();
    // Why the last write failed, if it did; the game goes on unsaved rather than stopping.
    std::optional<std::string> last_error() const;
    const std::string& path() const { return path_; }

  private:
    void work();

    const std::string path_;
    const Tournament tournament_;
    mutable std::mutex mutex_;
    std::condition_variable wake_;
    std::condition_variable idle_;
    // Only the newest snapshot matters: one waiting replaces the one before it.
    std::optional<std::string> waiting_;
    bool remove_waiting_ = false;
    bool busy_ = false;
    bool stopping_ = false;
    std::optional<std::string> error_;
    std::thread worker_;
};

}  // namespace holdem
