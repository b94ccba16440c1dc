// Statement by statement: what a typed line lists as once stored, and
// what the HP-71B says of the forms it refuses.
#include <gtest/gtest.h>

#include <string>

#include "basic/make_program.h"
#include "support/basic_data.h"

namespace velkord {
namespace {

using basic::KeywordTable;
using basic::MadeProgram;

struct Typed {
    const char* typed;
    const char* result;  // the listing, or what is said
};

// The listing of a program of that one line, or what is said of it.
std::string outcome(const char* typed) {
    const MadeProgram made = basic::make_program(typed, KeywordTable::builtin());
    if (!made.diagnostics.empty()) {
        return made.diagnostics.front().message();
    }
    std::string listed = basic_data::list(made.body, made.nibbles).text;
    listed.pop_back();
    return listed;
}

void expect_outcomes(const std::vector<Typed>& cases) {
    for (const Typed& c : cases) {
        EXPECT_EQ(outcome(c.typed), c.result) << c.typed;
    }
}

TEST(BasicStatementForms, KeywordsOptionsNumbersStrings) {
    expect_outcomes({
        {"10 RETURN", "10 RETURN"},
        {"10 RETURN 1", "ERR:Excess Chars"},
        {"10 END ALL", "10 END ALL"},
        {"10 USER ON", "10 USER ON"},
        {"10 LC OFF", "10 LC OFF"},
        {"10 TRACE FLOW", "10 TRACE FLOW"},
        {"10 TRACE", "ERR:Syntax"},
        {"10 DEFAULT EXTEND", "10 DEFAULT EXTEND"},
        {"10 DEFAULT", "ERR:Missing Parm"},
        {"10 DEFAULT 1", "ERR:Invalid Parm"},
        {"10 OPTION ANGLE RADIANS", "10 OPTION ANGLE RADIANS"},
        {"10 OPTION ROUND POS", "10 OPTION ROUND POS"},
        {"10 OPTION BASE1", "10 OPTION BASE 1"},
        {"10 OPTION", "ERR:Missing Parm"},
        {"10 WAIT .5", "10 WAIT .5"},
        {"10 WAIT", "ERR:Invalid Expr"},
        {"10 WAIT \"X\"", "ERR:Invalid Expr"},
        {"10 BEEP 440,.1", "10 BEEP 440,.1"},
        {"10 BEEP 1,2,3", "ERR:Excess Chars"},
        {"10 BEEP 1,", "ERR:Invalid Expr"},
        {"10 SFLAG 1,2,3", "10 SFLAG 1,2,3"},
        {"10 CFLAG ALL", "10 CFLAG ALL"},
        {"10 LR 1,2,A,B", "10 LR 1,2,A,B"},
        {"10 LR 1", "ERR:Missing Parm"},
        {"10 LR 1,2,3", "ERR:Invalid Var"},
        {"10 ADJABS 1", "10 ADJABS 1"},
        {"10 POKE \"X\",\"Y\"", "10 POKE \"X\",\"Y\""},
        {"10 POKE \"X\"", "ERR:Syntax"},
        {"10 KEY \"A\",\"X\";", "10 DEF KEY \"A\",\"X\";"},
        {"10 DEF KEY 1", "ERR:Invalid Expr"},
        {"10 CONTRAST", "ERR:Excess Chars"},
        {"10 EDIT", "ERR:Illegal Context"},
    });
}

TEST(BasicStatementForms, ListsAssignmentsDeclarations) {
    expect_outcomes({
        {"10 DISP A;TAB(5);B,", "10 DISP A;TAB(5);B,"},
        {"10 DISP USING \"3D\";A", "10 DISP USING \"3D\";A"},
        {"10 DISP USING", "ERR:Missing Parm"},
        {"10 DISP USING L;A", "ERR:Invalid Parm"},
        {"10 PRINT #1,2;A,B", "10 PRINT #1,2;A,B"},
        {"10 PRINT #1;A;B", "ERR:Excess Chars"},
        {"10 PRINT #1", "10 PRINT #1"},
        {"10 INPUT \"X=\",\"5\";X", "10 INPUT \"X=\",\"5\";X"},
        {"10 INPUT \"X\"", "ERR:Syntax"},
        {"10 INPUT \"X\",A", "ERR:Invalid Expr"},
        {"10 INPUT 1", "ERR:Invalid Var"},
        {"10 LINPUT A", "ERR:Invalid Var"},
        {"10 READ #1,2;A,B()", "10 READ #1,2;A,B()"},
        {"10 NEXT A(1)", "ERR:Invalid Var"},
        {"10 LET A,B=1", "ERR:Syntax"},
        {"10 A,B=1", "10 DISP A,B=1"},
        {"10 X=<A", "10 DISP X<=A"},
        {"10 X=#1", "10 DISP X<=>?1"},
        {"10 FOR I=1 TO 10 STEP 2", "10 FOR I=1 TO 10 STEP 2"},
        {"10 FOR I=1", "ERR:Syntax"},
        {"10 FOR A$=1 TO 2", "ERR:Invalid Var"},
        {"10 DIM A(5),B$[10],C$(3)[8]", "10 DIM A(5),B$[10],C$(3)[8]"},
        {"10 DIM A(1,2,3)", "ERR:) Expected"},
        {"10 DIM 5", "ERR:Invalid Var"},
        {"10 REAL A$", "ERR:Invalid Var"},
        {"10 COMPLEX SHORT Z(3)", "10 COMPLEX SHORT Z(3)"},
        {"10 STAT A(2)", "10 STAT A(2)"},
        {"10 DESTROY ALL", "10 DESTROY ALL"},
        {"10 X=2^-1", "ERR:Invalid Expr"},
        {"10 X=2^(-1)", "10 X=2^(-1)"},
        {"10 X=A MOD B", "ERR:Excess Chars"},
        {"10 X=LEN(A)", "ERR:Invalid Expr"},
        {"10 X=(1,2)", "10 X=(1,2)"},
    });
}

TEST(BasicStatementForms, FlowFunctionsSubprograms) {
    expect_outcomes({
        {"10 GOTO 0100", "10 GOTO 100"},
        {"10 GOTO 10.0", "ERR:Excess Chars"},
        {"10 GOTO 10000", "ERR:Syntax"},
        {"10 GOTO A$", "10 GOTO A$"},
        {"10 GOSUB \"L\"", "10 GOSUB \"L\""},
        {"10 ON X GO TO 10,'A',B", "10 ON X GOTO 10,'A','B'"},
        {"10 ON ERROR GOSUB 900", "10 ON ERROR GOSUB 900"},
        {"10 ON TIMER #1,5 GOTO 10", "10 ON TIMER #1,5 GOTO 10"},
        {"10 OFF TIMER #1", "10 OFF TIMER #1"},
        {"10 RESTORE #1,2", "10 RESTORE #1,2"},
        {"10 IF A THEN 100 ELSE 'X'", "10 IF A THEN 100 ELSE 'X'"},
        {"10 IF A THEN X=1 @ Y=2 ELSE Z=3", "10 IF A THEN X=1 @ Y=2 ELSE Z=3"},
        {"10 IF A THEN ! C", "10 IF A THEN ! C"},
        {"10 IF X THEN ELSE 200", "ERR:Syntax"},
        {"10 ELSE 20", "ERR:Illegal Context"},
        {"10 DEF FNA(X,Y$)=X", "10 DEF FNA(X,Y$)=X"},
        {"10 DEF FN A(X)=X", "ERR:Syntax"},
        {"10 DEF FNA(1)=1", "ERR:Invalid Var"},
        {"10 FNE=N*FNE(N-1)", "10 FNE=N*FNE(N-1)"},
        {"10 SUB S(A,B$,C(),#1) ! C", "10 SUB S(A,B$,C(),#1) ! C"},
        {"10 SUB S12345678", "ERR:Excess Chars"},
        {"10 CALL S(X,(A),A(1),A$[1],#1) IN F", "10 CALL S(X,(A),A(1),A$[1],#1) IN F"},
        {"10 CALL S(A", "ERR:) Expected"},
        {"10 RUN \"X\",100", "10 RUN \"X\",100"},
        {"10 RUN ,100", "10 RUN ,100"},
        {"10 LIST X,10,20", "10 LIST X,10,20"},
        {"10 LIST 10,", "ERR:Missing Parm"},
        {"10 RENUMBER 100,10", "10 RENUMBER 100,10"},
        {"10 MERGE X,10", "10 MERGE X,10"},
    });
}

TEST(BasicStatementForms, FilesDevicesModules) {
    expect_outcomes({
        {"10 COPY X TO :TAPE", "10 COPY X TO :TAPE"},
        {"10 COPY :CARD TO X", "10 COPY :CARD TO X"},
        {"10 PURGE X:PORT(1)", "10 PURGE X:PORT(1)"},
        {"10 CAT :TAPE(2)", "10 CAT :TAPE(2)"},
        {"10 CAT ALL", "10 CAT ALL"},
        {"10 PURGE 1", "ERR:Invalid Filespec"},
        {"10 PURGE TO", "ERR:Invalid Filespec"},
        {"10 NAME X:PORT", "ERR:Excess Chars"},
        {"10 COPY X TO :%48", "10 COPY X TO :%48"},
        {"10 CREATE DATA X:TAPE,10,20", "10 CREATE DATA X:TAPE,10,20"},
        {"10 CREATE X", "ERR:Invalid File Type"},
        {"10 TRANSFORM X INTO LIF1", "10 TRANSFORM X INTO TEXT"},
        {"10 ASSIGN #1 TO *", "10 ASSIGN #1 TO *"},
        {"10 PRINTER IS :2 :3", "10 PRINTER IS :2:3"},
        {"10 PRINTER IS 2", "10 PRINTER IS :2"},
        {"10 PRINTER IS :%48(2)", "10 PRINTER IS :%48(2)"},
        {"10 PRINTER IS :2(2)", "ERR:Excess Chars"},
        {"10 CLEAR *", "HPIL ERR:Syntax"},
        {"10 OUTPUT :2 ;A,B", "10 OUTPUT :2 ;A,B"},
        {"10 OUTPUT :2,A", "ERR:Excess Chars"},
        {"10 ENTER :TAPE USING \"#,B\";A", "10 ENTER :TAPE USING \"#,B\";A"},
        {"10 SEND UNL LISTEN 2,3 MTA DATA 65", "10 SEND UNL LISTEN 2,3 MTA DATA 65"},
        {"10 SEND DCL", "ERR:Excess Chars"},
        {"10 ENABLE INTR 8;2", "10 ENABLE INTR 8; 2"},
        {"10 REQUEST", "HPIL ERR:Invalid Expr"},
        {"10 STANDBY ON", "10 STANDBY ON"},
        {"10 LOCAL LOCKOUT", "10 LOCAL LOCKOUT"},
        {"10 LOCAL :LOCKOUT:2", "10 LOCAL :LOCKOUT:2"},
        {"10 RESET HPIL 1", "10 RESET HPIL 1"},
        {"10 INITIALIZE VOL:TAPE,64", "10 INITIALIZE VOL:TAPE,64"},
        {"10 INITIALIZE 1", "HPIL ERR:Missing Parm"},
        {"10 ASSIGN IO 1", "HPIL ERR:Invalid Parm"},
        {"10 KEYBOARD IS *", "10 KEYBOARD IS *"},
        {"10 RESET ESCAPE", "10 RESET ESCAPE"},
        {"10 MAPKBD \"#43\",2", "10 MAPKBD \"#43\",2"},
        {"10 MAT A=TRN(B)*C", "10 MAT A=TRN(B)*C"},
        {"10 MAT A=(2)*B", "10 MAT A=(2)*B"},
        {"10 MAT A=CON(N,M+1)", "10 MAT A=CON(N,M+1)"},
        {"10 MAT A=B/C", "ERR:Syntax"},
        {"10 MAT A=B+C+D", "ERR:Excess Chars"},
        {"10 MAT PRINT USING \"3D\";A,B", "10 MAT PRINT USING \"3D\";A,B"},
        {"10 MAT INPUT A$", "ERR:Invalid Var"},
        {"10 X=FNROOT(1,2,FVAR^2-2)", "10 X=FNROOT(1,2,FVAR^2-2)"},
        {"10 X=INTEGRAL(0,1,.001,IVAR)", "10 X=INTEGRAL(0,1,.001,IVAR)"},
        {"10 X=FNROOT(1,2)", "ERR:Invalid Expr"},
    });
}

}  // namespace
}  // namespace velkord
