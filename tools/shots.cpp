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

// A dark desktop's palette, every role set as such a desktop sets it (frames, highlight,
// tooltips, links and the dimmed text of disabled controls), so that a picture shows what
// the program does with it rather than what Qt guesses for roles left out.
QPalette dark_desktop()
{
    const QColor face(45, 45, 48);
    const QColor text(230, 230, 230);
    const QColor dimmed(130, 130, 130);
    QPalette dark(face);
    // clang-format off
    const struct { QPalette::ColorRole role; QColor colour; } roles[] = {
        {QPalette::Window,          face},
        {QPalette::WindowText,      text},
        {QPalette::Base,            QColor(30, 30, 30)},
        {QPalette::AlternateBase,   QColor(40, 40, 44)},
        {QPalette::Text,            text},
        {QPalette::PlaceholderText, dimmed},
        {QPalette::Button,          QColor(60, 60, 64)},
        {QPalette::ButtonText,      text},
        {QPalette::BrightText,      QColor(255, 90, 90)},
        {QPalette::Light,           QColor(85, 85, 90)},
        {QPalette::Midlight,        QColor(70, 70, 74)},
        {QPalette::Mid,             QColor(40, 40, 43)},
        {QPalette::Dark,            QColor(25, 25, 27)},
        {QPalette::Shadow,          QColor(10, 10, 10)},
        {QPalette::Highlight,       QColor(42, 130, 218)},
        {QPalette::HighlightedText, QColor(255, 255, 255)},
        {QPalette::Link,            QColor(110, 170, 255)},
        {QPalette::LinkVisited,     QColor(170, 140, 255)},
        {QPalette::ToolTipBase,     QColor(60, 60, 64)},
        {QPalette::ToolTipText,     text},
    };
    // clang-format on
    for (const auto& r : roles)
        dark.setColor(r.role, r.colour);
    for (QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        dark.setColor(QPalette::Disabled, role, dimmed);
    dark.setColor(QPalette::Disabled, QPalette::Highlight, QColor(70, 70, 74));
    return dark;
}

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
    if (qEnvironmentVariableIntValue("ZARN_DARK")) QApplication::setPalette(dark_desktop());
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
