#include "JavaParseData.h"

#include "FileObject.h"
#include "JavaLookahead.h"
#include "ParseBuffer.h"
#include "StreamBuffer.h"
#include "TinctoView.h"
#include "UserInterface.h"
#include "VarBlockComment.h"
#include "VarClass.h"
#include "VarImport.h"
#include "VarInterface.h"
#include "VarMethodDecl.h"
#include "VarPackage.h"

#include <cassert>
#include <cstring>
#include <new>

namespace {


// What the sink makes of each byte outside comments and strings.
enum ECharClass : unsigned char {
    C_WORD,   // part of a word
    C_BLANK,  // separates words, shapes nothing
    C_DELIM,  // a delimiter declarations see
    C_AT,     // may open an annotation
    C_QUOTE,  // may open a character literal
    C_LT,     // may open a type-argument list
    C_DOT,    // part of a word; three in a row make a varargs "..."
};

struct CCharClasses {
    ECharClass m_classes[256];

    CCharClasses()
    {
        CLanguage* pLanguage = &CTinctoView::m_JavaLanguage;
        for (int i = 0; i < 256; ++i) {
            char ch = static_cast<char>(i);
            m_classes[i] = pLanguage->IsDelimiter(ch, FALSE) ? C_DELIM : C_WORD;
        }
        // Dotted names (with a trailing star) are one word; so are names with
        // '$' and non-ASCII letters, which Java allows in identifiers.
        m_classes[static_cast<unsigned char>('.')] = C_DOT;
        m_classes[static_cast<unsigned char>('*')] = C_WORD;
        m_classes[static_cast<unsigned char>('$')] = C_WORD;
        for (int i = 0x80; i < 256; ++i)
            m_classes[i] = C_WORD;
        for (char ch : {' ', '\t', '\r', '\n', '\f', '\v'})
            m_classes[static_cast<unsigned char>(ch)] = C_BLANK;
        m_classes[static_cast<unsigned char>('@')] = C_AT;
        m_classes[static_cast<unsigned char>('\'')] = C_QUOTE;
        m_classes[static_cast<unsigned char>('<')] = C_LT;
    }
};

const ECharClass* CharClasses()
{
    static const CCharClasses s_classes;
    return s_classes.m_classes;
}

bool IsModifierWord(const char* psz)
{
    static const char* const s_modifiers[] = {"public", "protected", "private", "static", "final", "abstract",
                                              "strictfp", "sealed", "non", nullptr};
    for (const char* const* pp = s_modifiers; *pp; ++pp)
        if (std::strcmp(psz, *pp) == 0)
            return true;
    return false;
}

} // namespace

thread_local CJavaParseData* CJavaParseData::s_pCurrent = nullptr;
thread_local std::vector<CJavaParseData::CWord> CJavaParseData::s_spareWords;

CJavaParseData::CJavaParseData(const char* pText, long lLength)
    : CConvertData(nullptr), m_pText(pText), m_lLength(lLength), m_pResult(nullptr), m_pPrevious(nullptr)
{
    assert(pText || lLength == 0);
    SetLanguage(&CTinctoView::m_JavaLanguage);
    SetPatterns(&CTinctoView::m_Patterns);
    SetFormat(&CTinctoView::m_NormalTxt);
    m_pClasses = reinterpret_cast<const unsigned char*>(CharClasses());
    try {
        m_words.swap(s_spareWords);
        m_words.resize(m_nRingSize);
        m_pResult = new CFileObject;
    } catch (const std::bad_alloc&) {
        m_pResult = nullptr;
        AfxMessageBox("Error allocating memory for parsing !!!", MB_OK | MB_ICONEXCLAMATION);
    }
}

CJavaParseData::~CJavaParseData()
{
    delete m_pResult;
    if (s_spareWords.empty())
        m_words.swap(s_spareWords);
}

CFileObject* CJavaParseData::DetachResult()
{
    CFileObject* pResult = m_pResult;
    m_pResult = nullptr;
    return pResult;
}

void CJavaParseData::ReportMemoryError()
{
    AfxMessageBox("Memory error parsing the file !!!", MB_OK | MB_ICONEXCLAMATION);
}

