// CJavaParseData: the tokenizer sink of the Java parser. It produces no
// coloured output; it collects the words of the text in a word ring and
// hands the non-blank delimiters, one behind, to the top-level declaration
// being parsed (package, import, class or interface), whose Parse reads the
// ring through GetCurrent(). Annotations, type-argument lists, character
// literals and text blocks are recognised here from the raw text, so that
// declarations only ever see words and the delimiters that shape them.
#pragma once

#include "ConvertData.h"
#include "String.h"

#include <vector>

class CFileObject;
class CVarBlockComment;
class CVarObject;

class CJavaParseData : public CConvertData {
public:
    // A sink over nLength bytes of pText (not copied; must outlive the
    // sink) that fills a new file object. Uses the shared Java language,
    // patterns and normal text format of the colouring library.
    CJavaParseData(const char* pText, long lLength);
    virtual ~CJavaParseData();
    CJavaParseData(const CJavaParseData&) = delete;
    CJavaParseData& operator=(const CJavaParseData&) = delete;

    // Runs the tokenizer over the whole text; FALSE when there is no result to fill.
    BOOL Run();
    // The file object filled so far; ownership stays with the sink.
    CFileObject* GetResult() const { return m_pResult; }
    // Hands the file object to the caller (null when allocation failed).
    CFileObject* DetachResult();
    // The sink of the parse running on this thread; null outside a parse.
    static CJavaParseData* GetCurrent() { return s_pCurrent; }

    CTextFormat* IsPatternStart(const char* pText, int nPosition, int nLength) override;
    int IsEndOfPattern(CTextFormat* pFormat, const char* pText, int nPosition, int nLength) override;
    BOOL CommitLine(BOOL bLineBreak) override;
    // Comment and string bodies are not looked at: accepted whole.
    BOOL AppendDataRun(const char* pText, int nCount) override;
    BOOL IsDelimiter(char ch, int nPosition, BOOL bNumber) override;
    // Records the word; always answers that it is no keyword.
    CKeywords* IsKeyword(const char* pszWord, int nStart, unsigned long nKey, BOOL bNumber) override;

    // The word ring: the words since the last reset, oldest first.
    int GetWordCount() const { return m_nWords; }
    const CString& GetWord(int nIndex) const;
    long GetWordOffset(int nIndex) const { return m_words[nIndex].lOffset; }
    // Index of the first word equal to pszWord at or after nFrom; -1 if none.
    int FindWord(const char* pszWord, int nFrom = 0) const;
    // Index of the first "interface" or "@interface"; -1 if none.
    int FindInterfaceWord() const;
    void ResetWords();
    // The type declaration the words hold, by the first of "class", "enum",
    // "interface" and "@interface" among them.
    enum { TYPE_NONE, TYPE_CLASS, TYPE_ENUM, TYPE_INTERFACE, TYPE_ANNOTATION };
    int FindTypeDeclaration() const { return m_nTypeDeclaration; }
    // TRUE when the words end in "record" and a name: a record before its components.
    BOOL IsRecordHeader() const;
    // Appends a word as if it had been read at lOffset.
    void AddWord(const char* pszWord, long lOffset);

    // What the declaration being read needs of the delimiters: all of them;
    // in a method body or initialiser block only the braces (a ";" resets
    // the words); in a field's initialiser only brackets, "," and ";". The
    // others pass like blanks. Off while the words hold a class keyword.
    enum { FILTER_NONE, FILTER_BODY, FILTER_INITIALISER };
    void SetFilter(int nFilter) { m_nFilter = nFilter; }

    // 0-based count of the lines committed so far.
    int GetLineCounter() const { return m_nLine; }
    // 0-based line and offset of the delimiter being delivered.
    int GetPendingLine() const { return m_nPendingLine; }
    long GetPendingOffset() const { return m_lPendingOffset; }

    // Flags for TakeModifiers: which modifier words count beyond the access word.
    enum { MOD_STATIC = 1, MOD_FINAL = 2, MOD_ABSTRACT = 4, MOD_METHOD = 8,
           MOD_ALL = MOD_STATIC | MOD_FINAL | MOD_ABSTRACT | MOD_METHOD };
    // What TakeModifiers saw that has no field in every declaration.
    enum { SEEN_SYNCHRONIZED = 1, SEEN_NATIVE = 2, SEEN_DEFAULT = 4 };
    // Sets access and flags of pObject from the words (from nFrom on);
    // returns the SEEN_ bits of the method modifiers met.
    int TakeModifiers(CVarObject* pObject, int nFlags, int nFrom = 0) const;
    // Index of the type word: the first primitive type, else the first word
    // that is no keyword; -1 if none.
    int FindTypeWord(int nFrom = 0) const;
    // Type rule: sets type (with nArrayDims "[]"), name and name offset from
    // the words; FALSE when no name follows the type.
    BOOL TakeTypeAndName(CVarObject* pObject, int nArrayDims, int nFrom = 0) const;
    // TRUE for a word of the Java language's keyword set or a later keyword
    // that can stand in a declaration header (strictfp, sealed, enum...).
    BOOL IsJavaKeyword(const CString& strWord) const;

