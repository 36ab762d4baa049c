<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>gridcode::Form1</name>
    <message numerus="yes">
        <source>and %n more</source>
        <translation>
            <numerusform>and %n more</numerusform>
            <numerusform>and %n more</numerusform>
        </translation>
    </message>
    <message>
        <source>Cell row %1, column %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Row code %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DATA line %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Overflow</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A cell holds one digit from 0 to 3; this one reads as %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A cell holds one digit from 0 to 3; this one holds a number too large to encode.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Row %1 cannot be encoded: the cell in column %2 holds %3, a number too large to encode.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Row %1 cannot be encoded: the cell in column %2 holds %3, and four times that number is too large to encode.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Row %1 cannot be encoded: the cells in columns %2 and %3 hold %4 and %5, whose pair value 4 × left + right = %6 lies outside the range -2147483648 to 2147483647.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The row codes and the DATA lines are unchanged.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The rows above it show their new codes; row %1, the rows below it and the DATA lines are unchanged.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save grid</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot save</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The grid could not be saved to %1: %2.

No file was changed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot load</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The grid could not be loaded from %1: %2.

The grid is unchanged.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the file cannot be opened (%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is a folder, not a file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the file is empty and holds no grid</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>writing the file failed (%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>row %1, column %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is empty</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 holds %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A grid file gives each cell one character, so after loading, the cells from the first of these on will not be as they are now:

%1

Save anyway?</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
