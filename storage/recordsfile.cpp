#include "recordsfile.h"
