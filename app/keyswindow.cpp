#include "keyswindow.h"

#include "backbutton.h"

#include <QGridLayout>
#include <QKeySequence>
#include <QLabel>

namespace {

const QColor Cyan(0, 255, 255);
const QColor Yellow(255, 255, 0);
const QColor White(255, 255, 255);

// As the menus write it.
QString keyText(const QKeySequence &keys) { return keys.toString(QKeySequence::NativeText); }

} // namespace

QList<KeysWindow::Key> KeysWindow::tableKeys()
{
    return {
        {QStringLiteral("↑ / ↓ або + / −"), QStringLiteral("змінити ставку")},
        {QStringLiteral("Enter"), QStringLiteral("зробити ставку, досить або далі —\nте, що зараз доступне")},
        {QStringLiteral("D"), QStringLiteral("тягнути карту")},
        {QStringLiteral("S"), QStringLiteral("досить")},
        {QStringLiteral("Tab"), QStringLiteral("перейти до наступної кнопки")},
        {QStringLiteral("Пробіл"), QStringLiteral("натиснути кнопку з фокусом")},
        {QStringLiteral("Esc"), QStringLiteral("повернутися з вікна до столу")},
    };
}

QList<KeysWindow::Key> KeysWindow::menuKeys()
{
    return {
        {keyText(Qt::Key_F1), QStringLiteral("правила")},
        {keyText(Qt::Key_F2), QStringLiteral("нова гра")},
        {keyText(Qt::Key_F3), QStringLiteral("завантажити гру")},
        {keyText(Qt::Key_F4), QStringLiteral("зберегти гру")},
        {keyText(Qt::Key_F5), QStringLiteral("рекорди")},
        {keyText(Qt::Key_F6), QStringLiteral("пауза")},
        {keyText(Qt::Key_F8), QStringLiteral("підказки")},
        {keyText(Qt::Key_F9), QStringLiteral("висока контрастність")},
        {keyText(Qt::Key_F12), QStringLiteral("вихід")},
        {keyText(Qt::CTRL | Qt::Key_M), QStringLiteral("музика")},
        {keyText(Qt::CTRL | Qt::Key_S), QStringLiteral("звуки")},
        {keyText(Qt::CTRL | Qt::Key_A), QStringLiteral("анімація")},
        {keyText(Qt::CTRL | Qt::Key_I), QStringLiteral("розробники")},
    };
}

KeysWindow::KeysWindow(SoundSystem &sounds, QWidget *parent)
    : BackWindow(QStringLiteral("keysWindow"), QStringLiteral("Клавіші"), {10980, 5460},
                 CloseSound::None, sounds, parent, Qt::Dialog)
{
    setWindowModality(Qt::ApplicationModal);

    const QFont headingFont = windowFont(QStringLiteral("Arial"), 14.25, true, true);
    const QFont keyFont = windowFont(QStringLiteral("Arial"), 12, true, false);
    const QFont actionFont = windowFont(QStringLiteral("Arial"), 12, false, true);

    // Laid out rather than placed: the lines keep their whole width whatever
    // font stands in for Arial.
    auto column = [&](const QString &name, const QString &heading, const QList<Key> &keys) {
        auto *grid = new QGridLayout;
        grid->setHorizontalSpacing(12);
        grid->setVerticalSpacing(4);
        QLabel *title = addLabel(name + QStringLiteral("Heading"), heading, {}, headingFont, Cyan);
        title->setWordWrap(false);
        grid->addWidget(title, 0, 0, 1, 2);
        for (int i = 0; i < keys.size(); ++i) {
            QLabel *key = addLabel(QStringLiteral("%1Key_%2").arg(name).arg(i), keys[i].keys, {}, keyFont, Yellow);
            QLabel *action = addLabel(QStringLiteral("%1Action_%2").arg(name).arg(i), keys[i].action, {},
                                      actionFont, White);
            key->setWordWrap(false);
            action->setWordWrap(false);
            grid->addWidget(key, i + 1, 0);
            grid->addWidget(action, i + 1, 1);
        }
        grid->setRowStretch(int(keys.size()) + 1, 1);
        return grid;
    };

    auto *columns = new QHBoxLayout;
    columns->setSpacing(32);
    columns->addLayout(column(QStringLiteral("table"), QStringLiteral("За столом:"), tableKeys()));
    columns->addLayout(column(QStringLiteral("menu"), QStringLiteral("Меню:"), menuKeys()));

    BackButton *back = backButton();
    back->setFixedSize(back->sizeHint());

    auto *page = new QVBoxLayout(this);
    page->setContentsMargins(16, 12, 16, 12);
    page->setSpacing(12);
    page->addLayout(columns);
    page->addWidget(back, 0, Qt::AlignHCenter);
    // The window takes the size its lines need, known before it is first
    // shown so that it can be centred over the table.
    page->setSizeConstraint(QLayout::SetFixedSize);
    page->activate();
}
