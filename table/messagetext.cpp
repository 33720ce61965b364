#include "messagetext.h"

#include <QCoreApplication>
#include <QDir>

namespace {

using Id = Message::Id;

QString gameGoesOn() { return QCoreApplication::translate("MessageText", " Поточна гра триває."); }

// « and » around the path, after a space; nothing when there is no path.
QString quoted(const QString &path)
{
    return path.isEmpty() ? QString()
                          : QCoreApplication::translate("MessageText", " «%1»").arg(QDir::toNativeSeparators(path));
}

QString damage(const FileStatus &status)
{
    switch (status.damage) {
    case Damage::NumberOutOfRange:
        return QCoreApplication::translate("MessageText", "число в полі на позиції %1 виходить за межі допустимого").arg(status.detail);
    case Damage::HandCountOutOfRange:
        return QCoreApplication::translate("MessageText", "кількість карт у руці (%1) поза межами від 0 до 5").arg(status.detail);
    case Damage::NotACard:
        return QCoreApplication::translate("MessageText", "число %1 не є кодом карти").arg(status.detail);
    case Damage::DeckPositionOutOfRange:
        return QCoreApplication::translate("MessageText", "позиція в колоді (%1) поза межами від 1 до 53").arg(status.detail);
    case Damage::TooShort:
    case Damage::None:
        break;
    }
    return QCoreApplication::translate("MessageText", "він коротший, ніж має бути");
}

} // namespace

QString fileProblemWords(const FileStatus &status)
{
    const QString path = quoted(status.path);
    switch (status.problem) {
    case FileProblem::Missing:
        return QCoreApplication::translate("MessageText", "файл%1 не знайдено.").arg(path);
    case FileProblem::IsDirectory:
        return QCoreApplication::translate("MessageText", "замість файлу%1 знайдено папку.").arg(path);
    case FileProblem::Unreadable:
        return QCoreApplication::translate("MessageText", "файл%1 недоступний для читання.").arg(path);
    case FileProblem::FolderNotCreated:
        return QCoreApplication::translate("MessageText", "не вдалося створити папку%1.").arg(path);
    case FileProblem::Locked:
        return QCoreApplication::translate("MessageText", "файл%1 зайнятий іншою запущеною копією гри.").arg(path);
    case FileProblem::NewerVersion:
        return QCoreApplication::translate("MessageText", "файл%1 записано новішою версією гри.").arg(path);
    case FileProblem::Damaged:
        if (status.damage == Damage::None)
            return QCoreApplication::translate("MessageText", "файл%1 пошкоджено.").arg(path);
        return damage(status) + QLatin1Char('.');
    case FileProblem::Unwritable:
    case FileProblem::None:
        break;
    }
    return QCoreApplication::translate("MessageText", "файл%1 або його папка недоступні для запису.").arg(path);
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
        return QCoreApplication::translate("MessageText", "Немає збереженої гри: %1").arg(fileProblemWords(status)) + gameGoesOn();
    if (status.problem == FileProblem::Damaged)
        return QCoreApplication::translate("MessageText", "Файл збереженої гри пошкоджено: %1").arg(fileProblemWords(status)) + gameGoesOn();
    return QCoreApplication::translate("MessageText", "Не вдалося завантажити гру: %1").arg(fileProblemWords(status)) + gameGoesOn();
}

} // namespace

