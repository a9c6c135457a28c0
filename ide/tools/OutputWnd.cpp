#include "OutputWnd.h"

COutputWnd::COutputWnd() = default;

COutputWnd::~COutputWnd() = default;
