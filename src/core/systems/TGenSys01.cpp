#include "systems/TGenSys01.h"
