// CProjectCommand: "mosk-tool project FILE" prints a project file (".mosk")
// or the project list ("mosk.proj") as text: every stored field by name,
// the breakpoints, the file list and the tree. A file that cannot be read
// gets one line on standard error and exit status 1.
#pragma once

class CProjectCommand {
public:
    // Runs the command on argv (the arguments after "project"); returns the exit status.
    static int Run(int argc, char** argv);
};
