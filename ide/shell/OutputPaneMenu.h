// COutputPaneMenu: the context menu and keys of a window showing tool
// output (the output pane, an MDI output window): Find Next Error (F6) and
// Find Previous Error (Shift+F6), each enabled only when a ".java:" mark
// lies after (before) the selection; and Copy and Clear.
#pragma once

#include <QObject>

#include <functional>

class COutputText;
class CRichEditWidget;
class QMenu;

class COutputPaneMenu : public QObject {
    Q_OBJECT
public:
    enum : unsigned { ID_FIND_NEXT_ERROR = 1, ID_FIND_PREVIOUS_ERROR = 2, ID_COPY = 3, ID_CLEAR = 4 };

    // Installs the menu and keys on pWidget (which owns this object); fnText
    // gives the text shown there now (null once it is gone).
    COutputPaneMenu(CRichEditWidget* pWidget, std::function<COutputText*()> fnText);

    // The menu as it would open now (owned by the caller).
    QMenu* BuildMenu();
    // The menu's commands; FALSE when they found or did nothing.
    bool Run(unsigned nCommand);

private:
    CRichEditWidget* m_pWidget;
    std::function<COutputText*()> m_fnText;
};
