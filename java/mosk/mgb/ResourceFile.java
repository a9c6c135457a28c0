package mosk.mgb;

import java.io.ByteArrayOutputStream;
import java.io.IOException;
import java.nio.charset.StandardCharsets;
import java.nio.file.AtomicMoveNotSupportedException;
import java.nio.file.Files;
import java.nio.file.Path;
import java.nio.file.StandardCopyOption;
import java.util.ArrayList;
import java.util.Arrays;
import java.util.List;

/**
 * One design block of a resource file, from its line "Begin Dialog 1.0
 * "NAME"" (or Frame) to "End Dialog". Loading reads the window properties
 * and the components between "Begin ComponentGroup" and "End
 * ComponentGroup". Saving reads the file again and rewrites only that block:
 * the values of the property lines it knows and the component lines. Every
 * other byte of the file, and every line of the block it does not know,
 * stays as it was. A component is one line of four quoted values:
 *
 *     "Button" "okButton" "10,20,80,25" "OK"
 *
 * kind, name, bounds as x,y,width,height, and text, where '"', '\' and line
 * ends are escaped with '\'.
 */
public final class ResourceFile {
    private static final String GROUP_BEGIN = "Begin ComponentGroup";
    private static final String GROUP_END = "End ComponentGroup";

    private final Path path;
    private final String name;
    private final String kind;
    private final List<String> warnings = new ArrayList<>();

    /** The text of the file cut around the design's block. */
    private static final class Parts {
        byte[] before, after;
        List<String> block;
    }

    private ResourceFile(Path path, String name, String kind) {
        this.path = path;
        this.name = name;
        this.kind = kind;
    }

    /** Reads the design NAME of kind KIND ("Dialog" or "Frame") from the file. */
    public static Design load(Path path, String name, String kind, List<String> warnings) throws IOException {
        ResourceFile file = new ResourceFile(path, name, kindWord(kind));
        Design design = file.read();
        warnings.addAll(file.warnings);
        return design;
    }

    /** Writes the design into its block of the file; the file is replaced whole or not at all. */
    public static void save(Path path, Design design) throws IOException {
        ResourceFile file = new ResourceFile(path, design.name, design.dialog ? "Dialog" : "Frame");
        Parts parts = file.cut();
        List<String> block = file.compose(parts.block, design);
        ByteArrayOutputStream out = new ByteArrayOutputStream();
        out.write(parts.before);
        out.write(String.join("\n", block).getBytes(StandardCharsets.UTF_8));
        out.write(parts.after);
        writeReplacing(path, out.toByteArray());
    }

    private static String kindWord(String kind) throws IOException {
        if (kind.equalsIgnoreCase("Dialog"))
            return "Dialog";
        if (kind.equalsIgnoreCase("Frame"))
            return "Frame";
        throw new IOException("Unknown kind of design " + kind + " (Dialog or Frame)");
    }

    private String key(String what) {
        return kind.toUpperCase() + what;
    }

    private Design read() throws IOException {
        Design design = new Design(name, kind.equals("Dialog"));
        boolean inGroup = false;
        for (String line : cut().block) {
            String trimmed = line.trim();
            if (trimmed.equals(GROUP_BEGIN)) {
                inGroup = true;
                continue;
            }
            if (trimmed.equals(GROUP_END)) {
                inGroup = false;
                continue;
            }
            String[] values = JavaText.unquoteAll(line);
            if (values == null || values.length == 0)
                continue;
            try {
                if (inGroup)
                    readComponent(design, values);
                else if (values.length == 2)
                    readProperty(design, values[0], values[1]);
            } catch (IllegalArgumentException e) {
                warnings.add("Line ignored: " + trimmed + " (" + e.getMessage() + ")");
            }
        }
        design.setModified(false);
        return design;
    }

