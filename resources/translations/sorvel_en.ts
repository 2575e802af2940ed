<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US" sourcelanguage="ja">
<context>
    <name>BookNames</name>
    <message>
        <source>無題</source>
        <translation>Untitled</translation>
    </message>
    <message>
        <source> - 二胡専用数字譜エディター『ソルベル』</source>
        <translation> - Sorvel Erhu Numbered-Notation Editor</translation>
    </message>
</context>
<context>
    <name>BookPrinter</name>
    <message>
        <source>印刷するページがありません。</source>
        <translation>There are no pages to print.</translation>
    </message>
    <message>
        <source>印刷を開始できませんでした。</source>
        <translation>Could not start printing.</translation>
    </message>
    <message>
        <source>
ファイル: %1</source>
        <translation>
File: %1</translation>
    </message>
    <message>
        <source>印刷中にエラーが発生しました。</source>
        <translation>An error occurred while printing.</translation>
    </message>
    <message>
        <source>二胡数字譜</source>
        <translation>Erhu numbered notation</translation>
    </message>
</context>
<context>
    <name>ColorChoice</name>
    <message>
        <source>黒</source>
        <translation>Black</translation>
    </message>
    <message>
        <source>暗い赤</source>
        <translation>Maroon</translation>
    </message>
    <message>
        <source>緑</source>
        <translation>Green</translation>
    </message>
    <message>
        <source>オリーブ</source>
        <translation>Olive</translation>
    </message>
    <message>
        <source>紺</source>
        <translation>Navy</translation>
    </message>
    <message>
        <source>紫</source>
        <translation>Purple</translation>
    </message>
    <message>
        <source>青緑</source>
        <translation>Teal</translation>
    </message>
    <message>
        <source>灰色</source>
        <translation>Gray</translation>
    </message>
    <message>
        <source>銀色</source>
        <translation>Silver</translation>
    </message>
    <message>
        <source>赤</source>
        <translation>Red</translation>
    </message>
    <message>
        <source>ライム</source>
        <translation>Lime</translation>
    </message>
    <message>
        <source>黄</source>
        <translation>Yellow</translation>
    </message>
    <message>
        <source>青</source>
        <translation>Blue</translation>
    </message>
    <message>
        <source>マゼンタ</source>
        <translation>Magenta</translation>
    </message>
    <message>
        <source>水色</source>
        <translation>Aqua</translation>
    </message>
    <message>
        <source>白</source>
        <translation>White</translation>
    </message>
    <message>
        <source>その他...</source>
        <translation>Other...</translation>
    </message>
    <message>
        <source>ユーザー定義</source>
        <translation>Custom</translation>
    </message>
</context>
<context>
    <name>EditCommands</name>
    <message>
        <source>曲に音符や小節線が無いため、シフトできません。</source>
        <translation>Cannot shift: the piece has no notes or bar lines.</translation>
    </message>
    <message>
        <source>グリッドの大きさが正しくないため、シフトできません。</source>
        <translation>Cannot shift: the grid size is not valid.</translation>
    </message>
    <message>
        <source>小節の幅が無いため、音長を自動セットできません。小節線の位置を確かめてください。</source>
        <translation>Cannot set lengths automatically because the bar has no width. Check the positions of the bar lines.</translation>
    </message>
</context>
<context>
    <name>EditorDialogs</name>
    <message>
        <source>ソルベル</source>
        <translation>Sorvel</translation>
    </message>
    <message>
        <source>ファイルの内容が変更されています。変更を保存しますか？</source>
        <translation>The file has been changed. Do you want to save the changes?</translation>
    </message>
</context>
<context>
    <name>FileAssociation</name>
    <message>
        <source>この場所のプログラムは登録できません: %1</source>
        <translation>A program in this location cannot be registered: %1</translation>
    </message>
</context>
<context>
    <name>FileDialogs</name>
    <message>
        <source>ソルベル数字譜ファイル(*.svl);;すべてのファイル(*.*)</source>
        <translation>Sorvel numbered-notation files (*.svl);;All files (*.*)</translation>
    </message>
    <message>
        <source>ソルベルスコアーデータ(*.svl);;すべてのファイル(*.*)</source>
        <translation>Sorvel score data (*.svl);;All files (*.*)</translation>
    </message>
    <message>
        <source>MusicXML(*.musicxml *.xml *.mxl);;すべてのファイル(*.*)</source>
        <translation>MusicXML (*.musicxml *.xml *.mxl);;All files (*.*)</translation>
    </message>
    <message>
        <source>MusicXML(*.musicxml);;すべてのファイル(*.*)</source>
        <translation>MusicXML (*.musicxml);;All files (*.*)</translation>
    </message>
    <message>
        <source>ビットマップ(*.bmp);;全てのファイル(*.*)</source>
        <translation>Bitmap (*.bmp);;All files (*.*)</translation>
    </message>
    <message>
        <source>PDF(*.pdf);;全てのファイル(*.*)</source>
        <translation>PDF (*.pdf);;All files (*.*)</translation>
    </message>
</context>
<context>
    <name>HelpOpener</name>
    <message>
        <source>ブラウザーでヘルプを表示できませんでした。
ヘルプの目次は次のファイルです。お使いのブラウザーで開いてください。
%1</source>
        <translation>Could not show the help in a browser.
The help contents page is the following file. Please open it in your browser.
%1</translation>
    </message>
    <message>
        <source>ヘルプのページがプログラムに含まれていません。</source>
        <translation>The help pages are not included in the program.</translation>
    </message>
    <message>
        <source>ヘルプのページを読み込めません。
%1</source>
        <translation>Cannot read the help page.
%1</translation>
    </message>
    <message>
        <source>ヘルプのページを書き込めません。
%1</source>
        <translation>Cannot write the help page.
%1</translation>
    </message>
    <message>
        <source>ヘルプを置くフォルダーが見つかりません。</source>
        <translation>Cannot find a folder to put the help in.</translation>
    </message>
</context>
<context>
    <name>ItemDialogs</name>
    <message>
        <source>小節数は、1 から 999 の数値を指定してください。</source>
        <translation>The number of bars must be from 1 to 999.</translation>
    </message>
    <message>
        <source>テンポは、10 から %1 の数値を指定してください。</source>
        <translation>Tempo must be a number from 10 to %1.</translation>
    </message>
