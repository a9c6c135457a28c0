#include "VarBlockComment.h"

MOSK_IMPLEMENT_SERIAL(CVarBlockComment, CVarPattern, 1)
