// Customize > Color... and Customize > Commands....
#include "MainFrameCommands.h"

#include "ColorDlg.h"
#include "ColorOptions.h"
#include "CommandsDlg.h"
#include "CommandsDoc.h"
#include "DocumentWindows.h"
#include "JavaIDEApp.h"
#include "JavaIDEView.h"
#include "MainFrame.h"
#include "SystemColors.h"
#include "UserInterface.h"

void CMainFrameCommands::OnColorOptions(UINT)
{
    CJavaIDEApp& app = m_frame.GetApp();
    CColorOptions options(app.m_EditorSettings.m_clrEditBack);
    CColorDlg dialog(options, m_frame.GetEditorFont(), app.GetSystemColors().GetWindowColor(), &m_frame);
    if (dialog.exec() != QDialog::Accepted)
        return;
    app.m_EditorSettings.m_clrEditBack = options.GetBackground();
    CColorOptions::ReloadOtherFormats();
    m_frame.GetDocumentWindows().ForEach([](CDocumentWindow* pWindow) {
        CJavaIDEView& view = CDocumentWindows::GetView(pWindow);
        view.OnTextFormatChange();
        view.RefreshBackgroundColor();
    });
}

void CMainFrameCommands::OnCommandsDialog(UINT)
{
    CJavaIDEApp& app = m_frame.GetApp();
    CCommandsDoc* pDoc = app.GetCommandsDoc();
    if (!pDoc)
        return;
    std::vector<CCommand> commands;
    for (int i = 0; i < pDoc->GetCount(); ++i)
        commands.push_back(*pDoc->GetAt(i));
    CCommandsDlg dialog(commands, &m_frame);
    if (dialog.exec() != QDialog::Accepted)
        return;
    pDoc->RemoveAll();
    for (const CCommand& command : dialog.GetCommands())
        pDoc->Add(new CCommand(command));
    CString strError;
    if (!pDoc->Save(app.GetIndexPath(CJavaIDEApp::INDEX_COMMANDS), strError))
        AfxMessageBox("Error saving the commands file: " + strError + " !!!", MB_OK | MB_ICONSTOP);
}
