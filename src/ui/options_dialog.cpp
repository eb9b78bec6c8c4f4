#include "ui/options_dialog.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

#include "ui/language.h"

namespace holdem::ui {

namespace {

QComboBox* choices(QWidget* parent, const char* name, const QStringList& items, int current) {
    auto* box = new QComboBox(parent);
    box->setObjectName(name);
    for (const QString& item : items)
        box->addItem(item);
    box->setCurrentIndex(current);
    return box;
}

// A row of the form whose field a screen reader names by the row's label.
void add_row(QFormLayout* form, const QString& label, QWidget* field) {
    if (!label.isEmpty()) field->setAccessibleName(label);
    form->addRow(label, field);
}

}  // namespace

OptionsDialog::OptionsDialog(const Options& current, QWidget* parent) : QDialog(parent) {
    setObjectName("optionsDialog");
    setWindowTitle(tr("Options"));
    rules_ = choices(this, "rules",
                     {tr("Classic (the game's own betting)"),
                      tr("Standard (no-limit hold'em: every raise answered, side pots)")},
                     static_cast<int>(current.rules));
    pace_ = choices(this, "pace",
                    {tr("Classic (1.5 s a seat, 5 s at the showdown)"),
                     tr("Quick (0.5 s a seat, 2.5 s at the showdown)"),
                     tr("Fast (0.15 s a seat, 1.5 s at the showdown)")},
                    static_cast<int>(current.pace));
    hurry_ = new QCheckBox(tr("Hurry when I'm out of the hand"), this);
    hurry_->setObjectName("hurry");
    hurry_->setChecked(current.hurry_when_out);
    levels_ =
        choices(this, "levels",
                {tr("Classic (every 31 ticks of the clock)"), tr("By hands (every 10 hands)")},
                static_cast<int>(current.levels));
    ranking_ = choices(
        this, "ranking",
        {tr("Classic (the game's own reading)"), tr("Standard (best five cards, with kickers)")},
        static_cast<int>(current.ranking));
    opponents_ = choices(this, "opponents",
                         {tr("All-seeing (they know every hand and the board)"),
                          tr("Fair (they know their own cards and the board shown)")},
                         static_cast<int>(current.opponents));

    difficulty_ = choices(this, "difficulty",
                          {tr("Normal"), tr("Easy (they make real mistakes)"),
                           tr("Hard (they read your actions and balance their bluffs)")},
                          static_cast<int>(current.difficulty));

    structure_ = choices(this, "structure",
                         {tr("Classic clock (the classic field and blinds)"),
                          tr("Regular (20,000 chips, levels of 12 hands, antes)"),
                          tr("Turbo (10,000 chips, levels of 7 hands)"),
                          tr("Hyper-turbo (5,000 chips, levels of 4 hands)"),
                          tr("Deep (50,000 chips, levels of 15 hands)")},
                         // The whole field is the standard game's own until another is chosen.
                         static_cast<int>(current.rules == Rules::classic &&
                                                  current.structure == StructureKind::classic_clock
                                              ? StructureKind::regular
                                              : current.structure));
    field_ =
        choices(this, "entrants", {tr("10 (a sit-and-go)"), tr("100"), tr("1,000"), tr("5,000")},
                current.entrants <= 10     ? 0
                : current.entrants <= 100  ? 1
                : current.entrants <= 1000 ? 2
                                           : 3);

    initial_structure_ = current.structure;
    initial_entrants_ = current.entrants;
    odds_helper_ =
        new QCheckBox(tr("Show my chances, the pot odds and the outs (an estimate)"), this);
    odds_helper_->setObjectName("oddsHelper");
    advisor_ =
        new QCheckBox(tr("Say what a strong player would do, at every turn (H asks once)"), this);
    advisor_->setObjectName("advisor");

    classic_ranking_ = ranking_->currentIndex();
    classic_opponents_ = opponents_->currentIndex();
    connect(rules_, &QComboBox::currentIndexChanged, this, &OptionsDialog::rules_chosen);
    rules_chosen();

    auto* form = new QFormLayout;
    add_row(form, tr("Table rules"), rules_);
    add_row(form, tr("Pace"), pace_);
    add_row(form, QString(), hurry_);
    add_row(form, tr("Blind levels"), levels_);
    add_row(form, tr("Hand ranking"), ranking_);
    add_row(form, tr("Opponents"), opponents_);
    add_row(form, tr("Difficulty"), difficulty_);
    add_row(form, tr("Structure"), structure_);
    add_row(form, tr("Field"), field_);
    add_row(form, tr("Odds helper"), odds_helper_);
    add_row(form, tr("Advisor"), advisor_);
    deck_ = choices(this, "deck",
                    {tr("Two colours (hearts and diamonds red)"),
                     tr("Four colours (spades black, hearts red, diamonds blue, clubs green)")},
                    0);
    felt_ = choices(this, "felt", {tr("Green"), tr("Blue"), tr("Purple")}, 0);
    back_ = choices(this, "back", {tr("Lattice"), tr("Ring")}, 0);
    large_plates_ = new QCheckBox(tr("Larger text on the seat plates"), this);
    large_plates_->setObjectName("largePlates");
    appearance_ = new QGroupBox(tr("Appearance"), this);
    appearance_->setObjectName("appearance");
    auto* looks_form = new QFormLayout(appearance_);
    add_row(looks_form, tr("Deck"), deck_);
    add_row(looks_form, tr("Felt"), felt_);
    add_row(looks_form, tr("Card backs"), back_);
    add_row(looks_form, QString(), large_plates_);

    language_ = new QComboBox(this);
    language_->setObjectName("language");
    // Each language by its own name, so that it is found whatever language is shown.
    language_->addItem(tr("The system's language"), QString());
    for (const auto& [code, name] : languages())
        language_->addItem(name, code);
    add_row(looks_form, tr("Language (from the next start)"), language_);

    note_ = new QLabel(tr("The pace, the odds helper, the advisor and the appearance change at "
                          "once. The table rules, the blind levels, the ranking, the opponents "
                          "and the difficulty apply from the next tournament."),
                       this);
    note_->setWordWrap(true);
    buttons_ = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons_, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons_, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(appearance_);
    layout->addWidget(note_);
    layout->addWidget(buttons_);
}

void OptionsDialog::set_looks(const Looks& looks) {
    deck_->setCurrentIndex(static_cast<int>(looks.deck));
    felt_->setCurrentIndex(static_cast<int>(looks.felt));
    back_->setCurrentIndex(static_cast<int>(looks.back));
    large_plates_->setChecked(looks.large_plates);
}

void OptionsDialog::set_language(const QString& code) {
    language_->setCurrentIndex(std::max(0, language_->findData(code)));
}

QString OptionsDialog::language() const {
    return language_->currentData().toString();
}

Looks OptionsDialog::looks() const {
    Looks looks;
    looks.deck = static_cast<DeckColours>(std::clamp(deck_->currentIndex(), 0, 1));
    looks.felt = static_cast<Felt>(std::clamp(felt_->currentIndex(), 0, 2));
    looks.back = static_cast<CardBack>(std::clamp(back_->currentIndex(), 0, 1));
    looks.large_plates = large_plates_->isChecked();
    return looks;
}

void OptionsDialog::set_for_new_tournament() {
    setWindowTitle(tr("New tournament"));
    // A tournament's choices only: the appearance is kept in Options.
    appearance_->hide();
    note_->setText(
        tr("The new tournament starts with these choices, and they are kept for the ones "
           "after it."));
    buttons_->button(QDialogButtonBox::Ok)->setText(tr("Start"));
}

// The standard rules rank the standard way, and their players know only their own cards.
void OptionsDialog::rules_chosen() {
    const bool standard = rules_->currentIndex() == static_cast<int>(Rules::standard);
    if (standard && ranking_->isEnabled()) {
        classic_ranking_ = ranking_->currentIndex();
        classic_opponents_ = opponents_->currentIndex();
    }
    ranking_->setCurrentIndex(standard ? static_cast<int>(Ranking::standard) : classic_ranking_);
    opponents_->setCurrentIndex(standard ? static_cast<int>(Opponents::fair) : classic_opponents_);
    ranking_->setEnabled(!standard);
    opponents_->setEnabled(!standard);
    difficulty_->setEnabled(standard);  // the standard rules' players
    structure_->setEnabled(standard);
    field_->setEnabled(standard);
}

Options OptionsDialog::options() const {
    Options o;
    o.rules = static_cast<Rules>(rules_->currentIndex());
    o.pace = static_cast<Pace>(pace_->currentIndex());
    o.hurry_when_out = hurry_->isChecked();
    o.levels = static_cast<Levels>(levels_->currentIndex());
    o.ranking = static_cast<Ranking>(ranking_->currentIndex());
    o.opponents = static_cast<Opponents>(opponents_->currentIndex());
    o.difficulty = static_cast<Difficulty>(difficulty_->currentIndex());
    // The classic game keeps whatever structure the standard game was last given.
    if (o.rules == Rules::standard) {
        o.structure = static_cast<StructureKind>(structure_->currentIndex());
        constexpr int fields[] = {10, 100, 1000, 5000};
        o.entrants = fields[std::clamp(field_->currentIndex(), 0, 3)];
    } else {
        o.structure = initial_structure_;
        o.entrants = initial_entrants_;
    }
    return in_force(o);
}

}  // namespace holdem::ui
