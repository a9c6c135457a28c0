// CAddPackagesCommand: "mosk-tool add-packages INDEX FILE..." runs the
// package index's Add/Update on the ".java" files and its Add Class (through
// the "DumpClass" helper) on the ".class" files, on the index file INDEX,
// which is made when missing. The helper's output and the index's messages
// go to standard output; the exit status is 1 when something failed.
#pragma once

class CAddPackagesCommand {
public:
    // Runs the command on argv (the arguments after "add-packages"); returns the exit status.
    static int Run(int argc, char** argv);
    // Prepares the helpers' world the way the program does at start-up: the
    // JDK folder of the settings and "classes.zip" of the program folder on the class path.
    static void PrepareHelpers();
};
