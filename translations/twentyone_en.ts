<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="uk">
<context>
    <name>BackWindow</name>
    <message>
        <source>Назад</source>
        <translation>Back</translation>
    </message>
    <message>
        <source>Клавіша Esc</source>
        <translation>Esc key</translation>
    </message>
</context>
<context>
    <name>CardNames</name>
    <message>
        <source>туз</source>
        <translation>ace</translation>
    </message>
    <message>
        <source>двійка</source>
        <translation>two</translation>
    </message>
    <message>
        <source>трійка</source>
        <translation>three</translation>
    </message>
    <message>
        <source>четвірка</source>
        <translation>four</translation>
    </message>
    <message>
        <source>п&apos;ятірка</source>
        <translation>five</translation>
    </message>
    <message>
        <source>шістка</source>
        <translation>six</translation>
    </message>
    <message>
        <source>сімка</source>
        <translation>seven</translation>
    </message>
    <message>
        <source>вісімка</source>
        <translation>eight</translation>
    </message>
    <message>
        <source>дев&apos;ятка</source>
        <translation>nine</translation>
    </message>
    <message>
        <source>десятка</source>
        <translation>ten</translation>
    </message>
    <message>
        <source>валет</source>
        <translation>jack</translation>
    </message>
    <message>
        <source>дама</source>
        <translation>queen</translation>
    </message>
    <message>
        <source>король</source>
        <translation>king</translation>
    </message>
    <message>
        <source>бубновий</source>
        <translation>diamonds</translation>
    </message>
    <message>
        <source>бубнова</source>
        <translation>diamonds</translation>
    </message>
    <message>
        <source>червовий</source>
        <translation>hearts</translation>
    </message>
    <message>
        <source>червова</source>
        <translation>hearts</translation>
    </message>
    <message>
        <source>трефовий</source>
        <translation>clubs</translation>
    </message>
    <message>
        <source>трефова</source>
        <translation>clubs</translation>
    </message>
    <message>
        <source>піковий</source>
        <translation>spades</translation>
    </message>
    <message>
        <source>пікова</source>
        <translation>spades</translation>
    </message>
    <message>
        <source>Ваша карта %1</source>
        <translation>Your card %1</translation>
    </message>
    <message>
        <source>Карта Банківника %1</source>
        <translation>The Banker&apos;s card %1</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <extracomment>A card&apos;s name from its rank (%1) and suit (%2): &quot;сімка червова&quot;</extracomment>
        <translation>%1 of %2</translation>
    </message>
    <message>
        <source>11 або 1 очко</source>
        <translation>11 or 1 point</translation>
    </message>
    <message>
        <source>%1 очки</source>
        <translation>%1 points</translation>
    </message>
    <message>
        <source>%1 очок</source>
        <translation>%1 points</translation>
    </message>
    <message>
        <source>лежить сорочкою догори</source>
        <translation>face down</translation>
    </message>
    <message>
        <source>немає</source>
        <translation>none</translation>
    </message>
    <message>
        <source>Карту ще не відкрито</source>
        <translation>Not turned up yet</translation>
    </message>
    <message>
        <source>Ставка</source>
        <translation>Stake</translation>
    </message>
    <message>
        <source>На кону</source>
        <translation>Pot</translation>
    </message>
    <message>
        <source>Гроші Гравця</source>
        <translation>Your purse</translation>
    </message>
    <message>
        <source>Гроші Банківника</source>
        <translation>The Banker&apos;s purse</translation>
    </message>
    <message>
        <source>Зробити ставку</source>
        <translation>Place bet</translation>
    </message>
    <message>
        <source>Тягнути</source>
        <translation>Draw</translation>
    </message>
    <message>
        <source>Досить</source>
        <translation>Stand</translation>
    </message>
    <message>
        <source>Далі</source>
        <translation>Next</translation>
    </message>
    <message>
        <source>Клавіша D</source>
        <translation>D key</translation>
    </message>
    <message>
        <source>Клавіша S або Enter</source>
        <translation>S or Enter key</translation>
    </message>
    <message>
        <source>Клавіша Enter</source>
        <translation>Enter key</translation>
    </message>
    <message>
        <source>Клавіші ↑ і ↓ або + і −</source>
        <translation>Keys ↑ and ↓ or + and −</translation>
    </message>
