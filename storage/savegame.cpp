#include "savegame.h"
