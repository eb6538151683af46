// The help and the manual page never drift from the program: every worked example in them
// is run through zarn-calc and must print exactly what the page says; every sheet and
// every formula has its page, with a worked example; every link leads somewhere.
//
// A worked example in a help page is a block
//     <div class="example"> ... <code class="command">zarn-calc ...</code> ...
//       <table> <tr data-key="KEY"><td>Label</td><td>Text</td>...</tr> ... </table>
//       or <p class="message">Title: Text</p> </div>
// whose rows are the lines the command prints, `KEY<TAB>Text` (the first cell when a row
// has no data-key), and whose message is what it prints on standard error.
// A worked example in the manual page is a `.nf` block whose first line is `$ COMMAND`
// and whose other lines are its output.
#include "cli/formula_catalog.h"
#include "conversions/conversion_sheet.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QProcessEnvironment>
#include <QRegularExpression>
#include <QSet>
#include <QStringList>

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <vector>

namespace {

QString setting(const char* name)
{
    const QString value = qEnvironmentVariable(name);
    if (value.isEmpty()) ADD_FAILURE() << name << " is not set";
    return value;
}

QString help_folder()
{
    return setting("ZARN_HELP_PAGES");
}

QString read_text(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) ADD_FAILURE() << "cannot read " << path.toStdString();
    return QString::fromUtf8(file.readAll());
}

constexpr auto dot_all = QRegularExpression::DotMatchesEverythingOption;

// Text of an HTML fragment: tags dropped, entities decoded, blanks run together.
QString text_of(QString html)
{
    html.remove(QRegularExpression(QStringLiteral("<[^>]*>")));
    html.replace(QStringLiteral("&lt;"), QStringLiteral("<"))
        .replace(QStringLiteral("&gt;"), QStringLiteral(">"))
        .replace(QStringLiteral("&quot;"), QStringLiteral("\""))
        .replace(QStringLiteral("&#39;"), QStringLiteral("'"))
        .replace(QStringLiteral("&nbsp;"), QStringLiteral(" "))
        .replace(QStringLiteral("&amp;"), QStringLiteral("&"));
    return html.simplified();
}

struct Page {
    QString file;
    QString html;
};

std::vector<Page> help_pages()
{
    std::vector<Page> pages;
    const QDir dir(help_folder());
    for (const QString& file : dir.entryList({QStringLiteral("*.html")}, QDir::Files))
        pages.push_back({file, read_text(dir.filePath(file))});
    return pages;
}

struct Example {
    QString where; // page or manual page, for the report
    QString command;
    QString output; // what the command must print: standard output, then standard error
};

std::vector<Example> page_examples(const Page& page)
{
    std::vector<Example> examples;
    static const QRegularExpression block(QStringLiteral("<div class=\"example\">(.*?)</div>"),
                                          dot_all);
    static const QRegularExpression command(QStringLiteral("<code class=\"command\">(.*?)</code>"),
                                            dot_all);
    static const QRegularExpression row(QStringLiteral("<tr([^>]*)>(.*?)</tr>"), dot_all);
    static const QRegularExpression key(QStringLiteral("data-key=\"([^\"]*)\""));
    static const QRegularExpression cell(QStringLiteral("<td[^>]*>(.*?)</td>"), dot_all);
    static const QRegularExpression message(QStringLiteral("<p class=\"message\">(.*?)</p>"),
                                            dot_all);
    for (const auto& b : block.globalMatch(page.html)) {
        const QString body = b.captured(1);
        Example example{page.file, text_of(command.match(body).captured(1)), {}};
        for (const auto& r : row.globalMatch(body)) {
            QStringList cells;
            for (const auto& c : cell.globalMatch(r.captured(2)))
                cells << text_of(c.captured(1));
            if (cells.size() < 2) continue; // a heading
            const auto k = key.match(r.captured(1));
            example.output += (k.hasMatch() ? k.captured(1) : cells[0]) + '\t' + cells[1] + '\n';
        }
        for (const auto& m : message.globalMatch(body))
            example.output += text_of(m.captured(1)) + '\n';
        examples.push_back(example);
    }
    return examples;
}