</context>
<context>
    <name>MainMenu</name>
    <message>
        <source>ﾌｧｲﾙ(&amp;F)</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>ﾌﾞｯｸ新規作成(&amp;N)</source>
        <translation>&amp;New Book</translation>
    </message>
    <message>
        <source>ﾍﾟｰｼﾞ新規作成(&amp;M)</source>
        <translation>New Pa&amp;ge</translation>
    </message>
    <message>
        <source>前にﾍﾟｰｼﾞ挿入(&amp;F)</source>
        <translation>Insert Page Be&amp;fore</translation>
    </message>
    <message>
        <source>後ろにﾍﾟｰｼﾞ挿入(&amp;B)</source>
        <translation>Insert Page Af&amp;ter</translation>
    </message>
    <message>
        <source>開く(&amp;O)...</source>
        <translation>&amp;Open...</translation>
    </message>
    <message>
        <source>開き直す(&amp;R)</source>
        <translation>&amp;Reopen</translation>
    </message>
    <message>
        <source>上書き保存(&amp;S)</source>
        <translation>&amp;Save</translation>
    </message>
    <message>
        <source>名前を付けて保存(&amp;A)...</source>
        <translation>Save &amp;As...</translation>
    </message>
    <message>
        <source>ビットマップで保存(&amp;I)...</source>
        <translation>Save as B&amp;itmap...</translation>
    </message>
    <message>
        <source>PDFで保存(&amp;D)...</source>
        <translation>Save as P&amp;DF...</translation>
    </message>
    <message>
        <source>MusicXMLを読み込む(&amp;L)...</source>
        <translation>Import MusicXM&amp;L...</translation>
    </message>
    <message>
        <source>MusicXMLで保存(&amp;E)...</source>
        <translation>&amp;Export MusicXML...</translation>
    </message>
    <message>
        <source>ﾌﾟﾘﾝﾀｰ設定(&amp;U)...</source>
        <translation>Printer Set&amp;up...</translation>
    </message>
    <message>
        <source>印刷ﾌﾟﾚﾋﾞｭｰ(&amp;V)...</source>
        <translation>Print Pre&amp;view...</translation>
    </message>
    <message>
        <source>印刷(&amp;P)...</source>
        <translation>&amp;Print...</translation>
    </message>
    <message>
        <source>終了(&amp;X)</source>
        <translation>E&amp;xit</translation>
    </message>
    <message>
        <source>編集(&amp;E)</source>
        <translation>&amp;Edit</translation>
    </message>
    <message>
        <source>元に戻す(&amp;U)</source>
        <translation>&amp;Undo</translation>
    </message>
    <message>
        <source>やり直し(&amp;R)</source>
        <translation>&amp;Redo</translation>
    </message>
    <message>
        <source>切り取り(&amp;T)</source>
        <translation>Cu&amp;t</translation>
    </message>
    <message>
        <source>コピー(&amp;C)</source>
        <translation>&amp;Copy</translation>
    </message>
    <message>
        <source>貼り付け(&amp;P)</source>
        <translation>&amp;Paste</translation>
    </message>
    <message>
        <source>削除(&amp;D)</source>
        <translation>&amp;Delete</translation>
    </message>
    <message>
        <source>すべて選択(&amp;A)</source>
        <translation>Select &amp;All</translation>
    </message>
    <message>
        <source>同じ種類の記号選択(&amp;S)</source>
        <translation>&amp;Select Same Kind</translation>
    </message>
    <message>
        <source>上下位置合わせ(&amp;V)</source>
        <translation>Align &amp;Vertically</translation>
    </message>
    <message>
        <source>音長自動セット(&amp;L)</source>
        <translation>Set &amp;Lengths Automatically</translation>
    </message>
    <message>
        <source>挿入（右ｼﾌﾄ）(&amp;M)...</source>
        <translation>&amp;Insert (Shift Right)...</translation>
    </message>
    <message>
        <source>削除（左ｼﾌﾄ）(&amp;H)...</source>
        <translation>Delete (S&amp;hift Left)...</translation>
    </message>
    <message>
        <source>ﾂｰﾙ(&amp;T)</source>
        <translation>&amp;Tools</translation>
    </message>
    <message>
        <source>ｸﾞﾘｯﾄﾞｽﾅｯﾌﾟ(&amp;G)</source>
        <translation>Snap to &amp;Grid</translation>
    </message>
    <message>
        <source>グリッドを表示する</source>
        <translation>Show Grid</translation>
    </message>
    <message>
        <source>入力音符をモニターする(&amp;M)</source>
        <translation>&amp;Monitor Entered Notes</translation>
    </message>
    <message>
        <source>リズム入力(&amp;R)</source>
        <translation>&amp;Rhythm Entry</translation>
    </message>
    <message>
        <source>演奏(&amp;L)...</source>
        <translation>P&amp;lay...</translation>
    </message>
    <message>
        <source>ピアノ鍵盤(&amp;K)...</source>
        <translation>Piano &amp;Keyboard...</translation>
    </message>
    <message>
        <source>チューニング(&amp;T)...</source>
        <translation>&amp;Tuning...</translation>
    </message>
    <message>
        <source>ブック情報設定(&amp;B)...</source>
        <translation>&amp;Book Settings...</translation>
    </message>
    <message>
        <source>ﾍﾟｰｼﾞ情報設定(&amp;P)...</source>
        <translation>&amp;Page Settings...</translation>
    </message>
    <message>
        <source>ｵﾌﾟｼｮﾝ(&amp;O)...</source>
        <translation>&amp;Options...</translation>
    </message>
    <message>
        <source>ﾍﾙﾌﾟ(&amp;H)</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>操作説明(&amp;H)...</source>
        <translation>User &amp;Guide...</translation>
    </message>
    <message>
        <source>ﾊﾞｰｼﾞｮﾝ情報(&amp;A)...</source>
        <translation>&amp;About...</translation>
    </message>
</context>
<context>
    <name>PageBar</name>
    <message>
        <source>最初のﾍﾟｰｼﾞ(&amp;F)</source>
        <translation>&amp;First Page</translation>
    </message>
    <message>
        <source>前ﾍﾟｰｼﾞ(&amp;V)</source>
        <translation>Pre&amp;vious Page</translation>
    </message>
    <message>
        <source>次ﾍﾟｰｼﾞ(&amp;N)</source>
        <translation>&amp;Next Page</translation>
    </message>
    <message>
        <source>最後のﾍﾟｰｼﾞ(&amp;L)</source>
        <translation>&amp;Last Page</translation>
    </message>
    <message>
        <source>目次...(&amp;T)</source>
        <translation>Con&amp;tents...</translation>
    </message>
    <message>
        <source>前にﾍﾟｰｼﾞ挿入(&amp;F)</source>
        <translation>Insert Page Be&amp;fore</translation>
    </message>
    <message>
        <source>後ろにﾍﾟｰｼﾞ挿入(&amp;B)</source>
        <translation>Insert Page Af&amp;ter</translation>
    </message>
    <message>
        <source>ページ削除(&amp;D)</source>
        <translation>&amp;Delete Page</translation>
    </message>
    <message>
        <source>ページ移動...</source>
        <translation>Move Page...</translation>
    </message>
</context>
<context>
    <name>PaintBox</name>
    <message>
        <source>テキストボックスが重なっているため、ここには置けません。</source>
        <translation>Cannot place it here: it would overlap a text box.</translation>
    </message>
    <message>
        <source>この位置にある記号には置けません。</source>
        <translation>Cannot place it on the symbol at this position.</translation>
    </message>
    <message>
        <source>この記号は音符の上に置いてください。</source>
        <translation>Place this symbol on a note.</translation>
    </message>
    <message>
        <source>この記号は音符の上には置けません。</source>
        <translation>This symbol cannot be placed on a note.</translation>
    </message>
    <message>
        <source>この記号は伸ばしの「－」には付けられません。</source>
        <translation>This symbol cannot be attached to a sustain dash “－”.</translation>
    </message>
    <message>
        <source>ページからはみ出すため、ここには貼り付けられません。</source>
        <translation>Cannot paste here: it would extend beyond the page.</translation>
    </message>
    <message>
        <source>記号だけを貼り付けるときは、音符の上でクリックしてください。</source>
        <translation>To paste symbols only, click on a note.</translation>
    </message>
    <message>
        <source>この位置にある記号には貼り付けられません。</source>
        <translation>Cannot paste onto the symbol at this position.</translation>
    </message>
</context>
<context>
    <name>RecoveryController</name>
    <message>
        <source>確認</source>
        <translation type="vanished">Confirm</translation>
    </message>
</context>
<context>
    <name>SettingsValues</name>
    <message>
        <source>%1は、1 から %2 の数値を指定してください。</source>
        <translation>%1 must be a number from 1 to %2.</translation>
    </message>
    <message>
        <source>タイトル部分の高さ</source>
        <translation>Title height</translation>
    </message>
    <message>
        <source>余白（左）の巾</source>
        <translation>Left margin</translation>
    </message>
    <message>
        <source>一段あたりの小節数</source>
        <translation>Bars per row</translation>
    </message>
    <message>
        <source>小節ごとの分割数</source>
        <translation>Divisions per bar</translation>
    </message>
    <message>
        <source>１ページの段数</source>
        <translation>Rows per page</translation>
    </message>
    <message>
        <source>演奏速度は、1 から 300 の数値を指定してください。</source>
        <translation>Tempo must be a number from 1 to 300.</translation>
    </message>
    <message>
        <source>フォントサイズ</source>
        <translation>Font size</translation>
    </message>
    <message>
        <source>余白（上）の高さ</source>
        <translation>Top margin</translation>
    </message>
    <message>
        <source>余白（下）の高さ</source>
        <translation>Bottom margin</translation>
    </message>
    <message>
        <source>余白（右）の巾</source>
        <translation>Right margin</translation>
    </message>
    <message>
        <source>楽譜再生音のベロシティー</source>
        <translation>Score playback velocity</translation>
    </message>
    <message>
        <source>リズムチャンネル番号</source>
        <translation>Rhythm channel</translation>
    </message>
    <message>
        <source>クリック音（強）のベロシティー</source>
        <translation>Strong click velocity</translation>
    </message>
    <message>
        <source>クリック音（弱）のベロシティー</source>
        <translation>Weak click velocity</translation>
    </message>
    <message>
        <source>指番号</source>
        <translation>Fingering</translation>
    </message>
    <message>
        <source>強弱記号（ppp～fff）</source>
        <translation>Dynamics (ppp–fff)</translation>
    </message>
    <message>
        <source>クレッシェンド</source>
        <translation>Crescendos</translation>
    </message>
    <message>
        <source>スラー</source>
        <translation>Slurs</translation>
    </message>
    <message>
        <source>装飾音</source>
        <translation>Grace notes</translation>
    </message>
    <message>
        <source>演奏速度</source>
        <translation>Tempo</translation>
    </message>
    <message>
        <source>分岐</source>
        <translation>Jump marks</translation>
    </message>
    <message>
        <source>弓</source>
        <translation>Bowing</translation>
    </message>
    <message>
        <source>弦</source>
        <translation>Strings</translation>
    </message>
    <message>
        <source>三連符</source>
        <translation>Triplets</translation>
    </message>
    <message>
        <source>括弧</source>
        <translation>Ending brackets</translation>
    </message>
