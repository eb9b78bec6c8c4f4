// The table's sounds: a chime when the turn comes to the player, chips going in, cards dealt and
// a pot pushed. Without a sound device the game plays silently; muted, it asks for nothing.
#pragma once

#include <array>
#include <memory>

#include "model/observer.h"
#include "picture/table_picture.h"
#include "ui/sound_player.h"

namespace holdem::ui {

enum class Sound : std::uint8_t { turn, chips, deal, pot };

class TableSounds final : public TableObserver {
  public:
    // Without `use_device` the sounds are only counted: for tests and tools, which must not
    // wake the system's sound server.
    explicit TableSounds(bool use_device);
    ~TableSounds() override;

    void set_muted(bool muted) { muted_ = muted; }
    bool muted() const { return muted_; }
    // How many times each sound was asked for (not muted), device or not.
    int requested(Sound sound) const { return requested_[static_cast<std::size_t>(sound)]; }

    // Looks at the table after it changed: the chime sounds when the player's turn opens.
    void table_changed(const TablePicture& picture);

    void hand_started(const Table&) override { play(Sound::deal); }
    void street_dealt(const Table&, Street) override { play(Sound::deal); }
    void blind_posted(const Table&, int, Chips, bool) override { play(Sound::chips); }
    void action_taken(const Table&, const ActionEvent& e) override {
        if (e.amount > 0) play(Sound::chips);
    }
    void pot_awarded(const Table&) override { play(Sound::pot); }

  private:
    void play(Sound sound);

    static constexpr std::size_t sound_count = 4;
    std::unique_ptr<SoundPlayer> player_;
    std::array<int, sound_count> requested_{};
    bool muted_ = false;
    bool turn_was_open_ = false;
};

}  // namespace holdem::ui
