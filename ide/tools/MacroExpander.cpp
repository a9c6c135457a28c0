#include "MacroExpander.h"

#include "CommandRunContext.h"
#include "FileObject.h"
#include "JavaParser.h"
#include "VarClass.h"
#include "VarPackage.h"

#include <cstdlib>
#include <memory>

namespace {

// Each path of the open project's file list (in order) as " \"text\"",
// where fnPiece gives the text or FALSE to leave the file out.
template <class F>
CString QuotedFiles(const CCommandRunContext& context, F fnPiece)
{
    CString strOut;
    const COpenProjectData* pProject = context.GetOpenProject();
    if (!pProject)
        return strOut;
    for (int i = 0; i < pProject->m_Files.GetSize(); ++i) {
        CString strPiece;
        if (!fnPiece(pProject->m_Files[i], strPiece))
            continue;
        strOut += " \"";
        strOut += strPiece;
        strOut += '"';
    }
    return strOut;
}

BOOL IsJavaFile(const char* pszPath)
{
    return CMacroExpander::GetExtension(pszPath).CompareNoCase(".java") == 0;
}

// The extension without its dot.
CString ExtensionWithoutDot(const char* pszPath)
{
    return CMacroExpander::GetExtension(pszPath).Mid(1);
}

CString NameWithExt(const char* pszPath)
{
    return CMacroExpander::GetBaseName(pszPath) + CMacroExpander::GetExtension(pszPath);
}

CString ClassFileOf(const char* pszPath)
{
    return CMacroExpander::GetFolder(pszPath) + CMacroExpander::GetBaseName(pszPath) + ".class";
}

struct CMacro {
    const char* pszName;
    CString (*pfnExpand)(const CCommandRunContext& context);
};

// Applies fn to the selected file, nothing when none is known.
template <CString (*fn)(const char*)>
CString OfFile(const CCommandRunContext& context)
{
    CString strPath = context.GetFilePath();
    return strPath.IsEmpty() ? CString() : fn(strPath);
}

template <CString (*fn)(const char*)>
CString OfProject(const CCommandRunContext& context)
{
    CString strPath = context.GetProjectPath();
    return strPath.IsEmpty() ? CString() : fn(strPath);
}

CString Same(const char* pszPath) { return CString(pszPath); }
CString Folder(const char* pszPath) { return CMacroExpander::GetFolder(pszPath); }
CString BaseName(const char* pszPath) { return CMacroExpander::GetBaseName(pszPath); }
CString Ext(const char* pszPath) { return ExtensionWithoutDot(pszPath); }
CString NameExt(const char* pszPath) { return NameWithExt(pszPath); }
CString ClassFile(const char* pszPath) { return ClassFileOf(pszPath); }
CString ClassOfFile(const char* pszPath)
{
    return IsJavaFile(pszPath) ? CMacroExpander::GetQualifiedClass(pszPath, FALSE) : CString();
}

CString MainClass(const CCommandRunContext& context)
{
    const COpenProjectData* pProject = context.GetOpenProject();
    if (!pProject || pProject->m_strMainClassPath.IsEmpty())
        return CString();
    return CMacroExpander::GetQualifiedClass(pProject->m_strMainClassPath, TRUE);
}

CString MainClassFileName(const CCommandRunContext& context)
{
    const COpenProjectData* pProject = context.GetOpenProject();
    return pProject ? CMacroExpander::GetBaseName(pProject->m_strMainClassPath) : CString();
}

CString MainHtmlFile(const CCommandRunContext& context)
{
    const COpenProjectData* pProject = context.GetOpenProject();
    return pProject ? pProject->m_strMainHtmlPath : CString();
}

CString FilesWithPath(const CCommandRunContext& context)
{
    return QuotedFiles(context, [](const CString& strPath, CString& strPiece) {
        strPiece = strPath;
        return TRUE;
    });
}

CString FilesWithoutPath(const CCommandRunContext& context)
{
    return QuotedFiles(context, [](const CString& strPath, CString& strPiece) {
        strPiece = NameWithExt(strPath);
        return TRUE;
    });
}

CString FileNames(const CCommandRunContext& context)
{
    return QuotedFiles(context, [](const CString& strPath, CString& strPiece) {
        strPiece = CMacroExpander::GetBaseName(strPath);
        return TRUE;
    });
}

CString ClassFiles(const CCommandRunContext& context)
{
    return QuotedFiles(context, [](const CString& strPath, CString& strPiece) {
        if (!IsJavaFile(strPath))
            return FALSE;
        strPiece = ClassFileOf(strPath);
        return TRUE;
    });
}

CString ClassPath(const CCommandRunContext&)
{
    const char* psz = std::getenv("CLASSPATH");
    return CString(psz ? psz : "");
}

const CMacro s_macros[] = {
    {"File Path", &OfFile<Same>},
    {"File Name", &OfFile<BaseName>},
    {"File Ext", &OfFile<Ext>},
    {"File Name With Ext", &OfFile<NameExt>},
    {"File Directory", &OfFile<Folder>},
    {"File As Class Ext", &OfFile<ClassFile>},
    {"Class of File", &OfFile<ClassOfFile>},
    {"Project Path", &OfProject<Same>},
    {"Project Name", &OfProject<BaseName>},
    {"Project Directory", &OfProject<Folder>},
    {"Open Project Main Class", &MainClass},
    {"Open Project Main Class File Name", &MainClassFileName},
    {"Open Project Main HTML File", &MainHtmlFile},
    {"Open Project Files With Path", &FilesWithPath},
    {"Open Project Files WO Path", &FilesWithoutPath},
    {"Open Project File Names", &FileNames},
    {"Open Project Class Files", &ClassFiles},
    {"Classpath", &ClassPath},
};

const char* const s_pickerMacros[] = {
    "<File Path>", "<File Name>", "<File Ext>", "<File Name With Ext>", "<File Directory>", "<Class of File>",
    "<Project Path>", "<Project Name>", "<Project Directory>", "<Open Project Files With Path>",
    "<Open Project Files WO Path>", "<Open Project File Names>", "<Open Project Class Files>",
    "<Open Project Main Class>", "<Open Project Main Class File Name>", "<Open Project Main HTML File>",
    "<Classpath>",
};

} // namespace

