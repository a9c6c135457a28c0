// CMapStringToPtr: strings to untyped pointers; owns nothing.
#pragma once

#include "MapT.h"

class CMapStringToPtr : public CMapT<void*> {};
