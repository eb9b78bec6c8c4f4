// The sound module: the table's four sounds played on the system's default output device.
#include <QAudioDevice>
#include <QMediaDevices>
#include <QSoundEffect>
#include <QUrl>
#include <array>

#include "ui/sound_player.h"

namespace holdem::ui {
namespace {

class DevicePlayer final : public SoundPlayer {
  public:
    explicit DevicePlayer(const QAudioDevice& device) {
        const char* files[] = {"turn", "chips", "deal", "pot"};
        for (std::size_t i = 0; i < effects_.size(); ++i) {
            effects_[i] = std::make_unique<QSoundEffect>(device);
            effects_[i]->setSource(QUrl(QString("qrc:/sounds/%1.wav").arg(files[i])));
            effects_[i]->setVolume(i == 0 ? 0.8f : 0.5f);  // the turn's chime stands out
        }
    }
    void play(std::size_t sound) override {
        if (sound < effects_.size() && effects_[sound]->status() != QSoundEffect::Error)
            effects_[sound]->play();
    }

  private:
    std::array<std::unique_ptr<QSoundEffect>, 4> effects_;
};

}  // namespace
}  // namespace holdem::ui

extern "C" Q_DECL_EXPORT holdem::ui::SoundPlayer* holdem_make_sound_player() {
    const QAudioDevice device = QMediaDevices::defaultAudioOutput();
    if (device.isNull()) return nullptr;
    return new holdem::ui::DevicePlayer(device);
}
