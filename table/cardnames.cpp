#include "cardnames.h"

#include "card.h"

#include <QCoreApplication>

namespace cardnames {

namespace {

// The context the translations of these words are kept under.
class Words
{
    Q_DECLARE_TR_FUNCTIONS(CardNames)
};

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
        ? Words::tr("Ваша карта %1").arg(number)
        : Words::tr("Карта Банківника %1").arg(number);
}

} // namespace

QString card(int code)
{
    if (!::card::isValid(code))
        return {};
    const Rank &rank = Ranks[::card::rank(code) - 1];
    const Suit &suit = Suits[::card::suit(code) - 1];
    //: A card's name from its rank (%1) and suit (%2): "сімка червова"
    return Words::tr("%1 %2")
        .arg(Words::tr(rank.word), Words::tr(rank.masculine ? suit.masculine : suit.feminine));
}

QString points(int code)
{
    if (!::card::isValid(code))
        return {};
    if (::card::isAce(code))
        return Words::tr("11 або 1 очко");
    const int value = ::card::lowValue(code);
    // 2, 3 and 4 take "очки"; 5 to 10 take "очок".
    return (value <= 4 ? Words::tr("%1 очки") : Words::tr("%1 очок")).arg(value);
}

QString slotName(TableView::Side side, int slot, Slot shows, int code)
{
    QString what;
    switch (shows) {
    case Slot::FaceDown: what = Words::tr("лежить сорочкою догори"); break;
    case Slot::FaceUp: what = card(code); break;
    case Slot::Empty: break;
    }
    if (what.isEmpty())
        what = Words::tr("немає");
    return slotOwner(side, slot) + QStringLiteral(": ") + what;
}

QString slotDescription(Slot shows, int code)
{
    switch (shows) {
    case Slot::FaceDown: return Words::tr("Карту ще не відкрито");
    case Slot::FaceUp: return points(code);
    case Slot::Empty: break;
    }
    return {};
}

QString figureName(TableView::Label label, const QString &shown)
{
    QString caption;
    switch (label) {
    case TableView::Label::Stake: caption = Words::tr("Ставка"); break;
    case TableView::Label::Pot: caption = Words::tr("На кону"); break;
    case TableView::Label::PlayerMoney: caption = Words::tr("Гроші Гравця"); break;
    case TableView::Label::BankerMoney: caption = Words::tr("Гроші Банківника"); break;
    }
    const QString value = shown.trimmed();
    return caption + QStringLiteral(": ") + (value.isEmpty() ? Words::tr("немає") : value);
}

QString buttonName(TableView::Button button)
{
    switch (button) {
    case TableView::Button::Stavka: return Words::tr("Зробити ставку");
    case TableView::Button::Draw: return Words::tr("Тягнути");
    case TableView::Button::Stop: return Words::tr("Досить");
    case TableView::Button::Next: break;
    }
    return Words::tr("Далі");
}

QString buttonDescription(TableView::Button button)
{
    switch (button) {
    case TableView::Button::Draw: return Words::tr("Клавіша D");
    case TableView::Button::Stop: return Words::tr("Клавіша S або Enter");
    case TableView::Button::Stavka:
    case TableView::Button::Next: break;
    }
    return Words::tr("Клавіша Enter");
}

QString stakeSpinnerName() { return Words::tr("Ставка"); }

QString stakeSpinnerDescription() { return Words::tr("Клавіші ↑ і ↓ або + і −"); }

} // namespace cardnames
