// CAddBeansCommand: "mosk-tool add-beans INDEX FILE..." runs the bean
// index's Add Bean (through the "DumpBean" helper) on the ".jar" and
// ".class" files into the root folder of the bean index INDEX, which is
// made when missing. Refused duplicates and the helper's output are
// printed; the exit status is 1 when a file gave no bean.
#pragma once

class CAddBeansCommand {
public:
    // Runs the command on argv (the arguments after "add-beans"); returns the exit status.
    static int Run(int argc, char** argv);
};
