#include "MessageWindow.h"

#include "WindowCore.h"

CMessageWindow::CMessageWindow() : m_pCore(std::make_shared<CWindowCore>(this))
{
}

CMessageWindow::~CMessageWindow()
{
    DestroyWindow();
}

CWindowHandle CMessageWindow::GetHandle() const
{
    return CWindowHandle(m_pCore);
}

void CMessageWindow::DestroyWindow()
{
    m_pCore->Destroy();
}
