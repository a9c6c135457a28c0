// COutputWnd: the model of the output pane at the bottom of the main
// window. Compiler reports, program output and the completion texts are
// written here; the rest (appending, error-line navigation, Find Next /
// Previous Error) is the shared output text.
#pragma once

#include "OutputText.h"

class COutputWnd : public COutputText {
public:
    COutputWnd();
    ~COutputWnd() override;
};
