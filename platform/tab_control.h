// The tab control of a tabbed dialog: the sheet titles as a list along the left edge,
// written horizontally, and the showing sheet beside it.
#pragma once

#include <QWidget>

class QListWidget;
class QStackedWidget;

namespace zarn {

class TabControl final : public QWidget {
public:
    explicit TabControl(QWidget* parent);
    QListWidget* titles() const { return titles_; }
    QStackedWidget* sheets() const { return sheets_; }
    // Adds a sheet; its controls are placed on the returned page.
    QWidget* add_sheet(const QString& title);
    void show_sheet(int index);
    int current_sheet() const;
    int sheet_of(QWidget* control) const; // -1 when the control is on no sheet

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    QListWidget* titles_;
    QStackedWidget* sheets_;
};

} // namespace zarn
