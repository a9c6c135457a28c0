#include "JavaDataTypes.h"

void CJavaDataTypes::LoadKeywords()
{
    static const char* const s_words[] = {
        "boolean", "byte", "char", "double", "float", "int", "long", "short", "void",
        nullptr};
    AddWords(s_words);
}
