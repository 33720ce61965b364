#include "cardnames.h"

#include "card.h"

namespace cardnames {

namespace {

struct Rank
{
    const char16_t *word;
    bool masculine; // the suit agrees with it: "туз піковий", "дама пікова"
};

constexpr Rank Ranks[13] = {
    {u"туз", true},      {u"двійка", false},  {u"трійка", false},  {u"четвірка", false},
    {u"п'ятірка", false}, {u"шістка", false},  {u"сімка", false},    {u"вісімка", false},
    {u"дев'ятка", false}, {u"десятка", false}, {u"валет", true},     {u"дама", false},
    {u"король", true},
};

struct Suit
{
    const char16_t *masculine;
    const char16_t *feminine;
};

// In the order of the suit digit: diamonds, hearts, clubs, spades.
constexpr Suit Suits[4] = {
    {u"бубновий", u"бубнова"},
    {u"червовий", u"червова"},
    {u"трефовий", u"трефова"},
    {u"піковий", u"пікова"},
};

QString slotOwner(TableView::Side side, int slot)
{
    const int number = slot + 1;
    return side == TableView::Side::Player ? QStringLiteral("Ваша карта %1").arg(number)
                                           : QStringLiteral("Карта Банківника %1").arg(number);
}

} // namespace

QString card(int code)
{
    if (!::card::isValid(code))
        return {};
    const Rank &rank = Ranks[::card::rank(code) - 1];
    const Suit &suit = Suits[::card::suit(code) - 1];
    return QString::fromUtf16(rank.word) + QLatin1Char(' ')
           + QString::fromUtf16(rank.masculine ? suit.masculine : suit.feminine);
}

QString points(int code)
{
    if (!::card::isValid(code))
        return {};
    if (::card::isAce(code))
        return QStringLiteral("11 або 1 очко");
    const int value = ::card::lowValue(code);
    // 2, 3 and 4 take "очки"; 5 to 10 take "очок".
    return QString::number(value) + (value <= 4 ? QStringLiteral(" очки") : QStringLiteral(" очок"));
}

QString slotName(TableView::Side side, int slot, Slot shows, int code)
{
    QString what;
    switch (shows) {
    case Slot::FaceDown: what = QStringLiteral("лежить сорочкою догори"); break;
    case Slot::FaceUp: what = card(code); break;
    case Slot::Empty: break;
    }
    if (what.isEmpty())
        what = QStringLiteral("немає");
    return slotOwner(side, slot) + QStringLiteral(": ") + what;
}

QString slotDescription(Slot shows, int code)
{
    switch (shows) {
    case Slot::FaceDown: return QStringLiteral("Карту ще не відкрито");
    case Slot::FaceUp: return points(code);
    case Slot::Empty: break;
    }
    return {};
}

QString figureName(TableView::Label label, const QString &shown)
{
    QString caption;
    switch (label) {
    case TableView::Label::Stake: caption = QStringLiteral("Ставка"); break;
    case TableView::Label::Pot: caption = QStringLiteral("На кону"); break;
    case TableView::Label::PlayerMoney: caption = QStringLiteral("Гроші Гравця"); break;
    case TableView::Label::BankerMoney: caption = QStringLiteral("Гроші Банківника"); break;
    }
    const QString value = shown.trimmed();
    return caption + QStringLiteral(": ") + (value.isEmpty() ? QStringLiteral("немає") : value);
}

QString buttonName(TableView::Button button)
{
    switch (button) {
    case TableView::Button::Stavka: return QStringLiteral("Зробити ставку");
    case TableView::Button::Draw: return QStringLiteral("Тягнути");
    case TableView::Button::Stop: return QStringLiteral("Досить");
    case TableView::Button::Next: break;
    }
    return QStringLiteral("Далі");
}

QString buttonDescription(TableView::Button button)
{
    switch (button) {
    case TableView::Button::Draw: return QStringLiteral("Клавіша D");
    case TableView::Button::Stop: return QStringLiteral("Клавіша S або Enter");
    case TableView::Button::Stavka:
    case TableView::Button::Next: break;
    }
    return QStringLiteral("Клавіша Enter");
}

QString stakeSpinnerName() { return QStringLiteral("Ставка"); }

QString stakeSpinnerDescription() { return QStringLiteral("Клавіші ↑ і ↓ або + і −"); }

} // namespace cardnames
