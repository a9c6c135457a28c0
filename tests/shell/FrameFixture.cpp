#include "FrameFixture.h"

#include "AppFolders.h"
#include "MainFrame.h"
#include "RunThreads.h"

#include <QApplication>

#include <chrono>
#include <thread>

FrameTest::FrameTest() : m_keepFolder(std::filesystem::current_path())
{
    m_settings.SetAsAppFolders();
    CAppFolders::EnsureFolder(m_settings.File("config"));
    CAppFolders::EnsureFolder(m_settings.File("data"));
}

FrameTest::~FrameTest()
{
    Stop();
    // No process or runner thread outlives a test.
    EXPECT_TRUE(CRunThreads::WaitIdle(20000));
    std::filesystem::current_path(m_keepFolder);
}

bool FrameTest::Start(const std::string& strIni)
{
    m_settings.Write("config/mosk.ini", "[Help]\nWarning=1\n[Editor]\nTip=0\n" + strIni);
    m_pApp = std::make_unique<CMoskApp>(m_colors);
    if (!m_pApp->InitInstance(nullptr))
        return false;
    QApplication::processEvents();
    return m_pApp->GetMainFrame() != nullptr;
}

bool FrameTest::Close()
{
    bool bClosed = Frame().close();
    QApplication::processEvents();
    return bClosed;
}

void FrameTest::Stop()
{
    if (!m_pApp)
        return;
    m_pApp->ExitInstance();
    m_pApp.reset();
    QApplication::processEvents();
}

bool FrameTest::WaitFor(const std::function<bool()>& fnDone, int nMilliseconds)
{
    auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(nMilliseconds);
    while (!fnDone()) {
        if (std::chrono::steady_clock::now() > end)
            return false;
        QApplication::processEvents(QEventLoop::AllEvents, 20);
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }
    return true;
}
