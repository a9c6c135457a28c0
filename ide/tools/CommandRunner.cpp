#include "CommandRunner.h"

#include "Command.h"
#include "CommandRunContext.h"
#include "MacroExpander.h"
#include "UserInterface.h"

#include <cstdlib>

namespace {

// The value of "CLASSPATH" before a run, to be put back after it.
class CSavedClassPath {
public:
    CSavedClassPath()
    {
        const char* psz = std::getenv("CLASSPATH");
        m_bWasSet = psz != nullptr;
        m_strValue = psz ? psz : "";
    }
    // Puts the saved value back: the old text, or no variable when there was none.
    BOOL Restore() const
    {
        if (m_bWasSet)
            return setenv("CLASSPATH", m_strValue, 1) == 0;
        return unsetenv("CLASSPATH") == 0;
    }

private:
    BOOL m_bWasSet;
    CString m_strValue;
};

} // namespace

CCommandRunner::EResult CCommandRunner::BuildLaunch(const CCommand& command, const CCommandRunContext& context,
                                                    CCommandLaunch& launch)
{
    if (command.m_strCommand.IsEmpty())
        return RUN_NOTHING;
    CString strArguments;
    if (!CMacroExpander::Expand(command.m_strArguments, context, strArguments)) {
        AfxMessageBox("Bad variable in the arguments !!!");
        return RUN_BAD_VARIABLE;
    }
    CString strDir;
    if (!CMacroExpander::Expand(command.m_strStartupDir, context, strDir)) {
        AfxMessageBox("Bad variable in the startup directory !!!");
        return RUN_BAD_VARIABLE;
    }
    launch.m_strCommandLine = command.m_strCommand + " " + strArguments;
    launch.m_strWorkingDir = strDir;
    launch.m_bCaptureOutput = command.m_bCaptureOutput;
    launch.m_strTitle.Empty();
    if (launch.m_bCaptureOutput) {
        launch.m_strCommandLine.TrimRight();
        launch.m_strTitle = launch.m_strCommandLine;
    }
    return RUN_STARTED;
}

CCommandRunner::EResult CCommandRunner::Run(const CCommand& command, const CCommandRunContext& context,
                                            const Starter& fnStart)
{
    CCommandLaunch launch;
    EResult nResult = BuildLaunch(command, context, launch);
    if (nResult != RUN_STARTED)
        return nResult;

    CSavedClassPath saved;
    if (command.m_bUseIDEClassPath) {
        // The global interpreter class path belongs to the project list, so
        // it counts whether or not a project is open.
        const COpenProjectData& project = context.m_OpenProject;
        if (project.m_bInterpreterClassPathOn && !project.m_strInterpreterClassPath.IsEmpty()
            && setenv("CLASSPATH", project.m_strInterpreterClassPath, 1) != 0) {
            AfxMessageBox("Error setting the classpath environment variable !!!");
            saved.Restore();
        }
    }
    BOOL bStarted = fnStart ? fnStart(launch) : FALSE;
    if (command.m_bUseIDEClassPath)
        saved.Restore();
    return bStarted ? RUN_STARTED : RUN_START_FAILED;
}
