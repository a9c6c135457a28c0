#include "VarInnerInterface.h"

MOSK_IMPLEMENT_SERIAL(CVarInnerInterface, CVarInterface, VERSIONABLE_SCHEMA | CVarObject::CURRENT_SCHEMA)
