package mosk.mgb;

import java.awt.BorderLayout;
import java.awt.Color;
import java.awt.Dimension;
import java.awt.Graphics;
import java.awt.GridBagConstraints;
import java.awt.GridBagLayout;
import java.awt.Insets;
import java.awt.event.ActionEvent;
import java.awt.event.InputEvent;
import java.awt.event.KeyEvent;
import java.awt.event.MouseAdapter;
import java.awt.event.MouseEvent;
import java.awt.event.WindowAdapter;
import java.awt.event.WindowEvent;
import java.io.IOException;
import java.nio.file.Path;
import java.util.EnumMap;
import java.util.List;
import java.util.Map;

import javax.swing.AbstractAction;
import javax.swing.Action;
import javax.swing.BorderFactory;
import javax.swing.ButtonGroup;
import javax.swing.CellRendererPane;
import javax.swing.JButton;
import javax.swing.JCheckBox;
import javax.swing.JColorChooser;
import javax.swing.JComponent;
import javax.swing.JFrame;
import javax.swing.JLabel;
import javax.swing.JList;
import javax.swing.JMenu;
import javax.swing.JMenuBar;
import javax.swing.JOptionPane;
import javax.swing.JPanel;
import javax.swing.JScrollPane;
import javax.swing.JTextArea;
import javax.swing.JTextField;
import javax.swing.JToggleButton;
import javax.swing.JToolBar;
import javax.swing.KeyStroke;
import javax.swing.WindowConstants;

/**
 * The builder's window: a palette of component kinds, the design drawn on
 * its grid (click to place, drag to move, drag the corner to resize, Delete
 * to remove) and a form for the properties of the design or of the selected
 * component. Every change goes through the Design; File/Save writes the
 * resource file and the source.
 */
public final class BuilderWindow extends JFrame {
    private static final long serialVersionUID = 1L;
    private static final int HANDLE = 7;

    private final Path file;
    private final Design design;
    private final Canvas canvas = new Canvas();
    private final JPanel form = new JPanel(new GridBagLayout());
    private DesignComponent selected;
    private DesignComponent.Kind placing;
    private final ButtonGroup tools = new ButtonGroup();
    private final JToggleButton selectTool = new JToggleButton("Select", true);

    public BuilderWindow(Path file, Design design, List<String> warnings) {
        super("Mosk GUI Builder - " + design.name);
        this.file = file;
        this.design = design;
        setDefaultCloseOperation(WindowConstants.DO_NOTHING_ON_CLOSE);
        addWindowListener(new WindowAdapter() {
            @Override
            public void windowClosing(WindowEvent e) {
                close();
            }
        });
        setJMenuBar(menus());
        add(palette(), BorderLayout.NORTH);
        JPanel holder = new JPanel(null) {
            @Override
            public Dimension getPreferredSize() {
                return new Dimension(design.width() + 20, design.height() + 20);
            }
        };
        holder.add(canvas);
        canvas.setLocation(10, 10);
        add(new JScrollPane(holder), BorderLayout.CENTER);
        form.setBorder(BorderFactory.createEmptyBorder(6, 6, 6, 6));
        JPanel east = new JPanel(new BorderLayout());
        east.add(form, BorderLayout.NORTH);
        add(new JScrollPane(east), BorderLayout.EAST);
        refresh();
        setSize(Math.max(640, design.width() + 320), Math.max(480, design.height() + 140));
        setLocationByPlatform(true);
        if (!warnings.isEmpty())
            JOptionPane.showMessageDialog(this, String.join("\n", warnings), getTitle(), JOptionPane.WARNING_MESSAGE);
    }

    private JMenuBar menus() {
        JMenuBar bar = new JMenuBar();
        JMenu fileMenu = new JMenu("File");
        fileMenu.setMnemonic('F');
        fileMenu.add(action("Save", KeyStroke.getKeyStroke(KeyEvent.VK_S, InputEvent.CTRL_DOWN_MASK), this::save));
        fileMenu.addSeparator();
        fileMenu.add(action("Exit", null, this::close));
        JMenu editMenu = new JMenu("Edit");
        editMenu.setMnemonic('E');
        editMenu.add(action("Delete", KeyStroke.getKeyStroke(KeyEvent.VK_DELETE, 0), this::deleteSelected));
        bar.add(fileMenu);
        bar.add(editMenu);
        return bar;
    }

    private static Action action(String name, KeyStroke key, Runnable run) {
        Action a = new AbstractAction(name) {
            @Override
            public void actionPerformed(ActionEvent e) {
                run.run();
            }
        };
        a.putValue(Action.ACCELERATOR_KEY, key);
        return a;
    }

    private JToolBar palette() {
        JToolBar bar = new JToolBar();
        bar.setFloatable(false);
        tools.add(selectTool);
        selectTool.addActionListener(e -> placing = null);
        bar.add(selectTool);
        for (DesignComponent.Kind kind : DesignComponent.Kind.values()) {
            JToggleButton b = new JToggleButton(kind.word);
            b.setToolTipText("Click on the design to place a " + kind.word);
            b.addActionListener(e -> placing = kind);
            tools.add(b);
            bar.add(b);
        }
        return bar;
    }

