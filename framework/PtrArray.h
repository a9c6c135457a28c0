// CPtrArray: a growable array of untyped pointers; owns nothing.
#pragma once

#include "ArrayT.h"

class CPtrArray : public CArrayT<void*> {};
