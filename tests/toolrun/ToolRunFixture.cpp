#include "ToolRunFixture.h"

#include "TestJdk.h"

#include "ProgramRunner.h"
#include "RunThreads.h"

#include <QCoreApplication>

#include <chrono>
#include <thread>

const CSystemColors& CToolRunApp::Colors()
{
    static const CFixedSystemColors s_colors(RGB(250, 250, 240), RGB(0, 0, 0), RGB(0, 0, 200));
    return s_colors;
}

ToolRunTest::ToolRunTest() : m_keepFolder(std::filesystem::current_path())
{
    m_settings.SetAsAppFolders();
    CAppFolders::EnsureFolder(m_settings.File("config"));
    CAppFolders::EnsureFolder(m_settings.File("data"));
    m_pApp = std::make_unique<CToolRunApp>();
    EXPECT_TRUE(m_pApp->InitInstance(nullptr));
    // A run given a JDK of its own goes through the ExePath setting.
    m_pApp->m_DirSettings.m_strExePath = CTestJdk::ExePath();
    m_pDoc = m_pApp->GetProjectDoc();
    m_host.SetProjectDoc(m_pDoc);
    m_pTools = std::make_unique<CToolCommands>(*m_pApp, m_host);
    m_ui.m_shown.clear();
}

ToolRunTest::~ToolRunTest()
{
    // No process or runner thread outlives a test.
    m_pTools.reset();
    EXPECT_TRUE(CRunThreads::WaitIdle(20000));
    m_pApp.reset();
    std::filesystem::current_path(m_keepFolder);
}

CString ToolRunTest::WriteSource(const char* pszName, const std::string& strText)
{
    std::filesystem::create_directories(std::filesystem::path(m_folder.File(pszName).str()).parent_path());
    return m_folder.Write(pszName, strText);
}

CProject& ToolRunTest::OpenProject()
{
    EXPECT_TRUE(m_pDoc->OpenProject(m_folder.File("Test.mosk"), TRUE));
    return m_pDoc->GetProject();
}

void ToolRunTest::AddFilesInOrder(const std::vector<CString>& files)
{
    // Files are added at the head of the list.
    for (auto it = files.rbegin(); it != files.rend(); ++it)
        EXPECT_TRUE(m_pDoc->GetProject().AddFile(*it));
}

bool ToolRunTest::CompileAndWait(const char* pszPath)
{
    return m_pTools->Compile(pszPath, 0, FALSE) && WaitToolIdle();
}

bool ToolRunTest::WaitFor(const std::function<bool()>& fnDone, int nMilliseconds)
{
    auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(nMilliseconds);
    while (!fnDone()) {
        if (std::chrono::steady_clock::now() > end)
            return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }
    return true;
}

bool ToolRunTest::WaitProgramDone()
{
    return WaitFor([this] {
        return !m_pTools->GetProgramRunner().IsBusy() && Output().Find("Application Exit...") >= 0;
    });
}

std::string ToolRunTest::OutputLf()
{
    CString strText = Output();
    strText.Replace("\r\n", "\n");
    return strText.str();
}

LONG ToolRunTest::LineStartOf(const char* pszText)
{
    CString strText = Output();
    int nAt = strText.Find(pszText);
    if (nAt < 0)
        return -1;
    while (nAt > 0 && strText[nAt - 1] != '\n')
        --nAt;
    return nAt;
}