BOOL CJavaParseData::Run()
{
    if (!m_pResult)
        return FALSE;
    CStreamBuffer buffer(m_pText, m_lLength);
    CParseBuffer parser(&buffer);
    m_pPrevious = s_pCurrent;
    s_pCurrent = this;
    try {
        parser.ParseBuffer(this);
        // The last delimiter of the text has no word or delimiter after it to
        // carry it over; without this the closing brace of the last class
        // would never arrive.
        Deliver();
    } catch (const std::bad_alloc&) {
        ReportMemoryError();
    }
    s_pCurrent = m_pPrevious;
    return TRUE;
}

CTextFormat* CJavaParseData::IsPatternStart(const char* pText, int nPosition, int nLength)
{
    char ch = pText[nPosition];
    if (ch != '/' && ch != '"')
        return &CTinctoView::m_NormalTxt;
    return PatternStart(pText, nPosition, nLength);
}

CTextFormat* CJavaParseData::PatternStart(const char* pText, int nPosition, int nLength)
{
    if (IsSwallowed(nPosition))
        return &CTinctoView::m_NormalTxt;
    CTextFormat* pFormat = m_pPatterns->IsPatternStart(m_pView, pText, nPosition, nLength);
    if (pFormat == &CTinctoView::m_BlockCommentTxt) {
        m_lCommentStart = nPosition;
        if (!m_pComment && m_pResult) {
            m_pComment = new CVarBlockComment(m_nLine + 1);
            m_pComment->m_nHeaderOffset = nPosition;
            m_pResult->m_BlockComments.AddTail(m_pComment);
        }
    } else if (pFormat == &CTinctoView::m_StringTxt) {
        m_lStringStart = nPosition;
        m_bTextBlock = CJavaLookahead::IsTextBlockStart(pText, nPosition, nLength);
    }
    return pFormat;
}

int CJavaParseData::IsEndOfPattern(CTextFormat* pFormat, const char* pText, int nPosition, int nLength)
{
    char ch = pText[nPosition];
    if (pFormat == &CTinctoView::m_BlockCommentTxt)
        return ch == '*' ? EndOfBlockComment(pText, nPosition, nLength) : 0;
    if (pFormat == &CTinctoView::m_LineCommentTxt)
        return (ch == '\r' || ch == '\n') ? 1 : 0;
    if (pFormat == &CTinctoView::m_StringTxt && !m_bTextBlock && ch != '"')
        return (ch == '\r' || ch == '\n') ? 1 : 0;
    return EndOfPattern(pFormat, pText, nPosition, nLength);
}

int CJavaParseData::EndOfBlockComment(const char* pText, int nPosition, int nLength)
{
    // "*/" closes only after the opening "/*": "/*/" is no whole comment.
    if (nPosition + 1 >= nLength || pText[nPosition + 1] != '/' || nPosition < m_lCommentStart + 2)
        return 0;
    if (m_pComment) {
        m_pComment->m_nEndLine = m_nLine + 1;
        m_pComment->m_nEndOffset = nPosition + 1;
        m_pComment->m_bComplete = TRUE;
        m_pComment = nullptr;
    }
    return 2;
}

int CJavaParseData::EndOfPattern(CTextFormat* pFormat, const char* pText, int nPosition, int nLength)
{
    if (pFormat != &CTinctoView::m_StringTxt)
        return pFormat->IsEndOfPattern(pText, nPosition, nLength);
    if (m_bTextBlock) {
        // A text block runs over lines up to the first unescaped three quotes.
        if (nPosition < m_lStringStart + 3 || !CJavaLookahead::IsTextBlockStart(pText, nPosition, nLength)
            || CJavaLookahead::IsEscaped(pText, nPosition, m_lStringStart + 2))
            return 0;
        m_bTextBlock = FALSE;
        return 3;
    }
    // A quote after an even number of backslashes ends the string: "\\" is complete.
    return nPosition > m_lStringStart && !CJavaLookahead::IsEscaped(pText, nPosition, m_lStringStart);
}

BOOL CJavaParseData::AppendDataRun(const char*, int)
{
    return TRUE;
}

BOOL CJavaParseData::CommitLine(BOOL)
{
    ++m_nLine;
    return TRUE;
}

