// CIndexCommand: "mosk-tool index FILE" prints a package index ("mosk.pkg"),
// a bean index ("mosk.bns") or a help tree ("mosk.hpg"), told apart by the
// class of the first stored object (and, for the two folder trees, by the
// name or the item classes): every package, class, interface and member;
// every folder, bean, property (with getter and setter), listener, event
// and method; or every folder, document and link; one per line, indented by depth. A file that cannot be read gets one line on
// standard error and exit status 1.
#pragma once

class CIndexCommand {
public:
    // Runs the command on argv (the arguments after "index"); returns the exit status.
    static int Run(int argc, char** argv);
};
