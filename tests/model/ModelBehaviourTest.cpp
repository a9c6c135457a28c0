#include "Argument.h"
#include "BeanProp.h"
#include "BrowserTree.h"
#include "ClassIndex.h"
#include "DragToken.h"
#include "FileObject.h"
#include "JavaName.h"
#include "VarClass.h"
#include "VarImport.h"
#include "VarInnerClass.h"
#include "VarInterface.h"
#include "VarMethod.h"

#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <vector>

namespace {

CString Display(const CVarObject& object)
{
    CString str;
    object.GetDisplayText(str);
    return str;
}

CString Names(const CVarList& list)
{
    CString str;
    for (POSITION pos = list.GetHeadPosition(); pos;) {
        if (!str.IsEmpty())
            str += ",";
        str += list.GetNext(pos)->m_strName;
    }
    return str;
}

CVarMethod* Method(const char* pszName, const char* pszType, std::initializer_list<const char*> argTypes)
{
    auto* p = new CVarMethod(pszName, 1);
    p->m_strType = pszType;
    p->m_bComplete = TRUE;
    for (const char* pszArg : argTypes) {
        auto* pArg = new CArgument("a", 1);
        pArg->m_strType = pszArg;
        p->AddArgument(pArg);
    }
    return p;
}

// An index over classes and interfaces made by the test.
class CFakeIndex : public CClassIndex {
public:
    CVarClass* AddClass(const char* pszName, const char* pszParent)
    {
        auto* p = new CVarClass(pszName, 1);
        p->m_strParent = pszParent;
        m_owned.emplace_back(p);
        m_classes[pszName] = p;
        return p;
    }
    CVarInterface* AddInterface(const char* pszName, const char* pszParent)
    {
        auto* p = new CVarInterface(pszName, 1);
        p->m_strParent = pszParent;
        m_owned.emplace_back(p);
        m_interfaces[pszName] = p;
        return p;
    }
    CVarClass* FindClass(const char* pszName) const override
    {
        auto it = m_classes.find(pszName);
        return it == m_classes.end() ? nullptr : it->second;
    }
    CVarInterface* FindInterface(const char* pszName) const override
    {
        auto it = m_interfaces.find(pszName);
        return it == m_interfaces.end() ? nullptr : it->second;
    }
    CVarContainer* FindMethodOwner(const CVarObject* pMethod) const override
    {
        for (auto& p : m_owned)
            for (POSITION pos = p->m_Methods.GetHeadPosition(); pos;)
                if (p->m_Methods.GetNext(pos) == pMethod)
                    return p.get();
        return nullptr;
    }

private:
    std::vector<std::unique_ptr<CVarContainer>> m_owned;
    std::map<std::string, CVarClass*> m_classes;
    std::map<std::string, CVarInterface*> m_interfaces;
};

class CLineTree : public CBrowserTree {
public:
    void* InsertItem(const char* pszText, int nImage, void* hParent, CVarObject* pObject) override
    {
        m_lines.push_back(CString(pszText));
        m_images.push_back(nImage);
        return pObject;
    }
    std::vector<CString> m_lines;
    std::vector<int> m_images;
};

} // namespace

