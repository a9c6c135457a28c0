#include "ClassWizard.h"
#include "DragToken.h"
#include "FileObject.h"
#include "JavaIDEView.h"
#include "JavaParser.h"
#include "PkgDoc.h"
#include "RecordingViewHost.h"
#include "ScriptedUserInterface.h"
#include "TempFolder.h"
#include "TinctoView.h"
#include "VarClass.h"
#include "VarInterface.h"
#include "VarMethodDecl.h"

#include <gtest/gtest.h>

#include <cstring>
#include <memory>

namespace {

CFileObject* Parse(const char* pszText) { return CJavaParser::ParseText(pszText, static_cast<long>(strlen(pszText))); }

CString WithCrLf(const char* pszText)
{
    CString str;
    for (const char* p = pszText; *p; ++p)
        str += *p == '\n' ? CString("\r\n") : CString(*p);
    return str;
}

class ClassWizardTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { CTinctoView::Init(RGB(255, 255, 255), 100); }
    void SetUp() override
    {
        m_index.AddParsedFile(Parse("package lib;\npublic class Base {\n"
                                    "  public synchronized int count(String s, int[] n) throws java.io.IOException, Oops "
                                    "{ return 0; }\n  protected void run() { }\n}\n"
                                    "public class Stranger { public void walk() { } }\n"
                                    "public interface Shape { void draw(java.awt.Graphics g); int area(); }\n"));
    }
    CVarMethodDecl* Method(const char* pszType, const char* pszName)
    {
        CVarContainer* pType = m_index.FindClassOrInterface(pszType);
        return static_cast<CVarMethodDecl*>(pType->m_Methods.FindName(pszName));
    }

    CScriptedUserInterface m_ui;
    CRecordingViewHost m_host;
    CPkgDoc m_index;
    CTempFolder m_folder;
};

} // namespace

