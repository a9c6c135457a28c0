// The GUI builder MGB without a display: designs of a resource file loaded,
// changed and saved through its command-line edits; the text the IDE wrote
// kept; the generated source compiled with javac; the previous source kept
// as ".bak".
#include "JavaRun.h"
#include "TempFolder.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace {

// What the IDE writes for a new dialog and a new frame.
const char* const s_dialogBlock =
    "Begin Dialog 1.0 \"Dialog1\"\n"
    "\tBegin ComponentGroup\n"
    "\tEnd ComponentGroup\n"
    "\t\"BACKCOLOR\" \"192,192,192\"\n"
    "\t\"GRIDSIZE\" \"10,10\"\n"
    "\t\"GRIDSNAP\" \"false\"\n"
    "\t\"DIALOGSIZE\" \"100,100\"\n"
    "\t\"DIALOGTITLE\" \"\"\n"
    "\t\"DIALOGMODAL\" \"true\"\n"
    "End Dialog";
const char* const s_frameBlock =
    "Begin Frame 1.0 \"Main\"\n"
    "\tBegin ComponentGroup\n"
    "\tEnd ComponentGroup\n"
    "\t\"BACKCOLOR\" \"192,192,192\"\n"
    "\t\"GRIDSIZE\" \"10,10\"\n"
    "\t\"GRIDSNAP\" \"false\"\n"
    "\t\"FRAMESIZE\" \"100,100\"\n"
    "\t\"FRAMETITLE\" \"\"\n"
    "End Frame";

const std::string s_header = "// Mosk Resource file";

struct SMgbCase {
    const char* pszName;
    std::string strBefore;              // the resource file
    const char* pszDesign;
    const char* pszKind;
    std::vector<std::string> edits;
    std::string strAfter;               // the resource file after the run
    const char* pszSourceLine;          // a line the generated source holds
};

const SMgbCase g_cases[] = {
    {"DialogEditedKeepsTheOtherDesignAndUnknownLines",
     s_header + "\n\n" + s_dialogBlock + "\n\n" + s_frameBlock + "\n",
     "Dialog1", "Dialog",
     {"title=Say \"hi\"", "size=300,200", "background=0,128,255", "modal=false", "grid=5,5,true",
      "add=Button,okButton,12,12,80,25,OK", "add=Label,prompt,10,50,80,20,Name:",
      "add=TextField,nameField,100,50,120,25,", "add=TextArea,notes,10,80,150,60,one\\two\nthree",
      "add=CheckBox,keep,170,80,100,25,Keep", "add=List,colours,170,110,100,60,red\ngreen",
      "add=Button,spare,0,0,10,10,x", "delete=spare", "move=prompt,21,52", "resize=nameField,118,24",
      "text=okButton,Done", "rename=keep,keepIt"},
     s_header + "\n\n"
     "Begin Dialog 1.0 \"Dialog1\"\n"
     "\tBegin ComponentGroup\n"
     "\t\t\"Button\" \"okButton\" \"10,10,80,25\" \"Done\"\n"
     "\t\t\"Label\" \"prompt\" \"20,50,80,20\" \"Name:\"\n"
     "\t\t\"TextField\" \"nameField\" \"100,50,120,25\" \"\"\n"
     "\t\t\"TextArea\" \"notes\" \"10,80,150,60\" \"one\\\\two\\nthree\"\n"
     "\t\t\"CheckBox\" \"keepIt\" \"170,80,100,25\" \"Keep\"\n"
     "\t\t\"List\" \"colours\" \"170,110,100,60\" \"red\\ngreen\"\n"
     "\tEnd ComponentGroup\n"
     "\t\"BACKCOLOR\" \"0,128,255\"\n"
     "\t\"GRIDSIZE\" \"5,5\"\n"
     "\t\"GRIDSNAP\" \"true\"\n"
     "\t\"DIALOGSIZE\" \"300,200\"\n"
     "\t\"DIALOGTITLE\" \"Say \\\"hi\\\"\"\n"
     "\t\"DIALOGMODAL\" \"false\"\n"
     "End Dialog\n\n" + s_frameBlock + "\n",
     "        super(owner, \"Say \\\"hi\\\"\", false);\n"},
    {"FrameAfterADialogWithAnUnknownComponentAndProperty",
     s_header + "\n\n" + s_dialogBlock + "\n\n"
     "Begin Frame 1.0 \"Main\"\n"
     "\tBegin ComponentGroup\n"
     "\t\t\"Slider\" \"volume\" \"1,1,50,10\" \"\"\n"
     "\tEnd ComponentGroup\n"
     "\t\"AUTHOR\" \"somebody\"\n"
     "\t\"FRAMESIZE\" \"100,100\"\n"
     "End Frame",
     "Main", "Frame",
     {"title=Main window", "add=Button,go,10,10,60,25,Go"},
     s_header + "\n\n" + s_dialogBlock + "\n\n"
     "Begin Frame 1.0 \"Main\"\n"
     "\tBegin ComponentGroup\n"
     "\t\t\"Button\" \"go\" \"10,10,60,25\" \"Go\"\n"
     "\t\t\"Slider\" \"volume\" \"1,1,50,10\" \"\"\n"
     "\tEnd ComponentGroup\n"
     "\t\"AUTHOR\" \"somebody\"\n"
     "\t\"FRAMESIZE\" \"100,100\"\n"
     "\t\"BACKCOLOR\" \"192,192,192\"\n"
     "\t\"GRIDSIZE\" \"10,10\"\n"
     "\t\"GRIDSNAP\" \"false\"\n"
     "\t\"FRAMETITLE\" \"Main window\"\n"
     "End Frame",
     "public class Main extends JFrame {\n"},
};

