#include "ui/qt_host.h"

#include "cycle/events.h"

namespace holdem::ui {

QtHost::QtHost(std::unique_ptr<Table> table, Clock clock, QObject* parent)
    : QObject(parent), table_(std::move(table)), clock_(std::move(clock)) {
    if (!clock_) {
        elapsed_.start();
        clock_ = [this, from = table_->loop.now()] {
            return from + static_cast<std::int64_t>(elapsed_.elapsed());
        };
    }
    timer_.setSingleShot(true);
    timer_.setTimerType(Qt::PreciseTimer);
    connect(&timer_, &QTimer::timeout, this, &QtHost::pump);
}

void QtHost::start() {
    start_game(*table_);
    pump();
}

void QtHost::resume() {
    resume_game(*table_);
    pump();
}

void QtHost::click(ControlId button) {
    run_until(*table_, clock_());
    holdem::click(*table_, button);
    pump();
}

void QtHost::amount_key(int key_code, const QString& text_before) {
    run_until(*table_, clock_());
    amount_box_key(*table_, key_code, text_before.toStdString());
    pump();
}

void QtHost::amount_text(const QString& text) {
    set_amount_text(*table_, text.toStdString());
    pump();
}

void QtHost::pump() {
    const std::int64_t now = clock_();
    run_until(*table_, now);
    armed_for_ = table_->ended ? std::nullopt : table_->loop.next_deadline();
    if (armed_for_)
        timer_.start(static_cast<int>(std::max<std::int64_t>(0, *armed_for_ - now)));
    else
        timer_.stop();
    if (!(shown_ == table_->controls)) {
        shown_ = table_->controls;
        emit changed();
    }
    if (table_->ended && !end_reported_) {
        end_reported_ = true;
        emit gameEnded(*table_->ended);
    }
}

}  // namespace holdem::ui
