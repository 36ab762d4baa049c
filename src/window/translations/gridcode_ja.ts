<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja_JP">
<context>
    <name>gridcode::CommandLine</name>
    <message>
        <source>Draw with the values 0 to 3 in a grid of 14 by 10 cells, and turn it into BASIC DATA lines.</source>
        <translation>14 × 10 のセルのグリッドに 0 から 3 の値で絵を描き、BASIC の DATA 行に変換します。</translation>
    </message>
    <message>
        <source>A grid file or PNG picture to open, as LOAD opens it.</source>
        <translation>開くグリッド ファイルまたは PNG 画像。LOAD と同じように開きます。</translation>
    </message>
    <message>
        <source>%1 files were given, and gridcode opens one file at a time.</source>
        <translation>%1 個のファイルが指定されましたが、gridcode が一度に開くファイルは 1 つだけです。</translation>
    </message>
</context>
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
        <source>Row %1 cannot be encoded: the cells in columns %2 and %3 hold %4 and %5, whose pair value 4 × left + right = %6 lies outside the range %7 to %8.</source>
        <translation>%1 行目を変換できません。%2 列目と %3 列目のセルの %4 と %5 から求めた値 4 × 左 + 右 = %6 が、%7 から %8 の範囲を超えています。</translation>
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
        <source>it is a folder, not a file</source>
        <translation>ファイルではなくフォルダーです</translation>
    </message>
    <message>
        <source>the file is empty and holds no grid</source>
        <translation>ファイルが空で、グリッドがありません</translation>
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
    <message>
        <source>The file may now hold only part of the grid; the grid in the window is unchanged, so save it again.</source>
        <translation>ファイルにはグリッドの一部しか書かれていないかもしれません。ウィンドウのグリッドは変わっていないので、もう一度保存してください。</translation>
    </message>
    <message>
        <source>No file was changed.</source>
        <translation>ファイルは変更されていません。</translation>
    </message>
    <message>
        <source>The grid could not be saved to %1: %2.

%3</source>
        <translation>グリッドを %1 に保存できませんでした。%2。

%3</translation>
    </message>
    <message>
        <source>the file cannot be read (%1)</source>
        <translation>ファイルを読めません (%1)</translation>
    </message>
    <message>
        <source>the file cannot be written (%1)</source>
        <translation>ファイルに書き込めません (%1)</translation>
    </message>
    <message>
        <source>it is not a regular file (a pipe, socket or device)</source>
        <translation>通常のファイルではありません (パイプ、ソケット、デバイスなど)</translation>
    </message>
    <message>
        <source>pixel (%1, %2)</source>
        <translation>画素 (%1, %2)</translation>
    </message>
    <message>
        <source>the picture is over %1 MiB, too large for a grid picture</source>
        <translation>画像が %1 MiB を超えていて、グリッドの画像としては大きすぎます</translation>
    </message>
    <message>
        <source>it begins like a PNG picture but cannot be read (%1)</source>
        <translation>PNG 画像のように始まっていますが、読めません (%1)</translation>
    </message>
    <message>
        <source>the picture is %1 × %2 pixels, but a grid picture is %3N × %4N pixels for a whole N (%3 × %4, %5 × %6, %7 × %8, …)</source>
        <translation>画像は %1 × %2 画素ですが、グリッドの画像は整数 N について %3N × %4N 画素です (%3 × %4、%5 × %6、%7 × %8 など)</translation>
    </message>
    <message>
        <source>%1 has palette index %2, but a grid picture uses only the indices 0 to 3</source>
        <translation>%1 のパレット番号は %2 ですが、グリッドの画像が使う番号は 0 から 3 だけです</translation>
    </message>
    <message>
        <source>%1 has the colour %2, which is none of the four grid colours</source>
        <translation>%1 の色 %2 は、グリッドの 4 色のどれでもありません</translation>
    </message>
    <message>
        <source>%1 differs from the rest of its %2 × %2 block, the cell in row %3, column %4; each cell of a grid picture is one colour</source>
        <translation>%1 が、%3 行 %4 列のセルにあたる %2 × %2 のブロックのほかの画素と違います。グリッドの画像では、各セルは 1 色です</translation>
    </message>
    <message>
        <source>The grid cannot be saved as a picture to %1: the cell in row %2, column %3 holds %4, and a picture holds only the digits 0 to 3.

