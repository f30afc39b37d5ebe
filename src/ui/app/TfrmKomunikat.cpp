#include "app/TfrmKomunikat.h"
