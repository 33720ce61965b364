#include "outputvolume.h"

#include <QAudio>

#include <algorithm>

float outputVolume(int percent)
{
    const float level = static_cast<float>(std::clamp(percent, 0, 100)) / 100.0f;
    return QAudio::convertVolume(level, QAudio::LogarithmicVolumeScale, QAudio::LinearVolumeScale);
}
