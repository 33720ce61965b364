#include "odds.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTest>

#include <algorithm>
#include <cmath>

namespace {

struct Run
{
    int status = -1;
    QByteArray out;
    QByteArray err;
};

Run run(const QStringList &arguments)
{
    QProcess process;
    process.start(QStringLiteral(TWENTYONE_SIM), arguments);
    Run r;
    if (!process.waitForFinished(60000) || process.exitStatus() != QProcess::NormalExit)
        return r;
    r.status = process.exitCode();
    r.out = process.readAllStandardOutput();
    r.err = process.readAllStandardError();
    return r;
}

QJsonObject json(const Run &r)
{
    QJsonParseError error;
    const QJsonDocument doc = QJsonDocument::fromJson(r.out, &error);
    return error.error == QJsonParseError::NoError ? doc.object() : QJsonObject();
}

QStringList sortedKeys(const QJsonObject &o)
{
    QStringList keys = o.keys();
    keys.sort();
    return keys;
}

bool close(double a, double b) { return std::abs(a - b) < 1e-12; }

} // namespace

class TestSimCli : public QObject
{
    Q_OBJECT

private slots:
    void refusesBadInput_data()
    {
        QTest::addColumn<QStringList>("arguments");
        const QStringList simulate{"simulate", "--strategy", "stand:17", "--rounds", "10"};
        const QStringList odds{"odds", "--player", "110,206", "--banker-up", "310"};
        QTest::newRow("no command") << QStringList{};
        QTest::newRow("unknown command") << QStringList{"play"};
        QTest::newRow("unknown option") << simulate + QStringList{"--fast"};
        QTest::newRow("stray argument") << simulate + QStringList{"extra"};
        QTest::newRow("unknown strategy") << QStringList{"simulate", "--strategy", "stand:x", "--rounds", "10"};
        QTest::newRow("no strategy") << QStringList{"simulate", "--rounds", "10"};
        QTest::newRow("no rounds") << QStringList{"simulate", "--strategy", "hint"};
        QTest::newRow("rounds not a number") << QStringList{"simulate", "--strategy", "hint", "--rounds", "ten"};
        QTest::newRow("zero rounds") << QStringList{"simulate", "--strategy", "hint", "--rounds", "0"};
        QTest::newRow("option without its value") << QStringList{"simulate", "--strategy", "hint", "--rounds"};
        QTest::newRow("stake above 10") << simulate + QStringList{"--stake", "11"};
        QTest::newRow("seed not a number") << simulate + QStringList{"--seed", "-3"};
        QTest::newRow("no threads") << simulate + QStringList{"--threads", "0"};
        QTest::newRow("game 0") << simulate + QStringList{"--game", "0"};
        QTest::newRow("game past the last") << simulate + QStringList{"--game", "2000000001"};
        QTest::newRow("game and seed") << simulate + QStringList{"--game", "5", "--seed", "5"};
        QTest::newRow("an option of the other command") << odds + QStringList{"--rounds", "10"};
        QTest::newRow("a code that is no card") << QStringList{"odds", "--player", "110,114", "--banker-up", "310"};
        QTest::newRow("a code that is no number") << QStringList{"odds", "--player", "110,ace", "--banker-up", "310"};
        QTest::newRow("a card given twice") << odds + QStringList{"--seen", "101,206"};
        QTest::newRow("one player card") << QStringList{"odds", "--player", "110", "--banker-up", "310"};
        QTest::newRow("six player cards") << QStringList{"odds", "--player", "101,102,103,104,105,106", "--banker-up", "310"};
        QTest::newRow("two banker cards") << QStringList{"odds", "--player", "110,206", "--banker-up", "310,311"};
        QTest::newRow("no banker card") << QStringList{"odds", "--player", "110,206"};
    }
    void refusesBadInput()
    {
        QFETCH(QStringList, arguments);
        const Run r = run(arguments);
        QCOMPARE(r.status, 2);
        QVERIFY(r.out.isEmpty());
        QVERIFY2(r.err.startsWith("twentyone-sim: ") && r.err.endsWith('\n') && r.err.count('\n') == 1, r.err.constData());
    }

