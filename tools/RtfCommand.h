// CRtfCommand: "mosk-tool rtf FILE" writes to standard output the rich text
// the editor receives when FILE is loaded.
#pragma once

class CRtfCommand {
public:
    // Runs the command on argv (the arguments after "rtf"); returns the exit status.
    static int Run(int argc, char** argv);
};