TEST(ModelTest, UnqualifyKeepsGenericsArraysAndVarargs)
{
    struct {
        const char* pszIn;
        const char* pszOut;
    } cases[] = {
        {"java.lang.String", "String"},
        {"int", "int"},
        {"java.util.Map<java.lang.String, java.util.List<Integer>>", "Map<String, List<Integer>>"},
        {"Map<String, List<Integer>>", "Map<String, List<Integer>>"},
        {"java.lang.Object...", "Object..."},
        {"String...", "String..."},
        {"int[][]", "int[][]"},
        {"java.util.List<? extends java.lang.Number>[]", "List<? extends Number>[]"},
        {"java.io.*", "*"},
        {"Map.Entry<K, V>", "Entry<K, V>"},
        {"", ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(CJavaName::Unqualify(c.pszIn), c.pszOut) << c.pszIn;
}

TEST(ModelTest, MembersAreSortedWithoutCaseNewestFirst)
{
    CVarClass cls("C", 1);
    for (const char* pszName : {"a", "B", "A", "c", "b"}) {
        auto* pField = new CVariable(pszName, 1);
        cls.AddField(pField);
    }
    EXPECT_EQ(Names(cls.m_Fields), "A,a,b,B,c");
    for (const char* pszName : {"run", "Apply", "run"})
        cls.AddMethod(Method(pszName, "void", {}));
    EXPECT_EQ(Names(cls.m_Methods), "Apply,run,run");
    // Arguments keep source order.
    std::unique_ptr<CVarMethod> pMethod(Method("m", "void", {"Z", "A"}));
    CString strTypes;
    for (POSITION pos = pMethod->m_Arguments.GetHeadPosition(); pos;)
        strTypes += pMethod->m_Arguments.GetNext(pos)->m_strType;
    EXPECT_EQ(strTypes, "ZA");
}

TEST(ModelTest, DisplayTexts)
{
    CVarClass cls("pkg.Shape", 1);
    EXPECT_EQ(Display(cls), "Shape");
    cls.m_bFinal = TRUE;
    cls.m_strParent = "java.lang.Object";
    cls.m_Interfaces.Add("java.lang.Comparable<pkg.Shape>");
    cls.m_Interfaces.Add("Cloneable");
    EXPECT_EQ(Display(cls), "Final Shape extends Object implements Comparable<Shape>, Cloneable");

    CVarInterface iface("java.util.List", 1);
    EXPECT_EQ(Display(iface), "List");
    iface.m_strParent = "java.util.Collection<E>";
    EXPECT_EQ(Display(iface), "List extends Collection<E>");

    CVariable field("counts", 1);
    field.m_strType = "Map<String, List<Integer>>";
    EXPECT_EQ(Display(field), "Map<String, List<Integer>> counts");
    field.m_bStatic = field.m_bFinal = TRUE;
    EXPECT_EQ(Display(field), "static final Map<String, List<Integer>> counts");

    std::unique_ptr<CVarMethod> pNoArgs(Method("run", "void", {}));
    EXPECT_EQ(Display(*pNoArgs), "void run( )");
    std::unique_ptr<CVarMethod> pCtor(Method("Shape", "", {"int", "java.lang.String..."}));
    EXPECT_EQ(Display(*pCtor), "Shape(int, String...)");
    std::unique_ptr<CVarMethod> pThrows(Method("read", "java.util.List<byte[]>", {"java.io.File"}));
    pThrows->m_bStatic = TRUE;
    pThrows->m_Exceptions.Add("java.io.IOException");
    pThrows->m_Exceptions.Add("SecurityException");
    EXPECT_EQ(Display(*pThrows), "static List<byte[]> read(File) throws IOException, SecurityException");

    CVarImport imp("java.util.*", 1);
    EXPECT_EQ(Display(imp), "java.util.*");
}

TEST(ModelTest, IsEqualComparesNamesTypesAndArgumentTypes)
{
    std::unique_ptr<CVarMethod> pBase(Method("put", "V", {"K", "V"}));
    struct {
        const char* pszWhat;
        CVarObject* pOther;
        BOOL bEqual;
    } cases[] = {
        {"same signature, other argument names", Method("put", "V", {"K", "V"}), TRUE},
        {"declaration of the same signature", new CVarMethodDecl("put", 1), FALSE},
        {"name case differs", Method("Put", "V", {"K", "V"}), FALSE},
        {"return type differs", Method("put", "Object", {"K", "V"}), FALSE},
        {"fewer arguments", Method("put", "V", {"K"}), FALSE},
        {"argument type differs", Method("put", "V", {"K", "Object"}), FALSE},
        {"field of that name and type", new CVariable("put", 1), FALSE},
    };
    cases[1].pOther->m_strType = "V";
    for (const char* pszType : {"K", "V"}) {
        auto* pArg = new CArgument("x", 1);
        pArg->m_strType = pszType;
        static_cast<CVarMethodDecl*>(cases[1].pOther)->AddArgument(pArg);
    }
    cases[1].bEqual = TRUE;
    cases[6].pOther->m_strType = "V";
    for (auto& c : cases) {
        EXPECT_EQ(pBase->IsEqual(c.pOther), c.bEqual) << c.pszWhat;
        delete c.pOther;
    }
    CArgument a("one", 1), b("two", 1);
    a.m_strType = b.m_strType = "int";
    EXPECT_TRUE(a.IsEqual(&b));
    CVariable va("one", 1), vb("two", 1);
    EXPECT_FALSE(va.IsEqual(&vb));
}

TEST(ModelTest, OverridingAndExtending)
{
    struct {
        const char* pszWhat;
        const char* pszType;
        BOOL bComplete, bStatic, bFinal;
        int nAccess;
        BOOL bOverride;
    } cases[] = {
        {"plain method", "int", TRUE, FALSE, FALSE, CVarObject::ACCESS_NONE, TRUE},
        {"protected", "int", TRUE, FALSE, FALSE, CVarObject::ACCESS_PROTECTED, TRUE},
        {"constructor", "", TRUE, FALSE, FALSE, CVarObject::ACCESS_PUBLIC, FALSE},
        {"incomplete", "int", FALSE, FALSE, FALSE, CVarObject::ACCESS_PUBLIC, FALSE},
        {"static", "int", TRUE, TRUE, FALSE, CVarObject::ACCESS_PUBLIC, FALSE},
        {"final", "int", TRUE, FALSE, TRUE, CVarObject::ACCESS_PUBLIC, FALSE},
        {"private", "int", TRUE, FALSE, FALSE, CVarObject::ACCESS_PRIVATE, FALSE},
    };
    for (const auto& c : cases) {
        CVarMethodDecl m("m", 1);
        m.m_strType = c.pszType;
        m.m_bComplete = c.bComplete;
        m.m_bStatic = c.bStatic;
        m.m_bFinal = c.bFinal;
        m.m_nAccess = c.nAccess;
        EXPECT_EQ(m.CanBeOverridden(), c.bOverride) << c.pszWhat;
        EXPECT_EQ(m.CanBeExtended(), c.bOverride) << c.pszWhat;
    }
    CVarClass cls("C", 1);
    EXPECT_TRUE(cls.CanBeExtended());
    cls.m_bFinal = TRUE;
    EXPECT_FALSE(cls.CanBeExtended());
    CVariable field("f", 1);
    EXPECT_FALSE(field.CanBeOverridden());
    EXPECT_FALSE(field.CanBeExtended());
}

TEST(ModelTest, DefaultsOfArchiveAndParserObjects)
{
    EXPECT_EQ(CVarObject().m_nAccess, CVarObject::ACCESS_PROTECTED);
    EXPECT_EQ(CVarObject("x", 1).m_nAccess, CVarObject::ACCESS_NONE);
    EXPECT_TRUE(CVarMethodDecl().m_bAbstract);
    EXPECT_FALSE(CVarMethod().m_bAbstract);
    CString strHelp;
    EXPECT_TRUE(CVarMethod().GetHelpText(strHelp));
    EXPECT_EQ(strHelp, "Not Available");
    EXPECT_FALSE(CVariable().GetHelpText(strHelp));
}

TEST(ModelTest, ShortenNamesReachesFieldsMethodsAndArguments)
{
    CVarClass cls("java.awt.Frame", 1);
    cls.m_strParent = "java.awt.Window";
    auto* pField = new CVariable("java.awt.Frame.title", 1);
    cls.AddField(pField);
    CVarMethod* pMethod = Method("java.awt.Frame.setTitle", "void", {});
    auto* pArg = new CArgument("java.lang.String", 1);
    pArg->m_strType = "java.lang.String";
    pMethod->AddArgument(pArg);
    cls.AddMethod(pMethod);
    EXPECT_TRUE(cls.ShortenNames());
    EXPECT_EQ(cls.m_strName, "Frame");
    EXPECT_EQ(pField->m_strName, "title");
    EXPECT_EQ(pMethod->m_strName, "setTitle");
    EXPECT_EQ(pArg->m_strName, "String");
    // Types and the parent keep their text; display texts shorten them.
    EXPECT_EQ(pArg->m_strType, "java.lang.String");
    EXPECT_EQ(cls.m_strParent, "java.awt.Window");
}

TEST(ModelTest, ImagesFollowKindAndAccess)
{
    struct {
        CVarObject* pObject;
        int nAccess;
        int nImage;
    } cases[] = {
        {new CVariable("f", 1), CVarObject::ACCESS_PUBLIC, IMG_FIELD_PUBLIC},
        {new CVariable("f", 1), CVarObject::ACCESS_NONE, IMG_FIELD_PRIVATE},
        {new CVarMethod("m", 1), CVarObject::ACCESS_PROTECTED, IMG_METHOD_PROTECTED},
        {new CVarMethodDecl("m", 1), CVarObject::ACCESS_PRIVATE, IMG_METHOD_PRIVATE},
        {new CVarClass("C", 1), CVarObject::ACCESS_PUBLIC, IMG_CLASS_PUBLIC},
        {new CVarInnerClass("C", 1), CVarObject::ACCESS_PROTECTED, IMG_CLASS_PROTECTED},
        {new CVarInterface("I", 1), CVarObject::ACCESS_NONE, IMG_INTERFACE_PRIVATE},
        {new CVarImport("a.b", 1), CVarObject::ACCESS_PUBLIC, IMG_IMPORT},
    };
    for (auto& c : cases) {
        c.pObject->m_nAccess = c.nAccess;
        EXPECT_EQ(c.pObject->GetImage(), c.nImage) << c.pObject->GetRuntimeClass()->m_lpszClassName;
        delete c.pObject;
    }
    CBeanProp prop("p", 1);
    EXPECT_EQ(prop.GetImage(), IMG_PROP);
    prop.m_pSetter = new CVarMethodDecl("setP", 1);
    EXPECT_EQ(prop.GetImage(), IMG_PROP_WRITE);
    prop.m_pGetter = new CVarMethodDecl("getP", 1);
    EXPECT_EQ(prop.GetImage(), IMG_PROP_READWRITE);
}

TEST(ModelTest, DragTokensRoundTripOnlyWhileAlive)
{
    CVarClass cls("C", 1);
    CVarInterface iface("I", 1);
    std::unique_ptr<CVarMethod> pMethod(Method("m", "void", {}));
    CVariable field("f", 1);
    EXPECT_EQ(field.MakeDragToken(), nullptr);
    EXPECT_EQ(iface.MakeProjectDragToken(), nullptr);

    struct {
        CDragToken* pToken;
        const char* pszTag;
        CVarObject* pObject;
    } cases[] = {
        {pMethod->MakeDragToken(), "MOSKMETHOD", pMethod.get()},
        {cls.MakeDragToken(), "MOSKCLASS", &cls},
        {cls.MakeProjectDragToken(), "MOSKPROJCLASS", &cls},
        {iface.MakeDragToken(), "MOSKIFACE", &iface},
    };
    for (auto& c : cases) {
        CString strText = c.pToken->GetText();
        ASSERT_EQ(strText.Find(c.pszTag), 0) << strText.c_str();
        EXPECT_EQ(strText.Mid(static_cast<int>(strlen(c.pszTag))),
                  CString(std::to_string(reinterpret_cast<uintptr_t>(c.pToken))));
        EXPECT_EQ(CDragToken::KindOfText(strText), c.pToken->GetKind());
        EXPECT_EQ(CDragToken::FromText(strText), c.pToken);
        EXPECT_EQ(CDragToken::FromText(strText + "\r\n"), c.pToken);
        EXPECT_EQ(CDragToken::FromText(c.pToken->GetText() + "x"), nullptr);
        EXPECT_EQ(c.pToken->GetObject(), c.pObject);
    }
    CString strStale = cases[0].pToken->GetText();
    for (auto& c : cases)
        delete c.pToken;
    for (const char* pszText : {strStale.c_str(), "MOSKMETHOD", "MOSKMETHOD12", "moskmethod1", "MOSKCLASS-5",
                                "MOSKIFACE99999999999999999999999999", "hello"})
        EXPECT_EQ(CDragToken::FromText(pszText), nullptr) << pszText;
    EXPECT_EQ(CDragToken::KindOfText("MOSKPROJCLASS7"), CDragToken::DRAG_PROJCLASS);
}

TEST(ModelTest, ClassAtLineFindsTheInnermostClass)
{
    CFileObject file;
    auto* pOuter = new CVarClass("Outer", 2);
    pOuter->m_nEndLine = 40;
    auto* pInner = new CVarInnerClass("Inner", 10);
    pInner->m_nEndLine = 20;
    auto* pInnermost = new CVarInnerClass("Deep", 12);
    pInnermost->m_nEndLine = 14;
    pInner->AddInnerClass(pInnermost);
    pOuter->AddInnerClass(pInner);
    file.m_Classes.AddTail(pOuter);
    auto* pSecond = new CVarClass("Second", 50);
    pSecond->m_nEndLine = 60;
    file.m_Classes.AddTail(pSecond);
    auto* pIface = new CVarInterface("Iface", 70);
    pIface->m_nEndLine = 80;
    file.m_Interfaces.AddTail(pIface);

    struct {
        int nLine;
        CVarContainer* pExpected;
    } cases[] = {{1, nullptr}, {2, pOuter}, {11, pInner}, {13, pInnermost}, {14, pInnermost}, {21, pOuter},
                 {55, pSecond}, {70, pIface}, {80, pIface}, {81, nullptr}};
    for (const auto& c : cases)
        EXPECT_EQ(file.GetClassAtLine(c.nLine), c.pExpected) << c.nLine;
    EXPECT_EQ(file.GetFirstClass(), pOuter);
    EXPECT_EQ(file.GetFirstInterface(), pIface);
    EXPECT_EQ(file.FindClass("Second"), pSecond);
    EXPECT_EQ(file.FindClass("second"), nullptr);
    EXPECT_EQ(file.FindInterface("Iface"), pIface);
}

TEST(ModelTest, CanOverrideUsesTheIndex)
{
    CFakeIndex index;
    CVarClass* pObject = index.AddClass("Object", "");
    CVarClass* pComponent = index.AddClass("Component", "Object");
    index.AddClass("Container", "Component");
    CVarInterface* pListener = index.AddInterface("EventListener", "");
    CVarInterface* pAction = index.AddInterface("ActionListener", "EventListener");
    CVarClass* pLoopA = index.AddClass("LoopA", "LoopB");
    index.AddClass("LoopB", "LoopA");
    CVarObject* pPaint = Method("paint", "void", {"Graphics"});
    pComponent->AddMethod(pPaint);
    CVarObject* pToString = Method("toString", "String", {});
    pObject->AddMethod(pToString);
    CVarObject* pPerformed = Method("actionPerformed", "void", {"ActionEvent"});
    pAction->AddMethod(pPerformed);
    CVarObject* pNotified = Method("notified", "void", {});
    pListener->AddMethod(pNotified);
    CVarObject* pLooped = Method("looped", "void", {});
    pLoopA->AddMethod(pLooped);
    std::unique_ptr<CVarMethod> pStray(Method("stray", "void", {}));

    CVarClass panel("MyPanel", 1);
    panel.m_strParent = "Container";
    panel.m_Interfaces.Add("actionlistener");
    panel.AddMethod(Method("toString", "String", {}));
    CVarInterface myListener("MyListener", 1);
    myListener.m_strParent = "ActionListener";
    CVarClass looping("Looping", 1);
    looping.m_strParent = "LoopA";

    struct {
        const char* pszWhat;
        const CVarContainer* pTarget;
        const CVarObject* pMethod;
        int nResult;
    } cases[] = {
        {"method of a grandparent", &panel, pPaint, 0},
        {"already overridden", &panel, pToString, 2},
        {"interface implemented (case ignored)", &panel, pPerformed, 0},
        {"interface not implemented", &panel, pNotified, 1},
        {"method of no index class", &panel, pStray.get(), 1},
        {"interface extending the method's interface", &myListener, pPerformed, 0},
        {"interface's grandparent", &myListener, pNotified, 0},
        {"class method into an interface", &myListener, pPaint, 1},
        {"circle of parents ends", &looping, pPaint, 1},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.pTarget->CanOverride(c.pMethod, index), c.nResult) << c.pszWhat;
    EXPECT_TRUE(index.IsAncestor(&panel, pObject));
    EXPECT_FALSE(index.IsAncestor(pObject, &panel));
}

TEST(ModelTest, AddToTreeShowsDisplayTextAndSkipsNamelessObjects)
{
    CLineTree tree;
    CVarClass cls("pkg.C", 1);
    cls.m_nAccess = CVarObject::ACCESS_PUBLIC;
    CVarClass nameless("", 1);
    EXPECT_TRUE(cls.AddToTree(tree, nullptr));
    EXPECT_TRUE(nameless.AddToTree(tree, nullptr));
    ASSERT_EQ(tree.m_lines.size(), 1u);
    EXPECT_EQ(tree.m_lines[0], "C");
    EXPECT_EQ(tree.m_images[0], IMG_CLASS_PUBLIC);
}
