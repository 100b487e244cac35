<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja_JP">
<context>
    <name>BookDialog</name>
    <message>
        <source>Bind into a book</source>
        <translation>本にまとめる</translation>
    </message>
    <message>
        <source>Pages</source>
        <translation>ページのフォルダ</translation>
    </message>
    <message>
        <source>Book file</source>
        <translation>本のファイル</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>タイトル</translation>
    </message>
    <message>
        <source>Format</source>
        <translation>形式</translation>
    </message>
    <message>
        <source>CBZ (comic book archive)</source>
        <translation>CBZ (コミック用アーカイブ)</translation>
    </message>
    <message>
        <source>Reading direction</source>
        <translation>読む向き</translation>
    </message>
    <message>
        <source>Left to right</source>
        <translation>左から右へ (左開き)</translation>
    </message>
    <message>
        <source>Right to left</source>
        <translation>右から左へ (右開き)</translation>
    </message>
    <message>
        <source>Density (dpi)</source>
        <translation>解像度 (dpi)</translation>
    </message>
    <message>
        <source>own</source>
        <translation>各ページ</translation>
    </message>
    <message>
        <source>Empty: each page&apos;s own density, %1 dpi where it has none<byte value="xd"/>
A number: that density for every page</source>
        <translation>空欄: 各ページの解像度 (ないページは %1 dpi)<byte value="xd"/>
数値: すべてのページをその解像度に</translation>
    </message>
    <message>
        <source>Leave out pages that cannot be read</source>
        <translation>読めないページは飛ばす</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>Reading the pages</source>
        <translation>ページを読んでいます</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>完了</translation>
    </message>
    <message numerus="yes">
        <source>%1: %n page(s)</source>
        <translation>
            <numerusform>%1: %n ページ</numerusform>
        </translation>
    </message>
    <message>
        <source>The book was not made</source>
        <translation>本を作れませんでした</translation>
    </message>