class MgbTest : public ::testing::Test {
protected:
    CTempFolder m_tmp;

    CJavaRun Mgb(const std::string& strFile, const char* pszDesign, const char* pszKind,
                 const std::vector<std::string>& edits)
    {
        std::vector<std::string> args = {"MGB", strFile, pszDesign, pszKind};
        args.insert(args.end(), edits.begin(), edits.end());
        return CJavaRun::Java(args, m_tmp.Path().str());
    }
};

TEST_F(MgbTest, SavesTheDesignAndWritesASourceThatCompiles)
{
    for (const SMgbCase& c : g_cases) {
        SCOPED_TRACE(c.pszName);
        std::string strRes = m_tmp.Write((std::string(c.pszDesign) + ".res").c_str(), c.strBefore).str();
        std::string strSource = m_tmp.File(c.pszDesign).str() + ".java";
        m_tmp.Write((std::string(c.pszDesign) + ".java").c_str(), "// the source before\n");
        CJavaRun run = Mgb(strRes, c.pszDesign, c.pszKind, c.edits);
        ASSERT_EQ(run.m_nExit, 0) << run.m_strErr;
        EXPECT_EQ(ReadWholeFile(strRes.c_str()), c.strAfter);
        EXPECT_EQ(ReadWholeFile((strSource + ".bak").c_str()), "// the source before\n");
        std::string strText = ReadWholeFile(strSource.c_str());
        EXPECT_NE(strText.find(c.pszSourceLine), std::string::npos) << strText;
        std::string strClasses = m_tmp.File("classes").str();
        std::filesystem::create_directories(strClasses);
        CJavaRun::Compile({strSource}, strClasses, m_tmp.Path().str());

        // Loaded again and saved unchanged, the file stays as it is.
        CJavaRun again = Mgb(strRes, c.pszDesign, c.pszKind, {"save"});
        EXPECT_EQ(again.m_nExit, 0) << again.m_strErr;
        EXPECT_EQ(ReadWholeFile(strRes.c_str()), c.strAfter);
        EXPECT_EQ(ReadWholeFile(strSource.c_str()), strText);
        EXPECT_EQ(ReadWholeFile((strSource + ".bak").c_str()), strText);
    }
}

TEST_F(MgbTest, TheGeneratedDialogBuildsItsComponents)
{
    std::string strRes = m_tmp.Write("Ask.res", s_header + "\n\n" + std::string(s_dialogBlock).replace(18, 7, "Ask")).str();
    CJavaRun run = Mgb(strRes, "Ask", "Dialog",
                       {"title=Question", "size=200,120", "add=Label,question,10,10,180,20,Really?",
                        "add=Button,yes,10,40,60,25,Yes"});
    ASSERT_EQ(run.m_nExit, 0) << run.m_strErr;
    EXPECT_EQ(ReadWholeFile(m_tmp.File("Ask.java")),
              "// Made by the Mosk GUI Builder from Ask.res. Edit the design there: this file is written again "
              "when it is saved.\n"
              "import java.awt.Color;\n"
              "import java.awt.Container;\n"
              "import java.awt.Frame;\n"
              "import javax.swing.*;\n"
              "\n"
              "public class Ask extends JDialog {\n"
              "    protected JLabel question;\n"
              "    protected JButton yes;\n"
              "\n"
              "    public Ask() {\n"
              "        this(null);\n"
              "    }\n"
              "\n"
              "    public Ask(Frame owner) {\n"
              "        super(owner, \"Question\", true);\n"
              "        setDefaultCloseOperation(DISPOSE_ON_CLOSE);\n"
              "        buildComponents();\n"
              "    }\n"
              "\n"
              "    private void buildComponents() {\n"
              "        Container contents = getContentPane();\n"
              "        contents.setLayout(null);\n"
              "        contents.setBackground(new Color(192, 192, 192));\n"
              "        this.question = new JLabel(\"Really?\");\n"
              "        this.question.setBounds(10, 10, 180, 20);\n"
              "        contents.add(this.question);\n"
              "        this.yes = new JButton(\"Yes\");\n"
              "        this.yes.setBounds(10, 40, 60, 25);\n"
              "        contents.add(this.yes);\n"
              "        setSize(200, 120);\n"
              "    }\n"
              "}\n");
    EXPECT_FALSE(std::filesystem::exists(m_tmp.File("Ask.java.bak").str()));
}

