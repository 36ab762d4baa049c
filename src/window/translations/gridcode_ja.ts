<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja_JP">
<context>
    <name>gridcode::Form1</name>
    <message>
        <source>Cell row %1, column %2</source>
        <translation>%1 行 %2 列のセル</translation>
    </message>
    <message>
        <source>Row code %1</source>
        <translation>行コード %1</translation>
    </message>
    <message>
        <source>DATA line %1</source>
        <translation>DATA 行 %1</translation>
    </message>
    <message>
        <source>Overflow</source>
        <translation>オーバーフロー</translation>
    </message>
    <message>
        <source>A cell holds one digit from 0 to 3; this one reads as %1.</source>
        <translation>セルには 0 から 3 の数字を 1 つ入れます。このセルは %1 と読まれました。</translation>
    </message>
    <message>
        <source>A cell holds one digit from 0 to 3; this one holds a number too large to encode.</source>
        <translation>セルには 0 から 3 の数字を 1 つ入れます。このセルの数は大きすぎて変換できません。</translation>
    </message>
    <message>
        <source>Row %1 cannot be encoded: the cell in column %2 holds %3, a number too large to encode.</source>
        <translation>%1 行目を変換できません。%2 列目のセルの %3 は大きすぎる数です。</translation>
    </message>
    <message>
        <source>Row %1 cannot be encoded: the cell in column %2 holds %3, and four times that number is too large to encode.</source>
        <translation>%1 行目を変換できません。%2 列目のセルの %3 は、4 倍すると大きすぎる数になります。</translation>
    </message>
    <message>
        <source>Row %1 cannot be encoded: the cells in columns %2 and %3 hold %4 and %5, whose pair value 4 × left + right = %6 lies outside the range -2147483648 to 2147483647.</source>
        <translation>%1 行目を変換できません。%2 列目と %3 列目のセルの %4 と %5 から求めた値 4 × 左 + 右 = %6 が、-2147483648 から 2147483647 の範囲を超えています。</translation>
    </message>
    <message>
        <source>The row codes and the DATA lines are unchanged.</source>
        <translation>行コードと DATA 行は変わっていません。</translation>
    </message>
    <message>
        <source>The rows above it show their new codes; row %1, the rows below it and the DATA lines are unchanged.</source>
        <translation>それより上の行には新しいコードが表示されています。%1 行目とそれより下の行、および DATA 行は変わっていません。</translation>
    </message>
    <message>
        <source>Save grid</source>
        <translation>グリッドの保存</translation>
    </message>
    <message>
        <source>Cannot save</source>
        <translation>保存できません</translation>
    </message>
    <message>
        <source>The grid could not be saved to %1: %2.

No file was changed.</source>
        <translation>グリッドを %1 に保存できませんでした。%2。

ファイルは変更されていません。</translation>
    </message>
    <message>
        <source>Cannot load</source>
        <translation>読み込めません</translation>
    </message>
    <message>
        <source>The grid could not be loaded from %1: %2.

The grid is unchanged.</source>
        <translation>%1 からグリッドを読み込めませんでした。%2。

グリッドは変わっていません。</translation>
    </message>
    <message>
        <source>the file cannot be opened (%1)</source>
        <translation>ファイルを開けません (%1)</translation>
    </message>
    <message>
        <source>it is a folder, not a file</source>
        <translation>ファイルではなくフォルダーです</translation>
    </message>
    <message>
        <source>the file is empty and holds no grid</source>
        <translation>ファイルが空で、グリッドがありません</translation>
    </message>
    <message>
        <source>writing the file failed (%1)</source>
        <translation>ファイルの書き込みに失敗しました (%1)</translation>
    </message>
    <message>
        <source>row %1, column %2</source>
        <translation>%1 行 %2 列</translation>
    </message>
    <message>
        <source>%1 is empty</source>
        <translation>%1 は空です</translation>
    </message>
    <message>
        <source>%1 holds %2</source>
        <translation>%1 は %2 です</translation>
    </message>
    <message numerus="yes">
        <source>and %n more</source>
        <translation>
            <numerusform>ほか %n 個</numerusform>
        </translation>
    </message>
    <message>
        <source>A grid file gives each cell one character, so after loading, the cells from the first of these on will not be as they are now:

%1

Save anyway?</source>
        <translation>グリッド ファイルはセル 1 つに 1 文字を割り当てるため、読み込み直すと、次のセルのうち最初のもの以降が今とは違ってしまいます:

%1

それでも保存しますか?</translation>
    </message>
</context>
</TS>
