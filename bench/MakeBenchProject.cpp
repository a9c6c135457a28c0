// make_bench_project PROJECT.mosk FILE...: writes a project file that lists
// the given source files, through the project document the program itself
// uses, for the start-up benchmark (startup-bench). Prints the file count.
#include "Project.h"
#include "ProjectDoc.h"

#include <cstdio>

int main(int argc, char** argv)
{
    if (argc < 3) {
        std::fprintf(stderr, "usage: make_bench_project PROJECT.mosk FILE...\n");
        return 2;
    }
    CProjectDoc doc;
    if (!doc.OpenProject(argv[1], TRUE)) {
        std::fprintf(stderr, "make_bench_project: cannot create %s\n", argv[1]);
        return 1;
    }
    CProject& project = doc.GetProject();
    for (int i = 2; i < argc; ++i) {
        if (!project.AddFile(argv[i])) {
            std::fprintf(stderr, "make_bench_project: cannot add %s\n", argv[i]);
            return 1;
        }
    }
    if (!project.Save()) {
        std::fprintf(stderr, "make_bench_project: cannot write %s\n", argv[1]);
        return 1;
    }
    std::printf("%d files\n", project.GetFileCount());
    return 0;
}
