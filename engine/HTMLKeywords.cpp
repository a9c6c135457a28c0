#include "HTMLKeywords.h"

void CHTMLKeywords::LoadKeywords()
{
    static const char* const s_words[] = {
        "html", "/html", "head", "/head", "title", "/title", "center", "/center", "a name", "a href", "p", "/p",
        "img src", "font", "/a", "/font", "b", "/b", "i", "/i", "hr", "table", "/table", "tr", "th", "/th",
        "br", "sup", "/sup", "body", "/body", "ul", "/ul", "li", "/li", "h1", "h2", "h3", "h4", "h5", "h6",
        "/h1", "/h2", "/h3", "/h4", "/h5", "/h6", "td", "/td", "/tr", "applet", "/applet",
        nullptr};
    AddWords(s_words);
}
