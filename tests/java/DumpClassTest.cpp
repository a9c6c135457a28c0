// DumpClass on classes compiled here: its declaration text read back by the
// IDE's parser gives the class's members, and failures exit non-zero with
// the reason on standard error.
#include "FileObject.h"
#include "JavaOutline.h"
#include "JavaParser.h"
#include "JavaRun.h"
#include "TempFolder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>

namespace {

const char* const s_box =
    "package lib.shapes;\n"
    "import java.io.IOException;\n"
    "import java.util.*;\n"
    "public abstract class Box<T extends Number> extends AbstractList<T> implements java.io.Serializable, Shape {\n"
    "    public int count;\n"
    "    protected String[][] names;\n"
    "    public static final long MAX = 5;\n"
    "    private int hidden;\n"
    "    int packageOnly;\n"
    "    public Box() { }\n"
    "    protected Box(int n, String... rest) throws IOException, IllegalStateException { }\n"
    "    private Box(long secret) { }\n"
    "    public T get(int i) { return null; }\n"
    "    public int size() { return 0; }\n"
    "    public static <K extends Comparable<K>> Map<K, List<String>> group(Collection<? super K> c, int[] a) { return null; }\n"
    "    protected synchronized native void poke(char[][] grid);\n"
    "    void packageMethod() { }\n"
    "}\n";

const char* const s_shape =
    "package lib.shapes;\n"
    "public interface Shape extends Comparable<Shape> {\n"
    "    int CORNERS = 4;\n"
    "    double area() throws ArithmeticException, java.io.IOException;\n"
    "}\n";

const char* const s_leaf =
    "package lib.shapes.deep.nest;\n"
    "public final class Leaf extends lib.shapes.Box<Integer> {\n"
    "    public Leaf(Twig t) { }\n"
    "    public double area() { return 0; }\n"
    "    public int compareTo(lib.shapes.Shape s) { return 0; }\n"
    "    public Twig twig() { return null; }\n"
    "}\n"
    "class Twig { }\n";

const char* const s_plain =
    "public class Plain {\n"
    "    public static void main(String[] args) { }\n"
    "}\n";

// A class whose parent is missing once the parent's class file is deleted.
const char* const s_orphan =
    "public class Orphan extends Gone { }\n"
    "class Gone { }\n";

struct SDumpCase {
    const char* pszName;     // test case
    const char* pszFolder;   // the class file's folder under the class root
    const char* pszClass;    // the class file's name without ".class"
    const char* pszOutline;  // what the parser reads from the output ("F" for the file)
};

const SDumpCase g_cases[] = {
    {"GenericClassWithArraysAndThrows", "lib/shapes", "Box",
     "F\t1\t1\tpackage\tlib.shapes\t-\t-\t-\t-\n"
     "F\t4\t14\tclass\tlib.shapes.Box\tclass\tpublic\tabstract\t"
     "extends java.util.AbstractList<T> implements java.io.Serializable, lib.shapes.Shape\n"
     "F\t5\t5\tfield\tlib.shapes.Box.MAX\tlong\tpublic\tstatic,final\t-\n"
     "F\t6\t6\tfield\tlib.shapes.Box.count\tint\tpublic\t-\t-\n"
     "F\t7\t7\tfield\tlib.shapes.Box.names\tjava.lang.String[][]\tprotected\t-\t-\n"
     "F\t8\t8\tmethod\tlib.shapes.Box.lib.shapes.Box\t-\tpublic\t-\t-\n"
     "F\t9\t9\tmethod\tlib.shapes.Box.lib.shapes.Box\t-\tprotected\t-\t"
     "throws java.io.IOException, java.lang.IllegalStateException\n"
     "F\t9\t9\targument\tlib.shapes.Box.lib.shapes.Box.arg0\tint\t-\t-\t-\n"
     "F\t9\t9\targument\tlib.shapes.Box.lib.shapes.Box.arg1\tjava.lang.String...\t-\t-\t-\n"
     "F\t10\t10\tmethod\tlib.shapes.Box.get\tT\tpublic\t-\t-\n"
     "F\t10\t10\targument\tlib.shapes.Box.get.arg0\tint\t-\t-\t-\n"
     "F\t11\t11\tmethod\tlib.shapes.Box.group\tjava.util.Map<K, java.util.List<java.lang.String>>\tpublic\tstatic\t-\n"
     "F\t11\t11\targument\tlib.shapes.Box.group.arg0\tjava.util.Collection<? super K>\t-\t-\t-\n"
     "F\t11\t11\targument\tlib.shapes.Box.group.arg1\tint[]\t-\t-\t-\n"
     "F\t12\t12\tmethod\tlib.shapes.Box.poke\tvoid\tprotected\tsynchronized,native\t-\n"
     "F\t12\t12\targument\tlib.shapes.Box.poke.arg0\tchar[][]\t-\t-\t-\n"
     "F\t13\t13\tmethod\tlib.shapes.Box.size\tint\tpublic\t-\t-\n"},
    {"InterfaceWithConstantAndThrows", "lib/shapes", "Shape",
     "F\t1\t1\tpackage\tlib.shapes\t-\t-\t-\t-\n"
     "F\t4\t7\tinterface\tlib.shapes.Shape\tinterface\tpublic\t-\textends java.lang.Comparable<lib.shapes.Shape>\n"
     "F\t5\t5\tfield\tlib.shapes.Shape.CORNERS\tint\tpublic\tstatic,final\t-\n"
     "F\t6\t6\tmethod\tlib.shapes.Shape.area\tdouble\tpublic\tabstract\t"
     "throws java.lang.ArithmeticException, java.io.IOException\n"},
    // Its parent lies in another package under the package root.
    {"ClassOfANestedPackage", "lib/shapes/deep/nest", "Leaf",
     "F\t1\t1\tpackage\tlib.shapes.deep.nest\t-\t-\t-\t-\n"
     "F\t4\t9\tclass\tlib.shapes.deep.nest.Leaf\tclass\tpublic\tfinal\t"
     "extends lib.shapes.Box<java.lang.Integer>\n"
     "F\t5\t5\tmethod\tlib.shapes.deep.nest.Leaf.lib.shapes.deep.nest.Leaf\t-\tpublic\t-\t-\n"
     "F\t5\t5\targument\tlib.shapes.deep.nest.Leaf.lib.shapes.deep.nest.Leaf.arg0\tlib.shapes.deep.nest.Twig\t-\t-\t-\n"
     "F\t6\t6\tmethod\tlib.shapes.deep.nest.Leaf.area\tdouble\tpublic\t-\t-\n"
     "F\t7\t7\tmethod\tlib.shapes.deep.nest.Leaf.compareTo\tint\tpublic\t-\t-\n"
     "F\t7\t7\targument\tlib.shapes.deep.nest.Leaf.compareTo.arg0\tlib.shapes.Shape\t-\t-\t-\n"
     "F\t8\t8\tmethod\tlib.shapes.deep.nest.Leaf.twig\tlib.shapes.deep.nest.Twig\tpublic\t-\t-\n"},
    {"ClassWithoutPackage", "", "Plain",
     "F\t2\t5\tclass\tPlain\tclass\tpublic\t-\textends java.lang.Object\n"
     "F\t3\t3\tmethod\tPlain.Plain\t-\tpublic\t-\t-\n"
     "F\t4\t4\tmethod\tPlain.main\tvoid\tpublic\tstatic\t-\n"
     "F\t4\t4\targument\tPlain.main.arg0\tjava.lang.String[]\t-\t-\t-\n"},
};

class DumpClassTest : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        s_pRoot = new CTempFolder;
        const std::pair<const char*, const char*> sources[] = {
            {"Box.java", s_box}, {"Shape.java", s_shape}, {"Leaf.java", s_leaf},
            {"Plain.java", s_plain}, {"Orphan.java", s_orphan}};
        std::vector<std::string> paths;
        for (const auto& source : sources)
            paths.push_back(s_pRoot->Write(source.first, source.second).str());
        std::filesystem::create_directory(Classes());
        CJavaRun::Compile(paths, Classes(), s_pRoot->Path().str());
        std::filesystem::remove(Classes() + "/Gone.class");
        // Anything but a class file under a class file's name.
        s_pRoot->Write("classes/Bad.class", "Plain text, no class.\n");
    }
    static void TearDownTestSuite()
    {
        delete s_pRoot;
        s_pRoot = nullptr;
    }
    static std::string Classes() { return s_pRoot->File("classes").str(); }

    // Runs DumpClass on pszClass in the folder under the class root; the output file's text.
    static CJavaRun Dump(const char* pszFolder, const char* pszClass, const std::string& strOutFile)
    {
        std::string strFolder = Classes() + (*pszFolder ? "/" : "") + pszFolder;
        return CJavaRun::Java({"DumpClass", pszClass, strOutFile}, strFolder);
    }

    static CTempFolder* s_pRoot;
};