</context>
<context>
    <name>TfrmInsDel</name>
    <message>
        <source>挿入</source>
        <translation>Insert</translation>
    </message>
    <message>
        <source>空白を挿入し、以降の音符を右にシフトします</source>
        <translation>Inserts space and shifts the following notes to the right</translation>
    </message>
    <message>
        <source>挿入数</source>
        <translation>Number to insert</translation>
    </message>
    <message>
        <source>単位</source>
        <translation>Unit</translation>
    </message>
    <message>
        <source>小節</source>
        <translation>bars</translation>
    </message>
    <message>
        <source>グリッド</source>
        <translation>grid steps</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>キャンセル</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>TfrmPlay</name>
    <message>
        <source>演奏コントロール</source>
        <translation>Playback Control</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Play</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stop</translation>
    </message>
    <message>
        <source>楽譜の速度で演奏する</source>
        <translation>Play at the score&apos;s tempo</translation>
    </message>
    <message>
        <source>速度：</source>
        <translation>Tempo:</translation>
    </message>
    <message>
        <source>演奏開始時クリック音</source>
        <translation>Count-in clicks</translation>
    </message>
    <message>
        <source>小節数：</source>
        <translation>Bars:</translation>
    </message>
    <message>
        <source>ﾘﾋﾟｰﾄ記号 D.C. D.S. を無視して演奏する</source>
        <translation>Ignore repeat signs, D.C. and D.S.</translation>
    </message>
    <message>
        <source>演奏回数：</source>
        <translation>Play count:</translation>
    </message>
    <message>
        <source>繰返し時、開始クリック音を鳴らさない</source>
        <translation>No count-in when repeating</translation>
    </message>
    <message>
        <source>MUTE</source>
        <translation>MUTE</translation>
    </message>
    <message>
        <source>メトロノーム</source>
        <translation>Metronome</translation>
    </message>
    <message>
        <source>楽譜データ</source>
        <translation>Score</translation>
    </message>
    <message>
        <source>PlayBias：</source>
        <translation>Transpose:</translation>
    </message>
    <message>
        <source>楽器：</source>
        <translation>Instrument:</translation>
    </message>
    <message>
        <source>表情をつけて演奏する</source>
        <translation>Play expressively</translation>
    </message>
</context>
<context>
    <name>TfrmPreview</name>
    <message>
        <source>プレビュー</source>
        <translation>Preview</translation>
    </message>
    <message>
        <source>最初のページ(&amp;F)</source>
        <translation>&amp;First Page</translation>
    </message>
    <message>
        <source>前ページ(&amp;V)</source>
        <translation>Pre&amp;vious Page</translation>
    </message>
    <message>
        <source>1</source>
        <translation>1</translation>
    </message>
    <message>
        <source>次ページ(&amp;N)</source>
        <translation>&amp;Next Page</translation>
    </message>
    <message>
        <source>最後のページ(&amp;L)</source>
        <translation>&amp;Last Page</translation>
    </message>
    <message>
        <source>閉じる(&amp;C)</source>
        <translation>&amp;Close</translation>
    </message>
    <message>
        <source>印刷(&amp;P)...</source>
        <translation>&amp;Print...</translation>
    </message>
    <message>
        <source>拡大</source>
        <translation>Zoom</translation>
    </message>
</context>
<context>
    <name>TfrmSetBarNum</name>
    <message>
        <source>小節数入力</source>
        <translation>Number of Bars</translation>
    </message>
    <message>
        <source>小節数</source>
        <translation>Bars</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>キャンセル</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>TfrmSetInfo</name>
    <message>
        <source>ブック情報設定</source>
        <translation>Book Settings</translation>
    </message>
    <message>
        <source>タイトル</source>
        <translation>Title</translation>
    </message>
    <message>
        <source>作曲者</source>
        <translation>Composer</translation>
    </message>
    <message>
        <source>調</source>
        <translation>Key</translation>
    </message>
    <message>
        <source>演奏速度</source>
        <translation>Tempo</translation>
    </message>
    <message>
        <source>♩＝</source>
        <translation>♩＝</translation>
    </message>
    <message>
        <source>フォントサイズ</source>
        <translation>Font size</translation>
    </message>
    <message>
        <source> 9</source>
        <translation> 9</translation>
    </message>
    <message>
        <source>10</source>
        <translation>10</translation>
    </message>
    <message>
        <source>11</source>
        <translation>11</translation>
    </message>
    <message>
        <source>12</source>
        <translation>12</translation>
    </message>
    <message>
        <source>14</source>
        <translation>14</translation>
    </message>
    <message>
        <source>16</source>
        <translation>16</translation>
    </message>
    <message>
        <source>18</source>
        <translation>18</translation>
    </message>
    <message>
        <source>20</source>
        <translation>20</translation>
    </message>
    <message>
        <source>22</source>
        <translation>22</translation>
    </message>
    <message>
        <source>24</source>
        <translation>24</translation>
    </message>
    <message>
        <source>26</source>
        <translation>26</translation>
    </message>
    <message>
        <source>28</source>
        <translation>28</translation>
    </message>
    <message>
        <source>36</source>
        <translation>36</translation>
    </message>
    <message>
        <source>48</source>
        <translation>48</translation>
    </message>
    <message>
        <source>72</source>
        <translation>72</translation>
    </message>
    <message>
        <source>タイトル部分の高さ</source>
        <translation>Title height</translation>
    </message>
    <message>
        <source>余白（上）</source>
        <translation>Top margin</translation>
    </message>
    <message>
        <source>余白（下）</source>
        <translation>Bottom margin</translation>
    </message>
    <message>
        <source>余白（左）</source>
        <translation>Left margin</translation>
    </message>
    <message>
        <source>余白（右）</source>
        <translation>Right margin</translation>
    </message>
    <message>
        <source>１段あたりの小節数</source>
        <translation>Bars per row</translation>
    </message>
    <message>
        <source>１小節内の目盛り数</source>
        <translation>Divisions per bar</translation>
    </message>
    <message>
        <source>１ページの段数</source>
        <translation>Rows per page</translation>
    </message>
    <message>
        <source>指番号も表示する</source>
        <translation>Also show fingering</translation>
    </message>
    <message>
        <source>指番号</source>
        <translation>Fingering</translation>
    </message>
    <message>
        <source>強弱記号（ppp～fff）も表示する</source>
        <translation>Also show dynamics (ppp–fff)</translation>
    </message>
    <message>
        <source>強弱記号（ppp～fff）</source>
        <translation>Dynamics (ppp–fff)</translation>
    </message>
    <message>
        <source>クレッシェンドも表示する</source>
        <translation>Also show crescendos</translation>
    </message>
    <message>
        <source>クレッシェンド</source>
        <translation>Crescendos</translation>
    </message>
    <message>
        <source>スラーも表示する</source>
        <translation>Also show slurs</translation>
    </message>
    <message>
        <source>スラー</source>
        <translation>Slurs</translation>
    </message>
    <message>
        <source>装飾音も表示する</source>
        <translation>Also show grace notes</translation>
    </message>
    <message>
        <source>装飾音</source>
        <translation>Grace notes</translation>
    </message>
    <message>
        <source>演奏速度も表示する</source>
        <translation>Also show tempo</translation>
    </message>
    <message>
        <source>分岐も表示する</source>
        <translation>Also show jump marks</translation>
    </message>
    <message>
        <source>分岐</source>
        <translation>Jump marks</translation>
    </message>
    <message>
        <source>弓も表示する</source>
        <translation>Also show bowing</translation>
    </message>
    <message>
        <source>弓</source>
        <translation>Bowing</translation>
    </message>
    <message>
        <source>弦も表示する</source>
        <translation>Also show strings</translation>
    </message>
    <message>
        <source>弦</source>
        <translation>Strings</translation>
    </message>
    <message>
        <source>三連符も表示する</source>
        <translation>Also show triplets</translation>
    </message>
    <message>
        <source>三連符</source>
        <translation>Triplets</translation>
    </message>
    <message>
        <source>括弧も表示する</source>
        <translation>Also show ending brackets</translation>
    </message>
    <message>
        <source>括弧</source>
        <translation>Ending brackets</translation>
    </message>
    <message>
        <source>高さ</source>
        <translation>Height</translation>
    </message>
    <message>
        <source>320 %</source>
        <translation>320 %</translation>
    </message>
    <message>
        <source>270 %</source>
        <translation>270 %</translation>
    </message>
    <message>
        <source>220 %</source>
        <translation>220 %</translation>
    </message>
    <message>
        <source>170 %</source>
        <translation>170 %</translation>
    </message>
    <message>
        <source>120 %</source>
        <translation>120 %</translation>
    </message>
    <message>
        <source>-120 %</source>
        <translation>-120 %</translation>
    </message>
    <message>
        <source>-170 %</source>
        <translation>-170 %</translation>
    </message>
    <message>
        <source>カーソル設定</source>
        <translation>Cursor</translation>
    </message>
    <message>
        <source>カーソル右移動時に小節線をスキップする</source>
        <translation>Skip bar lines when moving the cursor right</translation>
    </message>
    <message>
        <source>ピアノ鍵盤</source>
        <translation>Piano Keyboard</translation>
    </message>
    <message>
        <source>ピアノ鍵盤に音階名を表示する</source>
        <translation>Show note names on the piano keyboard</translation>
    </message>
    <message>
        <source>マウス右ボタンクリックの動作</source>
        <translation>Right-click action</translation>
    </message>
    <message>
        <source>クリックされた鍵盤の音階を鳴らす</source>
        <translation>Sound the clicked key</translation>
    </message>
    <message>
        <source>音符入力用のカーソルをひとつ右に移動する</source>
        <translation>Move the note-entry cursor one step right</translation>
    </message>
    <message>
        <source>開放弦の指番号として使用する記号</source>
        <translation>Symbol used as the open-string fingering</translation>
    </message>
    <message>
        <source>T</source>
        <translation>T</translation>
    </message>
    <message>
        <source>.</source>
        <translation>.</translation>
    </message>
    <message>
        <source>拡張子関連付け</source>
        <translation>File association</translation>
    </message>
    <message>
        <source>ソルベル数字譜ファイル（svl）の関連付けを登録します</source>
        <translation>Associates Sorvel numbered-notation files (svl) with this program</translation>
    </message>
    <message>
        <source>関連付け登録</source>
        <translation>Register</translation>
    </message>
    <message>
        <source>関連付け登録解除</source>
        <translation>Unregister</translation>
    </message>
    <message>
        <source>楽譜の文字の色</source>
        <translation>Score text color</translation>
    </message>
    <message>
        <source>グリッドの色</source>
        <translation>Grid color</translation>
    </message>
    <message>
        <source>カーソル文字の色</source>
        <translation>Cursor text color</translation>
    </message>
    <message>
        <source>ラバーバンドの色</source>
        <translation>Selection rectangle color</translation>
    </message>
    <message>
        <source>演奏時カーソル</source>
        <translation>Playback cursor</translation>
    </message>
    <message>
        <source>色</source>
        <translation>Color</translation>
    </message>
    <message>
        <source>太さ</source>
        <translation>Width</translation>
    </message>
    <message>
        <source>表示モード</source>
        <translation>Display mode</translation>
    </message>
    <message>
        <source>上書表示</source>
        <translation>Overlay</translation>
    </message>
    <message>
        <source>反転表示</source>
        <translation>Invert</translation>
    </message>
    <message>
        <source>出力デバイス</source>
        <translation>Output device</translation>
    </message>
    <message>
        <source>クリック音設定</source>
        <translation>Click sound</translation>
    </message>
    <message>
        <source>リズムチャンネル番号</source>
        <translation>Rhythm channel</translation>
    </message>
    <message>
        <source>強</source>
        <translation>Strong</translation>
    </message>
    <message>
        <source>音色</source>
        <translation>Sound</translation>
    </message>
    <message>
        <source>ベロシティ</source>
        <translation>Velocity</translation>
    </message>
    <message>
        <source>試聴</source>
        <translation>Listen</translation>
    </message>
    <message>
        <source>押している間、クリック音を鳴らします</source>
        <translation>Sounds the click while pressed</translation>
    </message>
    <message>
        <source>弱</source>
        <translation>Weak</translation>
    </message>
    <message>
        <source>楽譜再生音設定</source>
        <translation>Score playback</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>キャンセル</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>言語</source>
        <translation>Language</translation>
    </message>
    <message>
        <source>次回の起動時から有効になります。</source>
        <translation>Takes effect at the next start.</translation>
    </message>
