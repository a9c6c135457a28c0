// CProjectPages: the files the IDE writes for a project: the default HTML
// page that shows the main class as an applet, and the bean manifest of the
// main class; also the archive dialog's Make Bean presets. The caller shows
// the error texts these functions give back.
#pragma once

#include "String.h"

class CJarOptions;
class CProject;
class CToolOptions;

class CProjectPages {
public:
    static constexpr const char* DEFAULT_HTML_FOUND = "Default HTML file found in the project !!!";
    static constexpr const char* DEFAULT_HTML_CREATE_FAILED = "Error creating a new file !!!";
    static constexpr const char* DEFAULT_HTML_NO_MAIN_CLASS =
        "Project main class not set. Please fill in the Applet class manually in the Default HTML file !!!";
    static constexpr const char* MANIFEST_PARSE_FAILED = "Error parsing the main class file...";
    static constexpr const char* MANIFEST_NO_MAIN_CLASS = "Project main class not set.";

    // The default page's text ("\n" line ends) for the main class file
    // strMainClassFile ("Main.java"); empty: the applet's class is left out.
    static CString DefaultHtmlText(const CString& strMainClassFile);
    // TRUE when the file list holds a file named "Default" (any case) with
    // the extension ".html" or ".htm" (any case).
    static BOOL HasDefaultHtml(const CProject& project);
    // Where the default page goes: the project directory and "Default.htm".
    static CString DefaultHtmlPath(const CProject& project);
    // Writes the default page for the project's main class (replacing a file
    // of that name). FALSE with strError = DEFAULT_HTML_FOUND when the project
    // has one, or DEFAULT_HTML_CREATE_FAILED when it could not be written.
    static BOOL WriteDefaultHtml(const CProject& project, CString& strPath, CString& strError);
    // WriteDefaultHtml, then adds the page to the project (when not listed)
    // and makes it the main HTML file. FALSE with strError, or with strError
    // empty when the project refused the file (it showed its own message).
    static BOOL AddDefaultHtml(CProject& project, CString& strPath, CString& strError);

    // The manifest of the main class: the effective compiler output directory
    // (the project directory when there is none), a "/" when it does not end
    // in one, the main class file's base name, ".mft". Empty
    // without a main class file.
    static CString ManifestPath(const CProject& project, const CToolOptions& global);
    // The main class as the manifest names it: package path, "/", base name,
    // ".class". FALSE with strError when there is no main class or its
    // listed file cannot be parsed.
    static BOOL ManifestClassEntry(const CProject& project, CString& strEntry, CString& strError);
    // "Name: " entry "\nJava-Bean: True", no final line break.
    static CString ManifestText(const CString& strEntry);
    // Writes the manifest at ManifestPath. FALSE with strError ("Error
    // creating <path> file", or a class-entry error); strPath set when known.
    static BOOL WriteManifest(const CProject& project, const CToolOptions& global, CString& strPath,
                              CString& strError);
    // WriteManifest, then adds the file to the project when not listed. FALSE
    // with strError, or with strError empty when the project refused the file.
    static BOOL AddManifest(CProject& project, const CToolOptions& global, CString& strPath, CString& strError);

    // Make Bean: create, include-manifest, specify-archive and custom on; the
    // manifest when it is a project file (else empty); the archive next to it
    // named after the main class; the file list holds the main class's package
    // path or "*.class". FALSE, options untouched, without a main class file.
    static BOOL MakeBeanPresets(const CProject& project, const CToolOptions& global, CJarOptions& options);
};
