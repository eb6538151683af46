// What a dialog shows, as text a spreadsheet takes: one "label<TAB>value" line per edit
// field of the dialog (of the showing sheet, in a tabbed dialog), in the order Tab visits
// them. The labels are the fields' names as screen readers say them; the values are the
// fields' texts as shown, which the program writes with a decimal point and no grouping
// whatever the locale. Everything is plain ASCII.
#pragma once

#include <QString>

namespace zarn {

class DialogWindow;

// Text in plain ASCII: letters and signs with an ASCII form take it ("kg/cm²" -> "kg/cm2",
// "é" -> "e", "°" -> "deg", "µ" -> "u"); tabs and line breaks become blanks, so that a
// table keeps its shape; anything else becomes "?".
QString ascii_text(const QString& text);

QString field_table(const DialogWindow& dialog);

// The clipboard takes the table of the dialog (when it has fields to show), or the text of
// one field as it stands.
void copy_field_table(const DialogWindow& dialog);
void copy_field_value(const QString& text);

} // namespace zarn
