#include "app/TfrmNowy.h"
