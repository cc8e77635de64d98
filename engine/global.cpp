#include "engine/global.h"

Global global;
