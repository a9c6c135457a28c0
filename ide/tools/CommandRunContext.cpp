#include "CommandRunContext.h"

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