No file was changed.</source>
        <translation>グリッドを画像として %1 に保存できません。%2 行 %3 列のセルの %4 は、画像にできる 0 から 3 の数字ではありません。

ファイルは変更されていません。</translation>
    </message>
    <message>
        <source>The picture could not be made (%1).

No file was changed.</source>
        <translation>画像を作れませんでした (%1)。

ファイルは変更されていません。</translation>
    </message>
    <message>
        <source>it is a %1 picture, and gridcode reads PNG pictures only</source>
        <translation>%1 画像です。gridcode が読めるのは PNG 画像だけです</translation>
    </message>
    <message>
        <source>it is not a PNG picture</source>
        <translation>PNG 画像ではありません</translation>
    </message>
    <message>
        <source>the picture is %1 × %2 pixels, but a grid picture has at most %3 × %3 pixels a cell (%4 × %5)</source>
        <translation>画像は %1 × %2 画素ですが、グリッドの画像はセル 1 つあたり最大 %3 × %3 画素です (%4 × %5)</translation>
    </message>
    <message numerus="yes">
        <source>%1 has palette index %2, but the palette has only %n entries</source>
        <translation>
            <numerusform>%1 のパレット番号は %2 ですが、パレットには %n 色しかありません</numerusform>
        </translation>
    </message>
    <message>
        <source>the file is UTF-16 text without a byte order mark; save it as UTF-8, or as UTF-16 with one</source>
        <translation>ファイルがバイト順マーク (BOM) のない UTF-16 のテキストです。UTF-8 か、BOM 付きの UTF-16 で保存し直してください</translation>
    </message>
    <message>
        <source>it is a terminal</source>
        <translation>端末です</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>元に戻す</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>やり直す</translation>
    </message>
    <message>
        <source>Mirror left to right</source>
        <translation>左右反転</translation>
    </message>
    <message>
        <source>Mirror top to bottom</source>
        <translation>上下反転</translation>
    </message>
    <message>
        <source>Move one cell left</source>
        <translation>1 セル左へ移動</translation>
    </message>
    <message>
        <source>Move one cell right</source>
        <translation>1 セル右へ移動</translation>
    </message>
    <message>
        <source>Move one cell up</source>
        <translation>1 セル上へ移動</translation>
    </message>
    <message>
        <source>Move one cell down</source>
        <translation>1 セル下へ移動</translation>
    </message>
    <message>
        <source>%1 files were dropped, and gridcode opens one file at a time.

The grid is unchanged.</source>
        <translation>%1 個のファイルがドロップされましたが、gridcode が一度に開くファイルは 1 つだけです。

グリッドは変わっていません。</translation>
    </message>
    <message>
        <source>%1 is not a file on this computer, and gridcode opens only files.

The grid is unchanged.</source>
        <translation>%1 はこのコンピューター上のファイルではありません。gridcode が開くのはファイルだけです。

グリッドは変わっていません。</translation>
    </message>
    <message>
        <source>the file is UTF-16 text with no grid in it</source>
        <translation>ファイルが UTF-16 のテキストで、グリッドがありません</translation>
    </message>
    <message>
        <source>The sprites could not be loaded from the listing %1: %2.

The sprites in the window are unchanged.</source>
        <translation>リスト %1 からスプライトを読み込めませんでした。%2。

ウィンドウのスプライトは変わっていません。</translation>
    </message>
    <message>
        <source>The sprites could not be saved into the listing %1: %2.

No file was changed.</source>
        <translation>スプライトをリスト %1 に保存できませんでした。%2。

ファイルは変更されていません。</translation>
    </message>
    <message>
        <source>Remove that line anyway?</source>
        <translation>それでもその行を削除しますか?</translation>
    </message>
    <message>
        <source>Number them by a smaller step?</source>
        <translation>もっと小さい間隔で行番号を付けますか?</translation>
    </message>
    <message>
        <source>Save listing</source>
        <translation>リストの保存</translation>
    </message>
    <message>
        <source>If the sprites were saved into the listing %1, %2.

%3</source>
        <translation>スプライトをリスト %1 に保存すると、%2。