    void printsHelp_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::newRow("--help") << QStringList{"--help"};
        QTest::newRow("simulate --help") << QStringList{"simulate", "--help"};
        QTest::newRow("odds -h") << QStringList{"odds", "-h"};
    }
    void printsHelp()
    {
        QFETCH(QStringList, arguments);
        const Run r = run(arguments);
        QCOMPARE(r.status, 0);
        QVERIFY(r.out.contains("twentyone-sim simulate --strategy S --rounds N"));
        QVERIFY(r.err.isEmpty());
    }

    void printsVersion_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::newRow("--version") << QStringList{"--version"};
        QTest::newRow("-v") << QStringList{"-v"};
    }
    void printsVersion()
    {
        QFETCH(QStringList, arguments);
        const Run r = run(arguments);
        QCOMPARE(r.status, 0);
        QCOMPARE(r.out, QByteArray("twentyone-sim " TWENTYONE_VERSION "\n"));
        QVERIFY(r.err.isEmpty());
    }

    void simulateJson()
    {
        const QStringList arguments{"simulate", "--strategy", "banker", "--rounds", "3000", "--threads", "2", "--seed", "9", "--json"};
        QJsonObject o = json(run(arguments));
        QCOMPARE(sortedKeys(o), QStringList({"banker_rounds", "draw_rounds", "ev", "ev_ci95", "games", "games_won",
                                             "mean_record_score", "player_rounds", "rounds", "rounds_per_second"}));
        QCOMPARE(o["rounds"].toInteger(), 3000);
        QCOMPARE(o["player_rounds"].toInteger() + o["draw_rounds"].toInteger() + o["banker_rounds"].toInteger(), 3000);
        QVERIFY(close(o["ev"].toDouble(), (o["player_rounds"].toDouble() - o["banker_rounds"].toDouble()) / 3000));
        const QJsonArray ci = o["ev_ci95"].toArray();
        QCOMPARE(ci.size(), 2);
        QVERIFY(ci[0].toDouble() < o["ev"].toDouble() && o["ev"].toDouble() < ci[1].toDouble());
        QVERIFY(o["rounds_per_second"].toDouble() > 0);

        QJsonObject again = json(run(arguments));
        o.remove("rounds_per_second");
        again.remove("rounds_per_second");
        QCOMPARE(again, o);
    }

    // The figures are the calculator's for the position the codes name.
    void oddsJson_data()
    {
        QTest::addColumn<QList<int>>("player");
        QTest::addColumn<int>("up");
        QTest::addColumn<QList<int>>("seen");
        QTest::newRow("16 against a ten") << QList<int>{110, 206} << 310 << QList<int>{};
        QTest::newRow("soft hand, cards seen") << QList<int>{101, 203} << 409 << QList<int>{105, 212, 313, 402, 107};
        QTest::newRow("five cards: no draw") << QList<int>{101, 202, 303, 204, 105} << 110 << QList<int>{};
    }
    void oddsJson()
    {
        QFETCH(QList<int>, player);
        QFETCH(int, up);
        QFETCH(QList<int>, seen);
        auto codes = [](const QList<int> &cards) {
            QStringList list;
            for (int c : cards)
                list << QString::number(c);
            return list.join(QLatin1Char(','));
        };
        QStringList arguments{"odds", "--player", codes(player), "--banker-up", QString::number(up), "--json"};
        if (!seen.isEmpty())
            arguments << "--seen" << codes(seen);
        const Run r = run(arguments);
        QCOMPARE(r.status, 0);
        const QJsonObject o = json(r);
        QCOMPARE(sortedKeys(o), QStringList({"best", "bust_next", "draw", "ev_optimal", "stand"}));

        odds::Position p;
        for (int c : player)
            p.player.add(static_cast<Card>(c));
        p.bankerUp = static_cast<Card>(up);
        for (int c : seen)
            p.addSeen(static_cast<Card>(c));
        const auto f = odds::compute(p);
        QVERIFY(f);
        auto sameChances = [](const QJsonValue &v, const odds::Chances &c) {
            const QJsonObject figures = v.toObject();
            return figures.size() == 4 && close(figures["win"].toDouble(), c.win) && close(figures["draw"].toDouble(), c.draw)
                   && close(figures["lose"].toDouble(), c.lose) && close(figures["ev"].toDouble(), c.ev);
        };
        QVERIFY(close(o["bust_next"].toDouble(), f->bustNext));
        QVERIFY(sameChances(o["stand"], f->stand));
        QCOMPARE(o["draw"].isNull(), !f->draw);
        if (f->draw)
            QVERIFY(sameChances(o["draw"], *f->draw));
        QCOMPARE(o["best"].toString(), f->best == odds::Move::Draw ? "draw" : "stand");
        QVERIFY(close(o["ev_optimal"].toDouble(), f->evOptimal));
    }

    void printsText_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QByteArray>("expected");
        QTest::newRow("simulate") << QStringList{"simulate", "--strategy", "stand:17", "--rounds", "500"} << QByteArray("mean result per round");
        QTest::newRow("odds") << QStringList{"odds", "--player", "110,206", "--banker-up", "310"} << QByteArray("bust on the next card");
    }
    void printsText()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QByteArray, expected);
        const Run r = run(arguments);
        QCOMPARE(r.status, 0);
        QVERIFY(r.out.contains(expected));
        QVERIFY(r.err.isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestSimCli)
#include "test_simcli.moc"
