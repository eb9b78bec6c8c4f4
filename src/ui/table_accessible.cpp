#include "ui/table_accessible.h"

#include <QPointer>
#include <QWindow>

#include "ui/table_view.h"

namespace holdem::ui {

namespace {

// One part of the painted table: a seat, the board, the winner's line, the clock or the
// holding. It has no object of its own; its words and place come from the view.
class TablePart : public QAccessibleInterface {
  public:
    TablePart(TableView* view, int part) : view_(view), part_(part) {}

    bool isValid() const override { return !view_.isNull(); }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return view_ ? view_->window()->windowHandle() : nullptr; }
    QAccessibleInterface* parent() const override {
        return view_ ? QAccessible::queryAccessibleInterface(view_.data()) : nullptr;
    }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QString text(QAccessible::Text t) const override {
        if (!view_) return {};
        if (t == QAccessible::Name) return view_->part_words(part_);
        if (t == QAccessible::Description) return view_->part_about(part_);
        return {};
    }
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override {
        if (!view_) return {};
        const QRect local = view_->part_rect(part_).toAlignedRect();
        return QRect(view_->mapToGlobal(local.topLeft()), local.size());
    }
    QAccessible::Role role() const override { return QAccessible::StaticText; }
    QAccessible::State state() const override {
        QAccessible::State s;
        s.readOnly = true;
        s.invisible = !view_ || !view_->isVisible() || view_->part_words(part_).isEmpty();
        return s;
    }

  private:
    QPointer<TableView> view_;
    int part_;
};

QAccessibleInterface* table_factory(const QString& class_name, QObject* object) {
    if (class_name == QLatin1String("holdem::ui::TableView") && object && object->isWidgetType())
        return new TableViewAccessible(static_cast<TableView*>(object));
    return nullptr;
}

}  // namespace

TableViewAccessible::TableViewAccessible(TableView* view)
    : QAccessibleWidget(view, QAccessible::Pane) {}

TableViewAccessible::~TableViewAccessible() {
    for (QAccessible::Id id : parts_)
        QAccessible::deleteAccessibleInterface(id);
}

TableView* TableViewAccessible::view() const {
    return static_cast<TableView*>(widget());
}

int TableViewAccessible::childCount() const {
    return widget_children() + TableView::accessible_parts;
}

QAccessibleInterface* TableViewAccessible::child(int index) const {
    if (index < 0) return nullptr;
    if (index < widget_children()) return QAccessibleWidget::child(index);
    const int part = index - widget_children();
    if (part >= TableView::accessible_parts) return nullptr;
    if (parts_.empty())
        for (int p = 0; p < TableView::accessible_parts; ++p)
            parts_.push_back(QAccessible::registerAccessibleInterface(new TablePart(view(), p)));
    return QAccessible::accessibleInterface(parts_[static_cast<std::size_t>(part)]);
}

int TableViewAccessible::indexOfChild(const QAccessibleInterface* c) const {
    const int widget_index = QAccessibleWidget::indexOfChild(c);
    if (widget_index >= 0) return widget_index;
    for (std::size_t p = 0; p < parts_.size(); ++p)
        if (QAccessible::accessibleInterface(parts_[p]) == c)
            return widget_children() + static_cast<int>(p);
    return -1;
}

QAccessibleInterface* TableViewAccessible::childAt(int x, int y) const {
    if (QAccessibleInterface* w = QAccessibleWidget::childAt(x, y)) return w;
    for (int i = widget_children(); i < childCount(); ++i) {
        QAccessibleInterface* part = child(i);
        if (part && !part->state().invisible && part->rect().contains(x, y)) return part;
    }
    return nullptr;
}

QString TableViewAccessible::text(QAccessible::Text t) const {
    if (t == QAccessible::Name) return "Table";
    // The last thing said aloud: the turn, a hand's result or the director's news.
    if (t == QAccessible::Description) return view()->spoken();
    return QAccessibleWidget::text(t);
}

void install_table_accessibility() {
    static const bool installed = [] {
        QAccessible::installFactory(table_factory);
        return true;
    }();
    (void)installed;
}

}  // namespace holdem::ui
