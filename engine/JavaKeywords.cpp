#include "JavaKeywords.h"

void CJavaKeywords::LoadKeywords()
{
    static const char* const s_words[] = {
        "abstract", "break", "case", "catch", "class", "const", "continue", "default", "do", "else",
        "extends", "final", "finally", "for", "goto", "if", "implements", "import", "instanceof", "interface",
        "native", "new", "package", "private", "protected", "public", "return", "static", "super", "switch",
        "synchronized", "this", "throw", "throws", "transient", "try", "volatile", "while",
        nullptr};
    AddWords(s_words);
}
