// zarn-calc: the calculator's dialogs, driven from the command line, with no display.
#include "cli/convert.h"
#include "cli/formula_command.h"
#include "cli/script_driver.h"
#include "platform/application.h"

#include <QByteArray>
#include <QString>
#include <QtGlobal>

#include <cstdio>
#include <fstream>
#include <iostream>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace {

constexpr const char* usage = R"usage(Usage: zarn-calc COMMAND [ARGUMENTS]

Commands:
  run [FILE]     Play a script of user steps against the calculator's dialogs, with no
                 display. FILE "-" or no FILE reads the script from standard input.
  convert SHEET VALUE UNIT
                 Type VALUE into the field of UNIT on the conversion sheet SHEET and print
                 "UNIT<TAB>TEXT" for every unit of the sheet (of the unit's group on
                 Work/Force), in the order the sheet writes them, as the window shows them.
                 SHEET and UNIT are matched ignoring case; the labels the Volume sheet
                 shows twice are named "Wet Pints", "Dry Pints", "Wet Quarts", "Dry Quarts".
  convert --list List the conversion sheets and their units, one "SHEET<TAB>UNIT" a line.
  formula NAME [KEY=VALUE ...]
                 Open the formula NAME as a user would, type each VALUE into the field
                 KEY, press its Calculate button and print every field of the dialog as
                 KEY<TAB>TEXT, in reading order. NAME is the formula's list item, in any
                 case ("ohms law"); the Power sheet's two-step formulas are named
                 "STEP 1 ITEM / STEP 2 ITEM" ("Kilowatts / AC - Three-Phase"). KEY is a
                 field's short name or its control id.
  formula --list List every formula with its keys and what each means.
  --help         Show this help and exit.
  --version      Show the version and exit.

Script steps, one per line (blank lines and lines starting with # are skipped):
  tab TITLE      show the calculator sheet with this tab title
  type ID TEXT   replace the whole text of edit field ID with TEXT
  pick ID ITEM   pick the item with exactly this text in drop-down list ID
  click ID       click push button ID (click 1 is the Close / OK button)
  check ID       select radio button ID
  escape         press Escape in the active dialog
  show [ID...]   print ID<TAB>TEXT for the named edit fields (all of them if none named)

Message boxes print as "TITLE: TEXT" and count as answered with OK. Exit status: 0 when
the script has run, 2 for a step that cannot be played (reported on standard error).

convert exits with 0, with 2 for an unknown sheet or unit or a VALUE that is not a number,
and with 1 when the conversion ends in a program error (NAN, INF, or a value too large);
the reason goes to standard error.

formula prints a message box as "TITLE: TEXT" on standard error instead of the fields, and
its exit status is then 1; an unknown NAME or KEY is reported with exit status 2.

Examples:
  printf 'tab Pressure\ntype 10431 1\nshow 10431\nclick 1\n' | zarn-calc run
  zarn-calc convert temperature 100 celsius
  zarn-calc formula "ohms law" volts=120 amperes=12
  zarn-calc formula "Kilowatts / AC - Three-Phase" amperes=20 volts=480 pf=0.9
  zarn-calc formula "Humidity (relative humidity)" drybulb=75 rh=50
  zarn-calc convert volume 1 "dry pints"

The manual page (man zarn-calc) says more. The calculator's help (Help > Contents) has a page
for every sheet and formula, with worked examples and the zarn-calc command of each.
)usage";

// The driver prints what it must itself; the toolkit's own diagnostics stay silent.
void quiet_toolkit(QtMsgType type, const QMessageLogContext&, const QString& message)
{
    if (type == QtFatalMsg) std::fprintf(stderr, "zarn-calc: %s\n", qPrintable(message));
}

// The calculator's dialogs with no display, the toolkit's own diagnostics silenced.
std::unique_ptr<zarn::Application> headless_application(int& argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", QByteArray("offscreen"));
    qInstallMessageHandler(quiet_toolkit);
    return std::make_unique<zarn::Application>(argc, argv, zarn::Display::headless);
}

int run_command(int argc, char** argv)
{
    std::string file = argc > 2 ? argv[2] : "-";
    if (argc > 3) {
        std::cerr << "zarn-calc: run takes one script file\n";
        return 2;
    }
    std::vector<std::string> lines;
    std::ifstream in;
    if (file != "-") {
        in.open(file);
        if (!in) {
            std::cerr << "zarn-calc: cannot read " << file << '\n';
            return 2;
        }
    }
    std::istream& source = file == "-" ? std::cin : in;
    for (std::string line; std::getline(source, line);)
        lines.push_back(line);

    auto app = headless_application(argc, argv);
    return zarn::play_script(lines, zarn::printing_hooks());
}

int convert_command(int argc, char** argv)
{
    if (argc == 3 && std::string_view(argv[2]) == "--list") {
        zarn::list_conversion_units(std::cout);
        return 0;
    }
    if (argc != 5) {
        std::cerr << "zarn-calc: convert takes SHEET VALUE UNIT, or --list\n";
        return 2;
    }
    std::string error;
    auto request = zarn::conversion_request(argv[2], argv[3], argv[4], error);
    if (!request) {
        std::cerr << "zarn-calc: " << error << '\n';
        return 2;
    }
    auto app = headless_application(argc, argv);
    return zarn::play_conversion(*request);
}

int formula_command(int argc, char** argv)
{
    std::vector<std::string> args(argv + 2, argv + argc);
    return zarn::formula_command(
        args, [&](const std::vector<std::string>& lines, const zarn::ScriptHooks& hooks) {
            auto app = headless_application(argc, argv);
            return zarn::play_script(lines, hooks);
        });
}

} // namespace

int main(int argc, char** argv)
{
    std::string_view command = argc > 1 ? argv[1] : "";
    if (command == "--help" || command == "-h" || command == "help") {
        std::cout << usage;
        return 0;
    }
    if (command == "--version") {
        std::cout << "zarn-calc (Zarn Calculator) 1.2\n";
        return 0;
    }
    if (command == "run") return run_command(argc, argv);
    if (command == "convert") return convert_command(argc, argv);
    if (command == "formula") return formula_command(argc, argv);
    std::cerr << (command.empty() ? std::string("zarn-calc: no command given")
                                  : "zarn-calc: unknown command \"" + std::string(command) + "\"")
              << "\n\n"
              << usage;
    return 2;
}
