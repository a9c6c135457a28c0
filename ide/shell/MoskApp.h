// CMoskApp: the application object of the program: the headless start-up
// and close of CJavaIDEApp with the main window behind its hooks.
#pragma once

#include "JavaIDEApp.h"

#include <memory>

class CMainFrame;

class CMoskApp : public CJavaIDEApp {
public:
    explicit CMoskApp(const CSystemColors& colors);
    ~CMoskApp() override;

    // The main window; null before start-up step 7.
    CMainFrame* GetMainFrame() const { return m_pFrame.get(); }

protected:
    BOOL CreateMainFrameObject() override;
    int GetScreenLogPixelsY() override;
    CString GetShippedFilesFolder() override;
    BOOL ShowMainFrame() override;
    BOOL OpenDocumentFile(const char* pszPath) override;
    BOOL IsMainWindowMinimised() override;

private:
    std::unique_ptr<CMainFrame> m_pFrame;
};
