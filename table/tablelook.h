#pragma once

#include <QColor>
#include <QStringView>

class QWidget;

// Every colour the table paints text and backgrounds in. normal() is the
// game's own look; highContrast() keeps each side's hue (the banker warm,
// the player cool) on a darker cloth and lifts every text to at least
// 4.5:1 against what lies behind it.
struct TableLook
{
    QColor table;      // the cloth, also behind every opaque label
    QColor bankerText; // Label1 "Карти Банківника:", Label5 "Гроші Банківника:", Label4
    QColor playerText; // Label2 "Карти Гравця:", Label9 "На кону:", Label11 "Гроші Гравця:", Label12, Label13 "Ставка:"
    QColor figureText; // Label8 the pot, Label14 the stake
    QColor resultText; // Label6 and Label7, the lines of a settled round
    // The rings over an image button's edge: keyboard focus, and the
    // better move the hint points to.
    QColor focusFrame;
    QColor moveHighlight;
    // The hint panel's plate (it may be translucent over the cloth), its
    // lines and the lines it stresses.
    QColor hintBackground;
    QColor hintText;
    QColor hintAccent;

    static TableLook normal();
    static TableLook highContrast();
    static TableLook forHighContrast(bool on) { return on ? highContrast() : normal(); }

    // The text colour of the table label with this objectName; invalid for
    // any other name.
    QColor labelText(QStringView objectName) const;

    // Colours the cloth and every label on it: the widget the labels sit on.
    void apply(QWidget *tableWidget) const;

    friend bool operator==(const TableLook &, const TableLook &) = default;
};

// The WCAG contrast ratio of two opaque colours, 1 to 21.
double contrastRatio(const QColor &first, const QColor &second);

// What a translucent colour looks like painted over an opaque one.
QColor paintedOver(const QColor &top, const QColor &below);

// The text colour itself when it already reaches minimumRatio against the
// background; otherwise the least blend of it towards white (or black, on
// a light background) that does, so its hue still shows.
QColor readableOn(const QColor &text, const QColor &background, double minimumRatio);