std::vector<Example> manual_examples()
{
    std::vector<Example> examples;
    const QString man = read_text(setting("ZARN_MAN_PAGE"));
    static const QRegularExpression block(QStringLiteral("^\\.nf\n(.*?)^\\.fi$"),
                                          dot_all | QRegularExpression::MultilineOption);
    for (const auto& b : block.globalMatch(man)) {
        QString body = b.captured(1);
        body.replace(QStringLiteral("\\-"), QStringLiteral("-"))
            .replace(QStringLiteral("\\e"), QStringLiteral("\\"));
        QStringList lines = body.split('\n');
        if (lines.isEmpty() || !lines.first().startsWith(QStringLiteral("$ "))) continue;
        Example example{QStringLiteral("zarn-calc.1"), lines.takeFirst().mid(2), {}};
        example.output = lines.join('\n');
        examples.push_back(example);
    }
    return examples;
}

struct CommandRun {
    QString output;
    int status;
};

// Runs a command line as a shell would, with zarn-calc on the PATH.
CommandRun run_command(const QString& command)
{
    QProcess shell;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("PATH"), QFileInfo(setting("ZARN_CALC")).absolutePath() + ':' +
                                           env.value(QStringLiteral("PATH")));
    shell.setProcessEnvironment(env);
    shell.start(QStringLiteral("bash"), {QStringLiteral("-c"), command});
    shell.waitForFinished(60000);
    return {QString::fromUtf8(shell.readAllStandardOutput() + shell.readAllStandardError()),
            shell.exitCode()};
}

void expect_prints(const Example& example)
{
    SCOPED_TRACE(example.where.toStdString() + ": " + example.command.toStdString());
    ASSERT_TRUE(example.command.startsWith(QStringLiteral("zarn-calc ")) ||
                example.command.contains(QStringLiteral("| zarn-calc ")))
        << "an example must run zarn-calc";
    EXPECT_EQ(run_command(example.command).output.toStdString(), example.output.toStdString());
}

TEST(Help, EveryWorkedExampleIsWhatZarnCalcPrints)
{
    int examples = 0;
    for (const Page& page : help_pages())
        for (const Example& example : page_examples(page)) {
            expect_prints(example);
            ++examples;
        }
    EXPECT_GT(examples, 0) << "no worked example found in " << help_folder().toStdString();
}

TEST(Help, ManualPageExamplesAreWhatZarnCalcPrints)
{
    const std::vector<Example> examples = manual_examples();
    EXPECT_FALSE(examples.empty());
    for (const Example& example : examples)
        expect_prints(example);
}

// zarn-calc --help names its three commands and each of its examples runs.
TEST(Help, CommandHelpExamplesRun)
{
    const CommandRun help = run_command(QStringLiteral("zarn-calc --help"));
    ASSERT_EQ(help.status, 0);
    for (const char* command : {"\n  run ", "\n  convert ", "\n  formula "})
        EXPECT_TRUE(help.output.contains(QString::fromUtf8(command))) << command;
    const qsizetype start = help.output.indexOf(QStringLiteral("\nExamples:\n"));
    ASSERT_GE(start, 0);
    int examples = 0;
    for (const QString& line : help.output.mid(start).split('\n')) {
        if (!line.startsWith(QStringLiteral("  "))) continue;
        const QString command = line.trimmed();
        if (command.startsWith('#')) continue;
        const CommandRun run = run_command(command);
        EXPECT_EQ(run.status, 0) << command.toStdString() << "\n" << run.output.toStdString();
        EXPECT_FALSE(run.output.isEmpty()) << command.toStdString();
        ++examples;
    }
    EXPECT_GT(examples, 0);
}

