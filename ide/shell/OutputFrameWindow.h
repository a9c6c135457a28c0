// COutputFrameWindow: the document-area window of an MDI output window (the
// captured output of a user command). It paints the frame's text and asks
// the tool commands before it closes, which may keep it while the process runs.
#pragma once

#include <QMdiSubWindow>

class CMDIOutputFrame;
class CRichEditWidget;
class CToolCommands;

class COutputFrameWindow : public QMdiSubWindow {
    Q_OBJECT
public:
    // pFrame and tools (not owned) must outlive the window or Detach it first.
    COutputFrameWindow(CMDIOutputFrame* pFrame, CToolCommands& tools, QWidget* pParent = nullptr);
    ~COutputFrameWindow() override;

    CMDIOutputFrame* GetFrame() const { return m_pFrame; }
    CRichEditWidget* GetView() const { return m_pView; }
    // The frame is going: the window lets go of its text.
    void Detach();

protected:
    void closeEvent(QCloseEvent* pEvent) override;

private:
    CMDIOutputFrame* m_pFrame;
    CToolCommands& m_tools;
    CRichEditWidget* m_pView;
};
