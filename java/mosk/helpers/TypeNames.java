package mosk.helpers;

import java.lang.reflect.GenericArrayType;
import java.lang.reflect.ParameterizedType;
import java.lang.reflect.Type;
import java.lang.reflect.TypeVariable;
import java.lang.reflect.WildcardType;

/** Types written the way Java source writes them, with qualified names. */
public final class TypeNames {
    private TypeNames() {
    }

    /** "java.util.Map<java.lang.String, int[]>", "a.b.Outer.Inner", "T", "? extends X". */
    public static String source(Type type) {
        if (type instanceof Class<?>)
            return className((Class<?>) type);
        if (type instanceof ParameterizedType) {
            ParameterizedType p = (ParameterizedType) type;
            StringBuilder b = new StringBuilder(source(p.getRawType()));
            b.append('<');
            Type[] args = p.getActualTypeArguments();
            for (int i = 0; i < args.length; ++i)
                b.append(i == 0 ? "" : ", ").append(source(args[i]));
            return b.append('>').toString();
        }
        if (type instanceof GenericArrayType)
            return source(((GenericArrayType) type).getGenericComponentType()) + "[]";
        if (type instanceof TypeVariable<?>)
            return ((TypeVariable<?>) type).getName();
        if (type instanceof WildcardType) {
            WildcardType w = (WildcardType) type;
            if (w.getLowerBounds().length > 0)
                return "? super " + source(w.getLowerBounds()[0]);
            Type[] upper = w.getUpperBounds();
            if (upper.length == 0 || upper[0] == Object.class)
                return "?";
            return "? extends " + source(upper[0]);
        }
        return type.getTypeName();
    }

    /** A class's name in source: arrays with "[]", nested classes with "." where the language allows. */
    public static String className(Class<?> c) {
        if (c.isArray())
            return className(c.getComponentType()) + "[]";
        String canonical = c.getCanonicalName();
        return canonical != null ? canonical : c.getName();
    }

    /** Type parameters "<K, V extends java.lang.Comparable<V>>", or "" when there are none. */
    public static String parameters(TypeVariable<?>[] variables) {
        if (variables.length == 0)
            return "";
        StringBuilder b = new StringBuilder("<");
        for (int i = 0; i < variables.length; ++i) {
            b.append(i == 0 ? "" : ", ").append(variables[i].getName());
            Type[] bounds = variables[i].getBounds();
            for (int j = 0; j < bounds.length; ++j) {
                if (j == 0 && bounds[j] == Object.class)
                    continue;
                b.append(j == 0 ? " extends " : " & ").append(source(bounds[j]));
            }
        }
        return b.append('>').toString();
    }
}