</context>
<context>
    <name>TfrmSetNote</name>
    <message>
        <source>音符設定</source>
        <translation>Note Settings</translation>
    </message>
    <message>
        <source>臨時記号と付点は、ドラッグして位置を変えられます。</source>
        <translation>Drag accidentals and dots to change their position.</translation>
    </message>
    <message>
        <source>この設定を今後の規定値とする</source>
        <translation>Use these settings as the default from now on</translation>
    </message>
    <message>
        <source>この設定を全ての音符に適用する</source>
        <translation>Apply these settings to all notes</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>キャンセル</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>TfrmSetTempo</name>
    <message>
        <source>テンポ入力</source>
        <translation>Tempo</translation>
    </message>
    <message>
        <source>テンポ</source>
        <translation>Tempo</translation>
    </message>
    <message>
        <source>単位</source>
        <translation>Unit</translation>
    </message>
    <message>
        <source>回/分</source>
        <translation>BPM</translation>
    </message>
    <message>
        <source>％</source>
        <translation>％</translation>
    </message>
    <message>
        <source>印刷しない</source>
        <translation>Do not print</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>キャンセル</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>TfrmSetText</name>
    <message>
        <source>テキスト入力</source>
        <translation>Text</translation>
    </message>
    <message>
        <source>フォント名</source>
        <translation>Font</translation>
    </message>
    <message>
        <source>フォントサイズ</source>
        <translation>Font size</translation>
    </message>
    <message>
        <source> 6</source>
        <translation> 6</translation>
    </message>
    <message>
        <source> 7</source>
        <translation> 7</translation>
    </message>
    <message>
        <source> 8</source>
        <translation> 8</translation>
    </message>
    <message>
        <source> 9</source>
        <translation> 9</translation>
    </message>
    <message>
        <source>10</source>
        <translation>10</translation>
    </message>
    <message>
        <source>11</source>
        <translation>11</translation>
    </message>
    <message>
        <source>12</source>
        <translation>12</translation>
    </message>
    <message>
        <source>14</source>
        <translation>14</translation>
    </message>
    <message>
        <source>16</source>
        <translation>16</translation>
    </message>
    <message>
        <source>18</source>
        <translation>18</translation>
    </message>
    <message>
        <source>20</source>
        <translation>20</translation>
    </message>
    <message>
        <source>22</source>
        <translation>22</translation>
    </message>
    <message>
        <source>24</source>
        <translation>24</translation>
    </message>
    <message>
        <source>26</source>
        <translation>26</translation>
    </message>
    <message>
        <source>28</source>
        <translation>28</translation>
    </message>
    <message>
        <source>36</source>
        <translation>36</translation>
    </message>
    <message>
        <source>48</source>
        <translation>48</translation>
    </message>
    <message>
        <source>72</source>
        <translation>72</translation>
    </message>
    <message>
        <source>枠の太さ</source>
        <translation>Border thickness</translation>
    </message>
    <message>
        <source>0</source>
        <translation>0</translation>
    </message>
    <message>
        <source>1</source>
        <translation>1</translation>
    </message>
    <message>
        <source>2</source>
        <translation>2</translation>
    </message>
    <message>
        <source>3</source>
        <translation>3</translation>
    </message>
    <message>
        <source>4</source>
        <translation>4</translation>
    </message>
    <message>
        <source>枠の巾</source>
        <translation>Box width</translation>
    </message>
    <message>
        <source>枠の高さ</source>
        <translation>Box height</translation>
    </message>
    <message>
        <source>行間隔</source>
        <translation>Line spacing</translation>
    </message>
    <message>
        <source>  0%</source>
        <translation>  0%</translation>
    </message>
    <message>
        <source> 10%</source>
        <translation> 10%</translation>
    </message>
    <message>
        <source> 20%</source>
        <translation> 20%</translation>
    </message>
    <message>
        <source> 30%</source>
        <translation> 30%</translation>
    </message>
    <message>
        <source> 40%</source>
        <translation> 40%</translation>
    </message>
    <message>
        <source> 50%</source>
        <translation> 50%</translation>
    </message>
    <message>
        <source> 60%</source>
        <translation> 60%</translation>
    </message>
    <message>
        <source> 70%</source>
        <translation> 70%</translation>
    </message>
    <message>
        <source> 80%</source>
        <translation> 80%</translation>
    </message>
    <message>
        <source> 90%</source>
        <translation> 90%</translation>
    </message>
    <message>
        <source>100%</source>
        <translation>100%</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>キャンセル</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>TfrmSetdaon</name>
    <message>
        <source>設定</source>
        <translation>Settings</translation>
    </message>
    <message>
        <source>指番号</source>
        <translation>Fingering</translation>
    </message>
    <message>
        <source>音程</source>
        <translation>Pitch</translation>
    </message>
    <message>
        <source>オクターブ</source>
        <translation>Octave</translation>
    </message>
    <message>
        <source>１音目</source>
        <translation>Note 1</translation>
    </message>
    <message>
        <source>3</source>
        <translation>3</translation>
    </message>
    <message>
        <source>2</source>
        <translation>2</translation>
    </message>
    <message>
        <source>1</source>
        <translation>1</translation>
    </message>
    <message>
        <source>0</source>
        <translation>0</translation>
    </message>
    <message>
        <source>-1</source>
        <translation>-1</translation>
    </message>
    <message>
        <source>-2</source>
        <translation>-2</translation>
    </message>
    <message>
        <source>２音目</source>
        <translation>Note 2</translation>
    </message>
    <message>
        <source>３音目</source>
        <translation>Note 3</translation>
    </message>
    <message>
        <source>４音目</source>
        <translation>Note 4</translation>
    </message>
    <message>
        <source>音長</source>
        <translation>Length</translation>
    </message>
    <message>
        <source>&#x3000;８分音符</source>
        <translation>eighth note</translation>
    </message>
    <message>
        <source>１６分音符</source>
        <translation>16th note</translation>
    </message>
    <message>
        <source>３２分音符</source>
        <translation>32nd note</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>キャンセル</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>TfrmTableOfContent</name>
    <message>
        <source>目次</source>
        <translation>Contents</translation>
    </message>
    <message>
        <source>&#x3000;&#x3000;曲&#x3000;&#x3000;名</source>
        <translation>Title</translation>
    </message>
    <message>
        <source> 調</source>
        <translation>Key</translation>
    </message>
    <message>
        <source>&#x3000;作&#x3000;曲&#x3000;者</source>
        <translation>Composer</translation>
    </message>
    <message>
        <source>ページ</source>
        <translation>Page</translation>
    </message>
    <message>
        <source>閉じる</source>
        <translation>Close</translation>
    </message>
