#include "app/Ustawienia.h"
