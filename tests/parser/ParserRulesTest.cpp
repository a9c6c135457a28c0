// The parser's declaration rules, one source per case, each checked against
// the whole outline of its result (kind, qualified name, type, access,
// flags and detail; lines are left to the golden and offset tests).
#include "FileObject.h"
#include "JavaOutline.h"
#include "JavaParser.h"

#include <gtest/gtest.h>

#include <memory>
#include <sstream>
#include <string>
#include <vector>

namespace {

// The outline of the source without file and line columns, one line per
// declaration, fields joined by single blanks.
std::string Outline(const std::string& strSource)
{
    std::unique_ptr<CFileObject> pFile(CJavaParser::ParseText(strSource.data(), static_cast<long>(strSource.size())));
    if (!pFile)
        return "<no result>";
    CString strOut;
    CJavaOutline::Write(*pFile, "T", strOut);
    std::istringstream in(strOut.str());
    std::string strLine, strResult;
    while (std::getline(in, strLine)) {
        std::vector<std::string> fields;
        std::istringstream fieldsIn(strLine);
        for (std::string strField; std::getline(fieldsIn, strField, '\t');)
            fields.push_back(strField);
        for (size_t i = 3; i < fields.size(); ++i)
            strResult += (i > 3 ? " " : "") + fields[i];
        strResult += "\n";
    }
    return strResult;
}

struct CRuleCase {
    const char* pszName;
    const char* pszSource;
    const char* pszOutline;
};

const CRuleCase s_rules[] = {
    {"ImportWithStarKeepsDottedName", "import java.util.*;\nimport static java.lang.Math.max;\n",
     "import java.util.* - - - -\n"
     "import java.lang.Math.max - - static -\n"},
    {"PackageStatement", "package a.b.c;\nclass A {}\n",
     "package a.b.c - - - -\n"
     "class A class - - -\n"},
    {"TwoDeclaratorsShareTypeAndModifiers", "class A { static int a, b; }",
     "class A class - - -\n"
     "field A.a int - static -\n"
     "field A.b int - static -\n"},
    {"ConstructorNamedLikeClass", "class Foo { public Foo() {} }",
     "class Foo class - - -\n"
     "method Foo.Foo - public - -\n"},
    {"MethodNamedLikeClassInOtherCaseIsNoConstructor", "class Foo { void foo() {} Foo copy() { return this; } }",
     "class Foo class - - -\n"
     "method Foo.foo void - - -\n"
     "method Foo.copy Foo - - -\n"},
    {"BracketsBeforeOrAfterName", "class A { int[] x; int y[]; int a, b[]; }",
     "class A class - - -\n"
     "field A.x int[] - - -\n"
     "field A.y int[] - - -\n"
     "field A.a int - - -\n"
     "field A.b int[] - - -\n"},
    {"InterfaceMethodThrowsInSourceOrder", "interface I { void run(int n) throws B, A; }",
     "interface I interface - - -\n"
     "method I.run void - abstract throws B, A\n"
     "argument I.run.n int - - -\n"},
    {"MissingClosingBraceLeavesClassIncomplete", "class A { void f() {} }\nclass B { int x;",
     "class A class - - -\n"
     "method A.f void - - -\n"
     "class B class - incomplete -\n"
     "field B.x int - - -\n"},
    {"TopLevelModifiersKept", "public final class A {}\nabstract class B {}\npublic interface C {}",
     "class A class public final -\n"
     "class B class - abstract -\n"
     "interface C interface public - -\n"},
    {"EmptyBodyThenFieldOnNextLine", "class A {\n  void f(){}\n  int x;\n  String s=\"a\";\n  int y;\n}",
     "class A class - - -\n"
     "method A.f void - - -\n"
     "field A.x int - - -\n"
     "field A.s String - - -\n"
     "field A.y int - - -\n"},
    {"StraySemicolonsDeclareNothing", "class A { void f() {}; };\n;\nclass B { }",
     "class A class - - -\n"
     "method A.f void - - -\n"
     "class B class - - -\n"},
    {"ModifiersAndFlags",
     "class A { protected static synchronized native long n(); private final int k = 1; abstract void g(); }",
     "class A class - - -\n"
     "method A.n long protected static,synchronized,native -\n"
     "field A.k int private final -\n"
     "method A.g void - abstract -\n"},
    {"ExtendsAndImplements", "class A extends p.B implements C, d.E { }\ninterface F extends G, H { }",
     "class A class - - extends p.B implements C, d.E\n"
     "interface F interface - - extends G\n"},
    {"InnerClassImplementingTwoInterfaces",
     "class A { static class B implements C, D { int x; } interface E extends F, G { } int y; }",
     "class A class - - -\n"
     "inner class A.B class - static implements C, D\n"
     "field A.B.x int - - -\n"
     "inner interface A.E interface - - extends F\n"
     "field A.y int - - -\n"},
    {"LocalClassInMethod", "class A { void f() { int n = 0; class L { void g() {} } if (n > 0) { } } int after; }",
     "class A class - - -\n"
     "method A.f void - - -\n"
     "local class A.f.L class - - -\n"
     "method A.f.L.g void - - -\n"
     "field A.after int - - -\n"},
    {"LocalClassHeaderKeepsTypeArguments",
     "class A { <T> void f() { List<T> l = m(a < b, c); class L extends B<T> implements I<T>, J { } } }",
     "class A class - - -\n"
     "method A.f void - - -\n"
     "local class A.f.L class - - extends B<T> implements I<T>, J\n"},
    {"AnonymousClassesAndInitialisersSkipped",
     "class A { static { x(); } { y(); } Runnable r = new Runnable() { public void run() { } }, s; int z; }",
     "class A class - - -\n"
     "field A.r Runnable - - -\n"
     "field A.s Runnable - - -\n"
     "field A.z int - - -\n"},
    {"BracesInLiteralsAndComments",
     "class A {\n  char o = '{', c = '}', q = '\"', e = '\\'';\n  String s = \"\\\\\", t = \"}\\\"{\";\n"
     "  /*/ a comment { */ // }\n  void f() { if (o == '}') { } }\n  int last;\n}",
     "class A class - - -\n"
     "field A.o char - - -\n"
     "field A.c char - - -\n"
     "field A.q char - - -\n"
     "field A.e char - - -\n"
     "field A.s String - - -\n"
     "field A.t String - - -\n"
     "method A.f void - - -\n"
     "field A.last int - - -\n"},
    {"TypeArgumentsStayWithTheType",
     "class A { Map<String, List<Integer>> m; List <String> [] l; java.util.Map.Entry<K,V> e; }",
     "class A class - - -\n"
     "field A.m Map<String, List<Integer>> - - -\n"
     "field A.l List<String>[] - - -\n"
     "field A.e java.util.Map.Entry<K,V> - - -\n"},
    {"TypeArgumentCommasInInitialiser",
     "class A { Map<String, Object> m = new HashMap<String, Object>(), n = Map.<String, Object>of(); int z; }",
     "class A class - - -\n"
     "field A.m Map<String, Object> - - -\n"
     "field A.n Map<String, Object> - - -\n"
     "field A.z int - - -\n"},
    {"GenericMethodTypeParametersSkipped",
     "class A { public static <K, V extends Comparable<? super V>> Map<K, V> sort(Map<K, V> m) { return m; }"
     " <T> T id(T t) { return t; } }",
     "class A class - - -\n"
     "method A.sort Map<K, V> public static -\n"
     "argument A.sort.m Map<K, V> - - -\n"
     "method A.id T - - -\n"
     "argument A.id.t T - - -\n"},
    {"GenericClassNameWithoutParameters",
     "class Box<T extends Comparable<T>> extends Base<T> implements I<T> { Box(T t) {} }",
     "class Box class - - extends Base<T> implements I<T>\n"
     "method Box.Box - - - -\n"
     "argument Box.Box.t T - - -\n"},
    {"LessThanInExpressionsIsNoTypeArgument",
     "class A { boolean b = x < y, c = p > q; int n = i < 10 ? 1 : 2; void f() { if (a < b) { } } int z; }",
     "class A class - - -\n"
     "field A.b boolean - - -\n"
     "field A.c boolean - - -\n"
     "field A.n int - - -\n"
     "method A.f void - - -\n"
     "field A.z int - - -\n"},
    {"AnnotationsWithArgumentsSkipped",
     "@SuppressWarnings({\"a)\", \"b\"}) public class A {\n  @Deprecated(since = \"9\") @Override\n"
     "  public String f(@Named(\"(\") final String s) { return s; }\n  @java.lang.Deprecated int x;\n}",
     "class A class public - -\n"
     "method A.f String public - -\n"
     "argument A.f.s String - final -\n"
     "field A.x int - - -\n"},
    {"VarargsJoinTheType", "class A { void f(String... a) {} void g(int ... b) {} void h(List<String>...c) {} }",
     "class A class - - -\n"
     "method A.f void - - -\n"
     "argument A.f.a String... - - -\n"
     "method A.g void - - -\n"
     "argument A.g.b int... - - -\n"
     "method A.h void - - -\n"
     "argument A.h.c List<String>... - - -\n"},
    {"EnumConstantsBecomeFields",
     "enum E implements I { A, B(1, \"x\"), C { void f() {} }; private int v; E() {} E(int v, String s) { } }",
     "class E enum - - implements I\n"
     "field E.A E public static,final -\n"
     "field E.B E public static,final -\n"
     "field E.C E public static,final -\n"
     "field E.v int private - -\n"
     "method E.E - - - -\n"
     "method E.E - - - -\n"
     "argument E.E.v int - - -\n"
     "argument E.E.s String - - -\n"},
    {"EnumWithoutSemicolonThenMember", "class A { enum E { X, Y } int after; }",
     "class A class - - -\n"
     "inner class A.E enum - - -\n"
     "field A.E.X E public static,final -\n"
     "field A.E.Y E public static,final -\n"
     "field A.after int - - -\n"},
    {"RecordComponentsBecomeFields",
     "public record R<T>(int x, T[] y, String... z) implements Comparable<R<T>> { R { } static R of() { return null; } }",
     "class R record public - implements Comparable<R<T>>\n"
     "field R.x int private final -\n"
     "field R.y T[] private final -\n"
     "field R.z String... private final -\n"
     "method R.R - - compact -\n"
     "argument R.R.x int - - -\n"
     "argument R.R.y T[] - - -\n"
     "argument R.R.z String... - - -\n"
     "method R.of R - static -\n"},
    {"CompactConstructorTakesTheComponentsInHeaderOrder",
     "record P(int z, long a) { static int COUNT; public P { if (z < 0) throw new IllegalArgumentException(); }\n"
     "  P(int z) { this(z, 0L); } }",
     "class P record - - -\n"
     "field P.z int private final -\n"
     "field P.a long private final -\n"
     "field P.COUNT int - static -\n"
     "method P.P - public compact -\n"
     "argument P.P.z int - - -\n"
     "argument P.P.a long - - -\n"
     "method P.P - - - -\n"
     "argument P.P.z int - - -\n"},
    {"BlockNamedLikeTheClassOutsideARecordStaysABlock", "class A { static { } A { } int after; }",
     "class A class - - -\n"
     "field A.after int - - -\n"},
    {"SealedAndNonSealedWithPermits",
     "public sealed interface Shape permits Circle, Square {}\n"
     "final class Circle implements Shape {}\n"
     "non-sealed class Square extends Base implements Shape { sealed abstract class In permits X {} }\n"
     "sealed class Base permits Square {}\n",
     "interface Shape interface public sealed permits Circle, Square\n"
     "class Circle class - final implements Shape\n"
     "class Square class - non-sealed extends Base implements Shape\n"
     "inner class Square.In class - abstract,sealed permits X\n"
     "class Base class - sealed permits Square\n"},
    {"InnerRecordAndLocalRecord", "class A { record P(int a) {} void f() { record Q(long b) {} } }",
     "class A class - - -\n"
     "inner class A.P record - - -\n"
     "field A.P.a int private final -\n"
     "method A.f void - - -\n"
     "local class A.f.Q record - - -\n"
     "field A.f.Q.b long private final -\n"},
    {"LambdasSwitchExpressionsAndArraysInInitialisers",
     "class A { Comparator<String> c = (a, b) -> { return 0; }, d = String::compareTo;\n"
     "  int[][] m = {{1, 2}, {3}}; int k = switch (x) { case 1 -> { yield 2; } default -> 3; }; int z; }",
     "class A class - - -\n"
     "field A.c Comparator<String> - - -\n"
     "field A.d Comparator<String> - - -\n"
     "field A.m int[][] - - -\n"
     "field A.k int - - -\n"
     "field A.z int - - -\n"},
    {"TextBlockDoesNotDerail",
     "class A {\n  String t = \"\"\"\n    { \"quoted\" } \\\"\"\" still\n    \"\"\";\n  int after;\n}",
     "class A class - - -\n"
     "field A.t String - - -\n"
     "field A.after int - - -\n"},
    {"InterfaceMethodsWithBodies",
     "interface I { void a(); default void b() { } static I c() { return null; } private void d() {} int K = 1; }",
     "interface I interface - - -\n"
     "method I.a void - abstract -\n"
     "method I.b void - - -\n"
     "method I.c I - static -\n"
     "method I.d void private - -\n"
     "field I.K int - - -\n"},
    {"AnnotationTypeWithDefaults",
     "public @interface M { String v() default \"}\"; int[] n() default {1, 2}; Class<?> c() default A.class; }",
     "interface M @interface public - -\n"
     "method M.v String - abstract -\n"
     "method M.n int[] - abstract -\n"
     "method M.c Class<?> - abstract -\n"},
    {"DollarAndNonAsciiInNames", "class A$B { int x$1; String gr\xc3\xbc\xc3\x9f; }",
     "class A$B class - - -\n"
     "field A$B.x$1 int - - -\n"
     "field A$B.gr\xc3\xbc\xc3\x9f String - - -\n"},
};

class CParserRules : public ::testing::TestWithParam<CRuleCase> {};

TEST_P(CParserRules, Outline)
{
    EXPECT_EQ(Outline(GetParam().pszSource), GetParam().pszOutline);
}

INSTANTIATE_TEST_SUITE_P(Parser, CParserRules, ::testing::ValuesIn(s_rules),
                         [](const ::testing::TestParamInfo<CRuleCase>& info) { return info.param.pszName; });

} // namespace
