package org.example.modern;

import java.util.*;
import java.util.function.Function;
import static java.util.Objects.requireNonNull;

@SuppressWarnings({"unchecked", "rawtypes"})
public sealed class Box<T extends Comparable<T>> implements Comparable<Box<T>>, Iterable<T> permits Box.Big {
    @Deprecated(since = "9", forRemoval = true)
    private final Map<String, List<Integer>> index = new HashMap<>();
    private static final Comparator<String> ORDER = (a, b) -> {
        return a.compareTo(b);
    };
    private final Runnable task = new Runnable() {
        @Override public void run() { int[] a = {1, 2}; }
    };
    private final String text = """
        A text block { with braces
        and "quotes" } that spans lines
        """;
    int[][] matrix = {{1, 2}, {3, 4}}, other;

    public Box(@SuppressWarnings("x") T value, T... more) {
        super();
    }

    @Override
    public int compareTo(Box<T> other) {
        return switch (other.hashCode()) {
            case 0 -> 0;
            default -> { yield 1; }
        };
    }

    public static <K, V extends Comparable<? super V>> Map<K, V> sortByValue(Map<K, V> map, Function<? super K, ? extends V> f) throws IllegalStateException {
        var list = new ArrayList<Map.Entry<K, V>>(map.entrySet());
        if (list.size() < 2 && map.size() > 1) { return map; }
        return map;
    }

    public Iterator<T> iterator() {
        record Pair(int a, int b) {}
        enum Mode { ON, OFF }
        return null;
    }

    public static final class Big<T extends Comparable<T>> extends Box<T> {
        Big() { super(null); }
    }

    public non-sealed static class Open {}

    enum Planet implements Function<String, Integer> {
        MERCURY(3.303e+23, 2.4397e6),
        @Deprecated VENUS(4.869e+24, 6.0518e6) {
            @Override double surfaceGravity() { return 0; }
        },
        EARTH(5.976e+24, 6.37814e6);

        private final double mass, radius;
        Planet(double mass, double radius) { this.mass = mass; this.radius = radius; }
        double surfaceGravity() { return mass / (radius * radius); }
        public Integer apply(String s) { return 0; }
    }

    public record Range(int lo, int hi, String... labels) implements Comparable<Range> {
        public Range {
            if (lo > hi) throw new IllegalArgumentException();
        }
        public int compareTo(Range o) { return Integer.compare(lo, o.lo); }
        static Range empty() { return new Range(0, 0); }
    }

    interface Shape {
        double area();
        default String describe() { return "shape " + area(); }
        static Shape unit() { return () -> 1.0; }
        private void helper() {}
    }
}

@interface Marker {
    String value() default "";
    int[] counts() default {1, 2, 3};
    Class<?> type() default Object.class;
}

enum Level { LOW, HIGH }
