#include "TinctoView.h"

#include <gtest/gtest.h>

namespace {

enum class EClass { Normal, Keyword, DataType, Number };

EClass Classify(CLanguage* pLanguage, const char* pszWord, CKeywords* pKeywords, CKeywords* pDataTypes,
                CKeywords* pNumbers)
{
    CString strCopy(pszWord);
    CKeywords* pSet = pLanguage->IsKeyword(strCopy.GetBuffer(0));
    if (!pSet)
        return EClass::Normal;
    if (pSet == pDataTypes)
        return EClass::DataType;
    if (pSet == pNumbers)
        return EClass::Number;
    EXPECT_EQ(pSet, pKeywords);
    return EClass::Keyword;
}

} // namespace

TEST(LanguageTest, WordClasses)
{
    CJavaLanguage& java = CTinctoView::m_JavaLanguage;
    CCPPLanguage& cpp = CTinctoView::m_CPPLanguage;
    CHTMLLanguage& html = CTinctoView::m_HTMLLanguage;
    struct Case {
        const char* pszLabel;
        int nLanguage;  // 0 Java, 1 C/C++, 2 HTML
        const char* pszWord;
        EClass expected;
    } cases[] = {
        {"java String is normal", 0, "String", EClass::Normal},
        {"java null is normal", 0, "null", EClass::Normal},
        {"java int", 0, "int", EClass::DataType},
        {"java goto", 0, "goto", EClass::Keyword},
        {"java const", 0, "const", EClass::Keyword},
        {"java case matters", 0, "Int", EClass::Normal},
        {"java 12", 0, "12", EClass::Number},
        {"java 3.5", 0, "3.5", EClass::Number},
        {"java .5", 0, ".5", EClass::Number},
        {"java 1.2.3", 0, "1.2.3", EClass::Number},
        {"java hex", 0, "0x1F", EClass::Normal},
        {"cpp unsigned is a data type first", 1, "unsigned", EClass::DataType},
        {"cpp __asm", 1, "__asm", EClass::Keyword},
        {"cpp 12", 1, "12", EClass::Number},
        {"cpp hex", 1, "0x1F", EClass::Normal},
        {"html BODY", 2, "BODY", EClass::Keyword},
        {"html body", 2, "body", EClass::Keyword},
        {"html /Body", 2, "/Body", EClass::Keyword},
        {"html a href as a word", 2, "a href", EClass::Keyword},
        {"html .5", 2, ".5", EClass::Number},
        {"html hex", 2, "0x1F", EClass::Normal},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.pszLabel);
        EClass got = c.nLanguage == 0 ? Classify(&java, c.pszWord, java.GetJavaKeywords(), java.GetJavaDataTypes(),
                                                 java.GetNumberKeywords())
            : c.nLanguage == 1 ? Classify(&cpp, c.pszWord, cpp.GetCPPKeywords(), cpp.GetCPPDataTypes(),
                                          cpp.GetNumberKeywords())
                               : Classify(&html, c.pszWord, html.GetHTMLKeywords(), nullptr, html.GetNumberKeywords());
        EXPECT_EQ(got, c.expected);
    }
}

TEST(LanguageTest, WordListsHoldEveryEntryOnce)
{
    EXPECT_EQ(CTinctoView::m_JavaLanguage.GetJavaKeywords()->GetWordList()->GetCount(), 38);
    EXPECT_EQ(CTinctoView::m_JavaLanguage.GetJavaDataTypes()->GetWordList()->GetCount(), 9);
    EXPECT_EQ(CTinctoView::m_CPPLanguage.GetCPPKeywords()->GetWordList()->GetCount(), 66);
    EXPECT_EQ(CTinctoView::m_CPPLanguage.GetCPPDataTypes()->GetWordList()->GetCount(), 13);
    EXPECT_EQ(CTinctoView::m_HTMLLanguage.GetHTMLKeywords()->GetWordList()->GetCount(), 52);
    EXPECT_EQ(CTinctoView::m_JavaLanguage.GetNumberKeywords()->GetWordList()->GetCount(), 0);
    CKeywords* pSet = CTinctoView::m_JavaLanguage.GetJavaKeywords();
    EXPECT_EQ(pSet->GetKeys()->GetSize(), 38);
    EXPECT_STREQ(pSet->GetWordList()->GetHead(), "abstract");
    EXPECT_STREQ(pSet->GetWordList()->GetTail(), "while");
}

TEST(LanguageTest, AddWordRefusesDuplicates)
{
    CJavaKeywords set;
    set.SetLanguage(&CTinctoView::m_JavaLanguage);
    EXPECT_TRUE(set.AddWord("alpha"));
    EXPECT_FALSE(set.AddWord("alpha"));
    EXPECT_EQ(set.GetWordList()->GetCount(), 1);
    EXPECT_EQ(set.GetKeys()->GetSize(), 1);
    EXPECT_TRUE(set.AddWord("Alpha"));
    EXPECT_TRUE(set.IsKeyword("Alpha"));
    EXPECT_FALSE(set.IsKeyword("ALPHA"));
}