CTempFolder* DumpClassTest::s_pRoot = nullptr;

TEST_F(DumpClassTest, OutputReadsBackWithTheClassMembers)
{
    ASSERT_FALSE(HasFatalFailure());
    CTempFolder out;
    for (const SDumpCase& c : g_cases) {
        SCOPED_TRACE(c.pszName);
        std::string strOutFile = out.File(c.pszClass).str();
        CJavaRun run = Dump(c.pszFolder, c.pszClass, strOutFile);
        ASSERT_EQ(run.m_nExit, 0) << run.m_strErr;
        EXPECT_EQ(run.m_strErr, "");
        std::unique_ptr<CFileObject> pFile(CJavaParser::ParseIntrospectionFile(strOutFile.c_str()));
        ASSERT_TRUE(pFile) << ReadWholeFile(strOutFile.c_str());
        CString strOutline;
        CJavaOutline::Write(*pFile, "F", strOutline);
        EXPECT_EQ(strOutline.str(), c.pszOutline) << ReadWholeFile(strOutFile.c_str());
    }
}

TEST_F(DumpClassTest, WritesTheDeclarationText)
{
    CTempFolder out;
    CJavaRun run = Dump("lib/shapes", "Shape", out.File("shape").str());
    ASSERT_EQ(run.m_nExit, 0) << run.m_strErr;
    EXPECT_EQ(ReadWholeFile(out.File("shape")),
              "package lib.shapes;\n"
              "\n"
              "public interface lib.shapes.Shape extends java.lang.Comparable<lib.shapes.Shape>\n"
              "{\n"
              "\tpublic static final int CORNERS;\n"
              "\tpublic abstract double area() throws java.lang.ArithmeticException, java.io.IOException;\n"
              "}\n");
}

