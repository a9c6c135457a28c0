import java.awt.GraphicsEnvironment;
import java.io.IOException;
import java.nio.file.Path;
import java.nio.file.Paths;
import java.util.ArrayList;
import java.util.List;

import javax.swing.SwingUtilities;

import mosk.mgb.BuilderWindow;
import mosk.mgb.Design;
import mosk.mgb.DesignComponent;
import mosk.mgb.ResourceFile;
import mosk.mgb.SourceWriter;

/**
 * java MGB FILE NAME KIND [EDIT...]
 *
 * The Mosk GUI Builder. Opens the design NAME (KIND "Dialog" or "Frame") of
 * the resource file FILE in a window titled "Mosk GUI Builder - NAME".
 * Saving writes the design back into its block of FILE and NAME.java beside
 * it (the previous NAME.java kept as NAME.java.bak).
 *
 * With EDIT arguments no window opens: the edits are made in order, then
 * the design and its source are saved (scripts and tests use this, also
 * without a display). An edit is one of
 *   title=TEXT  size=W,H  background=R,G,B  modal=true|false  grid=W,H,SNAP
 *   add=KIND,NAME,X,Y,W,H[,TEXT]  move=NAME,X,Y  resize=NAME,W,H
 *   text=NAME,TEXT  rename=NAME,NEWNAME  delete=NAME  save
 * where KIND is Button, Label, TextField, TextArea, CheckBox or List and a
 * list's TEXT holds its items one a line. Exit status 0 when saved, 1 with
 * the reason on standard error when a step fails (nothing is saved), 2 for
 * wrong arguments.
 */
public class MGB {
    public static void main(String[] args) {
        if (args.length < 3) {
            System.err.println("usage: java MGB FILE NAME KIND [EDIT...]   (KIND: Dialog or Frame)");
            System.exit(2);
        }
        Path file = Paths.get(args[0]);
        List<String> warnings = new ArrayList<>();
        Design design;
        try {
            design = ResourceFile.load(file, args[1], args[2], warnings);
        } catch (IOException e) {
            System.err.println("MGB: " + e.getMessage());
            System.exit(1);
            return;
        }
        for (String warning : warnings)
            System.err.println("MGB: " + warning);
        if (args.length > 3) {
            try {
                for (int i = 3; i < args.length; ++i)
                    edit(design, args[i]);
                ResourceFile.save(file, design);
                SourceWriter.write(file, design);
            } catch (IOException | IllegalArgumentException e) {
                System.err.println("MGB: " + e.getMessage());
                System.exit(1);
            }
            return;
        }
        if (GraphicsEnvironment.isHeadless()) {
            System.err.println("MGB: no display to show the design on; give edits on the command line instead");
            System.exit(1);
        }
        SwingUtilities.invokeLater(() -> new BuilderWindow(file, design, warnings).setVisible(true));
    }

    /** Makes one edit of the command line; throws IllegalArgumentException with the reason. */
    static void edit(Design design, String edit) {
        int equals = edit.indexOf('=');
        String verb = equals < 0 ? edit : edit.substring(0, equals);
        String value = equals < 0 ? "" : edit.substring(equals + 1);
        switch (verb) {
        case "save":
            return;
        case "title":
            design.setTitle(value);
            return;
        case "size": {
            int[] n = numbers(value, 2);
            design.setSize(n[0], n[1]);
            return;
        }
        case "background": {
            int[] n = numbers(value, 3);
            design.setBackground(n[0], n[1], n[2]);
            return;
        }
        case "modal":
            design.setModal(bool(value));
            return;
        case "grid": {
            String[] parts = value.split(",", 3);
            if (parts.length != 3)
                throw new IllegalArgumentException("grid=W,H,SNAP expected: " + edit);
            int[] n = numbers(parts[0] + "," + parts[1], 2);
            design.setGrid(n[0], n[1], bool(parts[2]));
            return;
        }
        case "add": {
            String[] parts = value.split(",", 7);
            if (parts.length < 6)
                throw new IllegalArgumentException("add=KIND,NAME,X,Y,W,H[,TEXT] expected: " + edit);
            DesignComponent.Kind kind = DesignComponent.Kind.fromWord(parts[0]);
            if (kind == null)
                throw new IllegalArgumentException("Unknown kind of component " + parts[0]);
            int[] n = numbers(parts[2] + "," + parts[3] + "," + parts[4] + "," + parts[5], 4);
            design.add(kind, parts[1], n[0], n[1], n[2], n[3], parts.length == 7 ? parts[6] : "");
            return;
        }
        case "move": {
            String[] parts = value.split(",", 2);
            int[] n = numbers(parts.length == 2 ? parts[1] : "", 2);
            design.move(component(design, parts[0]), n[0], n[1]);
            return;
        }
        case "resize": {
            String[] parts = value.split(",", 2);
            int[] n = numbers(parts.length == 2 ? parts[1] : "", 2);
            design.resize(component(design, parts[0]), n[0], n[1]);
            return;
        }
        case "text": {
            String[] parts = value.split(",", 2);
            design.setText(component(design, parts[0]), parts.length == 2 ? parts[1] : "");
            return;
        }
        case "rename": {
            String[] parts = value.split(",", 2);
            design.rename(component(design, parts[0]), parts.length == 2 ? parts[1] : "");
            return;
        }
        case "delete":
            design.delete(component(design, value));
            return;
        default:
            throw new IllegalArgumentException("Unknown edit " + edit);
        }
    }

    private static DesignComponent component(Design design, String name) {
        DesignComponent c = design.find(name);
        if (c == null)
            throw new IllegalArgumentException("The design has no component " + name);
        return c;
    }

    private static int[] numbers(String value, int count) {
        String[] parts = value.split(",", -1);
        if (parts.length != count)
            throw new IllegalArgumentException("\"" + value + "\" is not " + count + " numbers");
        int[] n = new int[count];
        try {
            for (int i = 0; i < count; ++i)
                n[i] = Integer.parseInt(parts[i].trim());
        } catch (NumberFormatException e) {
            throw new IllegalArgumentException("\"" + value + "\" is not " + count + " numbers");
        }
        return n;
    }

    private static boolean bool(String value) {
        if (value.equalsIgnoreCase("true"))
            return true;
        if (value.equalsIgnoreCase("false"))
            return false;
        throw new IllegalArgumentException("\"" + value + "\" is neither true nor false");
    }
}