%3</translation>
    </message>
    <message>
        <source>its DATA statements hold no sprite: no %1 row codes stand in a row (the longest run is %2)</source>
        <translation>DATA 文にスプライトがありません。行コードが %1 個続いている所がありません (最も長く続いているのは %2 個です)</translation>
    </message>
    <message>
        <source>line %1 is longer than %2 bytes, which no listing has</source>
        <translation>%1 行目が %2 バイトを超えています。これほど長い行のあるリストはありません</translation>
    </message>
    <message numerus="yes">
        <source>its DATA statements hold %n sprites of %1 row codes, so there is no sprite %2</source>
        <translation>
            <numerusform>DATA 文には行コード %1 個のスプライトが %n 個しかないので、スプライト %2 はありません</numerusform>
        </translation>
    </message>
    <message>
        <source>it is UTF-16 text without a byte order mark; save it as UTF-8, or as UTF-16 with one</source>
        <translation>バイト順マーク (BOM) のない UTF-16 のテキストです。UTF-8 か、BOM 付きの UTF-16 で保存し直してください</translation>
    </message>
    <message>
        <source>it is over %1 MiB, more than gridcode reads of a listing</source>
        <translation>%1 MiB を超えていて、gridcode がリストとして読める大きさではありません</translation>
    </message>
    <message>
        <source>sprite %1 starts at line %2, column %3, past the %4 sprites a listing may hold</source>
        <translation>%2 行 %3 列から始まるスプライト %1 は、1 つのリストに入れられる上限の %4 個を超えています</translation>
    </message>
    <message>
        <source>after the line numbered %1</source>
        <translation>行番号 %1 の行の後に</translation>
    </message>
    <message>
        <source>before the line numbered %1</source>
        <translation>行番号 %1 の行の前に</translation>
    </message>
    <message>
        <source>between the lines numbered %1 and %2</source>
        <translation>行番号 %1 と %2 の行の間に</translation>
    </message>
    <message>
        <source>the line numbered %1 (line %2 of the file) would be left with no DATA and removed, but line %3 of the file names it (with GOTO, GOSUB or RESTORE, say)</source>
        <translation>行番号 %1 の行 (ファイルの %2 行目) は DATA がなくなって削除されますが、ファイルの %3 行目がこの行番号を参照しています (GOTO、GOSUB、RESTORE など)</translation>
    </message>
    <message numerus="yes">
        <source>%n new DATA lines would not fit %1 by the listing&apos;s step of %2</source>
        <translation>
            <numerusform>新しい DATA 行 %n 行が、リストの行番号の間隔 %2 では%1収まりません</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n new DATA lines would not fit %1 by any step</source>
        <translation>
            <numerusform>新しい DATA 行 %n 行が、どんな間隔でも%1収まりません</numerusform>
        </translation>
    </message>
    <message>
        <source>the cell in row %1, column %2 of sprite %3 is not one digit 0 to 3, which a row code cannot hold</source>
        <translation>スプライト %3 の %1 行 %2 列のセルが 0 から 3 の数字 1 文字ではなく、行コードにできません</translation>
    </message>
    <message>
        <source>sprite %1 stands for a sprite the listing does not hold, which is a fault of gridcode; please report it</source>
        <translation>スプライト %1 がリストにないスプライトを指しています。これは gridcode の不具合ですので、報告してください</translation>
    </message>
    <message>
        <source>the listing would hold %1 sprites, past the %2 a listing may hold</source>
        <translation>リストのスプライトが %1 個になり、1 つのリストに入れられる上限の %2 個を超えます</translation>
    </message>
    <message>
        <source>sprite %1 would read back changed, as row codes around it would join it, so the change cannot be made in place</source>
        <translation>周りの行コードがつながってしまい、読み直すとスプライト %1 が変わってしまうため、この変更はその場ではできません</translation>
    </message>
    <message>
        <source>sprite %1, at line %2, column %3, would read back changed, as row codes around it would join it, so the change cannot be made in place</source>
        <translation>周りの行コードがつながってしまい、読み直すと %2 行 %3 列のスプライト %1 が変わってしまうため、この変更はその場ではできません</translation>
    </message>
    <message>
        <source>New sprite of 0 after the shown one</source>
        <translation>表示中のスプライトの後に 0 の新しいスプライト</translation>
    </message>
    <message>
        <source>Copy of the shown sprite after it</source>
        <translation>表示中のスプライトの複製をその後に</translation>
    </message>
    <message>
        <source>Delete the shown sprite</source>
        <translation>表示中のスプライトを削除</translation>
    </message>
    <message>
        <source>Next sprite</source>
        <translation>次のスプライト</translation>
    </message>
    <message>
        <source>Previous sprite</source>
        <translation>前のスプライト</translation>
    </message>
    <message>
        <source>Move the sprite later</source>
        <translation>スプライトを後ろへ移動</translation>
    </message>
    <message>
        <source>Move the sprite earlier</source>
        <translation>スプライトを前へ移動</translation>
    </message>
    <message>
        <source>Play the sprites</source>
        <translation>スプライトを再生</translation>
    </message>
    <message>
        <source>Frames a second</source>
        <translation>1 秒あたりのコマ数</translation>
    </message>
    <message>
        <source> /s</source>
        <translation> /秒</translation>
    </message>
    <message>
        <source>How the sprites are played</source>
        <translation>再生のしかた</translation>
    </message>
    <message>
        <source>Loop</source>
        <translation>繰り返し</translation>
    </message>
    <message>
        <source>Back and forth</source>
        <translation>往復</translation>
    </message>
    <message>
        <source>First sprite played</source>
        <translation>再生する最初のスプライト</translation>
    </message>
    <message>
        <source>Last sprite played</source>
        <translation>再生する最後のスプライト</translation>
    </message>
    <message>
        <source>Copy the sprite as a picture and as DATA lines</source>
        <translation>スプライトを画像と DATA 行としてコピー</translation>
    </message>
    <message>
        <source>Paste a picture, DATA lines or a grid line</source>
        <translation>画像、DATA 行またはグリッドの行を貼り付け</translation>
    </message>
    <message>
        <source>Cannot copy</source>
        <translation>コピーできません</translation>
    </message>
    <message>
        <source>The sprite cannot be copied as a picture: the cell in row %1, column %2 holds %3, and a picture holds only the digits 0 to 3.</source>
        <translation>スプライトを画像としてコピーできません。%1 行 %2 列のセルは %3 ですが、画像に入るのは数字 0 ～ 3 だけです。</translation>
    </message>
    <message>
        <source>The picture could not be made (%1).</source>
        <translation>画像を作れませんでした (%1)。</translation>
    </message>
    <message>
        <source>Cannot paste</source>
        <translation>貼り付けできません</translation>
    </message>
    <message>
        <source>What the clipboard holds cannot be pasted: %1.

