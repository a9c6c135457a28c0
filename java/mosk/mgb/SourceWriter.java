package mosk.mgb;

import java.io.IOException;
import java.nio.charset.StandardCharsets;
import java.nio.file.Files;
import java.nio.file.Path;
import java.nio.file.StandardCopyOption;

/**
 * Writes NAME.java for a design: a javax.swing.JDialog or JFrame subclass
 * named after the design that builds its components at their places. The
 * file sits beside the resource file; a previous NAME.java is kept as
 * NAME.java.bak while the new one is written.
 */
public final class SourceWriter {
    private SourceWriter() {
    }

    /** The path of the source the design's resource file gets. */
    public static Path sourcePath(Path resource, Design design) {
        Path folder = resource.toAbsolutePath().getParent();
        return folder.resolve(design.name + ".java");
    }

    /** Writes the source; throws when the design's name is no Java class name or the file cannot be written. */
    public static Path write(Path resource, Design design) throws IOException {
        if (!JavaText.isIdentifier(design.name))
            throw new IOException("No source written: \"" + design.name + "\" is not a Java class name");
        Path source = sourcePath(resource, design);
        if (Files.exists(source))
            Files.copy(source, source.resolveSibling(source.getFileName() + ".bak"),
                       StandardCopyOption.REPLACE_EXISTING, StandardCopyOption.COPY_ATTRIBUTES);
        ResourceFile.writeReplacing(source, text(design, resource.getFileName().toString())
                                                .getBytes(StandardCharsets.UTF_8));
        return source;
    }

    /** The source text of the design made from the resource file named resourceName. */
    public static String text(Design design, String resourceName) {
        StringBuilder b = new StringBuilder();
        String base = design.dialog ? "JDialog" : "JFrame";
        b.append("// Made by the Mosk GUI Builder from ").append(resourceName)
         .append(". Edit the design there: this file is written again when it is saved.\n");
        b.append("import java.awt.Color;\n");
        b.append("import java.awt.Container;\n");
        if (design.dialog)
            b.append("import java.awt.Frame;\n");
        b.append("import javax.swing.*;\n\n");
        b.append("public class ").append(design.name).append(" extends ").append(base).append(" {\n");
        for (DesignComponent c : design.components()) {
            String type = c.kind == DesignComponent.Kind.LIST ? "JList<String>" : c.kind.swingClass;
            b.append("    protected ").append(type).append(' ').append(c.name).append(";\n");
        }
        if (!design.components().isEmpty())
            b.append('\n');
        String title = JavaText.literal(design.title());
        if (design.dialog) {
            b.append("    public ").append(design.name).append("() {\n        this(null);\n    }\n\n");
            b.append("    public ").append(design.name).append("(Frame owner) {\n");
            b.append("        super(owner, ").append(title).append(", ").append(design.modal()).append(");\n");
            b.append("        setDefaultCloseOperation(DISPOSE_ON_CLOSE);\n");
        } else {
            b.append("    public ").append(design.name).append("() {\n");
            b.append("        super(").append(title).append(");\n");
            b.append("        setDefaultCloseOperation(DISPOSE_ON_CLOSE);\n");
        }
        b.append("        buildComponents();\n    }\n\n");
        b.append("    private void buildComponents() {\n");
        b.append("        Container contents = getContentPane();\n");
        b.append("        contents.setLayout(null);\n");
        b.append("        contents.setBackground(new Color(").append(design.red()).append(", ").append(design.green())
         .append(", ").append(design.blue()).append("));\n");
        for (DesignComponent c : design.components())
            appendComponent(b, c);
        b.append("        setSize(").append(design.width()).append(", ").append(design.height()).append(");\n");
        b.append("    }\n}\n");
        return b.toString();
    }

    private static void appendComponent(StringBuilder b, DesignComponent c) {
        String text = JavaText.literal(c.text);
        String bounds = c.x + ", " + c.y + ", " + c.width + ", " + c.height;
        String field = "this." + c.name;
        switch (c.kind) {
        case LIST:
            b.append("        ").append(field).append(" = new JList<>(").append(items(c.text)).append(");\n");
            b.append("        contents.add(new JScrollPane(").append(field).append(")).setBounds(").append(bounds)
             .append(");\n");
            return;
        case TEXTAREA:
            b.append("        ").append(field).append(" = new JTextArea(").append(text).append(");\n");
            b.append("        contents.add(new JScrollPane(").append(field).append(")).setBounds(").append(bounds)
             .append(");\n");
            return;
        default:
            b.append("        ").append(field).append(" = new ").append(c.kind.swingClass).append('(').append(text)
             .append(");\n");
            b.append("        ").append(field).append(".setBounds(").append(bounds).append(");\n");
            b.append("        contents.add(").append(field).append(");\n");
        }
    }

    /** "new String[] {"a", "b"}" of the list's lines. */
    private static String items(String text) {
        StringBuilder b = new StringBuilder("new String[] {");
        if (!text.isEmpty()) {
            String[] lines = text.split("\n", -1);
            for (int i = 0; i < lines.length; ++i)
                b.append(i == 0 ? "" : ", ").append(JavaText.literal(lines[i]));
        }
        return b.append('}').toString();
    }
}