BOOL CJavaParseData::IsDelimiter(char ch, int nPosition, BOOL)
{
    unsigned char nClass = m_pClasses[static_cast<unsigned char>(ch)];
    // Words inside swallowed text are dropped by IsKeyword, which sees where they start.
    if (nClass == C_WORD) {
        if (!m_bWordOpen) {
            m_bWordOpen = TRUE;
            m_lWordStart = nPosition;
        }
        return FALSE;
    }
    if (nClass == C_BLANK)
        return TRUE;
    return Delimiter(ch, nPosition, nClass);
}

BOOL CJavaParseData::Delimiter(char ch, int nPosition, unsigned char nClass)
{
    if (IsSwallowed(nPosition))
        return TRUE;
    switch (static_cast<ECharClass>(nClass)) {
    case C_WORD:
    case C_BLANK:
        return TRUE;
    case C_DOT:
        if (nPosition + 2 < m_lLength && m_pText[nPosition + 1] == '.' && m_pText[nPosition + 2] == '.')
            m_bDots = TRUE;
        if (!m_bWordOpen) {
            m_bWordOpen = TRUE;
            m_lWordStart = nPosition;
        }
        return FALSE;
    case C_AT: {
        long lEnd = CJavaLookahead::AnnotationEnd(m_pText, nPosition, m_lLength);
        if (lEnd < 0) {
            // "@interface": one word, taken for the keyword.
            if (!m_bWordOpen) {
                m_bWordOpen = TRUE;
                m_lWordStart = nPosition;
            }
            return FALSE;
        }
        m_lSkipStart = nPosition;
        m_lSkipEnd = lEnd;
        return TRUE;
    }
    case C_QUOTE: {
        long lEnd = CJavaLookahead::CharLiteralEnd(m_pText, nPosition, m_lLength);
        if (lEnd > 0) {
            m_lSkipStart = nPosition;
            m_lSkipEnd = lEnd;
            return TRUE;
        }
        break;
    }
    case C_LT:
        // Type arguments in a method body shape nothing; the brace closing
        // the body may still be pending, so it is delivered first. In an
        // initialiser their commas must not end the field.
        if (m_nFilter == FILTER_BODY && !m_bPendingDelivered)
            Deliver();
        if (!(IsFiltering() && m_nFilter == FILTER_BODY) && TakeAngleBrackets(nPosition))
            return TRUE;
        break;
    case C_DELIM:
        break;
    }
    if (m_pResult)
        TakeDelimiter(ch, nPosition);
    return TRUE;
}

BOOL CJavaParseData::TakeAngleBrackets(long lPos)
{
    long lEnd = CJavaLookahead::TypeArgumentsEnd(m_pText, lPos, m_lLength);
    if (lEnd < 0)
        return FALSE;
    m_lSkipStart = lPos;
    m_lSkipEnd = lEnd;
    // After a type name the arguments belong to it; after a modifier or a
    // delimiter they are a generic method's type parameters and are dropped.
    if (m_bWordOpen) {
        CString strWord(m_pText + m_lWordStart, static_cast<int>(lPos - m_lWordStart));
        if (!IsJavaKeyword(strWord)) {
            m_strAttach.Empty();
            CJavaLookahead::AppendCompact(m_pText, lPos, lEnd, m_strAttach);
            m_lAttachAt = lPos;
        }
    } else if (m_nLastWord >= 0 && !IsJavaKeyword(GetWord(m_nLastWord))) {
        CJavaLookahead::AppendCompact(m_pText, lPos, lEnd, MutableWord(m_nLastWord));
    }
    return TRUE;
}

void CJavaParseData::TakeDelimiter(char ch, long lPos)
{
    // Nothing joins a word across this delimiter; a word it ends is still to
    // come and may itself join the one before ("List<T> ...rest").
    if (m_bWordOpen)
        m_bCloseLastWord = TRUE;
    else
        m_nLastWord = -1;
    if (m_pCurrent && !m_bPendingDelivered)
        Deliver();
    if (IsFiltering() && !PassesFilter(ch))
        return;
    if (!m_pCurrent) {
        // Between declarations only modifiers carry over to the next keyword.
        if (ch != '-')
            ResetWords();
        return;
    }
    m_chPending = ch;
    m_nPendingLine = m_nLine;
    m_lPendingOffset = lPos;
    m_bPendingDelivered = FALSE;
    m_bWordBefore = !m_bWordOpen;
}

