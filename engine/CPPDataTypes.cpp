#include "CPPDataTypes.h"

void CCPPDataTypes::LoadKeywords()
{
    static const char* const s_words[] = {
        "double", "__int64", "long", "float", "char", "int", "void", "__int8", "short", "__int16", "signed",
        "__int32", "unsigned",
        nullptr};
    AddWords(s_words);
}
