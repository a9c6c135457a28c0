package mosk.helpers;

import java.io.ByteArrayInputStream;
import java.io.DataInputStream;
import java.io.EOFException;
import java.io.File;
import java.io.IOException;
import java.nio.file.Files;

/**
 * Loads a class from its class file in a folder, whatever package it
 * declares. The class's own name is read from the file's constant pool;
 * classes of the same package are then looked up beside it, and classes of
 * other packages under the package root (the folder above the package's
 * folders) when the folder lies in its package's folders. Everything else
 * comes from the class path the virtual machine was started with.
 */
public final class ClassFolderLoader extends ClassLoader {
    private final File folder;
    private final File root;
    private final String packageName;
    private final String mainName;
    private final byte[] mainData;

    private ClassFolderLoader(File folder, String mainName, byte[] mainData) {
        super(ClassLoader.getSystemClassLoader());
        int dot = mainName.lastIndexOf('.');
        this.folder = folder;
        this.packageName = dot < 0 ? "" : mainName.substring(0, dot);
        this.root = packageRoot(folder, packageName);
        this.mainName = mainName;
        this.mainData = mainData;
    }

    /**
     * Loads the class of the class file FILE without initialising it.
     * Throws with a reason a person can read when the file is missing, is
     * no class file, or the class or one it needs cannot be loaded.
     */
    public static Class<?> loadClassFile(File file) throws IOException, ClassNotFoundException {
        if (!file.isFile())
            throw new IOException("no such class file: " + file.getPath());
        byte[] data = Files.readAllBytes(file.toPath());
        String name = readClassName(data);
        File folder = file.getAbsoluteFile().getParentFile();
        return Class.forName(name, false, new ClassFolderLoader(folder, name, data));
    }

    /** The binary name ("a.b.Outer$Inner") of the class a class file defines. */
    public static String readClassName(byte[] data) throws IOException {
        try (DataInputStream in = new DataInputStream(new ByteArrayInputStream(data))) {
            if (in.readInt() != 0xCAFEBABE)
                throw new IOException("not a class file (bad magic number)");
            in.readUnsignedShort();
            in.readUnsignedShort();
            int count = in.readUnsignedShort();
            String[] texts = new String[count];
            int[] classes = new int[count];
            for (int i = 1; i < count; ++i) {
                int tag = in.readUnsignedByte();
                switch (tag) {
                case 1: texts[i] = in.readUTF(); break;
                case 7: classes[i] = in.readUnsignedShort(); break;
                case 8: case 16: case 19: case 20: in.skipBytes(2); break;
                case 15: in.skipBytes(3); break;
                case 3: case 4: case 9: case 10: case 11: case 12: case 17: case 18: in.skipBytes(4); break;
                case 5: case 6: in.skipBytes(8); ++i; break;
                default: throw new IOException("not a class file (constant pool tag " + tag + ")");
                }
            }
            in.readUnsignedShort();
            int self = in.readUnsignedShort();
            if (self <= 0 || self >= count || classes[self] <= 0 || classes[self] >= count
                || texts[classes[self]] == null)
                throw new IOException("not a class file (no class name)");
            return texts[classes[self]].replace('/', '.');
        } catch (EOFException e) {
            throw new IOException("not a class file (truncated)");
        }
    }

    /** The folder above the package's folders, or null when FOLDER does not end in them. */
    private static File packageRoot(File folder, String packageName) {
        if (packageName.isEmpty())
            return folder;
        String[] parts = packageName.split("\\.");
        File root = folder;
        for (int i = parts.length - 1; i >= 0; --i) {
            if (root == null || !root.getName().equals(parts[i]))
                return null;
            root = root.getParentFile();
        }
        return root;
    }

    @Override
    protected Class<?> findClass(String name) throws ClassNotFoundException {
        if (name.equals(mainName))
            return defineClass(name, mainData, 0, mainData.length);
        int dot = name.lastIndexOf('.');
        File file;
        if ((dot < 0 ? "" : name.substring(0, dot)).equals(packageName))
            file = new File(folder, name.substring(dot + 1) + ".class");
        else if (root != null)
            file = new File(root, name.replace('.', File.separatorChar) + ".class");
        else
            throw new ClassNotFoundException(name);
        if (!file.isFile())
            throw new ClassNotFoundException(name);
        try {
            byte[] data = Files.readAllBytes(file.toPath());
            return defineClass(name, data, 0, data.length);
        } catch (IOException e) {
            throw new ClassNotFoundException(name + ": " + e.getMessage(), e);
        }
    }
}
