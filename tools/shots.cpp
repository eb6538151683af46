// zarn-shots: pictures of dialogs for checking layouts by eye. Plays a zarn-calc script
// in which the extra step `snap NAME` saves the active dialog as OUTDIR/NAME.png, and
// `snapall NAME` saves every visible top-level window (restoring minimised ones). Runs offscreen
// unless a display platform is chosen; QT_SCALE_FACTOR gives other scales, ZARN_DARK=1 a dark
// palette.
#include "cli/script_driver.h"
#include "platform/application.h"

#include <QApplication>
#include <QDir>
#include <QPalette>
#include <QPixmap>
#include <QWidget>

#include <fstream>
#include <iostream>

int main(int argc, char** argv)
{
    if (argc < 3) {
        std::cerr << "usage: zarn-shots OUTDIR SCRIPT\n";
        return 2;
    }
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    const QString out = QString::fromLocal8Bit(argv[1]);
    QDir().mkpath(out);
    std::ifstream in(argv[2]);
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);

    zarn::Application app(argc, argv);
    if (qEnvironmentVariableIntValue("ZARN_DARK")) {
        QPalette dark;
        dark.setColor(QPalette::Window, QColor(45, 45, 48));
        dark.setColor(QPalette::WindowText, QColor(230, 230, 230));
        dark.setColor(QPalette::Base, QColor(30, 30, 30));
        dark.setColor(QPalette::Text, QColor(230, 230, 230));
        dark.setColor(QPalette::Button, QColor(60, 60, 64));
        dark.setColor(QPalette::ButtonText, QColor(230, 230, 230));
        QApplication::setPalette(dark);
    }
    zarn::ScriptHooks hooks = zarn::printing_hooks();
    hooks.extra = [&out](const std::string& verb, const std::string& args, zarn::Window dialog) {
        const QString name = out + "/" + QString::fromStdString(args) + ".png";
        if (verb == "snap" && dialog) return dialog->grab().save(name);
        if (verb != "snapall") return false;
        int n = 0;
        for (QWidget* w : QApplication::topLevelWidgets()) {
            if (!w->isVisible()) continue;
            if (w->isMinimized()) w->showNormal(); // as the user restores it
            w->grab().save(out + "/" + QString::fromStdString(args) + "-" + QString::number(n++) +
                           ".png");
        }
        return true;
    };
    return zarn::play_script(lines, hooks);
}