TEST_F(DumpClassTest, AClassThatDoesNotLoadExitsWithTheReason)
{
    struct SFailure {
        const char* pszName;
        const char* pszClass;
        const char* pszReason;  // part of the line on standard error
    };
    const SFailure failures[] = {
        {"MissingFile", "Nowhere", "DumpClass: cannot load Nowhere: IOException: no such class file: Nowhere.class"},
        {"NotAClassFile", "Bad", "DumpClass: cannot load Bad: IOException: not a class file (bad magic number)"},
        {"ParentMissing", "Orphan", "DumpClass: cannot load Orphan: NoClassDefFoundError: Gone"},
    };
    CTempFolder out;
    for (const SFailure& f : failures) {
        SCOPED_TRACE(f.pszName);
        std::string strOutFile = out.File(f.pszClass).str();
        CJavaRun run = Dump("", f.pszClass, strOutFile);
        EXPECT_EQ(run.m_nExit, 1);
        EXPECT_NE(run.m_strErr.find(f.pszReason), std::string::npos) << run.m_strErr;
        EXPECT_FALSE(std::filesystem::exists(strOutFile));
    }
    CJavaRun usage = CJavaRun::Java({"DumpClass", "Plain"}, Classes());
    EXPECT_EQ(usage.m_nExit, 2);
    EXPECT_NE(usage.m_strErr.find("usage: java DumpClass NAME OUTFILE"), std::string::npos);
}

}  // namespace
