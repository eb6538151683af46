// bare-dialog: the floor the calculator's start-up is measured against. A plain Qt
// program of the calculator's shape: a dialog with fifteen sheets listed on the left and
// 120 labelled line edits on them, nothing else.
#include <QApplication>
#include <QDialog>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QStackedWidget>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QDialog dialog;
    dialog.setWindowTitle(QStringLiteral("Bare Qt dialog"));
    auto* titles = new QListWidget;
    auto* sheets = new QStackedWidget;
    auto* layout = new QHBoxLayout(&dialog);
    layout->addWidget(titles);
    layout->addWidget(sheets, 1);
    for (int sheet = 0; sheet < 15; ++sheet) {
        titles->addItem(QStringLiteral("Sheet %1").arg(sheet + 1));
        auto* page = new QWidget;
        auto* form = new QFormLayout(page);
        for (int field = 0; field < 8; ++field)
            form->addRow(new QLabel(QStringLiteral("Unit %1").arg(field + 1)), new QLineEdit);
        sheets->addWidget(page);
    }
    QObject::connect(titles, &QListWidget::currentRowChanged, sheets,
                     &QStackedWidget::setCurrentIndex);
    titles->setCurrentRow(0);
    dialog.show();
    return app.exec();
}
