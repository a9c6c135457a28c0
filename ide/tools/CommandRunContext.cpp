#include "CommandRunContext.h"

#include "ProjectDoc.h"

CCommandRunContext CCommandRunContext::ForFile(const char* pszFilePath)
{
    CCommandRunContext context;
    context.m_strFilePath = pszFilePath;
    context.m_bKnown = !context.m_strFilePath.IsEmpty();
    return context;
}

CCommandRunContext CCommandRunContext::ForProject(const char* pszProjectPath)
{
    CCommandRunContext context;
    context.m_strProjectPath = pszProjectPath;
    context.m_bKnown = !context.m_strProjectPath.IsEmpty();
    return context;
}

void CCommandRunContext::SetOpenProject(const CProjectDoc& doc)
{
    m_OpenProject = COpenProjectData();
    m_OpenProject.m_strInterpreterClassPath = doc.GetInterpreterClassPath();
    m_OpenProject.m_bInterpreterClassPathOn = doc.IsInterpreterClassPathOn();
    const CProject& project = doc.GetProject();
    if (!project.IsOpen())
        return;
    m_OpenProject.m_bOpen = TRUE;
    const CStringList& files = project.GetFileList();
    for (POSITION pos = files.GetHeadPosition(); pos;)
        m_OpenProject.m_Files.Add(files.GetNext(pos));
    m_OpenProject.m_strMainClassPath = project.GetMainClassPath();
    m_OpenProject.m_strMainHtmlPath = project.GetMainHtmlPath();
}
