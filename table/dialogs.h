#pragma once

#include "tableview.h"

#include <QString>

class QWidget;

// The table's modal boxes, in Ukrainian and without icons.
namespace dialogs {

// Returns TableView::AnswerOk, AnswerYes or AnswerNo. Closing a Yes/No box
// without choosing answers No.
int messageBox(QWidget *parent, const QString &text, const QString &title, TableView::Buttons buttons);

// Returns the text typed, or an empty string on cancel.
QString inputBox(QWidget *parent, const QString &title, const QString &prompt);

} // namespace dialogs