BOOL CMacroExpander::Expand(const char* pszText, const CCommandRunContext& context, CString& strOut)
{
    strOut.Empty();
    CString strText(pszText);
    int nPos = 0;
    while (nPos < strText.GetLength()) {
        int nOpen = strText.Find('<', nPos);
        if (nOpen < 0) {
            strOut += strText.Mid(nPos);
            break;
        }
        strOut += strText.Mid(nPos, nOpen - nPos);
        int nClose = strText.Find('>', nOpen + 1);
        if (nClose < 0)
            return FALSE;
        strOut += ExpandMacro(strText.Mid(nOpen + 1, nClose - nOpen - 1), context);
        nPos = nClose + 1;
    }
    return TRUE;
}

CString CMacroExpander::ExpandMacro(const char* pszName, const CCommandRunContext& context)
{
    for (const CMacro& macro : s_macros)
        if (CString(macro.pszName).CompareNoCase(pszName) == 0)
            return macro.pfnExpand(context);
    return CString();
}

std::vector<CString> CMacroExpander::GetPickerMacros(BOOL bStartupDir)
{
    if (bStartupDir)
        return {CString("<File Directory>"), CString("<Project Directory>")};
    return std::vector<CString>(std::begin(s_pickerMacros), std::end(s_pickerMacros));
}

CString CMacroExpander::GetQualifiedClass(const char* pszJavaPath, BOOL bPreferMain)
{
    CString strError;
    std::unique_ptr<CFileObject> pFile(CJavaParser::ParseFile(pszJavaPath, strError));
    if (!pFile)
        return CString();
    const CVarClass* pClass = bPreferMain ? CJavaParser::FindMainClass(pFile.get()) : nullptr;
    for (POSITION pos = pFile->m_Classes.GetHeadPosition(); !pClass && pos;) {
        const CVarClass* pCandidate = pFile->m_Classes.GetNext(pos);
        if (pCandidate->m_nAccess == CVarObject::ACCESS_PUBLIC)
            pClass = pCandidate;
    }
    if (!pClass)
        pClass = pFile->GetFirstClass();
    if (!pClass)
        return CString();
    if (!pFile->m_pPackage || pFile->m_pPackage->m_strName.IsEmpty())
        return pClass->m_strName;
    return pFile->m_pPackage->m_strName + "." + pClass->m_strName;
}

CString CMacroExpander::GetFolder(const char* pszPath)
{
    CString strPath(pszPath);
    return strPath.Left(strPath.ReverseFind('/') + 1);
}

CString CMacroExpander::GetBaseName(const char* pszPath)
{
    CString strName(pszPath);
    strName = strName.Mid(strName.ReverseFind('/') + 1);
    int nDot = strName.ReverseFind('.');
    return nDot < 0 ? strName : strName.Left(nDot);
}

CString CMacroExpander::GetExtension(const char* pszPath)
{
    CString strName(pszPath);
    strName = strName.Mid(strName.ReverseFind('/') + 1);
    int nDot = strName.ReverseFind('.');
    return nDot < 0 ? CString() : strName.Mid(nDot);
}