</context>
<context>
    <name>Cards</name>
    <message>
        <source>Т</source>
        <translation>A</translation>
    </message>
    <message>
        <source>В</source>
        <translation>J</translation>
    </message>
    <message>
        <source>Д</source>
        <translation>Q</translation>
    </message>
    <message>
        <source>К</source>
        <translation>K</translation>
    </message>
</context>
<context>
    <name>ChartWidget</name>
    <message>
        <source>Ще немає зіграних раундів.</source>
        <translation>No rounds played yet.</translation>
    </message>
</context>
<context>
    <name>DevelopersWindow</name>
    <message>
        <source>Що до програми Кварм</source>
        <translation>Regarding the Kvarm program</translation>
    </message>
    <message>
        <source>Версія 1.0</source>
        <translation>Version 1.0</translation>
    </message>
    <message>
        <source>Гру «21» створила невелика команда однодумців як вільну настільну гру в карти для всіх, хто любить класичне «Очко».</source>
        <translation>“21” was made by a small team of like-minded people as a free desktop card game for everyone who loves classic Twenty-One.</translation>
    </message>
    <message>
        <source>Програмна частина та дизайн:</source>
        <translation>Programming and design:</translation>
    </message>
    <message>
        <source>Команда «21»: правила й логіка гри, вікна, анімація, звук, музика та малюнки карт.</source>
        <translation>Team “21”: the rules and logic of the game, the windows, animation, sound, music and card pictures.</translation>
    </message>
    <message>
        <source>Керівник:</source>
        <translation>Lead:</translation>
    </message>
    <message>
        <source>Лідер команди «21»</source>
        <translation>The lead of team “21”</translation>
    </message>
    <message>
        <source>© 2026 Команда «21». Усі права застережено.</source>
        <translation>© 2026 Team “21”. All rights reserved.</translation>
    </message>
    <message>
        <source>Розробники</source>
        <translation>Developers</translation>
    </message>
    <message>
        <source>Значок гри «21»</source>
        <translation>Icon of the game “21”</translation>
    </message>
    <message>
        <source>Гра «21»</source>
        <translation>The game “21”</translation>
    </message>
    <message>
        <source>«21» © 2026</source>
        <translation>“21” © 2026</translation>
    </message>
    <message>
        <source>Написати розробникам: %1</source>
        <translation>Write to the developers: %1</translation>
    </message>
    <message>
        <source>Відкриває поштову програму</source>
        <translation>Opens your mail program</translation>
    </message>
    <message>
        <source>Сайт розробників: %1</source>
        <translation>The developers&apos; website: %1</translation>
    </message>
    <message>
        <source>Відкриває сайт у браузері</source>
        <translation>Opens the website in your browser</translation>
    </message>
</context>
<context>
    <name>Dialogs</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Так</source>
        <translation>Yes</translation>
    </message>
    <message>
        <source>Ні</source>
        <translation>No</translation>
    </message>
    <message>
        <source>Скасувати</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>HintPanel</name>
    <message>
        <source>%1: виграш %2 % · нічия %3 % · програш %4 %</source>
        <translation>%1: win %2 % · draw %3 % · lose %4 %</translation>
    </message>
    <message>
        <source>Очки: %1 — Перебір!</source>
        <translation>Points: %1 — Bust!</translation>
    </message>
    <message>
        <source>Перебір наступною картою: %1 %</source>
        <translation>Bust on the next card: %1 %</translation>
    </message>
    <message>
        <source>Досить</source>
        <translation>Stand</translation>
    </message>
    <message>
        <source>Тягнути</source>
        <translation>Draw</translation>
    </message>
    <message>
        <source>Краще: тягнути</source>
        <translation>Better: draw</translation>
    </message>
    <message>
        <source>Краще: досить</source>
        <translation>Better: stand</translation>
    </message>
    <message>
        <source>Підказки недоступні для цієї колоди</source>
        <translation>No hints for this deck</translation>
    </message>
    <message>
        <source>Очки: %1</source>
        <translation>Points: %1</translation>
    </message>
