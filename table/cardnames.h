#pragma once

#include "tableview.h"

#include <QString>

// The words a screen reader says for the table: cards, card slots, the
// figures beside their captions, and the image buttons with their keys.
namespace cardnames {

// "сімка червова", "туз піковий"; empty for a code that is no card.
QString card(int code);

// The points a card counts: "7 очок", "2 очки", "11 або 1 очко" for an ace;
// empty for a code that is no card.
QString points(int code);

// What a card slot shows.
enum class Slot { Empty, FaceDown, FaceUp };

// Slots are 0-based as in TableView: slot i holds hand card i + 1.
// "Ваша карта 3: сімка червова", "Карта Банківника 1: лежить сорочкою
// догори", "Ваша карта 4: немає". A face-up slot with a code that is no
// card shows nothing, so it reads as empty.
QString slotName(TableView::Side side, int slot, Slot shows, int code = 0);
// The points of a face-up card; for a face-down one, that it is not yet
// turned up; empty otherwise.
QString slotDescription(Slot shows, int code = 0);

// A figure with its caption, from the text the label shows:
// "Гроші Гравця: 95", "На кону: 10", "Ставка: 5"; an empty text reads
// "немає" (the pot before the first bet).
QString figureName(TableView::Label label, const QString &shown);

// "Зробити ставку", "Тягнути", "Досить", "Далі".
QString buttonName(TableView::Button button);
// The keys that press it: "Клавіша D", "Клавіша S або Enter".
QString buttonDescription(TableView::Button button);

// The arrows beside "Ставка:".
QString stakeSpinnerName();
QString stakeSpinnerDescription();

} // namespace cardnames
