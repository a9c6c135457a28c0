// The Color Options dialog and the Commands dialog with its macro picker,
// driven through their controls.
#include "ColorDlg.h"
#include "ColorOptions.h"
#include "CommandsDlg.h"
#include "JavaKeywords.h"
#include "JavaLanguage.h"
#include "TextFormat.h"
#include "TinctoView.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QTest>

#include <gtest/gtest.h>

namespace {

TEST(ColorDlg, TypeStyleColourAndDefault)
{
    CColorOptions reset(RGB(255, 255, 255));
    reset.Default(RGB(255, 255, 255));
    reset.Apply();

    CColorOptions options(RGB(200, 200, 200));
    CColorDlg dialog(options, QFont("DejaVu Sans Mono", 10), RGB(255, 255, 255));
    QStringList types;
    for (int i = 0; i < dialog.GetTypeList()->count(); ++i)
        types << dialog.GetTypeList()->itemText(i);
    EXPECT_EQ((QStringList{"Comment", "Datatypes", "Keywords", "Normal", "Number", "String"}), types);
    EXPECT_EQ(QStringLiteral("Comment"), dialog.GetTypeList()->currentText());
    EXPECT_EQ(RGB(0, 128, 0), dialog.GetSample()->GetTextColor());
    EXPECT_EQ(RGB(200, 200, 200), dialog.GetSample()->GetBackground());

    dialog.GetTypeList()->setCurrentIndex(2);  // Keywords
    dialog.OnStyleChanged(1);
    EXPECT_EQ(1, dialog.GetSelectedFormat()->GetFontStyle());
    EXPECT_EQ(QFont::Bold, dialog.GetSample()->GetTextFont().weight());
    dialog.SetColorChooser([](COLORREF clrStart, COLORREF& clrChosen) {
        EXPECT_EQ(RGB(0, 0, 192), clrStart);
        clrChosen = RGB(1, 2, 3);
        return TRUE;
    });
    dialog.OnTextColor();
    EXPECT_EQ(RGB(1, 2, 3), dialog.GetSample()->GetTextColor());
    dialog.SetColorChooser([](COLORREF, COLORREF& clrChosen) {
        clrChosen = RGB(9, 9, 9);
        return TRUE;
    });
    dialog.OnBackgroundColor();
    EXPECT_EQ(RGB(9, 9, 9), dialog.GetSwatch()->GetBackground());
    dialog.OnDefault();
    EXPECT_EQ(RGB(0, 0, 192), dialog.GetSample()->GetTextColor());
    EXPECT_EQ(0, dialog.GetStyleList()->currentIndex());
    EXPECT_EQ(RGB(255, 255, 255), dialog.GetSwatch()->GetBackground());
    dialog.accept();
    EXPECT_EQ(RGB(255, 255, 255), CTinctoView::GetBackgroundColor());
}

TEST(CommandsDlg, MacroPickerLists)
{
    CMacroPickerDlg arguments(FALSE);
    QStringList macros;
    for (int i = 0; i < arguments.GetList()->count(); ++i)
        macros << arguments.GetList()->item(i)->text();
    EXPECT_EQ((QStringList{"<File Path>", "<File Name>", "<File Ext>", "<File Name With Ext>", "<File Directory>",
                           "<Class of File>", "<Project Path>", "<Project Name>", "<Project Directory>",
                           "<Open Project Files With Path>", "<Open Project Files WO Path>",
                           "<Open Project File Names>", "<Open Project Class Files>", "<Open Project Main Class>",
                           "<Open Project Main Class File Name>", "<Open Project Main HTML File>", "<Classpath>"}),
              macros);
    EXPECT_EQ(QStringLiteral("<File Path>"), arguments.GetChoice());
    CMacroPickerDlg folder(TRUE);
    ASSERT_EQ(2, folder.GetList()->count());
    EXPECT_EQ(QStringLiteral("<File Directory>"), folder.GetChoice());
    EXPECT_EQ(QStringLiteral("<Project Directory>"), folder.GetList()->item(1)->text());
}

TEST(CommandsDlg, EditsCopiesOfTheCommands)
{
    CCommand first;
    first.m_strName = "Run";
    first.m_strCommand = "java";
    first.m_bOnFileMenu = TRUE;
    CCommandsDlg dialog({first});
    EXPECT_EQ(QStringLiteral("Run"), dialog.GetNameField()->text());
    EXPECT_TRUE(dialog.GetSwitch(CCommandsDlg::SWITCH_FILE_MENU)->isChecked());
    dialog.GetArgumentsField()->setText(".class");
    dialog.GetArgumentsField()->setCursorPosition(0);
    dialog.InsertMacro(FALSE, "<File Name>");
    EXPECT_EQ(QStringLiteral("<File Name>.class"), dialog.GetArgumentsField()->text());
    dialog.OnAdd();
    EXPECT_EQ(2, dialog.GetList()->count());
    QTest::keyClicks(dialog.GetNameField(), "Echo");
    EXPECT_EQ(QStringLiteral("Echo"), dialog.GetList()->item(1)->text());
    dialog.GetSwitch(CCommandsDlg::SWITCH_CAPTURE)->setChecked(true);
    dialog.InsertMacro(TRUE, "<Project Directory>");
    dialog.accept();
    ASSERT_EQ(2u, dialog.GetCommands().size());
    EXPECT_EQ(CString("<File Name>.class"), dialog.GetCommands()[0].m_strArguments);
    EXPECT_EQ(CString("Echo"), dialog.GetCommands()[1].m_strName);
    EXPECT_TRUE(dialog.GetCommands()[1].m_bCaptureOutput);
    EXPECT_FALSE(dialog.GetCommands()[1].m_bOnFileMenu);
    EXPECT_EQ(CString("<Project Directory>"), dialog.GetCommands()[1].m_strStartupDir);
    EXPECT_EQ(CString("Run"), first.m_strName);
}

} // namespace