</context>
<context>
    <name>KeysWindow</name>
    <message>
        <source>↑ / ↓ або + / −</source>
        <translation>↑ / ↓ or + / −</translation>
    </message>
    <message>
        <source>змінити ставку</source>
        <translation>change the stake</translation>
    </message>
    <message>
        <source>зробити ставку, досить або далі —
те, що зараз доступне</source>
        <translation>place bet, stand or next —
whichever is available now</translation>
    </message>
    <message>
        <source>тягнути карту</source>
        <translation>draw a card</translation>
    </message>
    <message>
        <source>досить</source>
        <translation>stand</translation>
    </message>
    <message>
        <source>перейти до наступної кнопки</source>
        <translation>go to the next button</translation>
    </message>
    <message>
        <source>Пробіл</source>
        <translation>Space</translation>
    </message>
    <message>
        <source>натиснути кнопку з фокусом</source>
        <translation>press the button in focus</translation>
    </message>
    <message>
        <source>повернутися з вікна до столу</source>
        <translation>go back from a window to the table</translation>
    </message>
    <message>
        <source>правила</source>
        <translation>rules</translation>
    </message>
    <message>
        <source>нова гра</source>
        <translation>new game</translation>
    </message>
    <message>
        <source>завантажити гру</source>
        <translation>load a game</translation>
    </message>
    <message>
        <source>зберегти гру</source>
        <translation>save the game</translation>
    </message>
    <message>
        <source>рекорди</source>
        <translation>records</translation>
    </message>
    <message>
        <source>пауза</source>
        <translation>pause</translation>
    </message>
    <message>
        <source>підказки</source>
        <translation>hints</translation>
    </message>
    <message>
        <source>висока контрастність</source>
        <translation>high contrast</translation>
    </message>
    <message>
        <source>вихід</source>
        <translation>exit</translation>
    </message>
    <message>
        <source>музика</source>
        <translation>music</translation>
    </message>
    <message>
        <source>звуки</source>
        <translation>sounds</translation>
    </message>
    <message>
        <source>анімація</source>
        <translation>animation</translation>
    </message>
    <message>
        <source>розробники</source>
        <translation>developers</translation>
    </message>
    <message>
        <source>Клавіші</source>
        <translation>Keys</translation>
    </message>
    <message>
        <source>За столом:</source>
        <translation>At the table:</translation>
    </message>
    <message>
        <source>Меню:</source>
        <translation>Menus:</translation>
    </message>
    <message>
        <source>статистика</source>
        <translation>statistics</translation>
    </message>
    <message>
        <source>на весь екран</source>
        <translation>full screen</translation>
    </message>
    <message>
        <source>збільшити стіл</source>
        <translation>zoom the table in</translation>
    </message>
    <message>
        <source>зменшити стіл</source>
        <translation>zoom the table out</translation>
    </message>
    <message>
        <source>звичайний розмір столу</source>
        <translation>the table at its usual size</translation>
    </message>
