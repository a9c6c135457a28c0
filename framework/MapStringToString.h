// CMapStringToString: strings to strings.
#pragma once

#include "MapT.h"

class CMapStringToString : public CMapT<CString> {};
