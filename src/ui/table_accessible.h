// The table for assistive technology. The table view is one widget painted by hand, so its
// seats, board, winner's line, clock and the human's holding are offered as children of its
// accessible interface, each named in words from the table picture, beside its real buttons.
#pragma once

#include <QAccessibleWidget>
#include <vector>

namespace holdem::ui {

class TableView;

class TableViewAccessible : public QAccessibleWidget {
  public:
    explicit TableViewAccessible(TableView* view);
    ~TableViewAccessible() override;

    int childCount() const override;
    QAccessibleInterface* child(int index) const override;
    int indexOfChild(const QAccessibleInterface* child) const override;
    QAccessibleInterface* childAt(int x, int y) const override;
    QString text(QAccessible::Text t) const override;

  private:
    TableView* view() const;
    int widget_children() const { return QAccessibleWidget::childCount(); }
    // Made when first asked for, kept in Qt's cache and dropped with this interface.
    mutable std::vector<QAccessible::Id> parts_;
};

// Installed once: gives every table view the interface above.
void install_table_accessibility();

}  // namespace holdem::ui
