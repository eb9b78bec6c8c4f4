#include "picture/table_rules.h"

#include "cycle/events.h"
#include "picture/classic_picture.h"
#include "picture/standard_picture.h"
#include "save/field_snapshot.h"
#include "standard/table_game.h"

namespace holdem {

namespace {

class ClassicRules final : public TableRules {
  public:
    explicit ClassicRules(Table& t) : t_(t), intents_(t) {}
    void start() override { start_game(t_); }
    void resume() override { resume_game(t_); }
    void run_until(std::int64_t ms) override { holdem::run_until(t_, ms); }
    void fill(const TableNotes& notes, TablePicture& picture) const override {
        fill_classic_picture(t_, notes, picture);
    }
    void act(Intent intent) override { intents_.act(intent); }
    void amount_key(int key_code, const std::string& text_before) override {
        intents_.amount_key(key_code, text_before);
    }
    void amount_edited(const std::string& text) override { intents_.amount_edited(text); }

  private:
    Table& t_;
    ClassicIntents intents_;
};

class StandardRules final : public TableRules {
  public:
    StandardRules(Table& t, standard::TableGame::ComputerPlayer computer,
                  std::shared_ptr<const SavedField> field)
        : t_(t), game_(t), intents_(game_, t) {
        if (computer) game_.set_computer_player(std::move(computer));
        if (field_played(t.options)) {
            auto play =
                field ? std::make_unique<standard::FieldPlay>(field->field, field->seed, t.options)
                      : standard::new_field_play(t);
            play->set_threaded(true);
            game_.play_field(std::move(play));
        }
    }
    const standard::FieldPlay* field() const override { return game_.field(); }
    void start() override { game_.start(); }
    void resume() override { game_.resume(); }
    void run_until(std::int64_t ms) override { game_.run_until(ms); }
    void fill(const TableNotes& notes, TablePicture& picture) const override {
        fill_standard_picture(t_, game_, notes, intents_.amount_text(), picture);
    }
    void act(Intent intent) override { intents_.act(intent); }
    void amount_key(int key_code, const std::string& text_before) override {
        intents_.amount_key(key_code, text_before);
    }
    void amount_edited(const std::string& text) override { intents_.amount_edited(text); }

  private:
    Table& t_;
    standard::TableGame game_;
    StandardIntents intents_;
};

}  // namespace

std::shared_ptr<const SavedField> TableRules::field_for_save() const {
    const standard::FieldPlay* play = field();
    if (!play) return nullptr;
    return std::make_shared<SavedField>(SavedField{play->field(), play->seed()});
}

std::unique_ptr<TableRules> rules_for(Table& t, standard::TableGame::ComputerPlayer computer,
                                      std::shared_ptr<const SavedField> field) {
    if (t.options.rules == Rules::standard)
        return std::make_unique<StandardRules>(t, std::move(computer), std::move(field));
    return std::make_unique<ClassicRules>(t);
}

}  // namespace holdem
