// The player's preferences, kept with QSettings in the user's configuration folder: the game's
// options and the sound. Anything missing, unknown or unreadable reads as the classic value.
#pragma once

#include <QSettings>
#include <QString>
#include <memory>

#include "model/options.h"

namespace holdem::ui {

class Preferences {
  public:
    // The user's own settings, or those of a file of its own (for tests and tools).
    Preferences();
    explicit Preferences(const QString& file);

    Options options() const;
    void set_options(const Options& options);
    bool muted() const;
    void set_muted(bool muted);
    // The odds helper beside the human's cards; off unless the player turned it on.
    bool odds_helper() const;
    void set_odds_helper(bool on);

  private:
    bool readable() const;
    std::unique_ptr<QSettings> settings_;
};

}  // namespace holdem::ui
