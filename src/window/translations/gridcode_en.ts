<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>gridcode::CommandLine</name>
    <message>
        <source>Draw with the values 0 to 3 in a grid of 14 by 10 cells, and turn it into BASIC DATA lines.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A grid file or PNG picture to open, as LOAD opens it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 files were given, and gridcode opens one file at a time.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
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
        <source>Row %1 cannot be encoded: the cells in columns %2 and %3 hold %4 and %5, whose pair value 4 × left + right = %6 lies outside the range %7 to %8.</source>
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
        <source>Cannot load</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The grid could not be loaded from %1: %2.

The grid is unchanged.</source>
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
    <message>
        <source>The file may now hold only part of the grid; the grid in the window is unchanged, so save it again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No file was changed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The grid could not be saved to %1: %2.

%3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the file cannot be read (%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the file cannot be written (%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is not a regular file (a pipe, socket or device)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>pixel (%1, %2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the picture is over %1 MiB, too large for a grid picture</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it begins like a PNG picture but cannot be read (%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the picture is %1 × %2 pixels, but a grid picture is %3N × %4N pixels for a whole N (%3 × %4, %5 × %6, %7 × %8, …)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 has palette index %2, but a grid picture uses only the indices 0 to 3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 has the colour %2, which is none of the four grid colours</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 differs from the rest of its %2 × %2 block, the cell in row %3, column %4; each cell of a grid picture is one colour</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The grid cannot be saved as a picture to %1: the cell in row %2, column %3 holds %4, and a picture holds only the digits 0 to 3.

No file was changed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The picture could not be made (%1).

No file was changed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is a %1 picture, and gridcode reads PNG pictures only</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is not a PNG picture</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the picture is %1 × %2 pixels, but a grid picture has at most %3 × %3 pixels a cell (%4 × %5)</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%1 has palette index %2, but the palette has only %n entries</source>
        <translation>
            <numerusform>%1 has palette index %2, but the palette has only %n entry</numerusform>
            <numerusform>%1 has palette index %2, but the palette has only %n entries</numerusform>
        </translation>
    </message>
    <message>
        <source>the file is UTF-16 text without a byte order mark; save it as UTF-8, or as UTF-16 with one</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is a terminal</source>
        <translation></translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Undo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Redo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mirror left to right</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mirror top to bottom</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move one cell left</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move one cell right</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move one cell up</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move one cell down</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 files were dropped, and gridcode opens one file at a time.

The grid is unchanged.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is not a file on this computer, and gridcode opens only files.

The grid is unchanged.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the file is UTF-16 text with no grid in it</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The sprites could not be loaded from the listing %1: %2.

The sprites in the window are unchanged.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The sprites could not be saved into the listing %1: %2.

No file was changed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remove that line anyway?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Number them by a smaller step?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save listing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>If the sprites were saved into the listing %1, %2.

%3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>its DATA statements hold no sprite: no %1 row codes stand in a row (the longest run is %2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>line %1 is longer than %2 bytes, which no listing has</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>its DATA statements hold %n sprites of %1 row codes, so there is no sprite %2</source>
        <translation>
            <numerusform>its DATA statements hold %n sprite of %1 row codes, so there is no sprite %2</numerusform>
            <numerusform>its DATA statements hold %n sprites of %1 row codes, so there is no sprite %2</numerusform>
        </translation>
    </message>
    <message>
        <source>it is UTF-16 text without a byte order mark; save it as UTF-8, or as UTF-16 with one</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is over %1 MiB, more than gridcode reads of a listing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>sprite %1 starts at line %2, column %3, past the %4 sprites a listing may hold</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>after the line numbered %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>before the line numbered %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>between the lines numbered %1 and %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the line numbered %1 (line %2 of the file) would be left with no DATA and removed, but line %3 of the file names it (with GOTO, GOSUB or RESTORE, say)</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n new DATA lines would not fit %1 by the listing&apos;s step of %2</source>
        <translation>
            <numerusform>%n new DATA line would not fit %1 by the listing&apos;s step of %2</numerusform>
            <numerusform>%n new DATA lines would not fit %1 by the listing&apos;s step of %2</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n new DATA lines would not fit %1 by any step</source>
        <translation>
            <numerusform>%n new DATA line would not fit %1 by any step</numerusform>
            <numerusform>%n new DATA lines would not fit %1 by any step</numerusform>
        </translation>
    </message>
    <message>
        <source>the cell in row %1, column %2 of sprite %3 is not one digit 0 to 3, which a row code cannot hold</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>sprite %1 stands for a sprite the listing does not hold, which is a fault of gridcode; please report it</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the listing would hold %1 sprites, past the %2 a listing may hold</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>sprite %1 would read back changed, as row codes around it would join it, so the change cannot be made in place</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>sprite %1, at line %2, column %3, would read back changed, as row codes around it would join it, so the change cannot be made in place</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New sprite of 0 after the shown one</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copy of the shown sprite after it</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete the shown sprite</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Next sprite</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Previous sprite</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move the sprite later</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move the sprite earlier</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Play the sprites</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Frames a second</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> /s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>How the sprites are played</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Loop</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Back and forth</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>First sprite played</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Last sprite played</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copy the sprite as a picture and as DATA lines</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Paste a picture, DATA lines or a grid line</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot copy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The sprite cannot be copied as a picture: the cell in row %1, column %2 holds %3, and a picture holds only the digits 0 to 3.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The picture could not be made (%1).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot paste</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>What the clipboard holds cannot be pasted: %1.

The sprites are unchanged.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The clipboard holds no picture and no text to paste.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The palette the sprites are shown in</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Picture loaded</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The machine&apos;s colour of value %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>gridcode::GridPictureView</name>
    <message>
        <source>Grid picture</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The grid as a picture, one square a cell, in the colours of the chosen palette (gridcode&apos;s own: white for 0, green for 1, blue for 2, violet for 3), orange for a cell that is not one digit 0 to 3. Click or drag with the left button to paint cells with the chosen value, with the right button to paint 0.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>gridcode::PaintSwatch</name>
    <message>
        <source>Paint with %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Paint with %1: the left button paints this value on the picture.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>gridcode::SpriteBankView</name>
    <message>
        <source>Sprites</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The sprites of the document; click one to show it</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