</context>
<context>
    <name>MessageText</name>
    <message>
        <source> Поточна гра триває.</source>
        <translation> The current game goes on.</translation>
    </message>
    <message>
        <source> «%1»</source>
        <translation> “%1”</translation>
    </message>
    <message>
        <source>число в полі на позиції %1 виходить за межі допустимого</source>
        <translation>the number in the field at position %1 is out of range</translation>
    </message>
    <message>
        <source>кількість карт у руці (%1) поза межами від 0 до 5</source>
        <translation>the number of cards in a hand (%1) is not from 0 to 5</translation>
    </message>
    <message>
        <source>число %1 не є кодом карти</source>
        <translation>the number %1 is not a card code</translation>
    </message>
    <message>
        <source>позиція в колоді (%1) поза межами від 1 до 53</source>
        <translation>the position in the deck (%1) is not from 1 to 53</translation>
    </message>
    <message>
        <source>він коротший, ніж має бути</source>
        <translation>it is shorter than it should be</translation>
    </message>
    <message>
        <source>файл%1 не знайдено.</source>
        <translation>the file%1 was not found.</translation>
    </message>
    <message>
        <source>замість файлу%1 знайдено папку.</source>
        <translation>a folder was found instead of the file%1.</translation>
    </message>
    <message>
        <source>файл%1 недоступний для читання.</source>
        <translation>the file%1 cannot be read.</translation>
    </message>
    <message>
        <source>не вдалося створити папку%1.</source>
        <translation>the folder%1 could not be created.</translation>
    </message>
    <message>
        <source>файл%1 зайнятий іншою запущеною копією гри.</source>
        <translation>the file%1 is in use by another running copy of the game.</translation>
    </message>
    <message>
        <source>файл%1 записано новішою версією гри.</source>
        <translation>the file%1 was written by a newer version of the game.</translation>
    </message>
    <message>
        <source>файл%1 пошкоджено.</source>
        <translation>the file%1 is damaged.</translation>
    </message>
    <message>
        <source>файл%1 або його папка недоступні для запису.</source>
        <translation>the file%1 or its folder cannot be written to.</translation>
    </message>
    <message>
        <source>Немає збереженої гри: %1</source>
        <translation>There is no saved game: %1</translation>
    </message>
    <message>
        <source>Файл збереженої гри пошкоджено: %1</source>
        <translation>The saved game file is damaged: %1</translation>
    </message>
    <message>
        <source>Не вдалося завантажити гру: %1</source>
        <translation>The game could not be loaded: %1</translation>
    </message>
    <message>
        <source>Помилка!</source>
        <translation>Error!</translation>
    </message>
    <message>
        <source>Перемога!</source>
        <translation>Victory!</translation>
    </message>
    <message>
        <source>Збереження гри</source>
        <translation>Saving the game</translation>
    </message>
    <message>
        <source>Завантаження гри</source>
        <translation>Loading a game</translation>
    </message>
    <message>
        <source>Рекорди</source>
        <translation>Records</translation>
    </message>
    <message>
        <source>Ставка повинна бути більшою за 0!</source>
        <translation>The stake must be greater than 0!</translation>
    </message>
    <message>
        <source>У Вас не вистачає грошей для цієї ставки!</source>
        <translation>You do not have enough money for this stake!</translation>
    </message>
    <message>
        <source>У Банківника не вистачає грошей для цієї ставки!</source>
        <translation>The Banker does not have enough money for this stake!</translation>
    </message>
    <message>
        <source>В колоді залишилося менше 10 карт. Банківник здає нову колоду.</source>
        <translation>Fewer than 10 cards are left in the deck. The Banker deals a new deck.</translation>
    </message>
    <message>
        <source>Нова колода!</source>
        <translation>New deck!</translation>
    </message>
    <message>
        <source>Повна поразка! Бажаєте грати ще?</source>
        <translation>Total defeat! Would you like to play again?</translation>
    </message>
    <message>
        <source>Поразка!</source>
        <translation>Defeat!</translation>
    </message>
    <message>
        <source>Ура! Ви перемогли! Бажаєте грати ще?</source>
        <translation>Hooray! You won! Would you like to play again?</translation>
    </message>
    <message>
        <source>Бажаєте грати ще?</source>
        <translation>Would you like to play again?</translation>
    </message>
    <message>
        <source>Ви перемогли і набрали %1 бали(-ів). Введіть Ваше ім&apos;я:</source>
        <translation>You won with a score of %1. Enter your name:</translation>
    </message>
    <message>
        <source>Запис в найкращу десятку</source>
        <translation>Entry into the top ten</translation>
    </message>
    <message>
        <source>Гру успішно збережено... Для продовження натисніть на кнопку...</source>
        <translation>The game has been saved... Press the button to continue...</translation>
    </message>
    <message>
        <source>Не вдалося зберегти гру: %1 Поточна гра триває, попереднє збереження лишилося без змін.</source>
        <translation>The game could not be saved: %1 The current game goes on; the previous save is unchanged.</translation>
    </message>
    <message>
        <source>Гру успішно завантажено... Для продовження натисніть на кнопку...</source>
        <translation>The game has been loaded... Press the button to continue...</translation>
    </message>
    <message>
        <source>Не вдалося прочитати таблицю рекордів: %1</source>
        <translation>The records table could not be read: %1</translation>
    </message>
    <message>
        <source>Не вдалося записати таблицю рекордів: %1 Попередня таблиця рекордів лишилася без змін.</source>
        <translation>The records table could not be written: %1 The previous records table is unchanged.</translation>
    </message>
    <message>
        <source>Не вдалося прочитати налаштування: %1 Діють звичайні налаштування, а файл лишився без змін.</source>
        <translation>The settings could not be read: %1 The usual settings apply, and the file is left unchanged.</translation>
    </message>
    <message>
        <source>Налаштування</source>
        <translation>Settings</translation>
    </message>
    <message>
        <source>Не вдалося зберегти налаштування: %1 Гра триває з вибраними налаштуваннями, але наступного разу вони не відновляться.</source>
        <translation>The settings could not be saved: %1 The game goes on with the chosen settings, but they will not come back next time.</translation>
    </message>
    <message>
        <source>Статистика цього разу не ведеться: %1 Файл статистики лишився без змін.</source>
        <translation>No statistics are kept this time: %1 The statistics file is left unchanged.</translation>
    </message>
    <message>
        <source>Статистика</source>
        <translation>Statistics</translation>
    </message>
    <message>
        <source>Номер гри (ціле число від 1 до 2 000 000 000):</source>
        <translation>Game number (a whole number from 1 to 2,000,000,000):</translation>
    </message>
    <message>
        <source>Гра за номером</source>
        <translation>Game by number</translation>
    </message>
    <message>
        <source>«%1» — не номер гри. Номер гри — ціле число від 1 до 2 000 000 000.</source>
        <translation>“%1” is not a game number. A game number is a whole number from 1 to 2,000,000,000.</translation>
    </message>
    <message>
        <source>Пауза... Для продовження натисніть на кнопку...</source>
        <translation>Paused... Press the button to continue...</translation>
    </message>
    <message>
        <source>Пауза!</source>
        <translation>Pause!</translation>
    </message>
