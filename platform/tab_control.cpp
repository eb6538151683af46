#include "platform/tab_control.h"

#include "platform/dialog_window.h"
#include "platform/services.h"

#include <QCoreApplication>
#include <QListWidget>
#include <QResizeEvent>
#include <QStackedWidget>

namespace zarn {

TabControl::TabControl(QWidget* parent)
    : QWidget(parent), titles_(new QListWidget(this)), sheets_(new QStackedWidget(this))
{
    titles_->setAccessibleName(QStringLiteral("Sheets"));
    titles_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    titles_->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    titles_->setSelectionMode(QAbstractItemView::SingleSelection);
    sheets_->setFrameShape(QFrame::StyledPanel);
    connect(titles_, &QListWidget::currentRowChanged, sheets_, &QStackedWidget::setCurrentIndex);
}

QWidget* TabControl::add_sheet(const QString& title)
{
    auto* page = new QWidget;
    sheets_->addWidget(page);
    titles_->addItem(title);
    return page;
}

void TabControl::show_sheet(int index)
{
    titles_->setCurrentRow(index);
}
int TabControl::current_sheet() const
{
    return titles_->currentRow();
}

int TabControl::sheet_of(QWidget* control) const
{
    for (QWidget* w = control; w; w = w->parentWidget()) {
        int index = sheets_->indexOf(w);
        if (index >= 0) return index;
    }
    return -1;
}

// The title list takes the width of the widest title; the sheets take the rest.
void TabControl::resizeEvent(QResizeEvent*)
{
    QFontMetrics metrics(titles_->font());
    int widest = 0;
    for (int i = 0; i < titles_->count(); ++i)
        widest = std::max(widest, metrics.horizontalAdvance(titles_->item(i)->text()));
    int list_width = widest + metrics.averageCharWidth() * 4 + 2 * titles_->frameWidth();
    int gap = metrics.averageCharWidth();
    titles_->setGeometry(0, 0, list_width, height());
    sheets_->setGeometry(list_width + gap, 0, width() - list_width - gap, height());
}

// ---- The tab-dialog package -----------------------------------------------------------

void tabdlg_Register() {}

Font win_GetFont(Window window)
{
    QFont font = window ? window->font() : QFont();
    return {font.family().toStdString(), font.pointSizeF()};
}

void tabdlg_Create(Window dialog, int tab_control_id, const Font& font, TabPlacement,
                   std::span<const SheetDef> sheets, int selected)
{
    DialogWindow* d = dialog_of(dialog);
    auto* tabs = d ? dynamic_cast<TabControl*>(d->control(tab_control_id)) : nullptr;
    if (!tabs) throw std::logic_error("no tab control " + std::to_string(tab_control_id));
    QFont title_font(QString::fromStdString(font.family));
    if (font.point_size > 0) title_font.setPointSizeF(font.point_size);
    tabs->titles()->setFont(title_font);

    int selected_index = 0;
    for (const SheetDef& sheet : sheets) {
        const DialogTemplate* tmpl = find_template(sheet.template_id);
        if (!tmpl) throw std::logic_error("no sheet template " + std::to_string(sheet.template_id));
        QWidget* page = tabs->add_sheet(QString::fromUtf8(sheet.title));
        d->add_controls(page, tmpl->controls);
        d->declare_fields(sheet.fields);
        if (sheet.number == selected) selected_index = tabs->sheets()->count() - 1;
    }
    d->keep_default_button_last();
    tabs->show_sheet(selected_index);
    QResizeEvent relayout(tabs->size(), tabs->size());
    QCoreApplication::sendEvent(tabs, &relayout);
    d->reveal_control = [tabs](int id) {
        DialogWindow* owner = dialog_of(tabs);
        int index = owner ? tabs->sheet_of(owner->control(id)) : -1;
        if (index >= 0 && index != tabs->current_sheet()) tabs->show_sheet(index);
    };
}

} // namespace zarn
