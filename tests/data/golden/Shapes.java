/*
 * Shapes: a small program in early Java.
 */
package demo.shapes;

import java.util.Vector;

public abstract class Shape implements Cloneable {
    protected static final int MAX = 100;   // upper bound
    private double x, y;
    String name = "shape \"one\"";
    char c = '"';

    public Shape(double x, double y) {
        this.x = x; this.y = y;
    }

    /** The area. */
    public abstract double area();

    public synchronized void move(int dx, int dy) throws IllegalArgumentException {
        if (dx > MAX || dy < -MAX) throw new IllegalArgumentException("too far: " + dx);
        x += dx * 1.5; y -= .5;
        long big = 0x7FFFFFFFL;   /* hex is not a number word */
    }
}
-- a line that starts with hyphens
	tab	separated {braces} and \backslash
