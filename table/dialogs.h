#pragma once

#include "tableview.h"

#include <QString>

class QWidget;

// The table's modal boxes, in the program's language and without icons.
namespace dialogs {

// An OK box answers Ok however it is closed. A question takes Yes or No
// only: Esc and the close box do nothing there.
TableView::Answer messageBox(QWidget *parent, const QString &text, const QString &title, bool question);

// Returns the text typed, or an empty string on cancel.
QString inputBox(QWidget *parent, const QString &title, const QString &prompt);

} // namespace dialogs