BOOL CJavaParseData::PassesFilter(char ch)
{
    if (m_nFilter == FILTER_INITIALISER) {
        switch (ch) {
        case '{': case '}': case '(': case ')': case '[': case ']': case ',': case ';':
            return TRUE;
        }
        return FALSE;
    }
    if (ch == ';') {
        // All a body does with it: forget the words of the statement.
        if (m_bWordOpen)
            m_bResetAfterWord = TRUE;
        else
            ResetWords();
        return FALSE;
    }
    return ch == '{' || ch == '}';
}

CKeywords* CJavaParseData::IsKeyword(const char* pszWord, int nStart, unsigned long, BOOL)
{
    if (!m_pResult)
        return nullptr;
    m_bWordOpen = FALSE;
    if (IsSwallowed(nStart))
        return nullptr;
    TakeReportedWord(pszWord, nStart);
    if (m_bResetAfterWord) {
        m_bResetAfterWord = FALSE;
        ResetWords();
    }
    if (m_bCloseLastWord) {
        m_bCloseLastWord = FALSE;
        m_nLastWord = -1;
    }
    return nullptr;
}

void CJavaParseData::TakeReportedWord(const char* pszWord, long nStart)
{
    int nLength = static_cast<int>(std::strlen(pszWord));
    CString strJoined;
    const char* psz = pszWord;
    BOOL bInText = TRUE;
    if (m_lAttachAt >= 0) {
        if (m_lAttachAt == nStart + nLength) {
            strJoined = pszWord;
            strJoined += m_strAttach;
            psz = strJoined;
            nLength = strJoined.GetLength();
            bInText = FALSE;
        }
        m_lAttachAt = -1;
    }
    if (psz[0] == '@' && psz[1] == '\0')
        return;  // the "@" of "@ interface"
    // A varargs "..." joins the type before it, written apart or not.
    const char* pDots = m_bDots ? std::strstr(psz, "...") : nullptr;
    m_bDots = FALSE;
    if (pDots) {
        int nPrefix = static_cast<int>(pDots - psz);
        if (nPrefix == 0 && m_nLastWord >= 0) {
            MutableWord(m_nLastWord) += "...";
        } else {
            CString strType(psz, nPrefix + 3);
            TakeWord(strType, strType.GetLength(), nStart, FALSE);
        }
        if (pDots[3])
            TakeWord(pDots + 3, nLength - nPrefix - 3, nStart + nPrefix + 3, bInText);
        return;
    }
    TakeWord(psz, nLength, nStart, bInText);
}

void CJavaParseData::TakeWord(const char* pszWord, int nLength, long lOffset, BOOL bInText)
{
    if (!m_pCurrent) {
        TopLevelWord(pszWord, lOffset);
        return;
    }
    BOOL bStored = FALSE;
    if (!m_bWordBefore || m_bPendingDelivered) {
        StoreWord(pszWord, nLength, lOffset, bInText);
        bStored = TRUE;
    }
    if (!m_bPendingDelivered) {
        Deliver();
        m_bWordBefore = FALSE;
        if (!m_pCurrent) {
            // That delimiter closed the declaration: the word starts afresh.
            TopLevelWord(pszWord, lOffset);
            return;
        }
    }
    if (!bStored)
        StoreWord(pszWord, nLength, lOffset, bInText);
}

CVarObject* CJavaParseData::NewDeclaration(const char* pszWord, int nLine)
{
    CVarObject* pDeclaration = nullptr;
    if (std::strcmp(pszWord, "class") == 0 || std::strcmp(pszWord, "enum") == 0
        || std::strcmp(pszWord, "record") == 0) {
        auto* pClass = new CVarClass("", nLine);
        pClass->m_nKind = pszWord[0] == 'c' ? CVarContainer::KIND_PLAIN
                        : pszWord[0] == 'e' ? CVarContainer::KIND_ENUM : CVarContainer::KIND_RECORD;
        m_pResult->m_Classes.AddTail(pClass);
        pDeclaration = pClass;
    } else if (std::strcmp(pszWord, "interface") == 0 || std::strcmp(pszWord, "@interface") == 0) {
        auto* pInterface = new CVarInterface("", nLine);
        if (pszWord[0] == '@')
            pInterface->m_nKind = CVarContainer::KIND_ANNOTATION;
        m_pResult->m_Interfaces.AddTail(pInterface);
        pDeclaration = pInterface;
    } else if (std::strcmp(pszWord, "import") == 0) {
        auto* pImport = new CVarImport("", nLine);
        m_pResult->m_Imports.AddTail(pImport);
        pDeclaration = pImport;
    } else if (std::strcmp(pszWord, "package") == 0) {
        delete m_pResult->m_pPackage;
        m_pResult->m_pPackage = new CVarPackage("", nLine);
        pDeclaration = m_pResult->m_pPackage;
    }
    return pDeclaration;
}