</context>
<context>
    <name>Plates</name>
    <message>
        <source>Зробити ставку</source>
        <translation>Place bet</translation>
    </message>
    <message>
        <source>Тягнути</source>
        <translation>Draw</translation>
    </message>
    <message>
        <source>Досить</source>
        <translation>Stand</translation>
    </message>
    <message>
        <source>Далі</source>
        <translation>Next</translation>
    </message>
    <message>
        <source>Назад</source>
        <translation>Back</translation>
    </message>
</context>
<context>
    <name>PointsChart</name>
    <message>
        <source>Частка виграних раундів за очками Гравця</source>
        <translation>Share of rounds won by your points</translation>
    </message>
    <message>
        <source>%1: %2 (%3 з %4)</source>
        <translation>%1: %2 (%3 of %4)</translation>
    </message>
</context>
<context>
    <name>PurseChart</name>
    <message>
        <source>Гроші Гравця в останній грі</source>
        <translation>Your purse in the last game</translation>
    </message>
    <message>
        <source>Раундів: %1. Після першого — %2, після останнього — %3, найменше %4, найбільше %5.</source>
        <translation>Rounds: %1. After the first — %2, after the last — %3, lowest %4, highest %5.</translation>
    </message>
</context>
<context>
    <name>RecordsWindow</name>
    <message>
        <source>Рекорди</source>
        <translation>Records</translation>
    </message>
    <message>
        <source>Найкраща десятка:</source>
        <translation>Top ten:</translation>
    </message>
    <message>
        <source>Анонім</source>
        <translation>Anonymous</translation>
    </message>
    <message>
        <source>Місце %1</source>
        <translation>Place %1</translation>
    </message>
    <message>
        <source>%1: немає</source>
        <translation>%1: none</translation>
    </message>
    <message>
        <source>%1, очки: немає</source>
        <translation>%1, score: none</translation>
    </message>
    <message>
        <source>без імені</source>
        <translation>no name</translation>
    </message>
    <message>
        <source>%1, очки: %2</source>
        <translation>%1, score: %2</translation>
    </message>
