// CMainFrameCommands: the option dialogs of the project and of the global
// defaults, the Breakpoint List, the program input window and the archive
// and RMI dialogs.
#include "MainFrameCommands.h"

#include "BreakpointListDlg.h"
#include "JarDlg.h"
#include "JarOptions.h"
#include "JavaIDEApp.h"
#include "MainFrame.h"
#include "ProgramInputDlg.h"
#include "ProgramInputModel.h"
#include "Project.h"
#include "ProjectDoc.h"
#include "RmiDlg.h"
#include "RmiOptions.h"
#include "ToolCommands.h"
#include "ToolOptionsDlg.h"

BOOL CMainFrameCommands::CanToolOptions(UINT nId)
{
    const CJavaIDEApp& app = m_frame.GetApp();
    CProjectDoc* pDoc = app.GetProjectDoc();
    if (!pDoc || !pDoc->GetProject().IsOpen())
        return FALSE;
    CToolOptionsDlg::ETool nTool;
    if (!CToolOptionsDlg::ToolOfCommand(nId, nTool))
        return FALSE;
    switch (nTool) {
    case CToolOptionsDlg::TOOL_COMPILER: return !app.m_ToolRun.m_bRunning;
    case CToolOptionsDlg::TOOL_INTERPRETER: return !IsRunActive();
    case CToolOptionsDlg::TOOL_JAVADOC: return TRUE;
    }
    return FALSE;
}

void CMainFrameCommands::OnToolOptions(UINT nId)
{
    EditToolOptions(nId, FALSE);
}

BOOL CMainFrameCommands::EditToolOptions(UINT nId, BOOL bGlobal)
{
    CProjectDoc* pDoc = m_frame.GetApp().GetProjectDoc();
    CToolOptionsDlg::ETool nTool;
    if (!pDoc || !CToolOptionsDlg::ToolOfCommand(nId, nTool))
        return FALSE;
    CProject& project = pDoc->GetProject();
    if (!bGlobal && !project.IsOpen())
        return FALSE;
    CToolOptionsDlg dlg(nTool, bGlobal, bGlobal ? pDoc->m_options : project.m_options, &m_frame);
    if (dlg.exec() != QDialog::Accepted)
        return FALSE;
    if (bGlobal) {
        // The global defaults live in the project list, which is saved as it changes.
        pDoc->SetModifiedFlag(TRUE);
        pDoc->SaveModified();
    } else {
        project.SetModifiedFlag(TRUE);
    }
    return TRUE;
}

void CMainFrameCommands::OnBreakpointList(UINT)
{
    CProjectDoc* pDoc = m_frame.GetApp().GetProjectDoc();
    if (!pDoc || !pDoc->GetProject().IsOpen())
        return;
    CBreakpointListDlg dlg(pDoc->GetProject(), &m_frame);
    dlg.exec();
}

void CMainFrameCommands::OnInputWindow(UINT)
{
    CToolCommands& tools = m_frame.GetToolCommands();
    tools.OnInputWindow();
    CProgramInputModel* pModel = tools.GetInputModel();
    if (!pModel)
        return;
    if (!m_pInputDialog)
        m_pInputDialog = new CProgramInputDlg(*pModel, &m_frame);
    // Opened again now that the window follows the model.
    pModel->Open();
}

void CMainFrameCommands::OnMakeJar(UINT)
{
    if (m_pArchiveDialog) {
        m_pArchiveDialog->raise();
        m_pArchiveDialog->activateWindow();
        return;
    }
    CToolCommands& tools = m_frame.GetToolCommands();
    CJarOptions options;
    tools.GetJarSettings(options);
    auto* pDlg = new CJarDlg(QStringLiteral("Make Jar"), options,
                             [&tools](const CJarOptions& values) { return tools.OnJarOK(values); }, &m_frame);
    m_pArchiveDialog = pDlg;
    pDlg->show();
}

void CMainFrameCommands::OnMakeBean(UINT)
{
    delete m_pArchiveDialog.data();
    CToolCommands& tools = m_frame.GetToolCommands();
    CJarOptions options;
    tools.GetBeanPreset(options);
    auto* pDlg = new CJarDlg(QStringLiteral("Make Bean"), options,
                             [&tools](const CJarOptions& values) { return tools.OnJarOK(values); }, &m_frame);
    m_pArchiveDialog = pDlg;
    pDlg->show();
}

void CMainFrameCommands::OnRmiCompile(UINT)
{
    if (m_pRmiDialog) {
        m_pRmiDialog->raise();
        m_pRmiDialog->activateWindow();
        return;
    }
    CToolCommands& tools = m_frame.GetToolCommands();
    CRmiOptions options;
    tools.GetRmiSettings(options);
    auto* pDlg = new CRmiDlg(options, [&tools](const CRmiOptions& values) { return tools.OnRmiOK(values); }, &m_frame);
    m_pRmiDialog = pDlg;
    pDlg->show();
}

QWidget* CMainFrameCommands::GetInputDialog() const
{
    return m_pInputDialog;
}

QWidget* CMainFrameCommands::GetArchiveDialog() const
{
    return m_pArchiveDialog;
}

QWidget* CMainFrameCommands::GetRmiDialog() const
{
    return m_pRmiDialog;
}
