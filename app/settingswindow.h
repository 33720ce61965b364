#pragma once

#include "settings.h"

#include <QDialog>

class QCheckBox;
class QComboBox;
class QGridLayout;
class QLabel;
class QPushButton;
class QSlider;

// "Налаштування": the player's switches and choices in one modal dialog,
// laid out so any font fits. It edits a copy of the settings; OK hands the
// copy back, "Скасувати" (or Esc, or the close box) drops it.
//
// "Миттєво" is the animation switched off: it is shown whenever AnimationOn
// is false (or the speed itself is instant). Choosing it switches the
// animation off and remembers the speed as instant; choosing any other speed
// switches the animation on at that speed. Left as shown, the combo changes
// neither AnimationOn nor the speed, so a speed kept while the animation is
// off comes back when it is switched on again.
class SettingsWindow final : public QDialog
{
    Q_OBJECT

public:
    explicit SettingsWindow(const Settings &settings, QWidget *parent = nullptr);

    // After OK: the settings as edited. Otherwise: those given, unchanged.
    Settings settings() const;

protected:
    void changeEvent(QEvent *event) override;

private:
    void retranslate();
    QSlider *addVolume(QGridLayout &grid, int row, const QString &objectName, int percent);

    Settings m_given;
    int m_shownSpeed = 0;
    QCheckBox *m_musicOn;
    QSlider *m_musicVolume;
    QCheckBox *m_soundsOn;
    QSlider *m_effectsVolume;
    QComboBox *m_animationSpeed;
    QCheckBox *m_hints;
    QCheckBox *m_highContrast;
    QLabel *m_speedLabel;
    QPushButton *m_ok;
    QPushButton *m_cancel;
};
