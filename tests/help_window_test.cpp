// The help window: its search over the installed pages, its keys, and that it stays usable
// beside the calculator. Also the icon every window carries.
#include "gui_test_support.h"

#include "platform/automation.h"
#include "platform/frame_window.h"
#include "platform/help_window.h"
#include "platform/services.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QTest>
#include <QTextBrowser>

#include <gtest/gtest.h>

namespace zarn {
namespace {

using testing_support::take_messages;
using testing_support::then;
using testing_support::with_program;

QAction* menu_action(const char* text)
{
    for (QAction* action : task_window()->menuBar()->findChildren<QAction*>())
        if (action->text() == QString::fromUtf8(text)) return action;
    return nullptr;
}

HelpWindow* open_help_window()
{
    for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* help = dynamic_cast<HelpWindow*>(w); help && help->isVisible()) return help;
    return nullptr;
}

QStringList titles(const std::vector<const HelpPage*>& pages)
{
    QStringList list;
    for (const HelpPage* page : pages)
        list << page->title;
    return list;
}

// The pages beside the program, as the help window reads them.
TEST(HelpSearch, FindsPagesByTitleKeywordsAndText)
{
    const std::vector<HelpPage> pages = read_help_pages(help_directory());
    ASSERT_EQ(qsizetype(pages.size()),
              QDir(help_directory()).entryList({QStringLiteral("*.html")}).size());
    EXPECT_EQ(search_help(pages, QString()).size(), pages.size()) << "no words: every page";
    EXPECT_TRUE(titles(search_help(pages, QString())).contains("Temperature sheet"));

    struct Case {
        const char* query;
        const char* first; // the page listed first
    };
    const Case cases[] = {
        {"rankine", "Temperature sheet"},   // keywords of several pages: the one using it most
        {"RANKINE", "Temperature sheet"},   // any case
        {"wind chill", "Wind Chill sheet"}, // the title before pages that merely mention it
        {"dew point", "Humidity sheet"},    // keywords
        {"ohm", "Ohm's law"},               // part of a word
        {"1.73 three-phase", "Voltage drop"},
        {"curve fit", "Humidity sheet"}, // the text only
    };
    for (const Case& c : cases) {
        const QStringList found = titles(search_help(pages, QString::fromUtf8(c.query)));
        ASSERT_FALSE(found.isEmpty()) << c.query;
        EXPECT_EQ(found.first().toStdString(), c.first) << c.query;
    }
    EXPECT_TRUE(search_help(pages, QStringLiteral("rankine xyzzy")).empty()) << "every word";
}

// Help > Contents, a search typed into the window, Enter, then the keys of the page.
TEST(HelpWindow, SearchOpensThePageAtTheWordFound)
{
    with_program([](DialogWindow* calculator) {
        QTest::keyClick(calculator, Qt::Key_Escape);
        then([] {
            menu_action("&Contents")->trigger();
            HelpWindow* help = open_help_window();
            ASSERT_NE(help, nullptr);
            EXPECT_EQ(help->parentWidget(), nullptr);
            EXPECT_EQ(help->windowTitle(), "Zarn Calculator Help");
            EXPECT_EQ(help->results()->count(),
                      QDir(help_directory()).entryList({"*.html"}).size());

            ASSERT_TRUE(QTest::qWaitForWindowActive(help));
            help->browser()->setFocus();
            QTest::keyClick(help, Qt::Key_F, Qt::ControlModifier); // Ctrl+F: to the search
            EXPECT_EQ(help->focusWidget(), help->search_field());
            QTest::keyClicks(help->search_field(), "rankine");
            ASSERT_GT(help->results()->count(), 0);
            EXPECT_EQ(help->results()->item(0)->text(), "Temperature sheet");
            QTest::keyClick(help->search_field(), Qt::Key_Return);
            EXPECT_TRUE(help->browser()->source().path().endsWith("/temperature.html"));
            EXPECT_EQ(help->browser()->textCursor().selectedText().toLower(), "rankine");

            // F3 goes on to the next place of the word, from the top again after the last.
            const int first = help->browser()->textCursor().position();
            QTest::keyClick(help, Qt::Key_F3);
            EXPECT_NE(help->browser()->textCursor().position(), first);
            EXPECT_EQ(help->browser()->textCursor().selectedText().toLower(), "rankine");

            // Back returns to the contents page; Escape in the search field clears it.
            QTest::keyClick(help, Qt::Key_Left, Qt::AltModifier);
            EXPECT_TRUE(help->browser()->source().path().endsWith("/index.html"));
            QTest::keyClick(help->search_field(), Qt::Key_Escape);
            EXPECT_TRUE(help->search_field()->text().isEmpty());
            EXPECT_TRUE(take_messages().empty());
            help->close();
            end_application();
        });
    });
}

// The calculator disables only the task window while it is open: the help window, which
// has no owner, still takes the user's typing beside it.
TEST(HelpWindow, StaysUsableBesideTheCalculator)
{
    with_program([](DialogWindow* calculator) {
        QTest::keyClick(calculator, Qt::Key_Escape);
        then([] {
            menu_action("&Contents")->trigger();
            HelpWindow* help = open_help_window();
            ASSERT_NE(help, nullptr);
            then([help] {
                ASSERT_EQ(modal_dialogs().size(), 1u) << "the calculator is open again";
                EXPECT_FALSE(task_window()->isEnabled());
                EXPECT_TRUE(help->isEnabled());
                QTest::keyClicks(help->search_field(), "wind chill");
                EXPECT_EQ(help->search_field()->text(), "wind chill");
                ASSERT_GT(help->results()->count(), 0);
                EXPECT_EQ(help->results()->item(0)->text(), "Wind Chill sheet");
                QTest::keyClick(help->search_field(), Qt::Key_Return);
                EXPECT_TRUE(help->browser()->source().path().endsWith("/wind-chill.html"));
                help->close();
                end_application();
            });
            menu_action("&Start Calculator")->trigger(); // returns when the calculator ends
        });
    });
}

TEST(Shell, EveryWindowCarriesTheProgramIcon)
{
    with_program([](DialogWindow* calculator) {
        EXPECT_EQ(QGuiApplication::desktopFileName(), "org.zarncalculator.ZarnCalculator");
        for (QWidget* window :
             {static_cast<QWidget*>(calculator), static_cast<QWidget*>(task_window())}) {
            const QIcon icon = window->windowIcon();
            EXPECT_FALSE(icon.isNull());
            for (int size : {16, 32, 48})
                EXPECT_FALSE(icon.pixmap(size, size).isNull()) << size;
        }
        end_application();
    });
}

} // namespace
} // namespace zarn