void CJavaParseData::TopLevelWord(const char* pszWord, long lOffset)
{
    CVarObject* pDeclaration = NewDeclaration(pszWord, m_nLine + 1);
    if (pDeclaration) {
        m_pCurrent = pDeclaration;
        m_chPending = 0;
        m_bPendingDelivered = TRUE;
        m_bWordBefore = FALSE;
        StoreWord(pszWord, static_cast<int>(std::strlen(pszWord)), lOffset, FALSE);
    } else if (IsModifierWord(pszWord)) {
        StoreWord(pszWord, static_cast<int>(std::strlen(pszWord)), lOffset, FALSE);
    } else {
        ResetWords();
    }
}

void CJavaParseData::Deliver()
{
    if (m_bPendingDelivered || !m_pCurrent) {
        m_bPendingDelivered = TRUE;
        return;
    }
    m_bPendingDelivered = TRUE;
    BOOL bGoesOn = FALSE;
    try {
        bGoesOn = m_pCurrent->Parse(m_chPending);
    } catch (const std::bad_alloc&) {
        ReportMemoryError();
    }
    m_chPending = 0;
    if (!bGoesOn) {
        m_pCurrent = nullptr;
        m_nFilter = FILTER_NONE;
        ResetWords();
    }
}

void CJavaParseData::StoreWord(const char* pszWord, int nLength, long lOffset, BOOL bInText)
{
    if (m_nWords >= m_nRingSize) {
        m_nLastWord = -1;
        return;
    }
    CWord& word = m_words[m_nWords];
    word.lOffset = lOffset;
    word.nLength = nLength;
    // Most words are never looked at: they stay in the text until asked for.
    word.bInText = bInText;
    if (bInText)
        word.pText = m_pText + lOffset;
    else
        word.strWord = pszWord;
    if (m_nTypeDeclaration == TYPE_NONE)
        m_nTypeDeclaration = TypeDeclarationOf(pszWord, nLength);
    if (nLength == 6 && std::memcmp(pszWord, "record", 6) == 0)
        m_bRecordWord = TRUE;
    m_nLastWord = m_nWords++;
}

const CString& CJavaParseData::GetWord(int nIndex) const
{
    const CWord& word = m_words[nIndex];
    if (word.bInText) {
        word.strWord.str().assign(word.pText, static_cast<size_t>(word.nLength));
        word.bInText = FALSE;
    }
    return word.strWord;
}

CString& CJavaParseData::MutableWord(int nIndex)
{
    GetWord(nIndex);
    return m_words[nIndex].strWord;
}

BOOL CJavaParseData::WordIs(int nIndex, const char* psz, int nLength) const
{
    const CWord& word = m_words[nIndex];
    if (word.nLength != nLength && word.bInText)
        return FALSE;
    return word.bInText ? std::memcmp(word.pText, psz, static_cast<size_t>(nLength)) == 0 : word.strWord == psz;
}

void CJavaParseData::AddWord(const char* pszWord, long lOffset)
{
    StoreWord(pszWord, static_cast<int>(std::strlen(pszWord)), lOffset, FALSE);
}

void CJavaParseData::ResetWords()
{
    m_nWords = 0;
    m_nLastWord = -1;
    m_nTypeDeclaration = TYPE_NONE;
    m_bRecordWord = FALSE;
}

int CJavaParseData::FindWord(const char* pszWord, int nFrom) const
{
    for (int i = nFrom; i < m_nWords; ++i)
        if (GetWord(i) == pszWord)
            return i;
    return -1;
}

