// CAppProjectHost: what the projects ask of the application object: its
// settings now, and the main window's title. Window pieces (tree, editors,
// output, progress) come with the main window and override the rest.
#pragma once

#include "ProjectHost.h"

class CJavaIDEApp;

class CAppProjectHost : public CProjectHost {
public:
    // app (not owned) must outlive the host.
    explicit CAppProjectHost(const CJavaIDEApp& app) : m_app(app) {}

    // The editor settings' parse and close switches and the browser path.
    CProjectSettings GetSettings() const override;
    // The tree's Compile and the output window go to the application's tool commands when there are any.
    void CompileFile(const char* pszPath) override;
    void WriteOutput(const char* pszText) override;

private:
    const CJavaIDEApp& m_app;
};
