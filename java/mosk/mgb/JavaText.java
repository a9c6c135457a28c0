package mosk.mgb;

import java.util.Arrays;
import java.util.HashSet;
import java.util.Set;

/** Java names and string literals, and the quoted values of the resource file. */
public final class JavaText {
    private static final Set<String> KEYWORDS = new HashSet<>(Arrays.asList(
        "abstract", "assert", "boolean", "break", "byte", "case", "catch", "char", "class", "const", "continue",
        "default", "do", "double", "else", "enum", "extends", "final", "finally", "float", "for", "goto", "if",
        "implements", "import", "instanceof", "int", "interface", "long", "native", "new", "package", "private",
        "protected", "public", "return", "short", "static", "strictfp", "super", "switch", "synchronized", "this",
        "throw", "throws", "transient", "try", "void", "volatile", "while", "true", "false", "null", "var",
        "yield", "record", "_"));

    private JavaText() {
    }

    /** TRUE for a name Java accepts for a class or a field. */
    public static boolean isIdentifier(String s) {
        if (s == null || s.isEmpty() || KEYWORDS.contains(s) || !Character.isJavaIdentifierStart(s.charAt(0)))
            return false;
        for (int i = 1; i < s.length(); ++i)
            if (!Character.isJavaIdentifierPart(s.charAt(i)))
                return false;
        return true;
    }

    /** A Java string literal of s; characters outside ASCII are written as escapes. */
    public static String literal(String s) {
        StringBuilder b = new StringBuilder("\"");
        for (int i = 0; i < s.length(); ++i) {
            char ch = s.charAt(i);
            switch (ch) {
            case '"': b.append("\\\""); break;
            case '\\': b.append("\\\\"); break;
            case '\n': b.append("\\n"); break;
            case '\r': b.append("\\r"); break;
            case '\t': b.append("\\t"); break;
            default:
                if (ch < 0x20 || ch > 0x7e)
                    b.append(String.format("\\u%04x", (int) ch));
                else
                    b.append(ch);
            }
        }
        return b.append('"').toString();
    }

    /** The quoted value of the resource file: '"', '\' and line ends escaped with '\'. */
    public static String quote(String s) {
        StringBuilder b = new StringBuilder("\"");
        for (int i = 0; i < s.length(); ++i) {
            char ch = s.charAt(i);
            switch (ch) {
            case '"': b.append("\\\""); break;
            case '\\': b.append("\\\\"); break;
            case '\n': b.append("\\n"); break;
            case '\r': b.append("\\r"); break;
            case '\t': b.append("\\t"); break;
            default: b.append(ch);
            }
        }
        return b.append('"').toString();
    }

    /**
     * The quoted values of a line, unescaped: {"BACKCOLOR", "192,192,192"}.
     * Null when the line holds anything but quoted values and blanks, or a
     * value lacks its closing quote.
     */
    public static String[] unquoteAll(String line) {
        java.util.List<String> values = new java.util.ArrayList<>();
        int i = 0, n = line.length();
        while (true) {
            while (i < n && (line.charAt(i) == ' ' || line.charAt(i) == '\t' || line.charAt(i) == '\r'))
                ++i;
            if (i == n)
                return values.toArray(new String[0]);
            if (line.charAt(i) != '"')
                return null;
            StringBuilder b = new StringBuilder();
            for (++i;; ++i) {
                if (i >= n)
                    return null;
                char ch = line.charAt(i);
                if (ch == '"')
                    break;
                if (ch == '\\' && i + 1 < n) {
                    char next = line.charAt(++i);
                    b.append(next == 'n' ? '\n' : next == 'r' ? '\r' : next == 't' ? '\t' : next);
                } else {
                    b.append(ch);
                }
            }
            values.add(b.toString());
            ++i;
        }
    }
}