</context>
<context>
    <name>RulesWindow</name>
    <message>
        <source>1. На початку гри Банківник роздає по дві карти і Гравець робить ставку. </source>
        <translation>1. The Banker deals two cards to each side, and the Player places a bet.</translation>
    </message>
    <message>
        <source>2 .Задача Гравця набрати більше очок ніж Банківник, але не більше 21.</source>
        <translation>2. The Player&apos;s aim is to score more points than the Banker, but no more than 21.</translation>
    </message>
    <message>
        <source>3. Для набору очок Гравець може взяти із колоди додатково до трьох карт.</source>
        <translation>3. To score points the Player may draw up to three more cards from the deck.</translation>
    </message>
    <message>
        <source>4. Карта з картинкою дає 10 очок, туз - 11 або 1 очко, усі інші - за номіналом.</source>
        <translation>4. A picture card counts 10 points, an ace 11 or 1, every other card its face value.</translation>
    </message>
    <message>
        <source>5. Перемагає той, хто набере більше очок ніж опонент, але не більше 21.</source>
        <translation>5. Whoever scores more points than the opponent, but no more than 21, wins.</translation>
    </message>
    <message>
        <source>6. Якщо Гравець та Банківник набрали очок порівну - оголошується нічия.</source>
        <translation>6. If the Player and the Banker score the same points, the round is a draw.</translation>
    </message>
    <message>
        <source>7. Якщо Гравець та Банківник набрали більше 21 - оголошується нічия.</source>
        <translation>7. If the Player and the Banker both score more than 21, the round is a draw.</translation>
    </message>
    <message>
        <source>8. Гра триває поки у Гравця або Банківника не закінчаться гроші.</source>
        <translation>8. The game goes on until the Player&apos;s or the Banker&apos;s purse is empty.</translation>
    </message>
    <message>
        <source>9. Гравець, який найшвидше обіграє Банківника, має можливість потрапити в таблицю рекордів.</source>
        <translation>9. A Player who beats the Banker quickly may get into the records table.</translation>
    </message>
    <message>
        <source>Допомога</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>Правила гри:</source>
        <translation>Rules of the game:</translation>
    </message>
