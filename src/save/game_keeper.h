// Keeps a tournament's saved game on disk: a snapshot at the start of every hand, written by a
// worker thread so the table never waits on the disk, and removed when the tournament ends.
// What failed is kept for the window to tell the player, until a save succeeds again.
#pragma once

#include <condition_variable>
#include <cstdint>
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

    struct Status {
        std::optional<std::string> error;  // why the last save (or removal) failed, if it did
        std::uint64_t saved_hand = 0;      // the hand the file on disk plays from; 0: none
        bool removal_failed = false;       // the ended tournament's save is still on disk
    };

    // `saved_hand` is the hand of the save already on disk (a resumed tournament's), if any.
    GameKeeper(std::string path, Tournament tournament, std::uint64_t saved_hand = 0);
    // Finishes what was asked for before returning: the last snapshot, or the removal.
    ~GameKeeper() override;
    GameKeeper(const GameKeeper&) = delete;
    GameKeeper& operator=(const GameKeeper&) = delete;

    void hand_due(const Table& t) override;
    void game_ended(const Table&, GameEnd) override;

    // Runs on the worker thread each time the status may have changed.
    void on_status_changed(std::function<void()> changed);
    Status status() const;
    // Waits until everything asked for so far is done.
    void flush();
    const std::string& path() const { return path_; }

  private:
    void work();

    const std::string path_;
    const Tournament tournament_;
    mutable std::mutex mutex_;
    std::condition_variable wake_;
    std::condition_variable idle_;
    // Only the newest snapshot matters: one waiting replaces the one before it.
    std::optional<std::pair<std::string, std::uint64_t>> waiting_;
    bool remove_waiting_ = false;
    bool busy_ = false;
    bool stopping_ = false;
    Status status_;
    std::function<void()> changed_;
    std::thread worker_;
};

// The hand a game saved now plays from: saved as the deal timer runs out, the next one; saved
// at the first hand's start, that hand, already dealt.
std::uint64_t hand_to_play(const Table& t);

}  // namespace holdem
