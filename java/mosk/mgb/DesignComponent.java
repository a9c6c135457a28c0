package mosk.mgb;

/** One component placed on a design: its kind, name, bounds and text. */
public final class DesignComponent {
    /** The kinds of component the builder places, with their words in the resource file. */
    public enum Kind {
        BUTTON("Button", "JButton", 80, 25),
        LABEL("Label", "JLabel", 80, 20),
        TEXTFIELD("TextField", "JTextField", 120, 25),
        TEXTAREA("TextArea", "JTextArea", 160, 80),
        CHECKBOX("CheckBox", "JCheckBox", 100, 25),
        LIST("List", "JList", 120, 80);

        public final String word;
        public final String swingClass;
        public final int defaultWidth;
        public final int defaultHeight;

        Kind(String word, String swingClass, int defaultWidth, int defaultHeight) {
            this.word = word;
            this.swingClass = swingClass;
            this.defaultWidth = defaultWidth;
            this.defaultHeight = defaultHeight;
        }

        /** The kind of a word of the resource file (without regard to case), or null. */
        public static Kind fromWord(String word) {
            for (Kind k : values())
                if (k.word.equalsIgnoreCase(word))
                    return k;
            return null;
        }
    }

    public final Kind kind;
    public String name;
    public int x, y, width, height;
    /** The label of a button, label or check box; the contents of a field or area; a list's items, one a line. */
    public String text;

    public DesignComponent(Kind kind, String name, int x, int y, int width, int height, String text) {
        this.kind = kind;
        this.name = name;
        this.x = x;
        this.y = y;
        this.width = width;
        this.height = height;
        this.text = text;
    }

    /** TRUE when the point lies inside the component. */
    public boolean contains(int px, int py) {
        return px >= x && py >= y && px < x + width && py < y + height;
    }
}
