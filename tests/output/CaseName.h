// Test names of table cases: the case's pszName with every character that
// is not a letter or digit turned into '_'.
#pragma once

#include <gtest/gtest.h>

#include <cctype>
#include <string>

struct CaseName {
    template <class T>
    std::string operator()(const testing::TestParamInfo<T>& info) const
    {
        std::string strName;
        for (const char* p = info.param.pszName; *p; ++p)
            strName += std::isalnum(static_cast<unsigned char>(*p)) ? *p : '_';
        return strName;
    }
};
