#pragma once

#include "odds.h"
#include "simulation.h"

#include <QJsonObject>
#include <QString>

// What twentyone-sim prints: plain text for people, JSON for programs.
namespace output {

QString simulationText(const SimulationSettings &settings, const SimulationResult &result);
QJsonObject simulationJson(const SimulationResult &result);

QString oddsText(const odds::Figures &figures);
QJsonObject oddsJson(const odds::Figures &figures);

} // namespace output
