import java.nio.charset.StandardCharsets;
import java.nio.file.Files;
import java.nio.file.Paths;

/**
 * Calls Subwright.Replace once for each argument file and prints the result
 * codes, one a line. An argument file holds the eight arguments of the call
 * as UTF-8, separated by NUL bytes; "<null>" stands for a null string and
 * a backslash, "u" and four hex digits for one UTF-16 unit, so that unpaired
 * surrogates can be passed.
 */
public class ReplaceDriver {
    public static void main(String[] args) throws Exception {
        for (String name : args) {
            String[] f = new String(Files.readAllBytes(Paths.get(name)), StandardCharsets.UTF_8).split("\0", -1);
            if (f.length != 8)
                throw new IllegalArgumentException(name + " holds " + f.length + " fields");
            System.out.println(Subwright.Replace(text(f[0]), Integer.parseInt(f[1]), text(f[2]), Integer.parseInt(f[3]),
                                                 text(f[4]), Integer.parseInt(f[5]), text(f[6]), Integer.parseInt(f[7])));
        }
    }

    private static String text(String field) {
        if (field.equals("<null>"))
            return null;
        StringBuilder b = new StringBuilder();
        for (int i = 0; i < field.length(); ++i) {
            if (field.startsWith("\\u", i) && i + 6 <= field.length()) {
                b.append((char) Integer.parseInt(field.substring(i + 2, i + 6), 16));
                i += 5;
            } else {
                b.append(field.charAt(i));
            }
        }
        return b.toString();
    }
}
