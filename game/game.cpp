#include "game.h"
#include "random.h"

#include <utility>

Game::Game(GameState &state, Vars &vars, TableView &table, RandomSource &random, QString baseDir)
    : m_state(state), m_vars(vars), m_table(table), m_random(random), m_baseDir(std::move(baseDir))
{
}
