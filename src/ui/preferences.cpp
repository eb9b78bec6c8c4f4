#include "ui/preferences.h"

#include <sys/stat.h>

#include <QFile>
#include <QStandardPaths>

namespace holdem::ui {

namespace {

template <typename Value>
Value read(const Preferences& p, QString (Preferences::*value)(const char*) const, const char* key,
           Value classic, std::optional<Value> (*named)(std::string_view)) {
    const QByteArray text = (p.*value)(key).toUtf8();
    return named(std::string_view(text.constData(), static_cast<std::size_t>(text.size())))
        .value_or(classic);
}

QString text(std::string_view name) {
    return QString::fromUtf8(name.data(), static_cast<int>(name.size()));
}

}  // namespace

QString Preferences::default_file() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           "/final-table-holdem/settings.conf";
}

Preferences::Preferences() : Preferences(default_file()) {}

Preferences::Preferences(const QString& file) {
    // Looked at before QSettings reads it: a pipe would hold the start up for good, a huge
    // file would take its size in memory.
    struct stat info {};
    const QByteArray path = QFile::encodeName(file);
    if (::stat(path.constData(), &info) == 0) {
        if (!S_ISREG(info.st_mode))
            problem_ = "The settings file is not an ordinary file";
        else if (info.st_size > max_settings_bytes)
            problem_ = "The settings file is far larger than the game writes";
    }
    if (problem_.isEmpty())
        settings_ = std::make_unique<QSettings>(file, QSettings::IniFormat);
    else
        problem_ += "; the choices made now are kept until the game ends";
}

QString Preferences::value(const char* key) const {
    return settings_ ? settings_->value(key).toString() : this_run_.value(key).toString();
}

void Preferences::set_value(const char* key, const QString& value) {
    if (settings_)
        settings_->setValue(key, value);
    else
        this_run_.insert(key, value);
}

bool Preferences::readable() const {
    return !settings_ || settings_->status() == QSettings::NoError;
}

Options Preferences::options() const {
    Options o;
    if (!readable()) return o;  // a broken file: the classic game, without a word
    const auto v = &Preferences::value;
    o.pace = read(*this, v, "game/pace", Pace::classic, pace_named);
    o.hurry_when_out = value("game/hurry_when_out") == "true";
    o.levels = read(*this, v, "game/levels", Levels::classic, levels_named);
    o.ranking = read(*this, v, "game/ranking", Ranking::classic, ranking_named);
    o.opponents = read(*this, v, "game/opponents", Opponents::all_seeing, opponents_named);
    o.rules = read(*this, v, "game/rules", Rules::classic, rules_named);
    o.difficulty = read(*this, v, "game/difficulty", Difficulty::normal, difficulty_named);
    // A new standard tournament plays the whole field by default.
    o.structure = read(*this, v, "game/structure", StructureKind::classic_clock, structure_named);
    const QString entrants = value("game/entrants");
    o.entrants = default_entrants;
    for (int allowed : {10, 100, 1000, 5000})
        if (entrants == QString::number(allowed)) o.entrants = allowed;
    return in_force(o);
}

void Preferences::set_options(const Options& o) {
    set_value("game/pace", text(name_of(o.pace)));
    set_value("game/hurry_when_out", o.hurry_when_out ? "true" : "false");
    set_value("game/levels", text(name_of(o.levels)));
    set_value("game/ranking", text(name_of(o.ranking)));
    set_value("game/opponents", text(name_of(o.opponents)));
    set_value("game/rules", text(name_of(o.rules)));
    set_value("game/difficulty", text(name_of(o.difficulty)));
    set_value("game/structure", text(name_of(o.structure)));
    set_value("game/entrants", QString::number(o.entrants));
    if (settings_) settings_->sync();
}

bool Preferences::rules_chosen() const {
    return readable() && !value("game/rules").isEmpty();
}

bool Preferences::odds_helper() const {
    return readable() && value("tools/odds_helper") == "true";
}

void Preferences::set_odds_helper(bool on) {
    set_value("tools/odds_helper", on ? "true" : "false");
}

QString Preferences::language() const {
    return readable() ? value("display/language") : QString();
}

void Preferences::set_language(const QString& code) {
    set_value("display/language", code);
    if (settings_) settings_->sync();
}

bool Preferences::advisor() const {
    return readable() && value("tools/advisor") == "true";
}

void Preferences::set_advisor(bool on) {
    set_value("tools/advisor", on ? "true" : "false");
    if (settings_) settings_->sync();
}

Looks Preferences::looks() const {
    if (!readable()) return {};
    Looks looks;
    looks.deck = deck_named(value("looks/deck"));
    looks.felt = felt_named(value("looks/felt"));
    looks.back = back_named(value("looks/back"));
    looks.large_plates = value("looks/large_plates") == "true";
    return looks;
}

void Preferences::set_looks(const Looks& looks) {
    set_value("looks/deck", name_of(looks.deck));
    set_value("looks/felt", name_of(looks.felt));
    set_value("looks/back", name_of(looks.back));
    set_value("looks/large_plates", looks.large_plates ? "true" : "false");
    if (settings_) settings_->sync();
}

bool Preferences::muted() const {
    return readable() && value("sound/muted") == "true";
}

void Preferences::set_muted(bool muted) {
    set_value("sound/muted", muted ? "true" : "false");
    if (settings_) settings_->sync();
}

}  // namespace holdem::ui