The sprites are unchanged.</source>
        <translation>クリップボードの内容を貼り付けできません: %1。

スプライトは変わっていません。</translation>
    </message>
    <message>
        <source>The clipboard holds no picture and no text to paste.</source>
        <translation>クリップボードに貼り付けられる画像もテキストもありません。</translation>
    </message>
    <message>
        <source>The palette the sprites are shown in</source>
        <translation>スプライトを表示するパレット</translation>
    </message>
    <message>
        <source>Picture loaded</source>
        <translation>読み込んだ画像</translation>
    </message>
    <message>
        <source>The machine&apos;s colour of value %1</source>
        <translation>値 %1 の機種の色</translation>
    </message>
</context>
<context>
    <name>gridcode::GridPictureView</name>
    <message>
        <source>Grid picture</source>
        <translation>グリッドの画像</translation>
    </message>
    <message>
        <source>The grid as a picture, one square a cell, in the colours of the chosen palette (gridcode&apos;s own: white for 0, green for 1, blue for 2, violet for 3), orange for a cell that is not one digit 0 to 3. Click or drag with the left button to paint cells with the chosen value, with the right button to paint 0.</source>
        <translation>グリッドを画像にしたもので、1 つのセルが 1 つの四角です。色は選んだパレットのもの (gridcode の色では 0 が白、1 が緑、2 が青、3 が紫) で、数字 0 ～ 3 の 1 文字でないセルはオレンジです。左ボタンでクリックまたはドラッグすると選んだ値で、右ボタンでは 0 でセルを塗ります。</translation>
    </message>
</context>
<context>
    <name>gridcode::PaintSwatch</name>
    <message>
        <source>Paint with %1</source>
        <translation>%1 で塗る</translation>
    </message>
    <message>
        <source>Paint with %1: the left button paints this value on the picture.</source>
        <translation>%1 で塗る: 画像の上で左ボタンを押すと、この値で塗ります。</translation>
    </message>
</context>
<context>
    <name>gridcode::SpriteBankView</name>
    <message>
        <source>Sprites</source>
        <translation>スプライト</translation>
    </message>
    <message>
        <source>The sprites of the document; click one to show it</source>
        <translation>文書のスプライト。クリックすると、そのスプライトを表示します</translation>
    </message>
</context>
</TS>
