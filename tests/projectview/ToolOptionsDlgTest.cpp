// The compiler, interpreter and javadoc option dialogs of the project and of
// the global defaults: every field goes through OK, a save and a reopen of
// the project (the project list) and comes back in the dialog; the combo
// boxes keep their histories; OK from the menu marks the project modified.
#include "ProjectViewFixture.h"

#include "MainFrame.h"
#include "MainFrameCommands.h"
#include "Project.h"
#include "ProjectDoc.h"
#include "ToolOptions.h"
#include "ToolOptionsDlg.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QTimer>

#include <gtest/gtest.h>

namespace {

using D = CToolOptionsDlg;

// Every field of the dialog set to a value of its own: switches on, texts named after their keys, MIF.
void FillAll(D& dlg)
{
    for (const char* pszKey : dlg.GetKeys()) {
        QString strKey = QString::fromUtf8(pszKey);
        if (QCheckBox* pSwitch = dlg.GetSwitch(pszKey))
            pSwitch->setChecked(true);
        if (QCheckBox* pSwitch = dlg.GetSwitch((strKey + "On").toUtf8().constData()))
            pSwitch->setChecked(true);
        if (QLineEdit* pText = dlg.GetText(pszKey))
            pText->setText("text-" + strKey);
        if (QComboBox* pCombo = dlg.GetCombo(pszKey))
            pCombo->setEditText("combo-" + strKey);
    }
    if (dlg.GetDocType(2))
        dlg.GetDocType(2)->setChecked(true);
}

// The fields as the dialog shows them, one "key=value" line each.
CString Shown(D& dlg)
{
    CString strOut;
    for (const char* pszKey : dlg.GetKeys()) {
        QString strKey = QString::fromUtf8(pszKey);
        QString strLine = strKey + "=";
        if (QCheckBox* pSwitch = dlg.GetSwitch(pszKey))
            strLine += pSwitch->isChecked() ? "on" : "off";
        if (QCheckBox* pSwitch = dlg.GetSwitch((strKey + "On").toUtf8().constData()))
            strLine += pSwitch->isChecked() ? "on " : "off ";
        if (QLineEdit* pText = dlg.GetText(pszKey))
            strLine += pText->text();
        if (QComboBox* pCombo = dlg.GetCombo(pszKey))
            strLine += pCombo->currentText() + " history=" + (pCombo->count() ? pCombo->itemText(0) : QString());
        if (strKey == "docType")
            strLine += dlg.GetDocType(2)->isChecked() ? "MIF" : "HTML";
        strOut += CString(strLine.toUtf8().constData()) + "\n";
    }
    return strOut;
}

// What FillAll's values look like once reopened: every switch on, each text its own, histories headed by the text.
CString Expected(D& dlg, const char* pszOffKey)
{
    CString strOut;
    for (const char* pszKey : dlg.GetKeys()) {
        QString strKey = QString::fromUtf8(pszKey);
        QString strLine = strKey + "=";
        QString strOn = qstrcmp(pszKey, pszOffKey) == 0 ? "off" : "on";
        if (dlg.GetSwitch(pszKey))
            strLine += strOn;
        if (dlg.GetSwitch((strKey + "On").toUtf8().constData()))
            strLine += strOn + " ";
        if (dlg.GetText(pszKey))
            strLine += "text-" + strKey;
        if (dlg.GetCombo(pszKey))
            strLine += "combo-" + strKey + " history=combo-" + strKey;
        if (strKey == "docType")
            strLine += "MIF";
        strOut += CString(strLine.toUtf8().constData()) + "\n";
    }
    return strOut;
}

} // namespace