</context>
<context>
    <name>TfrmTuning</name>
    <message>
        <source>チューニング</source>
        <translation>Tuning</translation>
    </message>
    <message>
        <source>内弦</source>
        <translation>Inner string</translation>
    </message>
    <message>
        <source>外弦</source>
        <translation>Outer string</translation>
    </message>
    <message>
        <source>閉じる</source>
        <translation>Close</translation>
    </message>
</context>
<context>
    <name>ToolBar</name>
    <message>
        <source>ﾍﾟｰｼﾞ新規作成</source>
        <translation>New Page</translation>
    </message>
    <message>
        <source>印刷</source>
        <translation>Print</translation>
    </message>
    <message>
        <source>開く</source>
        <translation>Open</translation>
    </message>
    <message>
        <source>元に戻す</source>
        <translation>Undo</translation>
    </message>
    <message>
        <source>上書き保存</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>やり直し</source>
        <translation>Redo</translation>
    </message>
    <message>
        <source>カーソル表示</source>
        <translation>Show Key Cursor</translation>
    </message>
    <message>
        <source>再生</source>
        <translation>Play</translation>
    </message>
</context>
<context>
    <name>sorvel::MusicXmlCommands</name>
    <message>
        <source>MusicXMLを読み込む</source>
        <translation>Import MusicXML</translation>
    </message>
    <message>
        <source>この楽譜にはパートが %1 個あります。読み込むパートを選んでください:</source>
        <translation>This score has %1 parts. Choose the part to import:</translation>
    </message>
    <message>
        <source>（名前なし）</source>
        <translation>(no name)</translation>
    </message>
    <message>
        <source>（音符なし）</source>
        <translation> (no notes)</translation>
    </message>
    <message>
        <source>MusicXMLで保存しました: %1</source>
        <translation>Exported MusicXML: %1</translation>
    </message>
</context>
<context>
    <name>sorvel::PlaybackController</name>
    <message>
        <source>再生</source>
        <translation>Play</translation>
    </message>
    <message>
        <source>停止</source>
        <translation>Stop</translation>
    </message>
    <message>
        <source>音声出力を開けないため、演奏とモニター音は使えません。</source>
        <translation>Cannot open the audio output, so playback and note monitoring are not available.</translation>
    </message>
</context>
<context>
    <name>sorvel::PrintCommands</name>
    <message>
        <source>PDFを作成しています...</source>
        <translation>Creating PDF...</translation>
    </message>
    <message>
        <source>キャンセル</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>PDFで保存</source>
        <translation>Save as PDF</translation>
    </message>
    <message>
        <source>%1 に印刷しました。</source>
        <translation>Printed to %1.</translation>
    </message>
    <message>
        <source>ビットマップファイルを保存できませんでした。
%1</source>
        <translation>Could not save the bitmap file.
%1</translation>
    </message>
    <message>
        <source>%1 に保存しました。</source>
        <translation>Saved to %1.</translation>
    </message>
    <message>
        <source>PDFの保存を取り消しました。</source>
        <translation>Saving the PDF was cancelled.</translation>
    </message>
    <message>
        <source>PDFファイルを保存できませんでした。
%1</source>
        <translation>Could not save the PDF file.
%1</translation>
    </message>
</context>
<context>
    <name>sorvel::RecoveryController</name>
    <message>
        <source>復元用のコピーを書き込めません（%1）。異常終了すると変更が失われます。こまめに保存してください。</source>
        <translation>Cannot write the recovery copy (%1). If the program ends abnormally, your changes will be lost. Please save often.</translation>
    </message>
    <message>
        <source>復元用のコピーを再び書き込めるようになりました。</source>
        <translation>The recovery copy can be written again.</translation>
    </message>
    <message>
        <source>不明</source>
        <translation>unknown</translation>
    </message>
    <message>
        <source>前回の終了時に保存されていない変更があります。
復元しますか？

ファイル: %1
日時: %2

「いいえ」を選ぶと、この変更は破棄されます。「後で」を選ぶと、次回の起動時にもう一度確認します。</source>
        <translation>There are changes that were not saved when the program last ended.
Do you want to restore them?

File: %1
Date: %2

If you choose “No”, these changes will be discarded. If you choose “Later”, you will be asked again at the next start.</translation>
    </message>
    <message>
        <source>確認</source>
        <translation>Confirm</translation>
    </message>
    <message>
        <source>はい(&amp;Y)</source>
        <translation>&amp;Yes</translation>
    </message>
    <message>
        <source>いいえ(&amp;N)</source>
        <translation>&amp;No</translation>
    </message>
    <message>
        <source>後で(&amp;L)</source>
        <translation>&amp;Later</translation>
    </message>
    <message>
        <source>前回の終了時の復元用のコピーを読み込めませんでした。</source>
        <translation>Could not read the recovery copy left when the program last ended.</translation>
    </message>
    <message>
        <source>

コピーは次の名前で残してあります。次回からは確認しません。</source>
        <translation>

The copy has been kept under the following name. You will not be asked about it again.</translation>
    </message>
</context>
<context>
    <name>sorvel::TfrmInsDel</name>
    <message>
        <source>挿入</source>
        <translation>Insert</translation>
    </message>
    <message>
        <source>空白を挿入し、以降の音符を右にシフトします</source>
        <translation>Inserts space and shifts the following notes to the right</translation>
    </message>
    <message>
        <source>挿入数</source>
        <translation>Number to insert</translation>
    </message>
    <message>
        <source>削除</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>音符を削除し、以降の音符を左にシフトします</source>
        <translation>Deletes notes and shifts the following notes to the left</translation>
    </message>
    <message>
        <source>削除数</source>
        <translation>Number to delete</translation>
    </message>
    <message>
        <source>挿入する%1数がマイナスです。</source>
        <translation>The number to insert (%1) is negative.</translation>
    </message>
    <message>
        <source>挿入する%1数が１ページを超えています。</source>
        <translation>The number to insert (%1) exceeds one page.</translation>
    </message>
    <message>
        <source>削除する%1数がマイナスです。</source>
        <translation>The number to delete (%1) is negative.</translation>
    </message>
    <message>
        <source>削除する%1数が１ページを超えています。</source>
        <translation>The number to delete (%1) exceeds one page.</translation>
    </message>
</context>
<context>
    <name>sorvel::TfrmKeyBoard</name>
    <message>
        <source>ピアノ鍵盤</source>
        <translation>Piano Keyboard</translation>
    </message>
</context>
<context>
    <name>sorvel::TfrmMain</name>
    <message>
        <source>デフォルトのプリンターが登録されていませんので、印刷はできません。<byte value="xd"/>
<byte value="xd"/>
印刷以外の操作は通常通り行えます。</source>
        <translation>No default printer is set up, so printing is not possible.<byte value="xd"/>
<byte value="xd"/>
Everything other than printing works as usual.</translation>
    </message>
    <message>
        <source>ドロップするファイルは１個にしてください。</source>
        <translation>Drop only one file.</translation>
    </message>
    <message>
        <source>前回保存されなかった変更を復元しました。</source>
        <translation>Restored the changes that were not saved last time.</translation>
    </message>
    <message>
        <source>全音符</source>
        <translation>whole note</translation>
    </message>
    <message>
        <source>2分音符</source>
        <translation>half note</translation>
    </message>
    <message>
        <source>4分音符</source>
        <translation>quarter note</translation>
    </message>
    <message>
        <source>8分音符</source>
        <translation>eighth note</translation>
    </message>
    <message>
        <source>16分音符</source>
        <translation>16th note</translation>
    </message>
    <message>
        <source>32分音符</source>
        <translation>32nd note</translation>
    </message>
    <message>
        <source>64分音符</source>
        <translation>64th note</translation>
    </message>
    <message>
        <source>付点%1</source>
        <translation>dotted %1</translation>
    </message>
    <message>
        <source>リズム入力: %1</source>
        <translation>Rhythm entry: %1</translation>
    </message>
    <message>
        <source>リズム入力: %1（付点の後）→ %2</source>
        <translation>Rhythm entry: %1 (after the dot) → %2</translation>
    </message>
