#include "VarPackage.h"

MOSK_IMPLEMENT_SERIAL(CVarPackage, CVarObject, VERSIONABLE_SCHEMA | CVarObject::CURRENT_SCHEMA)