    private void readProperty(Design design, String key, String value) {
        if (key.equalsIgnoreCase("BACKCOLOR")) {
            int[] rgb = numbers(value, 3);
            design.setBackground(rgb[0], rgb[1], rgb[2]);
        } else if (key.equalsIgnoreCase("GRIDSIZE")) {
            int[] size = numbers(value, 2);
            design.setGrid(size[0], size[1], design.gridSnap());
        } else if (key.equalsIgnoreCase("GRIDSNAP")) {
            design.setGrid(design.gridWidth(), design.gridHeight(), bool(value));
        } else if (key.equalsIgnoreCase(key("SIZE"))) {
            int[] size = numbers(value, 2);
            design.setSize(size[0], size[1]);
        } else if (key.equalsIgnoreCase(key("TITLE"))) {
            design.setTitle(value);
        } else if (design.dialog && key.equalsIgnoreCase("DIALOGMODAL")) {
            design.setModal(bool(value));
        }
    }

    private void readComponent(Design design, String[] values) {
        DesignComponent.Kind k = values.length == 4 ? DesignComponent.Kind.fromWord(values[0]) : null;
        if (k == null)
            throw new IllegalArgumentException("not a component this builder knows; kept as it is");
        int[] bounds = numbers(values[2], 4);
        if (bounds[0] < 0 || bounds[1] < 0 || bounds[2] < 1 || bounds[3] < 1)
            throw new IllegalArgumentException("bounds out of range");
        design.addLoaded(new DesignComponent(k, values[1], bounds[0], bounds[1], bounds[2], bounds[3], values[3]));
    }

    /** The block's lines rewritten for the design. */
    private List<String> compose(List<String> old, Design design) {
        List<String[]> properties = new ArrayList<>(Arrays.asList(
            new String[] {"BACKCOLOR", design.red() + "," + design.green() + "," + design.blue()},
            new String[] {"GRIDSIZE", design.gridWidth() + "," + design.gridHeight()},
            new String[] {"GRIDSNAP", Boolean.toString(design.gridSnap())},
            new String[] {key("SIZE"), design.width() + "," + design.height()},
            new String[] {key("TITLE"), design.title()}));
        if (design.dialog)
            properties.add(new String[] {"DIALOGMODAL", Boolean.toString(design.modal())});
        boolean[] written = new boolean[properties.size()];
        List<String> block = new ArrayList<>();
        block.add(old.get(0));
        boolean groupWritten = false;
        for (int i = 1; i < old.size() - 1; ++i) {
            String line = old.get(i);
            if (line.trim().equals(GROUP_BEGIN) && !groupWritten) {
                // Lines that do not load as components stay as they are.
                Design scratch = new Design(design.name, design.dialog);
                List<String> unknown = new ArrayList<>();
                int end = i + 1;
                for (; end < old.size() - 1 && !old.get(end).trim().equals(GROUP_END); ++end)
                    if (!loadsAsComponent(scratch, old.get(end)))
                        unknown.add(old.get(end));
                String indent = indentOf(line);
                block.add(line);
                addComponents(block, indent + "\t", design);
                block.addAll(unknown);
                block.add(end < old.size() - 1 ? old.get(end) : indent + GROUP_END);
                groupWritten = true;
                i = end;
                continue;
            }
            String[] values = JavaText.unquoteAll(line);
            int known = -1;
            for (int p = 0; values != null && values.length == 2 && p < properties.size(); ++p)
                if (!written[p] && values[0].equalsIgnoreCase(properties.get(p)[0]))
                    known = p;
            if (known < 0) {
                block.add(line);
                continue;
            }
            block.add(indentOf(line) + JavaText.quote(values[0]) + " " + JavaText.quote(properties.get(known)[1]));
            written[known] = true;
        }
        if (!groupWritten) {
            block.add(1, "\t" + GROUP_BEGIN);
            List<String> lines = new ArrayList<>();
            addComponents(lines, "\t\t", design);
            block.addAll(2, lines);
            block.add(2 + lines.size(), "\t" + GROUP_END);
        }
        for (int p = 0; p < properties.size(); ++p)
            if (!written[p])
                block.add("\t" + JavaText.quote(properties.get(p)[0]) + " " + JavaText.quote(properties.get(p)[1]));
        block.add(old.get(old.size() - 1));
        return block;
    }

    private static void addComponents(List<String> block, String indent, Design design) {
        for (DesignComponent c : design.components())
            block.add(indent + JavaText.quote(c.kind.word) + " " + JavaText.quote(c.name) + " "
                      + JavaText.quote(c.x + "," + c.y + "," + c.width + "," + c.height) + " "
                      + JavaText.quote(c.text));
    }

