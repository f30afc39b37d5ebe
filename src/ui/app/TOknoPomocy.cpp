#include "app/TOknoPomocy.h"
