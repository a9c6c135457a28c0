import java.beans.BeanInfo;
import java.beans.EventSetDescriptor;
import java.beans.IndexedPropertyDescriptor;
import java.beans.Introspector;
import java.beans.MethodDescriptor;
import java.beans.PropertyDescriptor;
import java.io.File;
import java.lang.reflect.Array;
import java.lang.reflect.Constructor;
import java.lang.reflect.Method;
import java.lang.reflect.Modifier;
import java.net.URL;
import java.net.URLClassLoader;
import java.nio.charset.StandardCharsets;
import java.nio.file.Files;
import java.nio.file.Paths;
import java.util.ArrayList;
import java.util.Enumeration;
import java.util.List;
import java.util.Map;
import java.util.TreeSet;
import java.util.jar.Attributes;
import java.util.jar.JarEntry;
import java.util.jar.JarFile;
import java.util.jar.Manifest;

import mosk.helpers.ClassFolderLoader;
import mosk.helpers.TypeNames;

/**
 * java DumpBean NAME OUTFILE
 *
 * Introspects the beans of NAME.jar (or NAME.class when there is no such
 * archive) in the working folder and writes their descriptions into
 * OUTFILE, one block a bean:
 *
 *   class a.b.Gauge
 *   {
 *       Properties
 *       {
 *           [H] [I] [E] TYPE NAME [GETTER] [SETTER];
 *       }
 *       Events
 *       {
 *           LISTENER ADDER REMOVER EVENTMETHOD...;
 *       }
 *       Methods
 *       {
 *           public RETURNTYPE NAME(TYPE arg0, ...) [throws ...];
 *       }
 *   }
 *
 * H marks a hidden property, I an indexed one, E one for experts. A
 * property's type is written as in source, except that an array of objects
 * is written as its virtual machine descriptor ("[Ljava.lang.String;",
 * "[[La.b.C;"); arrays of primitives stay "int[]". An indexed property
 * without array accessors names its indexed getter and setter. Members of
 * java.lang.Object are left out.
 *
 * The beans of an archive are the classes its manifest marks "Java-Bean:
 * True"; when it marks none (or has no manifest), every public class with a
 * public constructor without arguments. A bean that cannot be introspected
 * is reported on standard error and skipped. Exit status 0 when every bean
 * was written; 1 with the reason on standard error when the file cannot be
 * read, a bean fails or nothing could be written; 2 for wrong arguments.
 */
public class DumpBean {
    public static void main(String[] args) {
        System.setProperty("java.awt.headless", "true");
        if (args.length != 2) {
            System.err.println("usage: java DumpBean NAME OUTFILE   (NAME.jar or NAME.class in the working folder)");
            System.exit(2);
        }
        StringBuilder out = new StringBuilder();
        int failures;
        try {
            failures = dump(args[0], out);
        } catch (Exception | LinkageError e) {
            System.err.println("DumpBean: cannot read " + args[0] + ": " + DumpClass.reason(e));
            System.exit(1);
            return;
        }
        try {
            Files.write(Paths.get(args[1]), out.toString().getBytes(StandardCharsets.UTF_8));
        } catch (Exception e) {
            System.err.println("DumpBean: cannot write " + args[1] + ": " + DumpClass.reason(e));
            System.exit(1);
        }
        System.exit(failures == 0 ? 0 : 1);
    }

    /** Appends the descriptions of the beans of NAME to out; returns the number of beans that failed. */
    static int dump(String name, StringBuilder out) throws Exception {
        File jar = new File(name.endsWith(".jar") ? name : name + ".jar");
        if (jar.isFile())
            return dumpJar(jar, out);
        File file = new File(name.endsWith(".class") ? name : name + ".class");
        if (!file.isFile())
            throw new java.io.FileNotFoundException("neither " + jar.getPath() + " nor " + file.getPath() + " exists");
        describe(ClassFolderLoader.loadClassFile(file), out);
        return 0;
    }

    private static int dumpJar(File jar, StringBuilder out) throws Exception {
        List<String> names = new ArrayList<>();
        boolean marked;
        try (JarFile archive = new JarFile(jar)) {
            names.addAll(markedBeans(archive.getManifest()));
            marked = !names.isEmpty();
            if (!marked) {
                for (Enumeration<JarEntry> e = archive.entries(); e.hasMoreElements();) {
                    String entry = e.nextElement().getName();
                    if (entry.endsWith(".class") && !entry.startsWith("META-INF/"))
                        names.add(entry.substring(0, entry.length() - 6).replace('/', '.'));
                }
            }
        }
        int failures = 0;
        URL[] urls = {jar.getAbsoluteFile().toURI().toURL()};
        try (URLClassLoader loader = new URLClassLoader(urls, ClassLoader.getSystemClassLoader())) {
            for (String className : names) {
                try {
                    Class<?> c = Class.forName(className, false, loader);
                    if (marked || isBeanCandidate(c))
                        describe(c, out);
                } catch (Exception | LinkageError e) {
                    // Unmarked classes that do not load are no beans; a marked one is a failure.
                    if (marked) {
                        System.err.println("DumpBean: cannot introspect " + className + ": " + DumpClass.reason(e));
                        ++failures;
                    }
                }
            }
        }
        return failures;
    }

