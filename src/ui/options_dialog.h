// The Options dialog: the table's rules, the pace, the blind levels, the hand ranking and the
// opponents, each with the classic game first. Rules apply from the next tournament; the pace
// at once. The standard rules always rank the standard way and have opponents of their own.
#pragma once

#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QLabel>

#include "model/options.h"
#include "ui/looks.h"

namespace holdem::ui {

class OptionsDialog : public QDialog {
    Q_OBJECT
  public:
    explicit OptionsDialog(const Options& current, QWidget* parent = nullptr);
    Options options() const;

    QComboBox* rules() const { return rules_; }
    QComboBox* pace() const { return pace_; }
    QCheckBox* hurry() const { return hurry_; }
    QComboBox* levels() const { return levels_; }
    QComboBox* ranking() const { return ranking_; }
    QComboBox* opponents() const { return opponents_; }
    QComboBox* difficulty() const { return difficulty_; }
    QComboBox* structure() const { return structure_; }
    QComboBox* field() const { return field_; }
    // The odds helper, a tool of the window beside the game's options.
    QCheckBox* odds_helper() const { return odds_helper_; }
    QCheckBox* advisor() const { return advisor_; }
    // Appearance, changed at once when the dialog is accepted.
    void set_looks(const Looks& looks);
    Looks looks() const;
    QComboBox* deck() const { return deck_; }
    QComboBox* felt() const { return felt_; }
    QComboBox* back() const { return back_; }
    QCheckBox* large_plates() const { return large_plates_; }
    // The language the window speaks from the next start: "" the system's, else "en", "de" …
    void set_language(const QString& code);
    QString language() const;
    QComboBox* language_box() const { return language_; }
    // Titled and worded for Game › New tournament: its choices start a tournament at once.
    void set_for_new_tournament();

  private:
    void rules_chosen();

    QComboBox* rules_;
    QComboBox* pace_;
    QCheckBox* hurry_;
    QComboBox* levels_;
    QComboBox* ranking_;
    QComboBox* opponents_;
    QComboBox* difficulty_;
    QComboBox* structure_;
    QComboBox* field_;
    StructureKind initial_structure_ = StructureKind::classic_clock;
    int initial_entrants_ = default_entrants;
    QCheckBox* odds_helper_;
    QCheckBox* advisor_;
    QComboBox* deck_;
    QComboBox* felt_;
    QComboBox* back_;
    QCheckBox* large_plates_;
    QComboBox* language_;
    QGroupBox* appearance_ = nullptr;
    QLabel* note_ = nullptr;
    QDialogButtonBox* buttons_ = nullptr;
    // What the player had chosen for the ranking and opponents before the standard rules took
    // them over, given back when the classic game is chosen again.
    int classic_ranking_ = 0, classic_opponents_ = 0;
};

}  // namespace holdem::ui
