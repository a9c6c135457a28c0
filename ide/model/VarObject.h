// CVarObject: base of every declaration of the source model (classes,
// interfaces, methods, fields, arguments, imports, the package statement,
// comment ranges and the bean classes). Fields are public: the parser and the
// code generator fill and read them directly.
#pragma once

#include "Object.h"
#include "String.h"

class CArchive;
class CBrowserTree;
class CDragToken;

// Images of the browser trees. Access-dependent kinds come in threes:
// public, protected, private-or-none.
enum EVarImage {
    IMG_FIELD_PUBLIC, IMG_FIELD_PROTECTED, IMG_FIELD_PRIVATE,
    IMG_METHOD_PUBLIC, IMG_METHOD_PROTECTED, IMG_METHOD_PRIVATE,
    IMG_CLASS_PUBLIC, IMG_CLASS_PROTECTED, IMG_CLASS_PRIVATE,
    IMG_INTERFACE_PUBLIC, IMG_INTERFACE_PROTECTED, IMG_INTERFACE_PRIVATE,
    IMG_PACKAGE, IMG_IMPORT, IMG_COMMENT,
    IMG_BEAN, IMG_BEAN_EVENT, IMG_BEAN_LISTENER,
    IMG_PROP, IMG_PROP_READ, IMG_PROP_WRITE, IMG_PROP_READWRITE,
    IMG_COUNT
};

class CJavaParseData;

class CVarObject : public CObject {
    MOSK_DECLARE_SERIAL(CVarObject)
public:
    enum { ACCESS_NONE = 0, ACCESS_PUBLIC = 1, ACCESS_PROTECTED = 2, ACCESS_PRIVATE = 3 };
    enum { STATE_HEADER = 0, STATE_BODY = 1 };
    // Schema written by this program; versionable classes also read 1 and 2.
    static constexpr UINT CURRENT_SCHEMA = 3;

    // An empty object as the archive makes it: access protected.
    CVarObject();
    // An object as the parser makes it: access none, pszName, start line nStartLine (1-based).
    CVarObject(const char* pszName, int nStartLine);
    ~CVarObject() override = default;

    void Serialize(CArchive& ar) override;
    void DumpTo(CString& strOut, int nIndent) const override;

    // Feeds the next delimiter while parsing; TRUE while the declaration goes on. Base: FALSE.
    virtual BOOL Parse(char chDelimiter);
    // Deletes owned members. Base: nothing.
    virtual void Clear();
    // Inserts the object with its display text and image under hParent; an
    // object without name is skipped. Always TRUE.
    virtual BOOL AddToTree(CBrowserTree& tree, void* hParent);
    // TRUE when a subclass may override this declaration. Base: FALSE.
    virtual BOOL CanBeOverridden() const;
    // The text of the object in the browser trees, names without package qualification.
    virtual void GetDisplayText(CString& strText) const;
    // Fills strText and returns TRUE when the object has a help text. Base: FALSE.
    virtual BOOL GetHelpText(CString& strText) const;
    // TRUE when pOther declares the same thing: names and types equal (case-sensitive).
    virtual BOOL IsEqual(const CVarObject* pOther) const;
    // One of EVarImage.
    virtual int GetImage() const;
    // TRUE when the declaration can be extended or overridden. Base: FALSE.
    virtual BOOL CanBeExtended() const;
    // A new drag token for a drag from the project tree (owned by the caller); base: null.
    virtual CDragToken* MakeProjectDragToken();
    // A new drag token for a drag from a browser (owned by the caller); base: null.
    virtual CDragToken* MakeDragToken();
    virtual const CString& GetName() const { return m_strName; }
    // Removes the package qualification from the name (and from the names of
    // members and arguments below). Always TRUE.
    virtual BOOL ShortenNames();

    // TRUE once a stream stored with an older schema was read; the index that
    // was read should then be written again. Program-wide, cleared by the caller.
    static BOOL IsOldFormatRead();
    static void SetOldFormatRead(BOOL bOld);

    CString m_strName;
    int m_nStartLine = 0;
    int m_nEndLine = 0;
    long m_nHeaderOffset = 0;  // character offset of the first word of the declaration
    long m_nEndOffset = 0;     // character offset of the closing brace
    long m_nNameOffset = 0;    // character offset of the name word
    int m_nAccess;
    int m_nState = STATE_HEADER;
    BOOL m_bComplete = FALSE;
    BOOL m_bStatic = FALSE;
    BOOL m_bFinal = FALSE;
    BOOL m_bAbstract = FALSE;
    CString m_strType;  // field or argument type, method return type ("" for constructors)
    UINT m_nLoadedSchema = CURRENT_SCHEMA;

protected:
    // The three images of an access-dependent kind starting at nFirst.
    int AccessImage(int nFirst) const;
    // Appends " key=value" pairs of the stored fields to the dump line.
    virtual void DumpAttributes(CString& strOut) const;
    // Appends the dumps of owned objects at nIndent.
    virtual void DumpChildren(CString& strOut, int nIndent) const {}
    // Completes a one-line statement (package, import) at its ';': the name
    // is word nName of the parser's words (none when out of range).
    void EndStatement(CJavaParseData* pData, int nName);
    // Appends strItem, separated by pszSeparator when strOut is not empty.
    static void AppendJoined(CString& strOut, const CString& strItem, const char* pszSeparator);
};
