#pragma once

#include "backwindow.h"

#include <QList>
#include <QString>

// "Клавіші": what each key does at the table and in the menus, in two
// columns. Shown modally over the table window, like the rules.
class KeysWindow final : public BackWindow
{
    Q_OBJECT

public:
    struct Key
    {
        QString keys;
        QString action;
    };

    explicit KeysWindow(SoundSystem &sounds, QWidget *parent = nullptr);

    // Row i of a column is the pair of labels "tableKey_i" / "tableAction_i"
    // or "menuKey_i" / "menuAction_i".
    // In the language now.
    static QList<Key> tableKeys();
    static QList<Key> menuKeys();

protected:
    void retranslate() override;
};
