#include "platform/field_table.h"

#include "platform/dialog_window.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QLineEdit>

namespace zarn {
namespace {

// Signs with no ASCII decomposition of their own, and what a table writes for them.
struct Spelling {
    char16_t sign;
    const char* ascii;
};
constexpr Spelling spellings[] = {
    {u'\u00b0', "deg"}, // degree sign
    {u'\u00b5', "u"},   // micro sign
    {u'\u03bc', "u"},   // Greek mu, the micro sign's decomposition
};

} // namespace

QString ascii_text(const QString& text)
{
    QString out;
    for (QChar c : text.normalized(QString::NormalizationForm_KD)) {
        if (c.unicode() == u'\t' || c.unicode() == u'\n' || c.unicode() == u'\r') {
            out += u' ';
        } else if (c.unicode() >= 0x20 && c.unicode() < 0x7f) {
            out += c;
        } else if (c.category() == QChar::Mark_NonSpacing || c.isLowSurrogate()) {
            continue; // an accent split off its letter, or the second half of a sign
        } else {
            const char* spelt = "?";
            for (const Spelling& s : spellings)
                if (c.unicode() == s.sign) spelt = s.ascii;
            out += QLatin1String(spelt);
        }
    }
    return out;
}

QString field_table(const DialogWindow& dialog)
{
    QString table;
    for (QWidget* w = dialog.nextInFocusChain(); w && w != &dialog; w = w->nextInFocusChain()) {
        auto* edit = qobject_cast<QLineEdit*>(w);
        if (!edit || !edit->isVisibleTo(&dialog) || !w->property("zarn_id").isValid()) continue;
        table += ascii_text(edit->accessibleName()) + u'\t' + ascii_text(edit->text()) + u'\n';
    }
    return table;
}

void copy_field_table(const DialogWindow& dialog)
{
    const QString table = field_table(dialog);
    if (!table.isEmpty()) QGuiApplication::clipboard()->setText(table);
}

void copy_field_value(const QString& text)
{
    QGuiApplication::clipboard()->setText(text);
}

} // namespace zarn
