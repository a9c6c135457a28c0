// CDWordArray: a growable array of 32-bit values.
#pragma once

#include "ArrayT.h"

class CDWordArray : public CArrayT<DWORD> {};
