// CBeanIntrospectionQueue: Add Bean. Each ".jar" or ".class" file is
// described by "DumpBean" and read with the bean reader; a file that fails
// gives nothing and the others go on. Finish adds the beans to a folder of
// the bean index.
#pragma once

#include "IntrospectionQueue.h"

#include <memory>
#include <vector>

class CBeanDoc;
class CBeanObject;
class CTreeFolder;

class CBeanIntrospectionQueue : public CIntrospectionQueue {
public:
    // Files other than ".jar" and ".class" are left out.
    CBeanIntrospectionQueue(CBeanDoc& doc, const CStringArray& arrFiles);
    ~CBeanIntrospectionQueue() override;

    // Adds the beans read into pFolder (duplicates refused) and, when at
    // least one file was introspected, commits the index. The number added.
    int Finish(CTreeFolder* pFolder);

    // The files of arrFiles that end in ".jar" or ".class" (without regard to case).
    static CStringArray BeanFiles(const CStringArray& arrFiles);

protected:
    const char* GetHelperName() const override { return "DumpBean"; }
    const char* GetCaptionFormat() const override { return "Wait, Introspecting bean %s"; }
    void WriteStarted(const char* pszPath) override;
    void WriteStartFailed() override;
    void TakeOutput(const char* pszOutputPath, const char* pszPath) override;
    BOOL StopsOnFailure() const override { return FALSE; }

private:
    CBeanDoc& m_doc;
    std::vector<std::unique_ptr<CBeanObject>> m_beans;
};
