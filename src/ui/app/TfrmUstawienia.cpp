#include "app/TfrmUstawienia.h"