TEST_F(MgbTest, ARefusedEditChangesNothing)
{
    struct SRefusal {
        const char* pszName;
        const char* pszDesign;
        const char* pszKind;
        std::vector<std::string> edits;
        const char* pszReason;
    };
    const SRefusal refusals[] = {
        {"NoSuchDesign", "Dialog2", "Dialog", {"save"}, "has no Dialog named Dialog2"},
        {"KindOfTheOtherDesign", "Dialog1", "Frame", {"save"}, "has no Frame named Dialog1"},
        {"UnknownKind", "Dialog1", "Window", {"save"}, "Unknown kind of design Window"},
        {"DuplicateName", "Dialog1", "Dialog", {"add=Button,b,0,0,10,10", "add=Label,b,0,20,10,10"},
         "The name b is taken"},
        {"KeywordName", "Dialog1", "Dialog", {"add=Button,class,0,0,10,10"}, "\"class\" is not a Java name"},
        {"NameOfTheDesign", "Dialog1", "Dialog", {"add=Button,Dialog1,0,0,10,10"}, "The name Dialog1 is taken"},
        {"UnknownComponent", "Dialog1", "Dialog", {"add=Slider,s,0,0,10,10"}, "Unknown kind of component Slider"},
        {"NegativePlace", "Dialog1", "Dialog", {"add=Button,b,-5,0,10,10"}, "The x must lie between 0 and 4000"},
        {"TooSmall", "Dialog1", "Dialog", {"size=5,100"}, "The width must lie between 10 and 4000"},
        {"NoSuchComponent", "Dialog1", "Dialog", {"move=nobody,1,1"}, "The design has no component nobody"},
        {"ModalFrame", "Main", "Frame", {"modal=true"}, "Only a dialog can be modal"},
        {"UnknownEdit", "Dialog1", "Dialog", {"colour=red"}, "Unknown edit colour=red"},
    };
    std::string strText = s_header + "\n\n" + s_dialogBlock + "\n\n" + s_frameBlock;
    std::string strRes = m_tmp.Write("two.res", strText).str();
    for (const SRefusal& r : refusals) {
        SCOPED_TRACE(r.pszName);
        CJavaRun run = Mgb(strRes, r.pszDesign, r.pszKind, r.edits);
        EXPECT_EQ(run.m_nExit, 1);
        EXPECT_NE(run.m_strErr.find(r.pszReason), std::string::npos) << run.m_strErr;
        EXPECT_EQ(ReadWholeFile(strRes.c_str()), strText);
        EXPECT_FALSE(std::filesystem::exists(m_tmp.File((std::string(r.pszDesign) + ".java").c_str()).str()));
    }
    CJavaRun window = Mgb(strRes, "Dialog1", "Dialog", {});
    EXPECT_EQ(window.m_nExit, 1);
    EXPECT_NE(window.m_strErr.find("no display"), std::string::npos) << window.m_strErr;
}

TEST_F(MgbTest, BadValuesAreReportedAndTheRestLoads)
{
    std::string strRes = m_tmp.Write("odd.res",
                                     s_header + "\n\nBegin Dialog 1.0 \"odd\"\n"
                                     "\tBegin ComponentGroup\n"
                                     "\t\t\"Button\" \"b\" \"1,2,x,4\" \"B\"\n"
                                     "\t\t\"Label\" \"l\" \"5,6,7,8\" \"L\"\n"
                                     "\tEnd ComponentGroup\n"
                                     "\t\"BACKCOLOR\" \"red\"\n"
                                     "\t\"DIALOGSIZE\" \"120,80\"\n"
                                     "End Dialog\n").str();
    CJavaRun run = Mgb(strRes, "odd", "Dialog", {"move=l,10,10"});
    ASSERT_EQ(run.m_nExit, 0) << run.m_strErr;
    EXPECT_NE(run.m_strErr.find("Line ignored: \"BACKCOLOR\" \"red\""), std::string::npos) << run.m_strErr;
    EXPECT_NE(run.m_strErr.find("Line ignored: \"Button\" \"b\" \"1,2,x,4\" \"B\""), std::string::npos);
    EXPECT_EQ(ReadWholeFile(strRes.c_str()),
              s_header + "\n\nBegin Dialog 1.0 \"odd\"\n"
              "\tBegin ComponentGroup\n"
              "\t\t\"Label\" \"l\" \"10,10,7,8\" \"L\"\n"
              "\t\t\"Button\" \"b\" \"1,2,x,4\" \"B\"\n"
              "\tEnd ComponentGroup\n"
              "\t\"BACKCOLOR\" \"192,192,192\"\n"
              "\t\"DIALOGSIZE\" \"120,80\"\n"
              "\t\"GRIDSIZE\" \"10,10\"\n"
              "\t\"GRIDSNAP\" \"false\"\n"
              "\t\"DIALOGTITLE\" \"\"\n"
              "\t\"DIALOGMODAL\" \"true\"\n"
              "End Dialog\n");
}

}  // namespace