</context>
<context>
    <name>sorvel::TfrmPlay</name>
    <message>
        <source>MUTE(交互)</source>
        <translation>MUTE (alternate)</translation>
    </message>
</context>
<context>
    <name>sorvel::TfrmSetInfo</name>
    <message>
        <source>ブックタイトル</source>
        <translation>Book Title</translation>
    </message>
    <message>
        <source>ページプロパティ</source>
        <translation>Page Properties</translation>
    </message>
    <message>
        <source>表示位置</source>
        <translation>Positions</translation>
    </message>
    <message>
        <source>曲情報</source>
        <translation>Piece Info</translation>
    </message>
    <message>
        <source>一般</source>
        <translation>General</translation>
    </message>
    <message>
        <source>色</source>
        <translation>Color</translation>
    </message>
    <message>
        <source>MIDI設定</source>
        <translation>MIDI</translation>
    </message>
    <message>
        <source>ブック情報設定</source>
        <translation>Book Settings</translation>
    </message>
    <message>
        <source>ページ情報設定</source>
        <translation>Page Settings</translation>
    </message>
    <message>
        <source>オプション</source>
        <translation>Options</translation>
    </message>
    <message>
        <source>関連付けを登録できませんでした。</source>
        <translation>Could not register the file association.</translation>
    </message>
    <message>
        <source>関連付けを解除できませんでした。</source>
        <translation>Could not remove the file association.</translation>
    </message>
    <message>
        <source>自動（システムの言語）</source>
        <translation>Automatic (system language)</translation>
    </message>
</context>
<context>
    <name>sorvel::TfrmVersionInfo</name>
    <message>
        <source>ソルベル</source>
        <translation>Sorvel</translation>
    </message>
    <message>
        <source>二胡専用数字譜エディター『ソルベル』のバージョン情報</source>
        <translation>About Sorvel Erhu Numbered-Notation Editor</translation>
    </message>
    <message>
        <source>二胡専用数字譜エディター『ソルベル』</source>
        <translation>Sorvel Erhu Numbered-Notation Editor</translation>
    </message>
    <message>
        <source>このプログラムはフリーソフトウェアです。GNU 一般公衆利用許諾書（GPL）バージョン 3、またはそれ以降のバージョンの条件のもとで、再配布や改変ができます。保証は一切ありません。</source>
        <translation>This program is free software: you can redistribute it and/or modify it under the terms of the GNU General Public License (GPL), version 3 or any later version. It comes with absolutely no warranty.</translation>
    </message>
    <message>
        <source>GNU 一般公衆利用許諾書</source>
        <translation>GNU General Public License</translation>
    </message>
    <message>
        <source>ライセンス(&amp;L)...</source>
        <translation>&amp;License...</translation>
    </message>
</context>
<context>
    <name>sorvel::ToolPalette</name>
    <message>
        <source>メイン</source>
        <translation>Main</translation>
    </message>
    <message>
        <source>低</source>
        <translation>8vb</translation>
    </message>
    <message>
        <source>高</source>
        <translation>8va</translation>
    </message>
    <message>
        <source>短</source>
        <translation>½</translation>
    </message>
    <message>
        <source>長</source>
        <translation>×2</translation>
    </message>
    <message>
        <source>強弱記号</source>
        <translation>Dynamics</translation>
    </message>
    <message>
        <source>分岐記号</source>
        <translation>Jumps</translation>
    </message>
    <message>
        <source>奏法</source>
        <translation>Technique</translation>
    </message>
    <message>
        <source>速度記号</source>
        <translation>Tempo</translation>
    </message>
    <message>
        <source>拍子記号</source>
        <translation>Time Sig.</translation>
    </message>
    <message>
        <source>その他</source>
        <translation>Other</translation>
    </message>
    <message>
        <source>ツールなし (Esc)</source>
        <translation>No tool (Esc)</translation>
    </message>
    <message>
        <source>予備です</source>
        <translation>Reserved</translation>
    </message>
</context>
<context>
    <name>sorvel::app</name>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1（%2）</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>楽譜ファイルではありません（1 行目が楽譜のヘッダーではありません）。</source>
        <translation>Not a score file (the first line is not the score header).</translation>
    </message>
    <message>
        <source>ブックにページ %1 はありません（%2 ページまでです）。</source>
        <translation>The book has no page %1 (it has %2 pages).</translation>
    </message>
    <message>
        <source>楽譜を開くときと同じように読み込み、保存するときと同じように書き出します。</source>
        <translation>Reads a score exactly as opening it does and writes it exactly as saving does.</translation>
    </message>
    <message>
        <source>ページ N（既定は 1）を PNG 画像に書き出します。1 ページ単位が 1 ピクセルです。</source>
        <translation>Writes page N (by default 1) as a PNG image, one pixel per page unit.</translation>
    </message>
    <message>
        <source>ページ N（既定は 1）をビットマップ（BMP）画像に書き出します。</source>
        <translation>Writes page N (by default 1) as a bitmap (BMP) image.</translation>
    </message>
    <message>
        <source>ブックの全ページを、1 ページずつ PDF に書き出します。</source>
        <translation>Writes every page of the book to a PDF file, one PDF page each.</translation>
    </message>
    <message>
        <source>ページ N を含む曲を標準 MIDI ファイルに書き出します。</source>
        <translation>Writes the piece around page N as a Standard MIDI File.</translation>
    </message>
    <message>
        <source>ページ N を含む曲を内蔵シンセサイザーで演奏し、WAV（44.1 kHz、16 ビット、ステレオ）に書き出します。</source>
        <translation>Plays the piece around page N through the built-in synthesizer into a WAV file (44.1 kHz, 16-bit stereo).</translation>
    </message>
    <message>
        <source>五線譜（.musicxml、.xml、圧縮された .mxl）のパートを数字譜のブックにします。読み込んだものと省いたものを 1 行で知らせます。</source>
        <translation>Turns a part of a staff score (.musicxml, .xml or compressed .mxl) into a numbered-notation book, and says in one line what was read and what was left out.</translation>
    </message>
    <message>
        <source>ブックを二胡の記号つきで MusicXML 4.0 に書き出します。</source>
        <translation>Writes the book as MusicXML 4.0 with its erhu marks.</translation>
    </message>
    <message>
        <source>書き出すページ（1 から数えます）。演奏するコマンドでは、そのページを含む曲です。</source>
        <translation>The page to write, counted from 1; for the commands that play, the piece around that page.</translation>
    </message>
    <message>
        <source>読み込むパート（1 から数えます）。既定は音符のある最初のパートです。</source>
        <translation>The part to import, counted from 1; by default the first part with notes.</translation>
    </message>
    <message>
        <source>メトロノームの音を加えます。</source>
        <translation>Adds the metronome clicks.</translation>
    </message>
    <message>
        <source>二胡の記号（装飾音、トリル、スライド、ビブラート、強弱）をつけて演奏します。</source>
        <translation>Plays the erhu's marks: grace notes, trills, slides, vibrato and dynamics.</translation>
    </message>
    <message>
        <source>この説明を表示して終了します。</source>
        <translation>Shows this help and exits.</translation>
    </message>
    <message>
        <source>プログラムの名前とバージョンを表示して終了します。</source>
        <translation>Shows the program's name and version and exits.</translation>
    </message>
    <message>
        <source>これより後の引数はすべてファイル名です（- で始まるファイル名のため）。</source>
        <translation>Every argument after it is a file name (for names that start with -).</translation>
    </message>
    <message>
        <source>エディターが閉じられたか、コマンドが成功しました。</source>
        <translation>The editor was closed, or the command succeeded.</translation>
    </message>
    <message>
        <source>コマンドが失敗しました（読めない入力、書き込めない出力など）。エディターを開く画面がないときもこの値です。</source>
        <translation>The command failed (input that cannot be read, output that cannot be written, and so on); also when there is no display to open the editor on.</translation>
    </message>
    <message>
        <source>コマンドラインが誤っています（不明なオプション、足りない引数、誤った数）。</source>
        <translation>The command line is wrong (an unknown option, a missing argument, a bad number).</translation>
    </message>
    <message>
        <source>バッチコマンドは一度に一つだけです（%1 と %2）。</source>
        <translation>Only one batch command at a time (%1 and %2).</translation>
    </message>
    <message>
        <source>%1 というオプションはありません。sorvel --help を参照してください。</source>
        <translation>Unknown option %1. See sorvel --help.</translation>
    </message>
    <message>
        <source>%1 には 1 以上の数を指定してください。</source>
        <translation>%1 needs a number of 1 or more.</translation>
    </message>
    <message>
        <source>%2 では %1 は使えません。</source>
        <translation>%1 does not apply to %2.</translation>
    </message>
    <message>
        <source>%1 には入力ファイルと出力ファイルが必要です。</source>
        <translation>%1 needs an input and an output file.</translation>
    </message>
    <message>
        <source>%1 はバッチコマンドと一緒に使うオプションです。</source>
        <translation>%1 works only with a batch command.</translation>
    </message>
    <message>
        <source>警告: %1</source>
        <translation>warning: %1</translation>
    </message>
    <message>
        <source>エディターを開く画面がありません（DISPLAY が設定されていません）。バッチコマンドは画面なしで使えます。sorvel --help を参照してください。</source>
        <translation>There is no display to open the editor on (DISPLAY is not set). The batch commands work without one; see sorvel --help.</translation>
    </message>
    <message>
        <source>使い方:</source>
        <translation>Usage:</translation>
    </message>
    <message>
        <source>ファイルを指定するとそのブックを開いてエディターを起動します。バッチコマンドは画面なしで動きます。</source>
        <translation>Starts the editor, on the book FILE.svl when one is named. The batch commands work without a display.</translation>
    </message>
    <message>
        <source>バッチコマンド:</source>
        <translation>Batch commands:</translation>
    </message>
    <message>
        <source>オプション:</source>
        <translation>Options:</translation>
    </message>
    <message>
        <source>終了ステータス:</source>
        <translation>Exit status:</translation>
    </message>
    <message>
        <source>詳しくはマニュアル（man sorvel）を参照してください。</source>
        <translation>The manual page (man sorvel) says more.</translation>
    </message>
    <message>
        <source>ライセンス GPLv3+: GNU GPL バージョン 3 またはそれ以降 &lt;https://gnu.org/licenses/gpl.html&gt;</source>
        <translation>License GPLv3+: GNU GPL version 3 or later &lt;https://gnu.org/licenses/gpl.html&gt;</translation>
    </message>
    <message>
        <source>これはフリーソフトウェアです。自由に変更し、再配布できます。</source>
        <translation>This is free software: you are free to change and redistribute it.</translation>
    </message>
    <message>
        <source>法律で認められる範囲で、保証は一切ありません。</source>
        <translation>There is NO WARRANTY, to the extent permitted by law.</translation>
    </message>
    <message>
        <source>音楽フォントを読み込めませんでした。</source>
        <translation>The music font could not be loaded.</translation>
    </message>
    <message>
        <source>演奏が %1 時間以内に終わりませんでした。何も書き出していません。</source>
        <translation>The play did not end within %1 hours; nothing was written.</translation>
    </message>
    <message>
        <source>General MIDI の SoundFont がインストールされていません（fluid-soundfont-gm または timgm6mb-soundfont）。</source>
        <translation>No General MIDI SoundFont is installed (fluid-soundfont-gm or timgm6mb-soundfont).</translation>
    </message>
    <message>
        <source>SoundFont を読み込めませんでした。</source>
        <translation>The SoundFont could not be loaded.</translation>
    </message>
