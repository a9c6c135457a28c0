/*
 * A source in the style of the first Java releases: no generics, no
 * annotations, no enums. { braces in comments do not count }
 */
package com.example.shapes;

import java.awt.*;
import java.io.IOException;
import java.util.Vector;

/** A shape that can be drawn. */
public abstract class Shape extends Object implements Cloneable, java.io.Serializable {
    public static final int MAX = 10, MIN = -1;
    protected int x, y[];
    int[] grid, more;
    private String name = "shape { not a brace";
    char open = '{', close = '}';
    String quote = "\"", slash = "\\";
    Vector items = new Vector();

    static {
        System.out.println("loaded");
    }

    public Shape() {
        this(0, 0);
    }

    public Shape(int x, int y) {
        this.x = x;
    }

    public abstract void draw(Graphics g);

    public synchronized native int area();

    public final String getName() { return name; }

    protected static void main(String args[]) throws IOException, InterruptedException {
        class Helper {
            int count;
            void help() {}
        }
        Runnable r = new Runnable() {
            public void run() { if (open == '{') { } }
        };
    }

    public String[] names(int n, String prefix)[] {
        return null;
    }

    static class Point {
        int x;
        Point(int x) { this.x = x; }
    }

    interface Visitor {
        void visit(Shape s) throws IOException;
    }
}

interface Drawable extends Runnable, Cloneable {
    int SIZE = 4;
    void draw(Graphics g, int scale) throws IOException, java.awt.AWTException;
}

class Circle extends Shape {
    double r;
    public void draw(Graphics g) {}
    public static void main(String[] args) {}
}
