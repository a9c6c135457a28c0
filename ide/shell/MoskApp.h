// CMoskApp: the application object of the program: the headless start-up
// and close of CJavaIDEApp with the main window behind its hooks.
#pragma once

#include "JavaIDEApp.h"
#include "RecentFileList.h"

#include <QPointer>

#include <memory>

class CMainFrame;
class CSplashWnd;

class CMoskApp : public CJavaIDEApp {
public:
    explicit CMoskApp(const CSystemColors& colors);
    ~CMoskApp() override;

    // The main window; null before start-up step 7.
    CMainFrame* GetMainFrame() const { return m_pFrame.get(); }
    CRecentFileList& GetRecentFiles() { return m_recent; }
    // TRUE when $MOSK_NO_FIRST_RUN is 1: scripted and test starts never wait
    // for the first-run information, the Directories dialog or the tip.
    static BOOL IsFirstRunSuppressed();

protected:
    BOOL EnableSplash() override;
    BOOL ShowFirstRunInfo(BOOL& bDontShowAgain) override;
    void ShowDirectoriesDialog() override;
    BOOL LoadMainFrame() override;
    void ShowTipOfTheDay() override;
    void FinishMainWindow() override;
    void LoadRecentFileList(int nLength) override;
    // Step 7: the main window and its layout from the settings.
    BOOL CreateMainFrameObject() override;
    int GetScreenLogPixelsY() override;
    CString GetShippedFilesFolder() override;
    // "DEFAULTMOSKINI" in "MGB.INI" and "classes.zip" on the class path (the GUI builder's start-up steps).
    BOOL UpdateGuiBuilderSettings() override;
    std::unique_ptr<CAppProjectHost> CreateProjectHost() override;
    // Step 13: bars, splitters and the window's place restored, then shown.
    BOOL ShowMainFrame() override;
    BOOL OpenDocumentFile(const char* pszPath) override;
    BOOL IsMainWindowMinimised() override;
    void SaveMainFrameLayout() override;
    void ApplyEditorSettingsToViews() override;
    void ApplyEditorFontToViews() override;
    // A modified project: "Save changes to ...?" Yes saves, No goes on, Cancel keeps the program open.
    BOOL SaveModifiedProject() override;
    // The close checks' debugger step: the kill confirmation and the exit command of the main window's debugger.
    BOOL ConfirmDebuggerKill() override;
    void SendDebuggerExit() override;
    // The close's wait for the index threads: a running build of the system index is aborted first.
    void WaitForSearchIndexLoaders() override;

private:
    CRecentFileList m_recent;
    std::unique_ptr<CMainFrame> m_pFrame;
    BOOL m_bSplashEnabled = FALSE;
    QPointer<CSplashWnd> m_pSplash;
};
