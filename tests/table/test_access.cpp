#include "card.h"
#include "cardnames.h"

#include <QSet>
#include <QTest>

using Side = TableView::Side;
using Slot = cardnames::Slot;
using Button = TableView::Button;
using Label = TableView::Label;

Q_DECLARE_METATYPE(Side)
Q_DECLARE_METATYPE(Slot)
Q_DECLARE_METATYPE(Button)
Q_DECLARE_METATYPE(Label)

class TestAccess : public QObject
{
    Q_OBJECT

private slots:
    // Every rank once, every suit in both genders.
    void cardNames_data()
    {
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("points");
        QTest::newRow("ace of spades") << 401 << "туз піковий" << "11 або 1 очко";
        QTest::newRow("two of diamonds") << 102 << "двійка бубнова" << "2 очки";
        QTest::newRow("three of hearts") << 203 << "трійка червова" << "3 очки";
        QTest::newRow("four of clubs") << 304 << "четвірка трефова" << "4 очки";
        QTest::newRow("five of spades") << 405 << "п'ятірка пікова" << "5 очок";
        QTest::newRow("six of diamonds") << 106 << "шістка бубнова" << "6 очок";
        QTest::newRow("seven of hearts") << 207 << "сімка червова" << "7 очок";
        QTest::newRow("eight of clubs") << 308 << "вісімка трефова" << "8 очок";
        QTest::newRow("nine of spades") << 409 << "дев'ятка пікова" << "9 очок";
        QTest::newRow("ten of diamonds") << 110 << "десятка бубнова" << "10 очок";
        QTest::newRow("jack of hearts") << 211 << "валет червовий" << "10 очок";
        QTest::newRow("queen of diamonds") << 112 << "дама бубнова" << "10 очок";
        QTest::newRow("king of clubs") << 313 << "король трефовий" << "10 очок";
        QTest::newRow("ace of diamonds") << 101 << "туз бубновий" << "11 або 1 очко";
        QTest::newRow("king of spades") << 413 << "король піковий" << "10 очок";
        QTest::newRow("empty slot") << 0 << "" << "";
        QTest::newRow("rank 0") << 100 << "" << "";
        QTest::newRow("rank 14") << 114 << "" << "";
        QTest::newRow("suit 5") << 501 << "" << "";
        QTest::newRow("negative") << -101 << "" << "";
    }
    void cardNames()
    {
        QFETCH(int, code);
        QFETCH(QString, name);
        QFETCH(QString, points);
        QCOMPARE(cardnames::card(code), name);
        QCOMPARE(cardnames::points(code), points);
    }

    // A slip in the tables would give two cards one name.
    void everyCardHasItsOwnName()
    {
        QSet<QString> names;
        for (int suit = 1; suit <= 4; ++suit) {
            for (int rank = 1; rank <= 13; ++rank)
                names.insert(cardnames::card(card::code(suit, rank)));
        }
        names.remove(QString());
        QCOMPARE(names.size(), 52);
    }

    void cardSlots_data()
    {
        QTest::addColumn<Side>("side");
        QTest::addColumn<int>("slot");
        QTest::addColumn<Slot>("shows");
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("description");
        QTest::newRow("player face up") << Side::Player << 2 << Slot::FaceUp << 207
                                        << "Ваша карта 3: сімка червова" << "7 очок";
        QTest::newRow("banker face up") << Side::Banker << 1 << Slot::FaceUp << 112
                                        << "Карта Банківника 2: дама бубнова" << "10 очок";
        QTest::newRow("banker hole card") << Side::Banker << 0 << Slot::FaceDown << 401
                                          << "Карта Банківника 1: лежить сорочкою догори"
                                          << "Карту ще не відкрито";
        QTest::newRow("back while dealing") << Side::Player << 0 << Slot::FaceDown << 0
                                            << "Ваша карта 1: лежить сорочкою догори"
                                            << "Карту ще не відкрито";
        QTest::newRow("player empty") << Side::Player << 3 << Slot::Empty << 0 << "Ваша карта 4: немає" << "";
        QTest::newRow("banker fifth empty") << Side::Banker << 4 << Slot::Empty << 0
                                            << "Карта Банківника 5: немає" << "";
        // A damaged saved game may bring a code that is no card: the slot stays empty.
        QTest::newRow("face up, no card") << Side::Player << 1 << Slot::FaceUp << 999 << "Ваша карта 2: немає" << "";
    }
    void cardSlots()
    {
        QFETCH(Side, side);
        QFETCH(int, slot);
        QFETCH(Slot, shows);
        QFETCH(int, code);
        QFETCH(QString, name);
        QFETCH(QString, description);
        QCOMPARE(cardnames::slotName(side, slot, shows, code), name);
        QCOMPARE(cardnames::slotDescription(shows, code), description);
    }

    void figures_data()
    {
        QTest::addColumn<Label>("label");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QString>("name");
        QTest::newRow("player money") << Label::PlayerMoney << "95" << "Гроші Гравця: 95";
        QTest::newRow("banker money") << Label::BankerMoney << "100" << "Гроші Банківника: 100";
        QTest::newRow("pot") << Label::Pot << "10" << "На кону: 10";
        QTest::newRow("pot before the first bet") << Label::Pot << "" << "На кону: немає";
        QTest::newRow("stake") << Label::Stake << "5" << "Ставка: 5";
        QTest::newRow("negative money") << Label::PlayerMoney << "-3" << "Гроші Гравця: -3";
    }
    void figures()
    {
        QFETCH(Label, label);
        QFETCH(QString, shown);
        QFETCH(QString, name);
        QCOMPARE(cardnames::figureName(label, shown), name);
    }

    void buttons_data()
    {
        QTest::addColumn<Button>("button");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("description");
        QTest::newRow("bet") << Button::Stavka << "Зробити ставку" << "Клавіша Enter";
        QTest::newRow("draw") << Button::Draw << "Тягнути" << "Клавіша D";
        QTest::newRow("stand") << Button::Stop << "Досить" << "Клавіша S або Enter";
        QTest::newRow("next") << Button::Next << "Далі" << "Клавіша Enter";
    }
    void buttons()
    {
        QFETCH(Button, button);
        QFETCH(QString, name);
        QFETCH(QString, description);
        QCOMPARE(cardnames::buttonName(button), name);
        QCOMPARE(cardnames::buttonDescription(button), description);
    }

    void stakeSpinner()
    {
        QCOMPARE(cardnames::stakeSpinnerName(), QStringLiteral("Ставка"));
        QCOMPARE(cardnames::stakeSpinnerDescription(), QStringLiteral("Клавіші ↑ і ↓ або + і −"));
    }
};

QTEST_GUILESS_MAIN(TestAccess)
#include "test_access.moc"