MessageText messageText(const Message &message)
{
    const QString error = QCoreApplication::translate("MessageText", "Помилка!");
    const QString victory = QCoreApplication::translate("MessageText", "Перемога!");
    const QString saving = QCoreApplication::translate("MessageText", "Збереження гри");
    const QString loading = QCoreApplication::translate("MessageText", "Завантаження гри");
    const QString records = QCoreApplication::translate("MessageText", "Рекорди");
    switch (message.id) {
    case Id::StakeIsZero:
        return {QCoreApplication::translate("MessageText", "Ставка повинна бути більшою за 0!"), error};
    case Id::PlayerCannotCover:
        return {QCoreApplication::translate("MessageText", "У Вас не вистачає грошей для цієї ставки!"), error};
    case Id::BankerCannotCover:
        return {QCoreApplication::translate("MessageText", "У Банківника не вистачає грошей для цієї ставки!"), error};
    case Id::NewDeck:
        return {QCoreApplication::translate("MessageText", "В колоді залишилося менше 10 карт. Банківник здає нову колоду."),
                QCoreApplication::translate("MessageText", "Нова колода!")};
    case Id::GameLost:
        return {QCoreApplication::translate("MessageText", "Повна поразка! Бажаєте грати ще?"), QCoreApplication::translate("MessageText", "Поразка!")};
    case Id::GameWon:
        return {QCoreApplication::translate("MessageText", "Ура! Ви перемогли! Бажаєте грати ще?"), victory};
    case Id::GameWonWithRecord:
        return {QCoreApplication::translate("MessageText", "Бажаєте грати ще?"), victory};
    case Id::RecordName:
        return {QCoreApplication::translate("MessageText", "Ви перемогли і набрали %1 бали(-ів). Введіть Ваше ім'я:").arg(message.number),
                QCoreApplication::translate("MessageText", "Запис в найкращу десятку")};
    case Id::GameSaved:
        return {QCoreApplication::translate("MessageText", "Гру успішно збережено... Для продовження натисніть на кнопку..."), saving};
    case Id::SaveFailed:
        return {QCoreApplication::translate("MessageText", "Не вдалося зберегти гру: %1 Поточна гра триває, попереднє збереження лишилося без змін.")
                    .arg(fileProblemWords(message.file)),
                saving};
    case Id::GameLoaded:
        return {QCoreApplication::translate("MessageText", "Гру успішно завантажено... Для продовження натисніть на кнопку..."), loading};
    case Id::LoadFailed:
        return {loadFailure(message.file), loading};
    case Id::RecordsUnreadable:
        return {QCoreApplication::translate("MessageText", "Не вдалося прочитати таблицю рекордів: %1").arg(fileProblemWords(message.file)), records};
    case Id::RecordsUnwritable:
        return {QCoreApplication::translate("MessageText", "Не вдалося записати таблицю рекордів: %1 Попередня таблиця рекордів лишилася без змін.")
                    .arg(fileProblemWords(message.file)),
                records};
    case Id::SettingsUnreadable:
        return {QCoreApplication::translate("MessageText", "Не вдалося прочитати налаштування: %1 Діють звичайні налаштування, а файл лишився без змін.")
                    .arg(fileProblemWords(message.file)),
                QCoreApplication::translate("MessageText", "Налаштування")};
    case Id::SettingsUnsaved:
        return {QCoreApplication::translate("MessageText", "Не вдалося зберегти налаштування: %1 Гра триває з вибраними налаштуваннями, але наступного "
                   "разу вони не відновляться.")
                    .arg(fileProblemWords(message.file)),
                QCoreApplication::translate("MessageText", "Налаштування")};
    case Id::StatisticsUnavailable:
        return {QCoreApplication::translate("MessageText", "Статистика цього разу не ведеться: %1 Файл статистики лишився без змін.")
                        .arg(fileProblemWords(message.file))
                    + gameGoesOn(),
                QCoreApplication::translate("MessageText", "Статистика")};
    case Id::GameNumberPrompt:
        return {QCoreApplication::translate("MessageText", "Номер гри (ціле число від 1 до 2 000 000 000):"), QCoreApplication::translate("MessageText", "Гра за номером")};
    case Id::GameNumberRefused:
        return {QCoreApplication::translate("MessageText", "«%1» — не номер гри. Номер гри — ціле число від 1 до 2 000 000 000.")
                        .arg(message.text)
                    + gameGoesOn(),
                QCoreApplication::translate("MessageText", "Гра за номером")};
    case Id::Pause:
        break;
    }
    return {QCoreApplication::translate("MessageText", "Пауза... Для продовження натисніть на кнопку..."), QCoreApplication::translate("MessageText", "Пауза!")};
}
