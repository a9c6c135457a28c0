// CChildFrame: the document window of one source file inside the main
// window's document area. It owns the document and its view, shows the
// view's control in a CRichEditWidget with a margin of line glyphs, keeps
// its title equal to the document's, delivers what the view posts itself,
// shows the Go To and Find / Replace dialogs and the context menu, and asks
// to save a modified document before it closes.
#pragma once

#include "Document.h"
#include "JavaIDEViewFrame.h"

#include <QMdiSubWindow>

#include <memory>

class CFindReplaceDialog;
class CGlyphMargin;
class CJavaIDEDoc;
class CJavaIDEView;
class CJavaIDEViewHost;
class CRichEditWidget;
class QMenu;

class CChildFrame : public QMdiSubWindow, public IJavaIDEViewFrame, public IDocumentObserver {
    Q_OBJECT
public:
    // An empty window for pHost (not owned, may be null; must outlive the
    // window); OpenFile and NewFile make the usual ones.
    explicit CChildFrame(CJavaIDEViewHost* pHost, QWidget* pParent = nullptr);
    ~CChildFrame() override;

    // A window showing the file; null (nothing left behind) after the user
    // was told why it cannot be opened.
    static CChildFrame* OpenFile(const char* pszPath, CJavaIDEViewHost* pHost, QWidget* pParent = nullptr);
    // A window with a new untitled document.
    static CChildFrame* NewFile(CJavaIDEViewHost* pHost, QWidget* pParent = nullptr);

    CJavaIDEDoc* GetDocument() const { return m_pDoc.get(); }
    CJavaIDEView* GetView() const { return m_pView.get(); }
    CRichEditWidget* GetEditor() const { return m_pEditor; }
    CGlyphMargin* GetMargin() const { return m_pMargin; }
    // The find dialog once it was opened; null before.
    CFindReplaceDialog* GetFindDialog() const { return m_pFind; }

    // "&Save" and "Save &As..."; false when not saved.
    bool Save();
    bool SaveAs();
    // Asks to save a modified document; false when the user cancelled (or the save failed).
    bool CanClose();

    // Command nId of DocumentCommands.h: the view's own, else the main
    // window's (Run); false when nothing was done.
    bool ExecuteCommand(UINT nId);
    bool IsCommandEnabled(UINT nId) const;
    // The context menu at character nPos (the caller owns it); each action's data is its command.
    QMenu* CreateContextMenu(LONG nPos);
    // Shows that menu at globalPos and carries out the chosen command.
    void ShowContextMenu(const QPoint& globalPos, LONG nPos);

    // IJavaIDEViewFrame
    void BringToTop() override;
    void MaximizeFrame() override;
    void RedrawMargin() override;
    void MessagePosted() override;
    void PaintRequested() override;
    BOOL AskGotoLine(int& nLine) override;
    void ShowFindDialog(const char* pszText, BOOL bReplace) override;
    void CloseFrame() override;
    BOOL PrintDocument() override;

    // IDocumentObserver: the title follows the document's.
    void OnDocumentChanged(CDocument* pDoc) override;

protected:
    void closeEvent(QCloseEvent* pEvent) override;
    void showEvent(QShowEvent* pEvent) override;

private:
    void UpdateTitle();

    CJavaIDEViewHost* m_pHost;
    std::unique_ptr<CJavaIDEDoc> m_pDoc;
    std::unique_ptr<CJavaIDEView> m_pView;
    CRichEditWidget* m_pEditor;
    CGlyphMargin* m_pMargin;
    CFindReplaceDialog* m_pFind = nullptr;
    bool m_bDeliveryQueued = false;
    bool m_bPaintQueued = false;
};