TEST(LanguageTest, KeysUseDefinedIntegerArithmetic)
{
    CLanguage& java = CTinctoView::m_JavaLanguage;
    CLanguage& html = CTinctoView::m_HTMLLanguage;
    EXPECT_EQ(java.BuildKey('a', 0) + java.BuildKey('b', 1), 7048u);
    EXPECT_EQ(java.BuildKey('a', 0), 97u * 8);
    EXPECT_EQ(java.BuildKey('z', 9), static_cast<unsigned long>((122ull << 30) & 0xFFFFFFFFull));
    EXPECT_EQ(java.BuildKey('z', 10), 0u);   // 8^11 wraps to 0
    EXPECT_EQ(java.BuildKey('z', 40), 0u);
    EXPECT_EQ(java.BuildKey(static_cast<char>(-1), 0), 0xFFFFFFF8u);  // -8 in 32 bits
    EXPECT_EQ(java.BuildKey(static_cast<char>(-128), 9), static_cast<unsigned long>((-128ll << 30) & 0xFFFFFFFFll));
    EXPECT_EQ(html.BuildKey('A', 0), html.BuildKey('a', 0));
    EXPECT_EQ(html.BuildKey('`', 1), java.BuildKey(static_cast<char>(-128), 1));  // 96 + 32 wraps

    // The key form of IsKeyword finds a word through the keys of its letters.
    CJavaLanguage& javaLanguage = CTinctoView::m_JavaLanguage;
    unsigned long nKey = 0;
    const char* pszWord = "while";
    for (int i = 0; pszWord[i]; ++i)
        nKey = static_cast<uint32_t>(nKey + java.BuildKey(pszWord[i], i));
    EXPECT_EQ(javaLanguage.IsKeyword(nKey), javaLanguage.GetJavaKeywords());
}

TEST(LanguageTest, Delimiters)
{
    CLanguage& java = CTinctoView::m_JavaLanguage;
    CLanguage& html = CTinctoView::m_HTMLLanguage;
    struct Case {
        char ch;
        bool bNumber;
        bool bJava;
        bool bHtml;
    } cases[] = {
        {' ', false, true, true},   {'\t', false, true, true},  {'\r', false, true, true},
        {'\b', false, false, false}, {'a', false, false, false}, {'_', false, false, false},
        {'@', false, false, false}, {'`', false, false, false}, {'0', false, false, false},
        {'/', false, true, false},  {'-', false, true, false},  {'!', false, true, false},
        {'#', false, true, false},  {'\\', false, true, false}, {'&', false, true, false},
        {'<', false, true, true},   {'=', false, true, true},   {';', false, true, true},
        {'{', false, true, true},   {'~', false, true, false},  {'^', false, true, false},
        {'*', false, true, true},   {':', false, true, true},   {'?', false, true, false},
        {'.', false, true, true},   {'.', true, false, false},  {127, false, false, true},
        {static_cast<char>(0xE9), false, true, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "char " << static_cast<int>(c.ch) << " number " << c.bNumber);
        EXPECT_EQ(java.IsDelimiter(c.ch, c.bNumber) != 0, c.bJava);
        EXPECT_EQ(html.IsDelimiter(c.ch, c.bNumber) != 0, c.bHtml);
    }
}

TEST(LanguageTest, LanguageByExtension)
{
    struct Case {
        const char* pszPath;
        CLanguage* pExpected;
    } cases[] = {
        {"/src/A.java", &CTinctoView::m_JavaLanguage}, {"/src/A.JAVA", &CTinctoView::m_JavaLanguage},
        {"/src/notes.txt", &CTinctoView::m_JavaLanguage}, {"/src/Makefile", &CTinctoView::m_JavaLanguage},
        {"/src/a.cpp", &CTinctoView::m_CPPLanguage},   {"/src/a.C", &CTinctoView::m_CPPLanguage},
        {"/src/a.h", &CTinctoView::m_CPPLanguage},     {"/src/i.HTM", &CTinctoView::m_HTMLLanguage},
        {"/src/i.html", &CTinctoView::m_HTMLLanguage}, {"/src.html/readme", &CTinctoView::m_JavaLanguage},
        {"", &CTinctoView::m_JavaLanguage},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.pszPath);
        EXPECT_EQ(CTinctoView::GetLanguageForPath(c.pszPath), c.pExpected);
    }
}

TEST(LanguageTest, UserKeywordsComeLast)
{
    CCPPLanguage language;
    auto* pUser = new CJavaKeywords;
    pUser->SetLanguage(&language);
    pUser->AddWord("mine");
    pUser->AddWord("int");
    language.SetUserKeywords(pUser, TRUE);
    EXPECT_EQ(language.IsKeyword("mine"), pUser);
    EXPECT_EQ(language.IsKeyword("int"), language.GetCPPDataTypes());
    EXPECT_EQ(language.GetUserKeywords(), pUser);
}
