#include "messagetext.h"

#include <QDir>

namespace {

using Id = Message::Id;

const QString GameGoesOn = QStringLiteral(" Поточна гра триває.");

// « and » around the path, after a space; nothing when there is no path.
QString quoted(const QString &path)
{
    return path.isEmpty() ? QString() : QStringLiteral(" «%1»").arg(QDir::toNativeSeparators(path));
}

QString damage(const FileStatus &status)
{
    switch (status.damage) {
    case Damage::NumberOutOfRange:
        return QStringLiteral("число в полі на позиції %1 виходить за межі допустимого").arg(status.detail);
    case Damage::HandCountOutOfRange:
        return QStringLiteral("кількість карт у руці (%1) поза межами від 0 до 5").arg(status.detail);
    case Damage::NotACard:
        return QStringLiteral("число %1 не є кодом карти").arg(status.detail);
    case Damage::DeckPositionOutOfRange:
        return QStringLiteral("позиція в колоді (%1) поза межами від 1 до 53").arg(status.detail);
    case Damage::TooShort:
    case Damage::None:
        break;
    }
    return QStringLiteral("він коротший, ніж має бути");
}

} // namespace

QString fileProblemWords(const FileStatus &status)
{
    const QString path = quoted(status.path);
    switch (status.problem) {
    case FileProblem::Missing:
        return QStringLiteral("файл%1 не знайдено.").arg(path);
    case FileProblem::IsDirectory:
        return QStringLiteral("замість файлу%1 знайдено папку.").arg(path);
    case FileProblem::Unreadable:
        return QStringLiteral("файл%1 недоступний для читання.").arg(path);
    case FileProblem::FolderNotCreated:
        return QStringLiteral("не вдалося створити папку%1.").arg(path);
    case FileProblem::Locked:
        return QStringLiteral("файл%1 зайнятий іншою запущеною копією гри.").arg(path);
    case FileProblem::NewerVersion:
        return QStringLiteral("файл%1 записано новішою версією гри.").arg(path);
    case FileProblem::Damaged:
        if (status.damage == Damage::None)
            return QStringLiteral("файл%1 пошкоджено.").arg(path);
        return damage(status) + QLatin1Char('.');
    case FileProblem::Unwritable:
    case FileProblem::None:
        break;
    }
    return QStringLiteral("файл%1 або його папка недоступні для запису.").arg(path);
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
        return QStringLiteral("Немає збереженої гри: ") + fileProblemWords(status) + GameGoesOn;
    if (status.problem == FileProblem::Damaged)
        return QStringLiteral("Файл збереженої гри пошкоджено: ") + fileProblemWords(status) + GameGoesOn;
    return QStringLiteral("Не вдалося завантажити гру: ") + fileProblemWords(status) + GameGoesOn;
}

} // namespace

MessageText messageText(const Message &message)
{
    const QString error = QStringLiteral("Помилка!");
    const QString victory = QStringLiteral("Перемога!");
    const QString saving = QStringLiteral("Збереження гри");
    const QString loading = QStringLiteral("Завантаження гри");
    const QString records = QStringLiteral("Рекорди");
    switch (message.id) {
    case Id::StakeIsZero:
        return {QStringLiteral("Ставка повинна бути більшою за 0!"), error};
    case Id::PlayerCannotCover:
        return {QStringLiteral("У Вас не вистачає грошей для цієї ставки!"), error};
    case Id::BankerCannotCover:
        return {QStringLiteral("У Банківника не вистачає грошей для цієї ставки!"), error};
    case Id::NewDeck:
        return {QStringLiteral("В колоді залишилося менше 10 карт. Банківник здає нову колоду."),
                QStringLiteral("Нова колода!")};
    case Id::GameLost:
        return {QStringLiteral("Повна поразка! Бажаєте грати ще?"), QStringLiteral("Поразка!")};
    case Id::GameWon:
        return {QStringLiteral("Ура! Ви перемогли! Бажаєте грати ще?"), victory};
    case Id::GameWonWithRecord:
        return {QStringLiteral("Бажаєте грати ще?"), victory};
    case Id::RecordName:
        return {QStringLiteral("Ви перемогли і набрали %1 бали(-ів). Введіть Ваше ім'я:").arg(message.number),
                QStringLiteral("Запис в найкращу десятку")};
    case Id::GameSaved:
        return {QStringLiteral("Гру успішно збережено... Для продовження натисніть на кнопку..."), saving};
    case Id::SaveFailed:
        return {QStringLiteral("Не вдалося зберегти гру: ") + fileProblemWords(message.file)
                    + QStringLiteral(" Поточна гра триває, попереднє збереження лишилося без змін."),
                saving};
    case Id::GameLoaded:
        return {QStringLiteral("Гру успішно завантажено... Для продовження натисніть на кнопку..."), loading};
    case Id::LoadFailed:
        return {loadFailure(message.file), loading};
    case Id::RecordsUnreadable:
        return {QStringLiteral("Не вдалося прочитати таблицю рекордів: ") + fileProblemWords(message.file), records};
    case Id::RecordsUnwritable:
        return {QStringLiteral("Не вдалося записати таблицю рекордів: ") + fileProblemWords(message.file)
                    + QStringLiteral(" Попередня таблиця рекордів лишилася без змін."),
                records};
    case Id::SettingsUnreadable:
        return {QStringLiteral("Не вдалося прочитати налаштування: ") + fileProblemWords(message.file)
                    + QStringLiteral(" Діють звичайні налаштування, а файл лишився без змін."),
                QStringLiteral("Налаштування")};
    case Id::SettingsUnsaved:
        return {QStringLiteral("Не вдалося зберегти налаштування: ") + fileProblemWords(message.file)
                    + QStringLiteral(" Гра триває з вибраними налаштуваннями, але наступного разу вони не відновляться."),
                QStringLiteral("Налаштування")};
    case Id::StatisticsUnavailable:
        return {QStringLiteral("Статистика цього разу не ведеться: ") + fileProblemWords(message.file)
                    + QStringLiteral(" Файл статистики лишився без змін.") + GameGoesOn,
                QStringLiteral("Статистика")};
    case Id::GameNumberPrompt:
        return {QStringLiteral("Номер гри (ціле число від 1 до 2 000 000 000):"), QStringLiteral("Гра за номером")};
    case Id::GameNumberRefused:
        return {QStringLiteral("«%1» — не номер гри. Номер гри — ціле число від 1 до 2 000 000 000.")
                        .arg(message.text)
                    + GameGoesOn,
                QStringLiteral("Гра за номером")};
    case Id::Pause:
        break;
    }
    return {QStringLiteral("Пауза... Для продовження натисніть на кнопку..."), QStringLiteral("Пауза!")};
}
