// Expressions of BASIC lines: each case a statement's tokens and what the
// HP-71B lists for them.
#include <gtest/gtest.h>

#include <string>

#include "support/basic_program.h"

namespace velkord {
namespace {

TEST(BasicExpressions, IntegersWithoutLeadingZeros) {
    expect_listings({
        {"58 F1 31", "X=1"},
        {"58 F1 39", "X=9"},
        {"58 F1 0C n:2,1", "X=12"},
        {"58 F1 0A n:0,0,0,1", "X=1000"},
        {"58 F1 0A n:5,0,0,0", "X=5"},
        {"58 F1 0B n:0,0,0", "X=0"},
        {"58 F1 02 n:2,1,0,9,8,7,6,5,4,3,2,1", "X=123456789012"},
        {"58 F1 33 82", "X=-3"},
    });
}

// The mantissa least significant digit first, then the exponent's three
// digits (500 and above are negative).
TEST(BasicExpressions, RealsInFixedPoint) {
    expect_listings({
        {"58 F1 1C n:5,1 n:0,0,0", "X=1.5"},
        {"58 F1 1D n:1 n:0,1,0", "X=10000000000"},
        {"58 F1 1B n:0,0,1 n:1,0,0", "X=10.0"},
        {"58 F1 15 n:0,0,0,3,2,1,3,2,1 n:2,0,0", "X=123.123000"},
        {"58 F1 12 n:2,1,0,9,8,7,6,5,4,3,2,1 n:1,1,0", "X=123456789012"},
        {"58 F1 1D n:1 n:5,0,0", "X=100000"},
    });
}

TEST(BasicExpressions, SmallRealsAfterThePoint) {
    expect_listings({
        {"58 F1 1D n:5 n:9,9,9", "X=.5"},
        {"58 F1 1D n:1 n:7,9,9", "X=.001"},
        {"58 F1 1D n:1 n:0,9,9", "X=.0000000001"},
        {"58 F1 18 n:6,5,4,3,2,1 n:0,9,9", "X=.000000000123456"},
        {"58 F1 17 n:0,0,0,0,0,0,1 n:1,9,9", "X=.000000001000000"},
    });
}

TEST(BasicExpressions, RealsInScientificForm) {
    expect_listings({
        {"58 F1 1D n:1 n:2,1,0", "X=1.E+12"},
        {"58 F1 1D n:1 n:9,8,9", "X=1.E-11"},
        {"58 F1 1B n:0,0,1 n:8,8,9", "X=1.00E-12"},
        {"58 F1 17 n:0,0,0,0,0,0,1 n:0,9,9", "X=1.000000E-10"},
        {"58 F1 12 n:2,1,0,9,8,7,6,5,4,3,2,1 n:5,9,9", "X=1.23456789012E-5"},
        {"58 F1 1C n:5,1 n:0,0,7", "X=1.5E-300"},
        {"58 F1 12 n:9,9,9,9,9,9,9,9,9,9,9,9 n:9,9,4", "X=9.99999999999E+499"},
        {"58 F1 58 1D n:1 n:7,9,9 83 0C n:5,2 87", "X=X*.001+25"},
    });
}

TEST(BasicExpressions, StringsKeepTheirQuotes) {
    expect_listings({
        {"2D 41 F1 22 {A'B} 22", "A$=\"A'B\""},
        {"2D 41 F1 27 {A\"B} 27", "A$='A\"B'"},
        {"2D 41 F1 22 22", "A$=\"\""},
        {"2D 41 F1 22 {HI} 22 2D 42 32 33 A7 n:2 89", "A$=\"HI\"&B$[2,3]"},
    });
}

TEST(BasicExpressions, VariablesArraysAndSubstrings) {
    expect_listings({
        {"2D 61 41 F1 62 42", "A1$=B2"},
        {"31 32 7D 41 n:2 F1 32 7D 2D 41 n:1", "A(1,2)=A$(2)"},
        {"2D 41 32 A7 n:1 F1 22 {X} 22", "A$[2]=\"X\""},
        {"2D 41 F1 2D 42 32 33 A7 n:2 31 31 A7 n:2", "A$=B$[2,3][1,1]"},
        {"2D 41 F1 22 {ABC} 22 32 A7 n:1", "A$=\"ABC\"[2]"},
        {"79 7D 41 n:1 F1 30", "A(PI)=0"},
    });
}

TEST(BasicExpressions, UserFunctionsAndComplexPairs) {
    expect_listings({
        {"58 F1 33 7C 41 n:1", "X=FNA(3)"},
        {"58 F1 7C 51 n:0", "X=FNQ"},
        {"58 F1 31 32 7C 2D 42 n:2", "X=FNB$(1,2)"},
        {"7C 43 n:F F1 58 31 87", "FNC=X+1"},
        {"58 F1 32 33 7A", "X=(2,3)"},
    });
}

TEST(BasicExpressions, LineAndLabelReferences) {
    expect_listings({
        {"DD 0F n:1,2,3,4,5 n:0,1,0,0", "GOTO 10"},
        {"DD 0F n:0,0,0,0,0 n:9,9,9,9", "GOTO 9999"},
        {"DC 0E 27 {XY} 27", "GOSUB 'XY'"},
        {"DD 0E 22 {LBL} 22", "GOTO \"LBL\""},
        {"DD 0E C4 {AB}", "GOTO 'AB'"},
        {"DD 0E 2D 41", "GOTO A$"},
    });
}

TEST(BasicExpressions, RelationalOperators) {
    const char* listed[] = {"<", "=", "<=", ">", "<>", ">=", "<=>", "?",
                            "<?", "=?", "<=?", ">?", "#", "=>?", "<=>?"};
    for (unsigned bits = 1; bits <= 15; ++bits) {
        const std::string notation = "DF 41 42 8A n:" + std::string(1, "0123456789ABCDEF"[bits]);
        EXPECT_EQ(list_statement(notation), std::string("IF A") + listed[bits - 1] + "B");
    }
}

// Stored in postfix order, rebuilt with only the parentheses that matter.
TEST(BasicExpressions, ParenthesesWhereTheyMatter) {
    expect_listings({
        {"C5 41 42 87 43 83", "DISP (A+B)*C"},
        {"C5 41 42 43 82 87 82 87", "DISP A-(B-C)"},
        {"C5 41 42 43 87 82 44 83 87", "DISP A-(B+C)*D"},
        {"C5 41 42 43 83 84", "DISP A/(B*C)"},
        {"C5 41 42 83 43 85", "DISP A*B%C"},
        {"C5 41 42 43 87 80", "DISP A^(B+C)"},
        {"C5 41 42 80 43 80", "DISP A^B^C"},
        {"C5 41 42 43 80 80", "DISP A^(B^C)"},
        {"C5 32 31 82 80", "DISP 2^(-1)"},
        {"C5 41 32 80 82", "DISP -A^2"},
        {"C5 41 82 32 80", "DISP (-A)^2"},
        {"C5 41 42 82 83", "DISP A*-B"},
        {"C5 32 33 82 83", "DISP 2*-3"},
        {"C5 41 42 87 82", "DISP -(A+B)"},
        {"C5 41 42 83 82", "DISP -(A*B)"},
        {"C5 41 82 82", "DISP --A"},
        {"C5 41 82 81", "DISP NOT -A"},
        {"C5 41 81 82", "DISP -NOT A"},
        {"C5 41 81 42 8A n:2", "DISP NOT A=B"},
        {"C5 41 42 8A n:2 81", "DISP NOT (A=B)"},
        {"C5 41 42 8B 81", "DISP NOT (A AND B)"},
        {"C5 41 42 81 8B", "DISP A AND NOT B"},
        {"C5 41 42 8A n:2 43 8B", "DISP A=B AND C"},
        {"C5 41 42 43 8A n:2 8B", "DISP A AND B=C"},
        {"C5 41 42 8A n:2 43 8A n:2", "DISP (A=B)=C"},
        {"C5 41 42 43 8A n:2 8A n:2", "DISP A=(B=C)"},
        {"C5 41 42 8A n:1 43 44 8A n:1 8A n:2", "DISP (A<B)=(C<D)"},
        {"C5 41 42 8A n:1 43 87", "DISP (A<B)+C"},
        {"C5 2D 41 2D 42 2D 43 89 8A n:2", "DISP A$=B$&C$"},
        {"C5 41 42 43 8B 8D", "DISP A OR B AND C"},
        {"C5 41 42 43 8D 8D", "DISP A OR (B OR C)"},
        {"C5 41 42 43 8B 8B", "DISP A AND (B AND C)"},
        {"C5 41 42 43 8B 87", "DISP A+(B AND C)"},
        {"C5 41 42 43 86 86", "DISP A DIV (B DIV C)"},
        {"C5 41 42 8C", "DISP A EXOR B"},
    });
}

TEST(BasicExpressions, SubtractionIsANegationAdded) {
    expect_listings({
        {"C5 41 42 82 87", "DISP A-B"},
        {"C5 41 42 82 82 87", "DISP A--B"},
        {"C5 41 42 88", "DISP A-B"},
        {"C5 41 33 82 87", "DISP A-3"},
    });
}

TEST(BasicExpressions, FunctionsOfEveryTable) {
    expect_listings({
        {"58 F1 41 9C", "X=INT(A)"},
        {"58 F1 31 32 AD", "X=MAX(1,2)"},
        {"58 F1 79 A0 87", "X=PI+RND"},
        {"58 F1 2D 41 2D 42 33 B3 01 42 n:3", "X=POS(A$,B$,3)"},
        {"2D 4B F1 B3 01 22 n:0", "K$=VER$"},
        {"58 F1 41 B3 02 0A n:1", "X=DET(A)"},
        {"58 F1 35 33 B3 FF 01 n:2", "X=BINAND(5,3)"},
        {"44 F1 22 {PILTERM} 22 B3 FF 06 n:1", "D=DEVADDR(\"PILTERM\")"},
    });
}

// A LEX file without a table here lists as on an HP-71B that lacks it.
TEST(BasicExpressions, FunctionsOfAbsentLexFiles) {
    expect_listings({
        {"2D 4B F1 B3 52 01 n:0", "K$=XFN82001"},
        {"58 F1 22 {P} 22 B3 FF 70 n:1", "X=XFN255112(\"P\")"},
        {"58 F1 B3 01 70 n:0", "X=XFN1112"},
        {"58 F1 31 B3 AA 01 n:1 B3 AA 08 n:1", "X=XFN170008(XFN170001(1))"},
        {"58 F1 46 B3 F6 01 n:1", "X=XFN246001(F)"},
    });
}

// B4: arguments in a block whose length counts from its own first nibble.
TEST(BasicExpressions, PrefixFunctions) {
    expect_listings({
        {"58 F1 B4 02 0E n:D,1 31 F1 32 F1 B3 02 2D n:0 32 80 32 82 87 F1",
         "X=FNROOT(1,2,FVAR^2-2)"},
        {"58 F1 B4 02 13 n:E,0 31 F1 32 F1 58 F1", "X=INTEGRAL(1,2,X)"},
        {"58 F1 B4 E0 0E n:E,0 31 F1 32 F1 58 F1 31 87", "X=XFN224014+1"},
        {"58 F1 B4 02 0E n:F,1 31 F1 32 F1 58 F1", "(damaged)"},
        {"58 F1 B4 02 0E n:8,0 31 F1 32 F1 58 F1", "(damaged)"},
    });
}

TEST(BasicExpressions, WhatCannotBeListed) {
    expect_listings({
        {"58 F1 01", "(damaged)"},                   // a token never stored
        {"58 F1 AA", "(damaged)"},
        {"2D 31 F1 31", "(damaged)"},                // a variable without letter
        {"58 F1 0C n:A,1", "(damaged)"},             // not BCD
        {"58 F1 1D n:1 n:A,0,0", "(damaged)"},       // an exponent not BCD
        {"DD 0F n:0,0,0,0,0 n:0,A,0,0", "(damaged)"},
        {"58 F1 31 7D 41 n:2", "(damaged)"},         // more subscripts than items
        {"58 F1 31 AD", "(damaged)"},
        {"58 F1 82", "(damaged)"},
        {"58 F1 31 87", "(damaged)"},
        {"58 F1 B3 01 42 n:3", "(damaged)"},
        {"58 F1 22 {AB}", "(damaged)"},              // a string past the end
        {"DF 41 42 8A n:0", "(damaged)"},            // no relation at all
        {"2D 41 F1 2D 42 31 A7 n:3", "(damaged)"},
        {"58 F1 31 n:0", "(damaged)"},               // a nibble left over
        {"58 F1 F0", "(damaged)"},
    });
}

}  // namespace
}  // namespace velkord