</context>
<context>
    <name>SettingsWindow</name>
    <message>
        <source>Налаштування</source>
        <translation>Settings</translation>
    </message>
    <message>
        <source>&amp;Музика</source>
        <translation>&amp;Music</translation>
    </message>
    <message>
        <source>&amp;Звуки</source>
        <translation>&amp;Sounds</translation>
    </message>
    <message>
        <source>&amp;Швидкість анімації</source>
        <translation>&amp;Animation speed</translation>
    </message>
    <message>
        <source>&amp;Підказки</source>
        <translation>&amp;Hints</translation>
    </message>
    <message>
        <source>&amp;Висока контрастність</source>
        <translation>Hi&amp;gh contrast</translation>
    </message>
    <message>
        <source>Гучність музики</source>
        <translation>Music volume</translation>
    </message>
    <message>
        <source>Гучність звуків</source>
        <translation>Sounds volume</translation>
    </message>
    <message>
        <source>Повільно</source>
        <translation>Slow</translation>
    </message>
    <message>
        <source>Звичайно</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>Швидко</source>
        <translation>Fast</translation>
    </message>
    <message>
        <source>Миттєво</source>
        <translation>Instant</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Скасувати</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>StatisticsWindow</name>
    <message>
        <source>Ігор зіграно:</source>
        <translation>Games played:</translation>
    </message>
    <message>
        <source>Ігор зіграно</source>
        <translation>Games played</translation>
    </message>
    <message>
        <source>виграно:</source>
        <translation>won:</translation>
    </message>
    <message>
        <source>Ігор виграно</source>
        <translation>Games won</translation>
    </message>
    <message>
        <source>програно:</source>
        <translation>lost:</translation>
    </message>
    <message>
        <source>Ігор програно</source>
        <translation>Games lost</translation>
    </message>
    <message>
        <source>Раундів виграно:</source>
        <translation>Rounds won:</translation>
    </message>
    <message>
        <source>Раундів виграно</source>
        <translation>Rounds won</translation>
    </message>
    <message>
        <source>внічию:</source>
        <translation>drawn:</translation>
    </message>
    <message>
        <source>Раундів внічию</source>
        <translation>Rounds drawn</translation>
    </message>
    <message>
        <source>Раундів програно</source>
        <translation>Rounds lost</translation>
    </message>
    <message>
        <source>Найдовша серія виграних раундів:</source>
        <translation>Longest winning streak:</translation>
    </message>
    <message>
        <source>Найдовша серія виграних раундів</source>
        <translation>Longest winning streak</translation>
    </message>
    <message>
        <source>Найдовша серія програних раундів:</source>
        <translation>Longest losing streak:</translation>
    </message>
    <message>
        <source>Найдовша серія програних раундів</source>
        <translation>Longest losing streak</translation>
    </message>
    <message>
        <source>Найбільший виграний банк:</source>
        <translation>Biggest pot won:</translation>
    </message>
    <message>
        <source>Найбільший виграний банк</source>
        <translation>Biggest pot won</translation>
    </message>
    <message>
        <source>Найкращий результат:</source>
        <translation>Best score:</translation>
    </message>
    <message>
        <source>Найкращий результат</source>
        <translation>Best score</translation>
    </message>
    <message>
        <source>Збіг із кращим ходом:</source>
        <translation>Matched the better move:</translation>
    </message>
    <message>
        <source>Збіг із кращим ходом</source>
        <translation>Matched the better move</translation>
    </message>
    <message>
        <source>статистика-21.csv</source>
        <translation>statistics-21.csv</translation>
    </message>
    <message>
        <source>Ще не зіграно жодного раунду.</source>
        <translation>No round has been played yet.</translation>
    </message>
    <message>
        <source>Статистика недоступна.</source>
        <translation>Statistics are unavailable.</translation>
    </message>
    <message>
        <source>Гроші Гравця в останній грі</source>
        <translation>Your purse in the last game</translation>
    </message>
    <message>
        <source>Виграні раунди за очками Гравця</source>
        <translation>Rounds won by your points</translation>
    </message>
    <message>
        <source>Скинути…</source>
        <translation>Reset…</translation>
    </message>
    <message>
        <source>Видалити всі записи статистики</source>
        <translation>Delete every statistics entry</translation>
    </message>
    <message>
        <source>Експорт CSV…</source>
        <translation>Export CSV…</translation>
    </message>
    <message>
        <source>Записати всі раунди у файл CSV</source>
        <translation>Write every round to a CSV file</translation>
    </message>
    <message>
        <source>Статистика</source>
        <translation>Statistics</translation>
    </message>
    <message>
        <source>%1 (%2 з %3)</source>
        <translation>%1 (%2 of %3)</translation>
    </message>
    <message>
        <source>немає</source>
        <translation>none</translation>
    </message>
    <message>
        <source>Скинути всю статистику? Цю дію не можна скасувати.</source>
        <translation>Reset all statistics? This cannot be undone.</translation>
    </message>
    <message>
        <source>Не вдалося скинути статистику: %1</source>
        <translation>The statistics could not be reset: %1</translation>
    </message>
    <message>
        <source>Експорт статистики</source>
        <translation>Export statistics</translation>
    </message>
    <message>
        <source>Не вдалося експортувати статистику: %1</source>
        <translation>The statistics could not be exported: %1</translation>
    </message>
