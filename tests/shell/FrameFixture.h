// The main window as the program makes it: an application object started
// through its whole start-up in a temporary settings folder (a "mosk.ini"
// written first), with the human scripted at the seams.
#pragma once

#include "FixedSystemColors.h"
#include "MoskApp.h"
#include "ScriptedUserInterface.h"
#include "TempFolder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <memory>
#include <string>

class CMainFrame;

class FrameTest : public ::testing::Test {
protected:
    FrameTest();
    ~FrameTest() override;

    // Starts the program over a "mosk.ini" holding strIni (first-run dialogs
    // and the tip of the day are turned off); FALSE when start-up failed.
    bool Start(const std::string& strIni = std::string());
    // Closes the main window (the close checks run); true when it closed.
    bool Close();
    // Ends the application object (what the program does after its loop).
    void Stop();
    CMainFrame& Frame() const { return *m_pApp->GetMainFrame(); }
    CMoskApp& App() const { return *m_pApp; }
    CString IniPath() const { return m_settings.File("config/mosk.ini"); }
    std::string Ini() const { return ReadWholeFile(IniPath()); }
    // Writes a source file in the work folder; returns its path.
    CString WriteSource(const char* pszName, const std::string& strText) { return m_folder.Write(pszName, strText); }
    // Pumps the event loop until fnDone holds; false after nMilliseconds.
    static bool WaitFor(const std::function<bool()>& fnDone, int nMilliseconds = 60000);

    std::filesystem::path m_keepFolder;   // opening a project changes the current folder
    CTempFolder m_settings;
    CTempFolder m_folder;
    CScriptedUserInterface m_ui;
    CFixedSystemColors m_colors;
    std::unique_ptr<CMoskApp> m_pApp;
};
