import java.io.File;
import java.lang.reflect.Constructor;
import java.lang.reflect.Executable;
import java.lang.reflect.Field;
import java.lang.reflect.Method;
import java.lang.reflect.Modifier;
import java.lang.reflect.Type;
import java.nio.charset.StandardCharsets;
import java.nio.file.Files;
import java.nio.file.Paths;
import java.util.ArrayList;
import java.util.Arrays;
import java.util.Comparator;
import java.util.List;

import mosk.helpers.ClassFolderLoader;
import mosk.helpers.TypeNames;

/**
 * java DumpClass NAME OUTFILE
 *
 * Loads the class of NAME.class in the working folder (of any package) and
 * writes into OUTFILE a Java declaration of it that the IDE's parser reads:
 * the package statement, the class or interface header with its fully
 * qualified name, parent and interfaces, the public and protected fields,
 * and the public and protected constructors and methods as headers ending
 * in ";" (parameters named arg0, arg1, ...). Nested classes are left out;
 * enums and records are written as classes, annotation types as interfaces.
 * Exit status 0 on success; 1 with the reason on standard error when the
 * class cannot be loaded or the file not written; 2 for wrong arguments.
 */
public class DumpClass {
    public static void main(String[] args) {
        if (args.length != 2) {
            System.err.println("usage: java DumpClass NAME OUTFILE   (NAME.class in the working folder)");
            System.exit(2);
        }
        String name = args[0].endsWith(".class") ? args[0].substring(0, args[0].length() - 6) : args[0];
        String text;
        try {
            text = declaration(ClassFolderLoader.loadClassFile(new File(name + ".class")));
        } catch (Exception | LinkageError e) {
            System.err.println("DumpClass: cannot load " + name + ": " + reason(e));
            System.exit(1);
            return;
        }
        try {
            Files.write(Paths.get(args[1]), text.getBytes(StandardCharsets.UTF_8));
        } catch (Exception e) {
            System.err.println("DumpClass: cannot write " + args[1] + ": " + reason(e));
            System.exit(1);
        }
    }

    /** The message of a failure, with the exception's kind when it has none. */
    static String reason(Throwable e) {
        String message = e.getMessage();
        return message == null || message.isEmpty() ? e.getClass().getName() : e.getClass().getSimpleName() + ": " + message;
    }

    /** The declaration text of class c. */
    static String declaration(Class<?> c) {
        StringBuilder b = new StringBuilder();
        Package p = c.getPackage();
        if (p != null && !p.getName().isEmpty())
            b.append("package ").append(p.getName()).append(";\n\n");
        b.append(header(c)).append("\n{\n");
        Field[] fields = c.getDeclaredFields();
        Arrays.sort(fields, Comparator.comparing(Field::getName));
        for (Field f : fields) {
            if (!visible(f.getModifiers()) || f.isSynthetic())
                continue;
            b.append('\t').append(modifiers(f.getModifiers() & Modifier.fieldModifiers()))
             .append(TypeNames.source(f.getGenericType())).append(' ').append(f.getName()).append(";\n");
        }
        List<Executable> members = new ArrayList<>();
        if (!c.isInterface()) {
            List<Constructor<?>> constructors = new ArrayList<>(Arrays.asList(c.getDeclaredConstructors()));
            constructors.sort(Comparator.comparing((Constructor<?> k) -> k.getParameterCount())
                                        .thenComparing(Constructor::toString));
            members.addAll(constructors);
        }
        List<Method> methods = new ArrayList<>(Arrays.asList(c.getDeclaredMethods()));
        methods.sort(Comparator.comparing(Method::getName).thenComparing(Method::toString));
        members.addAll(methods);
        for (Executable m : members) {
            if (!visible(m.getModifiers()) || m.isSynthetic() || (m instanceof Method && ((Method) m).isBridge()))
                continue;
            b.append('\t').append(memberHeader(c, m)).append(";\n");
        }
        b.append("}\n");
        return b.toString();
    }

    /** "public abstract class a.b.C<T> extends a.b.B implements a.b.I" and the like. */
    static String header(Class<?> c) {
        StringBuilder b = new StringBuilder();
        int flags = c.getModifiers() & (c.isInterface() ? Modifier.interfaceModifiers() : Modifier.classModifiers());
        flags &= ~(Modifier.STATIC | Modifier.PRIVATE | Modifier.PROTECTED);
        if (c.isInterface())
            flags &= ~Modifier.ABSTRACT;
        b.append(modifiers(flags)).append(c.isInterface() ? "interface " : "class ");
        b.append(c.getName()).append(TypeNames.parameters(c.getTypeParameters()));
        Type[] interfaces = c.getGenericInterfaces();
        if (c.isInterface()) {
            appendList(b, " extends ", interfaces);
        } else {
            if (c.getGenericSuperclass() != null)
                b.append(" extends ").append(TypeNames.source(c.getGenericSuperclass()));
            appendList(b, " implements ", interfaces);
        }
        return b.toString();
    }

    /** A constructor's or method's header without the final ";". */
    static String memberHeader(Class<?> owner, Executable m) {
        StringBuilder b = new StringBuilder();
        boolean constructor = m instanceof Constructor<?>;
        int flags = m.getModifiers() & (constructor ? Modifier.constructorModifiers() : Modifier.methodModifiers());
        b.append(modifiers(flags));
        String parameters = TypeNames.parameters(m.getTypeParameters());
        if (!parameters.isEmpty())
            b.append(parameters).append(' ');
        if (constructor)
            b.append(owner.getName());
        else
            b.append(TypeNames.source(((Method) m).getGenericReturnType())).append(' ').append(m.getName());
        b.append('(');
        Type[] types = m.getGenericParameterTypes();
        // Inner classes' constructors take their outer instance first; the generic types leave it out.
        if (types.length != m.getParameterCount())
            types = m.getParameterTypes();
        for (int i = 0; i < types.length; ++i) {
            String type = TypeNames.source(types[i]);
            if (m.isVarArgs() && i == types.length - 1 && type.endsWith("[]"))
                type = type.substring(0, type.length() - 2) + "...";
            b.append(i == 0 ? "" : ", ").append(type).append(" arg").append(i);
        }
        b.append(')');
        appendList(b, " throws ", m.getGenericExceptionTypes());
        return b.toString();
    }

    private static boolean visible(int flags) {
        return (flags & (Modifier.PUBLIC | Modifier.PROTECTED)) != 0;
    }

    /** The modifier words of flags followed by a space, or "". */
    private static String modifiers(int flags) {
        String words = Modifier.toString(flags);
        return words.isEmpty() ? "" : words + " ";
    }

    private static void appendList(StringBuilder b, String keyword, Type[] types) {
        for (int i = 0; i < types.length; ++i)
            b.append(i == 0 ? keyword : ", ").append(TypeNames.source(types[i]));
    }
}