    private boolean loadsAsComponent(Design scratch, String line) {
        String[] values = JavaText.unquoteAll(line);
        if (values == null)
            return false;
        try {
            readComponent(scratch, values);
            return true;
        } catch (IllegalArgumentException e) {
            return false;
        }
    }

    private static String indentOf(String line) {
        int i = 0;
        while (i < line.length() && (line.charAt(i) == ' ' || line.charAt(i) == '\t'))
            ++i;
        return line.substring(0, i);
    }

    /** Reads the file and cuts it around the block; throws when the file has no such design. */
    private Parts cut() throws IOException {
        byte[] data = Files.readAllBytes(path);
        List<int[]> lines = new ArrayList<>();  // start and end (before its '\n') of each line
        for (int start = 0; start <= data.length;) {
            int end = start;
            while (end < data.length && data[end] != '\n')
                ++end;
            lines.add(new int[] {start, end});
            start = end + 1;
        }
        int first = -1;
        for (int i = 0; i < lines.size() && first < 0; ++i)
            if (isBeginLine(text(data, lines.get(i))))
                first = i;
        int last = -1;
        for (int i = first + 1; first >= 0 && i < lines.size() && last < 0; ++i)
            if (text(data, lines.get(i)).trim().equals("End " + kind))
                last = i;
        if (first < 0)
            throw new IOException("The file " + path + " has no " + kind + " named " + name);
        if (last < 0)
            throw new IOException("The " + kind + " " + name + " of " + path + " has no line \"End " + kind + "\"");
        Parts parts = new Parts();
        parts.before = Arrays.copyOfRange(data, 0, lines.get(first)[0]);
        parts.after = Arrays.copyOfRange(data, lines.get(last)[1], data.length);
        parts.block = new ArrayList<>();
        for (int i = first; i <= last; ++i)
            parts.block.add(text(data, lines.get(i)));
        return parts;
    }

    private boolean isBeginLine(String line) {
        String[] words = line.trim().split("[ \t]+", 3);
        if (words.length != 3 || !words[0].equals("Begin") || !words[1].equals(kind))
            return false;
        int space = words[2].indexOf(' ');
        String quoted = space < 0 ? words[2] : words[2].substring(space).trim();
        String[] values = JavaText.unquoteAll(quoted);
        return space > 0 && values != null && values.length == 1 && values[0].equals(name);
    }

    private static String text(byte[] data, int[] line) {
        return new String(data, line[0], line[1] - line[0], StandardCharsets.UTF_8);
    }

    private static int[] numbers(String value, int count) {
        String[] parts = value.split(",", -1);
        if (parts.length != count)
            throw new IllegalArgumentException("\"" + value + "\" is not " + count + " numbers");
        int[] numbers = new int[count];
        try {
            for (int i = 0; i < count; ++i)
                numbers[i] = Integer.parseInt(parts[i].trim());
        } catch (NumberFormatException e) {
            throw new IllegalArgumentException("\"" + value + "\" is not " + count + " numbers");
        }
        return numbers;
    }

    private static boolean bool(String value) {
        if (value.equalsIgnoreCase("true"))
            return true;
        if (value.equalsIgnoreCase("false"))
            return false;
        throw new IllegalArgumentException("\"" + value + "\" is neither true nor false");
    }

    /** Writes data into a new file beside path and moves it over path. */
    static void writeReplacing(Path path, byte[] data) throws IOException {
        Path folder = path.toAbsolutePath().getParent();
        Path temp = Files.createTempFile(folder, "." + path.getFileName(), ".tmp");
        try {
            Files.write(temp, data);
            try {
                Files.setPosixFilePermissions(temp, Files.getPosixFilePermissions(path));
            } catch (IOException | UnsupportedOperationException e) {
                // A new file keeps the permissions it was made with.
            }
            try {
                Files.move(temp, path, StandardCopyOption.REPLACE_EXISTING, StandardCopyOption.ATOMIC_MOVE);
            } catch (AtomicMoveNotSupportedException e) {
                Files.move(temp, path, StandardCopyOption.REPLACE_EXISTING);
            }
        } finally {
            Files.deleteIfExists(temp);
        }
    }
}