</context>
<context>
    <name>sorvel::base</name>
    <message>
        <source>%1、%2</source>
        <translation>%1, %2</translation>
    </message>
</context>
<context>
    <name>sorvel::interchange</name>
    <message>
        <source>調号の変更（臨時記号で書きました）</source>
        <translation>Key changes (written as accidentals)</translation>
    </message>
    <message>
        <source>装飾音の臨時記号</source>
        <translation>Accidentals on grace notes</translation>
    </message>
    <message>
        <source>5つ目からの装飾音</source>
        <translation>Grace notes after the fourth</translation>
    </message>
    <message>
        <source>終わりのないスラー</source>
        <translation>Slurs without an end</translation>
    </message>
    <message>
        <source>3つ組にならない3連符の音</source>
        <translation type="vanished">Triplet notes not in a group of three</translation>
    </message>
    <message>
        <source>対応していない記号 %1</source>
        <translation>Unsupported mark %1</translation>
    </message>
    <message>
        <source>装飾音の記号 %1</source>
        <translation>Grace-note mark %1</translation>
    </message>
    <message>
        <source>この形式にない拍子 %1</source>
        <translation>Unsupported time signature %1</translation>
    </message>
    <message>
        <source>読み込まなかったものはありません。</source>
        <translation>Nothing was left out.</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>読み込まなかったもの: %1。</source>
        <translation>Left out: %1.</translation>
    </message>
    <message>
        <source>MusicXMLを読み込みました（パート %1/%2、%3 小節、%4 音、%5 ページ）。%6</source>
        <translation type="vanished">Imported MusicXML (part %1/%2, %3 bars, %4 notes, %5 pages). %6</translation>
    </message>
    <message>
        <source>ファイルが大きすぎるため読み込めません。</source>
        <translation>The file is too large to read.</translation>
    </message>
    <message>
        <source>圧縮MusicXML（.mxl）の中に楽譜が見つかりません。</source>
        <translation>No score was found in the compressed MusicXML (.mxl) file.</translation>
    </message>
    <message>
        <source>タイムワイズ形式のMusicXMLには対応していません。パートワイズ形式で保存し直してください。</source>
        <translation>Timewise MusicXML is not supported. Save the file again in partwise format.</translation>
    </message>
    <message>
        <source>MusicXMLの楽譜ではありません。</source>
        <translation>This is not a MusicXML score.</translation>
    </message>
    <message>
        <source>音符のあるパートがありません。</source>
        <translation>No part contains notes.</translation>
    </message>
    <message>
        <source>指定されたファイルは見つかりません。</source>
        <translation>The specified file was not found.</translation>
    </message>
    <message>
        <source>ファイルを読み込めません。</source>
        <translation>Cannot read the file.</translation>
    </message>
    <message>
        <source>MusicXMLとして読み込めません（XMLの誤り: %1、%2 バイト目）。</source>
        <translation>Cannot read the file as MusicXML (XML error: %1, at byte %2).</translation>
    </message>
    <message>
        <source>パート %1 はありません（この楽譜のパートは %2 個です）。</source>
        <translation>There is no part %1 (this score has %2 parts).</translation>
    </message>
    <message>
        <source>和音の音</source>
        <translation>Chord notes</translation>
    </message>
    <message>
        <source>他の声部の音</source>
        <translation>Notes in other voices</translation>
    </message>
    <message>
        <source>他の譜表の音</source>
        <translation>Notes on other staves</translation>
    </message>
    <message>
        <source>他の譜表の記号</source>
        <translation>Marks on other staves</translation>
    </message>
    <message>
        <source>キュー音符</source>
        <translation>Cue notes</translation>
    </message>
    <message>
        <source>打楽器の音</source>
        <translation>Percussion notes</translation>
    </message>
    <message>
        <source>3連符以外の連符</source>
        <translation type="vanished">Tuplets other than triplets</translation>
    </message>
    <message>
        <source>文字</source>
        <translation>Text</translation>
    </message>
    <message>
        <source>歌詞</source>
        <translation>Lyrics</translation>
    </message>
    <message>
        <source>コードネーム</source>
        <translation>Chord symbols</translation>
    </message>
    <message>
        <source>対応していない指番号</source>
        <translation>Unsupported fingerings</translation>
    </message>
    <message>
        <source>対応していない弦の番号</source>
        <translation>Unsupported string numbers</translation>
    </message>
    <message>
        <source>擦弦楽器でないパートの指番号</source>
        <translation>Fingerings in parts that are not bowed strings</translation>
    </message>
    <message>
        <source>擦弦楽器でないパートの弦の番号</source>
        <translation>String numbers in parts that are not bowed strings</translation>
    </message>
    <message>
        <source>多すぎる装飾音</source>
        <translation>Too many grace notes</translation>
    </message>
    <message>
        <source>付く音のない装飾音</source>
        <translation>Grace notes without a main note</translation>
    </message>
    <message>
        <source>長すぎる音</source>
        <translation>Notes that are too long</translation>
    </message>
    <message>
        <source>長さのない音</source>
        <translation>Notes without a length</translation>
    </message>
    <message>
        <source>重なった音</source>
        <translation>Overlapping notes</translation>
    </message>
    <message>
        <source>読めない音の高さ</source>
        <translation>Unreadable pitches</translation>
    </message>
    <message>
        <source>上限を超えた小節</source>
        <translation>Bars beyond the limit</translation>
    </message>
    <message>
        <source>その他の記号</source>
        <translation>Other marks</translation>
    </message>
    <message>
        <source>MusicXMLを書き込めません。</source>
        <translation>Cannot write MusicXML.</translation>
    </message>
    <message>
        <source>調号の変更（新しいページにしました）</source>
        <translation>Key changes (a new page started)</translation>
    </message>
    <message>
        <source>%1連符の括弧</source>
        <translation>%1-tuplet brackets</translation>
    </message>
    <message>
        <source>%1連符（3連符の括弧で書きました）</source>
        <translation>%1-tuplets (written with triplet brackets)</translation>
    </message>
    <message>
        <source>書き換えたもの: %1。</source>
        <translation>Written differently: %1. </translation>
    </message>
    <message>
        <source>MusicXMLを読み込みました（パート %1/%2、%3 小節、%4 音、%5 ページ）。%6%7</source>
        <translation>Imported MusicXML (part %1/%2, %3 bars, %4 notes, %5 pages). %6%7</translation>
    </message>
