// DumpBean on archives and class files built here: the bean description
// text, the beans an archive's manifest marks or, without marks, every
// public class with a public constructor without arguments.
#include "JavaRun.h"
#include "TempFolder.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace {

// A bean with a property of each accessor kind, an array of objects, an
// array of a primitive type, an indexed property, a hidden one and a listener.
const char* const s_gauge =
    "package kit.gauges;\n"
    "import java.beans.*;\n"
    "public class Gauge {\n"
    "    public interface LevelListener extends java.util.EventListener {\n"
    "        void levelRaised(java.util.EventObject e);\n"
    "        void levelDropped(java.util.EventObject e);\n"
    "    }\n"
    "    public Gauge() { }\n"
    "    public int getLevel() { return 0; }\n"
    "    public void setLevel(int n) { }\n"
    "    public boolean isOn() { return true; }\n"
    "    public void setOn(boolean b) { }\n"
    "    public String getLabel() { return \"\"; }\n"
    "    public void setTarget(java.awt.Point p) { }\n"
    "    public String[][] getNames() { return null; }\n"
    "    public void setNames(String[][] a) { }\n"
    "    public int[] getMarks() { return null; }\n"
    "    public String getLine(int i) { return null; }\n"
    "    public void setLine(int i, String s) { }\n"
    "    public String[] getLine() { return null; }\n"
    "    public void addLevelListener(LevelListener l) { }\n"
    "    public void removeLevelListener(LevelListener l) { }\n"
    "    public void reset() throws java.io.IOException { }\n"
    "}\n";

// Says its "secret" property is hidden.
const char* const s_gaugeInfo =
    "package kit.gauges;\n"
    "import java.beans.*;\n"
    "public class DialBeanInfo extends SimpleBeanInfo {\n"
    "    public PropertyDescriptor[] getPropertyDescriptors() {\n"
    "        try {\n"
    "            PropertyDescriptor p = new PropertyDescriptor(\"secret\", Dial.class, \"getSecret\", null);\n"
    "            p.setHidden(true);\n"
    "            p.setExpert(true);\n"
    "            return new PropertyDescriptor[] { p };\n"
    "        } catch (IntrospectionException e) {\n"
    "            return null;\n"
    "        }\n"
    "    }\n"
    "}\n";

const char* const s_dial =
    "package kit.gauges;\n"
    "public class Dial {\n"
    "    public long getSecret() { return 0; }\n"
    "}\n";

// Not beans without marks: no public constructor without arguments, abstract.
const char* const s_others =
    "package kit.gauges;\n"
    "public class Needle { public Needle(int n) { } }\n";
const char* const s_abstract =
    "package kit.gauges;\n"
    "public abstract class Face { public Face() { } }\n";

const char* const s_gaugeText =
    "class kit.gauges.Gauge\n"
    "{\n"
    "\tProperties\n"
    "\t{\n"
    "\t\tjava.lang.String label getLabel;\n"
    "\t\tint level getLevel setLevel;\n"
    "\t\tI [Ljava.lang.String; line getLine setLine;\n"
    "\t\tint[] marks getMarks;\n"
    "\t\t[[Ljava.lang.String; names getNames setNames;\n"
    "\t\tboolean on isOn setOn;\n"
    "\t\tjava.awt.Point target setTarget;\n"
    "\t}\n"
    "\tEvents\n"
    "\t{\n"
    "\t\tkit.gauges.Gauge.LevelListener addLevelListener removeLevelListener levelDropped levelRaised;\n"
    "\t}\n"
    "\tMethods\n"
    "\t{\n"
    "\t\tpublic boolean isOn();\n"
    "\t\tpublic int getLevel();\n"
    "\t\tpublic int[] getMarks();\n"
    "\t\tpublic java.lang.String getLabel();\n"
    "\t\tpublic java.lang.String getLine(int arg0);\n"
    "\t\tpublic java.lang.String[] getLine();\n"
    "\t\tpublic java.lang.String[][] getNames();\n"
    "\t\tpublic void addLevelListener(kit.gauges.Gauge.LevelListener arg0);\n"
    "\t\tpublic void removeLevelListener(kit.gauges.Gauge.LevelListener arg0);\n"
    "\t\tpublic void reset() throws java.io.IOException;\n"
    "\t\tpublic void setLevel(int arg0);\n"
    "\t\tpublic void setLine(int arg0, java.lang.String arg1);\n"
    "\t\tpublic void setNames(java.lang.String[][] arg0);\n"
    "\t\tpublic void setOn(boolean arg0);\n"
    "\t\tpublic void setTarget(java.awt.Point arg0);\n"
    "\t}\n"
    "}\n";