    // Shows the message for a declaration that could not be made.
    static void ReportMemoryError();

    // Most words the ring holds; further words of a longer run are dropped.
    static const int m_nRingSize = 256;

protected:
    // A word of the ring: still in the text (bInText), or copied out.
    struct CWord {
        mutable CString strWord;
        long lOffset = 0;
        const char* pText = nullptr;
        int nLength = 0;
        mutable bool bInText = false;
    };

    // The word, to be changed in place.
    CString& MutableWord(int nIndex);
    // TRUE when word nIndex is psz (nLength bytes).
    BOOL WordIs(int nIndex, const char* psz, int nLength) const;

    // The rarer halves of the callbacks above, out of line so the common
    // characters take a short path.
    __attribute__((noinline)) CTextFormat* PatternStart(const char* pText, int nPosition, int nLength);
    __attribute__((noinline)) int EndOfBlockComment(const char* pText, int nPosition, int nLength);
    __attribute__((noinline)) int EndOfPattern(CTextFormat* pFormat, const char* pText, int nPosition, int nLength);
    __attribute__((noinline)) BOOL Delimiter(char ch, int nPosition, unsigned char nClass);
    // The body filter holds unless the words begin a local class or record.
    BOOL IsFiltering() const { return m_nFilter != FILTER_NONE && m_nTypeDeclaration == TYPE_NONE && !m_bRecordWord; }
    // TRUE when the filter in force lets ch through to the declaration.
    BOOL PassesFilter(char ch);
    // A word the tokenizer reported: joins type arguments and "..." to it.
    void TakeReportedWord(const char* pszWord, long nStart);
    // One word as the tokenizer reported it (generic text already attached).
    // bInText: the word is the text at lOffset, so it need not be copied yet.
    void TakeWord(const char* pszWord, int nLength, long lOffset, BOOL bInText);
    void StoreWord(const char* pszWord, int nLength, long lOffset, BOOL bInText);
    // The TYPE_ value of one word.
    static int TypeDeclarationOf(const char* pszWord, int nLength);
    // A word met while no declaration is current.
    void TopLevelWord(const char* pszWord, long lOffset);
    // The declaration a word outside any declaration starts (at 1-based
    // nLine), entered in the result; null for other words. Readers of other
    // languages built on this sink (the bean descriptions) choose their own.
    virtual CVarObject* NewDeclaration(const char* pszWord, int nLine);
    // Passes the pending delimiter to the current declaration.
    void Deliver();
    // A non-blank delimiter of the text that shapes declarations.
    void TakeDelimiter(char ch, long lPos);
    // Whether the range [lStart, lEnd) of swallowed text holds lPos.
    BOOL IsSwallowed(long lPos) const { return lPos < m_lSkipEnd && lPos >= m_lSkipStart; }
    // "<" at lPos: type arguments go with the word before, type parameters are dropped.
    BOOL TakeAngleBrackets(long lPos);

    const char* m_pText;
    long m_lLength;
    const unsigned char* m_pClasses;  // what each byte is to the sink (word, blank, delimiter...)
    CFileObject* m_pResult;
    CJavaParseData* m_pPrevious;      // the sink that was current before Run
    std::vector<CWord> m_words;
    int m_nWords = 0;
    int m_nTypeDeclaration = TYPE_NONE;  // FindTypeDeclaration of the words in the ring
    int m_nFilter = FILTER_NONE;
    BOOL m_bResetAfterWord = FALSE;   // a ";" in a body: the words go once the word before it is taken
    BOOL m_bRecordWord = FALSE;       // "record" is among the words
    BOOL m_bCloseLastWord = FALSE;    // the word being reported ends before a delimiter
    BOOL m_bDots = FALSE;             // the word being collected holds "..."
    int m_nLastWord = -1;             // ring index of the word type arguments and "..." may join; -1 none
    int m_nLine = 0;
    char m_chPending = 0;             // the non-blank delimiter not yet delivered
    int m_nPendingLine = 0;
    long m_lPendingOffset = 0;
    BOOL m_bPendingDelivered = TRUE;
    BOOL m_bWordBefore = FALSE;       // the word before the pending delimiter is already in the ring
    BOOL m_bWordOpen = FALSE;         // a word is being collected by the tokenizer
    long m_lWordStart = 0;
    CVarObject* m_pCurrent = nullptr; // the top-level declaration being parsed
    CVarBlockComment* m_pComment = nullptr;
    long m_lCommentStart = -1;
    long m_lStringStart = -1;
    BOOL m_bTextBlock = FALSE;
    long m_lSkipStart = 0;            // text swallowed whole (annotation, type arguments, literal)
    long m_lSkipEnd = 0;
    long m_lAttachAt = -1;            // a word ending here takes m_strAttach
    CString m_strAttach;

    // The library is linked, never loaded later, so the quick TLS model holds.
    static thread_local CJavaParseData* s_pCurrent __attribute__((tls_model("initial-exec")));
    // Word rings of finished parses, kept so a parse reuses their buffers.
    static thread_local std::vector<CWord> s_spareWords __attribute__((tls_model("initial-exec")));
};
