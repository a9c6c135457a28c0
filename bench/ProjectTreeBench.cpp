// project_tree_bench: the project tree with a large project. Makes, in a
// temporary folder, a project of 2,000 files (300 Java sources, which are
// parsed; 15 folders of 100 files and one folder "Big" of 500), then times
// (each 7 times, printing the least and the median in milliseconds):
//   open+show  : reading the project file and showing its tree in the view;
//   parse-300  : parsing the 300 sources, the tree following each parse;
//   expand-500 : expanding the folder of 500 files and painting it.
// Arguments are accepted and ignored (bench/run-all passes its own).
#include "Project.h"
#include "ProjectDoc.h"
#include "ProjectFolder.h"
#include "ProjectHost.h"
#include "ProjectView.h"
#include "ProjectVirtualFolder.h"

#include <QApplication>
#include <QTreeWidgetItem>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace {

constexpr int FILES = 2000, SOURCES = 300, BIG = 500, FOLDER_SIZE = 100, RUNS = 7;

class CViewHost : public CProjectHost {
public:
    CProjectView* m_pView = nullptr;
    void RefreshViews() override { if (m_pView) m_pView->RefreshAll(); }
    void RefreshNode(CTreeItem* pNode) override { if (m_pView) m_pView->RefreshNode(pNode); }
    void NodeDeleted(CTreeItem* pNode) override { if (m_pView) m_pView->NodeDeleted(pNode); }
    void SelectNode(CTreeItem* pNode, BOOL bEdit) override { if (m_pView) m_pView->SelectNode(pNode, bEdit); }
};

std::string Source(int n)
{
    std::string strName = "Source" + std::to_string(n);
    std::string str = "package bench.p" + std::to_string(n % 10) + ";\n\nimport java.util.List;\nimport java.io.*;\n\n";
    str += "public class " + strName + " implements Serializable {\n";
    for (int m = 0; m < 12; ++m) {
        str += "    private int m_n" + std::to_string(m) + ";\n";
        str += "    public int get" + std::to_string(m) + "(int a, String b) {\n";
        str += "        if (a > " + std::to_string(m) + ") { return a * 2; }\n";
        str += "        return m_n" + std::to_string(m) + " + b.length();\n    }\n";
    }
    str += "}\n\ninterface Shape" + std::to_string(n) + " {\n    void draw();\n}\n";
    return str;
}

double Ms(std::chrono::steady_clock::duration d)
{
    return std::chrono::duration<double, std::milli>(d).count();
}

void Report(const char* pszName, std::vector<double> times, double nLimit)
{
    std::sort(times.begin(), times.end());
    std::printf("%-11s min %7.2f ms  median %7.2f ms", pszName, times.front(), times[times.size() / 2]);
    if (nLimit > 0)
        std::printf("  (limit %g ms)", nLimit);
    std::printf("\n");
}

QTreeWidgetItem* FindChild(QTreeWidgetItem* pParent, const QString& strText)
{
    for (int i = 0; i < pParent->childCount(); ++i)
        if (pParent->child(i)->text(0) == strText)
            return pParent->child(i);
    return nullptr;
}

} // namespace

int main(int argc, char** argv)
{
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    namespace fs = std::filesystem;
    fs::path folder = fs::temp_directory_path() / ("mosk-tree-bench-" + std::to_string(::getpid()));
    fs::create_directories(folder);
    std::string strProject = (folder / "Bench.mosk").string();
    std::vector<std::string> sources;

    // The project: made once through the project document.
    {
        CProjectDoc doc;
        if (!doc.OpenProject(strProject.c_str(), TRUE)) {
            std::fprintf(stderr, "project_tree_bench: cannot create %s\n", strProject.c_str());
            return 1;
        }
        CProject& project = doc.GetProject();
        std::vector<CTreeFolder*> folders;
        for (int f = 0; f < (FILES - BIG) / FOLDER_SIZE; ++f) {
            CProjectVirtualFolder* pFolder = project.AddFolder(project.GetNode());
            project.RenameFolder(pFolder, ("Folder" + std::to_string(f)).c_str());
            folders.push_back(pFolder);
        }
        CProjectVirtualFolder* pBig = project.AddFolder(project.GetNode());
        project.RenameFolder(pBig, "Big");
        for (int i = 0; i < FILES; ++i) {
            bool bSource = i % (FILES / SOURCES) == 0 && static_cast<int>(sources.size()) < SOURCES;
            std::string strPath =
                (folder / (bSource ? "Source" + std::to_string(i) + ".java" : "file" + std::to_string(i) + ".txt"))
                    .string();
            std::ofstream(strPath) << (bSource ? Source(i) : std::string("text\n"));
            if (bSource)
                sources.push_back(strPath);
            CTreeFolder* pFolder = i < FILES - BIG ? folders[i / FOLDER_SIZE] : pBig;
            if (!project.AddFile(strPath.c_str(), pFolder)) {
                std::fprintf(stderr, "project_tree_bench: cannot add %s\n", strPath.c_str());
                return 1;
            }
        }
        if (!project.Save())
            return 1;
    }
    std::printf("project: %d files, %zu parsed sources, one folder of %d\n", FILES, sources.size(), BIG);

    std::vector<double> open, parse, expand;
    for (int nRun = 0; nRun < RUNS; ++nRun) {
        CViewHost host;
        CProjectDoc doc(&host);
        CProjectView view;
        view.resize(300, 800);
        view.SetDocument(&doc);
        host.m_pView = &view;
        view.show();
        app.processEvents();

        auto start = std::chrono::steady_clock::now();
        if (!doc.OpenProjectFile(strProject.c_str()))
            return 1;
        view.repaint();
        app.processEvents();
        open.push_back(Ms(std::chrono::steady_clock::now() - start));

        start = std::chrono::steady_clock::now();
        for (const std::string& strPath : sources)
            doc.GetProject().ParseFile(strPath.c_str(), FALSE);
        view.repaint();
        app.processEvents();
        parse.push_back(Ms(std::chrono::steady_clock::now() - start));

        QTreeWidgetItem* pProject = view.ItemOf(doc.GetCurrentNode());
        QTreeWidgetItem* pBig = pProject ? FindChild(pProject, QStringLiteral("Big")) : nullptr;
        if (!pBig) {
            std::fprintf(stderr, "project_tree_bench: the folder Big is not shown\n");
            return 1;
        }
        start = std::chrono::steady_clock::now();
        pBig->setExpanded(true);
        view.scrollToItem(pBig->child(BIG - 1));
        view.repaint();
        app.processEvents();
        expand.push_back(Ms(std::chrono::steady_clock::now() - start));
        if (pBig->childCount() != BIG)
            return 1;
        doc.GetProject().SetModifiedFlag(FALSE);
        host.m_pView = nullptr;
        view.SetDocument(nullptr);
    }
    Report("open+show", open, 200);
    Report("parse-300", parse, 0);
    Report("expand-500", expand, 20);
    fs::remove_all(folder);
    return 0;
}
