// The help viewer: the HTML pages installed with the program, in a window of its own. The
// pages are found beside the program (../share/zarn-calculator/help from the program's
// folder), never through the working directory. Nothing is read before the help is first
// asked for.
#include "platform/help_window.h"

#include "platform/messages.h"
#include "platform/services.h"

#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPointer>
#include <QRegularExpression>
#include <QSplitter>
#include <QStyle>
#include <QTextBrowser>
#include <QToolBar>
#include <QUrl>
#include <QVBoxLayout>

#include <algorithm>

namespace zarn {
namespace {

const QString contents_page = QStringLiteral("index.html");

// The text of a page without its markup, entities decoded, blanks run together.
QString page_text(QString html)
{
    html.remove(QRegularExpression(QStringLiteral("<head>.*</head>"),
                                   QRegularExpression::DotMatchesEverythingOption));
    html.replace(QRegularExpression(QStringLiteral("<[^>]*>")), QStringLiteral(" "));
    html.replace(QStringLiteral("&lt;"), QStringLiteral("<"))
        .replace(QStringLiteral("&gt;"), QStringLiteral(">"))
        .replace(QStringLiteral("&quot;"), QStringLiteral("\""))
        .replace(QStringLiteral("&nbsp;"), QStringLiteral(" "))
        .replace(QStringLiteral("&amp;"), QStringLiteral("&"));
    return html.simplified();
}

QString first_match(const QString& html, const QString& pattern)
{
    return QRegularExpression(pattern, QRegularExpression::DotMatchesEverythingOption |
                                           QRegularExpression::CaseInsensitiveOption)
        .match(html)
        .captured(1)
        .simplified();
}

bool holds_all(const QString& text, const QStringList& words)
{
    return std::all_of(words.begin(), words.end(),
                       [&](const QString& word) { return text.contains(word); });
}

// The search field passes Down to the list of pages and clears itself on Escape.
class SearchField : public QLineEdit {
public:
    SearchField(QListWidget* results, QWidget* parent) : QLineEdit(parent), results_(results) {}

protected:
    void keyPressEvent(QKeyEvent* event) override
    {
        if (event->key() == Qt::Key_Down && results_->count() > 0) {
            results_->setFocus();
            if (results_->currentRow() < 0) results_->setCurrentRow(0);
            return;
        }
        if (event->key() == Qt::Key_Escape && !text().isEmpty()) {
            clear();
            return;
        }
        QLineEdit::keyPressEvent(event);
    }

private:
    QListWidget* results_;
};

} // namespace

QString help_directory()
{
    return QDir::cleanPath(QCoreApplication::applicationDirPath() +
                           QStringLiteral("/../share/zarn-calculator/help"));
}

std::vector<HelpPage> read_help_pages(const QString& directory)
{
    std::vector<HelpPage> pages;
    const QStringList files = QDir(directory).entryList({QStringLiteral("*.html")}, QDir::Files);
    for (const QString& file : files) {
        QFile in(directory + QLatin1Char('/') + file);
        if (!in.open(QIODevice::ReadOnly)) continue;
        const QString html = QString::fromUtf8(in.readAll());
        HelpPage page;
        page.file = file;
        page.title = first_match(html, QStringLiteral("<title>(.*)</title>"));
        if (page.title.isEmpty()) page.title = file;
        page.keywords =
            first_match(html, QStringLiteral("<meta name=\"keywords\" content=\"([^\"]*)\""))
                .toLower();
        page.text = page_text(html).toLower();
        pages.push_back(std::move(page));
    }
    std::sort(pages.begin(), pages.end(), [](const HelpPage& a, const HelpPage& b) {
        return QString::localeAwareCompare(a.title, b.title) < 0;
    });
    return pages;
}

std::vector<const HelpPage*> search_help(const std::vector<HelpPage>& pages, const QString& query)
{
    const QStringList words = query.toLower().split(QLatin1Char(' '), Qt::SkipEmptyParts);
    // Pages with every word in the title come first, then those with every word in the
    // title and keywords, then those with every word in the text; within each, the page
    // that uses the words most often first, and otherwise by title.
    struct Found {
        const HelpPage* page;
        int tier;
        qsizetype uses;
    };
    std::vector<Found> found;
    for (const HelpPage& page : pages) {
        const QString title = page.title.toLower();
        int tier = holds_all(title, words)                                      ? 0
                   : holds_all(title + QLatin1Char(' ') + page.keywords, words) ? 1
                   : holds_all(page.text, words)                                ? 2
                                                                                : -1;
        if (tier < 0) continue;
        qsizetype uses = 0;
        for (const QString& word : words)
            uses += page.text.count(word);
        found.push_back({&page, tier, uses});
    }
    std::stable_sort(found.begin(), found.end(), [](const Found& a, const Found& b) {
        return a.tier != b.tier ? a.tier < b.tier : a.uses > b.uses;
    });
    std::vector<const HelpPage*> result;
    for (const Found& f : found)
        result.push_back(f.page);
    return result;
}

HelpWindow::HelpWindow(const QString& directory)
    : directory_(directory), pages_(read_help_pages(directory))
{
    setWindowTitle(QStringLiteral("Zarn Calculator Help"));
    setAttribute(Qt::WA_DeleteOnClose);

    browser_ = new QTextBrowser;
    browser_->setAccessibleName(QStringLiteral("Help page"));
    browser_->setOpenExternalLinks(false);
    browser_->setSearchPaths({directory});

    auto* side = new QWidget;
    auto* layout = new QVBoxLayout(side);
    layout->setContentsMargins(0, 0, 0, 0);
    results_ = new QListWidget;
    results_->setAccessibleName(QStringLiteral("Pages"));
    search_ = new SearchField(results_, side);
    search_->setPlaceholderText(QStringLiteral("Search the help"));
    search_->setAccessibleName(QStringLiteral("Search the help"));
    search_->setClearButtonEnabled(true);
    auto* label = new QLabel(QStringLiteral("&Search:"));
    label->setBuddy(search_);
    layout->addWidget(label);
    layout->addWidget(search_);
    layout->addWidget(results_);

    auto* splitter = new QSplitter;
    splitter->addWidget(side);
    splitter->addWidget(browser_);
    splitter->setStretchFactor(1, 1);
    splitter->setSizes({260, 640});
    setCentralWidget(splitter);

    QToolBar* bar = addToolBar(QStringLiteral("Navigation"));
    bar->setMovable(false);
    bar->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    QAction* back = bar->addAction(style()->standardIcon(QStyle::SP_ArrowBack),
                                   QStringLiteral("Back"), browser_, &QTextBrowser::backward);
    back->setShortcut(QKeySequence::Back);
    back->setEnabled(false);
    QAction* forward = bar->addAction(style()->standardIcon(QStyle::SP_ArrowForward),
                                      QStringLiteral("Forward"), browser_, &QTextBrowser::forward);
    forward->setShortcut(QKeySequence::Forward);
    forward->setEnabled(false);
    QAction* home =
        bar->addAction(style()->standardIcon(QStyle::SP_DirHomeIcon), QStringLiteral("Contents"),
                       [this] { show_page(contents_page); });
    home->setShortcut(QKeySequence(Qt::ALT | Qt::Key_Home));
    connect(browser_, &QTextBrowser::backwardAvailable, back, &QAction::setEnabled);
    connect(browser_, &QTextBrowser::forwardAvailable, forward, &QAction::setEnabled);

    // Keys that need no button: find, the next and previous match, text size, close.
    auto key = [this](QKeySequence sequence, auto slot) {
        auto* action = new QAction(this);
        action->setShortcut(sequence);
        connect(action, &QAction::triggered, this, slot);
        addAction(action);
    };
    key(QKeySequence::Find, [this] {
        search_->setFocus();
        search_->selectAll();
    });
    key(QKeySequence::FindNext, [this] { find_in_page(false); });
    key(QKeySequence::FindPrevious, [this] { find_in_page(true); });
    key(QKeySequence::ZoomIn, [this] { browser_->zoomIn(1); });
    key(QKeySequence(Qt::CTRL | Qt::Key_Equal), [this] { browser_->zoomIn(1); });
    key(QKeySequence::ZoomOut, [this] { browser_->zoomOut(1); });
    key(QKeySequence::Close, [this] { close(); });

    connect(search_, &QLineEdit::textChanged, this, [this] { update_results(); });
    connect(search_, &QLineEdit::returnPressed, this, [this] { open_result(0); });
    connect(results_, &QListWidget::itemActivated, this,
            [this](QListWidgetItem* item) { open_result(results_->row(item)); });
    connect(results_, &QListWidget::itemClicked, this,
            [this](QListWidgetItem* item) { open_result(results_->row(item)); });
    update_results();
    resize(920, 660);
}

void HelpWindow::show_page(const QString& file)
{
    const QUrl page = QUrl::fromLocalFile(directory_ + QLatin1Char('/') + file);
    if (browser_->source() != page) browser_->setSource(page);
}

void HelpWindow::update_results()
{
    results_->clear();
    for (const HelpPage* page : search_help(pages_, search_->text())) {
        auto* item = new QListWidgetItem(page->title, results_);
        item->setData(Qt::UserRole, page->file);
    }
}

void HelpWindow::open_result(int row)
{
    QListWidgetItem* item = results_->item(row);
    if (!item) return;
    show_page(item->data(Qt::UserRole).toString());
    const QStringList words = search_->text().split(QLatin1Char(' '), Qt::SkipEmptyParts);
    if (!words.isEmpty()) browser_->find(words.first());
}

// The next (or previous) place of the first searched word in the page, from the top (or
// the bottom) again after the last.
void HelpWindow::find_in_page(bool backward)
{
    const QStringList words = search_->text().split(QLatin1Char(' '), Qt::SkipEmptyParts);
    if (words.isEmpty()) return;
    const QTextDocument::FindFlags flags =
        backward ? QTextDocument::FindBackward : QTextDocument::FindFlags();
    if (browser_->find(words.first(), flags)) return;
    browser_->moveCursor(backward ? QTextCursor::End : QTextCursor::Start);
    browser_->find(words.first(), flags);
}

void help_OpenContents(Window)
{
    const QString directory = help_directory();
    if (!QFileInfo(directory + QLatin1Char('/') + contents_page).isFile()) {
        dlg_Error("The help pages could not be found.\nThey belong in " +
                  QDir::toNativeSeparators(directory).toStdString() +
                  "; reinstall Zarn Calculator to restore them.");
        return;
    }
    // Made on first use and kept until the user closes it; no owner, so that the calculator,
    // modal to the task window, leaves it usable.
    static QPointer<HelpWindow> viewer;
    if (!viewer) viewer = new HelpWindow(directory);
    viewer->show_page(contents_page);
    viewer->show();
    viewer->raise();
    viewer->activateWindow();
}

} // namespace zarn
