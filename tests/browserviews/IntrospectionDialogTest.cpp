#include "BrowserHost.h"
#include "ClassIntrospectionQueue.h"
#include "Introspection.h"
#include "IntrospectionDialog.h"
#include "PkgDoc.h"
#include "StringArray.h"
#include "TempFolder.h"

#include <QElapsedTimer>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include <sys/stat.h>

TEST(IntrospectionDialogTest, CancelButtonTerminatesTheHelperAndCancelsTheQueue)
{
    CTempFolder jdk;
    CString strJava = jdk.Write("java", "#!/bin/sh\nexec sleep 60\n");
    ::chmod(strJava, 0755);
    CIntrospection::SetJdkFolder(jdk.Path());
    CTempFolder folder;
    CPkgDoc doc;
    CStringArray arrFiles;
    arrFiles.Add(folder.Write("Slow.class", "x"));
    arrFiles.Add(folder.Write("Next.class", "x"));
    CClassIntrospectionQueue queue(doc, arrFiles);
    CIntrospectionDialog dialog(queue);
    QTimer::singleShot(300, &dialog, [&] {
        EXPECT_EQ(dialog.windowTitle(), "Wait, Introspecting class Slow.class");
        QTest::mouseClick(dialog.GetCancelButton(), Qt::LeftButton);
    });
    QElapsedTimer timer;
    timer.start();
    EXPECT_EQ(dialog.exec(), QDialog::Rejected);
    EXPECT_LT(timer.elapsed(), 5000);
    EXPECT_EQ(queue.GetState(), CIntrospectionQueue::STATE_CANCELLED);
    EXPECT_FALSE(queue.Finish());
    EXPECT_EQ(doc.GetHost().m_strOutput.Right(7), "Aborted");
    EXPECT_EQ(doc.GetHost().m_strOutput.Find("Next.class"), -1);  // the second file was never started
    CIntrospection::SetJdkFolder("");
}
