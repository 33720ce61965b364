#include "settingswindow.h"

#include "artwork.h"

#include <QEvent>
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QSlider>
#include <QVBoxLayout>

namespace {

// The table's green, as behind the records and the rules.
const QColor TableGreen(0, 128, 0);

QString percentText(int percent)
{
    return QStringLiteral("%1 %").arg(percent);
}

bool isInstant(const Settings &settings)
{
    return !settings.AnimationOn || settings.animationSpeed == AnimationSpeed::Instant;
}

} // namespace

SettingsWindow::SettingsWindow(const Settings &settings, QWidget *parent)
    : QDialog(parent)
    , m_given(settings)
{
    setObjectName(QStringLiteral("settingsWindow"));
    setWindowIcon(artwork::appIcon());
    setModal(true);

    QPalette pal = palette();
    pal.setColor(QPalette::Window, TableGreen);
    pal.setColor(QPalette::WindowText, Qt::white);
    setPalette(pal);
    setAutoFillBackground(true);

    auto *grid = new QGridLayout;
    grid->setColumnStretch(1, 1);

    // Created in reading order, which is also the Tab order.
    m_musicOn = new QCheckBox(this);
    m_musicOn->setObjectName(QStringLiteral("musicOn"));
    m_musicOn->setChecked(settings.MusicOn);
    grid->addWidget(m_musicOn, 0, 0);
    m_musicVolume = addVolume(*grid, 0, QStringLiteral("musicVolume"), settings.musicVolume);

    m_soundsOn = new QCheckBox(this);
    m_soundsOn->setObjectName(QStringLiteral("soundsOn"));
    m_soundsOn->setChecked(settings.SoundsOn);
    grid->addWidget(m_soundsOn, 1, 0);
    m_effectsVolume = addVolume(*grid, 1, QStringLiteral("effectsVolume"), settings.effectsVolume);

    auto *speedLabel = m_speedLabel = new QLabel(this);
    speedLabel->setObjectName(QStringLiteral("animationSpeedLabel"));
    m_animationSpeed = new QComboBox(this);
    m_animationSpeed->setObjectName(QStringLiteral("animationSpeed"));
    for (AnimationSpeed speed : {AnimationSpeed::Slow, AnimationSpeed::Normal, AnimationSpeed::Fast,
                                 AnimationSpeed::Instant})
        m_animationSpeed->addItem(QString(), static_cast<int>(speed));
    const AnimationSpeed shown = isInstant(settings) ? AnimationSpeed::Instant : settings.animationSpeed;
    m_shownSpeed = m_animationSpeed->findData(static_cast<int>(shown));
    m_animationSpeed->setCurrentIndex(m_shownSpeed);
    speedLabel->setBuddy(m_animationSpeed);
    grid->addWidget(speedLabel, 2, 0);
    grid->addWidget(m_animationSpeed, 2, 1, 1, 2);

    m_hints = new QCheckBox(this);
    m_hints->setObjectName(QStringLiteral("hints"));
    m_hints->setChecked(settings.hints);
    grid->addWidget(m_hints, 3, 0, 1, 3);

    m_highContrast = new QCheckBox(this);
    m_highContrast->setObjectName(QStringLiteral("highContrast"));
    m_highContrast->setChecked(settings.highContrast);
    grid->addWidget(m_highContrast, 4, 0, 1, 3);

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    // The box makes OK the default: Enter accepts.
    m_ok = buttons->button(QDialogButtonBox::Ok);
    m_ok->setObjectName(QStringLiteral("okButton"));
    m_cancel = buttons->button(QDialogButtonBox::Cancel);
    m_cancel->setObjectName(QStringLiteral("cancelButton"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addSpacing(fontMetrics().height() / 2);
    layout->addWidget(buttons);
    // The dialog grows with its font and cannot be shrunk over its texts.
    layout->setSizeConstraint(QLayout::SetFixedSize);
    retranslate();
}

void SettingsWindow::retranslate()
{
    setWindowTitle(tr("Налаштування"));
    m_musicOn->setText(tr("&Музика"));
    m_soundsOn->setText(tr("&Звуки"));
    m_speedLabel->setText(tr("&Швидкість анімації"));
    m_hints->setText(tr("&Підказки"));
    m_highContrast->setText(tr("&Висока контрастність"));
    const std::pair<QSlider *, QString> volumes[] = {
        {m_musicVolume, tr("Гучність музики")},
        {m_effectsVolume, tr("Гучність звуків")},
    };
    for (const auto &[slider, name] : volumes) {
        slider->setAccessibleName(name);
        slider->setToolTip(name);
    }
    const QString speeds[] = {tr("Повільно"), tr("Звичайно"), tr("Швидко"), tr("Миттєво")};
    for (int i = 0; i < m_animationSpeed->count(); ++i)
        m_animationSpeed->setItemText(i, speeds[i]);
    m_ok->setText(tr("OK"));
    m_cancel->setText(tr("Скасувати"));
}

void SettingsWindow::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QDialog::changeEvent(event);
}

// The slider and its figure, beside the switch in column 0 of `row`.
QSlider *SettingsWindow::addVolume(QGridLayout &grid, int row, const QString &objectName, int percent)
{
    auto *slider = new QSlider(Qt::Horizontal, this);
    slider->setObjectName(objectName);
    slider->setRange(0, 100);
    slider->setPageStep(10);
    slider->setValue(percent);
    // Long enough to aim at a percent, at any font.
    slider->setMinimumWidth(slider->fontMetrics().averageCharWidth() * 16);

    auto *value = new QLabel(this);
    value->setObjectName(objectName + QStringLiteral("Value"));
    value->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    // Wide enough for the widest value, so the slider keeps its length.
    value->setMinimumWidth(value->fontMetrics().horizontalAdvance(percentText(100)));
    value->setText(percentText(slider->value()));
    connect(slider, &QSlider::valueChanged, value, [value](int now) { value->setText(percentText(now)); });

    grid.addWidget(slider, row, 1);
    grid.addWidget(value, row, 2);
    return slider;
}

Settings SettingsWindow::settings() const
{
    if (result() != QDialog::Accepted)
        return m_given;
    Settings edited = m_given;
    edited.MusicOn = m_musicOn->isChecked();
    edited.musicVolume = m_musicVolume->value();
    edited.SoundsOn = m_soundsOn->isChecked();
    edited.effectsVolume = m_effectsVolume->value();
    edited.hints = m_hints->isChecked();
    edited.highContrast = m_highContrast->isChecked();
    if (m_animationSpeed->currentIndex() != m_shownSpeed) {
        const auto speed = static_cast<AnimationSpeed>(m_animationSpeed->currentData().toInt());
        edited.animationSpeed = speed;
        edited.AnimationOn = speed != AnimationSpeed::Instant;
    }
    return edited;
}
