// CStringArray: a growable array of strings.
#pragma once

#include "ArrayT.h"
#include "String.h"

class CStringArray : public CArrayT<CString> {};
