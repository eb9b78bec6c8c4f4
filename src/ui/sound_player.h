// The player of the table's sounds. It lives in a module of its own, the only part of the game
// that links the multimedia libraries: a window that plays no sound never loads them, and a
// machine without them still runs the game, silently.
#pragma once

#include <QString>
#include <cstddef>
#include <memory>

namespace holdem::ui {

class SoundPlayer {
  public:
    virtual ~SoundPlayer() = default;
    virtual void play(std::size_t sound) = 0;  // by the order of Sound
};

// The module's one entry point: a player on the default output device, or null without one.
inline constexpr const char* sound_player_entry = "holdem_make_sound_player";
using MakeSoundPlayer = SoundPlayer* (*)();

// Where the sound module is for a program in `program_dir`: in the game's own library folder
// of an install, or beside the program in a build. Empty when it is in neither.
QString find_sound_module(const QString& program_dir);
// The player from the module found for the running program; null when there is no module, it
// does not load, or it finds no device.
std::unique_ptr<SoundPlayer> load_sound_player();

}  // namespace holdem::ui