</context>
<context>
    <name>sorvel::manpage</name>
    <message>
        <source>設定ファイル：オプション、最近使ったファイル、演奏の設定、インターフェースの言語（[Editor] の Language）。XDG_CONFIG_HOME が設定されていれば $XDG_CONFIG_HOME/sorvel/sorvelini です。インストールせず、書き込めるフォルダーから起動したプログラムは、実行ファイルの隣の sorvelini を使います。</source>
        <translation>The settings file: options, recent files, play settings and the interface language (Language in [Editor]). With XDG_CONFIG_HOME set it is $XDG_CONFIG_HOME/sorvel/sorvelini. A program that is not installed and is started from a folder it can write to uses sorvelini beside the executable instead.</translation>
    </message>
    <message>
        <source>保存していない変更のあるブックの復元用コピー。次に起動したときに復元を提案します。XDG_STATE_HOME が設定されていれば $XDG_STATE_HOME/sorvel/recovery/ です。</source>
        <translation>Recovery copies of books with unsaved changes, offered for restoring at the next start. With XDG_STATE_HOME set it is $XDG_STATE_HOME/sorvel/recovery/.</translation>
    </message>
    <message>
        <source>操作説明（ヘルプメニューが開くものと同じページ）。</source>
        <translation>The user guide (the same pages the Help menu opens).</translation>
    </message>
    <message>
        <source>--render-wav が使う SoundFont（.sf2）ファイル。設定されていなければ General MIDI の SoundFont（fluid-soundfont-gm、なければ timgm6mb-soundfont）です。</source>
        <translation>The SoundFont (.sf2) file --render-wav plays through. Without it, the General MIDI SoundFont (fluid-soundfont-gm, else timgm6mb-soundfont).</translation>
    </message>
    <message>
        <source>設定ファイルの言語が「自動」（既定）のとき、インターフェース、バッチコマンドのメッセージと --help の言語を決めます。LC_ALL、LC_MESSAGES、LANG のうち最初に設定されているもののロケールで、C と POSIX 以外では LANGUAGE の最初の言語が優先します。日本語、中国語（台湾・香港・マカオは繁体字、ほかは簡体字）、それ以外はすべて英語になります。</source>
        <translation>When the language in the settings file is automatic (the default), these choose the language of the interface, of the batch commands' messages and of --help. The locale is that of the first of LC_ALL, LC_MESSAGES and LANG that is set; unless it is C or POSIX, the first language listed in LANGUAGE takes its place. Japanese and Chinese (traditional for Taiwan, Hong Kong and Macao, simplified for the others) are used as such; any other language gives English.</translation>
    </message>
    <message>
        <source>エディターを開く画面。どちらも（QT_QPA_PLATFORM も）設定されていなければ、エディターを開かずに 1 行のメッセージを出し、終了ステータス 1 で終わります。バッチコマンドは画面を使いません。</source>
        <translation>The display the editor opens on. When neither is set (nor QT_QPA_PLATFORM), the editor does not open: one line says so and the exit status is 1. The batch commands use no display.</translation>
    </message>
    <message>
        <source>ユーザーコマンド</source>
        <translation>User Commands</translation>
    </message>
    <message>
        <source>名前</source>
        <translation>NAME</translation>
    </message>
    <message>
        <source>二胡の数字譜（簡譜）を書き、印刷し、演奏する楽譜エディター</source>
        <translation>score editor that writes, prints and plays erhu music in numbered notation (jianpu)</translation>
    </message>
    <message>
        <source>書式</source>
        <translation>SYNOPSIS</translation>
    </message>
    <message>
        <source>説明</source>
        <translation>DESCRIPTION</translation>
    </message>
    <message>
        <source>ソルベルは二胡奏者のための楽譜エディターです。数字譜（簡譜）に、弓の向き、内弦と外弦、指番号、滑音や装飾音など二胡の記号を書き込みます。一冊の曲集を一つの .svl ファイルに収めます。</source>
        <translation>Sorvel is a score editor for erhu players. Music is written in numbered notation (jianpu) with the erhu's own marks: bowings, inner and outer string, fingerings, slides and ornaments. A whole book of pieces is kept in one .svl file.</translation>
    </message>
    <message>
        <source>バッチコマンドを指定しなければエディターを開きます。FILE.svl を指定するとそのブックを開きます。バッチコマンドは画面なしで動き、一つのファイルを読んで一つのファイルを書きます。失敗したときは標準エラーに 1 行のメッセージを出し、0 以外の終了ステータスで終わり、出力ファイルを残しません。</source>
        <translation>Without a batch command, sorvel opens the editor, on the book FILE.svl when one is named. A batch command works without a display: it reads one file and writes one file. On failure it prints one line on standard error, ends with a non-zero exit status and leaves no output file behind.</translation>
    </message>
    <message>
        <source>バッチコマンド</source>
        <translation>BATCH COMMANDS</translation>
    </message>
    <message>
        <source>オプション</source>
        <translation>OPTIONS</translation>
    </message>
    <message>
        <source>ファイル</source>
        <translation>FILES</translation>
    </message>
    <message>
        <source>環境変数</source>
        <translation>ENVIRONMENT</translation>
    </message>
    <message>
        <source>終了ステータス</source>
        <translation>EXIT STATUS</translation>
    </message>
    <message>
        <source>著作権</source>
        <translation>COPYRIGHT</translation>
    </message>
</context>
<context>
    <name>sorvel::model</name>
    <message>
        <source>%1ページ目の記号が多すぎます。１ページに置ける記号は%2個までです。</source>
        <translation>Too many symbols on page %1. One page can hold at most %2 symbols.</translation>
    </message>
    <message>
        <source>楽譜全体の記号とページが多すぎます。記号とページは合わせて%1個までです。</source>
        <translation>Too many symbols and pages in the whole score. Symbols and pages together are limited to %1.</translation>
    </message>
    <message>
        <source>%1ページ目に、結び付いた記号が多すぎる記号があります。１つの記号に結び付けられる記号は%2個までです。</source>
        <translation>Page %1 has a symbol with too many symbols linked to it. One symbol can be linked to at most %2 symbols.</translation>
    </message>
    <message>
        <source>テキストの行が多すぎます。テキストは楽譜全体で%1行までです。</source>
        <translation>Too many lines of text. Text in the whole score is limited to %1 lines.</translation>
    </message>
    <message>
        <source>楽譜データが大きすぎます。保存できる楽譜データは%1MBまでです。</source>
        <translation>The score data is too large. Score data that can be saved is limited to %1 MB.</translation>
    </message>
    <message>
        <source>指定されたファイルは見つかりません。</source>
        <translation>The specified file was not found.</translation>
    </message>
    <message>
        <source>ファイルを読み込めません。</source>
        <translation>Cannot read the file.</translation>
    </message>
    <message>
        <source>楽譜データが壊れているため読み込めません。</source>
        <translation>Cannot read the score data because it is damaged.</translation>
    </message>
    <message>
        <source>楽譜データが大きすぎるため読み込めません。</source>
        <translation>Cannot read the score data because it is too large.</translation>
    </message>
    <message>
        <source>「%1」に保存できません。</source>
        <translation>Cannot save to “%1”.</translation>
    </message>
    <message>
        <source>「%1」は、読み込んだ後にほかのプログラムで変更されています。
上書き保存すると、その変更は失われます。上書きしますか？</source>
        <translation>“%1” has been changed by another program since it was read.
Saving over it will lose those changes. Do you want to overwrite it?</translation>
    </message>
    <message>
        <source>このプロパティは有りません  %1</source>
        <translation>No such property: %1</translation>
    </message>
    <message>
        <source>このプロパティの型は現在使用できません</source>
        <translation>This property&apos;s type cannot be used at present</translation>
    </message>
</context>
<context>
    <name>sorvel::playback</name>
    <message>
        <source>コーダーに対応するコーダーが存在しません</source>
        <translation>A coda sign has no matching coda</translation>
    </message>
    <message>
        <source>１の括弧がありません。あるいは、リピートエンドの直後に１括弧が指定されています</source>
        <translation>The first ending bracket is missing, or a first ending bracket directly follows an end-repeat sign</translation>
    </message>
    <message>
        <source>楽譜の繰り返しが終わらないため、繰り返しが閉じるところで演奏を止めます。</source>
        <translation>The repeats of the score would never end; the play stops where they close.</translation>
    </message>
</context>
<context>
    <name>sorvel::print</name>
    <message>
        <source>ページを %1 にできませんでした。</source>
        <translation>The page could not be encoded as %1.</translation>
    </message>
    <message>
        <source>ブックにページがありません。</source>
        <translation>The book has no pages.</translation>
    </message>
    <message>
        <source>PDF を書き始められませんでした。</source>
        <translation>The PDF could not be started.</translation>
    </message>
    <message>
        <source>PDF の作成を取り消しました。</source>
        <translation>Making the PDF was cancelled.</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
</context>
</TS>
