#include "CPPKeywords.h"

void CCPPKeywords::LoadKeywords()
{
    static const char* const s_words[] = {
        "__asm", "else", "__leave", "__stdcall", "auto", "enum", "__based", "__except", "main", "switch",
        "break", "extern", "__multiple_inheritance", "template", "case", "__fastcall", "__single_inheritance",
        "thread", "catch", "__finally", "__virtual_inheritance", "this", "__cdecl", "naked", "throw", "for",
        "new", "try", "friend", "operator", "__try", "const", "goto", "private", "typedef", "continue", "if",
        "protected", "union", "__declspec", "inline", "public", "unsigned", "default", "__inline", "register",
        "virtual", "delete", "return", "volatile", "wmain", "do", "sizeof", "while", "static", "xalloc",
        "struct", "class", "#include", "#define", "#ifdef", "#ifndef", "#else", "#endif", "#elif", "#undef",
        nullptr};
    AddWords(s_words);
}
