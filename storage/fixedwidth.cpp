#include "fixedwidth.h"
// Placeholder until the field codecs land.
