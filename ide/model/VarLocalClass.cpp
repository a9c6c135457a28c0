#include "VarLocalClass.h"

MOSK_IMPLEMENT_SERIAL(CVarLocalClass, CVarInnerClass, VERSIONABLE_SCHEMA | CVarObject::CURRENT_SCHEMA)