    /** The class names of the manifest's sections marked "Java-Bean: True", in the manifest's order. */
    static List<String> markedBeans(Manifest manifest) {
        List<String> names = new ArrayList<>();
        if (manifest == null)
            return names;
        for (Map.Entry<String, Attributes> section : manifest.getEntries().entrySet()) {
            String flag = section.getValue().getValue("Java-Bean");
            String entry = section.getKey();
            if (flag != null && flag.trim().equalsIgnoreCase("true") && entry.endsWith(".class"))
                names.add(entry.substring(0, entry.length() - 6).replace('/', '.'));
        }
        return names;
    }

    /**
     * A public, concrete, top-level or static class with a public
     * constructor without arguments that is not the bean information of
     * another class.
     */
    static boolean isBeanCandidate(Class<?> c) {
        int flags = c.getModifiers();
        if (!Modifier.isPublic(flags) || Modifier.isAbstract(flags) || c.isInterface() || c.isAnnotation() || c.isEnum()
            || BeanInfo.class.isAssignableFrom(c))
            return false;
        if (c.getEnclosingClass() != null && !Modifier.isStatic(flags))
            return false;
        for (Constructor<?> k : c.getConstructors())
            if (k.getParameterCount() == 0)
                return true;
        return false;
    }

    /** Appends the block of one bean. */
    static void describe(Class<?> c, StringBuilder out) throws Exception {
        BeanInfo info = c == Object.class ? Introspector.getBeanInfo(c) : Introspector.getBeanInfo(c, Object.class);
        StringBuilder b = new StringBuilder();
        b.append("class ").append(c.getName()).append("\n{\n\tProperties\n\t{\n");
        for (PropertyDescriptor p : info.getPropertyDescriptors())
            b.append("\t\t").append(property(p)).append(";\n");
        b.append("\t}\n\tEvents\n\t{\n");
        for (EventSetDescriptor e : info.getEventSetDescriptors()) {
            b.append("\t\t").append(TypeNames.className(e.getListenerType()));
            b.append(' ').append(methodName(e.getAddListenerMethod()));
            b.append(' ').append(methodName(e.getRemoveListenerMethod()));
            for (Method m : e.getListenerMethods())
                b.append(' ').append(m.getName());
            b.append(";\n");
        }
        b.append("\t}\n\tMethods\n\t{\n");
        TreeSet<String> headers = new TreeSet<>();
        for (MethodDescriptor m : info.getMethodDescriptors())
            headers.add(methodHeader(m.getMethod()));
        for (String header : headers)
            b.append("\t\t").append(header).append(";\n");
        b.append("\t}\n}\n");
        out.append(b);
    }

    /** "[H] [I] [E] TYPE NAME [GETTER] [SETTER]" without the ";". */
    static String property(PropertyDescriptor p) {
        StringBuilder b = new StringBuilder();
        boolean indexed = p instanceof IndexedPropertyDescriptor;
        if (p.isHidden())
            b.append("H ");
        if (indexed)
            b.append("I ");
        if (p.isExpert())
            b.append("E ");
        Class<?> type = p.getPropertyType();
        Method getter = p.getReadMethod(), setter = p.getWriteMethod();
        if (indexed) {
            IndexedPropertyDescriptor ip = (IndexedPropertyDescriptor) p;
            if (type == null && ip.getIndexedPropertyType() != null)
                type = Array.newInstance(ip.getIndexedPropertyType(), 0).getClass();
            if (getter == null)
                getter = ip.getIndexedReadMethod();
            if (setter == null)
                setter = ip.getIndexedWriteMethod();
        }
        b.append(type == null ? "java.lang.Object" : propertyType(type));
        b.append(' ').append(p.getName());
        if (getter != null)
            b.append(' ').append(getter.getName());
        if (setter != null)
            b.append(' ').append(setter.getName());
        return b.toString();
    }

    /**
     * An array of objects as its descriptor ("[Ljava.lang.String;"), any
     * other type as in source. An array of a primitive type is written in
     * source form too ("int[]"): its descriptor ("[I") has no ";" to end it
     * and would read back as the bare letter.
     */
    static String propertyType(Class<?> type) {
        Class<?> element = type;
        while (element.isArray())
            element = element.getComponentType();
        return type.isArray() && !element.isPrimitive() ? type.getName() : TypeNames.className(type);
    }

    /** "public void paint(java.awt.Graphics arg0) throws X" without the ";". */
    static String methodHeader(Method m) {
        StringBuilder b = new StringBuilder();
        int flags = m.getModifiers() & Modifier.methodModifiers() & ~Modifier.ABSTRACT;
        String words = Modifier.toString(flags);
        b.append(words.isEmpty() ? "" : words + " ");
        b.append(TypeNames.className(m.getReturnType())).append(' ').append(m.getName()).append('(');
        Class<?>[] types = m.getParameterTypes();
        for (int i = 0; i < types.length; ++i)
            b.append(i == 0 ? "" : ", ").append(TypeNames.className(types[i])).append(" arg").append(i);
        b.append(')');
        Class<?>[] thrown = m.getExceptionTypes();
        for (int i = 0; i < thrown.length; ++i)
            b.append(i == 0 ? " throws " : ", ").append(TypeNames.className(thrown[i]));
        return b.toString();
    }

    private static String methodName(Method m) {
        return m == null ? "-" : m.getName();
    }
}
