// CMainFrame: the program's main window: the document area where source
// files open in their own windows, the menus and the status bar.
#pragma once

#include <QMainWindow>

class QMdiArea;
class CChildFrame;

class CMainFrame : public QMainWindow {
    Q_OBJECT
public:
    explicit CMainFrame(QWidget* pParent = nullptr);

    // Opens the file in a new document window, or brings forward the one
    // already showing it; false after telling the user why it cannot.
    bool OpenFile(const QString& strPath);
    // Opens an empty untitled document in a new document window.
    CChildFrame* NewFile();
    QMdiArea* GetMdiArea() const { return m_pMdiArea; }
    // The document window in front, null when there is none.
    CChildFrame* GetActiveSourceFrame() const;

protected:
    // Closes every document window first; one that refuses keeps the program open.
    void closeEvent(QCloseEvent* pEvent) override;

private:
    void CreateMenus();
    void OnFileOpen();
    void OnFileSave();
    void OnFileSaveAs();
    void OnFileClose();

    QMdiArea* m_pMdiArea;
};