</context>
<context>
    <name>TableText</name>
    <message>
        <source>Переміг Банківник</source>
        <translation>The Banker wins</translation>
    </message>
    <message>
        <source>Переміг Гравець</source>
        <translation>You win</translation>
    </message>
    <message>
        <source>Нічия</source>
        <translation>It&apos;s a draw</translation>
    </message>
    <message>
        <source>Очок у Гравця - %1. Очок у Банківника - %2</source>
        <translation>Your points:%1. The Banker&apos;s points:%2</translation>
    </message>
</context>
<context>
    <name>TableWindow</name>
    <message>
        <source>Карти Банківника:</source>
        <translation>Banker&apos;s cards:</translation>
    </message>
    <message>
        <source>Гроші Банківника:</source>
        <translation>Banker&apos;s purse:</translation>
    </message>
    <message>
        <source>На кону:</source>
        <translation>Pot:</translation>
    </message>
    <message>
        <source>Гроші Гравця:</source>
        <translation>Your purse:</translation>
    </message>
    <message>
        <source>Ставка:</source>
        <translation>Stake:</translation>
    </message>
    <message>
        <source>Карти Гравця:</source>
        <translation>Your cards:</translation>
    </message>
    <message>
        <source>Колода</source>
        <translation>Deck</translation>
    </message>
    <message>
        <source>Клацніть, щоб узяти карту</source>
        <translation>Click to draw a card</translation>
    </message>
    <message>
        <source>Гра</source>
        <translation>Game</translation>
    </message>
    <message>
        <source>Про гру</source>
        <translation>About</translation>
    </message>
    <message>
        <source>Нова гра</source>
        <translation>New game</translation>
    </message>
    <message>
        <source>Гра за номером…</source>
        <translation>Game by number…</translation>
    </message>
    <message>
        <source>Завантажити</source>
        <translation>Load</translation>
    </message>
    <message>
        <source>Зберегти</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>Музика</source>
        <translation>Music</translation>
    </message>
    <message>
        <source>Звуки</source>
        <translation>Sounds</translation>
    </message>
    <message>
        <source>Анімація</source>
        <translation>Animation</translation>
    </message>
    <message>
        <source>Підказки</source>
        <translation>Hints</translation>
    </message>
    <message>
        <source>Висока контрастність</source>
        <translation>High contrast</translation>
    </message>
    <message>
        <source>Налаштування…</source>
        <translation>Settings…</translation>
    </message>
    <message>
        <source>Статистика</source>
        <translation>Statistics</translation>
    </message>
    <message>
        <source>Рекорди</source>
        <translation>Records</translation>
    </message>
    <message>
        <source>Пауза</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Вихід</source>
        <translation>Exit</translation>
    </message>
    <message>
        <source>Правила</source>
        <translation>Rules</translation>
    </message>
    <message>
        <source>Розробники</source>
        <translation>Developers</translation>
    </message>
    <message>
        <source>Клавіші</source>
        <translation>Keys</translation>
    </message>
    <message>
        <source>Гра №%1</source>
        <translation>Game #%1</translation>
    </message>
    <message>
        <source>Номер гри невідомий</source>
        <translation>Game number unknown</translation>
    </message>
    <message>
        <source>Масштаб</source>
        <translation>Zoom</translation>
    </message>
    <message>
        <source>На весь екран</source>
        <translation>Full screen</translation>
    </message>
    <message>
        <source>Збільшити</source>
        <translation>Zoom in</translation>
    </message>
    <message>
        <source>Зменшити</source>
        <translation>Zoom out</translation>
    </message>
    <message>
        <source>Звичайний розмір</source>
        <translation>Actual size</translation>
    </message>
</context>
</TS>