</context>
<context>
    <name>FolderChooser</name>
    <message>
        <source>Choose a folder</source>
        <translation>フォルダ選択</translation>
    </message>
    <message>
        <source>Folders</source>
        <translation>フォルダ</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>Set default</source>
        <translation>デフォルトに設定</translation>
    </message>
    <message>
        <source>Set</source>
        <translation>設定しました</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Thumbnails</source>
        <translation>サムネイル一覧</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>ファイル(&amp;F)</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>開く(&amp;O)</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>終了(&amp;X)</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>編集(&amp;E)</translation>
    </message>
    <message>
        <source>Auto-select by si&amp;ze</source>
        <translation>自動選択(&amp;G)</translation>
    </message>
    <message>
        <source>&amp;Invert selection</source>
        <translation>選択反転(&amp;H)</translation>
    </message>
    <message>
        <source>&amp;Split</source>
        <translation>分割(&amp;B)</translation>
    </message>
    <message>
        <source>&amp;Rename</source>
        <translation>リネーム(&amp;R)</translation>
    </message>
    <message>
        <source>&amp;Tools</source>
        <translation>ツール(&amp;T)</translation>
    </message>
    <message>
        <source>&amp;Settings</source>
        <translation>設定(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>ヘルプ(&amp;H)</translation>
    </message>
    <message>
        <source>&amp;About Quillfold</source>
        <translation>バージョン情報(&amp;A)</translation>
    </message>
    <message>
        <source>Status bar</source>
        <translation>ステータスバー</translation>
    </message>
    <message>
        <source>Select one picture as the sample.</source>
        <translation>見本を１つ選択して下さい。</translation>
    </message>
    <message>
        <source>The sample picture cannot be read</source>
        <translation>見本の画像を読み込めません</translation>
    </message>
    <message>
        <source>A file has gone</source>
        <translation>見当たらないファイルがあります</translation>
    </message>
    <message>
        <source>Loading stops</source>
        <translation>読込を中断します</translation>
    </message>
    <message>
        <source>Files cannot be renamed this way</source>
        <translation>この方法でリネームはできません</translation>
    </message>
    <message>
        <source>&amp;Bind into a book...</source>
        <translation>本にまとめる(&amp;K)</translation>
    </message>
</context>
<context>
    <name>NoticeBox</name>
    <message>
        <source>Notice</source>
        <translation>お知らせ</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>Working</source>
        <translation>処理中</translation>
    </message>
</context>
<context>
    <name>OpenFolderDialog</name>
    <message>
        <source>Open</source>
        <translation>開く</translation>
    </message>
    <message>
        <source>Folders</source>
        <translation>フォルダ</translation>
    </message>
    <message>
        <source>Files</source>
        <translation>ファイル一覧</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>名前</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>サイズ</translation>
    </message>
    <message>
        <source>Modified</source>
        <translation>更新日時</translation>
    </message>
    <message>
        <source>Number of files</source>
        <translation>ファイル数</translation>
    </message>
    <message>
        <source>Set default</source>
        <translation>デフォルトに設定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>Slow read</source>
        <translation>低速読み</translation>
    </message>
    <message>
        <source>Hints</source>
        <translation>ヒント表示</translation>
    </message>
    <message>
        <source>Opens this folder<byte value="xd"/>
when Quillfold starts</source>
        <translation>このフォルダを起動時に<byte value="xd"/>
開く様にします</translation>
    </message>
    <message>
        <source>Tick this when<byte value="xd"/>
large pictures show<byte value="xd"/>
no thumbnail</source>
        <translation>大きいサイズの画像が<byte value="xd"/>
サムネイル表示されない時に<byte value="xd"/>
チェックしてみて下さい</translation>
    </message>
    <message>
        <source>Double-click to show<byte value="xd"/>
While shown<byte value="xd"/>
[→][X] next<byte value="xd"/>
[←][Z] back</source>
        <translation>ダブルクリックで表示します<byte value="xd"/>
表示中<byte value="xd"/>
[→][X]キー 次へ<byte value="xd"/>
[←][Z]キー 戻る</translation>
    </message>
    <message>
        <source>%1 Files</source>
        <translation>%1 Files</translation>
    </message>
    <message>
        <source>Set</source>
        <translation>設定しました</translation>
    </message>
    <message>
        <source>At most 9999 files can be opened</source>
        <translation>開けるファイル数は9999までです</translation>
    </message>
</context>
<context>
    <name>Program</name>
    <message>
        <source>The settings file is damaged</source>
        <translation>設定ファイルが壊れています</translation>
    </message>
    <message>
        <source>%1 is read up to line %2 only</source>
        <translation>%1 の %2 行目以降は読み込みません</translation>
    </message>
    <message>
        <source>The settings file cannot be read</source>
        <translation>設定ファイルを読めません</translation>
    </message>
    <message>
        <source>%1 is no settings file: at exit it is kept as %2</source>
        <translation>%1 は設定ファイルではないため、終了時に %2 として残します</translation>
    </message>
    <message>
        <source>The folder cannot be found</source>
        <translation>フォルダが見当たりません</translation>
    </message>
    <message>
        <source>The folder holds no JPEG or BMP file</source>
        <translation>JPEG と BMP のファイルがないフォルダです</translation>
    </message>
    <message>
        <source>The settings cannot be saved</source>
        <translation>設定を保存できません</translation>
    </message>
    <message>
        <source>The added options cannot be read</source>
        <translation>追加オプションを読めません</translation>
    </message>
    <message>
        <source>%1: %2; it is left as it is</source>
        <translation>%1: %2。このファイルはそのままにします</translation>
    </message>
    <message>
        <source>Open a folder of pages first</source>
        <translation>先にページのフォルダを開いて下さい</translation>
    </message>
</context>
<context>
    <name>RenameDialog</name>
    <message>
        <source>Rename</source>
        <translation>リネーム</translation>
    </message>
    <message>
        <source>New file name</source>
        <translation>新しいファイル名</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
</context>
<context>
    <name>SettingsDialog</name>
    <message>
        <source>Settings</source>
        <translation>設定</translation>
    </message>
    <message>
        <source>Thumbnail size</source>
        <translation>サムネイルの大きさ</translation>
    </message>
    <message>
        <source>A new thumbnail size applies<byte value="xd"/>
from the next folder opened</source>
        <translation>サムネイルの大きさ変更は<byte value="xd"/>
次回ファイルを開き直した時から有効です</translation>
    </message>
    <message>
        <source>Auto-select tolerance</source>
        <translation>自動選択の許容誤差範囲</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>Thumbnails are 20 to 150</source>
        <translation>サムネイルは20から150までです</translation>
    </message>
</context>
<context>
    <name>SplitDialog</name>
    <message>
        <source>Split</source>
        <translation>分割</translation>
    </message>
    <message>
        <source>Destination folder</source>
        <translation>保存先フォルダ</translation>
    </message>
    <message>
        <source>Browse</source>
        <translation>参 照</translation>
    </message>
    <message>
        <source>Write into a folder named like the source</source>
        <translation>保存先に元と同名のフォルダを作る</translation>
    </message>
    <message>
        <source>Copy the unselected files too</source>
        <translation>非選択ファイルもコピーする</translation>
    </message>
    <message>
        <source>Save the unselected files anew too</source>
        <translation>非選択ファイルも新規保存する</translation>
    </message>
    <message>
        <source>Play a sound when done</source>
        <translation>完了時に音を鳴らす</translation>
    </message>
    <message>
        <source>Split into pages</source>
        <translation>分割方法</translation>
    </message>
    <message>
        <source>None</source>
        <translation>なし</translation>
    </message>
    <message>
        <source>Page order of →</source>
        <translation>→ のページ順</translation>
    </message>
    <message>
        <source>Page order of ↓</source>
        <translation>↓ のページ順</translation>
    </message>
    <message>
        <source>Page order of ←</source>
        <translation>← のページ順</translation>
    </message>
    <message>
        <source>Page order of ↑</source>
        <translation>↑ のページ順</translation>
    </message>
    <message>
        <source>File format</source>
        <translation>保存ファイル形式</translation>
    </message>
    <message>
        <source>Quality</source>
        <translation>圧縮率</translation>
    </message>
    <message>
        <source>Gutter removal</source>
        <translation>中心除去</translation>
    </message>
    <message>
        <source>Remove gutter</source>
        <translation>中心除去する</translation>
    </message>
    <message>
        <source>Gutter width</source>
        <translation>除去する中心幅</translation>
    </message>
    <message>
        <source>Margin removal</source>
        <translation>余白除去</translation>
    </message>
    <message>
        <source>Remove margins</source>
        <translation>余白除去する</translation>
    </message>
    <message>
        <source>Threshold</source>
        <translation>余白のしきい値</translation>
    </message>
    <message>
        <source>Margin kept</source>
        <translation>残す余白幅</translation>
    </message>
    <message>
        <source>Quarter turn</source>
        <translation>90度回転</translation>
    </message>
    <message>
        <source>Turn 90°</source>
        <translation>90度回転する</translation>
    </message>
    <message>
        <source>Direction of L</source>
        <translation>L の回転の向き</translation>
    </message>
    <message>
        <source>Direction of R</source>
        <translation>R の回転の向き</translation>
    </message>
    <message>
        <source>Hints</source>
        <translation>ヒント表示</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>Makes a folder of the source folder&apos;s name and writes into it</source>
        <translation>同名のフォルダを作り、その中にコピーします</translation>
    </message>
    <message>
        <source>Copies the unselected files<byte value="xd"/>
as they are, without working on them</source>
        <translation>非選択ファイルを<byte value="xd"/>
単純にコピーします、処理はしません</translation>
    </message>
    <message>
        <source>Works on the unselected files too<byte value="xd"/>
without splitting or gutter removal<byte value="xd"/>
Turning and margin removal apply</source>
        <translation>非選択ファイルも処理します<byte value="xd"/>
｢分割｣と｢中心除去｣はしません<byte value="xd"/>
｢回転｣と｢余白除去｣は可能です</translation>
    </message>
    <message>
        <source>Splits in the order 1, 2</source>
        <translation>１から２の順で分割します</translation>
    </message>
    <message>
        <source>Removes the gutter between the pages<byte value="xd"/>
which makes margin removal more exact</source>
        <translation>ページ間の谷間を除去します<byte value="xd"/>
余白除去の精度が上がります</translation>
    </message>
    <message>
        <source>Removes margins of the colour of the page&apos;s top left<byte value="xd"/>
A higher threshold takes in more colours<byte value="xd"/>
To keep some margin around the print,<byte value="xd"/>
set the margin kept</source>
        <translation>ページ左上の色で余白除去します<byte value="xd"/>
しきい値を上げると色範囲が広がります<byte value="xd"/>
写真や文字のギリギリの所まで除去したくない場合は<byte value="xd"/>
残す余白幅を設定します</translation>
    </message>
    <message>
        <source>Added options</source>
        <translation>追加オプション</translation>
    </message>
    <message>
        <source>Lossless JPEG pages (not encoded again)</source>
        <translation>JPEG を無劣化で分割する (再圧縮しない)</translation>
    </message>
    <message>
        <source>JPEG pages keep the source&apos;s compressed blocks:<byte value="xd"/>
no second loss of quality. The cut moves to the<byte value="xd"/>
block grid (8 or 16 pixels), margins keep up to<byte value="xd"/>
one block more. For JPEG written as JPEG</source>
        <translation>JPEG の圧縮されたブロックをそのまま使い<byte value="xd"/>
画質を落としません。分け目はブロックの区切り<byte value="xd"/>
(8 または 16 ピクセル) に移り、余白は最大<byte value="xd"/>
1 ブロック多く残ります。JPEG を JPEG で保存するときに使います</translation>
    </message>
    <message>
        <source>Straighten pages</source>
        <translation>傾きを直す</translation>
    </message>
    <message>
        <source>Up to (degrees)</source>
        <translation>上限 (度)</translation>
    </message>
    <message>
        <source>Cut at the gutter found</source>
        <translation>ノドを探して分割する</translation>
    </message>
    <message>
        <source>Measures the slant of each page&apos;s lines of text<byte value="xd"/>
(across or down) and turns the page straight<byte value="xd"/>
Blank pages, pictures and slants over the<byte value="xd"/>
limit are left as they are and named at the end</source>
        <translation>各ページの文字の行 (横書き・縦書き) の<byte value="xd"/>
傾きを測ってまっすぐに直します<byte value="xd"/>
白紙・図版のページと上限を超える傾きは<byte value="xd"/>
そのままにして、最後に知らせます</translation>
    </message>
    <message>
        <source>Looks for the gutter near the middle of the spread<byte value="xd"/>
and cuts there; where none is found<byte value="xd"/>
the spread is cut at its centre and named at the end</source>
        <translation>見開きの中央付近でノドを探して分割します<byte value="xd"/>
見つからないときは中央で分割し<byte value="xd"/>
最後に知らせます</translation>
    </message>
</context>
<context>
    <name>TrimmingView</name>
    <message>
        <source>Picture</source>
        <translation>画像</translation>
    </message>
    <message>
        <source>Status bar</source>
        <translation>ステータスバー</translation>
    </message>
</context>
<context>
    <name>batch</name>
    <message>
        <source>Where to split the spreads (in reading order, page 1 then page 2). none does not split. Default: left</source>
        <translation>見開きを分ける向き (読む順に 1 ページ目、2 ページ目)。none は分けない。既定は left</translation>
    </message>
    <message>
        <source>Remove N pixels on each side of the cut. Default: remove nothing</source>
        <translation>分け目の左右 (上下) それぞれ N ピクセルを除く。既定は除かない</translation>
    </message>
    <message>
        <source>Remove the margins at threshold T (0-255), keeping K pixels (default 0)</source>
        <translation>しきい値 T (0-255) で余白を除き、K ピクセル (既定 0) を残す</translation>
    </message>
    <message>
        <source>Turn the pages 90 degrees (L counter-clockwise, R clockwise)</source>
        <translation>分けたページを 90 度回す (L は左回り、R は右回り)</translation>
    </message>
    <message>
        <source>The file format. Default: jpg</source>
        <translation>保存形式。既定は jpg</translation>
    </message>
    <message>
        <source>The JPEG quality (0-100). Default: 80</source>
        <translation>JPEG の品質 (0-100)。既定は 80</translation>
    </message>
    <message>
        <source>The images to split: all, none, or those within T pixels (default 10) of W x H. Default: all</source>
        <translation>分ける画像: すべて、なし、または W x H ピクセルから ±T (既定 10) の大きさの画像。既定は all</translation>
    </message>
    <message>
        <source>Skip the images not selected, copy them as they are, or save them anew. Default: copy</source>
        <translation>選ばれなかった画像を飛ばす、そのままコピーする、または新規保存する。既定は copy</translation>
    </message>
    <message>
        <source>Write into a folder of the source folder&apos;s name in the destination (default)</source>
        <translation>保存先に元フォルダと同じ名前のフォルダを作ってそこへ書く (既定)</translation>
    </message>
    <message>
        <source>Write into the destination itself</source>
        <translation>保存先フォルダへ直接書く</translation>
    </message>
    <message>
        <source>How many images are worked on at once. Default: the processor cores</source>
        <translation>同時に処理する画像の数。既定はプロセッサのコア数</translation>
    </message>
    <message>
        <source>Work only on image K and every Nth image after it (1 &lt;= K &lt;= N). N runs with K from 1 to N handle every image exactly once</source>
        <translation>K 番目から N 枚おきの画像だけを処理する (1 &lt;= K &lt;= N)。K を 1 から N まで変えた N 回の実行で、どの画像もちょうど一度処理される</translation>
    </message>
    <message>
        <source>Show the files that would be written, and write nothing</source>
        <translation>書き出すはずのファイルを表示し、何も書かない</translation>
    </message>
    <message>
        <source>No progress and no summary line (failures are still shown)</source>
        <translation>進み具合と結果の行を表示しない (失敗は表示する)</translation>
    </message>
    <message>
        <source>Messages in Japanese or English. Default: Japanese when the locale is Japanese, English otherwise</source>
        <translation>メッセージの言語 (日本語か英語)。既定はロケールが日本語なら日本語、それ以外は英語</translation>
    </message>
    <message>
        <source>Show this help and exit</source>
        <translation>このヘルプを表示して終わる</translation>
    </message>
    <message>
        <source>Show the version and exit</source>
        <translation>版を表示して終わる</translation>
    </message>
    <message>
        <source>The value &quot;%2&quot; of --%1 cannot be used</source>
        <translation>--%1 の値 &quot;%2&quot; は使えません</translation>
    </message>
    <message>
        <source>--subfolder and --no-subfolder cannot be used together</source>
        <translation>--subfolder と --no-subfolder は一緒に使えません</translation>
    </message>
    <message>
        <source>Usage: quillfold-batch [options] SOURCE_FOLDER DESTINATION_FOLDER
Splits the spreads among the JPEG and BMP images of the source folder (in the natural order of their names) into pages written into the destination folder.
No source file is ever replaced. Every file is written to a temporary file and then renamed; a symbolic link at an output&apos;s name is replaced, never written through.
Each line of output names one file: control characters in a name (a newline, say) and \ are written as \n, \t, \x01, \\.

Options:
</source>
        <translation>使い方: quillfold-batch [オプション] 元フォルダ 保存先フォルダ
元フォルダの JPEG と BMP の画像 (名前の自然な順) を、見開きからページに分けて保存先フォルダへ書き出す。
元のファイルを書き換えることはない。どのファイルも一時ファイルに書いてから名前を変える。書き出す名前にシンボリックリンクがあれば、リンク先には書かず、リンクを置き換える。
出力の一行には一つの名前しか書かない。名前の中の改行などの制御文字と \ は \n、\t、\x01、\\ のように書く。

オプション:
</translation>
    </message>
    <message>
        <source>
Exit status:
  0    nothing failed
  1    some image could not be read or worked on, or some file could not be written (each named on standard error)
  2    wrong arguments, or a missing source or destination folder
  130  ended by Ctrl+C or SIGTERM (no file is left half-written)
</source>
        <translation>
終了状態:
  0    失敗なし
  1    読めなかったか処理できなかった画像、または書けなかったファイルがある (標準エラーに一件ずつ)
  2    引数の誤り、または元フォルダか保存先フォルダがない
  130  Ctrl+C か SIGTERM で中断した (書きかけのファイルは残さない)
</translation>
    </message>
    <message>
        <source>Give one source folder and one destination folder</source>
        <translation>元フォルダと保存先フォルダを一つずつ指定してください</translation>
    </message>
    <message>
        <source>Images %1, files written %2, failures %3, %4 s</source>
        <translation>画像 %1 枚、書き出し %2 ファイル、失敗 %3 件、%4 秒</translation>
    </message>
    <message>
        <source>  %1 images/s  %2 left</source>
        <translation>  %1 枚/秒  残り %2</translation>
    </message>
    <message>
        <source>There is no file</source>
        <translation>ファイルがありません</translation>
    </message>
    <message>
        <source>The folder cannot be read</source>
        <translation>フォルダを読めません</translation>
    </message>
    <message>
        <source>The source folder does not exist: %1</source>
        <translation>元フォルダがありません: %1</translation>
    </message>
    <message>
        <source>The destination folder does not exist: %1</source>
        <translation>保存先フォルダがありません: %1</translation>
    </message>
    <message>
        <source>The destination folder cannot be made: %1</source>
        <translation>保存先フォルダを作れません: %1</translation>
    </message>
    <message>
        <source>Stopped</source>
        <translation>中断しました</translation>
    </message>
    <message>
        <source>Keep the compressed blocks of JPEG pages instead of encoding them again: cuts move to the JPEG&apos;s block grid (8 or 16 pixels), margins keep up to one block more. Pages that cannot keep them (a quarter turn where the page reaches the picture&apos;s edge off the grid, CMYK) are encoded at the quality and named in the summary. For JPEG sources written as JPEG</source>
        <translation>JPEG のページを再圧縮せず、圧縮されたブロックのまま書き出す。分け目は JPEG のブロックの区切り (8 または 16 ピクセル) に移り、余白は最大 1 ブロック多く残る。ブロックのまま書き出せないページ (画像の端が区切りにないページの 90 度回転、CMYK) は品質の設定で圧縮し、結果の行に名前を挙げる。JPEG を JPEG で保存するときに使う</translation>
    </message>
    <message>
        <source>%1 of %2 JPEG pages would be written losslessly</source>
        <translation>JPEG %2 ページのうち %1 ページを無劣化で書き出します</translation>
    </message>
    <message>
        <source>%1 of %2 JPEG pages written losslessly</source>
        <translation>JPEG %2 ページのうち %1 ページを無劣化で書き出しました</translation>
    </message>
    <message>
        <source>Where to cut a spread: at its centre (the default), or at the gutter searched for in the middle 35-65 % from the fold&apos;s shadow and the columns without print (at the centre, the image named, when none is found). Centre removal and the margins work from the cut</source>
        <translation>見開きを分ける位置: 中央 (既定)、またはノド (幅の中央 35-65 % の範囲で、綴じ目の影と印刷のない列から探す。見つからなければ中央で分け、その画像名を表示する)。中心除去と余白除去は分けた位置から行う</translation>
    </message>
    <message>
        <source>Straighten each page of a cut image before its margins: its skew is measured on its rows or columns of text and turned back when it lies from 0.05 to MAX degrees (default 5); blank pages, pictures and pages measured without confidence are kept as they are and named. With --dry-run, each image&apos;s cut and each page&apos;s angle are printed</source>
        <translation>分けた各ページの傾きを余白除去の前に直す: 文字の行または列から傾きを測り、0.05 度から MAX 度 (既定 5) までなら逆に回す。白紙、図版、確かに測れないページはそのまま残し、名前を表示する。--dry-run と一緒に使うと、画像ごとの分割位置とページごとの角度を表示する</translation>
    </message>
</context>
<context>
    <name>book</name>
    <message>
        <source>The kind of book: PDF or comic book archive. Default: from the output file&apos;s suffix (.pdf or .cbz)</source>
        <translation>本の形式: PDF かコミックアーカイブ (CBZ)。既定は出力ファイルの拡張子 (.pdf か .cbz) で決まる</translation>
    </message>
    <message>
        <source>The reading direction. A right-to-left book opens from the right (a PDF two pages at a time, starting on the right). Default: ltr</source>
        <translation>読む向き。rtl (右から左) の本は右から開く (PDF は見開きで、右ページから始まる)。既定は ltr</translation>
    </message>
    <message>
        <source>The pixels per inch of every page, for the PDF&apos;s page size. Default: each page&apos;s own density, 300 for a page without one</source>
        <translation>PDF のページの大きさを決める、全ページの解像度 (ピクセル/インチ)。既定は各ページの解像度、解像度のないページは 300</translation>
    </message>
    <message>
        <source>The book&apos;s title</source>
        <translation>本の題名</translation>
    </message>
    <message>
        <source>The book&apos;s author</source>
        <translation>本の著者</translation>
    </message>
    <message>
        <source>Leave out the pages that cannot be read (each named) instead of writing no book</source>
        <translation>読めないページがあっても本を書き出し、そのページを除く (名前を表示する)</translation>
    </message>
    <message>
        <source>No progress and no summary line (problems are still shown)</source>
        <translation>進み具合と結果の行を表示しない (問題は表示する)</translation>
    </message>
    <message>
        <source>Messages in Japanese or English. Default: Japanese when the locale is Japanese, English otherwise</source>
        <translation>メッセージの言語 (日本語か英語)。既定はロケールが日本語なら日本語、それ以外は英語</translation>
    </message>
    <message>
        <source>Show this help and exit</source>
        <translation>このヘルプを表示して終わる</translation>
    </message>
    <message>
        <source>Show the version and exit</source>
        <translation>版を表示して終わる</translation>
    </message>
    <message>
        <source>The value &quot;%2&quot; of --%1 cannot be used</source>
        <translation>--%1 の値 &quot;%2&quot; は使えません</translation>
    </message>
    <message>
        <source>The output file ends neither in .pdf nor in .cbz: give --format</source>
        <translation>出力ファイルの拡張子が .pdf でも .cbz でもありません。--format で形式を指定してください</translation>
    </message>
    <message>
        <source>Usage: quillfold-book [options] PAGES_FOLDER OUTPUT_FILE
Binds the JPEG and BMP pages of the folder, in the natural order of their names, into one PDF or comic book archive (CBZ).
JPEG pages go into the book as they are, never encoded again; BMP pages are compressed without loss in a PDF. The book is written to a temporary file and then renamed; the pages folder is never changed.

Options:
</source>
        <translation>使い方: quillfold-book [オプション] ページのフォルダ 出力ファイル
フォルダの JPEG と BMP のページを、名前の自然な順に一冊の PDF またはコミックアーカイブ (CBZ) にまとめる。
JPEG のページは再圧縮せずそのまま入れる。PDF では BMP のページを無劣化で圧縮する。本は一時ファイルに書いてから名前を変える。ページのフォルダは一切変えない。

オプション:
</translation>
    </message>
    <message>
        <source>
Exit status:
  0    every page was bound
  1    some page could not be read (each named on standard error), or the book could not be written
  2    wrong arguments, or a missing pages folder
  130  ended by Ctrl+C or SIGTERM (no book and no temporary file is left)
</source>
        <translation>
終了状態:
  0    すべてのページをまとめた
  1    読めなかったページがある (標準エラーに一件ずつ)、または本を書けなかった
  2    引数の誤り、またはページのフォルダがない
  130  Ctrl+C か SIGTERM で中断した (本も一時ファイルも残さない)
</translation>
    </message>
    <message>
        <source>Give one pages folder and one output file</source>
        <translation>ページのフォルダと出力ファイルを一つずつ指定してください</translation>
    </message>
    <message>
        <source>Pages %1, %2, %3 s</source>
        <translation>ページ %1、%2、%3 秒</translation>
    </message>
    <message>
        <source>  %1 pages/s  %2 left</source>
        <translation>  %1 ページ/秒  残り %2</translation>
    </message>
    <message>
        <source>The pages folder does not exist</source>
        <translation>ページのフォルダがありません</translation>
    </message>
    <message>
        <source>The folder of the book file does not exist</source>
        <translation>本を書き出すフォルダがありません</translation>
    </message>
    <message>
        <source>A folder has the book file&apos;s name</source>
        <translation>本のファイル名と同じ名前のフォルダがあります</translation>
    </message>
    <message>
        <source>The book cannot be written into the pages folder: choose another folder</source>
        <translation>ページのフォルダには本を書き出せません。別のフォルダを指定してください</translation>
    </message>
    <message>
        <source>The folder has no JPEG or BMP pages</source>
        <translation>JPEG と BMP のページがないフォルダです</translation>
    </message>
    <message numerus="yes">
        <source>%n page(s) cannot be read, so the book was not written</source>
        <translation>
            <numerusform>読めないページが %n ページあるため、本を書き出しませんでした</numerusform>
        </translation>
    </message>
    <message>
        <source>The page changed while the book was written</source>
        <translation>本を書き出している間にページが変わりました</translation>
    </message>
    <message>
        <source>The pages folder cannot be read</source>
        <translation>ページのフォルダを読めません</translation>
    </message>
    <message>
        <source>Stopped</source>
        <translation>中断しました</translation>
    </message>
    <message>
        <source>The PDF cannot be made: %1</source>
        <translation>PDF を作れません: %1</translation>
    </message>
    <message>
        <source>The archive cannot be written: %1</source>
        <translation>アーカイブを書き出せません: %1</translation>
    </message>
    <message>
        <source>The book file has the name of a picture: give it a .pdf or .cbz name</source>
        <translation>本のファイル名が画像の名前です。.pdf か .cbz の名前にしてください</translation>
    </message>
</context>
<context>
    <name>catalogue</name>
    <message>
        <source>Loading</source>
        <translation>読込中</translation>
    </message>
    <message>
        <source>Loaded</source>
        <translation>読込完了</translation>
    </message>
    <message>
        <source>Stopped</source>
        <translation>読込中断</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>分割可能</translation>
    </message>
    <message>
        <source> %1 selected</source>
        <translation> %1 ヶ所選択</translation>
    </message>
    <message>
        <source>%1/%2   [ESC] stops</source>
        <translation>%1/%2   [ESC]で中断</translation>
    </message>
    <message numerus="yes">
        <source> %n unreadable file(s) kept their selection</source>
        <translation>
            <numerusform> 読めないファイル %n 件は選択を変えていません</numerusform>
        </translation>
    </message>
    <message>
        <source> Unreadable files %1: %2</source>
        <translation> 読めないファイル %1 件: %2</translation>
    </message>
    <message>
        <source> Unreadable files %1: %2 and %3 more</source>
        <translation> 読めないファイル %1 件: %2 ほか %3 件</translation>
    </message>
</context>
<context>
    <name>commandline</name>
    <message>
        <source>The arguments cannot be read: %1</source>
        <translation>引数を読めません: %1</translation>
    </message>
    <message>
        <source>Unknown option: %1</source>
        <translation>知らないオプションです: %1</translation>
    </message>
    <message>
        <source>%1 --help shows how to use it</source>
        <translation>使い方は %1 --help で表示されます</translation>
    </message>
</context>
<context>
    <name>core</name>
    <message>
        <source>Not enough memory</source>
        <translation>メモリが足りません</translation>
    </message>
    <message>
        <source>An unexpected error occurred</source>
        <translation>処理中に予期しないエラーが発生しました</translation>
    </message>
</context>
<context>
    <name>dialogs</name>
    <message>
        <source>The name has characters a file name cannot hold</source>
        <translation>ファイル名に使えない文字が含まれてます</translation>
    </message>
    <message>
        <source>\ / : , ; * ? &quot; &lt; &gt; |</source>
        <translation>\ / : , ; * ? &quot; &lt; &gt; ｜</translation>
    </message>
</context>
<context>
    <name>imaging</name>
    <message>
        <source>The file cannot be found</source>
        <translation>ファイルが見当たりません</translation>
    </message>
    <message>
        <source>Not a regular file</source>
        <translation>通常のファイルではありません</translation>
    </message>
    <message>
        <source>The file cannot be opened</source>
        <translation>ファイルを開けません</translation>
    </message>
    <message>
        <source>The file cannot be read</source>
        <translation>ファイルを読めません</translation>
    </message>
    <message>
        <source>The file is empty</source>
        <translation>ファイルが空です</translation>
    </message>
    <message>
        <source>The file is too large</source>
        <translation>ファイルが大きすぎます</translation>
    </message>
    <message>
        <source>Not a supported format</source>
        <translation>対応していない形式です</translation>
    </message>
    <message>
        <source>The picture file is damaged</source>
        <translation>画像ファイルが壊れています</translation>
    </message>
    <message>
        <source>The picture is too large</source>
        <translation>画像が大きすぎます</translation>
    </message>
    <message>
        <source>The picture is too large (%1x%2)</source>
        <translation>画像が大きすぎます (%1x%2)</translation>
    </message>
    <message>
        <source>There is no picture</source>
        <translation>画像がありません</translation>
    </message>
    <message>
        <source>Not a JPEG file</source>
        <translation>JPEGファイルではありません</translation>
    </message>
    <message>
        <source>A kind of JPEG that is not supported</source>
        <translation>対応していないJPEG形式です</translation>
    </message>
    <message>
        <source>The JPEG file is cut short</source>
        <translation>JPEGファイルが途中で切れています</translation>
    </message>
    <message>
        <source>The JPEG file is damaged</source>
        <translation>JPEGファイルが壊れています</translation>
    </message>
    <message>
        <source>The JPEG file cannot be made</source>
        <translation>JPEGファイルを作れません</translation>
    </message>
    <message>
        <source>The rows to read are not valid</source>
        <translation>読み込む行の指定が正しくありません</translation>
    </message>
    <message>
        <source>Not a BMP file</source>
        <translation>BMPファイルではありません</translation>
    </message>
    <message>
        <source>The BMP file is cut short</source>
        <translation>BMPファイルが途中で切れています</translation>
    </message>
    <message>
        <source>The BMP file is damaged</source>
        <translation>BMPファイルが壊れています</translation>
    </message>
    <message>
        <source>The destination folder cannot be found</source>
        <translation>保存先のフォルダが見当たりません</translation>
    </message>
    <message>
        <source>The file cannot be written</source>
        <translation>ファイルを書き込めません</translation>
    </message>
    <message>
        <source>Not enough free space at the destination</source>
        <translation>保存先の空き容量が足りません</translation>
    </message>
    <message>
        <source>A file of that name exists</source>
        <translation>同名ファイルがあります</translation>
    </message>
    <message>
        <source>The name cannot be changed</source>
        <translation>名前を変更できません</translation>
    </message>
    <message>
        <source>A file cannot be copied onto itself</source>
        <translation>同じファイルにはコピーできません</translation>
    </message>
</context>
<context>
    <name>model</name>
    <message>
        <source>Renamed, they can be opened.</source>
        <translation>名前を付け直すと開けます。</translation>
    </message>
    <message>
        <source>%1 files and %2 folders whose names are not UTF-8 cannot be shown.</source>
        <translation>名前が UTF-8 でないファイル %1 個とフォルダ %2 個は表示できません。</translation>
    </message>
    <message>
        <source>%1 files whose names are not UTF-8 cannot be listed.</source>
        <translation>名前が UTF-8 でないファイル %1 個は一覧に出せません。</translation>
    </message>
    <message>
        <source>%1 folders whose names are not UTF-8 cannot be shown in the tree.</source>
        <translation>名前が UTF-8 でないフォルダ %1 個はツリーに出せません。</translation>
    </message>
    <message>
        <source>and %1 more</source>
        <translation>ほか %1 個</translation>
    </message>
    <message>
        <source>%1 cannot be kept as %2 (%3)</source>
        <translation>%1 を %2 として残せません (%3)</translation>
    </message>
    <message>
        <source>Cannot be opened: the name is not UTF-8</source>
        <translation>名前が UTF-8 でないため開けません</translation>
    </message>
    <message>
        <source>The link leads nowhere</source>
        <translation>リンク先が見当たりません</translation>
    </message>
    <message>
        <source>What the link leads to cannot be opened</source>
        <translation>リンク先を開けません</translation>
    </message>
</context>
<context>
    <name>program</name>
    <message>
        <source>Usage: quillfold [options] [FOLDER]
Quillfold %1: splits the two-page spreads of your own book scans (JPEG/BMP)
into pages, trims their margins, crops and renames them.

Options:
  -h, --help            Show this help and exit.
  -v, --version         Show the version and exit.
  --language ja|en      The interface in Japanese or English. By default
                        Japanese when the locale (LANGUAGE, LC_ALL,
                        LC_MESSAGES, LANG) is Japanese, English otherwise.
  --in-config-folder    Start in the configuration folder
                        $XDG_CONFIG_HOME/quillfold (by default
                        ~/.config/quillfold), made when missing. The desktop
                        menu starts Quillfold this way.

FOLDER: a folder of scans, opened at start.
Quillfold keeps its settings file Quillfold.ini in the folder it is started
from. Qt&apos;s standard options (-platform, -style, ...) work too.
</source>
        <translation>Usage: quillfold [options] [FOLDER]
Quillfold %1: 自炊した本のスキャン画像 (JPEG/BMP) を見開きからページに分け、
余白を取り、トリミングし、名前を付け替えます。

Options:
  -h, --help            このヘルプを表示して終了します。
  -v, --version         バージョンを表示して終了します。
  --language ja|en      表示の言語 (日本語か英語)。既定はロケール (LANGUAGE,
                        LC_ALL, LC_MESSAGES, LANG) が日本語なら日本語、
                        それ以外は英語です。
  --in-config-folder    設定フォルダ $XDG_CONFIG_HOME/quillfold (既定は
                        ~/.config/quillfold) を無ければ作り、そこで起動します。
                        デスクトップのメニューからはこの起動になります。

FOLDER: 起動時に開くスキャン画像のフォルダ。
設定ファイル Quillfold.ini は起動したフォルダに置かれます。
Qt の標準オプション (-platform, -style など) も使えます。
</translation>
    </message>
    <message>
        <source>quillfold: %1
see quillfold --help
</source>
        <translation>quillfold: %1
quillfold --help で使い方を表示します
</translation>
    </message>
    <message>
        <source>the option %1 cannot be used: %2</source>
        <translation>オプション %1 は使えません: %2</translation>
    </message>
    <message>
        <source>the language %1 is not ja or en</source>
        <translation>言語 %1 は ja か en ではありません</translation>
    </message>
    <message>
        <source>unexpected argument %1</source>
        <translation>引数 %1 は使えません</translation>
    </message>
    <message>
        <source>quillfold: cannot make or enter the configuration folder %1
</source>
        <translation>quillfold: 設定フォルダ %1 を作れないか開けません
</translation>
    </message>
</context>
<context>
    <name>settings</name>
    <message>
        <source>The file is too large</source>
        <translation>ファイルが大きすぎます</translation>
    </message>
</context>
<context>
    <name>split</name>
    <message>
        <source>Done</source>
        <translation>完了</translation>
    </message>
    <message numerus="yes">
        <source>Done (%n could not be processed)</source>
        <translation>
            <numerusform>完了（%n件は処理できませんでした）</numerusform>
        </translation>
    </message>
    <message>
        <source>Not saved: a page of %1 would replace a source picture</source>
        <translation>%1 のページが元の画像を上書きしてしまうため保存しませんでした</translation>
    </message>
    <message>
        <source>Not saved: a page of %1 has the name of a page of %2</source>
        <translation>%1 のページは %2 のページと同じ名前のため保存しませんでした</translation>
    </message>
    <message>
        <source>The picture is too small to split</source>
        <translation>画像が小さすぎて分割できません</translation>
    </message>
    <message>
        <source>the picture is too small to cut on its block grid</source>
        <translation>画像が小さすぎてブロックの区切りで分割できません</translation>
    </message>
    <message>
        <source>the quarter turn needs whole blocks at the page&apos;s edge, and the picture ends there off the block grid</source>
        <translation>90度回転にはページの端がブロックの区切りにある必要がありますが、画像の端がブロックの区切りにありません</translation>
    </message>
    <message>
        <source>the JPEG&apos;s colours are CMYK or unknown, which are not kept</source>
        <translation>JPEGの色がCMYKまたは不明のため、そのままでは保存できません</translation>
    </message>
    <message>
        <source>%1 of %2 JPEG pages lossless</source>
        <translation>JPEG %2 ページのうち %1 ページを無劣化で保存</translation>
    </message>
    <message>
        <source>%1: not lossless: %2</source>
        <translation>%1: 無劣化ではありません: %2</translation>
    </message>
    <message>
        <source>the page was straightened</source>
        <translation>傾きを直したため再圧縮しました</translation>
    </message>
    <message>
        <source>not cut</source>
        <translation>分割なし</translation>
    </message>
    <message>
        <source>cut %1 (gutter)</source>
        <translation>分割位置 %1 (ノド)</translation>
    </message>
    <message>
        <source>cut %1 (centre, no gutter found)</source>
        <translation>分割位置 %1 (中央、ノドが見つかりません)</translation>
    </message>
    <message>
        <source>cut %1 (centre)</source>
        <translation>分割位置 %1 (中央)</translation>
    </message>
    <message>
        <source>under %1 deg</source>
        <translation>%1 度未満</translation>
    </message>
    <message>
        <source>over the cap of %1 deg</source>
        <translation>上限 %1 度を超過</translation>
    </message>
    <message>
        <source>not confident</source>
        <translation>判定できません</translation>
    </message>
    <message>
        <source>%1 deg</source>
        <translation>%1 度</translation>
    </message>
    <message>
        <source>%1, %2: kept</source>
        <translation>%1、%2: そのまま</translation>
    </message>
    <message>
        <source>%1: cut at the centre, no gutter found</source>
        <translation>%1: ノドが見つからず中央で分割</translation>
    </message>
    <message numerus="yes">
        <source>%n page(s) kept as they were</source>
        <translation>
            <numerusform>%n ページはそのまま</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n image(s) cut at the centre</source>
        <translation>
            <numerusform>%n 枚は中央で分割</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>trimming</name>
    <message>
        <source>     [ Frame X:%1 Y:%2   Size %3x%4 ]</source>
        <translation>     [ 枠位置 X:%1 Y:%2   範囲 %3x%4 ]</translation>
    </message>
    <message>
        <source>[1]-[6] Step %1</source>
        <translation>[1]-[6] 枠移動量 %1</translation>
    </message>
    <message>
        <source>[T] Next: on</source>
        <translation>[T] 次表示 有効</translation>
    </message>
    <message>
        <source>[T] Next: off</source>
        <translation>[T] 次表示 無効</translation>
    </message>
    <message>
        <source>[N] Name_1</source>
        <translation>[N] 元名+_1</translation>
    </message>
    <message>
        <source>[N] Name_2</source>
        <translation>[N] 元名+_2</translation>
    </message>
    <message>
        <source>[N] Name</source>
        <translation>[N] 元名+なし</translation>
    </message>
    <message>
        <source>Working</source>
        <translation>処理中</translation>
    </message>
    <message>
        <source>Saved</source>
        <translation>保存 OK</translation>
    </message>
    <message>
        <source>Copying</source>
        <translation>コピー中</translation>
    </message>
    <message>
        <source>Copied</source>
        <translation>コピー OK</translation>
    </message>
    <message>
        <source>Outside the picture</source>
        <translation>範囲外 処理不能</translation>
    </message>
    <message>
        <source>No frame</source>
        <translation>範囲なし 処理不能</translation>
    </message>
    <message>
        <source>Out of memory</source>
        <translation>メモリ不足 処理不能</translation>
    </message>
    <message>
        <source>The folder trimming cannot be made</source>
        <translation>フォルダ trimming を作成できません</translation>
    </message>
    <message>
        <source>trimming leads to the source folder: not saved</source>
        <translation>trimming が元のフォルダを指しています 保存できません</translation>
    </message>
    <message>
        <source>[1]-[6] Step 100</source>
        <translation>[1]-[6] 枠移動量 100</translation>
    </message>
    <message>
        <source>[R] Reset frame</source>
        <translation>[R] 枠リセット</translation>
    </message>
    <message>
        <source>[Z] Back</source>
        <translation>[Z] 前</translation>
    </message>
    <message>
        <source>[X] Next</source>
        <translation>[X] 次</translation>
    </message>
    <message>
        <source>[W][A][S][D] Top left</source>
        <translation>[W][A][S][D] 左上</translation>
    </message>
    <message>
        <source>[Arrows] Bottom right</source>
        <translation>[十字] 右下</translation>
    </message>
    <message>
        <source>[Shift+Arrows] Whole</source>
        <translation>[Shift+十字] 全</translation>
    </message>
    <message>
        <source>[Space] Copy</source>
        <translation>[Space] コピー</translation>
    </message>
    <message>
        <source>[Enter] Trim</source>
        <translation>[Enter] トリミング</translation>
    </message>
    <message>
        <source>DblClick Close</source>
        <translation>DblClick 閉じる</translation>
    </message>
    <message>
        <source>Finding the gutter and the slant...</source>
        <translation>ノドと傾きを調べています...</translation>
    </message>
    <message>
        <source>[G] Cut &amp; slant</source>
        <translation>[G] 分割位置・傾き</translation>
    </message>
</context>
</TS>