TEST_F(ProjectViewTest, OptionDialogsRoundTripEveryFieldThroughTheSavedFiles)
{
    StartWithProject();
    struct {
        D::ETool nTool;
        BOOL bGlobal;
        size_t nFields;
        const char* pszOffAfterReopen;   // a switch a reopened project always has off
    } cases[] = {
        {D::TOOL_COMPILER, FALSE, 9, "otherCompiler"},
        {D::TOOL_INTERPRETER, FALSE, 15, ""},
        {D::TOOL_JAVADOC, FALSE, 9, ""},
        {D::TOOL_COMPILER, TRUE, 9, ""},
        {D::TOOL_INTERPRETER, TRUE, 15, ""},
        {D::TOOL_JAVADOC, TRUE, 9, ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(D::GetTitle(c.nTool, c.bGlobal).toStdString());
        CToolOptions& options = c.bGlobal ? Doc().m_options : Doc().GetProject().m_options;
        {
            D dlg(c.nTool, c.bGlobal, options, &Frame());
            EXPECT_EQ(dlg.GetKeys().size(), c.nFields);
            FillAll(dlg);
            dlg.accept();
        }
        if (c.bGlobal) {
            ASSERT_TRUE(Doc().Save());
            CProjectDoc reread;
            CString strError;
            ASSERT_TRUE(reread.ReadFile(Doc().GetPathName(), strError)) << strError.c_str();
            D filled(c.nTool, c.bGlobal, options, &Frame());
            D dlg(c.nTool, c.bGlobal, reread.m_options, &Frame());
            EXPECT_EQ(Shown(dlg), Expected(filled, c.pszOffAfterReopen));
        } else {
            ASSERT_TRUE(Doc().GetProject().Save());
            ASSERT_TRUE(Doc().CloseProject());
            ASSERT_TRUE(Doc().OpenProjectFile(m_strProject));
            D dlg(c.nTool, c.bGlobal, Doc().GetProject().m_options, &Frame());
            EXPECT_EQ(Shown(dlg), Expected(dlg, c.pszOffAfterReopen));
        }
    }
}

TEST_F(ProjectViewTest, CombosKeepTheirHistoriesNewestFirst)
{
    StartWithProject();
    CToolOptions& options = Doc().GetProject().m_options;
    for (const char* pszPath : {"/a", "/b", "/a", ""}) {
        D dlg(D::TOOL_COMPILER, FALSE, options, &Frame());
        dlg.GetCombo("classPath")->setEditText(pszPath);
        dlg.accept();
    }
    ASSERT_EQ(options.m_arrCompClassPathHistory.GetSize(), 2);
    EXPECT_EQ(options.m_arrCompClassPathHistory[0], "/a");
    EXPECT_EQ(options.m_arrCompClassPathHistory[1], "/b");
    EXPECT_EQ(options.m_strCompClassPath, "");
    for (int i = 0; i < 15; ++i) {
        D dlg(D::TOOL_COMPILER, FALSE, options, &Frame());
        dlg.GetCombo("classPath")->setEditText(QString("/p%1").arg(i));
        dlg.accept();
    }
    EXPECT_EQ(options.m_arrCompClassPathHistory.GetSize(), D::MAX_HISTORY);
    EXPECT_EQ(options.m_arrCompClassPathHistory[0], "/p14");
    // Cancel changes nothing.
    D dlg(D::TOOL_COMPILER, FALSE, options, &Frame());
    dlg.GetCombo("classPath")->setEditText("/cancelled");
    dlg.reject();
    EXPECT_EQ(options.m_strCompClassPath, "/p14");
}

TEST_F(ProjectViewTest, OkFromTheMenusMarksTheProjectModified)
{
    StartWithProject();
    struct {
        UINT nID;
        bool bGlobal;
    } commands[] = {{32834, false}, {32838, false}, {32939, false}, {33012, true}, {33013, true}, {33014, true}};
    for (const auto& c : commands) {
        SCOPED_TRACE(c.nID);
        Doc().GetProject().SetModifiedFlag(FALSE);
        Doc().SetModifiedFlag(FALSE);
        QTimer::singleShot(0, [] {
            if (auto* pDlg = qobject_cast<QDialog*>(QApplication::activeModalWidget()))
                pDlg->accept();
        });
        ASSERT_TRUE(Frame().GetCommands().EditToolOptions(c.nID, c.bGlobal));
        // The global defaults are saved at once.
        EXPECT_EQ(Doc().GetProject().IsModified(), !c.bGlobal);
        EXPECT_FALSE(Doc().IsModified());
    }
    // Without an open project the project's dialogs are disabled, the root ones not.
    ASSERT_TRUE(Doc().CloseProject());
    EXPECT_FALSE(Frame().GetCommands().IsEnabled(32834));
    EXPECT_FALSE(Frame().GetCommands().IsEnabled(32838));
    EXPECT_FALSE(Frame().GetCommands().IsEnabled(32939));
}
