// Statements of BASIC lines: each case a statement's tokens and what the
// HP-71B lists for them.
#include <gtest/gtest.h>

#include <string>

#include "support/basic_program.h"

namespace velkord {
namespace {

// A list of expressions has no separator between them: the commas come
// from the listing.
TEST(BasicStatements, ArgumentsSeparatorsAndKeywords) {
    expect_listings({
        {"FB 31 32 33", "SFLAG 1,2,3"},
        {"D6 1D n:5 n:9,9,9 1B n:5,2,1 n:9,9,9", "DELAY .5,.125"},
        {"E0 E3 DD 0F n:0,0,0,0,0 n:0,0,9,0", "ON ERROR GOTO 900"},
        {"E0 58 DC 0F n:0,0,0,0,0 n:0,1,0,0 0E 27 {XY} 27", "ON X GOSUB 10,'XY'"},
        {"ED E9 31", "OPTION BASE 1"},
        {"EA EF 01 29", "TRACE FLOW"},
        {"EF 01 31 E0", "LC ON"},
        {"E2 E0", "USER ON"},
        {"E8 E1", "BEEP OFF"},
        {"EF 01 1D EF 01 26", "DEFAULT EXTEND"},
        {"ED EF 01 4C EF 01 3C", "OPTION ROUND NEAR"},
        {"CD FD 0C n:0,1 F2 41 42", "PRINT USING 10;A,B"},
        {"C5 41 F2 F7 35 F2 42 F1 F7 33", "DISP A;TAB(5);B,TAB(3)"},
        {"CD 23 31 F1 32 F2 41 42", "PRINT #1,2;A,B"},
        {"C7 23 31 F1 32 F2 41", "READ #1,2;A"},
        {"B5 22 {A} 22 F3 22 {B} 22", "COPY \"A\" TO \"B\""},
        {"DA F8", "END ALL"},
        {"DA", "END"},
        {"BE F8", "DESTROY ALL"},
        {"CD 41 F2", "PRINT A;"},
        {"EF 01 47", "RANDOMIZE"},
        {"C5 EF E1 01 41", "DISP XWORD225001 A"},
    });
}

TEST(BasicStatements, AssignmentsAndLoops) {
    expect_listings({
        {"41 F1 42 31 87", "A=B+1"},
        {"C0 41 F1 31", "LET A=1"},
        {"43 F1 30", "C=0"},
        {"C3 49 F1 31 F3 0C n:0,1 F6 32", "FOR I=1 TO 10 STEP 2"},
        {"C4 49", "NEXT I"},
    });
}

TEST(BasicStatements, CommentsAndTextStatements) {
    expect_listings({
        {"41 F1 31 FC {A COMMENT} 0D", "A=1 ! A COMMENT"},
        {"C5 22 {X} 22 FC {COMMENT} 0D", "DISP \"X\" ! COMMENT"},
        {"DF 41 F4 FC {COMMENT} 0D", "IF A THEN ! COMMENT"},
        {"E6 {HELLO, @ ALL} 0D", "REM HELLO, @ ALL"},
        {"FC { TWO SPACES} 0D", "!  TWO SPACES"},
        {"C6 {1,2,\"A B\",3} 0D", "DATA 1,2,\"A B\",3"},
        {"FF {4A,3X} 0D", "IMAGE 4A,3X"},
        {"E6 0D", "REM"},
        {"FC 0D", "!"},
        {"FC {TRAILING  } 0D", "! TRAILING"},
        {"E6 {NO END}", "(damaged)"},
        {"41 F1 31 FC {NO END}", "(damaged)"},
    });
}

TEST(BasicStatements, PromptsKeysTimersAndRun) {
    expect_listings({
        {"C9 00 22 {VALUE} 22 F2 41", "INPUT \"VALUE\";A"},
        {"C9 00 22 {X=} 22 F1 22 {5} 22 F2 58", "INPUT \"X=\",\"5\";X"},
        {"BF 00 22 {?} 22 F1 22 {DEF} 22 F2 2D 41", "LINPUT \"?\",\"DEF\";A$"},
        {"E5 22 {A} 22 F1 22 {DISP 1} 22 3B", "DEF KEY \"A\",\"DISP 1\";"},
        {"E0 E4 31 F1 35 DC 0F n:0,0,0,0,0 n:0,0,8,0", "ON TIMER #1,5 GOSUB 800"},
        {"E1 E4 32", "OFF TIMER #2"},
        {"FE DE 22 {X} 22 F1 0F n:0,0,0,0,0 n:0,0,1,0", "RUN \"X\",100"},
        {"EF 01 11 DE 22 {PROG} 22", "CHAIN \"PROG\""},
        {"E0 41 DE 0F n:0,0,0,0,0 n:0,1,0,0 0F n:0,0,0,0,0 n:0,2,0,0",
         "ON A RESTORE 10,20"},
    });
}

TEST(BasicStatements, FilesDevicesAndTypes) {
    expect_listings({
        {"B5 D0 F3 22 {X} 22", "COPY :CARD TO \"X\""},
        {"EB D1 28 30", "PURGE :PORT(0)"},
        {"EC D2", "CAT :MAIN"},
        {"EB C4 {TVMKEYS}", "PURGE TVMKEYS"},
        {"B5 C4 {TVMKEYZ} F3 C4 {TVMKEYS}", "COPY TVMKEYZ TO TVMKEYS"},
        {"ED B3 01 06 D4", "OPTION ANGLE RADIANS"},
        {"EF 01 08 31 F3 22 {DATA} 22", "ASSIGN #1 TO \"DATA\""},
        {"EF 01 08 31 F3 83", "ASSIGN #1 TO *"},
        {"EF 01 1B n:0,F,0,E 22 {DF} 22 F1 0C n:0,1 F1 0C n:0,2", "CREATE DATA \"DF\",10,20"},
        {"EF 01 1B n:0,0,0,0 22 {DF} 22", "(damaged)"},
        {"EF 01 57 22 {X} 22 EF 01 2E n:1,0,0,0", "TRANSFORM \"X\" INTO TEXT"},
        {"EF 01 57 22 {X} 22 EF 01 2E n:4,1,2,E", "TRANSFORM \"X\" INTO BASIC"},
        {"EF 01 4A F1 n:0,0,1,0 F1 n:0,1,0,0", "RENUMBER 100,10"},
        {"EF 01 4A", "RENUMBER"},
    });
}

TEST(BasicStatements, UserFunctionDefinitions) {
    expect_listings({
        {"B9 n:C,7,1,4,0 7C 41 n:1 F3 58 29 F1 58 58 83", "DEF FNA(X)=X*X"},
        {"B9 n:0,0,0,0,0 00 43 n:1 F3 58 29", "DEF FNC(X)"},
        {"B9 n:0,0,0,0,0 00 2D 42 n:2 F3 2D 53 54 29", "DEF FNB$(S$,T)"},
        {"B9 n:0,0,0,0,0 7C 44 n:0 F1 31", "DEF FND=1"},
        {"B9 n:0,0,0,0,0 7C 44 n:0 F1 31 FC {ONE} 0D", "DEF FND=1 ! ONE"},
        {"BA n:0,0,0,0,0", "END DEF"},
        {"B9 n:0,0,0,0,0 55 44 n:0 F1 31", "(damaged)"},
        {"B9 n:0,0,0,0,0 00 43 n:1 F3 58", "(damaged)"},
    });
}

TEST(BasicStatements, SubprogramsAndCalls) {
    expect_listings({
        {"C1 n:0,0,0,0,0 C4 53 F3 41 F1 2D 42 F1 7E 43 n:1 F1 44 F1 45 F8",
         "SUB S(A,B$,C(),D,E)"},
        {"C1 n:0,0,0,0,0 C4 58 F3 23 31 F1 41 F8", "SUB X(#1,A)"},
        {"C1 n:0,0,0,0,0 C4 5A F8 n:1,2,3,4,5", "SUB Z"},
        {"C1 n:0,0,0,0,0 C4 59 F3 41 F1 7E 42 n:1 F8 FC {COMMENT} 0D n:1,2,3",
         "SUB Y(A,B()) ! COMMENT"},
        {"C2 n:0,0,0,0,0", "END SUB"},
        {"F9 C4 53 F3 58 E0 2D 59 E0 7E 5A n:1 E0 31 E1 41 E1 F8",
         "CALL S(X,Y$,Z(),1,(A))"},
        {"F9 C4 58 F8 F2 22 {Y} 22", "CALL X IN \"Y\""},
        {"F9 2D 41 F3 31 E1 32 E1 F8", "CALL A$(1,2)"},
        {"F9 C4 58 F3 23 31 E0 31 7D 41 n:1 E1 2D 41 E1 F8", "CALL X(#1,(A(1)),(A$))"},
        {"F9 C4 58 F3 7E 42 n:2 E0 2D 41 31 A7 n:1 E1 41 31 87 E1 F8",
         "CALL X(B(,),A$[1],A+1)"},
        {"F9 C4 58 F3 41 E0", "(damaged)"},  // no end to the arguments
        {"F9 C4 58 F3 41 F8", "(damaged)"},
        {"C1 n:0,0,0,0,0 C4 58", "(damaged)"},
    });
}

TEST(BasicStatements, Declarations) {
    expect_listings({
        {"CC 7D 41 35 F1 2D 42 F2 0C n:0,1 F1 7D 2D 43 33 F2 38", "DIM A(5),B$[10],C$(3)[8]"},
        {"CA 41 F1 42 F1 43", "INTEGER A,B,C"},
        {"CE 7D 41 32", "STAT A(2)"},
        {"BC 58", "REAL X"},
        {"CB 7D 41 0C n:0,1 4E", "SHORT A(10,N)"},
        {"EF 02 07 7D 41 32 33 F1 42", "COMPLEX A(2,3),B"},
        {"CC 7D 41", "(damaged)"},
    });
}

TEST(BasicStatements, MathPacMat) {
    expect_listings({
        {"EF 02 19 41 42", "MAT A=B"},
        {"EF 02 19 41 82 42", "MAT A=-B"},
        {"EF 02 19 41 42 87 43", "MAT A=B+C"},
        {"EF 02 19 41 42 82 43", "MAT A=B-C"},
        {"EF 02 19 41 42 83 43", "MAT A=B*C"},
        {"EF 02 19 41 28 58", "MAT A=(X)"},
        {"EF 02 19 41 28 32 F1 42", "MAT A=(2)*B"},
        {"EF 02 19 41 28 32 82 F1 42", "MAT A=(-2)*B"},
        {"EF 02 19 41 EF 02 28 28 42 F1 43", "MAT A=TRN(B)*C"},
        {"EF 02 19 41 EF 02 29 28 42 43", "MAT A=SYS(B,C)"},
        {"EF 02 19 41 EF 02 23 28 4E 4D 31 87", "MAT A=CON(N,M+1)"},
        {"EF 02 19 41 EF 02 24", "MAT A=IDN"},
        {"EF 02 19 41 EF 02 2C 28 42", "MAT A=PROOT(B)"},
        {"EF 02 19 C5 FD 22 {K} 22 F2 B3 02 2A n:0 B3 02 2A n:0 41", "MAT DISP USING \"K\";A"},
        {"EF 02 19 C9 41 42", "MAT INPUT A,B"},
        {"EF 02 19 CD 41 F2 42", "MAT PRINT A;B"},
        {"EF 02 19 41 42 89 43", "(damaged)"},
    });
}

TEST(BasicStatements, HpilStatements) {
    expect_listings({
        {"EF FF 0E F1", "CLEAR"},
        {"EF FF 0E E2 32", "CLEAR :2"},
        {"EF FF 0F E2 83", "ASSIGN IO *"},
        {"EF FF 0F 22 {DISPLAY} 22", "ASSIGN IO \"DISPLAY\""},
        {"EF FF 0F 2D 41", "ASSIGN IO A$"},
        {"EF FF 10", "OFF IO"},
        {"EF FF 10 EF FF 26", "OFF INTR"},
        {"EF FF 11", "RESTORE IO"},
        {"EF FF 12", "LIST IO"},
        {"EF FF 13 E2 32 F4 F2 41 42", "OUTPUT :2 ;A,B"},
        {"EF FF 13 E2 32 F4 FD 22 {K} 22 F2 41", "OUTPUT :2 USING \"K\";A"},
        {"EF FF 13 2D 41 F4 F2 42", "OUTPUT A$ ;B"},
        {"EF FF 14 E2 C4 {TAPE} F4 FD 22 {#,B} 22 F2 41", "ENTER :TAPE USING \"#,B\";A"},
        {"EF FF 15 DC 0F n:0,0,0,0,0 n:0,0,1,0", "ON INTR GOSUB 100"},
        {"EF FF 16 E2 {LISTEN} F1 32 F1 33 E2 {MTA} E2 {DATA} F1 0C n:5,6",
         "SEND LISTEN 2,3 MTA DATA 65"},
        {"EF FF 16 E2 {LISTEN} F1 62 59 F1 63 59 E2 {DATA} F1 2D 53 64 49 4C A7 n:2",
         "SEND LISTEN Y2,Y3 DATA S$[I4,L]"},
        {"EF FF 17 F1", "RESET HPIL"},
        {"EF FF 18 E2 C4 {PRINTER}", "PRINTER IS :PRINTER"},
        {"EF FF 18 E2 83", "PRINTER IS *"},
        {"EF FF 18 E2 85 0C n:8,4", "PRINTER IS :%48"},
        {"EF FF 18 E2 C4 {PRINTER} E2 32", "PRINTER IS :PRINTER(2)"},
        {"EF FF 18 E2 85 0C n:8,4 E2 32", "PRINTER IS :%48(2)"},
        {"EF FF 19 E2 44", "DISPLAY IS :D"},
        {"EF FF 19 E2 61 41", "DISPLAY IS :A1"},
        {"EF FF 19 E2 1C n:3,2 n:0,0,0", "DISPLAY IS :2.3"},
        {"EF FF 19 22 {PRINTER} 22", "DISPLAY IS \"PRINTER\""},
        {"EF FF 1A E2 C4 {TAPE}", "PACK :TAPE"},
        {"EF FF 1B E2 C4 {TAPE}", "PACKDIR :TAPE"},
        {"EF FF 1C F1 0C n:4,6", "REQUEST 64"},
        {"EF FF 1D F1", "LOCAL"},
        {"EF FF 1D E2 32", "LOCAL :2"},
        {"EF FF 1D E2 C4 {LOCKOUT} F2 32", "LOCAL :LOCKOUT:2"},
        {"EF FF 1E F1", "REMOTE"},
        {"EF FF 1F E2 32", "TRIGGER :2"},
        {"EF FF 20 E2 32", "PASS CONTROL :2"},
        {"EF FF 21 F1 38", "ENABLE INTR 8"},
        {"EF FF 21 F2 38 F2 F1 32", "ENABLE INTR 8; 2"},
        {"EF FF 22 E0", "STANDBY ON"},
        {"EF FF 22 E1", "STANDBY OFF"},
        {"EF FF 22 0C n:0,1", "STANDBY 10"},
        {"EF FF 23 E1", "CONTROL OFF"},
        {"EF FF 16 {LISTEN}", "(damaged)"},
    });
}

TEST(BasicStatements, KeyboardLex) {
    expect_listings({
        {"EF FF 27 E2 32", "KEYBOARD IS :2"},
        {"EF FF 27 E2 83", "KEYBOARD IS *"},
        {"EF FF 28 EF FF 29", "RESET ESCAPE"},
        {"EF FF 29 22 {A} 22 F1 0C n:0,5", "ESCAPE \"A\",50"},
    });
}

// Without its LEX file's table a statement lists as a placeholder, and none
// of its arguments.
TEST(BasicStatements, StatementsOfAbsentLexFiles) {
    expect_listings({
        {"EF F0 05 41 F1 31 n:7", "XWORD240005"},
        {"EF 01 70", "XWORD1112"},
        {"EF 5F 01 22", "XWORD95001"},
        {"EF 00 05", "XWORD0005"},
    });
}

TEST(BasicStatements, NoStatementStartsSo) {
    expect_listings({
        {"E3 41", "(damaged)"},  // ERROR
        {"F1 41", "(damaged)"},
        {"00 41", "(damaged)"},
        {"28 41", "(damaged)"},
        {"C5 29", "(damaged)"},
    });
}

// Forms that once stopped the listing with a read error or listed wrong:
// devices of file statements, line numbers of LIST, DEF KEY ending in :,
// COMPLEX SHORT, LOCAL LOCKOUT, masks of ENABLE INTR, REQUEST, STANDBY,
// comments after statements of their own layout.
TEST(BasicStatements, DevicesLineNumbersAndTrailingComments) {
    expect_listings({
        {"B5 C4 {X} F3 E2 C4 {TAPE}", "COPY X TO :TAPE"},
        {"EC E2 C4 {TAPE} E2 32", "CAT :TAPE(2)"},
        {"EB C4 {X} D0", "PURGE X:CARD"},
        {"EB C4 {X} D1 28 31", "PURGE X:PORT(1)"},
        {"B5 C4 {X} F3 E2 85 0C n:8,4", "COPY X TO :%48"},
        {"BB F1 n:0,1,0,0 F1 n:0,2,0,0", "LIST 10,20"},
        {"BB C4 {X} F1 n:0,1,0,0", "LIST X,10"},
        {"EF 01 1A F1 n:1,0,0,0", "PLIST 1"},
        {"EF 01 39 C4 {X} F1 n:0,1,0,0 F1 n:0,2,0,0", "MERGE X,10,20"},
        {"E5 22 {A} 22 F1 22 {X} 22 3A", "DEF KEY \"A\",\"X\":"},
        {"EF 02 07 CB 5A", "COMPLEX SHORT Z"},
        {"EF FF 1D EF FF 25 F1", "LOCAL LOCKOUT"},
        {"EF FF 17 31", "RESET HPIL 1"},
        {"EF FF 18 E2 32 F2 33", "PRINTER IS :2:3"},
        {"EF FF 1C F2 31 F2 F1 32", "REQUEST 1; 2"},
        {"EF FF 22 F2 31 F2 32", "STANDBY 1; 2"},
        {"EF FF 0D C4 E2 C4 {TAPE}", "INITIALIZE :TAPE"},
        {"EF FF 0D C4 {VOL} E2 C4 {TAPE} F1 0C n:4,6", "INITIALIZE VOL:TAPE,64"},
        {"CC 41 FC {X} 0D", "DIM A ! X"},
        {"C2 n:0,0,0,0,0 FC {X} 0D", "END SUB ! X"},
        {"F9 C4 {S} F8 FC {X} 0D", "CALL S ! X"},
        {"EF 02 19 41 42 FC {X} 0D", "MAT A=B ! X"},
        {"EF 01 4A F1 n:0,1,0,0 FC {X} 0D", "RENUMBER 10 ! X"},
        {"EF FF 16 E2 {UNL} FC {X} 0D", "SEND UNL ! X"},
    });
}

}  // namespace
}  // namespace velkord
