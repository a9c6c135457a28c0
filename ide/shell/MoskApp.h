// CMoskApp: the application object of the program: the headless start-up
// and close of CJavaIDEApp with the main window behind its hooks.
#pragma once

#include "JavaIDEApp.h"

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
    BOOL CreateMainFrameObject() override;
    int GetScreenLogPixelsY() override;
    CString GetShippedFilesFolder() override;
    BOOL ShowMainFrame() override;
    BOOL OpenDocumentFile(const char* pszPath) override;
    BOOL IsMainWindowMinimised() override;

private:
    std::unique_ptr<CMainFrame> m_pFrame;
    BOOL m_bSplashEnabled = FALSE;
    QPointer<CSplashWnd> m_pSplash;
};
