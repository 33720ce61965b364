#include "dialogs.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QWindow>

#include <functional>

using Answer = TableView::Answer;
Q_DECLARE_METATYPE(Answer)

// The boxes are modal: each test answers from inside the box's own event loop.
class TestDialogs : public QObject
{
    Q_OBJECT

private:
    static void whenModal(std::function<void(QWidget *)> answer)
    {
        QTimer::singleShot(0, qApp, [answer] { answer(QApplication::activeModalWidget()); });
    }

    static QStringList buttonTexts(QWidget *box)
    {
        QStringList texts;
        for (const QPushButton *b : box->findChildren<QPushButton *>())
            if (b->isVisible())
                texts << b->text();
        texts.sort();
        return texts;
    }

private slots:
    void messageBox_data()
    {
        QTest::addColumn<bool>("yesNo");
        QTest::addColumn<QString>("press"); // a button's text, "Esc", or "close" (the close box)
        QTest::addColumn<QStringList>("buttons");
        QTest::addColumn<Answer>("answer");
        const QStringList ok{"OK"}, yesNo{"Ні", "Так"};
        QTest::newRow("OK") << false << "OK" << ok << Answer::Ok;
        QTest::newRow("OK box closed with Esc") << false << "Esc" << ok << Answer::Ok;
        QTest::newRow("OK box closed with its close box") << false << "close" << ok << Answer::Ok;
        QTest::newRow("Yes") << true << "Так" << yesNo << Answer::Yes;
        QTest::newRow("No") << true << "Ні" << yesNo << Answer::No;
        // A question takes Yes or No only: Esc and the close box leave it up.
        QTest::newRow("Esc, then Yes") << true << "Esc" << yesNo << Answer::Yes;
        QTest::newRow("close box, then Yes") << true << "close" << yesNo << Answer::Yes;
    }
    void messageBox()
    {
        QFETCH(bool, yesNo);
        QFETCH(QString, press);
        QFETCH(QStringList, buttons);
        QFETCH(Answer, answer);
        QStringList shown;
        QString title;
        bool iconless = false;
        whenModal([&](QWidget *w) {
            auto *box = qobject_cast<QMessageBox *>(w);
            if (!box) // the checks below then fail instead of hanging
                return;
            shown = buttonTexts(box);
            title = box->windowTitle();
            iconless = box->icon() == QMessageBox::NoIcon;
            if (press == QLatin1String("Esc") || press == QLatin1String("close")) {
                if (press == QLatin1String("Esc")) {
                    QTest::keyClick(box, Qt::Key_Escape);
                } else {
                    // As the window system delivers the close box.
                    box->windowHandle()->close();
                }
                // A box still up after that was not closed: answer it.
                if (box->isVisible()) {
                    for (QPushButton *b : box->findChildren<QPushButton *>())
                        if (b->text() == QStringLiteral("Так"))
                            b->click();
                }
                return;
            }
            for (QPushButton *b : box->findChildren<QPushButton *>())
                if (b->text() == press)
                    b->click();
        });
        const Answer got = dialogs::messageBox(nullptr, QStringLiteral("Текст"), QStringLiteral("Заголовок"), yesNo);
        QCOMPARE(got, answer);
        QCOMPARE(shown, buttons);
        QCOMPARE(title, QStringLiteral("Заголовок"));
        QVERIFY(iconless);
    }

    void inputBox_data()
    {
        QTest::addColumn<bool>("accept");
        QTest::addColumn<QString>("result");
        QTest::newRow("OK") << true << QStringLiteral("Оксана");
        QTest::newRow("Скасувати") << false << QString();
    }
    void inputBox()
    {
        QFETCH(bool, accept);
        QFETCH(QString, result);
        QStringList shown;
        whenModal([&](QWidget *w) {
            auto *dialog = qobject_cast<QInputDialog *>(w);
            if (!dialog || !dialog->textValue().isEmpty())
                return;
            shown = buttonTexts(dialog);
            dialog->findChild<QLineEdit *>()->setText(QStringLiteral("Оксана"));
            if (accept)
                dialog->accept();
            else
                dialog->reject();
        });
        QCOMPARE(dialogs::inputBox(nullptr, QStringLiteral("Рекорд"), QStringLiteral("Ім'я:")), result);
        QCOMPARE(shown, (QStringList{"OK", "Скасувати"}));
    }
};

QTEST_MAIN(TestDialogs)
#include "test_dialogs.moc"
