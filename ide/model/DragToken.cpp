#include "DragToken.h"

#include <cassert>
#include <cstdint>
#include <cstring>
#include <mutex>
#include <unordered_set>

namespace {

const char* const s_apszTags[CDragToken::DRAG_KIND_COUNT] = {"MOSKMETHOD", "MOSKCLASS", "MOSKIFACE", "MOSKPROJCLASS"};

std::mutex& LiveMutex()
{
    static std::mutex s_mutex;
    return s_mutex;
}

std::unordered_set<uintptr_t>& LiveTokens()
{
    static std::unordered_set<uintptr_t> s_tokens;
    return s_tokens;
}

} // namespace

CDragToken::CDragToken(int nKind, CVarObject* pObject) : m_nKind(nKind), m_pObject(pObject)
{
    assert(nKind >= 0 && nKind < DRAG_KIND_COUNT);
    std::lock_guard<std::mutex> lock(LiveMutex());
    LiveTokens().insert(reinterpret_cast<uintptr_t>(this));
}

CDragToken::~CDragToken()
{
    std::lock_guard<std::mutex> lock(LiveMutex());
    LiveTokens().erase(reinterpret_cast<uintptr_t>(this));
}

CString CDragToken::GetText() const
{
    CString str;
    str.Format("%s%llu", GetTag(m_nKind), static_cast<unsigned long long>(reinterpret_cast<uintptr_t>(this)));
    return str;
}

const char* CDragToken::GetTag(int nKind)
{
    assert(nKind >= 0 && nKind < DRAG_KIND_COUNT);
    return s_apszTags[nKind];
}

int CDragToken::KindOfText(const char* pszText)
{
    if (!pszText)
        return -1;
    for (int nKind = 0; nKind < DRAG_KIND_COUNT; ++nKind)
        if (std::strncmp(pszText, s_apszTags[nKind], std::strlen(s_apszTags[nKind])) == 0)
            return nKind;
    return -1;
}

CDragToken* CDragToken::FromText(const char* pszText)
{
    int nKind = KindOfText(pszText);
    if (nKind < 0)
        return nullptr;
    const char* p = pszText + std::strlen(s_apszTags[nKind]);
    if (*p < '0' || *p > '9')
        return nullptr;
    uintptr_t nAddress = 0;
    for (; *p >= '0' && *p <= '9'; ++p) {
        uintptr_t nDigit = static_cast<uintptr_t>(*p - '0');
        if (nAddress > (UINTPTR_MAX - nDigit) / 10)
            return nullptr;
        nAddress = nAddress * 10 + nDigit;
    }
    while (*p == ' ' || *p == '\t' || *p == '\r' || *p == '\n')
        ++p;
    if (*p)
        return nullptr;
    std::lock_guard<std::mutex> lock(LiveMutex());
    if (!LiveTokens().count(nAddress))
        return nullptr;
    auto* pToken = reinterpret_cast<CDragToken*>(nAddress);
    return pToken->m_nKind == nKind ? pToken : nullptr;
}