    private void save() {
        try {
            ResourceFile.save(file, design);
            design.setModified(false);
            SourceWriter.write(file, design);
        } catch (IOException e) {
            JOptionPane.showMessageDialog(this, e.getMessage(), getTitle(), JOptionPane.ERROR_MESSAGE);
        }
    }

    private void close() {
        if (design.modified()) {
            int answer = JOptionPane.showConfirmDialog(this, "Save the changes of " + design.name + "?", getTitle(),
                                                       JOptionPane.YES_NO_CANCEL_OPTION);
            if (answer == JOptionPane.CANCEL_OPTION || answer == JOptionPane.CLOSED_OPTION)
                return;
            if (answer == JOptionPane.YES_OPTION) {
                save();
                if (design.modified())
                    return;
            }
        }
        dispose();
        System.exit(0);
    }

    private void deleteSelected() {
        if (selected == null)
            return;
        design.delete(selected);
        selected = null;
        refresh();
    }

    /** Runs a change of the design; a refused one is shown and changes nothing. */
    private boolean change(Runnable run) {
        try {
            run.run();
            return true;
        } catch (IllegalArgumentException e) {
            JOptionPane.showMessageDialog(this, e.getMessage(), getTitle(), JOptionPane.ERROR_MESSAGE);
            return false;
        } finally {
            refresh();
        }
    }

    private void refresh() {
        canvas.setSize(design.width(), design.height());
        if (canvas.getParent() != null)
            canvas.getParent().revalidate();
        canvas.repaint();
        buildForm();
    }

    // -----------------------------------------------------------------------
    // The property form

    private int row;

    private void buildForm() {
        form.removeAll();
        row = 0;
        if (selected == null)
            buildDesignForm();
        else
            buildComponentForm(selected);
        form.revalidate();
        form.repaint();
    }

    private JTextField field(String label, String value) {
        JTextField f = new JTextField(value, 12);
        addRow(label, f);
        return f;
    }

    private void addRow(String label, JComponent c) {
        GridBagConstraints g = new GridBagConstraints();
        g.gridy = row++;
        g.insets = new Insets(2, 2, 2, 2);
        g.anchor = GridBagConstraints.WEST;
        form.add(new JLabel(label), g);
        g.gridx = 1;
        g.fill = GridBagConstraints.HORIZONTAL;
        g.weightx = 1;
        form.add(c, g);
    }

    private void buildDesignForm() {
        form.add(new JLabel((design.dialog ? "Dialog " : "Frame ") + design.name));
        ++row;
        JTextField title = field("Title", design.title());
        JTextField width = field("Width", Integer.toString(design.width()));
        JTextField height = field("Height", Integer.toString(design.height()));
        JButton colour = new JButton(" ");
        colour.setBackground(new Color(design.red(), design.green(), design.blue()));
        colour.addActionListener(e -> {
            Color c = JColorChooser.showDialog(this, "Background", colour.getBackground());
            if (c != null)
                change(() -> design.setBackground(c.getRed(), c.getGreen(), c.getBlue()));
        });
        addRow("Background", colour);
        JCheckBox modal = new JCheckBox("", design.modal());
        if (design.dialog)
            addRow("Modal", modal);
        JTextField gridWidth = field("Grid width", Integer.toString(design.gridWidth()));
        JTextField gridHeight = field("Grid height", Integer.toString(design.gridHeight()));
        JCheckBox snap = new JCheckBox("", design.gridSnap());
        addRow("Snap to grid", snap);
        JButton apply = new JButton("Apply");
        apply.addActionListener(e -> change(() -> {
            design.setTitle(title.getText());
            design.setSize(number(width), number(height));
            if (design.dialog)
                design.setModal(modal.isSelected());
            design.setGrid(number(gridWidth), number(gridHeight), snap.isSelected());
        }));
        addRow("", apply);
        getRootPane().setDefaultButton(apply);
    }

    private void buildComponentForm(DesignComponent c) {
        form.add(new JLabel(c.kind.word + " " + c.name));
        ++row;
        JTextField name = field("Name", c.name);
        boolean lines = c.kind == DesignComponent.Kind.LIST || c.kind == DesignComponent.Kind.TEXTAREA;
        JTextArea area = new JTextArea(c.text, 5, 12);
        JTextField text = new JTextField(c.text, 12);
        addRow(c.kind == DesignComponent.Kind.LIST ? "Items" : "Text", lines ? new JScrollPane(area) : text);
        JTextField x = field("X", Integer.toString(c.x));
        JTextField y = field("Y", Integer.toString(c.y));
        JTextField width = field("Width", Integer.toString(c.width));
        JTextField height = field("Height", Integer.toString(c.height));
        JButton apply = new JButton("Apply");
        apply.addActionListener(e -> change(() -> {
            int nx = number(x), ny = number(y), nw = number(width), nh = number(height);
            if (!name.getText().equals(c.name))
                design.rename(c, name.getText());
            design.setText(c, lines ? area.getText() : text.getText());
            design.move(c, nx, ny);
            design.resize(c, nw, nh);
        }));
        addRow("", apply);
        getRootPane().setDefaultButton(apply);
    }

