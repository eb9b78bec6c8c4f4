#include "ui/qt_host.h"

namespace holdem::ui {

QtHost::QtHost(std::unique_ptr<Table> table, Clock clock, QObject* parent,
               std::shared_ptr<const SavedField> field)
    : QObject(parent),
      table_(std::move(table)),
      clock_(std::move(clock)),
      rules_(rules_for(*table_, nullptr, std::move(field))) {
    if (!clock_) {
        elapsed_.start();
        clock_ = [this, from = table_->loop.now()] {
            return from + static_cast<std::int64_t>(elapsed_.elapsed());
        };
    }
    table_->observers.push_back(&notes_);
    rules_->fill(notes_, picture_);
    timer_.setSingleShot(true);
    timer_.setTimerType(Qt::PreciseTimer);
    connect(&timer_, &QTimer::timeout, this, &QtHost::pump);
}

QtHost::~QtHost() {
    std::erase(table_->observers, &notes_);
}

void QtHost::start() {
    rules_->start();
    pump();
}

void QtHost::resume() {
    rules_->resume();
    pump();
}

void QtHost::act(Intent intent) {
    rules_->run_until(clock_());
    rules_->act(intent);
    pump();
}

void QtHost::amount_key(int key_code, const std::string& text_before) {
    rules_->run_until(clock_());
    rules_->amount_key(key_code, text_before);
    pump();
}

void QtHost::amount_edited(const std::string& text) {
    rules_->amount_edited(text);
    pump();
}

void QtHost::pump() {
    const std::int64_t now = clock_();
    rules_->run_until(now);
    armed_for_ = table_->ended ? std::nullopt : table_->loop.next_deadline();
    if (armed_for_)
        timer_.start(static_cast<int>(std::max<std::int64_t>(0, *armed_for_ - now)));
    else
        timer_.stop();
    TablePicture now_shown = picture_;
    rules_->fill(notes_, now_shown);
    if (!(now_shown == picture_)) {
        picture_ = std::move(now_shown);
        emit changed();
    }
    if (table_->ended && !end_reported_) {
        end_reported_ = true;
        emit gameEnded(*table_->ended);
    }
}

}  // namespace holdem::ui
