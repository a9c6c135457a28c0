#include "RtfCommand.h"

#include "ModernJavaKeywords.h"
#include "RichTextExport.h"
#include "TinctoView.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <sstream>
#include <sys/stat.h>

namespace {

bool ReadFile(const char* pszPath, std::string& strText, std::string& strError)
{
    struct stat st;
    if (stat(pszPath, &st) != 0) {
        strError = std::strerror(errno);
        return false;
    }
    if (S_ISDIR(st.st_mode)) {
        strError = "is a folder";
        return false;
    }
    std::ifstream in(pszPath, std::ios::binary);
    if (!in) {
        strError = std::strerror(errno);
        return false;
    }
    std::ostringstream ss;
    ss << in.rdbuf();
    if (in.bad()) {
        strError = "read error";
        return false;
    }
    strText = ss.str();
    return true;
}

} // namespace

int CRtfCommand::Run(int argc, char** argv)
{
    // --modern adds the keywords of today's Java, as the editor shows them.
    bool bModern = argc == 2 && std::strcmp(argv[0], "--modern") == 0;
    if (bModern) {
        --argc;
        ++argv;
    }
    if (argc != 1) {
        std::fprintf(stderr, "usage: mosk-tool rtf [--modern] FILE\n");
        return 2;
    }
    if (bModern)
        CModernJavaKeywords::Install();
    std::string strText, strError;
    if (!ReadFile(argv[0], strText, strError)) {
        std::fprintf(stderr, "mosk-tool: cannot read %s: %s\n", argv[0], strError.c_str());
        return 1;
    }
    CTinctoView::Init(RGB(255, 255, 255), 100);
    CTinctoView view;
    view.SetPathName(argv[0]);
    std::string strRtf = CRichTextExport::Export(&view, strText.data(), static_cast<long>(strText.size()), 4096);
    std::fwrite(strRtf.data(), 1, strRtf.size(), stdout);
    return std::fflush(stdout) == 0 ? 0 : 1;
}
