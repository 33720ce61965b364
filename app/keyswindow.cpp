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
        {tr("↑ / ↓ або + / −"), tr("змінити ставку")},
        {QStringLiteral("Enter"), tr("зробити ставку, досить або далі —\nте, що зараз доступне")},
        {QStringLiteral("D"), tr("тягнути карту")},
        {QStringLiteral("S"), tr("досить")},
        {QStringLiteral("Tab"), tr("перейти до наступної кнопки")},
        {tr("Пробіл"), tr("натиснути кнопку з фокусом")},
        {QStringLiteral("Esc"), tr("повернутися з вікна до столу")},
    };
}

QList<KeysWindow::Key> KeysWindow::menuKeys()
{
    return {
        {keyText(Qt::Key_F1), tr("правила")},
        {keyText(Qt::Key_F2), tr("нова гра")},
        {keyText(Qt::Key_F3), tr("завантажити гру")},
        {keyText(Qt::Key_F4), tr("зберегти гру")},
        {keyText(Qt::Key_F5), tr("рекорди")},
        {keyText(Qt::Key_F6), tr("пауза")},
        {keyText(Qt::Key_F7), tr("статистика")},
        {keyText(Qt::Key_F8), tr("підказки")},
        {keyText(Qt::Key_F9), tr("висока контрастність")},
        {keyText(Qt::Key_F11), tr("на весь екран")},
        {keyText(Qt::Key_F12), tr("вихід")},
        {keyText(Qt::CTRL | Qt::Key_M), tr("музика")},
        {keyText(Qt::CTRL | Qt::Key_S), tr("звуки")},
        {keyText(Qt::CTRL | Qt::Key_A), tr("анімація")},
        {keyText(Qt::CTRL | Qt::Key_I), tr("розробники")},
        {keyText(Qt::CTRL | Qt::Key_Equal), tr("збільшити стіл")},
        {keyText(Qt::CTRL | Qt::Key_Minus), tr("зменшити стіл")},
        {keyText(Qt::CTRL | Qt::Key_0), tr("звичайний розмір столу")},
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
    columns->addLayout(column(QStringLiteral("table"), QString(), tableKeys()));
    columns->addLayout(column(QStringLiteral("menu"), QString(), menuKeys()));
    retranslate();

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

void KeysWindow::retranslate()
{
    setWindowTitle(tr("Клавіші"));
    const std::pair<QString, QList<Key>> columns[] = {
        {QStringLiteral("table"), tableKeys()},
        {QStringLiteral("menu"), menuKeys()},
    };
    findChild<QLabel *>(QStringLiteral("tableHeading"))->setText(tr("За столом:"));
    findChild<QLabel *>(QStringLiteral("menuHeading"))->setText(tr("Меню:"));
    for (const auto &[name, keys] : columns) {
        for (int i = 0; i < keys.size(); ++i) {
            findChild<QLabel *>(QStringLiteral("%1Key_%2").arg(name).arg(i))->setText(keys[i].keys);
            findChild<QLabel *>(QStringLiteral("%1Action_%2").arg(name).arg(i))->setText(keys[i].action);
        }
    }
}
