#include "BeanIntrospectionQueue.h"

#include "BeanDoc.h"
#include "BeanObject.h"
#include "BeanParseData.h"
#include "BrowserHost.h"

CBeanIntrospectionQueue::CBeanIntrospectionQueue(CBeanDoc& doc, const CStringArray& arrFiles)
    : CIntrospectionQueue(doc.GetHost(), BeanFiles(arrFiles)), m_doc(doc)
{
}

CBeanIntrospectionQueue::~CBeanIntrospectionQueue() = default;

CStringArray CBeanIntrospectionQueue::BeanFiles(const CStringArray& arrFiles)
{
    CStringArray arrBeans;
    for (int i = 0; i < arrFiles.GetSize(); i++) {
        CString strLower = arrFiles[i];
        strLower.MakeLower();
        int nLength = strLower.GetLength();
        if ((nLength > 4 && strLower.Right(4) == ".jar") || (nLength > 6 && strLower.Right(6) == ".class"))
            arrBeans.Add(arrFiles[i]);
    }
    return arrBeans;
}

void CBeanIntrospectionQueue::WriteStarted(const char*)
{
    m_host.ClearOutput();
    m_host.WriteOutput("Wait, introspecting bean...\n");
}

void CBeanIntrospectionQueue::WriteStartFailed()
{
    m_host.ClearOutput();
    m_host.WriteOutput("Error introspecting a bean. Please make sure of the following -\n");
    m_host.WriteOutput("1. Java BIN is defined in the System path variable\n");
    m_host.WriteOutput("2. DumpBean.class file is located in Mosk classes.zip file\n");
    m_host.WriteOutput("3. Ensure ..\\BDK\\beanbox\\classes is in the CLASSPATH");
}

void CBeanIntrospectionQueue::TakeOutput(const char* pszOutputPath, const char*)
{
    CBeanParseData::ReadFile(pszOutputPath, m_beans);
}

int CBeanIntrospectionQueue::Finish(CTreeFolder* pFolder)
{
    int nAdded = pFolder ? m_doc.AddBeans(pFolder, m_beans) : 0;
    m_beans.clear();
    if (GetFinishedCount() > 0)
        m_doc.Commit();
    return nAdded;
}
