#include "dialogs.h"

#include <QInputDialog>
#include <QMessageBox>
#include <QPushButton>

namespace dialogs {

int messageBox(QWidget *parent, const QString &text, const QString &title, TableView::Buttons buttons)
{
    QMessageBox box(QMessageBox::NoIcon, title, text, QMessageBox::NoButton, parent);
    if (buttons == TableView::Buttons::Ok) {
        QPushButton *ok = box.addButton(QStringLiteral("OK"), QMessageBox::AcceptRole);
        box.setDefaultButton(ok);
        box.setEscapeButton(ok);
        box.exec();
        return TableView::AnswerOk;
    }
    QPushButton *yes = box.addButton(QStringLiteral("Так"), QMessageBox::YesRole);
    QPushButton *no = box.addButton(QStringLiteral("Ні"), QMessageBox::NoRole);
    box.setDefaultButton(yes);
    box.setEscapeButton(no);
    box.exec();
    return box.clickedButton() == yes ? TableView::AnswerYes : TableView::AnswerNo;
}

QString inputBox(QWidget *parent, const QString &title, const QString &prompt)
{
    QInputDialog dialog(parent);
    dialog.setWindowTitle(title);
    dialog.setLabelText(prompt);
    dialog.setInputMode(QInputDialog::TextInput);
    dialog.setOkButtonText(QStringLiteral("OK"));
    dialog.setCancelButtonText(QStringLiteral("Скасувати"));
    if (dialog.exec() != QDialog::Accepted)
        return {};
    return dialog.textValue();
}

} // namespace dialogs
