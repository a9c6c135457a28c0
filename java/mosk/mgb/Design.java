package mosk.mgb;

import java.util.ArrayList;
import java.util.List;

/**
 * A dialog or frame design: its window properties and its components. Every
 * change goes through a method that checks it; a refused change throws
 * IllegalArgumentException with a message for the user and changes nothing.
 */
public final class Design {
    public static final int MIN_SIZE = 10;
    public static final int MAX_SIZE = 4000;
    public static final int MAX_GRID = 100;

    public final String name;
    public final boolean dialog;
    private String title = "";
    private int width = 100, height = 100;
    private int red = 192, green = 192, blue = 192;
    private boolean modal = true;
    private int gridWidth = 10, gridHeight = 10;
    private boolean gridSnap = false;
    private final List<DesignComponent> components = new ArrayList<>();
    private boolean modified;

    public Design(String name, boolean dialog) {
        this.name = name;
        this.dialog = dialog;
    }

    public String title() { return title; }
    public int width() { return width; }
    public int height() { return height; }
    public int red() { return red; }
    public int green() { return green; }
    public int blue() { return blue; }
    public boolean modal() { return modal; }
    public int gridWidth() { return gridWidth; }
    public int gridHeight() { return gridHeight; }
    public boolean gridSnap() { return gridSnap; }
    /** The components in drawing order (the last is on top). */
    public List<DesignComponent> components() { return java.util.Collections.unmodifiableList(components); }
    /** TRUE after a change not yet saved. */
    public boolean modified() { return modified; }
    public void setModified(boolean modified) { this.modified = modified; }

    public void setTitle(String title) {
        this.title = title == null ? "" : title;
        modified = true;
    }

    public void setSize(int width, int height) {
        checkRange("width", width, MIN_SIZE, MAX_SIZE);
        checkRange("height", height, MIN_SIZE, MAX_SIZE);
        this.width = width;
        this.height = height;
        modified = true;
    }

    public void setBackground(int red, int green, int blue) {
        checkRange("red", red, 0, 255);
        checkRange("green", green, 0, 255);
        checkRange("blue", blue, 0, 255);
        this.red = red;
        this.green = green;
        this.blue = blue;
        modified = true;
    }

    public void setModal(boolean modal) {
        if (!dialog && modal)
            throw new IllegalArgumentException("Only a dialog can be modal");
        this.modal = modal;
        modified = true;
    }

    public void setGrid(int gridWidth, int gridHeight, boolean snap) {
        checkRange("grid width", gridWidth, 1, MAX_GRID);
        checkRange("grid height", gridHeight, 1, MAX_GRID);
        this.gridWidth = gridWidth;
        this.gridHeight = gridHeight;
        this.gridSnap = snap;
        modified = true;
    }

    /** The component of that name (exact), or null. */
    public DesignComponent find(String componentName) {
        for (DesignComponent c : components)
            if (c.name.equals(componentName))
                return c;
        return null;
    }

    /** The topmost component under the point, or null. */
    public DesignComponent componentAt(int px, int py) {
        for (int i = components.size() - 1; i >= 0; --i)
            if (components.get(i).contains(px, py))
                return components.get(i);
        return null;
    }

    /** A free name for a new component of the kind: "button1", "button2", ... */
    public String proposeName(DesignComponent.Kind kind) {
        String stem = Character.toLowerCase(kind.word.charAt(0)) + kind.word.substring(1);
        for (int n = 1;; ++n)
            if (find(stem + n) == null && !stem.concat(Integer.toString(n)).equals(name))
                return stem + n;
    }

    /** Places a new component; the position snaps to the grid when snapping is on. */
    public DesignComponent add(DesignComponent.Kind kind, String componentName, int x, int y, int width, int height,
                               String text) {
        checkName(componentName, null);
        checkBounds(x, y, width, height);
        DesignComponent c = new DesignComponent(kind, componentName, snapX(x), snapY(y), width, height,
                                                text == null ? "" : text);
        components.add(c);
        modified = true;
        return c;
    }

    /** Adds a component read from a file, as it was written (no grid, no checks but the name's). */
    void addLoaded(DesignComponent c) {
        checkName(c.name, null);
        components.add(c);
    }

    public void move(DesignComponent c, int x, int y) {
        checkBounds(x, y, c.width, c.height);
        c.x = snapX(x);
        c.y = snapY(y);
        modified = true;
    }

    /** Sets the size; with snapping the far corner lands on the grid. */
    public void resize(DesignComponent c, int width, int height) {
        if (gridSnap) {
            width = Math.max(gridWidth, snapX(c.x + width) - c.x);
            height = Math.max(gridHeight, snapY(c.y + height) - c.y);
        }
        checkBounds(c.x, c.y, width, height);
        c.width = width;
        c.height = height;
        modified = true;
    }

    public void rename(DesignComponent c, String newName) {
        checkName(newName, c);
        c.name = newName;
        modified = true;
    }

    public void setText(DesignComponent c, String text) {
        c.text = text == null ? "" : text;
        modified = true;
    }

    public void delete(DesignComponent c) {
        if (components.remove(c))
            modified = true;
    }

    private int snapX(int v) { return gridSnap ? Math.round(v / (float) gridWidth) * gridWidth : v; }
    private int snapY(int v) { return gridSnap ? Math.round(v / (float) gridHeight) * gridHeight : v; }

    private void checkName(String componentName, DesignComponent self) {
        if (!JavaText.isIdentifier(componentName))
            throw new IllegalArgumentException("\"" + componentName + "\" is not a Java name");
        DesignComponent other = find(componentName);
        if ((other != null && other != self) || componentName.equals(name))
            throw new IllegalArgumentException("The name " + componentName + " is taken");
    }

    private static void checkBounds(int x, int y, int width, int height) {
        checkRange("x", x, 0, MAX_SIZE);
        checkRange("y", y, 0, MAX_SIZE);
        checkRange("width", width, 1, MAX_SIZE);
        checkRange("height", height, 1, MAX_SIZE);
    }

    private static void checkRange(String what, int value, int low, int high) {
        if (value < low || value > high)
            throw new IllegalArgumentException("The " + what + " must lie between " + low + " and " + high);
    }
}
