#include "cardnames.h"

#include "card.h"

#include <QCoreApplication>

namespace cardnames {

namespace {

// Rank and suit words are marked where they are listed.
QString translated(const char *text) { return QCoreApplication::translate("CardNames", text); }

struct Rank
{
    const char *word;
    bool masculine; // the suit agrees with it: "туз піковий", "дама пікова"
};

constexpr Rank Ranks[13] = {
    {QT_TRANSLATE_NOOP("CardNames", "туз"), true},       {QT_TRANSLATE_NOOP("CardNames", "двійка"), false},
    {QT_TRANSLATE_NOOP("CardNames", "трійка"), false},   {QT_TRANSLATE_NOOP("CardNames", "четвірка"), false},
    {QT_TRANSLATE_NOOP("CardNames", "п'ятірка"), false}, {QT_TRANSLATE_NOOP("CardNames", "шістка"), false},
    {QT_TRANSLATE_NOOP("CardNames", "сімка"), false},    {QT_TRANSLATE_NOOP("CardNames", "вісімка"), false},
    {QT_TRANSLATE_NOOP("CardNames", "дев'ятка"), false}, {QT_TRANSLATE_NOOP("CardNames", "десятка"), false},
    {QT_TRANSLATE_NOOP("CardNames", "валет"), true},     {QT_TRANSLATE_NOOP("CardNames", "дама"), false},
    {QT_TRANSLATE_NOOP("CardNames", "король"), true},
};

struct Suit
{
    const char *masculine;
    const char *feminine;
};

// In the order of the suit digit: diamonds, hearts, clubs, spades.
constexpr Suit Suits[4] = {
    {QT_TRANSLATE_NOOP("CardNames", "бубновий"), QT_TRANSLATE_NOOP("CardNames", "бубнова")},
    {QT_TRANSLATE_NOOP("CardNames", "червовий"), QT_TRANSLATE_NOOP("CardNames", "червова")},
    {QT_TRANSLATE_NOOP("CardNames", "трефовий"), QT_TRANSLATE_NOOP("CardNames", "трефова")},
    {QT_TRANSLATE_NOOP("CardNames", "піковий"), QT_TRANSLATE_NOOP("CardNames", "пікова")},
};

QString slotOwner(TableView::Side side, int slot)
{
    const int number = slot + 1;
    return side == TableView::Side::Player
        ? QCoreApplication::translate("CardNames", "Ваша карта %1").arg(number)
        : QCoreApplication::translate("CardNames", "Карта Банківника %1").arg(number);
}

} // namespace

QString card(int code)
{
    if (!::card::isValid(code))
        return {};
    const Rank &rank = Ranks[::card::rank(code) - 1];
    const Suit &suit = Suits[::card::suit(code) - 1];
    //: A card's name from its rank (%1) and suit (%2): "сімка червова"
    return QCoreApplication::translate("CardNames", "%1 %2")
        .arg(translated(rank.word), translated(rank.masculine ? suit.masculine : suit.feminine));
}

QString points(int code)
{
    if (!::card::isValid(code))
        return {};
    if (::card::isAce(code))
        return QCoreApplication::translate("CardNames", "11 або 1 очко");
    const int value = ::card::lowValue(code);
    // 2, 3 and 4 take "очки"; 5 to 10 take "очок".
    return (value <= 4 ? QCoreApplication::translate("CardNames", "%1 очки") : QCoreApplication::translate("CardNames", "%1 очок")).arg(value);
}

QString slotName(TableView::Side side, int slot, Slot shows, int code)
{
    QString what;
    switch (shows) {
    case Slot::FaceDown: what = QCoreApplication::translate("CardNames", "лежить сорочкою догори"); break;
    case Slot::FaceUp: what = card(code); break;
    case Slot::Empty: break;
    }
    if (what.isEmpty())
        what = QCoreApplication::translate("CardNames", "немає");
    return slotOwner(side, slot) + QStringLiteral(": ") + what;
}

QString slotDescription(Slot shows, int code)
{
    switch (shows) {
    case Slot::FaceDown: return QCoreApplication::translate("CardNames", "Карту ще не відкрито");
    case Slot::FaceUp: return points(code);
    case Slot::Empty: break;
    }
    return {};
}

QString figureName(TableView::Label label, const QString &shown)
{
    QString caption;
    switch (label) {
    case TableView::Label::Stake: caption = QCoreApplication::translate("CardNames", "Ставка"); break;
    case TableView::Label::Pot: caption = QCoreApplication::translate("CardNames", "На кону"); break;
    case TableView::Label::PlayerMoney: caption = QCoreApplication::translate("CardNames", "Гроші Гравця"); break;
    case TableView::Label::BankerMoney: caption = QCoreApplication::translate("CardNames", "Гроші Банківника"); break;
    }
    const QString value = shown.trimmed();
    return caption + QStringLiteral(": ") + (value.isEmpty() ? QCoreApplication::translate("CardNames", "немає") : value);
}

QString buttonName(TableView::Button button)
{
    switch (button) {
    case TableView::Button::Stavka: return QCoreApplication::translate("CardNames", "Зробити ставку");
    case TableView::Button::Draw: return QCoreApplication::translate("CardNames", "Тягнути");
    case TableView::Button::Stop: return QCoreApplication::translate("CardNames", "Досить");
    case TableView::Button::Next: break;
    }
    return QCoreApplication::translate("CardNames", "Далі");
}

QString buttonDescription(TableView::Button button)
{
    switch (button) {
    case TableView::Button::Draw: return QCoreApplication::translate("CardNames", "Клавіша D");
    case TableView::Button::Stop: return QCoreApplication::translate("CardNames", "Клавіша S або Enter");
    case TableView::Button::Stavka:
    case TableView::Button::Next: break;
    }
    return QCoreApplication::translate("CardNames", "Клавіша Enter");
}

QString stakeSpinnerName() { return QCoreApplication::translate("CardNames", "Ставка"); }

QString stakeSpinnerDescription() { return QCoreApplication::translate("CardNames", "Клавіші ↑ і ↓ або + і −"); }

} // namespace cardnames
