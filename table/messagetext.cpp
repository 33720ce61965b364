#include "messagetext.h"

#include <QCoreApplication>
#include <QDir>

namespace {

// The context the translations of these words are kept under.
class Words
{
    Q_DECLARE_TR_FUNCTIONS(MessageText)
};

using Id = Message::Id;

QString gameGoesOn() { return Words::tr(" Поточна гра триває."); }

// « and » around the path, after a space; nothing when there is no path.
QString quoted(const QString &path)
{
    return path.isEmpty() ? QString()
                          : Words::tr(" «%1»").arg(QDir::toNativeSeparators(path));
}

QString damage(const FileStatus &status)
{
    switch (status.damage) {
    case Damage::NumberOutOfRange:
        return Words::tr("число в полі на позиції %1 виходить за межі допустимого").arg(status.detail);
    case Damage::HandCountOutOfRange:
        return Words::tr("кількість карт у руці (%1) поза межами від 0 до 5").arg(status.detail);
    case Damage::NotACard:
        return Words::tr("число %1 не є кодом карти").arg(status.detail);
    case Damage::DeckPositionOutOfRange:
        return Words::tr("позиція в колоді (%1) поза межами від 1 до 53").arg(status.detail);
    case Damage::TooShort:
    case Damage::None:
        break;
    }
    return Words::tr("він коротший, ніж має бути");
}

} // namespace

QString fileProblemWords(const FileStatus &status)
{
    const QString path = quoted(status.path);
    switch (status.problem) {
    case FileProblem::Missing:
        return Words::tr("файл%1 не знайдено.").arg(path);
    case FileProblem::IsDirectory:
        return Words::tr("замість файлу%1 знайдено папку.").arg(path);
    case FileProblem::Unreadable:
        return Words::tr("файл%1 недоступний для читання.").arg(path);
    case FileProblem::FolderNotCreated:
        return Words::tr("не вдалося створити папку%1.").arg(path);
    case FileProblem::Locked:
        return Words::tr("файл%1 зайнятий іншою запущеною копією гри.").arg(path);
    case FileProblem::NewerVersion:
        return Words::tr("файл%1 записано новішою версією гри.").arg(path);
    case FileProblem::Damaged:
        if (status.damage == Damage::None)
            return Words::tr("файл%1 пошкоджено.").arg(path);
        return damage(status) + QLatin1Char('.');
    case FileProblem::Unwritable:
    case FileProblem::None:
        break;
    }
    return Words::tr("файл%1 або його папка недоступні для запису.").arg(path);
}

QString fileProblemText(const FileStatus &status)
{
    QString sentence = fileProblemWords(status);
    if (!sentence.isEmpty())
        sentence[0] = sentence[0].toUpper();
    return sentence;
}

namespace {

QString loadFailure(const FileStatus &status)
{
    if (status.problem == FileProblem::Missing)
        return Words::tr("Немає збереженої гри: %1").arg(fileProblemWords(status)) + gameGoesOn();
    if (status.problem == FileProblem::Damaged)
        return Words::tr("Файл збереженої гри пошкоджено: %1").arg(fileProblemWords(status)) + gameGoesOn();
    return Words::tr("Не вдалося завантажити гру: %1").arg(fileProblemWords(status)) + gameGoesOn();
}

} // namespace

MessageText messageText(const Message &message)
{
    const QString error = Words::tr("Помилка!");
    const QString victory = Words::tr("Перемога!");
    const QString saving = Words::tr("Збереження гри");
    const QString loading = Words::tr("Завантаження гри");
    const QString records = Words::tr("Рекорди");
    switch (message.id) {
    case Id::StakeIsZero:
        return {Words::tr("Ставка повинна бути більшою за 0!"), error};
    case Id::PlayerCannotCover:
        return {Words::tr("У Вас не вистачає грошей для цієї ставки!"), error};
    case Id::BankerCannotCover:
        return {Words::tr("У Банківника не вистачає грошей для цієї ставки!"), error};
    case Id::NewDeck:
        return {Words::tr("В колоді залишилося менше 10 карт. Банківник здає нову колоду."),
                Words::tr("Нова колода!")};
    case Id::GameLost:
        return {Words::tr("Повна поразка! Бажаєте грати ще?"), Words::tr("Поразка!")};
    case Id::GameWon:
        return {Words::tr("Ура! Ви перемогли! Бажаєте грати ще?"), victory};
    case Id::GameWonWithRecord:
        return {Words::tr("Бажаєте грати ще?"), victory};
    case Id::RecordName:
        return {Words::tr("Ви перемогли і набрали %1 бали(-ів). Введіть Ваше ім'я:").arg(message.number),
                Words::tr("Запис в найкращу десятку")};
    case Id::GameSaved:
        return {Words::tr("Гру успішно збережено... Для продовження натисніть на кнопку..."), saving};
    case Id::SaveFailed:
        return {Words::tr("Не вдалося зберегти гру: %1 Поточна гра триває, попереднє збереження лишилося без змін.")
                    .arg(fileProblemWords(message.file)),
                saving};
    case Id::GameLoaded:
        return {Words::tr("Гру успішно завантажено... Для продовження натисніть на кнопку..."), loading};
    case Id::LoadFailed:
        return {loadFailure(message.file), loading};
    case Id::RecordsUnreadable:
        return {Words::tr("Не вдалося прочитати таблицю рекордів: %1").arg(fileProblemWords(message.file)), records};
    case Id::RecordsUnwritable:
        return {Words::tr("Не вдалося записати таблицю рекордів: %1 Попередня таблиця рекордів лишилася без змін.")
                    .arg(fileProblemWords(message.file)),
                records};
    case Id::SettingsUnreadable:
        return {Words::tr("Не вдалося прочитати налаштування: %1 Діють звичайні налаштування, а файл лишився без змін.")
                    .arg(fileProblemWords(message.file)),
                Words::tr("Налаштування")};
    case Id::SettingsUnsaved:
        return {Words::tr("Не вдалося зберегти налаштування: %1 Гра триває з вибраними налаштуваннями, але наступного "
                   "разу вони не відновляться.")
                    .arg(fileProblemWords(message.file)),
                Words::tr("Налаштування")};
    case Id::StatisticsUnavailable:
        return {Words::tr("Статистика цього разу не ведеться: %1 Файл статистики лишився без змін.")
                        .arg(fileProblemWords(message.file))
                    + gameGoesOn(),
                Words::tr("Статистика")};
    case Id::GameNumberPrompt:
        return {Words::tr("Номер гри (ціле число від 1 до 2 000 000 000):"), Words::tr("Гра за номером")};
    case Id::GameNumberRefused:
        return {Words::tr("«%1» — не номер гри. Номер гри — ціле число від 1 до 2 000 000 000.")
                        .arg(message.text)
                    + gameGoesOn(),
                Words::tr("Гра за номером")};
    case Id::Pause:
        break;
    }
    return {Words::tr("Пауза... Для продовження натисніть на кнопку..."), Words::tr("Пауза!")};
}
