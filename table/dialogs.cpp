#include "dialogs.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QInputDialog>
#include <QKeyEvent>
#include <QMessageBox>
#include <QPushButton>

namespace {

// A Yes/No question with no way out but its two buttons. The program's own
// shutdown ends its event loop without closing it.
class Question final : public QMessageBox
{
public:
    using QMessageBox::QMessageBox;

protected:
    void keyPressEvent(QKeyEvent *event) override
    {
        if (event->key() == Qt::Key_Escape) {
            event->accept();
            return;
        }
        QMessageBox::keyPressEvent(event);
    }

    void closeEvent(QCloseEvent *event) override { event->ignore(); }
};

} // namespace

namespace dialogs {

TableView::Answer messageBox(QWidget *parent, const QString &text, const QString &title, bool question)
{
    if (!question) {
        QMessageBox box(QMessageBox::NoIcon, title, text, QMessageBox::NoButton, parent);
        QPushButton *ok = box.addButton(QCoreApplication::translate("Dialogs", "OK"), QMessageBox::AcceptRole);
        box.setDefaultButton(ok);
        box.setEscapeButton(ok);
        box.exec();
        return TableView::Answer::Ok;
    }
    Question box(QMessageBox::NoIcon, title, text, QMessageBox::NoButton, parent);
    // No close button on the frame where the window system honours it.
    box.setWindowFlag(Qt::WindowCloseButtonHint, false);
    QPushButton *yes = box.addButton(QCoreApplication::translate("Dialogs", "Так"), QMessageBox::YesRole);
    box.addButton(QCoreApplication::translate("Dialogs", "Ні"), QMessageBox::NoRole);
    box.setDefaultButton(yes);
    box.exec();
    return box.clickedButton() == yes ? TableView::Answer::Yes : TableView::Answer::No;
}

QString inputBox(QWidget *parent, const QString &title, const QString &prompt)
{
    QInputDialog dialog(parent);
    dialog.setWindowTitle(title);
    dialog.setLabelText(prompt);
    dialog.setInputMode(QInputDialog::TextInput);
    dialog.setOkButtonText(QCoreApplication::translate("Dialogs", "OK"));
    dialog.setCancelButtonText(QCoreApplication::translate("Dialogs", "Скасувати"));
    if (dialog.exec() != QDialog::Accepted)
        return {};
    return dialog.textValue();
}

} // namespace dialogs
