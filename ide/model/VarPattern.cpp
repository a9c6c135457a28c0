#include "VarPattern.h"

MOSK_IMPLEMENT_SERIAL(CVarPattern, CVarObject, 1)
