// The help viewer: the HTML pages installed with the program, in a small window of its
// own. The pages are found beside the program (../share/zarn-calculator/help from the
// program's directory), never through the working directory.
#include "platform/messages.h"
#include "platform/services.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QPointer>
#include <QTextBrowser>
#include <QUrl>

namespace zarn {
namespace {

QString help_directory()
{
    return QDir::cleanPath(QCoreApplication::applicationDirPath() +
                           QStringLiteral("/../share/zarn-calculator/help"));
}

} // namespace

void help_OpenContents(Window)
{
    const QString contents = help_directory() + QStringLiteral("/index.html");
    if (!QFileInfo(contents).isFile()) {
        dlg_Error("The help pages could not be found.\nThey belong in " +
                  QDir::toNativeSeparators(help_directory()).toStdString() +
                  "; reinstall Zarn Calculator to restore them.");
        return;
    }
    static QPointer<QTextBrowser> viewer;
    if (!viewer) {
        viewer = new QTextBrowser;
        viewer->setAttribute(Qt::WA_DeleteOnClose);
        viewer->setWindowTitle(QStringLiteral("Zarn Calculator Help"));
        viewer->setAccessibleName(QStringLiteral("Help"));
        viewer->setOpenExternalLinks(false);
        viewer->setSearchPaths({help_directory()});
        viewer->resize(640, 560);
    }
    viewer->setSource(QUrl::fromLocalFile(contents));
    viewer->show();
    viewer->raise();
    viewer->activateWindow();
}

} // namespace zarn
