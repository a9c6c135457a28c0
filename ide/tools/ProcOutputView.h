// CProcOutputView: the view of an MDI output window, showing what one child
// process writes. It appends and navigates as the output pane does.
#pragma once

#include "OutputText.h"

class CProcOutputView : public COutputText {
public:
    CProcOutputView();
    ~CProcOutputView() override;
};
