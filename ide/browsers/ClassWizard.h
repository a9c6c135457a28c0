// CClassWizard: the code the class wizard writes into a source view: a new
// class derived from a dropped class, a new interface derived from a
// dropped interface, a copy of a project class under a new name, and the
// override of a dropped method. Every text goes through the clipboard and
// the view's paste message, so that colouring and undo apply.
#pragma once

#include "String.h"

#include <string>
#include <vector>

class CClassIndex;
class CJavaIDEView;
class CVarClass;
class CVarContainer;
class CVarInterface;
class CVarMethodDecl;
class CVarObject;

class CClassWizard {
public:
    // The method text: "\n\t" when bBody, the access word, "synchronized ",
    // the return type, the name and arguments, " throws " and the exceptions
    // without qualification, then ";\n", "{ }\n" (body, no braces) or
    // "\n\t{\n\t\t\n\t}\n" (both).
    static CString MethodText(const CVarMethodDecl& method, BOOL bBody, BOOL bBraces);
    // A new class pszName derived from pParent (may be null) implementing the
    // interfaces, with an empty public constructor when bConstructor and a
    // body for every method of the interfaces.
    static CString NewClassText(const char* pszName, const CVarContainer* pParent,
                                const std::vector<CVarInterface*>& interfaces, BOOL bConstructor);
    // A new interface pszName derived from pParent (may be null).
    static CString NewInterfaceText(const char* pszName, const CVarContainer* pParent);
    // The text of cls from strFileText (its header to its end, cut after the
    // last "}"), with the class and its constructors renamed when pszNewName
    // differs without regard to case. FALSE when a recorded name offset does
    // not hold the old name ("Error matching class name to name in the file !!!").
    static BOOL CopyClassText(const CVarClass& cls, const std::string& strFileText, const char* pszNewName,
                              CString& strText);

    // The override of pMethod in cls (whose closing brace is on its end
    // line): refused with the message of CanOverride's 1 or 2, else pasted
    // before the brace; a copy of the method goes into pTarget's methods.
    // The result of CanOverride.
    static int Override(CJavaIDEView& view, const CVarContainer& cls, const CVarObject* pMethod,
                        CVarContainer* pTarget, const CClassIndex& index);
    // Puts the caret at the very end of the view's text and pastes strText there.
    static void PasteAtEnd(CJavaIDEView& view, const CString& strText);
    // Pastes strText at the caret through the clipboard and the paste message.
    static void Paste(CJavaIDEView& view, const CString& strText);

    // The texts shown for CanOverride's refusals.
    static CString NotParentText(const CVarObject* pMethod, const CVarContainer* pHolder, const CVarContainer& cls);
    static CString AlreadyDefinedText(const CVarObject* pMethod, const CVarContainer& cls);
};
