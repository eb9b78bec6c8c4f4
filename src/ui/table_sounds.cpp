#include "ui/table_sounds.h"

#include <QAudioDevice>
#include <QMediaDevices>

#include "cycle/human_actions.h"

namespace holdem::ui {

TableSounds::TableSounds(bool use_device) {
    // No device (a server, a CI machine, a desktop with its sound off): nothing is loaded and
    // every sound is silently skipped.
    if (!use_device) return;
    const QAudioDevice device = QMediaDevices::defaultAudioOutput();
    audible_ = !device.isNull();
    if (!audible_) return;
    const char* files[sound_count] = {"turn", "chips", "deal", "pot"};
    for (std::size_t i = 0; i < sound_count; ++i) {
        effects_[i] = std::make_unique<QSoundEffect>(device);
        effects_[i]->setSource(QUrl(QString("qrc:/sounds/%1.wav").arg(files[i])));
        effects_[i]->setVolume(i == static_cast<std::size_t>(Sound::turn) ? 0.8f : 0.5f);
    }
}

TableSounds::~TableSounds() = default;

void TableSounds::table_changed(const Table& t) {
    const bool open = human_turn_open(t);
    if (open && !turn_was_open_) play(Sound::turn);
    turn_was_open_ = open;
}

void TableSounds::play(Sound sound) {
    if (muted_) return;
    const auto i = static_cast<std::size_t>(sound);
    ++requested_[i];
    if (effects_[i] && effects_[i]->status() != QSoundEffect::Error) effects_[i]->play();
}

}  // namespace holdem::ui
