// CClassIntrospectionQueue: Add Class. Each class file is turned into a
// Java declaration by "DumpClass" and parsed; Finish adds the results to the
// package index when the queue ended well. An output the parser makes
// nothing of is reported with the class's name and the other files go on.
#pragma once

#include "IntrospectionQueue.h"

#include <memory>
#include <vector>

class CFileObject;
class CPkgDoc;

class CClassIntrospectionQueue : public CIntrospectionQueue {
public:
    CClassIntrospectionQueue(CPkgDoc& doc, const CStringArray& arrFiles);
    ~CClassIntrospectionQueue() override;

    // Done: every result is added by its class name, then the index is
    // committed; cancelled: the results are dropped. TRUE when something was added.
    BOOL Finish();
    int GetResultCount() const { return static_cast<int>(m_results.size()); }

protected:
    const char* GetHelperName() const override { return "DumpClass"; }
    const char* GetCaptionFormat() const override { return "Wait, Introspecting class %s"; }
    void WriteStarted(const char* pszPath) override;
    void WriteStartFailed() override;
    void TakeOutput(const char* pszOutputPath, const char* pszPath) override;

private:
    CPkgDoc& m_doc;
    std::vector<std::unique_ptr<CFileObject>> m_results;
};
