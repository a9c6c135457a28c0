#include "ClassIntrospectionQueue.h"

#include "BrowserHost.h"
#include "FileObject.h"
#include "JavaParser.h"
#include "PkgDoc.h"

CClassIntrospectionQueue::CClassIntrospectionQueue(CPkgDoc& doc, const CStringArray& arrFiles)
    : CIntrospectionQueue(doc.GetHost(), arrFiles), m_doc(doc)
{
}

CClassIntrospectionQueue::~CClassIntrospectionQueue() = default;

void CClassIntrospectionQueue::WriteStarted(const char* pszPath)
{
    CString strLine;
    strLine.Format("Wait, introspecting class - %s\n", pszPath);
    if (m_host.HasOutput())
        strLine = "\n\n" + strLine;
    m_host.WriteOutput(strLine);
}

void CClassIntrospectionQueue::WriteStartFailed()
{
    m_host.WriteOutput("Error introspecting a class. Please make sure of the following -\n");
    m_host.WriteOutput("1. Java BIN is defined in the System path variable\n");
    m_host.WriteOutput("2. DumpClass.class file is located in Mosk classes.zip file\n");
}

void CClassIntrospectionQueue::TakeOutput(const char* pszOutputPath, const char* pszPath)
{
    std::unique_ptr<CFileObject> pFile(CJavaParser::ParseIntrospectionFile(pszOutputPath));
    if (!pFile)
        return;  // an empty declaration
    if (!pFile->GetFirstClass() && !pFile->GetFirstInterface()) {
        CString strLine;
        strLine.Format("\nThe declaration written for %s holds no class or interface; it is left out.\n", pszPath);
        m_host.WriteOutput(strLine);
        return;
    }
    m_results.push_back(std::move(pFile));
}

BOOL CClassIntrospectionQueue::Finish()
{
    if (GetState() != STATE_DONE) {
        m_results.clear();
        return FALSE;
    }
    BOOL bAdded = FALSE;
    for (auto& pResult : m_results)
        bAdded |= m_doc.AddIntrospectedFile(pResult.release());
    m_results.clear();
    m_doc.Commit();
    return bAdded;
}