const char* const s_dialText =
    "class kit.gauges.Dial\n"
    "{\n"
    "\tProperties\n"
    "\t{\n"
    "\t\tH E long secret getSecret;\n"
    "\t}\n"
    "\tEvents\n"
    "\t{\n"
    "\t}\n"
    "\tMethods\n"
    "\t{\n"
    "\t\tpublic long getSecret();\n"
    "\t}\n"
    "}\n";

class DumpBeanTest : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        s_pRoot = new CTempFolder;
        const std::pair<const char*, const char*> sources[] = {
            {"Gauge.java", s_gauge}, {"DialBeanInfo.java", s_gaugeInfo}, {"Dial.java", s_dial},
            {"Needle.java", s_others}, {"Face.java", s_abstract}};
        std::vector<std::string> paths;
        for (const auto& source : sources)
            paths.push_back(s_pRoot->Write(source.first, source.second).str());
        std::string strClasses = s_pRoot->File("classes").str();
        std::filesystem::create_directory(strClasses);
        CJavaRun::Compile(paths, strClasses, s_pRoot->Path().str());
        // One archive marks Dial and Gauge as beans, one has no manifest at all.
        s_pRoot->Write("beans.mft",
                       "Manifest-Version: 1.0\n\n"
                       "Name: kit/gauges/Dial.class\nJava-Bean: True\n\n"
                       "Name: kit/gauges/Needle.class\nJava-Bean: False\n\n"
                       "Name: kit/gauges/Gauge.class\nJava-Bean: true\n\n");
        Jar({"--create", "--file", s_pRoot->File("marked.jar").str(), "--manifest",
             s_pRoot->File("beans.mft").str(), "-C", strClasses, "."});
        Jar({"--create", "--no-manifest", "--file", s_pRoot->File("unmarked.jar").str(), "-C", strClasses, "."});
    }
    static void TearDownTestSuite()
    {
        delete s_pRoot;
        s_pRoot = nullptr;
    }
    static void Jar(const std::vector<std::string>& args)
    {
        CJavaRun run = CJavaRun::Run(MOSK_JAR_EXE, args, s_pRoot->Path().str());
        ASSERT_EQ(run.m_nExit, 0) << run.m_strErr;
    }

    static CTempFolder* s_pRoot;
};

CTempFolder* DumpBeanTest::s_pRoot = nullptr;

TEST_F(DumpBeanTest, DescribesTheBeansOfEachKindOfFile)
{
    ASSERT_FALSE(HasFatalFailure());
    struct SBeanCase {
        const char* pszName;
        const char* pszFolder;  // under the test's folder
        const char* pszFile;    // the file's name without extension
        std::string strText;    // the description written
    };
    const SBeanCase cases[] = {
        {"ArchiveWithManifestInItsOrder", "", "marked", std::string(s_dialText) + s_gaugeText},
        {"ArchiveWithoutManifestTakesPublicNoArgumentClasses", "", "unmarked",
         std::string(s_dialText) + s_gaugeText},
        {"ClassFile", "classes/kit/gauges", "Gauge", s_gaugeText},
    };
    CTempFolder out;
    for (const SBeanCase& c : cases) {
        SCOPED_TRACE(c.pszName);
        std::string strOutFile = out.File(c.pszFile).str();
        CJavaRun run = CJavaRun::Java({"DumpBean", c.pszFile, strOutFile}, s_pRoot->File(c.pszFolder).str());
        EXPECT_EQ(run.m_nExit, 0) << run.m_strErr;
        EXPECT_EQ(run.m_strErr, "");
        EXPECT_EQ(ReadWholeFile(strOutFile.c_str()), c.strText);
    }
}

TEST_F(DumpBeanTest, FailuresExitWithTheReason)
{
    CTempFolder out;
    s_pRoot->Write("broken.jar", "no archive");
    struct SFailure {
        const char* pszName;
        const char* pszFile;
        const char* pszReason;
    } failures[] = {
        {"NoSuchFile", "nothing", "DumpBean: cannot read nothing: FileNotFoundException: neither nothing.jar nor nothing.class exists"},
        {"NotAnArchive", "broken", "DumpBean: cannot read broken: ZipException"},
    };
    for (const SFailure& f : failures) {
        SCOPED_TRACE(f.pszName);
        std::string strOutFile = out.File(f.pszFile).str();
        CJavaRun run = CJavaRun::Java({"DumpBean", f.pszFile, strOutFile}, s_pRoot->Path().str());
        EXPECT_EQ(run.m_nExit, 1);
        EXPECT_NE(run.m_strErr.find(f.pszReason), std::string::npos) << run.m_strErr;
        EXPECT_FALSE(std::filesystem::exists(strOutFile));
    }
}

}  // namespace
