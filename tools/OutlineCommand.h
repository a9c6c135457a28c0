// COutlineCommand: "mosk-tool outline FILE..." parses each Java file and
// prints its declarations, one per line (format in JavaOutline.h). A file
// that cannot be read gets one line on standard error; the others are
// still done and the exit status is 1.
#pragma once

class COutlineCommand {
public:
    // Runs the command on argv (the arguments after "outline"); returns the exit status.
    static int Run(int argc, char** argv);
};