TEST_F(ClassWizardTest, MethodTexts)
{
    struct {
        const char* pszName;
        const char* pszType;
        const char* pszMethod;
        BOOL bBody, bBraces;
        const char* pszText;
    } cases[] = {
        {"synchronized with body", "Base", "count", TRUE, TRUE,
         "\n\tpublic synchronized int count(String s, int[] n) throws IOException, Oops\n\t{\n\t\t\n\t}\n"},
        {"body without braces", "Base", "run", TRUE, FALSE, "\n\tprotected void run(){ }\n"},
        {"into an interface", "Shape", "draw", FALSE, TRUE, "void draw(java.awt.Graphics g);\n"},
        {"interface method with body", "Shape", "area", TRUE, TRUE, "\n\tint area()\n\t{\n\t\t\n\t}\n"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(CClassWizard::MethodText(*Method(c.pszType, c.pszMethod), c.bBody, c.bBraces), c.pszText) << c.pszName;
}

TEST_F(ClassWizardTest, NewClassAndInterfaceTexts)
{
    CVarClass* pBase = m_index.FindClass("Base");
    CVarInterface* pShape = m_index.FindInterface("Shape");
    EXPECT_EQ(CClassWizard::NewClassText("Child", pBase, {}, TRUE),
              "\n\nclass Child extends Base\n{\n\n\tpublic Child()\n\t{\n\t\n\t}\n\n}");
    EXPECT_EQ(CClassWizard::NewClassText("Square", nullptr, {pShape}, FALSE),
              "\n\nclass Square implements Shape\n{\n\n\n\tint area()\n\t{\n\t\t\n\t}\n\n"
              "\n\tvoid draw(java.awt.Graphics g)\n\t{\n\t\t\n\t}\n\n\n}");
    EXPECT_EQ(CClassWizard::NewInterfaceText("Solid", pShape), "\n\ninterface Solid extends Shape\n{\n\n}");
    EXPECT_EQ(CClassWizard::NewInterfaceText("Free", nullptr), "\n\ninterface Free\n{\n\n}");

    // Pasted at the very end of the view, through the clipboard.
    CDocViewPair pair(&m_host);
    ASSERT_TRUE(pair.Open(m_folder.Write("Child.java", "class Other { }\n")));
    pair.CaretToLine(1);
    CClassWizard::PasteAtEnd(pair.view, CClassWizard::NewClassText("Child", pBase, {}, TRUE));
    EXPECT_EQ(pair.Text(), WithCrLf("class Other { }\n\n\nclass Child extends Base\n{\n\n\tpublic Child()\n\t{\n\t\n\t}\n\n}"));
    EXPECT_EQ(m_ui.m_strClipboard, "\n\nclass Child extends Base\n{\n\n\tpublic Child()\n\t{\n\t\n\t}\n\n}");
}

TEST_F(ClassWizardTest, OverrideTwiceIsRefusedTheSecondTime)
{
    CDocViewPair pair(&m_host);
    ASSERT_TRUE(pair.Open(m_folder.Write("Mine.java", "class Mine extends Base {\n    int x;\n}\n")));
    std::unique_ptr<CFileObject> pTarget(Parse("class Mine extends Base {\n    int x;\n}\n"));
    for (int nDrop = 0; nDrop < 2; nDrop++) {
        CString strText = pair.Text();
        std::unique_ptr<CFileObject> pFile(CJavaParser::ParseText(strText.c_str(), strText.GetLength()));
        CVarContainer* pMine = pFile->GetClassAtLine(1);
        ASSERT_NE(pMine, nullptr);
        int nResult = CClassWizard::Override(pair.view, *pMine, Method("Base", "run"), pTarget->GetFirstClass(), m_index);
        EXPECT_EQ(nResult, nDrop == 0 ? 0 : 2) << nDrop;
    }
    EXPECT_EQ(pair.Text(), WithCrLf("class Mine extends Base {\n    int x;\n\n\tprotected void run()\n\t{\n\t\t\n\t}\n}\n"));
    ASSERT_EQ(m_ui.m_shown.size(), 1u);
    EXPECT_EQ(m_ui.m_shown[0].strText, "Method run already defined in class or interfaceMine");
    // The project's model learnt the override too.
    EXPECT_NE(pTarget->GetFirstClass()->m_Methods.FindName("run"), nullptr);
}

TEST_F(ClassWizardTest, OverrideRefusalsAndInterfaceTargets)
{
    CDocViewPair pair(&m_host);
    const char* pszText = "class Mine extends Base {\n}\ninterface Flat extends Shape {\n}\n";
    ASSERT_TRUE(pair.Open(m_folder.Write("Mine.java", pszText)));
    std::unique_ptr<CFileObject> pFile(Parse(pszText));
    EXPECT_EQ(CClassWizard::Override(pair.view, *pFile->GetFirstClass(), Method("Stranger", "walk"), nullptr, m_index), 1);
    ASSERT_EQ(m_ui.m_shown.size(), 1u);
    EXPECT_EQ(m_ui.m_shown[0].strText, "Cannot override method walk. Class or Interface Stranger is not a parent of class Mine");
    CVarInterface* pFlat = pFile->GetFirstInterface();
    EXPECT_EQ(CClassWizard::Override(pair.view, *pFlat, Method("Shape", "draw"), pFlat, m_index), 0);
    EXPECT_EQ(pair.Text(), WithCrLf("class Mine extends Base {\n}\ninterface Flat extends Shape {\nvoid draw(java.awt.Graphics g);\n}\n"));
}

TEST_F(ClassWizardTest, CopyOfAProjectClassRenamesItAndItsConstructors)
{
    std::string strPadding(70000, ' ');
    std::string strSource = "package p;\n" + strPadding +
                            "public class Old extends Base {\n  Old() { }\n  public Old(int n) { }\n"
                            "  Old make() { return new Old(); }\n}\n// after\n";
    std::unique_ptr<CFileObject> pFile(CJavaParser::ParseText(strSource.c_str(), static_cast<long>(strSource.size())));
    CVarClass* pOld = pFile->GetFirstClass();
    ASSERT_NE(pOld, nullptr);
    ASSERT_GT(pOld->m_nHeaderOffset, 65535);  // beyond 16 bits: still copied
    CString strText;
    ASSERT_TRUE(CClassWizard::CopyClassText(*pOld, strSource, "Fresh", strText));
    EXPECT_EQ(strText, "public class Fresh extends Base {\n  Fresh() { }\n  public Fresh(int n) { }\n"
                       "  Old make() { return new Old(); }\n}");
    // The same name in another case is no rename.
    ASSERT_TRUE(CClassWizard::CopyClassText(*pOld, strSource, "OLD", strText));
    EXPECT_EQ(strText.Find("Fresh"), -1);
    // A file that changed since it was parsed: the names are not where they were.
    std::string strChanged = strSource;
    strChanged.replace(strSource.find("Old("), 3, "Odd");
    EXPECT_FALSE(CClassWizard::CopyClassText(*pOld, strChanged, "Fresh", strText));
    ASSERT_EQ(m_ui.m_shown.size(), 1u);
    EXPECT_EQ(m_ui.m_shown[0].strText, "Error matching class name to name in the file !!!");
}

namespace {

// The main window's part for the class popup: the index's methods, and the wizard for the chosen one.
class COverrideHost : public CJavaIDEViewHost {
public:
    explicit COverrideHost(CPkgDoc& index) : m_index(index) {}
    std::vector<CVarObject*> GetOverridableMethods(CVarContainer* pClass) override
    {
        std::vector<CVarObject*> methods;
        CVarClass* pParent = m_index.FindClass(pClass->m_strParent);
        for (POSITION pos = pParent ? pParent->m_Methods.GetHeadPosition() : nullptr; pos;)
            methods.push_back(pParent->m_Methods.GetNext(pos));
        return methods;
    }
    BOOL InsertDroppedToken(CJavaIDEView* pView, CDragToken* pToken, CVarContainer* pClass, int nLine) override
    {
        return CClassWizard::Override(*pView, *pClass, pToken->GetObject(), nullptr, m_index) == 0;
    }
    CPkgDoc& m_index;
};

} // namespace

TEST_F(ClassWizardTest, ClassPopupOffersTheInheritedMethodsToOverride)
{
    COverrideHost host(m_index);
    CDocViewPair pair(&host);
    ASSERT_TRUE(pair.Open(m_folder.Write("Mine.java", "class Mine extends Base {\n}\n")));
    std::vector<CViewMenuItem> items = pair.view.GetContextMenu(0);
    std::vector<CString> overrides;
    UINT nRun = 0;
    for (const CViewMenuItem& item : items)
        if (item.nId >= 50001 && item.nId <= 51000) {
            overrides.push_back(item.strText);
            if (item.strText.Find("run") >= 0)
                nRun = item.nId;
        }
    EXPECT_EQ(overrides, (std::vector<CString>{"Override/int count(String, int[]) throws IOException, Oops",
                                               "Override/void run( )"}));
    ASSERT_NE(nRun, 0u);
    EXPECT_TRUE(pair.view.OnCommand(nRun));
    EXPECT_EQ(pair.Text(), WithCrLf("class Mine extends Base {\n\n\tprotected void run()\n\t{\n\t\t\n\t}\n}\n"));
}
