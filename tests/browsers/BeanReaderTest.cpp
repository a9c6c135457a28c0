#include "BeanEvent.h"
#include "BeanListenInterface.h"
#include "BeanObject.h"
#include "BeanParseData.h"
#include "BeanProp.h"
#include "VarMethodDecl.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

std::vector<std::unique_ptr<CBeanObject>> Read(const char* pszText)
{
    std::vector<std::unique_ptr<CBeanObject>> beans;
    CBeanParseData::ReadText(pszText, static_cast<long>(strlen(pszText)), beans);
    return beans;
}

CString Accessor(const CVarMethodDecl* pMethod) { return pMethod ? pMethod->m_strName : CString("None"); }

} // namespace

TEST(BeanReaderTest, DescriptionBecomesPropertiesListenersAndMethods)
{
    auto beans = Read("class demo.Gauge\n{\n\tProperties\n\t{\n"
                      "\t\tint value getValue setValue;\n"
                      "\t\tH boolean shown isShown;\n"
                      "\t\tI E int[] marks setMarks;\n"
                      "\t\t[Ljava.lang.String; labels getLabels setLabels;\n"
                      "\t\tjava.awt.Color tint;\n"
                      "\t}\n\tEvents\n\t{\n"
                      "\t\tjava.beans.PropertyChangeListener addPropertyChangeListener removePropertyChangeListener "
                      "propertyChange;\n"
                      "\t\tdemo.TickListener addTickListener removeTickListener tock tick;\n"
                      "\t}\n\tMethods\n\t{\n"
                      "\t\tpublic void paint(java.awt.Graphics arg0) throws java.io.IOException;\n"
                      "\t\tpublic synchronized int getValue();\n"
                      "\t}\n}\n"
                      "class demo.Empty\n{\n\tproperties\n\t{\n\t}\n}\n");
    ASSERT_EQ(beans.size(), 2u);
    CBeanObject& gauge = *beans[0];
    EXPECT_EQ(gauge.m_strName, "demo.Gauge");
    EXPECT_EQ(beans[1]->m_strName, "demo.Empty");

    struct {
        const char* pszName;
        const char* pszType;
        int nAccess;
        const char* pszGetter;
        const char* pszSetter;
        int nImage;
    } cases[] = {
        {"labels", "java.lang.String", 0, "getLabels", "setLabels", IMG_PROP_READWRITE},
        {"marks", "int[]", 2, "None", "setMarks", IMG_PROP_WRITE},
        {"shown", "boolean", 1, "isShown", "None", IMG_PROP_READ},
        {"tint", "java.awt.Color", 0, "None", "None", IMG_PROP},
        {"value", "int", 0, "getValue", "setValue", IMG_PROP_READWRITE},
    };
    ASSERT_EQ(gauge.m_Fields.GetCount(), 5);
    for (const auto& c : cases) {
        auto* pProp = static_cast<CBeanProp*>(gauge.m_Fields.FindName(c.pszName));
        ASSERT_NE(pProp, nullptr) << c.pszName;
        EXPECT_EQ(pProp->m_strType, c.pszType) << c.pszName;
        EXPECT_EQ(pProp->m_nAccess, c.nAccess) << c.pszName;
        EXPECT_EQ(Accessor(pProp->m_pGetter), c.pszGetter) << c.pszName;
        EXPECT_EQ(Accessor(pProp->m_pSetter), c.pszSetter) << c.pszName;
        EXPECT_EQ(pProp->GetImage(), c.nImage) << c.pszName;
    }

    ASSERT_EQ(gauge.m_Listeners.GetCount(), 2);
    auto* pTick = static_cast<CBeanListenInterface*>(gauge.m_Listeners.FindName("demo.TickListener"));
    ASSERT_NE(pTick, nullptr);
    EXPECT_EQ(pTick->m_strName, "demo.TickListener");
    EXPECT_EQ(Accessor(pTick->m_pAdder), "addTickListener");
    EXPECT_EQ(Accessor(pTick->m_pRemover), "removeTickListener");
    ASSERT_EQ(pTick->m_Events.GetCount(), 2);
    EXPECT_EQ(pTick->m_Events.GetHead()->m_strName, "tick");  // sorted by name

    ASSERT_EQ(gauge.m_Methods.GetCount(), 2);
    auto* pPaint = static_cast<CVarMethodDecl*>(gauge.m_Methods.FindName("paint"));
    ASSERT_NE(pPaint, nullptr);
    EXPECT_EQ(pPaint->m_Arguments.GetCount(), 1);
    EXPECT_EQ(pPaint->m_Exceptions.GetSize(), 1);
    EXPECT_TRUE(static_cast<CVarMethodDecl*>(gauge.m_Methods.FindName("getValue"))->m_bSynchronized);
}

TEST(BeanReaderTest, BrokenDescriptionsGiveNoBean)
{
    const char* const texts[] = {
        "",
        "class",
        "class demo.Half\n{\n\tProperties\n\t{\n\t\tint value",
        "class demo.Odd\n{\n\tStrange\n\t{\n\t}\n}\n",
        "just words; and { braces }",
    };
    for (const char* pszText : texts)
        EXPECT_TRUE(Read(pszText).empty()) << pszText;
}
