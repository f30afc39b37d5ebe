#include "app/TfrmOProgramie.h"
