#include "ProcOutputView.h"

CProcOutputView::CProcOutputView() = default;

CProcOutputView::~CProcOutputView() = default;
