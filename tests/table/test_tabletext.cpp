#include "messagetext.h"
#include "tabletext.h"

#include <QTest>

Q_DECLARE_METATYPE(Outcome)
Q_DECLARE_METATYPE(Message::Id)
Q_DECLARE_METATYPE(FileProblem)
Q_DECLARE_METATYPE(Damage)

class TestTableText : public QObject
{
    Q_OBJECT

private slots:
    void points_data()
    {
        QTest::addColumn<int>("player");
        QTest::addColumn<int>("banker");
        QTest::addColumn<QString>("line");
        QTest::newRow("two digits") << 18 << 20 << QStringLiteral("Очок у Гравця -  18. Очок у Банківника -  20");
        QTest::newRow("twenty-one each") << 21 << 21 << QStringLiteral("Очок у Гравця -  21. Очок у Банківника -  21");
        QTest::newRow("one digit") << 5 << 0 << QStringLiteral("Очок у Гравця -  5. Очок у Банківника -  0");
        QTest::newRow("negative keeps its sign") << -3 << 25 << QStringLiteral("Очок у Гравця - -3. Очок у Банківника -  25");
    }
    void points()
    {
        QFETCH(int, player);
        QFETCH(int, banker);
        QFETCH(QString, line);
        QCOMPARE(tabletext::points(player, banker), line);
    }

    void result_data()
    {
        QTest::addColumn<Outcome>("winner");
        QTest::addColumn<QString>("line");
        QTest::newRow("banker") << Outcome::BankerWins << QStringLiteral("Переміг Банківник");
        QTest::newRow("player") << Outcome::PlayerWins << QStringLiteral("Переміг Гравець");
        QTest::newRow("draw") << Outcome::Draw << QStringLiteral("Нічия");
    }
    void result()
    {
        QFETCH(Outcome, winner);
        QFETCH(QString, line);
        QCOMPARE(tabletext::result(winner), line);
    }

    // Every message has its Ukrainian words and title.
    void messages_data()
    {
        QTest::addColumn<Message::Id>("id");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("title");
        using Id = Message::Id;
        QTest::newRow("zero stake") << Id::StakeIsZero << "Ставка повинна бути більшою за 0!" << "Помилка!";
        QTest::newRow("player short") << Id::PlayerCannotCover << "У Вас не вистачає грошей для цієї ставки!" << "Помилка!";
        QTest::newRow("banker short") << Id::BankerCannotCover << "У Банківника не вистачає грошей для цієї ставки!" << "Помилка!";
        QTest::newRow("new deck") << Id::NewDeck << "В колоді залишилося менше 10 карт. Банківник здає нову колоду." << "Нова колода!";
        QTest::newRow("lost") << Id::GameLost << "Повна поразка! Бажаєте грати ще?" << "Поразка!";
        QTest::newRow("won") << Id::GameWon << "Ура! Ви перемогли! Бажаєте грати ще?" << "Перемога!";
        QTest::newRow("won a record") << Id::GameWonWithRecord << "Бажаєте грати ще?" << "Перемога!";
        QTest::newRow("name") << Id::RecordName << "Ви перемогли і набрали 375 бали(-ів). Введіть Ваше ім'я:" << "Запис в найкращу десятку";
        QTest::newRow("saved") << Id::GameSaved << "Гру успішно збережено... Для продовження натисніть на кнопку..." << "Збереження гри";
        QTest::newRow("loaded") << Id::GameLoaded << "Гру успішно завантажено... Для продовження натисніть на кнопку..." << "Завантаження гри";
        QTest::newRow("pause") << Id::Pause << "Пауза... Для продовження натисніть на кнопку..." << "Пауза!";
    }
    void messages()
    {
        QFETCH(Message::Id, id);
        QFETCH(QString, text);
        QFETCH(QString, title);
        const MessageText words = messageText(Message(id, 375));
        QCOMPARE(words.text, text);
        QCOMPARE(words.title, title);
    }

    // What went wrong with a file, in the words of the action that failed.
    void fileProblems_data()
    {
        QTest::addColumn<Message::Id>("id");
        QTest::addColumn<FileProblem>("problem");
        QTest::addColumn<Damage>("damage");
        QTest::addColumn<QString>("text");
        using Id = Message::Id;
        const QString path = QStringLiteral("/ігри/table.dat");
        QTest::newRow("no saved game") << Id::LoadFailed << FileProblem::Missing << Damage::None
            << "Немає збереженої гри: файл «/ігри/table.dat» не знайдено. Поточна гра триває.";
        QTest::newRow("load: a folder") << Id::LoadFailed << FileProblem::IsDirectory << Damage::None
            << "Не вдалося завантажити гру: замість файлу «/ігри/table.dat» знайдено папку. Поточна гра триває.";
        QTest::newRow("load: unreadable") << Id::LoadFailed << FileProblem::Unreadable << Damage::None
            << "Не вдалося завантажити гру: файл «/ігри/table.dat» недоступний для читання. Поточна гра триває.";
        QTest::newRow("load: short") << Id::LoadFailed << FileProblem::Damaged << Damage::TooShort
            << "Файл збереженої гри пошкоджено: він коротший, ніж має бути. Поточна гра триває.";
        QTest::newRow("load: a number") << Id::LoadFailed << FileProblem::Damaged << Damage::NumberOutOfRange
            << "Файл збереженої гри пошкоджено: число в полі на позиції 7 виходить за межі допустимого. Поточна гра триває.";
        QTest::newRow("save: no folder") << Id::SaveFailed << FileProblem::FolderNotCreated << Damage::None
            << "Не вдалося зберегти гру: не вдалося створити папку «/ігри/table.dat». Поточна гра триває, попереднє збереження лишилося без змін.";
        QTest::newRow("save: unwritable") << Id::SaveFailed << FileProblem::Unwritable << Damage::None
            << "Не вдалося зберегти гру: файл «/ігри/table.dat» або його папка недоступні для запису. Поточна гра триває, попереднє збереження лишилося без змін.";
        QTest::newRow("records: a folder") << Id::RecordsUnreadable << FileProblem::IsDirectory << Damage::None
            << "Не вдалося прочитати таблицю рекордів: замість файлу «/ігри/table.dat» знайдено папку.";
        QTest::newRow("records: unwritable") << Id::RecordsUnwritable << FileProblem::Unwritable << Damage::None
            << "Не вдалося записати таблицю рекордів: файл «/ігри/table.dat» або його папка недоступні для запису. Попередня таблиця рекордів лишилася без змін.";
        Q_UNUSED(path);
    }
    void fileProblems()
    {
        QFETCH(Message::Id, id);
        QFETCH(FileProblem, problem);
        QFETCH(Damage, damage);
        QFETCH(QString, text);
        const FileStatus status{problem, QStringLiteral("/ігри/table.dat"), damage, 7};
        QCOMPARE(messageText(Message(id, status)).text, text);
    }

    void pot()
    {
        QCOMPARE(tabletext::pot(std::nullopt), QString());
        QCOMPARE(tabletext::pot(std::int16_t{0}), QStringLiteral("0"));
        QCOMPARE(tabletext::pot(std::int16_t{14}), QStringLiteral("14"));
    }
};

QTEST_APPLESS_MAIN(TestTableText)
#include "test_tabletext.moc"
