#include "VarCodeBlock.h"

MOSK_IMPLEMENT_DYNAMIC(CVarCodeBlock, CVarObject)
