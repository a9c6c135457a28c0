#include "UserInterface.h"

#include <gtest/gtest.h>

TEST(UserInterfaceTest, MessageBoxDefaultAnswers)
{
    struct Case {
        UINT nType;
        int nAnswer;
    } cases[] = {
        {MB_OK, IDOK},
        {MB_YESNO | MB_ICONQUESTION, IDYES},
        {MB_YESNO | MB_DEFBUTTON2, IDNO},
        {MB_YESNOCANCEL | MB_DEFBUTTON3, IDCANCEL},
        {MB_OKCANCEL | MB_DEFBUTTON2, IDCANCEL},
        {MB_RETRYCANCEL, IDRETRY},
    };
    for (const Case& c : cases)
        EXPECT_EQ(CUserInterface::DefaultAnswer(c.nType), c.nAnswer) << c.nType;
}