    private static int number(JTextField f) {
        try {
            return Integer.parseInt(f.getText().trim());
        } catch (NumberFormatException e) {
            throw new IllegalArgumentException("\"" + f.getText() + "\" is not a number");
        }
    }

    // -----------------------------------------------------------------------
    // The design's drawing

    private final class Canvas extends JComponent {
        private static final long serialVersionUID = 1L;
        private final CellRendererPane renderers = new CellRendererPane();
        private final Map<DesignComponent.Kind, JComponent> samples = new EnumMap<>(DesignComponent.Kind.class);
        private int dragX, dragY;
        private boolean resizing, dragging;

        Canvas() {
            add(renderers);
            samples.put(DesignComponent.Kind.BUTTON, new JButton());
            samples.put(DesignComponent.Kind.LABEL, new JLabel());
            samples.put(DesignComponent.Kind.TEXTFIELD, new JTextField());
            samples.put(DesignComponent.Kind.TEXTAREA, new JTextArea());
            samples.put(DesignComponent.Kind.CHECKBOX, new JCheckBox());
            samples.put(DesignComponent.Kind.LIST, new JList<String>());
            setFocusable(true);
            MouseAdapter mouse = new MouseAdapter() {
                @Override
                public void mousePressed(MouseEvent e) {
                    requestFocusInWindow();
                    pressed(e.getX(), e.getY());
                }

                @Override
                public void mouseDragged(MouseEvent e) {
                    dragged(e.getX(), e.getY());
                }

                @Override
                public void mouseReleased(MouseEvent e) {
                    if (dragging || resizing)
                        buildForm();
                    dragging = resizing = false;
                }
            };
            addMouseListener(mouse);
            addMouseMotionListener(mouse);
        }

        private void pressed(int px, int py) {
            if (placing != null) {
                DesignComponent.Kind kind = placing;
                placing = null;
                selectTool.setSelected(true);
                change(() -> selected = design.add(kind, design.proposeName(kind), px, py,
                                                   kind.defaultWidth, kind.defaultHeight, kind.word));
                return;
            }
            if (selected != null && px >= selected.x + selected.width - HANDLE && px <= selected.x + selected.width
                && py >= selected.y + selected.height - HANDLE && py <= selected.y + selected.height) {
                resizing = true;
                return;
            }
            selected = design.componentAt(px, py);
            if (selected != null) {
                dragging = true;
                dragX = px - selected.x;
                dragY = py - selected.y;
            }
            refresh();
        }

        private void dragged(int px, int py) {
            try {
                if (resizing)
                    design.resize(selected, Math.max(1, px - selected.x), Math.max(1, py - selected.y));
                else if (dragging)
                    design.move(selected, Math.max(0, px - dragX), Math.max(0, py - dragY));
            } catch (IllegalArgumentException e) {
                return;
            }
            repaint();
        }

        @Override
        protected void paintComponent(Graphics g) {
            g.setColor(new Color(design.red(), design.green(), design.blue()));
            g.fillRect(0, 0, getWidth(), getHeight());
            g.setColor(Color.DARK_GRAY);
            for (int gx = 0; gx < getWidth(); gx += design.gridWidth())
                for (int gy = 0; gy < getHeight(); gy += design.gridHeight())
                    g.drawLine(gx, gy, gx, gy);
            for (DesignComponent c : design.components()) {
                JComponent sample = samples.get(c.kind);
                show(sample, c);
                renderers.paintComponent(g, sample, this, c.x, c.y, c.width, c.height, true);
            }
            if (selected != null) {
                g.setColor(Color.BLUE);
                g.drawRect(selected.x - 1, selected.y - 1, selected.width + 1, selected.height + 1);
                g.fillRect(selected.x + selected.width - HANDLE, selected.y + selected.height - HANDLE, HANDLE, HANDLE);
            }
        }

        private void show(JComponent sample, DesignComponent c) {
            if (sample instanceof JButton)
                ((JButton) sample).setText(c.text);
            else if (sample instanceof JCheckBox)
                ((JCheckBox) sample).setText(c.text);
            else if (sample instanceof JLabel)
                ((JLabel) sample).setText(c.text);
            else if (sample instanceof JTextField)
                ((JTextField) sample).setText(c.text);
            else if (sample instanceof JTextArea)
                ((JTextArea) sample).setText(c.text);
            else if (sample instanceof JList<?>) {
                @SuppressWarnings("unchecked")
                JList<String> list = (JList<String>) sample;
                list.setListData(c.text.isEmpty() ? new String[0] : c.text.split("\n", -1));
            }
            sample.setOpaque(!(sample instanceof JLabel || sample instanceof JCheckBox));
        }
    }
}