// What a page is about: <meta name="sheet" content="..."> and <meta name="formula" ...>.
std::map<QString, std::vector<QString>> pages_about(const char* what)
{
    std::map<QString, std::vector<QString>> about;
    const QRegularExpression meta(
        QStringLiteral("<meta name=\"%1\" content=\"([^\"]*)\">").arg(QString::fromUtf8(what)));
    for (const Page& page : help_pages())
        for (const auto& m : meta.globalMatch(page.html))
            about[text_of(m.captured(1))].push_back(page.file);
    return about;
}

TEST(Help, EverySheetAndFormulaHasItsPageWithAWorkedExample)
{
    // The sheets: the conversion sheets and the sheets that hold formulas.
    std::set<QString> sheets;
    for (const zarn::ConversionSheet* sheet : zarn::conversion_tables())
        sheets.insert(QString::fromUtf8(sheet->title));
    for (const zarn::CatalogFormula& formula : zarn::formula_catalog())
        sheets.insert(QString::fromUtf8(formula.sheet));
    std::set<QString> formulas;
    for (const zarn::CatalogFormula& formula : zarn::formula_catalog())
        formulas.insert(QString::fromStdString(zarn::formula_name(formula)));

    const auto sheet_pages = pages_about("sheet");
    const auto formula_pages = pages_about("formula");
    for (const QString& sheet : sheets) {
        auto found = sheet_pages.find(sheet);
        EXPECT_TRUE(found != sheet_pages.end() && found->second.size() == 1)
            << "the " << sheet.toStdString() << " sheet needs one page";
    }
    for (const QString& formula : formulas)
        EXPECT_TRUE(formula_pages.count(formula)) << formula.toStdString() << " has no page";
    for (const auto& [name, files] : sheet_pages)
        EXPECT_TRUE(sheets.count(name))
            << files[0].toStdString() << ": no sheet " << name.toStdString();
    for (const auto& [name, files] : formula_pages)
        EXPECT_TRUE(formulas.count(name))
            << files[0].toStdString() << ": no formula " << name.toStdString();

    std::set<QString> described;
    for (const auto* about : {&sheet_pages, &formula_pages})
        for (const auto& [name, files] : *about)
            described.insert(files.begin(), files.end());
    for (const Page& page : help_pages())
        if (described.count(page.file))
            EXPECT_FALSE(page_examples(page).empty())
                << page.file.toStdString() << " has no worked example";
}

// Every link leads to a page (and a place in it) that exists, and every page can be
// reached from the contents page.
TEST(Help, LinksLeadToPagesAndEveryPageIsReachable)
{
    std::map<QString, QString> html;
    for (const Page& page : help_pages())
        html[page.file] = page.html;
    ASSERT_TRUE(html.count(QStringLiteral("index.html")));
    const QRegularExpression link(QStringLiteral("href=\"([^\"]*)\""));
    std::map<QString, QSet<QString>> links;
    for (const auto& [file, text] : html)
        for (const auto& m : link.globalMatch(text)) {
            const QString target = m.captured(1);
            if (target.endsWith(QStringLiteral(".css"))) continue;
            const QString page =
                target.section('#', 0, 0).isEmpty() ? file : target.section('#', 0, 0);
            const QString anchor = target.section('#', 1);
            if (!html.count(page)) {
                ADD_FAILURE() << file.toStdString() << " links to " << target.toStdString();
                continue;
            }
            if (!anchor.isEmpty())
                EXPECT_TRUE(html[page].contains(QStringLiteral("id=\"%1\"").arg(anchor)))
                    << file.toStdString() << " links to " << target.toStdString();
            links[file].insert(page);
        }
    QSet<QString> reached{QStringLiteral("index.html")};
    std::vector<QString> todo{QStringLiteral("index.html")};
    while (!todo.empty()) {
        const QString file = todo.back();
        todo.pop_back();
        for (const QString& next : links[file])
            if (!reached.contains(next)) {
                reached.insert(next);
                todo.push_back(next);
            }
    }
    for (const auto& [file, text] : html)
        EXPECT_TRUE(reached.contains(file)) << file.toStdString() << " cannot be reached";
}

} // namespace
