// An open project in a temporary folder with Java sources written for it.
#pragma once

#include "Project.h"
#include "ProjectDoc.h"
#include "ProjectHost.h"
#include "ScriptedUserInterface.h"
#include "TempFolder.h"

#include <gtest/gtest.h>

class CmdlineProjectTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(m_doc.OpenProject(m_tmp.File("P.mosk"), TRUE)); }

    CProject& Project() { return m_doc.GetProject(); }
    // Writes a source file in the temp folder and lists it in the project (at the head of the list).
    CString AddSource(const char* pszName, const char* pszText)
    {
        CString strPath = m_tmp.Write(pszName, pszText);
        EXPECT_TRUE(Project().AddFile(strPath)) << pszName;
        return strPath;
    }
    // Main in package app.core, Plain without package, Helper without a main method.
    void AddSamples()
    {
        AddSource("Main.java", "package app.core;\npublic class Main {\n    public static void main(String[] a) {}\n}\n");
        AddSource("Plain.java", "public class Plain {\n    public static void main(String[] args) {}\n}\n");
        AddSource("Helper.java", "class Helper {\n    void main(String[] a) {}\n}\n");
    }

    CTempFolder m_tmp;
    CScriptedUserInterface m_ui;
    CProjectHost m_host;
    CProjectDoc m_doc{&m_host};
};
