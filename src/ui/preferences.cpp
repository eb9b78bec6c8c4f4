#include "ui/preferences.h"

namespace holdem::ui {

namespace {

template <typename Value>
Value read(const QSettings& s, const char* key, Value classic,
           std::optional<Value> (*named)(std::string_view)) {
    const QByteArray text = s.value(key).toString().toUtf8();
    return named(std::string_view(text.constData(), static_cast<std::size_t>(text.size())))
        .value_or(classic);
}

QString text(std::string_view name) {
    return QString::fromUtf8(name.data(), static_cast<int>(name.size()));
}

}  // namespace

Preferences::Preferences()
    : settings_(std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope,
                                            "final-table-holdem", "settings")) {}

Preferences::Preferences(const QString& file)
    : settings_(std::make_unique<QSettings>(file, QSettings::IniFormat)) {}

bool Preferences::readable() const {
    return settings_->status() == QSettings::NoError;
}

Options Preferences::options() const {
    Options o;
    if (!readable()) return o;  // a broken file: the classic game, without a word
    const QSettings& s = *settings_;
    o.pace = read(s, "game/pace", Pace::classic, pace_named);
    o.hurry_when_out = s.value("game/hurry_when_out").toString() == "true";
    o.levels = read(s, "game/levels", Levels::classic, levels_named);
    o.ranking = read(s, "game/ranking", Ranking::classic, ranking_named);
    o.opponents = read(s, "game/opponents", Opponents::all_seeing, opponents_named);
    o.rules = read(s, "game/rules", Rules::classic, rules_named);
    o.difficulty = read(s, "game/difficulty", Difficulty::normal, difficulty_named);
    return in_force(o);
}

void Preferences::set_options(const Options& o) {
    QSettings& s = *settings_;
    s.setValue("game/pace", text(name_of(o.pace)));
    s.setValue("game/hurry_when_out", o.hurry_when_out ? "true" : "false");
    s.setValue("game/levels", text(name_of(o.levels)));
    s.setValue("game/ranking", text(name_of(o.ranking)));
    s.setValue("game/opponents", text(name_of(o.opponents)));
    s.setValue("game/rules", text(name_of(o.rules)));
    s.setValue("game/difficulty", text(name_of(o.difficulty)));
    s.sync();
}

bool Preferences::odds_helper() const {
    return readable() && settings_->value("tools/odds_helper").toString() == "true";
}

void Preferences::set_odds_helper(bool on) {
    settings_->setValue("tools/odds_helper", on ? "true" : "false");
}

bool Preferences::muted() const {
    return readable() && settings_->value("sound/muted").toString() == "true";
}

void Preferences::set_muted(bool muted) {
    settings_->setValue("sound/muted", muted ? "true" : "false");
    settings_->sync();
}

}  // namespace holdem::ui
