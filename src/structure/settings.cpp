#include "structure/settings.h"

Settings settings;
