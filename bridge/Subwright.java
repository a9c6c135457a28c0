/**
 * Rewrites the generated section of a Java source file: the text between a
 * begin and an end marker comment is replaced by new text, every other byte
 * of the file is kept. The work is done by the native library "subwright".
 */
public class Subwright {
    /** The section was replaced and the file written. */
    public static final int REPLACED = 0;
    /** The file is missing, not a regular file, read-only or unreadable. */
    public static final int CANNOT_OPEN = 1;
    /** The file's contents do not fit in memory. */
    public static final int NO_MEMORY = 2;
    /** No line comment starts with the begin marker. */
    public static final int BEGIN_NOT_FOUND = 3;
    /** No line comment starts with the end marker. */
    public static final int END_NOT_FOUND = 4;
    /** The new file could not be written; the old one is unchanged. */
    public static final int FAILED = 5;
    /** The end marker does not follow the begin marker. */
    public static final int END_BEFORE_BEGIN = 6;

    static {
        System.loadLibrary("subwright");
    }

    /**
     * Replaces the text between the line comments that start with begin and
     * end (both including their "//") in the named file by text, without the
     * text's leading white space and trailing line ends. Each length cuts the
     * string before it to that many UTF-8 bytes when it is above 0 and below
     * the string's length. Returns one of the codes above; the file is
     * changed only when the code is REPLACED.
     */
    public static native int Replace(String file, int fileLength, String begin, int beginLength,
                                     String end, int endLength, String text, int textLength);
}
