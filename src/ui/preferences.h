// The player's preferences, kept with QSettings in the user's configuration folder: the game's
// options and the sound. Anything missing, unknown or unreadable reads as the classic value. A
// settings file that is no ordinary file, or far larger than the game writes, is never read:
// the choices are then kept for this run only.
#pragma once

#include <QSettings>
#include <QString>
#include <QVariantMap>
#include <memory>

#include "model/options.h"
#include "ui/looks.h"

namespace holdem::ui {

class Preferences {
  public:
    // The user's own settings, or those of a file of its own (for tests and tools).
    Preferences();
    explicit Preferences(const QString& file);

    Options options() const;
    // Whether the player has ever chosen between the classic game and the standard rules.
    bool rules_chosen() const;
    void set_options(const Options& options);
    bool muted() const;
    void set_muted(bool muted);
    // The odds helper beside the human's cards; off unless the player turned it on.
    bool odds_helper() const;
    void set_odds_helper(bool on);
    // The language chosen in Options: "" the system's, else a code ("de").
    QString language() const;
    void set_language(const QString& code);
    // The advisor at every turn; off unless the player turned it on.
    bool advisor() const;
    void set_advisor(bool on);
    // Options › Appearance; the two-colour deck on green until chosen.
    Looks looks() const;
    void set_looks(const Looks& looks);
    // Why the settings file is not used, if it is not.
    const QString& problem() const { return problem_; }

    static QString default_file();
    // Whether a tournament structure was ever chosen.
    bool structure_chosen() const { return !value("game/structure").isEmpty(); }

  private:
    QString value(const char* key) const;
    void set_value(const char* key, const QString& value);
    bool readable() const;

    std::unique_ptr<QSettings> settings_;  // none: the file is not used
    QVariantMap this_run_;                 // the choices kept while it is not
    QString problem_;
};

// Far above the few lines the game writes.
inline constexpr qint64 max_settings_bytes = 64 * 1024;

}  // namespace holdem::ui
