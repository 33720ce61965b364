#include "messagetext.h"

#include <QDir>

namespace {

using Id = Message::Id;

const QString GameGoesOn = QStringLiteral(" Поточна гра триває.");

QString shown(const QString &path)
{
    return QDir::toNativeSeparators(path);
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

// What went wrong with a file, whichever file it was.
QString reason(const FileStatus &status)
{
    const QString path = shown(status.path);
    switch (status.problem) {
    case FileProblem::Missing:
        return QStringLiteral("файл «%1» не знайдено.").arg(path);
    case FileProblem::IsDirectory:
        return QStringLiteral("замість файлу «%1» знайдено папку.").arg(path);
    case FileProblem::Unreadable:
        return QStringLiteral("файл «%1» недоступний для читання.").arg(path);
    case FileProblem::FolderNotCreated:
        return QStringLiteral("не вдалося створити папку «%1».").arg(path);
    case FileProblem::Damaged:
        if (status.damage == Damage::None)
            return QStringLiteral("файл «%1» пошкоджено.").arg(path);
        return damage(status) + QLatin1Char('.');
    case FileProblem::Unwritable:
    case FileProblem::None:
        break;
    }
    return QStringLiteral("файл «%1» або його папка недоступні для запису.").arg(path);
}

QString loadFailure(const FileStatus &status)
{
    if (status.problem == FileProblem::Missing)
        return QStringLiteral("Немає збереженої гри: ") + reason(status) + GameGoesOn;
    if (status.problem == FileProblem::Damaged)
        return QStringLiteral("Файл збереженої гри пошкоджено: ") + reason(status) + GameGoesOn;
    return QStringLiteral("Не вдалося завантажити гру: ") + reason(status) + GameGoesOn;
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
        return {QStringLiteral("Не вдалося зберегти гру: ") + reason(message.file)
                    + QStringLiteral(" Поточна гра триває, попереднє збереження лишилося без змін."),
                saving};
    case Id::GameLoaded:
        return {QStringLiteral("Гру успішно завантажено... Для продовження натисніть на кнопку..."), loading};
    case Id::LoadFailed:
        return {loadFailure(message.file), loading};
    case Id::RecordsUnreadable:
        return {QStringLiteral("Не вдалося прочитати таблицю рекордів: ") + reason(message.file), records};
    case Id::RecordsUnwritable:
        return {QStringLiteral("Не вдалося записати таблицю рекордів: ") + reason(message.file)
                    + QStringLiteral(" Попередня таблиця рекордів лишилася без змін."),
                records};
    case Id::SettingsUnreadable:
        return {QStringLiteral("Не вдалося прочитати налаштування: ") + reason(message.file)
                    + QStringLiteral(" Діють звичайні налаштування, а файл лишився без змін."),
                QStringLiteral("Налаштування")};
    case Id::SettingsUnsaved:
        return {QStringLiteral("Не вдалося зберегти налаштування: ") + reason(message.file)
                    + QStringLiteral(" Гра триває з вибраними налаштуваннями, але наступного разу вони не відновляться."),
                QStringLiteral("Налаштування")};
    case Id::Pause:
        break;
    }
    return {QStringLiteral("Пауза... Для продовження натисніть на кнопку..."), QStringLiteral("Пауза!")};
}