int CJavaParseData::FindInterfaceWord() const
{
    for (int i = 0; i < m_nWords; ++i)
        if (WordIs(i, "interface", 9) || WordIs(i, "@interface", 10))
            return i;
    return -1;
}

int CJavaParseData::TypeDeclarationOf(const char* pszWord, int nLength)
{
    switch (nLength) {
    case 4: return std::memcmp(pszWord, "enum", 4) == 0 ? TYPE_ENUM : TYPE_NONE;
    case 5: return std::memcmp(pszWord, "class", 5) == 0 ? TYPE_CLASS : TYPE_NONE;
    case 9: return std::memcmp(pszWord, "interface", 9) == 0 ? TYPE_INTERFACE : TYPE_NONE;
    case 10: return std::memcmp(pszWord, "@interface", 10) == 0 ? TYPE_ANNOTATION : TYPE_NONE;
    }
    return TYPE_NONE;
}

BOOL CJavaParseData::IsRecordHeader() const
{
    if (m_nWords < 2 || !WordIs(m_nWords - 2, "record", 6))
        return FALSE;
    for (int i = 0; i < m_nWords - 2; ++i)
        if (!IsModifierWord(GetWord(i)))
            return FALSE;
    return !IsJavaKeyword(GetWord(m_nWords - 1));
}

BOOL CJavaParseData::IsJavaKeyword(const CString& strWord) const
{
    if (CTinctoView::m_JavaLanguage.GetJavaKeywords()->IsKeyword(strWord))
        return TRUE;
    static const char* const s_later[] = {"strictfp", "sealed", "non", "enum", "assert", nullptr};
    for (const char* const* pp = s_later; *pp; ++pp)
        if (strWord == *pp)
            return TRUE;
    return FALSE;
}

int CJavaParseData::TakeModifiers(CVarObject* pObject, int nFlags, int nFrom) const
{
    int nSeen = 0;
    for (int i = nFrom; i < m_nWords; ++i) {
        const CString& str = GetWord(i);
        if (str.IsEmpty())
            continue;
        switch (str[0]) {
        case 'p':
            if (pObject->m_nAccess == CVarObject::ACCESS_NONE) {
                if (str == "public")
                    pObject->m_nAccess = CVarObject::ACCESS_PUBLIC;
                else if (str == "private")
                    pObject->m_nAccess = CVarObject::ACCESS_PRIVATE;
                else if (str == "protected")
                    pObject->m_nAccess = CVarObject::ACCESS_PROTECTED;
            }
            break;
        case 's':
            if ((nFlags & MOD_STATIC) && str == "static")
                pObject->m_bStatic = TRUE;
            else if ((nFlags & MOD_METHOD) && str == "synchronized")
                nSeen |= SEEN_SYNCHRONIZED;
            break;
        case 'f':
            if ((nFlags & MOD_FINAL) && str == "final")
                pObject->m_bFinal = TRUE;
            break;
        case 'a':
            if ((nFlags & MOD_ABSTRACT) && str == "abstract")
                pObject->m_bAbstract = TRUE;
            break;
        case 'n':
            if ((nFlags & MOD_METHOD) && str == "native")
                nSeen |= SEEN_NATIVE;
            break;
        case 'd':
            if (str == "default")
                nSeen |= SEEN_DEFAULT;
            break;
        }
    }
    return nSeen;
}

int CJavaParseData::FindTypeWord(int nFrom) const
{
    for (int i = nFrom; i < m_nWords; ++i)
        if (CTinctoView::m_JavaLanguage.IsDataType(GetWord(i)))
            return i;
    for (int i = nFrom; i < m_nWords; ++i)
        if (!IsJavaKeyword(GetWord(i)))
            return i;
    return -1;
}

BOOL CJavaParseData::TakeTypeAndName(CVarObject* pObject, int nArrayDims, int nFrom) const
{
    int nType = FindTypeWord(nFrom);
    if (nType < 0)
        return FALSE;
    pObject->m_strType = GetWord(nType);
    for (int i = 0; i < nArrayDims; ++i)
        pObject->m_strType += "[]";
    if (nType + 1 >= m_nWords)
        return FALSE;
    pObject->m_strName = GetWord(nType + 1);
    pObject->m_nNameOffset = m_words[nType + 1].lOffset;
    return TRUE;
}
