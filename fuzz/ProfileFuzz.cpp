// Fuzz target: the settings file reader ("mosk.ini") on arbitrary bytes.
// The input is split at its first NUL byte: the file before it, and after
// it the value written. Every key the file lists must read back; writing
// the value to the first key of the first section (or to a new key) must
// read back as that value, leave every other key as it was, and leave the
// section and key lists as they were (a new key appended to its section).
#include "FuzzFiles.h"
#include "Profile.h"

#include <cstdint>
#include <cstdlib>
#include <string>
#include <utility>
#include <vector>

namespace {

void Check(bool bOk)
{
    if (!bOk)
        abort();
}

using CValues = std::vector<std::pair<std::pair<CString, CString>, CString>>;

// Every section's keys with their values and integers, as the program reads them.
CValues ReadAll(CProfile& profile)
{
    CValues values;
    for (const CString& strSection : profile.GetSectionNames())
        for (const CString& strKey : profile.GetKeyNames(strSection)) {
            Check(profile.HasKey(strSection, strKey));
            CString strValue = profile.GetString(strSection, strKey, "");
            profile.GetInt(strSection, strKey, 0);
            values.push_back({{strSection, strKey}, strValue});
        }
    return values;
}

// A value the file can hold: no line breaks or NUL, no white space around it.
CString CleanValue(const std::string& strRaw)
{
    std::string strValue;
    for (char ch : strRaw)
        if (ch != '\n' && ch != '\r' && ch != '\0')
            strValue += ch;
    CString str(strValue.c_str());
    str.Trim();
    return str;
}

bool SameName(const CString& a, const CString& b)
{
    return a.CompareNoCase(b) == 0;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* pData, size_t nSize)
{
    std::string strInput(reinterpret_cast<const char*>(pData), nSize);
    size_t nSplit = strInput.find('\0');
    std::string strFile = strInput.substr(0, nSplit);
    CString strValue = CleanValue(nSplit == std::string::npos ? std::string() : strInput.substr(nSplit + 1));

    std::string strPath = CFuzzFiles::Write("mosk.ini", strFile.data(), strFile.size());
    CProfile profile(strPath.c_str());
    CValues before = ReadAll(profile);
    std::vector<CString> sections = profile.GetSectionNames();

    // The first key of the first section, else a new key "Fuzz" of it, else a new section.
    CString strSection = sections.empty() ? CString("Fuzz") : sections.front();
    std::vector<CString> keys = profile.GetKeyNames(strSection);
    CString strKey = keys.empty() ? CString("Fuzz") : keys.front();
    bool bNewKey = keys.empty();
    Check(profile.WriteString(strSection, strKey, strValue));

    CProfile reread(strPath.c_str());
    Check(reread.HasKey(strSection, strKey) && reread.GetString(strSection, strKey, "") == strValue);
    CValues after = ReadAll(reread);
    std::vector<CString> sectionsAfter = reread.GetSectionNames();
    if (sections.empty())
        sections.push_back(strSection);
    Check(sectionsAfter == sections);
    // Every key keeps its value, but the one written (and its case-blind twins).
    // A new key is listed once for each section of its name (they all list the first one's keys).
    size_t nTwins = 0;
    for (const CString& strName : sectionsAfter)
        nTwins += SameName(strName, strSection) ? 1 : 0;
    Check(after.size() == before.size() + (bNewKey ? nTwins : 0));
    for (const auto& [name, value] : before) {
        bool bWritten = SameName(name.first, strSection) && SameName(name.second, strKey);
        Check(reread.HasKey(name.first, name.second));
        Check(reread.GetString(name.first, name.second, "") == (bWritten ? strValue : value));
    }
    return 0;
}
