#include "ui/table_sounds.h"

#include "ui/statistics_module.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QLibrary>

namespace holdem::ui {

QString find_statistics_module(const QString& program_dir) {
    for (const QString& dir : {program_dir + "/" HOLDEM_STATISTICS_MODULE_DIR, program_dir}) {
        const QString path = dir + "/libholdem_statistics.so";
        if (QFileInfo::exists(path)) return path;
    }
    return {};
}

QString find_sound_module(const QString& program_dir) {
    for (const QString& dir : {program_dir + "/" HOLDEM_SOUND_MODULE_DIR, program_dir}) {
        const QString path = dir + "/libholdem_sound.so";
        if (QFileInfo::exists(path)) return path;
    }
    return {};
}

std::unique_ptr<SoundPlayer> load_sound_player() {
    const QString path = find_sound_module(QCoreApplication::applicationDirPath());
    if (path.isEmpty()) return nullptr;
    // The module stays loaded for the life of the program, as its player does.
    QLibrary module(path);
    const auto make = reinterpret_cast<MakeSoundPlayer>(module.resolve(sound_player_entry));
    return make ? std::unique_ptr<SoundPlayer>(make()) : nullptr;
}

TableSounds::TableSounds(bool use_device) {
    // No device (a server, a CI machine, a desktop with its sound off) or no sound module:
    // every sound is silently skipped.
    if (!use_device) return;
    player_ = load_sound_player();
}

TableSounds::~TableSounds() = default;

void TableSounds::table_changed(const TablePicture& picture) {
    const bool open = picture.human.fold_shown && !picture.showdown && !picture.ended;
    if (open && !turn_was_open_) play(Sound::turn);
    turn_was_open_ = open;
}

void TableSounds::play(Sound sound) {
    if (muted_) return;
    const auto i = static_cast<std::size_t>(sound);
    ++requested_[i];
    if (player_) player_->play(i);
}

}  // namespace holdem::ui
