// The help window: the HTML pages installed with the program, an index of their titles
// that the search field filters by title, keywords and text, and the page itself. It has
// no owner, so it stays usable beside the calculator, which blocks only the task window.
#pragma once

#include <QMainWindow>
#include <QString>
#include <QStringList>
#include <QUrl>

#include <vector>

class QAction;
class QLineEdit;
class QListWidget;
class QTextBrowser;

namespace zarn {

// One page of the help as the search sees it.
struct HelpPage {
    QString file;     // the file name within the help folder
    QString title;    // its <title>
    QString keywords; // its <meta name="keywords">, lower case
    QString text;     // its text without markup, lower case
};

// The pages of the help folder `directory`, sorted by title.
std::vector<HelpPage> read_help_pages(const QString& directory);

// The pages that hold every word of `query` (any case): those with all words in the title
// first, then in the title and keywords, then in the text, each group with the pages that
// use the words most first; every page, by title, for an empty query.
std::vector<const HelpPage*> search_help(const std::vector<HelpPage>& pages, const QString& query);

class HelpWindow : public QMainWindow {
public:
    explicit HelpWindow(const QString& directory);

    // Shows the page `file` of the help folder.
    void show_page(const QString& file);
    QTextBrowser* browser() const { return browser_; }
    QLineEdit* search_field() const { return search_; }
    QListWidget* results() const { return results_; }

private:
    void update_results();
    void open_result(int row);
    void find_in_page(bool backward);

    QString directory_;
    std::vector<HelpPage> pages_;
    QTextBrowser* browser_;
    QLineEdit* search_;
    QListWidget* results_;
};

// The folder of the help pages: ../share/zarn-calculator/help from the program's folder.
QString help_directory();

} // namespace zarn
