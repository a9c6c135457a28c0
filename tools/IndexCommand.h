// CIndexCommand: "mosk-tool index FILE" prints a package index ("mosk.pkg")
// or a bean index ("mosk.bns"), told apart by the class of the first stored
// object: every package, class, interface and member, or every folder,
// bean, property (with getter and setter), listener, event and method, one
// per line, indented by depth. A file that cannot be read gets one line on
// standard error and exit status 1.
#pragma once

class CIndexCommand {
public:
    // Runs the command on argv (the arguments after "index"); returns the exit status.
    static int Run(int argc, char** argv);
};
