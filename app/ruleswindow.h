#pragma once

#include "backwindow.h"

// "Form3": the rules of the game, nine numbered lines under a heading.
// Shown modally over the table window.
class RulesWindow final : public BackWindow
{
    Q_OBJECT

public:
    explicit RulesWindow(SoundSystem &sounds, QWidget *parent = nullptr);

protected:
    void retranslate() override;

private:
    QLabel *m_heading = nullptr;
    QList<QLabel *> m_lines;
};
