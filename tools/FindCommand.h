// CFindCommand: "mosk-tool find TEXT FILE..." prints what Find in Files
// lists in its results window for TEXT in the files, in the same form.
#pragma once

class CFindCommand {
public:
    // Runs the command on argv (the arguments after "find"); returns the exit status.
    static int Run(int argc, char** argv);
};
