// CCommandsCommand: "mosk-tool commands FILE" prints a user commands file
// ("user.cmd"): its version, the number of commands and every field of each
// command by name. A file that is missing or malformed gets one line on
// standard error and exit status 1.
#pragma once

class CCommandsCommand {
public:
    // Runs the command on argv (the arguments after "commands"); returns the exit status.
    static int Run(int argc, char** argv);
};
